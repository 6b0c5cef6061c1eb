#include "model/StringList.h"

#include <stdexcept>

#include "model/Sjis.h"

void TStringList::Insert(int i, std::string s) {
  if (i < 0 || i > Count()) throw std::out_of_range("TStringList::Insert: index out of range");
  items_.insert(items_.begin() + i, std::move(s));
}

void TStringList::Delete(int i) {
  if (i < 0 || i >= Count()) throw std::out_of_range("TStringList::Delete: index out of range");
  items_.erase(items_.begin() + i);
}

int TStringList::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i)
    if (sjis::EqualsIgnoreLatinCase(items_[static_cast<std::size_t>(i)], text)) return i;
  return -1;
}
