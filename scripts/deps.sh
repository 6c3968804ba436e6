#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test (the tests
# check the menu and software centre entries with the desktop's validators, and read
# the game on the accessibility bus as a screen reader does).
# Packages named as arguments are installed as well (the packaging and fuzzing
# scripts name theirs). Safe to run again: apt-get only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-qpa-plugins qcoro-qt6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libgtest-dev libgmock-dev
  fonts-dejavu-core python3
  xvfb
  at-spi2-core python3-pyatspi dbus xdotool openbox
  desktop-file-utils appstream
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
