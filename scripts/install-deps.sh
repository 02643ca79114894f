#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Vorpo needs, and only
# what is missing, together with any further packages named as arguments (what one script alone
# needs). Needs root (or sudo).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libsdl2-dev libxcb1-dev libfontconfig-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick
  clang libclang-rt-14-dev
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 icoutils
  appstream desktop-file-utils
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
