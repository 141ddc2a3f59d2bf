// The engine's records: one SkinWindowRecord per skinned top-level window, with its title buttons,
// status panes and one list per family of skinned child controls. Data only.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "gdiplus/native_wrapper.h"
#include "gdiplus/tooltip.h"
#include "runtime/byte_set.h"
#include "runtime/counted_array.h"
#include "runtime/text.h"

namespace skin {

// A routine run by a title button; called with no arguments on the user-interface thread.
using TitleButtonHandler = void(CALLBACK*)();

// Push button, check box or radio button.
struct ButtonEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int kind = 0;  // 0 push button, 1 and 3 picture buttons, 4 automatic radio button, 5 check box
  runtime::ByteSet pictures[5];  // picture-button kinds only
  int pictureBeside = 0;         // kind 1: picture left of the caption (non-zero) or above it
  runtime::Text caption;         // kept in step with WM_SETTEXT
  int focused = 0;
  gdip::ToolTip toolTip;  // constructed empty; a copy drives the same tooltip window
  runtime::Text fontFamily;
  int fontSize = 0;   // used as pixels when drawing
  int fontStyle = 0;  // GDI+ font style bits
};

struct EditEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
  int mouseDown = 0;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
};

struct ComboEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
};

// List box, list view, tree view, IP-address or date-time control.
struct ListControlEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
  int hot = 0;        // the hover outline is shown
  int keyScroll = 0;  // from an arrow-key press until the next key release
};

struct TrackbarEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int vertical = 0;
  int tickPlacement = 0;  // 0 above/left, 1 below/right, 2 both sides, 3 none
  int hot = 0;
  int selectionRange = 0;
};

struct UpDownEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int hot = 0;
  int hotPart = 0;  // 0 upper or left half, 1 lower or right half
  int pressed = 0;
  int horizontal = 0;
  LPARAM lastMouse = 0;  // lParam of the last button-down or button-up
};

struct ProgressBarEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int vertical = 0;
};

struct HeaderEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int hot = 0;
  int hotItem = 0;         // 1-based item under the mouse, 0 none
  int paintedHotItem = 0;  // item whose hover shading was painted last, 0 none
  int buttons = 0;         // HDS_BUTTONS style
  int pressedItem = 0;
  int mouseDown = 0;
  runtime::Text fontFamily;  // the owning list view's font; empty for a stand-alone header
  int fontStyle = 0;
  int fontSize = 0;
  HIMAGELIST imageList = nullptr;  // borrowed from the header
};

// Panel or group box taken over as a container.
struct PanelEntry {
  HWND window = nullptr;
  COLORREF veilColour = 0;  // 0 = no veil
  int veilAlpha = 0;        // 0 to 255
  int border = 0;
  WNDPROC previousProc = nullptr;
  int needsRepaint = 0;
  int groupBox = 0;
  int paintsBackground = 0;
  runtime::Text fontFamily;  // group boxes only: caption font
  int fontSize = 0;
  int fontStyle = 0;
};

// Control laid over the skin with one colour left out.
struct ColourKeyEntry {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  COLORREF keyColour = 0;
};

struct TitleButton {
  int width = 0;   // 26, or 38 for the close button
  int height = 0;  // 18
  runtime::ByteSet image;
  runtime::ByteSet altImage;  // restore picture of the maximize button; empty for the others
  int kind = 0;               // 0 close, 1 maximize/restore, 2 minimize, 3 main menu, 4 help, 5 user
  runtime::Text tip;
  TitleButtonHandler handler = nullptr;  // kind 5
  gdip::RectF rect;                      // client coordinates
};

struct StatusPane {
  int width = 0;  // -1 = the rest of the bar
  runtime::Text text;
  runtime::ByteSet picture;  // empty = none
  COLORREF textColour = 0;
};

// A rectangle as x, y, width, height.
struct PaneRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// A title-button hover fade: button position and step.
struct Fade {
  int button = 0;
  int step = 0;
};

// Everything the engine knows about one skinned window. Copies are deep except the GDI handles,
// which the record names but the window's destruction releases, and the tooltip, whose copies drive
// the same tooltip window.
struct SkinWindowRecord {
  HWND window = nullptr;
  int titleBarHeight = 0;
  int helpButton = 0;
  int menuButton = 0;
  int minimizeButton = 0;
  int maximizeButton = 0;
  int closeButton = 0;
  int captionText = 0;
  int titleGloss = 0;
  WNDPROC previousProc = nullptr;  // same value as Hw_hProc
  runtime::ByteSet picture;        // empty = none
  int pictureMode = 0;
  COLORREF backgroundColour = 0;
  runtime::CountedArray<TitleButton> titleButtons;
  int buttonStripX = 0, buttonStripY = 0, buttonStripWidth = 0, buttonStripHeight = 0;
  HGDIOBJ titleSnapshotOldObject = nullptr;
  HBITMAP titleSnapshotBitmap = nullptr;
  HGDIOBJ statusSnapshotOldObject = nullptr;
  HBITMAP statusSnapshotBitmap = nullptr;
  int maximized = 0;
  int minimized = 0;
  int minTrackWidth = 0, minTrackHeight = 0;
  int maxTrackWidth = 0, maxTrackHeight = 0;
  int sizable = 0;
  int titleButtonsShown = 0;
  COLORREF captionColour = 0;
  COLORREF captionShadowColour = 0;
  runtime::Text captionFontName;
  int captionFontSize = 0;
  int captionBold = 0;
  int hoveredTitleButton = 0;
  int hotFamily = 0;
  HWND hotParent = nullptr;
  TitleButtonHandler helpHandler = nullptr;
  TitleButtonHandler menuHandler = nullptr;
  gdip::ToolTip toolTip;
  int statusBarHeight = 0;  // 0 = no status bar
  PaneRect statusBarRect;
  runtime::CountedArray<StatusPane> statusPanes;
  runtime::CountedArray<PaneRect> statusPaneRects;
  int statusInvertText = 0;
  int statusHalo = 0;
  COLORREF statusTextColour = 0;
  COLORREF statusHaloColour = 0;
  runtime::Text statusFontName;
  int statusFontSize = 0;
  // Control lists: each starts with one blank entry (null window), which the first registration fills.
  runtime::CountedArray<ButtonEntry> buttonList{ButtonEntry{}};
  runtime::CountedArray<ComboEntry> comboList{ComboEntry{}};
  runtime::CountedArray<ListControlEntry> listControlList{ListControlEntry{}};
  runtime::CountedArray<TrackbarEntry> trackbarList{TrackbarEntry{}};
  runtime::CountedArray<ProgressBarEntry> progressList{ProgressBarEntry{}};
  runtime::CountedArray<EditEntry> editList{EditEntry{}};
  runtime::CountedArray<UpDownEntry> upDownList{UpDownEntry{}};
  runtime::CountedArray<HeaderEntry> headerList{HeaderEntry{}};
  runtime::CountedArray<ColourKeyEntry> colourKeyList{ColourKeyEntry{}};
  int needsFullRepaint = 0;
  HDC backBufferDc = nullptr;
  HDC titleSnapshotDc = nullptr;
  HDC statusSnapshotDc = nullptr;
  int hotEntry = 0;
  int entryUnderMouse = 0;
  runtime::CountedArray<PanelEntry> panelList{PanelEntry{}};
  int pointerInside = 0;
  Fade fadeIn;
  Fade fadeOut;
  int fadeTimerRunning = 0;
};

}  // namespace skin
