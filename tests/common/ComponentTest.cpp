#include "framework/Component.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// What the probes saw, in order. A component hears of another while that one
// is still being built or already being torn down, so a notice records the
// address and the test names it afterwards.
struct Journal {
    struct Entry {
        std::string who;
        std::string what;  // "+", "-" or "~"
        const TComponent* subject;
    };
    std::vector<Entry> entries;
    std::map<const TComponent*, std::string> names;

    std::vector<std::string> Lines() const {
        std::vector<std::string> out;
        for (const auto& e : entries) {
            auto it = names.find(e.subject);
            out.push_back(e.who + " " + e.what + (it == names.end() ? "" : it->second));
        }
        return out;
    }
};

class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::string tag, Journal* journal)
        : TComponent(owner), tag_(std::move(tag)), journal_(journal) {}
    ~Probe() override { journal_->entries.push_back({tag_, "~", nullptr}); }
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        if (c != this) journal_->entries.push_back({tag_, op == TOperation::opInsert ? "+" : "-", c});
        if (op == TOperation::opRemove && c == watched) watched = nullptr;
    }

private:
    std::string tag_;
    Journal* journal_;
};

Probe* MakeProbe(TComponent* owner, const std::string& tag, Journal& journal) {
    auto* p = TComponent::Create<Probe>(owner, tag, &journal);
    journal.names[p] = tag;
    return p;
}

TEST(Component, OwnerFreesWhatItOwnsInReverseOrder) {
    Journal journal;
    {
        auto owner = std::make_unique<TComponent>(nullptr);
        MakeProbe(owner.get(), "a", journal);
        MakeProbe(owner.get(), "b", journal);
        EXPECT_EQ(owner->ComponentCount(), 2);
        journal.entries.clear();
    }
    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"b ~", "a -b", "a ~"}));
}

TEST(Component, SiblingsHearOfInsertionAndRemoval) {
    Journal journal;
    TComponent owner(nullptr);
    auto* a = MakeProbe(&owner, "a", journal);
    auto* b = MakeProbe(&owner, "b", journal);
    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"a +b"}));
    journal.entries.clear();
    delete b;  // freeing one early tells the rest
    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"b ~", "a -b"}));
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), a);
}

TEST(Component, FreeNotificationReachesAcrossOwners) {
    Journal journal;
    TComponent formA(nullptr);
    auto formB = std::make_unique<TComponent>(nullptr);
    auto* user = MakeProbe(&formA, "user", journal);
    auto* used = MakeProbe(formB.get(), "used", journal);
    user->watched = used;
    used->FreeNotification(user);
    formB.reset();
    EXPECT_EQ(user->watched, nullptr);
    // And the other way: the user going first leaves no dangling partner.
    auto formC = std::make_unique<TComponent>(nullptr);
    auto* other = MakeProbe(formC.get(), "other", journal);
    other->FreeNotification(user);
    delete user;
    journal.entries.clear();
    formC.reset();
    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"other ~"}));
}

TEST(Component, NamesAreFoundWithoutRegardToCaseAndMustBeUnique) {
    TComponent owner(nullptr);
    auto* a = TComponent::Create<TComponent>(&owner);
    a->SetName("IniGT");
    EXPECT_EQ(owner.FindComponent("inigt"), a);
    EXPECT_EQ(owner.FindComponent("other"), nullptr);
    auto* b = TComponent::Create<TComponent>(&owner);
    EXPECT_THROW(b->SetName("INIGT"), Exception);
    EXPECT_EQ(b->Name(), "");
}

TEST(Component, LoadingEndsWithLoadedAndDesignModeIsOffByDefault) {
    TComponent owner(nullptr);
    auto* c = TComponent::Create<TComponent>(&owner);
    EXPECT_FALSE(c->IsDesigning());
    c->BeginLoading();
    EXPECT_TRUE(c->IsLoading());
    c->Loaded();
    EXPECT_FALSE(c->IsLoading());
    owner.SetDesigning(true);
    EXPECT_TRUE(c->IsDesigning());
    EXPECT_TRUE(TComponent::Create<TComponent>(&owner)->IsDesigning());
}

}  // namespace
