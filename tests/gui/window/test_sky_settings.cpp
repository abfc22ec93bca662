// The sky menus and the remembered settings: each choice recomputes the chart on show and
// names the sky; the choices, the style, colour, status bar and reading options outlive a
// restart; a corrupt settings file starts the program with the defaults; the language switches
// every window at once and is remembered.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QtTest>
#include <sys/stat.h>

#include "TempFolder.h"
#include "app/Calculation.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"
#include "dasha/DashaTree.h"
#include "ui/views/DivisionalView.h"
#include "ui/window/MDI.h"
#include "ui/dialogs/Seams.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/settings/ProgramSettings.h"
#include "ui/drawing/ChartCanvas.h"
#include "TestSupport.h"
#include "ui/views/frmDisplay.h"

using namespace velakor;

Q_DECLARE_METATYPE(velakor::SkyChoice)
Q_DECLARE_METATYPE(velakor::Language)

namespace {

FormValues Record() { return test::DelhiForm("Sample Person"); }

// The program's chart for a choice, computed without any window.
Program ChartOf(const SkyChoice& choice) {
    Program p;
    p.SkyInUse = choice;
    RunCalculation(p, Record());
    return p;
}

// Without opening it: a pipe at its name must not hold the test either.
QString SettingsFile() { return ProgramSettings::FileName(); }

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
    void init() {
        QFile::remove(SettingsFile());
        QFile::remove(QFileInfo(SettingsFile()).path());
    }

