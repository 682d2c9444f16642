#!/usr/bin/env bash
# A whole box solved with real pointer clicks on a virtual screen. First a
# refused placement: its spoken sentence, with the line and column, appears on
# standard output. Then "Clear Puzzle" and a solution of the first 5-square
# box, planned by karvelon_solve_plan (an exact-cover search, checked on a
# headless game), clicked tile by tile; the game must announce the solved box
# and every box cell must be covered.
#
# Usage: solve.sh path/to/karvelon path/to/karvelon_solve_plan [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080
exe=$(readlink -f "$1")
planner=$(readlink -f "$2")
shot=$(readlink -f "${3:-$(dirname "$exe")/e2e_solve.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$planner" "$shot"

"$planner" "$W" "$H" >"$work/plan.txt" || { echo "FAIL: no plan" >&2; exit 1; }
export KARVELON_MUTE=1
start_program "$exe"
read_first_box
sleep 0.5

# 1. Tile 0 set down on the bottom-right cell, where no tile fits: message 33
#    with the anchor's line ("@@") and column ("@@@").
t0=$(pentipos_line "T0000")
xdotool mousemove $(($(px_x "$(field "$t0" 7 5)") + 10)) $(($(px_y "$(field "$t0" 12 5)") + 10)) click 1
sleep 0.3
last_line=$((box_rows - 1)) last_col=$((box_cols - 1))
xdotool mousemove "$(cell_x "$last_col" 10)" "$(cell_y "$last_line" 10)" click 1
expected="$(message_text 33)$(printf '%2d' "$last_line") Column$(printf '%3d' "$last_col")"
wait_transcript_lines 1 20 || fail "nothing spoken after a refused placement"
[[ "$(sed -n 1p "$work/transcript.txt")" == "$expected" ]] ||
  fail "refusal: expected '$expected', got '$(sed -n 1p "$work/transcript.txt")'"

# 2. "Clear Puzzle", then the planned clicks.
xdotool mousemove $(($(px_x 240) + 10)) $(($(px_y 120) + 10)) click 1
sleep 0.3
while read -r x y; do
  xdotool mousemove "$x" "$y" click 1
  sleep 0.1
done <"$work/plan.txt"

solved=$(message_text 35)
for _ in $(seq 1 50); do
  [[ "$(tail -n 1 "$work/transcript.txt")" == "$solved" ]] && break
  sleep 0.1
done
[[ "$(tail -n 1 "$work/transcript.txt")" == "$solved" ]] ||
  fail "last sentence: expected '$solved', got '$(tail -n 1 "$work/transcript.txt")'"
(($(wc -l <"$work/transcript.txt") == 2)) ||
  fail "unexpected sentences while solving: $(sed -n '2,$p' "$work/transcript.txt" | head -n -1)"

# 3. Every cell of the box is covered by a tile's colour.
sleep 0.3
screenshot "$shot"
uncovered=0
for ((r = 0; r < box_rows; r++)); do
  for ((c = 0; c < box_cols; c++)); do
    [[ "$(pixel "$(cell_x "$c" 6)" "$(cell_y "$r" 6)")" == "255 255 255" ]] && uncovered=$((uncovered + 1))
  done
done
((uncovered == 0)) || fail "$uncovered box cells are still white"
e2e_finish solve
