// The trait list and the grouped skill list offered to the user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "catalog/CatalogLoader.h"
#include "catalog/SelectionLists.h"
#include "model/Sjis.h"

namespace {

using sjis::Literal;

const char* const kHeadings[13] = {
    "@@@@ 医学系 @@@@", "@@@@ 運動系 @@@@", "@@@@ 学術系 @@@@", "@@@@ 技術系 @@@@", "@@@@ 芸術系 @@@@",
    "@@@@ 言語系 @@@@", "@@@@ 社会系 @@@@", "@@@@ 車輌系 @@@@", "@@@@ 戦闘系 @@@@", "@@@@ 専門系 @@@@",
    "@@@@ 盗賊系 @@@@", "@@@@ 動物系 @@@@", "@@@@ 野外系 @@@@"};

TCatalog Catalog(std::initializer_list<const char*> lines) {
  TCatalog c(6, 0);
  std::string text;
  for (const char* l : lines) text += Literal(l) + "\n";
  ParseCatalogText(text, CatalogKind::Skills, c);
  return c;
}

std::vector<std::string> Sjis(std::initializer_list<const char*> items) {
  std::vector<std::string> out;
  for (const char* s : items) out.push_back(Literal(s));
  return out;
}

TEST(BuildTraitList, ListsEveryTraitButThoseMarkedStarInFileOrder) {
  TCatalog traits = Catalog({"反射神経 A 15 * * -", "隠し特徴 A 5 * * *", "頑強 C 3 1 3 **", "容貌 B 0/5 0 1 x",
                             "Zeta A 1 * * -"});
  EXPECT_EQ(BuildTraitList(traits).Items(), Sjis({"反射神経", "頑強", "容貌", "Zeta"}));
  EXPECT_EQ(traits.IndexOfName(Literal("隠し特徴")), 1);  // loaded all the same
}

TEST(BuildSkillList, AllThirteenHeadingsInOrderEvenWhenEmpty) {
  TStringList list = BuildSkillList(TCatalog(6, 0));
  ASSERT_EQ(list.Count(), 13);
  for (int g = 0; g < 13; ++g) EXPECT_EQ(list[g], Literal(kHeadings[g])) << g;
  // ASCII blanks and at-signs around the double-byte group name.
  EXPECT_EQ(list[0], std::string("@@@@ \x88\xE3\x8A\x77\x8C\x6E @@@@"));
}

TEST(BuildSkillList, SkillsFollowTheirHeadingInFileOrder) {
  TCatalog skills = Catalog({"水泳 2 1 4 * 運動", "応急手当 1 1 3 * 医学", "魔法 4 3 3 * 魔術",
                             "ランニング 2 2 4 * 運動", "外科 4 3 3 * 医学系", "サバイバル 2 2 3 * 野外",
                             "登攀 2 2 2 * 運動"});
  std::vector<std::string> expected;
  auto heading = [&](int g) { expected.push_back(Literal(kHeadings[g])); };
  heading(0);
  expected.push_back(Literal("応急手当"));
  heading(1);
  for (const char* s : {"水泳", "ランニング", "登攀"}) expected.push_back(Literal(s));
  for (int g = 2; g < 12; ++g) heading(g);
  heading(12);
  expected.push_back(Literal("サバイバル"));
  EXPECT_EQ(BuildSkillList(skills).Items(), expected);
  // Not offered, but loaded and found by name.
  EXPECT_EQ(skills.IndexOfName(Literal("魔法")), 2);
}

TEST(IsSkillListHeading, OnlyHeadingsHoldTheMarker) {
  for (const char* h : kHeadings) EXPECT_TRUE(IsSkillListHeading(Literal(h))) << h;
  EXPECT_FALSE(IsSkillListHeading(Literal("ランニング")));
  EXPECT_FALSE(IsSkillListHeading("@@@"));
  // "ァ" is 0x83 0x40: its trail byte is an at-sign, so these bytes hold
  // "@@@@" although the text holds three.
  EXPECT_FALSE(IsSkillListHeading("\x83\x40@@@"));
}

}  // namespace
