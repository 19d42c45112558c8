#!/usr/bin/env bash
# Builds the program and its tests with the address and undefined-behaviour
# sanitizers into build-sanitize/ and runs the whole test suite there; any
# sanitizer report fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Unoptimised: the build is the longer part, and the suite is quick anyway.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVYLORA_SANITIZE=ON "${launcher[@]}"
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure -j2
