# The two everyday commands: `make run` and `make test`.
BUILD := build
JOBS  := -j2

.PHONY: all deps build run test bench screenshots format clean

all: build

deps:
	@scripts/setup-deps

$(BUILD)/build.ninja: CMakeLists.txt | deps
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD) -- $(JOBS)

run: build
	@scripts/run-gui $(BUILD)/ondalab

test: build
	@cd $(BUILD) && ctest --output-on-failure $(JOBS)

bench: build
	@scripts/run-gui $(BUILD)/ondalab-bench

screenshots: build
	@mkdir -p $(BUILD)/screenshots && ONDALAB_SHOTS=$(BUILD)/screenshots QT_QPA_PLATFORM=offscreen $(BUILD)/ondalab-scenario --qt tools/screenshots/*.scn

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