    // The program reads the settings where the toolkit keeps them.
    void settingsFileIsTheToolkits() {
        QCOMPARE(SettingsFile(), QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                           QCoreApplication::organizationName(), QCoreApplication::applicationName())
                                     .fileName());
    }

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
        // The reading options: each group keeps its last choice.
        QTest::newRow("Yogini, 360-day year, Raman's table")
            << QStringList{"mnuDashaSystem_Narayana", "mnuDashaSystem_Yogini", "mnuDashaYear_2",
                           "mnuAshtakavargaTable_Raman"}
            << SkyChoice{} << false;
        QTest::newRow("Ashtottari, limb, back to Parashara's table")
            << QStringList{"mnuDashaSystem_Ashtottari", "mnuSunriseLimb", "mnuAshtakavargaTable_Raman",
                           "mnuAshtakavargaTable_Parashara"}
            << SkyChoice{} << false;
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
                QCOMPARE(dynamic_cast<DivisionalView*>(run->frame->currentView())->SignCell(7)->text().section(' ', 0, 0),
                         QString::number(SignNumber(expected.Chart.DivisionalSigns[3][7])));
            }
            const QString named = QString::fromStdString(DescribeSky(sky));
            const QLabel* band = navamsa ? dynamic_cast<DivisionalView*>(run->frame->currentView())->lblChartName() : run->frame->display()->lblChartName();
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
        // The last entry of each reading option's group stays checked, and the dasha view is
        // cast in the system it names.
        QStringList last;
        for (const QString& name : entries) {
            if (!name.contains(QRegularExpression("^mnu(DashaSystem|DashaYear|Sunrise|AshtakavargaTable)"))) continue;
            last.removeIf([&](const QString& earlier) { return earlier.section('_', 0, 0) == name.section('_', 0, 0); });
            last << name;
        }
        for (const QString& name : last) QVERIFY2(again->frame->findChild<QAction*>(name)->isChecked(), qPrintable(name));
        again->frame->findChild<QAction*>("mnuDasha")->trigger();
        const QString system = QString::fromUtf8(DashaSystemName(again->program.Reading.Dasha).data());
        QVERIFY(again->frame->findChild<QLabel*>("lblStatusView")->text().startsWith(system + " Dasha"));
        QCOMPARE(entries.contains("mnuDashaSystem_" + system), system != "Vimshottari");
    }

    // View > Language: the main form, the menu and the chart's houses change at once, in the
    // language picked; the pick outlives a restart; English gives back every text as it was.
    void languageSwitchesEveryWindow_data() {
        QTest::addColumn<Language>("lang");
        QTest::addColumn<QString>("calculate");  // the main form's button
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("august");  // the main form's month list
        // The chart window: the View menu's title, the chart's, a view's and a varga's entries
        // and a submenu's; the status bar of the chart on show.
        QTest::addColumn<QStringList>("view");
        QTest::addColumn<QString>("status");
        QTest::newRow("Hindi") << Language::Hindi << QString("मेरी राशि कुंडली (उत्तर भारतीय)(&R)") << QString("भाषा(&L)")
                               << QString("अगस्त")
                               << QStringList{"दृश्य(&V)", "जन्म कुंडली(&B)", "गोचर(&I)", "नवमांश(&9)", "अयनांश(&Y)"}
                               << QString("राशि (D1), उत्तर भारतीय \u2014 अंतर्निहित सूत्र, राहु मध्यम राहु से एक अंश पीछे");
        QTest::newRow("Tamil") << Language::Tamil << QString("என் ராசிக் கட்டம் (வட இந்திய)(&R)") << QString("மொழி(&L)")
                               << QString("ஆகஸ்ட்")
                               << QStringList{"காட்சி(&V)", "ஜாதகக் கட்டம்(&B)", "கோசாரம்(&I)", "நவாம்சம்(&9)", "அயனாம்சம்(&Y)"}
                               << QString("ராசி (D1), வட இந்திய \u2014 உள்ளமைந்த சூத்திரங்கள், ராகு சராசரி ராகுவுக்கு ஒரு "
                                          "பாகை பின்னால்");
        QTest::newRow("English") << Language::English << QString("Get My &Rashi Chart (North)") << QString("&Language")
                                 << QString("August") << QStringList{"&View", "&Chart", "Trans&its", "&Navamsa", "A&yanamsa"}
                                 << QString("Rashi (D1), North Indian \u2014 Built-in formulas, Rahu one degree behind the "
                                            "mean node");
    }
    void languageSwitchesEveryWindow() {
        QFETCH(Language, lang);
        QFETCH(QString, calculate);
        QFETCH(QString, menu);
        QFETCH(QString, august);
        QFETCH(QStringList, view);
        QFETCH(QString, status);
        {
            auto run = Start();
            QVERIFY(run->frame);
            QCOMPARE(InterfaceLanguage(), Language::English);  // the tests' locale is not Hindi or Tamil
            const QString before = run->frame->display()->chart()->HouseCaption(0);
            // From the other language first, so that every row switches between two catalogues.
            run->frame->findChild<QAction*>(lang == Language::Tamil ? "mnuLanguage_hi" : "mnuLanguage_ta")->trigger();
            run->frame->findChild<QAction*>(QString("mnuLanguage_") + LanguageCode(lang).data())->trigger();
            QCOMPARE(InterfaceLanguage(), lang);
            // Every window is told by a posted event.
            QTRY_COMPARE(run->form->findChild<QPushButton*>("cmdCalculate")->text(), calculate);
            QCOMPARE(run->frame->findChild<QMenu*>("mnuLanguage")->title(), menu);
            QCOMPARE(run->form->findChild<QComboBox*>("cboMonth")->itemText(7), august);
            const QStringList shown{run->frame->findChild<QMenu*>("mnuView")->title(),
                                    run->frame->findChild<QAction*>("mnuChart")->text(),
                                    run->frame->findChild<QAction*>("mnuTransits")->text(),
                                    run->frame->findChild<QAction*>("mnuSub_Navamsa")->text(),
                                    run->frame->findChild<QMenu*>("mnuAyanamsa")->title()};
            QCOMPARE(shown, view);
            QCOMPARE(run->frame->findChild<QLabel*>("lblStatusView")->text(), status);
            const ChartCanvas* chart = run->frame->display()->chart();
            QCOMPARE(chart->HouseCaption(0), before);  // the chart's own text is untouched
            const std::vector<std::string> asc = chart->HouseEntriesOf(0);
            QCOMPARE(asc.front(), lang == Language::English ? std::string("Asc") : std::string(Name(Body::Ascendant, lang)));
            QCOMPARE(asc.back().substr(0, Name(Body::Rahu, lang).size()),
                     lang == Language::English ? std::string("Rahu") : std::string(Name(Body::Rahu, lang)));
            QVERIFY(chart->HouseLayout(0).fits);
        }
        auto again = Start();
        QVERIFY(again->frame);
        QCOMPARE(InterfaceLanguage(), lang);
        QCOMPARE(again->form->findChild<QPushButton*>("cmdCalculate")->text(), calculate);
        UseInterfaceLanguage(Language::English);
    }

    // The file dialogs open where the user last chose a file, while that folder exists.
    void lastFolderIsRemembered() {
        const test::TempFolder folder;
        QCOMPARE(ProgramSettings::LastFolder(FileKind::Readings), QString());
        ProgramSettings::SetLastFolder(FileKind::Readings, QString::fromStdString(folder.str()));
        QCOMPARE(ProgramSettings::LastFolder(FileKind::Readings), QString::fromStdString(folder.str()));
        ProgramSettings::SetLastFolder(FileKind::Readings, QString::fromStdString(folder / "gone"));
        QCOMPARE(ProgramSettings::LastFolder(FileKind::Readings), QString());
    }

    void corruptSettingsGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("garbage") << QByteArray("\x00\xff[[[=\n\x01Sky/Positions=1\n", 24);
        QTest::newRow("values out of range")
            << QByteArray("[Sky]\nPositions=7\nAyanamsa=-1\nNode=x\n[View]\nChartStyle=9\nColour=maybe\nStatusBar=2\n");
    }
    // What stands at the settings' name, and what the status bar says when a choice is made.
    void hostileSettingsFiles_data() {
        QTest::addColumn<QString>("planted");
        QTest::addColumn<QString>("why");
        QTest::newRow("FIFO") << "fifo" << "not a regular file";
        QTest::newRow("huge file") << "huge" << "larger than a settings file can be";
        QTest::newRow("folder cannot be made") << "file for folder" << "its folder cannot be made";
    }
    void hostileSettingsFiles() {
        QFETCH(QString, planted);
        QFETCH(QString, why);
        const QString name = SettingsFile();
        QVERIFY(QDir().mkpath(QFileInfo(name).path()));
        if (planted == QLatin1String("fifo")) QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
        if (planted == QLatin1String("huge")) {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[View]\nChartStyle=1\n");
            QVERIFY(file.resize(qint64(300) << 20));  // sparse: no disk spent
        }
        if (planted == QLatin1String("file for folder")) {
            QVERIFY(QDir(QFileInfo(name).path()).removeRecursively());
            QFile file(QFileInfo(name).path());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        struct stat before {};
        QCOMPARE(::lstat(QFile::encodeName(QFileInfo(name).path()).constData(), &before), 0);

        auto run = Start();  // a pipe held the start here for ever
        QVERIFY(run->frame);
        QCOMPARE(run->frame->chartStyle(), ChartStyle::North);
        QStatusBar* bar = run->frame->statusBar();
        QCOMPARE(bar->currentMessage(), QString());
        run->frame->findChild<QAction*>("mnuSouth")->trigger();
        QCOMPARE(bar->currentMessage(), QStringLiteral("The settings could not be saved: %1 (%2)").arg(name, why));
        // Said once: the next choice goes by quietly.
        bar->clearMessage();
        run->frame->findChild<QAction*>("mnuColorOn")->trigger();
        run->frame->findChild<QAction*>("mnuDashaYear_2")->trigger();
        QCOMPARE(bar->currentMessage(), QString());
        // A window without a status bar, as the main form, whose dialog's folder is not kept:
        // said once, in a box.
        QStringList boxes;
        SetMessageHandler([&boxes](const QString& text, BoxIcon, const QString&) { boxes << text; });
        QWidget form;
        const QString lost = ProgramSettings::SetLastFolder(FileKind::Readings, QDir::tempPath());
        ProgramSettings::ReportNotStored(&form, lost);
        ProgramSettings::ReportNotStored(&form, ProgramSettings::SetLastFolder(FileKind::Pdfs, QDir::tempPath()));
        SetMessageHandler(nullptr);
        QCOMPARE(boxes, QStringList{QStringLiteral("The settings could not be saved: %1 (%2)").arg(name, why)});
        // What stood there is left as it was.
        struct stat after {};
        QCOMPARE(::lstat(QFile::encodeName(QFileInfo(name).path()).constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        if (planted != QLatin1String("file for folder")) {
            QCOMPARE(::lstat(QFile::encodeName(name).constData(), &after), 0);
            QCOMPARE(QFileInfo(name).isFile(), planted == QLatin1String("huge"));
            QCOMPARE(QFileInfo(name).size(), planted == QLatin1String("huge") ? qint64(300) << 20 : qint64(0));
        }
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
