# Set-up, build and test for QS2017DM.
#   make run    installs what is missing, builds Release into build/ and runs the program
#               (EXTRACT=path starts it on that extract, unattended)
#   make test   installs what is missing, builds and runs the whole test suite,
#               then a sanitizer build of the core and the console tool and their tests
SHELL := /bin/bash
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev pkg-config \
                   libbenchmark-dev python3 xauth xvfb locales
EXTRACT ?=

.PHONY: run test deps build build-asan format fuzz bench clean

deps:
	@missing=""; \
	for p in $(DEBIAN_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    export DEBIAN_FRONTEND=noninteractive; \
	    apt-get update -qq && apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages:$$missing"; \
	    echo "Run: sudo apt-get install -y$$missing"; exit 1; \
	  fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(WERROR_ARGS) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQS_CORE_ONLY=ON -DQS_SANITIZE=ON -DQS_BENCH=OFF $(WERROR_ARGS) $(CMAKE_ARGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# Without a display (a server, CI) the window cannot open: the console tool then
# converts the extract (by default the bundled sample) instead.
run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display for the window; converting with $(BUILD)/bin/qsdm-cli instead."; \
	  exec $(BUILD)/bin/qsdm-cli convert "$(if $(EXTRACT),$(EXTRACT),$(CURDIR)/examples/1099-MISC_EXTRACT.txt)"; \
	elif [ -n "$(EXTRACT)" ]; then exec $(BUILD)/bin/QS2017DM "$(EXTRACT)"; \
	else exec $(BUILD)/bin/QS2017DM; fi

# make test (and so CI) configures both builds with warnings as errors; make build and
# make run leave the cached setting as it is.
test: WERROR_ARGS = -DQS_WERROR=ON
test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

fuzz:
	$(MAKE) -C fuzz run SECONDS=$(if $(SECONDS),$(SECONDS),60)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
