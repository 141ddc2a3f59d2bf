// Owner lookups over WindowRegistry and the records' panel lists.
#include "skin/paint/owner_lookup.h"

#include "skin/engine/registry.h"

namespace skin {

HWND PropertyWindow(HWND window, const char* name) {
  return static_cast<HWND>(GetPropA(window, name));
}

HDC PropertyDc(HWND window, const char* name) { return static_cast<HDC>(GetPropA(window, name)); }

bool IsBackgroundContainer(HWND window) { return PropertyInt(window, "Wxk_Zpf") == 1; }

bool LocateOwner(HWND window, OwnerLocation& found, bool useContainers) {
  found = {};
  if (useContainers && IsBackgroundContainer(window)) {
    found.container = window;
    return false;
  }
  if (const int record = FindRecordIndex(window)) {
    found.record = record;
    return true;
  }
  for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor)) {
    if (useContainers && IsBackgroundContainer(ancestor)) {
      found.container = ancestor;
      return false;
    }
    for (int j = 1; j <= WindowRegistry.Count(); ++j) {
      if (WindowRegistry[j].window == ancestor) {
        found.record = j;
        return true;
      }
      if (const int k = FindChildEntryIndex(j, ancestor)) {
        const HWND container = useContainers ? PropertyWindow(ancestor, "Mb_zpf") : nullptr;
        if (container) {
          found.container = container;
        } else {
          found.record = j;
          found.panel = k;
        }
        return false;
      }
    }
  }
  return false;
}

int FindTopLevelIndex(HWND window) {
  for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor)) {
    if (const int record = FindRecordIndex(ancestor)) return record;
  }
  return 0;
}

int FindChildEntryIndex(int record, HWND window) {
  const auto& panels = WindowRegistry[record].panelList;
  for (int k = 1; k <= panels.Count(); ++k) {
    if (panels[k].window == window) return k;
  }
  return 0;
}

int FindVeiledAncestorEntry(int record, HWND window, HWND stop) {
  for (HWND ancestor = GetParent(window); ancestor && ancestor != stop;
       ancestor = GetParent(ancestor)) {
    const int k = FindChildEntryIndex(record, ancestor);
    if (k && WindowRegistry[record].panelList[k].paintsBackground) return k;
  }
  return 0;
}

}  // namespace skin
