// String lists, parallel list groups and the multi-line copies.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/StringList.h"
#include "model/TWrestler.h"

namespace {

std::vector<std::string> Items(const TStringList& l) { return l.Items(); }

TEST(TStringList, InsertsAtAnyIndexFromStartToEnd) {
  TStringList l{"b", "d"};
  l.Insert(0, "a");
  l.Insert(2, "c");
  l.Insert(l.Count(), "e");
  EXPECT_EQ(Items(l), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  l.Delete(0);
  l.Delete(l.Count() - 1);
  EXPECT_EQ(Items(l), (std::vector<std::string>{"b", "c", "d"}));
}

TEST(TStringList, OutOfRangeIndicesThrowAndChangeNothing) {
  TStringList l{"a", "b"};
  EXPECT_THROW(l.Insert(-1, "x"), std::out_of_range);
  EXPECT_THROW(l.Insert(3, "x"), std::out_of_range);
  EXPECT_THROW(l.Delete(-1), std::out_of_range);
  EXPECT_THROW(l.Delete(2), std::out_of_range);
  EXPECT_THROW((void)l[2], std::out_of_range);
  EXPECT_THROW((void)l[-1], std::out_of_range);
  EXPECT_EQ(Items(l), (std::vector<std::string>{"a", "b"}));
}

TEST(TStringList, IndexOfFindsTheFirstEqualEntryIgnoringLatinCase) {
  TStringList l{"\x83\x41", "Judo", "JUDO", "\x83\x61"};  // ア, ..., ャ
  EXPECT_EQ(l.IndexOf("judo"), 1);
  EXPECT_EQ(l.IndexOf("\x83\x61"), 3);  // not ア, whose trail byte is the upper-case letter
  EXPECT_EQ(l.IndexOf("Karate"), -1);
  EXPECT_EQ(TStringList().IndexOf(""), -1);
}

TEST(TParallelLists, InsertAndDeleteApplyToEveryListAtOneIndex) {
  TParallelLists<8> techniques;  // one technique category
  for (const char* name : {"a", "c"})
    techniques.Append({name, "0.5", "0", "1", "0", "loc", "", "10"});
  techniques.Insert(1, {"b", "1.0", "2", "3", "4", "L", "a", "12"});
  ASSERT_EQ(techniques.Count(), 3);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(techniques[k].Count(), 3) << "list " << k;
  EXPECT_EQ(techniques[kTechName][1], "b");
  EXPECT_EQ(techniques[kTechRequiredLevel][1], "12");
  EXPECT_EQ(techniques[kTechPrerequisites][1], "a");

  techniques.Delete(1);
  EXPECT_TRUE(techniques.Consistent());
  EXPECT_EQ(Items(techniques[kTechName]), (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(Items(techniques[kTechLevelCP]), (std::vector<std::string>{"0.5", "0.5"}));
  EXPECT_EQ(Items(techniques[kTechRequiredLevel]), (std::vector<std::string>{"10", "10"}));
}

TEST(TParallelLists, ShortRowFillsTheRemainingListsWithEmptyText) {
  TParallelLists<3> traits;
  traits.Append({"x"});
  EXPECT_TRUE(traits.Consistent());
  EXPECT_EQ(traits[1][0], "");
  EXPECT_EQ(traits[2][0], "");
}

TEST(TParallelLists, OutOfRangeIndexThrowsAndLeavesTheGroupAligned) {
  TParallelLists<3> skills;
  skills.Append({"a", "10", "0.5"});
  EXPECT_THROW(skills.Delete(1), std::out_of_range);
  EXPECT_THROW(skills.Insert(2, {"b", "1", "1.0"}), std::out_of_range);
  EXPECT_THROW(skills.Insert(-1, {"b", "1", "1.0"}), std::out_of_range);
  EXPECT_TRUE(skills.Consistent());
  EXPECT_EQ(skills.Count(), 1);
}

TEST(CopyLines, ReplaceTheTargetAndKeepEmptyLines) {
  const TStringList memo{"first", "", "third"};
  TStringList record{"old 1", "old 2", "old 3", "old 4"};
  CopyLinesIn(record, memo);
  EXPECT_EQ(record, memo);

  TStringList shown{"stale"};
  CopyLinesOut(record, shown);
  EXPECT_EQ(shown, memo);

  CopyLinesIn(record, TStringList());
  EXPECT_TRUE(record.Empty());
}

}  // namespace
