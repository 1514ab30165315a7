#!/usr/bin/env bash
# The joining driver is killed in the middle of a ball: the host says
# "Connection lost" within 11 s and its game closes the match, keeps it in its
# history as not finished, and goes on.
#   peer_killed.sh REPLAY WORKDIR PORT
set -euo pipefail
replay="$1" work="$2" port="$3"
mkdir -p "$work"
cd "$work"

rm -rf history
printf 'history %s\nhost %s 2\nbegin\ntick 100000\nprint Team1Runs\nsaved\n' "$PWD/history" "$port" |
  "$replay" >host.jsonl &
host_pid=$!
sleep 0.5
# The joining player bowls, then stops answering while the ball is in flight
# (its script is held open, unfinished).
rm -f join.in
mkfifo join.in
"$replay" <join.in >join.jsonl &
join_pid=$!
exec 3>join.in
printf 'join 127.0.0.1 %s\nbegin\npress 101\ntick 30\npress 101\ntick 40\n' "$port" >&3
# Its last inputs have reached the host when the host stops moving on.
sleep 2
kill -9 "$join_pid"
killed=$(date +%s%N)
exec 3>&-
wait "$host_pid"
said=$(date +%s%N)
elapsed_ms=$(((said - killed) / 1000000))

grep -q '"run_up_started"' host.jsonl || { echo "no ball was under way"; exit 1; }
grep -q '{"message": "Connection lost"}' host.jsonl || { echo "the host never said so"; tail -3 host.jsonl; exit 1; }
grep -q '"finished":0,"network":1,"peer":"127.0.0.1","ending":"Connection lost"' host.jsonl ||
  { echo "the host kept no unfinished network match"; grep saved host.jsonl; exit 1; }
[ "$elapsed_ms" -le 11000 ] || { echo "the host took $elapsed_ms ms"; exit 1; }
echo "the host said \"Connection lost\" $elapsed_ms ms after the other driver died"
