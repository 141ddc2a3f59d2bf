// MemoryDcTable and the routines that fill and empty it.
#include "skin/paint/memory_dc_table.h"

#include "runtime/scoped_gdi.h"
#include "skin/paint/scoped_dc.h"

namespace skin {

runtime::CountedArray<MemoryDcEntry> MemoryDcTable;

namespace {

// Position of the entry of `dc`; 0 when it has none.
int FindMemoryDc(HDC dc) {
  for (int j = 1; j <= MemoryDcTable.Count(); ++j) {
    if (MemoryDcTable[j].dc == dc) return j;
  }
  return 0;
}

}  // namespace

void RegisterMemoryDc(HDC dc, HBITMAP bitmap, HGDIOBJ displaced) {
  if (const int j = FindMemoryDc(dc)) {
    MemoryDcTable[j].bitmap = bitmap;
    MemoryDcTable[j].displaced = displaced;
  } else {
    MemoryDcTable.Append({dc, bitmap, displaced});
  }
}

bool ReleaseMemoryDc(HDC dc) {
  if (!dc) return false;
  const int j = FindMemoryDc(dc);
  if (!j) return false;
  const MemoryDcEntry entry = MemoryDcTable[j];
  if (entry.displaced) SelectObject(entry.dc, entry.displaced);
  if (entry.bitmap) DeleteObject(entry.bitmap);
  DeleteDC(entry.dc);
  MemoryDcTable.Remove(j);
  return true;
}

HBITMAP CopyDcToBitmap(HDC dc, int width, int height) {
  HBITMAP copy = CreateCompatibleBitmap(dc, width, height);
  {
    OwnedMemoryDc target(nullptr);
    runtime::ScopedSelect selected(target.Get(), copy);
    BitBlt(target.Get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  }
  ReleaseMemoryDc(dc);
  return copy;
}

}  // namespace skin
