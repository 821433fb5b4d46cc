#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/fuzz_*.cpp) with clang in a build
# folder of their own and runs each one for a bounded budget over its seed
# corpus tests/fuzz/corpus/<target>/ and the inputs that once broke it,
# tests/fuzz/regressions/<target>/ (the unit tests replay those). New inputs
# the fuzzer finds go to the build folder, not into the source tree; a
# crashing input is kept there as <build>/artifacts/<target>-crash-... and
# makes the script fail: copy it into the regressions folder once fixed.
#
# With target names after the budget only those explore; the others replay
# their seeds and regressions once. A name may carry a budget of its own,
# name=BUDGET, for a target whose inputs are slow to run.
#
# The budget is a number of seconds, or runs:N for N inputs from a fixed
# seed, an empty working corpus, fixed hash seeds and fixed addresses. A run by
# count stays close to the same inputs from run to run, but not exactly: the
# coverage the fuzzer steers by still sees random temporary file names and the
# like, so two runs of the same sources part ways after some ten thousand
# inputs. A finding is a real fault all the same: keep it in regressions/.
#
#   bash scripts/fuzz.sh 60                         # each target 60 s
#   bash scripts/fuzz.sh 60 fuzz_xmlreader
#   bash scripts/fuzz.sh runs:150000 fuzz_xmlreader # the same 150 000 inputs every time
#   bash scripts/fuzz.sh runs:150000 fuzz_xmlreader fuzz_readprepared=runs:20000
#   LODERA_FUZZ_BUILD=/tmp/f bash scripts/fuzz.sh 30
set -euo pipefail
default_budget="${1:-60}"
shift || true
# target name -> its budget; empty when every target explores
declare -A explore=()
for arg in "$@"; do
    if [[ "$arg" == *=* ]]; then
        explore["${arg%%=*}"]="${arg#*=}"
    else
        explore["$arg"]="$default_budget"
    fi
done
src=$(cd "$(dirname "$0")/.." && pwd)
build="${LODERA_FUZZ_BUILD:-$src/build-fuzz}"

if ! command -v clang++-14 >/dev/null; then
    echo "fuzz.sh: clang++-14 is missing (Debian packages clang-14 and libclang-rt-14-dev)" >&2
    exit 1
fi

CC=clang-14 CXX=clang++-14 cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODERA_FUZZ=ON -DLODERA_TESTS=OFF >/dev/null

targets=()
for f in "$src"/tests/fuzz/fuzz_*.cpp; do
    [ -e "$f" ] && targets+=("$(basename "$f" .cpp)")
done
if [ "${#targets[@]}" -eq 0 ]; then
    echo "fuzz.sh: no fuzz targets" >&2
    exit 1
fi
cmake --build "$build" --target "${targets[@]}" -j2

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Qt seeds its hash tables per process; a fixed seed keeps runs by count closer.
export QT_HASH_SEED=0
mkdir -p "$build/artifacts"
failed=0
for t in "${targets[@]}"; do
    seeds="$src/tests/fuzz/corpus/$t"
    work="$build/corpus/$t"
    regressions="$src/tests/fuzz/regressions/$t"
    mkdir -p "$work" "$seeds" "$regressions"
    if [ "${#explore[@]}" -gt 0 ] && [ -z "${explore[$t]:-}" ]; then
        echo "== $t: replaying seeds and regressions"
        if ! "$build/bin/$t" -runs=0 -timeout=10 -rss_limit_mb=2048 \
                -artifact_prefix="$build/artifacts/$t-" "$seeds" "$regressions"; then
            echo "fuzz.sh: $t failed on a kept input; inputs in $build/artifacts/" >&2
            failed=1
        fi
        continue
    fi
    budget="${explore[$t]:-$default_budget}"
    case "$budget" in
        # Addresses must be the same on every run too: hashes of pointers
        # would otherwise lead the same seed to other inputs.
        runs:*) limit=(-seed=1 "-runs=${budget#runs:}")
                fixed=(setarch "$(uname -m)" -R)
                rm -rf "$work" && mkdir -p "$work" ;;
        *) limit=("-max_total_time=$budget")
           fixed=() ;;
    esac
    echo "== $t: $budget"
    if ! "${fixed[@]}" "$build/bin/$t" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 \
            -max_len=16384 -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$t-" "$work" "$seeds" "$regressions"; then
        echo "fuzz.sh: $t failed; inputs in $build/artifacts/" >&2
        failed=1
    fi
done
exit "$failed"
