// The window registry: blank first entries, deep copies, removal with renumbering, lookups.
#include "skin/engine/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using skin::AppendRecord;
using skin::FindRecordIndex;
using skin::PropertyInt;
using skin::RecordIndexFromProperty;
using skin::RemoveRecord;
using skin::SkinWindowRecord;
using skin::WindowRegistry;

// Real windows, destroyed with the fixture; the registry starts and ends empty.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { WindowRegistry.Clear(); }
  void TearDown() override {
    WindowRegistry.Clear();
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) DestroyWindow(*it);
  }

  HWND TopLevel() {
    return Keep(CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr));
  }
  HWND Child(HWND parent) {
    return Keep(CreateWindowExA(0, "BUTTON", "", WS_CHILD, 0, 0, 20, 20, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr));
  }

  // A record for `window` stored at the next index, with Hw_lbID set as SkinWindow sets it.
  int Skin(HWND window, SkinWindowRecord record = {}) {
    record.window = window;
    const int index = AppendRecord(record);
    SetPropA(window, "Hw_lbID", skin::PropertyValue(index));
    return index;
  }

 private:
  HWND Keep(HWND window) {
    EXPECT_NE(window, nullptr);
    windows_.push_back(window);
    return window;
  }
  std::vector<HWND> windows_;
};

// Registers a control in one list of a record, filling the blank entry first.
template <typename Entry>
void Register(runtime::CountedArray<Entry>& list, HWND control) {
  if (list.Count() == 1 && !list[1].window) {
    list[1].window = control;
  } else {
    list.Append(Entry{}).window = control;
  }
}

// One registration per control family, each with the property name that carries the record index.
struct Family {
  const char* name;
  std::function<void(SkinWindowRecord&, HWND)> add;
  const char* indexProperty;
};
const std::vector<Family> kFamilies = {
    {"buttons", [](SkinWindowRecord& r, HWND w) { Register(r.buttonList, w); }, "Hw_FuID"},
    {"combo boxes", [](SkinWindowRecord& r, HWND w) { Register(r.comboList, w); }, "Hw_FuID"},
    {"list controls", [](SkinWindowRecord& r, HWND w) { Register(r.listControlList, w); }, "Hw_FuID"},
    {"trackbars", [](SkinWindowRecord& r, HWND w) { Register(r.trackbarList, w); }, "Hw_FuID"},
    {"progress bars", [](SkinWindowRecord& r, HWND w) { Register(r.progressList, w); }, "Hw_FuID"},
    {"edits", [](SkinWindowRecord& r, HWND w) { Register(r.editList, w); }, "Hw_FuID"},
    {"up-downs", [](SkinWindowRecord& r, HWND w) { Register(r.upDownList, w); }, "Hw_FuID"},
    {"headers", [](SkinWindowRecord& r, HWND w) { Register(r.headerList, w); }, "Hw_FuID"},
    {"panels", [](SkinWindowRecord& r, HWND w) { Register(r.panelList, w); }, "Hw_FuID"},
    {"colour-keyed", [](SkinWindowRecord& r, HWND w) { Register(r.colourKeyList, w); }, "Kj_FuID"},
};

TEST_F(RegistryTest, EveryControlListStartsWithOneBlankEntry) {
  const SkinWindowRecord record;
  auto blank = [](const auto& list) { return list.Count() == 1 && list[1].window == nullptr; };
  EXPECT_TRUE(blank(record.buttonList));
  EXPECT_TRUE(blank(record.comboList));
  EXPECT_TRUE(blank(record.listControlList));
  EXPECT_TRUE(blank(record.trackbarList));
  EXPECT_TRUE(blank(record.progressList));
  EXPECT_TRUE(blank(record.editList));
  EXPECT_TRUE(blank(record.upDownList));
  EXPECT_TRUE(blank(record.headerList));
  EXPECT_TRUE(blank(record.colourKeyList));
  EXPECT_TRUE(blank(record.panelList));
  EXPECT_TRUE(record.titleButtons.Empty());
  EXPECT_TRUE(record.statusPanes.Empty());
}

TEST_F(RegistryTest, RemovingTheFirstRecordRenumbersTheSecondWindowAndAllItsControls) {
  const HWND first = TopLevel();
  const HWND second = TopLevel();
  ASSERT_EQ(Skin(first), 1);

  // The second window holds two buttons and one control of every other family.
  SkinWindowRecord record;
  std::vector<std::pair<HWND, const Family*>> controls;
  for (const Family& family : kFamilies) {
    const HWND control = Child(second);
    family.add(record, control);
    SetPropA(control, family.indexProperty, skin::PropertyValue(2));
    controls.emplace_back(control, &family);
  }
  const HWND secondButton = Child(second);
  Register(record.buttonList, secondButton);
  SetPropA(secondButton, "Hw_FuID", skin::PropertyValue(2));
  controls.emplace_back(secondButton, &kFamilies[0]);
  ASSERT_EQ(Skin(second, record), 2);
  ASSERT_EQ(FindRecordIndex(second), 2);

  RemoveRecord(1);

  ASSERT_EQ(WindowRegistry.Count(), 1);
  EXPECT_EQ(WindowRegistry[1].window, second);
  EXPECT_EQ(PropertyInt(second, "Hw_lbID"), 1);
  EXPECT_EQ(FindRecordIndex(second), 1);
  EXPECT_EQ(FindRecordIndex(first), 0);
  for (const auto& [control, family] : controls) {
    SCOPED_TRACE(family->name);
    EXPECT_EQ(PropertyInt(control, family->indexProperty), 1);
  }
  // The colour-keyed control carries its index only in Kj_FuID.
  EXPECT_EQ(GetPropA(controls[9].first, "Hw_FuID"), nullptr);
}

