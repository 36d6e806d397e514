#!/usr/bin/env bash
# Drives programs in real windows under Xvfb.
#   window_test.sh field <probe> <close_window>
#       types "6/2" and Enter into the number field and expects the value 3, then closes the
#       window and expects exit code 0.
#   window_test.sh keys <probe> <close_window>
#       presses keys of every kind at "any key" and expects each press read as one key.
#   window_test.sh idle <probe> <close_window> <window_pixels>
#       leaves a number field and a key wait waiting for IDLE_SECONDS (10): each may wake at
#       most once a second and use under CPU_LIMIT (0.02) % of a core. Then a digit typed into
#       the field shows on screen within ECHO_LIMIT_MS (1000) ms and Enter reads it.
#   window_test.sh ends <corvane> <ostrel> <varnick> <probe>
#       at each kind of wait (main menu, key wait, number field mid-entry, next-step prompt,
#       runtime-error screen) sends SIGINT, SIGTERM and SIGHUP and destroys the window from
#       another client: the program ends within EXIT_LIMIT_MS (1000) ms with code 0 and
#       without a word.
#   window_test.sh display <probe>
#       a program started without a display, and one whose display stops while it waits, end
#       with code 1 and one line saying so.
#   window_test.sh program <program> <close_window> <title> <keys...>
#       starts a lesson program, types each key argument (xdotool key names), takes a
#       screenshot into $SCREENSHOT_DIR when set, and expects the program to end with code 0.
#
# Nothing here waits a fixed time for a result: a result is polled for until it shows, for up
# to RESULT_LIMIT_S (30) seconds, so that a busy machine only makes a test slower. Only where
# promptness is the point (the echo after a long wait, the end after a signal) is the time
# until the result measured, against a limit of a second or more.
set -euo pipefail
mode=$1; shift
result_limit_ms=$(( ${RESULT_LIMIT_S:-30} * 1000 ))

source "$(dirname "$0")/xvfb.sh"

# Starts a program with its output in $work/out-<name> and the stop signals at their defaults
# (a script's background job would otherwise ignore SIGINT). Sets $pid.
start() {
  local name=$1; shift
  env --default-signal=INT,TERM,HUP "$@" >"$work/out-$name" 2>&1 &
  pid=$!
  apps+=("$pid")
}

# Milliseconds since the moment $1 (date +%s%N).
ms_since() { echo $(( ($(date +%s%N) - $1) / 1000000 )); }

# Sets $window_id to the window titled $1, waiting for it to appear (while the program $pid,
# when set, runs).
find_window() {
  local title=$1 t0
  t0=$(date +%s%N)
  window_id=""
  while (( $(ms_since "$t0") <= result_limit_ms )); do
    window_id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [[ -n "$window_id" ]] && return 0
    [[ -z "${pid:-}" ]] || kill -0 "$pid" 2>/dev/null || { echo "ended before its window showed"; exit 1; }
    sleep 0.05
  done
  echo "no window titled $title"
  exit 1
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }

# Waits for the window titled $1 of the program $pid, focuses it, and waits until the program
# is at its first wait.
wait_for_window() {
  find_window "$1"
  focus "$window_id"
  wait_idle "$pid"
}

# Waits until the file $1 holds a line matching $2, the program's answer to $3.
wait_for_line() {
  local file=$1 pattern=$2 what=$3 t0
  t0=$(date +%s%N)
  until grep -q "$pattern" "$file"; do
    if (( $(ms_since "$t0") > result_limit_ms )); then
      echo "$what, read: $(cat "$file")"
      exit 1
    fi
    sleep 0.05
  done
}

# Waits until the program $1 has ended, at most $2 ms after the moment $3 (date +%s%N), and
# expects exit code $4.
expect_end() {
  local pid=$1 limit_ms=$2 t0=$3 want=$4 ms rc
  while kill -0 "$pid" 2>/dev/null; do
    ms=$(ms_since "$t0")
    (( ms > limit_ms )) && { echo "the program did not end within ${limit_ms} ms"; exit 1; }
    sleep 0.01
  done
  ms=$(ms_since "$t0")
  set +e
  wait "$pid"
  rc=$?
  set -e
  forget "$pid"
  [[ $rc -eq $want ]] || { echo "exit code $rc after ${ms} ms, expected $want"; exit 1; }
  end_ms=$ms
}

