# make run    installs what is missing, builds into build/ and starts the editor
# make test   installs what is missing, builds and runs every test (offscreen)
# make bench  builds the benchmarks into build/bench/
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench sanitize clean data

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/kestrel

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target benchmarks -j $(JOBS)

# Tests under AddressSanitizer and UndefinedBehaviorSanitizer, in their own build folder.
sanitize:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DKESTREL_SANITIZE=ON"

# Rebuilds data/data.xml from its sections.
data:
	bash tools/assemble-data

clean:
	rm -rf $(BUILD)
