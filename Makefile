# Quick start: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
PACKAGES := $(shell grep -v '^\s*\#' deps.txt)

.PHONY: all deps configure build run test bench package clean sanitize fuzz fairness

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tarvelle

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTARVELLE_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target benchmarks
	@for b in $(BUILD)-bench/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" || exit 1; fi; \
	done

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
sanitize: deps
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
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLE_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	fuzz/campaign.sh $(BUILD)-fuzz $(FUZZ_SECONDS) $(FUZZ_JOBS)

# Ten million deals per deck size (make test runs one million).
fairness: build
	$(BUILD)/tests/fairness --deals 10000000

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-sanitize $(BUILD)-fuzz
