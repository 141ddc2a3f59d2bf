// The runtime's modal message box.
#include "runtime/message_box.h"

#include <windows.h>

namespace runtime {

void ShowMessage(const Text& text, const Text& title) {
  HWND owner = GetActiveWindow();
  if (owner && !IsWindowVisible(owner)) owner = nullptr;  // a window being destroyed owns nothing
  MessageBoxA(owner, text.c_str(), title.c_str(), 0);
}

}  // namespace runtime
