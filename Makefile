# Top-level entry points. `make test` sets up the machine, builds both
# presets and runs every test under one ctest summary.
PREFIX ?= $(CURDIR)/build/package
SHELL := /bin/sh

.PHONY: all setup build test install demo bench fuzz clean

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

clean:
	rm -rf build
