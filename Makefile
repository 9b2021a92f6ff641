# make run   installs what is missing, builds, and starts the calendar
# make test  installs what is missing, builds, and runs every test
# make package  also makes the Debian package build/package/velorith_VERSION_ARCH.deb
BUILD ?= build
JOBS ?= $(shell nproc)
# Extra CMake options, e.g. CMAKE_FLAGS=-DVELORITH_WERROR=ON (continuous integration does).
CMAKE_FLAGS ?=

.PHONY: deps build run test package clean

deps:
	scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/bin/velorith ]; then \
		$(BUILD)/bin/velorith; \
	else \
		echo "The window is not built yet; showing today's day report from velorith-report."; \
		$(BUILD)/bin/velorith-report; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The package is built with Debian's hardening flags (cmake/Hardening.cmake).
package: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORITH_HARDENING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
