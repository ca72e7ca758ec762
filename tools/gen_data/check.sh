#!/usr/bin/env bash
# Validates the shipped stroke and radical records and the listing of
# Extensions C to H, then regenerates every generated file
# into a temporary folder and compares it byte for byte with the committed one.
# Skips the regeneration (exit 0) when the source packages unicode-data and
# rime-data-stroke are not installed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
python="${PYTHON:-python3}"

if ! unit_output="$("$python" -B -m unittest discover -s "$here" -p 'test_*.py' 2>&1)"; then
    echo "$unit_output"
    echo "gen_data unit tests failed"
    exit 1
fi

# The shipped records are checked against their format even without the sources.
for validator in validate_stroke_files.py validate_radical_files.py validate_extensions.py; do
    if ! "$python" -B "$here/$validator" "$repo/data"; then
        exit 1
    fi
done

if ! "$python" -B -c "import sys; sys.path.insert(0, '$here'); import sources; sys.exit(0 if sources.sources_present() else 1)"; then
    echo "gen_data check skipped: unicode-data and rime-data-stroke are not installed"
    exit 0
fi

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$python" -B "$here/gen_data.py" --root "$tmp"
"$python" -B "$here/gen_data.py" --root "$tmp" --choose-pua-set

status=0
while IFS= read -r -d '' file; do
    relative="${file#"$tmp"/}"
    if ! cmp -s "$file" "$repo/$relative"; then
        echo "differs from the committed file: $relative"
        status=1
    fi
done < <(find "$tmp" -type f -print0)
generated_dirs="$("$python" -B -c "import sys; sys.path.insert(0, '$here'); import cpp_tables; print(' '.join(cpp_tables.GENERATED_DIRS))")"
for dir in data $generated_dirs; do
    while IFS= read -r -d '' file; do
        relative="${file#"$repo"/}"
        case "$relative" in
            data/README.md) continue ;;
            tesvik/chars/generated/Gb18030TwoByteTable.*) continue ;;  # made by tools/gen_gb18030_table.py
        esac
        [ -e "$tmp/$relative" ] || { echo "not generated any more: $relative"; status=1; }
    done < <(find "$repo/$dir" -type f -print0)
done
if [ "$status" -eq 0 ]; then
    echo "gen_data check passed: the committed data matches its sources"
fi
exit "$status"
