#!/usr/bin/env bash
# Runs one Windows program under the project's wine prefix (ctest's emulator). The prefix is made
# by scripts/test.sh before ctest starts.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/wine-env.sh"
exec "$WINELOADER" "$@"
