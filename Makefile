# Thin wrapper over CMake presets (Ninja). `make run` and `make test` work on a fresh Debian 12
# machine once git and make are there (see the README). The build is quiet: an unchanged
# `make run` prints only what the program prints.
.PHONY: all deps configure build run test asan-test bench fuzz format clean

PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps

# Configures when the build folder has no Ninja files yet or the presets changed; later the
# build re-runs CMake by itself when a CMakeLists.txt changes. A folder left by another
# generator is configured afresh. The log is shown only when configuring fails.
$(BUILD_DIR)/build.ninja: CMakePresets.json | deps
	@echo "Configuring $(BUILD_DIR); the first build takes a few minutes." >&2
	@if [ -f $(BUILD_DIR)/CMakeCache.txt ] && [ ! -f $@ ]; then \
	  rm -rf $(BUILD_DIR)/CMakeCache.txt $(BUILD_DIR)/CMakeFiles; fi
	@mkdir -p $(BUILD_DIR)
	@cmake --preset $(PRESET) > $(BUILD_DIR)/configure.log 2>&1 || \
	  { cat $(BUILD_DIR)/configure.log >&2; exit 1; }
	@touch $@

# Configures again, showing CMake's report.
configure: deps
	cmake --preset $(PRESET)

# Shows only compiler messages and errors; nothing when everything is up to date.
build: $(BUILD_DIR)/build.ninja
	@cmake --build --preset $(PRESET) -j $(JOBS) -- --quiet > $(BUILD_DIR)/build.log 2>&1; \
	  status=$$?; \
	  grep -v -e '^ninja: no work to do' -e '^-- ' -e 'Re-running CMake' $(BUILD_DIR)/build.log >&2; \
	  exit $$status

# Opens the window on a desktop; without a display, prints today's times instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD_DIR)/app/orvanta; \
	  else $(BUILD_DIR)/cli/orvanta-times; fi

test: build
	ctest --preset $(PRESET) -j $(JOBS)

asan-test:
	$(MAKE) test PRESET=asan

bench: build
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

# Runs every libFuzzer target for FUZZ_SECONDS from its committed seed corpus (copied, so the
# corpus in the repository only changes by hand). Crashes are written to build/fuzz/findings.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := settings_file_fuzz city_name_fuzz time_text_fuzz cli_args_fuzz

fuzz:
	@$(MAKE) --no-print-directory build PRESET=fuzz
	@mkdir -p build/fuzz/findings
	@for t in $(FUZZ_TARGETS); do \
	  corpus=build/fuzz/corpus/$${t%_fuzz}; log=build/fuzz/findings/$$t.log; \
	  mkdir -p $$corpus && cp -n tests/fuzz/corpus/$${t%_fuzz}/* $$corpus/; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  if ! build/fuzz/tests/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	      -artifact_prefix=build/fuzz/findings/$$t- $$corpus > $$log 2>&1; then \
	    tail -n 40 $$log; echo "fuzz: $$t failed; the input is in build/fuzz/findings" >&2; \
	    exit 1; \
	  fi; \
	  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|Done)' $$log; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

# Installs under $(PREFIX) (default /usr/local; a system folder needs `sudo make install`). The
# programs find their city database relative to their own folder, so the tree may be moved.
PREFIX ?= /usr/local
.PHONY: install uninstall package

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes every file the last `make install` wrote ($(BUILD_DIR)/install_manifest.txt).
uninstall:
	cmake -DORVANTA_MANIFEST=$(BUILD_DIR)/install_manifest.txt -P packaging/uninstall.cmake

# The Debian package $(BUILD_DIR)/orvanta_<version>_<arch>.deb, installed under /usr.
package: build
	cd $(BUILD_DIR) && cpack -G DEB
