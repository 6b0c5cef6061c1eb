// Record operations of the mandatory traits: their CP and the bulk level.
#pragma once

#include <cstdint>

#include "model/TWrestler.h"

// Styles, 5 x prestige, the promotion term, the adjustment and 5 x bulk;
// a new character costs -5.
int32_t MandatoryTraitCost(const TWrestler& w);

// 0 below 80 kg, 1 from 80, 2 from 100.
int32_t BulkFromWeight(int32_t weight);
