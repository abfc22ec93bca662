// The desktop program's response times, headless: program start to main form shown against
// a bare Qt window, the calculate click to the chart window shown, and a change of the
// chart window's view.
//
// "Start" is measured twice: as whole processes (this executable started again in a probe
// mode that shows one window and exits), which is what a user waits for, and inside one
// process (window construction, loading and first paint only).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QDateTimeEdit>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "app/Calculation.h"
#include "app/Program.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"
#include "dasha/DashaTree.h"
#include "TestSupport.h"
#include "io/gui/OutputCommands.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/window/ChartZoom.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/window/MDI.h"
#include "ui/window/ViewSources.h"
#include "ui/window/ViewTable.h"
#include "ui/views/frmDisplay.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr const char* kProbeBare = "--start-probe=bare";
constexpr const char* kProbeMain = "--start-probe=main";
constexpr const char* kProbeText = "--start-probe=text";

// Shown: exposed on the screen and its first paint done.
void WaitShown(QWidget& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// The probe: a whole program start up to its first window shown, then out.
enum class Probe { Bare, Text, Main };

int RunProbe(int argc, char** argv, Probe probe) {
    QApplication app(argc, argv);
    if (probe != Probe::Main) {
        // The bare window, or the bare window with one line of text: the part of any start
        // that comes from the fonts alone.
        QWidget window;
        if (probe == Probe::Text) new QLabel(QStringLiteral("Velakor v1.70"), &window);
        window.show();
        WaitShown(window);
        return 0;
    }
    // What the program's main does, with a lock of its own so that a running copy of the
    // program does not turn the probe away.
    velakor::SingleInstance instance(QDir::temp().filePath(
        QStringLiteral("velakor-bench-%1.lock").arg(QCoreApplication::applicationPid())));
    velakor::PrepareApplication();
    velakor::Program program;
    std::unique_ptr<velakor::frmMain> form = velakor::StartUp(program, instance);
    if (!form) return 1;
    WaitShown(*form);
    return 0;
}

QString g_self;

void StartToShown(benchmark::State& state, const char* probe) {
    for (auto _ : state) {
        QProcess process;
        process.start(g_self, {QString::fromLatin1(probe)});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("probe failed");
            break;
        }
    }
}

// The bare window and the main form started in turn, so that both meet the same machine: a
// start takes tens of milliseconds, and what else the machine does drifts over a run. The
// time is the main form's; the counter is the median of the ratios of each pair.
void BM_StartToShown_MainFormOverBareWindow(benchmark::State& state) {
    std::vector<double> ratios;
    auto start = [](const char* probe) {
        QProcess process;
        const auto from = std::chrono::steady_clock::now();
        process.start(g_self, {QString::fromLatin1(probe)});
        const bool ok = process.waitForFinished(30000) && process.exitCode() == 0;
        return ok ? std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count() : -1.0;
    };
    for (auto _ : state) {
        state.PauseTiming();
        const double bare = start(kProbeBare);
        state.ResumeTiming();
        const double main = start(kProbeMain);
        if (bare <= 0 || main <= 0) {
            state.SkipWithError("probe failed");
            break;
        }
        ratios.push_back(main / bare);
    }
    if (ratios.empty()) return;
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    state.counters["main_over_bare"] = ratios[ratios.size() / 2];
}

void BM_StartToShown_BareWindow(benchmark::State& state) { StartToShown(state, kProbeBare); }
void BM_StartToShown_TextWindow(benchmark::State& state) { StartToShown(state, kProbeText); }
void BM_StartToShown_MainForm(benchmark::State& state) { StartToShown(state, kProbeMain); }

void BM_ShowInProcess_BareWindow(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.show();
        WaitShown(window);
    }
}

void BM_ShowInProcess_MainForm(benchmark::State& state) {
    for (auto _ : state) {
        velakor::Program program;
        velakor::frmMain form(program);  // loads: fills its lists
        form.show();
        WaitShown(form);
    }
}

