#!/usr/bin/env bash
# Runs both fuzz targets for a bounded time each, niced: the decoder, then load-and-play. Each
# starts from the seed saves in fuzz/corpus and keeps what it finds in build-fuzz/ (never in the
# repository). Then every input the decoder's run kept is given to load-and-play once, so that
# every file of its corpus that loads is played on. A crash stops the script with its input in
# build-fuzz/crashes/: add it to fuzz/regressions/ once the fault is mended.
#   scripts/fuzz.sh SECONDS_PER_TARGET
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build-fuzz
mkdir -p "$build/corpus-decode" "$build/corpus-play" "$build/crashes"

run() {
    local target="$1" corpus="$2"
    shift 2
    echo "== $target for ${seconds}s"
    nice "$build/fuzz/$target" "$corpus" fuzz/corpus -max_total_time="$seconds" \
        -len_control=0 -use_value_profile=1 -print_final_stats=1 \
        -artifact_prefix="$build/crashes/$target-" "$@" 2>&1 | tee "$build/$target.log" |
        grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|inputs executed|ERROR|SUMMARY|cannot be played|Test unit|stat::" || true
    # tee hides the target's exit status: a crash is known by its artifact and its report.
    if grep -qE "ERROR: (libFuzzer|AddressSanitizer|UndefinedBehaviorSanitizer)|cannot be played|runtime error" "$build/$target.log"; then
        echo "$target found a fault; its input is in $build/crashes/" >&2
        exit 1
    fi
}

run quorvex-fuzz-decode "$build/corpus-decode"
run quorvex-fuzz-play "$build/corpus-play"

echo "== every file the decoder's run kept, loaded and played on"
nice "$build/fuzz/quorvex-fuzz-play" "$build/corpus-decode" -runs=0 \
    -artifact_prefix="$build/crashes/replay-" 2>&1 | tee "$build/replay.log" |
    grep -E "inputs executed|ERROR|cannot be played" || true
if grep -qE "ERROR|cannot be played|runtime error" "$build/replay.log"; then
    echo "a file of the decoder's corpus cannot be played; see $build/replay.log" >&2
    exit 1
fi
