// The character record: construction, Reset and the rule tables.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/RuleTables.h"
#include "model/Sjis.h"
#include "model/TWrestler.h"

namespace {

using sjis::Literal;

// The game's tables, written out here independently of the code's copy.
constexpr std::array<int32_t, 21> kCost = {0,   -80, -70, -60, -50, -40, -30, -20, -15, -10, 0,
                                           10,  20,  30,  45,  60,  80,  100, 125, 150, 175};
constexpr std::array<int32_t, 21> kDice = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2};
constexpr std::array<int32_t, 21> kAdds = {0, 0, 0, 0, 0, -5, -4, -3, -3, -2, -2, -1, -1, 0, 0, 1, 1, 2, 2, -1, -1};
constexpr std::array<int32_t, 10> kSkillOfCategory = {4, 3, 1, 2, 7, 8, 9, 10, 11, 6};
constexpr std::array<int32_t, 12> kCategoryOfSkill = {-1, 2, 3, 1, 0, -1, 9, 4, 5, 6, 7, 8};

template <std::size_t N>
std::vector<int32_t> V(const int32_t (&a)[N]) { return {a, a + N}; }
template <std::size_t N>
std::vector<int32_t> V(const std::array<int32_t, N>& a) { return {a.begin(), a.end()}; }

bool AllListsEmpty(const TWrestler& w) {
  bool empty = w.Background.Empty() && w.TraitNotes.Empty();
  for (int k = 0; k < 3; ++k) empty = empty && w.GeneralTraits[k].Empty() && w.GeneralSkills[k].Empty();
  for (const auto& category : w.Techniques)
    for (int k = 0; k < 8; ++k) empty = empty && category[k].Empty();
  return empty;
}

void ExpectTablesAreTheGamesTables(const TWrestler& w) {
  EXPECT_EQ(V(w.AttributeCostTable), V(kCost));
  EXPECT_EQ(V(w.ThrustDice), V(kDice));
  EXPECT_EQ(V(w.ThrustAdds), V(kAdds));
  EXPECT_EQ(V(w.SkillOfCategory), V(kSkillOfCategory));
  EXPECT_EQ(V(w.CategoryOfSkill), V(kCategoryOfSkill));
}

TEST(RuleTables, SharedConstantsAreTheGamesTables) {
  EXPECT_EQ(V(rules::kAttributeCostTable), V(kCost));
  EXPECT_EQ(V(rules::kThrustDice), V(kDice));
  EXPECT_EQ(V(rules::kThrustAdds), V(kAdds));
  EXPECT_EQ(V(rules::kSkillOfCategory), V(kSkillOfCategory));
  EXPECT_EQ(V(rules::kCategoryOfSkill), V(kCategoryOfSkill));
  EXPECT_EQ(V(rules::kCategoryOfListIndex), (std::vector<int32_t>{0, 1, 2, 3, 4, 6, 8, 5, 7, 9}));
}

TEST(RuleTables, SkillOfCategoryAndCategoryOfSkillAreInverse) {
  for (int c = 0; c < 10; ++c) {
    int s = rules::kSkillOfCategory[c];
    ASSERT_TRUE(s >= 0 && s < 12) << "category " << c;
    EXPECT_EQ(rules::kCategoryOfSkill[s], c) << "category " << c;
  }
  for (int s = 0; s < 12; ++s) {
    int c = rules::kCategoryOfSkill[s];
    if (c < 0) continue;
    EXPECT_EQ(rules::kSkillOfCategory[c], s) << "skill " << s;
  }
  EXPECT_EQ(rules::kSkillOfCategory[9], rules::kDirtyFighting);  // 邪道技 -> 邪道戦闘
  EXPECT_EQ(rules::kCategoryOfSkill[rules::kForm], -1);
  EXPECT_EQ(rules::kCategoryOfSkill[rules::kBreakfalls], -1);
}

TEST(TWrestlerConstruction, GivesTheConstructorValues) {
  TWrestler w;
  ExpectTablesAreTheGamesTables(w);
  EXPECT_TRUE(AllListsEmpty(w));
  EXPECT_EQ(w.Height, 163);
  EXPECT_EQ(w.Weight, 62);
  EXPECT_EQ(V(w.Attr), (std::vector<int32_t>{10, 10, 10, 10}));
  EXPECT_EQ(V(w.AttrCP), (std::vector<int32_t>{0, 0, 0, 0}));
  EXPECT_EQ(w.Adjustment, 5);
  EXPECT_EQ(w.Bulk, 0);
  EXPECT_EQ(w.MartialArtKind, 0);
  EXPECT_EQ(w.Prestige, 1);
  EXPECT_EQ(V(w.WrestlingSkillLevel), std::vector<int32_t>(12, 0));
  for (float cp : w.WrestlingSkillCP) EXPECT_EQ(cp, 0.0f);
  EXPECT_TRUE(w.RingName.empty() && w.RealName.empty() && w.CatchCopy.empty() && w.Promotion.empty() &&
              w.Birthplace.empty());
  for (const auto& q : w.Quirks) EXPECT_TRUE(q.empty());
}

