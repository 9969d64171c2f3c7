#!/usr/bin/env bash
# Sets GetFileMd5 (md5_bench) against `openssl md5` and `md5sum` on the same 256 MiB file: runs
# the benchmark, times one digest per process for all three (hyperfine when installed, else the
# best of repeated runs), prints the ratios and our peak memory, which must stay under 16 MiB.
# Builds nothing: pass the md5_bench program, or it is looked for in build/linux.
#   tests/bench/update/md5_compare.sh [path/to/md5_bench]
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
bench=${1:-$repo/build/linux/tests/bench/update/md5_bench}
runs=${MD5_COMPARE_RUNS:-9}
memory_limit_kib=$((16 * 1024))

[ -x "$bench" ] || { echo "md5_compare: no md5_bench at $bench (build the linux preset)" >&2; exit 2; }
for tool in openssl md5sum /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "md5_compare: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/input.bin
head -c $((256 * 1024 * 1024)) /dev/urandom >"$input"
cat "$input" >/dev/null  # every tool then reads from the page cache

ours=$("$bench" --once "$input" | cut -d' ' -f1)
theirs=$(md5sum "$input" | cut -d' ' -f1)
ssl=$(openssl md5 -r "$input" | cut -d' ' -f1)
if [ "$ours" != "$theirs" ] || [ "$ours" != "$ssl" ]; then
    echo "md5_compare: digests differ: ours $ours, md5sum $theirs, openssl $ssl" >&2
    exit 1
fi

echo "== md5_bench (in-process, file in the page cache)"
TORVANE_MD5_BENCH_FILE=$input "$bench" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true

commands=("$bench --once $input" "openssl md5 $input" "md5sum $input")
names=(ours openssl md5sum)
declare -A best

if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs "$runs" --style basic --export-csv "$work/times.csv" \
        "${commands[@]}" >/dev/null
    # Columns: command,mean,stddev,median,user,system,min,max (seconds).
    for i in 0 1 2; do
        best[${names[$i]}]=$(awk -F, -v row=$((i + 2)) 'NR == row { printf "%d", $7 * 1e9 }' \
            "$work/times.csv")
    done
else
    # Interleaved, so that load from elsewhere on the machine hits all three alike; the best run
    # of each is the least disturbed one.
    for ((run = 0; run < runs; run++)); do
        for i in 0 1 2; do
            start=$(date +%s%N)
            ${commands[$i]} >/dev/null
            elapsed=$(($(date +%s%N) - start))
            name=${names[$i]}
            if [ -z "${best[$name]:-}" ] || [ "$elapsed" -lt "${best[$name]}" ]; then
                best[$name]=$elapsed
            fi
        done
    done
fi

peak_kib() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; }
ours_kib=$(peak_kib "$bench" --once "$input")

echo "== one digest per process, best of $runs (256 MiB)"
for name in ours openssl md5sum; do
    awk -v n="$name" -v ns="${best[$name]}" \
        'BEGIN { printf "%-8s %8.1f ms  %7.1f MiB/s\n", n, ns / 1e6, 256 / (ns / 1e9) }'
done
awk -v o="${best[ours]}" -v s="${best[openssl]}" -v m="${best[md5sum]}" \
    'BEGIN { printf "ratio ours/openssl %.3f, ours/md5sum %.3f\n", o / s, o / m }'
echo "peak memory of ours: $ours_kib KiB (limit $memory_limit_kib KiB);" \
    "openssl $(peak_kib openssl md5 "$input") KiB, md5sum $(peak_kib md5sum "$input") KiB"

if [ "$ours_kib" -ge "$memory_limit_kib" ]; then
    echo "md5_compare: peak memory over the limit" >&2
    exit 1
fi
