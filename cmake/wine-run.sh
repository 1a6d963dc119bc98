#!/bin/sh
# wine-run.sh PREFIX PROGRAM.exe [ARGUMENT...]: runs a Windows program of the build
# under Wine in the prefix PREFIX (created on first use), without a display and
# without input, and ends with the program's status. The cross build's tests run
# through it.
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
# to end and is started anew. What the server and the services say goes to the
# session's log, kept across sessions.
lasting=3600
session=$WINEPREFIX.session
log=$WINEPREFIX.session.log

# The server working for the prefix, if any: it works in a folder that Wine
# names after the device and inode of the prefix, and in the prefix itself for
# the moments it writes the registry files there.
server() {
    [ -d "$WINEPREFIX" ] || return 0
    folder=server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")
    prefix=$(cd "$WINEPREFIX" && pwd -P)
    for pid in $(pgrep -x 'wineserver(64)?'); do
        case $(readlink "/proc/$pid/cwd" 2>/dev/null) in */"$folder" | "$prefix") echo "$pid" && return ;; esac
    done
}

# What the session's log gained since it was FROM bytes long, on standard error.
logged_since() {
    [ "$(stat -c %s "$log" 2>/dev/null || echo 0)" -gt "$1" ] || return 0
    echo "wine-run.sh: the Wine session's log ($log) says:" >&2
    tail -c +$(($1 + 1)) "$log" >&2
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

# Whether the arguments run tests of a GoogleTest program (not list them).
gtest_run() {
    case " $* " in *" --gtest_list_tests "*) return 1 ;; *" --gtest_filter="*) return 0 ;; esac
    return 1
}

# No step of ours ends a run without saying so: until the program starts, a
# failure names the step, with what the session's log gained meanwhile.
step="preparing the run"
logged=$(stat -c %s "$log" 2>/dev/null || echo 0)
work=$(mktemp -d)
trap 'status=$?
if [ "$status" -ne 0 ] && [ -n "$step" ]; then
    echo "wine-run.sh: ended with status $status while $step for $1" >&2
    logged_since "$logged"
fi
rm -rf "$work"' EXIT

step="waiting for the Wine session's lock"
exec 9>>"$WINEPREFIX.lock"
flock 9
step="looking for the Wine session"
logged=$(stat -c %s "$log" 2>/dev/null || echo 0)
pid=$(server)
# Starts the lasting session: ends the prefix's server, if any, waiting until it
# is gone, then starts the server and Wine's services.
start_session() {
    step="ending the Wine session $pid"
    if [ -n "$pid" ]; then
        "$wineserver" -k 9>&- || true
        "$wineserver" -w 9>&- || true
    fi
    mkdir -p "$WINEPREFIX"
    echo "== $(date -u '+%F %T') a session started for $1" >>"$log"
    started=$(stat -c %s "$log")
    step="starting the Wine server (wineserver -p$lasting)"
    "$wineserver" -p$lasting >>"$log" 2>&1 </dev/null 9>&- || [ $? -eq 2 ]
    step="starting Wine's services (wine cmd /c exit)"
    status=0
    "$wine" cmd /c exit >>"$log" 2>&1 </dev/null 9>&- || status=$?
    if [ $status -ne 0 ]; then
        [ "$(stat -c %s "$log")" -gt "$started" ] || explain $status "starting the Wine session" cmd /c exit
        exit $status
    fi
    step="looking for the Wine session started"
    pid=$(server)
}

# Windows of the programs go to Wine's null display driver: the tests make real
# windows and need no screen. It is chosen once in the prefix's registry (which
# the server writes to its files only now and then, hence a mark of our own);
# Wine's services take their driver as they start, so they start anew with it.
null_display=$WINEPREFIX/.null-display
if [ -z "$pid" ] || ! tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q -- " -p$lasting " ||
    [ $(($(date +%s) - $(stat -c %Y "$session" 2>/dev/null || echo 0))) -ge $((lasting / 2)) ] ||
    [ ! -e "$null_display" ]; then
    start_session "$1"
    if [ ! -e "$null_display" ]; then
        step="choosing Wine's null display driver"
        "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >>"$log" 2>&1 </dev/null 9>&-
        start_session "$1"
        touch "$null_display"
    fi
fi
touch "$session"
exec 9>&-

# The program's output passes straight on, and a copy tells whether it printed
# anything. It gets no input: CTest hands its own to every test, and a terminal
# there would give each program a Wine console of its own on it, two at a time.
logged=$(stat -c %s "$log" 2>/dev/null || echo 0)
step=
status=0
{ { { "$wine" "$@" </dev/null || echo $? >"$work/status"; } 2>&1 >&3 3>&- | tee "$work/err" >&2; } 3>&1 |
    tee "$work/out"; } || true
[ ! -e "$work/status" ] || status=$(cat "$work/status")

# A program whose server went away under it ends as if it had finished well
# (status 0, nothing more printed), however far it got: such a run fails, and is
# not run again, which would only start a server of Wine's own.
now=$(server)
if [ "$now" != "$pid" ]; then
    echo "wine-run.sh: the Wine server ($pid) ended while $1 ran${now:+ (now $now)}; its status $status counts for nothing" >&2
    logged_since "$logged"
    [ "$status" -ne 0 ] || status=1
elif [ "$status" -ne 0 ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ]; then
    explain "$status" "$1" "$@"
    logged_since "$logged"
elif [ "$status" -eq 0 ] && gtest_run "$@" && ! grep -q '^\[  PASSED  \]' "$work/out"; then
    # A test program that ran its tests always ends with this summary; a Wine
    # process that went away early may still end with status 0.
    echo "wine-run.sh: $1 ended with status 0 before GoogleTest's summary line; it counts as failed" >&2
    status=1
    explain "$status" "$1" "$@"
    logged_since "$logged"
fi
exit "$status"
