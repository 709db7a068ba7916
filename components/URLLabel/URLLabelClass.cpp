#include "components/URLLabel/URLLabelClass.h"

#include "components/URLLabel/URLLabel.h"
#include "framework/FrameworkClasses.h"

namespace {

// Cursor needs no entry of its own: the label's inherited property reads it,
// and a description that leaves it out keeps the hand the constructor set.
TClassInfo MakeURLLabelClass() {
    TClassInfo info("TURLLabel", &TLabelClass(), FactoryOf<TURLLabel>());
    Published<TURLLabel>(info)
        .Boolean("Executable", &TURLLabel::SetExecutable)
        .Boolean("HotTrack", &TURLLabel::SetHotTrack)
        .Color("HotColor", &TURLLabel::SetHotColor)
        .Color("PushedColor", &TURLLabel::SetPushedColor);
    return info;
}

}  // namespace

const TClassInfo& TURLLabelClass() {
    static const TClassInfo info = MakeURLLabelClass();
    return info;
}
