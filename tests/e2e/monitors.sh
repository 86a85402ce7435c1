#!/usr/bin/env bash
# Monitors that come and go, on one wide screen split into two: full screen fills the monitor
# the video window stands on; a panel stored on the second monitor stays exactly there; when that
# monitor goes away the panel comes whole onto the first; started again with its place still on
# the monitor that is gone, it opens on the one there is.
source "$(dirname "$0")/lib/xsession.bash"
SCREEN_GEOMETRY=2560x800x24 start_session "$@"
xrandr --setmonitor left 1280/338x800/211+0+0 screen >/dev/null
xrandr --setmonitor right 1280/338x800/211+1280+0 none >/dev/null

# Full screen fills the monitor the video window stands on.
write_settings $QUIET Windowpos=yes KVR_RL=24000 KVR_RT=1500 KVR_VL=24000 KVR_VT=1500 # 1600,100
start_player -fullscreen "$sample"
video=$(wait_for_window '^Kyvra Player$' not:275x112 20) || fail "no video window"
wait_until '[[ "$(geometry_of "$video")" = "1280,0 1280x"8?? ]]' 10 >/dev/null ||
    fail "full screen is not the second monitor: $(geometry_of "$video")"
stop_player

start_player
panel=$(wait_for_window '^Kyvra Player$' 275x112 10) || fail "no panel"
[ "$(place_of "$panel")" = 1600,100 ] || fail "the panel left the second monitor: $(place_of "$panel")"

xrandr --delmonitor right
# The first monitor's right edge less the panel's 275 pixels.
wait_until '[ "$(place_of "$panel")" = 1005,100 ]' 10 >/dev/null ||
    fail "the panel stayed on the monitor that went away: $(place_of "$panel")"
player_alive "after a monitor went away"
stop_player

start_player
panel=$(wait_for_window '^Kyvra Player$' 275x112 10) || fail "no panel on the second start"
[ "$(place_of "$panel")" = 1005,100 ] || fail "the panel opened off the screen: $(place_of "$panel")"
stop_player
echo "monitors: ok"
