# Quillmark Mobile: the two commands of the README, and a few more for developers.
#   make run    install dependencies, build, start the program
#   make test   install dependencies, build, run every test
#   make bench  build and run the benchmarks (installs the tools they compare against)
#   make asan   build and test with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan)
#   make debug  build and test a Debug build (preset debug, in build-debug)
#   make format format every C++ source with clang-format-14 and the checked-in .clang-format
#   make tidy   run clang-tidy-14 with the checked-in .clang-tidy over every source of the build
#   make fuzz   build the libFuzzer targets with clang and run each for FUZZ_SECONDS (60)
#   make package build the Debian package build/quillmark_<version>_<arch>.deb
# CMAKE_FLAGS reaches every configure step, e.g. make test CMAKE_FLAGS=-DQM_WERROR=ON.

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = $(patsubst tests/fuzz/%-seeds,qm_%_fuzz,$(wildcard tests/fuzz/*-seeds))
export QUILLMARK_HOME ?= $(CURDIR)/$(BUILD)/home

.PHONY: all deps configure build run test bench asan debug fuzz format tidy package clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@mkdir -p "$(QUILLMARK_HOME)"
	@bash scripts/run.sh "$(BUILD)" $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 120

bench:
	@bash scripts/install-deps.sh --bench
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	@bash scripts/run-bench.sh "$(BUILD)-bench"

# The sanitizer and Debug builds go through their presets (CMakePresets.json), which also hold
# the tests' environment (LeakSanitizer suppressions in tests/lsan.supp).
asan: deps
	cmake --preset asan $(CMAKE_FLAGS)
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

debug: deps
	cmake --preset debug $(CMAKE_FLAGS)
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

fuzz:
	@bash scripts/install-deps.sh --fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(BUILD)-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQM_FUZZ=ON -DQM_BUILD_TESTS=OFF
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@bash scripts/run-fuzz.sh "$(BUILD)-fuzz" $(FUZZ_SECONDS)
package: build
	cd $(BUILD) && cpack -G DEB

format: deps
	@bash scripts/format.sh

tidy: configure
	@bash scripts/install-deps.sh --tidy
	@bash scripts/tidy.sh "$(BUILD)" $(JOBS)

clean:
	rm -rf $(BUILD) build-asan build-debug $(BUILD)-bench $(BUILD)-fuzz
