#!/usr/bin/env bash
# Builds everything and runs every test: a normal build with all tests, then a
# build with AddressSanitizer and UndefinedBehaviorSanitizer for the unit tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

# The shipped data must be exactly what the generator makes of its sources.
bash tools/gen_data/check.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLUMENAR_SANITIZE=ON -DLUMENAR_BENCHMARKS=OFF -DLUMENAR_INTEGRATION_TESTS=OFF
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize -L unit --output-on-failure -j"$jobs"
