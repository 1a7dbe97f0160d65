# make run    installs what is missing, builds into build/ and starts the editor
# make test   installs what is missing, builds and runs every test (offscreen)
# make bench  builds the benchmarks into build/bench/
# make install PREFIX=/usr/local   builds and installs the program, its data, desktop entry, icon and metainfo
# make deb    builds a Debian package, build/kestrel_<version>_<arch>.deb
# make fuzz   builds the libFuzzer targets with clang into build-fuzz/ and runs each for FUZZ_SECONDS (60)
# make sanitize-core  builds, in that same tree, the tests of the page codec, loader, piece decoder, recovery,
#                     single instance and tag parser under AddressSanitizer + UndefinedBehaviorSanitizer, and runs them
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench sanitize sanitize-core clean data fuzz fuzz-build install deb

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

# The benchmarks are built too, so that they keep compiling as the program changes.
test: build
	cmake --build $(BUILD) --target benchmarks -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = tagparser pagecodec conversion cssdeclarations tagdb helpers

SANITIZE_TESTS = tst_pagecodec tst_pagedecoder tst_documentfiller tst_piecedecoder tst_recoverystore tst_recoverykeeper \
                 tst_singleinstance tst_tagparser

$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKESTREL_FUZZ=ON -DKESTREL_BROWSER=OFF $(CMAKE_FLAGS)

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)

sanitize-core: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target kestrel $(SANITIZE_TESTS) -j $(JOBS)
	cd $(FUZZ_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) \
	    -R '^($(shell echo $(SANITIZE_TESTS) | tr ' ' '|'))$$'

fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	    echo "== fuzz_$$t"; \
	    ASAN_OPTIONS=detect_leaks=0 $(FUZZ_BUILD)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	        $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t > $(FUZZ_BUILD)/fuzz_$$t.log 2>&1; rc=$$?; \
	    grep -E "stat::number_of_executed_units|Done" $(FUZZ_BUILD)/fuzz_$$t.log; \
	    [ $$rc -eq 0 ] || { tail -40 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; }; \
	done

PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

deb: build
	cd $(BUILD) && cpack -G DEB

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
