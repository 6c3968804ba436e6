#!/usr/bin/env bash
# Runs the game on a private X display and accessibility bus, and lets the AT-SPI
# checks drive it by keys and read what a screen reader reads.
# Usage: run.sh KORBO_BINARY ASSETS_FOLDER [ZOOM_PERCENT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KORBO_ATSPI_INNER:-}" ]; then
  exec env KORBO_ATSPI_INNER=1 dbus-run-session -- bash "$0" "$@"
fi
work="$(mktemp -d)"
pids=()
# The bus's own helpers may still be writing in the home folder as it goes: what
# they leave is no failure of the game.
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work" 2>/dev/null || true
}
trap cleanup EXIT
source "$here/session.sh"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KORBO_ASSETS="$2" KORBO_ATSPI_ZOOM="${3:-100}"
# The board as a player left it zoomed at the last run.
if [ "$KORBO_ATSPI_ZOOM" != 100 ]; then
  mkdir -p "$HOME/.config/korbo"
  printf '[Korbo v4.01]\r\nZoom=%s\r\n' "$KORBO_ATSPI_ZOOM" > "$HOME/.config/korbo/Korbo.ini"
fi
"$1" >"$work/korbo.log" 2>&1 &
pids+=($!)
status=0
/usr/bin/python3 "$here/board_atspi.py" || status=$?
[ "$status" -eq 0 ] || { echo "display $DISPLAY; the game said:"; cat "$work/korbo.log"; }
exit "$status"
