#!/bin/sh
# Builds everything and runs every test:
#   1. the Qt-free core under AddressSanitizer and UndefinedBehaviorSanitizer,
#      with the fuzz targets run for a bounded time (build-asan/);
#   2. the full build (build/) with the program's tests, widget tests and the
#      print tests against a local CUPS queue. CTest's summary is printed last.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

echo "== sanitizer build of the core =="
CXX=clang++-14 cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DOLTOMA_WITH_QT=OFF -DOLTOMA_SANITIZE=ON -DOLTOMA_FUZZ=ON -DOLTOMA_BENCH=OFF
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j2

echo "== full build =="
"$root/scripts/build.sh"
if [ -x "$root/scripts/start-test-printer.sh" ]; then
    "$root/scripts/start-test-printer.sh"
fi
ctest --test-dir build --output-on-failure -j2
