#include "elicitation/StartEntries.h"

namespace kelo {
namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::string TrimEntry(std::string_view entry) {
  // UTF-8 continuation and lead bytes are all above 127, so trimming bytewise
  // never cuts a character.
  while (!entry.empty() && IsTrimmed(entry.front())) entry.remove_prefix(1);
  while (!entry.empty() && IsTrimmed(entry.back())) entry.remove_suffix(1);
  return std::string(entry);
}

StartEntryResult AcceptStartEntry(KnowledgeBase& base, std::string_view entry) {
  std::string name = TrimEntry(entry);
  if (name.empty()) return {StartEntryOutcome::kEmpty, "Zadejte název objektu."};
  if (auto s = StorableName(name, "Název objektu"); !s) return {StartEntryOutcome::kUnstorable, s.message()};
  if (base.O.IndexOf(name) != -1) return {StartEntryOutcome::kDuplicate, "Objekt tohoto jména už v bázi je."};
  if (auto s = base.AddStartObject(std::move(name)); !s) return {StartEntryOutcome::kUnstorable, s.message()};
  return {StartEntryOutcome::kAdded, {}};
}

std::array<StartEntryResult, kStartEntryCount> AcceptStartEntries(
    KnowledgeBase& base, const std::array<std::string_view, kStartEntryCount>& entries) {
  std::array<StartEntryResult, kStartEntryCount> results{};
  for (int field = kStartEntryCount - 1; field >= 0; --field) results[field] = AcceptStartEntry(base, entries[field]);
  return results;
}

}  // namespace kelo
