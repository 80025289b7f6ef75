#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/Commands.h"

namespace kelo {
namespace {

const std::string kData = std::string(KELO_TEST_DATA) + "/cli/";

struct CliCase {
  const char* label;
  std::vector<std::string> args;  // "@" at the start of an argument stands for the fixture folder
  int exitCode;
  const char* out;                   // the whole of standard output
  std::vector<std::string> errParts;  // fragments standard error must hold, each once
};

std::ostream& operator<<(std::ostream& os, const CliCase& c) { return os << c.label; }

std::string Expand(const std::string& arg) { return !arg.empty() && arg[0] == '@' ? kData + arg.substr(1) : arg; }

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

constexpr const char* kSoundShow =
    "O\tBrno\n"
    "O\tČeské Budějovice\n"
    "O\tOstrava\n"
    "K\tčisté\tšpinavé\n"
    "K\tvelké\tmalé\n";

const CliCase kCases[] = {
    {"show_sound", {"show", "@zdrava.tab"}, 0, kSoundShow, {}},
    {"check_sound",
     {"check", "@zdrava.tab"},
     0,
     "Báze znalostí je v pořádku. Počet objektů: 3, počet konstruktů: 2, počet konzultací: 1.\n",
     {}},
    {"check_bad_values_all_reported",
     {"check", "@spatna_hodnota.tab"},
     1,
     "",
     {"spatna_hodnota.tab, řádek 1: hodnota 1: '5x'", "spatna_hodnota.tab, řádek 2: hodnota 2: ''"}},
    {"show_bad_value", {"show", "@spatna_hodnota.tab"}, 1, "", {"spatna_hodnota.tab, řádek 1:"}},
    {"check_rating_off_scale",
     {"check", "@mimo_rozsah.tab"},
     1,
     "",
     {"mimo_rozsah.tab, řádek 2: hodnota 2: hodnocení 150 je mimo rozsah"}},
    {"check_short_line",
     {"check", "@kratky_radek.tab"},
     1,
     "",
     {"kratky_radek.tab, řádek 2: očekáváno hodnocení 3 objektů, řádek jich má 2"}},
    {"check_missing_object_file", {"check", "@bez_objektu.tab"}, 1, "", {"Cannot open file", "bez_objektu.O"}},
    {"show_missing_object_file", {"show", "@bez_objektu.tab"}, 1, "", {"bez_objektu.O"}},
    {"check_missing_grid", {"check", "@neni.tab"}, 1, "", {"Cannot open file"}},
    {"check_malformed_consultations", {"check", "@vadna_kon.tab"}, 1, "", {"vadna_kon.kon, řádek 2"}},
    {"check_consultation_values_off_scale",
     {"check", "@kon_mimo.tab"},
     1,
     "",
     {"kon_mimo.kon, řádek 2: váha 2: 70", "kon_mimo.kon, řádek 3: přání 2: -300"}},
    {"check_grid_and_consultations_both_reported",
     {"check", "@vse_spatne.tab"},
     1,
     "",
     {"vse_spatne.tab, řádek 1", "vse_spatne.kon, řádek 3"}},
    {"no_arguments", {}, 1, "", {"chybí příkaz", "Použití:"}},
    {"unknown_command", {"list", "@zdrava.tab"}, 1, "", {"neznámý příkaz 'list'", "Použití:"}},
    {"missing_file_argument", {"show"}, 1, "", {"Použití:"}},
    {"too_many_arguments", {"check", "@zdrava.tab", "@zdrava.tab"}, 1, "", {"Použití:"}},
};

class CliTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliTest, ExitCodeAndOutput) {
  const CliCase& c = GetParam();
  std::vector<std::string> args;
  for (const auto& arg : c.args) args.push_back(Expand(arg));
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(args, out, err), c.exitCode) << err.str();
  EXPECT_EQ(out.str(), c.out);
  if (c.exitCode == 0) {
    EXPECT_EQ(err.str(), "");
  }
  for (const auto& part : c.errParts) EXPECT_EQ(Count(err.str(), part), 1u) << part << "\nin:\n" << err.str();
}

INSTANTIATE_TEST_SUITE_P(Cases, CliTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace kelo
