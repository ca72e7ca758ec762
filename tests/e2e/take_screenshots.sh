#!/bin/sh
# Regenerates docs/screenshots/*.png from a build of Tesvik.
#   tests/e2e/take_screenshots.sh [BUILD_DIR]     (default: build)
set -eu
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-$source_dir/build}
exec python3 "$source_dir/tests/e2e/take_screenshots.py" \
  --tesvik "$build_dir/tesvik/ui/app/tesvik" \
  --data-dir "$source_dir/data" \
  --out "$source_dir/docs/screenshots"
