// The main form on its own: what it shows after loading, its key filters, its rules as the
// user meets them, the map search button, the help menu and closing.
#include <QAction>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <memory>

#include "app/gui/frmMain.h"
#include "chart/NameTables.h"
#include "support/MainFormDriver.h"
#include "app/gui/ListBox.h"
#include "ui/dialogs/WebLinks.h"

using namespace velakor;
using namespace velakor::testing;

Q_DECLARE_METATYPE(velakor::testing::BirthEntry)
Q_DECLARE_METATYPE(velakor::BoxIcon)

namespace {

// A main form with its own program state, shown and active so that focus can be checked.
struct Form {
    MessageLog log;  // no real message box ever blocks a test
    Program program;
    frmMain form{program};

    Form() {
        form.show();
        form.activateWindow();
        active = QTest::qWaitForWindowActive(&form);
    }
    bool active = false;
    template <typename T = QWidget>
    T* w(const char* name) {
        return Child<T>(&form, QString::fromLatin1(name));
    }
    QLineEdit* edit(const char* name) { return w<QLineEdit>(name); }
};

QColor Background(QWidget* widget) { return widget->palette().color(widget->backgroundRole()); }

}  // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::clipboard()->clear(); }

    void listsAfterLoad_data();
    void listsAfterLoad();
    void zoneListIsTheTable();
    void fieldsAfterLoad();
    void captions_data();
    void captions();
    void menus();
    void tabOrder();
    void colours();

    void keyFilter_data();
    void keyFilter();
    void refusedLetterPutsFocusBack();
    void refusedDigitLeavesFocus();
    void navigationKeysPass();
    void editingKeys_data();
    void editingKeys();
    void zoneQuestion();

    void rules_data();
    void rules();
    void failedRuleThroughButtonKeepsForm();
    void directionFollowUps();

    void mapSearch_data();
    void mapSearch();
    void helpEntriesOpenUserGuide_data();
    void helpEntriesOpenUserGuide();
    void guideIsNeverWrittenThroughALink();

    void aboutBoxIsModal();
    void closing_data();
    void closing();
    void writtenValuesReadBack();
};

void TestMainForm::listsAfterLoad_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("days") << "cboDate" << 31 << "1" << "31";
    QTest::newRow("months") << "cboMonth" << 12 << "January" << "December";
    QTest::newRow("years") << "cboYear" << 150 << "1901" << "2050";
    QTest::newRow("hours, 24 included") << "cboHour" << 25 << "0" << "24";
    QTest::newRow("minutes") << "cboMinute" << 60 << "0" << "59";
    QTest::newRow("zones") << "cboTimeZone" << kZoneCount << "Alaska/Hawaii Daylight Time,AHDT,-9.0"
                           << "Local Mean Time";
}

void TestMainForm::listsAfterLoad() {
    QFETCH(QString, list);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    Form f;
    auto* combo = f.w<QComboBox>(qPrintable(list));
    QVERIFY(combo);
    QVERIFY(!combo->isEditable());  // picked, never typed
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(combo->itemText(0), first);
    QCOMPARE(combo->itemText(count - 1), last);
    // Plain decimal, no leading zeros, in order (the birth record reads the texts).
    if (list != QLatin1String("cboMonth") && list != QLatin1String("cboTimeZone")) {
        for (int i = 1; i < count; ++i) {
            QCOMPARE(combo->itemText(i).toInt(), combo->itemText(i - 1).toInt() + 1);
            QVERIFY(!combo->itemText(i).startsWith(QLatin1Char('0')));
        }
    }
    // The last entry can be chosen.
    combo->setCurrentIndex(count - 1);
    QCOMPARE(combo->currentText(), last);

    // The list opens as a short scrolling pop-up with the chosen entry in view, not as a
    // column as tall as the screen.
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const int rowHeight = view->sizeHintForRow(0);
    QVERIFY2(view->viewport()->height() <= kListPopupRows * rowHeight + rowHeight / 2,
             qPrintable(QStringLiteral("%1 px for rows of %2 px").arg(view->viewport()->height()).arg(rowHeight)));
    QVERIFY(view->viewport()->rect().contains(view->visualRect(view->currentIndex())));
    combo->hidePopup();
}

