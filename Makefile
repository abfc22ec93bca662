# make run   builds and starts the program (installing what it needs first)
# make test  builds and runs every test
# make bench builds and runs the benchmarks
.PHONY: setup build run test test-asan bench fuzz clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset default
	cmake --build --preset default

run: build
	./build/src/velakor

test: build
	ctest --preset default

test-asan: setup
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: build
	./build/bench/velakor_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./build/bench/velakor_gui_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf build build-asan build-fuzz
