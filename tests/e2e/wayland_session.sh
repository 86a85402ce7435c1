#!/usr/bin/env bash
# A Wayland session (weston, headless, with its X server XWayland) as Debian's desktop starts it,
# Qt's Wayland platform installed. Left to choose, the player lands on XWayland, where its
# stored panel position holds; asked for Wayland itself, it plays there all the same.
source "$(dirname "$0")/lib/xsession.bash"
on_session_bus "$@"
start_session "$@"
weston --backend=headless-backend.so --xwayland --socket=wayland-kyvra --width=1280 \
    --height=800 --idle-time=0 >"$SANDBOX/weston.log" 2>&1 &
wait_until 'grep -q "xserver listening on display" "$SANDBOX/weston.log"' 20 >/dev/null ||
    fail "weston did not start: $(cat "$SANDBOX/weston.log")"
DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$SANDBOX/weston.log")
export DISPLAY WAYLAND_DISPLAY=wayland-kyvra XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

write_settings $QUIET Windowpos=yes KVR_RL=3000 KVR_RT=1500 # 200,100 px
start_player "$sample"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel on XWayland"
wait_until '[ "$(place_of "$panel")" = 200,100 ]' 10 >/dev/null ||
    fail "the panel is not where it was stored: $(place_of "$panel")"
wait_for_status Playing 10 "on XWayland"
stop_player

QT_QPA_PLATFORM=wayland start_player "$sample"
wait_for_status Playing 20 "as a Wayland client"
first=$(ctl position)
wait_until '[ "$(ctl position)" != "$first" ]' 5 >/dev/null || fail "the clock stands on Wayland"
[ -z "$(visible_windows '^Kyvra Player$')" ] || fail "asked for Wayland, it opened X windows"
player_alive "as a Wayland client"
stop_player
echo "wayland_session: ok"
