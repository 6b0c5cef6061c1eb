#include "catalog/SelectionLists.h"

#include <array>
#include <string_view>

#include "model/Sjis.h"

namespace {

// Group keys in list order; each heading reads "@@@@ <key>系 @@@@".
constexpr std::array<std::string_view, 13> kSkillGroups = {
    "医学", "運動", "学術", "技術", "芸術", "言語", "社会", "車輌", "戦闘", "専門", "盗賊", "動物", "野外"};

struct SkillGroup {
  std::string key;
  std::string heading;
};

const std::vector<SkillGroup>& SkillGroups() {
  static const std::vector<SkillGroup> groups = [] {
    std::vector<SkillGroup> g;
    for (auto key : kSkillGroups) {
      std::string k(key);
      g.push_back({sjis::Literal(k), sjis::Literal("@@@@ " + k + "系 @@@@")});
    }
    return g;
  }();
  return groups;
}

}  // namespace

TStringList BuildTraitList(const TCatalog& traits) {
  TStringList list;
  for (int r = 0; r < traits.RowCount(); ++r)
    if (traits.At(r, trait::Listing) != "*") list.Add(traits.At(r, trait::Name));
  return list;
}

TStringList BuildSkillList(const TCatalog& skills) {
  TStringList list;
  for (const SkillGroup& group : SkillGroups()) {
    list.Add(group.heading);
    for (int r = 0; r < skills.RowCount(); ++r)
      if (skills.At(r, skill::Group) == group.key) list.Add(skills.At(r, skill::Name));
  }
  return list;
}

bool IsSkillListHeading(const std::string& line) { return sjis::Contains(line, "@@@@"); }
