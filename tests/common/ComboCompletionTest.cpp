// Completion under code page 932: natively the fake reports 932, and under
// Wine the locale makes it the system's code page.
#include "common/Bytes.h"
#include "framework/ComboCompletion.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// "text|rest" for a completion (the typed part, then the selected rest),
// "-" for none; checks that the selection covers exactly the appended rest.
std::string Shown(const std::optional<TCompletion>& c) {
    if (!c) return "-";
    if (c->selStart < 0 || c->selLength <= 0 ||
        c->selStart + c->selLength != static_cast<int>(c->text.size()))
        return "bad selection " + std::to_string(c->selStart) + "+" + std::to_string(c->selLength);
    return c->text.substr(0, c->selStart) + "|" + c->text.substr(c->selStart);
}

std::optional<TCompletion> CompleteOnce(const TStrings& items, const std::string& text) {
    TComboCompletion completion(items);
    return completion.Complete(text, TTextChange::tcTyped);
}

struct RuleCase {
    const char* what;
    std::vector<std::string> items;
    std::string text;
    std::string expected;  // as Shown gives it
};

TEST(ComboCompletion, CompletesWithTheFirstItemInListOrderThatBeginsWithTheText) {
    const std::string a = Bytes({0x83, 0x41});    // ア
    const std::string dji = Bytes({0x83, 0x61});  // ヂ: ア's trail byte, lower-cased
    const RuleCase cases[] = {
        {"first character already completes", {"tokyo"}, "t", "t|okyo"},
        {"ASCII letters without regard to case, typed case kept", {"Tokyo"}, "tOK", "tOK|yo"},
        {"list order, not length or alphabet", {"tokyo tower", "tokyo"}, "tok", "tok|yo tower"},
        {"items that do not begin with the text are passed over",
         {"osaka", "kyoto", "tokyo", "tottori"}, "tot", "tot|tori"},
        {"a later item does not help", {"osaka"}, "x", "-"},
        {"text longer than every item", {"to", "tok"}, "toky", "-"},
        {"the first match is the text itself", {"Tokyo", "Tokyo Tower"}, "tokyo", "-"},
        {"exactly equal", {"tokyo"}, "tokyo", "-"},
        {"other ASCII bytes 32 apart stay apart", {"{x}", "`y"}, "[", "-"},
        {"@ is no capital of `", {"`y"}, "@", "-"},
        {"digits and signs compare exactly", {"c++20", "c#"}, "C+", "C+|+20"},
        {"Japanese item", {"東京タワー"}, "東京", "東京|タワー"},
        {"Japanese, list order decides", {"東京", "東京タワー"}, "東", "東|京"},
        {"Japanese, the shorter one first is the text", {"東京", "東京タワー"}, "東京", "-"},
        {"Japanese, the longer one first", {"東京タワー", "東京"}, "東京", "東京|タワー"},
        {"a trail byte in the letter range is not folded", {dji + "x"}, a, "-"},
        {"nor the other way", {a + "x"}, dji, "-"},
        {"but equal trail bytes match", {dji + "x", a + "y"}, a, a + "|y"},
        {"text ending inside the item's first character", {"東京"}, Bytes({0x93}), "-"},
        {"text ending inside a later character", {"東京"}, Bytes({0x93, 0x8C, 0x8B}), "-"},
        {"half-width katakana are single bytes", {"ｱｲｳ"}, "ｱ", "ｱ|ｲｳ"},
        {"full-width letters are not folded", {"Ａ"}, "ａ", "-"},
        {"letters after double-byte characters fold", {"東京Tower"}, "東京t", "東京t|ower"},
        {"letters before them too", {"Abc東京"}, "aBC東", "aBC東|京"},
        {"a trail byte with a lead byte's value ends a character",
         {Bytes({0x81, 0x81, 0x81, 0x81})}, Bytes({0x81, 0x81}),
         Bytes({0x81, 0x81, '|', 0x81, 0x81})},
    };
    for (const auto& c : cases) {
        TStringList items;
        for (const auto& item : c.items) items.Add(item);
        EXPECT_EQ(Hex(Shown(CompleteOnce(items, c.text))), Hex(c.expected)) << c.what;
    }
}

TEST(ComboCompletion, ReportsWhichItemCompletedAndSelectsTheAppendedBytes) {
    TStringList items{"osaka", "東京タワー"};
    auto c = CompleteOnce(items, "東");
    ASSERT_TRUE(c);
    EXPECT_EQ(c->itemIndex, 1);
    EXPECT_EQ(c->selStart, 2);
    EXPECT_EQ(c->selLength, 8);
}

TEST(ComboCompletion, NothingAfterBackspaceOrDeleteOrForAnEmptyText) {
    TStringList items{"tokyo"};
    TComboCompletion completion(items);
    EXPECT_FALSE(completion.Complete("tok", TTextChange::tcDeleted));
    EXPECT_FALSE(completion.Complete("", TTextChange::tcTyped));
    // Deleting leaves nothing behind that would stop the next keystroke.
    EXPECT_EQ(Shown(completion.Complete("tok", TTextChange::tcTyped)), "tok|yo");
    EXPECT_FALSE(completion.Complete("to", TTextChange::tcDeleted));
    EXPECT_EQ(Shown(completion.Complete("tox", TTextChange::tcTyped)), "-");
    EXPECT_EQ(Shown(completion.Complete("to", TTextChange::tcTyped)), "to|kyo");
}