void TestMainForm::zoneListIsTheTable() {
    Form f;
    auto* zones = f.w<QComboBox>("cboTimeZone");
    QCOMPARE(zones->count(), kZoneCount);
    for (int i = 0; i < kZoneCount; ++i) {
        const std::string_view name = Zone(i).Name;
        QCOMPARE(zones->itemText(i), QString::fromUtf8(name.data(), qsizetype(name.size())));
    }
    zones->setCurrentIndex(kZoneCount - 1);
    QCOMPARE(f.form.CollectFormValues().ZoneIndex, kZoneCount - 1);
    // Once a longitude is known, the last row shows the offset of its mean time.
    EnterBirthData(&f.form, DelhiEntry());  // 77 deg 12' E
    QCOMPARE(zones->itemText(kLocalMeanTimeRow), QStringLiteral("Local Mean Time (UTC+05:09)"));
    QTest::mouseClick(f.w("optLong_1"), Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(zones->itemText(kLocalMeanTimeRow), QStringLiteral("Local Mean Time (UTC-05:09)"));
    f.edit("txtLonDeg")->clear();
    QCOMPARE(zones->itemText(kLocalMeanTimeRow), QStringLiteral("Local Mean Time"));
}

void TestMainForm::fieldsAfterLoad() {
    Form f;
    for (const char* box : {"txtName", "txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin", "txtCity", "txtState",
                            "txtCountry"}) {
        QVERIFY2(f.edit(box)->text().isEmpty(), box);
    }
    for (const char* box : {"txtLatDeg", "txtLatMin", "txtLonDeg", "txtLonMin"}) QCOMPARE(f.edit(box)->maxLength(), 3);
    for (const char* box : {"txtName", "txtCity", "txtState", "txtCountry"}) QVERIFY(f.edit(box)->maxLength() > 1000);
    QVERIFY(f.w<QRadioButton>("optLat_0")->isChecked());
    QVERIFY(!f.w<QRadioButton>("optLat_1")->isChecked());
    QVERIFY(f.w<QRadioButton>("optLong_0")->isChecked());
    QVERIFY(!f.w<QRadioButton>("optLong_1")->isChecked());
    QVERIFY(!f.w<QCheckBox>("chkDST")->isChecked());

    // What the rules and the birth record would read from the untouched form.
    const FormValues v = f.form.CollectFormValues();
    QCOMPARE(v.Day, 1);
    QCOMPARE(v.Month, 1);
    QCOMPARE(v.Year, 1901);
    QCOMPARE(v.Hour, 0);
    QCOMPARE(v.Minute, 0);
    QCOMPARE(v.ZoneIndex, 0);
    QVERIFY(v.Latitude == Direction::First);
    QVERIFY(v.Longitude == Direction::First);
    QVERIFY(!v.DaylightSaving);
}

void TestMainForm::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("calculate") << "cmdCalculate" << "Get My &Rashi Chart (North)";
    QTest::newRow("open") << "cmdOpen" << "&Open Previously Saved Reading";
    QTest::newRow("map search") << "Command1" << "Click here to find Latitude && Longitude";
    QTest::newRow("north") << "optLat_0" << "North";
    QTest::newRow("south") << "optLat_1" << "South";
    QTest::newRow("east") << "optLong_0" << "East";
    QTest::newRow("west") << "optLong_1" << "West";
    QTest::newRow("daylight saving") << "chkDST" << "Daylight Saving Time";
}

void TestMainForm::captions() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    Form f;
    auto* button = f.w<QAbstractButton>(qPrintable(control));
    QVERIFY(button);
    QCOMPARE(button->text(), text);
}

void TestMainForm::menus() {
    Form f;
    QCOMPARE(f.form.windowTitle(), QStringLiteral("Velakor v1.70"));
    const QList<QAction*> bar = f.form.menuBar()->actions();
    QCOMPARE(bar.size(), 2);
    QCOMPARE(bar[0]->text(), QStringLiteral("&File"));
    QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));

    auto entries = [](QAction* menu) {
        QStringList out;
        for (QAction* a : menu->menu()->actions()) out << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    QCOMPARE(entries(bar[0]), (QStringList{"mnuCalculate=Get My &Rasi Chart", "mnuLibrary=Chart &Library...", "mnuFileSep=-",
                                             "mnuExit=&Exit"}));
    QCOMPARE(entries(bar[1]),
             (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "mnuHelpSep1=-",
                          "mnuUpdate=Check for Software &Update", "mnuHelpSep2=-", "mnuAbout=&About Software"}));
}

