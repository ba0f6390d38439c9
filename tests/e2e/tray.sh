#!/bin/bash
# End to end: the real wrenfold.exe in a tray on a private X display.
# tray.sh EXE OUTDIR PREFIX WINDOW_TEXTS_EXE
set -u
exe=$1 out=$2 prefix=$3 texts=$4
. "$(dirname "$0")/../../scripts/desktop.sh"
mkdir -p "$out"
fail() { echo "e2e: FAILED: $*"; screenshot "$out/failure.png" >/dev/null 2>&1; desktop_stop; exit 1; }
trap desktop_stop EXIT
# Each window shot gets its window's geometry beside it, so that the help's
# pictures can be cut from the full-screen shots (make screenshots).
geometry() { xwininfo -id "$1" > "$out/$2.geom" 2>/dev/null; }

desktop_start || fail "no desktop"
wrenfold_start "$exe" "$prefix" || fail "wrenfold did not show its loaded notice"
[ "$(xdotool getwindowname "$WF_NOTICE")" = "Wrenfold now loaded!" ] || fail "notice title"
wait_for 10 tray_icon || fail "no tray icon while the notice is open"
screenshot "$out/notice.png"

# A second start, even with the notice open, hands over and ends at once: still one notice and one icon.
handed_over() { wine "$exe" "$@" >/dev/null 2>&1 & local p=$!; wait_for 30 sh -c "! kill -0 $p" && wait "$p"; }
icons() { xwininfo -root -tree | awk '/"panel"/ {p=1} p && /explorer.exe/' | wc -l; }
notices() { xdotool search --onlyvisible --name '^Wrenfold now loaded!$' 2>/dev/null | wc -l; }
icons_before=$(icons)
handed_over || fail "the second start did not end at once with 0"
[ "$(notices)/$(icons)" = "1/$icons_before" ] || fail "$(notices) notices, $(icons) icons after a second start"
dismiss "$WF_NOTICE" Return || fail "notice did not close"
# A third start with a picture: the running copy opens the generator with it.
convert -size 160x120 -seed 3 plasma:fractal "$out/handed.jpg"
handed_over "$(winepath -w "$out/handed.jpg" 2>/dev/null)" || fail "the third start did not end at once with 0"
wait_for 10 sh -c "wine '$texts' 'ASCII Picture Generator' | grep -qx 'Dimensions: 160x120'" \
    || fail "the generator did not open with the handed-over picture"
WF_TOOL=$(window_named "ASCII Picture Generator")
screenshot "$out/handed-over.png"
close_tool alt+F4

icon=$(tray_icon) || fail "tray icon gone after the notice"
screenshot "$out/icon.png"
open_tray_menu 3 || fail "right click did not open the menu"
screenshot "$out/menu.png"
geometry "$(menu_window)" menu

# Help > About opens frmAbout; Esc closes it.
menu_keys h a
wait_for 10 window_named "About Wrenfold" || fail "About did not open"
about=$(window_named "About Wrenfold")
screenshot "$out/about.png"
geometry "$about" about
dismiss "$about" Escape || fail "Esc did not close About"

# open_from_menu TITLE SHOT KEYS...: opens a tool window through the tray
# menu's access keys, screenshots it and closes it with its close box.
open_from_menu() {
    local title=$1 shot=$2 w
    shift 2
    open_tray_menu 3 || fail "the menu did not open for $title"
    # The pointer stays put while typing: over another menu it would select there.
    menu_keys "$@"
    wait_for 10 window_named "$title" || fail "$title did not open"
    w=$(window_named "$title")
    screenshot "$out/$shot.png"
    geometry "$w" "$shot"
    xdotool mousemove --window "$w" 20 20
    WF_TOOL=$w
}
close_tool() {
    dismiss "$WF_TOOL" "${1:-Escape}" || fail "$(xdotool getwindowname "$WF_TOOL" 2>/dev/null) did not close"
}

