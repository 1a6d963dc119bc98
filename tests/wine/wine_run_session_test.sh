#!/bin/sh
# wine_run_session_test.sh RUNNER CASE: what cmake/wine-run.sh (RUNNER) does around
# a program, with stand-ins for Wine's programs first on PATH, so no Wine runs:
#   start-fails  the Wine server does not start, silently: the run fails, saying so
#   server-ends  the server ends while the program runs and the program then ends
#                with 0 and no word, as Wine's do: the run fails, saying so
#   no-input     the program reads nothing of what the caller's input holds
#   server-saves the server is found at work in the prefix, where it writes the
#                registry now and then: the run goes on in that session
set -u
runner=$1 case=$2
work=$(mktemp -d)
server=
trap '[ -z "$server" ] || kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/bin" "$work/prefix"
prefix=$work/prefix

# A stand-in for the lasting server: named and placed as wine-run.sh looks for it.
cat >"$work/bin/wineserver64" <<'EOF'
#!/bin/sh
while :; do sleep 1; done
EOF
chmod +x "$work/bin/wineserver64"
folder=$work/server-$(stat -c %D "$prefix")-$(printf %x "$(stat -c %i "$prefix")")
if [ "$case" != start-fails ]; then
    mkdir "$folder"
    at=$folder
    [ "$case" != server-saves ] || at=$prefix
    (cd "$at" && exec "$work/bin/wineserver64" -p3600) &
    server=$!
    touch "$prefix.session" "$prefix/.null-display"
fi
cat >"$work/bin/wineserver" <<'EOF'
#!/bin/sh
exit 1
EOF
cat >"$work/bin/wine64" <<EOF
#!/bin/sh
case $case in
server-ends) kill $server && while [ -e /proc/$server/cwd ] && [ -n "\$(readlink /proc/$server/cwd)" ]; do sleep 0.1; done ;;
no-input) if read -r line; then echo "read: \$line"; else echo "no input"; fi ;;
esac
EOF
chmod +x "$work/bin/wineserver" "$work/bin/wine64"

status=0
echo "what the caller types" | PATH="$work/bin:$PATH" "$runner" "$prefix" program.exe >"$work/out" 2>"$work/err" ||
    status=$?
echo "-- $case: status $status"
cat "$work/out" "$work/err"
case $case in
start-fails) [ "$status" -ne 0 ] && grep -q '^wine-run.sh: .*wineserver' "$work/err" ;;
server-ends) [ "$status" -ne 0 ] && grep -q '^wine-run.sh: the Wine server .* ended while' "$work/err" ;;
no-input) [ "$status" -eq 0 ] && [ "$(cat "$work/out")" = "no input" ] ;;
server-saves) [ "$status" -eq 0 ] && [ ! -s "$work/err" ] ;;
*) false ;;
esac
