// Reading the catalog files and looking rows up by name.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "catalog/CatalogLoader.h"
#include "model/Sjis.h"

namespace {

namespace fs = std::filesystem;
using sjis::Literal;

// Code page 932 text of UTF-8 lines, each ended by `eol`. Control bytes are
// added outside the conversion (ICU maps 0x1A differently).
std::string Lines(std::initializer_list<const char*> lines, const std::string& eol = "\n") {
  std::string text;
  for (const char* l : lines) text += Literal(l) + eol;
  return text;
}

std::vector<std::string> Row(const TCatalog& c, int r) {
  std::vector<std::string> row;
  for (int k = 0; k < c.ColumnCount(); ++k) row.push_back(c.At(r, k));
  return row;
}

std::vector<std::string> Sjis(std::initializer_list<const char*> fields) {
  std::vector<std::string> out;
  for (const char* f : fields) out.push_back(Literal(f));
  return out;
}

struct Parsed {
  TCatalog catalog;
  int skipped = -1;
};

Parsed Parse(const std::string& text, CatalogKind kind) {
  const bool techniques = kind == CatalogKind::Techniques;
  Parsed p{TCatalog(techniques ? int{technique::kColumns} : int{trait::kColumns},
                    techniques ? int{technique::Name} : int{trait::Name})};
  ParseCatalogText(text, kind, p.catalog, &p.skipped);
  return p;
}

TEST(ParseCatalogText, EveryLineIsARowInFileOrderAndStarStaysInSixColumnFiles) {
  auto p = Parse(Lines({"反射神経 A 15 * * -", "表 B -5/0/5 -1 1 *", "Judo C 3 * * x"}), CatalogKind::Traits);
  ASSERT_EQ(p.catalog.RowCount(), 3);
  EXPECT_EQ(Row(p.catalog, 0), Sjis({"反射神経", "A", "15", "*", "*", "-"}));
  EXPECT_EQ(Row(p.catalog, 1), Sjis({"表", "B", "-5/0/5", "-1", "1", "*"}));  // 表 ends in 0x5C
  EXPECT_EQ(Row(p.catalog, 2), Sjis({"Judo", "C", "3", "*", "*", "x"}));
  EXPECT_EQ(p.skipped, 0);

  auto skills = Parse(Lines({"ランニング 2 2 4 * 運動"}), CatalogKind::Skills);
  ASSERT_EQ(skills.catalog.RowCount(), 1);
  EXPECT_EQ(skills.catalog.At(0, skill::Spare), "*");
}

TEST(ParseCatalogText, StarInTheTechniquePrerequisitesBecomesEmpty) {
  auto p = Parse(Lines({"打 0 チョップ -2 0 胸 *", "投 12 ボディスラム -3 1 * チョップ,ラリアット", "関 10 * 0 0 腕 **"}),
                 CatalogKind::Techniques);
  ASSERT_EQ(p.catalog.RowCount(), 3);
  EXPECT_EQ(Row(p.catalog, 0), Sjis({"打", "0", "チョップ", "-2", "0", "胸", ""}));
  EXPECT_EQ(Row(p.catalog, 1), Sjis({"投", "12", "ボディスラム", "-3", "1", "*", "チョップ,ラリアット"}));
  EXPECT_EQ(Row(p.catalog, 2), Sjis({"関", "10", "*", "0", "0", "腕", "**"}));
}

TEST(ParseCatalogText, TextAfterTheLastLineFeedIsNotLoaded) {
  std::string text = Lines({"a A 1 * * -"}) + Literal("b A 2 * * -");
  auto p = Parse(text, CatalogKind::Traits);
  ASSERT_EQ(p.catalog.RowCount(), 1);
  EXPECT_EQ(p.catalog.At(0, trait::Name), "a");
  EXPECT_EQ(Parse(Literal("a A 1 * * -"), CatalogKind::Traits).catalog.RowCount(), 0);
  EXPECT_EQ(Parse("", CatalogKind::Traits).catalog.RowCount(), 0);
}

TEST(ParseCatalogText, CarriageReturnBeforeLineFeedIsDropped) {
  auto p = Parse(Lines({"a A 1 * * -", "b A 2 * * +"}, "\r\n"), CatalogKind::Traits);
  ASSERT_EQ(p.catalog.RowCount(), 2);
  EXPECT_EQ(p.catalog.At(0, trait::Listing), "-");
  EXPECT_EQ(p.catalog.At(1, trait::Listing), "+");
}

TEST(ParseCatalogText, ShortAndBlankLinesAreSkippedAndCounted) {
  std::string text = "\n   \n\r\n" + Lines({"a A 1 * *", "b A 2 * * -", "c"});
  auto p = Parse(text, CatalogKind::Traits);
  ASSERT_EQ(p.catalog.RowCount(), 1);
  EXPECT_EQ(p.catalog.At(0, trait::Name), "b");
  EXPECT_EQ(p.skipped, 5);
  for (int k = 0; k < p.catalog.ColumnCount(); ++k) EXPECT_EQ(p.catalog.Column(k).Count(), 1);

  // A technique line needs all seven fields.
  auto t = Parse(Lines({"打 0 チョップ -2 0 胸"}), CatalogKind::Techniques);
  EXPECT_EQ(t.catalog.RowCount(), 0);
  EXPECT_EQ(t.skipped, 1);
}

TEST(ParseCatalogText, BlanksAndTabsSeparateAndExtraFieldsAreIgnored) {
  auto p = Parse("  a\t\tA  1   *\t* -  extra more\n", CatalogKind::Traits);
  ASSERT_EQ(p.catalog.RowCount(), 1);
  EXPECT_EQ(Row(p.catalog, 0), (std::vector<std::string>{"a", "A", "1", "*", "*", "-"}));

  auto t = Parse(Lines({"打 0 チョップ -2 0 胸 * 余り"}), CatalogKind::Techniques);
  ASSERT_EQ(t.catalog.RowCount(), 1);
  EXPECT_EQ(t.catalog.At(0, technique::Prerequisites), "");
}

TEST(ParseCatalogText, LongLinesAndFieldsAreReadWhole) {
  const std::string longName(500, 'n');
  std::string prerequisites;
  while (prerequisites.size() < 3000) prerequisites += Literal("チョップ,");
  std::string text = Literal("打 0 ") + longName + " -2 0 " + Literal("胸") + " " + prerequisites + "\n" +
                     Literal("投 1 次 0 0 頭 *") + "\n";
  auto p = Parse(text, CatalogKind::Techniques);
  ASSERT_EQ(p.catalog.RowCount(), 2);
  EXPECT_EQ(p.catalog.At(0, technique::Name), longName);
  EXPECT_EQ(p.catalog.At(0, technique::Prerequisites), prerequisites);
  EXPECT_EQ(p.catalog.At(1, technique::Name), Literal("次"));
}

TEST(ParseCatalogText, DosEndOfFileMarkEndsTheText) {
  auto p = Parse(Lines({"a A 1 * * -"}) + "\x1a" + Lines({"b A 2 * * -"}), CatalogKind::Traits);
  EXPECT_EQ(p.catalog.RowCount(), 1);
  auto q = Parse(Lines({"a A 1 * * -", "b A 2 * * -"}) + "\x1a", CatalogKind::Traits);
  EXPECT_EQ(q.catalog.RowCount(), 2);
}

// --- files ---------------------------------------------------------------

const fs::path kFixtures = fs::path(MONTEGURA_FIXTURES) / "catalog";

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "montegura-core-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

