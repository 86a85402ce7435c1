#!/usr/bin/env bash
# Regenerates popup-menu.png and movie-information.png: the real player, playing the AVI sample
# under a virtual X server, with its context menu open and then its movie information window.
#   docs/screenshots/make-menu-screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build}")
source "$root/tests/e2e/lib/xsession.bash"
if [ -z "${KYVRA_E2E_IN_X:-}" ]; then
    exec env KYVRA_E2E_IN_X=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$build"
fi
make_sandbox
use_plain_qt
write_settings Splash=no Autostart=yes useSubs=yes AZ=no Ontop=no Registext=no Windowpos=yes \
    KVR_RL=0 KVR_RT=9000 KVR_VL=0 KVR_VT=0 KVR_SL=12000 KVR_ST=9000

"$build/kyvra-player" "$root/samples/sample.avi" 2>/dev/null &
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "the sample does not play"
sleep 2

# The menu opens at the pointer: its top left corner is where the right button went down.
xdotool mousemove --window "$panel" 100 30 click 3
sleep 1
eval "$(xdotool getmouselocation --shell)"
menu=$(xdotool search --onlyvisible --class kyvra-player 2>/dev/null | while read -r id; do
    xwininfo -id "$id" | grep -q "Absolute upper-left X:  *$X\$" && echo "$id"
done | head -1)
[ -n "$menu" ] || fail "no context menu"
window_shot "$menu" "$root/docs/screenshots/popup-menu.png"

for _ in $(seq 11); do xdotool key Up; done
xdotool key Return
details=$(wait_for_window '^Movie Information$' '' 10) || fail "no movie information window"
sleep 1.5
window_shot "$details" "$root/docs/screenshots/movie-information.png"
echo "written: docs/screenshots/popup-menu.png, docs/screenshots/movie-information.png"
