// Reading the .tdb catalog files.
//
// One row per line, fields separated by blanks or tabs, the first N fields
// taken. A carriage return before the line feed is not part of the line.
// Text after the last line feed is not loaded. A line with fewer than N
// fields (a blank line among them) is skipped so the columns stay aligned.
// Lines and fields of any length are read whole.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "catalog/Catalog.h"

enum class CatalogKind { Traits, Skills, Techniques };

struct CatalogLoadResult {
  bool ok = true;
  std::string error;  // UTF-8 message naming the file, when !ok
  int skippedLines = 0;
};

// The bare file name of each catalog: "tokucho.tdb", "ginou.tdb", "waza.tdb".
const char* CatalogFileName(CatalogKind kind);

// Parses catalog text already in memory into `catalog` (appending rows).
void ParseCatalogText(std::string_view text, CatalogKind kind, TCatalog& catalog, int* skipped = nullptr);

// Reads the file at `path` into `catalog` (cleared first).
CatalogLoadResult LoadCatalogFile(const std::filesystem::path& path, CatalogKind kind, TCatalog& catalog);

// Loads the three catalogs from `folder` in the order traits, skills,
// techniques; stops at the first file that cannot be read.
CatalogLoadResult LoadCatalogs(const std::filesystem::path& folder, TCatalogs& catalogs);
