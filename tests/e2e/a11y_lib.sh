# Shared steps of the screen-reader tests: a private session bus with the
# accessibility bus on it, a virtual X server of our own, and the game on
# the xcb platform with Qt's accessibility bridge on. Qt exposes nothing on
# the offscreen platform. Source it, then call a11y_enter "$0" "$@" first.

# Re-runs the calling script inside its own session bus, with a hard time
# limit (A11Y_TIME_LIMIT seconds, 120 by default) so that nothing hangs.
a11y_enter() {
  [[ -n "${KARVELON_A11Y_INSIDE:-}" ]] && return 0
  export KARVELON_A11Y_INSIDE=1
  exec timeout --kill-after=5 "${A11Y_TIME_LIMIT:-120}" dbus-run-session -- bash "$@"
}

work=$(mktemp -d)
pids=()
# Ends what was started, newest first: TERM, then KILL what ignores it.
a11y_cleanup() {
  local p
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  sleep 0.5
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap a11y_cleanup EXIT

# A home of its own: accessibility flags and Orca's settings are otherwise
# written into the user's.
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Xvfb picks a free display and writes its number when it is ready.
a11y_start_display() {
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.txt" &
  pids+=($!)
  for _ in $(seq 1 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.1
  done
  [[ -s "$work/display" ]] || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 KARVELON_MUTE=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}

# Starts the game (path in $1), waits for its window and gives it the
# keyboard: without a window manager nothing has it otherwise.
a11y_start_game() {
  "$1" >"$work/transcript.txt" 2>"$work/stderr.txt" &
  game=$!
  pids+=("$game")
  local wid
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^KARVELON$' | head -n 1) ||
    { cat "$work/stderr.txt" >&2; echo "FAIL: no window titled KARVELON" >&2; exit 1; }
  xdotool mousemove 960 1075 windowfocus --sync "$wid"
}
