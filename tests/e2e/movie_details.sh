#!/usr/bin/env bash
# "Movie Details..." from the context menu on a playing sample: the movie information window
# opens, its position keeps moving while the sample plays, and its OK button closes it.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"
write_settings $QUIET $STACKED

start_player "$samples/sample.avi"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "the sample does not play"

# menu_item N: a right press on the panel's status line opens the context menu; this chooses its
# Nth item counted from the end.
menu_item() {
    local menu
    menu=$(context_menu "$panel" 100 30)
    for _ in $(seq "$1"); do
        xdotool key Up
    done
    xdotool key Return
    wait_until '! xwininfo -id '"$menu"' | grep -q IsViewable' 5 >/dev/null || fail "the menu stayed open"
}

menu_item 11 # Movie Details...
details=$(wait_for_window '^Movie Information$' '' 10) || fail "no movie information window"
# The sample is short: Stop and Play start it again, so it surely plays while the window watches.
menu_item 7
menu_item 8

changed=$(changes_over "$details" 1) # a second of playing
[ "${changed:-0}" -gt 0 ] || fail "the movie information does not follow playback"
player_alive "with the movie information open"

press_return "$details"
wait_gone '^Movie Information$' 5 "OK did not close the window"
player_alive "after OK"
stop_player
echo "movie_details: ok"
