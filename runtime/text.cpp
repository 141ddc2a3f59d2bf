// Text helpers: decimal numbers and window texts.
#include "runtime/text.h"

namespace runtime {

Text DecimalText(long long value) { return std::to_string(value); }

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  Text text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

}  // namespace runtime
