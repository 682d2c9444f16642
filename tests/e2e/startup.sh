#!/usr/bin/env bash
# Starts the real program on a virtual 1920 x 1080 screen and checks on a
# screenshot that the window KARVELON covers the screen and shows its
# controls, the 5-square palette and the first box where the design and the
# piece file put them, scaled to the screen.
#
# Usage: startup.sh path/to/karvelon [screenshot.png]
# The screenshot is kept (default: e2e_startup.png beside the executable).
set -euo pipefail

readonly W=1920 H=1080
exe=$(readlink -f "$1")
shot=$(readlink -f "${2:-$(dirname "$exe")/e2e_startup.png}")
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$shot"

start_program "$exe"

geometry=$(xdotool getwindowgeometry "$wid")
grep -q "Position: 0,0" <<<"$geometry" || fail "window not at the screen's corner: $geometry"
grep -q "Geometry: ${W}x${H}" <<<"$geometry" || fail "window does not cover the ${W}x${H} screen: $geometry"
window_failures=$failures

# The pointer rests on the background, away from every control.
xdotool mousemove 5 $((H - 5))
read_first_box

check_screen() {
  screenshot "$shot"
  failures=$window_failures

  # Background, and controls from the design table (inner points, clear of text).
  expect_pixel "background" 5 $((H - 5)) "192 255 192"
  expect_pixel "Clear Puzzle key" $(($(px_x 240) + 4)) $(($(px_y 120) + 4)) "224 224 224"
  expect_pixel "Move Left key" $(($(px_x $((1440 + 1095))) - 5)) $(($(px_y $((4680 + 855))) - 5)) "224 224 224"
  expect_pixel "5 Squares option" $(($(px_x $((480 + 1815))) - 6)) $(px_y $((5640 + 247))) "0 255 255"
  expect_pixel "information label" $(($(px_x $((120 + 3255))) - 6)) $(($(px_y $((9120 + 1575))) - 6)) "255 0 0"
  expect_pixel "Box Square label" $(($(px_x 3720) + 4)) $(($(px_y $((9480 + 600))) - 5)) "0 255 255"
  expect_pixel "box square value" $(px_x $((6120 + 420))) $(px_y $((9480 + 300))) "255 255 128"

  local lx ly lw lh yellow
  lx=$(px_x 600) ly=$(px_y 6720) lw=$(($(px_x $((600 + 1575))) - lx)) lh=$(($(px_y $((6720 + 2370))) - ly))
  yellow=$(convert "$shot" -crop "${lw}x${lh}+${lx}+${ly}" +repage -fill black +opaque "rgb(255,255,128)" \
    -fill white -opaque "rgb(255,255,128)" -format '%[fx:mean]' info:)
  awk -v f="$yellow" 'BEGIN { exit !(f > 0.3) }' || fail "size list: only $yellow of its area light yellow"

  # The 5-square palette: every T line of variant 0 is a button in its tile's colour.
  local line c buttons=0
  local -A color
  for line in "${pentipos_lines[@]}"; do
    [[ "$line" == I* ]] && color[$(field "$line" 3 2)]=$(rgb_of "$(field "$line" 5 8)")
  done
  for line in "${pentipos_lines[@]}"; do
    [[ "$line" == T0* ]] || continue
    c=$(field "$line" 3 3)
    ((c < 60)) || continue
    expect_pixel "palette button $c" $(($(px_x "$(field "$line" 7 5)") + 4)) $(($(px_y "$(field "$line" 12 5)") + 4)) \
      "${color[$((c / 5))]}"
    buttons=$((buttons + 1))
  done
  ((buttons == 60)) || fail "expected 60 palette buttons in the piece file, found $buttons"

  # The first box: white cells with a grid line between neighbours.
  local r k x y edge found
  for ((r = 0; r < box_rows; r++)); do
    for ((k = 0; k < box_cols; k++)); do
      x=$(cell_x "$k" 4) y=$(cell_y "$r" 4)
      expect_pixel "box cell ($r,$k)" "$x" "$y" "255 255 255"
      ((k + 1 < box_cols)) || continue
      edge=$(cell_x $((k + 1)) 0)
      found=no
      for x in $((edge - 2)) $((edge - 1)) "$edge" $((edge + 1)); do
        [[ "$(pixel "$x" "$y")" == "255 255 255" ]] || found=yes
      done
      [[ $found == yes ]] || fail "no grid line between box cells ($r,$k) and ($r,$((k + 1)))"
    done
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
e2e_finish startup
