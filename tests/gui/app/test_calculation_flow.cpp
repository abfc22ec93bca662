// The whole path through the program: birth data typed into the main form, the calculation
// command, the chart window's captions against the core's own results, and the ways back
// from the chart window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTest>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "app/gui/frmMain.h"
#include "io/ReadingFile.h"
#include "io/Report.h"
#include "support/MainFormDriver.h"
#include "ui/window/MDI.h"

using namespace velakor;
using namespace velakor::testing;

Q_DECLARE_METATYPE(velakor::testing::BirthEntry)

namespace {

// Answers the file dialogs with fixed names (empty: the user cancels) and keeps their titles.
struct Dialogs {
    QString saveName, openName;
    QStringList titles;
    QStringList proposed;  // the file name each save dialog offered
    Dialogs() {
        SetDialogHandler([this](CommonDialog& d, DialogKind kind, QPrinter*) {
            titles << d.DialogTitle;
            if (kind == DialogKind::Save) proposed << QFileInfo(d.FileName).fileName();
            d.FileName = kind == DialogKind::Save ? saveName : kind == DialogKind::Open ? openName : QString();
            return !d.FileName.isEmpty();
        });
    }
    ~Dialogs() { SetDialogHandler(nullptr); }
};

}  // namespace

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

struct Session {
    MessageLog log;
    Program program;
    frmMain form{program};
    QSignalSpy ended{&form, &frmMain::programEnded};

