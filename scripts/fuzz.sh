#!/bin/sh
# Builds the word-list reader's fuzz target with clang in build-fuzz/ and runs
# it for a bounded time from the seed corpus in fuzz/corpus/.
#   scripts/fuzz.sh [seconds]      (default 60; FUZZ_JOBS=n for parallel jobs)
# New inputs gather in build-fuzz/fuzz/work/corpus; a crash, hang or leak is
# saved in build-fuzz/fuzz/work/artifacts/ and the script exits non-zero.
set -eu
cd "$(dirname "$0")/.."
SECONDS_TO_RUN="${1:-60}"
BUILD="${FUZZ_BUILD:-build-fuzz}"

cmake -S . -B "$BUILD" -DVOCARIO_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$BUILD" --target fuzz_wordlistreader -j2

WORK="$BUILD/fuzz/work"
mkdir -p "$WORK/corpus" "$WORK/artifacts"
exec "$BUILD/fuzz/fuzz_wordlistreader" \
    -max_total_time="$SECONDS_TO_RUN" -rss_limit_mb=512 -timeout=5 \
    -print_final_stats=1 -artifact_prefix="$WORK/artifacts/" \
    "$WORK/corpus" fuzz/corpus
