#!/usr/bin/env bash
# Installs what Lodera needs, builds it with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test under them. Any sanitizer
# report fails the run. The fuzz targets run first, so the test summary closes
# the output: each of them (the XML reader, objects from text, prepared
# reports) explores a fixed number of inputs from a fixed seed on top of its
# seeds and kept inputs (LODERA_FUZZ_BUDGET, see fuzz.sh). A prepared report
# takes a hundred times longer per input than the others, so that target gets
# a smaller count. Longer runs by time belong to a developer's own runs.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build="${LODERA_TEST_BUILD:-$src/build-test}"
"$src/scripts/setup-deps.sh"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODERA_SANITIZE=ON >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$src/tests/support/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
budget="${LODERA_FUZZ_BUDGET:-runs:150000}"
bash "$src/scripts/fuzz.sh" "$budget" fuzz_xmlreader fuzz_objectfromtext \
    "fuzz_readprepared=${LODERA_FUZZ_PREPARED_BUDGET:-runs:20000}"

cd "$build"
ctest --output-on-failure -j"$(nproc)"
