#!/bin/sh
# Backs up a generated card of about 1 GB with `tumbo-cli backup --all` and copies the same
# files with `cp -r`, alternating, and prints the throughput of each and their ratio.
# Usage: bench/backup_vs_cp.sh [path/to/tumbo-cli] [runs]
set -eu
CLI=${1:-build/src/cli/tumbo-cli}
RUNS=${2:-3}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumbo-backup-bench.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

"$CLI" generate-card "$WORK/card" --events 2 --normals 10 --seconds 600 --reuse-pictures >/dev/null
BYTES=$(du -sb "$WORK/card" | cut -f1)
FILES=$(find "$WORK/card" -type f | wc -l)
cat "$WORK"/card/CH1/*/* "$WORK"/card/log/* >/dev/null  # both read from a warm cache

now() { date +%s.%N; }
best_cp=0
best_backup=0
i=0
while [ "$i" -lt "$RUNS" ]; do
    sync
    t0=$(now); cp -r "$WORK/card" "$WORK/cp-copy"; t1=$(now)
    rm -rf "$WORK/cp-copy"; sync
    t2=$(now); "$CLI" backup "$WORK/card" "$WORK/backup" --all >/dev/null; t3=$(now)
    rm -rf "$WORK/backup"
    best_cp=$(echo "$t0 $t1 $best_cp" | awk '{ t = $2 - $1; print (t < $3 || $3 == 0) ? t : $3 }')
    best_backup=$(echo "$t2 $t3 $best_backup" | awk '{ t = $2 - $1; print (t < $3 || $3 == 0) ? t : $3 }')
    i=$((i + 1))
done
echo "$BYTES $FILES $best_cp $best_backup" | awk '{
    mb = $1 / 1048576
    printf "card: %.0f MiB in %d files; best of '"$RUNS"' runs\n", mb, $2
    printf "cp -r:            %6.3f s  %7.1f MiB/s\n", $3, mb / $3
    printf "tumbo-cli backup: %6.3f s  %7.1f MiB/s\n", $4, mb / $4
    printf "backup / cp throughput: %.2f\n", $3 / $4
}'