void TestMainForm::tabOrder() {
    Form f;
    const QStringList expected{"txtName",   "cboDate",   "cboMonth",  "cboYear", "cboHour",
                               "cboMinute", "cboTimeZone", "txtLatDeg", "txtLatMin", "txtLonDeg",
                               "txtLonMin", "txtCity",   "txtState",  "txtCountry", "cmdCalculate"};
    // Loaded, the form is ready for typing the name.
    QVERIFY(f.active);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainForm::colours() {
    Form f;
    const QColor form(255, 199, 6), frame(255, 255, 128);
    QCOMPARE(Background(f.w("centralwidget")), form);
    for (const char* name : {"optLat_0", "optLat_1", "optLong_0", "optLong_1", "chkDST", "cboTimeZone"}) {
        QVERIFY2(f.w(name)->autoFillBackground(), name);
        QCOMPARE(Background(f.w(name)), form);
    }
    QCOMPARE(f.w<QComboBox>("cboTimeZone")->palette().color(QPalette::Button), form);
    for (const char* name : {"fraLat", "fraLong"}) QCOMPARE(Background(f.w(name)), frame);

    // And painted so: a pixel of the form's margin and one of a frame's border band.
    const QImage shot = f.form.grab().toImage();
    QCOMPARE(shot.pixelColor(f.w("centralwidget")->mapTo(&f.form, QPoint(4, 4))), form);
    QWidget* fra = f.w("fraLat");
    QCOMPARE(shot.pixelColor(fra->mapTo(&f.form, QPoint(2, fra->height() / 2))), frame);
}

void TestMainForm::keyFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("refusals");
    const QString letters = QStringLiteral("Please enter only letters");
    QTest::newRow("two words") << "txtName" << "Ravi Kumar" << "Ravi Kumar" << 0;
    QTest::newRow("apostrophe inside a name") << "txtName" << "D'Souza" << "D'Souza" << 0;
    QTest::newRow("hyphen in a name") << "txtName" << "Jean-Luc" << "Jean-Luc" << 0;
    QTest::newRow("full stop in a city") << "txtCity" << "St. Louis" << "St. Louis" << 0;
    QTest::newRow("accented letter folded") << "txtCity" << QString::fromUtf8("Z\u00fcrich") << "Zurich" << 0;
    QTest::newRow("accented name folded") << "txtName" << QString::fromUtf8("Jos\u00e9") << "Jose" << 0;
    QTest::newRow("letter of another script") << "txtState" << QString::fromUtf8("Gen\u0416ve") << "Genve" << 1;
    QTest::newRow("digit in a place") << "txtState" << "Tamil 2" << "Tamil " << 1;
    QTest::newRow("hyphen in a country") << "txtCountry" << "Guinea-Bissau" << "Guinea-Bissau" << 0;
    QTest::newRow("comma in a country") << "txtCountry" << "Korea, South" << "Korea South" << 1;
    QTest::newRow("digits") << "txtLatDeg" << "123" << "123" << 0;
    QTest::newRow("minus sign") << "txtLatDeg" << "-12" << "12" << 1;
    QTest::newRow("decimal point") << "txtLonMin" << "1.5" << "15" << 1;
    QTest::newRow("letter and space") << "txtLonDeg" << "7a 7" << "77" << 2;
    QTest::newRow("fourth digit") << "txtLatMin" << "1234" << "123" << 0;
    QTest::newRow("fourth digit after a refusal") << "txtLonDeg" << "12.34" << "123" << 1;
}

void TestMainForm::keyFilter() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, refusals);
    Form f;
    TypeKeys(f.edit(qPrintable(box)), typed);
    QCOMPARE(f.edit(qPrintable(box))->text(), kept);
    QCOMPARE(f.log.messages.size(), refusals);
    const bool letters = box == QLatin1String("txtName") || box == QLatin1String("txtCity") ||
                         box == QLatin1String("txtState") || box == QLatin1String("txtCountry");
    for (const ShownMessage& m : f.log.messages) {
        QCOMPARE(m.text, letters ? QStringLiteral("Please enter only letters") : QStringLiteral("Please enter only numbers"));
        QCOMPARE(m.icon, BoxIcon::Critical);
        QCOMPARE(m.title, QStringLiteral("Velakor"));
    }
}

void TestMainForm::refusedLetterPutsFocusBack() {
    Form f;
    f.w("cmdCalculate")->setFocus();
    QTest::keyClick(f.edit("txtCity"), '1');
    QCOMPARE(f.log.texts(), QStringList{"Please enter only letters"});
    QCOMPARE(QApplication::focusWidget(), f.edit("txtCity"));
}

void TestMainForm::refusedDigitLeavesFocus() {
    Form f;
    f.w("cmdCalculate")->setFocus();
    QTest::keyClick(f.edit("txtLonMin"), 'x');
    QCOMPARE(f.log.texts(), QStringList{"Please enter only numbers"});
    QCOMPARE(QApplication::focusWidget(), f.w("cmdCalculate"));
}

void TestMainForm::navigationKeysPass() {
    Form f;
    for (const char* name : {"txtName", "txtLatDeg"}) {
        QLineEdit* box = f.edit(name);
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(box->maxLength() == 3 ? "123" : "abc"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString::fromLatin1(box->maxLength() == 3 ? "3" : "c"));
    }
    QVERIFY(f.log.messages.isEmpty());
}