# Takes an ended program off the list the clean-up stops (its number may be reused).
forget() {
  local kept=() p
  for p in "${apps[@]}"; do [[ $p == "$1" ]] || kept+=("$p"); done
  apps=("${kept[@]}")
}

case "$mode" in
  field)
    probe=$1 closer=$2
    start app "$probe"
    wait_for_window Probe
    xdotool type --delay 50 "6/2"
    xdotool key Return
    wait_for_line "$work/out-app" '^value 3$' "typed 6/2 and Enter"
    echo "typed 6/2 and Enter: read 3"
    "$closer" Probe
    ;;
  keys)
    # Every key press is one key for "any key": control keys, function keys, keypad keys,
    # shifted letters; a modifier alone is not a key press. The last key, z, marks the end:
    # once it is read, every key before it has been.
    probe=$1 closer=$2
    start app "$probe" keys
    wait_for_window "Key probe"
    presses=(Escape F5 Tab a shift+b KP_5 BackSpace Return Up Shift_L z)
    expected=("key 1b" "key ee 80 be" "key 09" "key 61" "key 42" "key 35" "key 08" "key 0d" "key ee 81 92" "" "key 7a")
    xdotool key --delay 50 "${presses[@]}"
    wait_for_line "$work/out-app" '^key 7a$' "pressed ${presses[*]}"
    want=$(printf '%s\n' "${expected[@]}" | grep -v '^$')
    got=$(grep '^key' "$work/out-app" || true)
    if [[ "$got" != "$want" ]]; then
      echo "keys read:"; echo "$got"; echo "expected:"; echo "$want"; exit 1
    fi
    echo "every key press read as one key"
    "$closer" "Key probe"
    ;;
  idle)
    probe=$1 closer=$2 pixels=$3
    seconds=${IDLE_SECONDS:-10} cpu_limit=${CPU_LIMIT:-0.02}
    start keys "$probe" keys
    key_wait=$pid
    find_window "Key probe"
    start field "$probe"
    field=$pid
    find_window Probe
    focus "$window_id"
    wait_idle "$key_wait"
    wait_idle "$field"
    # Both wait at once: measure them over the same seconds.
    declare -A wakeups0 cpu0
    for p in "$field" "$key_wait"; do wakeups0[$p]=$(wakeups "$p"); cpu0[$p]=$(cpu_ns "$p"); done
    sleep "$seconds"
    failed=0
    for p in "$field" "$key_wait"; do
      [[ $p == "$field" ]] && where="in the number field" || where="at a key wait"
      count=$(( $(wakeups "$p") - wakeups0[$p] ))
      percent=$(awk -v t=$(( $(cpu_ns "$p") - cpu0[$p] )) -v s="$seconds" \
                'BEGIN {printf "%.4f", 100 * t / 1e9 / s}')
      echo "waiting ${where} for ${seconds} s: ${count} wake-ups, ${percent} % of one core"
      (( count <= seconds )) || { echo "  more than one wake-up a second"; failed=1; }
      awk -v p="$percent" -v l="$cpu_limit" 'BEGIN {exit !(p < l)}' ||
        { echo "  ${cpu_limit} % of a core or more"; failed=1; }
    done
    (( failed == 0 )) || exit 1
    # A key after the long sleep is answered at once: the time until its echo shows on screen
    # is well under a second even on a busy machine, and a program that slept through its key
    # until some later wake-up would take longer.
    echo_limit_ms=${ECHO_LIMIT_MS:-1000}
    before=$("$pixels" Probe)
    t0=$(date +%s%N)
    xdotool key 7
    while [[ $("$pixels" Probe) == "$before" ]]; do
      (( $(ms_since "$t0") > echo_limit_ms )) &&
        { echo "no echo within ${echo_limit_ms} ms of a key typed"; exit 1; }
    done
    echo_ms=$(ms_since "$t0")
    xdotool key Return
    wait_for_line "$work/out-field" '^value 7$' "typed 7 and Enter"
    echo "a key typed after ${seconds} s of waiting: echoed after ${echo_ms} ms, read"
    "$closer" Probe
    "$closer" "Key probe"
    expect_end "$field" "$result_limit_ms" "$(date +%s%N)" 0
    expect_end "$key_wait" "$result_limit_ms" "$(date +%s%N)" 0
    echo "both closed: exit code 0"
    exit 0
    ;;
  ends)
    corvane=$1 ostrel=$2 varnick=$3 probe=$4
    limit_ms=${EXIT_LIMIT_MS:-1000}
    # Each kind of wait: its name, the command, the window's title, the keys that lead to it.
    next_step="1 Return 2 Return $(printf 'space %.0s' {1..15})"
    waits=(
      "main menu|$corvane|Corvane|"
      "main menu|$ostrel|Ostrel|"
      "main menu|$varnick|Varnick|"
      "key wait|$corvane|Corvane|1 Return 1 Return"
      "number field mid-entry|$corvane|Corvane|5"
      "next-step prompt|$corvane|Corvane|${next_step}"
      "runtime-error screen|$probe error|Error probe|"
    )
    for entry in "${waits[@]}"; do
      IFS="|" read -r kind command title keys <<<"$entry"
      for way in INT TERM HUP destroy; do
        # shellcheck disable=SC2086  # the command and the keys are word lists
        start run $command
        find_window "$title"
        if [[ -n "$keys" ]]; then focus "$window_id"; xdotool key --delay 30 $keys; fi
        wait_idle "$pid"
        t0=$(date +%s%N)
        if [[ $way == destroy ]]; then
          xdotool windowclose "$window_id"
        else
          kill -s "$way" "$pid"
        fi
        expect_end "$pid" "$limit_ms" "$t0" 0
        if [[ -s "$work/out-run" ]]; then
          echo "$title, $kind, $way: the program said:"; cat "$work/out-run"; exit 1
        fi
        case $way in destroy) how="window destroyed" ;; *) how="SIG$way" ;; esac
        echo "$title, $kind, $how: exit code 0 after ${end_ms} ms"
      done
    done
    exit 0
    ;;
  display)
    probe=$1
    start none env DISPLAY=:"$(( $(cat "$work/display") + 1000 ))" "$probe"
    expect_end "$pid" 10000 "$(date +%s%N)" 1
    grep -q '^Probe: cannot start the display' "$work/out-none" ||
      { echo "started without a display, the program said:"; cat "$work/out-none"; exit 1; }
    echo "no display: exit code 1, saying: $(grep '^Probe' "$work/out-none")"
    start field "$probe"
    find_window Probe
    wait_idle "$pid"
    t0=$(date +%s%N)
    kill "$xvfb"
    xvfb=""
    expect_end "$pid" 5000 "$t0" 1
    said=$(cat "$work/out-field")
    if [[ $(wc -l <"$work/out-field") -ne 1 || "$said" != *"lost the connection to the display"* ]]; then
      echo "the program said:"; echo "$said"; exit 1
    fi
    echo "display stopped: exit code 1 after ${end_ms} ms, saying: $said"
    exit 0
    ;;
  program)
    # The keys queue up while the program draws, as a pupil's typing ahead does; before a
    # screenshot the program is let come to rest at its wait.
    program=$1 closer=$2 title=$3; shift 3
    start app "$program"
    wait_for_window "$title"
    for key in "$@"; do
      if [[ "$key" == screenshot:* ]]; then
        if [[ -n "${SCREENSHOT_DIR:-}" ]] && command -v import >/dev/null; then
          wait_idle "$pid"
          import -window root "$SCREENSHOT_DIR/${key#screenshot:}.png"
        fi
        continue
      fi
      xdotool key --delay 80 "$key"
    done
    ;;
  *)
    echo "unknown mode $mode"; exit 2 ;;
esac

expect_end "$pid" "$result_limit_ms" "$(date +%s%N)" 0
echo "exit code 0 after ${end_ms} ms"
