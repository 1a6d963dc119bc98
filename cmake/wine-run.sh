#!/bin/sh
# wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]: runs a Windows program of the build
# under Wine in the prefix PREFIX (created on first use), without a display, and
# ends with the program's status. The cross build's tests run through it.
set -e
WINEPREFIX=$1
shift
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

# Every program runs in one Wine session that outlives it: a wineserver kept for
# an hour after its last program, with Wine's background services already
# started. Left to itself, Wine starts a server that ends the moment no program
# runs (Debian's starts it with -p0), which under CTest happens between two tests
# now and then; a program starting while that server shuts down and the next one
# comes up could end at once, printing nothing. The first program to find no
# such session starts one, while the others wait on the lock: it ends whatever
# server is left, starts the lasting one and the services, and these get no
# output of ours, which they would hold open for as long as they live, holding
# up whoever waits for it (CTest). Each program marks the session when it starts;
# a session whose last program started more than half an hour ago may be about
# to end and is started anew.
lasting=3600
session=$WINEPREFIX.session

# The server working for the prefix, if any: Wine names its folder after the
# device and inode of the prefix.
server() {
    [ -d "$WINEPREFIX" ] || return 0
    folder=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
    for pid in $(pgrep -x 'wineserver(64)?'); do
        case $(readlink "/proc/$pid/cwd" 2>/dev/null) in */"$folder") echo "$pid" && return ;; esac
    done
}

# A Wine program that ended badly without a word is run once more under Wine's
# error channels, their output after a note on standard error; the first status
# stands. Into a file first, as what Wine starts in that run may outlive it.
explain() {
    status=$1 name=$2
    shift 2
    echo "wine-run.sh: $name ended with status $status and printed nothing; once more with WINEDEBUG=err+all:" >&2
    WINEDEBUG=err+all "$wine" "$@" >"$work/explained" 2>&1 </dev/null || true
    cat "$work/explained" >&2
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

exec 9>>"$WINEPREFIX.lock"
flock 9
pid=$(server)
if [ -z "$pid" ] || ! tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- " -p$lasting " ||
    [ $(($(date +%s) - $(stat -c %Y "$session" 2>/dev/null || echo 0))) -ge $((lasting / 2)) ]; then
    if [ -n "$pid" ]; then "$wineserver" -k 9>&- || true; fi
    mkdir -p "$WINEPREFIX"
    log=$WINEPREFIX.session.log
    : >"$log"
    "$wineserver" -p$lasting >>"$log" 2>&1 </dev/null 9>&- || [ $? -eq 2 ]
    status=0
    "$wine" cmd /c exit >>"$log" 2>&1 </dev/null 9>&- || status=$?
    if [ $status -ne 0 ]; then
        cat "$log" >&2
        [ -s "$log" ] || explain $status "starting the Wine session" cmd /c exit
        exit $status
    fi
fi
touch "$session"
exec 9>&-

# The program's output passes straight on, and a copy tells whether it printed
# anything.
status=0
{ { { "$wine" "$@" || echo $? >"$work/status"; } 2>&1 >&3 3>&- | tee "$work/err" >&2; } 3>&1 | tee "$work/out"; } ||
    true
[ ! -e "$work/status" ] || status=$(cat "$work/status")
if [ "$status" -ne 0 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ]; then explain "$status" "$1" "$@"; fi
exit "$status"
