#!/usr/bin/env bash
# Installs the Debian packages that making and checking the game's package needs,
# beyond those of scripts/deps.sh: lintian, and what the install check drives the
# installed game with.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev and file for dpkg-shlibdeps, lintian, and the X tools of the check.
bash scripts/deps.sh dpkg-dev file lintian xvfb xdotool x11-utils
