// Starting another program.
#pragma once

#include "runtime/text.h"

namespace runtime {

// Starts `commandLine` (no application name, no handle inheritance, this program's directory and
// environment) with its window hidden, and waits until it ends. False when it could not be started.
bool RunHiddenAndWait(const Text& commandLine);

}  // namespace runtime
