#pragma once

#include <string>
#include <string_view>

namespace kelo {

// Keys of the Czech alphabetical order used by every sorted list and every
// lookup by name ("chata" after "hrad", "Čáp" after "cesta").
struct NameKeys {
  // Orders names without regard to letter case; names equal apart from case
  // are then ordered by case, and names equal even then by their bytes, so the
  // order is total and reproducible whatever order the names are added in.
  std::string sortKey;
  // Equal exactly when two names are equal without regard to letter case.
  std::string matchKey;
};

NameKeys MakeNameKeys(std::string_view utf8Name);
// NameKeys::matchKey alone, for lookups that need no order.
std::string MatchKey(std::string_view utf8Name);

// Negative, zero or positive like strcmp, in the order described above.
int CompareNames(const NameKeys& a, std::string_view aName, const NameKeys& b,
                 std::string_view bName);

bool SameNameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kelo