// Editing commands in the filtered boxes are commands, never characters; pasted text meets
// the box's filter. Each row starts from the Delhi form with "Ravi" (or "12") typed into the
// box and selected, and the clipboard holding "x" or the row's text.
void TestMainForm::editingKeys_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");  // as a key sequence's text
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("kept");  // the box's text after the keys
    QTest::addColumn<QString>("clipboardAfter");
    QTest::addColumn<bool>("message");     // the box's refusal, once
    QTest::addColumn<bool>("calculated");  // the chart was cast
    const QString x = QStringLiteral("x"), ravi = QStringLiteral("Ravi");
    QTest::newRow("Ctrl+C copies") << "txtName" << "Ctrl+C" << x << ravi << ravi << false << false;
    QTest::newRow("Ctrl+X cuts") << "txtCity" << "Ctrl+X" << x << "" << ravi << false << false;
    QTest::newRow("Ctrl+Z undoes the cut") << "txtCity" << "Ctrl+X, Ctrl+Z" << x << ravi << ravi << false << false;
    QTest::newRow("Ctrl+Y redoes it") << "txtCountry" << "Ctrl+X, Ctrl+Z, Ctrl+Y" << x << "" << ravi << false
                                      << false;
    QTest::newRow("Ctrl+V pastes letters") << "txtName" << "Ctrl+V" << "Anil Rao" << "Anil Rao" << "Anil Rao"
                                           << false << false;
    QTest::newRow("Shift+Insert pastes") << "txtState" << "Shift+Ins" << "Goa" << "Goa" << "Goa" << false << false;
    QTest::newRow("pasted digits left out, said once")
        << "txtCity" << "Ctrl+V" << "Pune 411001" << "Pune " << "Pune 411001" << true << false;
    QTest::newRow("pasted apostrophe, hyphen, accent") << "txtName" << "Ctrl+V" << QString::fromUtf8("D'Souza-Jos\u00e9")
                                                       << "D'Souza-Jose" << QString::fromUtf8("D'Souza-Jos\u00e9")
                                                       << false << false;
    QTest::newRow("pasted coordinates") << "txtLatDeg" << "Ctrl+V" << "18.5" << "185" << "18.5" << true << false;
    QTest::newRow("Paste of the box's menu") << "txtCity" << "menu:Paste" << "Pune 411001" << "Pune "
                                             << "Pune 411001" << true << false;
    // Copied from a page or a list: a line end, a tab, a typographic apostrophe are accepted.
    QTest::newRow("pasted with a line end and a curly apostrophe, nothing said")
        << "txtName" << "Ctrl+V" << QString::fromUtf8("Anil\tD\u2019Souza\r\n") << "Anil D'Souza"
        << QString::fromUtf8("Anil\tD\u2019Souza\r\n") << false << false;
    QTest::newRow("digits left out between words leave one space")
        << "txtCity" << "Ctrl+V" << "Pune 411001 Camp" << "Pune Camp" << "Pune 411001 Camp" << true << false;
    QTest::newRow("Ctrl+A, then a digit") << "txtLonDeg" << "End, Ctrl+A, 7" << x << "7" << x << false << false;
    QTest::newRow("Escape") << "txtLatMin" << "Esc" << x << "12" << x << false << false;
    QTest::newRow("Return presses the button") << "txtName" << "Return" << x << ravi << x << false << true;
    QTest::newRow("Enter presses the button") << "txtLonMin" << "Enter" << x << "12" << x << false << true;
    QTest::newRow("other Ctrl keys still refused") << "txtName" << "Ctrl+B" << x << ravi << x << true << false;
    QTest::newRow("a digit typed in a name") << "txtName" << "5" << x << ravi << x << true << false;
}

void TestMainForm::editingKeys() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, clipboard);
    QFETCH(QString, kept);
    QFETCH(QString, clipboardAfter);
    QFETCH(bool, message);
    QFETCH(bool, calculated);
    Form f;
    EnterBirthData(&f.form, DelhiEntry());
    QLineEdit* edit = f.edit(qPrintable(box));
    const bool letters = edit->maxLength() != 3;
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromLatin1(letters ? "Ravi" : "12"));
    edit->selectAll();
    QApplication::clipboard()->setText(clipboard);
    f.log.clear();

    if (keys == QLatin1String("menu:Paste")) {
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(edit, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    } else {
        QTest::keySequence(edit, QKeySequence::fromString(keys));
    }

    QCOMPARE(edit->text(), kept);
    QCOMPARE(QApplication::clipboard()->text(), clipboardAfter);
    const QString refusal = letters ? QStringLiteral("Please enter only letters") : QStringLiteral("Please enter only numbers");
    QCOMPARE(f.log.texts(), message ? QStringList{refusal} : QStringList{});
    QCOMPARE(bool(f.form.chartWindow()), calculated);
}

