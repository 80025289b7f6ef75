#include "consultation/Consultations.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "model/BaseFiles.h"
#include "model/CzechCollation.h"
#include "model/KnowledgeBase.h"
#include "model/RatingTexts.h"
#include "model/TextFile.h"

namespace kelo {
namespace {

constexpr int kLinesPerConsultation = 3;

// Fills `cells` with the first n fields of `line`; each must be an integer.
// `count` receives how many fields the line had up to n.
Status ReadNumberLine(const std::filesystem::path& file, std::size_t lineNumber, std::string_view line, int n,
                      std::string_view what, std::vector<std::string>& cells, int& count) {
  const auto fields = SplitAtTabs(line);
  count = std::min(static_cast<int>(fields.size()), n);
  for (int c = 0; c < count; ++c) {
    if (!ParseRating(fields[c]))
      return Status::Error(AtLine(file, lineNumber,
                                  std::string(what) + " konstruktu " + std::to_string(c + 1) + " „" +
                                      std::string(fields[c]) + "“ není celé číslo."));
    cells[c] = std::string(fields[c]);
  }
  return Status::Ok();
}

Result<std::vector<Consultation>> ParseConsultations(const std::filesystem::path& file,
                                                     const std::vector<std::string>& lines, int n) {
  std::vector<Consultation> table;
  if (lines.size() < kLinesPerConsultation) return table;
  if (const auto rest = lines.size() % kLinesPerConsultation; rest != 0) {
    const auto first = lines.size() - rest + 1;
    return Status::Error(AtLine(file, first,
                                rest == 1 ? "konzultaci „" + lines[first - 1] + "“ chybí řádek vah a řádek přání."
                                          : "konzultaci „" + lines[first - 1] + "“ chybí řádek přání."));
  }
  table.reserve(lines.size() / kLinesPerConsultation);
  for (std::size_t i = 0; i < lines.size(); i += kLinesPerConsultation) {
    // Constructs the file has no field for count as unimportant and neutral.
    Consultation c{lines[i], std::vector<std::string>(n, "-1"), std::vector<std::string>(n, "0")};
    int weightCount = 0, valueCount = 0;
    if (auto s = ReadNumberLine(file, i + 2, lines[i + 1], n, "Váha", c.Weights, weightCount); !s) return s;
    if (auto s = ReadNumberLine(file, i + 3, lines[i + 2], n, "Přání", c.Profile, valueCount); !s) return s;
    // The line of wished values decides which constructs the consultation had.
    if (weightCount < valueCount)
      return Status::Error(AtLine(file, i + 2, "chybí váha konstruktu " + std::to_string(weightCount + 1) + "."));
    std::fill(c.Weights.begin() + valueCount, c.Weights.end(), "-1");
    table.push_back(std::move(c));
  }
  return table;
}

std::string JoinWithTabs(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += '\t';
    line += cells[i];
  }
  return line;
}

void MoveCell(std::vector<std::string>& cells, int from, int to) {
  std::string cell = std::move(cells[from]);
  cells.erase(cells.begin() + from);
  cells.insert(cells.begin() + to, std::move(cell));
}

}  // namespace

int Consultation::Weight(int k) const { return ParseRating(Weights[k]).value_or(kWeightNotImportant); }

int Consultation::WishedValue(int k) const { return ParseRating(Profile[k]).value_or(0); }

