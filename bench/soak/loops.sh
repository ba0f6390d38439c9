#!/bin/bash
# Which action grows the program? Each tool window opened from the tray and
# closed (WM_CLOSE) ROUNDS times, then ROUNDS x 10 of the helper's random
# actions in each (the same seeds every run; a click on its Exit reopens it),
# with the resident and heap memory, GDI objects, windows and handles before
# and after each loop.
#   bench/soak/loops.sh [ROUNDS] [open|act|dialog]   (default 10 rounds, all loops;
#                                                     table in build/win64/soak/loops.txt)
# dialog: MD5's file dialog opened and cancelled ROUNDS x 3 times, alone.
# The first open of each window happens before its loop: Wine loads the
# libraries a dialog needs on first use, which is no growth per open.
. "$(dirname "$0")/lib.sh"
rounds=${1:-10} only=${2:-}
table=$out/loops.txt
soak_setup "$out/loops.log"
start_program || { echo "loops: wrenfold did not start" >&2; exit 1; }

# resident KiB, heap KiB, GDI objects, windows, handles
figures() {
    local objects
    objects=$(stats)
    echo "$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status") $(awk '/^RssAnon/ {print $2}' "/proc/$pid/status")" \
        "$(echo "$objects" | cut -d, -f1-3 | tr , ' ')"
}
# row WHAT COUNT BEFORE AFTER: the change per 100 of what was looped.
row() {
    echo "$3 $4" | awk -v what="$1" -v n="$2" '{
        printf "%-48s %5d  rss %+8.1f  heap %+8.1f  gdi %+7.1f  windows %+6.1f  handles %+6.1f  (KiB, per 100)\n",
            what, n, ($6 - $1) * 100 / n, ($7 - $2) * 100 / n, ($8 - $3) * 100 / n, ($9 - $4) * 100 / n, ($10 - $5) * 100 / n }' |
        tee -a "$table"
}
close_named() { answer_all; helper close "$1" >>"$log"; }

echo "loops: $rounds rounds, $(date -u +%F)" | tee "$table"
for entry in "${tools[@]}"; do
    [ -n "$only" ] && [ "$only" != open ] && break
    IFS='|' read -r title keys _ <<<"$entry"
    open_tool "$title" "$keys" && close_named "$title"  # the warm-up open
    before=$(figures)
    for i in $(seq 1 "$rounds"); do
        open_tool "$title" "$keys" && close_named "$title"
    done
    row "open/close $title" "$rounds" "$before" "$(figures)"
done
for entry in "${tools[@]}"; do
    [ -n "$only" ] && [ "$only" != act ] && break
    IFS='|' read -r title keys _ <<<"$entry"
    open_tool "$title" "$keys"
    helper act "$title" 1 40 >>"$log"  # warm-up: the first file or colour dialog loads Wine's libraries
    # Both ends of a loop are measured with every window closed.
    helper closeall >>"$log"
    before=$(figures) n=0
    for i in $(seq 1 "$rounds"); do
        open_tool "$title" "$keys"  # again when a random click was its Exit
        n=$((n + $(helper act "$title" "$i" 10 | tee -a "$log" | wc -l)))
        answer_all
        kill -0 "$pid" 2>/dev/null || { echo "loops: the program ended during $title (see loops.log)" >&2; exit 1; }
    done
    helper closeall >>"$log"
    row "actions in $title" "$((n > 0 ? n : 1))" "$before" "$(figures)"
done

# Wine's file dialog itself keeps one handle each time it has shown a folder
# (a bare GetOpenFileNameW does the same), which this loop shows alone.
browse() {
    helper press "MD5 Hashing" "..." >>"$log"
    wait_for 10 window_named "Choose file\.\.\." || return 1
    helper press "Choose file..." "Cancel" >>"$log"
    wait_for 10 sh -c "! xdotool search --name '^Choose file' >/dev/null"
}
if [ -z "$only" ] || [ "$only" = dialog ]; then
    open_tool "MD5 Hashing" "t n m"
    browse  # warm-up
    before=$(figures)
    for i in $(seq 1 $((rounds * 3))); do browse || echo "loops: no file dialog" >&2; done
    row "MD5's file dialog opened and cancelled" $((rounds * 3)) "$before" "$(figures)"
fi
