#!/usr/bin/env bash
# Installs the game's package as a player would, starts it from its menu entry on
# a private X display, checks that the board appears with its sounds and help page
# and that it leaves its files, then removes the package again. Run as root or
# with sudo, on a machine where the package is not installed otherwise.
#
#   bash scripts/install-check.sh [DISPLAY_NUMBER]     (default 53)
#
# The game runs with a fresh home folder of its own (KORBO_CHECK_HOME, by default
# a temporary one; emptied first).
set -euo pipefail
cd "$(dirname "$0")/.."
display=":${1:-53}"
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

work=$(mktemp -d)
game=""
xvfb=""
finish() {
  [ -z "$game" ] || kill "$game" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

bash scripts/package.sh | tee "$work/package.log"
deb=$(tail -n 1 "$work/package.log")
# apt reads a local package as its own unprivileged user, so it gets a copy it can read.
chmod 755 "$work"
cp "$deb" "$work/"
player_home="${KORBO_CHECK_HOME:-$work/home}"
rm -rf "$player_home"
mkdir -p "$player_home"

echo "== apt install ./$(basename "$deb")"
$sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get install -y "$work/$(basename "$deb")" | grep -E '^(Setting up|Processing|[0-9]+ upgraded)'

entry=$(dpkg -L korbo | grep '^/usr/share/applications/.*\.desktop$')
echo "== menu entry $entry"
command=$(sed -n 's/^Exec=//p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
ls /usr/share/icons/hicolor/*/apps/"$icon".png | sed 's/^/icon /'

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# "How to Play" hands its page to the desktop's opener; this one notes what it got.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$1" > "%s/opened"\n' "$work" > "$work/bin/xdg-open"
chmod 755 "$work/bin/xdg-open"

echo "== starting: $command"
env -i DISPLAY="$display" HOME="$player_home" PATH="$work/bin:/usr/bin:/bin" \
  XDG_RUNTIME_DIR="$work" $command 2>"$work/errors" &
game=$!
window=$(DISPLAY="$display" timeout 60 xdotool search --sync --onlyvisible --name '^Korbo$' | head -n 1)
echo "window $window: $(DISPLAY=$display xprop -id "$window" WM_NAME WM_CLASS | tr '\n' ' ')"

DISPLAY="$display" xdotool windowfocus --sync "$window" key F1
for _ in $(seq 100); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ -s "$work/opened" ] || { echo "How to Play opened nothing" >&2; exit 1; }
echo "How to Play opened: $(cat "$work/opened")"

# The audio module is loaded on a worker once the board is shown.
for _ in $(seq 300); do grep -q 'korbo-audio\.so' "/proc/$game/maps" && break; sleep 0.1; done
echo "audio module: $(grep -o '/.*korbo-audio\.so' "/proc/$game/maps" | head -n 1)"

kill -TERM "$game"
wait "$game" && echo "the game ended at SIGTERM with status 0"
game=""
if grep "audio module" "$work/errors"; then exit 1; fi
echo "files the game left:"
find "$player_home" -type f | sed "s|$player_home|~|" | sort

echo "== apt remove korbo"
$sudo_cmd env DEBIAN_FRONTEND=noninteractive apt-get remove -y korbo | grep -E '^(Removing|[0-9]+ upgraded)'
left=$(dpkg -L korbo 2>/dev/null | grep -v '^/usr$\|^/usr/share$' || true)
[ -z "$left" ] || { echo "left behind: $left" >&2; exit 1; }
for f in /usr/bin/korbo /usr/share/korbo "$entry"; do
  [ ! -e "$f" ] || { echo "left behind: $f" >&2; exit 1; }
done
echo "removed cleanly"