void TestMainForm::zoneQuestion() {
    // Delhi with the list's first row (UTC-9): asked first; No leaves everything as it was,
    // the zone list focused; Yes casts the chart.
    for (const bool yes : {false, true}) {
        Form f;
        f.log.answer = yes;
        BirthEntry e = DelhiEntry();
        e.zone = 0;
        EnterBirthData(&f.form, e);
        const Program before = f.program;
        f.w<QPushButton>("cmdCalculate")->click();
        QCOMPARE(f.log.texts(),
                 QStringList{"The time zone UTC-09:00 is 14 hours from the local time of longitude 77°12' E (about "
                             "UTC+05:09). Cast the chart with this zone?"});
        QCOMPARE(f.log.messages[0].icon, BoxIcon::Question);
        QCOMPARE(f.log.messages[0].title, QStringLiteral("Velakor"));
        QCOMPARE(bool(f.form.chartWindow()), yes);
        if (!yes) {
            QCOMPARE(QApplication::focusWidget(), f.w("cboTimeZone"));
            QCOMPARE(f.program.Birth.BirthName, before.Birth.BirthName);
            QVERIFY(f.form.isVisible());
        }
    }
    // Indian time in Delhi: nothing asked.
    Form f;
    EnterBirthData(&f.form, DelhiEntry());
    f.w<QPushButton>("cmdCalculate")->click();
    QVERIFY(f.log.messages.isEmpty());
    QVERIFY(f.form.chartWindow());
}

// ---- The rules, met through the form

namespace {

BirthEntry Valid() { return DelhiEntry(); }

BirthEntry With(std::function<void(BirthEntry&)> change) {
    BirthEntry e = Valid();
    change(e);
    return e;
}

}  // namespace

void TestMainForm::rules_data() {
    QTest::addColumn<BirthEntry>("entry");
    QTest::addColumn<QString>("message");  // empty: the form may be used
    QTest::addColumn<BoxIcon>("icon");
    QTest::addColumn<QString>("focus");  // empty: the focus stays where it was
    const BoxIcon crit = BoxIcon::Critical, info = BoxIcon::Information;

    QTest::newRow("complete") << Valid() << "" << crit << "";
    QTest::newRow("all text empty") << With([](BirthEntry& e) {
        e.name = e.latDeg = e.latMin = e.lonDeg = e.lonMin = e.city = e.state = e.country = QString();
    }) << "Please Enter Your Name" << crit << "txtName";
    QTest::newRow("name and degrees empty") << With([](BirthEntry& e) { e.name = e.latDeg = QString(); })
                                            << "Please Enter Your Name" << crit << "txtName";
    QTest::newRow("name of spaces") << With([](BirthEntry& e) { e.name = QStringLiteral("   "); })
                                    << "Please Enter Your Name" << crit << "txtName";
    QTest::newRow("latitude degrees") << With([](BirthEntry& e) { e.latDeg.clear(); })
                                      << "Please Enter Degree of Latitude" << crit << "txtLatDeg";
    QTest::newRow("latitude minutes") << With([](BirthEntry& e) { e.latMin.clear(); e.lonDeg.clear(); })
                                      << "Please Enter Minutes of Latitude" << crit << "txtLatMin";
    QTest::newRow("longitude degrees") << With([](BirthEntry& e) { e.lonDeg.clear(); e.city.clear(); })
                                       << "Please Enter Degree of Longitude" << crit << "txtLonDeg";
    QTest::newRow("longitude minutes") << With([](BirthEntry& e) { e.lonMin.clear(); })
                                       << "Please Enter Minute of Longitude" << crit << "txtLonMin";
    QTest::newRow("city") << With([](BirthEntry& e) { e.city.clear(); e.state.clear(); })
                          << "Please Enter Your City name" << crit << "txtCity";
    QTest::newRow("city of spaces") << With([](BirthEntry& e) { e.city = QStringLiteral("  "); })
                                    << "Please Enter Your City name" << crit << "txtCity";
    QTest::newRow("state") << With([](BirthEntry& e) { e.state.clear(); })
                           << "Please Enter Your State name" << crit << "txtState";
    QTest::newRow("country before the date") << With([](BirthEntry& e) { e.country.clear(); e.day = 31; e.month = 4; })
                                             << "Please Enter Your Country name" << crit << "txtCountry";
    QTest::newRow("29 February 2000") << With([](BirthEntry& e) { e.day = 29; e.month = 2; e.year = 2000; }) << ""
                                      << crit << "";
    QTest::newRow("29 February 1999") << With([](BirthEntry& e) { e.day = 29; e.month = 2; e.year = 1999; })
                                      << "Please Enter Correct Date Or Month!" << info << "";
    QTest::newRow("30 February 2000") << With([](BirthEntry& e) { e.day = 30; e.month = 2; e.year = 2000; })
                                      << "Please Enter Correct Date Or Month!" << info << "";
    QTest::newRow("31 February 1901") << With([](BirthEntry& e) { e.day = 31; e.month = 2; e.year = 1901; })
                                      << "Please Enter Correct Date Or Month!" << info << "";
    QTest::newRow("31 April") << With([](BirthEntry& e) { e.day = 31; e.month = 4; })
                              << "Please Enter Correct Date Or Month !" << info << "";
    QTest::newRow("31 November") << With([](BirthEntry& e) { e.day = 31; e.month = 11; })
                                 << "Please Enter Correct Date Or Month !" << info << "";
    QTest::newRow("30 April") << With([](BirthEntry& e) { e.day = 30; e.month = 4; }) << "" << crit << "";
    QTest::newRow("31 January") << With([](BirthEntry& e) { e.day = 31; e.month = 1; }) << "" << crit << "";
    QTest::newRow("31 December 2050, 24 h") << With([](BirthEntry& e) { e.day = 31; e.month = 12; e.year = 2050; e.hour = 24; })
                                            << "" << crit << "";
    QTest::newRow("date before range") << With([](BirthEntry& e) { e.day = 31; e.month = 6; e.latMin = QStringLiteral("75"); })
                                       << "Please Enter Correct Date Or Month !" << info << "";
    QTest::newRow("latitude minutes 60") << With([](BirthEntry& e) { e.latMin = QStringLiteral("60"); })
                                         << "Please Enter Minutes of Latitude Between 0 And 59" << crit << "txtLatMin";
    QTest::newRow("latitude 90 1") << With([](BirthEntry& e) { e.latDeg = QStringLiteral("90"); e.latMin = QStringLiteral("1"); })
                                   << "Please Enter Latitude Between 0 And 90 Degrees" << crit << "txtLatDeg";
    QTest::newRow("latitude 999") << With([](BirthEntry& e) { e.latDeg = QStringLiteral("999"); })
                                  << "Please Enter Latitude Between 0 And 90 Degrees" << crit << "txtLatDeg";
    QTest::newRow("latitude 90 0") << With([](BirthEntry& e) { e.latDeg = QStringLiteral("90"); e.latMin = QStringLiteral("0"); })
                                   << "" << crit << "";
    QTest::newRow("longitude minutes 99") << With([](BirthEntry& e) { e.lonMin = QStringLiteral("99"); e.lonDeg = QStringLiteral("500"); })
                                          << "Please Enter Minutes of Longitude Between 0 And 59" << crit << "txtLonMin";
    QTest::newRow("longitude 180 1") << With([](BirthEntry& e) { e.lonDeg = QStringLiteral("180"); e.lonMin = QStringLiteral("1"); })
                                     << "Please Enter Longitude Between 0 And 180 Degrees" << crit << "txtLonDeg";
    QTest::newRow("longitude 180 0 West") << With([](BirthEntry& e) { e.lonDeg = QStringLiteral("180"); e.lonMin = QStringLiteral("0"); e.west = true; })
                                          << "" << crit << "";
    QTest::newRow("south 0 0") << With([](BirthEntry& e) { e.latDeg = e.latMin = QStringLiteral("000"); e.south = true; })
                               << "" << crit << "";
}

