# shellcheck shell=bash
# Sourced by scripts/start.sh and by the tests that need a real X server.
#
# start_virtual_display DIR: starts a virtual X server (Xvfb) on a display number that it picks
# itself, so that servers side by side never collide; exports DISPLAY and sets display_pid. The
# server's output goes to DIR/xvfb.log. When it does not come up within ten seconds it returns 1,
# and the log tells why.
#
# -noreset: by default the server resets once its last client leaves and drops every client
# still connecting at that moment; a program started while a short-lived client (xdotool, say)
# comes and goes then fails with "could not connect to display".
start_virtual_display() {
  local dir=$1 tenth
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" \
    >"$dir/xvfb.log" 2>&1 &
  display_pid=$!
  for ((tenth = 0; tenth < 100; tenth++)); do
    # The number is written once the server listens; the line ends with a newline.
    if grep -q '^[0-9]\+$' "$dir/display" 2>/dev/null; then
      export DISPLAY=":$(cat "$dir/display")"
      return 0
    fi
    kill -0 "$display_pid" 2>/dev/null || break
    sleep 0.1
  done
  return 1
}

# start_window_manager DIR [CONFIG]: starts openbox on $DISPLAY with CONFIG (by default the tests'
# own, tests/support/openbox.xml, so that nothing depends on the machine's settings) and sets
# manager_pid. Its output goes to DIR/openbox.log. When it has not announced itself on the root
# window within ten seconds it returns 1, and the log tells why.
#
# Wine needs one: when a window it has shown is destroyed, it waits up to two seconds for a window
# manager to mark the window withdrawn.
skinbench_openbox_config=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/support/openbox.xml
start_window_manager() {
  local dir=$1 config=${2:-$skinbench_openbox_config} tenth
  openbox --config-file "$config" >"$dir/openbox.log" 2>&1 &
  manager_pid=$!
  for ((tenth = 0; tenth < 100; tenth++)); do
    timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    kill -0 "$manager_pid" 2>/dev/null || break
    sleep 0.1
  done
  return 1
}
