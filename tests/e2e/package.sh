#!/usr/bin/env bash
# Builds the Debian package as the README tells (cpack -G DEB in the build
# folder), checks its name, its found dependencies and its files, has
# lintian find no error in it, unpacks it with dpkg-deb -x and starts the
# unpacked game through its link in usr/games: the window covers the screen,
# and a click on the box without a tile is answered with the first sentence.
#
# Usage: package.sh path/to/build [screenshot.png]
set -euo pipefail

readonly W=1280 H=1024 E2E_TIME_LIMIT=240
build=$(readlink -f "$1")
shot=$(readlink -f "${2:-$build/e2e_package.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$build" "$shot"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$work/karvelon_${version}_$(dpkg --print-architecture).deb"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.txt") || { cat "$work/cpack.txt" >&2; fail "cpack failed"; }
[[ -f "$deb" ]] || { ls "$work" >&2; fail "cpack wrote no $(basename "$deb")"; e2e_finish package; }
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* && "$depends" == *libc6* ]] || fail "dependencies not found: $depends"
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >&2 || fail "lintian finds errors"
fi

root="$work/root"
dpkg-deb -x "$deb" "$root"
id=io.github.karvelon.Karvelon
for file in usr/lib/karvelon/PENTIPOS.TXT usr/lib/karvelon/VIDINFO6.TXT usr/games/karvelon-solve \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  usr/share/doc/karvelon/copyright usr/share/doc/karvelon/changelog.gz; do
  [[ -e "$root/$file" ]] || fail "the package has no $file"
done
for size in 48 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  [[ "$(identify -format %wx%h "$icon" 2>/dev/null)" == "${size}x$size" ]] || fail "no ${size}x$size icon"
done
[[ "$("$root/usr/games/karvelon-solve" --box 6x10 --unique | tail -n 1)" == 2339 ]] ||
  fail "the unpacked solver does not count the 6 by 10 box"

start_elsewhere "$root/usr/games/karvelon"
read_first_box
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
wait_said "$(message_text 31)" 10
screenshot "$shot"
e2e_finish package
