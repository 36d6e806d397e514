#!/usr/bin/env bash
# Drives a program in a real window under Xvfb.
#   window_test.sh field <probe> <close_window>
#       types "6/2" and Enter into the number field and expects the value 3, measures the CPU
#       the program uses while it waits, then closes the window and expects exit code 0.
#   window_test.sh program <program> <close_window> <title> <keys...>
#       starts a lesson program, types each key argument (xdotool key names), takes a
#       screenshot into $SCREENSHOT_DIR when set, and expects the program to end with code 0.
set -euo pipefail
mode=$1; shift

source "$(dirname "$0")/xvfb.sh"

wait_for_window() {
  local title=$1 id=""
  for _ in $(seq 300); do
    id=$(xdotool search --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [[ -n "$id" ]] && break
    sleep 0.1
  done
  [[ -n "$id" ]] || { echo "no window titled $title"; exit 1; }
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.5
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
    # The field is waiting again: measure what the wait costs.
    seconds=${CPU_SECONDS:-5}
    before=$(cpu_ns "$app"); sleep "$seconds"; after=$(cpu_ns "$app")
    percent=$(awk -v t=$((after - before)) -v s="$seconds" 'BEGIN {printf "%.2f", 100 * t / 1e9 / s}')
    echo "CPU while waiting in the number field: ${percent}% of one core over ${seconds} s"
    limit=${CPU_LIMIT:-0.5}
    awk -v p="$percent" -v l="$limit" 'BEGIN {exit !(p < l)}' || { echo "waiting costs more than ${limit}%"; exit 1; }
    "$closer" Probe
    ;;
  keys)
    # Every key press is one key for "any key": control keys, function keys, keypad keys,
    # shifted letters; a modifier alone is not a key press.
    probe=$1 closer=$2
    "$probe" keys >"$work/out" 2>&1 &
    app=$!
    wait_for_window Probe
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
    "$closer" Probe
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
