#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CzechCollation.h"

namespace kelo {

// A list of named records kept in Czech alphabetical order without regard to
// letter case. Each item owns its record.
template <typename Record>
class SortedList {
 public:
  int size() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }

  // Preconditions: 0 <= position < size().
  const std::string& name(int position) const { return items_[position].name; }
  Record& operator[](int position) { return items_[position].record; }
  const Record& operator[](int position) const { return items_[position].record; }

  // The first position whose name equals `name` without regard to letter
  // case, or -1.
  int IndexOf(std::string_view name) const {
    const std::string key = MatchKey(name);
    const auto it = std::lower_bound(items_.begin(), items_.end(), key,
                                     [](const Item& item, const std::string& key) {
                                       return item.keys.matchKey < key;
                                     });
    if (it == items_.end() || it->keys.matchKey != key) return -1;
    return static_cast<int>(it - items_.begin());
  }

  // Inserts behind every item that sorts equal, so that adding the same names
  // in the same order always gives the same positions; returns the position.
  int Add(std::string name, Record record) {
    Item item{std::move(name), {}, std::move(record)};
    item.keys = MakeNameKeys(item.name);
    const auto it = std::upper_bound(items_.begin(), items_.end(), item,
                                     [](const Item& a, const Item& b) { return Less(a, b); });
    const auto position = it - items_.begin();
    items_.insert(it, std::move(item));
    return static_cast<int>(position);
  }

  void Remove(int position) { items_.erase(items_.begin() + position); }
  void Clear() { items_.clear(); }
  void Reserve(std::size_t n) { items_.reserve(n); }

 private:
  struct Item {
    std::string name;
    NameKeys keys;
    Record record;
  };
  static bool Less(const Item& a, const Item& b) {
    return CompareNames(a.keys, a.name, b.keys, b.name) < 0;
  }

  std::vector<Item> items_;
};

}  // namespace kelo
