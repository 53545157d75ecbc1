# Thin wrapper over CMake presets (Ninja). `make run` and `make test` work on a fresh Debian 12
# machine once git and make are there (see the README). The build is quiet: an unchanged
# `make run` prints only what the program prints. `make help` lists the targets (the text after
# "## " on a target's line).
.PHONY: all help deps configure build run test asan-test bench fuzz format clean

PRESET ?= release
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc)

all: build ## build everything (the default)

help: ## list these targets
	@echo "make TARGET [PRESET=release|debug|asan|fuzz] [PREFIX=/usr/local] [JOBS=n]"
	@sed -n -E 's/^([a-z-]+):.*## (.*)/  \1\t\2/p' $(MAKEFILE_LIST) | expand -t 14

deps: ## install the Debian packages the project needs (scripts/install-deps)
	@scripts/install-deps

# Configures when the build folder has no Ninja files yet or the presets changed; later the
# build re-runs CMake by itself when a CMakeLists.txt changes. A folder left by another
# generator is configured afresh. The log is shown only when configuring fails.
$(BUILD_DIR)/build.ninja: CMakePresets.json | deps
	@echo "Configuring $(BUILD_DIR); the first build can take 40 minutes on two cores." >&2
	@if [ -f $(BUILD_DIR)/CMakeCache.txt ] && [ ! -f $@ ]; then \
	  rm -rf $(BUILD_DIR)/CMakeCache.txt $(BUILD_DIR)/CMakeFiles; fi
	@mkdir -p $(BUILD_DIR)
	@cmake --preset $(PRESET) > $(BUILD_DIR)/configure.log 2>&1 || \
	  { cat $(BUILD_DIR)/configure.log >&2; exit 1; }
	@touch $@

# Configures again, showing CMake's report.
configure: deps ## configure again, showing CMake's report
	cmake --preset $(PRESET)

# Shows progress while building, then only compiler messages and errors; nothing when
# everything is up to date.
build: $(BUILD_DIR)/build.ninja ## build the programs, tests and benchmarks
	@scripts/build $(PRESET) $(BUILD_DIR) $(JOBS)

# Opens the window on a desktop; without a display, prints today's times instead.
run: build ## build, then show today's times (the window, or the command line without a display)
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD_DIR)/app/orvanta; \
	  else $(BUILD_DIR)/cli/orvanta-times; fi

# Then names why each skipped test did not run (the line after GoogleTest's "Skipped").
test: build ## build, then run every test
	ctest --preset $(PRESET) -j $(JOBS)
	@grep -h -A1 ': Skipped$$' $(BUILD_DIR)/Testing/Temporary/LastTest.log 2> /dev/null | \
	  grep -v -e ': Skipped$$' -e '^--$$' | sort -u | sed 's/^/skipped: /'

asan-test: ## build and test with AddressSanitizer and UndefinedBehaviorSanitizer
	$(MAKE) test PRESET=asan

bench: build ## run the benchmarks
	@for b in $(BUILD_DIR)/bench/*_bench; do echo "== $$b"; $$b; done

# Runs every libFuzzer target for FUZZ_SECONDS from its committed seed corpus (copied, so the
# corpus in the repository only changes by hand). Crashes are written to build/fuzz/findings.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := settings_file_fuzz city_name_fuzz time_text_fuzz cli_args_fuzz \
	printed_timetable_fuzz

fuzz: ## run every fuzz target for FUZZ_SECONDS (60)
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

format: ## format every C++ file
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean: ## remove every build folder
	rm -rf build

# Installs under $(PREFIX) (default /usr/local; a system folder needs `sudo make install`). The
# programs find their city database relative to their own folder, so the tree may be moved.
PREFIX ?= /usr/local
.PHONY: install uninstall package

install: build ## install under PREFIX
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes every file the last `make install` wrote ($(BUILD_DIR)/install_manifest.txt).
uninstall: ## remove what the last `make install` wrote
	cmake -DORVANTA_MANIFEST=$(BUILD_DIR)/install_manifest.txt -P packaging/uninstall.cmake

# The Debian package $(BUILD_DIR)/orvanta_<version>_<arch>.deb, installed under /usr.
package: build ## build the Debian package
	cd $(BUILD_DIR) && cpack -G DEB
