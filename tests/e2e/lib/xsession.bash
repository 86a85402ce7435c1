# Shared by the end-to-end scripts: a private X server, session bus and window manager, a private
# registry and runtime folder, the player's start and end, and waits for a condition that give up
# instead of hanging. Sourcing it makes the script stop at the first command that fails.
set -euo pipefail

# With KYVRA_E2E_SHM_LIMIT set, the script reruns in an IPC namespace of its own whose shared
# memory segments may be at most that many bytes, so that a window-sized one is refused; where
# no namespace can be had (not root) it is skipped, with ctest's code for a skip.
if [ -n "${KYVRA_E2E_SHM_LIMIT:-}" ] && [ -z "${KYVRA_E2E_IN_IPC:-}" ]; then
    unshare --ipc true 2>/dev/null || { echo "skipped: no IPC namespace can be had" >&2; exit 77; }
    exec env KYVRA_E2E_IN_IPC=1 unshare --ipc bash -c \
        'sysctl -qw kernel.shmmax="$KYVRA_E2E_SHM_LIMIT" && exec bash "$@"' bash "$0" "$@"
fi

# Settings that keep a run quiet: no splash, no question at the end, nothing registered.
QUIET="Splash=no Autostart=yes useSubs=no AZ=no Ontop=no Registext=no"
# The video window at the corner, the panel below it and the subtitle window below that, so that
# nothing overlaps without a window manager to place them.
STACKED="Windowpos=yes KVR_VL=0 KVR_VT=0 KVR_RL=0 KVR_RT=9000 KVR_SL=12000 KVR_ST=9000"

# on_session_bus ARGS: re-runs the calling script on a private session bus unless it already is.
on_session_bus() {
    if [ -z "${KYVRA_E2E_ON_BUS:-}" ]; then
        exec env KYVRA_E2E_ON_BUS=1 dbus-run-session -- bash "$0" "$@"
    fi
}

# start_session [--plain-qt] PLAYER [SAMPLES]: the player under test as $player, and with SAMPLES
# the samples folder as $samples and its sample film, which must be there, as $sample; with
# --plain-qt Qt's own look and dialogs on X, whatever desktop the caller runs in. A fresh home
# for the player's settings, lock and desktop files, and a private Xvfb on a free display the
# server picks, its screen $SCREEN_GEOMETRY (1280x1024x24 unless set), with the server options in
# $XVFB_OPTIONS; returns once the server answers. Everything started from the script ends with it.
start_session() {
    if [ "$1" = --plain-qt ]; then
        export QT_QPA_PLATFORM=xcb
        unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION
        shift
    fi
    player=$1 samples=${2:-}
    SANDBOX=$(mktemp -d)
    trap 'end_session' EXIT
    export XDG_CONFIG_HOME=$SANDBOX/config XDG_DATA_HOME=$SANDBOX/data
    export XDG_RUNTIME_DIR=$SANDBOX/run KYVRA_REGISTRY=$SANDBOX/config/kyvra/registry.reg
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    # -noreset: the server outlives its last client, so a player started right after another
    # ended finds it still there.
    # shellcheck disable=SC2086
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${SCREEN_GEOMETRY:-1280x1024x24}" \
        ${XVFB_OPTIONS:-} 3>"$SANDBOX/display" 2>"$SANDBOX/xvfb.log" &
    wait_until 'grep -q "^[0-9][0-9]*$" "$SANDBOX/display" 2>/dev/null' 20 >/dev/null ||
        fail "Xvfb did not start: $(cat "$SANDBOX/xvfb.log")"
    export DISPLAY=:$(cat "$SANDBOX/display")
    wait_until 'xdpyinfo >/dev/null 2>&1' 20 >/dev/null || fail "Xvfb on $DISPLAY does not answer"
    if [ -n "$samples" ]; then
        sample=$(readlink -f "$samples/sample.avi")
        [ -f "$sample" ] || fail "no sample at $samples/sample.avi"
    fi
}

# end_session: ends what the script started, waiting a little for it to go, and removes the
# sandbox.
end_session() {
    local job deadline=$((SECONDS + 5))
    for job in $(jobs -p); do
        kill "$job" 2>/dev/null || true
    done
    while [ -n "$(jobs -pr)" ] && [ $SECONDS -lt $deadline ]; do
        sleep 0.05
    done
    rm -rf "$SANDBOX"
}

# start_window_manager [OPENBOX ARGS]: openbox, once it manages the screen.
start_window_manager() {
    openbox "$@" >"$SANDBOX/openbox.log" 2>&1 &
    wait_until 'wmctrl -m >/dev/null 2>&1' 10 >/dev/null ||
        fail "openbox did not start: $(cat "$SANDBOX/openbox.log")"
}

# start_player ARGS: the player under test as $pid, what it says kept for the failure report.
start_player() {
    "$player" "$@" 2>>"$SANDBOX/stderr" &
    pid=$!
}

