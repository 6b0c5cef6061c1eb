#include "model/TWrestler.h"

#include <algorithm>

#include "model/RuleTables.h"
#include "model/Rules.h"

TWrestler::TWrestler() {
  RingName.clear();
  RealName.clear();
  CatchCopy.clear();
  for (auto& q : Quirks) q.clear();
  Promotion.clear();
  Birthplace.clear();
  std::copy(rules::kAttributeCostTable.begin(), rules::kAttributeCostTable.end(), AttributeCostTable);
  std::copy(rules::kThrustDice.begin(), rules::kThrustDice.end(), ThrustDice);
  std::copy(rules::kThrustAdds.begin(), rules::kThrustAdds.end(), ThrustAdds);
  GeneralTraits.Clear();
  GeneralSkills.Clear();
  for (auto& t : Techniques) t.Clear();
  Background.Clear();
  TraitNotes.Clear();
  Height = 163;
  Weight = 62;
  std::fill(std::begin(Attr), std::end(Attr), 10);
  std::fill(std::begin(AttrCP), std::end(AttrCP), 0);
  Adjustment = 5;
  Bulk = 0;
  MartialArtKind = 0;
  Prestige = 1;
  std::fill(std::begin(WrestlingSkillLevel), std::end(WrestlingSkillLevel), 0);
  std::fill(std::begin(WrestlingSkillCP), std::end(WrestlingSkillCP), 0.0f);
  std::copy(rules::kSkillOfCategory.begin(), rules::kSkillOfCategory.end(), SkillOfCategory);
  std::copy(rules::kCategoryOfSkill.begin(), rules::kCategoryOfSkill.end(), CategoryOfSkill);
  // Not part of the construction contract; Reset gives the real values.
  // Zeroed so that a record read before Reset holds no indeterminate bytes.
  BasicSpeed = 0.0f;
  Move = Dodge = Parry = 0;
  std::fill(std::begin(DR), std::end(DR), 0);
  std::fill(std::begin(Styles), std::end(Styles), false);
  PromotionSize = 0;
  Portrait = nullptr;
}

void TWrestler::Reset() {
  RingName.clear();
  RealName.clear();
  CatchCopy.clear();
  Promotion.clear();
  Height = 163;
  Weight = 50;
  Birthplace.clear();
  Background.Clear();
  std::fill(std::begin(Attr), std::end(Attr), 10);
  for (auto& cp : AttrCP) cp = AttributeCostTable[10];
  std::fill(std::begin(Styles), std::end(Styles), false);
  MartialArtKind = 1;
  Prestige = 1;
  Adjustment = 5;
  PromotionSize = 0;
  Bulk = 0;
  GeneralTraits.Clear();
  TraitNotes.Clear();
  for (auto& q : Quirks) q.clear();
  std::fill(std::begin(WrestlingSkillLevel), std::end(WrestlingSkillLevel), 0);
  std::fill(std::begin(WrestlingSkillCP), std::end(WrestlingSkillCP), 0.0f);
  GeneralSkills.Clear();
  for (auto& t : Techniques) t.Clear();
  // With every list empty no level text is read, so these cannot fail.
  (void)ComputeSpeedAndMove(*this);
  ComputeActiveDefences(*this);
  (void)ComputeDamageResistance(*this);
}

void CopyLinesIn(TStringList& list, const TStringList& lines) {
  list.Clear();
  for (const auto& l : lines) list.Add(l);
}

void CopyLinesOut(const TStringList& list, TStringList& lines) {
  lines.Clear();
  for (const auto& l : list) lines.Add(l);
}
