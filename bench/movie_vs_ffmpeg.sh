#!/usr/bin/env bash
# Movie export speed against ffmpeg on the same 640 x 480 recording:
#   captioned export (Motion-JPEG, high) against
#     ffmpeg -framerate 30 -i frames/%05d.jpg -c:v mjpeg -q:v 2   (target >= 1.0 x its pictures/s)
#   captions in a band, picture blocks kept (--band)              (target >= 4 x the re-encoding)
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
export LOAD=$(cut -d" " -f1 /proc/loadavg)

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

# "wall cpu" seconds of the run with the best wall time; cpu is user + system time of all
# threads, which a loaded machine changes far less than the wall time.
best() {
    local fastest="" clock="$work/time"
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%e %U %S" -o "$clock" "$@" >/dev/null 2>&1
        fastest=$(awk -v f="$fastest" '{ w = $1; c = $2 + $3 } END {
            split(f, old, " "); if (f == "" || w < old[1]) print w, c; else print f }' "$clock")
    done
    echo "$fastest"
}

read -r ref_wall ref_cpu < <(best ffmpeg -v error -y -framerate 30 -i "$work/frames/%05d.jpg" -c:v mjpeg -q:v 2 "$work/ref.mp4")
read -r cap_wall cap_cpu < <(best "$cli" movie "$vdd" "$work/captions.mp4" --vehicle "BENCH 1234" --date --speed --latlng --sensor)
read -r band_wall band_cpu < <(best "$cli" movie "$vdd" "$work/band.mp4" --band --vehicle "BENCH 1234" --date --speed --latlng --sensor)
read -r copy_wall copy_cpu < <(best "$cli" movie "$vdd" "$work/copy.mp4")

awk -v n="$pictures" -v rw="$ref_wall" -v rc="$ref_cpu" -v cw="$cap_wall" -v cc="$cap_cpu" -v bw="$band_wall" -v bc="$band_cpu" \
    -v kw="$copy_wall" -v kc="$copy_cpu" 'BEGIN {
    printf "pictures: %d (640 x 480, 30 a second); load average %s\n", n, ENVIRON["LOAD"]
    printf "%-24s %8s %10s %8s %12s %9s\n", "", "wall s", "pictures/s", "x ffmpeg", "cpu s", "cpu ratio"
    printf "%-24s %8.3f %10.1f %8s %12.3f %9s\n", "ffmpeg mjpeg -q:v 2", rw, n / rw, "1.00", rc, "1.00"
    printf "%-24s %8.3f %10.1f %8.2f %12.3f %9.2f   target 1.0\n", "ours, captions", cw, n / cw, rw / cw, cc, rc / cc
    printf "%-24s %8.3f %10.1f %8.2f %12.3f %9.2f   target 4\n", "ours, captions in band", bw, n / bw, rw / bw, bc, rc / bc
    printf "%-24s %8.3f %10.1f %8.2f %12.3f %9.2f   target 10\n", "ours, pictures copied", kw, n / kw, rw / kw, kc, rc / kc
}'
