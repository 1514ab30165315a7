#!/usr/bin/env bash
# The real game under a virtual X server (Xvfb): how long it takes to come up,
# and what it costs while it sits on the options form and while a match runs
# at the design values (a tick every 16 ms). xdotool presses Begin (Alt+B) and
# then bowls ("5") every 2.5 s, so the ball is in the air most of the time.
#
#   bench/cpu_while_playing.sh [--quick] [--factor N] [BIN_DIR]
#
# BIN_DIR holds gallowby and its bitmaps (default: build/bin beside this
# folder). CPU is the game process's utime + stime from /proc over wall time,
# as a share of one core. --factor 2 or 3 plays full screen (F11) on a screen
# just big enough for the field and its strip at that many times their size,
# under a window manager (openbox). Needs Xvfb and xdotool (and openbox for
# --factor). Exits 0 whenever it could measure, whatever the figures; 1 if
# the game did not start, or Begin or F11 did nothing. With pulseaudio
# installed the game plays its sound into a PulseAudio server of the script's
# own (a null sink), so the figures include the sound; without, it plays silent.
set -euo pipefail

seconds=20
launches=5
factor=1
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --quick) seconds=2; launches=1; shift ;;
    --factor) factor=$2; shift 2 ;;
    *) echo "cpu_while_playing: unknown option $1" >&2; exit 1 ;;
  esac
done
screen=1600x1000x24
(( factor > 1 )) && screen="$(( 624 + 640 * factor ))x$(( 540 * factor ))x24"
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../build/bin}" && pwd)
game="$bin/gallowby"
clk_tck=$(getconf CLK_TCK)

tools=(Xvfb xdotool)
(( factor > 1 )) && tools+=(openbox)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "cpu_while_playing: $tool is not installed" >&2; exit 1; }
done
[[ -x "$game" ]] || { echo "cpu_while_playing: no $game" >&2; exit 1; }

xvfb_pid=""
wm_pid=""
game_pid=""
pulse_pid=""
log=$(mktemp)
pulse_dir=$(mktemp -d)
cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$pulse_pid" ]] && kill "$pulse_pid" 2>/dev/null || true
  rm -rf "$pulse_dir"
  [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
  if [[ -n "$xvfb_pid" ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true  # gone before the next run takes its number
  fi
  rm -f "$log"
}
trap cleanup EXIT

# A virtual X server on a display number nobody is using (tried from a random
# start, so runs side by side do not collide; GALLOWBY_DISPLAY=N asks for N),
# up and answering.
start_xvfb() {
  local n=${GALLOWBY_DISPLAY:-$(( 100 + RANDOM % 800 ))}
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && return 1
  # -noreset: a server resetting as its last client leaves refuses the next one.
  Xvfb ":$n" -screen 0 "$screen" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do
    kill -0 "$xvfb_pid" 2>/dev/null || break
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  return 1
}
for _ in $(seq 20); do start_xvfb && break; done
[[ -n "$xvfb_pid" ]] || { echo "cpu_while_playing: could not start Xvfb" >&2; exit 1; }
if (( factor > 1 )); then
  openbox >/dev/null 2>&1 &
  wm_pid=$!
  sleep 1
fi
unset QT_QPA_PLATFORM

# A sound server for the game alone, answering on a socket of its own.
sound="silent (pulseaudio is not installed)"
if command -v pulseaudio >/dev/null; then
  HOME=$pulse_dir XDG_RUNTIME_DIR=$pulse_dir XDG_CONFIG_HOME=$pulse_dir \
    pulseaudio --daemonize=no --system=no -n --exit-idle-time=-1 --use-pid-file=no \
    --log-level=error -L module-null-sink \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/native" >/dev/null 2>&1 &
  pulse_pid=$!
  for _ in $(seq 100); do [[ -S "$pulse_dir/native" ]] && break; sleep 0.05; done
  export PULSE_SERVER="unix:$pulse_dir/native"
  sound="into a null sink of a PulseAudio server of its own"
fi
echo "sound: $sound"

now_ns() { date +%s%N; }
# utime + stime of a process, in clock ticks (fields 14 and 15 after the name).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
# The same measured by the scheduler, in nanoseconds, summed over its threads:
# exact, where utime and stime are sampled at the timer tick, but blind to a
# thread that ended meanwhile (the sound's mixer ends each time the stream
# rests between balls), which utime and stime still count.
run_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s }'; }
status_kb() { awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status"; }
# `$1` units of 1/`$3` s (clock ticks unless told) over `$2` ns, as a percentage.
percent() {
  awk -v t="$1" -v hz="${3:-$clk_tck}" -v ns="$2" 'BEGIN { printf "%.2f", 100 * (t / hz) / (ns / 1e9) }'
}

# Launches the game and waits for its options form to be on screen; leaves the
# milliseconds that took in $startup_ms, the window id in $window.
window=""
startup_ms=0
launch() {
  local start
  start=$(now_ns)
  (cd "$bin" && exec "$game") >"$log" 2>&1 &
  game_pid=$!
  window=""
  for _ in $(seq 2000); do
    window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1 || true)
    [[ -n "$window" ]] && break
    kill -0 "$game_pid" 2>/dev/null || break
  done
  if [[ -z "$window" ]]; then
    local status="still running"
    if ! kill -0 "$game_pid" 2>/dev/null; then
      status=0
      wait "$game_pid" || status=$?
      status="exit status $status"
    fi
    echo "cpu_while_playing: the options form never showed ($status); the game said:" >&2
    tail -n 5 "$log" >&2
    exit 1
  fi
  startup_ms=$(( ($(now_ns) - start) / 1000000 ))
}

quit_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  game_pid=""
}

