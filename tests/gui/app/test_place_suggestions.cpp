// Birth places on the main form: the City box's suggestions, what a pick fills in, the zone
// following the birth date until the user sets it by hand, and readings left as saved.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "app/gui/PlaceSuggestions.h"
#include "app/gui/frmMain.h"
#include "io/gui/OutputCommands.h"
#include "support/MainFormDriver.h"
#include "ui/window/MDI.h"

using namespace velakor;
using namespace velakor::testing;

namespace {

std::shared_ptr<const Atlas> SharedAtlas() {
    static const std::shared_ptr<const Atlas> atlas = LoadSystemAtlas();
    return atlas;
}

const QString kSetByHand =
    QStringLiteral("Time zone or daylight saving set by hand: the date and time no longer change them");

struct Form {
    MessageLog log;
    Program program;
    frmMain form{program};
    PlaceSuggestions* places = form.placeSuggestions();

    Form() {
        places->setAtlas(SharedAtlas());
        form.show();
        form.activateWindow();
        active = QTest::qWaitForWindowActive(&form);
        city()->setFocus();
    }
    bool active = false;
    template <typename T = QWidget>
    T* w(const char* name) {
        return Child<T>(&form, QString::fromLatin1(name));
    }
    QLineEdit* city() { return w<QLineEdit>("txtCity"); }
    QString text(const char* box) { return w<QLineEdit>(box)->text(); }
    QString note() { return w<QLabel>("lblZoneNote")->text(); }
    int zone() { return w<QComboBox>("cboTimeZone")->currentIndex(); }
    bool box() { return w<QCheckBox>("chkDST")->isChecked(); }
    QAbstractItemView* list() { return places->popup(); }

    void setBirth(int day, int month, int year, int hour, int minute) {
        w<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        w<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        w<QComboBox>("cboYear")->setCurrentIndex(year - 1901);
        w<QComboBox>("cboHour")->setCurrentIndex(hour);
        w<QComboBox>("cboMinute")->setCurrentIndex(minute);
    }
    // Keys as a keyboard sends them: to the list while it is open, else to the box.
    void type(const QString& keys) {
        for (const QChar c : keys) {
            QWidget* target = list()->isVisible() ? static_cast<QWidget*>(list()) : city();
            QTest::keyClick(target, char(c.unicode()));
        }
    }
    void key(Qt::Key k) { QTest::keyClick(list()->isVisible() ? static_cast<QWidget*>(list()) : city(), k); }
    QString row(int i) { return list()->model()->index(i, 0).data().toString(); }
};

}  // namespace

class TestPlaceSuggestions : public QObject {
    Q_OBJECT

private slots:
    void typePunPickPuneAndCalculate();
    void zoneFollowsTheDateUntilSetByHand();
    void keysWithTheListOpen();
    void foldedNamesSurviveSaveAndOpen();
    void namesPeopleUseAndTheStartOfEachBox();
};

// A former name is shown beside the place's own; the pick fills the name picked and the
// state's common name, and every box shows the start of its text (a long state name is not
// scrolled to its end).
void TestPlaceSuggestions::namesPeopleUseAndTheStartOfEachBox() {
    const struct {
        const char* typed;
        const char* row;
        const char* city;
        const char* state;
    } rows[] = {
        {"Bombay", "Bombay (Mumbai), Maharashtra, India", "Bombay", "Maharashtra"},
        {"Thiruvananthapuram", "Thiruvananthapuram (Trivandrum), Kerala, India", "Thiruvananthapuram", "Kerala"},
        {"Calcutta", "Calcutta (Kolkata), State of West Bengal, India", "Calcutta", "West Bengal"},
        {"New Delhi", "New Delhi, National Capital Territory of Delhi, India", "New Delhi",
         "National Capital Territory of Delhi"},
    };
    for (const auto& r : rows) {
        Form f;
        f.setBirth(10, 5, 1950, 9, 0);
        f.type(QString::fromLatin1(r.typed));
        QCOMPARE(f.row(0), QString::fromLatin1(r.row));
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Return);
        QCOMPARE(f.text("txtCity"), QString::fromLatin1(r.city));
        QCOMPARE(f.text("txtState"), QString::fromLatin1(r.state));
        for (const char* box : {"txtCity", "txtState", "txtCountry", "txtLatDeg", "txtLonDeg"}) {
            QCOMPARE(f.w<QLineEdit>(box)->cursorPosition(), 0);
        }
        QCOMPARE(f.zone(), test::kIndian);
        QVERIFY(f.note().endsWith(QStringLiteral("check the clock time of the birth certificate")));
    }
}