// From the click on "Get My Rashi Chart (North)" to the chart window on the screen:
// validation, the calculation, the chart window created and filled, shown and painted.
void BM_CalculateClickToChartShown(benchmark::State& state) {
    velakor::Program program;
    velakor::frmMain form(program);
    form.WriteFormValues(velakor::test::DelhiForm());
    form.show();
    WaitShown(form);
    auto* button = form.findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
    for (auto _ : state) {
        button->click();
        velakor::MDI* chart = form.chartWindow();
        if (!chart) {
            state.SkipWithError("no chart window");
            break;
        }
        WaitShown(*chart);

        state.PauseTiming();
        // Back, as the user would, so that every click creates the window afresh.
        chart->findChild<QPushButton*>(QStringLiteral("cmdBack"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        WaitShown(form);
        state.ResumeTiming();
    }
}

// The chart window of the sample record, created, filled, shown and painted.
std::unique_ptr<velakor::MDI> ShowDelhiChart(velakor::Program& program) {
    velakor::RunCalculation(program, velakor::test::DelhiForm());
    auto chart = std::make_unique<velakor::MDI>(program);
    chart->WriteChart();
    chart->show();
    WaitShown(*chart);
    return chart;
}

// Save As JPEG of the chart display: the picture store converted in memory at quality 100
// and written whole under a free name. The first variant starts from the
// stored picture, the second also takes the picture from the display.
void SaveJpeg(benchmark::State& state, bool capture) {
    velakor::Program program;
    const std::unique_ptr<velakor::MDI> window = ShowDelhiChart(program);
    velakor::MDI& chart = *window;
    QPixmap picture = chart.display()->grab();
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("chart"));
    for (auto _ : state) {
        if (capture) picture = chart.display()->grab();
        const QString written = velakor::SaveFormAsJpeg(nullptr, picture, name);
        state.PauseTiming();
        if (written.isEmpty()) {
            state.SkipWithError("nothing written");
            break;
        }
        QFile::remove(written);
        state.ResumeTiming();
    }
}

// Counts the paints a widget receives.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A choice in the View menu, to the chart window showing it: the choice, the view on show
// drawn and painted on the screen, the picture store refreshed. Each iteration is one
// switch, back and forth between two choices.
void SwitchViews(benchmark::State& state, const char* one, const char* other) {
    velakor::Program program;
    const std::unique_ptr<velakor::MDI> window = ShowDelhiChart(program);
    velakor::MDI& chart = *window;
    QAction* entries[] = {chart.findChild<QAction*>(QString::fromLatin1(one)),
                          chart.findChild<QAction*>(QString::fromLatin1(other))};
    if (!entries[0] || !entries[1]) {
        state.SkipWithError("no such menu entry");
        return;
    }
    int next = 1;
    for (auto _ : state) {
        entries[next]->trigger();
        // The reading views have no chart: the view itself is what gets painted.
        auto* canvas = chart.viewOnShow()->findChild<velakor::ChartCanvas*>();
        PaintCount painted(canvas ? static_cast<QWidget*>(canvas) : chart.viewOnShow());
        QCoreApplication::processEvents();
        if (painted.paints == 0) {
            state.SkipWithError("the chart was not painted");
            break;
        }
        next = 1 - next;
    }
}

// A step of the transit moment, a day on and back, redrawn and shown: the transit, its
// leaving moments, the running dasha and Saturn's periods computed again each time.
void BM_TransitStep(benchmark::State& state) {
    velakor::Program program;
    const std::unique_ptr<velakor::MDI> window = ShowDelhiChart(program);
    velakor::MDI& chart = *window;
    chart.findChild<QAction*>(QStringLiteral("mnuTransits"))->trigger();
    QAction* steps[] = {chart.findChild<QAction*>(QStringLiteral("mnuDayOn")),
                        chart.findChild<QAction*>(QStringLiteral("mnuDayBack"))};
    int next = 0;
    for (auto _ : state) {
        steps[next]->trigger();
        // The moment's field changes at every step (a house may keep its bodies for days).
        PaintCount painted(chart.viewOnShow()->findChild<QDateTimeEdit*>());
        QCoreApplication::processEvents();
        if (painted.paints == 0) {
            state.SkipWithError("the step was not painted");
            break;
        }
        next = 1 - next;
    }
}

// A view of the table, from the natal chart, as the user meets it: its menu entry triggered
// until the view has painted once in the window. The window is as large as on a desktop, so
// that the views drawn to scale are drawn larger. "first": the first time the view is shown
// in the window (made and filled then); "again": every later time (nothing to fill).
void SwitchToView(benchmark::State& state, int row, bool first,
                  velakor::DashaSystem system = velakor::DashaSystem::Vimshottari) {
    velakor::Program program;
    program.Reading.Dasha = system;
    std::unique_ptr<velakor::MDI> window;
    QAction* entry = nullptr;
    QAction* back = nullptr;
    const QString name = QString::fromLatin1(velakor::ViewTable()[std::size_t(row)].Name);
    const auto open = [&] {
        window = ShowDelhiChart(program);
        window->resize(1400, 1000);
        WaitShown(*window);
        QCoreApplication::processEvents();
        // A partner for the matching view, as "Match with a Saved Reading..." leaves it.
        velakor::FormValues partner = velakor::test::DelhiForm("Partner");
        partner.Year = 1950;
        window->sources().setPartner(partner, true);
        // And a horary question, as "Horary Question..." leaves it.
        window->sources().setHorary({175, 2461000.0, {28.6, 77.2}, QStringLiteral("Delhi"), 330});
        entry = window->findChild<QAction*>(name);
        back = window->findChild<QAction*>(QString::fromLatin1(row == 0 ? "mnuVargas" : "mnuChart"));
        if (row == 0) back->trigger();
    };
    // A view asked for first is timed from the answer on: the question is the user's time.
    const bool asks = velakor::ViewTable()[std::size_t(row)].Ask != nullptr;
    const auto show = [&] {
        if (asks) {
            window->ShowView(row);
        } else {
            entry->trigger();
        }
    };
    if (!first) {
        open();
        show();
        back->trigger();
        QCoreApplication::processEvents();
    }
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            window.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            open();
            state.ResumeTiming();
        }
        show();
        // Painted: the page, or the lens that draws it to scale.
        QWidget* page = window->viewOnShow();
        PaintCount painted(page);
        std::unique_ptr<PaintCount> lens;
        if (auto* l = page->parentWidget()->findChild<velakor::ChartLens*>()) lens = std::make_unique<PaintCount>(l);
        for (int i = 0; i < 1000 && painted.paints == 0 && (!lens || lens->paints == 0); ++i)
            QCoreApplication::processEvents();
        if (painted.paints == 0 && (!lens || lens->paints == 0)) {
            state.SkipWithError("the view was not painted");
            break;
        }
        state.PauseTiming();
        back->trigger();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void RegisterViewSwitches() {
    for (std::size_t row = 0; row < velakor::ViewTable().size(); ++row) {
        const std::string name = velakor::ViewTable()[row].Name;
        for (const bool first : {true, false}) {
            benchmark::RegisterBenchmark(("BM_SwitchToView/" + name + (first ? "/first" : "/again")).c_str(),
                                         [row, first](benchmark::State& state) { SwitchToView(state, int(row), first); })
                ->Unit(benchmark::kMillisecond);
        }
    }
    // The dasha view in the systems with more periods than Vimshottari's nine.
    const int dasha = velakor::ViewRowOf("mnuDasha");
    for (const auto system : {velakor::DashaSystem::Yogini, velakor::DashaSystem::Narayana}) {
        const std::string name(velakor::DashaSystemName(system));
        for (const bool first : {true, false}) {
            benchmark::RegisterBenchmark(("BM_SwitchToView/mnuDasha/" + name + (first ? "/first" : "/again")).c_str(),
                                         [dasha, first, system](benchmark::State& state) {
                                             SwitchToView(state, dasha, first, system);
                                         })
                ->Unit(benchmark::kMillisecond);
        }
    }
}

// Switching the interface's language with three chart windows open: the catalogue installed,
// every window told, and all three painted again. English and Hindi take turns.
void BM_SwitchLanguage_ThreeChartWindows(benchmark::State& state) {
    velakor::Program programs[3];
    std::vector<std::unique_ptr<velakor::MDI>> windows;
    for (velakor::Program& p : programs) windows.push_back(ShowDelhiChart(p));
    bool hindi = false;
    for (auto _ : state) {
        hindi = !hindi;
        if (!velakor::UseInterfaceLanguage(hindi ? velakor::Language::Hindi : velakor::Language::English)) {
            state.SkipWithError("the Hindi catalogue could not be read");
            break;
        }
        QCoreApplication::processEvents();  // every window told
        for (const auto& w : windows) w->repaint();
    }
    velakor::UseInterfaceLanguage(velakor::Language::English);
}

void BM_SwitchView_NorthAndSouth(benchmark::State& state) { SwitchViews(state, "mnuNorth", "mnuSouth"); }
void BM_SwitchView_ColourOffAndOn(benchmark::State& state) { SwitchViews(state, "mnuColorOff", "mnuColorOn"); }

void BM_SaveAsJpeg_FromStore(benchmark::State& state) { SaveJpeg(state, false); }
void BM_SaveAsJpeg_CaptureAndSave(benchmark::State& state) { SaveJpeg(state, true); }

BENCHMARK(BM_SwitchView_NorthAndSouth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchLanguage_ThreeChartWindows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchView_ColourOffAndOn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransitStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAsJpeg_FromStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAsJpeg_CaptureAndSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToShown_BareWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartToShown_TextWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartToShown_MainForm)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartToShown_MainFormOverBareWindow)->Unit(benchmark::kMillisecond)->Iterations(21);
BENCHMARK(BM_ShowInProcess_BareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowInProcess_MainForm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateClickToChartShown)->Unit(benchmark::kMillisecond);

// Prints, after the usual table, the ratio of each main-form figure to its bare window.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate && run.aggregate_name != "median") continue;
            times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        Ratio("process start, against a bare window", "BM_StartToShown_MainForm", "BM_StartToShown_BareWindow");
        Ratio("process start, against a window with one label", "BM_StartToShown_MainForm",
              "BM_StartToShown_TextWindow");
        Ratio("in-process show, against a bare window", "BM_ShowInProcess_MainForm", "BM_ShowInProcess_BareWindow");
    }

private:
    void Ratio(const char* what, const std::string& form, const std::string& bare) {
        if (!times_.count(form) || !times_.count(bare) || times_[bare] <= 0) return;
        GetOutputStream() << "main form ratio, " << what << ": " << times_[form] / times_[bare] << "x\n";
    }
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // Headless unless told otherwise; the probes inherit it.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], kProbeBare) == 0) return RunProbe(argc, argv, Probe::Bare);
        if (std::strcmp(argv[i], kProbeText) == 0) return RunProbe(argc, argv, Probe::Text);
        if (std::strcmp(argv[i], kProbeMain) == 0) return RunProbe(argc, argv, Probe::Main);
    }
    QApplication app(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    RegisterViewSwitches();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
