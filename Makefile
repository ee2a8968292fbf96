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

build: deps
	cmake -S . -B $(RUN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(RUN_BUILD) -j $(JOBS)

# Until the desktop program exists, `make run` shows the demo data with the batch tool: the demo
# price list, then the bill of materials of the demo family house.
run: build
	$(RUN_BUILD)/belvo-cli catalogue $(RUN_BUILD)/data/demo.dat
	@echo
	$(RUN_BUILD)/belvo-cli proposal $(RUN_BUILD)/data/demo-dum.kar

bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELVO_TESTS=OFF -DBELVO_BENCH=ON
	cmake --build build/bench -j $(JOBS)

fuzz: deps
	CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBELVO_TESTS=OFF -DBELVO_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS)

clean:
	rm -rf build
