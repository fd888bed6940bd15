#!/bin/sh
# Runs every test binary of a build outside CTest, the ways a developer does,
# to show that no test depends on another test, on the order of the tests or
# on what CTest sets up:
#   direct   each GoogleTest binary as it is, all its tests in one process
#   shuffle  the same with --gtest_shuffle (the seed is in the log)
#   repeat   the same with --gtest_repeat=2
#   alone    each test by itself with --gtest_filter=Suite.Name
#   qt       each Qt Test binary as it is (offscreen)
#
#   scripts/run-tests-standalone.sh [BUILD_DIR] [MODE...]
#
# BUILD_DIR defaults to build/, the modes to all five. Every run happens in
# a scratch folder; logs of failed runs are kept there and named at the end.
# JOBS (default 2) runs that many test processes side by side.
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
[ $# -gt 0 ] && shift
modes=${*:-direct shuffle repeat alone qt}
jobs=${JOBS:-2}

if [ ! -d "$build/tests" ]; then
    echo "no tests in $build (build first)" >&2
    exit 2
fi
build=$(cd "$build" && pwd)
scratch=$(mktemp -d "${TMPDIR:-/tmp}/oltoma-standalone-XXXXXX")
failures="$scratch/failures"
: >"$failures"

gtest_binaries=""
qtest_binaries=""
for binary in $(find "$build/tests" -type f -perm -u+x ! -name '*.so' | sort); do
    if grep -q -- '--gtest_list_tests' "$binary"; then
        gtest_binaries="$gtest_binaries $binary"
    elif grep -q 'qExec' "$binary"; then
        qtest_binaries="$qtest_binaries $binary"
    fi
done

# run NAME COMMAND...: runs the command in its own scratch folder and records
# NAME as failed when it does not end with exit code 0.
run() {
    name=$1
    shift
    log="$scratch/$(echo "$name" | tr '/ ' '__').log"
    folder=$(mktemp -d "$scratch/run-XXXXXX")
    if (cd "$folder" && QT_QPA_PLATFORM=offscreen "$@") >"$log" 2>&1; then
        rm -rf "$log" "$folder"
    else
        echo "FAILED $name (log: $log)" | tee -a "$failures"
        rm -rf "$folder"
    fi
}

# The full names of a GoogleTest binary's tests, one a line.
test_names() {
    "$1" --gtest_list_tests | awk '
        /^[^ ]/ { suite = $1; next }
        /^  [^ ]/ { print suite $1 }'
}

for mode in $modes; do
    echo "== $mode"
    case $mode in
        direct | shuffle | repeat)
            case $mode in
                direct) flags="" ;;
                shuffle) flags="--gtest_shuffle --gtest_random_seed=0" ;;
                repeat) flags="--gtest_repeat=2" ;;
            esac
            for binary in $gtest_binaries; do
                # shellcheck disable=SC2086
                run "$mode $(basename "$binary")" "$binary" $flags
            done
            ;;
        alone)
            for binary in $gtest_binaries; do
                test_names "$binary" | sed "s|^|$binary |"
            done >"$scratch/alone-list"
            echo "$(wc -l <"$scratch/alone-list") tests"
            export scratch failures
            xargs -P "$jobs" -L 1 sh -c '
                binary=$0 test=$1
                log="$scratch/alone-$(basename "$binary")-$(echo "$test" | tr "/ " "__").log"
                folder=$(mktemp -d "$scratch/run-XXXXXX")
                if (cd "$folder" && "$binary" --gtest_filter="$test") >"$log" 2>&1; then
                    rm -rf "$log" "$folder"
                else
                    echo "FAILED alone $(basename "$binary") $test (log: $log)" | tee -a "$failures"
                    rm -rf "$folder"
                fi' <"$scratch/alone-list"
            ;;
        qt)
            for binary in $qtest_binaries; do
                run "qt $(basename "$binary")" "$binary"
            done
            ;;
        *)
            echo "unknown mode $mode" >&2
            exit 2
            ;;
    esac
done

count=$(wc -l <"$failures")
if [ "$count" -ne 0 ]; then
    echo "$count failed runs; logs in $scratch"
    exit 1
fi
rm -rf "$scratch"
echo "every run passed"
