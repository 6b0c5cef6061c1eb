// Properties of the catalogs we ship (data/*.tdb). These files are edited by
// hand; every check names the offending row so a bad edit is easy to find.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/Catalog.h"
#include "catalog/CatalogLoader.h"
#include "catalog/SelectionLists.h"
#include "model/Sjis.h"

namespace {

const std::filesystem::path kDataDir = MONTEGURA_DATA_DIR;

struct ShippedFile {
  CatalogKind kind;
  int columns;
  const TCatalog* catalog;
  std::string bytes;
  CatalogLoadResult load;
};

struct Shipped {
  Shipped();
  TCatalogs catalogs;
  std::vector<ShippedFile> files;
};

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Built in place: `files` points into `catalogs`.
Shipped::Shipped() {
  const std::pair<CatalogKind, TCatalog*> order[] = {{CatalogKind::Traits, &catalogs.Traits},
                                                     {CatalogKind::Skills, &catalogs.Skills},
                                                     {CatalogKind::Techniques, &catalogs.Techniques}};
  for (auto [kind, catalog] : order) {
    auto path = kDataDir / CatalogFileName(kind);
    auto load = LoadCatalogFile(path, kind, *catalog);
    files.push_back({kind, catalog->ColumnCount(), catalog, ReadBytes(path), load});
  }
}

// Loaded once for the whole run; read-only afterwards.
const Shipped& Data() {
  static const Shipped shipped;
  return shipped;
}

const TCatalog& Traits() { return Data().catalogs.Traits; }
const TCatalog& Skills() { return Data().catalogs.Skills; }
const TCatalog& Techniques() { return Data().catalogs.Techniques; }

std::string L(std::string_view utf8) { return sjis::Literal(utf8); }
std::string Show(std::string_view cp932) { return sjis::ToUtf8Lossy(cp932); }

int NameColumn(const TCatalog& c) { return &c == &Techniques() ? technique::Name : 0; }
const char* FileOf(const TCatalog& c) {
  if (&c == &Traits()) return "tokucho.tdb";
  if (&c == &Skills()) return "ginou.tdb";
  return "waza.tdb";
}

// "waza.tdb row 12 「DDT」": rows count from 1, as lines do when none is skipped.
std::string RowLabel(const TCatalog& c, int row) {
  return std::string(FileOf(c)) + " row " + std::to_string(row + 1) + " \u300c" +
         Show(c.At(row, NameColumn(c))) + "\u300d";
}

std::optional<int> ParseInt(std::string_view s) {
  int value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return value;
}

bool IsIntOrStar(std::string_view s) { return s == "*" || ParseInt(s).has_value(); }

std::vector<std::string> SplitAt(std::string_view text, char sep) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    auto pos = text.find(sep, start);
    parts.emplace_back(text.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
    if (pos == std::string_view::npos) return parts;
    start = pos + 1;
  }
}

// The row named exactly `name` (the rules compare names exactly), or -1.
int RowNamedExactly(const TCatalog& c, std::string_view name) {
  int row = c.IndexOfName(name);
  return row >= 0 && c.At(row, NameColumn(c)) == name ? row : -1;
}

// ---------------------------------------------------------------------------
// The files as bytes

