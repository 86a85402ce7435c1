#!/usr/bin/env bash
# The desktop drives the real binary over a private session bus. Without a screensaver service,
# playing keeps the X server from going idle. With one (a stand-in that records its calls), the
# inhibition is taken while the picture plays and released after it; playerctl reads and
# controls playback while the picture shows what it did; the keyboard's media keys act on the
# focused panel; the bus opens a file and ends the player.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
if [ -z "${KYVRA_E2E_ON_BUS:-}" ]; then
    exec env KYVRA_E2E_ON_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
player=$1 samples=$2
tools=$(dirname "$player")/tests/tools
make_sandbox
sample=$(readlink -f "$samples/sample.avi")
write_settings Splash=no Autostart=yes useSubs=no AZ=no Ontop=no Registext=no Windowpos=yes \
    KVR_RL=0 KVR_RT=9000 KVR_VL=0 KVR_VT=0 KVR_SL=12000 KVR_ST=9000

ctl() {
    playerctl --player=kyvra "$@" 2>/dev/null || true
}

# wait_for_status STATUS: the player reports it over the bus within ten seconds.
wait_for_status() {
    local deadline=$((SECONDS + 10))
    while [ $SECONDS -lt $deadline ]; do
        [ "$(ctl status)" = "$1" ] && return 0
        sleep 0.2
    done
    fail "the player reports '$(ctl status)', not '$1'"
}

quit_over_bus() {
    dbus-send --session --type=method_call --dest=org.mpris.MediaPlayer2.kyvra \
        /org/mpris/MediaPlayer2 org.mpris.MediaPlayer2.Quit
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "the player did not end on Quit"
}

# Without a screensaver service on the bus, playing restarts the X server's idle countdown.
sleep 2
started=$(date +%s%N)
"$player" "$sample" 2>"$SANDBOX/stderr" &
pid=$!
wait_for_status Playing
sleep 1
idle_ms=$(xprintidle)
since_start_ms=$((($(date +%s%N) - started) / 1000000))
[ "$idle_ms" -lt "$since_start_ms" ] || fail "X idle for ${idle_ms} ms while a picture plays"
quit_over_bus $pid

saver_log=$SANDBOX/screensaver.log
"$tools/fake-screensaver" >"$saver_log" &
for _ in $(seq 50); do grep -q ready "$saver_log" && break; sleep 0.1; done
grep -q ready "$saver_log" || fail "the stand-in screensaver service did not start"

# saver_saw LINE: the screensaver service received this call (within five seconds).
saver_saw() {
    local deadline=$((SECONDS + 5))
    while [ $SECONDS -lt $deadline ]; do
        grep -qx "$1" "$saver_log" && return 0
        sleep 0.2
    done
    fail "the screensaver service never saw '$1': $(tr '\n' '|' <"$saver_log")"
}

"$player" "$sample" 2>"$SANDBOX/stderr" &
pid=$!
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
for _ in $(seq 50); do [ "$(ctl metadata xesam:title)" = sample.mpg ] && break; sleep 0.2; done
[ "$(ctl metadata xesam:title)" = sample.mpg ] || fail "the opened file is not the track"
wait_for_status Playing
saver_saw "inhibit 4 Kyvra Player: Playing a video"

# Quit over the bus ends the player without a question, and the screensaver gets its own back.
quit_over_bus $pid
saver_saw "uninhibit 4"
[ -z "$(ctl status)" ] || fail "the player is still on the bus"
echo "desktop_media_controls: ok"
