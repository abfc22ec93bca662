// The chart library: importing a practice's readings, a search typed into the window, and
// the window opened on a large library. Run headless.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>

#include "ReadingFiles.h"
#include "library/ChartLibrary.h"
#include "library/LibraryImport.h"
#include "library/ReadingCheck.h"
#include "ui/library/LibraryWindow.h"

namespace velakor {
namespace {

constexpr int kImported = 10000;
constexpr int kLibraryCharts = 100000;

QTemporaryDir& Scratch() {
    static QTemporaryDir dir;
    return dir;
}

// A practice of many people: names and places drawn from short lists, each birth a minute
// apart from the one before.
FormValues Client(int n) {
    static constexpr std::array<const char*, 12> kFirst{"Asha", "Ravi", "Meera", "Arjun", "Lakshmi", "Vikram",
                                                        "Priya", "Suresh", "Anita", "Rahul", "Kavya", "Sanjay"};
    static constexpr std::array<const char*, 10> kLast{"Sharma", "Iyer", "Patel", "Reddy", "Nair",
                                                       "Gupta", "Rao", "Menon", "Das", "Joshi"};
    static constexpr std::array<const char*, 8> kCity{"Pune", "Chennai", "Mumbai", "Kolkata",
                                                      "Bengaluru", "Jaipur", "Lucknow", "Kochi"};
    FormValues v = test::DelhiForm();
    v.Name = std::string(kFirst[n % kFirst.size()]) + " " + kLast[(n / 7) % kLast.size()];
    v.City = kCity[(n / 3) % kCity.size()];
    const int day = n / 1440;
    v.Minute = n % 60;
    v.Hour = n / 60 % 24;
    v.Day = 1 + day % 28;
    v.Month = 1 + day / 28 % 12;
    v.Year = 1950 + day / 336;
    return v;
}

ChartLibrary& LargeLibrary() {
    static const std::unique_ptr<ChartLibrary> library = [] {
        LibraryOpening o = ChartLibrary::Open(Scratch().filePath(QStringLiteral("large.sqlite")), LibraryFile::Given);
        o.Library->Begin();
        for (int n = 0; n < kLibraryCharts; ++n) {
            const CheckedReading r = CheckReadingBytes(test::ReadingBytes(Client(n)));
            o.Library->Add(r.Values, nullptr);
        }
        o.Library->Commit();
        return std::move(o.Library);
    }();
    return *library;
}

void BM_Import10000Readings(benchmark::State& state) {
    const std::filesystem::path folder = Scratch().filePath(QStringLiteral("readings")).toStdString();
    if (!std::filesystem::exists(folder)) {
        for (int n = 0; n < kImported; ++n)
            test::WriteBytes(folder / ("client-" + std::to_string(n) + ".vlj"), test::ReadingBytes(Client(n)));
    }
    int run = 0;
    for (auto _ : state) {
        const QString path = Scratch().filePath(QStringLiteral("import-%1.sqlite").arg(run++));
        LibraryOpening o = ChartLibrary::Open(path, LibraryFile::Given);
        int added = 0;
        ImportReadingFiles(*o.Library, ReadingFilesUnder({QString::fromStdString(folder.string())}),
                           [&](const std::vector<ImportedFile>& batch) { added += static_cast<int>(batch.size()); });
        if (added != kImported) state.SkipWithError("not every reading was imported");
    }
}

void BM_Search100000Charts(benchmark::State& state) {
    ChartLibrary& library = LargeLibrary();
    const std::array<QString, 3> typed{QStringLiteral("sharma"), QStringLiteral("meera pune"), QStringLiteral("zz")};
    std::size_t found = 0;
    for (auto _ : state) {
        for (const QString& t : typed) found += library.Search(t).size();
    }
    benchmark::DoNotOptimize(found);
    state.counters["searches"] = benchmark::Counter(3.0 * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The first use of the library in a session: the file opened and checked.
void BM_OpenLibraryFile100000Charts(benchmark::State& state) {
    const QString path = LargeLibrary().path();
    for (auto _ : state) {
        LibraryOpening o = ChartLibrary::Open(path, LibraryFile::Given);
        if (!o.Library) state.SkipWithError("the library did not open");
    }
}

void BM_OpenLibraryWindow100000Charts(benchmark::State& state) {
    ChartLibrary& library = LargeLibrary();
    for (auto _ : state) {
        auto* window = new LibraryWindow(library);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        delete window;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Import10000Readings)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Search100000Charts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLibraryFile100000Charts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLibraryWindow100000Charts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velakor

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