open_from_menu "MD5 Hashing" md5 t n m
close_tool alt+F4
open_from_menu "Coder / Decoder" coder t d
close_tool
# Three tool entries share the N key; five steps up from the end of the list
# land on the converter whatever was selected first.
open_from_menu "Number converter" numbers t Up Up Up Up Up Return
close_tool alt+F4
# S is shared with the message sender, and a shared access key runs the first
# entry that has it: four steps up from the end reach the keystroke sender.
open_from_menu "SendKeys Program" sendkeys t Up Up Up Up Return
close_tool
open_from_menu "Text-To-Speech" speech t t
close_tool alt+F4
open_from_menu "Simple Terminal v1.0" terminal t r
close_tool alt+F4
# Network tools: Wine runs a shared access key's first entry; two have none, so count up from the end.
open_from_menu "Send a message" message t s
close_tool alt+F4
open_from_menu "Get user info" userinfo t g
close_tool
open_from_menu "Network computer list" netenum t Up Up Up Up Up Up Up Up Up Up Up Return
close_tool
open_from_menu "Host Name From IP" ip2host t Up Up Up Up Up Up Up Up Up Up Up Up Return
close_tool
open_from_menu "IP From Hostname" host2ip t Up Up Up Up Up Up Up Up Up Up Up Up Up Return
close_tool
# The file and window tools; the explorer has no cancel button.
open_from_menu "Hard Drive Explorer \(Formally 'Quillet'\)" explorer t h
close_tool alt+F4
open_from_menu "Get all files in folder" filesinfolder t f
# Enter is OK: lists c:\ into the list, which draws its own lines; the window's look changes.
before=$(import -window "$WF_TOOL" -format %k info: 2>/dev/null)
key_in "$WF_TOOL" Return
wait_for 20 sh -c "[ \"\$(import -window $WF_TOOL -format %k info: 2>/dev/null)\" != '$before' ]" \
    || fail "Files in Folder showed no lines"
screenshot "$out/filesinfolder-listed.png"
geometry "$WF_TOOL" filesinfolder-listed
close_tool
open_from_menu "Window Hide and Show" winhideshow t w
close_tool alt+F4
# Run a Program asks first whether to browse; No gives the input box, and
# Esc there starts nothing. "&Run a Program..." comes before the "&Run" menu.
open_tray_menu 3 || fail "the menu did not open for Run a Program"
menu_keys r
wait_for 10 window_named "Question" || fail "Run a Program did not ask"
question=$(window_named "Question")
screenshot "$out/runprogram-question.png"
geometry "$question" runprogram-question
dismiss "$question" n || fail "No did not close the question"
wait_for 10 window_named "Program" || fail "Run a Program showed no input box"
asked=$(window_named "Program")
screenshot "$out/runprogram.png"
geometry "$asked" runprogram
dismiss "$asked" Escape || fail "Esc did not close the program input box"
open_tray_menu 3 || fail "the menu did not open again"
menu=$(menu_window)
key_in "$menu" e  # &Exit: every window is unloaded with the program
wait_for 20 sh -c "! kill -0 $WF_PID" || fail "Exit did not end the process"
wait_for 10 sh -c '! xwininfo -root -tree | awk "/\"panel\"/ {p=1} p && /explorer.exe/ {f=1} END {exit !f}"' \
    || fail "the tray icon is still there after Exit"

# Started with a picture on its command line, the generator opens with it
# loaded; and the left button opens the same menu.
convert -size 160x120 -seed 7 plasma:fractal "$out/picture.jpg"
wrenfold_start "$exe" "$prefix" "$(winepath -w "$out/picture.jpg" 2>/dev/null)" || fail "second start"
dismiss "$WF_NOTICE" Return || fail "second notice did not close"
open_tray_menu 1 || fail "left click did not open the menu"
menu_keys t a
wait_for 10 window_named "ASCII Picture Generator" || fail "the generator did not open"
WF_TOOL=$(window_named "ASCII Picture Generator")
screenshot "$out/ascii.png"
geometry "$WF_TOOL" ascii
wait_for 10 sh -c "wine '$texts' 'ASCII Picture Generator' | grep -qx 'Dimensions: 160x120'" \
    || fail "the generator does not show the picture's dimensions: $(wine "$texts" 'ASCII Picture Generator' | tr '\n' '|')"
# Exit with the generator still open: it is unloaded with everything else.
open_tray_menu 1 || fail "the menu did not open at the end"
key_in "$(menu_window)" e
wait_for 20 sh -c "! kill -0 $WF_PID" || fail "second Exit"
echo "e2e: passed (screenshots in $out)"
