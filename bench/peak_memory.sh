#!/usr/bin/env bash
# Peak memory (VmHWM) up to the first window on a 1920 x 1080 Xvfb screen:
# the game, a bare Qt window covering the screen like the game's, and one of
# Qt's default size. Each figure is the median of three runs, read a second
# after the window shows. With a ratio given, fails when the game needs more
# than that many times the full-screen bare window.
#
# Usage: peak_memory.sh path/to/karvelon path/to/karvelon_bare_window [ratio]
set -euo pipefail

if [[ -z "${KARVELON_MEMORY_INSIDE:-}" ]]; then
  export KARVELON_MEMORY_INSIDE=1
  exec timeout --kill-after=5 120 bash "$(dirname "$0")/../tests/e2e/display.sh" 1920x1080 bash "$0" "$@"
fi

peak() {  # command... -> kB
  local runs=() pid _
  for _ in 1 2 3; do
    KARVELON_MUTE=1 "$@" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 1 150); do
      xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
      sleep 0.1
    done
    sleep 1
    runs+=("$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  printf '%s\n' "${runs[@]}" | sort -n | sed -n 2p
}

game=$(peak "$1")
full=$(peak "$2" --full-screen)
small=$(peak "$2")
awk -v g="$game" -v f="$full" -v s="$small" 'BEGIN {
  printf "peak memory up to the first window: game %.1f MiB, bare full-screen window %.1f MiB (%.2fx),", g / 1024, f / 1024, g / f
  printf " bare default-size window %.1f MiB (%.2fx)\n", s / 1024, g / s }'
if [[ -n "${3:-}" ]] && awk -v a="$game" -v b="$full" -v r="$3" 'BEGIN { exit !(a > r * b) }'; then
  echo "FAIL: the game needs more than $3 times the full-screen bare window" >&2
  exit 1
fi
