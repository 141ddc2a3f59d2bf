// Environment variables.
#pragma once

#include "runtime/text.h"

namespace runtime {

// The value of environment variable `name`; empty when it is not set.
Text EnvironmentVariable(const Text& name);

}  // namespace runtime
