#!/usr/bin/env bash
# Two replay drivers play one match over the loopback, the host and the
# joining player each pressing only their own keys: both must write the same
# events, commentary and scorecards, and the match both played, run as one
# script on one machine (the host's match journal), must give those again.
#   two_drivers.sh REPLAY WORKDIR PORT [RELAY]
# With RELAY (a program taking LISTEN_PORT TARGET_PORT), the joining driver
# reaches the host through it.
set -euo pipefail
replay="$1" work="$2" port="$3" relay="${4:-}"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$work"
cd "$work"
rm -f host.jsonl join.jsonl one.jsonl merged.replay

join_port="$port"
if [ -n "$relay" ]; then
  join_port=$((port + 1))
  "$relay" "$join_port" "$port" &
  relay_pid=$!
  trap 'kill "$relay_pid" 2>/dev/null || true' EXIT
fi

{ echo "journal $work/merged.replay"; sed "s/PORT/$port/" "$here/hvh_host.replay"; } |
  "$replay" >host.jsonl &
host_pid=$!
sleep 0.5
sed "s/PORT/$join_port/" "$here/hvh_join.replay" | "$replay" >join.jsonl
wait "$host_pid"

# What the match is, on each side: every line but the network's own.
played() { grep -v '^{"network"' "$1"; }
played host.jsonl >host.played
played join.jsonl >join.played
"$replay" merged.replay >one.jsonl
played one.jsonl >one.played

cmp host.played join.played || { echo "the two drivers disagree"; diff host.played join.played | head; exit 1; }
cmp host.played one.played || { echo "one machine plays another match"; diff host.played one.played | head; exit 1; }

# The match had what it should: both innings, a result, a wicket, a wide, a four.
for want in '"innings":2' '"do": "show", "caption"' '"wicket":true' '"wide":true' '"runs":4,'; do
  grep -q "$want" host.played || { echo "no $want in the match"; exit 1; }
done
echo "two drivers: $(grep -c '"event"' host.played) identical events"
