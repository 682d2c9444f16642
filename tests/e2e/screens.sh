#!/usr/bin/env bash
# The widest box on every common screen, at Qt's scale factors 1 and 2: the
# size list is clicked and End chooses its last entry, "3 by 20". Its corner
# cells must show white with no message box anywhere; a screenshot of each
# screen and factor is kept as e2e_screen_<W>x<H>_<factor>.png.
#
# Usage: screens.sh path/to/karvelon [folder for the screenshots]
set -euo pipefail

exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")}")
mkdir -p "$out"

# One virtual X server a screen size, started from here in turn.
if [[ -z "${SCREEN:-}" ]]; then
  status=0
  for size in 800x600 1024x768 1366x768 1920x1080 2560x1440 3840x2160 5120x1440; do
    SCREEN=$size bash "$0" "$exe" "$out" || status=1
  done
  exit $status
fi

W=${SCREEN%x*} H=${SCREEN#*x}
source "$(dirname "$0")/lib.sh"
e2e_enter_display "$0" "$exe" "$out"

export KARVELON_MUTE=1
for factor in 1 2; do
  QT_SCALE_FACTOR=$factor start_program "$exe"
  b=$(pentipos_line "B009")
  [[ "$(field "$b" 5 2) by $(field "$b" 8 2)" == "3 by 20" ]] || fail "the last 5-square box is not 3 by 20: $b"
  box_left=$(field "$b" 11 4) box_top=$(field "$b" 16 4) box_cell=$(field "$b" 21 3)
  # Positions scale with the screen whatever the factor: design twips to pixels.
  xdotool mousemove "$(px_x $((600 + 400)))" "$(px_y $((6720 + 300)))" click 1
  sleep 0.3
  xdotool key End
  shot="$out/e2e_screen_${SCREEN}_$factor.png"
  for attempt in 1 2 3 4 5; do
    sleep 0.5
    screenshot "$shot"
    white=0
    for c in 0 19 29 40 59; do  # the corners and the middle
      # Near the top of the cell, clear of its number.
      [[ "$(pixel "$(px_x $((box_left + (c % 20) * box_cell + box_cell / 2)))" \
        "$(px_y $((box_top + (c / 20) * box_cell + box_cell / 8)))")" == "255 255 255" ]] && white=$((white + 1))
    done
    ((white == 5)) && break
  done
  ((white == 5)) || fail "$SCREEN at factor $factor: $white of 5 cells of 3 by 20 show white"
  windows=$(xdotool search --onlyvisible --name '^KARVELON$' | wc -l)
  ((windows == 1)) || fail "$SCREEN at factor $factor: a message box is open"
  kill -0 "$pid" 2>/dev/null || fail "$SCREEN at factor $factor: the program ended by itself"
  kill "$pid" && wait "$pid" 2>/dev/null || true
  pid=
  echo "screenshot: $shot"
done
((failures == 0)) || { echo "screens e2e $SCREEN: $failures failure(s)" >&2; exit 1; }
echo "screens e2e $SCREEN: passed"
