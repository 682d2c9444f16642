#!/usr/bin/env bash
# The real program on a virtual 1920 x 1080 screen, without a sound card:
# sentences are written out and take their spoken time all the same.
# 1. The window covers the screen and shows its controls and the first box in
#    their colours. Real clicks: the box without a tile is refused aloud, a
#    palette tile shows in the box-tile display, a box cell sets it there.
# 2. "Watch Video" answered Yes plays VIDINFO5.TXT to its end: the real
#    pointer, sampled as it glides, visits the controls the script names; the
#    step that waits for the player goes on after a real click; the
#    transcript holds every sentence in order. The tour starts again later.
# 3. "Solve Puzzle" answered No runs the solve loop: every tile leaves the
#    palette, nothing is spoken, the program falls idle, and "Clear Puzzle"
#    brings every tile back. Answered Yes, it plays the short video that
#    solves the first box.
#
# Usage: game.sh path/to/karvelon [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=480
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_game.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

unset KARVELON_MUTE
start_program "$exe"
script="$(dirname "$exe")/VIDINFO5.TXT"
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

# The box without a selected tile: message 31, spoken and written out.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
wait_transcript_lines 1 20 || fail "nothing spoken after a click on the box without a tile"
expected=$(message_text 31)
[[ -n "$expected" && "$(sed -n 1p "$work/transcript.txt")" == "$expected" ]] ||
  fail "first sentence: expected '$expected', got '$(sed -n 1p "$work/transcript.txt")'"

# Tile 0 from the palette; the box-tile display starts at design (2880, 120).
# A click waits until the sentence before it has been spoken.
xdotool mousemove $((t0x + 10)) $((t0y + 10)) click 1
sleep 2
screenshot "$work/selected.png"
expect_pixel "box-tile display" $(($(px_x 2880) + 4)) $(($(px_y 120) + 4)) "$colour"

# Box cell (0, 0) anchors the tile: each of its squares covers a cell.
xdotool mousemove "$(cell_x 0 10)" "$(cell_y 0 10)" click 1
shape=$(pentipos_line "S000")
shape=${shape:7}
for attempt in 1 2 3 4 5; do
  sleep 0.5
  screenshot "$work/placed.png"
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

# Design rectangles (left top width height) as "x0 y0 x1 y1" screen pixels.
rect() { echo "$(px_x "$1") $(px_y "$2") $(px_x $(($1 + $3))) $(px_y $(($2 + $4)))"; }
centre() { echo "$(px_x $(($1 + $3 / 2))) $(px_y $(($2 + $4 / 2)))"; }
tile_rect() {  # first palette button of 5-square tile $1
  local t
  t=$(pentipos_line "T00$(printf '%02d' $(($1 * 5)))")
  rect "$(field "$t" 7 5)" "$(field "$t" 12 5)" 600 600
}
cell_rect() { rect $((box_left + ($1 % box_cols) * box_cell)) $((box_top + ($1 / box_cols) * box_cell)) "$box_cell" "$box_cell"; }
pointer() { xdotool getmouselocation --shell | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }'; }

# Waits up to $2 seconds for a transcript line equal to $1.
wait_said() {
  local _
  for _ in $(seq 1 $(($2 * 10))); do
    grep -qxF "$1" "$work/transcript.txt" && return 0
    sleep 0.1
  done
  fail "not said within $2 s: $1"
}

# Waits up to $5 seconds for the pointer to come into the rectangle $1..$4.
pointer_comes() {
  local _ x y
  for _ in $(seq 1 $(($5 * 10))); do
    read -r x y < <(pointer)
    ((x > $1 && x < $3 && y > $2 && y < $4)) && return 0
    sleep 0.1
  done
  return 1
}

# 2. The tour, with sound.
read -r x y < <(centre 1440 1080 1095 735)
xdotool mousemove "$x" "$y" click 1
answer y
(while sleep 0.04; do pointer; done >"$work/samples.txt") &
sampler=$!
wait_said "Move the Mouse to Tile 7 and You Click" 200
pointer_comes $(tile_rect 7) 10 || fail "the pointer did not come to tile 7"
sleep 0.5
xdotool click 1  # the player's click where the pointer has come to
wait_said "The box is empty again. Have fun with Karvelon!" 120
sleep 5  # written out as it starts: let it be spoken, and the "." line read
kill "$sampler"
wait "$sampler" 2>/dev/null || true
screenshot "$work/tour.png"

