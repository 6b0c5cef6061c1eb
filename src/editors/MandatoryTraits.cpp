#include "editors/MandatoryTraits.h"

int32_t MandatoryTraitCost(const TWrestler& w) {
  constexpr int32_t kStyleCost[7] = {5, 10, 10, 10, 10, 5, 5};
  int32_t cost = 0;
  for (int i = 0; i < 7; ++i)
    if (w.Styles[i]) cost += kStyleCost[i];
  cost += 5 * w.Prestige;
  cost += w.PromotionSize == 5 ? 0 : 5 * w.PromotionSize - 15;  // 5 is freelance
  cost += w.Adjustment;
  cost += 5 * w.Bulk;
  return cost;
}

int32_t BulkFromWeight(int32_t weight) { return weight >= 100 ? 2 : weight >= 80 ? 1 : 0; }
