#include "FileSystem.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kelo {
namespace {

class PosixFileSystem final : public FileSystem {
 public:
  Status WriteFile(const std::filesystem::path& path, std::string_view bytes) override {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return Status::Error(std::strerror(errno));
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
      const ssize_t written = ::write(fd, data, left);
      if (written < 0) {
        if (errno == EINTR) continue;
        const int error = errno;
        ::close(fd);
        return Status::Error(std::strerror(error));
      }
      data += written;
      left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) return Status::Error(std::strerror(errno));
    return Status::Ok();
  }

  Status Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return Status::Error(std::strerror(errno));
    return Status::Ok();
  }

  void Remove(const std::filesystem::path& path) override { ::unlink(path.c_str()); }
};

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".kelo-tmp";
  return temporary;
}

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

std::string CannotCreateMessage(const std::filesystem::path& target, std::string_view reason) {
  std::string message = "Cannot create file";
  if (!target.empty()) message += " " + target.string();
  if (!reason.empty()) message += " (" + std::string(reason) + ")";
  return message;
}

Status WriteFilesAtomically(const std::vector<FileContent>& files, FileSystem& fs) {
  std::vector<std::filesystem::path> written;
  auto discard = [&] {
    for (const auto& temporary : written) fs.Remove(temporary);
  };
  for (const auto& file : files) {
    const auto temporary = TemporaryBeside(file.target);
    if (auto status = fs.WriteFile(temporary, file.bytes); !status) {
      fs.Remove(temporary);
      discard();
      return Status::Error(CannotCreateMessage(file.target, status.message()));
    }
    written.push_back(temporary);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (auto status = fs.Rename(written[i], files[i].target); !status) {
      // Files renamed before this one already hold the new content; the rest
      // keep the old one. Only the first rename can fail before anything moved.
      for (std::size_t j = i; j < written.size(); ++j) fs.Remove(written[j]);
      return Status::Error(CannotCreateMessage(files[i].target, status.message()));
    }
  }
  return Status::Ok();
}

}  // namespace kelo
