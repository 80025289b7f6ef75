#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelo {

// Parses a rating text: an optional sign followed by decimal digits, within
// the range of a 32-bit integer. Anything else is not a rating.
std::optional<int> ParseRating(std::string_view text);

// The ordered rating texts of one vector (the `Values` of a record).
//
// Every text here is a valid rating text: canonical decimal texts, as written
// by integer-to-text conversion, are held as plain integers so a grid of
// millions of ratings stays small; any other form read from a file ("+5",
// "007") is kept as read, so that saving reproduces the file byte for byte.
class RatingTexts {
 public:
  std::size_t size() const { return codes_.size(); }
  bool empty() const { return codes_.empty(); }

  // Preconditions for all position arguments: within range.
  int value(std::size_t i) const;
  std::string text(std::size_t i) const;
  void appendText(std::string& out, std::size_t i) const;

  void set(std::size_t i, int value);
  void insert(std::size_t i, int value);
  void erase(std::size_t i);
  void push_back(int value) { codes_.push_back(Encode(value)); }
  // Keeps the text as it stands. Returns false, changing nothing, when the
  // text is not a rating.
  bool push_back_text(std::string_view text);
  void move(std::size_t from, std::size_t to);
  void reserve(std::size_t n) { codes_.reserve(n); }

  friend bool operator==(const RatingTexts& a, const RatingTexts& b);

 private:
  // Codes at or below kFirstTextCode index verbatim texts; the rest are the
  // rating itself.
  static constexpr int32_t kLargestDirect = 1'000'000'000;
  static constexpr int32_t kFirstTextCode = -kLargestDirect - 1;
  int32_t Encode(int value);

  std::vector<int32_t> codes_;
  std::vector<std::string> verbatim_;
};

}  // namespace kelo
