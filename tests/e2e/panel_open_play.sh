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
grip_shows
if [ "${KYVRA_PICTURE:-}" = opengl ]; then
    [ -n "$(gl_drivers)" ] || fail "asked for OpenGL, the playing player loaded no driver"
else
    [ -z "$(gl_drivers)" ] || fail "the playing player loaded $(gl_drivers)"
fi

# press_button LEFT CHECK WHEN: a click on the panel's button LEFT pixels in, in the row at Top
# 1290 twips, the pointer then off the panel; CHECK sees the picture and the player lives on.
press_button() {
    click_resting "$panel" $(($1 + 10)) $((86 + 8))
    xdotool mousemove 1279 1023
    "$2" "$video" "$3"
    player_alive "after the button at $1 pixels"
}
press_button 62 picture_is_still "pause"      # Pause: Left 930 twips
press_button 39 picture_moves "after play"    # Play: Left 590; stop has to stop a moving picture
press_button 84 picture_is_still "stop"       # Stop: Left 1270

stop_player
echo "panel_open_play: ok"
