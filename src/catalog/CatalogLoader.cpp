#include "catalog/CatalogLoader.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>

#include "model/Sjis.h"

namespace {

int ColumnsOf(CatalogKind kind) {
  switch (kind) {
    case CatalogKind::Traits: return trait::kColumns;
    case CatalogKind::Skills: return skill::kColumns;
    case CatalogKind::Techniques: return technique::kColumns;
  }
  return 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// Splits a line into at most `limit` blank-separated fields. No code page
// 932 trail byte is a blank, so splitting byte-wise is safe.
std::vector<std::string> SplitFields(std::string_view line, int limit) {
  std::vector<std::string> fields;
  std::size_t i = 0;
  while (i < line.size() && static_cast<int>(fields.size()) < limit) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size()) break;
    std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    fields.emplace_back(line.substr(start, i - start));
  }
  return fields;
}

}  // namespace

const char* CatalogFileName(CatalogKind kind) {
  switch (kind) {
    case CatalogKind::Traits: return "tokucho.tdb";
    case CatalogKind::Skills: return "ginou.tdb";
    case CatalogKind::Techniques: return "waza.tdb";
  }
  return "";
}

void ParseCatalogText(std::string_view text, CatalogKind kind, TCatalog& catalog, int* skipped) {
  const int columns = ColumnsOf(kind);
  // A DOS end-of-file mark ends the text, as text-mode reading does.
  if (auto eof = text.find('\x1a'); eof != std::string_view::npos) text = text.substr(0, eof);
  int skippedLines = 0;
  std::size_t pos = 0;
  for (;;) {
    std::size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) break;  // no line feed: not a row
    std::string_view line = text.substr(pos, nl - pos);
    pos = nl + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    auto fields = SplitFields(line, columns);
    if (static_cast<int>(fields.size()) < columns) {
      ++skippedLines;
      continue;
    }
    if (kind == CatalogKind::Techniques && fields[technique::Prerequisites] == "*")
      fields[technique::Prerequisites].clear();
    catalog.AppendRow(std::move(fields));
  }
  if (skipped) *skipped = skippedLines;
}

CatalogLoadResult LoadCatalogFile(const std::filesystem::path& path, CatalogKind kind, TCatalog& catalog) {
  CatalogLoadResult result;
  catalog.Clear();
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    result.ok = false;
    result.error = "カタログファイル " + path.filename().string() + " を読めません (" + path.string() +
                   "): フォルダです";
    return result;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.ok = false;
    result.error = "カタログファイル " + path.filename().string() + " を開けません (" + path.string() +
                   "): " + std::strerror(errno);
    return result;
  }
  std::string text;
  try {
    // The file buffer reports a read error by throwing, whatever the
    // stream's exception mask says.
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::exception& e) {
    result.ok = false;
    result.error = "カタログファイル " + path.filename().string() + " を読めません (" + path.string() + "): " + e.what();
    return result;
  }
  ParseCatalogText(text, kind, catalog, &result.skippedLines);
  return result;
}

CatalogLoadResult LoadCatalogs(const std::filesystem::path& folder, TCatalogs& catalogs) {
  const std::pair<CatalogKind, TCatalog*> order[] = {{CatalogKind::Traits, &catalogs.Traits},
                                                     {CatalogKind::Skills, &catalogs.Skills},
                                                     {CatalogKind::Techniques, &catalogs.Techniques}};
  CatalogLoadResult total;
  for (auto [kind, catalog] : order) {
    auto r = LoadCatalogFile(folder / CatalogFileName(kind), kind, *catalog);
    if (!r.ok) return r;
    total.skippedLines += r.skippedLines;
  }
  return total;
}
