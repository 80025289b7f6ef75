#include "cli/Commands.h"

#include <filesystem>
#include <limits>
#include <optional>

#include "consultation/Consultations.h"
#include "model/BaseFiles.h"
#include "model/KnowledgeBase.h"
#include "model/RatingTexts.h"
#include "model/TextFile.h"

namespace kelo {
namespace {

namespace fs = std::filesystem;

constexpr int kMinRating = -100;
constexpr int kMaxRating = 100;

constexpr const char* kUsage =
    "Použití:\n"
    "  kelo-cli show SOUBOR.tab    vypíše objekty (O) a konstrukty (K) báze znalostí\n"
    "  kelo-cli check SOUBOR.tab   zkontroluje soubor báze, soubor objektů (.O)\n"
    "                              a soubor konzultací (.kon)\n";

int Usage(std::ostream& err, const std::string& problem) {
  err << "kelo-cli: " << problem << "\n" << kUsage;
  return 1;
}

// A message may hold several problems, one per line; each goes out as its own
// line.
void Report(std::ostream& err, const std::string& message) {
  err << message;
  if (message.empty() || message.back() != '\n') err << '\n';
}

int Show(const fs::path& gridFile, std::ostream& out, std::ostream& err) {
  KnowledgeBase base;
  if (auto status = LoadBase(gridFile, base); !status) {
    Report(err, status.message());
    return 1;
  }
  for (int o = 0; o < base.O.size(); ++o) out << "O\t" << base.O.name(o) << '\n';
  for (int k = 0; k < base.K.size(); ++k) out << "K\t" << base.K.name(k) << '\t' << base.K[k].Opposite << '\n';
  return 0;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

// The model reads any integer as a rating; a sound base keeps to the scale.
// Re-reads the lines so that each rating is reported at its own line.
void CheckRatingRange(const fs::path& gridFile, std::size_t objectCount, std::vector<std::string>& problems) {
  auto lines = ReadTextLines(gridFile);
  if (!lines) return;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    auto line = LoadConstructs(gridFile, i + 1, (*lines)[i], objectCount);
    if (!line) continue;
    for (std::size_t j = 0; j < line->values.size(); ++j) {
      const auto value = ParseRating(line->values[j]);
      if (value && !InRange(*value, kMinRating, kMaxRating))
        problems.push_back(AtLine(gridFile, i + 1,
                                  "hodnota " + std::to_string(j + 1) + ": hodnocení " + std::to_string(*value) +
                                      " je mimo rozsah -100 až 100"));
    }
  }
}

bool IsWeightCode(int weight) {
  return weight == kWeightVeryImportant || weight == kWeightSomewhatImportant || weight == kWeightNotImportant ||
         weight == kWeightMissing;
}

// Consultation i takes file lines 3i+1 (name), 3i+2 (weights), 3i+3 (wishes).
void CheckConsultationValues(const fs::path& file, const ConsultationTable& table,
                             std::vector<std::string>& problems) {
  const auto& consultations = table.consultations();
  for (std::size_t i = 0; i < consultations.size(); ++i) {
    const Consultation& c = consultations[i];
    for (int k = 0; k < table.ColumnCount(); ++k) {
      if (const int weight = c.Weight(k); !IsWeightCode(weight))
        problems.push_back(AtLine(file, 3 * i + 2,
                                  "váha " + std::to_string(k + 1) + ": " + std::to_string(weight) +
                                      " není 100, 50 ani 0"));
      if (const int wish = c.WishedValue(k); !InRange(wish, kMinRating, kMaxRating))
        problems.push_back(AtLine(file, 3 * i + 3,
                                  "přání " + std::to_string(k + 1) + ": " + std::to_string(wish) +
                                      " je mimo rozsah -100 až 100"));
    }
  }
}

int Check(const fs::path& gridFile, std::ostream& out, std::ostream& err) {
  std::vector<std::string> problems;
  KnowledgeBase base;
  // The consultations file is checked even when the grid is not sound, with
  // one column per grid line, so that one run reports every problem.
  std::optional<int> constructCount;
  if (auto status = LoadBase(gridFile, base, std::numeric_limits<std::size_t>::max()); !status) {
    problems.push_back(status.message());
    if (auto lines = ReadTextLines(gridFile)) constructCount = static_cast<int>(lines->size());
  } else {
    constructCount = base.K.size();
    CheckRatingRange(gridFile, static_cast<std::size_t>(base.O.size()), problems);
  }

  std::size_t consultationCount = 0;
  const fs::path consultationsFile = ConsultationsFileName(gridFile);
  std::error_code error;
  if (constructCount && fs::exists(consultationsFile, error)) {
    ConsultationTable table;
    if (auto names = table.LoadConsultations(consultationsFile, *constructCount); !names) {
      problems.push_back(names.message());
    } else {
      consultationCount = names->size();
      CheckConsultationValues(consultationsFile, table, problems);
    }
  }

  if (!problems.empty()) {
    for (const auto& problem : problems) Report(err, problem);
    return 1;
  }
  out << "Báze znalostí je v pořádku. Počet objektů: " << base.O.size()
      << ", počet konstruktů: " << base.K.size() << ", počet konzultací: " << consultationCount << ".\n";
  return 0;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err, "chybí příkaz");
  const std::string& command = args[0];
  if (command != "show" && command != "check") return Usage(err, "neznámý příkaz '" + command + "'");
  if (args.size() != 2) return Usage(err, "příkaz " + command + " potřebuje právě jeden soubor .tab");
  const fs::path gridFile(args[1]);
  return command == "show" ? Show(gridFile, out, err) : Check(gridFile, out, err);
}

}  // namespace kelo
