// velakor-chart as a batch user runs it: a fixed stream of 20,000 births with one level of
// dasha periods and every other key at its default, through the whole process (start,
// reading, charts, writing), answers thrown away. Reported as records a second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRecords = 20000;

// The same births on every run: the seed is fixed.
std::filesystem::path WriteStream() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("velakor_bench_stream_" + std::to_string(::getpid()) + ".jsonl");
    std::ofstream out(path, std::ios::binary);
    std::mt19937_64 rng(2026);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int daysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int n = 0; n < kRecords; ++n) {
        const int year = pick(1901, 2050), month = pick(1, 12);
        const int lastDay = (month == 2 && year % 4 == 0) ? 29 : daysIn[month - 1];
        const int latDeg = pick(0, 89), lonDeg = pick(0, 179);
        out << "{\"BirthName\":\"Person " << n << "\",\"BirthCity\":\"City\",\"BirthState\":\"State\","
            << "\"BirthCountry\":\"Country\",\"BirthDay\":" << pick(1, lastDay) << ",\"BirthMonth\":" << month
            << ",\"BirthYear\":" << year << ",\"BirthHour\":" << pick(0, 23) << ",\"BirthMinute\":" << pick(0, 59)
            << ",\"ZoneIndex\":" << pick(0, 110) << ",\"LatDeg\":" << latDeg << ",\"LatMin\":" << pick(0, 59)
            << ",\"LonDeg\":" << lonDeg << ",\"LonMin\":" << pick(0, 59)
            << ",\"LatSouth\":" << (pick(0, 1) ? "true" : "false") << ",\"LonEast\":" << (pick(0, 1) ? "true" : "false")
            << ",\"DaylightSaving\":" << (pick(0, 1) ? "true" : "false") << ",\"DashaLevels\":1}\n";
    }
    return path;
}

void BM_ChartToolWholeProcess(benchmark::State& state) {
    const std::filesystem::path stream = WriteStream();
    const std::string command =
        std::string("\"") + VELAKOR_CHART_TOOL + "\" < \"" + stream.string() + "\" > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("velakor-chart did not answer every record");
            break;
        }
    }
    std::filesystem::remove(stream);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ChartToolWholeProcess)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
