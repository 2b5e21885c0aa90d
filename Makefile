# SPDX-License-Identifier: GPL-3.0-or-later
# make run | make test | make bench | make package: thin wrappers over CMake, CTest and CPack.
# make check-sanitize | make fuzz | make soak: the reliability checks (see README).
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all setup configure build run test bench package clean check-sanitize fuzz soak

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
	QT_SCALE_FACTOR=2 ./$(BUILD)/bench/bunpo-bench --benchmark_filter='EvaluationStage|DecodeNote'
	./$(BUILD)/bench/bunpo-probe

# The Debian packages, in a build folder of their own: a release build with the hardening on
# and without tests, benchmarks or soak. CXX=clang++ makes them with clang on the first run.
PACKAGE_BUILD ?= build-package

package: setup
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUNPO_HARDENING=ON \
		-DBUNPO_TESTS=OFF -DBUNPO_BENCH=OFF -DBUNPO_SOAK=OFF
	cmake --build $(PACKAGE_BUILD) -j$(JOBS)
	cmake --build $(PACKAGE_BUILD) --target package
	@echo "make package: the packages are in $(PACKAGE_BUILD)/:" && ls $(PACKAGE_BUILD)/*.deb

clean:
	rm -rf $(BUILD)

# The whole suite in a second build folder with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; clang where it is installed, else g++.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_CXX ?= $(shell command -v clang++ >/dev/null 2>&1 && echo clang++ || echo g++)
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/leak-suppressions.txt:print_suppressions=0

check-sanitize: setup
	@test -f $(SANITIZE_BUILD)/CMakeCache.txt || \
		cmake -S . -B $(SANITIZE_BUILD) -C cmake/Sanitize.cmake -DCMAKE_CXX_COMPILER=$(SANITIZE_CXX)
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# Every fuzz target for FUZZ_SECONDS each, in a build folder of its own (clang and libFuzzer).
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: setup
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || \
		cmake -S . -B $(FUZZ_BUILD) -C cmake/Fuzz.cmake -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers
	fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A long session on the default banks (SOAK_ANSWERS answers), printing resident memory.
SOAK_ANSWERS ?= 20000

soak: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/soak/bunpo-soak $(SOAK_ANSWERS)
