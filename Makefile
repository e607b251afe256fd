# Quillmark Mobile: the two commands of the README, and a few more for developers.
#   make run    install dependencies, build, start the program
#   make test   install dependencies, build, run every test
#   make bench  build and run the benchmarks (installs the tools they compare against)
#   make asan   build and test with AddressSanitizer and UndefinedBehaviorSanitizer
#   make format format every C++ source with the checked-in .clang-format
#   make package build the Debian package build/quillmark_<version>_<arch>.deb

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
export QUILLMARK_HOME ?= $(CURDIR)/$(BUILD)/home

.PHONY: all deps configure build run test bench asan format package clean

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

asan: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQM_SANITIZE=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS) --timeout 300

package: build
	cd $(BUILD) && cpack -G DEB

format: deps
	@bash scripts/format.sh

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-bench