TEST(ShippedCatalogFiles, AreTidyCodePage932WithEveryLineARow) {
  for (const auto& f : Data().files) {
    const std::string file = CatalogFileName(f.kind);
    SCOPED_TRACE(file);
    ASSERT_TRUE(f.load.ok) << f.load.error;
    ASSERT_FALSE(f.bytes.empty());
    EXPECT_EQ(f.bytes.back(), '\n') << "text after the last line feed is not loaded";
    EXPECT_EQ(f.bytes.find('\r'), std::string::npos) << "carriage return";
    EXPECT_EQ(f.bytes.find('\x1a'), std::string::npos) << "end-of-file mark ends the text early";
    EXPECT_EQ(f.load.skippedLines, 0) << "lines without all their columns";

    int lineNo = 0;
    std::istringstream lines(f.bytes);
    for (std::string line; std::getline(lines, line);) {
      ++lineNo;
      const auto where = file + " line " + std::to_string(lineNo) + ": " + Show(line);
      auto utf8 = sjis::ToUtf8(line);
      EXPECT_TRUE(utf8.has_value()) << "not code page 932, " << where;
      // Characters with two code page 932 forms (NEC/IBM duplicates) do not
      // survive an edit through a UTF-8 editor; keep to the canonical form.
      if (utf8) {
        EXPECT_TRUE(sjis::FromUtf8(*utf8) == line) << "bytes do not round-trip through UTF-8, " << where;
      }
      EXPECT_LE(line.size() + 1, 2499u) << where;
      // Exactly the catalog's fields, one blank between them: an extra field
      // means a blank crept into a name and shifted the columns.
      std::vector<std::string> fields;
      std::size_t start = 0;
      bool tidy = !line.empty();
      for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ' || line[i] == '\t') {
          if (i == start) tidy = false;  // leading, trailing or doubled blank
          fields.push_back(line.substr(start, i - start));
          start = i + 1;
        }
      }
      EXPECT_TRUE(tidy) << "empty line or stray blank, " << where;
      EXPECT_EQ(static_cast<int>(fields.size()), f.columns) << where;
      for (const auto& field : fields) EXPECT_LE(field.size(), 399u) << where;
    }
    EXPECT_EQ(lineNo, f.catalog->RowCount()) << "every line is a row";
  }
}

TEST(ShippedCatalogs, NamesAreUniqueWithinEachFile) {
  for (const TCatalog* c : {&Traits(), &Skills(), &Techniques()}) {
    ASSERT_GT(c->RowCount(), 0) << FileOf(*c);
    for (int r = 0; r < c->RowCount(); ++r) {
      int first = c->IndexOfName(c->At(r, NameColumn(*c)));
      EXPECT_EQ(first, r) << RowLabel(*c, r) << " repeats " << RowLabel(*c, first);
    }
  }
}

// ---------------------------------------------------------------------------
// Traits

// Why a trait row cannot be priced as its kind says, or "" when it can.
std::string TraitRowFault(const TCatalog& t, int r) {
  const std::string& kind = t.At(r, trait::Kind);
  const std::string& cost = t.At(r, trait::Cost);
  const std::string& low = t.At(r, trait::LevelLow);
  const std::string& high = t.At(r, trait::LevelHigh);
  if (kind == "A" || kind == "D") {
    if (low != "*" || high != "*") return "levels must be \"*\" for kind " + kind;
  }
  if (kind == "A") return ParseInt(cost) ? "" : "Cost is not an integer";
  if (kind == "B") {
    auto lo = ParseInt(low), hi = ParseInt(high);
    if (!lo || !hi) return "kind B needs integer levels";
    if (*lo > *hi) return "LevelLow above LevelHigh";
    const int expectedLow = t.At(r, trait::Name) == L("容貌") ? -3 : 1;
    if (*lo != expectedLow) return "kind B levels start at " + std::to_string(expectedLow);
    auto values = SplitAt(cost, '/');
    if (static_cast<int>(values.size()) != *hi - *lo + 1)
      return std::to_string(values.size()) + " costs for " + std::to_string(*hi - *lo + 1) + " levels";
    if (values.size() > 10) return "more than 10 levels";
    for (const auto& v : values)
      if (!ParseInt(v)) return "cost \"" + v + "\" is not an integer";
    return "";
  }
  if (kind == "C") {
    auto c = ParseInt(cost);
    if (!c || *c == 0) return "kind C needs a non-zero integer Cost per level";
    if (!IsIntOrStar(low) || !IsIntOrStar(high)) return "levels must be integers or \"*\"";
    if (low != "*" && high != "*" && *ParseInt(low) > *ParseInt(high)) return "LevelLow above LevelHigh";
    return "";
  }
  if (kind == "D") {
    auto bounds = SplitAt(cost, ',');
    if (bounds.size() != 2) return "kind D Cost must be \"low,high\"";
    if (!IsIntOrStar(bounds[0]) || !IsIntOrStar(bounds[1])) return "bounds must be integers or \"*\"";
    if (bounds[0] == "*" && bounds[1] == "*") return "kind D needs at least one bound";
    if (bounds[0] != "*" && bounds[1] != "*" && *ParseInt(bounds[0]) > *ParseInt(bounds[1]))
      return "low bound above high bound";
    return "";
  }
  return "unknown kind \"" + Show(kind) + "\"";
}

