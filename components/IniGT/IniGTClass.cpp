#include "components/IniGT/IniGTClass.h"

#include "components/IniGT/IniGT.h"
#include "framework/FrameworkClasses.h"

const TClassInfo& DOveVAClass() {
    static const TClassInfo info = [] {
        TClassInfo i("DOveVA", &TComponentClass(), FactoryOf<DOveVA>());
        Published<DOveVA>(i)
            .Enum<DOveVADefaultDir>("DefaultDir", &DOveVA::SetDefaultDir,
                                    {{"ddApplication", ddApplication}, {"ddWindows", ddWindows}, {"ddNone", ddNone}})
            .String("FileName", &DOveVA::SetFileName)
            .Enum<DOveVAFence>("Fence", &DOveVA::SetFence,
                               {{"fnDoubleQuote", fnDoubleQuote},
                                {"fnParenthesis", fnParenthesis},
                                {"fnVer11Mode", fnVer11Mode},
                                {"fnNone", fnNone}});
        return i;
    }();
    return info;
}
