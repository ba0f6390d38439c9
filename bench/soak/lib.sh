# shellcheck shell=bash
# Sourced by run.sh and loops.sh: a throwaway Wine prefix on a private Xvfb
# with a tray, the real wrenfold.exe in it, the Windows-side helper, and the
# steps that drive the program. Everything runs in a prefix whose only drive
# is its own C: (no Z: onto this machine's files), the explorer's Shell and
# Open with never run and its file actions only inside C:\scratch; the Run and
# Help Contents entries and About's System Info, which launch programs, are
# never used. Keys only go to windows on the private display. Logs, CSV and
# screenshots stay in build/win64/soak.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
app=$root/build/win64/src/app
[ -f "$app/wrenfold.exe" ] || { echo "soak: build first: cmake --preset win64 && cmake --build --preset win64 -j2 --target wrenfold" >&2; exit 1; }
out=${SOAK_OUT:-$root/build/win64/soak}  # another folder for a second run at the same time
work=$(mktemp -d /tmp/wf-soak.XXXXXX)
mkdir -p "$out"
. "$root/scripts/desktop.sh"
cleanup() { desktop_stop; rm -rf "$work"; }
trap cleanup EXIT

# soak_setup LOG: the helper, the desktop, the prefix with the program and a scratch folder.
soak_setup() {
    log=$1
    : >"$log"
    x86_64-w64-mingw32-g++ -std=c++20 -O2 -static -o "$work/soak_helper.exe" "$root/bench/soak/SoakHelper.cpp" \
        -lgdi32 -lpsapi -lntdll || { echo "soak: the helper did not build" >&2; exit 1; }
    prefix=$work/prefix
    desktop_start || { echo "soak: no desktop" >&2; exit 1; }
    wf_wine_prefix "$prefix" x11
    rm -f "$prefix/dosdevices/z:"
    mkdir -p "$prefix/drive_c/soak" "$prefix/drive_c/scratch/sub"
    cp "$app"/*.exe "$app"/*.dll "$work/soak_helper.exe" "$prefix/drive_c/soak/" 2>/dev/null
    cp "$app"/*.chm "$prefix/drive_c/soak/" 2>/dev/null
    for i in $(seq 1 40); do head -c $((RANDOM * 8)) /dev/urandom >"$prefix/drive_c/scratch/f$i.txt"; done
    convert -size 120x90 -seed 3 plasma:fractal "$prefix/drive_c/scratch/picture.jpg" 2>/dev/null
    # The program's first current folder is the one it is started in, and a
    # save under a bare name lands there: inside the prefix, not this tree.
    cd "$prefix/drive_c/scratch" || exit 1
}

helper() { wine 'C:\soak\soak_helper.exe' "$@" 2>/dev/null; }
say() { echo "$(date +%T) $*" >>"$log"; }

# title | menu keys after the tray menu opens (tests/e2e/tray.sh's routes) |
# esc when Esc closes the window (it has a cancel button); the others by
# design take Esc as nothing, so only Alt+F4 closes them from the keyboard.
tools=(
    "MD5 Hashing|t n m|-"
    "Coder / Decoder|t d|esc"
    "Number converter|t Up Up Up Up Up Return|-"
    "SendKeys Program|t Up Up Up Up Return|esc"
    "Text-To-Speech|t t|-"
    "Simple Terminal v1.0|t r|-"
    "Send a message|t s|-"
    "Get user info|t g|esc"
    "Network computer list|t Up Up Up Up Up Up Up Up Up Up Up Return|esc"
    "Host Name From IP|t Up Up Up Up Up Up Up Up Up Up Up Up Return|esc"
    "IP From Hostname|t Up Up Up Up Up Up Up Up Up Up Up Up Up Return|esc"
    "Hard Drive Explorer (Formally 'Quillet')|t h|-"
    "Get all files in folder|t f|esc"
    "Window Hide and Show|t w|-"
    "ASCII Picture Generator|t a|-"
    "About Wrenfold|h a|esc"
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

actions=0 crashes=0 hangs=0 starts=0 missed=0 stuck=0

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

# The titles of the program's visible windows, one a line, sorted.
open_titles() { helper list | sed -n 's/^[^"]*"\(.*\)"\r*$/\1/p' | sort; }
gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$(printf %d "$1")" ]; }

# Gives WINDOW the keyboard: a click on its caption, as a user would, then a
# bounded wait until Wine has handed it the X focus. Without a window manager
# the pointer alone moves no focus once Wine has set it on a window: a key
# sent then went to the window that had it (and Alt+F4 closed that one).
take_focus() {
    xdotool windowraise "$1"
    xdotool mousemove --window "$1" 60 10 click 1
    wait_for 5 has_focus "$1"
}

# Closes a tool window from the keyboard (Esc where it has a cancel button,
# else Alt+F4) after answering every prompt, the key only once the window has
# the focus. A close that did not happen is logged with why (where the focus
# was, prompts up, another window closed instead), then the window gets
# WM_CLOSE through the helper, as its close box would; one that does not go
# even then is a fault of the program.
close_tool() {
    local w=$1 title=$2 esc=$3 key=alt+F4 before focus prompts instead
    [ "$esc" = esc ] && [ $((RANDOM % 2)) = 0 ] && key=Escape
    answer_all
    # About has no minimize box, so the helper answers it as a box (its OK).
    gone "$w" && { say "close $title: went with the answers to the boxes"; return 0; }
    before=$(open_titles)
    if take_focus "$w"; then
        xdotool key --clearmodifiers "$key"
        actions=$((actions + 1))
        if wait_for 4 gone "$w"; then say "close $title ($key)"; return 0; fi
    else
        key="no key: the focus did not arrive"
    fi
    missed=$((missed + 1))
    focus=$(xdotool getwindowfocus getwindowname 2>/dev/null || echo none)
    prompts=$(helper list | grep -c '^prompt ' || true)
    instead=$(comm -23 <(echo "$before") <(open_titles) | tr '\n' '|')
    say "close $title ($key): still open; focus on \"$focus\", prompts up: $prompts, closed instead: ${instead:-none}"
    helper close "$title" >>"$log"
    case $? in
    0 | 3) say "close $title: gone after WM_CLOSE" ;;  # 3: gone before it was sent
    *)
        stuck=$((stuck + 1))
        say "STUCK: $title did not close on WM_CLOSE within 10 s"
        screenshot "$out/stuck-$stuck.png" >/dev/null 2>&1 ;;
    esac
}

# The object counts of the program (SoakHelper.cpp's Stats):
# gdi_objects,windows,handles,gdi_api,user_api,handles_api,gdi_types
stats() {
    local line
    line=$(helper stats | tr -d '\r')
    IFS=, read -r gdi_api user_api handles_api _private gdi handles windows gdi_types <<<"$line"
    echo "${gdi:--1},${windows:--1},${handles:--1},${gdi_api:--1},${user_api:--1},${handles_api:--1},${gdi_types:-}"
}
