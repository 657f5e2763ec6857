#!/usr/bin/env bash
# Starts formwright.exe and tinwright.exe one after the other under Wine on a
# virtual X display and saves a picture of the screen with each main dialog:
# build/screenshots/<program>.png.
#   converter/shell/screenshots.sh [bin-dir]     (default build/win32/bin)
# SCREENSHOT_DISPLAY picks the display number (default: a new one, the first free from 90);
# WINEPREFIX defaults to build/wineprefix, prepared as ./dev prepares it.
# Needs Xvfb, xwd (x11-apps) and convert (imagemagick).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BIN=$(cd "${1:-$ROOT/build/win32/bin}" && pwd)
OUT=$ROOT/build/screenshots
export WINEPREFIX=${WINEPREFIX:-$ROOT/build/wineprefix} WINEARCH=win32 WINEDEBUG=-all
mkdir -p "$OUT"

# A display given by number is used as it is when it runs already.
n=${SCREENSHOT_DISPLAY:-90}
if [ -z "${SCREENSHOT_DISPLAY:-}" ]; then
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
fi
export DISPLAY=":$n"
XVFB_PID=
if [ ! -e "/tmp/.X11-unix/X$n" ]; then
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi
stop() { [ -z "$XVFB_PID" ] || { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; } || true; }
trap stop EXIT

if [ ! -f "$WINEPREFIX/.reach-ready" ]; then
  WINEDLLOVERRIDES='mscoree,mshtml=' wineboot -i >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.reach-ready"
fi

for program in formwright tinwright; do
  (cd "$BIN" && wine "$program.exe" </dev/null >/dev/null 2>&1) &
  program_pid=$!
  sleep "${SCREENSHOT_WAIT:-4}"
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "$OUT/$program.png"
  # A polite close: the dialog ends as with its close command.
  wine taskkill /im "$program.exe" >/dev/null 2>&1 || true
  wait "$program_pid" || true
  echo "$OUT/$program.png"
done
