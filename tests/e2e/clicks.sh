#!/usr/bin/env bash
# The player's first moves with real pointer clicks on a virtual screen:
# a click on the box without a tile is refused aloud, a click on a palette
# tile shows it in the box-tile display, and a click on a box cell sets the
# tile there; "Clear Puzzle" empties the box again. Speech is on: without a sound card the program must go on
# silently, with the sentences in its transcript.
#
# Usage: clicks.sh path/to/karvelon [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_clicks.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

unset KARVELON_MUTE
start_program "$exe"
read_first_box
sleep 0.5

# 1. The box without a selected tile: message 31, spoken, and written out.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
wait_transcript_lines 1 20 || fail "nothing spoken after a click on the box without a tile"
expected=$(message_text 31)
[[ -n "$expected" ]] || fail "message 31 is empty in OBJECTS.TXT"
[[ "$(sed -n 1p "$work/transcript.txt")" == "$expected" ]] ||
  fail "first sentence: expected '$expected', got '$(sed -n 1p "$work/transcript.txt")'"

# 2. Tile 0 from the palette: its first button, where its T line puts it.
# (A click waits until the sentence before it has been spoken.)
sleep 2
t0=$(pentipos_line "T0000")
xdotool mousemove $(($(px_x "$(field "$t0" 7 5)") + 10)) $(($(px_y "$(field "$t0" 12 5)") + 10)) click 1
sleep 0.5
colour=$(tile_rgb 0)
screenshot "$work/selected.png"
# The box-tile display starts at design (2880, 120).
expect_pixel "box-tile display" $(($(px_x 2880) + 4)) $(($(px_y 120) + 4)) "$colour"

# 3. Box cell (0, 0) anchors the tile: each of its squares covers a cell.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
shape=$(pentipos_line "S000")
shape=${shape:7}
placed=0
for attempt in 1 2 3 4 5; do
  sleep 0.5
  screenshot "$shot"
  placed=0
  for ((p = 0; p < ${#shape}; p++)); do
    [[ "${shape:p:1}" == 1 ]] || continue
    [[ "$(pixel "$(cell_x $((p % 5)) 4)" "$(cell_y $((p / 5)) 4)")" == "$colour" ]] && placed=$((placed + 1))
  done
  ((placed == 5)) && break
done
((placed == 5)) || fail "tile 0 covers $placed of its 5 box cells"
# Placing it overlaps nothing and solves nothing: no new sentence.
(($(wc -l <"$work/transcript.txt") == 1)) || fail "unexpected sentences: $(tail -n +2 "$work/transcript.txt")"

# 4. "Clear Puzzle" sends the tile home: the box is white again.
xdotool mousemove $(($(px_x 240) + 10)) $(($(px_y 120) + 10)) click 1
cleared=no
for attempt in 1 2 3 4 5; do
  sleep 0.5
  screenshot "$work/cleared.png"
  [[ "$(pixel "$(cell_x 0 4)" "$(cell_y 0 4)")" == "255 255 255" ]] && { cleared=yes; break; }
done
[[ $cleared == yes ]] || fail "box cell (0,0) not white after Clear Puzzle"
e2e_finish clicks
