#include "model/Rules.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "model/NumberText.h"
#include "model/RuleTables.h"
#include "model/Sjis.h"

namespace rulenames {
const std::string& Running() {
  static const std::string s = sjis::Literal("ランニング");
  return s;
}
const std::string& CombatReflexes() {
  static const std::string s = sjis::Literal("反射神経");
  return s;
}
const std::string& Toughness() {
  static const std::string s = sjis::Literal("頑強");
  return s;
}
const std::string& Flexibility() {
  static const std::string s = sjis::Literal("柔軟");
  return s;
}
}  // namespace rulenames

void ComputeAttributeCosts(TWrestler& w) {
  for (int i = 0; i < 4; ++i) w.AttrCP[i] = w.AttributeCostTable[w.Attr[i]];
}

int32_t AttributeCPTotal(const TWrestler& w) { return w.AttrCP[0] + w.AttrCP[1] + w.AttrCP[2] + w.AttrCP[3]; }

namespace {
// The attribute part is at most 2^30 in size (10 for attributes 0..20); a
// Running level within this bound keeps the speed inside the 32-bit move.
constexpr double kMaxRunningLevel = 1.0e9;
}  // namespace

RuleError ComputeSpeedAndMove(TWrestler& w) {
  // Every step is rounded to single precision, as the record stores it.
  w.BasicSpeed = static_cast<float>(static_cast<int64_t>(w.Attr[rules::DX]) + w.Attr[rules::HT]) * 0.25f;
  int i = w.GeneralSkills[0].IndexOf(rulenames::Running());
  if (i >= 0) {
    const std::string& text = w.GeneralSkills[1][i];
    auto level = numtext::ParseFloat(text);
    // A level so large that the move cannot be held is as unusable as a
    // text that is not a number (both only come from a damaged file).
    if (!level || std::fabs(*level) > kMaxRunningLevel) return numtext::NotANumberMessage(text);
    float bonus = static_cast<float>(*level * 0.125);
    w.BasicSpeed = w.BasicSpeed + bonus;
  }
  w.Move = static_cast<int32_t>(w.BasicSpeed);
  return std::nullopt;
}

void ComputeActiveDefences(TWrestler& w) {
  w.Dodge = w.Move;
  w.Parry = 0;
  for (int i = 1; i < rules::kWrestlingSkillCount; ++i) {
    // In 64 bits: a level from a damaged file may be near the 32-bit limit.
    auto v = static_cast<int32_t>((2 * static_cast<int64_t>(w.WrestlingSkillLevel[i])) / 3);
    if (v > w.Parry) w.Parry = v;
  }
  if (w.GeneralTraits[0].IndexOf(rulenames::CombatReflexes()) >= 0) {
    w.Dodge += 1;
    w.Parry += 1;
  }
}

RuleError ComputeDamageResistance(TWrestler& w) {
  int32_t b = w.WrestlingSkillLevel[rules::kBreakfalls] / 5;
  w.DR[0] = w.DR[1] = w.DR[2] = b;
  struct Bonus {
    const std::string& name;
    int target;
  };
  const Bonus bonuses[] = {{rulenames::Toughness(), 1}, {rulenames::Flexibility(), 2}};
  for (const Bonus& bonus : bonuses) {
    int i = w.GeneralTraits[0].IndexOf(bonus.name);
    if (i < 0) continue;
    const std::string& text = w.GeneralTraits[1][i];
    auto level = numtext::ParseInt(text);
    if (!level) return numtext::NotAnIntegerMessage(text);
    int64_t sum = static_cast<int64_t>(w.DR[bonus.target]) + *level;
    if (sum < INT32_MIN || sum > INT32_MAX) return numtext::NotAnIntegerMessage(text);
    w.DR[bonus.target] = static_cast<int32_t>(sum);
  }
  return std::nullopt;
}

std::string ThrustDamageText(int st, const int32_t (&dice)[21], const int32_t (&adds)[21]) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%dD%+d", dice[st], adds[st]);
  return buf;
}

std::string ThrustDamageText(int st) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%dD%+d", rules::kThrustDice[static_cast<std::size_t>(st)],
                rules::kThrustAdds[static_cast<std::size_t>(st)]);
  return buf;
}
