#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#
#   ./test.sh              everything: the full build and its tests, the core alone without Qt,
#                          and a short run of every fuzz target when clang's libFuzzer is there
#   ./test.sh -R Pattern   only the tests whose names match (passed on to ctest)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ctest_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        *) ctest_args+=("$1"); shift ;;
    esac
done

corlinth_ensure_packages "${CORLINTH_PACKAGES[@]}" "${CORLINTH_TEST_PACKAGES[@]}"
export QT_QPA_PLATFORM=offscreen
jobs=$(corlinth_jobs)

# shellcheck disable=SC2046
cmake -S . -B build $(corlinth_generator) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" "${ctest_args[@]}"

# The core must build and pass its tests with nothing but the compiler. With clang the same
# build also carries the fuzz targets, and each gets a short run over its corpus.
core_args=(-DCORLINTH_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
fuzz=0
if command -v clang++ >/dev/null 2>&1 && echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long){return 0;}' \
        | clang++ -x c++ -fsanitize=fuzzer -o /dev/null - 2>/dev/null; then
    core_args+=(-DCMAKE_CXX_COMPILER=clang++ -DCORLINTH_FUZZ=ON)
    fuzz=1
fi
# shellcheck disable=SC2046
cmake -S . -B build-core $(corlinth_generator) "${core_args[@]}" >/dev/null
cmake --build build-core -j "$jobs"
ctest --test-dir build-core --output-on-failure -j "$jobs" "${ctest_args[@]}"

if [ "$fuzz" = 1 ] && [ ${#ctest_args[@]} -eq 0 ]; then
    scripts/run-fuzzers.sh build-core "${CORLINTH_FUZZ_SECONDS:-10}"
fi