    Session() { form.show(); }
    ~Session() {
        // A chart window left open by a test goes with its form.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Types the entry and presses the button, as the user does.
    MDI* Calculate(const BirthEntry& entry) {
        EnterBirthData(&form, entry);
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
        return form.chartWindow();
    }
};

// Calls back when a widget receives an event of a type.
class EventWatch : public QObject {
public:
    EventWatch(QWidget* widget, QEvent::Type type, std::function<void()> then)
        : type_(type), then_(std::move(then)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_) then_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> then_;
};

QString Caption(QWidget* window, const QString& name) {
    auto* label = Child<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// Every caption that the calculation writes, by control name.
QStringList ChartCaptions(QWidget* window) {
    QStringList out;
    for (const char* name : {"lblAyanamsha", "lblLagna", "lblNakshatra", "lblRashi", "lblPada", "lblLord"})
        out << QString::fromLatin1(name) + QLatin1Char('=') + Caption(window, QString::fromLatin1(name));
    for (int i = 0; i < kBodyCount; ++i) out << Caption(window, QStringLiteral("Planet_%1").arg(i));
    for (int h = 0; h < kHouseCount; ++h) {
        out << Caption(window, QStringLiteral("lblPlanet_Position_%1").arg(h));
        out << Caption(window, QStringLiteral("lblPlanets_%1").arg(h));
    }
    return out;
}

// The same captions as the core computes them for the entry, without any window.
QStringList ExpectedCaptions(const BirthEntry& entry) {
    Program p;
    RunCalculation(p, ToFormValues(entry));
    const ChartTexts& s = p.Texts;
    QStringList out{"lblAyanamsha=" + Q(s.AyanamsaText), "lblLagna=" + Q(s.LagnaSignName),
                    "lblNakshatra=" + Q(s.NakshatraText), "lblRashi=" + Q(s.RashiText),
                    "lblPada=" + Q(s.NakshatraPada),     "lblLord=" + Q(s.NakshatraLord)};
    for (int i = 0; i < kBodyCount; ++i) out << Q(p.Texts.ChartPositions[i]);
    for (int h = 0; h < kHouseCount; ++h) {
        out << QString::number(SignNumber(p.Chart.HouseSigns[h]));
        out << Q(p.Texts.HouseTexts[h]);
    }
    return out;
}

// The birth details the chart window composes for an entry.
QStringList ExpectedDetails(const BirthEntry& e) {
    return {"Name: " + e.name,
            "City: " + e.city.trimmed(),
            "State: " + e.state.trimmed(),
            "Country: " + e.country.trimmed(),
            QStringLiteral("Date of Birth: %1 %2, %3").arg(QLocale().monthName(e.month)).arg(e.day).arg(e.year),
            QStringLiteral("Time of Birth: %1 Hour %2 Minute").arg(e.hour).arg(e.minute),
            QStringLiteral("Latitude: %1 Degree %2 Minute").arg(e.latDeg.toInt()).arg(e.latMin.toInt()),
            QStringLiteral("Longitude: %1 Degree %2 Minute").arg(e.lonDeg.toInt()).arg(e.lonMin.toInt())};
}

QStringList Details(QWidget* window) {
    QStringList out;
    for (const char* name : {"lblName", "lblCity", "lblState", "lblCountry", "lblDOB", "lblTOB", "lblLatitude",
                             "lblLongitude"})
        out << Caption(window, QString::fromLatin1(name));
    return out;
}

BirthEntry SydneyEntry() {
    BirthEntry e;
    e.name = QStringLiteral(" Mei Ling ");  // spaces kept in the name, dropped from the place
    e.day = 29;
    e.month = 2;
    e.year = 2000;
    e.hour = 24;
    e.minute = 59;
    e.zone = 7;  // Australian Eastern Daylight Time
    e.latDeg = QStringLiteral("33");
    e.latMin = QStringLiteral("52");
    e.lonDeg = QStringLiteral("151");
    e.lonMin = QStringLiteral("12");
    e.south = true;
    e.dst = true;
    e.city = QStringLiteral("  Sydney ");
    e.state = QStringLiteral("New South Wales");
    e.country = QStringLiteral("Australia");
    return e;
}

BirthEntry QuitoEntry() {
    BirthEntry e;
    e.name = QStringLiteral("Ana");
    e.day = 31;
    e.month = 12;
    e.year = 2050;
    e.hour = 23;
    e.minute = 0;
    e.zone = 27;  // Eastern Standard Time
    e.latDeg = QStringLiteral("0");
    e.latMin = QStringLiteral("13");
    e.lonDeg = QStringLiteral("78");
    e.lonMin = QStringLiteral("30");
    e.south = true;
    e.west = true;
    e.city = QStringLiteral("Quito");
    e.state = QStringLiteral("Pichincha");
    e.country = QStringLiteral("Ecuador");
    return e;
}

// A reading's birth data: Lima, 30 April 1990, Eastern Standard Time.
BirthRecord AnaRecord() {
    BirthRecord ana;
    ana.BirthName = "Ana";
    ana.BirthDay = 30;
    ana.BirthMonth = 4;
    ana.BirthYear = 1990;
    ana.ZoneIndex = 27;
    ana.LatDeg = 10;
    ana.LonDeg = 20;
    ana.BirthCity = "Lima";
    ana.BirthState = "Lima";
    ana.BirthCountry = "Peru";
    return ana;
}

}  // namespace

class TestCalculationFlow : public QObject {
    Q_OBJECT

private slots:
    void wholeCalculation_data();
    void wholeCalculation();
    void returnPressesTheFocusedButton();
    void sameDataTwiceSameCaptions();
    void backThenOtherData();
    void waysBackKeepTheFields_data();
    void waysBackKeepTheFields();
    void waysOutEndTheProgram_data();
    void waysOutEndTheProgram();
    void savedReadingOpensTheSameChart();
    void openChecksTheWholeFileFirst_data();
    void openChecksTheWholeFileFirst();
    void toolbarOpenReplacesTheChartOnShow();
    void chartWindowsAreFreedWithTheirWindows();
};

void TestCalculationFlow::wholeCalculation_data() {
    QTest::addColumn<BirthEntry>("entry");
    QTest::newRow("Delhi, 15 August 1947 0:00 IST") << DelhiEntry();
    QTest::newRow("London, west of Greenwich") << LondonEntry();
    QTest::newRow("Sydney, south, daylight saving, 24 h, leap day") << SydneyEntry();
    QTest::newRow("Quito, south and west, last day offered") << QuitoEntry();
}

void TestCalculationFlow::wholeCalculation() {
    QFETCH(BirthEntry, entry);
    Session s;
    MDI* chart = s.Calculate(entry);

    QVERIFY(s.log.messages.isEmpty());
    QVERIFY(chart);
    QVERIFY(chart->isVisible());
    QVERIFY(!s.form.isVisible());  // hidden, not closed
    QCOMPARE(s.ended.count(), 0);

    QCOMPARE(ChartCaptions(chart), ExpectedCaptions(entry));
    QVERIFY(Caption(chart, QStringLiteral("lblPlanets_0")).startsWith(QStringLiteral("Asc")));
    QCOMPARE(Details(chart), ExpectedDetails(entry));

    // The birth record is what the form held.
    const BirthRecord& b = s.program.Birth;
    QCOMPARE(Q(b.BirthName), entry.name);
    QCOMPARE(Q(b.BirthCity), entry.city.trimmed());
    QCOMPARE(int(b.BirthHour), entry.hour);
    QCOMPARE(int(b.ZoneIndex), entry.zone);
    QCOMPARE(b.LatSouthFlag, entry.south);
    QCOMPARE(b.LonEastFlag, !entry.west);
    QCOMPARE(b.DaylightSaving, entry.dst);
}

void TestCalculationFlow::returnPressesTheFocusedButton() {
    Session s;
    EnterBirthData(&s.form, DelhiEntry());
    auto* calculate = Child<QPushButton>(&s.form, QStringLiteral("cmdCalculate"));
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Return);
    QVERIFY(s.form.chartWindow());
    QCOMPARE(ChartCaptions(s.form.chartWindow()), ExpectedCaptions(DelhiEntry()));
}

