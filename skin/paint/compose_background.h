// ComposeBackground: the skinned background that lies under a rectangle of a window, with the
// veils of the panels it sits in, as a memory DC of MemoryDcTable; and the control backgrounds
// built on it.
#pragma once

#include <windows.h>

namespace skin {

// A MemoryDcTable DC whose 32-bit ARGB bitmap is the rectangle's size and holds what lies under
// `rect` (in `window`'s window coordinates): the registered top-level window's back buffer, or the
// composed background of the container the window sits in, covered by the veil of the panel that
// applies. Null when no owner is found. The caller hands the DC back with ReleaseMemoryDc or turns
// it into a bitmap with CopyDcToBitmap.
HDC ComposeBackground(HWND window, const RECT& rect);

// The background under the window's client area covered by white at ControlVeilAlpha, as a
// MemoryDcTable DC the size of the client area; the caller releases it with ReleaseMemoryDc.
HDC VeiledClientBuffer(HWND window);

// The same picture as a bitmap the size of the control's client area; the caller owns it.
[[nodiscard]] HBITMAP ControlBackgroundBitmap(HWND control);

}  // namespace skin
