#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/KnowledgeBase.h"

namespace kelo {
namespace {

std::vector<std::string> ObjectNames(const KnowledgeBase& base) {
  std::vector<std::string> names;
  for (int o = 0; o < base.O.size(); ++o) names.push_back(base.O.name(o));
  return names;
}

std::vector<std::string> ConstructNames(const KnowledgeBase& base) {
  std::vector<std::string> names;
  for (int k = 0; k < base.K.size(); ++k) names.push_back(base.K.name(k));
  return names;
}

// Both copies of the matrix agree and have the right shape.
void ExpectCopiesInStep(const KnowledgeBase& base) {
  for (int k = 0; k < base.K.size(); ++k) ASSERT_EQ(base.K[k].Values.size(), std::size_t(base.O.size()));
  for (int o = 0; o < base.O.size(); ++o) {
    ASSERT_GE(base.O[o].Values.size(), std::size_t(base.K.size()));
    for (int k = 0; k < base.K.size(); ++k)
      EXPECT_EQ(base.ObjectValue(o, k), base.ConstructValue(o, k)) << "o=" << o << " k=" << k;
  }
}

// A grid whose every rating is distinct, so a misplaced entry shows.
class SmallGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"alfa", "Gama", "delta"}) ASSERT_TRUE(base.AddNewObject(name).ok());
    for (const char* name : {"rychlý", "levný"}) ASSERT_TRUE(base.AddNewConstruct(name, std::string("ne") + name).ok());
    for (int o = 0; o < base.O.size(); ++o)
      for (int k = 0; k < base.K.size(); ++k) base.SetValue(10 * o + k + 1, o, k);
  }
  KnowledgeBase base;
};

TEST(CzechOrder, SortsLikeACzechDictionaryWithoutRegardToCase) {
  KnowledgeBase base;
  for (const char* name : {"hrad", "chata", "Čáp", "cesta", "ábel", "Zebra", "azalka", "řeka", "robot"})
    ASSERT_TRUE(base.AddNewObject(name).ok());
  EXPECT_EQ(ObjectNames(base),
            (std::vector<std::string>{"ábel", "azalka", "cesta", "Čáp", "hrad", "chata", "robot", "řeka", "Zebra"}));
}

TEST(CzechOrder, NamesEqualApartFromCaseStandTogetherInAFixedOrder) {
  std::vector<std::string> first, second;
  for (auto* order : {&first, &second}) {
    KnowledgeBase base;
    std::vector<std::string> names{"Pes", "kočka", "pes", "PES", "Kočka", "pés"};
    if (order == &second) std::reverse(names.begin(), names.end());
    for (const auto& name : names) ASSERT_TRUE(base.AddNewObject(name).ok());
    *order = ObjectNames(base);
    EXPECT_EQ(base.O.IndexOf("pEs"), base.O.IndexOf("PES"));
    EXPECT_EQ(base.O.name(base.O.IndexOf("pes")).size(), 3u);
    EXPECT_EQ(base.O.IndexOf("pés"), base.O.IndexOf("PÉS"));
    EXPECT_NE(base.O.IndexOf("pés"), base.O.IndexOf("pes"));
    EXPECT_EQ(base.O.IndexOf("kos"), -1);
  }
  EXPECT_EQ(first, second);
  // Lookup returns the first of the names equal without regard to case.
  KnowledgeBase base;
  for (const char* name : {"Pes", "pes"}) ASSERT_TRUE(base.AddNewObject(name).ok());
  EXPECT_EQ(base.O.IndexOf("PES"), 0);
}

TEST_F(SmallGrid, SetValueReplacesExactlyOneEntryInEachCopy) {
  base.SetValue(-35, 1, 0);
  EXPECT_EQ(base.ObjectValue(1, 0), -35);
  EXPECT_EQ(base.O[1].Values.text(0), "-35");
  EXPECT_EQ(base.K[0].Values.text(1), "-35");
  EXPECT_EQ(base.ObjectValue(0, 0), 1);
  EXPECT_EQ(base.ObjectValue(2, 0), 21);
  EXPECT_EQ(base.ObjectValue(1, 1), 12);
  ExpectCopiesInStep(base);
}

TEST_F(SmallGrid, NewObjectTakesItsSortedPlaceAndANeutralColumn) {
  // alfa, delta, Gama: Beta lands at 1 and the later objects move up.
  const int gamaValue = base.ObjectValue(2, 0);
  auto position = base.AddNewObject("Beta");
  ASSERT_TRUE(position.ok());
  EXPECT_EQ(*position, 1);
  for (int k = 0; k < base.K.size(); ++k) EXPECT_EQ(base.K[k].Values.text(1), "0");
  EXPECT_EQ(base.ObjectValue(3, 0), gamaValue);
  ExpectCopiesInStep(base);
}

TEST_F(SmallGrid, NewConstructTakesItsSortedPlaceAndANeutralColumn) {
  auto position = base.AddNewConstruct("malý", "velký");
  ASSERT_TRUE(position.ok());
  EXPECT_EQ(*position, 1);  // levný, malý, rychlý
  EXPECT_EQ(base.K[1].Opposite, "velký");
  for (int o = 0; o < base.O.size(); ++o) EXPECT_EQ(base.ObjectValue(o, 1), 0);
  ExpectCopiesInStep(base);
}