TEST(TraitCatalogData, EveryRowIsWellFormedForItsKind) {
  const auto& t = Traits();
  for (int r = 0; r < t.RowCount(); ++r) {
    auto fault = TraitRowFault(t, r);
    EXPECT_TRUE(fault.empty()) << RowLabel(t, r) << ": " << fault;
    // The trait grid's name column is 96 pixels wide: eight full-width characters.
    EXPECT_LE(t.At(r, trait::Name).size(), 16u) << RowLabel(t, r) << ": name too long for the grid";
  }
}

TEST(TraitCatalogData, UsesEveryPricingShape) {
  const auto& t = Traits();
  EXPECT_GE(t.RowCount(), 40);
  std::map<std::string, int> kinds;
  int openDisadvantage = 0, openFreeCost = 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    ++kinds[t.At(r, trait::Kind)];
    if (t.At(r, trait::Kind) == "C" && t.At(r, trait::LevelLow) == "*") {
      auto hi = ParseInt(t.At(r, trait::LevelHigh));
      if (hi && *hi < 0) ++openDisadvantage;
    }
    if (t.At(r, trait::Kind) == "D" && t.At(r, trait::Cost).find('*') != std::string::npos) ++openFreeCost;
  }
  for (const char* k : {"A", "B", "C", "D"}) EXPECT_GT(kinds[k], 0) << "no trait of kind " << k;
  EXPECT_GT(openDisadvantage, 0) << "no kind C trait with LevelLow \"*\" and a negative LevelHigh";
  EXPECT_GT(openFreeCost, 0) << "no kind D trait with an open bound";
}

TEST(TraitCatalogData, HiddenRowsStayOutOfTheTraitList) {
  const auto& t = Traits();
  TStringList expected;
  int hidden = 0;
  for (int r = 0; r < t.RowCount(); ++r) {
    if (t.At(r, trait::Listing) == "*")
      ++hidden;
    else
      expected.Add(t.At(r, trait::Name));
  }
  EXPECT_GE(hidden, 2);
  const TStringList list = BuildTraitList(t);
  EXPECT_EQ(list, expected);
  for (int r = 0; r < t.RowCount(); ++r) {
    if (t.At(r, trait::Listing) == "*") {
      EXPECT_EQ(list.IndexOf(t.At(r, trait::Name)), -1) << RowLabel(t, r) << " is listed";
    }
  }
}

// The traits the rules recognise by name, with the shape the rules rely on.
TEST(TraitCatalogData, RecognisedTraitsHaveTheShapeTheRulesNeed) {
  struct Case {
    const char* name;
    const char* kind;
    std::optional<int> low, high;  // nullopt: any integer
  };
  const Case cases[] = {
      {"反射神経", "A", {}, {}},   {"コンパクトパワー", "A", {}, {}}, {"頑強", "B", 1, 2},
      {"柔軟", "C", {}, {}},       {"肥満", "B", 1, 3},               {"容貌", "B", -3, 3},
  };
  const auto& t = Traits();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    int r = RowNamedExactly(t, L(c.name));
    ASSERT_GE(r, 0) << "missing";
    EXPECT_EQ(t.At(r, trait::Kind), c.kind) << RowLabel(t, r);
    EXPECT_NE(t.At(r, trait::Listing), "*") << RowLabel(t, r) << " must be offered in the trait list";
    if (std::string(c.kind) == "A") continue;
    // Levels are read as numbers (damage resistance, weight range, price).
    auto lo = ParseInt(t.At(r, trait::LevelLow)), hi = ParseInt(t.At(r, trait::LevelHigh));
    ASSERT_TRUE(lo && hi) << RowLabel(t, r) << " needs integer levels";
    if (c.low) {
      EXPECT_EQ(*lo, *c.low) << RowLabel(t, r);
    }
    if (c.high) {
      EXPECT_EQ(*hi, *c.high) << RowLabel(t, r);
    }
  }

  // A damage-resistance bonus must be positive at every level.
  int flex = RowNamedExactly(t, L("柔軟"));
  ASSERT_GE(flex, 0);
  EXPECT_GE(ParseInt(t.At(flex, trait::LevelLow)).value_or(0), 1) << RowLabel(t, flex);

  auto costs = [&](const char* name) {
    std::vector<int> v;
    int r = RowNamedExactly(t, L(name));
    if (r >= 0)
      for (const auto& s : SplitAt(t.At(r, trait::Cost), '/')) v.push_back(ParseInt(s).value_or(0));
    return v;
  };
  for (int v : costs("頑強")) EXPECT_GT(v, 0) << "頑強 is an advantage";
  for (int v : costs("肥満")) EXPECT_LT(v, 0) << "肥満 is a disadvantage";
  auto looks = costs("容貌");
  ASSERT_EQ(looks.size(), 7u);
  EXPECT_EQ(looks[3], 0) << "容貌 level 0 is the average and costs nothing";
  EXPECT_TRUE(std::is_sorted(looks.begin(), looks.end())) << "容貌 costs rise with the level";
}

