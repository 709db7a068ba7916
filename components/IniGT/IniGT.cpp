#include "components/IniGT/IniGT.h"

#include "framework/Control.h"
#include "framework/Dialogs.h"
#include "framework/Strings.h"
#include "framework/SysUtils.h"
#include "platform/Platform.h"

#include <algorithm>
#include <vector>

namespace {

constexpr char kQuote = '"';
constexpr char kOpenCorner = static_cast<char>(0xA2);   // ｢
constexpr char kCloseCorner = static_cast<char>(0xA3);  // ｣

// A stored count is followed as far as the list's own items and the
// section's keys could reach, and this many items further. A count past that
// (a damaged or hand-edited file) could only add empty items, unless the file
// skips more indices than this, and could exhaust memory.
constexpr int kMaxEmptyPadding = 1024;

}  // namespace

DOveVA::DOveVA(TComponent* owner)
    : TComponent(owner), iniFile_(std::make_unique<TIniFile>("")) {}

DOveVA::~DOveVA() = default;

void DOveVA::SetFileName(std::string value) {
    fileName_ = std::move(value);
    iniFile_.reset();
    std::string path;
    if (!ExtractFilePath(fileName_).empty()) {
        path = fileName_;
    } else {
        switch (defaultDir_) {
            case ddApplication: path = ExtractFilePath(ExeFileName()) + fileName_; break;
            case ddWindows: path = platform::Current().WindowsDirectory() + "\\" + fileName_; break;
            case ddNone: path = fileName_; break;
        }
    }
    iniFile_ = std::make_unique<TIniFile>(std::move(path));
}

void DOveVA::SetDefaultDir(DOveVADefaultDir value) {
    defaultDir_ = value;
    SetFileName(fileName_);
}

void DOveVA::SetFence(DOveVAFence value) {
    if (value != fence_) {
        if (IsDesigning() && fence_ == fnVer11Mode)
            MessageDlg("fnVer11Mode以外の値にすると、DOveVAのVer1.0とVer1.1で書き込んだﾌｧｲﾙを正しく"
                       "読めない事があります。",
                       MsgDlgType::Warning, MsgDlgButtons::Ok, 0);
        fence_ = value;
    }
    fenceNotSet_ = false;
}

void DOveVA::Loaded() {
    TComponent::Loaded();
    if (fileName_.empty() && !IsDesigning()) {
        std::string name = LowerCase(ChangeFileExt(ExtractFileName(ExeFileName()), ".INI"));
        if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 32);
        SetFileName(std::move(name));
    }
    if (IsDesigning() && fenceNotSet_) fence_ = fnVer11Mode;
}

std::string DOveVA::ReadString(std::string_view section, std::string_view ident,
                               std::string_view def) {
    return iniFile_->ReadString(section, ident, def);
}

void DOveVA::WriteString(std::string_view section, std::string_view ident, std::string_view value) {
    iniFile_->WriteString(section, ident, value);
}

bool DOveVA::ReadBool(std::string_view section, std::string_view ident, bool def) {
    return iniFile_->ReadBool(section, ident, def);
}

void DOveVA::WriteBool(std::string_view section, std::string_view ident, bool value) {
    iniFile_->WriteBool(section, ident, value);
}

int DOveVA::ReadInteger(std::string_view section, std::string_view ident, int def) {
    return iniFile_->ReadInteger(section, ident, def);
}

void DOveVA::WriteInteger(std::string_view section, std::string_view ident, int value) {
    iniFile_->WriteInteger(section, ident, value);
}

std::string DOveVA::Fenced(std::string_view text) const {
    switch (fence_) {
        case fnDoubleQuote: return kQuote + std::string(text) + kQuote;
        case fnParenthesis:
        case fnVer11Mode: return kOpenCorner + std::string(text) + kCloseCorner;
        case fnNone: break;
    }
    return std::string(text);
}

std::string_view DOveVA::Unfenced(std::string_view s) const {
    if (s.size() >= 2) {
        bool quotes = fence_ == fnDoubleQuote || fence_ == fnVer11Mode;
        bool corners = fence_ == fnParenthesis || fence_ == fnVer11Mode;
        if ((quotes && s.front() == kQuote && s.back() == kQuote) ||
            (corners && s.front() == kOpenCorner && s.back() == kCloseCorner))
            s = s.substr(1, s.size() - 2);
    }
    return s;
}

std::string DOveVA::ReadFencedString(std::string_view section, std::string_view ident,
                                     std::string_view def) {
    if (fence_ == fnNone) return iniFile_->ReadString(section, ident, def);  // nothing to add or take off
    return std::string(Unfenced(iniFile_->ReadString(section, ident, Fenced(def))));
}

void DOveVA::WriteFencedString(std::string_view section, std::string_view ident,
                               std::string_view value) {
    if (fence_ == fnNone) return iniFile_->WriteString(section, ident, value);  // saves a copy
    iniFile_->WriteString(section, ident, Fenced(value));
}

void DOveVA::ReadStrings(std::string_view section, std::string_view name, TStrings& list) {
    int count = ReadInteger(section, Concat({name, ".Count"}), list.Count());
    count = static_cast<int>(std::min<long long>(
        count, 0LL + list.Count() + iniFile_->KeyCount(section) + kMaxEmptyPadding));
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(std::max(count, 0)));
    // Each item as ReadFencedString reads it: a default fenced for the
    // store comes back unfenced as it was, so only stored text is unfenced.
    iniFile_->ReadList(section, name, count, [&](int i, const std::string_view* stored) {
        if (stored) items.emplace_back(Unfenced(*stored));
        else items.push_back(i < list.Count() ? list.Get(i) : std::string());
    });
    list.Assign(TStringList(std::move(items)));
}

void DOveVA::WriteStrings(std::string_view section, std::string_view name, const TStrings& list) {
    // One save for the whole list, and none of it if any item is refused.
    std::vector<std::string> fenced;  // the items as stored, when the mode adds a fence
    if (fence_ != fnNone) {
        fenced.reserve(static_cast<std::size_t>(list.Count()));
        for (int i = 0, n = list.Count(); i < n; ++i) fenced.push_back(Fenced(list.Get(i)));
    }
    std::vector<std::string_view> values;
    values.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0, n = list.Count(); i < n; ++i)
        values.push_back(fence_ == fnNone ? std::string_view(list.Get(i)) : std::string_view(fenced[i]));
    iniFile_->Update([&] {
        WriteInteger(section, Concat({name, ".Count"}), list.Count());
        iniFile_->WriteList(section, name, values);
    });
}

void DOveVA::ReadPosition(std::string_view section, std::string_view name, TControl& control) {
    control.SetLeft(ReadInteger(section, Concat({name, ".X"}), control.Left()));
    control.SetTop(ReadInteger(section, Concat({name, ".Y"}), control.Top()));
}

void DOveVA::WritePosition(std::string_view section, std::string_view name,
                           const TControl& control) {
    iniFile_->Update([&] {
        WriteInteger(section, Concat({name, ".X"}), control.Left());
        WriteInteger(section, Concat({name, ".Y"}), control.Top());
    });
}
