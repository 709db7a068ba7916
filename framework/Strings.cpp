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

TStringList::TStringList(std::initializer_list<std::string> items)
    : texts_(items), objects_(items.size()) {}

TStringList::TStringList(std::vector<std::string> items)
    : texts_(std::move(items)), objects_(texts_.size()) {}

void TStringList::Check(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
}

const std::string& TStringList::Get(int index) const {
    Check(index);
    return texts_[index];
}

void TStringList::Put(int index, std::string s) {
    Check(index);
    texts_[index] = std::move(s);
    Changed();
}

void* TStringList::Object(int index) const {
    Check(index);
    return objects_[index];
}

void TStringList::PutObject(int index, void* object) {
    Check(index);
    objects_[index] = object;
    Changed();
}

void TStringList::Insert(int index, std::string s, void* object) {
    if (index < 0 || index > Count()) IndexError(index);
    texts_.insert(texts_.begin() + index, std::move(s));
    try {
        objects_.insert(objects_.begin() + index, object);
    } catch (...) {
        texts_.erase(texts_.begin() + index);  // the two stay side by side
        throw;
    }
    Changed();
}

void TStringList::Delete(int index) {
    Check(index);
    texts_.erase(texts_.begin() + index);
    objects_.erase(objects_.begin() + index);
    Changed();
}

void TStringList::Clear() {
    texts_.clear();
    objects_.clear();
    Changed();
}

void TStringList::Reserve(int capacity) {
    texts_.reserve(capacity);
    objects_.reserve(capacity);
}

void TStringList::Assign(const TStrings& source) {
    if (&source == this) return;
    Changed();
    std::vector<std::string> texts;
    std::vector<void*> objects;
    if (auto* list = dynamic_cast<const TStringList*>(&source)) {
        texts = list->texts_;  // one copy, storage reserved in one go
        objects = list->objects_;
    } else {
        texts.reserve(source.Count());
        objects.reserve(source.Count());
        for (int i = 0, n = source.Count(); i < n; ++i) {
            texts.push_back(source.Get(i));
            objects.push_back(source.Object(i));
        }
    }
    texts_.swap(texts);  // both or, on a failure above, neither
    objects_.swap(objects);
}

void TStringList::Assign(TStringList&& source) {
    if (&source == this) return;
    Changed();
    texts_ = std::move(source.texts_);
    objects_ = std::move(source.objects_);
    source.texts_.clear();
    source.objects_.clear();
    source.Changed();
}
