#!/usr/bin/env bash
# The check after each ball: the host's match is made to differ from the
# joining driver's by one run (the driver's `tamper`), so after the first ball
# both stop with "The two games disagree", and each keeps the match in its
# history as not finished, with that message and its own script.
#   desync.sh REPLAY WORKDIR PORT
set -euo pipefail
replay="$1" work="$2" port="$3"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$work"
cd "$work"
source "$here/pair.sh"

play_pair "$port" "$port" "" 's/^begin$/begin\ntamper/'

for side in host join; do
  grep -q '{"message": "The two games disagree"}' $side.jsonl ||
    { echo "the $side never said the games disagree"; grep message $side.jsonl; exit 1; }
  grep -q '"finished":0,"network":1,"peer":"127.0.0.1","ending":"The two games disagree"' $side.jsonl ||
    { echo "the $side kept no such match"; grep saved $side.jsonl; exit 1; }
done
echo "both drivers said the games disagree and kept their scripts"
