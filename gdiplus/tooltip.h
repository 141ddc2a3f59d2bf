// ToolTip: one common-controls tooltip window serving the tools of one owner window.
#pragma once

#include <windows.h>

#include <string>

namespace gdip {

// The tooltip window is created owned by the owner window, so the owner's destruction destroys it;
// nothing else does. Copies hold the same two handles and drive the same tooltip window.
// Every tool subclasses the owner (TTF_SUBCLASS), so the owner needs no message relaying.
class ToolTip {
 public:
  // Creates the tooltip window for `owner` (style TTS_ALWAYSTIP, plus TTS_BALLOON when asked);
  // returns its handle, null on failure.
  HWND Create(HWND owner, bool balloon = false);
  // Adds tool `id` over `rect` (owner client coordinates) showing `text`.
  void AddTool(const RECT& rect, const std::string& text, UINT_PTR id);
  // Adds tool `id` whose text the tooltip asks the owner for (TTN_GETDISPINFO) when it shows.
  void AddCallbackTool(const RECT& rect, UINT_PTR id);
  LRESULT SetBackColour(COLORREF colour);
  LRESULT SetTextColour(COLORREF colour);
  LRESULT SetMaxWidth(int width);
  void DeleteTool(UINT_PTR id);
  void SetToolRect(UINT_PTR id, const RECT& rect);
  void SetToolText(UINT_PTR id, const std::string& text);
  [[nodiscard]] HWND GetHandle() const { return tooltip_; }

 private:
  // Sends a tool message with a fresh description of (owner, id, rect, text).
  void SendTool(UINT message, UINT_PTR id, const RECT& rect, LPSTR text) const;

  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace gdip
