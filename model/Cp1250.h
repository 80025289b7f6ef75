#pragma once

#include <string>
#include <string_view>

#include "Status.h"

namespace kelo {

// The Windows-1250 boundary: text is UTF-8 in memory and Windows-1250 on disk.
// Every one of the 256 bytes has exactly one character, so decoding never
// fails and a decoded file encodes back to the same bytes.

std::string DecodeCp1250(std::string_view bytes);

// Fails, naming the first offending character, when the text is not valid
// UTF-8 or holds a character that Windows-1250 cannot represent.
Result<std::string> EncodeCp1250(std::string_view utf8);

bool IsCp1250Encodable(std::string_view utf8);

}  // namespace kelo
