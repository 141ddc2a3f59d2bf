// Counted arrays, byte sets and the fatal error that ends a program on a bad array position.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>

#include "runtime/byte_set.h"
#include "runtime/counted_array.h"
#include "runtime/fatal_error.h"
#include "runtime/text.h"

namespace runtime {
namespace {

TEST(CountedArray, PositionsStartAtOneAndFollowInsertAndRemove) {
  CountedArray<int> array{10, 20, 30};
  EXPECT_EQ(array[1], 10);
  EXPECT_EQ(array[3], 30);
  array.Insert(1, 5);   // before the first
  array.Insert(5, 40);  // after the last
  array.Remove(3);      // the 20
  EXPECT_EQ(array, (CountedArray<int>{5, 10, 30, 40}));
  EXPECT_EQ(array.Count(), 4);
}

struct BadPosition {
  const char* what;
  std::function<void(CountedArray<int>&)> use;
  const char* report;
};

// Each bad use ends the program with the fatal exit code and names the position and the bounds.
TEST(CountedArrayDeathTest, PositionOutsideTheArrayIsAFatalError) {
  const BadPosition cases[] = {
      {"read before the first", [](auto& a) { (void)a[0]; }, "read or write at position 0 outside 1..2"},
      {"read after the last", [](auto& a) { (void)a[3]; }, "read or write at position 3 outside 1..2"},
      {"insert past the end", [](auto& a) { a.Insert(4, 1); }, "insert at position 4 outside 1..2"},
      {"remove from nothing", [](auto& a) { a.Remove(-1); }, "remove at position -1 outside 1..2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CountedArray<int> array{1, 2};
    EXPECT_EXIT(c.use(array), testing::ExitedWithCode(kFatalExitCode), c.report);
  }
}

TEST(ByteSet, HoldsDimensionCountByteCountThenTheBytes) {
  const ByteSet set("MZ\x90", 3);
  const auto* block = static_cast<const uint8_t*>(set.Layout());
  ASSERT_NE(block, nullptr);
  uint32_t header[2];
  std::memcpy(header, block, sizeof header);
  EXPECT_EQ(header[0], 1u);
  EXPECT_EQ(header[1], 3u);
  EXPECT_EQ(std::memcmp(block + 8, "MZ\x90", 3), 0);
  EXPECT_EQ(ByteSet::FromLayout(block), set);
}

TEST(ByteSet, EmptySetHoldsNoBlockAndCopiesAreIndependent) {
  EXPECT_EQ(ByteSet().Layout(), nullptr);
  EXPECT_EQ(ByteSet("", 0).Layout(), nullptr);

  ByteSet original("ab", 2);
  ByteSet copy = original;
  copy.Data()[0] = 'x';
  EXPECT_EQ(original.View(), "ab");
  EXPECT_EQ(copy.View(), "xb");
}

TEST(Text, DecimalText) {
  const struct {
    long long value;
    const char* text;
  } cases[] = {{0, "0"}, {-35, "-35"}, {2147483647, "2147483647"}, {-2147483648LL, "-2147483648"}};
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value), c.text);
}

}  // namespace
}  // namespace runtime
