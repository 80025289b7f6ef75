#include <gtest/gtest.h>

#include <string>

#include "elicitation/Naming.h"
#include "elicitation/StartEntries.h"

namespace kelo {
namespace {

// Objects Kočka and pes; constructs rychlý and, as an old file may hold them,
// both Velký and velký.
KnowledgeBase SmallBase() {
  KnowledgeBase base;
  for (const char* name : {"Kočka", "pes"}) base.AddNewObject(name);
  for (const char* name : {"rychlý", "Velký", "velký"}) base.AddNewConstruct(name, DefaultOpposite(name));
  return base;
}

int ExactPosition(const KnowledgeBase& base, const std::string& name) {
  for (int k = 0; k < base.ConstructCount(); ++k)
    if (base.K.name(k) == name) return k;
  return -1;
}

enum class Entered { kObject, kConstruct, kStartEntry };

struct AcceptCase {
  const char* label;
  Entered kind;
  const char* name;
  const char* opposite;  // constructs only
  const char* renamed;   // the construct being renamed, or nullptr
  const char* refusal;   // nullptr when accepted, else the start of the message
};

class Acceptance : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(Acceptance, RefusesClashesAndUnstorableNamesWithAMessage) {
  const auto& row = GetParam();
  KnowledgeBase base = SmallBase();
  Status status = Status::Ok();
  switch (row.kind) {
    case Entered::kObject:
      status = AcceptObjectName(base, row.name);
      break;
    case Entered::kConstruct:
      status = AcceptConstructName(base, row.name, row.opposite,
                                   row.renamed ? ExactPosition(base, row.renamed) : -1);
      break;
    case Entered::kStartEntry: {
      const auto result = AcceptStartEntry(base, row.name);
      EXPECT_EQ(result.outcome == StartEntryOutcome::kAdded, result.message.empty());
      EXPECT_EQ(base.ObjectCount(), result.outcome == StartEntryOutcome::kAdded ? 3 : 2);
      status = result.message.empty() ? Status::Ok() : Status::Error(result.message);
      break;
    }
  }
  if (!row.refusal) {
    EXPECT_TRUE(status.ok()) << status.message();
  } else {
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message().rfind(row.refusal, 0), 0u) << status.message();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Acceptance,
    ::testing::Values(
        AcceptCase{"NewObject", Entered::kObject, "Pes velký", nullptr, nullptr, nullptr},
        AcceptCase{"ObjectTakenAsTypedEvenEmpty", Entered::kObject, "", nullptr, nullptr, nullptr},
        AcceptCase{"ObjectWithBlanksIsNotTrimmed", Entered::kObject, " pes ", nullptr, nullptr, nullptr},
        AcceptCase{"ObjectInOtherCase", Entered::kObject, "KOČKA", nullptr, nullptr, "Objekt tohoto jména už v bázi je."},
        AcceptCase{"ObjectNamedLikeAConstruct", Entered::kObject, "rychlý", nullptr, nullptr, nullptr},
        AcceptCase{"ObjectWithTab", Entered::kObject, "a\tb", nullptr, nullptr, "Název objektu"},
        AcceptCase{"ObjectOutsideWindows1250", Entered::kObject, "λ", nullptr, nullptr, "Název objektu"},
        AcceptCase{"NewConstruct", Entered::kConstruct, "levný", "drahý", nullptr, nullptr},
        AcceptCase{"ConstructInOtherCase", Entered::kConstruct, "RYCHLÝ", "pomalý", nullptr,
                   "Konstrukt tohoto jména už v bázi je."},
        AcceptCase{"ConstructWithLineEnd", Entered::kConstruct, "a\nb", "ne", nullptr, "Název konstruktu"},
        AcceptCase{"OppositeWithCr", Entered::kConstruct, "levný", "dra\rhý", nullptr, "Opačná vlastnost"},
        AcceptCase{"RenameKeepingTheName", Entered::kConstruct, "rychlý", "loudavý", "rychlý", nullptr},
        AcceptCase{"RenameChangingOnlyCase", Entered::kConstruct, "Rychlý", "pomalý", "rychlý", nullptr},
        AcceptCase{"RenameOntoAnother", Entered::kConstruct, "VELKÝ", "malý", "rychlý",
                   "Konstrukt tohoto jména už v bázi je."},
        AcceptCase{"RenameOneOfTwinsOntoTheOtherFirst", Entered::kConstruct, "VELKÝ", "malý", "velký",
                   "Konstrukt tohoto jména už v bázi je."},
        AcceptCase{"RenameOneOfTwinsOntoTheOtherSecond", Entered::kConstruct, "VELKÝ", "malý", "Velký",
                   "Konstrukt tohoto jména už v bázi je."},
        AcceptCase{"StartEntryTrimmed", Entered::kStartEntry, "  Pes  z\t\r\n", nullptr, nullptr, nullptr},
        AcceptCase{"StartEntryBlank", Entered::kStartEntry, " \t ", nullptr, nullptr, "Zadejte název objektu."},
        AcceptCase{"StartEntryPresent", Entered::kStartEntry, " PES ", nullptr, nullptr,
                   "Objekt tohoto jména už v bázi je."},
        AcceptCase{"StartEntryUnstorable", Entered::kStartEntry, "a\tb", nullptr, nullptr, "Název objektu"},
        AcceptCase{"StartEntryOutsideWindows1250", Entered::kStartEntry, "€ ok, ✓ ne", nullptr, nullptr,
                   "Název objektu"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StartEntries, AreTakenFromTheLastFieldUpSoTheLowerOfTwoSpellingsWins) {
  KnowledgeBase base;
  const auto results = AcceptStartEntries(base, {"Pes", "Kocka", "  Myš ", "kocka", ""});
  EXPECT_EQ(results[0].outcome, StartEntryOutcome::kAdded);
  EXPECT_EQ(results[1].outcome, StartEntryOutcome::kDuplicate);
  EXPECT_EQ(results[3].outcome, StartEntryOutcome::kAdded);
  EXPECT_EQ(results[4].outcome, StartEntryOutcome::kEmpty);
  ASSERT_EQ(base.ObjectCount(), 3);
  EXPECT_EQ(base.O.name(base.O.IndexOf("KOCKA")), "kocka");
  EXPECT_EQ(base.O.name(base.O.IndexOf("myš")), "Myš");
  EXPECT_EQ(base.O[0].Values.size(), 3u);

  // Corrected and confirmed again: what is in the list is refused, the rest added.
  const auto again = AcceptStartEntries(base, {"Pes", "Kůň", "Myš", "kocka", "Osel"});
  EXPECT_EQ(again[1].outcome, StartEntryOutcome::kAdded);
  EXPECT_EQ(again[4].outcome, StartEntryOutcome::kAdded);
  EXPECT_EQ(again[0].outcome, StartEntryOutcome::kDuplicate);
  EXPECT_EQ(base.ObjectCount(), 5);
}

TEST(Naming, TheTriadsOfAStartAreConsecutiveObjectsOfTheSortedList) {
  KnowledgeBase base;
  AcceptStartEntries(base, {"pes", "Kůň", "koza", "Osel", "býk"});
  EXPECT_EQ(TriadText(base, 0), "býk,\nkoza,\nKůň");
  EXPECT_EQ(TriadText(base, 2), "Kůň,\nOsel,\npes");
  EXPECT_EQ(TriadText(base, 3), "Osel,\npes") << "the list ends first";
  EXPECT_EQ(TriadText(base, 5), "");
}

TEST(Naming, TheDefaultOppositeIsNeJoinedToTheNameAsTyped) {
  EXPECT_EQ(DefaultOpposite("rychlý"), "nerychlý");
  EXPECT_EQ(DefaultOpposite(" Velký"), "ne Velký");
  EXPECT_EQ(DefaultOpposite(""), "ne");
}

}  // namespace
}  // namespace kelo
