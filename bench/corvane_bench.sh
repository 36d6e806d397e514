#!/usr/bin/env bash
# Measures Corvane under Xvfb and headless:
#   - the time from start to the main menu drawn and presented (median of several starts),
#   - the CPU it uses and how often it wakes while it waits at the main menu,
#   - its peak resident memory over a run through every section of chapter 1,
#   - the time of a headless replay of that same run.
# Usage: corvane_bench.sh <corvane> <replay> <corvane_menu_probe>
#   (cmake --build build --target corvane_bench runs it with the built programs)
set -euo pipefail
corvane=$1 replay=$2 probe=$3
starts=${STARTS:-11}
idle_seconds=${IDLE_SECONDS:-10}

source "$(dirname "$0")/../tests/window/xvfb.sh"

# Chapter 1, every section and every key: the road (18 keys), terms (its screens, three drills
# of one item each), the answers to 問1, degree (three drills of one item each, 問2), back to
# the main menu. As xdotool key names; the replay takes the same keys.
chapter1=(1 Return
  1 Return $(printf 'space %.0s' {1..18})
  2 Return $(printf 'space %.0s' {1..15}) 1 Return space space 1 Return space space 1 Return space
  3 Return space space space
  4 Return space 1 Return space space 1 Return space space 1 Return space space space
  5 Return)
replay_keys=""
for key in "${chapter1[@]}"; do
  case "$key" in
    Return) replay_keys+='\n' ;;
    space) replay_keys+='k' ;;
    *) replay_keys+="$key" ;;
  esac
done

start_corvane() {
  t0=$(date +%s%N)
  "$corvane" >"$work/out" 2>&1 &
  app=$!
  t1=$("$probe" Corvane 20)
  menu_ms=$(( (t1 - t0) / 1000000 ))
}

stop_corvane() {
  xdotool key --delay 60 8 Return
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$app" 2>/dev/null; then echo "corvane did not end on 8"; exit 1; fi
  wait "$app" || { echo "corvane ended with an error"; exit 1; }
  app=""
}

# 1. Start to the main menu, several times.
times=()
for _ in $(seq "$starts"); do
  start_corvane
  times+=("$menu_ms")
  stop_corvane
done
median_ms=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "start to main menu drawn and presented: median ${median_ms} ms over ${starts} starts (${times[*]} ms)"

# 2. CPU and wake-ups while waiting at the main menu.
start_corvane
wait_idle "$app"
before=$(cpu_ns "$app") woken=$(wakeups "$app")
sleep "$idle_seconds"
after=$(cpu_ns "$app") woken=$(( $(wakeups "$app") - woken ))
awk -v ns=$((after - before)) -v s="$idle_seconds" -v w="$woken" \
  'BEGIN {printf "waiting at the main menu: %.3f %% of one core and %d wake-ups over %d s\n", 100 * ns / 1e9 / s, w, s}'

# 3. Peak resident memory over chapter 1.
id=$(xdotool search --name '^Corvane$' | head -n1)
xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
xdotool key --delay 40 "${chapter1[@]}"
sleep 0.5
hwm=$(awk '/^VmHWM/ {print $2}' "/proc/$app/status")
kill -0 "$app" || { echo "corvane ended during chapter 1"; exit 1; }
awk -v kb="$hwm" 'BEGIN {printf "peak resident memory over chapter 1: %.1f MB (VmHWM)\n", kb / 1024}'
stop_corvane

# 4. Headless replay of chapter 1.
best=""
for _ in 1 2 3 4 5; do
  r0=$(date +%s%N)
  "$replay" corvane --keys "${replay_keys}8\\n" 2>"$work/replay.err"
  r1=$(date +%s%N)
  grep -q 'program-ended' "$work/replay.err" || { echo "replay: $(cat "$work/replay.err")"; exit 1; }
  ms=$(( (r1 - r0) / 1000000 ))
  [[ -z "$best" || $ms -lt $best ]] && best=$ms
done
echo "headless replay through all of chapter 1: ${best} ms (best of 5)"