void TestCalculationFlow::sameDataTwiceSameCaptions() {
    Session s;
    MDI* first = s.Calculate(DelhiEntry());
    QVERIFY(first);
    const QStringList captions = ChartCaptions(first);

    // Again while the chart window is open: the same window, rewritten, nothing piled up.
    s.form.cmdCalculate_Click();
    QCOMPARE(s.form.chartWindow(), first);
    QCOMPARE(ChartCaptions(first), captions);

    // And again after Back, in a new window.
    QTest::mouseClick(Child<QPushButton>(first, QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!s.form.chartWindow());
    QTest::mouseClick(Child<QPushButton>(&s.form, QStringLiteral("cmdCalculate")), Qt::LeftButton);
    QVERIFY(s.form.chartWindow());
    QCOMPARE(ChartCaptions(s.form.chartWindow()), captions);
    QVERIFY(s.log.messages.isEmpty());
}

void TestCalculationFlow::backThenOtherData() {
    Session s;
    MDI* first = s.Calculate(DelhiEntry());
    QVERIFY(first);
    QTest::mouseClick(Child<QPushButton>(first, QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!s.form.chartWindow());
    QVERIFY(s.form.isVisible());

    MDI* second = s.Calculate(LondonEntry());
    QVERIFY(second);
    QCOMPARE(Details(second), ExpectedDetails(LondonEntry()));
    QCOMPARE(ChartCaptions(second), ExpectedCaptions(LondonEntry()));
    QVERIFY(ChartCaptions(second) != ExpectedCaptions(DelhiEntry()));
    QCOMPARE(s.ended.count(), 0);
}

void TestCalculationFlow::waysBackKeepTheFields_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("chartGoneFirst");  // closed before the main form is shown
    QTest::newRow("Back button") << "cmdBack" << true;
    QTest::newRow("Back button, Return key") << "cmdBack+Return" << true;
    QTest::newRow("File > Back") << "mnuBack" << true;
    QTest::newRow("File > New") << "mnuNew" << false;
    QTest::newRow("toolbar New") << "TB_New" << false;
}

void TestCalculationFlow::waysBackKeepTheFields() {
    QFETCH(QString, way);
    QFETCH(bool, chartGoneFirst);
    Session s;
    const QPoint place = s.form.pos();
    MDI* chart = s.Calculate(SydneyEntry());
    QVERIFY(chart);
    const FormValues before = s.form.CollectFormValues();

    // Whether the chart window was still on screen when the main form came back.
    std::optional<bool> chartShownAtReturn;
    EventWatch watch(&s.form, QEvent::Show, [&] { chartShownAtReturn = chart->isVisible(); });
    if (way.endsWith(QLatin1String("+Return"))) {
        auto* button = Child<QPushButton>(chart, way.section(QLatin1Char('+'), 0, 0));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
    } else if (auto* button = chart->findChild<QPushButton*>(way)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        Child<QAction>(chart, way)->trigger();
    }

    QVERIFY(s.form.isVisible());
    QCOMPARE(chartShownAtReturn, std::optional<bool>(!chartGoneFirst));
    QCOMPARE(s.form.pos(), place);  // back where it was
    QCOMPARE(s.form.focusWidget(), Child<QWidget>(&s.form, QStringLiteral("txtName")));  // ready for typing
    QTRY_VERIFY(!s.form.chartWindow());  // the chart window closed itself
    QCOMPARE(s.ended.count(), 0);
    const FormValues after = s.form.CollectFormValues();
    QCOMPARE(after.Name, before.Name);
    QCOMPARE(after.Day, 29);
    QCOMPARE(after.Month, 2);
    QCOMPARE(after.Year, 2000);
    QCOMPARE(after.Hour, 24);
    QCOMPARE(after.Minute, 59);
    QCOMPARE(after.ZoneIndex, 7);
    QCOMPARE(after.LatDeg, before.LatDeg);
    QCOMPARE(after.LonMin, before.LonMin);
    QVERIFY(after.Latitude == Direction::Second && after.Longitude == Direction::First);
    QVERIFY(after.DaylightSaving);
    QCOMPARE(after.City, before.City);
    QCOMPARE(after.Country, before.Country);
}

void TestCalculationFlow::waysOutEndTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Exit button") << "cmdExit";
    QTest::newRow("File > Exit") << "mnuExit";
    QTest::newRow("close box") << "";
}

