#!/usr/bin/env bash
# Measures the playback engine under a virtual X server:
#  - how long opening each sample takes (median of repeated opens, headless);
#  - the CPU used while the AVI plays in a 720x480 window, by our engine (with the renderer it
#    picks, and with OpenGL forced) and, when it has been built, by the player itself, each
#    against mpv drawing through OpenGL on the same X server.
# Usage: bench/engine-bench.sh [BUILD_DIR]   (default: build; builds its engine-open-bench tool)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
samples=$root/samples
seconds=10 # of CPU measurement

if [[ -z ${KYVRA_BENCH_DISPLAY:-} ]]; then
    export KYVRA_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

cmake --build "$build" --target engine-open-bench >/dev/null
tool=$build/bench/engine-open-bench

# The player keeps its settings and its single-instance lock out of the user's home.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch KYVRA_REGISTRY=$scratch/registry.reg
chmod 700 "$scratch"

source "$root/bench/lib/cpu.bash"

# Runs a command, lets it settle for WARMUP seconds, then prints its CPU use over SPAN seconds
# in percent of one core.
cpu_percent() {
    local warmup=$1 span=$2
    shift 2
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$warmup"
    local before after
    before=$(cpu_ticks "$pid")
    sleep "$span"
    after=$(cpu_ticks "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$span" \
        'BEGIN { printf "%.1f", 100 * ticks / hz / s }'
}

compare() {
    local label=$1 ours=$2 reference=$3
    awk -v label="$label" -v ours="$ours" -v ref="$reference" 'BEGIN {
        printf "%-34s %6.1f %%   mpv %6.1f %%   ratio %.2f\n", label, ours, ref,
               (ref > 0 ? ours / ref : 0) }'
}

echo "== opening (headless, median of 20)"
"$tool" open "$samples" 20 2>/dev/null

echo "== CPU while playing sample.avi in 720x480 for ${seconds} s (100 % = one core)"
mpv_cpu=$(cpu_percent 2 "$seconds" mpv --no-config --no-terminal --vo=gpu --gpu-sw --loop=inf \
    --geometry=720x480 "$samples/sample.avi")
# The engine draws through OpenGL only on a hardware renderer; Xvfb has a software one.
engine_cpu=$(cpu_percent 2 "$seconds" "$tool" play "$samples/sample.avi")
compare "engine, renderer of its choice" "$engine_cpu" "$mpv_cpu"
engine_gl_cpu=$(cpu_percent 2 "$seconds" "$tool" play "$samples/sample.avi" --opengl)
compare "engine, OpenGL forced" "$engine_gl_cpu" "$mpv_cpu"

if [[ -x $build/kyvra-player ]]; then
    # Straight to playback, without the splash; the player does not loop the 10 s clip, so
    # measure from its start to just before its end.
    printf '%s\n\n%s\n%s\n' 'Windows Registry Editor Version 5.00' \
        '[HKEY_LOCAL_MACHINE\Software\Quenmoor\Kyvra\Player]' '"Splash"="no"' >"$KYVRA_REGISTRY"
    player_cpu=$(cpu_percent 1 8 "$build/kyvra-player" "$samples/sample.avi")
    compare "kyvra-player" "$player_cpu" "$mpv_cpu"
else
    echo "kyvra-player not built: measured the engine in the bench tool's window only"
fi
