#!/usr/bin/env bash
# The player against plain mpv on the same virtual X server, run after run in turns so that
# the machine's load falls on both alike:
#  - start-up: from starting the player (splash off) to its panel on screen, against an empty
#    Qt Widgets window; from starting it with a file to that file's first picture on screen,
#    against mpv's first picture of the same file;
#  - memory, resident (RSS) and proportional (PSS): idle, and while a 720p H.264 clip plays, in
#    the same window size: the software path against mpv --vo=x11, the OpenGL path
#    (KYVRA_PICTURE=opengl) against mpv --vo=gpu --gpu-sw on the same software rasterizer;
#  - CPU while that clip plays on each path against its mpv output, and the frames dropped.
# Medians over the runs; a ratio is ours / the reference (below 1 is better), the median of
# the ratios of each run.
# Usage: bench/player-bench.sh [BUILD_DIR]   (default: build; KYVRA_BENCH_RUNS runs, default 5)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
runs=${KYVRA_BENCH_RUNS:-5}
warmup=2 span=8 # seconds of playing before and while CPU is measured

if [[ -z ${KYVRA_BENCH_DISPLAY:-} ]]; then
    export KYVRA_BENCH_DISPLAY=1
    # A black root window: the first pixel that is not black is a window drawn.
    exec xvfb-run -a -s "-screen 0 1600x1200x24 -br -nolisten tcp" bash ${KYVRA_BENCH_TRACE:+-x} "$0" "$build"
fi

cmake --build "$build" --target kyvra-player engine-open-bench screen-watch empty-window >/dev/null
player=$build/kyvra-player tools=$build/bench
for program in "$player" "$tools/screen-watch" "$tools/empty-window" "$tools/engine-open-bench"; do
    [[ -x $program ]] || { echo "missing $program: build first" >&2; exit 1; }
done

# The player keeps its settings and its single-instance lock out of the user's home, and
# starts straight with its panel.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch KYVRA_REGISTRY=$scratch/registry.reg
chmod 700 "$scratch"
printf '%s\n\n%s\n%s\n' 'Windows Registry Editor Version 5.00' \
    '[HKEY_LOCAL_MACHINE\Software\Quenmoor\Kyvra\Player]' '"Splash"="no"' >"$KYVRA_REGISTRY"

# 30 s of 720p H.264 with sound; a magenta square in every frame tells its picture on screen.
marker=FF00FF
clip=$scratch/clip-720p.mp4
ffmpeg -loglevel error -f lavfi \
    -i "testsrc2=size=1280x720:rate=30:duration=30,drawbox=x=540:y=260:w=200:h=200:color=0x$marker:t=fill" \
    -f lavfi -i "sine=frequency=440:duration=30" \
    -c:v libx264 -preset veryfast -pix_fmt yuv420p -c:a aac -shortest "$clip"

# mpv writes its dropped frames here every second; the last count stands when it is ended.
cat >"$scratch/drops.lua" <<'LUA'
mp.add_periodic_timer(1, function()
    local file = io.open(os.getenv("KYVRA_BENCH_DROPS"), "w")
    file:write((mp.get_property_number("frame-drop-count", 0) +
                mp.get_property_number("decoder-frame-drop-count", 0)) .. "\n")
    file:close()
end)
LUA
export KYVRA_BENCH_DROPS=$scratch/drops
mpv=(mpv --no-config --no-terminal --script="$scratch/drops.lua")

# User plus system CPU time of a process so far, in clock ticks.
cpu_ticks() {
    local stat
    stat=$(<"/proc/$1/stat")
    # shellcheck disable=SC2086
    set -- ${stat##*) }
    echo $((${12} + ${13}))
}

# "RSS PSS" of a process in MB.
memory() {
    awk '/^Rss:/ { rss = $2 } /^Pss:/ { pss = $2 }
         END { printf "%.1f %.1f\n", rss / 1024, pss / 1024 }' "/proc/$1/smaps_rollup"
}

# Ends a program started by screen-watch (not this shell's child) and waits until it is gone.
end_program() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$1" 2>/dev/null || true
}

# Each measurement appends "NAME VALUE" to this file, one line per run.
results=$scratch/results
record() { echo "$1 $2" >>"$results"; }

# watch NAME WHAT... -- COMMAND: starts COMMAND, records how long it took to show WHAT, and
# leaves the program's pid in $pid.
watch() {
    local name=$1 ms
    shift
    read -r pid ms < <("$tools/screen-watch" "$@")
    [[ $ms -ge 0 ]] || echo "warning: $name showed nothing within the time allowed" >&2
    record "$name.start" "$ms"
}

# playing NAME: records the CPU and memory of the program $pid while it plays the clip.
playing() {
    local name=$1 before after
    sleep "$warmup"
    before=$(cpu_ticks "$pid")
    sleep "$span"
    after=$(cpu_ticks "$pid")
    record "$name.cpu" "$(awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$span" \
        'BEGIN { printf "%.1f", 100 * t / hz / s }')"
    read -r rss pss < <(memory "$pid")
    record "$name.rss" "$rss"
    record "$name.pss" "$pss"
}

