#!/bin/bash
# The terminal's log under a 50 MB stream in 4 KiB writes (through the real
# window under Wine, timed until the log holds every byte) against nc
# receiving the same stream from the same server to /dev/null, median of 3
# interleaved runs.
#   bench/terminal/run.sh [BUILD_DIR] [BYTES]   BUILD_DIR defaults to build/win64
# Needs terminal_bench built there: cmake --build BUILD_DIR --target terminal_bench
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
bytes=${2:-52428800}
exe=$build/bench/terminal/terminal_bench.exe
[ -f "$exe" ] || { echo "run.sh: $exe missing; build the terminal_bench target first" >&2; exit 1; }
nc=$(command -v ncat || command -v nc || true)
[ -n "$nc" ] || { echo "run.sh: neither ncat nor nc is installed (Debian: netcat-openbsd)" >&2; exit 1; }

. "$root/cmake/wine-prefix.sh"
wf_wine_prefix "$build/wineprefix" null
wf_wine_server

field() { tr -d '\r' <<<"$2" | awk -v k="$1" '$1 == k {print $2}'; }
median() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
port=$((20000 + RANDOM % 20000))

nc_s=() term_s=() paints=() breaks=()
for run in 1 2 3; do
    # nc: the bench exe serves, nc takes the stream once the port listens.
    served=$(mktemp)
    wine "$exe" serve "$port" "$bytes" >"$served" &
    server=$!
    for _ in $(seq 100); do grep -q listening "$served" 2>/dev/null && break; sleep 0.1; done
    t0=$(date +%s%N)
    got=$("$nc" -d 127.0.0.1 "$port" | wc -c)
    t1=$(date +%s%N)
    wait "$server"
    rm -f "$served"
    [ "$got" = "$bytes" ] || { echo "run.sh: nc received $got of $bytes bytes" >&2; exit 1; }
    nc_s+=("$(awk -v ns=$((t1 - t0)) 'BEGIN {printf "%.6f", ns / 1e9}')")

    out=$(wine "$exe" client "$bytes")
    term_s+=("$(field seconds "$out")")
    paints+=("$(field paints "$out")")
    breaks+=("$(field line_breaks "$out")")
    # Every byte kept: the letters are the stream's plus those of the two status lines.
    letters=$(field letters "$out")
    [ "$letters" -ge "$bytes" ] || { echo "run.sh: the log holds $letters letters of $bytes" >&2; exit 1; }
done

awk -v size="$bytes" -v n="$(median "${nc_s[@]}")" -v t="$(median "${term_s[@]}")" -v runs_n="${nc_s[*]}" \
    -v runs_t="${term_s[*]}" -v paints="${paints[*]}" -v breaks="${breaks[*]}" -v tool="$(basename "$nc")" 'BEGIN {
    printf "stream: %.0f MiB in 4 KiB writes over 127.0.0.1; the log kept every byte\n", size / 1048576
    printf "%-20s median %8.3f s  %8.1f MB/s   (runs: %s)\n", tool " to /dev/null:", n, size / 1e6 / n, runs_n
    printf "%-20s median %8.3f s  %8.1f MB/s   (runs: %s)\n", "terminal log:", t, size / 1e6 / t, runs_t
    printf "ratio log/%s throughput: %.3f (target: log >= 20 MB/s)\n", tool, n / t
    printf "log repaints while the data arrived: %s; arrivals (line breaks): %s\n", paints, breaks
}'
