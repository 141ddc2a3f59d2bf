// Window descriptions: what a form window and its controls look like and which events they handle.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "runtime/text.h"

namespace runtime {

class Form;

// Handler of an event without arguments (created, will be destroyed, clicked).
using FormHandler = std::function<void(Form&)>;
// Handler of a mouse-moved event: pointer position in the control's client coordinates and the
// key state (MK_* bits) of the WM_MOUSEMOVE.
using MouseMovedHandler = std::function<void(Form&, int x, int y, unsigned keys)>;

enum class ControlKind {
  PushButton,        // the system BUTTON class
  TransparentLabel,  // text on the window's own background (runtime/transparent_label.h)
};

// An event is handled when its handler is set.
struct ControlEvents {
  FormHandler clicked{};  // push buttons only
  MouseMovedHandler mouseMoved{};
};

struct ControlDescription {
  Text name;  // how handlers and the property operations find the control
  ControlKind kind = ControlKind::PushButton;
  int left = 0, top = 0, width = 0, height = 0;  // client coordinates of the window
  Text caption;
  DWORD style = 0;  // further style bits beyond WS_CHILD and those of the kind
  bool visible = true;
  ControlEvents events{};
};

struct WindowEvents {
  FormHandler created;          // after every control exists, before the window is shown
  FormHandler willBeDestroyed;  // once, when the window is closed or destroyed
};

struct WindowDescription {
  Text caption;
  int left = 0, top = 0, width = 0, height = 0;  // outer size, screen coordinates
  // Window style: caption, system menu, minimize and maximize boxes, sizing border.
  DWORD style = WS_OVERLAPPEDWINDOW;
  WindowEvents events;
  std::vector<ControlDescription> controls;  // in creation order; a control's id is its position (1-based)
};

}  // namespace runtime