TEST(Model, NewObjectWithoutConstructsHasAnEmptyVector) {
  KnowledgeBase base;
  ASSERT_TRUE(base.AddNewObject("x").ok());
  EXPECT_TRUE(base.O[0].Values.empty());
}

TEST_F(SmallGrid, ReplaceConstructMovesItsRatingsInBothCopies) {
  const auto firstColumn = base.K[0].Values;
  std::vector<int> formerFirst;
  for (int o = 0; o < base.O.size(); ++o) formerFirst.push_back(base.ObjectValue(o, 0));
  auto position = base.ReplaceConstruct(0, "žlutý", "nežlutý");
  ASSERT_TRUE(position.ok());
  EXPECT_EQ(*position, 1);
  EXPECT_EQ(base.K.name(1), "žlutý");
  EXPECT_EQ(base.K[1].Values, firstColumn);
  for (int o = 0; o < base.O.size(); ++o) EXPECT_EQ(base.ObjectValue(o, 1), formerFirst[o]);
  ExpectCopiesInStep(base);
}

TEST_F(SmallGrid, ReplaceConstructWithTheSameNameChangesOnlyTheOpposite) {
  const auto before = base.K[1].Values;
  auto position = base.ReplaceConstruct(1, "rychlý", "pomalý");
  ASSERT_TRUE(position.ok());
  EXPECT_EQ(*position, 1);
  EXPECT_EQ(base.K[1].Opposite, "pomalý");
  EXPECT_EQ(base.K[1].Values, before);
  ExpectCopiesInStep(base);
}

TEST_F(SmallGrid, RemoveConstructDropsItsEntryFromEveryObject) {
  const int kept = base.ObjectValue(2, 1);
  base.RemoveConstruct(0);
  EXPECT_EQ(base.K.size(), 1);
  EXPECT_EQ(base.O[2].Values.size(), 1u);
  EXPECT_EQ(base.ObjectValue(2, 0), kept);
  ExpectCopiesInStep(base);
}

TEST(Model, StartSequenceGivesThreeEntriesPerObjectAndFivePerConstruct) {
  KnowledgeBase base;
  for (const char* name : {"e", "d", "c", "b", "a"}) ASSERT_TRUE(base.AddStartObject(name).ok());
  for (const char* name : {"x", "y"}) ASSERT_TRUE(base.AddTriadConstruct(name, "ne").ok());
  EXPECT_EQ(base.O[0].Values.size(), 3u);
  EXPECT_EQ(base.K[1].Values.size(), 5u);
  ExpectCopiesInStep(base);
}

struct RefusedName {
  const char* name;
  const char* expectedInMessage;
};

class RefusedNames : public ::testing::TestWithParam<RefusedName> {};

TEST_P(RefusedNames, AreRefusedByEveryOperationThatNamesARecordAndChangeNothing) {
  const auto& row = GetParam();
  KnowledgeBase base;
  ASSERT_TRUE(base.AddNewObject("ok").ok());
  ASSERT_TRUE(base.AddNewConstruct("k", "nek").ok());
  auto object = base.AddNewObject(row.name);
  ASSERT_FALSE(object.ok());
  EXPECT_NE(object.message().find(row.expectedInMessage), std::string::npos) << object.message();
  EXPECT_FALSE(base.AddNewConstruct(row.name, "x").ok());
  EXPECT_FALSE(base.AddNewConstruct("x", row.name).ok());
  EXPECT_FALSE(base.ReplaceConstruct(0, row.name, "x").ok());
  EXPECT_FALSE(base.AddStartObject(row.name).ok());
  EXPECT_FALSE(base.AddTriadConstruct(row.name, "x").ok());
  EXPECT_EQ(ObjectNames(base), std::vector<std::string>{"ok"});
  EXPECT_EQ(ConstructNames(base), std::vector<std::string>{"k"});
  EXPECT_EQ(base.K[0].Opposite, "nek");
}

INSTANTIATE_TEST_SUITE_P(Names, RefusedNames,
                         ::testing::Values(RefusedName{"a\tb", "tabulátor"}, RefusedName{"a\nb", "konec řádku"},
                                           RefusedName{"a\rb", "konec řádku"}, RefusedName{"日本", "Windows-1250"},
                                           RefusedName{"\xff\xfe", "UTF-8"}));

TEST(Model, NamesTheFilesCanHoldAreKeptExactlyAsTyped) {
  KnowledgeBase base;
  for (const char* name : {"  Pes  ", "", "Žluťoučký kůň €"}) ASSERT_TRUE(base.AddNewObject(name).ok()) << name;
  EXPECT_EQ(ObjectNames(base), (std::vector<std::string>{"", "  Pes  ", "Žluťoučký kůň €"}));
}

TEST(Model, ClearEmptiesBothLists) {
  KnowledgeBase base;
  ASSERT_TRUE(base.AddNewObject("a").ok());
  ASSERT_TRUE(base.AddNewConstruct("b", "c").ok());
  base.Clear();
  EXPECT_TRUE(base.empty());
}

}  // namespace
}  // namespace kelo
