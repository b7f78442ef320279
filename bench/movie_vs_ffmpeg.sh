#!/usr/bin/env bash
# Movie export speed against ffmpeg on the same 640 x 480 recording:
#   captioned export (Motion-JPEG, high) against
#     ffmpeg -framerate 30 -i frames/%05d.jpg -c:v mjpeg -q:v 2   (target >= 1.0 x its pictures/s)
#   camera pictures copied (no caption, no flip, jpeg, high)      (target >= 10 x the re-encoding)
# Each figure is the best of RUNS runs, so other work on the machine counts as little as it can.
# usage: bench/movie_vs_ffmpeg.sh [BUILD_DIR] [SECONDS] [RUNS]
set -euo pipefail

build=${1:-build}
seconds=${2:-60}
runs=${3:-3}
cli="$build/src/cli/tumbo-cli"
[ -x "$cli" ] || { echo "no $cli; build the tumbo-cli target first" >&2; exit 1; }
command -v ffmpeg >/dev/null || { echo "ffmpeg is needed" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen TZ=UTC LANGUAGE=en

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" generate-card "$work/card" --events 1 --normals 0 --logs 0 --seconds "$seconds" \
    --fps 30 --resolution 640x480 >/dev/null
vdd=$(find "$work/card" -name '*.vdd' | head -n 1)

# The camera's pictures as files, for ffmpeg: the copying export keeps them byte for byte.
"$cli" movie "$vdd" "$work/copy.mp4" >/dev/null 2>&1
mkdir "$work/frames"
ffmpeg -v error -i "$work/copy.mp4" -c copy -f image2 "$work/frames/%05d.jpg"
pictures=$(ls "$work/frames" | wc -l)

# Best wall time of a command, in seconds.
best() {
    local fastest=""
    for _ in $(seq "$runs"); do
        local t0 t1
        t0=$(date +%s.%N)
        "$@" >/dev/null 2>&1
        t1=$(date +%s.%N)
        fastest=$(echo "$t0 $t1 $fastest" | awk '{ d = $2 - $1; if ($3 == "" || d < $3) print d; else print $3 }')
    done
    echo "$fastest"
}

reference=$(best ffmpeg -v error -y -framerate 30 -i "$work/frames/%05d.jpg" -c:v mjpeg -q:v 2 "$work/ref.mp4")
captioned=$(best "$cli" movie "$vdd" "$work/captions.mp4" --vehicle "BENCH 1234" --date --speed --latlng --sensor)
copied=$(best "$cli" movie "$vdd" "$work/copy.mp4")

awk -v n="$pictures" -v r="$reference" -v c="$captioned" -v k="$copied" 'BEGIN {
    printf "pictures: %d (640 x 480, 30 a second)\n", n
    printf "ffmpeg mjpeg -q:v 2:      %6.3f s  %7.1f pictures/s\n", r, n / r
    printf "ours, captions:           %6.3f s  %7.1f pictures/s  %5.2f x ffmpeg (target 1.0)\n", c, n / c, r / c
    printf "ours, pictures copied:    %6.3f s  %7.1f pictures/s  %5.2f x ffmpeg (target 10)\n", k, n / k, r / k
}'
