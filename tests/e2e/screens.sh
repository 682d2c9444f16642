#!/usr/bin/env bash
# The widest box, "3 by 20" (the last 5-square entry), on every common screen
# at Qt's scale factors 1 and 2, chosen with a click on the size list and
# End: its corner and middle cells show white and no message box opens.
# Keeps e2e_screen_<W>x<H>_<factor>.png of each.
#
# Usage: screens.sh path/to/karvelon [folder for the screenshots]
set -euo pipefail

exe=$(readlink -f "$1")
out=$(readlink -f "${2:-$(dirname "$exe")}")
mkdir -p "$out"
if [[ -z "${SCREEN:-}" ]]; then  # one X server a size
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
  box_left=$(field "$b" 11 4) box_top=$(field "$b" 16 4) box_cell=$(field "$b" 21 3)
  # Positions follow the screen whatever the factor: design twips to pixels.
  xdotool mousemove "$(px_x 1000)" "$(px_y 7020)" click 1 sleep 0.3 key End
  shot="$out/e2e_screen_${SCREEN}_$factor.png"
  for _ in 1 2 3 4 5; do
    sleep 0.5
    screenshot "$shot"
    white=0
    for c in 0 19 29 40 59; do  # near the top of the cell, clear of its number
      [[ "$(pixel "$(px_x $((box_left + (c % 20) * box_cell + box_cell / 2)))" \
        "$(px_y $((box_top + (c / 20) * box_cell + box_cell / 8)))")" == "255 255 255" ]] && white=$((white + 1))
    done
    ((white == 5)) && break
  done
  what="$SCREEN at factor $factor"
  ((white == 5)) || fail "$what: $white of 5 cells of 3 by 20 show white"
  (($(xdotool search --onlyvisible --name '^KARVELON$' | wc -l) == 1)) || fail "$what: a message box is open"
  kill -0 "$pid" 2>/dev/null || fail "$what: the program ended by itself"
  kill "$pid" && wait "$pid" 2>/dev/null || true
  pid=
  echo "screenshot: $shot"
done
((failures == 0)) || { echo "screens e2e $SCREEN: $failures failure(s)" >&2; exit 1; }
echo "screens e2e $SCREEN: passed"
