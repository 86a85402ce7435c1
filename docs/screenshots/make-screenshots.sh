#!/bin/sh
# Regenerates the screenshots in this folder from the current skin, panel and dialog code.
#   docs/screenshots/make-screenshots.sh [BUILD_DIR]   (default: build)
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target panel-screenshots
QT_QPA_PLATFORM=offscreen "$build/docs/screenshots/panel-screenshots" "$root/docs/screenshots"
cmake --build "$build" --target dialog-screenshots
QT_QPA_PLATFORM=offscreen "$build/docs/screenshots/dialog-screenshots" "$root/docs/screenshots"
