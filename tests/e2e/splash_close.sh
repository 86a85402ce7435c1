#!/usr/bin/env bash
# Closing the splash through a real window manager starts the player, as a click on it would:
# no copy is left running without a window, holding the single-instance lock.
set -euo pipefail
source "$(dirname "$0")/lib/xsession.bash"
run_under_xvfb "$@"
player=$1
make_sandbox

openbox --config-file /dev/null >"$SANDBOX/openbox.log" 2>&1 &
for _ in $(seq 50); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
wmctrl -m >/dev/null 2>&1 || fail "openbox did not start: $(cat "$SANDBOX/openbox.log")"

"$player" 2>"$SANDBOX/stderr" &
pid=$!
splash=$(wait_for_window '^Kyvra Player$' 400x250 10) || fail "no splash"
wmctrl -i -c "$splash"
wait_for_window '^Kyvra Player$' 275x112 10 >/dev/null || fail "closing the splash left no panel"
[ -z "$(visible_windows '^Kyvra Player$' | while read -r id; do
    [ "$(window_size "$id")" = 400x250 ] && echo "$id"
done)" ] || fail "the splash is still up"
kill -0 $pid 2>/dev/null || fail "the player ended: $(cat "$SANDBOX/stderr")"
kill $pid
wait $pid 2>/dev/null || true
echo "splash_close: ok"
