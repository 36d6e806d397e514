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
#       the field shows in the next screenshot and Enter reads it.
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
set -euo pipefail
mode=$1; shift

source "$(dirname "$0")/xvfb.sh"

# Starts a program with its output in $work/out-<name> and the stop signals at their defaults
# (a script's background job would otherwise ignore SIGINT). Sets $pid.
start() {
  local name=$1; shift
  env --default-signal=INT,TERM,HUP "$@" >"$work/out-$name" 2>&1 &
  pid=$!
  apps+=("$pid")
}

# Sets $window_id to the window titled $1, waiting up to 30 s for it to appear (while the
# program $pid, when set, runs).
find_window() {
  local title=$1
  window_id=""
  for _ in $(seq 600); do
    window_id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [[ -n "$window_id" ]] && return 0
    [[ -z "${pid:-}" ]] || kill -0 "$pid" 2>/dev/null || { echo "ended before its window showed"; exit 1; }
    sleep 0.05
  done
  echo "no window titled $title"
  exit 1
}

focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }

wait_for_window() {
  find_window "$1"
  focus "$window_id"
  sleep 0.5
}

# Waits until the program $1 has ended, at most $2 ms after the moment $3 (date +%s%N), and
# expects exit code $4.
expect_end() {
  local pid=$1 limit_ms=$2 t0=$3 want=$4 ms rc
  while kill -0 "$pid" 2>/dev/null; do
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    (( ms > limit_ms )) && { echo "the program did not end within ${limit_ms} ms"; exit 1; }
    sleep 0.01
  done
  ms=$(( ($(date +%s%N) - t0) / 1000000 ))
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
    "$probe" >"$work/out" 2>&1 &
    app=$!
    wait_for_window Probe
    xdotool type --delay 50 "6/2"
    xdotool key Return
    for _ in $(seq 100); do grep -q '^value 3$' "$work/out" && break; sleep 0.1; done
    grep -q '^value 3$' "$work/out" || { echo "typed 6/2, read: $(cat "$work/out")"; exit 1; }
    echo "typed 6/2 and Enter: read 3"
    "$closer" Probe
    ;;
  keys)
    # Every key press is one key for "any key": control keys, function keys, keypad keys,
    # shifted letters; a modifier alone is not a key press.
    probe=$1 closer=$2
    "$probe" keys >"$work/out" 2>&1 &
    app=$!
    wait_for_window "Key probe"
    presses=(Escape F5 Tab a shift+b KP_5 BackSpace Return Up Shift_L)
    expected=("key 1b" "key ee 80 be" "key 09" "key 61" "key 42" "key 35" "key 08" "key 0d" "key ee 81 92" "")
    for key in "${presses[@]}"; do xdotool key "$key"; sleep 0.2; done
    sleep 0.5
    want=$(printf '%s\n' "${expected[@]}" | grep -v '^$')
    got=$(grep '^key' "$work/out" || true)
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
    # A key after the long sleep is answered at once: its echo is in the next screenshot.
    before=$("$pixels" Probe)
    xdotool key 7
    sleep 0.1
    [[ $("$pixels" Probe) != "$before" ]] || { echo "no echo 0.1 s after a key typed"; exit 1; }
    xdotool key Return
    for _ in $(seq 100); do grep -q '^value 7$' "$work/out-field" && break; sleep 0.01; done
    grep -q '^value 7$' "$work/out-field" || { echo "typed 7 and Enter, read: $(cat "$work/out-field")"; exit 1; }
    echo "a key typed after ${seconds} s of waiting: echoed within 0.1 s, read"
    "$closer" Probe
    "$closer" "Key probe"
    expect_end "$field" 10000 "$(date +%s%N)" 0
    expect_end "$key_wait" 10000 "$(date +%s%N)" 0
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
    program=$1 closer=$2 title=$3; shift 3
    "$program" >"$work/out" 2>&1 &
    app=$!
    wait_for_window "$title"
    for key in "$@"; do
      if [[ "$key" == screenshot:* ]]; then
        if [[ -n "${SCREENSHOT_DIR:-}" ]] && command -v import >/dev/null; then
          import -window root "$SCREENSHOT_DIR/${key#screenshot:}.png"
        fi
        continue
      fi
      xdotool key --delay 80 "$key"
      sleep 0.15
    done
    ;;
  *)
    echo "unknown mode $mode"; exit 2 ;;
esac

for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "the program did not end"; exit 1; fi
set +e
wait "$app"
rc=$?
set -e
app=""
echo "exit code $rc"
[[ $rc -eq 0 ]]
