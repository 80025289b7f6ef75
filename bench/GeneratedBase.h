#pragma once

#include <cstdint>
#include <filesystem>

#include "model/KnowledgeBase.h"

namespace kelo::bench {

// A knowledge base of `objects` × `constructs` with unique Czech-looking names
// ("Horní Lhota 417", "přívětivé 12" / "nepřívětivé 12") and uniformly random
// ratings in -100..100; the same seed gives the same base.
KnowledgeBase GenerateBase(int objects, int constructs, std::uint32_t seed = 1250);

// A fresh folder under the system's temporary folder, removed with its
// contents when the object dies.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Size in bytes of the grid file plus its object-name file.
std::uintmax_t BaseFileBytes(const std::filesystem::path& gridFile);

}  // namespace kelo::bench
