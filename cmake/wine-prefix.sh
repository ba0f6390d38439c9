# Sourced: prepares a throwaway Wine prefix once, under a lock.
#   wf_wine_prefix PREFIX null|x11
# null: headless windows (Graphics=null); x11: a private display without a
# window manager, so windows are unmanaged (else each hidden captioned window
# stalls for two seconds); desktop: the user's own display, left as it is.
wf_wine_prefix() {
    local prefix=$1 driver=$2
    export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    [ -f "$prefix/.wf-ready" ] && return 0
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -f "$prefix/.wf-ready" ]; then
            # Daemons started here must not inherit the lock (fd 9), or every
            # later user of the lock waits for them.
            DISPLAY= wineboot --init >/dev/null 2>&1 9>&-
            if [ "$driver" = null ]; then
                wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1 9>&-
            elif [ "$driver" = x11 ]; then
                wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
            fi
            mkdir -p "$prefix/drive_c/windows/Fonts"
            cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null
            wineserver -w 9>&-
            touch "$prefix/.wf-ready"
        fi
    ) 9>"$prefix.lock"
}

# One persistent, detached server per prefix; without it every launch waits
# seconds for the previous server to wind down.
# The first program of a fresh server also starts the desktop process, which
# inherits that program's output and keeps it open for the server's life: a
# caller reading that output (ctest) would wait for ever. So the first
# program is always a silent one.
wf_wine_server() {
    wineserver -p </dev/null >/dev/null 2>&1 9>&- || true  # already running
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- || true
}
