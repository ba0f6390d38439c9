#!/bin/bash
# Soak: the real wrenfold.exe in a tray on a private X display, driven for
# MINUTES with random legal actions through every tool window: opened from
# the tray menu with its access keys, random text (long and non-ANSI too) set
# into its boxes and typed on the keyboard, buttons pressed, lists picked,
# every message and input box answered with a random button, windows closed
# and reopened. Once a minute it checks the process lives, that the tray menu
# opens, and its memory, one CSV line each. It ends with Exit.
#   bench/soak/run.sh [MINUTES]    (default 60; build/win64 must hold wrenfold.exe)
# Everything runs in a throwaway Wine prefix whose only drive is its own C:
# (no Z: onto this machine's files), the explorer's Shell and Open with never
# run and its file actions only inside C:\scratch; the Run and Help Contents
# entries and About's System Info, which launch programs, are never used. Keys only go to windows on
# the private display. Log, CSV and screenshots stay in build/win64/soak.
set -u
minutes=${1:-60}
root=$(cd "$(dirname "$0")/../.." && pwd)
app=$root/build/win64/src/app
[ -f "$app/wrenfold.exe" ] || { echo "soak: build first: cmake --preset win64 && cmake --build --preset win64 -j2 --target wrenfold" >&2; exit 1; }
out=$root/build/win64/soak
work=$(mktemp -d /tmp/wf-soak.XXXXXX)
mkdir -p "$out"
rm -f "$out"/*.png
csv=$out/samples.csv log=$out/actions.log
: >"$log"
. "$root/scripts/desktop.sh"
cleanup() { desktop_stop; rm -rf "$work"; }
trap cleanup EXIT

x86_64-w64-mingw32-g++ -std=c++20 -O2 -static -o "$work/soak_helper.exe" "$root/bench/soak/SoakHelper.cpp" \
    || { echo "soak: the helper did not build" >&2; exit 1; }
prefix=$work/prefix
desktop_start || { echo "soak: no desktop" >&2; exit 1; }
wf_wine_prefix "$prefix" x11
rm -f "$prefix/dosdevices/z:"
mkdir -p "$prefix/drive_c/soak" "$prefix/drive_c/scratch/sub"
cp "$app"/*.exe "$app"/*.dll "$work/soak_helper.exe" "$prefix/drive_c/soak/" 2>/dev/null
cp "$app"/*.chm "$prefix/drive_c/soak/" 2>/dev/null
for i in $(seq 1 40); do head -c $((RANDOM * 8)) /dev/urandom >"$prefix/drive_c/scratch/f$i.txt"; done
convert -size 120x90 -seed 3 plasma:fractal "$prefix/drive_c/scratch/picture.jpg" 2>/dev/null

helper() { wine 'C:\soak\soak_helper.exe' "$@" 2>/dev/null; }
say() { echo "$(date +%T) $*" >>"$log"; }

# title | menu keys after the tray menu opens (tests/e2e/tray.sh's routes)
tools=(
    "MD5 Hashing|t n m"
    "Coder / Decoder|t d"
    "Number converter|t Up Up Up Up Up Return"
    "SendKeys Program|t Up Up Up Up Return"
    "Text-To-Speech|t t"
    "Simple Terminal v1.0|t r"
    "Send a message|t s"
    "Get user info|t g"
    "Network computer list|t Up Up Up Up Up Up Up Up Up Up Up Return"
    "Host Name From IP|t Up Up Up Up Up Up Up Up Up Up Up Up Return"
    "IP From Hostname|t Up Up Up Up Up Up Up Up Up Up Up Up Up Return"
    "Hard Drive Explorer (Formally 'Quillet')|t h"
    "Get all files in folder|t f"
    "Window Hide and Show|t w"
    "ASCII Picture Generator|t a"
    "About Wrenfold|h a"
)
# window_named takes a pattern: the explorer's title has parentheses.
pattern() { printf '%s' "$1" | sed 's/[][()*.^$\\]/\\&/g'; }

real_pid() {
    local p
    for p in $(pgrep -x wrenfold.exe); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && { echo "$p"; return 0; }
    done
    return 1
}

actions=0 crashes=0 hangs=0 starts=0

# A crash under Wine either ends the process or leaves it stopped under
# winedbg's "Program Error" box; both count. The box's details (the
# backtrace) are screenshot, then the prefix's processes end and the
# program starts afresh.
crashed() { ! kill -0 "$pid" 2>/dev/null || window_named "Program Error" >/dev/null; }
on_crash() {
    local box
    crashes=$((crashes + 1))
    say "CRASH $crashes: after the steps above"
    echo "soak: CRASH $crashes at $(date +%T), last steps: $(tail -4 "$log" | tr '\n' '|')"
    screenshot "$out/crash-$crashes.png" >/dev/null 2>&1
    if box=$(window_named "Program Error"); then
        xdotool mousemove --window "$box" 1 1 key --clearmodifiers alt+d
        # The backtrace takes winedbg some seconds to fill in.
        wait_for 5 window_named "Program Error Details" && sleep 8
        screenshot "$out/crash-$crashes-details.png" >/dev/null 2>&1
    fi
    wineserver -k >/dev/null 2>&1
    start_program || { echo "soak: could not restart" >&2; exit 1; }
}
start_program() {
    wrenfold_start 'C:\soak\wrenfold.exe' "$prefix" || return 1
    dismiss "$WF_NOTICE" Return
    pid=$(real_pid) || return 1
    starts=$((starts + 1)) started_at=$(date +%s)
    say "started, pid $pid (DISPLAY $DISPLAY, WINEPREFIX $prefix)"
}

# Answers prompts until none is left (bounded); a prompt's answer may raise the next.
answer_all() {
    local round n
    for round in 1 2 3 4 5 6; do
        n=$(helper answer "$RANDOM" | tee -a "$log" | wc -l)
        [ "$n" -gt 0 ] || return 0
        actions=$((actions + n))
        sleep 0.2
    done
}

open_tool() {
    local title=$1 keys=$2
    window_named "$(pattern "$title")" >/dev/null && return 0
    answer_all
    open_tray_menu 3 || { say "open $title: the tray menu did not open"; return 1; }
    # shellcheck disable=SC2086
    menu_keys $keys
    actions=$((actions + 1))
    say "open $title"
    wait_for 10 window_named "$(pattern "$title")" || say "open $title: no window within 10 s"
    close_menus
}

# Escape until no popup menu is left (a route that opened nothing leaves its menus up).
no_menu() { ! menu_window; }
close_menus() {
    local try
    for try in 1 2 3 4; do
        menu_window >/dev/null || return 0
        key_in "$(menu_window)" Escape
        wait_for 2 no_menu && return 0
    done
}

# Keyboard in the tool: Tab a few times, then type text or press a key.
keyboard() {
    local w=$1 title=$2 i texts
    texts=("12345" "FF" "Grüße aus Köln" "Привет" "日本語" "€uro ☃" "$(head -c 300 /dev/urandom | base64 -w0)" "a b c")
    # No window manager: focus follows the pointer, so the tool goes on top first.
    xdotool windowraise "$w"
    xdotool mousemove --window "$w" 2 2
    for i in $(seq 0 $((RANDOM % 6))); do xdotool key --clearmodifiers Tab; done
    case $((RANDOM % 3)) in
        0) xdotool type --delay 2 "${texts[RANDOM % ${#texts[@]}]}"; say "keys $title: Tab, type" ;;
        1) xdotool key --clearmodifiers space; say "keys $title: Tab, space" ;;
        2) xdotool key --clearmodifiers Return; say "keys $title: Tab, Return" ;;
    esac
    actions=$((actions + 1))
}

close_tool() {
    local w=$1 title=$2 key
    case $((RANDOM % 2)) in 0) key=Escape ;; 1) key=alt+F4 ;; esac
    answer_all
    xdotool windowraise "$w"
    if dismiss "$w" "$key"; then say "close $title ($key)"; else say "close $title ($key): still open"; fi
    actions=$((actions + 1))
}

# One random step on one random tool.
step() {
    local entry=${tools[RANDOM % ${#tools[@]}]} title keys w n
    title=${entry%%|*} keys=${entry#*|}
    w=$(window_named "$(pattern "$title")") || { open_tool "$title" "$keys"; return; }
    case $((RANDOM % 10)) in
        0 | 1 | 2 | 3 | 4 | 5)
            n=$(helper act "$title" "$RANDOM" $((5 + RANDOM % 11)) | tee -a "$log" | wc -l)
            actions=$((actions + n)) ;;
        6 | 7)
            # The explorer's keyboard could reach Shell to it; it gets only the helper's vetted actions.
            [ "${title#Hard Drive}" = "$title" ] && keyboard "$w" "$title" ;;
        *) close_tool "$w" "$title" ;;
    esac
    answer_all
}

sample() {
    local minute=$1 alive=1 menu=1 rss=0 private=0 anon=0
    if crashed; then
        alive=0
        on_crash
    else
        # Wine answers another process's private bytes and handle counts with
        # zeros, so the figures come from Linux: resident, private (mapped
        # files written or anonymous) and anonymous (the heaps) KiB.
        rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        anon=$(awk '/^RssAnon/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        private=$(awk '/^Private_/ {s += $2} END {print s + 0}' "/proc/$pid/smaps_rollup" 2>/dev/null)
        answer_all
        if open_tray_menu 3 2>>"$log"; then
            close_menus
        else
            menu=0 hangs=$((hangs + 1))
            say "HANG: the tray menu did not open at minute $minute (tray icon: $(tray_icon || echo none))"
            screenshot "$out/hang-$minute.png" >/dev/null 2>&1
        fi
    fi
    echo "$minute,$actions,$alive,$menu,${rss:-0},${private:-0},${anon:-0},$starts,$((($(date +%s) - started_at) / 60))" >>"$csv"
    echo "soak: minute $minute, $actions actions, rss ${rss:-0} KiB, private ${private:-0} KiB, anon ${anon:-0} KiB"
}

start_program || { echo "soak: wrenfold did not start" >&2; exit 1; }
echo "minute,actions,alive,menu_opens,rss_kib,private_kib,anon_kib,start,up_min" >"$csv"
sample 0
begin=$(date +%s)
for minute in $(seq 1 "$minutes"); do
    while [ "$(date +%s)" -lt $((begin + minute * 60)) ]; do
        step
        crashed && on_crash
    done
    sample "$minute"
done

# Exit from the tray menu; the process must end within 20 s.
answer_all
exit_ok=0
if open_tray_menu 3; then
    key_in "$(menu_window)" e
    wait_for 20 sh -c "! kill -0 $pid" && exit_ok=1
fi

# Least squares of memory on actions over the samples after the warm-up
# (the process's first fifth of the run, at least one minute). A crash restarts the
# program, so each run of the process keeps its own intercept and they share
# one slope: sums of deviations from each run's own means.
warm=$(( minutes / 5 > 1 ? minutes / 5 : 1 ))
slopes=$(awk -F, -v warm="$warm" 'NR > 1 && $9 >= warm && $3 == 1 {
        n++; g[n] = $8; x[n] = $2; cnt[$8]++; sx[$8] += $2
        for (c = 5; c <= 7; c++) { y[n, c] = $c; sy[$8, c] += $c } }
    END {
        split("rss private anon", name, " ")
        for (c = 5; c <= 7; c++) {
            sxx = 0; sxy = 0
            for (i = 1; i <= n; i++) {
                dx = x[i] - sx[g[i]] / cnt[g[i]]
                sxx += dx * dx; sxy += dx * (y[i, c] - sy[g[i], c] / cnt[g[i]])
            }
            printf "%s %+.1f KiB  ", name[c - 4], (sxx > 0 ? 1000 * sxy / sxx : 0)
        }
        printf "(over %d samples)\n", n }' "$csv")
echo "soak: $minutes min, $actions actions, $starts start(s), crashes $crashes, hangs $hangs, exit $([ $exit_ok = 1 ] && echo 'ended within 20 s' || echo 'FAILED')"
echo "soak: slope per 1 000 actions, $warm min after each start: $slopes"
echo "soak: samples in $csv, actions in $log"
[ "$crashes" = 0 ] && [ "$hangs" = 0 ] && [ "$exit_ok" = 1 ]
