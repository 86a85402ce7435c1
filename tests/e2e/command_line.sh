#!/usr/bin/env bash
# Files named on the command line as they come: a Latin-1 name that is not UTF-8 plays, a name
# that contains the full-screen switch's text plays as given in a window, and a pipe is refused
# at once with the file error, leaving the panel up. A display that cannot be reached ends the
# player with a line that names it, not with an abort.
source "$(dirname "$0")/lib/xsession.bash"
start_session "$@"
write_settings Splash=no Autostart=yes

# plays FILE WHAT: the video window shows a picture and no error is reported.
plays() {
    start_player "$1"
    wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "$2 did not play"
    [ -z "$(visible_windows 'rror')" ] || fail "$2 was reported as an error"
    player_alive "on $2"
    stop_player
}

latin1="$SANDBOX/caf$(printf '\351').avi"
cp "$samples/sample.avi" "$latin1"
plays "$latin1" "a Latin-1 name"

cp "$samples/sample.avi" "$SANDBOX/my -fullscreen clip.avi"
plays "$SANDBOX/my -fullscreen clip.avi" "a name containing -fullscreen"

mkfifo "$SANDBOX/pipe.avi"
start_player "$SANDBOX/pipe.avi"
report=$(wait_for_window '^File access error$' '' 5) || fail "a pipe was not refused at once"
acknowledge_report "$report" 5 "refusing the pipe"

status=0
DISPLAY=:999 QT_QPA_PLATFORM= "$player" 2>"$SANDBOX/nodisplay" || status=$?
[ $status = 1 ] || fail "without a display the player ended with status $status"
grep -q ':999' "$SANDBOX/nodisplay" || fail "without a display: $(cat "$SANDBOX/nodisplay")"
echo "command_line: ok"
