# Sourced by the network scripts: two replay drivers play the match of
# hvh_host.replay and hvh_join.replay over the loopback, each keeping it in a
# history of its own and writing host.jsonl and join.jsonl in the working folder.
# Needs $replay, $work and $here.
#   play_pair HOST_PORT JOIN_PORT [HOST_FIRST_LINES] [HOST_SED]
play_pair() {
  local port=$1 join_port=$2 host_first=${3:-} host_sed=${4:-}
  rm -rf host.history join.history
  {
    printf '%s' "$host_first"
    echo "history $work/host.history"
    sed "s/PORT/$port/; $host_sed" "$here/hvh_host.replay"
    echo saved
  } | "$replay" >host.jsonl &
  local host_pid=$!
  sleep 0.5
  { echo "history $work/join.history"; sed "s/PORT/$join_port/" "$here/hvh_join.replay"; echo saved; } |
    "$replay" >join.jsonl
  wait "$host_pid"
}
