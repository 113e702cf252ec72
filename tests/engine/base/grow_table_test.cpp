#include "base/grow_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "trov.h"

namespace {

using trov::GrowTable;

class GrowTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(table.Init(4), 0); }
  void AppendAll(std::initializer_list<int> values) {
    for (int v : values) ASSERT_GE(table.Append(v), 0);
  }
  GrowTable<int> table;
};

TEST_F(GrowTableTest, GrowsByHalfOfTheNeededCountWhenFull) {
  EXPECT_EQ(table.Capacity(), 4);
  AppendAll({1, 2, 3, 4});
  EXPECT_EQ(table.Capacity(), 4);
  AppendAll({5});
  EXPECT_EQ(table.Capacity(), 7);  // reserve(5) -> 5 + 5/2
  AppendAll({6, 7, 8});
  EXPECT_EQ(table.Capacity(), 12);  // reserve(8) -> 8 + 4
  for (int i = 0; i < 8; ++i) EXPECT_EQ(table[i], i + 1) << "elements survive the move";
}

TEST_F(GrowTableTest, AppendReturnsIndexAndInsertShiftsUp) {
  EXPECT_EQ(table.Append(10), 0);
  EXPECT_EQ(table.Append(20), 1);
  ASSERT_EQ(table.Insert(0, 5), 0);
  ASSERT_EQ(table.Insert(3, 30), 0);
  ASSERT_EQ(table.Insert(2, 15), 0);
  EXPECT_EQ(table.Count(), 5);
  const int expected[] = {5, 10, 15, 20, 30};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table[i], expected[i]);
}

TEST_F(GrowTableTest, RemovePastTheEndIsRefused) {
  AppendAll({1, 2, 3});
  EXPECT_EQ(table.Remove(3), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(table.Remove(-1), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Remove(0), 0);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(table[0], 2);
  EXPECT_EQ(table[1], 3);
}

TEST_F(GrowTableTest, ClearKeepsStorageAndFreeReleasesIt) {
  AppendAll({1, 2, 3, 4, 5});
  table.Clear();
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.Capacity(), 7);
  table.Free();
  EXPECT_EQ(table.Capacity(), 0);
  AppendAll({9});  // a freed table grows again from nothing
  EXPECT_EQ(table[0], 9);
  EXPECT_EQ(table.Capacity(), 1);
}

// Owning elements are moved, never copied, through growth, insertion and removal, and each is
// destroyed exactly once (the sanitizer run catches a leak or a double free).
TEST(GrowTableOwning, MovesOwnedElementsThroughGrowthInsertAndRemove) {
  GrowTable<std::unique_ptr<std::string>> owned;
  ASSERT_EQ(owned.Init(2), 0);
  for (int i = 0; i < 10; ++i) {
    ASSERT_EQ(owned.Append(std::make_unique<std::string>(std::to_string(i))), i);
  }
  ASSERT_EQ(owned.Insert(3, std::make_unique<std::string>("x")), 0);
  ASSERT_EQ(owned.Remove(0), 0);
  ASSERT_EQ(owned.Count(), 10);
  EXPECT_EQ(*owned[0], "1");
  EXPECT_EQ(*owned[2], "x");
  EXPECT_EQ(*owned[9], "9");
  GrowTable<std::unique_ptr<std::string>> moved = std::move(owned);
  EXPECT_EQ(owned.Count(), 0);
  EXPECT_EQ(moved.Count(), 10);
  EXPECT_EQ(*moved[3], "3");
}

}  // namespace
