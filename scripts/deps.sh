#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when
# any of them is missing.
set -euo pipefail

packages=(cmake g++ pkg-config qt6-base-dev libespeak-ng-dev espeak-ng-data libpcaudio-dev libgtest-dev
          libbenchmark-dev xvfb xauth xdotool fonts-liberation imagemagick desktop-file-utils clang
          libclang-rt-14-dev appstream dpkg-dev lintian at-spi2-core dbus python3-gi gir1.2-atspi-2.0
          python3-pyatspi orca python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
