# Shared steps of the end-to-end scripts: a virtual X server, the running
# program, screenshots read pixel by pixel, and positions computed from the
# design twips and the piece file the way start-up scales them.
# Source it after setting W and H (the screen size in pixels).
e2e_lib_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")

# Re-runs the calling script inside a virtual X server of its own, with a
# hard time limit so that CI never hangs (E2E_TIME_LIMIT seconds, 90 by
# default). Call as: e2e_enter_display "$0" "$@"
e2e_enter_display() {
  [[ -n "${KARVELON_E2E_INSIDE:-}" ]] && return 0
  export KARVELON_E2E_INSIDE=1
  rm -rf "$work"  # exec skips the exit trap; the run inside makes its own
  exec timeout --kill-after=5 "${E2E_TIME_LIMIT:-90}" bash "$e2e_lib_dir/display.sh" "${W}x${H}" bash "$@"
}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work=$(mktemp -d)
pid=
e2e_cleanup() {
  [[ -z "$pid" ]] || { kill "$pid" && wait "$pid"; } 2>/dev/null || true
  rm -rf "$work"
}
trap e2e_cleanup EXIT

# Starts the program (path in $1) and waits for its window: sets pid and wid.
# Standard output (the spoken sentences) goes to $work/transcript.txt.
start_program() {
  local exe=$1 _
  pentipos="$(dirname "$(readlink -f "$exe")")/PENTIPOS.TXT"
  objects="$(dirname "$(readlink -f "$exe")")/OBJECTS.TXT"
  [[ -r "$pentipos" ]] || { echo "FAIL: no PENTIPOS.TXT beside $exe" >&2; exit 1; }
  # A settings folder of its own: the player's saved choices change nothing here.
  XDG_CONFIG_HOME="$work/config" "$exe" >"$work/transcript.txt" 2>"$work/stderr.txt" &
  pid=$!
  for _ in $(seq 1 150); do
    wid=$(xdotool search --onlyvisible --name '^KARVELON$' 2>/dev/null | head -n 1 || true)
    [[ -n "$wid" ]] && return 0
    kill -0 "$pid" 2>/dev/null || { cat "$work/stderr.txt" >&2; echo "FAIL: the program ended" >&2; exit 1; }
    sleep 0.1
  done
  echo "FAIL: no window titled KARVELON within 15 s" >&2
  exit 1
}

# Starts the program (path in $1) muted from a folder without data files,
# and expects its window to cover the screen.
start_elsewhere() {
  mkdir -p "$work/elsewhere"
  cd "$work/elsewhere"
  KARVELON_MUTE=1 start_program "$1"
  sleep 1
  expect_covers_screen
}
expect_covers_screen() {
  local geometry
  geometry=$(xdotool getwindowgeometry "$wid")
  [[ "$geometry" == *"Position: 0,0"* && "$geometry" == *"Geometry: ${W}x${H}"* ]] ||
    fail "the window does not cover the ${W}x${H} screen: $geometry"
}

# Design twips to screen pixels: start-up stretches the designed client area
# of 18960 x 11415 twips over the screen; a pixel is 15 twips at 96 DPI.
# Rounded to the nearest pixel in integer arithmetic: no process per point.
px_x() { echo $((($1 * W * 2 + 18960) / 37920)); }
px_y() { echo $((($1 * H * 2 + 11415) / 22830)); }

# The centre of a design rectangle (left top width height), clicked.
click_centre() { xdotool mousemove "$(px_x $(($1 + $3 / 2)))" "$(px_y $(($2 + $4 / 2)))" click 1; }
pointer() { xdotool getmouselocation --shell | awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } END { print x, y }'; }

# Takes a screenshot into $1 and keeps its raw pixels for pixel().
screenshot() {
  import -window root "$1"
  convert "$1" -depth 8 "rgb:$work/shot.rgb"
}

pixel() {  # x y -> "r g b" of the last screenshot
  echo $(od -An -tu1 -j $((($2 * W + $1) * 3)) -N3 "$work/shot.rgb")  # unquoted: od's blanks collapse to one
}

expect_pixel() {  # what x y "r g b"
  local got
  got=$(pixel "$2" "$3")
  [[ "$got" == "$4" ]] || fail "$1 at ($2,$3): expected $4, got $got"
}

# A numeric fixed field of a piece-file line: line, first column, width.
field() {
  local s="${1:$2-1:$3}"
  s="${s// /}"
  echo "$((10#${s:-0}))"
}

# The piece-file line starting with $1 (the last one, as later lines win).
pentipos_line() { tr -d '\r' <"$pentipos" | grep "^$1" | tail -n 1 || true; }

# Tile t's colour, a 0x00BBGGRR number in its I line, as "r g b".
tile_rgb() {
  local c
  c=$(field "$(pentipos_line "I $(printf '%02d' "$1")")" 5 8)
  echo "$((c & 255)) $(((c >> 8) & 255)) $(((c >> 16) & 255))"
}

# Message n of OBJECTS.TXT as the program speaks it.
message_text() {
  sed -n "$(($1 + 1))p" "$objects" | tr -d '\r' | cut -c18-61 | sed -e 's/^ *//' -e 's/ *$//'
}

# The first 5-square box (list slot 0): sets box_rows box_cols box_left
# box_top box_cell (design twips).
read_first_box() {
  local b
  b=$(pentipos_line "B000")
  [[ -n "$b" ]] || { echo "FAIL: no B line for the first 5-square box" >&2; exit 1; }
  box_rows=$(field "$b" 5 2) box_cols=$(field "$b" 8 2)
  box_left=$(field "$b" 11 4) box_top=$(field "$b" 16 4) box_cell=$(field "$b" 21 3)
}

# Screen pixel of a point inside box cell (row, col): $3 pixels in from its corner.
cell_x() { echo $(($(px_x $((box_left + $1 * box_cell))) + $2)); }
cell_y() { echo $(($(px_y $((box_top + $1 * box_cell))) + $2)); }

# Waits up to $2 seconds for the transcript to hold $1 lines.
wait_transcript_lines() {
  local _
  for _ in $(seq 1 $(($2 * 10))); do
    (($(wc -l <"$work/transcript.txt") >= $1)) && return 0
    sleep 0.1
  done
  return 1
}

wait_said() {  # waits up to $2 seconds for a transcript line equal to $1
  local _
  for _ in $(seq 1 $(($2 * 10))); do
    grep -qxF "$1" "$work/transcript.txt" && return 0
    sleep 0.1
  done
  fail "not said within $2 s: $1"
}

# Answers the next Yes/No box with the key $1. The keyboard follows the
# pointer, so the pointer goes onto the box first.
asked=
answer() {
  local box= _
  for _ in $(seq 1 50); do
    box=$(xdotool search --onlyvisible --name '^KARVELON$' 2>/dev/null | grep -vx -e "$wid" -e "${asked:-none}" | head -n 1 || true)
    [[ -n "$box" ]] && break
    sleep 0.1
  done
  [[ -n "$box" ]] || { fail "no question to answer with $1"; return 0; }
  asked=$box
  eval "$(xdotool getwindowgeometry --shell "$box")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) key "$1"
}

# Ends a script ($1 its name): the program must still run; the screenshot's
# place and the verdict.
e2e_finish() {
  kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
  echo "screenshot: $shot"
  ((failures == 0)) || { echo "$1 e2e: $failures failure(s)" >&2; exit 1; }
  echo "$1 e2e: passed"
}
