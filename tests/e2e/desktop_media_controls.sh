#!/usr/bin/env bash
# The desktop drives the real binary over a private session bus. Without a screensaver service,
# playing keeps the X server from going idle. With one (a stand-in that records its calls), the
# inhibition is taken while the picture plays and released after it; playerctl reads and
# controls playback while the picture shows what it did; the keyboard's media keys act on the
# focused panel; the bus opens a file and ends the player.
source "$(dirname "$0")/lib/xsession.bash"
on_session_bus "$@"
start_session "$@"
tools=$(dirname "$player")/tests/tools
write_settings $QUIET $STACKED

quit_over_bus() {
    dbus-send --session --type=method_call --dest=org.mpris.MediaPlayer2.kyvra \
        /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Quit
    player_ends 5 "on Quit"
}

# Without a screensaver service on the bus, playing restarts the X server's idle countdown: once
# the server has been idle for two seconds, a countdown shorter than the player's run shows it.
wait_until '[ "$(xprintidle)" -ge 2000 ]' 10 >/dev/null || fail "the X server never went idle"
started=$(date +%s%N)
start_player "$sample"
wait_for_status Playing
wait_until '[ $(xprintidle) -lt $((($(date +%s%N) - started) / 1000000)) ]' 5 >/dev/null ||
    fail "X idle for $(xprintidle) ms while a picture plays"
quit_over_bus

saver_log=$SANDBOX/screensaver.log
"$tools/fake-screensaver" >"$saver_log" &
wait_until 'grep -q ready "$saver_log"' 5 >/dev/null || fail "the stand-in screensaver did not start"

# saver_saw LINE: the screensaver service received this call (within five seconds).
saver_saw() {
    wait_until "grep -qx '$1' '$saver_log'" 5 >/dev/null ||
        fail "the screensaver service never saw '$1': $(tr '\n' '|' <"$saver_log")"
}

start_player "$sample"
wait_for_status Playing
[ "$(ctl metadata xesam:title)" = sample.avi ] || fail "title '$(ctl metadata xesam:title)'"
length=$(ctl metadata mpris:length)
[ "${length:-0}" -gt 9000000 ] && [ "$length" -lt 11000000 ] || fail "length '$length' µs"
video=$(wait_for_window '^Kyvra Player$' not:275x112 20) || fail "no video window"
panel=$(wait_for_window '^Kyvra Player$' 275x112 5) || fail "no panel"
picture_moves "$video" "while the bus says it plays"
saver_saw "inhibit 1 Kyvra Player: Playing a video"

ctl play-pause
wait_for_status Paused
picture_is_still "$video" "a pause over the bus"
saver_saw "uninhibit 1"

# The sample lasts ten seconds: back to its start before it ends.
ctl play-pause
wait_for_status Playing
ctl position 1
position=$(ctl position)
awk "BEGIN{exit !($position >= 1 && $position < 2.5)}" || fail "position $position after seeking to 1"
picture_moves "$video" "playing again over the bus"
saver_saw "inhibit 2 Kyvra Player: Playing a video"

ctl stop
wait_for_status Stopped
picture_is_still "$video" "a stop over the bus"
saver_saw "uninhibit 2"

# The media keys, with the panel focused.
xdotool windowfocus --sync "$panel"
xdotool key XF86AudioPlay
wait_for_status Playing
saver_saw "inhibit 3 Kyvra Player: Playing a video"
xdotool key XF86AudioPlay
wait_for_status Paused
xdotool key XF86AudioStop
wait_for_status Stopped
saver_saw "uninhibit 3"

# A file opened over the bus takes the drop's road and plays.
ctl open "file://$(readlink -f "$samples/sample.mpg")"
wait_until '[ "$(ctl metadata xesam:title)" = sample.mpg ]' 10 >/dev/null ||
    fail "the opened file is not the track"
wait_for_status Playing
saver_saw "inhibit 4 Kyvra Player: Playing a video"

# Quit over the bus ends the player without a question, and the screensaver gets its own back.
quit_over_bus
saver_saw "uninhibit 4"
[ -z "$(ctl status)" ] || fail "the player is still on the bus"
echo "desktop_media_controls: ok"
