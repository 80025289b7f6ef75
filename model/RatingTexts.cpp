#include "RatingTexts.h"

#include <charconv>
#include <cstdlib>

namespace kelo {

std::optional<int> ParseRating(std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty() || digits.size() > 11) return std::nullopt;
  int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  const int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int>(value);
}

namespace {

bool IsCanonical(std::string_view text, int value) {
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return text == std::string_view(buffer, end - buffer);
}

}  // namespace

int32_t RatingTexts::Encode(int value) {
  if (value >= -kLargestDirect && value <= kLargestDirect) return value;
  verbatim_.push_back(std::to_string(value));
  return kFirstTextCode - static_cast<int32_t>(verbatim_.size() - 1);
}

int RatingTexts::value(std::size_t i) const {
  const int32_t code = codes_[i];
  if (code >= -kLargestDirect) return code;
  return *ParseRating(verbatim_[kFirstTextCode - code]);
}

std::string RatingTexts::text(std::size_t i) const {
  std::string out;
  appendText(out, i);
  return out;
}

void RatingTexts::appendText(std::string& out, std::size_t i) const {
  const int32_t code = codes_[i];
  if (code >= -kLargestDirect) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, code).ptr;
    out.append(buffer, end);
  } else {
    out += verbatim_[kFirstTextCode - code];
  }
}

void RatingTexts::set(std::size_t i, int value) { codes_[i] = Encode(value); }

void RatingTexts::insert(std::size_t i, int value) {
  codes_.insert(codes_.begin() + static_cast<std::ptrdiff_t>(i), Encode(value));
}

void RatingTexts::erase(std::size_t i) { codes_.erase(codes_.begin() + static_cast<std::ptrdiff_t>(i)); }

bool RatingTexts::push_back_text(std::string_view text) {
  const auto value = ParseRating(text);
  if (!value) return false;
  if (IsCanonical(text, *value) && *value >= -kLargestDirect && *value <= kLargestDirect) {
    codes_.push_back(*value);
  } else {
    verbatim_.emplace_back(text);
    codes_.push_back(kFirstTextCode - static_cast<int32_t>(verbatim_.size() - 1));
  }
  return true;
}

void RatingTexts::move(std::size_t from, std::size_t to) {
  if (from == to) return;
  const int32_t code = codes_[from];
  codes_.erase(codes_.begin() + static_cast<std::ptrdiff_t>(from));
  codes_.insert(codes_.begin() + static_cast<std::ptrdiff_t>(to), code);
}

bool operator==(const RatingTexts& a, const RatingTexts& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a.text(i) != b.text(i)) return false;
  return true;
}

}  // namespace kelo
