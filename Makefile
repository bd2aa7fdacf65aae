BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)

.PHONY: all deps build run test a11y bench stress fuzz package screenshots clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/wks-config

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every screen read as a screen reader reads it (AT-SPI) on a virtual X display.
a11y: build
	@WKS_A11Y=1 scripts/install-deps
	scripts/check-accessibility $(BUILD)

bench: build
	@for b in $(BUILD)/bench/*-bench; do [ -x "$$b" ] && "$$b"; done; true

# The Debian package, made in $(BUILD): wks-config_<version>_amd64.deb.
package: build
	cd $(BUILD) && cpack

# Every screen, rendered offscreen from the real dialogs with sample data, into docs/screenshots.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/packaging/wks-screenshots docs/screenshots

# 500 saves killed at random moments; the card file must always be the old or the new file,
# and nothing they left may outlast the next save. Then 100 pairs of saves on one card at once:
# neither may lose the other's change.
stress: build
	$(BUILD)/bench/stress-kill 500
	$(BUILD)/bench/stress-pairs 100

# The private-profile document under libFuzzer with sanitizers, for FUZZ_SECONDS per job.
fuzz:
	@WKS_FUZZ=1 scripts/install-deps
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	scripts/run-fuzz $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD)
