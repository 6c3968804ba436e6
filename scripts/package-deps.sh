#!/usr/bin/env bash
# Installs the Debian packages that making and checking the game's package needs,
# beyond those of scripts/deps.sh: lintian, and what the install check drives the
# installed game with.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

packages=(
  dpkg-dev file lintian
  xvfb xdotool x11-utils
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
