#!/usr/bin/env bash
# Files named on the command line as they come: a Latin-1 name that is not UTF-8 plays, a name
# that contains the full-screen switch's text plays as given in a window, and a pipe is refused
# at once with the file error, leaving the panel up.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
player=$1 samples=$2
make_sandbox
write_settings Splash=no Autostart=yes

# plays FILE: the video window shows a picture and no error is reported.
plays() {
    "$player" "$1" 2>"$SANDBOX/stderr" &
    local pid=$!
    wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "$2 did not play"
    sleep 0.5
    [ -z "$(visible_windows 'rror')" ] || fail "$2 was reported as an error"
    kill -0 $pid 2>/dev/null || fail "the player ended on $2: $(cat "$SANDBOX/stderr")"
    kill $pid
    wait $pid 2>/dev/null || true
}

latin1="$SANDBOX/caf$(printf '\351').avi"
cp "$samples/sample.avi" "$latin1"
plays "$latin1" "a Latin-1 name"

cp "$samples/sample.avi" "$SANDBOX/my -fullscreen clip.avi"
plays "$SANDBOX/my -fullscreen clip.avi" "a name containing -fullscreen"

mkfifo "$SANDBOX/pipe.avi"
"$player" "$SANDBOX/pipe.avi" 2>"$SANDBOX/stderr" &
pid=$!
report=$(wait_for_window '^File access error$' '' 5) || fail "a pipe was not refused at once"
press_return "$report"
wait_for_window '^Kyvra Player$' 275x112 5 >/dev/null || fail "no panel after refusing the pipe"
kill -0 $pid 2>/dev/null || fail "the player ended after refusing the pipe"
kill $pid
echo "command_line: ok"
