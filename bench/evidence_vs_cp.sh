#!/bin/sh
# Makes an evidence package whose originals are a generated card of about 1 GB and, on the
# same originals, runs `cp -r` followed by `sha256sum` of the copies (and the same with a
# `sync` after the copy, since the package flushes every file), alternating, best of RUNS.
# The chosen recording is a 2 s event recording dropped into the card, so the derived files
# (its movie, still, tracks and report) stay small and the figure is the copying and hashing.
# Usage: bench/evidence_vs_cp.sh [path/to/tumbo-cli] [runs] [normal recordings of 600 s, 11 for ~1 GB]
set -eu
CLI=${1:-build/src/cli/tumbo-cli}
RUNS=${2:-3}
NORMALS=${3:-11}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumbo-evidence-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

"$CLI" generate-card "$WORK/card" --events 0 --normals "$NORMALS" --seconds 600 --reuse-pictures >/dev/null
"$CLI" generate-card "$WORK/small" --events 1 --normals 0 --seconds 2 --reuse-pictures >/dev/null
mkdir -p "$WORK/card/CH1/event"
cp "$WORK"/small/CH1/event/* "$WORK/card/CH1/event/"
CHOSEN=$(ls "$WORK"/card/CH1/event/*.vdd | head -n 1)
BYTES=$(du -sb "$WORK/card" | cut -f1)
FILES=$(find "$WORK/card" -type f | wc -l)
cat "$WORK"/card/CH1/*/* "$WORK"/card/log/* >/dev/null  # every side reads from a warm cache

now() { date +%s.%N; }
best() { echo "$1 $2 $3" | awk '{ t = $2 - $1; print (t < $3 || $3 == 0) ? t : $3 }'; }
cp_hash=0
cp_sync_hash=0
package=0
i=0
while [ "$i" -lt "$RUNS" ]; do
    sync
    t0=$(now); cp -r "$WORK/card" "$WORK/copy"; (cd "$WORK/copy" && find . -type f -exec sha256sum {} + >/dev/null); t1=$(now)
    rm -rf "$WORK/copy"; sync
    t2=$(now); cp -r "$WORK/card" "$WORK/copy"; sync; (cd "$WORK/copy" && find . -type f -exec sha256sum {} + >/dev/null); t3=$(now)
    rm -rf "$WORK/copy"; sync
    t4=$(now); "$CLI" evidence "$WORK/card" "$CHOSEN" "$WORK/out" --margin 86400 >/dev/null; t5=$(now)
    rm -rf "$WORK/out"
    cp_hash=$(best "$t0" "$t1" "$cp_hash")
    cp_sync_hash=$(best "$t2" "$t3" "$cp_sync_hash")
    package=$(best "$t4" "$t5" "$package")
    i=$((i + 1))
done
echo "$BYTES $FILES $cp_hash $cp_sync_hash $package" | awk '{
    mb = $1 / 1048576
    printf "originals: %.0f MiB in %d files; best of '"$RUNS"' runs\n", mb, $2
    printf "cp -r + sha256sum:        %6.3f s  %7.1f MiB/s\n", $3, mb / $3
    printf "cp -r + sync + sha256sum: %6.3f s  %7.1f MiB/s\n", $4, mb / $4
    printf "tumbo-cli evidence:       %6.3f s  %7.1f MiB/s\n", $5, mb / $5
    printf "evidence / (cp + sha256sum):        %.2f\n", $5 / $3
    printf "evidence / (cp + sync + sha256sum): %.2f\n", $5 / $4
}'
