# Front door of the repository: `make run` and `make test` on a fresh machine.
SHELL := /bin/bash
.NOTPARALLEL:

JOBS ?= 2
CXX_GCC ?= g++
CXX_CLANG ?= clang++-14
BUILD_TYPE ?= RelWithDebInfo
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 10
BENCH_MIN_TIME ?= 0.2
PREFIX ?= /usr/local

CLI := build/cli/kelp-cli
EXAMPLE := $(firstword $(wildcard examples/double_box_jump_in_barrel.klp) $(sort $(wildcard examples/*.klp)))
PIN := $(if $(shell command -v taskset),taskset -c 0)

export UBSAN_OPTIONS ?= print_stacktrace=1

.PHONY: deps configure build run test test-steps test-main test-asan test-fuzz fuzz-build fuzz bench clean screenshots \
  install package

deps:
	scripts/install-deps.sh

# Warnings are errors in the test builds only. Other targets keep what build/
# was configured with (off in a fresh one), so `make run` after `make test`
# rebuilds nothing.
WERROR :=
test-main: WERROR := -DKELP_WERROR=ON

configure:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_COMPILER=$(CXX_GCC) $(WERROR)

build: configure
	cmake --build build -j$(JOBS)

# The desktop program with the bundled example in its form; without a display,
# what kelp-cli gives for the same example.
run: deps build
	@test -n "$(EXAMPLE)" || { echo "no examples/*.klp to analyse" >&2; exit 1; }
	EXAMPLE=$(EXAMPLE) scripts/run-desktop.sh

# Every window, picture and printed page as PNG under build/screenshots/.
screenshots: deps build
	QT_QPA_PLATFORM=offscreen build/kelp_screenshots examples build/screenshots
	scripts/screenshots-plots.sh $(CURDIR)/$(CLI) $(CURDIR)/$(EXAMPLE) $(CURDIR)/build/screenshots

# Every step runs even when an earlier one failed; the target fails if any did.
test: deps
	@$(MAKE) --no-print-directory -k test-steps

test-steps: test-main test-asan test-fuzz

test-main: build
	ctest --test-dir build --output-on-failure -j$(JOBS)

# Address and undefined-behaviour sanitizers over the same tests (no benchmarks).
test-asan:
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_COMPILER=$(CXX_GCC) \
	  -DKELP_SANITIZE=address,undefined -DKELP_BUILD_BENCH=OFF -DKELP_WERROR=ON
	cmake --build build-asan -j$(JOBS)
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --test-dir build-asan --output-on-failure -j$(JOBS)

test-fuzz: fuzz-build
	scripts/fuzz.sh build-fuzz/fuzz/kelp_fuzz_project $(FUZZ_SMOKE_SECONDS)

# Builds every program target with clang too, so both compilers stay clean.
fuzz-build:
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_COMPILER=$(CXX_CLANG) \
	  -DKELP_FUZZ=ON -DKELP_BUILD_TESTS=OFF -DKELP_BUILD_BENCH=OFF -DKELP_WERROR=ON
	cmake --build build-fuzz -j$(JOBS)

fuzz: fuzz-build
	scripts/fuzz.sh build-fuzz/fuzz/kelp_fuzz_project $(FUZZ_SECONDS)

# Medians of five repetitions on one core.
bench: configure
	cmake --build build -j$(JOBS) --target kelp_bench kelp_window_bench
	$(PIN) build/bench/kelp_bench --benchmark_min_time=$(BENCH_MIN_TIME) \
	  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen $(PIN) build/bench/kelp_window_bench \
	  --benchmark_min_time=$(BENCH_MIN_TIME) --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true

# The programs, desktop entry, icon, MIME type, examples and manual pages;
# then, where the tools are at hand, the desktop learns the new type and entry.
install: build
	cmake --install build --prefix $(PREFIX)
	if command -v update-mime-database >/dev/null; then update-mime-database $(PREFIX)/share/mime; fi
	if command -v update-desktop-database >/dev/null; then \
	  update-desktop-database $(PREFIX)/share/applications; fi

# build/kelp_VERSION-1_ARCH.deb, for `apt install ./kelp_*.deb`.
package: deps build
	cd build && cpack

clean:
	rm -rf build build-asan build-fuzz