# Every sentence of the script in order; one spoken move for each "M" line.
mapfile -t said <"$work/transcript.txt"
next=0
while IFS= read -r line; do
  [[ "$line" == S* ]] || continue
  sentence=$(echo "${line:3:60}" | sed -e 's/^ *//' -e 's/ *$//')
  while ((next < ${#said[@]})) && [[ "${said[next]}" != "$sentence" ]]; do next=$((next + 1)); done
  ((next < ${#said[@]})) || { fail "not said in order: $sentence"; break; }
done < <(tr -d '\r' <"$script")
moves=$(tr -d '\r' <"$script" | grep -c '^M')
(($(grep -c '^Move the Mouse to ' "$work/transcript.txt") == moves)) || fail "not one spoken move per M line"

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
visited "Flip Vertical" $(rect 120 2880 1095 735)
visited "box square 33" $(cell_rect 33)
visited "Reset Tile" $(rect 1440 120 1095 855)
visited "the information label" $(rect 120 9120 3255 1575)
visited "Clear Puzzle" $(rect 240 120 1095 855)

# "Watch Video" starts the tour again (no sound this time): the pointer
# goes to the square-count option once more.
read -r x y < <(centre 1440 1080 1095 735)
xdotool mousemove "$x" "$y" click 1
answer n
pointer_comes $(rect 480 5640 1815 495) 10 || fail "the tour did not start again"
# Without sound it runs on quickly to the step that waits for the player.
pointer_comes $(tile_rect 7) 20 || fail "the silent tour did not come to tile 7"
sleep 0.5
xdotool click 1
sleep 3  # on to its end: Clear Puzzle, then "."

# 3. The solve loop: silent, every tile leaves the palette, then idle.
lines_before=$(wc -l <"$work/transcript.txt")
read -r x y < <(centre 240 1080 1095 735)
xdotool mousemove "$x" "$y" click 1
answer n
sleep 2
screenshot "$work/loop.png"
for t in $(seq 0 11); do
  read -r x0 y0 _ _ < <(tile_rect "$t")
  [[ "$(pixel $((x0 + 5)) $((y0 + 5)))" == "192 255 192" ]] || fail "tile $t still in the palette"
done
(($(wc -l <"$work/transcript.txt") == lines_before)) || fail "the solve loop spoke: $(tail -n 1 "$work/transcript.txt")"
cpu() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(cpu)
sleep 2
(($(cpu) - before < 20)) || fail "still busy after the solve loop: $(($(cpu) - before)) ticks in 2 s"
read -r x y < <(centre 240 120 1095 855)
xdotool mousemove "$x" "$y" click 1
sleep 1
screenshot "$work/cleared.png"
for t in $(seq 0 11); do
  read -r x0 y0 _ _ < <(tile_rect "$t")
  expect_pixel "tile $t back in the palette" $((x0 + 5)) $((y0 + 5)) "$(tile_rgb "$t")"
done

# "Solve Puzzle" answered Yes, sound No: the short video of the first box
# solves it with nothing said but its narration and the solved message.
lines_before=$(wc -l <"$work/transcript.txt")
read -r x y < <(centre 240 1080 1095 735)
xdotool mousemove "$x" "$y" click 1
answer y
answer n
solved=$(message_text 35)
wait_said "$solved" 90
video="$(dirname "$exe")/VID5$(printf '%02d%02d' "$box_rows" "$box_cols").TXT"
while read -r said; do
  [[ "$said" == "$solved" ]] || grep -q "^S. $said"$'\r'"\$" "$video" || fail "said besides the video: $said"
done < <(tail -n +$((lines_before + 1)) "$work/transcript.txt")
sleep 0.5
screenshot "$shot"
for ((c = 0; c < box_rows * box_cols; c++)); do
  [[ "$(pixel "$(cell_x $((c % box_cols)) 6)" "$(cell_y $((c / box_cols)) 6)")" != "255 255 255" ]] ||
    fail "box cell $c still white after the short video"
done
e2e_finish game
