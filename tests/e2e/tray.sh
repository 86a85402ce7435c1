#!/usr/bin/env bash
# Minimising the panel to a real notification area (trayer): the panel goes, an icon docks in the
# tray; a double click on the icon brings the panel back and takes the icon away.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"

write_settings $QUIET Windowpos=no

trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel --height 28 \
    --transparent false --tint 0x404040 --SetDockType false --SetPartialStrut false \
    --expand false 2>"$SANDBOX/trayer.log" &
tray=$(wait_for_window '^panel$' 120x28 10) || fail "trayer showed no notification area"

# docked_icons: windows other than trayer's own 1x1 helpers inside the notification area.
docked_icons() {
    xwininfo -id "$tray" -tree | awk '/^ +0x/ && $0 !~ / 1x1\+/' | grep -c . || true
}
[ "$(docked_icons)" = 0 ] || fail "the tray holds an icon before the player started"

start_player
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"

# The minimise-to-tray label: Left 3585, Top 45, 150 x 135 twips.
xdotool mousemove --window "$panel" 244 7 click 1
wait_until '[ "$(docked_icons)" != 0 ]' 10 >/dev/null || fail "no icon docked in the tray"
wait_gone '^Kyvra Player$' 5 "the panel is still shown"
player_alive "in the tray"

# A single click on the icon does nothing; a double click restores the panel.
# The icon's centre, from its absolute position and size in the tray's window tree.
read -r icon_x icon_y < <(xwininfo -id "$tray" -tree | awk '/"kyvra-player"/ {
    split($(NF - 1), size, /[x+]/); split($NF, at, /\+/)
    print at[2] + int(size[1] / 2), at[3] + int(size[2] / 2); exit }')
[ -n "${icon_y:-}" ] || fail "the docked icon is not the player's"
xdotool mousemove "$icon_x" "$icon_y" click 1
sleep 1 # a span in which a single click must bring nothing back
[ -z "$(visible_windows '^Kyvra Player$')" ] || fail "a single click brought the panel back"
xdotool mousemove "$icon_x" "$icon_y" click --repeat 2 --delay 80 1
wait_for_window '^Kyvra Player$' 275x112 10 >/dev/null || fail "the double click did not restore the panel"
wait_until '[ "$(docked_icons)" = 0 ]' 5 >/dev/null || fail "the icon stayed in the tray"
stop_player
echo "tray: ok"