void TestPlaceSuggestions::typePunPickPuneAndCalculate() {
    Form f;
    QVERIFY(f.active);
    f.setBirth(15, 8, 1947, 0, 0);
    f.type(QStringLiteral("P"));
    QVERIFY(!f.list()->isVisible());  // from the second letter on
    f.type(QStringLiteral("un"));
    QVERIFY(f.list()->isVisible());
    QCOMPARE(f.row(0), QStringLiteral("Pune, Maharashtra, India"));
    QVERIFY(f.list()->model()->rowCount() <= 12);
    QCOMPARE(f.text("txtCity"), QStringLiteral("Pun"));

    f.key(Qt::Key_Down);
    f.key(Qt::Key_Return);
    QVERIFY(!f.list()->isVisible());
    QCOMPARE(f.text("txtCity"), QStringLiteral("Pune"));
    QCOMPARE(f.text("txtState"), QStringLiteral("Maharashtra"));
    QCOMPARE(f.text("txtCountry"), QStringLiteral("India"));
    QCOMPARE(f.text("txtLatDeg") + " " + f.text("txtLatMin"), QStringLiteral("18 31"));
    QCOMPARE(f.text("txtLonDeg") + " " + f.text("txtLonMin"), QStringLiteral("73 51"));
    QVERIFY(f.w<QRadioButton>("optLat_0")->isChecked());
    QVERIFY(f.w<QRadioButton>("optLong_0")->isChecked());
    QCOMPARE(f.zone(), test::kIndian);
    QVERIFY(!f.box());
    QCOMPARE(f.note(), QStringLiteral("Asia/Kolkata on 15 August 1947 at 0:00: UTC+05:30, standard time; before 1970 the city "
                                     "may have kept its own clock: check the clock time of the birth certificate"));

    // The chart is the one of the same data typed by hand.
    f.w<QLineEdit>("txtName")->setText(QStringLiteral("Ravi Kumar"));
    f.w<QPushButton>("cmdCalculate")->click();
    QVERIFY(f.form.chartWindow());
    QVERIFY(f.log.messages.isEmpty());
    FormValues byHand = test::Form(15, 8, 1947, 0, 0, test::kIndian, 18, 31, false, 73, 51, true);
    byHand.Name = "Ravi Kumar";
    byHand.City = "Pune";
    byHand.State = "Maharashtra";
    byHand.Country = "India";
    const Program expected = test::Computed(byHand);
    QCOMPARE(f.program.Texts.AscendantText, expected.Texts.AscendantText);
    QCOMPARE(f.program.Texts.ChartPositions, expected.Texts.ChartPositions);
}

void TestPlaceSuggestions::zoneFollowsTheDateUntilSetByHand() {
    Form f;
    f.setBirth(1, 7, 1990, 12, 0);
    f.type(QStringLiteral("Lond"));
    QCOMPARE(f.row(0), QStringLiteral("London, England, United Kingdom"));
    QAbstractItemView* list = f.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(f.text("txtLonDeg") + " " + f.text("txtLonMin"), QStringLiteral("0 8"));
    QVERIFY(f.w<QRadioButton>("optLong_1")->isChecked());  // West
    QCOMPARE(f.zone(), test::kGmt);
    QVERIFY(f.box());
    QCOMPARE(f.note(), QStringLiteral("Europe/London on 1 July 1990 at 12:00: UTC+01:00, daylight saving time"));

    f.w<QComboBox>("cboMonth")->setCurrentIndex(0);  // January: no daylight saving
    QCOMPARE(f.zone(), test::kGmt);
    QVERIFY(!f.box());
    QCOMPARE(f.note(), QStringLiteral("Europe/London on 1 January 1990 at 12:00: UTC+00:00, standard time"));

    QTest::mouseClick(f.w<QCheckBox>("chkDST"), Qt::LeftButton);
    QCOMPARE(f.note(), kSetByHand);
    f.w<QComboBox>("cboMonth")->setCurrentIndex(6);
    QVERIFY(f.box());  // as the user left it
    QCOMPARE(f.note(), kSetByHand);

    // The zone list by keyboard counts as by hand too.
    f.city()->clear();
    f.type(QStringLiteral("Berlin"));
    f.key(Qt::Key_Down);
    f.key(Qt::Key_Return);
    QCOMPARE(f.zone(), test::kCentralEuropean);
    QTest::keyClick(f.w<QComboBox>("cboTimeZone"), Qt::Key_Down);
    QCOMPARE(f.note(), kSetByHand);
    f.w<QComboBox>("cboYear")->setCurrentIndex(1960 - 1901);
    QCOMPARE(f.zone(), test::kCentralEuropean + 1);
}

