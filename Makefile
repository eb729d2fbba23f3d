# Front doors: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# A compiler cache, when one is installed, makes rebuilds in several work trees cheap.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
  CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
endif
TEST_ENV := QT_QPA_PLATFORM=offscreen
ifeq ($(SANITIZE),1)
  BUILD := build-sanitize
  CMAKE_FLAGS += -DKELVADROME_SANITIZE=ON
  TEST_ENV += UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
endif
# ThreadSanitizer: the core tests only, in a folder of their own. Some kernels randomise the
# address space more than ThreadSanitizer allows ("unexpected memory mapping"); running without
# address randomisation avoids that and costs nothing elsewhere.
TEST_RUNNER :=
ifeq ($(TSAN),1)
  BUILD := build-tsan
  CMAKE_FLAGS += -DKELVADROME_TSAN=ON
  TEST_ENV += TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
  TEST_RUNNER := setarch $(shell uname -m) -R
endif
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
             -artifact_prefix=$(FUZZ_BUILD)/artifacts/

.PHONY: all deps configure build release run test golden bench install package fuzz fuzz-build fuzz-seeds clean

all: build

deps:
	@bash scripts/install-deps

# Warnings are errors here and in CI (a plain `cmake` run leaves them warnings); a build folder
# configured before that was an option is switched over by `configure`.
$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DKELVADROME_WERROR=ON $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja
	@grep -q '^KELVADROME_WERROR:BOOL=ON$$' $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DKELVADROME_WERROR=ON

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

# The usual Release configuration, in a folder of its own (built, not tested).
release:
	$(MAKE) build BUILD=build-release BUILD_TYPE=Release

run: build
	@if [ -x $(BUILD)/src/app/kelvadrome ]; then $(BUILD)/src/app/kelvadrome; \
	else $(BUILD)/src/cli/kelvadrome-cli analyse --default; fi

test: build
	cd $(BUILD) && $(TEST_ENV) $(TEST_RUNNER) ctest --output-on-failure -j $(JOBS)

# Writes the projects of tests/golden and every output stored beside them again; review the
# change as a diff before committing it.
golden: build
	$(BUILD)/tests/golden-projects tests/golden
	KELVADROME_GOLDEN_UPDATE=1 $(BUILD)/tests/test_golden --gtest_filter='Projects/*'

bench: build
	$(BUILD)/bench/kelvadrome-bench

# Installs under /usr/local (PREFIX=/some/where for another place; DESTDIR is honoured).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, kelvadrome_<version>_<arch>.deb, in the top folder.
package: build
	rm -f $(BUILD)/kelvadrome_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/kelvadrome_*.deb .

# libFuzzer harnesses, built with clang and the sanitizers in $(FUZZ_BUILD); each runs for
# FUZZ_SECONDS. New inputs go to $(FUZZ_BUILD)/corpus, faults to $(FUZZ_BUILD)/artifacts.
$(FUZZ_BUILD)/build.ninja: | deps
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DKELVADROME_WERROR=ON

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	@grep -q '^KELVADROME_WERROR:BOOL=ON$$' $(FUZZ_BUILD)/CMakeCache.txt || cmake -S fuzz -B $(FUZZ_BUILD) -DKELVADROME_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	mkdir -p $(FUZZ_BUILD)/artifacts $(FUZZ_BUILD)/corpus/project-file $(FUZZ_BUILD)/corpus/wall
	$(FUZZ_BUILD)/fuzz-project-file $(FUZZ_FLAGS) $(FUZZ_BUILD)/corpus/project-file fuzz/corpus/project-file
	$(FUZZ_BUILD)/fuzz-wall $(FUZZ_FLAGS) $(FUZZ_BUILD)/corpus/wall fuzz/corpus/project-file

# Writes the seed files of every project-file layout into fuzz/corpus/project-file.
fuzz-seeds: fuzz-build
	$(FUZZ_BUILD)/fuzz-seeds fuzz/corpus/project-file

clean:
	rm -rf build build-sanitize build-release build-tsan $(FUZZ_BUILD) kelvadrome_*.deb
