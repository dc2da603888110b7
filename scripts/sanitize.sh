#!/bin/sh
# Builds Vocario with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs the whole test suite there (make sanitize).
# Any report of either sanitizer fails the test that caused it; LeakSanitizer
# runs at the end of every test program. scripts/lsan-suppressions.txt names
# the leaks of third-party libraries that LeakSanitizer is told to ignore.
#   ASAN_BUILD=dir   another build folder      JOBS=n   parallel jobs
set -eu
cd "$(dirname "$0")/.."
BUILD="${ASAN_BUILD:-build-asan}"
JOBS="${JOBS:-$(nproc)}"

./scripts/install-deps.sh
cmake -S . -B "$BUILD" -DVOCARIO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$BUILD" -j"$JOBS"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The memory figures of the openings test mean nothing under the sanitizer's
# allocator, and LeakSanitizer checks for leaks itself: fewer openings do.
export VOCARIO_OPENINGS="${VOCARIO_OPENINGS:-100}"
# A named pupil's answers go to the register's file too, which the sanitizer
# slows most: a shorter random session still walks every window.
export VOCARIO_SESSION_ACTIONS="${VOCARIO_SESSION_ACTIONS:-5000}"
# The play-through needs a display of its own; keep clear of a plain run's.
export VOCARIO_PLAYTHROUGH_DISPLAY="${VOCARIO_PLAYTHROUGH_DISPLAY:-98}"
cd "$BUILD"
# The AT-SPI check waits for the announcements a screen reader hears; beside
# the other tests, the sanitizer slows the program past those waits, so it
# runs alone, after them.
status=0
ctest --output-on-failure -j"$JOBS" -LE accessibility || status=$?
ctest --output-on-failure -L accessibility || status=$?
exit $status
