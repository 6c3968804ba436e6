#!/usr/bin/env bash
# Runs the game on a private X display and accessibility bus, and lets the AT-SPI
# checks drive it by keys and read what a screen reader reads.
# Usage: run.sh KORBO_BINARY ASSETS_FOLDER
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ -z "${KORBO_ATSPI_INNER:-}" ]; then
  exec env KORBO_ATSPI_INNER=1 dbus-run-session -- bash "$0" "$@"
fi
work="$(mktemp -d)"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
# A display of its own: Xvfb picks a free number and tells it.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 1
/usr/libexec/at-spi2-registryd >/dev/null 2>&1 &
pids+=($!)
sleep 0.5
openbox >/dev/null 2>&1 &
pids+=($!)
# The window manager is ready once it names the desktop in use.
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KORBO_ASSETS="$2"
"$1" >"$work/korbo.log" 2>&1 &
pids+=($!)
status=0
/usr/bin/python3 "$here/board_atspi.py" || status=$?
[ "$status" -eq 0 ] || { echo "display $DISPLAY; the game said:"; cat "$work/korbo.log"; }
exit "$status"
