// Holds the program's figures against the reference on random births, and says how far apart
// they are: every body in every ayanamsa and node, the angles, the vargas and names that
// follow, the dasha dates, sunrise and sunset, the panchanga's limbs, Saturn's sign changes;
// the built-in sky as well as the precise one.
//
//   cross-check [--births N] [--seed S] [--threads N] [--ephe FOLDER]
//               [--report FILE.md] [--plot-data FOLDER]
//
// A table of every figure goes to standard output; --report writes the accuracy report,
// --plot-data the differences the plots are drawn from. Exit status 0 when every figure keeps
// its tolerance, 1 when one does not (the table says which), 2 when the comparison cannot be
// made.
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AccuracyReport.h"
#include "Births.h"
#include "Figures.h"
#include "Reference.h"
#include "Tally.h"
#include "place/Atlas.h"
#include "sky/SkyTables.h"

namespace {

using namespace velakor::crosscheck;

struct Options {
    int Births = 10000;
    std::uint64_t Seed = 1;
    unsigned Threads = std::max(1u, std::thread::hardware_concurrency());
    std::string Ephemeris = "/usr/share/libswe/ephe";
    std::string ReportFile, PlotFolder;
};

[[noreturn]] void Fail(const std::string& why) {
    std::cerr << "cross-check: " << why << "\n";
    std::exit(2);
}

Options Read(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        try {
            if (arg == "--births" && hasValue) o.Births = std::stoi(argv[++i]);
            else if (arg == "--seed" && hasValue) o.Seed = std::stoull(argv[++i]);
            else if (arg == "--threads" && hasValue) o.Threads = static_cast<unsigned>(std::stoul(argv[++i]));
            else if (arg == "--ephe" && hasValue) o.Ephemeris = argv[++i];
            else if (arg == "--report" && hasValue) o.ReportFile = argv[++i];
            else if (arg == "--plot-data" && hasValue) o.PlotFolder = argv[++i];
            else Fail("usage: cross-check [--births N] [--seed S] [--threads N] [--ephe FOLDER] [--report FILE.md] "
                      "[--plot-data FOLDER]");
        } catch (const std::logic_error&) {
            Fail("not a number: " + std::string(argv[i]));
        }
    }
    if (o.Births < 1 || o.Threads < 1) Fail("--births and --threads need a positive number");
    return o;
}

// "[##########..........]  5,000 / 10,000 births", redrawn in place while stderr is a terminal.
void ShowProgress(int done, int total) {
    constexpr int kWidth = 40;
    const int filled = static_cast<int>(static_cast<long long>(done) * kWidth / total);
    std::fprintf(stderr, "\r[%s%s] %6d / %d births", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), done, total);
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv) {
    const Options o = Read(argc, argv);
    const velakor::SkyTables* tables = velakor::SkyTables::Shared();
    if (!tables) Fail("the precise sky's tables cannot be read from " + velakor::SkyTables::DefaultPath());
    const std::unique_ptr<velakor::Atlas> atlas = velakor::LoadSystemAtlas();
    if (!atlas || atlas->size() == 0) Fail("the atlas of places cannot be read");

    const std::vector<Birth> births = DrawBirths(o.Seed, o.Births, atlas->Places());
    const std::vector<Figure> figures = Figures();
    // results[f][b]: figure f on birth b, in the order of the births whatever thread made it.
    std::vector<std::vector<BirthResult>> results(figures.size(), std::vector<BirthResult>(births.size()));

    std::atomic<int> next{0}, done{0};
    std::mutex failing;
    std::string failure;
    auto work = [&] {
        try {
            Reference reference(o.Ephemeris);
            for (int i = next++; i < o.Births; i = next++) {
                const Case c = Compute(births[static_cast<std::size_t>(i)], reference);
                for (std::size_t f = 0; f < figures.size(); ++f)
                    results[f][static_cast<std::size_t>(i)] = Summarise(figures[f].Measure(c));
                ++done;
            }
        } catch (const std::exception& e) {
            const std::lock_guard<std::mutex> lock(failing);
            failure = e.what();
            next = o.Births;
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < std::min<unsigned>(o.Threads, static_cast<unsigned>(o.Births)); ++t) workers.emplace_back(work);
    const bool terminal = isatty(STDERR_FILENO) == 1;
    while (terminal && done < o.Births && failure.empty()) {
        ShowProgress(done, o.Births);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    for (std::thread& t : workers) t.join();
    if (terminal) {
        ShowProgress(done, o.Births);
        std::fputc('\n', stderr);
    }
    if (!failure.empty()) Fail(failure);

    std::vector<Tally> tallies;
    for (const std::vector<BirthResult>& r : results) tallies.emplace_back(r);
    const Run run{o.Seed, births, figures, tallies, Reference::Version()};
    std::cout << SummaryTable(run);
    try {
        if (!o.ReportFile.empty()) WriteReport(run, o.ReportFile);
        if (!o.PlotFolder.empty()) WritePlotData(run, results, o.PlotFolder);
    } catch (const std::exception& e) {
        Fail(e.what());
    }
    for (std::size_t f = 0; f < figures.size(); ++f) {
        if (!tallies[f].Passes(figures[f].Tolerance)) return 1;
    }
    return 0;
}