// ---------------------------------------------------------------------------
// Skills

const char* const kSkillGroups[] = {"医学", "運動", "学術", "技術", "芸術", "言語", "社会",
                                    "車輌", "戦闘", "専門", "盗賊", "動物", "野外"};

std::string SkillRowFault(const TCatalog& s, int r) {
  auto cls = ParseInt(s.At(r, skill::CostProgression));
  if (!cls || (*cls != 1 && *cls != 2 && *cls != 4)) return "CostProgression must be 1, 2 or 4";
  // Attributes run from 4, so a difficulty of at most 4 keeps the default level at 0 or more.
  auto d = ParseInt(s.At(r, skill::Difficulty));
  if (!d || *d < 1 || *d > 4) return "Difficulty must be 1..4";
  auto attr = ParseInt(s.At(r, skill::Attribute));
  if (!attr || *attr < 1 || *attr > 4) return "Attribute must be 1..4";
  const std::string& spare = s.At(r, skill::Spare);
  if (spare.size() > 8 || !std::all_of(spare.begin(), spare.end(), [](char c) { return c > 0x20 && c < 0x7f; }))
    return "Spare must be \"*\" or a short ASCII token";
  const std::string& group = s.At(r, skill::Group);
  if (std::none_of(std::begin(kSkillGroups), std::end(kSkillGroups), [&](const char* g) { return group == L(g); }))
    return "Group \"" + Show(group) + "\" is none of the 13 keys";
  if (s.At(r, skill::Name).size() > 16) return "name too long for the grid";
  return "";
}

TEST(SkillCatalogData, EveryRowHasAValidClassDifficultyAttributeAndGroup) {
  const auto& s = Skills();
  ASSERT_GT(s.RowCount(), 0);
  std::set<int> classes, attributes;
  for (int r = 0; r < s.RowCount(); ++r) {
    auto fault = SkillRowFault(s, r);
    EXPECT_TRUE(fault.empty()) << RowLabel(s, r) << ": " << fault;
    classes.insert(ParseInt(s.At(r, skill::CostProgression)).value_or(0));
    attributes.insert(ParseInt(s.At(r, skill::Attribute)).value_or(0));
  }
  for (int c : {1, 2, 4}) EXPECT_TRUE(classes.count(c)) << "no skill of progression class " << c;
  for (int a : {1, 2, 3, 4}) EXPECT_TRUE(attributes.count(a)) << "no skill controlled by attribute " << a;
}

TEST(SkillCatalogData, EveryGroupOffersAtLeastFourSkills) {
  const auto& s = Skills();
  for (const char* g : kSkillGroups) {
    int n = 0;
    for (int r = 0; r < s.RowCount(); ++r) n += s.At(r, skill::Group) == L(g);
    EXPECT_GE(n, 4) << "group " << g;
  }
  // Every skill reaches the skill list (none falls outside the 13 groups).
  const TStringList list = BuildSkillList(s);
  EXPECT_EQ(list.Count(), 13 + s.RowCount());
}

TEST(SkillCatalogData, RunningIsAnAthleticsSkillControlledByHealth) {
  const auto& s = Skills();
  int r = RowNamedExactly(s, L("ランニング"));
  ASSERT_GE(r, 0) << "ランニング missing";
  EXPECT_EQ(s.At(r, skill::CostProgression), "1") << RowLabel(s, r);
  EXPECT_EQ(s.At(r, skill::Difficulty), "2") << RowLabel(s, r);
  EXPECT_EQ(s.At(r, skill::Attribute), "4") << RowLabel(s, r);
  EXPECT_EQ(s.At(r, skill::Group), L("運動")) << RowLabel(s, r);
}

