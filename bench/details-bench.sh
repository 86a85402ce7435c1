#!/usr/bin/env bash
# What the movie information window costs: one player plays the AVI under a virtual X server, and
# its CPU use is measured in alternating spans with the window closed and open (opened from the
# context menu, closed with its OK button). Each span plays the sample from its start (Stop, then
# Play from the menu), so both see the same stretch of playback.
# Usage: bench/details-bench.sh [BUILD_DIR] [ROUNDS]   (default: build, 8 rounds of 2 x 8 s)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
rounds=${2:-8}
span=8 # seconds per measurement

if [[ -z ${KYVRA_BENCH_DISPLAY:-} ]]; then
    export KYVRA_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$rounds"
fi

player=$build/kyvra-player
[[ -x $player ]] || { echo "missing $player: build the player first" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_RUNTIME_DIR=$scratch KYVRA_REGISTRY=$scratch/registry.reg
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION
chmod 700 "$scratch"
printf '%s\n\n%s\n' 'Windows Registry Editor Version 5.00' \
    '[HKEY_LOCAL_MACHINE\Software\Quenmoor\Kyvra\Player]' >"$KYVRA_REGISTRY"
for pair in Splash=no Autostart=yes useSubs=no AZ=no Ontop=no Registext=no Windowpos=yes KVR_RL=0 KVR_RT=9000 KVR_VL=0 KVR_VT=0 KVR_SL=12000 KVR_ST=9000; do
    printf '"%s"="%s"\n' "${pair%%=*}" "${pair#*=}" >>"$KYVRA_REGISTRY"
done

source "$root/bench/lib/cpu.bash"

# CPU use of the player over one span, in percent of one core.
measure() {
    local before after
    before=$(cpu_ticks "$pid")
    sleep "$span"
    after=$(cpu_ticks "$pid")
    awk -v ticks=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$span" \
        'BEGIN { printf "%.2f", 100 * ticks / hz / s }'
}

window_of() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true
}

"$player" "$root/samples/sample.avi" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
    panel=$(xdotool search --onlyvisible --name '^Kyvra Player$' 2>/dev/null |
        while read -r id; do
            xdotool getwindowgeometry "$id" | grep -q 'Geometry: 275x112' && echo "$id"
        done | head -1) || true
    [[ -n $panel ]] && break
    sleep 0.2
done
[[ -n $panel ]] || { echo "the panel did not appear" >&2; exit 1; }
sleep 3 # playback settles

# menu_item N: chooses the context menu's Nth item counted from its end.
menu_item() {
    xdotool mousemove --window "$panel" 100 30 click 3
    sleep 0.5
    for _ in $(seq "$1"); do xdotool key Up; done
    xdotool key Return
    sleep 0.3
}

# Stop and Play: the next span sees the sample's first seconds again.
from_the_start() {
    menu_item 7
    menu_item 8
    sleep 1
}

open_details() {
    menu_item 11
    for _ in $(seq 50); do
        [[ -n $(window_of '^Movie Information$') ]] && return 0
        sleep 0.2
    done
    echo "the movie information window did not open" >&2
    exit 1
}

close_details() {
    xdotool windowfocus --sync "$(window_of '^Movie Information$')" key Return
    sleep 1
}

without=() with=()
for round in $(seq "$rounds"); do
    from_the_start
    without+=("$(measure)")
    open_details
    from_the_start
    with+=("$(measure)")
    close_details
    echo "round $round: without ${without[-1]} %, with ${with[-1]} %"
done

awk -v a="${without[*]}" -v b="${with[*]}" 'BEGIN {
    n = split(a, x, " "); split(b, y, " ")
    for (i = 1; i <= n; i++) { sx += x[i]; sy += y[i] }
    printf "mean CPU without the window %.2f %%, with it %.2f %%, difference %+.2f %% of a core\n",
           sx / n, sy / n, (sy - sx) / n }'
