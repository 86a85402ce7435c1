#!/usr/bin/env bash
# The reliability harnesses in full, for the figures in the README (ctest runs short versions):
#   registry: 2 and 4 writer processes x 500 writes, 100 writers killed during saves;
#   corrupt media: 20 damaged variants of each sample format, from the command line and the
#   open command; memory: 300 open/play/stop cycles; soak: an hour of keys and media-control
#   commands on the real player.
# Usage: stress/run-stress.sh [BUILD_DIR]   (default: build, configured with the tests)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
cmake --build "$build" --target registry-stress media-stress kyvra-player

export QT_QPA_PLATFORM=offscreen
failed=0
run() {
    echo "== $*"
    "$@" 2> >(grep -v -e '^This plugin' -e '^ALSA lib' -e 'pw.conf' >&2) || failed=1
}
run "$build/stress/registry-stress" "$build/stress/registry-writer" 500 100
run "$build/stress/media-stress" corrupt "$root/samples" 20
run "$build/stress/media-stress" memory "$root/samples" 300
run bash "$root/stress/soak.sh" "$build/kyvra-player" "$root/samples" 3600
exit $failed
