#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/KnowledgeBase.h"

namespace kelo {

// The start dialog's five object entries, Edit1 to Edit5.
inline constexpr int kStartEntryCount = 5;

// The entry without the leading and trailing characters of code 32 or below
// (blanks, tabs, line ends and other control characters).
std::string TrimEntry(std::string_view entry);

enum class StartEntryOutcome {
  kAdded,
  kEmpty,       // nothing left after trimming
  kDuplicate,   // an object of that name, without regard to case, exists
  kUnstorable,  // the files could not hold the name
};

struct StartEntryResult {
  StartEntryOutcome outcome;
  // Czech, for the user; empty when added.
  std::string message;
};

// Accepts one entry: the trimmed text is added with AddStartObject unless it
// is empty, already names an object or cannot be stored; a refused entry
// changes nothing.
StartEntryResult AcceptStartEntry(KnowledgeBase& base, std::string_view entry);

// The start dialog's OK: the entries, given in field order Edit1..Edit5, are
// accepted in the order Edit5..Edit1, so of two entries naming the same object
// the lower field wins. The results are in field order. The caller goes on
// only when the object list then holds five objects; otherwise the fields are
// corrected and OK pressed again, and the objects already added are then
// refused as duplicates.
std::array<StartEntryResult, kStartEntryCount> AcceptStartEntries(
    KnowledgeBase& base, const std::array<std::string_view, kStartEntryCount>& entries);

}  // namespace kelo
