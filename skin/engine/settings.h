// The engine's program-wide state: the engine object variable, the appearance settings, the
// background picture, the application icon and the GDI+ token. All zero until start-up writes them.
#pragma once

#include <windows.h>

#include "runtime/byte_set.h"

namespace skin {

class SkinEngine;

// The one engine; its address is the first argument of every engine operation.
extern SkinEngine* EngineObject;
// Drawn at the left of skinned captions; the engine's destructor destroys it.
extern HICON AppIcon;
// The next WM_SIZE seen by any skinned frame is the first one.
extern int FirstSizePending;
// Child controls are skinned, and the frame answers their control-colour messages.
extern int SkinControls;
// Alpha (0-255) of the white veil over the background of skinned controls, and whether it was set.
extern int ControlVeilAlpha;
extern int ControlVeilGiven;
// Highlights and hover outlines of skinned controls.
extern COLORREF AccentColour;
extern int TrackbarOption;
extern ULONG_PTR GdiplusToken;
// Background of skinned windows that have no picture of their own.
extern COLORREF BackgroundColour;
// Placement mode of BackgroundPicture, and the picture as image-file bytes (empty = none).
extern int BackgroundPictureMode;
extern runtime::ByteSet BackgroundPicture;

// Writes the start-up values: FirstSizePending 1, SkinControls 1, ControlVeilAlpha 160,
// AccentColour 0xDDCA22, TrackbarOption 1.
void WriteEngineDefaults();

}  // namespace skin
