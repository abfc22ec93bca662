# make run   builds and starts the program (installing what it needs first)
# make test  builds and runs every test
# make bench builds and runs the benchmarks
# make translations updates the Hindi and Tamil catalogues from the sources
# make fuzz  builds the fuzz targets (clang, libFuzzer) and runs each for 45 seconds
# make package builds Release and writes the Debian package build-release/velakor_*.deb
# make accuracy holds the figures against the Swiss Ephemeris on 10,000 random births and
#              writes docs/accuracy.md with its plots (docs/accuracy/*.png)
.PHONY: setup build run test translations test-debug test-asan bench fuzz package accuracy clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset default
	cmake --build --preset default

run: build
	./build/src/velakor

test: build
	ctest --preset default

# Brings the Hindi and Tamil catalogues (translations/*.ts) up to date with the sources: new
# texts come in unfinished, texts gone from the sources go; the tests fail until each new
# text is translated.
translations: setup
	cmake --preset default
	cmake --build --preset default --target update_translations

# The core tests in a plain Debug (-O0) build, where no inlining hides two definitions of
# one name.
test-debug: setup
	cmake --preset debug
	cmake --build --preset debug
	ctest --preset debug

test-asan: setup
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Each fuzz target runs for FUZZ_SECONDS: the reading file, the sky tables' reader and
# velakor-chart's record parser, about two and a half minutes in all. A crash or a broken
# invariant stops the run and fails the target; the input that caused it is kept in
# build-fuzz/ as crash-*. New inputs go to build-fuzz/corpus*; fuzz/seeds* stay as committed.
FUZZ_SECONDS ?= 45
FUZZ_RUN = UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1
FUZZ_FLAGS = -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/
fuzz: setup
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_reading fuzz_sky_tables fuzz_chart_tool
	mkdir -p build-fuzz/corpus build-fuzz/corpus-sky-tables build-fuzz/corpus-chart-tool
	$(FUZZ_RUN) ./build-fuzz/fuzz/fuzz_reading $(FUZZ_FLAGS) -max_len=20000 build-fuzz/corpus fuzz/seeds
	$(FUZZ_RUN) ./build-fuzz/fuzz/fuzz_sky_tables $(FUZZ_FLAGS) -max_len=1024 build-fuzz/corpus-sky-tables
	$(FUZZ_RUN) ./build-fuzz/fuzz/fuzz_chart_tool $(FUZZ_FLAGS) -max_len=4096 build-fuzz/corpus-chart-tool \
	  fuzz/seeds-chart-tool

package: setup
	cmake --preset release
	cmake --build --preset release --target package

bench: build
	./build/bench/velakor_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	./build/bench/bmp2jpeg_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	./build/bench/velakor_chart_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./build/bench/velakor_gui_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen ./build/bench/velakor_library_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

# The report is made from the code beside it: the same births (seed 1) every time, so a
# change that moves a figure shows in the report's diff. A figure past its tolerance stops
# here, with the report written to say which.
ACCURACY_BIRTHS ?= 10000
accuracy: setup
	cmake --preset default
	cmake --build --preset default --target cross-check
	./build/tools/cross-check/cross-check --births $(ACCURACY_BIRTHS) --seed 1 --report docs/accuracy.md \
	  --plot-data build/accuracy
	mkdir -p docs/accuracy
	gnuplot -e "data='build/accuracy/differences.tsv'; out='docs/accuracy'" tools/cross-check/plots.gp

clean:
	rm -rf build build-debug build-asan build-fuzz build-release
