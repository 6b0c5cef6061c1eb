// Attribute CP and the derived values: thrust damage, basic speed and move,
// active defences and damage resistance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/RuleTables.h"
#include "model/Rules.h"
#include "model/Sjis.h"
#include "model/TWrestler.h"

namespace {

using sjis::Literal;

TWrestler NewCharacter() {
  TWrestler w;
  w.Reset();
  return w;
}

std::vector<int32_t> DrOf(const TWrestler& w) { return {w.DR[0], w.DR[1], w.DR[2]}; }

TEST(ComputeAttributeCosts, TakesEachCostFromTheTable) {
  TWrestler w = NewCharacter();
  w.Attr[rules::ST] = 20;
  w.Attr[rules::DX] = 4;
  w.Attr[rules::IQ] = 13;
  w.Attr[rules::HT] = 9;
  ComputeAttributeCosts(w);
  EXPECT_EQ((std::vector<int32_t>{w.AttrCP[0], w.AttrCP[1], w.AttrCP[2], w.AttrCP[3]}),
            (std::vector<int32_t>{175, -50, 30, -10}));
  EXPECT_EQ(AttributeCPTotal(w), 145);
}

TEST(ThrustDamageText, WritesDiceAndSignedAdds) {
  const char* expected[21] = {nullptr, nullptr, nullptr, nullptr, "0D+0", "1D-5", "1D-4",
                              "1D-3",  "1D-3",  "1D-2",  "1D-2",  "1D-1", "1D-1", "1D+0",
                              "1D+0",  "1D+1",  "1D+1",  "1D+2",  "1D+2", "2D-1", "2D-1"};
  const TWrestler w;
  for (int st = 4; st <= 20; ++st) {
    EXPECT_EQ(ThrustDamageText(st), expected[st]) << "ST " << st;
    EXPECT_EQ(ThrustDamageText(st, w.ThrustDice, w.ThrustAdds), expected[st]) << "ST " << st;
  }
}

struct SpeedCase {
  int dx, ht;
  const char* running;  // level text, or nullptr for no Running skill
  float speed;
  int move;
};

TEST(ComputeSpeedAndMove, QuarterOfDxPlusHtPlusAnEighthOfRunning) {
  const SpeedCase cases[] = {
      {10, 10, nullptr, 5.0f, 5},
      {12, 13, nullptr, 6.25f, 6},
      {12, 13, "6", 7.0f, 7},
      {11, 10, "5", 5.875f, 5},
      {4, 5, nullptr, 2.25f, 2},
      {10, 10, "0", 5.0f, 5},
      {10, 10, "-8", 4.0f, 4},
      {10, 10, "-3", 4.625f, 4},
      {0, 0, "-4", -0.5f, 0},  // truncated toward zero, not down
      {10, 10, "2.5", 5.3125f, 5},
  };
  for (const auto& c : cases) {
    TWrestler w = NewCharacter();
    w.Attr[rules::DX] = c.dx;
    w.Attr[rules::HT] = c.ht;
    if (c.running) w.GeneralSkills.Append({Literal("ランニング"), c.running, "1.0"});
    EXPECT_EQ(ComputeSpeedAndMove(w), std::nullopt);
    EXPECT_EQ(w.BasicSpeed, c.speed) << c.dx << "/" << c.ht << " running " << (c.running ? c.running : "-");
    EXPECT_EQ(w.Move, c.move) << c.dx << "/" << c.ht << " running " << (c.running ? c.running : "-");
  }
}

TEST(ComputeSpeedAndMove, FindsRunningAmongOtherSkillsAndIgnoresOtherNames) {
  TWrestler w = NewCharacter();
  w.GeneralSkills.Append({Literal("水泳"), "12", "1.0"});
  w.GeneralSkills.Append({Literal("ランニングX"), "16", "1.0"});
  EXPECT_EQ(ComputeSpeedAndMove(w), std::nullopt);
  EXPECT_EQ(w.BasicSpeed, 5.0f);
  w.GeneralSkills.Append({Literal("ランニング"), "8", "1.0"});
  EXPECT_EQ(ComputeSpeedAndMove(w), std::nullopt);
  EXPECT_EQ(w.BasicSpeed, 6.0f);
  EXPECT_EQ(w.Move, 6);
}

TEST(ComputeSpeedAndMove, UnusableRunningLevelStopsAfterTheAttributePart) {
  // Only a damaged file holds such a level. The attribute part is already
  // stored when the level is read; the move keeps its earlier value.
  const std::vector<std::string> levels = {"\x91\xAC\x82\xA2", "", "6x", "inf", "nan", "1" + std::string(40, '0')};
  for (const std::string& level : levels) {
    TWrestler w = NewCharacter();
    w.Attr[rules::DX] = 12;
    w.Attr[rules::HT] = 13;
    w.Move = 99;
    w.GeneralSkills.Append({Literal("ランニング"), level, "1.0"});
    RuleError error = ComputeSpeedAndMove(w);
    ASSERT_TRUE(error.has_value()) << '"' << level << '"';
    EXPECT_EQ(w.BasicSpeed, 6.25f) << '"' << level << '"';
    EXPECT_EQ(w.Move, 99) << '"' << level << '"';
  }
}

TEST(ComputeSpeedAndMove, ErrorMessageQuotesTheLevelInUtf8) {
  TWrestler w = NewCharacter();
  w.GeneralSkills.Append({Literal("ランニング"), Literal("速い"), "1.0"});
  RuleError error = ComputeSpeedAndMove(w);
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("速い"), std::string::npos) << *error;
}

