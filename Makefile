# make run  - build (Release) and start the window
# make test - build and run every test, then the plain C++ tests again under ASan/UBSan
# make bench - build and run the benchmarks

RELEASE := build/release
DEBUG := build/debug
SANITIZE := build/sanitize
CMAKE_GEN := -G Ninja

.PHONY: run test bench deps clean

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
	cmake -S . -B $(SANITIZE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DCARDGEN_SANITIZE=ON -DCARDGEN_BUILD_UI=OFF
	cmake --build $(SANITIZE)
	cd $(SANITIZE) && ctest --output-on-failure --timeout 300

bench: deps
	cmake -S . -B $(RELEASE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCARDGEN_BUILD_BENCH=ON
	cmake --build $(RELEASE)
	for b in $(RELEASE)/bench/*Bench $(RELEASE)/bench/ui/*Bench; do [ -x "$$b" ] && "$$b" || true; done

clean:
	rm -rf build
