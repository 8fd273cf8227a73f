#!/usr/bin/env bash
# Installs the Debian packages that a task needs, when any is missing.
# Usage: scripts/deps.sh GROUP...
#   run      build and run the program
#   display  a virtual X server, for a machine without a display
#   test     build and pass every test (includes run, display and windows)
#   windows  cross-build the Windows program and its tests, run them under Wine in a virtual
#            X server
#   ci       what .ci/run needs on the machine itself: fresh roots and a look at their windows
#   package  build the Debian package and run Debian's own checkers on it
set -euo pipefail

# One group per line. To add packages to a group, add a line of its own, e.g.
#   test_packages+=(lintian)
run_packages=(cmake g++ make qt6-base-dev fonts-dejavu-core)
# The tour's PNG encoder, header only: stb_image_write.
run_packages+=(libstb-dev)
# The tour's loader of Designer forms: Qt's UiTools. Qt's CMake files for it also ask for the
# OpenGL module's, which qt6-tools-dev does not pull in.
run_packages+=(qt6-tools-dev libqt6opengl6-dev)
display_packages=(xvfb xauth)
test_packages=(libgtest-dev libgmock-dev libbenchmark-dev pkg-config libxcb1-dev)
test_packages+=(xdotool x11-utils imagemagick valgrind python3)
# A real window manager, for the tour and the pictures on a desktop.
test_packages+=(openbox)
# The German locale's source, compiled by the tests that describe numbers under a decimal comma.
test_packages+=(locales)
test_packages+=(dpkg-dev file desktop-file-utils binutils-mingw-w64-i686)
# The screen-reader test: a real AT-SPI client in a private D-Bus session.
test_packages+=(python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-daemon)
# The start tests meet a Wayland display with no compositor behind it through Qt's own plugin.
test_packages+=(qt6-wayland)
# Real Designer forms no one here wrote, for the tour's --form: the .ui files of PyQt's examples
# (with PyQt itself, some 17 MB, over Qt libraries the tests have already).
test_packages+=(pyqt6-examples)
# MinGW-w64 (posix threads), GoogleTest's source, 64-bit Wine with the X libraries its display
# driver loads, and what the tests of the Windows program drive it with.
windows_packages=(cmake ninja-build python3 g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix)
windows_packages+=(googletest wine wine64 fonts-dejavu-core)
# The tour's PNG encoder: only its header, which the cross compiler reads from its own folder.
windows_packages+=(libstb-dev)
windows_packages+=(libxrender1 libxrandr2 libxi6 libxcursor1 libxcomposite1 libxinerama1 libxfixes3)
windows_packages+=(xvfb xauth openbox xdotool x11-utils imagemagick)
ci_packages=(mmdebstrap debian-archive-keyring git xvfb xdotool x11-utils)
package_packages=(dpkg-dev file lintian appstream desktop-file-utils)

[ $# -gt 0 ] || set -- run
wanted=()
for group in "$@"; do
  case "$group" in
    run) wanted+=("${run_packages[@]}") ;;
    display) wanted+=("${display_packages[@]}") ;;
    test)
      wanted+=("${run_packages[@]}" "${display_packages[@]}" "${test_packages[@]}")
      wanted+=("${windows_packages[@]}")
      ;;
    windows) wanted+=("${windows_packages[@]}") ;;
    ci) wanted+=("${ci_packages[@]}") ;;
    package) wanted+=("${run_packages[@]}" "${package_packages[@]}") ;;
    *) echo "usage: $0 run|display|test|windows|ci|package..." >&2; exit 2 ;;
  esac
done

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null ||
    { echo "error: installing ${missing[*]} needs root: run this as root, or install sudo" >&2; exit 1; }
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Any index that cannot be fetched is an error here, not a warning over stale lists.
if ! "${sudo[@]}" apt-get update -qq -o APT::Update::Error-Mode=any >"$log" 2>&1; then
  reason=$(grep -m 1 '^E: ' "$log" | cut -c4- || true)
  echo "error: the package archive cannot be reached (apt-get update: ${reason:-failed})" >&2
  exit 1
fi
# apt's and dpkg's progress is kept back unless something goes wrong.
if ! DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  echo "error: could not install ${missing[*]} (apt-get's messages above)" >&2
  exit 1
fi
