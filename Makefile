# Front door for building, running and testing Vocario.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test check package bench clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./$(BUILD)/vocario

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The developer's loop: builds what changed and runs the tests that need
# nothing beyond the build (no Xvfb, no PostgreSQL, no voice). A build
# folder that exists is not configured again: the build does that itself
# when a CMakeLists.txt changes.
check: $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j$(JOBS)
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS) -L '^(unit|endurance)$$'

$(BUILD)/CMakeCache.txt:
	@$(MAKE) --no-print-directory configure

# The Debian package, $(BUILD)/vocario_<version>_<arch>.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

# Start-up, memory and exercise timings in a Release build of their own,
# under an Xvfb of their own: one table, and $(BENCH_BUILD)/bench.csv.
BENCH_BUILD ?= build-bench
bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS) --target vocario bench_floor bench_inprocess bench_register xstartwatch \
	  > $(BENCH_BUILD)/bench-build.log || { cat $(BENCH_BUILD)/bench-build.log; false; }
	@./bench/run-bench.sh $(BENCH_BUILD)

# Endurance: a random session of $(SOAK_ACTIONS) actions (SEED=n replays
# one) and 1000 openings of every exercise, each with its report.
SOAK_ACTIONS ?= 100000
.PHONY: soak sanitize
soak: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tst_randomsession tst_openings
	@cd $(BUILD)/tests/endurance && QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=Fusion \
	  VOCARIO_SESSION_ACTIONS=$(SOAK_ACTIONS) $(if $(SEED),VOCARIO_SESSION_SEED=$(SEED)) \
	  ./tst_randomsession
	@cd $(BUILD)/tests/endurance && QT_QPA_PLATFORM=offscreen QT_STYLE_OVERRIDE=Fusion VOCARIO_OPENINGS=1000 ./tst_openings

# Every test again in build-asan/, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
sanitize: deps
	@JOBS=$(JOBS) ./scripts/sanitize.sh

clean:
	rm -rf $(BUILD)
