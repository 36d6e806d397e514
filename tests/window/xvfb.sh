# Sourced by the real-window scripts: a work folder, an Xvfb display of our own on a free number
# (DISPLAY exported; kept as it is when the last client leaves, so that a program started just
# then does not meet a server that is resetting), readers of a process's CPU time, wake-ups
# and state, a wait until a process rests, and a clean-up on exit that stops the programs (the
# list $apps) and the display, printing the programs' output ($work/out*) and the display's log
# on failure.
work=$(mktemp -d)
apps=()
cleanup() {
  status=$?
  if [[ $status -ne 0 ]]; then
    for out in "$work"/out*; do
      [[ -e "$out" ]] && { echo "--- program output ($(basename "$out"))"; cat "$out"; }
    done
    echo "--- Xvfb log"; cat "$work/xvfb.log" 2>/dev/null || true
  fi
  for pid in "${apps[@]}"; do kill "$pid" 2>/dev/null || true; done
  [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

cpu_ns() {  # CPU time of all the process's threads so far, in nanoseconds
  local total=0 t
  for t in /proc/"$1"/task/*/schedstat; do total=$((total + $(cut -d' ' -f1 "$t"))); done
  echo "$total"
}

wakeups() {  # voluntary context switches of all the process's threads so far
  local total=0 t
  for t in /proc/"$1"/task/*/status; do
    total=$((total + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$t")))
  done
  echo "$total"
}

run_state() {  # the scheduler state of the process's main thread: S while it sleeps in a wait
  local stat
  stat=$(cat /proc/"$1"/stat)
  stat=${stat##*) }
  echo "${stat%% *}"
}

# Waits until the process sleeps and has used no CPU for 0.2 s (at most about 60 s): it is
# waiting for a key. On a busy machine a process that is ready to run can go a while without
# the CPU, and one reading from the disk uses none; neither is asleep.
wait_idle() {
  local before after
  before=$(cpu_ns "$1")
  for _ in $(seq 300); do
    sleep 0.2
    after=$(cpu_ns "$1")
    [[ "$after" == "$before" && $(run_state "$1") == S ]] && return 0
    before=$after
  done
  echo "process $1 never came to rest"
  return 1
}