Result<std::vector<std::string>> ConsultationTable::LoadConsultations(const std::filesystem::path& file,
                                                                       int constructCount) {
  std::vector<Consultation> table;
  std::error_code error;
  if (std::filesystem::exists(file, error) || error) {
    auto lines = ReadTextLines(file);
    if (!lines) return lines.status();
    auto parsed = ParseConsultations(file, *lines, constructCount);
    if (!parsed) return parsed.status();
    table = std::move(*parsed);
  }
  consultations_ = std::move(table);
  columns_ = constructCount;
  if (current_ >= static_cast<int>(consultations_.size())) current_ = -1;

  std::vector<std::pair<NameKeys, std::string>> keyed;
  keyed.reserve(consultations_.size());
  for (const auto& c : consultations_) keyed.emplace_back(MakeNameKeys(c.Name), c.Name);
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    return CompareNames(a.first, a.second, b.first, b.second) < 0;
  });
  std::vector<std::string> names;
  names.reserve(keyed.size());
  for (auto& [keys, name] : keyed) names.push_back(std::move(name));
  return names;
}

Status ConsultationTable::SaveConsultations(const std::filesystem::path& file, FileSystem& fs) const {
  std::vector<std::string> lines;
  if (consultations_.empty()) lines.emplace_back();
  for (const auto& c : consultations_) {
    // A TAB or line end in a name would shift every later line of the file.
    if (auto s = CheckConsultationName(c.Name); !s)
      return Status::Error(AtLine(file, lines.size() + 1, s.message()));
    lines.push_back(c.Name);
    lines.push_back(JoinWithTabs(c.Weights));
    lines.push_back(JoinWithTabs(c.Profile));
  }
  auto bytes = EncodeTextLines(file, lines);
  if (!bytes) return bytes.status();
  return WriteFilesAtomically({{file, std::move(*bytes)}}, fs);
}

int ConsultationTable::FindOrAddConsultation(std::string_view name) {
  const std::string key = MatchKey(name);
  const auto found = std::find_if(consultations_.begin(), consultations_.end(),
                                  [&](const Consultation& c) { return MatchKey(c.Name) == key; });
  if (found != consultations_.end()) {
    current_ = static_cast<int>(found - consultations_.begin());
  } else {
    consultations_.push_back(Consultation{std::string(name), std::vector<std::string>(columns_, "0"),
                                          std::vector<std::string>(columns_, "0")});
    current_ = static_cast<int>(consultations_.size()) - 1;
  }
  return current_;
}

Status ConsultationTable::CheckConsultationName(std::string_view name) {
  return StorableName(name, "Název konzultace");
}

void ConsultationTable::SetWeight(int k, int choice) {
  consultations_[current_].Weights[k] = std::to_string(kWeightVeryImportant - 50 * choice);
}

void ConsultationTable::SetWishedValue(int k, int v) { consultations_[current_].Profile[k] = std::to_string(v); }

void ConsultationTable::InsertColumn(int k) {
  for (auto& c : consultations_) {
    c.Weights.insert(c.Weights.begin() + k, "0");
    c.Profile.insert(c.Profile.begin() + k, "0");
  }
  ++columns_;
}

void ConsultationTable::MoveColumn(int from, int to) {
  for (auto& c : consultations_) {
    MoveCell(c.Weights, from, to);
    MoveCell(c.Profile, from, to);
  }
}

std::filesystem::path ConsultationsFileName(const std::filesystem::path& currentFile) {
  return CompanionFileName(currentFile, ".kon");
}

Status InsertConstructIntoConsultations(const std::filesystem::path& file, int k, int constructCount,
                                        FileSystem& fs) {
  // The file predates the construct, so it is read one column short; any
  // stray field it held there is dropped like every field beyond the last.
  ConsultationTable table;
  if (auto names = table.LoadConsultations(file, constructCount - 1); !names) return names.status();
  table.InsertColumn(k);
  return table.SaveConsultations(file, fs);
}

Status MoveConstructInConsultations(const std::filesystem::path& file, int from, int to, int constructCount,
                                    FileSystem& fs) {
  std::error_code error;
  if (from == to || (!std::filesystem::exists(file, error) && !error)) return Status::Ok();
  ConsultationTable table;
  if (auto names = table.LoadConsultations(file, constructCount); !names) return names.status();
  table.MoveColumn(from, to);
  return table.SaveConsultations(file, fs);
}

}  // namespace kelo
