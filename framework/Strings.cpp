#include "framework/Strings.h"

#include "framework/Exception.h"
#include "platform/Platform.h"

int TStrings::AddObject(std::string s, void* object) {
    int index = Count();
    Insert(index, std::move(s), object);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    const auto& os = platform::Current();
    for (int i = 0, n = Count(); i < n; ++i)
        if (os.CompareText(Get(i), s) == 0) return i;
    return -1;
}

void TStrings::Assign(const TStrings& source) {
    if (&source == this) return;
    Clear();
    for (int i = 0, n = source.Count(); i < n; ++i) AddObject(source.Get(i), source.Object(i));
}

void TStrings::Assign(TStringList&& source) {
    if (static_cast<TStrings*>(&source) == this) return;
    Assign(static_cast<const TStrings&>(source));
    source.Clear();
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> result;
    result.reserve(Count());
    for (int i = 0, n = Count(); i < n; ++i) result.push_back(Get(i));
    return result;
}

void TStrings::IndexError(int index) {
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

TStringList::TStringList(std::initializer_list<std::string> items) {
    items_.reserve(items.size());
    for (const auto& s : items) items_.push_back({s});
}

const TStringList::Item& TStringList::At(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[index];
}

TStringList::Item& TStringList::At(int index) {
    if (index < 0 || index >= Count()) IndexError(index);
    return items_[index];
}

const std::string& TStringList::Get(int index) const { return At(index).text; }
void TStringList::Put(int index, std::string s) {
    At(index).text = std::move(s);
    Changed();
}

void* TStringList::Object(int index) const { return At(index).object; }

void TStringList::PutObject(int index, void* object) {
    At(index).object = object;
    Changed();
}

void TStringList::Insert(int index, std::string s, void* object) {
    if (index < 0 || index > Count()) IndexError(index);
    items_.insert(items_.begin() + index, Item{std::move(s), object});
    Changed();
}

void TStringList::Delete(int index) {
    At(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    items_.clear();
    Changed();
}

void TStringList::Assign(const TStrings& source) {
    if (&source == this) return;
    Changed();
    if (auto* list = dynamic_cast<const TStringList*>(&source)) {
        items_ = list->items_;  // one copy, storage reserved in one go
        return;
    }
    items_.clear();
    items_.reserve(source.Count());
    for (int i = 0, n = source.Count(); i < n; ++i)
        items_.push_back({source.Get(i), source.Object(i)});
}

void TStringList::Assign(TStringList&& source) {
    if (&source == this) return;
    Changed();
    items_ = std::move(source.items_);
    source.items_.clear();
    source.Changed();
}