void TestCalculationFlow::waysOutEndTheProgram() {
    QFETCH(QString, way);
    Session s;
    MDI* chart = s.Calculate(QuitoEntry());
    QVERIFY(chart);

    if (way.isEmpty()) {
        chart->close();
    } else if (auto* button = chart->findChild<QPushButton*>(way)) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        Child<QAction>(chart, way)->trigger();
    }

    QCOMPARE(s.ended.count(), 1);
    QVERIFY(!s.form.isVisible());
    QTRY_VERIFY(!s.form.chartWindow());
    QVERIFY(s.log.messages.isEmpty());
}

// Save As in the chart window, Back, another person's chart, whose Save As offers that
// person's name, never the reading saved before; then the saved reading opened from the main
// form: the fields and the chart are those of the reading again, and Save As offers its file.
void TestCalculationFlow::savedReadingOpensTheSameChart() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    Dialogs dialogs;
    dialogs.saveName = folder.filePath(QStringLiteral("mei.vlj"));
    dialogs.openName = dialogs.saveName;

    Session s;
    const BirthEntry saved = SydneyEntry();
    MDI* chart = s.Calculate(saved);
    QVERIFY(chart);
    Child<QAction>(chart, QStringLiteral("mnuSaveAs"))->trigger();
    QVERIFY(QFileInfo::exists(dialogs.saveName));
    QTest::mouseClick(Child<QPushButton>(chart, QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!s.form.chartWindow());
    MDI* other = s.Calculate(LondonEntry());
    QVERIFY(other);
    const QString savedFile = dialogs.saveName;
    dialogs.saveName.clear();  // the user cancels
    Child<QAction>(other, QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(dialogs.proposed, (QStringList{"Mei Ling.vlj", "Anne Smith.vlj"}));
    QTest::mouseClick(Child<QPushButton>(other, QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!s.form.chartWindow());

    QTest::mouseClick(Child<QPushButton>(&s.form, QStringLiteral("cmdOpen")), Qt::LeftButton);

    QVERIFY(s.log.messages.isEmpty());
    QVERIFY(dialogs.titles.contains(QStringLiteral("Select the source file")));
    MDI* reopened = s.form.chartWindow();
    QVERIFY(reopened);
    QVERIFY(!s.form.isVisible());
    QCOMPARE(ChartCaptions(reopened), ExpectedCaptions(saved));
    // The file keeps its values without outer spaces.
    BirthEntry trimmed = saved;
    trimmed.name = saved.name.trimmed();
    trimmed.city = saved.city.trimmed();
    QCOMPARE(Details(reopened), ExpectedDetails(trimmed));
    QCOMPARE(Caption(reopened, QStringLiteral("lblStatusFile")), QStringLiteral("mei.vlj"));
    const FormValues fields = s.form.CollectFormValues();
    QCOMPARE(Q(fields.Name), trimmed.name);
    QCOMPARE(fields.Day, 29);
    QCOMPARE(fields.Hour, 24);
    QCOMPARE(fields.ZoneIndex, saved.zone);
    QVERIFY(fields.Latitude == Direction::Second && fields.Longitude == Direction::First);
    QVERIFY(fields.DaylightSaving);
    Child<QAction>(reopened, QStringLiteral("mnuSaveAs"))->trigger();
    QCOMPARE(dialogs.proposed.last(), QFileInfo(savedFile).fileName());
}

// Every field of the form, to show that a refused file changed none of them.
QStringList Fields(const frmMain& form) {
    const FormValues v = form.CollectFormValues();
    return {Q(v.Name),   QString::number(v.Day),    QString::number(v.Month), QString::number(v.Year),
            QString::number(v.Hour), QString::number(v.Minute), QString::number(v.ZoneIndex), Q(v.LatDeg),
            Q(v.LatMin), Q(v.LonDeg), Q(v.LonMin), QString::number(int(v.Latitude)),
            QString::number(int(v.Longitude)), QString::number(v.DaylightSaving), Q(v.City), Q(v.State),
            Q(v.Country)};
}

QByteArray Bytes(const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); }

// What the open dialog answers with a file of one kind; false when this system cannot make it.
bool MakeFile(const QString& path, const QString& kind, const QByteArray& bytes) {
    if (kind == QLatin1String("fifo")) return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("folder")) return QDir().mkdir(path);
    if (kind == QLatin1String("device link")) return QFile::link(QStringLiteral("/dev/zero"), path);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

void TestCalculationFlow::openChecksTheWholeFileFirst_data() {
    QTest::addColumn<QString>("file");      // what the dialog answers; empty: cancelled
    QTest::addColumn<QString>("kind");      // "" a regular file holding bytes, "fifo", "folder", "device link"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("opens");  // the fields are the file's; otherwise every field is kept

    const BirthRecord ana = AnaRecord();
    const QByteArray reading = Bytes(ReadingFileBytes(ana));
    BirthRecord april31 = ana;
    april31.BirthDay = 31;

    QByteArray random(4096, '\0');
    std::mt19937 generator(10);
    for (char& c : random) c = char(generator() % 8 == 0 ? '\n' : generator());
    QByteArray withNul = reading;
    withNul.insert(1, '\0');
    QByteArray tabInName = reading;
    tabInName.replace(0, 3, Bytes(EncodeText("A\tna")));
    qsizetype thirteenLines = 0;
    for (int line = 0; line < 13; ++line) thirteenLines = reading.indexOf("\r\n", thirteenLines) + 2;
    const QByteArray tooLarge = reading + QByteArray(qsizetype(kReadingMaxBytes) + 1 - reading.size(), 'x');
    Program delhi;
    RunCalculation(delhi, ToFormValues(DelhiEntry()));
    const QByteArray report = QString::fromStdString(ReportFileBytes(delhi.Birth, delhi.Texts, "August")).toLocal8Bit();

    const QString refused = QStringLiteral("Please Check The File.");
    QTest::newRow("cancelled") << "" << "" << QByteArray() << "" << false;
    QTest::newRow("not a reading's name") << "notes.txt" << "" << reading << refused << false;
    QTest::newRow("upper-case extension") << "ANA.VLJ" << "" << reading << refused << false;
    QTest::newRow("random bytes with line breaks") << "junk.vlj" << "" << random << refused << false;
    QTest::newRow("the report renamed") << "report.vlj" << "" << report << refused << false;
    QTest::newRow("empty") << "empty.vlj" << "" << QByteArray() << refused << false;
    QTest::newRow("only line ends") << "blank.vlj" << "" << QByteArray(10000, '\n').replace("\n\n", "\r\n")
                                    << refused << false;
    QTest::newRow("a NUL byte") << "nul.vlj" << "" << withNul << refused << false;
    QTest::newRow("a control character in the name") << "tab.vlj" << "" << tabInName << refused << false;
    QTest::newRow("a byte larger than a reading can be") << "large.vlj" << "" << tooLarge << refused << false;
    QTest::newRow("FIFO") << "pipe.vlj" << "fifo" << QByteArray() << refused << false;
    QTest::newRow("folder") << "folder.vlj" << "folder" << QByteArray() << refused << false;
    QTest::newRow("link to a device") << "zero.vlj" << "device link" << QByteArray() << refused << false;
    QTest::newRow("13 lines: no place") << "short.vlj" << "" << reading.left(thirteenLines)
                                        << "Please Enter Your City name" << true;
    QTest::newRow("reading with 31 April") << "ana.vlj" << "" << Bytes(ReadingFileBytes(april31))
                                           << "Please Enter Correct Date Or Month !" << true;
    QTest::newRow("written by Velakor") << "ana.vlj" << "" << reading << "" << true;
}

void TestCalculationFlow::openChecksTheWholeFileFirst() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(bool, opens);
    QTemporaryDir folder;
    Dialogs dialogs;
    if (!file.isEmpty()) {
        dialogs.openName = folder.filePath(file);
        if (!MakeFile(dialogs.openName, kind, bytes)) QSKIP("this system cannot make such a file");
    }
    Session s;
    EnterBirthData(&s.form, DelhiEntry());
    const QStringList before = Fields(s.form);

    QTest::mouseClick(Child<QPushButton>(&s.form, QStringLiteral("cmdOpen")), Qt::LeftButton);

    QCOMPARE(s.log.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty() && !opens) {
        QCOMPARE(s.log.messages[0].icon, BoxIcon::Critical);
        QCOMPARE(s.log.messages[0].title, QStringLiteral("Velakor"));
    }
    const bool chart = opens && message.isEmpty();
    QCOMPARE(s.form.chartWindow() != nullptr, chart);
    QCOMPARE(s.form.isVisible(), !chart);
    if (!opens) {
        QCOMPARE(Fields(s.form), before);
        return;
    }
    const FormValues after = s.form.CollectFormValues();
    QCOMPARE(Q(after.Name), QStringLiteral("Ana"));
    QCOMPARE(after.ZoneIndex, 27);
    // A short file has no daylight-saving line: it counts as true; the place is empty.
    QCOMPARE(after.DaylightSaving, file == QLatin1String("short.vlj"));
    QCOMPARE(Q(after.City), file == QLatin1String("short.vlj") ? QString() : QStringLiteral("Lima"));
}

