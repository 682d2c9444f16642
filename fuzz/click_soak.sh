#!/usr/bin/env bash
# Soak of the real window: thousands of random real clicks (xdotool) under a
# virtual X server on the palette, the box, the keys, the size list, the
# options, the labels and the background; in the warm-up "Watch Video" and
# "Solve Puzzle" answered No (the silent video then runs amid the clicks,
# the solve loop's tiles are cleared away). Speech waits real time, so the
# mix favours clicks that say nothing, and no click is sent while a
# sentence is spoken. Reports the clicks, the sentences and the resident
# memory (from /proc) as it goes; fails when the program ends, shows a
# message box of its own, or its memory grows by more than the bound
# between the warm-up and the end.
#
# Usage: click_soak.sh path/to/karvelon [clicks] [seed] [bound_kb]
#   clicks 3000, seed 1, bound 2048 kB by default; bound "none" checks no
#   memory (a sanitizer's is meaningless).
set -euo pipefail

readonly W=1920 H=1080 E2E_TIME_LIMIT=${E2E_TIME_LIMIT:-300}
exe=$(readlink -f "$1")
clicks=${2:-3000} seed=${3:-1} bound=${4:-2048}
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_enter_display "$0" "$exe" "$clicks" "$seed" "$bound"

export KARVELON_MUTE=1
shot=$(dirname "$exe")/click_soak.png
start_program "$exe"
RANDOM=$seed
sleep 1

ended() {
  wait "$pid" || echo "exit status $?"
  tail -n 60 "$work/stderr.txt"
  echo "last said: $(tail -n 3 "$work/transcript.txt")"
  fail "the program ended"
  exit 1
}
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status"; }
said() { wc -l <"$work/transcript.txt"; }
# Waits as long as the sentences said since the last call take to speak:
# muted, about 0.06 s a character, in silence.
heard=0
hear_out() {
  local now
  now=$(said)
  ((now > heard)) || return 0
  sleep "$(tail -n $((now - heard)) "$work/transcript.txt" | wc -c | awk '{ print $1 * 0.07 }')"
  heard=$now
}

# Waits until the program has handled every click: nothing new said for
# 4 s (a sentence is spoken within that), no window but the main one.
settle() {
  local before quiet=0
  while ((quiet < 8)); do
    before=$(said)
    sleep 0.5
    kill -0 "$pid" 2>/dev/null || ended
    if [[ "$(said)" == "$before" ]]; then quiet=$((quiet + 1)); else quiet=0; fi
  done
  local others
  others=$(xdotool search --onlyvisible --name '^KARVELON$' 2>/dev/null | grep -vxc "$wid" || true)
  if ((others > 0)); then
    screenshot "$work/box.png"
    cp "$work/box.png" "$(dirname "$exe")/click_soak_message.png"
    fail "a message box is open (click_soak_message.png)"
    e2e_finish click_soak
  fi
}

# A random point of the design rectangle left top width height, as pixels
# in x and y (no subshell: thousands of them).
point() {
  x=$((((${1} + RANDOM % ${3}) * W * 2 + 18960) / 37920))
  y=$((((${2} + RANDOM % ${4}) * H * 2 + 11415) / 22830))
}
keys=("240 120 1095 855" "1440 120 1095 855" "240 1080 1095 735" "1440 1080 1095 735"
  "240 1920 1095 855" "1440 1920 1095 855" "120 2880 1095 735" "1320 2880 1455 735"
  "240 3720 1095 855" "1440 3720 1095 855" "240 4680 1095 855" "1440 4680 1095 855")
key_point() {  # a point inside action key $1, clear of its edges
  local l t w h
  read -r l t w h <<<"${keys[$1]}"
  point $((l + 60)) $((t + 60)) $((w - 120)) $((h - 120))
}
# The palettes' buttons: the 5-square one as the piece file places it, the
# 6-square one as the window is designed.
mapfile -t palette5 < <(tr -d '\r' <"$pentipos" | awk '/^T0/ { print substr($0, 7, 5) + 0, substr($0, 12, 5) + 0 }')
mapfile -t palette6 < <(grep -o '{[0-9]*,[0-9]*}' "$(dirname "$0")/../src/app/window_design.h" | tr -d '{}' | tr , ' ')
squares=5
tile_point() {
  local l t
  if ((squares == 5)); then
    read -r l t <<<"${palette5[RANDOM % ${#palette5[@]}]}"
    point $((l + 60)) $((t + 60)) 480 480
  else
    read -r l t <<<"${palette6[RANDOM % ${#palette6[@]}]}"
    point $((l + 60)) $((t + 60)) 360 360
  fi
}

