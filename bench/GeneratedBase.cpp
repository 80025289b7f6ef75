#include "bench/GeneratedBase.h"

#include <stdlib.h>

#include <array>
#include <cerrno>
#include <random>
#include <string>

#include "model/BaseFiles.h"

namespace kelo::bench {
namespace {

constexpr std::array kPlaceFirst = {"Horní", "Dolní", "Velké", "Malé", "Nové", "Staré", "Zadní", "Přední",
                                    "Černá", "Bílá", "Zlatá", "Česká", "Moravská", "Hluboká", "Říční", "Žďárská"};
constexpr std::array kPlaceSecond = {"Lhota", "Újezd", "Ves", "Hora", "Lázně", "Třebová", "Bystřice", "Chata",
                                     "Kotlina", "Pláň", "Říčka", "Skála", "Zátoka", "Šumava", "Čistá", "Ždánice"};
constexpr std::array kProperties = {"přívětivé", "levné",   "klidné",    "čisté",     "dostupné", "zelené",
                                    "rušné",     "horské",  "přímořské", "historické", "teplé",   "dětské"};

}  // namespace

KnowledgeBase GenerateBase(int objects, int constructs, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> rating(-100, 100);
  std::uniform_int_distribution<std::size_t> first(0, kPlaceFirst.size() - 1);
  std::uniform_int_distribution<std::size_t> second(0, kPlaceSecond.size() - 1);

  // Objects before constructs: adding an object inserts a column into every
  // construct, so this order keeps generation linear.
  KnowledgeBase base;
  for (int i = 0; i < objects; ++i)
    base.AddNewObject(std::string(kPlaceFirst[first(random)]) + " " + kPlaceSecond[second(random)] + " " +
                      std::to_string(i));
  for (int k = 0; k < constructs; ++k) {
    const std::string property = std::string(kProperties[k % kProperties.size()]) + " " + std::to_string(k);
    base.AddNewConstruct(property, "ne" + property);
  }
  for (int o = 0; o < objects; ++o)
    for (int k = 0; k < constructs; ++k) base.SetValue(rating(random), o, k);
  return base;
}

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kelo-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::filesystem::filesystem_error(
      "mkdtemp", std::error_code(errno, std::generic_category()));
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::uintmax_t BaseFileBytes(const std::filesystem::path& gridFile) {
  return std::filesystem::file_size(gridFile) + std::filesystem::file_size(CompanionFileName(gridFile, ".O"));
}

}  // namespace kelo::bench
