# Shared by the end-to-end scripts: a private X server, a private registry and runtime folder, and
# small waits that give up instead of hanging.

# Re-runs the calling script inside its own Xvfb unless it already is.
run_under_xvfb() {
    if [ -z "${KYVRA_E2E_IN_X:-}" ]; then
        exec env KYVRA_E2E_IN_X=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
    fi
}

# A fresh home for the player's settings, lock and desktop files; removed on exit.
make_sandbox() {
    SANDBOX=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$SANDBOX"' EXIT
    export XDG_CONFIG_HOME=$SANDBOX/config XDG_DATA_HOME=$SANDBOX/data
    export XDG_RUNTIME_DIR=$SANDBOX/run KYVRA_REGISTRY=$SANDBOX/config/kyvra/registry.reg
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# fail WHY: ends the test, with what is on screen and what the player said, for the reader.
fail() {
    echo "FAIL: $*" >&2
    local id log
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "  window $(xdotool getwindowname "$id" 2>/dev/null) $(window_size "$id")" >&2
    done
    for log in "${SANDBOX:-/nonexistent}"/*stderr* "${SANDBOX:-/nonexistent}"/*.log; do
        [ -f "$log" ] && grep -v -e '^ALSA lib' -e 'pw.conf' "$log" | tail -n 5 | sed "s|^|  ${log##*/}: |" >&2
    done
    exit 1
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

# write_settings NAME=VALUE...: a registry file whose settings key holds these values.
write_settings() {
    mkdir -p "$(dirname "$KYVRA_REGISTRY")"
    {
        printf 'Windows Registry Editor Version 5.00\n\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Quenmoor\\Kyvra\\Player]\n'
        local pair
        for pair in "$@"; do
            printf '"%s"="%s"\n' "${pair%%=*}" "${pair#*=}"
        done
    } >"$KYVRA_REGISTRY"
}

# press_return ID: answers a dialog as a user would, with the Return key (there is no window
# manager to give it the focus).
press_return() {
    xdotool windowfocus --sync "$1" && xdotool key Return
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

# mean_brightness FILE: 0 (black) to 1 (white).
mean_brightness() {
    convert "$1" -colorspace Gray -format '%[fx:mean]' info:
}

# changes_in_a_second ID: how many pixels of a window change within a second, once the picture
# has settled; the first shot stays in $SANDBOX/shot1.png.
changes_in_a_second() {
    sleep 1
    window_shot "$1" "$SANDBOX/shot1.png"
    sleep 1
    window_shot "$1" "$SANDBOX/shot2.png"
    pixels_differing "$SANDBOX/shot1.png" "$SANDBOX/shot2.png"
}

# picture_moves ID WHEN: fails unless the window's picture plays. A busy machine may starve the
# renderer for a moment: a picture counts as moving when it moves in any of three looks.
picture_moves() {
    local changed
    for _ in 1 2 3; do
        changed=$(changes_in_a_second "$1")
        [ "${changed:-0}" -gt 2000 ] && return 0
    done
    fail "the picture does not move $2 ($changed pixels changed)"
}

# picture_is_still ID WHEN: fails unless the window's picture stands still.
picture_is_still() {
    local changed
    changed=$(changes_in_a_second "$1")
    [ "${changed:-1}" = 0 ] || fail "the picture still moves after $2 ($changed pixels changed)"
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

# player_alive WHEN: fails unless the player started as $pid still runs, with what it wrote to
# $SANDBOX/stderr.
player_alive() {
    kill -0 "$pid" 2>/dev/null || fail "the player ended $1: $(cat "$SANDBOX/stderr")"
}

# Qt's own look and dialogs on X, whatever desktop the caller runs in.
use_plain_qt() {
    export QT_QPA_PLATFORM=xcb
    unset QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP DESKTOP_SESSION
}
