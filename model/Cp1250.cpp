#include "Cp1250.h"

#include <unicode/ucnv.h>
#include <unicode/utf8.h>

#include <array>
#include <unordered_map>

namespace kelo {
namespace {

struct Cp1250Tables {
  std::array<std::string, 256> toUtf8;
  std::unordered_map<UChar32, char> fromUnicode;
};

// Built once from ICU's converter so that we agree with the platform's
// definition of the code page, then used as plain tables on the hot path.
const Cp1250Tables& Tables() {
  static const Cp1250Tables tables = [] {
    Cp1250Tables t;
    UErrorCode error = U_ZERO_ERROR;
    UConverter* converter = ucnv_open("windows-1250", &error);
    for (int byte = 0; byte < 256; ++byte) {
      const char in = static_cast<char>(byte);
      UChar out[4];
      UErrorCode e = U_ZERO_ERROR;
      const int32_t length = converter ? ucnv_toUChars(converter, out, 4, &in, 1, &e) : 0;
      UChar32 cp = byte;  // Latin-1 identity if ICU lacks the converter
      if (U_SUCCESS(e) && length > 0) U16_GET(out, 0, 0, length, cp);
      char utf8[U8_MAX_LENGTH];
      int32_t n = 0;
      UBool failed = false;
      U8_APPEND(utf8, n, U8_MAX_LENGTH, cp, failed);
      (void)failed;  // every code page character fits
      t.toUtf8[byte].assign(utf8, n);
      t.fromUnicode.emplace(cp, in);
    }
    if (converter) ucnv_close(converter);
    return t;
  }();
  return tables;
}

}  // namespace

std::string DecodeCp1250(std::string_view bytes) {
  const auto& table = Tables().toUtf8;
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (unsigned char byte : bytes) {
    if (byte < 0x80)
      out.push_back(static_cast<char>(byte));
    else
      out += table[byte];
  }
  return out;
}

Result<std::string> EncodeCp1250(std::string_view utf8) {
  const auto& table = Tables().fromUnicode;
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const uint8_t*>(utf8.data());
  const int32_t length = static_cast<int32_t>(utf8.size());
  int32_t i = 0;
  while (i < length) {
    if (s[i] < 0x80) {
      out.push_back(static_cast<char>(s[i++]));
      continue;
    }
    const int32_t start = i;
    UChar32 cp;
    U8_NEXT(s, i, length, cp);
    if (cp < 0) return Status::Error("Text není platné UTF-8.");
    const auto found = table.find(cp);
    if (found == table.end())
      return Status::Error("Znak „" + std::string(utf8.substr(start, i - start)) +
                           "“ nelze uložit v kódování Windows-1250.");
    out.push_back(found->second);
  }
  return out;
}

bool IsCp1250Encodable(std::string_view utf8) { return EncodeCp1250(utf8).ok(); }

}  // namespace kelo
