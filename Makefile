# Quarn: Nine Men's Morris against the computer.
#   make run    installs what is missing, builds, starts the game
#   make test   installs what is missing, builds, runs every test, builds
#               and checks the Debian package
#   make deb    builds the Debian package into dist/ and checks it
# All work as root on a fresh Debian 12 machine.

BUILD ?= build
BUILD_TYPE ?= Release
PREFIX ?= /usr/local

# Debian packages the build and the tests need.
PACKAGES = cmake ninja-build g++ make libgtest-dev \
	qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n \
	libgl-dev fonts-dejavu-core appstream desktop-file-utils clang-format \
	xvfb dbus at-spi2-core python3-pyatspi orca xdotool clang libclang-rt-14-dev

# And those that building the Debian package needs on top.
DEB_PACKAGES = debhelper lintian dpkg-dev
# And those that taking the screenshot needs.
SCREENSHOT_PACKAGES = xvfb xdotool imagemagick

.PHONY: all deps build test format-check sanitize run install uninstall deb screenshot clean

all: build

# Asks dpkg first, so that nothing is downloaded when all is there.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${db:Status-Status}\n' $$p 2>/dev/null | grep -qx installed || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  if [ "$$(id -u)" -ne 0 ]; then echo "Run as root, or install these packages first:" $$missing; exit 1; fi; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX) \
	  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	cmake --build $(BUILD)

# The suite runs twice: in the build the game uses (g++), and with the
# engine, the game state and their tests (everything without Qt) built again
# by clang, warnings as errors, under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails; the window, the
# platform layer and their tests go through clang's front end as well
# (tools/clang-check). So every change is compiled by both compilers.
# Then the Debian package is built and checked, without running the suite
# a third time inside the package's build.
test: build sanitize
	cd $(BUILD) && ctest --output-on-failure -j2 --timeout 600
	cd $(BUILD)-sanitize && ctest --output-on-failure -j2 --timeout 600
	tools/clang-check $(BUILD)
	@DEB_BUILD_OPTIONS="nocheck parallel=2" $(MAKE) --no-print-directory deb
	$(MAKE) format-check

# Every tracked C++ source must be as clang-format leaves it (.clang-format).
format-check: deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
	  -DQUARN_WITH_UI=OFF -DQUARN_SANITIZE=ON
	cmake --build $(BUILD)-sanitize

run: build
	$(BUILD)/ui/quarn

# Installs the programs, the menu entry, the icon, the metadata and the
# manual pages under PREFIX; uninstall removes exactly the files installed.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	cmake --build $(BUILD) --target uninstall

# Builds the Debian package the way Debian does, in a copy of the tracked
# files under build-deb/, checks it and leaves it in dist/.
deb:
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(DEB_PACKAGES)"
	tools/package/build-deb

# Plays a few moves in the real window under Xvfb and saves
# docs/screenshot.png; run it again whenever the board's look changes.
screenshot: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGES) $(SCREENSHOT_PACKAGES)"
	tools/screenshot --program $(BUILD)/ui/quarn

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize build-deb
