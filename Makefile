# Two commands for a newcomer on Debian 12: `make run` and `make test`.
# Both install what is missing with apt-get, configure and build with CMake.

BUILD ?= build
JOBS ?= $(shell nproc)
PACKAGES := cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation2 admesh \
            xvfb xauth openbox xdotool imagemagick x11-utils x11-xserver-utils \
            dbus at-spi2-core python3-pyatspi xclip poppler-utils pkg-config libpoppler-qt6-dev \
            libgif-dev libimagequant-dev libwebp-dev webp \
            libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
# What the package's Depends are found with (dpkg-shlibdeps, file), and what
# check-package runs the package through.
PACKAGES += dpkg-dev file lintian desktop-file-utils appstream man-db
# ffmpeg makes the same videos as Elica from the same frames, and Mesa's llvmpipe through EGL draws
# the same lit triangles, for the bench to time them beside.
BENCH_PACKAGES := libbenchmark-dev python3 ffmpeg libegl-dev libgles-dev libegl-mesa0 libgl1-mesa-dri
# The Khronos glTF validator that the model tests run: Debian's Node only where none is on the PATH
# (some images bring their own, which Debian's nodejs conflicts with), and the npm package in the
# build tree, where the tests look for it, at the version they were written against.
NODE_PACKAGES := $(if $(shell command -v node),,nodejs npm)
GLTF_VALIDATOR := gltf-validator@2.0.0-dev.3.10
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench build deps bench-deps package check-package check-asan clean

run: build
	$(BUILD)/elica

test: build $(BUILD)/node_modules/gltf-validator/package.json
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

$(BUILD)/node_modules/gltf-validator/package.json: | deps
	npm install --prefix $(BUILD) --no-save --no-audit --no-fund $(GLTF_VALIDATOR)

bench: bench-deps build
	$(BUILD)/bench/elica_bench
	python3 bench/startup.py $(BUILD)/elica $(BUILD)/bare_window

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	@missing=$$(for p in $(PACKAGES) $(NODE_PACKAGES); do \
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

# The package as a distribution would take it, built afresh: lintian fails on
# any error or warning (the package carries no overrides) and on any hardening
# tag even among its notes, and the desktop entry, the AppStream metainfo and
# the manual page are checked as installed.
CHECK_ROOT := $(BUILD)/package-check
check-package: build
	rm -f $(BUILD)/elica_*.deb
	cd $(BUILD) && cpack
	rm -rf $(CHECK_ROOT) && dpkg-deb -x $(BUILD)/elica_*.deb $(CHECK_ROOT)
	lintian --fail-on error,warning $(BUILD)/elica_*.deb
	@out=$$(lintian -I --pedantic $(BUILD)/elica_*.deb 2>&1 | grep -i hardening); \
	  echo "lintian hardening tags: $${out:-none}"; [ -z "$$out" ]
	@out=$$(desktop-file-validate $(CHECK_ROOT)/usr/share/applications/*.desktop 2>&1); \
	  echo "desktop-file-validate: $${out:-silent}"; [ -z "$$out" ]
	appstreamcli validate --no-net $(CHECK_ROOT)/usr/share/metainfo/*.metainfo.xml
	@out=$$(man --warnings -l $(CHECK_ROOT)/usr/share/man/man1/elica.1.gz 2>&1 >/dev/null); \
	  echo "man --warnings: $${out:-silent}"; [ -z "$$out" ]

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
