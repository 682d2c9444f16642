#!/usr/bin/env bash
# The solver's figures, whole karvelon-solve processes, each the best of a
# few runs:
#   the 6 by 10 count of every tiling, on every core and on one thread;
#   a first tiling of the "15 by 15" box by the 35 hexominoes;
#   the counts of the "8 by 8" box with a 2 by 2 hole in each of its 49
#   places, one process each, all 49 together.
# Quiet machines give the figures that mean something: the load is printed.
#
# Usage: solver_figures.sh [path/to/karvelon-solve] [runs]
set -euo pipefail

solver=${1:-build/karvelon-solve}
runs=${2:-5}

# Best wall time and best processor time (user and system, every thread)
# in ms of `runs` runs of a command; the processor time tells less of
# other work on the machine.
best() {
  local wall= cpu= times w u s i TIMEFORMAT='%3R %3U %3S'
  for ((i = 0; i < runs; ++i)); do
    times=$({ time "$@" >/dev/null 2>&1; } 2>&1)
    read -r w u s <<<"$times"
    w=$(awk -v w="$w" 'BEGIN { printf "%d", w * 1000 }')
    u=$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%d", (u + s) * 1000 }')
    [[ -z $wall || $w -lt $wall ]] && wall=$w
    [[ -z $cpu || $u -lt $cpu ]] && cpu=$u
  done
  echo "$wall ms wall, $cpu ms processor"
}

holes() {
  local line column h
  for line in 0 1 2 3 4 5 6; do
    for column in 0 1 2 3 4 5 6; do
      h=$((line * 8 + column))
      "$solver" --box 8x8 --holes "$h,$((h + 1)),$((h + 8)),$((h + 9))" --count "$@"
    done
  done
}

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "6x10 count, every core:     $(best "$solver" --box 6x10 --count)"
echo "6x10 count, one thread:     $(best "$solver" --box 6x10 --count --threads 1)"
echo "15 by 15 first tiling:      $(best "$solver" --squares 6 --entry 6)"
echo "8 by 8, 49 holes, counted:  $(best holes)"
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
