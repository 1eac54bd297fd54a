# The two set-up commands: `make run` plays the game, `make test` builds and runs every test.
# Both install missing Debian packages first (scripts/install-deps.sh).
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz format clean screens install package soak test-sanitize mutants \
  web-deps web web-run test-web web-bench

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

# HIRES=1 plays the 480 x 640 content: build/hires/ is its install folder, the game beside it.
run: build
ifeq ($(HIRES),1)
	@cp $(BUILD)/bin/quorvex $(BUILD)/hires/quorvex
	$(BUILD)/hires/quorvex
else
	$(BUILD)/bin/quorvex
endif

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: configure
	@cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@cmake --build $(BUILD) -j$(JOBS) --target graphics_dat
	@python3 scripts/bench_table.py $(BUILD)/bench 0.2

# libFuzzer with AddressSanitizer and UBSan over every fuzz target, FUZZ_SECONDS each (clang),
# from the targets' seeds and the entries of graphics.dat (scripts/fuzz-corpus.sh).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@QV_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/install-deps.sh
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_FUZZ=ON \
	  -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined" >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets graphics_dat -- --no-print-directory
	@for t in $(FUZZ_BUILD)/fuzz/fuzz_*_seeds; do \
	  $$t --write-seeds $(FUZZ_BUILD)/corpus/$$(basename $$t _seeds) || exit 1; \
	done
	@scripts/fuzz-corpus.sh $(FUZZ_BUILD)
	@for t in $(FUZZ_BUILD)/fuzz/fuzz_*_seeds; do \
	  name=$$(basename $$t _seeds); \
	  $(FUZZ_BUILD)/fuzz/$$name $(FUZZ_BUILD)/corpus/$$name -max_total_time=$(FUZZ_SECONDS) \
	    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ || exit 1; \
	done

# The whole test suite built with AddressSanitizer and UBSan in its own folder; any report fails.
# tests/lsan.supp holds the leaks of system libraries, never of our code.
SANITIZE_BUILD ?= build-sanitize
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS) -- --no-print-directory
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

# A picture of every screen in build/screens/ for review, played on the headless platform.
screens: build
	@mkdir -p $(BUILD)/screens/install
	@cp $(BUILD)/bin/graphics.dat $(BUILD)/screens/install/
	@cp data/options.default $(BUILD)/screens/install/options.dat
	@$(BUILD)/bin/qvtool run --dir $(BUILD)/screens/install --replay tests/e2e/replays/screens.replay >/dev/null
	@for f in $(BUILD)/screens/*.bmp; do convert $$f $${f%.bmp}.png && rm $$f; done
	@echo "screens: $(BUILD)/screens/*.png"

# Installs under PREFIX (default /usr/local): the game, qvtool, graphics.dat, the default options,
# the desktop entry and the icon.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package in build-package/ (the game in /usr/games, its data in /usr/share/games).
PACKAGE_BUILD ?= build-package
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF \
	  -DQV_INSTALL_BINDIR=games >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j$(JOBS) -- --no-print-directory
	@cd $(PACKAGE_BUILD) && cpack -G DEB
	@dpkg-deb --contents $(PACKAGE_BUILD)/quorvex_*.deb
	@if command -v lintian >/dev/null; then lintian $(PACKAGE_BUILD)/quorvex_*.deb; fi

# The long soak: 100,000 frames of random taps, drags and every key on the real content, every
# frame checked (scripts/soak.py says what); the seed is printed (SOAK_SEED=N repeats a run).
SOAK_FRAMES ?= 100000
soak: build
	@python3 scripts/soak.py $(BUILD)/bin/qvtool $(BUILD)/bin/graphics.dat data/options.default \
	  $(BUILD)/soak $(SOAK_FRAMES) $(SOAK_SEED)

# Mutation testing (not in CI): small deliberate faults, one at a time, in a copy of the tree in
# build-mutants/ (kept, so the next run builds incrementally). MUTANTS_ARGS passes options, e.g.
# MUTANTS_ARGS="--only 3,7 --json mutants.json"; scripts/mutants.py --help lists them.
MUTANTS_ARGS ?=
mutants: deps
	@python3 scripts/mutants.py --jobs $(JOBS) $(MUTANTS_ARGS)

# The game in the browser: build-web/ holds index.html, quorvex.js, quorvex.wasm, graphics.dat
# and options.dat. The tool chain and the libraries come from Debian (scripts/install-web-deps.sh);
# graphics.dat comes from the native build. `make web-run` serves the page on 127.0.0.1:WEB_PORT,
# `make test-web` loads it in headless Chromium and checks the start menu is drawn.
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
export NODE_PATH := /usr/share/nodejs$(if $(NODE_PATH),:$(NODE_PATH))
web-deps:
	@scripts/install-web-deps.sh $(WEB_BUILD)/deps
web: web-deps configure
	@cmake --build $(BUILD) -j$(JOBS) --target graphics_dat -- --no-print-directory
	@emcmake cmake -S . -B $(WEB_BUILD)/cmake -DCMAKE_BUILD_TYPE=Release \
	  -DQV_WEB_DEPS_PREFIX=$(CURDIR)/$(WEB_BUILD)/deps/prefix -DQV_WEB_OUT=$(CURDIR)/$(WEB_BUILD) >/dev/null
	@cmake --build $(WEB_BUILD)/cmake -j$(JOBS) --target quorvex -- --no-print-directory
	@cp $(BUILD)/bin/graphics.dat $(WEB_BUILD)/graphics.dat
	@ls -l $(WEB_BUILD)/index.html $(WEB_BUILD)/quorvex.js $(WEB_BUILD)/quorvex.wasm $(WEB_BUILD)/graphics.dat
web-run: web
	@echo "web-run: http://127.0.0.1:$(WEB_PORT)/"
	@cd $(WEB_BUILD) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1
test-web: web
	@python3 tests/scripts/web_smoke.py $(WEB_BUILD) $(BUILD)/bin/qvtool
# The whole frame of a 200-blob tower timed natively and in headless Chromium (bench.html).
web-bench: web
	@cmake --build $(BUILD) -j$(JOBS) --target frame_bench -- --no-print-directory
	@cmake --build $(WEB_BUILD)/cmake -j$(JOBS) --target web_frame_bench -- --no-print-directory
	@printf 'native:  '; $(BUILD)/bench/frame_bench
	@printf 'browser: '; python3 tests/scripts/web_bench.py $(WEB_BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
