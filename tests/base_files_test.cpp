#include <gtest/gtest.h>

#include "TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/BaseFiles.h"

namespace kelo {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class BaseFilesTest : public testing::TempFolderTest {
 protected:
  // Three objects, two constructs, distinct ratings.
  static KnowledgeBase SmallBase() {
    KnowledgeBase base;
    for (const char* name : {"Praha", "Brno", "Ostrava"}) base.AddNewObject(name);
    base.AddNewConstruct("velké", "malé");
    base.AddNewConstruct("čisté", "špinavé");
    base.SetValue(100, base.O.IndexOf("Brno"), base.K.IndexOf("velké"));
    base.SetValue(-35, base.O.IndexOf("Praha"), base.K.IndexOf("čisté"));
    return base;
  }
};

TEST_F(BaseFilesTest, SaveWritesConstructLinesAndObjectNamesInListOrderWithCrLf) {
  ASSERT_TRUE(SaveBase(SmallBase(), dir / "města.tab").ok());
  // Brno, Ostrava, Praha; čisté, velké. Windows-1250: č = E8, é = E9, š = 9A.
  EXPECT_EQ(ReadBytes(dir / "města.tab"),
            "\xe8ist\xe9\t\x9apinav\xe9\t0\t0\t-35\r\n"
            "velk\xe9\tmal\xe9\t100\t0\t0\r\n");
  EXPECT_EQ(ReadBytes(dir / "města.O"), "Brno\r\nOstrava\r\nPraha\r\n");
}

TEST_F(BaseFilesTest, ABaseWithoutConstructsSavesAnEmptyGridFile) {
  KnowledgeBase base;
  base.AddNewObject("a");
  ASSERT_TRUE(SaveBase(base, dir / "b.tab").ok());
  EXPECT_EQ(ReadBytes(dir / "b.tab"), "");
  EXPECT_EQ(ReadBytes(dir / "b.O"), "a\r\n");
}

TEST_F(BaseFilesTest, OpenAndSaveUnchangedIsByteIdenticalIncludingValuesKeptAsRead) {
  const std::string grid = "alfa\tnealfa\t+5\t007\t-0\r\nbeta\t\t100\t-100\t0\r\n\xe8\xe1p\tne\t1\t2\t3\r\n";
  const std::string objects = "A\r\nb\r\n\x8a\xe9" "f\r\n";
  WriteBytes(dir / "x.y.tab", grid);
  WriteBytes(dir / "x.y.O", objects);
  KnowledgeBase base;
  ASSERT_TRUE(LoadBase(dir / "x.y.tab", base).ok());
  EXPECT_EQ(base.ObjectValue(0, 0), 5);
  EXPECT_EQ(base.O[0].Values.text(0), "5");
  EXPECT_EQ(base.K[0].Values.text(0), "+5");
  fs::remove(dir / "x.y.tab");
  fs::remove(dir / "x.y.O");
  ASSERT_TRUE(SaveBase(base, dir / "x.y.tab").ok());
  EXPECT_EQ(ReadBytes(dir / "x.y.tab"), grid);
  EXPECT_EQ(ReadBytes(dir / "x.y.O"), objects);
}

TEST_F(BaseFilesTest, OpenBuildsTheObjectCopyFromTheConstructLines) {
  ASSERT_TRUE(SaveBase(SmallBase(), dir / "m.tab").ok());
  KnowledgeBase base;
  ASSERT_TRUE(LoadBase(dir / "m.tab", base).ok());
  ASSERT_EQ(base.O.size(), 3);
  ASSERT_EQ(base.K.size(), 2);
  EXPECT_EQ(base.O.name(2), "Praha");
  EXPECT_EQ(base.K[1].Opposite, "malé");
  EXPECT_EQ(base.ObjectValue(0, 1), 100);
  EXPECT_EQ(base.ObjectValue(2, 0), -35);
  for (int o = 0; o < 3; ++o)
    for (int k = 0; k < 2; ++k) EXPECT_EQ(base.ObjectValue(o, k), base.ConstructValue(o, k));
}

TEST_F(BaseFilesTest, LinesMayEndInCrLfOrCrOrLfOrNothingAndReadingStopsAtNul) {
  for (const std::string& grid : {std::string("k\tnek\t1\t2\r\nl\tnel\t3\t4"), std::string("k\tnek\t1\t2\nl\tnel\t3\t4\n"),
                                  std::string("k\tnek\t1\t2\rl\tnel\t3\t4\r"),
                                  std::string("k\tnek\t1\t2\r\nl\tnel\t3\t4\r\n\0garbage", 36)}) {
    WriteBytes(dir / "e.tab", grid);
    WriteBytes(dir / "e.O", "a\nb");
    KnowledgeBase base;
    ASSERT_TRUE(LoadBase(dir / "e.tab", base).ok()) << grid;
    ASSERT_EQ(base.K.size(), 2);
    EXPECT_EQ(base.ObjectValue(1, 1), 4);
  }
}

TEST_F(BaseFilesTest, ObjectLinesOutOfSortedOrderTakeTheirColumnsWithThem) {
  WriteBytes(dir / "o.tab", "k\tnek\t3\t1\t2\r\n");
  WriteBytes(dir / "o.O", "c\r\na\r\nb\r\n");
  KnowledgeBase base;
  ASSERT_TRUE(LoadBase(dir / "o.tab", base).ok());
  EXPECT_EQ(base.O.name(0), "a");
  EXPECT_EQ(base.ObjectValue(0, 0), 1);
  EXPECT_EQ(base.ObjectValue(1, 0), 2);
  EXPECT_EQ(base.ObjectValue(2, 0), 3);
  EXPECT_EQ(base.K[0].Values.text(2), "3");
}

struct BadPair {
  const char* label;
  const char* grid;  // nullptr: no grid file
  const char* objects;  // nullptr: no object-name file
  std::vector<std::string> expected;  // fragments of the message
};

class BadInput : public BaseFilesTest, public ::testing::WithParamInterface<BadPair> {};

TEST_P(BadInput, IsReportedWithFileAndLineAndLeavesTheOpenBaseAlone) {
  const auto& row = GetParam();
  if (row.grid) WriteBytes(dir / "z.tab", row.grid);
  if (row.objects) WriteBytes(dir / "z.O", row.objects);
  KnowledgeBase base;
  base.AddNewObject("previous");
  const auto status = LoadBase(dir / "z.tab", base);
  ASSERT_FALSE(status.ok());
  for (const auto& fragment : row.expected)
    EXPECT_NE(status.message().find(fragment), std::string::npos) << status.message() << "\nmissing: " << fragment;
  ASSERT_EQ(base.O.size(), 1);
  EXPECT_EQ(base.O.name(0), "previous");
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadInput,
    ::testing::Values(
        BadPair{"NotAnInteger", "k\tnek\t1\tx5\r\n", "a\r\nb\r\n",
                {"z.tab, řádek 1", "hodnota 2", "'x5' is not a valid integer value"}},
        BadPair{"Decimal", "k\tnek\t1\t2\r\nl\tnel\t1.5\t2\r\n", "a\r\nb\r\n", {"z.tab, řádek 2", "'1.5'"}},
        BadPair{"ShortLine", "k\tnek\t1\r\n", "a\r\nb\r\n", {"z.tab, řádek 1", "2 objektů", "má 1"}},
        BadPair{"LongLine", "k\tnek\t1\t2\t3\r\n", "a\r\nb\r\n", {"z.tab, řádek 1", "má 3"}},
        BadPair{"BlankLine", "k\tnek\t1\t2\r\n\r\nl\tnel\t1\t2\r\n", "a\r\nb\r\n", {"z.tab, řádek 2"}},
        BadPair{"EveryBadLineIsReported", "k\tnek\t1\r\nl\tnel\tq\t2\r\n", "a\r\nb\r\n",
                {"z.tab, řádek 1", "z.tab, řádek 2"}},
        BadPair{"Overflow", "k\tnek\t99999999999\t2\r\n", "a\r\nb\r\n", {"'99999999999'"}},
        BadPair{"MissingObjectFile", "k\tnek\t1\r\n", nullptr, {"Cannot open file", "z.O"}},
        BadPair{"MissingGridFile", nullptr, "a\r\n", {"Cannot open file", "z.tab"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(BaseFilesTest, AMessageForTheWindowListsTwentyProblemsAndCountsTheRest) {
  std::string grid;
  for (int i = 0; i < 25; ++i) grid += "k" + std::to_string(i) + "\tne\tx\r\n";
  WriteBytes(dir / "many.tab", grid);
  WriteBytes(dir / "many.O", "a\r\n");
  KnowledgeBase base;
  const auto shown = LoadBase(dir / "many.tab", base);
  EXPECT_EQ(std::count(shown.message().begin(), shown.message().end(), '\n'), 20);
  EXPECT_NE(shown.message().find("celkem 25"), std::string::npos);
  const auto all = LoadBase(dir / "many.tab", base, 1000);
  EXPECT_EQ(std::count(all.message().begin(), all.message().end(), '\n'), 24);
  EXPECT_NE(all.message().find("many.tab, řádek 25"), std::string::npos);
}

TEST_F(BaseFilesTest, CompanionNamesDropTheLastExtensionAndStayInTheGridFilesFolder) {
  EXPECT_EQ(CompanionFileName("/data/auta.tab", ".O"), fs::path("/data/auta.O"));
  EXPECT_EQ(CompanionFileName("/data/x.y.tab", ".O"), fs::path("/data/x.y.O"));
  EXPECT_EQ(CompanionFileName("/data/bez", ".kon"), fs::path("/data/bez.kon"));
  EXPECT_EQ(CompanionFileName("", ".kon"), fs::path(".kon"));
}

// Fails the nth call of one kind, to show that a save either replaces both
// files or leaves both as they were.
class FailingFileSystem : public FileSystem {
 public:
  FailingFileSystem(int failWriteAt, int failRenameAt) : failWriteAt_(failWriteAt), failRenameAt_(failRenameAt) {}
  Status WriteFile(const fs::path& path, std::string_view bytes) override {
    if (++writes_ == failWriteAt_) return Status::Error("No space left on device");
    return RealFileSystem().WriteFile(path, bytes);
  }
  Status Rename(const fs::path& from, const fs::path& to) override {
    if (++renames_ == failRenameAt_) return Status::Error("Input/output error");
    return RealFileSystem().Rename(from, to);
  }
  void Remove(const fs::path& path) override { RealFileSystem().Remove(path); }

 private:
  int failWriteAt_, failRenameAt_, writes_ = 0, renames_ = 0;
};

TEST_F(BaseFilesTest, AFailedSaveLeavesThePreviousFilesWholeAndNamesTheFile) {
  const std::string grid = "old\tline\t1\r\n", objects = "only\r\n";
  for (auto [failWrite, failRename, file] :
       {std::tuple{1, 0, "s.tab"}, std::tuple{2, 0, "s.O"}, std::tuple{0, 1, "s.tab"}}) {
    WriteBytes(dir / "s.tab", grid);
    WriteBytes(dir / "s.O", objects);
    FailingFileSystem failing(failWrite, failRename);
    const auto status = SaveBase(SmallBase(), dir / "s.tab", failing);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find(std::string("Cannot create file ") + (dir / file).string()), std::string::npos)
        << status.message();
    EXPECT_EQ(ReadBytes(dir / "s.tab"), grid);
    EXPECT_EQ(ReadBytes(dir / "s.O"), objects);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2) << "temporary file left";
  }
}

TEST_F(BaseFilesTest, SavingIntoAFolderThatCannotBeWrittenFailsWithTheFileName) {
  WriteBytes(dir / "plain-file", "");
  const auto status = SaveBase(SmallBase(), dir / "plain-file" / "b.tab");
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Cannot create file"), std::string::npos);
  EXPECT_NE(status.message().find("b.tab"), std::string::npos);
}

TEST_F(BaseFilesTest, ABaseNeverSavedHasNoFileToWrite) {
  const auto status = SaveBase(SmallBase(), "");
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Cannot create file"), std::string::npos);
}

}  // namespace
}  // namespace kelo
