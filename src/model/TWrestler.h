// The one character record: everything the user enters about a wrestler,
// the derived values, and the rule tables the record's computations read.
#pragma once

#include <cstdint>
#include <string>

#include "model/StringList.h"

// The portrait's pixels, owned by the window's picture box. The record only
// refers to it; the file format reads and writes it through this interface.
class TPortraitRaster {
 public:
  static constexpr int kWidth = 193;
  static constexpr int kHeight = 217;
  struct Rgb {
    uint8_t r = 255, g = 255, b = 255;
    bool operator==(const Rgb&) const = default;
  };
  virtual ~TPortraitRaster() = default;
  virtual Rgb Pixel(int x, int y) const = 0;
  virtual void SetPixel(int x, int y, Rgb c) = 0;
};

class TWrestler {
 public:
  TWrestler();
  TWrestler(const TWrestler&) = default;
  TWrestler& operator=(const TWrestler&) = default;

  // A new character (also run once right after construction by the owner).
  void Reset();

  int32_t SkillOfCategory[10];
  int32_t CategoryOfSkill[12];
  int32_t AttributeCostTable[21];
  int32_t ThrustDice[21];
  int32_t ThrustAdds[21];
  TStringList Background;
  int32_t Attr[4];
  int32_t AttrCP[4];
  float BasicSpeed;
  int32_t Move;
  std::string RingName;
  std::string RealName;
  std::string CatchCopy;
  int32_t Dodge;
  int32_t Parry;
  // [0] name, [1] level text (empty without levels), [2] CP integer text.
  TParallelLists<3> GeneralTraits;
  TStringList TraitNotes;
  std::string Quirks[5];
  // [0] name, [1] level integer text, [2] CP text with one decimal.
  TParallelLists<3> GeneralSkills;
  int32_t DR[3];
  bool Styles[7];
  int32_t MartialArtKind;
  int32_t Prestige;
  std::string Promotion;
  int32_t PromotionSize;
  int32_t Adjustment;
  int32_t Bulk;
  int32_t Height;
  int32_t Weight;
  std::string Birthplace;
  int32_t WrestlingSkillLevel[12];
  float WrestlingSkillCP[12];
  // Per TechniqueCategory: [0] name, [1] level CP (one decimal), [2] power
  // CP, [3] level adjustment, [4] power adjustment, [5] location,
  // [6] prerequisites, [7] required level.
  TParallelLists<8> Techniques[10];
  TPortraitRaster* Portrait;
};

// Indices into the eight technique lists of one category.
enum TechniqueList : int {
  kTechName = 0,
  kTechLevelCP = 1,
  kTechPowerCP = 2,
  kTechLevelAdjust = 3,
  kTechPowerAdjust = 4,
  kTechLocation = 5,
  kTechPrerequisites = 6,
  kTechRequiredLevel = 7,
};

// Replace `list` by the lines of a multi-line text (clear, then append).
void CopyLinesIn(TStringList& list, const TStringList& lines);
// Replace `lines` by the entries of `list`.
void CopyLinesOut(const TStringList& list, TStringList& lines);
