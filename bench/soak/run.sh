#!/bin/bash
# Soak: the real wrenfold.exe in a tray on a private X display, driven for
# MINUTES with random legal actions through every tool window: opened from
# the tray menu with its access keys, random text (long and non-ANSI too) set
# into its boxes and typed on the keyboard, buttons pressed, lists picked,
# every message and input box answered with a random button, windows closed
# and reopened. Once a minute it closes every window and checks the process
# lives, that the tray menu opens, its memory and its GDI objects, windows and
# handles, one CSV line each. It ends with Exit.
#   bench/soak/run.sh [MINUTES]    (default 60; build/win64 must hold wrenfold.exe;
#                                  SOAK_OUT=DIR puts its files there, not in build/win64/soak)
# The prefix and its limits: lib.sh.
. "$(dirname "$0")/lib.sh"
minutes=${1:-60}
rm -f "$out"/*.png
csv=$out/samples.csv
soak_setup "$out/actions.log"

# A crash under Wine either ends the process or leaves it stopped under
# winedbg's "Program Error" box; both count. The box's details (the
# backtrace) are screenshot, then the prefix's processes end and the
# program starts afresh.
crashed() { ! kill -0 "$pid" 2>/dev/null || window_named "Program Error" >/dev/null; }
on_crash() {
    local box how="stopped under winedbg"
    crashes=$((crashes + 1))
    # An ending without winedbg's box has its status (the low byte of the
    # Windows exit code) kept by the wine launcher, a child of this script.
    if ! kill -0 "$pid" 2>/dev/null; then
        how=ended
        if ! kill -0 "$WF_PID" 2>/dev/null; then
            wait "$WF_PID" 2>/dev/null
            how="ended with status $?"
        fi
    fi
    say "CRASH $crashes: $how, after the steps above"
    echo "soak: CRASH $crashes at $(date +%T) ($how), last steps: $(tail -4 "$log" | tr '\n' '|')"
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

# Keyboard in the tool: Tab a few times, then type text or press a key.
keyboard() {
    local w=$1 title=$2 i texts
    texts=("12345" "FF" "Grüße aus Köln" "Привет" "日本語" "€uro ☃" "$(head -c 300 /dev/urandom | base64 -w0)" "a b c")
    take_focus "$w" || { say "keys $title: the window did not get the focus"; return; }
    for i in $(seq 0 $((RANDOM % 6))); do xdotool key --clearmodifiers Tab; done
    case $((RANDOM % 3)) in
        0) xdotool type --delay 2 "${texts[RANDOM % ${#texts[@]}]}"; say "keys $title: Tab, type" ;;
        1) xdotool key --clearmodifiers space; say "keys $title: Tab, space" ;;
        2) xdotool key --clearmodifiers Return; say "keys $title: Tab, Return" ;;
    esac
    actions=$((actions + 1))
}

# One random step on one random tool.
step() {
    local entry=${tools[RANDOM % ${#tools[@]}]} title keys esc w n
    IFS='|' read -r title keys esc <<<"$entry"
    w=$(window_named "$(pattern "$title")") || { open_tool "$title" "$keys"; return; }
    case $((RANDOM % 10)) in
        0 | 1 | 2 | 3 | 4 | 5)
            n=$(helper act "$title" "$RANDOM" $((5 + RANDOM % 11)) | tee -a "$log" | wc -l)
            actions=$((actions + n)) ;;
        6 | 7)
            # Keys could reach what the helper vets: the explorer's Shell to
            # it, About's System Info, Hide and Show's buttons on any window.
            case $title in
                Hard\ Drive* | About* | Window\ Hide*) ;;
                *) keyboard "$w" "$title" ;;
            esac ;;
        *) close_tool "$w" "$title" "$esc" ;;
    esac
    answer_all
}

sample() {
    local minute=$1 alive=1 menu=1 rss=0 private=0 anon=0 objects=-1,-1,-1,-1,-1,-1,
    if crashed; then
        alive=0
        on_crash
    else
        # Every sample is taken with every window closed (WM_CLOSE, prompts
        # answered), so that the figures compare the same state: the tray
        # alone, with whatever the program kept from the minutes before.
        helper closeall >"$work/closed" || { stuck=$((stuck + 1)); say "STUCK: a window did not close for the sample"; }
        cat "$work/closed" >>"$log"
        actions=$((actions + $(grep -vc '^still open' "$work/closed")))
        # Wine answers another process's private bytes with zeros, so the
        # memory figures come from Linux: resident, private (mapped files
        # written or anonymous) and anonymous (the heaps) KiB.
        rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        anon=$(awk '/^RssAnon/ {print $2}' "/proc/$pid/status" 2>/dev/null)
        private=$(awk '/^Private_/ {s += $2} END {print s + 0}' "/proc/$pid/smaps_rollup" 2>/dev/null)
        objects=$(stats)
        answer_all
        if open_tray_menu 3 2>>"$log"; then
            close_menus
        else
            menu=0 hangs=$((hangs + 1))
            say "HANG: the tray menu did not open at minute $minute (tray icon: $(tray_icon || echo none))"
            screenshot "$out/hang-$minute.png" >/dev/null 2>&1
        fi
    fi
    echo "$minute,$actions,$alive,$menu,${rss:-0},${private:-0},${anon:-0},$starts,$((($(date +%s) - started_at) / 60)),$objects" >>"$csv"
    echo "soak: minute $minute, $actions actions, rss ${rss:-0} KiB, private ${private:-0} KiB, anon ${anon:-0} KiB," \
        "gdi/windows/handles $(echo "$objects" | cut -d, -f1-3 | tr , /)"
}

start_program || { echo "soak: wrenfold did not start" >&2; exit 1; }
echo "minute,actions,alive,menu_opens,rss_kib,private_kib,anon_kib,start,up_min,gdi_objects,windows,handles,gdi_api,user_api,handles_api,gdi_types" >"$csv"
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

# Least squares of each figure on actions over the samples after the warm-up
# (the process's first fifth of the run, at least one minute). A crash
# restarts the program, so each run of the process keeps its own intercept
# and they share one slope: sums of deviations from each run's own means.
warm=$((minutes / 5 > 1 ? minutes / 5 : 1))
slopes=$(awk -F, -v warm="$warm" 'NR > 1 && $9 >= warm && $3 == 1 {
        n++; g[n] = $8; x[n] = $2; cnt[$8]++; sx[$8] += $2
        for (c = 5; c <= 12; c++) { y[n, c] = $c; sy[$8, c] += $c } }
    END {
        name[5] = "rss"; name[6] = "private"; name[7] = "anon"; name[10] = "gdi"; name[11] = "windows"; name[12] = "handles"
        for (c = 5; c <= 12; c++) {
            if (!(c in name)) continue
            sxx = 0; sxy = 0
            for (i = 1; i <= n; i++) {
                dx = x[i] - sx[g[i]] / cnt[g[i]]
                sxx += dx * dx; sxy += dx * (y[i, c] - sy[g[i], c] / cnt[g[i]])
            }
            printf "%s %+.1f%s  ", name[c], (sxx > 0 ? 1000 * sxy / sxx : 0), (c <= 7 ? " KiB" : "")
        }
        printf "(over %d samples)\n", n }' "$csv")
echo "soak: $minutes min, $actions actions, $starts start(s), crashes $crashes, hangs $hangs, exit $([ $exit_ok = 1 ] && echo 'ended within 20 s' || echo 'FAILED')"
echo "soak: keyboard closes that missed $missed (then WM_CLOSE), windows that did not close even on WM_CLOSE $stuck"
echo "soak: slope per 1 000 actions, $warm min after each start: $slopes"
echo "soak: samples in $csv, actions in $log"
[ "$crashes" = 0 ] && [ "$hangs" = 0 ] && [ "$stuck" = 0 ] && [ "$exit_ok" = 1 ]
