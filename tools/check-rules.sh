#!/usr/bin/env bash
# Checks the rules the tree keeps by construction, which a compiler would not
# catch until the day another system builds without Qt:
#  - the core (src/<module>/, not qt/, win32/ or app/) includes no Qt header and
#    nothing of a window system's side or of the program's wiring;
#  - a module's qt/ side includes no other module's qt/ side (form/qt/, the
#    shared window pieces, excepted), no win32/ side and nothing of app/; the
#    same for win32/ sides, which include no Qt at all;
#  - commit subjects are at most 72 characters (from the first commit that
#    kept to it on).
# Prints each breach with its file and line, and fails when there is one.
set -euo pipefail
# Lengths in characters, whatever the locale CI runs in.
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."

breaches=0
breach() {
  echo "$1" >&2
  breaches=$((breaches + 1))
}

while IFS= read -r file; do
  rest=${file#src/}
  module=${rest%%/*}
  side=core
  case $rest in
    app/*) side=app ;;
    */qt/*) side=qt ;;
    */win32/*) side=win32 ;;
  esac
  [ "$side" = app ] && continue
  while IFS=: read -r line include; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"$include")
    target_module=${target%%/*}
    qt_header=false
    [[ $include =~ \<Q[A-Za-z]*(/[A-Za-z]+)?\> ]] && qt_header=true
    case $side in
      core)
        $qt_header && breach "$file:$line: the core includes Qt ($target)"
        [[ $target == */qt/* || $target == */win32/* || $target == app/* ]] &&
          breach "$file:$line: the core includes a window system's side ($target)"
        ;;
      qt | win32)
        other=$([ "$side" = qt ] && echo win32 || echo qt)
        [ "$side" = win32 ] && $qt_header && breach "$file:$line: the Windows side includes Qt ($target)"
        [[ $target == app/* ]] && breach "$file:$line: a $side/ side includes the program's wiring ($target)"
        [[ $target == */$other/* ]] && breach "$file:$line: a $side/ side includes a $other/ side ($target)"
        if [[ $target == */$side/* && $target_module != "$module" && $target_module != form ]]; then
          breach "$file:$line: $module/$side/ includes another module's $side/ side ($target)"
        fi
        ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(git ls-files 'src/*.h' 'src/*.cpp')

# Subjects before this commit were written before the rule.
first_checked=f7261e2fc45b9414269a0301f04f4c148d9ed202
if git cat-file -e "$first_checked^{commit}" 2>/dev/null; then
  while IFS= read -r subject; do
    [ ${#subject} -gt 72 ] && breach "commit subject longer than 72 characters: $subject"
  done < <(git log --format=%s "$first_checked..HEAD")
else
  echo "commit subjects not checked: the history before $first_checked is not here"
fi

if [ "$breaches" -gt 0 ]; then
  echo "$breaches breach(es) of the tree's rules" >&2
  exit 1
fi
echo "the tree's rules hold: includes and commit subjects"
