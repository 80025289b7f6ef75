#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "FileSystem.h"
#include "KnowledgeBase.h"
#include "Status.h"

namespace kelo {

// The companion of a grid file: its base name (the file name up to its last
// dot) followed by `suffix` (".O", ".imp", ".kon"), in the grid file's folder.
// A base never saved (empty current file name) has the companion "<suffix>" in
// the working folder.
std::filesystem::path CompanionFileName(const std::filesystem::path& currentFile,
                                        std::string_view suffix);

// Writes the grid file and then its object-name file ".O", both replaced as a
// pair only when both are written; on failure neither changes and the message
// names the file. The knowledge base is not touched.
Status SaveBase(const KnowledgeBase& base, const std::filesystem::path& gridFile,
                FileSystem& fs = RealFileSystem());

// One line of a grid file split into its fields.
struct ConstructLine {
  std::string_view name;
  std::string_view opposite;
  std::vector<std::string_view> values;
};

// Splits grid line `lineNumber` (from 1) into name, opposite and exactly n
// values; a line with another number of fields is an error naming the line.
Result<ConstructLine> LoadConstructs(const std::filesystem::path& gridFile, std::size_t lineNumber,
                                     std::string_view line, std::size_t n);

// Reads the object-name file and the grid file into a new knowledge base.
// Objects whose lines are out of sorted order take their sorted positions and
// their columns move with them. Every problem found is reported, one per line
// of the message, naming the file and the line; on failure `into` is left as
// it was. Beyond `maxReported` problems the message only counts the rest, so
// a message box stays readable.
inline constexpr std::size_t kReportedProblemsForDisplay = 20;
Status LoadBase(const std::filesystem::path& gridFile, KnowledgeBase& into,
                std::size_t maxReported = kReportedProblemsForDisplay);

}  // namespace kelo
