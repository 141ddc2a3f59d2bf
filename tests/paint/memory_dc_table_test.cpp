// MemoryDcTable: registering, releasing exactly once, leaving strangers alone, copying out.
#include "skin/paint/memory_dc_table.h"

#include <gtest/gtest.h>

#include "tests/paint/paint_fixture.h"

namespace {

using namespace paint_test;
using skin::CopyDcToBitmap;
using skin::MemoryDcTable;
using skin::RegisterMemoryDc;
using skin::ReleaseMemoryDc;

// A memory DC with a bitmap selected, as a painter makes one; listed in the table when asked.
struct MadeDc {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
  HGDIOBJ displaced = SelectObject(dc, bitmap);
};

MadeDc Listed() {
  MadeDc made;
  RegisterMemoryDc(made.dc, made.bitmap, made.displaced);
  return made;
}

class MemoryDcTableTest : public ::testing::Test {
 protected:
  void SetUp() override { MemoryDcTable.Clear(); }
  void TearDown() override { MemoryDcTable.Clear(); }
};

TEST_F(MemoryDcTableTest, ReleasingDeletesTheDcAndItsBitmapOnce) {
  const MadeDc made = Listed();
  ASSERT_EQ(MemoryDcTable.Count(), 1);
  EXPECT_TRUE(ReleaseMemoryDc(made.dc));
  EXPECT_EQ(MemoryDcTable.Count(), 0);
  EXPECT_EQ(GetObjectType(made.dc), 0u) << "the DC is deleted";
  EXPECT_EQ(GetObjectType(made.bitmap), 0u) << "the bitmap is deleted";
  EXPECT_FALSE(ReleaseMemoryDc(made.dc)) << "a second release finds nothing";
}

TEST_F(MemoryDcTableTest, UnknownAndNullDcsAreRefusedAndLeftAlone) {
  const MadeDc listed = Listed();
  MadeDc stranger;
  EXPECT_FALSE(ReleaseMemoryDc(stranger.dc));
  EXPECT_FALSE(ReleaseMemoryDc(nullptr));
  EXPECT_EQ(GetObjectType(stranger.dc), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(GetCurrentObject(stranger.dc, OBJ_BITMAP), stranger.bitmap) << "its bitmap stays selected";
  EXPECT_EQ(MemoryDcTable.Count(), 1);
  EXPECT_EQ(MemoryDcTable[1].dc, listed.dc);

  SelectObject(stranger.dc, stranger.displaced);
  DeleteObject(stranger.bitmap);
  DeleteDC(stranger.dc);
  EXPECT_TRUE(ReleaseMemoryDc(listed.dc));
}

TEST_F(MemoryDcTableTest, RegisteringAListedDcUpdatesItsEntry) {
  const MadeDc made = Listed();
  HBITMAP second = CreateCompatibleBitmap(made.dc, 4, 4);
  HGDIOBJ first = SelectObject(made.dc, second);
  RegisterMemoryDc(made.dc, second, made.displaced);
  ASSERT_EQ(MemoryDcTable.Count(), 1);
  EXPECT_EQ(MemoryDcTable[1].bitmap, second);

  EXPECT_TRUE(ReleaseMemoryDc(made.dc));
  EXPECT_EQ(GetObjectType(second), 0u) << "the entry's bitmap goes with the DC";
  EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP)) << "the replaced one is the caller's";
  DeleteObject(first);
}

TEST_F(MemoryDcTableTest, ReleasingOneEntryMovesTheLaterOnesDown) {
  const MadeDc a = Listed(), b = Listed(), c = Listed();
  EXPECT_TRUE(ReleaseMemoryDc(b.dc));
  ASSERT_EQ(MemoryDcTable.Count(), 2);
  EXPECT_EQ(MemoryDcTable[1].dc, a.dc);
  EXPECT_EQ(MemoryDcTable[2].dc, c.dc);
  EXPECT_TRUE(ReleaseMemoryDc(c.dc));
  EXPECT_TRUE(ReleaseMemoryDc(a.dc));
}

TEST_F(MemoryDcTableTest, CopyDcToBitmapCopiesTheTopLeftAndReleasesTheDc) {
  // A listed DC over a picture whose pixels name their position.
  Picture picture(40, 30, FramePattern);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(picture.Dc(), 40, 30);
  RegisterMemoryDc(dc, bitmap, SelectObject(dc, bitmap));
  BitBlt(dc, 0, 0, 40, 30, picture.Dc(), 0, 0, SRCCOPY);

  HBITMAP copy = CopyDcToBitmap(dc, 25, 12);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(MemoryDcTable.Count(), 0);
  EXPECT_EQ(GetObjectType(dc), 0u);
  const Pixels pixels(copy);
  DeleteObject(copy);
  ASSERT_EQ(pixels.Width(), 25);
  ASSERT_EQ(pixels.Height(), 12);
  EXPECT_EQ(pixels.At(0, 0), FramePattern(0, 0));
  EXPECT_EQ(pixels.At(24, 11), FramePattern(24, 11));
}

}  // namespace