// Listed under combat so the skill page can refuse them where the user looks.
TEST(SkillCatalogData, MartialArtsStandAmongTheCombatSkills) {
  const auto& s = Skills();
  for (const char* name : {"格闘", "空手", "柔道", "レスリング", "ボクシング"}) {
    int r = RowNamedExactly(s, L(name));
    ASSERT_GE(r, 0) << name << " missing";
    EXPECT_EQ(s.At(r, skill::Group), L("戦闘")) << RowLabel(s, r);
  }
}

// ---------------------------------------------------------------------------
// Techniques

const char* const kCategoryCodes[] = {"打", "投", "関", "空", "格", "手", "柔", "ボ", "レ", "邪"};

std::string TechniqueRowFault(const TCatalog& w, int r) {
  const std::string& code = w.At(r, technique::Category);
  if (std::none_of(std::begin(kCategoryCodes), std::end(kCategoryCodes), [&](const char* c) { return code == L(c); }))
    return "unknown category \"" + Show(code) + "\"";
  if (!ParseInt(w.At(r, technique::RequiredLevel))) return "RequiredLevel is not an integer";
  // The level adjustment runs from 1 to -LevelModifier: 0 or more leaves no room.
  auto lm = ParseInt(w.At(r, technique::LevelModifier));
  if (!lm || *lm > -1 || *lm < -10) return "LevelModifier must be -10..-1";
  auto dm = ParseInt(w.At(r, technique::DamageModifier));
  if (!dm || *dm < 0 || *dm > 4) return "DamageModifier must be 0..4";
  const std::string& loc = w.At(r, technique::Location);
  // Grid columns: name 160 pixels, location 80 pixels.
  if (loc == "*" || loc.size() > 12) return "Location must be a short text";
  if (w.At(r, technique::Name).size() > 28) return "name too long for the grid";
  return "";
}

TEST(TechniqueCatalogData, EveryRowIsWellFormed) {
  const auto& w = Techniques();
  ASSERT_GT(w.RowCount(), 0);
  for (int r = 0; r < w.RowCount(); ++r) {
    auto fault = TechniqueRowFault(w, r);
    EXPECT_TRUE(fault.empty()) << RowLabel(w, r) << ": " << fault;
  }
}

// At least eight to choose from; at most 29, the rows the technique grid shows.
TEST(TechniqueCatalogData, EveryCategoryOffersEightToTwentyNine) {
  const auto& w = Techniques();
  for (const char* code : kCategoryCodes) {
    int n = 0;
    for (int r = 0; r < w.RowCount(); ++r) n += w.At(r, technique::Category) == L(code);
    EXPECT_GE(n, 8) << "category " << code;
    EXPECT_LE(n, 29) << "category " << code;
  }
}

TEST(TechniqueCatalogData, SpansBeginnerToMasterLevels) {
  const auto& w = Techniques();
  int minRequired = 1000, maxRequired = -1000, exactMinusOne = 0, minModifier = 0;
  for (int r = 0; r < w.RowCount(); ++r) {
    int req = ParseInt(w.At(r, technique::RequiredLevel)).value_or(0);
    int lm = ParseInt(w.At(r, technique::LevelModifier)).value_or(0);
    minRequired = std::min(minRequired, req);
    maxRequired = std::max(maxRequired, req);
    exactMinusOne += lm == -1;
    minModifier = std::min(minModifier, lm);
  }
  EXPECT_LE(minRequired, 0) << "something must be learnable before the skill is";
  EXPECT_GE(maxRequired, 16);
  EXPECT_GT(exactMinusOne, 0);
  EXPECT_LE(minModifier, -6);
}

struct Prerequisite {
  int row;        // the technique that needs it
  int needed;     // its row, -1 when no technique has that name
  std::string name;
};

// Every prerequisite named in the catalog, split as the learning check splits it.
std::vector<Prerequisite> AllPrerequisites(const TCatalog& w) {
  std::vector<Prerequisite> all;
  for (int r = 0; r < w.RowCount(); ++r) {
    const std::string& text = w.At(r, technique::Prerequisites);
    if (text.empty()) continue;
    for (auto& name : SplitAt(text, ',')) all.push_back({r, RowNamedExactly(w, name), name});
  }
  return all;
}

