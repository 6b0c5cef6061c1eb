// The three catalogs read from the .tdb files: column-wise string tables,
// one row per file line, in file order. Constant once loaded.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/StringList.h"

namespace trait {
enum Column : int { Name = 0, Kind, Cost, LevelLow, LevelHigh, Listing, kColumns };
}
namespace skill {
enum Column : int { Name = 0, CostProgression, Difficulty, Attribute, Spare, Group, kColumns };
}
namespace technique {
enum Column : int { Category = 0, RequiredLevel, Name, LevelModifier, DamageModifier, Location, Prerequisites, kColumns };
}

class TCatalog {
 public:
  // `columns` string lists; `nameColumn` is the key column for lookups.
  TCatalog(int columns, int nameColumn);

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  int RowCount() const { return columns_.front().Count(); }
  const TStringList& Column(int k) const { return columns_.at(static_cast<std::size_t>(k)); }
  const std::string& At(int row, int column) const { return Column(column)[row]; }

  // First row whose name equals `name` without regard to the case of Latin
  // letters, or -1.
  int IndexOfName(std::string_view name) const;

  // Appends one row; `fields` must hold exactly ColumnCount() values.
  void AppendRow(std::vector<std::string> fields);
  void Clear();

 private:
  std::vector<TStringList> columns_;
  int nameColumn_;
};

// The catalogs as the window holds them.
struct TCatalogs {
  TCatalog Traits{trait::kColumns, trait::Name};
  TCatalog Skills{skill::kColumns, skill::Name};
  TCatalog Techniques{technique::kColumns, technique::Name};
};
