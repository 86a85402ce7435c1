#!/usr/bin/env bash
# The real player under a soak of keys and media-control commands, with its resident memory over
# time: stress/soak.sh PLAYER SAMPLES [SECONDS=3600]. It plays the sample over and over while keys
# (pause, steps, seeks, zoom, play from the start) go to the video window and playerctl sends
# play/pause, seeks, volume and reads over a private session bus; every 30 s it notes the
# player's resident memory. It fails when the player ends, or when memory grows by more than
# 5 MB after the first ten minutes (for runs that long).
source "$(dirname "$0")/../tests/e2e/lib/xsession.bash"
on_session_bus "$@"
start_session --plain-qt "$1" "$2"
duration=${3:-3600}
write_settings $QUIET $STACKED

ctl() {
    playerctl --player=kyvra "$@" >/dev/null 2>&1 || true
}
rss_kb() {
    awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"
}

start_player "$sample"
video=$(wait_for_window '^Kyvra Player$' 352x247 20) || fail "no video window"

keys=(space space bracketright bracketleft b z alt+3 alt+1 alt+2 x)
commands=("play-pause" "play-pause" "position 2" "volume 0.5" "volume 1" "metadata" "status" "play")
end=$((SECONDS + duration)) next_sample=$SECONDS round=0 settled_kb=""
echo "minute rss_MB"
while [ $SECONDS -lt $end ]; do
    xdotool windowfocus --sync "$video" 2>/dev/null || true
    xdotool key --delay 150 "${keys[@]}"
    # shellcheck disable=SC2086 # each entry is a command with its arguments
    ctl ${commands[round % ${#commands[@]}]}
    round=$((round + 1))
    player_alive "after $round rounds"
    if [ $SECONDS -ge $next_sample ]; then
        kb=$(rss_kb)
        awk -v s=$SECONDS -v kb="$kb" 'BEGIN { printf "%6.1f %6.1f\n", s / 60, kb / 1024 }'
        [ $SECONDS -ge 600 ] && [ -z "$settled_kb" ] && settled_kb=$kb
        next_sample=$((next_sample + 30))
    fi
done
final_kb=$(rss_kb)
stop_player
echo "rounds: $round; resident at the end: $((final_kb / 1024)) MB"
if [ -n "$settled_kb" ]; then
    growth=$((final_kb - settled_kb))
    echo "growth after the first ten minutes: $((growth / 1024)) MB ($growth kB)"
    [ $growth -le 5120 ] || fail "resident memory grew by $((growth / 1024)) MB after warming up"
fi
echo "soak: ok"
