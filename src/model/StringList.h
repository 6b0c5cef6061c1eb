// An ordered, growable list of code page 932 strings; duplicates allowed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TStringList {
 public:
  TStringList() = default;
  TStringList(std::initializer_list<std::string> items) : items_(items) {}

  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  const std::string& operator[](int i) const { return items_.at(static_cast<std::size_t>(i)); }
  std::string& operator[](int i) { return items_.at(static_cast<std::size_t>(i)); }

  void Add(std::string s) { items_.push_back(std::move(s)); }
  void Insert(int i, std::string s);
  void Delete(int i);
  void Clear() { items_.clear(); }

  // First entry equal to `text` without regard to the case of Latin
  // letters, or -1.
  int IndexOf(std::string_view text) const;

  const std::vector<std::string>& Items() const { return items_; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  bool operator==(const TStringList&) const = default;

 private:
  std::vector<std::string> items_;
};

// Parallel lists: a group of string lists of equal length whose entry i
// describes the same item. Insertions and deletions go to every list.
template <std::size_t N>
struct TParallelLists {
  TStringList lists[N];

  static constexpr int Width() { return static_cast<int>(N); }
  int Count() const { return lists[0].Count(); }
  TStringList& operator[](int k) { return lists[k]; }
  const TStringList& operator[](int k) const { return lists[k]; }

  // `row` holds one value per list, in list order.
  void Insert(int i, const std::vector<std::string>& row) {
    for (std::size_t k = 0; k < N; ++k) lists[k].Insert(i, k < row.size() ? row[k] : std::string());
  }
  void Append(const std::vector<std::string>& row) { Insert(Count(), row); }
  void Delete(int i) {
    for (auto& l : lists) l.Delete(i);
  }
  void Clear() {
    for (auto& l : lists) l.Clear();
  }
  bool Consistent() const {
    for (const auto& l : lists)
      if (l.Count() != lists[0].Count()) return false;
    return true;
  }
};
