// ToolTip: the tooltip window and its tool messages.
#include "gdiplus/tooltip.h"

#include <commctrl.h>

namespace gdip {

HWND ToolTip::Create(HWND owner, bool balloon) {
  owner_ = owner;
  // Registers the tooltip class in case nothing in the process has loaded the common controls yet.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  // Owned by `owner` (not a child: a non-child window's parent argument is its owner).
  tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr),
                             nullptr);
  return tooltip_;
}

void ToolTip::AddTool(const RECT& rect, const std::string& text, UINT_PTR id) {
  // The tooltip copies the text; it is never written through this pointer.
  SendTool(TTM_ADDTOOLA, id, rect, const_cast<LPSTR>(text.c_str()));
}

void ToolTip::AddCallbackTool(const RECT& rect, UINT_PTR id) {
  SendTool(TTM_ADDTOOLA, id, rect, LPSTR_TEXTCALLBACKA);
}

LRESULT ToolTip::SetBackColour(COLORREF colour) {
  return SendMessageA(tooltip_, TTM_SETTIPBKCOLOR, colour, 0);
}

LRESULT ToolTip::SetTextColour(COLORREF colour) {
  return SendMessageA(tooltip_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

LRESULT ToolTip::SetMaxWidth(int width) {
  return SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
}

void ToolTip::DeleteTool(UINT_PTR id) { SendTool(TTM_DELTOOLA, id, RECT{}, nullptr); }

void ToolTip::SetToolRect(UINT_PTR id, const RECT& rect) {
  SendTool(TTM_NEWTOOLRECTA, id, rect, nullptr);
}

void ToolTip::SetToolText(UINT_PTR id, const std::string& text) {
  SendTool(TTM_UPDATETIPTEXTA, id, RECT{}, const_cast<LPSTR>(text.c_str()));
}

void ToolTip::SendTool(UINT message, UINT_PTR id, const RECT& rect, LPSTR text) const {
  // The version-1 description: 40 bytes in a 32-bit build.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = id;
  tool.rect = rect;
  tool.lpszText = text;
  SendMessageA(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace gdip
