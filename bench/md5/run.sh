#!/bin/bash
# MD5 throughput of aamd532.dll's MDFile (under Wine, timed inside the bench
# exe) against md5sum on the same 1 GiB file, median of 3 interleaved runs,
# plus the bench process's peak working set on a small and on the big file.
#   bench/md5/run.sh [BUILD_DIR]      BUILD_DIR defaults to build/win64
# Needs md5_bench built there: cmake --build BUILD_DIR --target md5_bench
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
app=$build/src/app
for f in md5_bench.exe aamd532.dll; do
    [ -f "$app/$f" ] || { echo "run.sh: $app/$f missing; build the md5_bench target first" >&2; exit 1; }
done

. "$root/cmake/wine-prefix.sh"
wf_wine_prefix "$build/wineprefix" null
wf_wine_server

big=$(mktemp /tmp/wf-md5-bench.XXXXXX)
small=$(mktemp /tmp/wf-md5-bench-small.XXXXXX)
trap 'rm -f "$big" "$small"' EXIT
head -c 1G /dev/urandom >"$big"
head -c 16M "$big" >"$small"
size=$(stat -c %s "$big")
cat "$big" >/dev/null  # both tools read from the page cache, not the disk

winpath() { echo "Z:${1//\//\\}"; }
field() { tr -d '\r' <<<"$2" | awk -v k="$1" '$1 == k {print $2}'; }
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }

ref=""
sum_s=() dll_s=() dll_peak=""
for run in 1 2 3; do
    t0=$(date +%s%N)
    digest=$(md5sum "$big" | cut -d' ' -f1)
    t1=$(date +%s%N)
    sum_s+=("$(awk -v ns=$((t1 - t0)) 'BEGIN {printf "%.6f", ns / 1e9}')")
    [ -z "$ref" ] && ref=$digest

    out=$(cd "$app" && wine md5_bench.exe "$(winpath "$big")")
    if [ "$(field digest "$out")" != "$ref" ]; then
        echo "run.sh: MDFile gave $(field digest "$out"), md5sum $ref" >&2
        exit 1
    fi
    dll_s+=("$(field seconds "$out")")
    dll_peak=$(field peak_kib "$out")
done
small_peak=$(field peak_kib "$(cd "$app" && wine md5_bench.exe "$(winpath "$small")")")

sum_med=$(median "${sum_s[@]}")
dll_med=$(median "${dll_s[@]}")
awk -v size="$size" -v s="$sum_med" -v d="$dll_med" -v runs_s="${sum_s[*]}" -v runs_d="${dll_s[*]}" \
    -v peak_big="$dll_peak" -v peak_small="$small_peak" 'BEGIN {
    printf "file: %.0f MiB of random bytes, digests agree\n", size / 1048576
    printf "md5sum:          median %.3f s  %7.1f MB/s   (runs: %s)\n", s, size / 1e6 / s, runs_s
    printf "aamd532 MDFile:  median %.3f s  %7.1f MB/s   (runs: %s)\n", d, size / 1e6 / d, runs_d
    printf "ratio MDFile/md5sum throughput: %.3f (target >= 0.95)\n", s / d
    printf "bench peak working set: %d KiB on 16 MiB, %d KiB on 1 GiB\n", peak_small, peak_big
}'
