# Thin wrapper over CMake presets. `make run` and `make test` work on a fresh Debian 12 machine.
.PHONY: all deps configure build run test asan-test bench format clean

PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

# Opens the window on a desktop; without a display, prints today's times instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD_DIR)/app/orvanta; else \
	  $(BUILD_DIR)/cli/orvanta-times; \
	  echo "No display: run $(BUILD_DIR)/app/orvanta on a desktop (or under Xvfb with DISPLAY set) to open the window."; fi

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