# stop_player: ends the player started last; one that outlives SIGTERM by ten seconds is killed.
stop_player() {
    kill "$pid" 2>/dev/null || true
    if ! wait_until '! kill -0 "$pid" 2>/dev/null' 10 >/dev/null; then
        echo "the player $pid outlived SIGTERM" >&2
        kill -KILL "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
}

# player_alive WHEN: fails unless the player started as $pid still runs.
player_alive() {
    kill -0 "$pid" 2>/dev/null || fail "the player ended $1"
}

# player_ends SECONDS WHEN: fails unless the player started as $pid ends within SECONDS.
player_ends() {
    wait_until '! kill -0 "$pid" 2>/dev/null' "$1" >/dev/null || fail "the player did not end $2"
}

# fail WHY: ends the test, with what is on screen and everything the player said, for the reader.
fail() {
    echo "FAIL: $*" >&2
    local id log
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "  window $(xdotool getwindowname "$id" 2>/dev/null) $(window_size "$id")" >&2
    done
    for log in "${SANDBOX:-/nonexistent}"/*stderr* "${SANDBOX:-/nonexistent}"/*.log; do
        [ -s "$log" ] && grep -v -e '^ALSA lib' -e 'pw.conf' "$log" | sed "s|^|  ${log##*/}: |" >&2
    done
    exit 1
}

# wait_until CONDITION SECONDS: evaluates CONDITION a few times a second until it holds; prints
# how many seconds that took, or fails after SECONDS.
wait_until() {
    local start=$SECONDS deadline=$((SECONDS + $2))
    while [ $SECONDS -lt $deadline ]; do
        if eval "$1"; then
            echo $((SECONDS - start))
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# wait_gone REGEX SECONDS WHAT: fails unless no visible window's title matches within SECONDS.
wait_gone() {
    wait_until "[ -z \"\$(visible_windows '$1')\" ]" "$2" >/dev/null || fail "$3"
}

# geometry_of ID: X,Y WIDTHxHEIGHT of a window on the screen.
geometry_of() {
    xwininfo -id "$1" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\): *//p' |
        paste -sd' ' | awk '{print $1 "," $2 " " $3 "x" $4}'
}

# place_of ID: X,Y of a window on the screen.
place_of() {
    geometry_of "$1" | cut -d' ' -f1
}

# wholly_on ID WIDTHxHEIGHT: fails unless the window lies inside a screen of that size.
wholly_on() {
    local x y w h
    IFS=', x' read -r x y w h <<<"$(geometry_of "$1")"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "${2%x*}" ] && [ $((y + h)) -le "${2#*x}" ] ||
        fail "a ${w}x$h window at $x,$y is not wholly on the ${2} screen"
}

# wait_for_size ID SIZE WHAT: fails unless the window is SIZE (WIDTHxHEIGHT) within five seconds.
wait_for_size() {
    wait_until "[ \"\$(window_size '$1')\" = $2 ]" 5 >/dev/null ||
        fail "$3: the window is $(window_size "$1"), not $2"
}

# window_size ID: WIDTHxHEIGHT of a window.
window_size() {
    xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/{print $2}'
}

