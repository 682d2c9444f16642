#!/usr/bin/env bash
# The game with Orca itself: Orca runs headless with its speech written to
# a log instead of a speech server. The window is announced; after Tab Orca
# says the tile Tab selected; after Right it reads the cell at line 0,
# column 1.
# Usage: orca.sh path/to/karvelon
set -euo pipefail
source "$(dirname "$0")/a11y_lib.sh"
a11y_enter "$0" "$@"

exe=$(readlink -f "$1")
a11y_start_display

# No speech server: with no sound device it would hang Orca. Every sentence
# arrives in the log as SPEECH OUTPUT: '...'. One cell a move, not a row.
said=$work/speech.txt
mkdir -p "$work/orca"
cat >"$work/orca/orca-customizations.py" <<PY
import logging
import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
orca.settings.enableBraille = False
orca.settings.enableSound = False
orca.settings.readFullRowInGUITable = False
_handler = logging.FileHandler("$said")
_logger = logging.getLogger("speech")
_logger.addHandler(_handler)
_logger.setLevel(logging.INFO)
PY
touch "$said"
/usr/bin/python3 /usr/bin/orca -u "$work/orca" >"$work/orca.txt" 2>&1 &
orca=$!
pids+=("$orca")

failures=0
# Waits up to 10 s for Orca to have said the words (a fixed string).
expect_said() {
  for _ in $(seq 1 100); do
    grep -qF -- "$2" "$said" && return 0
    sleep 0.1
  done
  echo "FAIL: $1: Orca did not say \"$2\"" >&2
  failures=$((failures + 1))
}
expect_said "Orca started" "Screen reader on"

a11y_start_game "$exe"
expect_said "the window" "KARVELON"
xdotool key Tab
expect_said "Tab" "Tile 0"
xdotool key Right
expect_said "Right" "Square 1, line 0, column 1: free"

# Orca acts on TERM only when an event arrives: TERM it, then end the game.
kill "$orca" 2>/dev/null || true
kill "$game" 2>/dev/null || true
echo "Orca said:"
sed -n "s/^SPEECH OUTPUT: //p" "$said"
exit $((failures > 0))
