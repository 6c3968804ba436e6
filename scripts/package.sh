#!/usr/bin/env bash
# Builds the Debian package of the game into build/deb/ and checks it: the menu
# entry and the software centre's entry with the desktop's validators, the package
# with lintian. Prints the package's path last.
#
#   bash scripts/package.sh [CMAKE_OPTION...]   e.g. -DKORBO_HOMEPAGE=https://...
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package-deps.sh >/dev/null
out=build/deb

# Debian's own compiler and linker hardening, as any Debian package is built with.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
# A packager names themselves as for Debian's own tools.
maintainer=()
[ -z "${DEBEMAIL:-}" ] || maintainer=(-DKORBO_PACKAGE_MAINTAINER="${DEBFULLNAME:-$(id -un)} <$DEBEMAIL>")
# Games live in /usr/games on Debian.
cmake -S . -B "$out" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
  "${maintainer[@]}" "$@" >/dev/null
cmake --build "$out" -j2 >/dev/null
(cd "$out" && cpack -G DEB >/dev/null)
deb=$(ls "$out"/korbo_*.deb)

echo "== desktop-file-validate"
desktop-file-validate "$out"/desktop/*.desktop && echo clean
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net --pedantic "$out"/desktop/*.metainfo.xml
echo "== lintian"
# Errors fail the build; warnings and notes are listed.
lintian --fail-on error --display-info "$deb" || { echo "lintian found errors" >&2; exit 1; }
echo "== $deb"
dpkg-deb --field "$deb" Package Version Section Depends
echo "$deb"