void TestPlaceSuggestions::keysWithTheListOpen() {
    Form f;
    f.type(QStringLiteral("Pu"));
    QVERIFY(f.list()->isVisible());
    // The letter filter sees the keys the list receives.
    f.type(QStringLiteral("1"));
    QCOMPARE(f.log.texts(), QStringList{QStringLiteral("Please enter only letters")});
    QCOMPARE(f.text("txtCity"), QStringLiteral("Pu"));
    f.log.clear();
    f.type(QStringLiteral("n"));
    QVERIFY(f.list()->isVisible());
    QCOMPARE(f.text("txtCity"), QStringLiteral("Pun"));
    // Enter before moving into the list picks nothing; Escape closes it.
    f.key(Qt::Key_Return);
    QVERIFY(f.text("txtState").isEmpty());
    QVERIFY(f.note().isEmpty());
    f.type(QStringLiteral("e"));
    QVERIFY(f.list()->isVisible());
    f.key(Qt::Key_Escape);
    QVERIFY(!f.list()->isVisible());
    QCOMPARE(f.text("txtCity"), QStringLiteral("Pune"));
    QVERIFY(f.text("txtLatDeg").isEmpty());
}

void TestPlaceSuggestions::foldedNamesSurviveSaveAndOpen() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tromso.vlj"));
    QString answer = file;
    SetDialogHandler([&answer](CommonDialog& d, DialogKind, QPrinter*) {
        d.FileName = answer;
        return true;
    });
    const QRegularExpression letters(QStringLiteral("^[A-Za-z ]+$"));
    {
        Form f;
        f.setBirth(1, 6, 1985, 0, 0);
        f.type(QStringLiteral("tromso"));
        QCOMPARE(f.row(0), QStringLiteral("Troms\u00f8, Troms og Finnmark, Norway"));
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Return);
        QCOMPARE(f.text("txtCity"), QStringLiteral("Tromso"));
        for (const char* box : {"txtCity", "txtState", "txtCountry"}) QVERIFY(letters.match(f.text(box)).hasMatch());
        QCOMPARE(f.zone(), test::kCentralEuropean);
        QVERIFY(f.box());
        f.w<QLineEdit>("txtName")->setText(QStringLiteral("Kari"));
        f.w<QPushButton>("cmdCalculate")->click();
        QVERIFY(f.form.chartWindow());
        SaveReadingAs(nullptr, f.program);
    }
    // Another form, following a place of its own, opens the reading: it holds what was saved.
    Form g;
    g.setBirth(15, 8, 1947, 0, 0);
    g.type(QStringLiteral("Pun"));
    g.key(Qt::Key_Down);
    g.key(Qt::Key_Return);
    QCOMPARE(g.zone(), test::kIndian);
    g.form.cmdOpen_Click();
    SetDialogHandler(nullptr);
    QVERIFY(g.log.messages.isEmpty());
    QCOMPARE(g.text("txtCity"), QStringLiteral("Tromso"));
    QCOMPARE(g.text("txtState"), QStringLiteral("Troms og Finnmark"));
    QCOMPARE(g.text("txtCountry"), QStringLiteral("Norway"));
    QCOMPARE(g.zone(), test::kCentralEuropean);
    QVERIFY(g.box());
    QVERIFY(g.note().isEmpty());
    g.w<QComboBox>("cboMonth")->setCurrentIndex(0);  // January: the zone stays as the file has it
    QVERIFY(g.box());
}

QTEST_MAIN(TestPlaceSuggestions)
#include "test_place_suggestions.moc"
