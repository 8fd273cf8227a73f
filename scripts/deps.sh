#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, when any is missing.
# Usage: scripts/deps.sh run|test
set -euo pipefail

run_packages=(cmake g++ make qt6-base-dev fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick libxcb1-dev
  pkg-config valgrind python3 dpkg-dev binutils-mingw-w64-i686 desktop-file-utils
  libbenchmark-dev)
# The screen-reader test: a real AT-SPI client in a private D-Bus session.
test_packages+=(python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-daemon)

case "${1:-run}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
