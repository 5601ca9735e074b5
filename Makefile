# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build

.PHONY: run test build deps bench format clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake --preset $(PRESET) > /dev/null
	@cmake --build --preset $(PRESET)

run: build
	@$(BUILD_DIR)/src/app/quorvex

test: build
	@QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

bench: build
	@$(BUILD_DIR)/bench/quorvex-bench

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-debug
