// ComposeBackground and the veiled control backgrounds built on it.
#include "skin/paint/compose_background.h"

#include "gdiplus/graphics.h"
#include "skin/engine/registry.h"
#include "skin/engine/settings.h"
#include "skin/paint/memory_dc_table.h"
#include "skin/paint/outlines.h"
#include "skin/paint/owner_lookup.h"
#include "skin/paint/window_geometry.h"

namespace skin {

namespace {

// A MemoryDcTable DC holding a fully transparent 32-bit ARGB bitmap of width x height.
HDC NewMemoryDc(int width, int height) {
  HBITMAP bitmap = nullptr;
  {
    gdip::Bitmap canvas;
    canvas.CreateBitmap(width, height);
    bitmap = canvas.GdipCreateHBITMAPFromBitmap(0);
  }
  HDC dc = CreateCompatibleDC(nullptr);
  RegisterMemoryDc(dc, bitmap, bitmap ? SelectObject(dc, bitmap) : nullptr);
  return dc;
}

// Copies the width x height pixels of `source` at `rect`'s top-left moved by (`dx`, `dy`) to (0, 0)
// of `dc`.
void CopyFrom(HDC dc, const RECT& rect, HDC source, LONG dx, LONG dy) {
  BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, source, rect.left + dx,
         rect.top + dy, SRCCOPY);
}

// Fills all of the width x height `dc`, or with the group-box shape all but the top 5 pixels where
// the box draws its caption line, with the veil of `panel`. A panel without a veil colour has none.
void DrawVeil(HDC dc, const PanelEntry& panel, const RECT& rect, bool groupBoxShape) {
  if (!panel.veilColour) return;
  gdip::Graphics graphics;
  graphics.GdipCreateFromHDC(dc);
  gdip::GraphicsPath path;
  path.GdipCreatePath();
  if (groupBoxShape) {
    AddRoundedRectangle(path, 0, 5.0f, static_cast<gdip::REAL>(rect.right),
                        static_cast<gdip::REAL>(rect.bottom - 6), 5);
  } else {
    path.GdipAddPathRectangle(0, 0, static_cast<gdip::REAL>(rect.right - rect.left),
                              static_cast<gdip::REAL>(rect.bottom - rect.top));
  }
  gdip::SolidBrush brush;
  brush.GdipCreateSolidFill(ToArgb(panel.veilColour, panel.veilAlpha, true));
  graphics.GdipFillPath(brush, path);
}

const PanelEntry& Panel(int record, int position) { return WindowRegistry[record].panelList[position]; }

// The window's top-level window is registered as `record`.
void ComposeOnTopLevel(HDC dc, HWND window, const RECT& rect, int record) {
  const RECT offset = OffsetInTopLevel(window);
  CopyFrom(dc, rect, WindowRegistry[record].backBufferDc, offset.left, offset.top);
  if (const int k = FindChildEntryIndex(record, window)) {
    DrawVeil(dc, Panel(record, k), rect, Panel(record, k).groupBox != 0);
  }
}

// The window is the container `container` or sits in it.
void ComposeInContainer(HDC dc, HWND window, const RECT& rect, const OwnerLocation& owner) {
  if (owner.container == window) {
    if (const HWND outer = PropertyWindow(window, "Mb_zpf")) {
      const RECT offset = RectRelativeTo(outer, window);
      CopyFrom(dc, rect, PropertyDc(outer, "Wxk_Cj"), offset.left, offset.top);
    } else if (const int record = FindTopLevelIndex(window)) {
      const RECT offset = RectRelativeToRoot(window);
      CopyFrom(dc, rect, WindowRegistry[record].backBufferDc, offset.left, offset.top);
    }
    return;
  }
  const RECT offset = RectRelativeTo(owner.container, window);
  CopyFrom(dc, rect, PropertyDc(owner.container, "Wxk_Cj"), offset.left, offset.top);
  const int record = owner.record ? owner.record : FindTopLevelIndex(window);
  if (!record) return;
  if (const int k = FindChildEntryIndex(record, window)) {
    DrawVeil(dc, Panel(record, k), rect, Panel(record, k).groupBox != 0);
  } else if (const int veiled = FindVeiledAncestorEntry(record, window, owner.container)) {
    DrawVeil(dc, Panel(record, veiled), rect, false);
  }
}

// The window sits in panel `owner.panel` of `owner.record`, or nothing was found. False when no
// registered top-level window lies above it.
bool ComposeInPanel(HDC dc, HWND window, const RECT& rect, const OwnerLocation& owner) {
  const int record = owner.record ? owner.record : FindTopLevelIndex(window);
  if (!record) return false;
  int k = owner.panel;
  if (const int own = FindChildEntryIndex(record, window)) k = own;
  const RECT offset = RectRelativeToRoot(window);
  CopyFrom(dc, rect, WindowRegistry[record].backBufferDc, offset.left, offset.top);
  if (k) DrawVeil(dc, Panel(record, k), rect, false);
  return true;
}

// Covers the width x height `dc` with white at ControlVeilAlpha.
void Frost(HDC dc, int width, int height) {
  gdip::Graphics graphics;
  graphics.GdipCreateFromHDC(dc);
  gdip::SolidBrush brush;
  brush.GdipCreateSolidFill(ToArgb(0xFFFFFF, ControlVeilAlpha, true));
  graphics.GdipFillRectangleI(brush, 0, 0, width, height);
}

}  // namespace

HDC ComposeBackground(HWND window, const RECT& rect) {
  HDC dc = NewMemoryDc(rect.right - rect.left, rect.bottom - rect.top);
  OwnerLocation owner;
  if (LocateOwner(window, owner, true)) {
    ComposeOnTopLevel(dc, window, rect, owner.record);
  } else if (owner.container) {
    ComposeInContainer(dc, window, rect, owner);
  } else if (!ComposeInPanel(dc, window, rect, owner)) {
    ReleaseMemoryDc(dc);
    return nullptr;
  }
  return dc;
}

HDC VeiledClientBuffer(HWND window) {
  const RECT client = ClientRectInWindow(window);
  HDC dc = ComposeBackground(window, client);
  if (dc) Frost(dc, client.right - client.left, client.bottom - client.top);
  return dc;
}

HBITMAP ControlBackgroundBitmap(HWND control) {
  const RECT client = ClientRectInWindow(control);
  return CopyDcToBitmap(VeiledClientBuffer(control), client.right - client.left,
                        client.bottom - client.top);
}

}  // namespace skin
