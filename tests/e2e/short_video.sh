#!/usr/bin/env bash
# A short solving video on the real window: "Solve Puzzle", Yes for the
# short video of the first box, No for the sound. The player glides the
# pointer and clicks by itself; the solved message must reach standard
# output with nothing refused on the way, and every box cell be covered.
#
# Usage: short_video.sh path/to/karvelon [screenshot.png]
set -euo pipefail

readonly W=1920 H=1080
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_short_video.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

export KARVELON_MUTE=1
start_program "$exe"
read_first_box
sleep 0.5

xdotool mousemove $(($(px_x 240) + 10)) $(($(px_y 1080) + 10)) click 1  # "Solve Puzzle"
answer y  # the short video
answer n  # no sound: the narration alone speaks

solved=$(message_text 35)
for _ in $(seq 1 700); do
  grep -qxF "$solved" "$work/transcript.txt" && break
  sleep 0.1
done
grep -qxF "$solved" "$work/transcript.txt" || fail "not solved; last said: $(tail -n 1 "$work/transcript.txt")"
video="$(dirname "$exe")/VID5$(printf '%02d%02d' "$box_rows" "$box_cols").TXT"
while read -r said; do
  [[ "$said" == "$solved" ]] || grep -q "^S. $said"$'\r'"\$" "$video" || fail "said besides the video: $said"
done <"$work/transcript.txt"

sleep 0.5
screenshot "$shot"
uncovered=0
for ((r = 0; r < box_rows; r++)); do
  for ((c = 0; c < box_cols; c++)); do
    [[ "$(pixel "$(cell_x "$c" 6)" "$(cell_y "$r" 6)")" == "255 255 255" ]] && uncovered=$((uncovered + 1))
  done
done
((uncovered == 0)) || fail "$uncovered box cells are still white"
e2e_finish short_video
