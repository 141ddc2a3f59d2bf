// The quiz window: its description and the names of its controls.
#pragma once

#include "runtime/window_description.h"

namespace quiz {

// Control names of the description (GBK).
inline constexpr char kQuestionLabel[] = "透明标签2";  // the question
inline constexpr char kYesButton[] = "按钮定";         // left answer, "是"
inline constexpr char kReadyLabel[] = "透明标签1";     // "are you ready"
inline constexpr char kStartButton[] = "按钮2";        // starts the test
inline constexpr char kNoButton[] = "按钮跑";          // right answer, "不是": the one that dodges

// The quiz window: 380 x 250 at (50, 50), a minimize box but no maximize box and no sizing border,
// five controls in the order above.
runtime::WindowDescription QuizWindow();

}  // namespace quiz
