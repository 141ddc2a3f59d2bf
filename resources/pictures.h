// The compiled-in pictures: each a byte-set constant (dimension count 1, byte count, then a complete
// image file), 4-byte aligned. Read one with runtime::ByteSet::FromLayout(resources::CheckBoxImage).
// The files and the script that draws them live in resources/.
#pragma once

namespace resources {

// Title-bar buttons, 26 x 18 RGBA PNG (the close button 38 x 18): translucent white glyphs with a
// dark edge, so that they take the colour of the picture beneath.
alignas(4) extern const unsigned char HelpButtonImage[];      // speech bubble, upper-half wash
alignas(4) extern const unsigned char MenuButtonImage[];      // page with lines, upper-half wash
alignas(4) extern const unsigned char MinimizeButtonImage[];  // bar; line along top row, left column
alignas(4) extern const unsigned char MaximizeButtonImage[];  // window outline; as above
alignas(4) extern const unsigned char RestoreButtonImage[];   // two overlapping windows; as above
alignas(4) extern const unsigned char CloseButtonImage[];     // X; frame along top and both sides

// Check-box faces, 13 x 13 RGBA PNG: clear (near-black frame at alpha 230, pale warm-grey fill) and
// checked (teal frame and tick on the same fill).
alignas(4) extern const unsigned char CheckBoxImage[];
alignas(4) extern const unsigned char CheckBoxCheckedImage[];

// Solid black triangles on transparent RGBA PNG: down and up 7 x 4, left and right 4 x 7.
alignas(4) extern const unsigned char ComboArrowImage[];
alignas(4) extern const unsigned char UpArrowImage[];
alignas(4) extern const unsigned char LeftArrowImage[];
alignas(4) extern const unsigned char RightArrowImage[];

// The quiz window's picture: 1600 x 900 JPEG, dark at the top and bottom where the caption and the
// status text are drawn.
alignas(4) extern const unsigned char QuizBackgroundImage[];

}  // namespace resources
