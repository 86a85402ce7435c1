#!/usr/bin/env bash
# The options dialog and the about box on the real binary: a box ticked in the options and
# confirmed with OK is in the registry file after quitting; the about box's credits move and any
# key closes it.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"

write_settings Splash=no Registext=no Windowpos=yes KVR_RL=0 KVR_RT=0 ScrollTitle=no

start_player
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel window appeared"

# The options label: Left 3750, Top 60 twips, 9 pixels square.
click_resting "$panel" 254 8
dialog=$(wait_for_window '^Configuration$' '' 10) || fail "the options label opened no dialog"
player_alive "after opening the options"
# "Scroll Movie Title if Too Long", the first box of the first page.
click_resting "$dialog" 40 135
# OK, the first of the three buttons at the bottom.
click_resting "$dialog" 206 303
wait_gone '^Configuration$' 5 "OK did not close the options dialog"
grep -q '"ScrollTitle"="yes"' "$KYVRA_REGISTRY" || fail "OK did not store the ticked box"

# The logo: Left 2775, Top 315 twips.
click_resting "$panel" 225 33
about=$(wait_for_window '^About$' '' 10) || fail "the logo opened no about box"
wait_until '[ "$(changes_over "$about" 1)" -gt 50 ]' 8 >/dev/null || fail "the credits do not move"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key space
wait_gone '^About$' 5 "a key did not close the about box"
player_alive "after the about box"

# The quit button: Left 3895, Top 30 twips. Quitting keeps what OK stored.
click_resting "$panel" 264 6
player_ends 10 "on the quit button"
grep -q '"ScrollTitle"="yes"' "$KYVRA_REGISTRY" || fail "the ticked box is gone after quitting"
echo "options_about: ok"