# Clicks are sent ten to an xdotool call; the program takes them in turn.
batch=()
queue() {
  batch+=(mousemove "$x" "$y" mousedown 1 mouseup 1)  # "click" would wait 0.1 s after each
  done_clicks=$((done_clicks + 1))
  ((${#batch[@]} < 50)) || flush
}
flush() {
  ((${#batch[@]} == 0)) || xdotool "${batch[@]}"
  batch=()
  kill -0 "$pid" 2>/dev/null || ended
  # Clicks wait while a sentence is spoken: no more are sent meanwhile, so
  # that no backlog builds up.
  sleep 0.03
  hear_out
  # Overlapping tiles make every later placement say so: a player would
  # clear the box.
  local lines
  lines=$(said)
  if ((lines > cleared_at)) && [[ "$(tail -n 1 "$work/transcript.txt")" == "$overlap" ]]; then
    cleared_at=$lines
    key_point 0
    xdotool mousemove "$x" "$y" mousedown 1 mouseup 1
    done_clicks=$((done_clicks + 1))
  fi
  if ((done_clicks >= next_report)); then
    echo "$done_clicks clicks: RSS $(rss) kB, $(said) sentences, $((SECONDS - start)) s"
    next_report=$((next_report + clicks / 5))
  fi
}

box_x0=$(px_x 2900) box_x1=$(px_x 11000) box_y0=$(px_y 2300) box_y1=$(px_y 9400)

# One click, or a tile and then a click that needs one, chosen by weight
# (per thousand). Speech waits real time, so most clicks choose a tile or
# land where nothing is said.
click() {
  local r=$((RANDOM % 1000))
  if ((r >= 600 && r < 660)); then
    tile_point  # a tile first
    queue
  fi
  if ((r < 600)); then
    tile_point
  elif ((r < 620)); then
    point 2900 2300 8100 7100  # the box, where every size stands
  elif ((r < 650)); then
    key_point $((4 + RANDOM % 4))  # turns and mirrorings
  elif ((r < 655)); then
    key_point $((8 + RANDOM % 4))  # moves
  elif ((r < 660)); then
    key_point 1  # Reset Tile
  elif ((r < 680)); then
    key_point 0  # Clear Puzzle
  elif ((r < 695)); then
    point 640 6760 1300 2290  # the size list
  elif ((r < 705)); then
    squares=$((5 + RANDOM % 2))  # a square-count option
    point 520 $((5680 + (squares - 5) * 480)) 1700 400
  else
    # Anywhere right of the keys or below them, but not in the box.
    point 2800 0 16160 11415
    ((RANDOM % 4)) || point 0 9100 18960 2315
    ((x > box_x0 && x < box_x1 && y > box_y0 && y < box_y1)) && return
  fi
  queue
}

# "Solve Puzzle" (2) or "Watch Video" (3), answered No. "Watch Video"
# asks nothing when it stops a video that still runs.
asking_key() {
  local _
  flush
  settle
  key_point "$1"
  queue
  flush
  for _ in $(seq 1 30); do
    xdotool search --onlyvisible --name '^KARVELON$' 2>/dev/null | grep -qvx "$wid" && { answer n; return; }
    sleep 0.1
  done
  (($1 == 3)) || fail "no question after Solve Puzzle"
}

# The first fifth warms up, the silent video and the solve loop (then
# cleared away) included; memory must then stay put while the rest runs.
overlap=$(message_text 32)
done_clicks=0 next_report=0 cleared_at=0
start=$SECONDS
warm=$((clicks / 5))
while ((done_clicks < warm / 2)); do click; done
asking_key 3
while ((done_clicks < warm)); do click; done
asking_key 2
settle
key_point 0
queue
flush
settle
rss_warm=$(rss)
echo "after $done_clicks clicks (warm-up): RSS $rss_warm kB, $(said) sentences"
while ((done_clicks < clicks)); do click; done
flush
settle
rss_end=$(rss)
peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
echo "after $done_clicks clicks: RSS $rss_end kB (peak $peak kB), $(said) sentences, $((SECONDS - start)) s"
sort "$work/transcript.txt" | uniq -c | sort -rn | head -n 8
[[ "$bound" == none ]] || ((rss_end - rss_warm <= bound)) || fail "resident memory grew by $((rss_end - rss_warm)) kB (bound $bound kB)"
screenshot "$shot"
e2e_finish click_soak
