#!/usr/bin/env bash
# The game as a screen reader sees it: its accessibility tree read over
# AT-SPI while keys are played (tests/e2e/a11y_tree.py says what is checked).
# Usage: accessibility.sh path/to/karvelon
set -euo pipefail
source "$(dirname "$0")/a11y_lib.sh"
a11y_enter "$0" "$@"

exe=$(readlink -f "$1")
a11y_start_display
a11y_start_game "$exe"
/usr/bin/python3 "$(dirname "$0")/a11y_tree.py"
