// The constant rule tables of the game, shared by the record and the window.
#pragma once

#include <array>
#include <cstdint>

namespace rules {

// Attribute order of TWrestler::Attr and AttrCP.
enum Attribute : int { ST = 0, DX = 1, IQ = 2, HT = 3 };

// Wrestling skill indices (TWrestler::WrestlingSkillLevel order).
enum WrestlingSkillIndex : int {
  kForm = 0,          // プロレス/型
  kJointLocks = 1,    // プロレス関節技
  kAerial = 2,        // プロレス空中殺法
  kThrows = 3,        // プロレス投げ技
  kStrikes = 4,       // プロレス打撃技
  kBreakfalls = 5,    // プロレス受身
  kDirtyFighting = 6, // 邪道戦闘
  kBrawling = 7,      // 格闘
  kBoxing = 8,        // ボクシング
  kKarate = 9,        // 空手
  kWrestling = 10,    // レスリング
  kJudo = 11,         // 柔道
};
constexpr int kWrestlingSkillCount = 12;
// The martial-art skills follow MartialArtKind: index = kFirstMartialArtSkill + kind.
constexpr int kFirstMartialArtSkill = kBrawling;

// Technique categories (first index of TWrestler::Techniques).
constexpr int kTechniqueCategoryCount = 10;
constexpr int kTechniqueListCount = 8;

constexpr std::array<int32_t, 21> kAttributeCostTable = {
    0, -80, -70, -60, -50, -40, -30, -20, -15, -10, 0, 10, 20, 30, 45, 60, 80, 100, 125, 150, 175};
constexpr std::array<int32_t, 21> kThrustDice = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2};
constexpr std::array<int32_t, 21> kThrustAdds = {0,  0,  0,  0, 0, -5, -4, -3, -3, -2, -2,
                                                 -1, -1, 0, 0, 1, 1,  2,  2,  -1, -1};
// TechniqueCategory -> WrestlingSkillIndex.
constexpr std::array<int32_t, 10> kSkillOfCategory = {4, 3, 1, 2, 7, 8, 9, 10, 11, 6};
// WrestlingSkillIndex -> TechniqueCategory, -1 for none.
constexpr std::array<int32_t, 12> kCategoryOfSkill = {-1, 2, 3, 1, 0, -1, 9, 4, 5, 6, 7, 8};
// Position in the technique category drop-down -> TechniqueCategory.
constexpr std::array<int32_t, 10> kCategoryOfListIndex = {0, 1, 2, 3, 4, 6, 8, 5, 7, 9};

}  // namespace rules
