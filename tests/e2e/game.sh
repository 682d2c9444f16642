#!/usr/bin/env bash
# The real program on a virtual 1920 x 1080 screen, without a sound card:
# sentences are written out and take their spoken time all the same. What
# the headless tests pin exactly (the sentences of refusals and overlaps, the
# silence of the solve loop, the restart of the tour, what a short video says)
# is not checked again here.
# 1. The window covers the screen and shows its controls in their colours and
#    the box's grid lines. Real clicks: the box without a tile is refused
#    aloud, a palette tile shows in the box-tile display.
# 2. "Watch Video" answered Yes plays VIDINFO5.TXT to its end: the real
#    pointer glides to the controls the script names; the step that waits
#    for the player goes on after a real click; the transcript holds every
#    sentence in order.
# 3. "Solve Puzzle" answered Yes plays the short video that solves the first
#    box. (The solve loop on the real window is kept.sh's part.)
#
# Usage: game.sh path/to/karvelon [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=480
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_game.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

# Design rectangles (left top width height) as "x0 y0 x1 y1" screen pixels.
rect() { echo "$(px_x "$1") $(px_y "$2") $(px_x $(($1 + $3))) $(px_y $(($2 + $4)))"; }
tile_rect() {  # first palette button of 5-square tile $1
  local t
  t=$(pentipos_line "T00$(printf '%02d' $(($1 * 5)))")
  rect "$(field "$t" 7 5)" "$(field "$t" 12 5)" 600 600
}

unset KARVELON_MUTE
start_program "$exe"
script="$(dirname "$exe")/VIDINFO5.TXT"
expect_covers_screen
window_failures=$failures
xdotool mousemove 5 $((H - 5))  # the pointer rests on the background, away from every control
read_first_box
colour=$(tile_rgb 0)
read -r t0x t0y _ _ < <(tile_rect 0)

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
  expect_pixel "box cell 0" "$(cell_x 0 4)" "$(cell_y 0 4)" "255 255 255"
  local k lines
  for ((k = 1; k < box_cols; k++)); do  # a grid line between neighbours
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

# The box without a selected tile: message 31. Then tile 0 from the palette,
# a click that waits until the sentence has been spoken; the box-tile
# display starts at design (2880, 120).
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
wait_said "$(message_text 31)" 20
xdotool mousemove $((t0x + 10)) $((t0y + 10)) click 1
sleep 2
screenshot "$work/selected.png"
expect_pixel "box-tile display" $(($(px_x 2880) + 4)) $(($(px_y 120) + 4)) "$colour"

# 2. The tour, with sound.
click_centre 1440 1080 1095 735
answer y
(while sleep 0.04; do pointer; done >"$work/samples.txt") &
sampler=$!
wait_said "Move the Mouse to Tile 7 and You Click" 200
read -r x0 y0 x1 y1 < <(tile_rect 7)
came=
for _ in $(seq 1 100); do  # the pointer comes to tile 7, and the player clicks there
  read -r x y < <(pointer)
  ((x > x0 && x < x1 && y > y0 && y < y1)) && { came=1; break; }
  sleep 0.1
done
[[ -n "$came" ]] || fail "the pointer did not come to tile 7"
sleep 0.5
xdotool click 1
wait_said "The box is empty again. Have fun with Karvelon!" 120
sleep 5  # written out as it starts: let it be spoken, and the "." line read
kill "$sampler"
wait "$sampler" 2>/dev/null || true
screenshot "$work/tour.png"

# Every sentence of the script in order.
mapfile -t said <"$work/transcript.txt"
next=0
while IFS= read -r line; do
  [[ "$line" == S* ]] || continue
  sentence=$(echo "${line:3:60}" | sed -e 's/^ *//' -e 's/ *$//')
  while ((next < ${#said[@]})) && [[ "${said[next]}" != "$sentence" ]]; do next=$((next + 1)); done
  ((next < ${#said[@]})) || { fail "not said in order: $sentence"; break; }
done < <(tr -d '\r' <"$script")

# The pointer glided in steps of about 60 pixels (a sample may see two; the
# first move starts from the window's corner) and visited each control named.
awk 'NR > 1 && NF == 2 && ($1 != x || $2 != y) { moves++; if (sqrt(($1 - x) ^ 2 + ($2 - y) ^ 2) > 130) big++ }
     NF == 2 { x = $1; y = $2 } END { exit !(moves > 100 && big * 20 < moves) }' "$work/samples.txt" ||
  fail "the pointer jumped instead of gliding"
visited() {  # what x0 y0 x1 y1
  awk -v a="$2" -v b="$3" -v c="$4" -v d="$5" 'NF == 2 && $1 > a && $1 < c && $2 > b && $2 < d { f = 1 }
       END { exit !f }' "$work/samples.txt" || fail "the pointer never came to $1"
}
visited "5 Squares" $(rect 480 5640 1815 495)
visited "the size list" $(rect 600 6720 1575 2370)
visited "tile 3" $(tile_rect 3)
visited "Rotate Right" $(rect 240 1920 1095 855)
visited "box square 33" $(rect $((box_left + 3 * box_cell)) $((box_top + 3 * box_cell)) "$box_cell" "$box_cell")
visited "the information label" $(rect 120 9120 3255 1575)

# 3. "Solve Puzzle" answered Yes, sound No: the short video solves the first box.
click_centre 240 1080 1095 735
answer y
answer n
wait_said "$(message_text 35)" 90
sleep 0.5
screenshot "$shot"
for ((c = 0; c < box_rows * box_cols; c++)); do
  [[ "$(pixel "$(cell_x $((c % box_cols)) 6)" "$(cell_y $((c / box_cols)) 6)")" != "255 255 255" ]] ||
    fail "box cell $c still white after the short video"
done
e2e_finish game
