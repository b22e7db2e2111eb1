# Quick start: `make run` and `make test`. Both install what is missing first:
# `make run` what building and playing need (deps.txt), the other targets also what the
# tests, benchmarks and packaging need (deps-test.txt); `make fuzz` adds clang (deps-fuzz.txt).
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
PACKAGES := $(shell grep -hv '^\s*\#' deps.txt)
TEST_PACKAGES := $(PACKAGES) $(shell grep -hv '^\s*\#' deps-test.txt)
FUZZ_PACKAGES := $(shell grep -hv '^\s*\#' deps-fuzz.txt)

# $(call install_missing,packages): apt-get install whichever of them are not installed.
define install_missing
	@missing=""; \
	for p in $(1); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: all deps deps-test configure build run test bench package clean sanitize fuzz fairness

all: build

deps:
	$(call install_missing,$(PACKAGES))

deps-test:
	$(call install_missing,$(TEST_PACKAGES))

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tarvelle

test: deps-test build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps-test
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTARVELLE_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target benchmarks
	@for b in $(BUILD)-bench/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" || exit 1; fi; \
	done
	@echo "== sound latency (a sound server of its own; not a pass/fail check)"
	@$(BUILD)-bench/bench/wave_latency 30 || true

# The Debian package, then Debian's own checker on it: any error or warning fails.
# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
sanitize: deps-test
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLE_SANITIZE=ON
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:detect_stack_use_after_return=0 \
		UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

# The fuzzing campaign: every target for FUZZ_SECONDS, FUZZ_JOBS at a time, at low priority.
FUZZ_SECONDS ?= 600
FUZZ_JOBS ?= $(JOBS)
fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLE_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	fuzz/campaign.sh $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

# Ten million deals per deck size (make test runs one million).
fairness: build
	$(BUILD)/tests/fairness --deals 10000000

package: deps-test build
	cmake --build $(BUILD) --target screenshots
	rm -f $(BUILD)/tarvelle_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --display-info --fail-on error,warning $(BUILD)/tarvelle_*.deb

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize $(BUILD)-fuzz
