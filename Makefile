# make run  - build (Release) and start the window
# make test - build and run every test, then every test again under ASan/UBSan
# make bench - build and run the benchmarks

RELEASE := build/release
DEBUG := build/debug
SANITIZE := build/sanitize
CMAKE_GEN := -G Ninja

.PHONY: run test bench fuzz deps clean

deps:
	@scripts/install-deps.sh

run: deps
	cmake -S . -B $(RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCARDGEN_BUILD_TESTS=OFF
	cmake --build $(RELEASE) --target cardgen
	@scripts/run-window.sh $(RELEASE)/src/app/cardgen

test: deps
	cmake -S . -B $(DEBUG) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(DEBUG)
	cd $(DEBUG) && ctest --output-on-failure --timeout 300
	cmake -S . -B $(SANITIZE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCARDGEN_SANITIZE=ON -DCARDGEN_BUILD_UI=ON
	cmake --build $(SANITIZE)
	cd $(SANITIZE) && ctest --output-on-failure --timeout 300

bench: deps
	cmake -S . -B $(RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCARDGEN_BUILD_BENCH=ON
	cmake --build $(RELEASE)
	for b in $(RELEASE)/bench/*Bench $(RELEASE)/bench/ui/*Bench; do [ -x "$$b" ] && "$$b" || true; done

# Fuzz targets (clang, libFuzzer), each run for FUZZ_SECONDS (default 60); not part of `make test`.
fuzz: deps
	@scripts/install-deps.sh scripts/packages-fuzz.txt
	CC=clang CXX=clang++ cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCARDGEN_BUILD_FUZZ=ON -DCARDGEN_BUILD_UI=OFF -DCARDGEN_BUILD_TESTS=OFF
	cmake --build build/fuzz --target cardgen_fuzz
	for t in $$(ls fuzz/seeds); do \
		mkdir -p build/fuzz/corpus/$$t build/fuzz/artifacts/$$t && \
		build/fuzz/fuzz/$$t -max_total_time=$(or $(FUZZ_SECONDS),60) -print_final_stats=1 \
			-artifact_prefix=build/fuzz/artifacts/$$t/ build/fuzz/corpus/$$t fuzz/seeds/$$t || exit 1; \
	done

clean:
	rm -rf build
