#!/bin/bash
# The generator against jp2a on the same photo-like JPEG, one character per
# pixel, median of 5 runs each, in one go.
#   bench/ascii/run.sh [WIDTHxHEIGHT]    (default 4000x3000)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
size=${1:-4000x3000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
command -v jp2a >/dev/null || { apt-get install -y -qq jp2a >/dev/null || sudo apt-get install -y -qq jp2a >/dev/null; }
cmake --build "$root/build/win64" --target ascii_bench >/dev/null
. "$root/cmake/wine-prefix.sh"
wf_wine_prefix "$root/build/win64/wineprefix" null
wf_wine_server
convert -size "$size" -seed 42 plasma:fractal -quality 90 "$work/photo.jpg"
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
in_win=$(winepath -w "$work/photo.jpg") out_win=$(winepath -w "$work/ours.htm")
ours=() theirs=()
for i in 1 2 3 4 5; do
    start=$(date +%s%N)
    line=$(wine "$root/build/win64/bench/ascii/ascii_bench.exe" "$in_win" "$out_win" 0)
    ours+=($(( ($(date +%s%N) - start) / 1000000 )))
    start=$(date +%s%N)
    jp2a --colors --html --size="$size" "$work/photo.jpg" > "$work/jp2a.html"
    theirs+=($(( ($(date +%s%N) - start) / 1000000 )))
done
echo "last run: $line"
o=$(printf '%s\n' "${ours[@]}" | median)
t=$(printf '%s\n' "${theirs[@]}" | median)
ob=$(stat -c %s "$work/ours.htm"); tb=$(stat -c %s "$work/jp2a.html")
echo "picture $size, median of 5 wall times (wine launch included for ours)"
echo "wrenfold: $o ms, $(( ob / 1000000 )) MB, $(awk "BEGIN {printf \"%.0f\", $ob / 1e6 / ($o / 1000)}") MB/s"
echo "jp2a:     $t ms, $(( tb / 1000000 )) MB, $(awk "BEGIN {printf \"%.0f\", $tb / 1e6 / ($t / 1000)}") MB/s"
echo "ratio (jp2a time / wrenfold time): $(awk "BEGIN {printf \"%.1f\", $t / $o}")"
