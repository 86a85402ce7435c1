#!/usr/bin/env bash
# Closing the splash through a real window manager starts the player, as a click on it would:
# no copy is left running without a window, holding the single-instance lock.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
player=$1
start_session

start_window_manager --config-file /dev/null
start_player
splash=$(wait_for_window '^Kyvra Player$' 400x250 10) || fail "no splash"
wmctrl -i -c "$splash"
wait_for_window '^Kyvra Player$' 275x112 10 >/dev/null || fail "closing the splash left no panel"
[ -z "$(visible_windows '^Kyvra Player$' | while read -r id; do
    [ "$(window_size "$id")" = 400x250 ] && echo "$id"
done)" ] || fail "the splash is still up"
player_alive "after the splash was closed"
stop_player
echo "splash_close: ok"