// The chart window's toolbar Open: the main form's dialog, checks and messages; a reading
// that opens replaces the chart on show in the same window and view, one that does not
// leaves chart and fields as they were.
void TestCalculationFlow::toolbarOpenReplacesTheChartOnShow() {
    QTemporaryDir folder;
    Dialogs dialogs;
    Session s;
    const BirthEntry saved = SydneyEntry();
    MDI* chart = s.Calculate(saved);
    QVERIFY(chart);
    dialogs.saveName = folder.filePath(QStringLiteral("mei.vlj"));
    Child<QAction>(chart, QStringLiteral("mnuSaveAs"))->trigger();
    QTest::mouseClick(Child<QPushButton>(chart, QStringLiteral("cmdBack")), Qt::LeftButton);
    QTRY_VERIFY(!s.form.chartWindow());

    chart = s.Calculate(DelhiEntry());
    Child<QAction>(chart, QStringLiteral("mnuSub_Navamsa"))->trigger();
    auto clickOpen = [&] {
        QAction* open = Child<QAction>(chart, QStringLiteral("TB_Open"));
        QTest::mouseClick(chart->toolBar()->widgetForAction(open), Qt::LeftButton);
    };

    // Not a reading: the main form's message, nothing changes.
    dialogs.openName = folder.filePath(QStringLiteral("notes.txt"));
    clickOpen();
    QCOMPARE(s.log.texts(), QStringList{QStringLiteral("Please Check The File.")});
    QCOMPARE(ChartCaptions(chart), ExpectedCaptions(DelhiEntry()));

    // A reading whose date cannot be: its message; the chart and the fields stay Delhi's.
    BirthRecord april = AnaRecord();
    april.BirthDay = 31;
    dialogs.openName = folder.filePath(QStringLiteral("ana.vlj"));
    QFile out(dialogs.openName);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(ReadingFileBytes(april)));
    out.close();
    s.log.clear();
    clickOpen();
    QCOMPARE(s.log.texts(), QStringList{QStringLiteral("Please Enter Correct Date Or Month !")});
    QCOMPARE(ChartCaptions(chart), ExpectedCaptions(DelhiEntry()));
    QCOMPARE(Q(s.form.CollectFormValues().Name), DelhiEntry().name);

    // The saved reading: the same window shows its chart, its birth details, its navamsa.
    s.log.clear();
    dialogs.openName = dialogs.saveName;
    clickOpen();
    QVERIFY(s.log.messages.isEmpty());
    QCOMPARE(s.form.chartWindow(), chart);
    QVERIFY(!s.form.isVisible());
    QCOMPARE(ChartCaptions(chart), ExpectedCaptions(saved));
    BirthEntry trimmed = saved;
    trimmed.name = saved.name.trimmed();
    QCOMPARE(Details(chart), ExpectedDetails(trimmed));
    QCOMPARE(chart->viewName(), QStringLiteral("mnuSub_Navamsa"));
    QVERIFY(Caption(chart, QStringLiteral("lblDivisionalDetail_0")).contains(QStringLiteral("Mei Ling")));
    QCOMPARE(Caption(chart, QStringLiteral("lblStatusFile")), QStringLiteral("mei.vlj"));
    QCOMPARE(Q(s.form.CollectFormValues().Name), trimmed.name);
}

