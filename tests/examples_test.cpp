#include <gtest/gtest.h>

#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "consultation/Consultations.h"
#include "model/BaseFiles.h"

namespace kelo {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

const fs::path kExamples = KELO_EXAMPLES;

// Works on a copy, so that nothing a test writes can touch the sample.
class ExamplesTest : public testing::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    for (const char* name : {"dovolena.tab", "dovolena.O", "dovolena.kon"})
      fs::copy_file(kExamples / name, dir / name);
  }
};

TEST_F(ExamplesTest, OpensAsARealisticBase) {
  KnowledgeBase base;
  const auto status = LoadBase(dir / "dovolena.tab", base);
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_GE(base.O.size(), 12);
  EXPECT_GE(base.K.size(), 8);
  EXPECT_EQ(base.O.name(base.O.IndexOf("Český Krumlov")), "Český Krumlov");
  for (int k = 0; k < base.K.size(); ++k) {
    EXPECT_FALSE(base.K[k].Opposite.empty()) << base.K.name(k);
    for (int o = 0; o < base.O.size(); ++o) {
      EXPECT_EQ(base.ObjectValue(o, k), base.ConstructValue(o, k));
      EXPECT_LE(std::abs(base.ObjectValue(o, k)), 100) << base.O.name(o) << " / " << base.K.name(k);
    }
  }
}

TEST_F(ExamplesTest, SavingUnchangedReproducesEveryFileByteForByte) {
  KnowledgeBase base;
  ASSERT_TRUE(LoadBase(dir / "dovolena.tab", base).ok());
  ConsultationTable table;
  ASSERT_TRUE(table.LoadConsultations(dir / "dovolena.kon", base.K.size()).ok());
  for (const char* name : {"dovolena.tab", "dovolena.O", "dovolena.kon"}) fs::remove(dir / name);

  ASSERT_TRUE(SaveBase(base, dir / "dovolena.tab").ok());
  ASSERT_TRUE(table.SaveConsultations(dir / "dovolena.kon").ok());
  for (const char* name : {"dovolena.tab", "dovolena.O", "dovolena.kon"})
    EXPECT_EQ(ReadBytes(dir / name), ReadBytes(kExamples / name)) << name;
}

TEST_F(ExamplesTest, HoldsTwoConsultationsWithAColumnPerConstruct) {
  KnowledgeBase base;
  ASSERT_TRUE(LoadBase(dir / "dovolena.tab", base).ok());
  ConsultationTable table;
  const auto names = table.LoadConsultations(ConsultationsFileName(dir / "dovolena.tab"), base.K.size());
  ASSERT_TRUE(names.ok()) << names.message();
  EXPECT_EQ(*names, (std::vector<std::string>{"Rodinná dovolená u moře", "Zimní víkend na horách"}));
  for (const Consultation& consultation : table.consultations()) {
    ASSERT_EQ(consultation.Weights.size(), static_cast<std::size_t>(base.K.size()));
    EXPECT_EQ(consultation.Weight(base.K.IndexOf("u moře")),
              consultation.Name == "Rodinná dovolená u moře" ? kWeightVeryImportant : kWeightNotImportant);
  }
}

}  // namespace
}  // namespace kelo
