#include <gtest/gtest.h>

#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "consultation/Consultations.h"
#include "model/Cp1250.h"

namespace kelo {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// The file as the program writes it, from readable text.
void WriteCp1250(const fs::path& path, std::string_view utf8) { WriteBytes(path, *EncodeCp1250(utf8)); }

class ConsultationsTest : public testing::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    file = dir / "auta.kon";
  }

  fs::path file;
  ConsultationTable table;
};

TEST_F(ConsultationsTest, AFileReadAndWrittenUnchangedKeepsItsBytes) {
  // "Řidič" and "škoda" in Windows-1250; "+5" and "007" are kept as read.
  const std::string bytes =
      "\xd8idi\xe8\r\n100\t50\t-1\r\n80\t+5\t0\r\n"
      "\x9akoda\r\n0\t007\t100\r\n-100\t0\t-35\r\n";
  WriteBytes(file, bytes);
  ASSERT_TRUE(table.LoadConsultations(file, 3).ok());
  EXPECT_EQ(table.consultations()[1].Name, "škoda");
  EXPECT_EQ(table.consultations()[0].WishedValue(1), 5);
  fs::remove(file);
  ASSERT_TRUE(table.SaveConsultations(file).ok());
  EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(ConsultationsTest, WithOneConstructTheNumberLinesHoldNoTab) {
  const std::string bytes = "jedna\r\n50\r\n-20\r\n";
  WriteBytes(file, bytes);
  ASSERT_TRUE(table.LoadConsultations(file, 1).ok());
  EXPECT_EQ(table.consultations()[0].Weight(0), 50);
  ASSERT_TRUE(table.SaveConsultations(file).ok());
  EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(ConsultationsTest, NamesComeInCzechAlphabeticalOrderWithoutRegardToCase) {
  WriteCp1250(file, "chata\r\n0\r\n0\r\nČáp\r\n0\r\n0\r\nhrad\r\n0\r\n0\r\ncesta\r\n0\r\n0\r\nBeta\r\n0\r\n0\r\n");
  auto names = table.LoadConsultations(file, 1);
  ASSERT_TRUE(names.ok()) << names.message();
  EXPECT_EQ(*names, (std::vector<std::string>{"Beta", "cesta", "Čáp", "hrad", "chata"}));
  EXPECT_EQ(table.consultations()[0].Name, "chata") << "the table keeps file order";
}

TEST_F(ConsultationsTest, MissingFieldsReadAsUnimportantAndNeutralAndExtraFieldsAreDropped) {
  WriteCp1250(file, "krátká\r\n100\r\n80\r\ndlouhá\r\n100\t50\t0\t50\r\n1\t2\t3\t4\r\n");
  ASSERT_TRUE(table.LoadConsultations(file, 3).ok());
  const auto& shortOne = table.consultations()[0];
  EXPECT_EQ(shortOne.Weights, (std::vector<std::string>{"100", "-1", "-1"}));
  EXPECT_EQ(shortOne.Profile, (std::vector<std::string>{"80", "0", "0"}));
  EXPECT_EQ(shortOne.Weight(1), kWeightMissing);
  ASSERT_TRUE(table.SaveConsultations(file).ok());
  EXPECT_EQ(ReadBytes(file), "kr\xe1tk\xe1\r\n100\t-1\t-1\r\n80\t0\t0\r\ndlouh\xe1\r\n100\t50\t0\r\n1\t2\t3\r\n");
}

TEST_F(ConsultationsTest, TheValuesLineDecidesWhichConstructsTheConsultationHad) {
  WriteBytes(file, "x\r\n100\t50\r\n7\r\n");
  ASSERT_TRUE(table.LoadConsultations(file, 2).ok());
  EXPECT_EQ(table.consultations()[0].Weights, (std::vector<std::string>{"100", "-1"}));
}

TEST_F(ConsultationsTest, NoFileOrFewerThanThreeLinesGiveAnEmptyTableWrittenAsOneEmptyLine) {
  for (const char* content : {static_cast<const char*>(nullptr), "", "jen jméno\r\n", "a\r\n1\r\n"}) {
    fs::remove(file);
    if (content) WriteBytes(file, content);
    auto names = table.LoadConsultations(file, 2);
    ASSERT_TRUE(names.ok()) << names.message();
    EXPECT_TRUE(names->empty());
    EXPECT_TRUE(table.consultations().empty());
    EXPECT_EQ(table.ColumnCount(), 2);
    ASSERT_TRUE(table.SaveConsultations(file).ok());
    EXPECT_EQ(ReadBytes(file), "\r\n");
  }
}

TEST_F(ConsultationsTest, FindsTheFirstConsultationOfANameWithoutRegardToCaseEvenANumber) {
  WriteBytes(file, "0\r\n100\r\n1\r\n100\r\n50\r\n2\r\nAuto\r\n0\r\n3\r\nauto\r\n0\r\n4\r\n");
  ASSERT_TRUE(table.LoadConsultations(file, 1).ok());
  EXPECT_EQ(table.FindOrAddConsultation("0"), 0);
  EXPECT_EQ(table.FindOrAddConsultation("100"), 1);
  EXPECT_EQ(table.FindOrAddConsultation("AUTO"), 2);
  EXPECT_EQ(table.Current(), 2);
  EXPECT_EQ(table.CurrentConsultation().WishedValue(0), 3);
  EXPECT_EQ(table.consultations().size(), 4u);
}

TEST_F(ConsultationsTest, ANewConsultationIsAppendedAllZeroAndEditedThroughTheCurrentOne) {
  ASSERT_TRUE(table.LoadConsultations(file, 3).ok());
  EXPECT_EQ(table.FindOrAddConsultation("Nová"), 0);
  EXPECT_EQ(table.CurrentConsultation().Weights, (std::vector<std::string>(3, "0")));
  EXPECT_EQ(table.CurrentConsultation().Profile, (std::vector<std::string>(3, "0")));
  for (int choice = 0; choice < 3; ++choice) table.SetWeight(choice, choice);
  table.SetWishedValue(2, -45);
  EXPECT_EQ(table.FindOrAddConsultation("druhá"), 1);
  ASSERT_TRUE(table.SaveConsultations(file).ok());
  EXPECT_EQ(ReadBytes(file), "Nov\xe1\r\n100\t50\t0\r\n0\t0\t-45\r\ndruh\xe1\r\n0\t0\t0\r\n0\t0\t0\r\n");
}

TEST_F(ConsultationsTest, InsertingAConstructAddsANeutralFieldAtItsPositionInEveryConsultation) {
  WriteBytes(file, "a\r\n100\t50\r\n10\t20\r\nb\r\n0\t100\r\n-10\t-20\r\n");
  ASSERT_TRUE(InsertConstructIntoConsultations(file, 1, 3).ok());
  EXPECT_EQ(ReadBytes(file), "a\r\n100\t0\t50\r\n10\t0\t20\r\nb\r\n0\t0\t100\r\n-10\t0\t-20\r\n");
  ASSERT_TRUE(InsertConstructIntoConsultations(file, 3, 4).ok());
  EXPECT_EQ(ReadBytes(file), "a\r\n100\t0\t50\t0\r\n10\t0\t20\t0\r\nb\r\n0\t0\t100\t0\r\n-10\t0\t-20\t0\r\n");
}

TEST_F(ConsultationsTest, InsertingWithoutSavedConsultationsWritesOneEmptyLine) {
  ASSERT_TRUE(InsertConstructIntoConsultations(file, 0, 1).ok());
  EXPECT_EQ(ReadBytes(file), "\r\n");
}

TEST_F(ConsultationsTest, MovingAConstructCarriesItsColumnAndCreatesNoFile) {
  WriteBytes(file, "a\r\n100\t50\t0\r\n1\t2\t3\r\n");
  ASSERT_TRUE(MoveConstructInConsultations(file, 0, 2, 3).ok());
  EXPECT_EQ(ReadBytes(file), "a\r\n50\t0\t100\r\n2\t3\t1\r\n");
  ASSERT_TRUE(MoveConstructInConsultations(file, 2, 1, 3).ok());
  EXPECT_EQ(ReadBytes(file), "a\r\n50\t100\t0\r\n2\t1\t3\r\n");
  ASSERT_TRUE(MoveConstructInConsultations(dir / "none.kon", 0, 1, 2).ok());
  EXPECT_FALSE(fs::exists(dir / "none.kon"));
}

TEST(ConsultationsFile, SitsBesideTheGridFileAndIsDotKonForABaseNeverSaved) {
  EXPECT_EQ(ConsultationsFileName("/data/auta.tab"), fs::path("/data/auta.kon"));
  EXPECT_EQ(ConsultationsFileName("/data/x.y.tab"), fs::path("/data/x.y.kon"));
  EXPECT_EQ(ConsultationsFileName(""), fs::path(".kon"));
}

struct BadFile {
  const char* label;
  const char* bytes;
  const char* expected;  // the message after the file's name
};

class MalformedFile : public ConsultationsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(MalformedFile, IsReportedAtItsLineAndChangesNeitherTheTableNorTheFile) {
  const auto& row = GetParam();
  WriteBytes(file, row.bytes);
  table.FindOrAddConsultation("dřívější");
  const auto names = table.LoadConsultations(file, 2);
  ASSERT_FALSE(names.ok());
  EXPECT_EQ(names.message(), file.string() + ", " + row.expected);
  ASSERT_EQ(table.consultations().size(), 1u);
  EXPECT_EQ(table.consultations()[0].Name, "dřívější");

  for (const auto& status : {InsertConstructIntoConsultations(file, 0, 3), MoveConstructInConsultations(file, 0, 1, 2)}) {
    EXPECT_EQ(status.message(), names.message());
    EXPECT_EQ(ReadBytes(file), row.bytes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedFile,
    ::testing::Values(
        BadFile{"NameOnly", "a\r\n1\t2\r\n3\t4\r\nb\r\n", "řádek 4: konzultaci „b“ chybí řádek vah a řádek přání."},
        BadFile{"NoValues", "a\r\n1\t2\r\n3\t4\r\nb\r\n1\t2\r\n", "řádek 4: konzultaci „b“ chybí řádek přání."},
        BadFile{"WeightNotAnInteger", "a\r\n100\tx\r\n3\t4\r\n", "řádek 2: Váha konstruktu 2 „x“ není celé číslo."},
        BadFile{"ValueNotAnInteger", "a\r\n1\t2\r\n3\r\nb\r\n1\t2\r\n1.5\t4\r\n",
                "řádek 6: Přání konstruktu 1 „1.5“ není celé číslo."},
        BadFile{"EmptyValuesLine", "a\r\n1\t2\r\n\r\n", "řádek 3: Přání konstruktu 1 „“ není celé číslo."},
        BadFile{"FewerWeightsThanValues", "a\r\n1\r\n3\t4\r\n", "řádek 2: chybí váha konstruktu 2."}),
    [](const auto& info) { return std::string(info.param.label); });

// Fails every write of a temporary file, as a full disk would.
class FullDisk : public FileSystem {
 public:
  Status WriteFile(const fs::path&, std::string_view) override { return Status::Error("No space left on device"); }
  Status Rename(const fs::path& from, const fs::path& to) override { return RealFileSystem().Rename(from, to); }
  void Remove(const fs::path& path) override { RealFileSystem().Remove(path); }
};

TEST_F(ConsultationsTest, AFailedSaveLeavesThePreviousFileWholeAndNamesIt) {
  const std::string bytes = "a\r\n100\r\n50\r\n";
  WriteBytes(file, bytes);
  FullDisk full;
  ASSERT_TRUE(table.LoadConsultations(file, 1).ok());
  table.FindOrAddConsultation("b");
  for (const auto& status : {table.SaveConsultations(file, full), InsertConstructIntoConsultations(file, 0, 2, full)}) {
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("Cannot create file " + file.string()), std::string::npos) << status.message();
    EXPECT_EQ(ReadBytes(file), bytes);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "temporary file left";
}

TEST_F(ConsultationsTest, ANameTheFileCannotHoldIsRefusedAndNothingIsWritten) {
  for (const char* name : {"dva\nřádky", "s\ttabulátorem", "Ω omega"}) {
    EXPECT_FALSE(ConsultationTable::CheckConsultationName(name).ok()) << name;
    WriteBytes(file, "a\r\n100\r\n50\r\n");
    ConsultationTable bad;
    ASSERT_TRUE(bad.LoadConsultations(file, 1).ok());
    bad.FindOrAddConsultation(name);
    const auto status = bad.SaveConsultations(file);
    ASSERT_FALSE(status.ok()) << name;
    EXPECT_EQ(status.message().rfind(file.string() + ", řádek 4: ", 0), 0u) << status.message();
    EXPECT_EQ(ReadBytes(file), "a\r\n100\r\n50\r\n");
  }
  EXPECT_TRUE(ConsultationTable::CheckConsultationName("Řidič začátečník").ok());
}

}  // namespace
}  // namespace kelo
