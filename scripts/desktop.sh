# Sourced: a private X desktop with a tray host, and the steps that drive
# Wrenfold on it. Every wait is bounded and polls a condition.
WF_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$WF_ROOT/cmake/wine-prefix.sh"

# wait_for SECONDS COMMAND...: true once COMMAND succeeds, false after SECONDS.
wait_for() {
    local limit=$1; shift
    local end=$(( $(date +%s%N) + limit * 1000000000 ))
    until "$@" >/dev/null 2>&1; do
        [ "$(date +%s%N)" -lt "$end" ] || return 1
        sleep 0.05
    done
}

# Starts Xvfb on a free display and trayer at the bottom right.
desktop_start() {
    local d
    for d in $(seq 90 160); do
        [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ] || break
    done
    Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WF_XVFB=$!
    export DISPLAY=":$d"
    wait_for 10 xdpyinfo || { echo "desktop: Xvfb did not start" >&2; return 1; }
    trayer --edge bottom --align right --widthtype request --height 32 --SetDockType true \
        --transparent false >/dev/null 2>&1 &
    WF_TRAYER=$!
    wait_for 10 sh -c 'xwininfo -root -tree | grep -q "\"panel\""' || { echo "desktop: no tray host" >&2; return 1; }
}

desktop_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1  # its desktop belonged to this display
    [ -n "${WF_TRAYER:-}" ] && kill "$WF_TRAYER" 2>/dev/null
    [ -n "${WF_XVFB:-}" ] && kill "$WF_XVFB" 2>/dev/null
    wait 2>/dev/null
    return 0
}

# window_named NAME: the id of the mapped top-level window with that title.
window_named() {
    local id
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && { echo "$id"; return 0; }
    done
    return 1
}

# The tray icon: the window docked in trayer's panel.
tray_icon() {
    local id
    id=$(xwininfo -root -tree | awk '/"panel"/ {p=1} p && /explorer.exe/ {print $1; exit}')
    [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && echo "$id"
}

# A popup menu: an untitled, viewable window of wrenfold.exe of some size.
menu_window() {
    local id
    for id in $(xwininfo -root -tree | awk '/\(has no name\): \("wrenfold.exe"/ {print $1}'); do
        if xwininfo -id "$id" | grep -q IsViewable && [ "$(xwininfo -id "$id" | awk '/Height:/ {print $2}')" -gt 50 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Presses KEY with the pointer over WINDOW (no window manager: focus follows
# the pointer). The pointer rests on the window's frame, where it hovers over
# no menu item.
key_in() {
    xdotool mousemove --window "$1" 1 1 && xdotool key --clearmodifiers "$2"
}

# The tray icon once docked: viewable in the panel, larger than a pixel, and
# at the same place and size on two readings in a row. A fresh Wine prefix
# maps the icon before trayer has finished embedding it, and a click then
# reaches nothing.
tray_icon_docked() {
    local id first second
    id=$(tray_icon) || return 1
    first=$(xwininfo -id "$id" 2>/dev/null | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}')
    sleep 0.2
    second=$(xwininfo -id "$id" 2>/dev/null | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}')
    [ -n "$first" ] && [ "$first" = "$second" ] && [ "$(echo "$first" | awk '{print ($3 > 1 && $4 > 1)}')" = 1 ]
}

# open_tray_menu BUTTON: clicks the docked tray icon until its menu is up,
# five clicks at most. Right after a window of the program closes, the tray
# can let a click pass unseen; a click while the menu is closed is harmless
# to repeat. Says why when it gives up.
open_tray_menu() {
    local try
    for try in 1 2 3 4 5; do
        wait_for 20 tray_icon_docked || { echo "desktop: the tray icon was not docked within 20 s" >&2; return 1; }
        xdotool mousemove --window "$(tray_icon)" 5 5 click "$1"
        wait_for 3 menu_window && return 0
    done
    echo "desktop: the menu did not open after 5 clicks on the docked icon" >&2
    return 1
}

# The number of popup menus open now.
menu_count() {
    local id n=0
    for id in $(xwininfo -root -tree | awk '/\(has no name\): \("wrenfold.exe"/ {print $1}'); do
        xwininfo -id "$id" | grep -q IsViewable && [ "$(xwininfo -id "$id" | awk '/Height:/ {print $2}')" -gt 50 ] \
            && n=$((n + 1))
    done
    echo "$n"
}

# menu_count_above N: more than N popup menus are open.
menu_count_above() { [ "$(menu_count)" -gt "$1" ]; }

# menu_keys KEY...: types the keys into the open menu, the pointer resting on
# its frame. A letter may open a submenu, and a key typed before that submenu
# is up goes to the menu before it: after a letter, the next key waits for a
# new menu (bounded; a letter that opens none lets it go after the bound).
menu_keys() {
    local before
    xdotool mousemove --window "$(menu_window)" 1 1
    while [ $# -gt 0 ]; do
        before=$(menu_count)
        xdotool key --clearmodifiers "$1"
        if [ $# -gt 1 ] && [ "${#1}" = 1 ]; then wait_for 3 menu_count_above "$before"; fi
        shift
    done
}

# Presses KEY in a dialog window once Wine has given it the keyboard focus
# (the pointer over it asks for that).
focus_key() {
    xdotool mousemove --window "$1" 30 30
    wait_for 5 sh -c "[ \"\$(xdotool getwindowfocus)\" = \"$(printf %d "$1")\" ]"
    xdotool key --clearmodifiers "$2"
}

# dismiss WINDOW KEY: presses KEY in the window until it is gone. Focus under
# Wine's unmanaged windows can arrive a moment after it is reported; a key
# that fell elsewhere is simply pressed again.
dismiss() {
    local try
    for try in 1 2 3; do
        focus_key "$1" "$2"
        wait_for 4 sh -c "! xwininfo -id $1 2>/dev/null | grep -q IsViewable" && return 0
    done
    return 1
}

# wrenfold_start EXE PREFIX [ARGS...]: starts wrenfold.exe under Wine (WF_PID) and waits for its loaded notice
# (WF_NOTICE). A launch that dies at once is Wine's rare start-up failure: it
# is retried once, and said.
wrenfold_start() {
    local exe=$1 prefix=$2 try
    shift 2
    wf_wine_prefix "$prefix" x11
    wf_wine_server
    for try in 1 2; do
        wine "$exe" "$@" >/dev/null 2>&1 &
        WF_PID=$!
        local end=$(( $(date +%s) + 60 ))
        while [ "$(date +%s)" -lt "$end" ]; do
            WF_NOTICE=$(window_named "Wrenfold now loaded!") && return 0
            kill -0 "$WF_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill -0 "$WF_PID" 2>/dev/null && { echo "desktop: no loaded notice within 60 s" >&2; return 1; }
        echo "desktop: wine launch ended before the notice (try $try)" >&2
    done
    return 1
}

screenshot() {
    import -window root "$1" && echo "screenshot: $1"
}
