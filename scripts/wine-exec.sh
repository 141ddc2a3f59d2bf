#!/usr/bin/env bash
# Runs one Windows program under the project's wine prefix (used by ctest as the emulator).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
quizmoor_prefix
exec "$WINELOADER" "$@"
