#!/usr/bin/env bash
# Builds everything and runs every test: the shipped data against its
# generator, a Release build with all tests (among them the install, the
# Debian package made from this build, and a configure-only check that no
# build type forces warnings as errors), the fuzz targets, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer for the unit tests. Warnings
# are errors in these builds (LUMENAR_WERROR), and only in these.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

# The shipped data must be exactly what the generator makes of its sources.
bash tools/gen_data/check.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLUMENAR_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# Coverage-guided fuzzing of the file readers, in a clang build of its own.
# A fuzzer with seeds in tests/fuzz/seeds/<fuzzer>/ starts from a copy of them.
# The font file readers get 25 seconds each: their inputs are whole fonts and
# libraries, slower per run than the index files.
fuzzers=(StrokeFiles_fuzz RadicalFiles_fuzz SurrogateList_fuzz SettingsFile_fuzz PfiLibrary_fuzz TrueTypeFont_fuzz)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMENAR_FUZZ=ON -DLUMENAR_WERROR=ON \
  -DLUMENAR_BENCHMARKS=OFF -DLUMENAR_INTEGRATION_TESTS=OFF
cmake --build build-fuzz --target "${fuzzers[@]}" -j"$jobs"
mkdir -p build-fuzz/tmp
for fuzzer in "${fuzzers[@]}"; do
  log="build-fuzz/$fuzzer.log"
  seconds=60
  case "$fuzzer" in PfiLibrary_fuzz | TrueTypeFont_fuzz) seconds=25 ;; esac
  corpus=()
  if [ -d "tests/fuzz/seeds/$fuzzer" ]; then
    rm -rf "build-fuzz/corpus/$fuzzer"
    mkdir -p "build-fuzz/corpus/$fuzzer"
    cp "tests/fuzz/seeds/$fuzzer"/* "build-fuzz/corpus/$fuzzer/"
    corpus=("build-fuzz/corpus/$fuzzer")
  fi
  if TMPDIR="$PWD/build-fuzz/tmp" build-fuzz/tests/"$fuzzer" -seed=1 -runs=20000 -max_total_time="$seconds" -rss_limit_mb=2048 \
    ${corpus[@]+"${corpus[@]}"} >"$log" 2>&1; then
    echo "$fuzzer: $(tail -n 1 "$log")"
  else
    cat "$log"
    exit 1
  fi
done

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DLUMENAR_SANITIZE=ON -DLUMENAR_WERROR=ON -DLUMENAR_BENCHMARKS=OFF -DLUMENAR_INTEGRATION_TESTS=OFF
cmake --build build-sanitize --target unit_tests -j"$jobs"
ctest --test-dir build-sanitize -L unit --output-on-failure -j"$jobs"
