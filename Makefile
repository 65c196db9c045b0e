# Two commands do everything: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60
# How long the random play lasts, and its seed (a fresh one when empty).
SECONDS    ?= 120
SEED       ?=
# The project's own builds treat warnings as errors; a plain cmake build does not.
STRICT     := -DFITZEL_WARNINGS_AS_ERRORS=ON

.PHONY: all deps configure build run test test-sanitize test-tsan fuzz random-play build-types \
	package clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/fitzel/fitzel

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole test suite again, built with AddressSanitizer (leaks included, less those in system
# libraries that tests/lsan.supp names) and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFITZEL_SANITIZE=ON $(STRICT)
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-sanitize --output-on-failure -j $(JOBS)

# The tests where threads meet, the game's (the par among them) and the windows', built with
# ThreadSanitizer; any report fails the run, less those in the toolkit that tests/tsan.supp names.
test-tsan: deps
	cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFITZEL_TSAN=ON $(STRICT)
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$(CURDIR)/tests/tsan.supp" \
		ctest --test-dir build-tsan --output-on-failure -j $(JOBS)

# Each reader of outside data under libFuzzer for FUZZ_SECONDS, starting from the seed inputs.
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFITZEL_FUZZ=ON $(STRICT) \
		-DCMAKE_CXX_COMPILER=clang++
	cmake --build build-fuzz -j $(JOBS)
	./scripts/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The real program, built with the sanitizers, played with random input on a virtual display for
# SECONDS, started again whenever it ends; any sanitizer report, crash, hang or damaged table
# fails it (tools/randomplay).
random-play: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFITZEL_SANITIZE=ON $(STRICT)
	cmake --build build-sanitize -j $(JOBS) --target fitzel checktable
	python3 tools/randomplay/randomplay.py build-sanitize/fitzel/fitzel \
		build-sanitize/tools/randomplay/checktable --seconds $(SECONDS) $(if $(SEED),--seed $(SEED)) \
		--suppressions $(CURDIR)/tests/lsan.supp

# The program built as users and packagers build it, in each standard build type.
build-types: deps
	./scripts/check-build-types build-types

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-sanitize build-tsan build-fuzz build-types
