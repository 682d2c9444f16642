#!/usr/bin/env bash
# The guided tour and the solve loop on the real window. "Watch Video"
# answered Yes plays VIDINFO5.TXT to its end: the real pointer, sampled as it
# glides, visits the controls the script names; the step that waits for the
# player goes on after a real click; the transcript holds every sentence in
# order. The tour starts again afterwards. "Solve Puzzle" answered No runs
# the solve loop: every tile leaves the palette, nothing is spoken, the
# program falls idle, and "Clear Puzzle" brings every tile back.
#
# Usage: tour.sh path/to/karvelon [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=420
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_tour.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

export KARVELON_MUTE=1  # no sound card here: sentences take their time all the same
start_program "$exe"
script="$(dirname "$exe")/VIDINFO5.TXT"
read_first_box

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

# 1. The tour, with sound.
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

# 2. "Watch Video" starts the tour again (no sound this time): the pointer
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
screenshot "$shot"
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
e2e_finish tour
