// The window registry: appending, removing with renumbering, and the two lookups.
#include "skin/engine/registry.h"

namespace skin {

runtime::CountedArray<SkinWindowRecord> WindowRegistry;

namespace {

// Sets property `name` = `value` on the window of every registered entry of `list`.
template <typename Entry>
void NumberEntries(runtime::CountedArray<Entry>& list, const char* name, int value) {
  for (const Entry& entry : list) {
    if (entry.window) SetPropA(entry.window, name, PropertyValue(value));
  }
}

void NumberRecord(SkinWindowRecord& record, int index) {
  SetPropA(record.window, "Hw_lbID", PropertyValue(index));
  NumberEntries(record.listControlList, "Hw_FuID", index);
  NumberEntries(record.buttonList, "Hw_FuID", index);
  NumberEntries(record.comboList, "Hw_FuID", index);
  NumberEntries(record.editList, "Hw_FuID", index);
  NumberEntries(record.headerList, "Hw_FuID", index);
  NumberEntries(record.upDownList, "Hw_FuID", index);
  NumberEntries(record.trackbarList, "Hw_FuID", index);
  NumberEntries(record.progressList, "Hw_FuID", index);
  NumberEntries(record.panelList, "Hw_FuID", index);
  NumberEntries(record.colourKeyList, "Kj_FuID", index);
}

}  // namespace

int AppendRecord(const SkinWindowRecord& record) {
  WindowRegistry.Append(record);
  return WindowRegistry.Count();
}

void RemoveRecord(int index) {
  WindowRegistry.Remove(index);
  for (int j = 1; j <= WindowRegistry.Count(); ++j) NumberRecord(WindowRegistry[j], j);
}

int RecordIndexFromProperty(HWND window) {
  const int index = PropertyInt(window, "Hw_lbID");
  return index >= 1 && index <= WindowRegistry.Count() ? index : 0;
}

int FindRecordIndex(HWND window) {
  for (int j = 1; j <= WindowRegistry.Count(); ++j) {
    if (WindowRegistry[j].window == window) return j;
  }
  return 0;
}

}  // namespace skin
