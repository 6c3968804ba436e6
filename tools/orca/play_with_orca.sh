#!/usr/bin/env bash
# Plays Korbo by keys alone with the Orca screen reader listening, and checks in
# Orca's own log that a blind player heard the game: a whole solo game, then a game
# against a computer seat. Needs orca, speech-dispatcher, xvfb, openbox, xdotool and
# the accessibility bus (installs them from Debian); takes about ten minutes.
# Usage: tools/orca/play_with_orca.sh [KORBO_BINARY]  (default: build/src/korbo)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
korbo="${1:-$root/build/src/korbo}"
if [ -z "${KORBO_ORCA_INNER:-}" ]; then
  bash "$root/scripts/deps.sh" orca speech-dispatcher
  exec env KORBO_ORCA_INNER=1 dbus-run-session -- bash "$0" "$korbo"
fi
work="$(mktemp -d)"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; pkill -f "speech-dispatcher.*$work" 2>/dev/null || true; }
trap cleanup EXIT
source "$root/tests/atspi/session.sh"
mkdir -p "$HOME/.config/speech-dispatcher"
# Speech goes nowhere: Orca's log says what it would have said.
printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n' \
  > "$HOME/.config/speech-dispatcher/speechd.conf"
log="$work/orca.log"
orca --debug-file="$log" --replace --disable=braille --disable=braille-monitor >/dev/null 2>&1 &
pids+=($!)
sleep 8
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KORBO_ASSETS="$root/assets" "$korbo" >"$work/korbo.log" 2>&1 &
pids+=($!)
sleep 8
/usr/bin/python3 "$root/tools/orca/play_keys.py" play
# Orca writes its log as it goes and whole only when it stops.
kill -TERM "${pids[0]}"
for _ in $(seq 30); do kill -0 "${pids[0]}" 2>/dev/null || break; sleep 1; done
cp "$log" "${KORBO_ORCA_LOG:-/tmp/korbo-orca.log}"
/usr/bin/python3 "$root/tools/orca/play_keys.py" check "$log"
