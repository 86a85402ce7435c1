#!/usr/bin/env bash
# Start-up as a user meets it: the splash, then the panel and the sample playing in the video
# window; a second copy is refused while the first keeps playing; a file that cannot be played
# is reported and the player stays up with its panel.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
player=$1 samples=$2
make_sandbox

"$player" "$samples/sample.avi" 2>"$SANDBOX/first.log" &
first=$!
wait_for_window '^Kyvra Player$' 400x250 10 >/dev/null || fail "no splash"
wait_for_window '^Kyvra Player$' 275x112 15 >/dev/null || fail "no panel after the splash"
# The sample's 352x240 picture under the 7-pixel top edge.
video=$(wait_for_window '^Kyvra Player$' 352x247 15) || fail "no video window"

sleep 1.5
window_shot "$video" "$SANDBOX/first.png"
sleep 1
window_shot "$video" "$SANDBOX/second.png"
brightness=$(mean_brightness "$SANDBOX/first.png")
awk "BEGIN{exit !($brightness > 0.1)}" || fail "the picture is dark ($brightness): nothing rendered"
changed=$(pixels_differing "$SANDBOX/first.png" "$SANDBOX/second.png")
[ "${changed:-0}" -gt 2000 ] || fail "the picture did not move ($changed pixels changed)"

# A second copy shows its refusal and ends once it is acknowledged.
"$player" 2>"$SANDBOX/second.log" &
second=$!
refusal=""
for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --pid $second 2>/dev/null || true); do
        [ "$(window_size "$id")" != 400x250 ] && refusal=$id
    done
    [ -n "$refusal" ] && break
    sleep 0.2
done
[ -n "$refusal" ] || fail "the second copy showed no refusal"
sleep 2.5 # past the splash's own timer: the refused copy must still not start
for id in $(xdotool search --onlyvisible --pid $second 2>/dev/null || true); do
    [ "$(window_size "$id")" = 275x112 ] && fail "the refused copy showed its panel"
done
press_return "$refusal"
timeout 10 tail --pid=$second -f /dev/null || fail "the second copy did not end"
kill -0 $first 2>/dev/null || fail "the first copy died: $(cat "$SANDBOX/first.log")"
kill $first
wait $first 2>/dev/null || true

# A garbage file: the error report, and the player stays with its panel.
printf 'not a video' >"$SANDBOX/garbage.avi"
write_settings Splash=no
"$player" "$SANDBOX/garbage.avi" 2>"$SANDBOX/third.log" &
third=$!
report=$(wait_for_window '^Error$' '' 20) || fail "no error report for a garbage file"
press_return "$report"
wait_for_window '^Kyvra Player$' 275x112 10 >/dev/null || fail "the panel is gone after the report"
sleep 0.5
kill -0 $third 2>/dev/null || fail "the player ended after the report"
kill $third
echo "startup: ok"
