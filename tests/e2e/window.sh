#!/usr/bin/env bash
# The real program on a virtual 1920 x 1080 screen with speech on: without a
# sound card it must go on silently, the sentences in its transcript. The
# window covers the screen and shows its controls and the first box in their
# colours where the design and the piece file put them. Then real clicks: the
# box without a tile is refused aloud, a palette tile shows in the box-tile
# display, and a box cell sets the tile there.
#
# Usage: window.sh path/to/karvelon [screenshot.png]
# The screenshot of the placed tile is kept (default: beside the executable).
set -euo pipefail

readonly W=1920 H=1080
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_window.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

unset KARVELON_MUTE
start_program "$exe"
geometry=$(xdotool getwindowgeometry "$wid")
[[ "$geometry" == *"Position: 0,0"* && "$geometry" == *"Geometry: ${W}x${H}"* ]] ||
  fail "window does not cover the ${W}x${H} screen: $geometry"
window_failures=$failures
xdotool mousemove 5 $((H - 5))  # the pointer rests on the background, away from every control
read_first_box
colour=$(tile_rgb 0)
t0=$(pentipos_line "T0000")  # tile 0's first palette button
t0x=$(px_x "$(field "$t0" 7 5)") t0y=$(px_y "$(field "$t0" 12 5)")

check_screen() {
  screenshot "$work/startup.png"
  failures=$window_failures
  # Inner points of each kind of control, clear of their text.
  expect_pixel "background" 5 $((H - 5)) "192 255 192"
  expect_pixel "Clear Puzzle key" $(($(px_x 240) + 4)) $(($(px_y 120) + 4)) "224 224 224"
  expect_pixel "5 Squares option" $(($(px_x $((480 + 1815))) - 6)) $(px_y $((5640 + 247))) "0 255 255"
  expect_pixel "size list" $(($(px_x $((600 + 1575))) - 25)) $(($(px_y $((6720 + 2370))) - 6)) "255 255 128"
  expect_pixel "information label" $(($(px_x $((120 + 3255))) - 6)) $(($(px_y $((9120 + 1575))) - 6)) "255 0 0"
  expect_pixel "tile 0 on the palette" $((t0x + 4)) $((t0y + 4)) "$colour"
  # The first box: white cells, and a grid line between neighbours.
  local c k lines
  for ((c = 0; c < box_rows * box_cols; c++)); do
    expect_pixel "box cell $c" "$(cell_x $((c % box_cols)) 4)" "$(cell_y $((c / box_cols)) 4)" "255 255 255"
  done
  for ((k = 1; k < box_cols; k++)); do
    lines=$(for x in -2 -1 0 1; do pixel "$(cell_x "$k" "$x")" "$(cell_y 0 4)"; done | grep -cv '^255 255 255$' || true)
    ((lines > 0)) || fail "no grid line between box cells (0,$((k - 1))) and (0,$k)"
  done
}

# Painting follows the window's appearance: give it a few tries.
for attempt in 1 2 3 4 5; do
  sleep 0.5
  check_screen
  ((failures == 0)) && break
  echo "attempt $attempt: $failures differences" >&2
done
[[ -s "$work/transcript.txt" ]] && fail "something was spoken at start-up: $(head -n 3 "$work/transcript.txt")"

# 1. The box without a selected tile: message 31, spoken and written out.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
wait_transcript_lines 1 20 || fail "nothing spoken after a click on the box without a tile"
expected=$(message_text 31)
[[ -n "$expected" && "$(sed -n 1p "$work/transcript.txt")" == "$expected" ]] ||
  fail "first sentence: expected '$expected', got '$(sed -n 1p "$work/transcript.txt")'"

# 2. Tile 0 from the palette; the box-tile display starts at design (2880, 120).
# A click waits until the sentence before it has been spoken.
xdotool mousemove $((t0x + 10)) $((t0y + 10)) click 1
sleep 2
screenshot "$work/selected.png"
expect_pixel "box-tile display" $(($(px_x 2880) + 4)) $(($(px_y 120) + 4)) "$colour"

# 3. Box cell (0, 0) anchors the tile: each of its squares covers a cell.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
shape=$(pentipos_line "S000")
shape=${shape:7}
for attempt in 1 2 3 4 5; do
  sleep 0.5
  screenshot "$shot"
  placed=0
  for ((p = 0; p < ${#shape}; p++)); do
    [[ "${shape:p:1}" == 1 && "$(pixel "$(cell_x $((p % 5)) 4)" "$(cell_y $((p / 5)) 4)")" == "$colour" ]] &&
      placed=$((placed + 1))
  done
  ((placed == 5)) && break
done
((placed == 5)) || fail "tile 0 covers $placed of its 5 box cells"
# Placing it overlaps nothing and solves nothing: no new sentence.
(($(wc -l <"$work/transcript.txt") == 1)) || fail "unexpected sentences: $(tail -n +2 "$work/transcript.txt")"
e2e_finish window
