// The sky menus and the remembered settings: each choice recomputes the chart on show and
// names the sky; the choices, the style, colour and status bar outlive a restart; a corrupt
// settings file starts the program with the defaults.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>

#include "TempFolder.h"
#include "app/Calculation.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"
#include "ui/DivisionalView.h"
#include "ui/MDI.h"
#include "ui/ProgramSettings.h"
#include "TestSupport.h"
#include "ui/frmDisplay.h"

using namespace velakor;

Q_DECLARE_METATYPE(velakor::SkyChoice)

namespace {

FormValues Record() { return test::DelhiForm("Sample Person"); }

// The program's chart for a choice, computed without any window.
Program ChartOf(const SkyChoice& choice) {
    Program p;
    p.SkyInUse = choice;
    RunCalculation(p, Record());
    return p;
}

QString SettingsFile() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                     QCoreApplication::applicationName())
        .fileName();
}

}  // namespace

class TestSkySettings : public QObject {
    Q_OBJECT

    test::TempFolder lockFolder_;

    // Starts the program as main() does (settings read) and opens its chart window.
    struct Running {
        Program program;
        std::unique_ptr<SingleInstance> instance;
        std::unique_ptr<frmMain> form;
        MDI* frame = nullptr;
        ~Running() {
            if (frame) frame->deleteLater();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };
    std::unique_ptr<Running> Start() {
        auto r = std::make_unique<Running>();
        r->instance = std::make_unique<SingleInstance>(QString::fromStdString(lockFolder_ / "lock"));
        r->form = StartUp(r->program, *r->instance);
        if (!r->form) return r;
        RunCalculation(r->program, Record());
        r->frame = new MDI(r->program);
        r->frame->WriteChart();
        r->frame->show();
        return r;
    }

private slots:
    void init() { QFile::remove(SettingsFile()); }

