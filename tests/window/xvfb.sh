# Sourced by the real-window scripts: a CPU-time reader, a work folder, an Xvfb display of our own on a free
# number (DISPLAY exported), and a clean-up on exit that stops the program ($app) and the
# display, printing the program's output ($work/out) and the display's log on failure.
work=$(mktemp -d)
cleanup() {
  status=$?
  if [[ $status -ne 0 ]]; then
    echo "--- program output"; cat "$work/out" 2>/dev/null || true
    echo "--- Xvfb log"; cat "$work/xvfb.log" 2>/dev/null || true
  fi
  [[ -n "${app:-}" ]] && kill "$app" 2>/dev/null || true
  [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

exec 5>"$work/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

cpu_ns() {  # CPU time of all the process's threads so far, in nanoseconds
  local total=0 t
  for t in /proc/"$1"/task/*/schedstat; do total=$((total + $(cut -d' ' -f1 "$t"))); done
  echo "$total"
}
