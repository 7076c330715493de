# Quick start: `make run` starts Ferrovane, `make test` builds and runs every test, `make deb`
# makes a Debian package. They install the Debian packages they need when they are missing.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
# A compiler cache, when the machine has one, makes rebuilds of other checkouts cheap.
CCACHE     := $(shell command -v ccache 2>/dev/null)
CACHE_ARGS := $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))

PACKAGES := build-essential cmake ninja-build pkg-config googletest libgtest-dev libgmock-dev \
            libbenchmark-dev libpugixml-dev libexpat1-dev libsqlite3-dev \
            qt6-base-dev qt6-svg-dev libgl1-mesa-dev \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext \
            libcli11-dev help2man appstream clang-format xvfb xauth \
            desktop-file-utils dbus-daemon \
            btrfs-progs xfsprogs ntfs-3g dosfstools exfatprogs testdisk
# What `make deb` needs besides: dpkg-shlibdeps (the package's dependencies) and lintian.
DEB_PACKAGES := dpkg-dev lintian

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test test-unit test-asan bench deb clean format format-check

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CACHE_ARGS) $(CMAKE_ARGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found. Ferrovane is a desktop program; to start it without a screen use:"; \
	  echo "  xvfb-run -a -s '-screen 0 1280x900x24' $(BUILD)/bin/ferrovane"; \
	  exit 1; \
	fi
	$(BUILD)/bin/ferrovane

# Every test: the normal build, then every test again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the window's tests included (offscreen).
test: test-unit test-asan

test-unit: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFERROVANE_SANITIZE=ON \
	  -DFERROVANE_BENCH=OFF -DFERROVANE_WERROR=ON $(CACHE_ARGS) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE matrix

bench: build
	bench/run.sh $(BUILD)

# A Debian package of the installed tree (CPack), checked by lintian.
deb: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(DEB_PACKAGES)"
	rm -f $(BUILD)/ferrovane_*.deb
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/ferrovane_*.deb

FORMAT_FILES = git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h'

format:
	$(FORMAT_FILES) | xargs clang-format -i

# Fails when a source file differs from what clang-format makes of it.
format-check: deps
	$(FORMAT_FILES) | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
