#include "CzechCollation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>
#include <vector>

namespace kelo {
namespace {

std::unique_ptr<icu::Collator> OpenCollator(icu::Collator::ECollationStrength strength) {
  UErrorCode error = U_ZERO_ERROR;
  std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale("cs"), error));
  if (U_FAILURE(error) || !collator) {
    error = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(icu::Locale::getRoot(), error));
  }
  collator->setStrength(strength);
  return collator;
}

std::string SortKeyOf(const icu::Collator& collator, const icu::UnicodeString& text) {
  std::vector<uint8_t> buffer(text.length() * 4 + 16);
  int32_t length = collator.getSortKey(text, buffer.data(), static_cast<int32_t>(buffer.size()));
  if (length > static_cast<int32_t>(buffer.size())) {
    buffer.resize(length);
    length = collator.getSortKey(text, buffer.data(), length);
  }
  // The key ends in a NUL terminator that we do not keep.
  if (length > 0) --length;
  return std::string(reinterpret_cast<const char*>(buffer.data()), length);
}

// Secondary strength tells accents apart but not letter case; tertiary adds
// case as the tie-break.
const icu::Collator& CaseBlind() {
  static const auto collator = OpenCollator(icu::Collator::SECONDARY);
  return *collator;
}

const icu::Collator& CaseAware() {
  static const auto collator = OpenCollator(icu::Collator::TERTIARY);
  return *collator;
}

icu::UnicodeString FromUtf8(std::string_view utf8) {
  return icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
}

}  // namespace

NameKeys MakeNameKeys(std::string_view utf8Name) {
  const auto text = FromUtf8(utf8Name);
  return NameKeys{SortKeyOf(CaseAware(), text), SortKeyOf(CaseBlind(), text)};
}

std::string MatchKey(std::string_view utf8Name) { return SortKeyOf(CaseBlind(), FromUtf8(utf8Name)); }

int CompareNames(const NameKeys& a, std::string_view aName, const NameKeys& b,
                 std::string_view bName) {
  // matchKey first keeps names equal without regard to case side by side even
  // if the two strengths ever disagreed, so a binary search by matchKey works.
  if (const int caseBlind = a.matchKey.compare(b.matchKey); caseBlind != 0) return caseBlind;
  if (const int caseAware = a.sortKey.compare(b.sortKey); caseAware != 0) return caseAware;
  return aName.compare(bName);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return MatchKey(a) == MatchKey(b);
}

}  // namespace kelo
