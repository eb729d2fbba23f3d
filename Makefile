# Front doors: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(SANITIZE),1)
  BUILD := build-sanitize
  CMAKE_FLAGS += -DKELVADROME_SANITIZE=ON
endif

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/src/app/kelvadrome ]; then $(BUILD)/src/app/kelvadrome; \
	else $(BUILD)/src/cli/kelvadrome-cli analyse --default; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/kelvadrome-bench

clean:
	rm -rf build build-sanitize
