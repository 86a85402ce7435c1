#!/usr/bin/env bash
# "Movie Details..." from the context menu on a playing sample: the movie information window
# opens, its position keeps moving while the sample plays, and its OK button closes it.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"
write_settings $QUIET $STACKED

start_player "$samples/sample.avi"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
wait_for_window '^Kyvra Player$' not:275x112 20 >/dev/null || fail "the sample does not play"

# The context menu opens on a right press on the panel's status line; its items count from the end.
choose_from_menu "$panel" 100 30 11 # Movie Details...
details=$(wait_for_window '^Movie Information$' '' 10) || fail "no movie information window"
# The sample is short: Stop and Play start it again, so it surely plays while the window watches.
choose_from_menu "$panel" 100 30 7
choose_from_menu "$panel" 100 30 8

changed=$(changes_over "$details" 1) # a second of playing
[ "${changed:-0}" -gt 0 ] || fail "the movie information does not follow playback"
player_alive "with the movie information open"

press_return "$details"
wait_gone '^Movie Information$' 5 "OK did not close the window"
player_alive "after OK"
stop_player
echo "movie_details: ok"
