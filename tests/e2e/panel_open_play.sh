#!/usr/bin/env bash
# The panel drives the real binary: its load button opens the file dialog, the chosen sample plays
# in the video window, and the pause and stop buttons freeze the picture. Where only a software
# OpenGL driver could be had (Xvfb), the player loads none, idle or playing, unless KYVRA_PICTURE
# asks for OpenGL, when playing loads one.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"

# gl_drivers: the OpenGL drivers (Mesa's DRI drivers, LLVM) mapped into the player.
gl_drivers() {
    awk '$6 ~ /(_dri\.so|libLLVM|libgallium)/ { print $6 }' "/proc/$pid/maps" | sort -u
}

# The panel below the video window: without a window manager both would open at the corner.
write_settings $QUIET $STACKED

start_player
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no 275x112 panel window appeared"
[ -z "$(wait_for_window '^Kyvra Player$' not:275x112 1)" ] || fail "a video window shows before any file"
player_alive "at start"
[ -z "$(gl_drivers)" ] || fail "an idle player loaded $(gl_drivers)"

# The load button: Left 3590, Top 1290 twips.
click_resting "$panel" $((239 + 10)) $((86 + 8))
dialog=$(wait_for_window '^Open Media' '' 15) || fail "the load button opened no file dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --delay 15 "$sample"
# A completion list may take the first Return.
for attempt in 1 2 3; do
    xdotool key Return
    wait_until '[ -z "$(visible_windows "^Open Media")" ]' 2 >/dev/null && break
    [ $attempt = 3 ] && fail "the file dialog did not accept $sample"
done
player_alive "after the file was chosen"

video=$(wait_for_window '^Kyvra Player$' not:275x112 20) || fail "no video window after choosing $sample"
picture_moves "$video" "after choosing the file"
picture_is_lit
if [ "${KYVRA_PICTURE:-}" = opengl ]; then
    [ -n "$(gl_drivers)" ] || fail "asked for OpenGL, the playing player loaded no driver"
else
    [ -z "$(gl_drivers)" ] || fail "the playing player loaded $(gl_drivers)"
fi

# Pause: Left 930, Top 1290 twips.
click_resting "$panel" $((62 + 10)) $((86 + 8))
xdotool mousemove 1279 1023
picture_is_still "$video" "pause"
player_alive "after pause"

# Play: Left 590, Top 1290 twips; stop has to stop a moving picture.
click_resting "$panel" $((39 + 10)) $((86 + 8))
xdotool mousemove 1279 1023
picture_moves "$video" "after play"

# Stop: Left 1270, Top 1290 twips.
click_resting "$panel" $((84 + 10)) $((86 + 8))
xdotool mousemove 1279 1023
picture_is_still "$video" "stop"
player_alive "after stop"

stop_player
echo "panel_open_play: ok"
