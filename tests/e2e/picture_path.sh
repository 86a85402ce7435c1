#!/usr/bin/env bash
# The picture without an OpenGL driver where only a software one could be had (Xvfb): the
# player starts without loading one, plays a file with its picture on screen, and still has
# loaded none.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
player=$1 samples=$2
start_session
write_settings Splash=no

# gl_drivers PID: the OpenGL drivers (Mesa's DRI drivers, LLVM) mapped into a process.
gl_drivers() {
    awk '$6 ~ /(_dri\.so|libLLVM|libgallium)/ { print $6 }' "/proc/$1/maps" | sort -u
}

start_player
wait_for_window '^Kyvra Player$' 275x112 20 >/dev/null || fail "no panel"
[ -z "$(gl_drivers $pid)" ] || fail "an idle player loaded $(gl_drivers $pid)"
stop_player

start_player "$(readlink -f "$samples/sample.avi")"
video=$(wait_for_window '^Kyvra Player$' not:275x112 20) || fail "no video window"
picture_moves "$video" "without an OpenGL driver"
brightness=$(mean_brightness "$SANDBOX/shot1.png")
awk "BEGIN{exit !($brightness > 0.1)}" || fail "the picture is dark ($brightness)"
[ -z "$(gl_drivers $pid)" ] || fail "the playing player loaded $(gl_drivers $pid)"
stop_player
echo "picture_path: ok"
