# Thin wrapper over CMake presets. `make run` and `make test` work on a fresh Debian 12 machine.
.PHONY: all deps configure build run test asan-test bench format clean

PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

# Default city until a city is configured: 42 deg 20' N, 83 deg 03' W, UTC-5 with daylight saving.
RUN_ARGS ?= --lat 42.333333333333336 --lon -83.05 --zone -5 --dst

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/cli/orvanta-times $(RUN_ARGS)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

asan-test:
	$(MAKE) test PRESET=asan

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
