#!/usr/bin/env bash
# Run as root inside a fresh Debian root: installs the package with apt, which must pull in
# every dependency; starts the installed skinbench in a virtual X server until its window
# "Form1" shows; lets the installed skinbench-tour write its files; renders the manual pages;
# then purges the package and what it pulled in, and checks that the root's file list is the
# one it had before the install.
# Usage: install_purge.sh PACKAGE.deb
# Exit status: 0 passed, 1 failed.
set -euo pipefail

deb=$(realpath "$1")
window_wait_seconds=30
export DEBIAN_FRONTEND=noninteractive

# scratch, fail, step, start_display, end_process, and the cleanup on every way out.
source "$(dirname "$0")/../support/harness.sh"
quietly() {
  "$@" >"$scratch/command.log" 2>&1 || { cat "$scratch/command.log"; fail "'$*' failed"; }
}

# Every file, folder and link of the root but the mounted ones and the transient /tmp and /run
# (where this check, the X server and apt keep their own); apt's downloaded archives are
# dropped first, as they are apt's cache, not anything installed.
file_list() {
  apt-get clean
  find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /tmp -o -path /run \) -prune \
    -o -print | sort
}

# The programs that this check drives the package with, installed before the first file list.
step "installing the check's own tools"
quietly apt-get update
quietly apt-get install -y --no-install-recommends xvfb xdotool man-db
# man-db finishes setting up its cache on its first index run, which the package's install
# would otherwise trigger.
quietly mandb --quiet
file_list >"$scratch/before.txt"

# Without Recommends: the package must work with what it depends on alone.
step "installing $(basename "$deb")"
quietly apt-get install -y --no-install-recommends "$deb"
depends=$(dpkg-query -W -f='${Depends}' skinbench)
while read -r package; do
  [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] ||
    fail "the dependency $package was not installed"
done < <(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
echo "Depends: $depends"

step "starting the installed skinbench in a virtual X server"
# The programs' caches (fontconfig's, Qt's) go to a scratch home: a user's files are not the
# package's, and a purge rightly leaves them.
export HOME=$scratch/home XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
start_display
QT_QPA_PLATFORM=xcb skinbench >"$PROGRAM_LOG" 2>&1 &
program_pid=$!
window=$(timeout "$window_wait_seconds" xdotool search --sync --onlyvisible --name '^Form1$' |
  head -n 1) || true
[ -n "$window" ] || fail "no window titled Form1 after ${window_wait_seconds}s"
kill -0 "$program_pid" 2>/dev/null || fail "skinbench ended right after its window showed"
echo "window Form1 is up (id $window)"
end_process "$program_pid"
program_pid=""

step "the installed skinbench-tour"
skinbench-tour --out "$scratch/tour" >"$scratch/tour.log" 2>&1 ||
  { cat "$scratch/tour.log"; fail "skinbench-tour failed"; }
for file in tour.png method9.png tour.md; do
  [ -s "$scratch/tour/$file" ] || fail "skinbench-tour wrote no $file"
done
ls "$scratch/tour"

step "the manual pages"
for page in skinbench skinbench-tour; do
  # As a user reads it: root's man would also keep the formatted page in man-db's cache.
  # Read into a variable: grep -q on a pipe would stop early and break the pipe.
  text=$(setpriv --reuid=nobody --regid=nogroup --clear-groups man "$page" 2>&1) ||
    fail "man $page failed: $text"
  grep -Eq "^ *$page +- " <<<"$text" || fail "man $page shows no NAME line:"$'\n'"$text"
done
head -n 4 <<<"$text"

step "purging"
end_process "$display_pid"
display_pid=""
quietly apt-get purge -y --autoremove skinbench
file_list >"$scratch/after.txt"
diff "$scratch/before.txt" "$scratch/after.txt" ||
  fail "the root's files after the purge differ from those before the install (above)"
echo "PASSED: installed with its dependencies, ran, purged without a trace"
