#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileSystem.h"
#include "model/Status.h"

namespace kelo {

// Weight codes of a construct in a consultation.
inline constexpr int kWeightVeryImportant = 100;
inline constexpr int kWeightSomewhatImportant = 50;
inline constexpr int kWeightNotImportant = 0;
// Filler for a construct the stored consultation had no field for.
inline constexpr int kWeightMissing = -1;

// One saved consultation: per construct position k, a weight and a wished
// value. Texts are kept as read (every one a valid integer text) so that a file
// read and written unchanged keeps its bytes.
struct Consultation {
  std::string Name;
  std::vector<std::string> Weights;
  std::vector<std::string> Profile;

  int Weight(int k) const;
  int WishedValue(int k) const;
};

// The saved consultations of the open knowledge base, in file order, with one
// column per construct, and the current consultation.
class ConsultationTable {
 public:
  const std::vector<Consultation>& consultations() const { return consultations_; }
  int ColumnCount() const { return columns_; }
  // Index of the current consultation, or -1 before the first pick.
  int Current() const { return current_; }
  const Consultation& CurrentConsultation() const { return consultations_[current_]; }

  // Rebuilds the table from `file` with `constructCount` columns and returns
  // the names in Czech alphabetical order. A missing file, or one of fewer
  // than three lines, gives an empty table. A malformed file (an incomplete
  // last consultation, a weight or wished value that is not an integer) is an
  // error naming the file and the line, and leaves the table as it was.
  // The current consultation keeps its index while the table still has it.
  Result<std::vector<std::string>> LoadConsultations(const std::filesystem::path& file, int constructCount);

  // Writes the whole table, three lines per consultation, or one empty line
  // for an empty table; atomically, through `fs`. A name the file cannot hold
  // fails naming the file and the line, and nothing is written.
  Status SaveConsultations(const std::filesystem::path& file, FileSystem& fs = RealFileSystem()) const;

  // Finds the first consultation named `name` without regard to letter case,
  // or appends a new one with every weight and wished value 0; either way it
  // becomes the current one. Returns its index. Saves nothing.
  int FindOrAddConsultation(std::string_view name);

  // Ok when the file can hold `name` (see StorableName); the name box checks
  // a typed name with it before FindOrAddConsultation.
  static Status CheckConsultationName(std::string_view name);

  // On the current consultation (precondition: there is one, 0 <= k < columns).
  // choice 0, 1, 2 stores the weight 100, 50, 0.
  void SetWeight(int k, int choice);
  void SetWishedValue(int k, int v);

  // Column operations on every consultation. InsertColumn adds a column at
  // 0 <= k <= ColumnCount() with weight 0 and wished value 0; MoveColumn moves
  // column `from` to `to`, the columns between shifting by one.
  void InsertColumn(int k);
  void MoveColumn(int from, int to);

 private:
  std::vector<Consultation> consultations_;
  int columns_ = 0;
  int current_ = -1;
};

// The consultations file of the knowledge base whose grid file is
// `currentFile`: its base name + ".kon", beside it (".kon" when never saved).
std::filesystem::path ConsultationsFileName(const std::filesystem::path& currentFile);

// After a construct was added at sorted position k (constructCount counts it):
// every saved consultation gets weight 0 and wished value 0 at k, and the file
// is rewritten. Nothing is written if the file cannot be read.
Status InsertConstructIntoConsultations(const std::filesystem::path& file, int k, int constructCount,
                                        FileSystem& fs = RealFileSystem());

// After a renamed construct moved from sorted position `from` to `to`: the
// saved consultations' columns move with it, so every wish stays on its
// construct. No file, nothing to do.
Status MoveConstructInConsultations(const std::filesystem::path& file, int from, int to, int constructCount,
                                    FileSystem& fs = RealFileSystem());

}  // namespace kelo
