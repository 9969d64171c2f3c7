# The two commands of the README, and a few more for development.
#   make demo   build the Windows launcher and start it under Wine
#   make test   install what is missing, build both targets and the fuzzers, run every test
SHELL := /bin/bash
.SHELLFLAGS := -eu -o pipefail -c

FUZZ_SECONDS ?= 300
JOBS ?= $(shell nproc)

.PHONY: demo test deps build build-linux build-windows build-fuzz \
        test-linux test-windows test-fuzz fuzz bench format clean stop

demo: deps build-windows
	tools/wine-run build/windows/app/Torvane.exe

test: deps
	@status=0; \
	$(MAKE) --no-print-directory test-linux || status=1; \
	$(MAKE) --no-print-directory test-windows || status=1; \
	$(MAKE) --no-print-directory test-fuzz || status=1; \
	tools/wine-stop; \
	tools/test-summary build/linux build/windows build/fuzz; \
	exit $$status

deps:
	tools/install-deps

build: build-linux build-windows

build-linux:
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS)

build-windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)

build-fuzz:
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)

test-linux: build-linux
	rm -f build/linux/ctest-output.txt
	ctest --preset linux | tee build/linux/ctest-output.txt

test-windows: build-windows
	rm -f build/windows/ctest-output.txt
	ctest --preset windows | tee build/windows/ctest-output.txt

test-fuzz: build-fuzz
	rm -f build/fuzz/ctest-output.txt
	ctest --preset fuzz | tee build/fuzz/ctest-output.txt

# Longer fuzzing runs: each target for FUZZ_SECONDS seconds.
fuzz: deps
	cmake --preset fuzz -DTORVANE_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz -j 1
	cmake --preset fuzz -DTORVANE_FUZZ_SECONDS=5 >/dev/null

bench: deps build-linux
	tools/run-benchmarks build/linux

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

stop:
	tools/wine-stop

clean:
	tools/wine-stop
	rm -rf build
