#!/bin/sh
# wine_run_test.sh RUNNER PREFIX ENDING.exe: what cmake/wine-run.sh (RUNNER) makes
# of a program's end. A failure that printed nothing is explained by a second run
# under Wine's error channels, and the first status stands, so that such a run
# can neither pass nor go unexplained; nor can a test run that ends well before
# GoogleTest's summary. A failure that spoke, and a success, are run once and
# passed on as they are.
set -u
runner=$1 prefix=$2 ending=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failed=0
fail() { echo "FAILED: $*"; failed=1; }

# check NAME EXPECTED-STATUS EXPECTED-RUNS EXPLAINED(yes/no) ARGUMENT...
check() {
    name=$1 expected=$2 runs=$3 explained=$4
    shift 4
    rm -f runs.txt
    status=0
    "$runner" "$prefix" "$ending" "$@" >out.txt 2>err.txt || status=$?
    echo "-- $name: status $status, $(wc -l <runs.txt 2>/dev/null || echo 0) run(s)"
    cat out.txt err.txt
    [ "$status" -eq "$expected" ] || fail "$name: status $status, not $expected"
    [ "$(wc -l <runs.txt 2>/dev/null || echo 0)" -eq "$runs" ] || fail "$name: not run $runs time(s)"
    if grep -q 'WINEDEBUG=err+all' err.txt; then
        [ "$explained" = yes ] || fail "$name: explained though it needed no explaining"
    else
        [ "$explained" = no ] || fail "$name: not explained"
    fi
}

check "a silent failure" 3 2 yes 3
check "a failure that speaks" 3 1 no 3 something went wrong
check "a silent success" 0 1 no 0
check "a test run that ends before its summary" 1 2 yes 0 --gtest_filter=Some.Test
check "a test run with its summary" 0 1 no 0 "[  PASSED  ]" --gtest_filter=Some.Test
check "a success that speaks" 0 1 no 0 all well
[ "$(tr -d '\r' <out.txt)" = "all well" ] || fail "the output did not pass on unchanged"
exit $failed