 private:
  fs::path path_;
};

TEST(LoadCatalogs, ReadsTheThreeFilesByteForByte) {
  TCatalogs catalogs;
  CatalogLoadResult r = LoadCatalogs(kFixtures, catalogs);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.skippedLines, 0);

  // CR LF line ends; the last line has no line feed.
  ASSERT_EQ(catalogs.Traits.RowCount(), 3);
  EXPECT_EQ(Row(catalogs.Traits, 2), Sjis({"隠し特徴", "A", "5", "*", "*", "*"}));
  // Tabs; a DOS end-of-file mark after the second row.
  ASSERT_EQ(catalogs.Skills.RowCount(), 2);
  EXPECT_EQ(Row(catalogs.Skills, 1), Sjis({"表計算", "1", "1", "3", "*", "技術"}));
  ASSERT_EQ(catalogs.Techniques.RowCount(), 2);
  EXPECT_EQ(catalogs.Techniques.At(0, technique::Prerequisites), "");
  EXPECT_EQ(catalogs.Techniques.At(1, technique::Prerequisites), Literal("チョップ"));
}

TEST(LoadCatalogFile, ReplacesWhatTheCatalogHeld) {
  TCatalog traits(trait::kColumns, trait::Name);
  traits.AppendRow({"old", "A", "1", "*", "*", "-"});
  CatalogLoadResult r = LoadCatalogFile(kFixtures / "tokucho.tdb", CatalogKind::Traits, traits);
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(traits.RowCount(), 3);
  EXPECT_EQ(traits.At(0, trait::Name), Literal("反射神経"));
}

