// Rule computations on the record: attribute CP, thrust damage, basic
// speed and move, active defences and damage resistance.
#pragma once

#include <optional>
#include <string>

#include "model/TWrestler.h"

// A computation that reads a level text from the record can meet a text
// that is not a number (only from a damaged file). It then stops at that
// point, keeps what it already assigned, and returns the message to show.
using RuleError = std::optional<std::string>;

// The names the rules recognise, in code page 932.
namespace rulenames {
const std::string& Running();         // ランニング
const std::string& CombatReflexes();  // 反射神経
const std::string& Toughness();       // 頑強
const std::string& Flexibility();     // 柔軟
}  // namespace rulenames

void ComputeAttributeCosts(TWrestler& w);
RuleError ComputeSpeedAndMove(TWrestler& w);
void ComputeActiveDefences(TWrestler& w);
RuleError ComputeDamageResistance(TWrestler& w);

// Sum of the four attribute CP values.
int32_t AttributeCPTotal(const TWrestler& w);

// "%dD%+d" of the given tables at `st` (0..20), e.g. "1D-2", "0D+0".
std::string ThrustDamageText(int st, const int32_t (&dice)[21], const int32_t (&adds)[21]);
std::string ThrustDamageText(int st);  // the constant tables
