#!/usr/bin/env bash
# Subtitles on: a film given on the command line plays with the Windows-1251 subtitle file beside
# it; white text shows in the subtitle window while the line is due, goes after it, and comes
# back when the seek bar jumps back to the start.
source "$(dirname "$0")/lib/xsession.bash"
start_session --plain-qt "$@"

cp "$samples/sample.avi" "$SANDBOX/film.avi"
# 25 fps: from 3 s to 6 s, in Russian, in the legacy Cyrillic code page.
printf '{75}{150}Привет, мир!|Вторая строка\r\n' | iconv -f UTF-8 -t WINDOWS-1251 >"$SANDBOX/film.sub"

# Panel under the video window, subtitles under the panel; nothing overlaps.
write_settings $QUIET useSubs=yes $STACKED KVR_SL=0 KVR_ST=12000

start_player "$SANDBOX/film.avi"
subs=$(wait_for_window '^Subtitles$' 502x104 20) || fail "no 502x104 subtitle window appeared"
panel=$(wait_for_window '^Kyvra Player$' 275x112 20) || fail "no panel"

has_text() { shows_text "$subs"; }

has_text && fail "text shows before the line is due"
wait_until has_text 15 >/dev/null || fail "the subtitle line never showed"
cp "$SANDBOX/text.png" "$SANDBOX/with-text.png"
lines=$(convert "$SANDBOX/with-text.png" -colorspace Gray -threshold 60% -trim -format '%h' info:)
[ "$lines" -gt 14 ] || fail "the line break did not give two lines of text ($lines pixels high)"
shown=$(wait_until '! has_text' 6) || fail "the line stayed after its end"
[ "$shown" -ge 2 ] || fail "the line showed only $shown s of its 3 s"
player_alive "after the line"

# The seek bar (Left 120, Top 1080 twips) near its start: the line is due again at 3 s.
xdotool mousemove --window "$panel" 10 74 click 1
wait_until has_text 8 >/dev/null || fail "after seeking back the line did not show again"

if [ -n "${KYVRA_E2E_SHOTS:-}" ]; then cp "$SANDBOX/with-text.png" "$KYVRA_E2E_SHOTS/subtitles.png"; fi
stop_player
echo "subtitles: ok"
