#!/usr/bin/env bash
# No work lost by surprise, on the real window.
# 1. "Watch Video" answered Yes; while the tour speaks, "Solve Puzzle"
#    answered No: the loop fills the box, and then for 30 s nothing moves:
#    no new sentence, the pointer stays, two screenshots are equal, and the
#    program is idle.
# 2. Started anew: Tab and Enter set tile 0 on the first box, Page Down
#    chooses the next box, Ctrl+Z brings the first one back with tile 0
#    where it stood.
# Usage: kept.sh path/to/karvelon [screenshot folder]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=150
exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")}")
shot=$out/e2e_kept_undone.png
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$out"

lines() { wc -l <"$work/transcript.txt"; }
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

export KARVELON_MUTE=1
start_program "$exe"
read_first_box
xdotool sleep 1 mousemove 5 $((H - 5))
click_centre 1440 1080 1095 735  # "Watch Video"
answer y
wait_transcript_lines 1 10 || fail "the tour said nothing"
click_centre 240 1080 1095 735  # "Solve Puzzle", while the first sentence is spoken
answer n
# Filled once the last tile, 11, has left the palette.
t11=$(pentipos_line "T0055")
filled=
for _ in $(seq 1 50); do
  sleep 0.2
  screenshot "$work/loop.png"
  [[ "$(pixel $(($(px_x "$(field "$t11" 7 5)") + 5)) $(($(px_y "$(field "$t11" 12 5)") + 5)))" == "192 255 192" ]] &&
    { filled=1; break; }
done
[[ -n "$filled" ]] || fail "the solve loop did not take the tiles"
sleep 1
said=$(lines)
read -r x y < <(pointer)
screenshot "$work/still1.png"
busy=$(cpu)
for _ in 1 2 3 4 5 6; do
  sleep 5
  read -r x2 y2 < <(pointer)
  [[ "$x2 $y2" == "$x $y" ]] || fail "the pointer moved from $x,$y to $x2,$y2 after the loop"
done
busy=$(($(cpu) - busy))
((busy < 300)) || fail "still busy after the solve loop: $busy ticks in 30 s"
screenshot "$out/e2e_kept_loop.png"
(($(lines) == said)) || fail "said after the loop: $(tail -n +$((said + 1)) "$work/transcript.txt" | head -n 3)"
[[ "$(compare -metric AE "$work/still1.png" "$out/e2e_kept_loop.png" null: 2>&1 || true)" == "0" ]] ||
  fail "the window changed in the 30 s after the loop"
kill "$pid" && wait "$pid" 2>/dev/null || true

# 2. Tile 0 stands five squares tall in the first column of the first box.
start_program "$exe"
colour=$(tile_rgb 0)
xdotool sleep 1 mousemove 5 $((H - 5)) key Tab sleep 0.3 key Return sleep 0.5
box() {  # the first box's area of the screenshot $1 into $2
  convert "$1" -crop "$(($(cell_x "$box_cols" 0) - $(cell_x 0 0)))x$(($(cell_y "$box_rows" 0) - $(cell_y 0 0)))+$(cell_x 0 0)+$(cell_y 0 0)" +repage "$2"
}
screenshot "$work/set.png"
for row in 0 4; do expect_pixel "tile 0 on cell ($row,0)" "$(cell_x 0 6)" "$(cell_y "$row" 6)" "$colour"; done
expect_pixel "cell (0,1) free" "$(cell_x 1 6)" "$(cell_y 0 6)" "255 255 255"
box "$work/set.png" "$work/set_box.png"
xdotool key Next sleep 0.5
screenshot "$work/next.png"
box "$work/next.png" "$work/next_box.png"
[[ "$(compare -metric AE "$work/set_box.png" "$work/next_box.png" null: 2>&1 || true)" != "0" ]] || fail "Page Down left the box"
xdotool key ctrl+z
wait_said "Undone: $(printf '%d by %2d' "$box_rows" "$box_cols")" 10  # the list's text of the first box
# The cell cursor comes back once the sentence has been spoken.
for attempt in 1 2 3 4 5 6; do
  sleep 1
  screenshot "$shot"
  box "$shot" "$work/undone_box.png"
  same=$(compare -metric AE "$work/set_box.png" "$work/undone_box.png" null: 2>&1 || true)
  [[ "$same" == "0" ]] && break
done
[[ "$same" == "0" ]] || fail "the box after Ctrl+Z differs from the box tile 0 was set in ($same pixels)"
e2e_finish kept
