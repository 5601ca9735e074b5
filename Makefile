# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD_DIR := build

.PHONY: run test build deps bench package format clean

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

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-debug
