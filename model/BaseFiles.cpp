#include "BaseFiles.h"

#include <algorithm>
#include <numeric>

#include "Cp1250.h"
#include "TextFile.h"

namespace kelo {
namespace {

class ProblemList {
 public:
  explicit ProblemList(std::size_t maxReported) : maxReported_(maxReported) {}
  void Add(std::string message) {
    ++count_;
    if (messages_.size() < maxReported_) messages_.push_back(std::move(message));
  }
  bool empty() const { return count_ == 0; }
  Status ToStatus() const {
    std::string text;
    for (const auto& message : messages_) {
      if (!text.empty()) text += '\n';
      text += message;
    }
    if (count_ > messages_.size())
      text += "\n… a další chyby (celkem " + std::to_string(count_) + ")";
    return Status::Error(text);
  }

 private:
  std::size_t maxReported_;
  std::vector<std::string> messages_;
  std::size_t count_ = 0;
};

Status AppendEncoded(std::string& out, std::string_view text, const std::filesystem::path& file,
                     std::size_t line) {
  auto encoded = EncodeCp1250(text);
  if (!encoded) return Status::Error(AtLine(file, line, encoded.message()));
  out += *encoded;
  return Status::Ok();
}

Result<std::string> GridBytes(const KnowledgeBase& base, const std::filesystem::path& gridFile) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(base.K.size()) * (base.O.size() * 4 + 64));
  for (int k = 0; k < base.K.size(); ++k) {
    const auto line = static_cast<std::size_t>(k) + 1;
    if (auto s = AppendEncoded(bytes, base.K.name(k), gridFile, line); !s) return s;
    bytes += '\t';
    if (auto s = AppendEncoded(bytes, base.K[k].Opposite, gridFile, line); !s) return s;
    const RatingTexts& values = base.K[k].Values;
    for (std::size_t o = 0; o < values.size(); ++o) {
      bytes += '\t';
      values.appendText(bytes, o);
    }
    bytes += "\r\n";
  }
  return bytes;
}

// Object positions in sorted order, as file lines: the sort is stable so that
// names equal even in their bytes keep their file order, as adding them one by
// one would.
std::vector<std::size_t> SortedOrderOf(const std::vector<std::string>& names) {
  std::vector<NameKeys> keys;
  keys.reserve(names.size());
  for (const auto& name : names) keys.push_back(MakeNameKeys(name));
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return CompareNames(keys[a], names[a], keys[b], names[b]) < 0;
  });
  return order;
}

}  // namespace

std::filesystem::path CompanionFileName(const std::filesystem::path& currentFile,
                                        std::string_view suffix) {
  std::string base = currentFile.filename().string();
  if (const auto dot = base.rfind('.'); dot != std::string::npos) base.resize(dot);
  return currentFile.parent_path() / (base + std::string(suffix));
}

Status SaveBase(const KnowledgeBase& base, const std::filesystem::path& gridFile, FileSystem& fs) {
  if (gridFile.empty()) return Status::Error(CannotCreateMessage(gridFile, "báze ještě nebyla uložena, uložte ji příkazem Soubor, Uložit"));
  auto grid = GridBytes(base, gridFile);
  if (!grid) return grid.status();
  const auto objectFile = CompanionFileName(gridFile, ".O");
  std::vector<std::string> names;
  names.reserve(base.O.size());
  for (int o = 0; o < base.O.size(); ++o) names.push_back(base.O.name(o));
  auto objects = EncodeTextLines(objectFile, names);
  if (!objects) return objects.status();
  // Moved in one by one: a braced list would copy the whole grid once more.
  std::vector<FileContent> files;
  files.reserve(2);
  files.push_back({gridFile, std::move(*grid)});
  files.push_back({objectFile, std::move(*objects)});
  return WriteFilesAtomically(files, fs);
}

Result<ConstructLine> LoadConstructs(const std::filesystem::path& gridFile, std::size_t lineNumber,
                                     std::string_view line, std::size_t n) {
  auto fields = SplitAtTabs(line);
  if (fields.size() != n + 2) {
    const auto found = fields.size() < 2 ? 0 : fields.size() - 2;
    std::string message = fields.size() < 2
                              ? "chybí opačná vlastnost konstruktu"
                              : "očekáváno hodnocení " + std::to_string(n) + " objektů, řádek jich má " +
                                    std::to_string(found);
    return Status::Error(AtLine(gridFile, lineNumber, message));
  }
  ConstructLine parsed{fields[0], fields[1], {}};
  parsed.values.assign(fields.begin() + 2, fields.end());
  return parsed;
}

Status LoadBase(const std::filesystem::path& gridFile, KnowledgeBase& into, std::size_t maxReported) {
  const auto objectFile = CompanionFileName(gridFile, ".O");
  auto names = ReadTextLines(objectFile);
  if (!names) return names.status();
  auto gridLines = ReadTextLines(gridFile);
  if (!gridLines) return gridLines.status();

  const std::size_t n = names->size();
  const auto order = SortedOrderOf(*names);
  ProblemList problems(maxReported);
  KnowledgeBase base;
  for (std::size_t i = 0; i < gridLines->size(); ++i) {
    auto line = LoadConstructs(gridFile, i + 1, (*gridLines)[i], n);
    if (!line) {
      problems.Add(line.message());
      continue;
    }
    TKonstrukt construct;
    construct.Opposite = std::string(line->opposite);
    construct.Values.reserve(n);
    for (std::size_t position = 0; position < n; ++position) {
      const std::string_view text = line->values[order[position]];
      if (!construct.Values.push_back_text(text))
        problems.Add(AtLine(gridFile, i + 1,
                            "hodnota " + std::to_string(order[position] + 1) + ": '" + std::string(text) +
                                "' is not a valid integer value"));
    }
    base.K.Add(std::string(line->name), std::move(construct));
  }
  if (!problems.empty()) return problems.ToStatus();

  base.O.Reserve(n);
  for (std::size_t position = 0; position < n; ++position) {
    TObjekt object;
    object.Values.reserve(base.K.size());
    for (int k = 0; k < base.K.size(); ++k) object.Values.push_back(base.K[k].Values.value(position));
    base.O.Add(std::move((*names)[order[position]]), std::move(object));
  }
  into = std::move(base);
  return Status::Ok();
}

}  // namespace kelo
