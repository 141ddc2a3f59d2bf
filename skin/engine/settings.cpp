// The engine's program-wide state and its start-up values.
#include "skin/engine/settings.h"

namespace skin {

SkinEngine* EngineObject = nullptr;
HICON AppIcon = nullptr;
int FirstSizePending = 0;
int SkinControls = 0;
int ControlVeilAlpha = 0;
int ControlVeilGiven = 0;
COLORREF AccentColour = 0;
int TrackbarOption = 0;
ULONG_PTR GdiplusToken = 0;
COLORREF BackgroundColour = 0;
int BackgroundPictureMode = 0;
runtime::ByteSet BackgroundPicture;

void WriteEngineDefaults() {
  FirstSizePending = 1;
  SkinControls = 1;
  ControlVeilAlpha = 160;
  AccentColour = 0xDDCA22;
  TrackbarOption = 1;
}

}  // namespace skin
