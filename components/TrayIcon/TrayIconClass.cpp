#include "components/TrayIcon/TrayIconClass.h"

#include "components/TrayIcon/TrayIcon.h"
#include "framework/FrameworkClasses.h"
#include "framework/Menus.h"

namespace {

TClassInfo MakeTrayIconClass() {
    TClassInfo info("TTrayIcon", &TComponentClass(), FactoryOf<TTrayIcon>());
    // Icon before Visible, as descriptions store them: Visible needs the image.
    Published<TTrayIcon>(info)
        .Reference<TImageList>("AnimateIcons", &TTrayIcon::SetAnimateIcons)
        .Integer("AnimateRate", &TTrayIcon::SetAnimateRate)
        .Boolean("AutoPopup", &TTrayIcon::SetAutoPopup)
        .Boolean("Enabled", &TTrayIcon::SetEnabled)
        // A description names the program's icon resource.
        .String("Icon", [](TTrayIcon& icon, const std::string& resource) {
            TIcon image;
            image.LoadFromResource(resource);
            icon.SetIcon(&image);
        })
        .Reference<TPopupMenu>("LBPopupMenu", &TTrayIcon::SetLBPopupMenu)
        .Reference<TPopupMenu>("RBPopupMenu", &TTrayIcon::SetRBPopupMenu)
        .String("TipHelp", &TTrayIcon::SetTipHelp)
        .Boolean("Visible", &TTrayIcon::SetVisible)
        .Event("OnClick", &TTrayIcon::OnClick)
        .Event("OnDblClick", &TTrayIcon::OnDblClick)
        .Event("OnMouseDown", &TTrayIcon::OnMouseDown)
        .Event("OnMouseUp", &TTrayIcon::OnMouseUp)
        .Event("OnMouseMove", &TTrayIcon::OnMouseMove);
    return info;
}

}  // namespace

const TClassInfo& TTrayIconClass() {
    static const TClassInfo info = MakeTrayIconClass();
    return info;
}
