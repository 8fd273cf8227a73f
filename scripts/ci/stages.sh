# Sourced by .ci/run: runs named stages in order, prints each one's time, and on the first
# failure prints the times so far and exits with status 1. Beside the wall-clock time each stage
# shows the processor time its processes used, which tells more on a machine that is busy with
# other work.
stages_done=()
stages_started=$SECONDS

stages_clock() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

# Processor seconds used so far by finished child processes (user and system), into
# stages_cpu_now. `times` must run in this shell, not in a command substitution's.
stages_cpu_file=$(mktemp)
stages_cpu() {
  times >"$stages_cpu_file"
  stages_cpu_now=$(tail -n 1 "$stages_cpu_file" | awk '{
    total = 0
    for (i = 1; i <= 2; i++) { split($i, t, /[ms]/); total += t[1] * 60 + t[2] }
    printf "%d\n", total
  }')
}

stages_summary() {
  local line
  echo "=== stage times (wall clock, processor)"
  for line in "${stages_done[@]}"; do echo "  $line"; done
  echo "  total: $(stages_clock $((SECONDS - stages_started)))"
  rm -f "$stages_cpu_file"
}

# stage NAME COMMAND...
stage() {
  local name=$1 start=$SECONDS cpu status=0 took
  shift
  stages_cpu
  cpu=$stages_cpu_now
  echo "=== stage: $name ($*)"
  "$@" || status=$?
  stages_cpu
  took="$(stages_clock $((SECONDS - start))) $(stages_clock $((stages_cpu_now - cpu))) cpu"
  if [ "$status" -ne 0 ]; then
    stages_done+=("$took  $name: FAILED (status $status)")
    echo "=== stage FAILED: $name after $took (status $status)"
    stages_summary
    exit 1
  fi
  stages_done+=("$took  $name")
  echo "=== stage passed: $name in $took"
}
