# SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
# SPDX-License-Identifier: GPL-3.0-or-later
BUILD ?= build
JOBS ?= $(shell nproc)

FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)

.PHONY: all deps build install run test a11y bench stress fuzz package screenshots clean

all: build

# Every package any target needs.
deps:
	@scripts/install-deps

# Installs the package sets $(1) of scripts/install-deps, then configures and builds. Configuring
# again costs a second or two and lets CMake find the programs that new packages brought (the
# validators of the test set after a `make run`).
define build_with
	@scripts/install-deps $(1)
	cmake -S . -B $(BUILD) --log-level=NOTICE
	cmake --build $(BUILD) -j $(JOBS)
endef

build:
	$(call build_with,build)

# Stripped programs and their desktop integration under PREFIX (CMake's, /usr/local, unless
# given); DESTDIR stages them elsewhere.
install:
	$(call build_with,build)
	cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

run:
	$(call build_with,build run)
	$(BUILD)/src/wks-config

test:
	$(call build_with,build run test)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every screen read as a screen reader reads it (AT-SPI) on a virtual X display.
a11y:
	$(call build_with,build run a11y)
	scripts/check-accessibility $(BUILD)

bench:
	$(call build_with,build run test)
	@for b in $(BUILD)/bench/*-bench; do [ -x "$$b" ] && "$$b"; done; true

# The Debian package, $(BUILD)/wks-config_<version>_amd64.deb: built in a tree of its own with
# the distribution's flags (dpkg-buildflags, with every hardening feature: PIE, RELRO, BIND_NOW,
# FORTIFY), stripped, then judged by lintian, which must find no error, warning, information or
# pedantic remark.
PACKAGE_BUILD = $(BUILD)/package
package:
	@scripts/install-deps build package
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None -DWKS_TESTS=OFF -DWKS_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$CPPFLAGS $$CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$$LDFLAGS"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -B $(abspath $(BUILD))
	lintian -I --pedantic --fail-on error,warning,info,pedantic $(BUILD)/wks-config_*_*.deb

# Every screen, rendered offscreen from the real dialogs with sample data, into docs/screenshots.
screenshots:
	$(call build_with,build run test)
	QT_QPA_PLATFORM=offscreen $(BUILD)/packaging/wks-screenshots docs/screenshots

# 500 saves killed at random moments; the card file must always be the old or the new file,
# and nothing they left may outlast the next save. Then 100 pairs of saves on one card at once:
# neither may lose the other's change.
stress:
	$(call build_with,build run)
	$(BUILD)/bench/stress-kill 500
	$(BUILD)/bench/stress-pairs 100

# The private-profile document under libFuzzer with sanitizers, for FUZZ_SECONDS per job.
fuzz:
	@scripts/install-deps fuzz
	cmake -S fuzz -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	scripts/run-fuzz $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

clean:
	rm -rf $(BUILD)
