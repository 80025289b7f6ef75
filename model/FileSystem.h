#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace kelo {

// The one seam through which the core writes files, so tests can make a
// create, a write or a rename fail.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Creates or truncates the file and writes all bytes, flushed to disk.
  virtual Status WriteFile(const std::filesystem::path& path, std::string_view bytes) = 0;
  // Replaces `to` by `from` in one step.
  virtual Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void Remove(const std::filesystem::path& path) = 0;
};

FileSystem& RealFileSystem();

struct FileContent {
  std::filesystem::path target;
  std::string bytes;
};

// Writes every file to a temporary file beside its target and only when all of
// them are written renames each over its target, in the given order. On any
// failure the temporary files are removed and the targets are left as they
// were; the message names the target ("Cannot create file ...").
Status WriteFilesAtomically(const std::vector<FileContent>& files, FileSystem& fs = RealFileSystem());

// "Cannot create file <path>" with the reason, the text every failed write
// reports.
std::string CannotCreateMessage(const std::filesystem::path& target, std::string_view reason);

}  // namespace kelo
