# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build

# Fuzzing needs clang; it is installed only for this target.
FUZZ_SECONDS ?= 60

.PHONY: run test build deps bench package format clean fuzz

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

# A Debian package in build/: install it with `sudo apt install ./build/quorvex_*.deb`.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# Both fuzz targets for FUZZ_SECONDS each (make fuzz FUZZ_SECONDS=900 for half an hour in all).
fuzz:
	@scripts/install-deps.sh --fuzz
	@cmake --preset fuzz > /dev/null
	@nice cmake --build --preset fuzz -j2 --target quorvex-fuzz-decode quorvex-fuzz-play
	@scripts/fuzz.sh $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-debug build-fuzz
