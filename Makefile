# Set-up and everyday commands; see README.md.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: all deps configure build test run format clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
		ctest --output-on-failure -j 2 --timeout 600

run: build
	@bash scripts/run-demo.sh $(BUILD)

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
