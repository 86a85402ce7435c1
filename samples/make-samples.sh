#!/usr/bin/env bash
# Regenerates the sample clips and the subtitle file in this folder. The sources are synthetic
# (a moving test picture and a sine tone) and every encoder runs single-threaded in bit-exact
# mode, so the same ffmpeg build gives byte-identical files.
set -euo pipefail

cd "$(dirname "$0")"

ffmpeg_quiet() {
    ffmpeg -hide_banner -loglevel error -nostdin -y "$@"
}

# Picture and tone of the given length, 352x240 at 25 fps.
sources() {
    local seconds=$1 rate=${2:-25}
    echo -f lavfi -i "testsrc2=size=352x240:rate=${rate}:duration=${seconds}"
    echo -f lavfi -i "sine=frequency=440:beep_factor=4:sample_rate=44100:duration=${seconds}"
}

exact=(-map_metadata -1 -fflags +bitexact -flags:v +bitexact -flags:a +bitexact -threads 1)

# AVI: MPEG-4 Part 2 video with the common four-character code, MP3 sound.
# shellcheck disable=SC2046
ffmpeg_quiet $(sources 10) "${exact[@]}" \
    -c:v mpeg4 -vtag XVID -b:v 300k -g 25 -c:a libmp3lame -b:a 64k -ac 1 \
    sample.avi

# MPEG-1 program stream with MP2 sound.
# shellcheck disable=SC2046
ffmpeg_quiet $(sources 5) "${exact[@]}" \
    -c:v mpeg1video -b:v 400k -g 12 -c:a mp2 -b:a 96k -ac 1 -f mpeg \
    sample.mpg

# wmv2 video and wmav2 sound in an ASF container, under both of its usual file names; the
# lengths differ so that the two files can be told apart.
for clip in "sample.wmv 5" "sample.asf 4"; do
    read -r name seconds <<<"$clip"
    # shellcheck disable=SC2046
    ffmpeg_quiet $(sources "$seconds") "${exact[@]}" \
        -c:v wmv2 -b:v 300k -g 25 -c:a wmav2 -b:a 64k -ac 1 -f asf \
        "$name"
done

# A Video CD track: the standard's fixed MPEG-1 stream, as the disc's MPEGAV folder holds it.
mkdir -p vcd/MPEGAV
# shellcheck disable=SC2046
ffmpeg_quiet $(sources 3 30000/1001) "${exact[@]}" \
    -target ntsc-vcd -f vcd \
    vcd/MPEGAV/AVSEQ01.DAT

# Subtitles for sample.avi (25 fps): start and end frames in braces, "|" breaks a line.
printf '%s\r\n' \
    '{25}{60}Kyvra sample clip' \
    '{75}{120}A moving test picture|and a steady tone' \
    '{130}{170}Frames 130 to 170' \
    '{180}{215}Nearly there' \
    '{225}{249}The end' \
    >sample.sub

ls -l sample.* vcd/MPEGAV/AVSEQ01.DAT