// Resident memory of this process in KiB, after handing freed memory back to the system.
long ResidentKiB() {
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// A user who goes Back and calculates again all day must not run out of memory: everything
// a chart window holds goes with it.
void TestCalculationFlow::chartWindowsAreFreedWithTheirWindows() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer holds freed memory back on purpose: resident memory tells nothing here");
#endif
    Session s;
    EnterBirthData(&s.form, DelhiEntry());
    auto* calculate = Child<QPushButton>(&s.form, QStringLiteral("cmdCalculate"));
    // Each click is followed by what the event loop would do before the next one.
    auto settle = [] {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    auto cycle = [&] {
        QTest::mouseClick(calculate, Qt::LeftButton);
        settle();
        QPointer<MDI> window = s.form.chartWindow();
        if (!window) return false;
        QTest::mouseClick(Child<QPushButton>(window, QStringLiteral("cmdBack")), Qt::LeftButton);
        settle();
        return window.isNull();
    };
    // The first windows fill the caches of fonts, icons and styles once.
    for (int i = 0; i < 50; ++i) QVERIFY(cycle());
    const long before = ResidentKiB();
    for (int i = 0; i < 1000; ++i) QVERIFY(cycle());
    const long grown = ResidentKiB() - before;
    qInfo("1000 chart windows: resident memory grew by %ld KiB", grown);
    QVERIFY2(grown < 2048, qPrintable(QStringLiteral("grew by %1 KiB").arg(grown)));
    QVERIFY(s.log.messages.isEmpty());
}

QTEST_MAIN(TestCalculationFlow)
#include "test_calculation_flow.moc"
