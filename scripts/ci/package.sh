#!/usr/bin/env bash
# CI stage: builds the Debian package from a build of the program, runs Debian's own checkers on
# it, then installs, runs and purges it in a fresh Debian 12 root
# (tests/package/install_purge.sh). Reuses the build in build/ (or $BUILD_DIR) when there is one,
# building only what the package holds.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
source "$here/fresh_root.sh"

build=${BUILD_DIR:-$repo/build}
out=$(mktemp -d "${TMPDIR:-/tmp}/skinbench-package.XXXXXX")
root=$out/root
trap 'fresh_root_remove "$root"; rm -rf "$out"' EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
started=$SECONDS
step() { echo "-- [$((SECONDS - started))s] $*"; }

"$repo/scripts/deps.sh" package ci

step "building skinbench and skinbench-tour in $build"
# A build that is already configured is built as it stands (the None build that the build-type
# stage left, say); otherwise the usual RelWithDebInfo build is made.
targets=(--target skinbench --target skinbench-tour --target skinbench_gzipped_docs)
if [ -f "$build/CMakeCache.txt" ]; then
  cmake --build "$build" -j "$(nproc)" "${targets[@]}" >"$out/build.log" 2>&1
else
  BUILD_DIR="$build" "$repo/scripts/build.sh" "${targets[@]}" >"$out/build.log" 2>&1
fi || { cat "$out/build.log"; fail "the build failed"; }

step "cpack -G DEB"
cpack --config "$build/CPackConfig.cmake" -B "$out" -G DEB >"$out/cpack.log" 2>&1 ||
  { cat "$out/cpack.log"; fail "cpack failed"; }
debs=("$out"/skinbench_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no skinbench_*.deb"
deb=${debs[0]}
echo "$(basename "$deb"): Depends: $(dpkg-deb -f "$deb" Depends)"

# Information tags are shown but allowed; pedantic ones are shown too. As an ordinary user, as
# lintian asks: it unpacks what it checks.
step "lintian"
chmod 755 "$out"
setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/nonexistent \
  lintian --fail-on error,warning --display-info --pedantic "$deb" ||
  fail "lintian found errors or warnings"

step "appstreamcli and desktop-file-validate"
tree=$out/tree
dpkg-deb -x "$deb" "$tree"
metainfo=("$tree"/usr/share/metainfo/*.metainfo.xml)
# --strict: a warning or an information fails too; pedantic hints are only shown.
appstreamcli validate --no-net --strict --pedantic "${metainfo[@]}" ||
  fail "the AppStream metadata does not validate"
# The tree as a whole: the metadata's launchable is the desktop entry installed beside it.
appstreamcli validate-tree --no-net --strict "$tree" || fail "the installed tree does not validate"
desktop-file-validate "$tree"/usr/share/applications/*.desktop ||
  fail "the desktop entry does not validate"

step "install, run and purge in a fresh Debian 12 root"
fresh_root_make "$root"
# The check and its helpers, laid out as in the checkout.
checks=$root/tmp/package-check
mkdir -p "$checks/tests" "$checks/scripts"
cp -r "$repo/tests/package" "$repo/tests/support" "$checks/tests/"
cp "$repo/scripts/virtual_display.sh" "$checks/scripts/"
cp "$deb" "$checks/"
fresh_root_run "$root" bash /tmp/package-check/tests/package/install_purge.sh \
  "/tmp/package-check/$(basename "$deb")"
step "passed"
