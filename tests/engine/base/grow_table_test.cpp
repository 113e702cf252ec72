#include "base/grow_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "trov.h"

namespace {

using trov::GrowTable;

int CompareInts(const void* key, const void* element) {
  const int a = *static_cast<const int*>(key);
  const int b = *static_cast<const int*>(element);
  return a < b ? -1 : (a > b ? 1 : 0);
}

class GrowTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(table.Init(sizeof(int), 4), 0); }
  void TearDown() override { table.Free(); }
  void AppendAll(std::initializer_list<int> values) {
    for (int v : values) ASSERT_GE(table.Append(&v), 0);
  }
  int At(int32_t i) { return table.Get<int>(i); }
  GrowTable table;
};

TEST_F(GrowTableTest, GrowsByHalfOfTheNeededCountWhenFull) {
  EXPECT_EQ(table.Capacity(), 4);
  AppendAll({1, 2, 3, 4});
  EXPECT_EQ(table.Capacity(), 4);
  AppendAll({5});
  EXPECT_EQ(table.Capacity(), 7);  // reserve(5) -> 5 + 5/2
  AppendAll({6, 7, 8});
  EXPECT_EQ(table.Capacity(), 12);  // reserve(8) -> 8 + 4
  for (int i = 0; i < 8; ++i) EXPECT_EQ(At(i), i + 1) << "elements survive the move";
}

TEST_F(GrowTableTest, AppendReturnsIndexAndInsertShiftsUp) {
  const int value = 10;
  EXPECT_EQ(table.Append(&value), 0);
  EXPECT_EQ(table.Append(&value), 1);
  const int inserted = 5;
  ASSERT_EQ(table.Insert(0, &inserted), 0);
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(At(0), 5);
  EXPECT_EQ(At(1), 10);
}

TEST_F(GrowTableTest, RemovePastTheEndIsRefused) {
  AppendAll({1, 2, 3});
  EXPECT_EQ(table.Remove(3), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Remove(0), 0);
  EXPECT_EQ(table.Count(), 2);
  EXPECT_EQ(At(0), 2);
  EXPECT_EQ(At(1), 3);
}

TEST_F(GrowTableTest, ClearKeepsStorageAndFreeReleasesIt) {
  AppendAll({1, 2, 3, 4, 5});
  table.Clear();
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(table.Capacity(), 7);
  table.Free();
  EXPECT_EQ(table.Capacity(), 0);
  AppendAll({9});  // a freed table grows again from nothing
  EXPECT_EQ(At(0), 9);
}

TEST_F(GrowTableTest, BinarySearchFindsElementsAndInsertionPoints) {
  AppendAll({2, 4, 6, 8});
  for (int i = 0; i < 4; ++i) {
    const int key = 2 * (i + 1);
    EXPECT_EQ(table.BinarySearch(&key, CompareInts), i);
  }
  const int before = 1, middle = 5, after = 9;
  EXPECT_EQ(table.BinarySearch(&before, CompareInts), -1);
  EXPECT_EQ(table.BinarySearch(&middle, CompareInts), -3);
  EXPECT_EQ(table.BinarySearch(&after, CompareInts), -5);
}

}  // namespace
