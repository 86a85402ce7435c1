#!/usr/bin/env bash
# "Movie Details..." from the context menu on a playing sample: the movie information window
# opens, its position keeps moving while the sample plays, and its OK button closes it.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
player=$1 samples=$2
make_sandbox
use_plain_qt

write_settings Splash=no Autostart=yes useSubs=no AZ=no Ontop=no Registext=no Windowpos=yes \
    KVR_RL=0 KVR_RT=9000 KVR_VL=0 KVR_VT=0 KVR_SL=12000 KVR_ST=9000

"$player" "$samples/sample.avi" 2>"$SANDBOX/stderr" &
pid=$!
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "the sample does not play"

# menu_item N: a right press on the panel's status line opens the context menu; this chooses its
# Nth item counted from the end.
menu_item() {
    xdotool mousemove --window "$panel" 100 30 click 3
    sleep 1
    for _ in $(seq "$1"); do
        xdotool key Up
    done
    xdotool key Return
    sleep 0.5
}

menu_item 11 # Movie Details...
details=$(wait_for_window '^Movie Information$' '' 10) || fail "no movie information window"
# The sample is short: Stop and Play start it again, so it surely plays while the window watches.
menu_item 7
menu_item 8

window_shot "$details" "$SANDBOX/details1.png"
sleep 1
window_shot "$details" "$SANDBOX/details2.png"
changed=$(pixels_differing "$SANDBOX/details1.png" "$SANDBOX/details2.png")
[ "${changed:-0}" -gt 0 ] || fail "the movie information does not follow playback"
kill -0 $pid 2>/dev/null || fail "the player ended: $(cat "$SANDBOX/stderr")"

press_return "$details"
for _ in $(seq 25); do
    [ -z "$(visible_windows '^Movie Information$')" ] && break
    sleep 0.2
done
[ -z "$(visible_windows '^Movie Information$')" ] || fail "OK did not close the window"
kill -0 $pid 2>/dev/null || fail "the player ended after OK: $(cat "$SANDBOX/stderr")"

kill $pid && wait $pid 2>/dev/null || true
echo "movie_details: ok"