void TestMainForm::rules() {
    QFETCH(BirthEntry, entry);
    QFETCH(QString, message);
    QFETCH(BoxIcon, icon);
    QFETCH(QString, focus);
    Form f;
    EnterBirthData(&f.form, entry);
    QVERIFY2(f.log.messages.isEmpty(), "the entry was typed without refusals");
    f.w("cmdOpen")->setFocus();

    const bool passed = f.form.ValidateInput();

    QCOMPARE(passed, message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(f.log.messages.isEmpty());
        return;
    }
    QCOMPARE(f.log.messages.size(), 1);  // only the first failing rule speaks
    QCOMPARE(f.log.messages[0].text, message);
    QCOMPARE(f.log.messages[0].icon, icon);
    QCOMPARE(f.log.messages[0].title, QStringLiteral("Velakor"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? QStringLiteral("cmdOpen") : focus);
}

void TestMainForm::failedRuleThroughButtonKeepsForm() {
    Form f;
    EnterBirthData(&f.form, With([](BirthEntry& e) { e.day = 31; e.month = 9; }));
    const Program before = f.program;
    for (int run = 0; run < 2; ++run) {
        if (run == 0) {
            QTest::mouseClick(f.w("cmdCalculate"), Qt::LeftButton);
        } else {
            f.w<QAction>("mnuCalculate")->trigger();
        }
        QCOMPARE(f.log.texts().last(), QStringLiteral("Please Enter Correct Date Or Month !"));
        QVERIFY(f.form.isVisible());
        QVERIFY(!f.form.chartWindow());
        // Nothing of the last chart changed.
        QCOMPARE(f.program.Birth.BirthName, before.Birth.BirthName);
        QCOMPARE(f.program.Texts.AyanamsaText, before.Texts.AyanamsaText);
    }
    QCOMPARE(f.log.messages.size(), 2);
}

void TestMainForm::directionFollowUps() {
    Form f;
    EnterBirthData(&f.form, With([](BirthEntry& e) { e.south = true; e.west = true; }));
    // No pair can lose both options by clicking; take them off the way a stray writer could.
    auto clearPair = [&](const char* a, const char* b) {
        for (const char* name : {a, b}) {
            auto* option = f.w<QRadioButton>(name);
            option->setAutoExclusive(false);
            option->setChecked(false);
            option->setAutoExclusive(true);
        }
    };
    clearPair("optLat_0", "optLat_1");
    clearPair("optLong_0", "optLong_1");

    QVERIFY(!f.form.ValidateInput());
    QCOMPARE(f.log.texts(), QStringList{"Please Select Direction For The Latitude"});
    QCOMPARE(f.log.messages[0].icon, BoxIcon::Critical);
    QVERIFY(f.w<QRadioButton>("optLat_0")->isChecked());
    QVERIFY(!f.w<QRadioButton>("optLong_0")->isChecked());

    QVERIFY(!f.form.ValidateInput());
    QCOMPARE(f.log.texts().last(), QStringLiteral("Please Select Direction For The Longitude"));
    QCOMPARE(f.log.messages.last().icon, BoxIcon::Critical);
    QVERIFY(f.w<QRadioButton>("optLong_0")->isChecked());

    QVERIFY(f.form.ValidateInput());
    QCOMPARE(f.log.messages.size(), 2);
    const FormValues v = f.form.CollectFormValues();
    QVERIFY(v.Latitude == Direction::First && v.Longitude == Direction::First);
}

// ---- The map search and the help entries

void TestMainForm::mapSearch_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");  // empty: the search opens
    QTest::addColumn<QString>("focusOrQuery");
    QTest::newRow("nothing") << "" << "" << "" << "Please Enter City" << "txtCity";
    QTest::newRow("state and country only") << "" << "Delhi" << "India" << "Please Enter City" << "txtCity";
    QTest::newRow("city only") << "Pune" << "" << "" << "Please Enter State" << "txtState";
    QTest::newRow("no country") << "Pune" << "Maharashtra" << "" << "Please Enter Country" << "txtCountry";
    QTest::newRow("all three") << "New Delhi" << "Delhi" << "India" << "" << "New Delhi, Delhi, India";
    QTest::newRow("spaces around") << " Pune " << "Maharashtra " << " India" << "" << "Pune, Maharashtra, India";
    QTest::newRow("pasted signs") << "A&B#C" << "50%" << "x+y" << "" << "A&B#C, 50%, x+y";
}

