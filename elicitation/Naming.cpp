#include "elicitation/Naming.h"

#include <algorithm>

#include "model/CzechCollation.h"

namespace kelo {

std::string DefaultOpposite(std::string_view name) { return "ne" + std::string(name); }

std::string TriadText(const KnowledgeBase& base, int t) {
  std::string text;
  for (int o = std::max(t, 0); o < std::min(t + 3, base.ObjectCount()); ++o) {
    if (!text.empty()) text += ",\n";
    text += base.O.name(o);
  }
  return text;
}

Status AcceptObjectName(const KnowledgeBase& base, std::string_view name) {
  if (auto s = StorableName(name, "Název objektu"); !s) return s;
  if (base.O.IndexOf(name) != -1) return Status::Error("Objekt tohoto jména už v bázi je.");
  return Status::Ok();
}

Status AcceptConstructName(const KnowledgeBase& base, std::string_view name, std::string_view opposite,
                           int renamedConstruct) {
  if (auto s = StorableName(name, "Název konstruktu"); !s) return s;
  if (auto s = StorableName(opposite, "Opačná vlastnost"); !s) return s;
  // Names equal without regard to case stand next to each other, so past the
  // renamed construct itself only the next position can clash.
  int clash = base.K.IndexOf(name);
  if (clash != -1 && clash == renamedConstruct)
    clash = clash + 1 < base.ConstructCount() && SameNameIgnoringCase(base.K.name(clash + 1), name) ? clash + 1 : -1;
  if (clash != -1) return Status::Error("Konstrukt tohoto jména už v bázi je.");
  return Status::Ok();
}

}  // namespace kelo
