#include <gtest/gtest.h>

#include "editors/MandatoryTraits.h"

TEST(BulkFromWeight, ThresholdsAreInclusive) {
  const struct { int32_t weight, bulk; } cases[] = {{30, 0}, {79, 0}, {80, 1}, {99, 1}, {100, 2}, {200, 2}};
  for (auto c : cases) EXPECT_EQ(BulkFromWeight(c.weight), c.bulk) << c.weight;
}

TEST(MandatoryTraitCost, NewCharacterCostsMinusFive) {
  TWrestler w;
  w.Reset();
  EXPECT_EQ(MandatoryTraitCost(w), -5);
}

TEST(MandatoryTraitCost, SumsStylesPrestigePromotionAndBulk) {
  TWrestler w;
  w.Reset();
  for (bool& s : w.Styles) s = true;  // 5+10+10+10+10+5+5 = 55
  w.Prestige = 8;                      // 40
  w.Bulk = 2;                          // 10
  const struct { int32_t size, term; } promotions[] = {{0, -15}, {3, 0}, {4, 5}, {5, 0}};
  for (auto p : promotions) {
    w.PromotionSize = p.size;
    EXPECT_EQ(MandatoryTraitCost(w), 55 + 40 + p.term + 5 + 10) << "promotion size " << p.size;
  }
}
