#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace kelo {

// Files larger than this are refused rather than read into memory.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{256} << 20;

// Reads a Windows-1250 text file as UTF-8 lines. A line ends at CR, LF or
// CR LF; a last line without an end is still read; reading stops at a NUL.
// Fails with "Cannot open file <path>" when the file cannot be read.
Result<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// The bytes of a file holding `lines`, each ended by CR LF, in Windows-1250.
// Fails, naming the file and the line, if a line cannot be encoded.
Result<std::string> EncodeTextLines(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines);

// "<path>, řádek <line>: <message>" (lines counted from 1).
std::string AtLine(const std::filesystem::path& path, std::size_t line, std::string_view message);

// Splits at every TAB; a text without TAB is one field.
std::vector<std::string_view> SplitAtTabs(std::string_view line);

}  // namespace kelo