TEST_F(RegistryTest, RemovingALaterRecordLeavesEarlierOnesWhereTheyAre) {
  const HWND windows[3] = {TopLevel(), TopLevel(), TopLevel()};
  for (HWND window : windows) Skin(window);
  RemoveRecord(2);
  ASSERT_EQ(WindowRegistry.Count(), 2);
  EXPECT_EQ(PropertyInt(windows[0], "Hw_lbID"), 1);
  EXPECT_EQ(PropertyInt(windows[2], "Hw_lbID"), 2);
  EXPECT_EQ(FindRecordIndex(windows[0]), 1);
  EXPECT_EQ(FindRecordIndex(windows[2]), 2);
}

TEST_F(RegistryTest, LookupByPropertyRefusesIndexesOutsideTheRegistry) {
  const HWND first = TopLevel();
  const HWND second = TopLevel();
  Skin(first);
  Skin(second);
  const HWND probe = TopLevel();
  struct Case {
    INT_PTR property;  // 0: no property
    int expected;
  };
  const Case cases[] = {{0, 0}, {-1, 0}, {1, 1}, {2, 2}, {3, 0}, {0x10000, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.property));
    RemovePropA(probe, "Hw_lbID");
    if (c.property) SetPropA(probe, "Hw_lbID", skin::PropertyValue(c.property));
    EXPECT_EQ(RecordIndexFromProperty(probe), c.expected);
  }

  // Once the first record is gone, index 2 is past the end.
  RemoveRecord(1);
  SetPropA(probe, "Hw_lbID", skin::PropertyValue(2));
  EXPECT_EQ(RecordIndexFromProperty(probe), 0);
  EXPECT_EQ(RecordIndexFromProperty(second), 1);
  EXPECT_EQ(RecordIndexFromProperty(nullptr), 0);
  EXPECT_EQ(FindRecordIndex(nullptr), 0);
}

TEST_F(RegistryTest, TheStoredRecordSharesNothingWithTheLocalOne) {
  const HWND window = TopLevel();
  const HWND button = Child(window);
  const uint8_t bytes[] = {1, 2, 3, 4};

  SkinWindowRecord local;
  local.window = window;
  local.picture = runtime::ByteSet(bytes, sizeof bytes);
  local.captionFontName = "Caption";
  skin::TitleButton close;
  close.image = runtime::ByteSet(bytes, 4);
  close.tip = "close";
  local.titleButtons.Append(close);
  skin::StatusPane pane;
  pane.text = "pane";
  pane.picture = runtime::ByteSet(bytes, 2);
  local.statusPanes.Append(pane);
  local.buttonList[1].window = button;
  local.buttonList[1].caption = "OK";
  local.buttonList[1].pictures[0] = runtime::ByteSet(bytes, 3);
  ASSERT_NE(local.toolTip.Create(window), nullptr);

  ASSERT_EQ(AppendRecord(local), 1);
  SkinWindowRecord& stored = WindowRegistry[1];
  EXPECT_EQ(stored.toolTip.GetHandle(), local.toolTip.GetHandle());  // copies drive one tooltip

  // Change every owned part of the local record in place; the stored record keeps its values.
  local.picture.Data()[0] = 9;
  local.captionFontName[0] = 'X';
  local.titleButtons[1].image.Data()[0] = 9;
  local.titleButtons[1].tip = "gone";
  local.statusPanes[1].text = "other";
  local.statusPanes[1].picture.Data()[0] = 9;
  local.buttonList[1].caption = "No";
  local.buttonList[1].pictures[0].Data()[0] = 9;
  local.buttonList.Append({});
  local.titleButtons.Clear();

  EXPECT_EQ(stored.picture, runtime::ByteSet(bytes, 4));
  EXPECT_EQ(stored.captionFontName, "Caption");
  ASSERT_EQ(stored.titleButtons.Count(), 1);
  EXPECT_EQ(stored.titleButtons[1].image, runtime::ByteSet(bytes, 4));
  EXPECT_EQ(stored.titleButtons[1].tip, "close");
  EXPECT_EQ(stored.statusPanes[1].text, "pane");
  EXPECT_EQ(stored.statusPanes[1].picture, runtime::ByteSet(bytes, 2));
  EXPECT_EQ(stored.buttonList.Count(), 1);
  EXPECT_EQ(stored.buttonList[1].caption, "OK");
  EXPECT_EQ(stored.buttonList[1].pictures[0], runtime::ByteSet(bytes, 3));

  // And the other way round.
  stored.statusPanes[1].picture.Data()[1] = 7;
  EXPECT_EQ(local.statusPanes[1].picture.Data()[1], 2);
}

}  // namespace
