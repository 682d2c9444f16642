#!/usr/bin/env bash
# Real input under Xvfb: a real drag sets tile 0 (standing, as in the
# palette) on the first box, the grabbed square under the pointer; the wheel
# turned away lays it down ("Rotate Left"). Started anew, the searches run
# beside the window and answer on it: C counts the 9356 ways to finish the
# empty box, H twice sets a tile, C then counts fewer ways, but some. (Hints
# to the end, their undo and the marks are the headless tests' part; the
# keys that turn, move and set tiles are played by ear in by_ear.py.)
# Usage: input.sh path/to/karvelon [screenshot folder]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=180
exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")}")
shot=$out/e2e_input_hints.png
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$out"

export KARVELON_MUTE=1
start_program "$exe"
read_first_box
colour=$(tile_rgb 0)
t0=$(pentipos_line "T0000")  # tile 0's first palette button
x=$(($(px_x "$(field "$t0" 7 5)") + 8)) y=$(($(px_y "$(field "$t0" 12 5)") + 8))
to_x=$(cell_x 4 12) to_y=$(cell_y 0 12)
xdotool sleep 1 mousemove "$x" "$y" mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((x + (to_x - 20 - x) * step / 8)) $((y + (to_y - y) * step / 8)) sleep 0.05
done
sleep 0.3
screenshot "$out/e2e_input_drag.png"  # over a white box cell
[[ "$(pixel $((to_x - 20)) $((to_y + 3)))" != "255 255 255" ]] || fail "no ghost under the pointer mid-drag"
xdotool mousemove "$to_x" "$to_y" sleep 0.1 mouseup 1 sleep 0.5 && screenshot "$work/dropped.png"
expect_pixel "the grabbed square under the pointer" "$to_x" "$to_y" "$colour"
expect_pixel "tile 0 standing" "$(cell_x 4 6)" "$(cell_y 4 6)" "$colour"
xdotool click 4 sleep 0.5 && screenshot "$work/turned.png"
expect_pixel "tile 0 lying" "$(cell_x 8 6)" "$(cell_y 0 6)" "$colour"
[[ -s "$work/transcript.txt" ]] && fail "refused: $(cat "$work/transcript.txt")"

# Sends key $1, waits for sentence $2 of the transcript and checks it starts with $3.
key_says() {
  xdotool key "$1"
  wait_transcript_lines "$2" 15 || fail "nothing said after $1"
  local said
  said=$(sed -n "$2p" "$work/transcript.txt")
  [[ "$said" == "$3"* ]] || fail "after $1: expected '$3…', got '$said'"
}

kill "$pid" && wait "$pid" 2>/dev/null || true
start_program "$exe"
xdotool sleep 1 mousemove 5 $((H - 5))
n=1
key_says c $n "9356 ways to finish this box"
key_says h $((++n)) "This box can still be solved"
key_says h $((++n)) "Hint: tile "
key_says c $((++n)) ""
said=$(sed -n "${n}p" "$work/transcript.txt")
[[ "$said" =~ ^([0-9]+)\ ways\ to\ finish\ this\ box$ ]] && ((BASH_REMATCH[1] > 0 && BASH_REMATCH[1] < 9356)) ||
  fail "C after one hint said '$said'"
sleep 0.3 && screenshot "$shot"
e2e_finish input
