# Sourced by the test scripts that need a real X server. Expects $scratch (a private folder)
# and a fail function; sets display_pid so that the caller's cleanup can end the server.

# Starts a virtual X server on a display number that it picks itself, so that tests running
# side by side never collide, and exports DISPLAY.
start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
    >"$scratch/xvfb.log" 2>&1 &
  display_pid=$!
  for ((tenth = 0; tenth < 100; tenth++)); do
    if [ -s "$scratch/display" ]; then
      export DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
      return
    fi
    kill -0 "$display_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$scratch/xvfb.log" >&2
  fail "the virtual X server did not start"
}