TEST(LoadCatalogFile, MissingFileOrFolderIsAnErrorNamingTheFile) {
  TempFolder dir;
  ASSERT_FALSE(dir.path().empty());
  fs::create_directory(dir.path() / "waza.tdb");
  const std::pair<const char*, CatalogKind> cases[] = {{"tokucho.tdb", CatalogKind::Traits},
                                                       {"waza.tdb", CatalogKind::Techniques}};
  for (auto [name, kind] : cases) {
    TCatalog catalog(kind == CatalogKind::Techniques ? 7 : 6, 0);
    CatalogLoadResult r = LoadCatalogFile(dir.path() / name, kind, catalog);
    EXPECT_FALSE(r.ok) << name;
    EXPECT_NE(r.error.find(name), std::string::npos) << r.error;
    EXPECT_EQ(catalog.RowCount(), 0);
  }
}

TEST(LoadCatalogFile, ReadErrorIsAnErrorResult) {
  // Reading this file from its start fails with an I/O error.
  const fs::path unreadable = "/proc/self/mem";
  if (!std::ifstream(unreadable, std::ios::binary)) GTEST_SKIP() << "no " << unreadable;
  TCatalog catalog(trait::kColumns, trait::Name);
  CatalogLoadResult r;
  ASSERT_NO_THROW(r = LoadCatalogFile(unreadable, CatalogKind::Traits, catalog));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("mem"), std::string::npos) << r.error;
}

TEST(LoadCatalogs, StopsAtTheFirstFileThatCannotBeRead) {
  TempFolder dir;
  ASSERT_FALSE(dir.path().empty());
  dir.Write("tokucho.tdb", Lines({"a A 1 * * -"}));
  dir.Write("waza.tdb", Lines({"打 0 チョップ -2 0 胸 *"}));
  TCatalogs catalogs;
  CatalogLoadResult r = LoadCatalogs(dir.path(), catalogs);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("ginou.tdb"), std::string::npos) << r.error;
  EXPECT_EQ(catalogs.Techniques.RowCount(), 0);
}

// --- lookup --------------------------------------------------------------

TEST(TCatalogIndexOfName, FirstRowEqualIgnoringLatinCase) {
  TCatalog traits(trait::kColumns, trait::Name);
  for (const char* name : {"\x83\x41", "Judo", "JUDO", "\x83\x61"})  // ア, Judo, JUDO, ャ
    traits.AppendRow({name, "A", "1", "*", "*", "-"});
  EXPECT_EQ(traits.IndexOfName("judo"), 1);
  EXPECT_EQ(traits.IndexOfName("JUDO"), 1);
  EXPECT_EQ(traits.IndexOfName("\x83\x41"), 0);
  EXPECT_EQ(traits.IndexOfName("\x83\x61"), 3);  // ャ must not find ア
  EXPECT_EQ(traits.IndexOfName("Jud"), -1);
  EXPECT_EQ(traits.IndexOfName(""), -1);
}

TEST(TCatalogIndexOfName, TechniquesAreFoundByTheirNameColumn) {
  TCatalog techniques(technique::kColumns, technique::Name);
  ParseCatalogText(Lines({"打 0 チョップ -2 0 胸 *", "投 12 打 -3 1 頭 *"}), CatalogKind::Techniques, techniques);
  EXPECT_EQ(techniques.IndexOfName(Literal("チョップ")), 0);
  EXPECT_EQ(techniques.IndexOfName(Literal("打")), 1);  // the name, not the category code of row 0
  EXPECT_EQ(techniques.IndexOfName(Literal("胸")), -1);
}

}  // namespace
