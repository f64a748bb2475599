# Top-level entry points. `make test` sets up the machine, builds both
# presets and runs every test under one ctest summary.
PREFIX ?= $(CURDIR)/build/package
SHELL := /bin/sh

.PHONY: all setup build test install demo bench fuzz soak clean

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

# One ctest run over the three builds, so the summary counts them together.
build/CTestTestfile.cmake: Makefile
	@mkdir -p build
	@printf 'subdirs("native")\nsubdirs("win64")\nsubdirs("fuzz")\n' > $@

test: build build/CTestTestfile.cmake
	tools/with-display.sh $(CURDIR)/build/win64 ctest --test-dir build --output-on-failure -j2

install: build
	cmake --install build/win64 --prefix "$(PREFIX)"

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
