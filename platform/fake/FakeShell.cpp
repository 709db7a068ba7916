// The fake's shell: tray, launches, help, menus, message boxes and icons.
#include "platform/fake/FakePlatform.h"

namespace platform::fake {
namespace {

class FakeIcon final : public NativeIcon {
public:
    explicit FakeIcon(Handle handle) : handle_(handle) {}
    Handle GetHandle() const override { return handle_; }
    std::unique_ptr<NativeIcon> Clone() const override;

private:
    Handle handle_;
};

Handle NextIconHandle() {
    static Handle next = 0x7000;
    return next += 2;
}

std::unique_ptr<NativeIcon> FakeIcon::Clone() const { return std::make_unique<FakeIcon>(NextIconHandle()); }

class FakeName final : public InstanceName {
public:
    FakeName(FakePlatform& fake, std::string name) : fake_(fake), name_(std::move(name)) {}
    ~FakeName() override { fake_.takenNames.erase(name_); }

private:
    FakePlatform& fake_;
    std::string name_;
};

}  // namespace

std::unique_ptr<InstanceName> FakePlatform::TakeInstanceName(const std::string& name) {
    if (!takenNames.insert(name).second) return nullptr;
    return std::make_unique<FakeName>(*this, name);
}

bool FakePlatform::NotifyIcon(TrayRequest request, const NotifyIconData& data) {
    trayCalls.push_back({request, data});
    if (refuseNextTrayRequest) {
        refuseNextTrayRequest = false;
        return false;
    }
    return true;
}

std::intptr_t FakePlatform::ShellOpen(Handle owner, const std::string& verb, const std::string& file,
                                      const std::string& parameters, const std::string& directory,
                                      int showCommand) {
    shellCalls.push_back({owner, verb, file, parameters, directory, showCommand});
    return shellResult;
}

void FakePlatform::ShowHelp(Handle, const std::string& helpFile, int context) {
    helpCalls.push_back({helpFile, context});
}

int FakePlatform::TrackPopupMenu(Handle owner, Point at, const std::vector<MenuEntry>& entries) {
    menuCalls.push_back({owner, at, entries});
    if (menuChoices.empty()) return -1;
    int choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

ModalResult FakePlatform::MessageDlg(const std::string& caption, const std::string& text,
                                     MsgDlgType type, MsgDlgButtons buttons, int helpContext) {
    messageDlgs.push_back({caption, text, type, buttons, helpContext});
    return messageDlgAnswer;
}

std::unique_ptr<NativeIcon> FakePlatform::LoadIconResource(const std::string& name, int) {
    if (name.empty()) return nullptr;
    return std::make_unique<FakeIcon>(NextIconHandle());
}

}  // namespace platform::fake
