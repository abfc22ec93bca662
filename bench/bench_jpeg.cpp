// The chart picture's conversion: a bitmap of the chart display's size (967 x 560) to JPEG at
// quality 100 through bmp2jpeg, with and without writing the bitmap first.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bmp2jpeg.h"

namespace {

namespace fs = std::filesystem;

void PutLe(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

// A 24-bit bitmap with a chart-like picture: a light background crossed by thin dark lines.
std::vector<char> ChartLikeBmp(int width, int height) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    std::vector<char> out = {'B', 'M'};
    PutLe(out, static_cast<std::uint32_t>(54 + rowBytes * height), 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(width), 4);
    PutLe(out, static_cast<std::uint32_t>(height), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool line = x % 120 == 0 || y % 70 == 0 || (x - y) % 240 == 0;
            out.push_back(static_cast<char>(line ? 40 : 128));
            out.push_back(static_cast<char>(line ? 20 : 255));
            out.push_back(static_cast<char>(line ? 20 : 255));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    return out;
}

struct Files {
    fs::path bmp = fs::temp_directory_path() / "velakor_bench_chart.bmp";
    fs::path jpeg = fs::temp_directory_path() / "velakor_bench_chart.jpg";
    std::vector<char> bytes = ChartLikeBmp(967, 560);
    void WriteBmp() const { std::ofstream(bmp, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size())); }
    ~Files() {
        std::error_code ec;
        fs::remove(bmp, ec);
        fs::remove(jpeg, ec);
    }
};

void BM_BmpToJpegChartSize(benchmark::State& state) {
    Files f;
    f.WriteBmp();
    for (auto _ : state) {
        if (BmpToJpeg(f.bmp.c_str(), f.jpeg.c_str(), 100) != 0) state.SkipWithError("conversion failed");
    }
}
BENCHMARK(BM_BmpToJpegChartSize)->Unit(benchmark::kMillisecond);

// What a save does after the capture: write the bitmap, convert it, delete it.
void BM_WriteConvertDeleteChartSize(benchmark::State& state) {
    Files f;
    for (auto _ : state) {
        f.WriteBmp();
        if (BmpToJpeg(f.bmp.c_str(), f.jpeg.c_str(), 100) != 0) state.SkipWithError("conversion failed");
        fs::remove(f.bmp);
    }
}
BENCHMARK(BM_WriteConvertDeleteChartSize)->Unit(benchmark::kMillisecond);

}  // namespace