TEST(TechniquePrerequisites, NameOtherTechniquesThatComeNoLater) {
  const auto& w = Techniques();
  std::map<int, std::set<std::string>> seen;
  for (const auto& p : AllPrerequisites(w)) {
    const auto who = RowLabel(w, p.row) + " needs \u300c" + Show(p.name) + "\u300d";
    EXPECT_TRUE(seen[p.row].insert(p.name).second) << who << " twice";
    if (p.needed < 0) {
      ADD_FAILURE() << who << ", which is no technique";
      continue;
    }
    EXPECT_NE(p.needed, p.row) << who << ", itself";
    int req = ParseInt(w.At(p.row, technique::RequiredLevel)).value_or(0);
    int needReq = ParseInt(w.At(p.needed, technique::RequiredLevel)).value_or(0);
    EXPECT_LE(needReq, req) << who << ", which requires a higher level";
    // Under the same skill, a freshly learned technique must not stand above
    // the one it builds on, or the consistency check reports it at once.
    if (w.At(p.row, technique::Category) == w.At(p.needed, technique::Category)) {
      int lm = ParseInt(w.At(p.row, technique::LevelModifier)).value_or(0);
      int needLm = ParseInt(w.At(p.needed, technique::LevelModifier)).value_or(0);
      EXPECT_LE(lm, needLm) << who << ", which has a lower LevelModifier";
    }
  }
}

TEST(TechniquePrerequisites, FormNoCycle) {
  const auto& w = Techniques();
  std::vector<std::vector<int>> needs(static_cast<std::size_t>(w.RowCount()));
  for (const auto& p : AllPrerequisites(w))
    if (p.needed >= 0) needs[p.row].push_back(p.needed);

  enum State { Unvisited, OnPath, Done };
  std::vector<State> state(needs.size(), Unvisited);
  std::vector<int> path;
  std::string cycle;
  std::function<bool(int)> visit = [&](int r) {
    state[r] = OnPath;
    path.push_back(r);
    for (int n : needs[r]) {
      if (state[n] == OnPath) {
        for (auto it = std::find(path.begin(), path.end(), n); it != path.end(); ++it)
          cycle += RowLabel(w, *it) + " -> ";
        cycle += RowLabel(w, n);
        return true;
      }
      if (state[n] == Unvisited && visit(n)) return true;
    }
    path.pop_back();
    state[r] = Done;
    return false;
  };
  for (int r = 0; r < w.RowCount() && cycle.empty(); ++r)
    if (state[r] == Unvisited) visit(r);
  EXPECT_TRUE(cycle.empty()) << "prerequisite cycle: " << cycle;
}

TEST(TechniquePrerequisites, BuildChainsWithinAndAcrossCategories) {
  const auto& w = Techniques();
  const auto all = AllPrerequisites(w);
  std::vector<std::vector<int>> sameCategoryNeeds(static_cast<std::size_t>(w.RowCount()));
  int crossing = 0;
  for (const auto& p : all) {
    if (p.needed < 0) continue;
    if (w.At(p.row, technique::Category) == w.At(p.needed, technique::Category))
      sameCategoryNeeds[p.row].push_back(p.needed);
    else
      ++crossing;
  }
  // Longest chain, counted in techniques; a row on the current path counts 0
  // so a cycle (reported above) cannot recurse forever.
  std::vector<int> depth(sameCategoryNeeds.size(), -1);
  std::function<int(int)> chain = [&](int r) {
    if (depth[r] >= 0) return depth[r];
    depth[r] = 0;
    int best = 0;
    for (int n : sameCategoryNeeds[r]) best = std::max(best, chain(n));
    return depth[r] = best + 1;
  };
  int deepest = 0;
  for (int r = 0; r < w.RowCount(); ++r) deepest = std::max(deepest, chain(r));
  EXPECT_GE(deepest, 3) << "no chain of three techniques within a category";
  EXPECT_GE(crossing, 3) << "prerequisites that cross categories";

  int multiple = 0;
  for (int r = 0; r < w.RowCount(); ++r)
    multiple += w.At(r, technique::Prerequisites).find(',') != std::string::npos;
  EXPECT_GE(multiple, 1) << "no technique with two prerequisites";
}

}  // namespace
