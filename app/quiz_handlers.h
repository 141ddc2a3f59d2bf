// The quiz's event handlers and its two program-wide values.
#pragma once

#include <cstdint>

#include "runtime/form.h"

namespace quiz {

// How many times the "不是" button has jumped away from the pointer; 4 ends the dodging.
extern int32_t DodgeCount;
// Direction of the next jump: 1 up, 0 down.
extern int32_t DodgeUp;

// The two answer captions.
inline constexpr char kYes[] = "是";
inline constexpr char kNo[] = "不是";

void OnCreated(runtime::Form& form);
void OnWillBeDestroyed(runtime::Form& form);
void OnStartClicked(runtime::Form& form);
void OnYesClicked(runtime::Form& form);
void OnNoClicked(runtime::Form& form);
void OnYesMouseMoved(runtime::Form& form, int x, int y, unsigned keys);
void OnNoMouseMoved(runtime::Form& form, int x, int y, unsigned keys);

}  // namespace quiz
