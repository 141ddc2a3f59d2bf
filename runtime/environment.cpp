// Environment variables.
#include "runtime/environment.h"

#include <windows.h>

namespace runtime {

Text EnvironmentVariable(const Text& name) {
  const DWORD needed = GetEnvironmentVariableA(name.c_str(), nullptr, 0);  // includes the null
  if (needed == 0) return {};
  Text value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), needed);
  value.resize(length < needed ? length : 0);
  return value;
}

}  // namespace runtime
