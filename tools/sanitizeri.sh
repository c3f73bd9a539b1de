#!/usr/bin/env bash
# The build with AddressSanitizer and UndefinedBehaviorSanitizer (clang, in
# build-asan/), every test in it but the Wine ones, then each libFuzzer harness
# of tests/fuzz for a bounded time. Any report, crash, leak, time-out or memory
# blow-up fails it. Usage: tools/sanitizeri.sh [SECONDS_PER_HARNESS]
# (default 60; 0 leaves the fuzzing out).
set -euo pipefail
cd "$(dirname "$0")/.."
sekundi=${1:-60}
tools/pripremi.sh
izgradnja=build-asan
CC=clang CXX=clang++ cmake -S . -B "$izgradnja" -DCMAKE_BUILD_TYPE=Debug \
    -DVELKOR_SANITIZE=ON -DVELKOR_FUZZ=ON -DVELKOR_WERROR=ON >/dev/null
cmake --build "$izgradnja" -j"$(nproc)"

# What is suppressed lies in Qt or the system's libraries; tests/sanitizeri/ says why.
potiskivanja=$PWD/tests/sanitizeri
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$potiskivanja/ubsan.supp
export LSAN_OPTIONS=suppressions=$potiskivanja/lsan.supp:print_suppressions=0
(cd "$izgradnja" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -E '^format$')

[ "$sekundi" -gt 0 ] || exit 0
for izvor in tests/fuzz/fuzz_*.cpp; do
    ime=$(basename "$izvor" .cpp)
    ime=${ime#fuzz_}
    harness=$izgradnja/tests/fuzz/fuzz_$ime
    rjecnik=tests/fuzz/$ime.dict
    mkdir -p "$izgradnja/fuzz/$ime"
    echo "== fuzz_$ime, $sekundi s"
    # New inputs go to the build's corpus; the repository's seeds are only read.
    "$harness" -max_total_time="$sekundi" -rss_limit_mb=2048 -timeout=10 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$izgradnja/fuzz/$ime-" \
        $([ -f "$rjecnik" ] && echo "-dict=$rjecnik") \
        "$izgradnja/fuzz/$ime" "tests/fuzz/korpus/$ime" 2>&1 | grep -vE '^#[0-9]|^"|dictionary|NEW_FUNC' || exit 1
done
