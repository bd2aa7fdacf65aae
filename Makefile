BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)

.PHONY: all deps build run test bench stress fuzz package clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Until the screens exist, the program to run is the command-line companion.
run: build
	$(BUILD)/src/wks-settings models

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*-bench; do [ -x "$$b" ] && "$$b"; done; true

# The Debian package, made in $(BUILD): wks-config_<version>_amd64.deb.
package: build
	cd $(BUILD) && cpack

# 500 saves killed at random moments; the card file must always be the old or the new file.
stress: build
	$(BUILD)/bench/stress-kill 500

# The private-profile document under libFuzzer with sanitizers, for FUZZ_SECONDS per job.
fuzz:
	@WKS_FUZZ=1 scripts/install-deps
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	scripts/run-fuzz $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD)
