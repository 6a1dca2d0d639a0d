# The two commands a newcomer needs:
#   make run    install what is missing, build, start the client (ARGS='-file ~/a.pdf -fax 2125551212')
#   make test   install what is missing, build under the sanitizers, run every test
# and a few more: make bench, make demo, make screenshots, make install PREFIX=..., make package, make clean,
# make fuzz (FUZZ_SECONDS=60 per target; FUZZ_TARGETS='base64 smtp_replies' for some only).

BUILD_DIR ?= build
TEST_BUILD_DIR ?= build-test
BENCH_BUILD_DIR ?= build-bench
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
PREFIX ?= /usr/local
ARGS ?=
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz demo screenshots install package clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDESKLET_BUILD_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/desklet $(ARGS)

$(TEST_BUILD_DIR)/build.ninja:
	cmake -S . -B $(TEST_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDESKLET_SANITIZE=ON -DDESKLET_BUILD_TESTS=ON \
		-DDESKLET_WERROR=ON $(CMAKE_FLAGS)

test: deps $(TEST_BUILD_DIR)/build.ninja
	cmake --build $(TEST_BUILD_DIR) -j $(JOBS)
	cd $(TEST_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

$(BENCH_BUILD_DIR)/build.ninja:
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DDESKLET_BUILD_TESTS=OFF \
		-DDESKLET_BUILD_BENCH=ON $(CMAKE_FLAGS)

bench: deps $(BENCH_BUILD_DIR)/build.ninja
	cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	cmake --build $(BENCH_BUILD_DIR) --target run-benchmarks

# Every fuzz target for FUZZ_SECONDS each, built with clang and libFuzzer in its
# own folder; `make test` replays the corpora without either.
fuzz:
	@scripts/install-deps fuzz
	FUZZ_BUILD_DIR=$(FUZZ_BUILD_DIR) FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz $(FUZZ_TARGETS)

demo: build
	scripts/demo $(BUILD_DIR)/src/desklet

# The README's and the metadata's pictures, drawn headless from the real dialogs;
# make screenshots LANGUAGE=de draws them in German into docs/de/.
screenshots: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target desklet_screenshots
	LANGUAGE="$(LANGUAGE)" QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/src/app/desklet_screenshots docs

install: build
	cmake --install $(BUILD_DIR) --prefix "$(abspath $(PREFIX))"

package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(TEST_BUILD_DIR) $(BENCH_BUILD_DIR) $(FUZZ_BUILD_DIR)
