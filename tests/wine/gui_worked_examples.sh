#!/bin/sh
# gui_worked_examples.sh PELIN.EXE WORK: the two worked examples answered in
# pelin.exe's own windows under Wine, on the caller's X display (Xvfb), driven
# from outside with xdotool as a user would: the example's answers are the
# saved ones of a Pelin.ini beside the program (start-up puts them into the
# steps), the source text is typed into the source dialog that start-up opens,
# 次へ (Alt+F) goes through the steps, the page's place is typed into the save
# dialog of step 9's 選択... button, and 次へ converts. WORK is the folder
# .ci/windows prepared: first.ini/one.txt and second.ini/two.txt, and the Linux
# converter's pages in linux/; each page must be that page byte for byte.
set -eu
exe=$1 work=$(cd "$2" && pwd -P)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$work/gui/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k 2>/dev/null || true' EXIT

# The Windows name of a file here: Wine shows the root folder as drive Z:.
windows_name() { printf 'Z:%s' "$1" | tr / '\\'; }

# waitfor PATTERN: the window whose title matches, once it is there (20 s at most).
waitfor() {
    for _ in $(seq 200); do
        id=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ] && echo "$id" && return
        sleep 0.1
    done
    echo "gui_worked_examples.sh: no window named like '$1' came up" >&2
    return 1
}

# typein WINDOW TEXT: focuses the window and types TEXT and Enter.
typein() {
    for _ in $(seq 20); do xdotool windowfocus "$1" 2>/dev/null && break || sleep 0.1; done
    sleep 0.2
    xdotool type --delay 5 "$2"
    xdotool key Return
}

for example in first:one second:two; do
    ini=${example%%:*} source=${example##*:}
    folder=$work/gui/$ini
    rm -rf "$folder" && mkdir -p "$folder"
    cp "$exe" "$folder/pelin.exe"
    cp "$work/$ini.ini" "$folder/Pelin.ini"
    # A Wine session of its own, its services started, as on a Windows desktop.
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p
    "$wine" cmd /c exit >"$work/gui/wine.log" 2>&1

    start=$(date +%s%N)
    "$wine" "$folder/pelin.exe" >>"$work/gui/wine.log" 2>&1 &
    dialog=$(waitfor '^HTML変換するテキストを選択$')
    echo "$source: the source dialog came up $((($(date +%s%N) - start) / 1000000)) ms after pelin.exe started"
    typein "$dialog" "$(windows_name "$work/$source.txt")"

    # The caption names the source once the wizard has taken it.
    main=$(waitfor "ぺりん Ver1.31 - \\[.*$source\\.txt\\]\$")
    for _ in 1 2 3 4 5 6 7 8; do
        xdotool windowfocus "$main"
        xdotool key alt+f
        sleep 0.4
    done
    # Step 9: a click on its 選択... button (HozonDialog), where the main window's
    # places put it at 96 dots per inch.
    xdotool mousemove --window "$main" 498 76 click 1
    save=$(waitfor '^HTML変換したファイルの保存先$')
    typein "$save" "$(windows_name "$folder/$source.htm")"
    sleep 1
    xdotool windowfocus "$main"
    xdotool key alt+f
    for _ in $(seq 100); do [ -s "$folder/$source.htm" ] && break || sleep 0.1; done
    sleep 0.5
    cmp "$work/linux/$source.htm" "$folder/$source.htm"
    echo "$source.htm: $(wc -c <"$folder/$source.htm") bytes from pelin.exe's windows, the Linux page byte for byte"
done
