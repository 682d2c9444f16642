#!/usr/bin/env bash
# The other ways in, with real input on a virtual 1920 x 1080 screen:
# 1. A real drag (button down, moves, button up) of tile 0 from the palette
#    onto the first box sets it with the grabbed square under the pointer;
#    the wheel turned away from the player turns it left.
# 2. Started anew, the keyboard alone solves the first box: Tab to each tile,
#    R and F to turn it, the arrows to its corner, Enter; the tiles, keys and
#    squares come from the box's short solving video.
# Screenshots: the ghost mid-drag, the cell cursor, the solved box.
#
# Usage: input.sh path/to/karvelon [screenshot folder]
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=90
exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")}")
shot=$out/e2e_input_solved.png
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$out"

export KARVELON_MUTE=1
start_program "$exe"
read_first_box
colour=$(tile_rgb 0)
t0=$(pentipos_line "T0000")  # tile 0's first palette button
t0x=$(($(px_x "$(field "$t0" 7 5)") + 8)) t0y=$(($(px_y "$(field "$t0" 12 5)") + 8))
sleep 1

# 1. Grabbed by its first square, dropped on box cell (0, 4).
to_x=$(cell_x 4 12) to_y=$(cell_y 0 12)
mid_x=$((t0x + (to_x - t0x) * 7 / 8 + 3)) mid_y=$((t0y + (to_y - t0y) * 7 / 8 + 3))
screenshot "$work/before.png"
under=$(pixel "$mid_x" "$mid_y")
xdotool mousemove "$t0x" "$t0y" mousedown 1
for step in 1 2 3 4 5 6 7; do
  xdotool mousemove $((t0x + (to_x - t0x) * step / 8)) $((t0y + (to_y - t0y) * step / 8))
  sleep 0.05
done
sleep 0.3
# Mid-drag the ghost's grabbed square is under the pointer.
screenshot "$out/e2e_input_drag.png"
[[ "$(pixel "$mid_x" "$mid_y")" != "$under" ]] || fail "no ghost under the pointer mid-drag"
xdotool mousemove "$to_x" "$to_y"
sleep 0.1
xdotool mouseup 1
sleep 0.5
screenshot "$work/dropped.png"
expect_pixel "the grabbed square under the pointer" "$to_x" "$to_y" "$colour"
row0=$(for c in $(seq 0 $((box_cols - 1))); do pixel "$(cell_x "$c" 6)" "$(cell_y 0 6)"; done | grep -c "^$colour\$" || true)
[[ -s "$work/transcript.txt" ]] && fail "the drop was refused: $(cat "$work/transcript.txt")"

# Lying along line 0 it stands up along column 4 when turned left (the
# corner stays); standing, a turn lays it down.
xdotool click 4
sleep 0.5
screenshot "$work/turned.png"
col4=$(for r in $(seq 0 $((box_rows - 1))); do pixel "$(cell_x 4 6)" "$(cell_y "$r" 6)"; done | grep -c "^$colour\$" || true)
((row0 == 5 && col4 == 5)) || ((row0 == 1 && col4 == 1)) ||
  fail "the wheel did not turn tile 0: $row0 squares on line 0 before, $col4 in column 4 after"
kill "$pid" && wait "$pid" 2>/dev/null || true

# 2. The keyboard alone. Tab goes to the next tile not in the box.
start_program "$exe"
sleep 1
xdotool mousemove 5 $((H - 5))  # the keyboard follows the pointer: onto the window
declare -a placed
selected=-1 row=0 col=0 tiles=12
tab_to() {
  while ((selected != $1)); do
    local t=$(((selected + 1) % tiles))
    while ((${placed[t]:-0})); do t=$(((t + 1) % tiles)); done
    selected=$t
    xdotool key Tab
  done
}
cursor_to() {
  while ((row < $1)); do xdotool key Down; row=$((row + 1)); done
  while ((row > $1)); do xdotool key Up; row=$((row - 1)); done
  while ((col < $2)); do xdotool key Right; col=$((col + 1)); done
  while ((col > $2)); do xdotool key Left; col=$((col - 1)); done
}
keys=([4]=r [5]=shift+r [6]=f [7]=shift+f)
video="$(dirname "$exe")/VID5$(printf '%02d%02d' "$box_rows" "$box_cols").TXT"
[[ -r "$video" ]] || fail "no solving video $video"
n=0
while IFS= read -r line; do
  line=${line%$'\r'}
  [[ "${line:0:1}" == M ]] || continue
  index=$((10#$(echo "${line:8:3}" | tr -d ' ')))
  case "${line:0:1}${line:6:1}" in
    MT) tab_to "$index" ;;
    MK) xdotool key "${keys[index]}" ;;
    MS)
      cursor_to $((index / box_cols)) $((index % box_cols))
      n=$((n + 1))
      ((n == 6)) && { sleep 0.5; screenshot "$out/e2e_input_cursor.png"; }
      xdotool key Return
      placed[selected]=1
      ;;
  esac
done <"$video"
((n == tiles)) || fail "the video placed $n tiles, not $tiles"
wait_transcript_lines 1 10 || true
expected=$(message_text 35)
[[ "$(cat "$work/transcript.txt")" == "$expected" ]] ||
  fail "expected only '$expected' after the keyboard's last tile, got '$(cat "$work/transcript.txt")'"
sleep 0.5
screenshot "$shot"
for ((c = 0; c < box_rows * box_cols; c++)); do
  [[ "$(pixel "$(cell_x $((c % box_cols)) 6)" "$(cell_y $((c / box_cols)) 6)")" != "255 255 255" ]] ||
    fail "box cell $c still white"
done
e2e_finish input
