#!/usr/bin/env bash
# history_by_keys.sh BIN-DIR
# Two matches played by keys in the real game, under a virtual X server: one
# to its result ("0" overs: a ball an innings, "Human V Human"), one abandoned
# by Escape in its first run-up. Each is in the history file with its board
# and result (none when abandoned), and its stored script, played through
# gallowby-replay, keeps the same row. Skips (77) without Xvfb, xdotool or
# sqlite3. GALLOWBY_DISPLAY=N picks the display.
set -uo pipefail
bin=$1
for tool in Xvfb:xvfb xdotool:xdotool sqlite3:sqlite3; do
  command -v "${tool%%:*}" >/dev/null ||
    { echo "SKIPPED: ${tool%%:*} is not installed (Debian package ${tool#*:})"; exit 77; }
done
work=$(mktemp -d)
xvfb_pid="" game_pid=""
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

n=${GALLOWBY_DISPLAY:-$((100 + RANDOM % 800))}
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
unset QT_QPA_PLATFORM
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

columns="team1, team2, overs, game_type, team1_runs, team1_wickets, team2_runs, team2_wickets, result, finished"
last_row() { sqlite3 "$1" "SELECT $columns FROM matches ORDER BY id DESC LIMIT 1" 2>/dev/null; }

# Starts the game with a history of its own in $work/$1, the options form focused.
launch() {
  XDG_DATA_HOME="$work/$1" "$bin/gallowby" >"$work/$1.log" 2>&1 &
  game_pid=$!
  local window=""
  for _ in $(seq 200); do
    window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1)
    [[ -n "$window" ]] && break
    sleep 0.05
  done
  [[ -n "$window" ]] || fail "the options form never showed"
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

# One ball: a medium pace, 5 to run in, 5 to fix the spot, then time to fly.
bowl() { xdotool key 2; sleep 0.3; xdotool key 5; sleep 1.2; xdotool key 5; sleep 2; }

finished_match() {
  xdotool key Tab Tab Tab ctrl+a  # Begin, the team names, the overs
  xdotool type 0
  xdotool key alt+b
  sleep 1
  # Space ends the innings break, then answers the result dialog.
  for _ in 1 2 3 4; do
    bowl
    xdotool key space
    sleep 1
    [[ -n "$(last_row "$file")" ]] && return
  done
}

abandoned_match() {
  xdotool key alt+b
  sleep 1
  xdotool key 2
  sleep 0.3
  xdotool key 5
  sleep 0.5
  xdotool key Escape
  sleep 0.5
}

for match in finished abandoned; do
  file="$work/$match/gallowby/matches.sqlite"
  launch "$match"
  "${match}_match"
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
  row=$(last_row "$file")
  [[ -n "$row" ]] || fail "$match: no match in $file"
  IFS='|' read -r _ _ overs _ _ _ _ _ result done <<<"$row"
  case $match in
    finished) [[ $overs == 0 && -n $result && $done == 1 ]] ;;
    abandoned) [[ -z $result && $done == 0 ]] ;;
  esac || fail "$match: the row is $row"
  sqlite3 "$file" "SELECT script FROM matches ORDER BY id DESC LIMIT 1" >"$work/$match.replay"
  { echo "history $work/again-$match"; cat "$work/$match.replay"; } |
    "$bin/gallowby-replay" >"$work/$match.jsonl" 2>&1
  again=$(last_row "$work/again-$match/matches.sqlite")
  [[ "$again" == "$row" ]] || fail "$match: played again, the row is $again, not $row"
  [[ $match == abandoned ]] || grep -qF "\"caption\": \"$result\"" "$work/$match.jsonl" ||
    fail "$match: played again, the result dialog does not say \"$result\""
  echo "$match: $row"
done
