# Top-level entry points. `make test` sets up the machine, builds both
# presets and runs every test under one ctest summary.
PREFIX ?= $(CURDIR)/build/package
SHELL := /bin/sh

.PHONY: all setup build release test install demo bench fuzz soak clean

all: build

setup:
	@tools/setup.sh

build: setup
	cmake --preset native >/dev/null
	cmake --build --preset native
	cmake --preset win64 >/dev/null
	cmake --build --preset win64
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	$(MAKE) --no-print-directory release

# The package's builds, optimised: x64 with the programs its tests run, x86
# with the two DLLs (its test builds a host against them).
release: setup
	cmake --preset win64-release >/dev/null
	cmake --build --preset win64-release
	cmake --preset x86 >/dev/null
	cmake --build --preset x86 --target zelafx ZelCalCtrl zelera

# One ctest run over every build, so the summary counts them together.
build/CTestTestfile.cmake: Makefile
	@mkdir -p build
	@printf 'subdirs("native")\nsubdirs("win64")\nsubdirs("fuzz")\nsubdirs("win64-release")\nsubdirs("x86")\n' > $@

test: build build/CTestTestfile.cmake
	tools/with-display.sh $(CURDIR)/build/win64 ctest --test-dir build --output-on-failure -j2

# Both architectures below PREFIX, with the selector on top that a host's
# find_package(ZelCalCtrl) reads.
install: release
	cmake --install build/win64-release --prefix "$(PREFIX)/x64"
	cmake --install build/x86 --prefix "$(PREFIX)/x86"
	cmake -DPREFIX="$(PREFIX)" -DBUILD_DIR=$(CURDIR)/build/win64-release -P cmake/InstallSelector.cmake

demo: build
	tools/run-demo.sh $(CURDIR)/build/win64

bench:
	@tools/setup.sh bench
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	cmake --preset win64-bench >/dev/null
	cmake --build --preset win64-bench
	build/bench/bin/era_bench
	tools/with-display.sh $(CURDIR)/build/win64-bench tools/wine-run.sh $(CURDIR)/build/win64-bench build/win64-bench/bin/window_bench.exe

# Each fuzz target for FUZZ_SECONDS, two at a time (the test run gives each
# a short smoke run).
FUZZ_SECONDS ?= 600
fuzz: setup
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	tools/run-fuzzers.sh $(CURDIR)/build/fuzz $(FUZZ_SECONDS)

# The long runs of the window tests: every control SOAK_LIFETIMES times made,
# shown, given a value, read and destroyed with heap bytes, GDI objects,
# kernel handles and windows flat, and SOAK_EVENTS random user events per
# control and for the modal date dialog (the test run does fewer of each).
SOAK_LIFETIMES ?= 500
SOAK_EVENTS ?= 3000
SOAK_TESTS = ProcessCountersTest.*:WrapperLifetimeTest.*:SoakTest*:RandomInputTest*:RandomDateDialogTest.*
soak: setup
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 --target window_tests
	cd build/win64/tests && ZEL_SOAK_LIFETIMES=$(SOAK_LIFETIMES) ZEL_RANDOM_EVENTS=$(SOAK_EVENTS) \
	  $(CURDIR)/tools/with-display.sh $(CURDIR)/build/win64 $(CURDIR)/tools/wine-run.sh $(CURDIR)/build/win64 \
	  $(CURDIR)/build/win64/bin/window_tests.exe --gtest_filter='$(SOAK_TESTS)'

clean:
	rm -rf build
