#include "TextFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "Cp1250.h"

namespace kelo {
namespace {

Status CannotOpen(const std::filesystem::path& path, std::string_view reason) {
  std::string message = "Cannot open file " + path.string();
  if (!reason.empty()) message += " (" + std::string(reason) + ")";
  return Status::Error(message);
}

}  // namespace

Result<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return CannotOpen(path, "je to složka");
  std::ifstream in(path, std::ios::binary);
  if (!in) return CannotOpen(path, std::strerror(errno));
  in.seekg(0, std::ios::end);
  const auto size = static_cast<std::size_t>(in.tellg());
  if (size > kMaxTextFileBytes) return CannotOpen(path, "soubor je příliš velký");
  in.seekg(0);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return CannotOpen(path, "chyba čtení");
  if (const auto nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);

  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(DecodeCp1250(std::string_view(bytes).substr(start, end - start)));
    if (end == bytes.size()) break;
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

Result<std::string> EncodeTextLines(const std::filesystem::path& path,
                                    const std::vector<std::string>& lines) {
  std::string bytes;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto encoded = EncodeCp1250(lines[i]);
    if (!encoded) return Status::Error(AtLine(path, i + 1, encoded.message()));
    bytes += *encoded;
    bytes += "\r\n";
  }
  return bytes;
}

std::string AtLine(const std::filesystem::path& path, std::size_t line, std::string_view message) {
  return path.string() + ", řádek " + std::to_string(line) + ": " + std::string(message);
}

std::vector<std::string_view> SplitAtTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

}  // namespace kelo
