#!/usr/bin/env bash
# ./build.sh run [ARGS]  - install what is missing, build, start the player (the sample by default)
# ./build.sh test        - the same set-up plus the test tools, then every test, then the unit
#                          and player suites again under AddressSanitizer and UBSan (build-asan)
# ./build.sh bench       - the same set-up plus plain mpv, then the engine benchmark
# ./build.sh fuzz [SECS]  - clang and libFuzzer, then every fuzz target for SECS each (600)
set -euo pipefail
cd "$(dirname "$0")"

BUILD_PACKAGES=(cmake ninja-build ccache g++ pkg-config libmpv-dev qt6-base-dev qt6-svg-dev libgl-dev
                libqt6opengl6-dev libqt6svg6 libxcb1-dev libxcb-shm0-dev fonts-liberation2
                libuchardet-dev)
TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool x11-utils imagemagick dbus-daemon dbus-bin
               playerctl xprintidle openbox wmctrl trayer ffmpeg libgl1-mesa-dri x11-xserver-utils
               weston xwayland qt6-wayland)
BENCH_PACKAGES=(mpv)
FUZZ_PACKAGES=(clang libfuzzer-14-dev)

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# A compiler cache, when the machine has one, keyed on paths relative to the checkout so that
# another clone of the same sources hits it too.
CACHE_OPTIONS=()
use_compiler_cache() {
    command -v ccache >/dev/null || return 0
    export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
    CACHE_OPTIONS=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

build() {
    use_compiler_cache
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${CACHE_OPTIONS[@]}" >/dev/null
    cmake --build build
}

# The unit and player suites built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer: any fault they see fails its test. Nothing is suppressed.
sanitizer_tests() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYVRA_SANITIZERS=ON \
        "${CACHE_OPTIONS[@]}" >/dev/null
    cmake --build build-asan --target unit-tests player-tests
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan -L 'unit|player' --output-on-failure -j2
}

command=${1:-run}
[ $# -gt 0 ] && shift
case "$command" in
run)
    install_missing "${BUILD_PACKAGES[@]}"
    build
    if [ $# -eq 0 ]; then
        exec build/kyvra-player samples/sample.avi
    fi
    exec build/kyvra-player "$@"
    ;;
test)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build
    ctest --test-dir build --output-on-failure -j2
    sanitizer_tests
    ;;
bench)
    install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    build
    bench/player-bench.sh
    ;;
fuzz)
    install_missing "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    exec fuzz/run-fuzzers.sh "$@"
    ;;
*)
    echo "usage: $0 run [ARGS] | test | bench | fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
