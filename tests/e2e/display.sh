#!/usr/bin/env bash
# Runs a command on a virtual X server of its own: the server picks a free
# display number itself (-displayfd), so tests started at the same moment
# never share one, as xvfb-run -a's guess could. The server serves every
# program the command starts (-noreset) and ends with the command.
#
# Usage: display.sh WIDTHxHEIGHT command [arguments...]
set -euo pipefail

size=$1
shift
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$ready" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 1 100); do  # the number comes once the server takes connections
  [[ -s "$ready" ]] && break
  kill -0 "$server" 2>/dev/null || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
display=$(head -n 1 "$ready")
[[ -n "$display" ]] || { echo "FAIL: Xvfb gave no display within 10 s" >&2; exit 1; }
export DISPLAY=":$display"
status=0
"$@" || status=$?
exit $status