# CPU share of the game over $1 seconds, from utime + stime and from the
# scheduler; runs "$2" (if any) every 2.5 s meanwhile.
measure_cpu() {
  local ticks0 run0 t0 end wall
  ticks0=$(cpu_ticks "$game_pid")
  run0=$(run_ns "$game_pid")
  t0=$(now_ns)
  end=$(( t0 + $1 * 1000000000 ))
  while (( $(now_ns) < end )); do
    [[ -n "${2:-}" ]] && $2
    sleep 2.5
  done
  wall=$(( $(now_ns) - t0 ))
  echo "$(percent $(( $(cpu_ticks "$game_pid") - ticks0 )) "$wall") % of one core" \
    "(scheduler: $(percent $(( $(run_ns "$game_pid") - run0 )) "$wall" 1e9) %)"
}

startups=()
for _ in $(seq "$launches"); do
  launch
  startups+=("$startup_ms")
  quit_game
done
sorted=$(printf '%s\n' "${startups[@]}" | sort -n)
median=$(echo "$sorted" | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }')
echo "start-up, launch to options form shown: median ${median} ms of ${launches}" \
  "(all: $(echo $sorted))   target: 300 ms"

launch
sleep 1
echo "on the options form: $(measure_cpu "$seconds") over ${seconds} s   target: about 0 %"

width() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { split($2, g, "x"); print g[1] }'; }
width_before=$(width)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key --clearmodifiers alt+b
# The window widens to hold the display once the match has begun.
width_after=$width_before
for _ in $(seq 100); do
  sleep 0.1
  width_after=$(width)
  (( width_after > width_before )) && break
done
sleep 1
if (( width_after <= width_before )); then
  echo "cpu_while_playing: Begin did not open the display" \
    "(window ${width_before} -> ${width_after} wide)" >&2
  exit 1
fi
if (( factor > 1 )); then
  xdotool key F11
  sleep 1
  if (( $(width) != ${screen%%x*} )); then
    echo "cpu_while_playing: F11 did not fill the screen ($(width) wide)" >&2
    exit 1
  fi
  echo "full screen (F11) at ${screen%x*}: the field and its strip at ${factor} times their size"
fi
bowl() { xdotool key 5; }
xvfb0=$(run_ns "$xvfb_pid")
t0=$(now_ns)
playing=$(measure_cpu "$seconds" bowl)
xvfb_share=$(percent $(( $(run_ns "$xvfb_pid") - xvfb0 )) $(( $(now_ns) - t0 )) 1e9)
echo "playing at the design values: ${playing} over ${seconds} s   target: < 3 %"
echo "  (the X server drawing those frames: ${xvfb_share} % more by the scheduler, not counted above)"
rss=$(status_kb "$game_pid" VmRSS)
hwm=$(status_kb "$game_pid" VmHWM)
echo "resident memory while playing: $(( rss / 1024 )) MB (peak $(( hwm / 1024 )) MB)" \
  "  target: < 80 MB"
quit_game