void TestMainForm::mapSearch() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focusOrQuery);
    Form f;
    UrlLog urls;
    // Set as pasted text may arrive; the key filters are not what is tested here.
    f.edit("txtCity")->setText(city);
    f.edit("txtState")->setText(state);
    f.edit("txtCountry")->setText(country);
    f.w("txtName")->setFocus();

    QTest::mouseClick(f.w("Command1"), Qt::LeftButton);

    if (!message.isEmpty()) {
        QCOMPARE(f.log.texts(), QStringList{message});
        QCOMPARE(f.log.messages[0].icon, BoxIcon::Critical);
        QCOMPARE(QApplication::focusWidget()->objectName(), focusOrQuery);
        QVERIFY(urls.urls.isEmpty());
        return;
    }
    QVERIFY(f.log.messages.isEmpty());
    QCOMPARE(urls.urls.size(), 1);
    const QUrl url = urls.urls[0];
    QCOMPARE(url.scheme(), QStringLiteral("https"));
    QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
    QCOMPARE(url.path(), QStringLiteral("/search"));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded), focusOrQuery);
    QVERIFY(!url.toEncoded().contains(' '));
}

void TestMainForm::helpEntriesOpenUserGuide_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("online help") << "mnuOnline";
    QTest::newRow("visit us") << "mnuVisit";
    QTest::newRow("software update") << "mnuUpdate";
}

void TestMainForm::helpEntriesOpenUserGuide() {
    QFETCH(QString, entry);
    Form f;
    UrlLog urls;
    f.w<QAction>(qPrintable(entry))->trigger();
    QCOMPARE(urls.urls.size(), 1);
    const QUrl url = urls.urls[0];
    QVERIFY2(url.isLocalFile(), qPrintable(url.toString()));
    QVERIFY(url.fileName().endsWith(QStringLiteral("userguide.html")));
    QFile page(url.toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("Velakor"));
}

