// Finding the registry record, panel or container that a window's background comes from.
#pragma once

#include <windows.h>

namespace skin {

// What LocateOwner found; 0 and null stand for nothing.
struct OwnerLocation {
  int record = 0;           // registry index
  int panel = 0;            // position in that record's panelList
  HWND container = nullptr;  // a window that keeps its own composed background (Wxk_Zpf = 1)
};

// True when the window, or the first ancestor that decides, is a registered top-level window
// (`found.record` names it). Otherwise false, with `found` telling what the walk met first: a
// container (only when `useContainers`), or a panel of some record, or nothing.
bool LocateOwner(HWND window, OwnerLocation& found, bool useContainers);

// Registry index of the nearest registered ancestor of `window` (the window itself is not
// tested); 0 when the parent chain ends first.
int FindTopLevelIndex(HWND window);

// Position of `window` in the panelList of record `record`; 0 when it is not there.
int FindChildEntryIndex(int record, HWND window);

// Position in record `record`'s panelList of the nearest ancestor of `window`, below `stop`, that is
// a panel whose veil reaches nested controls (paintsBackground); 0 when there is none.
int FindVeiledAncestorEntry(int record, HWND window, HWND stop);

// The window in property `name` of `window` (Mb_zpf), or the DC (Wxk_Cj); null when unset.
HWND PropertyWindow(HWND window, const char* name);
HDC PropertyDc(HWND window, const char* name);

// The window carries Wxk_Zpf = 1: it keeps its own composed background in Wxk_Cj.
bool IsBackgroundContainer(HWND window);

}  // namespace skin
