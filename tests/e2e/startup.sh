#!/usr/bin/env bash
# Start-up as a user meets it: the splash, then the panel and the sample playing in the video
# window; a second copy is refused while the first keeps playing; a file that cannot be played
# is reported and the player stays up with its panel. Closing the splash through a real window
# manager starts the player as a click on it would, leaving no copy without a window.
source "$(dirname "$0")/lib/xsession.bash"
start_session "$@"

start_player "$samples/sample.avi"
first=$pid
wait_for_window '^Kyvra Player$' 400x250 10 >/dev/null || fail "no splash"
wait_for_window '^Kyvra Player$' 275x112 15 >/dev/null || fail "no panel after the splash"
# The sample's 352x240 picture under the 7-pixel top edge.
video=$(wait_for_window '^Kyvra Player$' 352x247 15) || fail "no video window"
picture_moves "$video" "after the start"
picture_is_lit

# A second copy shows its refusal and ends once it is acknowledged.
start_player
second=$pid
refusal_window() {
    local id
    for id in $(xdotool search --onlyvisible --pid $second 2>/dev/null || true); do
        [ "$(window_size "$id")" != 400x250 ] && echo "$id"
    done
}
wait_until '[ -n "$(refusal_window)" ]' 10 >/dev/null || fail "the second copy showed no refusal"
refusal=$(refusal_window | head -n 1)
sleep 2.5 # a span to watch, past the splash's own timer: the refused copy must still not start
for id in $(xdotool search --onlyvisible --pid $second 2>/dev/null || true); do
    [ "$(window_size "$id")" = 275x112 ] && fail "the refused copy showed its panel"
done
press_return "$refusal"
player_ends 10 "(the second copy) after its refusal"
pid=$first
player_alive "(the first copy) while the second was refused"
stop_player

# A garbage file: the error report, and the player stays with its panel.
printf 'not a video' >"$SANDBOX/garbage.avi"
write_settings Splash=no
start_player "$SANDBOX/garbage.avi"
report=$(wait_for_window '^Error$' '' 20) || fail "no error report for a garbage file"
acknowledge_report "$report" 10 "the report"

write_settings Splash=yes
start_window_manager --config-file /dev/null
start_player
splash=$(wait_for_window '^Kyvra Player$' 400x250 10) || fail "no splash under a window manager"
wmctrl -i -c "$splash"
wait_for_window '^Kyvra Player$' 275x112 10 >/dev/null || fail "closing the splash left no panel"
[ -z "$(wait_for_window '^Kyvra Player$' 400x250 1)" ] || fail "the splash is still up"
player_alive "after the splash was closed"
stop_player
echo "startup: ok"