// Another local user may plant links in the shared temporary folder: the guide is written
// into the user's own folder only, and never through a link found at its name.
void TestMainForm::guideIsNeverWrittenThroughALink() {
    QTemporaryDir root;
    const auto restore = qScopeGuard([tmp = qgetenv("TMPDIR"), hadTmp = qEnvironmentVariableIsSet("TMPDIR"),
                                      cache = qgetenv("XDG_CACHE_HOME"),
                                      hadCache = qEnvironmentVariableIsSet("XDG_CACHE_HOME")] {
        hadTmp ? qputenv("TMPDIR", tmp) : qunsetenv("TMPDIR");
        hadCache ? qputenv("XDG_CACHE_HOME", cache) : qunsetenv("XDG_CACHE_HOME");
    });
    QVERIFY(QDir(root.path()).mkdir("tmp"));
    qputenv("TMPDIR", QFile::encodeName(root.filePath("tmp")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root.filePath("cache")));
    const QString notes = root.filePath("notes.txt");
    {
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("private notes");
    }
    QFile::setPermissions(notes, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // The old name in the shared folder, and the guide's own name in the user's folder.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QVERIFY(cache.startsWith(root.filePath("cache")));
    QVERIFY(QDir().mkpath(cache));
    QVERIFY(QFile::link(notes, root.filePath("tmp/velakor-1.70-userguide.html")));
    QVERIFY(QFile::link(notes, QDir(cache).filePath("userguide.html")));

    const ExtractedGuide guide = ExtractUserGuide();
    QCOMPARE(guide.reason, QString());
    QCOMPARE(guide.path, QDir(cache).filePath("userguide.html"));
    QFile notesNow(notes);
    QVERIFY(notesNow.open(QIODevice::ReadOnly));
    QCOMPARE(notesNow.readAll(), QByteArray("private notes"));
    QVERIFY(!QFileInfo(guide.path).isSymLink());
    QFile page(guide.path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("Velakor"));
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    QVERIFY(!(QFileInfo(cache).permissions() & others));

    // A cache folder that cannot be made: no guide, and the reason.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(notes));
    const ExtractedGuide failed = ExtractUserGuide();
    QVERIFY(failed.path.isEmpty());
    QVERIFY(!failed.reason.isEmpty());
}

void TestMainForm::aboutBoxIsModal() {
    Form f;
    QString shown;
    bool modal = false;
    // The entry returns only once the box is closed; look at it while it is up.
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        modal = box->isModal();
        for (QLabel* label : box->findChildren<QLabel*>()) shown += label->text() + QLatin1Char('\n');
        box->close();
    });
    f.w<QAction>("mnuAbout")->trigger();
    QVERIFY(modal);
    QVERIFY2(shown.contains(QStringLiteral("Velakor")), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("1.70")), qPrintable(shown));
    QVERIFY(f.form.isVisible());
}

void TestMainForm::closing_data() {
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("File > Exit") << true;
}

void TestMainForm::closing() {
    QFETCH(bool, byMenu);
    Form f;
    QSignalSpy ended(&f.form, &frmMain::programEnded);
    if (byMenu) {
        f.w<QAction>("mnuExit")->trigger();
    } else {
        f.form.close();
    }
    QCOMPARE(ended.count(), 1);
    QVERIFY(!f.form.isVisible());
    QVERIFY(f.log.messages.isEmpty());  // no question asked
}

// What a reading opened from a file puts into the fields is what the rules and the birth
// record then read; values the lists do not offer leave them as they were.
void TestMainForm::writtenValuesReadBack() {
    Form f;
    FormValues v = ToFormValues(LondonEntry());
    v.Hour = 24;
    v.ZoneIndex = kZoneCount - 1;
    v.Latitude = Direction::Second;
    v.DaylightSaving = true;
    f.form.WriteFormValues(v);
    const FormValues back = f.form.CollectFormValues();
    QCOMPARE(back.Name, v.Name);
    QCOMPARE(back.Day, v.Day);
    QCOMPARE(back.Month, v.Month);
    QCOMPARE(back.Year, v.Year);
    QCOMPARE(back.Hour, 24);
    QCOMPARE(back.Minute, v.Minute);
    QCOMPARE(back.ZoneIndex, kZoneCount - 1);
    QCOMPARE(back.LatDeg, v.LatDeg);
    QCOMPARE(back.LonMin, v.LonMin);
    QVERIFY(back.Latitude == Direction::Second && back.Longitude == Direction::Second);
    QVERIFY(back.DaylightSaving);
    QCOMPARE(back.Country, v.Country);

    FormValues odd = v;
    odd.Day = 32;
    odd.Month = 13;
    odd.Year = 1900;
    odd.ZoneIndex = kZoneCount;
    f.form.WriteFormValues(odd);
    const FormValues kept = f.form.CollectFormValues();
    QCOMPARE(kept.Day, v.Day);
    QCOMPARE(kept.Month, v.Month);
    QCOMPARE(kept.Year, v.Year);
    QCOMPARE(kept.ZoneIndex, kZoneCount - 1);
    QVERIFY(f.log.messages.isEmpty());

    // A reading's number goes in whole, so the rules see it; typing is still held to three.
    FormValues far = v;
    far.LonDeg = "1800";
    f.form.WriteFormValues(far);
    QCOMPARE(f.form.CollectFormValues().LonDeg, std::string("1800"));
    QVERIFY(!f.form.ValidateInput());
    QCOMPARE(f.log.messages.last().text, QStringLiteral("Please Enter Longitude Between 0 And 180 Degrees"));
    auto* lonDeg = f.form.findChild<QLineEdit*>(QStringLiteral("txtLonDeg"));
    lonDeg->clear();
    lonDeg->setFocus();
    QTest::keyClicks(lonDeg, QStringLiteral("1234"));
    QCOMPARE(lonDeg->text(), QStringLiteral("123"));
}

QTEST_MAIN(TestMainForm)
#include "test_main_form.moc"
