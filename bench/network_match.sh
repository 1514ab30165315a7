#!/usr/bin/env bash
# Two real games under a virtual X server play one network match over the
# loopback, through gallowby-relay as a network with the given round trip and
# loss: the input delay each chose, the stalls (ticks that waited for the
# other machine), the bytes each way (ENet's count, headers included, and the
# relay's count of UDP payload), and the host's CPU while playing.
#
#   bench/network_match.sh [--seconds S] RTT_MS LOSS_PERCENT [BIN_DIR]
#
# The joining player bowls every 2.5 s and the host plays a drive; after S
# seconds (60) the host presses Escape. Needs Xvfb, openbox and xdotool. Uses
# display :125 and ports 41790-41791.
set -euo pipefail
seconds=60
if [[ "${1:-}" == --seconds ]]; then seconds=$2; shift 2; fi
rtt=$1 loss=$2
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${3:-$here/../build/bin}" && pwd)
work=$(mktemp -d)
display=:125
pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"; }
trap cleanup EXIT

Xvfb "$display" -screen 0 1920x1200x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 & pids+=($!)
"$bin/gallowby-relay" 41791 41790 $((rtt / 2)) 1 "$loss" 0 >"$work/relay.txt" & relay=$!
pids+=($relay)
sleep 0.5
DISPLAY=$display "$bin/gallowby" --host 41790 2>"$work/host.err" & host=$!
pids+=($host)
sleep 0.5
DISPLAY=$display "$bin/gallowby" --join 127.0.0.1:41791 2>"$work/join.err" & join=$!
pids+=($join)

window_of() {
  for w in $(DISPLAY=$display xdotool search --sync --onlyvisible --class gallowby); do
    DISPLAY=$display xprop -id "$w" _NET_WM_PID | grep -q " = $1\$" && { echo "$w"; return; }
  done
}
sleep 3
H=$(window_of $host) J=$(window_of $join)
[[ -n "$H" && -n "$J" ]] || { echo "network_match: the two games did not meet" >&2; exit 1; }
press() { DISPLAY=$display xdotool windowactivate --sync "$1" key "$2" 2>/dev/null || true; }

cpu() { awk '{ print $14 + $15 }' "/proc/$host/stat"; }
start_cpu=$(cpu) start=$(date +%s%N)
end=$((SECONDS + seconds))
while ((SECONDS < end)); do
  press "$J" 5; sleep 0.5; press "$J" 5; sleep 0.9; press "$H" n; press "$H" space; sleep 1.1
done
used=$(($(cpu) - start_cpu)) wall_ms=$((($(date +%s%N) - start) / 1000000))
press "$H" Escape
sleep 4
kill -TERM "$relay"; wait "$relay" || true

echo "round trip $rtt ms, loss $loss %, $seconds s:"
grep -h "network match" "$work/host.err" "$work/join.err" | sed 's/^/  /'
sed 's/^/  /' "$work/relay.txt"
awk -v t="$used" -v w="$wall_ms" -v hz="$(getconf CLK_TCK)" \
  'BEGIN { printf "  host CPU while playing: %.2f %% of one core\n", 100 * t / hz / (w / 1000) }'
