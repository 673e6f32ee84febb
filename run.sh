#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts the program.
# Arguments are passed to the program (for example --mac-mode).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

corlinth_ensure_packages "${CORLINTH_PACKAGES[@]}"
# shellcheck disable=SC2046
cmake -S . -B build $(corlinth_generator) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corlinth -j "$(corlinth_jobs)"
exec ./build/corlinth "$@"
