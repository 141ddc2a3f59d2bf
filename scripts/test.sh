#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under wine on a virtual display of its own.
# Extra arguments go to ctest (e.g. -R frame).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$top/scripts/install-deps.sh"
bash "$top/scripts/build.sh"

. "$top/scripts/wine-env.sh"
quizmoor_prefix
# The tests own their display: real pointer input must not reach anybody's desktop.
quizmoor_display force
"$WINESERVER" -p
# Start wine's own services now, detached from ctest's output pipes (ctest would wait for them).
"$WINELOADER" cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
cleanup() { "$WINESERVER" -k 2>/dev/null || true; quizmoor_stop_display; }
trap cleanup EXIT

cd "${QUIZMOOR_BUILD:-$top/build}"
ctest --output-on-failure "$@"