struct DefenceCase {
  std::vector<std::pair<int, int>> skills;  // index, level
  bool reflexes;
  int dodge, parry;
};

TEST(ComputeActiveDefences, BestNonFormSkillGivesParryAndReflexesAddOne) {
  const DefenceCase cases[] = {
      {{}, false, 5, 0},
      {{{rules::kThrows, 13}}, false, 5, 8},
      {{{rules::kThrows, 13}, {rules::kJudo, 14}}, false, 5, 9},
      {{{rules::kJudo, 14}, {rules::kThrows, 13}}, false, 5, 9},
      {{{rules::kBreakfalls, 12}}, false, 5, 8},
      {{{rules::kForm, 20}}, false, 5, 0},
      {{}, true, 6, 1},
      {{{rules::kStrikes, 13}}, true, 6, 9},
  };
  for (const auto& c : cases) {
    TWrestler w = NewCharacter();
    for (auto [i, level] : c.skills) w.WrestlingSkillLevel[i] = level;
    if (c.reflexes) w.GeneralTraits.Append({Literal("反射神経"), "", "15"});
    ComputeActiveDefences(w);
    EXPECT_EQ(w.Dodge, c.dodge);
    EXPECT_EQ(w.Parry, c.parry);
  }
}

TEST(ComputeActiveDefences, DodgeFollowsTheStoredMove) {
  TWrestler w = NewCharacter();
  w.Move = 7;
  ComputeActiveDefences(w);
  EXPECT_EQ(w.Dodge, 7);
}

TEST(ComputeActiveDefences, TraitUnderAnotherNameHasNoEffect) {
  TWrestler w = NewCharacter();
  for (const char* name : {"反射", "反射神経Ｘ", "超反射神経"}) w.GeneralTraits.Append({Literal(name), "", "15"});
  ComputeActiveDefences(w);
  EXPECT_EQ(w.Dodge, 5);
  EXPECT_EQ(w.Parry, 0);
}

TEST(ComputeActiveDefences, LevelNearTheIntegerLimitDoesNotOverflow) {
  TWrestler w = NewCharacter();  // a damaged file can hold any level
  w.WrestlingSkillLevel[rules::kJudo] = INT32_MAX;
  w.WrestlingSkillLevel[rules::kKarate] = INT32_MIN;
  ComputeActiveDefences(w);
  EXPECT_EQ(w.Parry, 1431655764);
}

struct ResistanceCase {
  int breakfall;
  const char* toughness;    // 頑強 level, or nullptr
  const char* flexibility;  // 柔軟 level, or nullptr
  std::vector<int32_t> dr;
};

TEST(ComputeDamageResistance, BreakfallSetsAllThreeTraitsRaiseTheirOwn) {
  const ResistanceCase cases[] = {
      {0, nullptr, nullptr, {0, 0, 0}},
      {12, nullptr, nullptr, {2, 2, 2}},
      {14, nullptr, nullptr, {2, 2, 2}},
      {15, nullptr, nullptr, {3, 3, 3}},
      {12, "2", "1", {2, 4, 3}},
      {12, nullptr, "3", {2, 2, 5}},
      {0, "3", nullptr, {0, 3, 0}},
  };
  for (const auto& c : cases) {
    TWrestler w = NewCharacter();
    w.WrestlingSkillLevel[rules::kBreakfalls] = c.breakfall;
    // Other skills never count.
    w.WrestlingSkillLevel[rules::kForm] = 20;
    w.WrestlingSkillLevel[rules::kJudo] = 20;
    if (c.flexibility) w.GeneralTraits.Append({Literal("柔軟"), c.flexibility, "5"});
    if (c.toughness) w.GeneralTraits.Append({Literal("頑強"), c.toughness, "3"});
    EXPECT_EQ(ComputeDamageResistance(w), std::nullopt);
    EXPECT_EQ(DrOf(w), c.dr) << "breakfall " << c.breakfall;
  }
}

TEST(ComputeDamageResistance, TraitUnderAnotherNameHasNoEffect) {
  TWrestler w = NewCharacter();
  w.WrestlingSkillLevel[rules::kBreakfalls] = 10;
  w.GeneralTraits.Append({Literal("頑強さ"), "3", "9"});
  w.GeneralTraits.Append({Literal("柔"), "3", "9"});
  EXPECT_EQ(ComputeDamageResistance(w), std::nullopt);
  EXPECT_EQ(DrOf(w), (std::vector<int32_t>{2, 2, 2}));
}

TEST(ComputeDamageResistance, UnusableLevelStopsAtThatPoint) {
  struct Case {
    const char* toughness;
    const char* flexibility;
    std::vector<int32_t> dr;  // as far as the computation got
  };
  const Case cases[] = {
      {"x", "1", {2, 2, 2}},
      {"2", "1.5", {2, 4, 2}},
      {"2", "", {2, 4, 2}},
      {"2147483647", "1", {2, 2, 2}},  // the sum leaves the integer range
  };
  for (const auto& c : cases) {
    TWrestler w = NewCharacter();
    w.WrestlingSkillLevel[rules::kBreakfalls] = 12;
    for (auto& dr : w.DR) dr = 9;
    w.GeneralTraits.Append({Literal("頑強"), c.toughness, "3"});
    w.GeneralTraits.Append({Literal("柔軟"), c.flexibility, "5"});
    RuleError error = ComputeDamageResistance(w);
    ASSERT_TRUE(error.has_value()) << c.toughness << " / " << c.flexibility;
    EXPECT_EQ(DrOf(w), c.dr) << c.toughness << " / " << c.flexibility;
  }
}

}  // namespace
