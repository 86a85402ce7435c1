#!/usr/bin/env bash
# Scaled desktops on small screens, 125 % on a 1366x768 laptop and 150 % on 1280x800, nothing
# stored: the panel, the video window and the subtitle window open at their scaled sizes and
# wholly on the screen.
source "$(dirname "$0")/lib/xsession.bash"

for scale in "1366x768 120 344x140 628x130" "1280x800 144 413x168 753x156"; do
    read -r size dpi panel subs <<<"$scale"
    SCREEN_GEOMETRY=${size}x24 start_session "$@"
    echo "Xft.dpi: $dpi" | xrdb -merge
    write_settings $QUIET useSubs=yes
    start_player "$sample"
    id=$(wait_for_window '^Kyvra Player$' "$panel" 20) || fail "no $panel panel at $dpi DPI"
    wholly_on "$id" "$size"
    id=$(wait_for_window '^Subtitles$' "$subs" 20) || fail "no $subs subtitle window at $dpi DPI"
    wholly_on "$id" "$size"
    id=$(wait_for_window '^Kyvra Player$' "not:$panel" 20) || fail "no video window at $dpi DPI"
    wholly_on "$id" "$size"
    stop_player
    end_session
done
echo "scaled_desktops: ok"
