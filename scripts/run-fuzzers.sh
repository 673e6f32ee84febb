#!/usr/bin/env bash
# Runs every fuzz target of a build for a bounded time, starting from its seed corpus and the
# kept crash inputs. Usage: scripts/run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in "$build"/tests/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    name=${name#fuzz_}
    corpus="$root/tests/fuzz/corpus/$name"
    work=$(mktemp -d)
    [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/
    echo "fuzzing $name for ${seconds}s"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$build/fuzz-$name-" "$work" >"$build/fuzz-$name.log" 2>&1; then
        echo "fuzz target $name failed; see $build/fuzz-$name.log" >&2
        tail -n 30 "$build/fuzz-$name.log" >&2
        status=1
    fi
    rm -rf "$work"
done
exit $status
