#!/usr/bin/env bash
# The picture without an OpenGL driver where only a software one could be had (Xvfb): the
# player starts without loading one, plays a file with its picture on screen, and still has
# loaded none.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
player=$1 samples=$2
make_sandbox
write_settings Splash=no

# gl_drivers PID: the OpenGL drivers (Mesa's DRI drivers, LLVM) mapped into a process.
gl_drivers() {
    awk '$6 ~ /(_dri\.so|libLLVM|libgallium)/ { print $6 }' "/proc/$1/maps" | sort -u
}

"$player" 2>"$SANDBOX/idle.log" &
pid=$!
wait_for_window '^Kyvra Player$' 275x112 20 >/dev/null || fail "no panel"
[ -z "$(gl_drivers $pid)" ] || fail "an idle player loaded $(gl_drivers $pid)"
kill $pid
wait $pid 2>/dev/null || true

"$player" "$(readlink -f "$samples/sample.avi")" 2>"$SANDBOX/play.log" &
pid=$!
video=$(wait_for_window '^Kyvra Player$' not:275x112 20) || fail "no video window"
sleep 1.5
window_shot "$video" "$SANDBOX/picture.png"
brightness=$(mean_brightness "$SANDBOX/picture.png")
awk "BEGIN{exit !($brightness > 0.1)}" || fail "the picture is dark ($brightness)"
[ -z "$(gl_drivers $pid)" ] || fail "the playing player loaded $(gl_drivers $pid)"
kill $pid
wait $pid 2>/dev/null || true
echo "picture_path: ok"