mpv_playing() {
    local name=$1
    shift
    rm -f "$KYVRA_BENCH_DROPS"
    watch "$name" colour $marker 20000 -- "${mpv[@]}" "$@" "$clip"
    playing "$name"
    end_program "$pid"
    record "$name.drops" "$(cat "$KYVRA_BENCH_DROPS" 2>/dev/null || echo -1)"
}

for run in $(seq "$runs"); do
    echo "run $run of $runs" >&2
    watch qt window 20000 -- "$tools/empty-window"
    end_program "$pid"

    watch kyvra window 20000 -- "$player"
    sleep 2
    read -r rss pss < <(memory "$pid")
    record kyvra.idle.rss "$rss"
    record kyvra.idle.pss "$pss"
    end_program "$pid"

    watch mpv.idle window 20000 -- "${mpv[@]}" --idle --force-window --vo=x11
    sleep 2
    read -r rss pss < <(memory "$pid")
    record mpv.idle.rss "$rss"
    record mpv.idle.pss "$pss"
    end_program "$pid"

    watch kyvra.play colour $marker 20000 -- "$player" "$clip"
    playing kyvra.play
    end_program "$pid"

    # The OpenGL path, on the same software rasterizer as mpv's OpenGL output below.
    watch kyvra.gl colour $marker 20000 -- env KYVRA_PICTURE=opengl "$player" "$clip"
    playing kyvra.gl
    end_program "$pid"

    mpv_playing x11 --vo=x11
    mpv_playing gpusw --vo=gpu --gpu-sw

    # The player cannot be asked for its dropped frames; its engine in a window of the
    # clip's size, with the same picture path, stands in for it.
    "$tools/engine-open-bench" play "$clip" $((warmup + span)) --size=1280x720 \
        >"$scratch/engine" 2>/dev/null || true
    record engine.drops "$(awk '/^dropped/ { print $2 }' "$scratch/engine")"
done

# The middle of the numbers on stdin, printed in FORMAT.
middle() {
    sort -g | awk -v format="$1" '{ v[NR] = $1 } END {
        printf format, NR ? (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) : -1 }'
}
values() { awk -v name="$1" '$1 == name { print $2 }' "$results"; }
# median NAME, ratio NAME REFERENCE: over the runs; the ratio is the median of each run's own.
median() { values "$1" | middle %.4g; }
ratio() {
    paste <(values "$1") <(values "$2") | awk '$2 > 0 { print $1 / $2 }' | middle %.2f
}
row() { # LABEL OURS REFERENCE UNIT REFERENCE_LABEL
    printf "%-24s kyvra %6s %-3s %-26s %6s %-3s ratio %s\n" "$1" "$(median "$2")" "$4" "$5" \
        "$(median "$3")" "$4" "$(ratio "$2" "$3")"
}

echo "== start-up (median of $runs runs; ratio = kyvra / reference, lower is better)"
row "panel on screen" kyvra.start qt.start ms "empty Qt window"
row "first picture of a file" kyvra.play.start x11.start ms "mpv --vo=x11"
row "the same, OpenGL path" kyvra.gl.start gpusw.start ms "mpv --vo=gpu --gpu-sw"
echo "== memory in MB (RSS resident, PSS proportional), 720p H.264"
row "idle, RSS" kyvra.idle.rss mpv.idle.rss MB "mpv --idle --force-window"
row "idle, PSS" kyvra.idle.pss mpv.idle.pss MB "mpv --idle --force-window"
row "playing, RSS" kyvra.play.rss x11.rss MB "mpv --vo=x11"
row "playing, PSS" kyvra.play.pss x11.pss MB "mpv --vo=x11"
row "playing OpenGL, RSS" kyvra.gl.rss gpusw.rss MB "mpv --vo=gpu --gpu-sw"
row "playing OpenGL, PSS" kyvra.gl.pss gpusw.pss MB "mpv --vo=gpu --gpu-sw"
echo "== CPU while playing 720p H.264 (100 = one core, over ${span} s)"
row "playing" kyvra.play.cpu x11.cpu % "mpv --vo=x11"
row "playing, OpenGL path" kyvra.gl.cpu gpusw.cpu % "mpv --vo=gpu --gpu-sw"
echo "== frames dropped in the first $((warmup + span)) s of playing (median)"
printf "%-24s engine %s   mpv --vo=x11 %s   mpv --vo=gpu --gpu-sw %s\n" "dropped frames" \
    "$(median engine.drops)" "$(median x11.drops)" "$(median gpusw.drops)"
echo "== opening each sample with the headless engine"
"$tools/engine-open-bench" open "$root/samples" 20 2>/dev/null
