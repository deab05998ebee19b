# The README's commands; thin wrappers over cmake and ctest.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test deb test-asan bench fuzz sample clean

all: build

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/regatix

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The Debian package, from the build tree's programs: $(BUILD)/package/regatix_<version>_<arch>.deb
deb: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DREGATIX_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# Built as the program ships (RelWithDebInfo, which CMakeLists.txt optimises as Release does), so that the
# figures are those of the program users run.
bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGATIX_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	@for b in $(BUILD)-bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGATIX_FUZZ=ON -DREGATIX_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp)))
	@set -e; for f in $(basename $(notdir $(wildcard fuzz/fuzz_*.cpp))); do \
	  mkdir -p $(FUZZ_BUILD)/corpus-$$f; echo "== $$f"; \
	  $(FUZZ_BUILD)/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=2048 \
	    -artifact_prefix=$(FUZZ_BUILD)/$$f- $(FUZZ_BUILD)/corpus-$$f fuzz/seeds/$$f > $(FUZZ_BUILD)/$$f.log 2>&1 \
	    || { tail -n 40 $(FUZZ_BUILD)/$$f.log; exit 1; }; tail -n 1 $(FUZZ_BUILD)/$$f.log; \
	done

# Rewrites data/sample from the race simulator with fixed seeds.
sample: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target regatix-simulate
	bash tools/simulate/make-sample.sh $(BUILD)/bin/regatix-simulate data/sample

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BUILD)-bench
