# Quick start: `make run` starts the program, `make test` runs every test.
BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test bench clean

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/korvel

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/korvel-bench

clean:
	@rm -rf $(BUILD)
