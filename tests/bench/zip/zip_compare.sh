#!/usr/bin/env bash
# Sets ZipArchive (zip_bench) against `unzip` and `bsdtar` extracting the same ~100 MiB archive
# (10000 small files in 100 folders and four 16 MiB files, made by Info-ZIP zip): checks that
# ours extracts the same tree as unzip, runs the in-process benchmark, times one extraction per
# process for all three (hyperfine when installed, else the best of repeated runs) and prints the
# ratios. Ours should not be slower than unzip. Builds nothing: pass the zip_bench program, or it
# is looked for in build/linux.
#   tests/bench/zip/zip_compare.sh [path/to/zip_bench]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../../.." && pwd)
bench=${1:-$repo/build/linux/tests/bench/zip/zip_bench}
runs=${ZIP_COMPARE_RUNS:-5}

[ -x "$bench" ] || { echo "zip_compare: no zip_bench at $bench (build the linux preset)" >&2; exit 2; }
for tool in zip unzip bsdtar python3; do
    command -v "$tool" >/dev/null || { echo "zip_compare: $tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_bench_tree.py" "$work/tree"
archive=$work/bench.zip
(cd "$work/tree" && zip -q -r "$archive" small large)
rm -rf "$work/tree"
cat "$archive" >/dev/null  # every tool then reads from the page cache
archive_mib=$(awk -v b="$(stat -c %s "$archive")" 'BEGIN { printf "%.1f", b / 1048576 }')
entries=$(unzip -Z1 "$archive" | wc -l)

mkdir "$work/ours" "$work/unzip"
"$bench" --once "$archive" "$work/ours"
unzip -q "$archive" -d "$work/unzip"
if ! diff -r "$work/ours" "$work/unzip" >/dev/null; then
    echo "zip_compare: our extraction differs from unzip's" >&2
    exit 1
fi
rm -rf "$work/ours" "$work/unzip"

echo "== zip_bench (in-process, archive in the page cache, $archive_mib MiB, $entries entries)"
TORVANE_ZIP_BENCH_ARCHIVE=$archive "$bench" --benchmark_repetitions=3 \
    --benchmark_report_aggregates_only=true

out=$work/out
commands=("$bench --once $archive $out" "unzip -q -o $archive -d $out" "bsdtar -xf $archive -C $out")
names=(ours unzip bsdtar)
declare -A best

if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs "$runs" --style basic --export-csv "$work/times.csv" \
        --prepare "rm -rf $out && mkdir $out" "${commands[@]}" >/dev/null
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
            rm -rf "$out" && mkdir "$out"
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

echo "== one extraction per process, best of $runs ($archive_mib MiB, $entries entries)"
for name in ours unzip bsdtar; do
    awk -v n="$name" -v ns="${best[$name]}" -v mib="$archive_mib" \
        'BEGIN { printf "%-8s %8.1f ms  %7.1f MiB/s of archive\n", n, ns / 1e6, mib / (ns / 1e9) }'
done
awk -v o="${best[ours]}" -v u="${best[unzip]}" -v b="${best[bsdtar]}" \
    'BEGIN { printf "ratio ours/unzip %.3f, ours/bsdtar %.3f\n", o / u, o / b }'
if [ "${best[ours]}" -gt "${best[unzip]}" ]; then
    echo "zip_compare: ours was slower than unzip in this run"
fi
