#!/usr/bin/env bash
# Two replay drivers play one match over the loopback, the host and the
# joining player each pressing only their own keys: both must write the same
# events, commentary and scorecards, and the match both played, run as one
# script on one machine (the host's match journal), must give those again.
#   two_drivers.sh REPLAY WORKDIR PORT [RELAY]
# With RELAY (gallowby-relay: LISTEN_PORT TARGET_PORT and how bad the network
# is), the joining driver reaches the host through it.
set -euo pipefail
replay="$1" work="$2" port="$3" relay="${4:-}"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$work"
cd "$work"
rm -rf host.jsonl join.jsonl one.jsonl merged.replay

join_port="$port"
if [ -n "$relay" ]; then
  join_port=$((port + 1))
  # Each way 0 to 8 ms late (so datagrams overtake each other), 5 % lost and
  # 5 % twice over.
  "$relay" "$join_port" "$port" 0 8 5 5 &
  relay_pid=$!
  trap 'kill "$relay_pid" 2>/dev/null || true' EXIT
fi

# Each keeps the match in a history of its own; the host journals it too.
source "$here/pair.sh"
play_pair "$port" "$join_port" "journal $work/merged.replay"$'\n'

for side in host join; do
  grep -q '"finished":1,"network":1,"peer":"127.0.0.1","ending":""' $side.jsonl ||
    { echo "the $side's history has no network match"; grep saved $side.jsonl; exit 1; }
done

# What the match is, on each side: every line but the network's and the history's own.
played() { grep -v '^{"network"\|^{"saved"' "$1"; }
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
