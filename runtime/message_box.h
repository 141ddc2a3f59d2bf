// The runtime's modal message box.
#pragma once

#include "runtime/text.h"

namespace runtime {

// Shows `text` titled `title` with an OK button and no icon (style 0), modal to the thread's active
// window while that window is on screen; returns when the user dismisses it.
void ShowMessage(const Text& text, const Text& title);

}  // namespace runtime
