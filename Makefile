# Two commands for a newcomer on Debian 12: `make run` and `make test`.
# Both install what is missing with apt-get, configure and build with CMake.

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev fonts-liberation2 fonts-urw-base35 \
            xvfb xauth openbox xdotool imagemagick x11-utils
BENCH_PACKAGES := libbenchmark-dev python3
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench build deps bench-deps package check-asan clean

run: build
	$(BUILD)/elica

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: bench-deps build
	$(BUILD)/bench/elica_bench
	python3 bench/startup.py $(BUILD)/elica $(BUILD)/bare_window

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	@missing=$$(for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

bench-deps:
	@missing=$$(for p in $(BENCH_PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	  rm -f $(BUILD)/CMakeCache.txt; \
	fi

package: build
	cd $(BUILD) && cpack

# The unit and widget tests once more, built with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
check-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j$(JOBS) -L unit

clean:
	rm -rf $(BUILD)