// What the user does between two keystrokes to the list, after typing "to".
struct ChangeCase {
    const char* what;
    void (*change)(TStringList&);
    std::string expected;  // completion of "tok" afterwards
};

TEST(ComboCompletion, SeesEveryChangeOfTheItems) {
    const ChangeCase cases[] = {
        {"an earlier item put in", [](TStringList& l) { l.Put(0, "tokai"); }, "tok|ai"},
        {"an earlier item inserted", [](TStringList& l) { l.Insert(0, "tokoro"); }, "tok|oro"},
        {"the match deleted", [](TStringList& l) { l.Delete(1); }, "tok|en"},
        {"everything before the match deleted",
         [](TStringList& l) { l.Delete(0); l.Delete(0); }, "tok|en"},
        {"cleared and refilled", [](TStringList& l) { l.Clear(); l.Add("tokushima"); },
         "tok|ushima"},
        {"replaced by assignment", [](TStringList& l) { l.Assign(TStringList{"tokachi"}); },
         "tok|achi"},
        {"the match's text changed", [](TStringList& l) { l.Put(1, "toyama"); }, "tok|en"},
    };
    for (const auto& c : cases) {
        TStringList items{"osaka", "tokyo", "token"};
        TComboCompletion completion(items);
        ASSERT_EQ(Shown(completion.Complete("to", TTextChange::tcTyped)), "to|kyo") << c.what;
        c.change(items);
        EXPECT_EQ(Shown(completion.Complete("tok", TTextChange::tcTyped)), c.expected) << c.what;
    }
}

// A list that does not count its changes: the caller says so instead.
class UncountedStrings : public TStrings {
public:
    std::vector<std::string> items;
    int Count() const override { return static_cast<int>(items.size()); }
    const std::string& Get(int index) const override { return items.at(index); }
    void Put(int index, std::string s) override { items.at(index) = std::move(s); }
    void* Object(int) const override { return nullptr; }
    void PutObject(int, void*) override {}
    void Insert(int index, std::string s, void*) override {
        items.insert(items.begin() + index, std::move(s));
    }
    void Delete(int index) override { items.erase(items.begin() + index); }
    void Clear() override { items.clear(); }
};

TEST(ComboCompletion, InvalidateForgetsWhatItLearnt) {
    UncountedStrings items;
    items.items = {"osaka", "tokyo"};
    TComboCompletion completion(items);
    ASSERT_EQ(Shown(completion.Complete("t", TTextChange::tcTyped)), "t|okyo");
    items.items[0] = "tokai";
    completion.Invalidate();
    EXPECT_EQ(Shown(completion.Complete("to", TTextChange::tcTyped)), "to|kai");
}

// Resuming from earlier searches must never give another answer than a search
// from scratch, whatever the order of keystrokes.
TEST(ComboCompletion, SearchesResumedAcrossKeystrokesAgreeWithFreshOnes) {
    const std::string a = Bytes({0x83, 0x41});    // ア
    const std::string dji = Bytes({0x83, 0x61});  // ヂ
    const std::vector<std::string> alphabet = {"a", "A", "b", "B", "東", "京", a, dji,
                                               Bytes({0x83}), " "};
    std::mt19937 random(20261211);
    auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };

    TStringList items;
    for (int i = 0; i < 300; ++i) {
        std::string item;
        for (size_t len = 1 + pick(5); len > 0; --len) item += alphabet[pick(alphabet.size())];
        items.Add(item);
    }
    TComboCompletion completion(items);
    std::string text;
    for (int step = 0; step < 5000; ++step) {
        TTextChange change = TTextChange::tcTyped;
        switch (pick(6)) {
            case 0:  // Backspace, byte-wise: it may leave half a character
                if (!text.empty()) text.pop_back();
                change = TTextChange::tcDeleted;
                break;
            case 1:  // typed over everything
                text = alphabet[pick(alphabet.size())];
                break;
            default:
                text += alphabet[pick(alphabet.size())];
        }
        if (text.size() > 8) text = alphabet[pick(alphabet.size())];
        auto resumed = completion.Complete(text, change);
        auto fresh = change == TTextChange::tcTyped ? CompleteOnce(items, text) : std::nullopt;
        ASSERT_EQ(Hex(Shown(resumed)), Hex(Shown(fresh)))
            << "step " << step << ", text " << Hex(text);
        if (resumed) {
            ASSERT_EQ(resumed->itemIndex, fresh->itemIndex) << "step " << step;
        }
        if (pick(50) == 0) items.Insert(static_cast<int>(pick(items.Count() + 1)), text + "x");
    }
}

}  // namespace
