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
  local name=$1 start=$SECONDS cpu status=0
  shift
  stages_cpu
  cpu=$stages_cpu_now
  echo "=== stage: $name ($*)"
  "$@" || status=$?
  stages_end "$name" "$status" "$start" "$cpu"
}

# stage_beside NAME COMMAND... starts a stage that runs beside the stages after it, at the lowest
# processor and disk priority, so that it takes only what they leave idle (their tests wait on
# X servers and Wine much of the time); its output is kept until stage_wait NAME, which waits for
# it and then reports it as any stage: its wall-clock time from its start, and its processor time.
declare -A stages_beside_pid stages_beside_start stages_beside_log
stage_beside() {
  local name=$1
  shift
  stages_beside_log[$name]=$(mktemp)
  echo "=== stage started, beside the next ones: $name ($*)"
  setsid nice -n 19 ionice -c 2 -n 7 "$@" >"${stages_beside_log[$name]}" 2>&1 &
  stages_beside_pid[$name]=$!
  stages_beside_start[$name]=$SECONDS
}

stage_wait() {
  local name=$1 cpu status=0
  stages_cpu
  cpu=$stages_cpu_now
  echo "=== stage: $name (started beside the stages above)"
  wait "${stages_beside_pid[$name]}" || status=$?
  unset "stages_beside_pid[$name]"
  cat "${stages_beside_log[$name]}"
  rm -f "${stages_beside_log[$name]}"
  stages_end "$name" "$status" "${stages_beside_start[$name]}" "$cpu"
}

# Ends what still runs beside: a failed stage ends the run, and with it every stage running beside.
stages_stop_beside() {
  local pid
  for pid in "${stages_beside_pid[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
  return 0
}

stages_end() {
  local name=$1 status=$2 start=$3 cpu=$4 took
  stages_cpu
  took="$(stages_clock $((SECONDS - start))) $(stages_clock $((stages_cpu_now - cpu))) cpu"
  if [ "$status" -ne 0 ]; then
    stages_done+=("$took  $name: FAILED (status $status)")
    echo "=== stage FAILED: $name after $took (status $status)"
    stages_stop_beside
    stages_summary
    exit 1
  fi
  stages_done+=("$took  $name")
  echo "=== stage passed: $name in $took"
}
