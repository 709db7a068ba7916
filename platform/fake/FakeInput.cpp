// The fake plays the user at the keyboard and in combo boxes.
#include "platform/fake/FakePlatform.h"
#include "platform/fake/FakeWindow.h"

namespace platform::fake {
namespace {

constexpr std::uint32_t kKeyDown = 0x100, kChar = 0x102, kCnCommand = 0xBD11;
constexpr std::uintptr_t kSelChange = 1, kEditChange = 5;
constexpr std::uint16_t kBack = 0x08, kReturn = 0x0D, kEscape = 0x1B, kDelete = 0x2E;

std::uintptr_t Notification(std::uintptr_t code) { return code << 16; }

}  // namespace

void FakePlatform::EditDefault(FakeComboBox& combo, const Message& m) {
    std::string& text = combo.editText;
    int start = combo.selStart, length = combo.selLength;
    if (m.msg == kKeyDown && m.wParam == kDelete) {
        if (length == 0 && start < static_cast<int>(text.size()))
            length = IsLeadByte(static_cast<unsigned char>(text[start])) ? 2 : 1;
    } else if (m.msg == kChar && m.wParam == kBack) {
        if (length == 0 && start > 0) {
            // Back over one character, a double-byte one whole.
            int i = 0, previous = 0;
            while (i < start) {
                previous = i;
                i += IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
            }
            length = start - previous;
            start = previous;
        }
    } else if (m.msg == kChar && m.wParam >= 0x20) {
        return;  // TypeText inserts whole characters
    } else {
        return;
    }
    if (length == 0) return;
    text.erase(start, length);
    combo.selStart = start;
    combo.selLength = 0;
    Deliver(combo.handle(), kCnCommand, Notification(kEditChange), 0);
}

void FakePlatform::PressKey(Handle handle, std::uint16_t key) {
    FakeComboBox* combo = ComboBox(handle);
    if (!combo) return;
    Message down{kKeyDown, key, 0};
    if (!Dispatch(handle, down)) EditDefault(*combo, down);
    if (key != kReturn && key != kEscape && key != kBack) return;
    if (!ComboBox(handle)) return;
    Message character{kChar, key, 0};
    if (!Dispatch(handle, character)) EditDefault(*combo, character);
}

void FakePlatform::TypeText(Handle handle, const std::string& text) {
    for (size_t i = 0; i < text.size();) {
        size_t length = IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        std::string character = text.substr(i, length);
        i += length;
        FakeComboBox* combo = ComboBox(handle);
        if (!combo) return;
        // An ANSI window gets a double-byte character as two WM_CHARs.
        bool consumed = false;
        for (char byte : character) {
            Message m{kChar, static_cast<unsigned char>(byte), 0};
            if (Dispatch(handle, m)) consumed = true;
        }
        if (consumed || !(combo = ComboBox(handle))) continue;
        combo->editText.replace(combo->selStart, combo->selLength, character);
        combo->selStart += static_cast<int>(character.size());
        combo->selLength = 0;
        Deliver(handle, kCnCommand, Notification(kEditChange), 0);
    }
}

void FakePlatform::PickItem(Handle handle, int index) {
    FakeComboBox* combo = ComboBox(handle);
    if (!combo || index < 0 || index >= static_cast<int>(combo->items.size())) return;
    combo->SetItemIndex(index);
    Deliver(handle, kCnCommand, Notification(kSelChange), 0);
}

bool FakePlatform::RunDualListDialog(Handle owner, const DualListTexts& texts, DualListController& controller) {
    dualListCalls.push_back(texts);
    dualListOwners.push_back(owner);
    return dualListScript ? dualListScript(controller) : false;
}

}  // namespace platform::fake
