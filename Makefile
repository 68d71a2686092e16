# Quick start: `make run` starts the program, `make test` runs every test.
BUILD ?= build
JOBS ?= 2

.PHONY: setup configure build run test bench clean

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program alone: no tests or benchmarks to wait for.
run: configure
	@cmake --build $(BUILD) -j $(JOBS) --target korvel korvel-cli
	@$(BUILD)/korvel

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/korvel-*bench; do echo "== $$b"; $$b; done

clean:
	@rm -rf $(BUILD)