// A record with every field away from its new-character value.
void Dirty(TWrestler& w) {
  w.RingName = w.RealName = w.CatchCopy = w.Promotion = w.Birthplace = "x";
  for (auto& q : w.Quirks) q = "q";
  w.Background.Add("b");
  w.TraitNotes.Add("n");
  w.Height = 190;
  w.Weight = 120;
  w.Attr[0] = 20, w.Attr[1] = 12, w.Attr[2] = 4, w.Attr[3] = 13;
  for (auto& cp : w.AttrCP) cp = 99;
  for (auto& s : w.Styles) s = true;
  w.MartialArtKind = 4;
  w.Prestige = 8;
  w.Adjustment = -3;
  w.PromotionSize = 5;
  w.Bulk = 2;
  for (auto& l : w.WrestlingSkillLevel) l = 15;
  for (auto& cp : w.WrestlingSkillCP) cp = 8.0f;
  // Learned items the derived values read: Reset must clear them before
  // it recomputes, or the derived values follow the old character.
  w.GeneralTraits.Append({Literal("反射神経"), "", "15"});
  w.GeneralTraits.Append({Literal("頑強"), "2", "6"});
  w.GeneralSkills.Append({Literal("ランニング"), "8", "4.0"});
  for (auto& category : w.Techniques) category.Append({"t", "0.5", "0", "1", "0", "*", "", "10"});
  w.BasicSpeed = 9.5f;
  w.Move = w.Dodge = w.Parry = 9;
  for (auto& dr : w.DR) dr = 9;
}

TEST(TWrestlerReset, GivesANewCharacter) {
  TWrestler w;
  w.Reset();
  Dirty(w);
  w.Reset();

  EXPECT_TRUE(AllListsEmpty(w));
  EXPECT_TRUE(w.RingName.empty() && w.RealName.empty() && w.CatchCopy.empty() && w.Promotion.empty() &&
              w.Birthplace.empty());
  for (const auto& q : w.Quirks) EXPECT_TRUE(q.empty());
  EXPECT_EQ(w.Height, 163);
  EXPECT_EQ(w.Weight, 50);
  EXPECT_EQ(V(w.Attr), (std::vector<int32_t>{10, 10, 10, 10}));
  EXPECT_EQ(V(w.AttrCP), (std::vector<int32_t>{0, 0, 0, 0}));
  for (bool s : w.Styles) EXPECT_FALSE(s);
  EXPECT_EQ(w.MartialArtKind, 1);
  EXPECT_EQ(w.Prestige, 1);
  EXPECT_EQ(w.Adjustment, 5);
  EXPECT_EQ(w.PromotionSize, 0);
  EXPECT_EQ(w.Bulk, 0);
  EXPECT_EQ(V(w.WrestlingSkillLevel), std::vector<int32_t>(12, 0));
  for (float cp : w.WrestlingSkillCP) EXPECT_EQ(cp, 0.0f);

  EXPECT_EQ(w.BasicSpeed, 5.0f);
  EXPECT_EQ(w.Move, 5);
  EXPECT_EQ(w.Dodge, 5);
  EXPECT_EQ(w.Parry, 0);
  EXPECT_EQ(V(w.DR), (std::vector<int32_t>{0, 0, 0}));
}

struct FakeRaster : TPortraitRaster {
  Rgb Pixel(int, int) const override { return {}; }
  void SetPixel(int, int, Rgb) override {}
};

TEST(TWrestlerReset, LeavesThePortraitAndTheRuleTablesAlone) {
  FakeRaster raster;
  TWrestler w;
  w.Portrait = &raster;
  w.Reset();
  EXPECT_EQ(w.Portrait, &raster);
  ExpectTablesAreTheGamesTables(w);

  // The attribute CP comes from the record's own table entry 10.
  w.AttributeCostTable[10] = 7;
  w.Reset();
  EXPECT_EQ(w.AttributeCostTable[10], 7);
  EXPECT_EQ(V(w.AttrCP), (std::vector<int32_t>{7, 7, 7, 7}));
}

}  // namespace
