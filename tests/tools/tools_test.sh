#!/usr/bin/env bash
# The headless tools' path arguments and the figure sheet's arrows.
#   tools_test.sh <replay> <figure_sheet> <formula_sheet>
# A path that cannot be used is refused before the run starts: exit code 2, one line on
# standard error naming the path and why, and nothing written. A PNG folder is made with the
# folders above it. The figure sheet's arrows case ends with an arrow of no length asked for
# two heads, then an arrow asked for one: the request is used up and the last arrow has one
# head.
set -euo pipefail
replay=$1 figure_sheet=$2 formula_sheet=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

file=$work/a-file
echo "not a folder" >"$file"
mkdir "$work/a-folder"

# refused <path> <command...>: exit 2, one line naming the path, no trace left behind.
refused() {
  local path=$1; shift
  local code=0
  "$@" >"$work/out" 2>"$work/err" || code=$?
  local lines
  lines=$(wc -l <"$work/err")
  [[ $code == 2 ]] || fail "$* exited $code, not 2"
  [[ $lines == 1 ]] || fail "$* said $lines lines: $(cat "$work/err")"
  grep -qF -- "$path: " "$work/err" || fail "$* did not name $path: $(cat "$work/err")"
  [[ ! -s $work/out ]] || fail "$* wrote to standard output"
  [[ ! -e $work/run.trace ]] || fail "$* ran: its trace is there"
  rm -f "$work/run.trace"
}

trace=(--trace "$work/run.trace")
for dir in "$file" "$file/pngs"; do
  refused "$dir" "$replay" corvane --keys 8 "${trace[@]}" --png-dir "$dir"
  refused "$dir" "$figure_sheet" "${trace[@]}" --png-dir "$dir"
done
for png in "$work/a-folder" "$file/page.png" "$work/missing/page.png"; do
  refused "$png" "$replay" corvane --keys 8 "${trace[@]}" --png "$png"
  refused "$png" "$figure_sheet" "${trace[@]}" --png "$png"
  refused "$png" "$formula_sheet" "$png"
done
refused "$work/a-folder" "$replay" ostrel --keys 8 --trace "$work/a-folder"
refused "$work/missing/run.trace" "$figure_sheet" --trace "$work/missing/run.trace"
refused "$work/a-folder" "$replay" varnick "${trace[@]}" --keys-file "$work/a-folder"
refused "$work/missing" "$replay" varnick "${trace[@]}" --keys-file "$work/missing"

# A folder that is not there yet is made, with the folders above it.
"$replay" corvane --keys '1\n' --png-dir "$work/new/pngs" 2>/dev/null ||
  fail "replay with a new PNG folder failed"
ls "$work/new/pngs"/0001.png >/dev/null 2>&1 || fail "replay wrote no PNG into the new folder"
"$figure_sheet" --case arrows --png-dir "$work/sheet" --trace "$work/arrows.trace" 2>/dev/null ||
  fail "figure_sheet --case arrows failed"
[[ -s $work/sheet/arrows.png ]] || fail "figure_sheet wrote no arrows.png"

# The arrows case's last two arrows: no length with two heads asked for (YA left 0), then one
# that leaves YA as it is, drawn as its shaft and one head.
tail_of_case=$(awk '/^value\tMarkX0\t400$/ { seen = 1 } seen' "$work/arrows.trace")
expected=$(printf '%s\n' \
  $'value\tMarkX0\t400' $'value\tMarkY0\t300' $'value\tZX\t400' $'value\tZY\t300' \
  $'value\tD\t0' $'value\tMUKI\t0' $'value\tYA\t0' \
  $'op\tPsLINE\t400\t400\t500\t400\t0\t0\t0\t3' \
  $'op\tPsLINE\t484\t408\t500\t400\t0\t0\t0\t3' \
  $'op\tPsLINE\t484\t392\t500\t400\t0\t0\t0\t3' \
  $'value\tMarkX0\t500' $'value\tMarkY0\t400' $'value\tZX\t400' $'value\tZY\t400' \
  $'value\tD\t100' $'value\tMUKI\t0' $'value\tYA\t0' $'op\tPsEND' $'end\tprogram-ended')
[[ $tail_of_case == "$expected" ]] || fail "the arrows case ends otherwise:
$tail_of_case"

if ((failures > 0)); then
  echo "$failures failures"
  exit 1
fi
echo "tools: every path refused as it should be; the arrows case as expected"
