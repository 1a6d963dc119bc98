#!/bin/sh
# wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]: runs a Windows program of the build
# under Wine in the prefix PREFIX (created on first use), without a display. The
# cross build's tests run through it.
set -e
WINEPREFIX=$1
shift
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

# The first program of a Wine session starts Wine's background services, which
# inherit its output and keep it open until the session ends, holding up whoever
# waits for that output (CTest). So they are started first, with no output of
# ours attached; the session then lasts while programs keep coming. Programs
# started together take turns at this, so that only one of them makes the prefix
# (the lock is not handed to Wine's services, which outlive this program).
flock -o "$WINEPREFIX.lock" "$wine" cmd /c exit >/dev/null 2>&1 </dev/null
exec "$wine" "$@"
