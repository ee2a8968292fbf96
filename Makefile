# The two commands of the README: `make run` and `make test`. Both install what is missing
# (Debian packages), configure and build first.

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Everything the build, the tests and the program need on a fresh Debian machine. At run time the
# desktop program draws its SVG pictures through libqt6svg6 and opens its manual with xdg-open;
# the installation test checks the desktop entry and the MIME type with the desktop's own tools.
PACKAGES := cmake ninja-build g++ pkg-config \
            libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev libqt6network6 libqt6printsupport6 libqt6svg6 xdg-utils \
            unixodbc unixodbc-dev odbcinst libsqliteodbc sqlite3 \
            fonts-liberation fontconfig poppler-utils libxml2-utils \
            desktop-file-utils shared-mime-info

TEST_BUILD := build/test
RUN_BUILD  := build/release

.PHONY: all deps test run build clean bench fuzz

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# Tests run in a debug build under AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBELVO_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The programs and the demo data, without the tests.
build: deps
	cmake -S . -B $(RUN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELVO_TESTS=OFF
	cmake --build $(RUN_BUILD) -j $(JOBS)

# The desktop program on the demo house, with a settings store of its own that the build
# prepared in $(RUN_BUILD)/data/run-config (the demo price list is the default of a new project;
# the user's own settings stay untouched). It runs in $(RUN_BUILD)/data, so the files it writes
# beside its start-up directory stay in the build tree. Without a display the batch tool shows
# the demo price list and the bill of materials of the demo house instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cd $(RUN_BUILD)/data && XDG_CONFIG_HOME="$$PWD/run-config" ../belvo demo-dum.kar; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the demo data with the batch tool."; \
	  echo; \
	  $(RUN_BUILD)/belvo-cli catalogue $(RUN_BUILD)/data/demo.dat && echo && \
	  $(RUN_BUILD)/belvo-cli proposal $(RUN_BUILD)/data/demo-dum.kar; \
	fi

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELVO_TESTS=OFF -DBELVO_BENCH=ON
	cmake --build build/bench -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELVO_TESTS=OFF -DBELVO_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)

clean:
	rm -rf build
