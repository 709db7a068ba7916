#include "framework/Exception.h"
#include "framework/Strings.h"

#include <gtest/gtest.h>

namespace {

TEST(StringList, AppendsInOrderAndKeepsObjects) {
    TStringList list;
    int a = 1, b = 2;
    EXPECT_EQ(list.AddObject("one", &a), 0);
    EXPECT_EQ(list.AddObject("two", &b), 1);
    list.Add("three");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[1], "two");
    EXPECT_EQ(list.Object(0), &a);
    EXPECT_EQ(list.Object(2), nullptr);
    list.Delete(0);
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"two", "three"}));
    EXPECT_EQ(list.Object(0), &b);
}

TEST(StringList, IndexOfIsExactButIgnoresCase) {
    TStringList list{"Tokyo", "osaka", "東京", "ab"};
    EXPECT_EQ(list.IndexOf("TOKYO"), 0);
    EXPECT_EQ(list.IndexOf("Osaka"), 1);
    EXPECT_EQ(list.IndexOf("東京"), 2);
    EXPECT_EQ(list.IndexOf("a"), -1);    // no prefix match
    EXPECT_EQ(list.IndexOf("abc"), -1);
    EXPECT_EQ(list.IndexOf(""), -1);
}

TEST(StringList, AssignReplacesTheWholeList) {
    TStringList target{"old1", "old2", "old3"};
    TStringList source{"x", "y"};
    target.Assign(source);
    EXPECT_EQ(target.ToVector(), (std::vector<std::string>{"x", "y"}));
    target.Assign(target);  // self-assignment keeps the list
    EXPECT_EQ(target.Count(), 2);
    target.Assign(TStringList{});
    EXPECT_EQ(target.Count(), 0);
}

TEST(StringList, AssignFromATemporaryTakesItsItemsAndObjects) {
    int a = 1;
    TStringList target{"old"};
    TStringList source;
    source.AddObject("x", &a);
    source.Add("y");
    const auto targetChanges = target.ChangeCount(), sourceChanges = source.ChangeCount();
    target.Assign(std::move(source));
    EXPECT_EQ(target.ToVector(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(target.Object(0), &a);
    EXPECT_GT(target.ChangeCount(), targetChanges);
    EXPECT_EQ(source.Count(), 0) << "the items moved";
    EXPECT_GT(source.ChangeCount(), sourceChanges);
    target.Assign(std::move(target));  // self-assignment keeps the list
    EXPECT_EQ(target.Count(), 2);

    TStrings& base = target;
    TStringList other{"z"};
    base.Assign(std::move(other));  // the list's own, through the base
    EXPECT_EQ(target.ToVector(), std::vector<std::string>{"z"});
    EXPECT_EQ(other.Count(), 0);
}

TEST(StringList, MadeFromTextsHasThemWithoutObjects) {
    int a = 1;
    TStringList list(std::vector<std::string>{"x", "y"});
    ASSERT_EQ(list.ToVector(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(list.Object(0), nullptr);
    EXPECT_EQ(list.Object(1), nullptr);
    list.Insert(1, "z", &a);
    list.Delete(0);
    EXPECT_EQ(list.ToVector(), (std::vector<std::string>{"z", "y"}));
    EXPECT_EQ(list.Object(0), &a) << "objects move with their items";
    EXPECT_EQ(list.Object(1), nullptr);
}

TEST(StringList, IndicesOutsideTheListRaise) {
    TStringList list{"a"};
    EXPECT_THROW(list.Get(1), EListError);
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    EXPECT_THROW(list.Delete(5), EListError);
    list.Insert(1, "b");  // at the end is fine
    EXPECT_EQ(list[1], "b");
}

}  // namespace
