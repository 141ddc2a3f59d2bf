# Sourced by the other scripts: the project's own wine prefix, locale and display.
# Functions: quizmoor_prefix (create the prefix once), quizmoor_display (start Xvfb when needed),
# quizmoor_stop_display.

export WINEPREFIX="${QUIZMOOR_WINEPREFIX:-$HOME/.cache/quizmoor/wineprefix64}"
export WINEARCH=win64
# 64-bit wine only: this machine kind's kernel does not run 32-bit code (see README).
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

quizmoor_prefix() {
  # The stamp names the font mapping below: a prefix made with an older mapping is mapped anew.
  local stamp="$WINEPREFIX/.quizmoor-ready-2"
  [ -f "$stamp" ] && return 0
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    echo "creating wine prefix $WINEPREFIX (first boot takes a while)"
    "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  # Wine's GDI+ does not follow FontSubstitutes: map the fonts the program asks for onto WenQuanYi.
  # The Song faces take the "Sharp" cut, whose bitmap strokes stay whole at 12 pixels.
  local face
  for face in 宋体 SimSun; do
    "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Zen Hei Sharp' /f >/dev/null 2>&1
  done
  for face in Tahoma 微软雅黑 "Microsoft YaHei"; do
    "$WINELOADER" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'WenQuanYi Zen Hei' /f >/dev/null 2>&1
  done
  "$WINESERVER" -w
  touch "$stamp"
}

# Starts a virtual display when there is none (or when forced) and exports DISPLAY.
# Sets QUIZMOOR_XVFB_PID when it started one.
quizmoor_display() {
  local force="${1:-}"
  if [ -n "${DISPLAY:-}" ] && [ -z "$force" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 91 130); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    QUIZMOOR_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$QUIZMOOR_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  echo "could not start Xvfb" >&2
  return 1
}

quizmoor_stop_display() {
  if [ -n "${QUIZMOOR_XVFB_PID:-}" ]; then
    kill "$QUIZMOOR_XVFB_PID" 2>/dev/null || true
    wait "$QUIZMOOR_XVFB_PID" 2>/dev/null || true
    QUIZMOOR_XVFB_PID=
  fi
}
