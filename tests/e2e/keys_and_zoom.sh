#!/usr/bin/env bash
# Keys on the real binary: a file opens in a window of its picture plus the top edge, Alt+3 and
# Alt+1 zoom to twice and half, Space pauses and resumes, Esc stops, L opens the file dialog,
# the end of the clip loops with repeat on and stops with it off, and Alt+F4 quits even when a
# window manager keeps that key for itself.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"

write_settings $QUIET Windowpos=yes KVR_RL=0 KVR_RT=12000 KVR_VL=0 KVR_VT=0

# key COMBO: a key pressed while the video window has the focus.
key() {
    xdotool windowfocus --sync "$video" 2>/dev/null || true
    xdotool key "$1"
}

start_player "$sample"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"
# 352x240 pixels of picture under the 7-pixel top edge.
video=$(wait_for_window '^Kyvra Player$' 352x247 20) ||
    fail "no 352x247 video window: $(for w in $(visible_windows '^Kyvra Player$'); do window_size "$w"; done)"
picture_moves "$video" "after opening"

# Twice and half the picture, with the top edge and the grip below it.
key alt+3
wait_for_size "$video" 704x500 "Alt+3"
key alt+1
wait_for_size "$video" 176x140 "Alt+1"
key alt+2
wait_for_size "$video" 352x260 "Alt+2"

key space
picture_is_still "$video" "Space"
# Paused, half-second steps show their frames at once.
window_shot "$video" "$SANDBOX/before-step.png"
for _ in 1 2 3 4; do key bracketright; done
steps_shown() {
    window_shot "$video" "$SANDBOX/after-step.png"
    [ "$(pixels_differing "$SANDBOX/before-step.png" "$SANDBOX/after-step.png")" -gt 2000 ]
}
wait_until steps_shown 5 >/dev/null || fail "stepping while paused showed no new frame"
picture_is_still "$video" "the steps while paused"
key space
picture_moves "$video" "Space again"
key Escape
picture_is_still "$video" "Esc"
player_alive "after the transport keys"

key l
dialog=$(wait_for_window '^Open Media' '' 15) || fail "L opened no file dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Escape
wait_gone '^Open Media' 5 "the file dialog did not close"

# Repeat on (the panel's repeat button, Left 3450, Top 720 twips): G jumps to the end and the
# clip plays on from its start. The X server hands the click and the key over in that order.
key x
xdotool mousemove --window "$panel" 238 56 click 1
key g
picture_moves "$video" "the end with repeat on"
# Repeat off again: the end stops the clip.
xdotool mousemove --window "$panel" 238 56 click 1
key g
picture_is_still "$video" "the end with repeat off"
player_alive "at the end"

# A window manager that keeps Alt+F4 for itself: the key still quits the player, which stores
# its window positions on the way out.
start_window_manager
xdotool windowactivate --sync "$video" 2>/dev/null || true
xdotool key alt+F4
player_ends 10 "on Alt+F4 under a window manager"
grep -q '"KVR_ST"' "$KYVRA_REGISTRY" || fail "the quit by Alt+F4 stored no window positions"
echo "keys_and_zoom: ok"
