#!/usr/bin/env bash
# Regenerates popup-menu.png and movie-information.png: the real player, playing the AVI sample
# under a virtual X server, with its context menu open and then its movie information window.
#   docs/screenshots/make-menu-screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:-$root/build}")
source "$root/tests/e2e/lib/xsession.bash"
player=$build/kyvra-player
start_session
use_plain_qt
write_settings $QUIET useSubs=yes $STACKED

start_player "$root/samples/sample.avi"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "the sample does not play"
sleep 2

menu=$(context_menu "$panel" 100 30)
sleep 1 # the menu's fade-in
window_shot "$menu" "$root/docs/screenshots/popup-menu.png"

for _ in $(seq 11); do xdotool key Up; done
xdotool key Return
details=$(wait_for_window '^Movie Information$' '' 10) || fail "no movie information window"
sleep 1.5
window_shot "$details" "$root/docs/screenshots/movie-information.png"
echo "written: docs/screenshots/popup-menu.png, docs/screenshots/movie-information.png"
