#include "catalog/Catalog.h"

#include <stdexcept>

TCatalog::TCatalog(int columns, int nameColumn)
    : columns_(static_cast<std::size_t>(columns)), nameColumn_(nameColumn) {}

int TCatalog::IndexOfName(std::string_view name) const { return Column(nameColumn_).IndexOf(name); }

void TCatalog::AppendRow(std::vector<std::string> fields) {
  if (static_cast<int>(fields.size()) != ColumnCount())
    throw std::invalid_argument("TCatalog::AppendRow: wrong number of fields");
  for (std::size_t k = 0; k < columns_.size(); ++k) columns_[k].Add(std::move(fields[k]));
}

void TCatalog::Clear() {
  for (auto& c : columns_) c.Clear();
}
