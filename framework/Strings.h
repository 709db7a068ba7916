#pragma once
// Ordered lists of code-page strings, each with an associated object.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStringList;

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    // Item i; throws EListError for an index outside the list.
    virtual const std::string& Get(int index) const = 0;
    virtual void Put(int index, std::string s) = 0;
    virtual void* Object(int index) const = 0;
    virtual void PutObject(int index, void* object) = 0;
    virtual void Insert(int index, std::string s, void* object = nullptr) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    int Add(std::string s) { return AddObject(std::move(s), nullptr); }
    int AddObject(std::string s, void* object);
    const std::string& operator[](int index) const { return Get(index); }

    // First item equal to s, compared as the platform's ANSI comparison does
    // without regard to case; -1 if none.
    virtual int IndexOf(std::string_view s) const;

    // Replaces this list's items and objects by source's, in order.
    virtual void Assign(const TStrings& source);
    // The same, leaving source empty; a list that can take the items over
    // spares the copy.
    virtual void Assign(TStringList&& source);
    TStrings& operator=(const TStrings& source) {
        Assign(source);
        return *this;
    }

    std::vector<std::string> ToVector() const;

    // Grows with every change of the items, so that whoever keeps something
    // derived from them can tell it is out of date.
    std::uint64_t ChangeCount() const { return changeCount_; }

protected:
    TStrings() = default;
    TStrings(const TStrings&) = default;
    [[noreturn]] static void IndexError(int index);
    // Every implementation calls this whenever it changes its items.
    void Changed() { ++changeCount_; }

private:
    std::uint64_t changeCount_ = 0;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<std::string> items);
    // The items taken over, without objects.
    explicit TStringList(std::vector<std::string> items);
    TStringList(const TStringList& other) : TStrings(), texts_(other.texts_), objects_(other.objects_) {}
    TStringList& operator=(const TStringList& other) {
        Assign(other);
        return *this;
    }

    int Count() const override { return static_cast<int>(texts_.size()); }
    const std::string& Get(int index) const override;
    void Put(int index, std::string s) override;
    void* Object(int index) const override;
    void PutObject(int index, void* object) override;
    void Insert(int index, std::string s, void* object = nullptr) override;
    void Delete(int index) override;
    void Clear() override;
    void Assign(const TStrings& source) override;
    void Assign(TStringList&& source) override;

    void Reserve(int capacity);

private:
    void Check(int index) const;

    // Side by side, so that a list of texts alone is taken over whole.
    std::vector<std::string> texts_;
    std::vector<void*> objects_;
};
