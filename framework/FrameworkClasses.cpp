#include "framework/FrameworkClasses.h"

#include "framework/ComboBox98.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"

namespace {

const std::vector<std::pair<const char*, int>> kCharsets = {
    {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"ANSI_CHARSET", 0}, {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET}};

const std::vector<std::pair<const char*, int>> kCursors = {
    {"crDefault", crDefault}, {"crArrow", crArrow}, {"crIBeam", crIBeam}, {"crHandPoint", crHandPoint}};

TClassInfo MakeControlClass() {
    TClassInfo info("TControl", &TComponentClass());
    Published<TControl>(info)
        .Integer("Left", &TControl::SetLeft)
        .Integer("Top", &TControl::SetTop)
        .Integer("Width", &TControl::SetWidth)
        .Integer("Height", &TControl::SetHeight)
        .Boolean("Visible", &TControl::SetVisible)
        .String("Caption", &TControl::SetCaption)
        .Integer("HelpContext", &TControl::SetHelpContext)
        .Boolean("ParentFont", &TControl::SetParentFont)
        .Custom("Cursor", [](TControl& c, const PropertyValue& v, ReadContext&) {
            c.SetCursor(v.kind == PropertyValue::Kind::Integer ? AsInteger(v) : EnumFromTable(v, kCursors));
        })
        .String("Font.Name", [](TControl& c, const std::string& name) { c.Font().SetName(name); })
        .Integer("Font.Height", [](TControl& c, int height) { c.Font().SetHeight(height); })
        .Color("Font.Color", [](TControl& c, TColor color) { c.Font().SetColor(color); })
        .Custom("Font.Charset", [](TControl& c, const PropertyValue& v, ReadContext&) {
            c.Font().SetCharset(v.kind == PropertyValue::Kind::Integer ? AsInteger(v)
                                                                        : EnumFromTable(v, kCharsets));
        })
        .SetOf("Font.Style", [](TControl& c, unsigned style) { c.Font().SetStyle(style); },
               {{"fsBold", platform::fsBold},
                {"fsItalic", platform::fsItalic},
                {"fsUnderline", platform::fsUnderline},
                {"fsStrikeOut", platform::fsStrikeOut}})
        .Event("OnClick", &TControl::OnClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseMove", &TControl::OnMouseMove);
    return info;
}

TClassInfo MakeWinControlClass() {
    TClassInfo info("TWinControl", &TControlClass());
    Published<TWinControl>(info)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Integer("TabOrder", [](TWinControl&, int) {});  // one focusable control per window
    return info;
}

TClassInfo MakeFormClass() {
    TClassInfo info("TForm", &TWinControlClass());
    Published<TForm>(info)
        .Enum<TFormBorderStyle>("BorderStyle", &TForm::SetBorderStyle,
                                {{"bsNone", bsNone},
                                 {"bsSingle", bsSingle},
                                 {"bsSizeable", bsSizeable},
                                 {"bsDialog", bsDialog},
                                 {"bsToolWindow", bsToolWindow},
                                 {"bsSizeToolWin", bsSizeToolWin}})
        .SetOf("BorderIcons", &TForm::SetBorderIcons,
               {{"biSystemMenu", platform::biSystemMenu},
                {"biMinimize", platform::biMinimize},
                {"biMaximize", platform::biMaximize},
                {"biHelp", platform::biHelp}})
        .Enum<TPosition>("Position", &TForm::SetPosition,
                         {{"poDesigned", poDesigned},
                          {"poDefault", poDefault},
                          {"poDefaultPosOnly", poDefaultPosOnly},
                          {"poDefaultSizeOnly", poDefaultSizeOnly},
                          {"poScreenCenter", poScreenCenter}})
        .Integer("ClientWidth", &TForm::SetClientWidth)
        .Integer("ClientHeight", &TForm::SetClientHeight)
        .Integer("PixelsPerInch", &TForm::SetPixelsPerInch)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnDestroy", &TForm::OnDestroy);
    return info;
}

TClassInfo MakeLabelClass() {
    TClassInfo info("TLabel", &TControlClass(), FactoryOf<TLabel>());
    Published<TLabel>(info).Boolean("AutoSize", &TLabel::SetAutoSize);
    return info;
}

TClassInfo MakeMenuItemClass() {
    TClassInfo info("TMenuItem", &TComponentClass(), FactoryOf<TMenuItem>());
    Published<TMenuItem>(info)
        .String("Caption", &TMenuItem::SetCaption)
        .Boolean("Checked", &TMenuItem::SetChecked)
        .Boolean("Enabled", &TMenuItem::SetEnabled)
        .Boolean("Visible", &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick);
    return info;
}

TClassInfo MakePopupMenuClass() {
    TClassInfo info("TPopupMenu", &TComponentClass(), FactoryOf<TPopupMenu>());
    Published<TPopupMenu>(info).Boolean("AutoPopup", &TPopupMenu::SetAutoPopup);
    return info;
}

TClassInfo MakeImageListClass() {
    TClassInfo info("TImageList", &TComponentClass(), FactoryOf<TImageList>());
    Published<TImageList>(info)
        .Integer("Width", &TImageList::SetWidth)
        .Integer("Height", &TImageList::SetHeight);
    return info;
}

TClassInfo MakeComboBox98Class() {
    TClassInfo info("TComboBox98", &TWinControlClass(), FactoryOf<TComboBox98>());
    Published<TComboBox98>(info)
        .Enum<TComboBoxStyle>("Style", &TComboBox98::SetStyle, {{"csDropDown", csDropDown}})
        .Integer("ItemHeight", &TComboBox98::SetItemHeight)
        .Boolean("Complete", &TComboBox98::SetComplete)
        .Integer("MinLengthComplete", &TComboBox98::SetMinLengthComplete)
        .String("Text", &TComboBox98::SetText)
        .Event("OnChange", &TComboBox98::OnChange);
    return info;
}

}  // namespace

const TClassInfo& TComboBox98Class() {
    static const TClassInfo info = MakeComboBox98Class();
    return info;
}

const TClassInfo& TComponentClass() {
    static const TClassInfo info("TComponent", nullptr);
    return info;
}

const TClassInfo& TControlClass() {
    static const TClassInfo info = MakeControlClass();
    return info;
}

const TClassInfo& TWinControlClass() {
    static const TClassInfo info = MakeWinControlClass();
    return info;
}

const TClassInfo& TFormClass() {
    static const TClassInfo info = MakeFormClass();
    return info;
}

const TClassInfo& TLabelClass() {
    static const TClassInfo info = MakeLabelClass();
    return info;
}

const TClassInfo& TPopupMenuClass() {
    static const TClassInfo info = MakePopupMenuClass();
    return info;
}

const TClassInfo& TMenuItemClass() {
    static const TClassInfo info = MakeMenuItemClass();
    return info;
}

const TClassInfo& TImageListClass() {
    static const TClassInfo info = MakeImageListClass();
    return info;
}

void RegisterFrameworkClasses() {
    RegisterClasses({&TLabelClass(), &TPopupMenuClass(), &TMenuItemClass(), &TImageListClass(),
                     &TComboBox98Class()});
}
