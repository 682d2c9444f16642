#!/usr/bin/env bash
# Installs the build into a temporary prefix as a player would, checks that
# the menu entry names the installed program and icon, and starts the
# installed game through its link in bin from a folder without data files:
# its window must cover the screen.
#
# Usage: install.sh path/to/build [screenshot.png]
set -euo pipefail

readonly W=1280 H=1024
build=$(readlink -f "$1")
shot=$(readlink -f "${2:-$build/e2e_install.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$build" "$shot"

prefix="$work/prefix"
# A component install leaves the build's install_manifest.txt, which the
# README's uninstall reads, to the player's own install.
cmake --install "$build" --prefix "$prefix" --component game >/dev/null
entry="$prefix/share/applications/io.github.karvelon.Karvelon.desktop"
exec_name=$(sed -n 's/^Exec=//p' "$entry") icon_name=$(sed -n 's/^Icon=//p' "$entry")
[[ -x "$prefix/bin/$exec_name" ]] || fail "Exec=$exec_name is not in $prefix/bin"
icon="$prefix/share/icons/hicolor/48x48/apps/$icon_name.png"
[[ "$(identify -format %wx%h "$icon" 2>/dev/null)" == 48x48 ]] || fail "no 48x48 icon $icon"

start_elsewhere "$prefix/bin/$exec_name"
screenshot "$shot"
e2e_finish install