    void choicesRecomputeAndAreRemembered_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<SkyChoice>("sky");
        QTest::addColumn<bool>("navamsa");  // chosen before the sky: the divisional chart on show
        const SkyChoice lahiri{SkyPositions::Precise, SkyAyanamsa::Lahiri, SkyNode::Mean};
        QTest::newRow("precise") << QStringList{"mnuPreciseSky"} << lahiri << false;
        QTest::newRow("precise, KP, true node, navamsa on show")
            << QStringList{"mnuPreciseSky", "mnuKrishnamurti", "mnuTrueNode"}
            << SkyChoice{SkyPositions::Precise, SkyAyanamsa::Krishnamurti, SkyNode::True} << true;
        QTest::newRow("True Chitra, then back to built-in")
            << QStringList{"mnuPreciseSky", "mnuTrueChitra", "mnuBuiltinSky"}
            << SkyChoice{SkyPositions::Builtin, SkyAyanamsa::TrueChitra, SkyNode::Mean} << false;
        QTest::newRow("Raman, south, colour, no status bar")
            << QStringList{"mnuPreciseSky", "mnuRaman", "mnuSouth", "mnuColorOn", "mnuStatusBar"}
            << SkyChoice{SkyPositions::Precise, SkyAyanamsa::Raman, SkyNode::Mean} << false;
    }
    void choicesRecomputeAndAreRemembered() {
        QFETCH(QStringList, entries);
        QFETCH(SkyChoice, sky);
        QFETCH(bool, navamsa);
        {
            auto run = Start();
            QVERIFY(run->frame);
            QCOMPARE(run->program.SkyInUse, SkyChoice{});
            // The ayanamsa and node are the precise sky's: not to be had with the built-in one.
            QVERIFY(!run->frame->findChild<QAction*>("mnuLahiri")->isEnabled());
            if (navamsa) run->frame->findChild<QAction*>("mnuSub_Navamsa")->trigger();
            for (const QString& name : entries) run->frame->findChild<QAction*>(name)->trigger();

            const Program expected = ChartOf(sky);
            QCOMPARE(run->program.SkyInUse, sky);
            QCOMPARE(run->frame->display()->Planet(7)->text(), QString::fromStdString(expected.Texts.ChartPositions[7]));
            QCOMPARE(run->frame->display()->lblAyanamsha()->text(), QString::fromStdString(expected.Texts.AyanamsaText));
            if (navamsa) {
                // Rahu's navamsa sign: "11 Kumbha".
                QCOMPARE(run->frame->divisionalView()->SignCell(7)->text().section(' ', 0, 0),
                         QString::number(SignNumber(expected.Chart.DivisionalSigns[3][7])));
            }
            const QString named = QString::fromStdString(DescribeSky(sky));
            const QLabel* band = navamsa ? run->frame->divisionalView()->lblChartName() : run->frame->display()->lblChartName();
            // Either sky is named, so that two printouts of one birth say why they differ.
            QVERIFY2(band->text().contains(named), qPrintable(band->text()));
            QCOMPARE(run->frame->findChild<QLabel*>("lblStatusView")->text(), band->text());
            // The dasha is read from the same sky, and says so.
            run->frame->findChild<QAction*>("mnuDasha")->trigger();
            QVERIFY(run->frame->findChild<QLabel*>("lblStatusView")->text().contains(named));
        }
        // After a restart: the same sky, style, colour and status bar.
        auto again = Start();
        QVERIFY(again->frame);
        QCOMPARE(again->program.SkyInUse, sky);
        QCOMPARE(again->frame->display()->Planet(7)->text(), QString::fromStdString(ChartOf(sky).Texts.ChartPositions[7]));
        const bool south = entries.contains("mnuSouth");
        QCOMPARE(again->frame->chartStyle(), south ? ChartStyle::South : ChartStyle::North);
        QCOMPARE(again->frame->findChild<QAction*>("mnuSouth")->isChecked(), south);
        QCOMPARE(again->frame->colourStyle(), entries.contains("mnuColorOn"));
        QCOMPARE(again->frame->statusBar()->isVisibleTo(again->frame), !entries.contains("mnuStatusBar"));
        QCOMPARE(again->frame->findChild<QAction*>(sky.Positions == SkyPositions::Precise ? "mnuPreciseSky" : "mnuBuiltinSky")
                     ->isChecked(),
                 true);
    }

    // The file dialogs open where the user last chose a file, while that folder exists.
    void lastFolderIsRemembered() {
        const test::TempFolder folder;
        QCOMPARE(ProgramSettings::LastFolder(), QString());
        ProgramSettings::SetLastFolder(QString::fromStdString(folder.str()));
        QCOMPARE(ProgramSettings::LastFolder(), QString::fromStdString(folder.str()));
        ProgramSettings::SetLastFolder(QString::fromStdString(folder / "gone"));
        QCOMPARE(ProgramSettings::LastFolder(), QString());
    }

    void corruptSettingsGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("\x00\xff[[[=\n\x01Sky/Positions=1\n", 24);
        QTest::newRow("values out of range")
            << QByteArray("[Sky]\nPositions=7\nAyanamsa=-1\nNode=x\n[View]\nChartStyle=9\nColour=maybe\nStatusBar=2\n");
    }
    void corruptSettingsGiveTheDefaults() {
        QFETCH(QByteArray, contents);
        QFile file(SettingsFile());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        auto run = Start();
        QVERIFY(run->frame);
        QCOMPARE(run->program.SkyInUse, SkyChoice{});
        QCOMPARE(run->frame->chartStyle(), ChartStyle::North);
        QVERIFY(!run->frame->colourStyle());
        QVERIFY(run->frame->statusBar()->isVisibleTo(run->frame));
        QCOMPARE(run->frame->display()->Planet(7)->text(), QString::fromStdString(ChartOf({}).Texts.ChartPositions[7]));
    }
};

int main(int argc, char** argv) {
    // The settings go to a private folder, never the user's own.
    const test::TempFolder config;
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.str()));
    QApplication app(argc, argv);
    PrepareApplication();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestSkySettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sky_settings.moc"
