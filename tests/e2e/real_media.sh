#!/usr/bin/env bash
# Files as people have them, made here with ffmpeg and played with no sound device: phone clips
# turned by their stream, non-square pixels, odd and tiny sizes, sound only, a cover picture,
# several sound tracks, a film's own subtitle track. Each opens its window at the size it is meant
# to be seen at, plays to its end with the clock running, and a turned picture stands upright.
# KYVRA_PICTURE, when set, picks the picture path the whole table runs on.
source "$(dirname "$0")/lib/xsession.bash"
on_session_bus "$@"
start_session --plain-qt "$@"
media=$SANDBOX/media
mkdir -p "$media"

make() {
    local name=$1
    shift
    ffmpeg -v error -y "$@" "$media/$name" </dev/null || fail "ffmpeg could not make $name"
}
# The upright pattern: a moving test picture whose corners are red (top left), green (top right),
# blue (bottom left) and white, so that any turn or mirror shows in two of them.
corners="drawbox=w=iw/4:h=ih/4:color=red:t=fill,drawbox=x=iw*3/4:w=iw/4:h=ih/4:color=lime:t=fill"
corners+=",drawbox=y=ih*3/4:w=iw/4:h=ih/4:color=blue:t=fill"
corners+=",drawbox=x=iw*3/4:y=ih*3/4:w=iw/4:h=ih/4:color=white:t=fill"
# pattern NAME SIZE [ARGS]: five seconds of it at SIZE, ARGS before the output.
pattern() {
    local name=$1 size=$2
    shift 2
    make "$name" -f lavfi -i "testsrc=s=$size:r=25:d=5,$corners" "$@"
}
# turned NAME SIZE TURN: a picture upright at SIZE, stored turned back and tagged with TURN.
turned() {
    local back=([90]=transpose=clock [180]=hflip,vflip [270]=transpose=cclock)
    pattern "$1.stored.mp4" "$2" -vf "${back[$3]}"
    make "$1" -i "$media/$1.stored.mp4" -c copy -metadata:s:v:0 rotate="$3"
}
tone() { echo "sine=frequency=$1:duration=5"; }

# Inputs of the files the table makes, and the two too long for a row of it ("true" there).
pattern cover.png 200x150 -frames:v 1
printf '1\n00:00:00,000 --> 00:00:04,500\n<b>Inside</b> the film\n' >"$SANDBOX/lines.srt"
make cover.mp3 -f lavfi -i "$(tone 440)" -i "$media/cover.png" -map 0 -map 1 -c:v mjpeg \
    -disposition:v attached_pic -id3v2_version 3
pattern tracks.mkv 480x272 -f lavfi -i "$(tone 440)" -f lavfi -i "$(tone 880)" -map 0 -map 1 \
    -map 2 -disposition:a:1 default

# corner_is ID X Y COLOUR: fails unless the picture's pixels near X,Y (from its top left, below the
# window's 7-pixel top edge) are that colour.
corner_is() {
    window_shot "$1" "$SANDBOX/corner.png"
    local colour
    colour=$(convert "$SANDBOX/corner.png" -crop "4x4+$2+$(($3 + 7))" +repage -scale 1x1\! \
        -format '%[fx:round(r)],%[fx:round(g)],%[fx:round(b)]' info:)
    [ "$colour" = "$4" ] || fail "$name: at $2,$3 the picture is $colour, not $4: not upright"
}

# name, window (picture plus top edge; none: sound only), checks (moves, upright, subtitles), and
# after the colon how it is made: make, pattern or turned with what follows the name.
while read -r name size rest; do
    [ -n "$name" ] || continue
    checks=${rest%%:*}
    eval "set -- ${rest#*:}"
    "$1" "$name" "${@:2}"
    case $checks in *subtitles*) subs=yes ;; *) subs=no ;; esac
    write_settings $QUIET $STACKED useSubs=$subs KVR_SL=0 KVR_ST=11000
    start_player "$media/$name"
    video=
    if [ "$size" != none ]; then
        want=$size
        [ "$size" = - ] && want=not:275x112
        video=$(wait_for_window '^Kyvra Player$' "$want" 20) || fail "$name: no ${size} window"
    fi
    wait_for_status Playing 20 "$name"
    wait_until '[ "$(ctl position | cut -d. -f1)" -ge 1 ]' 10 >/dev/null ||
        fail "$name: the clock stands at $(ctl position)"
    [ "$(ctl metadata mpris:length)" -ge 4000000 ] || fail "$name: no length known"
    player_alive "playing $name"
    case $checks in *moves*) picture_moves "$video" "in $name" ;; esac
    case $checks in *upright*)
        read -r width height < <(window_size "$video" | tr x ' ')
        corner_is "$video" 2 2 1,0,0
        corner_is "$video" $((width - 6)) 2 0,1,0
        ;;
    esac
    case $checks in *subtitles*)
        subs_window=$(wait_for_window '^Subtitles$' 502x104 10) || fail "no subtitle window"
        wait_until 'shows_text "$subs_window"' 5 >/dev/null || fail "$name: its track never showed"
        ;;
    esac
    wait_for_status Stopped 15 "$name at its end"
    player_alive "at the end of $name"
    stop_player
done <<'TABLE'
upright90.mp4   272x487   moves upright : turned 272x480 90
upright180.mp4  480x279   moves upright : turned 480x272 180
upright270.mp4  272x487   moves upright : turned 272x480 270
plain.mp4       480x279   moves upright : pattern 480x272
tagged45.mp4    -         moves         : make -i "$media/plain.mp4" -c copy -metadata:s:v:0 rotate=45
odd.mp4         321x248   moves upright : pattern 321x241
oddturned.mp4   241x328   moves upright : turned 241x321 90
large.mp4       -         moves upright : pattern 1921x1081
tiny.mp4        160x167                 : pattern 2x2
tall.mp4        160x274                 : pattern 3x5
pal.mp4         1001x583  moves upright : pattern 704x576 -vf setsar=64/45
vfr.mp4         320x247   moves         : pattern 320x240 -vf "select='not(mod(n,3))'" -fps_mode vfr
sound.mp3       none                    : make -f lavfi -i "$(tone 440)"
sound.ogg       none                    : make -f lavfi -i "$(tone 440)" -c:a libvorbis
cover.mp3       200x157                 : true
tracks.mkv      480x279   moves         : true
subtitled.mkv   480x281   moves subtitles : make -i "$media/plain.mp4" -i "$SANDBOX/lines.srt" -c copy
TABLE
echo "real media${KYVRA_PICTURE:+ ($KYVRA_PICTURE)}: ok"
