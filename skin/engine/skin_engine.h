// SkinEngine: the one engine object. Windows reaches it through two thunks built at construction:
// the frame thunk (the frame window procedure) and the action thunk (the title-button action).
// The operations of the frame, title bar, status bar and control skins are methods of this class.
#pragma once

#include <windows.h>

#include "runtime/byte_set.h"
#include "skin/engine/thunk.h"

namespace skin {

class SkinEngine {
 public:
  // Builds both thunks for this object and sets BackgroundColour to the runtime's default window
  // background colour. The object must not move while it lives: the thunks hold its address.
  SkinEngine();
  // Same field values, fresh copies of both thunks; the copied thunks still call `other`.
  SkinEngine(const SkinEngine& other);
  SkinEngine& operator=(const SkinEngine&) = delete;
  // Destroys AppIcon and shuts GDI+ down with GdiplusToken (both then read null), frees the thunks.
  virtual ~SkinEngine();

  // The frame window procedure (method 2), reached through the frame thunk. Its default, and for
  // now its whole work: the message goes on to the window's previous procedure (Hw_hProc).
  virtual LRESULT FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Carries out a click on title button `button` of record `recordIndex` (method 3), reached
  // through the action thunk. The title-bar buttons give it its work; until then it does nothing.
  virtual void TitleButtonAction(int recordIndex, int button);

  // What SkinWindow installs as a skinned window's procedure: the frame thunk's executable code.
  [[nodiscard]] WNDPROC FrameProcedure() const;

  runtime::ByteSet frameThunk;  // x86 code of the frame thunk (method 2, four arguments)
  int gripWidth = 0;            // drawn border and sizing zone width; 3 once a window is skinned
  int hoveredButton = 0;        // title button under the pointer, 0 for none
  runtime::ByteSet actionThunk;  // x86 code of the action thunk (method 3, two arguments)
  INT_PTR actionThunkAddress = 0;  // first code byte of the runnable action thunk

 private:
  ExecutableThunk frameCode_;
  ExecutableThunk actionCode_;
};

}  // namespace skin