# visible_windows REGEX: ids of the visible windows whose title matches.
visible_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# wait_for_window REGEX [SIZE|not:SIZE] [SECONDS]: prints the id of the first visible window whose
# title matches and whose size (WIDTHxHEIGHT) is, or is not, the one given; the player's windows
# share their title, so size tells them apart.
wait_for_window() {
    local regex=$1 want=${2:-} deadline=$((SECONDS + ${3:-20})) id size
    while [ $SECONDS -lt $deadline ]; do
        for id in $(visible_windows "$regex"); do
            size=$(window_size "$id")
            if [ -z "$want" ] || [ "$size" = "$want" ] ||
                { [ "${want#not:}" != "$want" ] && [ "$size" != "${want#not:}" ]; }; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

# write_settings NAME=VALUE...: a registry file whose settings key holds these values; of a name
# given twice the later value counts.
write_settings() {
    mkdir -p "$(dirname "$KYVRA_REGISTRY")"
    local -A value=()
    local -a order=()
    local pair
    for pair in "$@"; do
        [ -n "${value[${pair%%=*}]+set}" ] || order+=("${pair%%=*}")
        value[${pair%%=*}]=${pair#*=}
    done
    {
        printf 'Windows Registry Editor Version 5.00\n\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Quenmoor\\Kyvra\\Player]\n'
        for pair in "${order[@]}"; do
            printf '"%s"="%s"\n' "$pair" "${value[$pair]}"
        done
    } >"$KYVRA_REGISTRY"
}

# press_return ID: answers a dialog as a user would, with the Return key (there is no window
# manager to give it the focus).
press_return() {
    xdotool windowfocus --sync "$1" && xdotool key Return
}

# acknowledge_report ID SECONDS WHAT: Return answers the report; fails unless the panel is shown
# within SECONDS and the player still runs after WHAT; then ends the player.
acknowledge_report() {
    press_return "$1"
    wait_for_window '^Kyvra Player$' 275x112 "$2" >/dev/null || fail "no panel after $3"
    player_alive "after $3"
    stop_player
}

# window_shot ID FILE: a screenshot of one window's area of the screen.
window_shot() {
    local geometry
    geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')
    import -window root -crop "$geometry" +repage "$2"
}

# pixels_differing A B: how many pixels differ between two screenshots of the same size.
pixels_differing() {
    compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1 || true
}

# picture_is_lit: fails unless the last shot picture_moves took is brighter than near-black, so
# that something was rendered.
picture_is_lit() {
    local brightness
    brightness=$(convert "$SANDBOX/shot2.png" -colorspace Gray -format '%[fx:mean]' info:)
    awk "BEGIN{exit !($brightness > 0.1)}" || fail "the picture is dark ($brightness): nothing rendered"
}

# grip_shows: fails unless the last shot picture_moves took shows the grip's dark face in its
# bottom right corner: the picture's own window must not cover it.
grip_shows() {
    local colour
    colour=$(convert "$SANDBOX/shot2.png" -gravity SouthEast -crop 1x1+6+11 +repage \
        -format '%[hex:p{0,0}]' info:)
    [ "${colour:0:6}" = 1B1D22 ] || fail "the picture covers the grip (its face is #$colour)"
}

# shows_text ID: fails unless white text covers some of the window (the subtitle window's text);
# the shot stays in $SANDBOX/text.png.
shows_text() {
    window_shot "$1" "$SANDBOX/text.png"
    local share
    share=$(convert "$SANDBOX/text.png" -colorspace Gray -threshold 60% -format '%[fx:mean]' info:)
    awk "BEGIN{exit !($share > 0.002)}"
}

# changes_over ID SECONDS: how many pixels of a window change within SECONDS; the second shot
# stays in $SANDBOX/shot2.png.
changes_over() {
    window_shot "$1" "$SANDBOX/shot1.png"
    sleep "$2"
    window_shot "$1" "$SANDBOX/shot2.png"
    pixels_differing "$SANDBOX/shot1.png" "$SANDBOX/shot2.png"
}

# picture_moves ID WHEN: fails unless the window's picture plays: two looks a second apart
# differ, within a few tries (a busy machine may starve the renderer for a moment).
picture_moves() {
    wait_until "[ \"\$(changes_over $1 1)\" -gt 2000 ]" 8 >/dev/null ||
        fail "the picture does not move $2"
}

# picture_is_still ID WHEN: fails unless the window's picture comes to stand still.
picture_is_still() {
    wait_until "[ \"\$(changes_over $1 1)\" = 0 ]" 5 >/dev/null ||
        fail "the picture still moves after $2"
}

# context_menu WINDOW X Y: a right press there; prints the id of the menu it opens, which opens
# with its top left corner at the pointer.
context_menu() {
    xdotool mousemove --window "$1" "$2" "$3" click 3
    eval "$(xdotool getmouselocation --shell)"
    wait_until '[ -n "$(menu_at "$X")" ]' 5 >/dev/null || fail "the right press opened no menu"
    menu_at "$X" | head -n 1
}

# choose_from_menu WINDOW X Y N: the context menu a right press there opens, its Nth item counted
# from the end chosen with the keys; fails unless the menu then closes.
choose_from_menu() {
    local menu
    menu=$(context_menu "$1" "$2" "$3")
    for _ in $(seq "$4"); do
        xdotool key Up
    done
    xdotool key Return
    wait_until '! xwininfo -id '"$menu"' | grep -q IsViewable' 5 >/dev/null || fail "the menu stayed open"
}

menu_at() {
    local id
    for id in $(xdotool search --onlyvisible --class kyvra-player 2>/dev/null); do
        if xwininfo -id "$id" | grep -q "Absolute upper-left X:  *$1\$"; then echo "$id"; fi
    done
}

# click_resting WINDOW X Y: the pointer rests on the spot first, so that a hover twin or a hint
# settles under it, then a left click.
click_resting() {
    xdotool mousemove --window "$1" "$2" "$3"
    sleep 0.2
    xdotool mousemove --window "$1" $(($2 + 1)) "$3"
    sleep 0.4
    xdotool click 1
}

# ctl ARGS: playerctl on the player's own bus name; nothing when the player is not on the bus.
ctl() {
    playerctl --player=kyvra "$@" 2>/dev/null || true
}

# wait_for_status STATUS [SECONDS] [WHAT]: the player reports STATUS over the bus within SECONDS
# (ten unless given).
wait_for_status() {
    wait_until "[ \"\$(ctl status)\" = $1 ]" "${2:-10}" >/dev/null ||
        fail "${3:+$3: }the player reports '$(ctl status)', not '$1'"
}
