#!/bin/bash
# Files in folder against find(1) and a bare FindFirstFileW/FindNextFileW walk
# on a tree of 100 000 files in 1 000 folders, median of 5 runs each, interleaved; the
# listing's own memory on that tree and on a deep narrow one; then the window
# lists' refresh with 500 top-level windows.
#   bench/files/run.sh
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build "$root/build/win64" --target files_bench >/dev/null
. "$root/cmake/wine-prefix.sh"
wf_wine_prefix "$root/build/win64/wineprefix" null
wf_wine_server
bench="$root/build/win64/bench/files/files_bench.exe"

# 10 top folders of 100 subfolders each, 100 files in every subfolder.
for t in $(seq 0 9); do
    for s in $(seq 0 99); do
        d="$work/wide/t$t/s$s"
        mkdir -p "$d"
        (cd "$d" && touch f{0..99}.txt)
    done
done
# Deep and narrow: 200 levels, 10 files at each.
d="$work/deep"
for l in $(seq 1 200); do d="$d/l"; mkdir -p "$d"; (cd "$d" && touch g{0..9}.txt); done

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
wide=$(winepath -w "$work/wide")
finds=() walks=() lists=()
for i in 1 2 3 4 5; do
    start=$(date +%s%N)
    n=$(find "$work/wide" -type f | wc -l)
    finds+=($(( ($(date +%s%N) - start) / 1000 )))
    walks+=($(wine "$bench" walk "$wide" | tee -a "$work/log" | awk '{print $(NF-1)}'))
    lists+=($(wine "$bench" list "$wide" | tee -a "$work/log" | awk '{print $(NF-1)}'))
done
f=$(printf '%s\n' "${finds[@]}" | median)
w=$(printf '%s\n' "${walks[@]}" | median)
l=$(printf '%s\n' "${lists[@]}" | median)
echo "tree: $n files in 1 000 folders (+10 parents)"
tail -2 "$work/log"
echo "find -type f:          $(awk "BEGIN {printf \"%.1f\", $f / 1000}") ms (median of 5, wall)"
echo "bare FindFirstFileW:   $w ms (median of 5, in the exe)"
echo "Files in Folder list:  $l ms (median of 5, in the exe, real list box)"
echo "ratio listing / bare walk: $(awk "BEGIN {printf \"%.2f\", $l / $w}")"
echo "ratio listing / find:      $(awk "BEGIN {printf \"%.1f\", $l / ($f / 1000)}")"
echo "memory, wide tree: $(wine "$bench" memory "$wide")"
echo "memory, deep tree: $(wine "$bench" memory "$(winepath -w "$work/deep")")"
echo "$(wine "$bench" windows 500)"
