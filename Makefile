# The two everyday commands: `make run` and `make test`.
BUILD := build
JOBS  := -j2
# Extra options for configuring the build and fuzz directories: .ci/run
# passes -DONDALAB_WERROR=ON, so that a warning fails CI.
CMAKE_ARGS ?=

.PHONY: all deps build run test test-atspi test-sanitize fuzz test-wasm soak bench screenshots package format clean

all: build

deps:
	@scripts/setup-deps

$(BUILD)/build.ninja: CMakeLists.txt | deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_ARGS) >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -- $(JOBS)

run: build
	@scripts/run-gui $(BUILD)/ondalab

test: build
	@cd $(BUILD) && ctest --output-on-failure $(JOBS)

# The program as a screen reader sees it (AT-SPI), on a hidden X server with
# a D-Bus session of its own, with Debian's Python and its pyatspi;
# `make test-atspi DUMP=--dump` prints the trees; the names checked are the Italian ones.
test-atspi: build
	@ONDALAB_LANG=it dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/python3 tests/atspi/check.py $(BUILD)/ondalab $(DUMP)

# The whole project under ASan and UBSan in its own build directory; the
# first report ends the test that made it. Stacks are unwound the slow way,
# so that through Qt (built without frame pointers) they reach our own code
# and the suppressions can name it.
ASAN_BUILD := build-asan
SANITIZER_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DONDALAB_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -- $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure $(JOBS)

# Each fuzz target for FUZZ_SECONDS, built with clang in build-fuzz/.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60

fuzz:
	@scripts/setup-deps fuzz
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DONDALAB_FUZZ=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -- $(JOBS)
	@tests/fuzz/run $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The core and the model-mode scenario runner in WebAssembly, built with
# Debian's emscripten (its libraries come prebuilt) in build-wasm/; every
# scenario file then runs under node and must give exactly what the native
# runner gives.
WASM_BUILD := build-wasm

test-wasm: build
	@scripts/setup-deps wasm
	@emcmake cmake -S . -B $(WASM_BUILD) -G Ninja -DONDALAB_WASM=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WASM_BUILD) -- $(JOBS)
	@tests/wasm/run $(BUILD)/ondalab-scenario $(WASM_BUILD)/ondalab-scenario.js tests/scenarios

# A long monkey run: a million actions on the model, ten thousand through
# the real widgets offscreen.
soak: build
	@cd $(BUILD) && ./ondalab-monkey --actions 1000000
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./ondalab-monkey --qt --actions 10000

bench: build
	@scripts/run-gui $(BUILD)/ondalab-bench

# ONDALAB_PALETTE=dark makes them in a dark palette, QT_SCALE_FACTOR=2 at 2x,
# ONDALAB_LANG=en in English.
SHOTS := $(BUILD)/screenshots$(if $(ONDALAB_PALETTE),-$(ONDALAB_PALETTE))$(if $(QT_SCALE_FACTOR),-x$(QT_SCALE_FACTOR))$(if $(ONDALAB_LANG),-$(ONDALAB_LANG))
# The runner's own count of checks (there are none) gives way to the count of pictures.
screenshots: build
	@mkdir -p $(SHOTS) && rm -f $(SHOTS)/*.png
	@out=$$(ONDALAB_SHOTS=$(SHOTS) QT_QPA_PLATFORM=offscreen $(BUILD)/ondalab-scenario --qt \
	  $(if $(ONDALAB_LANG),--language $(ONDALAB_LANG)) tools/screenshots/*.scn); \
	  status=$$?; printf '%s\n' "$$out" | grep -v '^0 passed, 0 failed$$'; \
	  echo "screenshots: $$(ls $(SHOTS) | grep -c '\.png$$') pictures in $(SHOTS)"; exit $$status

# A .deb of the program in build/, for `dpkg -i`.
package: build
	@cd $(BUILD) && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(WASM_BUILD)
