// SkinEngine: construction with its thunks, copy, destructor, and the two thunk targets.
#include "skin/engine/skin_engine.h"

#include "gdiplus/native_wrapper.h"
#include "runtime/system_values.h"
#include "skin/engine/settings.h"

namespace skin {

namespace {

// Method-table entries: what the thunks call, with the address of the cell holding the engine.
LRESULT CALLBACK FrameWindowProcEntry(SkinEngine* const* engine, HWND window, UINT message,
                                      WPARAM wParam, LPARAM lParam) {
  return (*engine)->FrameWindowProc(window, message, wParam, lParam);
}

void CALLBACK TitleButtonActionEntry(SkinEngine* const* engine, int recordIndex, int button) {
  (*engine)->TitleButtonAction(recordIndex, button);
}

const void* EntryAddress(auto entry) { return reinterpret_cast<const void*>(entry); }

}  // namespace

SkinEngine::SkinEngine()
    : frameThunk(BuildX86Thunk(X86Address(this), X86Address(EntryAddress(FrameWindowProcEntry)), 4)),
      actionThunk(
          BuildX86Thunk(X86Address(this), X86Address(EntryAddress(TitleButtonActionEntry)), 2)),
      frameCode_(this, EntryAddress(FrameWindowProcEntry), 4),
      actionCode_(this, EntryAddress(TitleButtonActionEntry), 2) {
  actionThunkAddress = reinterpret_cast<INT_PTR>(actionCode_.Code());
  BackgroundColour = runtime::DefaultBackgroundColour();
}

SkinEngine::SkinEngine(const SkinEngine& other)
    : frameThunk(other.frameThunk),
      gripWidth(other.gripWidth),
      hoveredButton(other.hoveredButton),
      actionThunk(other.actionThunk),
      frameCode_(other.frameCode_),
      actionCode_(other.actionCode_) {
  actionThunkAddress = reinterpret_cast<INT_PTR>(actionCode_.Code());
}

SkinEngine::~SkinEngine() {
  if (AppIcon) DestroyIcon(AppIcon);
  AppIcon = nullptr;
  gdip::StopGdiplus(GdiplusToken);
  GdiplusToken = 0;
}

LRESULT SkinEngine::FrameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc"));
  if (!previous) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void SkinEngine::TitleButtonAction(int recordIndex, int button) {}

WNDPROC SkinEngine::FrameProcedure() const { return reinterpret_cast<WNDPROC>(frameCode_.Code()); }

}  // namespace skin
