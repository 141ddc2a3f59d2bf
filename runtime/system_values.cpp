// System values: the default window background colour and the screen size.
#include "runtime/system_values.h"

namespace runtime {

COLORREF DefaultBackgroundColour() { return GetSysColor(COLOR_BTNFACE); }

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace runtime
