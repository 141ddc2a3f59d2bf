// MemoryDcTable: the painters' off-screen device contexts, each listed with the bitmap made for it
// and the object that bitmap displaced; registering, releasing and turning one into a bitmap.
#pragma once

#include <windows.h>

#include "runtime/counted_array.h"

namespace skin {

struct MemoryDcEntry {
  HDC dc = nullptr;  // the key: at most one entry per DC
  HBITMAP bitmap = nullptr;
  HGDIOBJ displaced = nullptr;  // selected back into `dc` when it is released
};

// Program-wide and 1-based. A listed DC and its bitmap belong to the table until ReleaseMemoryDc;
// DCs still listed when the program ends are not deleted.
extern runtime::CountedArray<MemoryDcEntry> MemoryDcTable;

// Lists `dc` with its bitmap and displaced object; an entry for `dc` that exists already is updated.
void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ displaced);

// Selects the displaced object back, deletes the bitmap and the DC and drops the entry. False for a
// null DC or one not in the table, which is left untouched.
bool ReleaseMemoryDc(HDC dc);

// A new bitmap compatible with `dc` holding its top-left width x height pixels; the caller owns it.
// `dc` itself is released with ReleaseMemoryDc.
[[nodiscard]] HBITMAP CopyDcToBitmap(HDC dc, int width, int height);

}  // namespace skin
