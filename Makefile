# The two commands of the README, and the helpers they use.
BUILD       ?= build
BUILD_ASAN  ?= build-asan
JOBS        ?= $(shell nproc)
OUT         ?= out

.PHONY: run test build build-asan deps clean

run: build
	@scripts/run-editor $(BUILD) $(OUT)

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS)

deps:
	@scripts/bootstrap

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The core and its tests again, under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan: deps
	@cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_CORE_ONLY=ON -DORVANE_WERROR=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(OUT)
