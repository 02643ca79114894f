#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB) and checks it as a player's machine would take it:
# lintian finds no error, apt-get installs it, the installed /usr/bin/vorpo plays a deal in a
# real X server, and apt-get removes and purges it without leaving a file behind. Installs what
# is missing first. Needs root (or sudo), as installing a package does.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh lintian dpkg-dev

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
build=build-package

# Only the program and what it installs are built here, not the tests.
cmake -S . -B "$build" -G Ninja -DVORPO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target vorpo
rm -f "$build"/vorpo_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$PWD/$build"/vorpo_*.deb)
echo "package: $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

lintian --fail-on error "$deb"

export DEBIAN_FRONTEND=noninteractive
# A check that fails leaves no package behind on the machine.
leave_nothing() {
  if dpkg-query -W -f='${Status}\n' vorpo 2>/dev/null | grep -qv "not-installed"; then
    "${as_root[@]}" apt-get purge -y vorpo >/dev/null || true
  fi
}
trap leave_nothing EXIT
"${as_root[@]}" apt-get install -y "$deb"
installed=$(dpkg-query -L vorpo)
for file in /usr/bin/vorpo /usr/share/vorpo/vorpo.hlp /usr/share/applications/io.github.vorpo.Vorpo.desktop \
  /usr/share/metainfo/io.github.vorpo.Vorpo.metainfo.xml \
  /usr/share/icons/hicolor/256x256/apps/io.github.vorpo.Vorpo.png; do
  [ -f "$file" ] || { echo "FAIL: the package did not install $file"; exit 1; }
done
/usr/bin/vorpo --version
bash tests/e2e/play_installed.sh --program /usr/bin/vorpo

# Removed, every file of the package is gone; installed again and purged, dpkg forgets it too.
gone() {
  while read -r path; do
    [ -d "$path" ] && continue
    [ ! -e "$path" ] || { echo "FAIL: $path is left after $1"; exit 1; }
  done <<<"$installed"
  [ ! -e /usr/share/vorpo ] || { echo "FAIL: /usr/share/vorpo is left after $1"; exit 1; }
}
"${as_root[@]}" apt-get remove -y vorpo
gone "apt-get remove"
"${as_root[@]}" apt-get install -y "$deb"
"${as_root[@]}" apt-get purge -y vorpo
gone "apt-get purge"
if dpkg-query -W -f='${Status}\n' vorpo 2>/dev/null | grep -qv "not-installed"; then
  echo "FAIL: dpkg still knows vorpo after the purge"
  exit 1
fi
echo "PASS: $deb builds, passes lintian, installs, plays a deal and is removed cleanly" \
  "(${SECONDS} s)"
