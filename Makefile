# SPDX-License-Identifier: GPL-3.0-or-later
# make run | make test | make bench | make package: thin wrappers over CMake, CTest and CPack.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench package clean

all: build

setup:
	@scripts/bootstrap

configure: setup
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/bin/bunpo-drill

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	./$(BUILD)/bench/bunpo-bench
	./$(BUILD)/bench/bunpo-probe

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
