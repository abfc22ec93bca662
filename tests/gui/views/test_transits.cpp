// The chart window's transits and Saturn's periods: the moment and its steps (menu, shortcut
// and button alike, typed, or an ingress away), the table and the chart against the core's
// values in the chart's own sky, the period and the sade sati running at the moment, and a
// moment past the transits' span.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "TestSupport.h"
#include "app/Readings.h"
#include "astro/CivilTime.h"
#include "dasha/RunningDasha.h"
#include "io/gui/OutputCommands.h"
#include "support/PdfPages.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/window/MDI.h"
#include "ui/dialogs/Seams.h"
#include "ui/views/SaturnView.h"
#include "ui/views/TransitView.h"

using namespace velakor;

namespace {

QAction* Entry(QWidget* frame, const char* name) { return frame->findChild<QAction*>(QString::fromLatin1(name)); }

constexpr int kIst = 330;

// Types text over the moment's field, as the user does after Ctrl+A, and confirms it.
void TypeMoment(TransitView* view, const QString& text) {
    QLineEdit* field = view->momentField();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class TestTransits : public QObject {
    Q_OBJECT

    Program program_;
    QPointer<MDI> frame_;
    QTemporaryDir dir_;
    QString savePath_;

    MDI* Open() {
        RunCalculation(program_, test::DelhiForm());
        program_.Reading.TodayJdUt = JdFromCivil(2026, 12, 7, 12.0, kIst);
        frame_ = new MDI(program_);
        frame_->WriteChart();
        frame_->show();
        return frame_;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("velakor-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("velakor-transits-test"));
        QVERIFY(dir_.isValid());
        SetDialogHandler([this](CommonDialog&, DialogKind kind, QPrinter* printer) {
            if (kind == DialogKind::Printer && printer) {
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(savePath_);
            }
            return true;
        });
        SetMessageHandler([](const QString& text, BoxIcon, const QString&) { QFAIL(qPrintable(text)); });
    }

    void cleanup() { delete frame_.data(); }

    void transitsOfTheMomentAndItsSteps() {
        MDI* frame = Open();
        QVERIFY(!Entry(frame, "mnuDayOn")->isEnabled());  // the steps belong to the transit views
        Entry(frame, "mnuTransits")->trigger();
        QCOMPARE(frame->viewName(), QStringLiteral("mnuTransits"));
        TransitView* view = frame->viewOf<TransitView>();
        QVERIFY(view->isVisible());
        QCOMPARE(view->momentField()->text(), QString("2026-12-07 12:00"));

        // The table is the core's transit in the chart's own sky, the built-in one, named on the
        // page as the dasha beside it is.
        const auto sky = MakeSky(program_.SkyInUse);
        QVERIFY(view->findChild<QLabel*>("lblTransitSky")->text().startsWith("Positions: Built-in formulas"));
        const auto core = TransitAt(*sky, program_.Chart, program_.Reading.TodayJdUt);
        QVERIFY(core);
        QTableWidget* table = view->table();
        QCOMPARE(table->rowCount(), 9);
        for (int i = 0; i < 9; ++i) {
            const TransitBody& b = core->Bodies[static_cast<std::size_t>(i)];
            QCOMPARE(table->item(i, 0)->text(), QString::fromUtf8(EnglishName(b.Which).data()));
            QCOMPARE(table->item(i, 1)->text(), QString::fromUtf8(SignSanskritName(b.Rashi).data()));
            QVERIFY(table->item(i, 4)->text().startsWith(QString::number(b.House)));
            QVERIFY(table->item(i, 5)->text().startsWith(QString::number(b.FromMoon)));
            QCOMPARE(table->item(i, 7)->text(), QString::fromStdString(ClockText(*b.LeavesJd, kIst)));
        }
        // Retrograde Saturn, in Pisces, the 11th from this Taurus lagna: marked as a transit.
        QCOMPARE(table->item(6, 6)->text(), QString("R"));
        QVERIFY(view->chart()->HouseCaption(10).contains(QString(kTransitMark) + "Sa (R)"));
        const Readings readings = ComputeReadings(program_.Birth, program_.Chart, program_.SkyInUse, program_.Reading);
        const auto running = RunningDashaAt(readings.Periods, program_.Reading.TodayJdUt);
        QVERIFY(running);
        const QString lords = QString::fromUtf8(DashaLordName(running->Maha.Lord).data()) + " / " +
                              QString::fromUtf8(DashaLordName(running->Antar.Lord).data()) + " / " +
                              QString::fromUtf8(DashaLordName(running->Pratyantar.Lord).data());
        QCOMPARE(lords, QString("Mars / Rahu / Venus"));
        QVERIFY2(view->lblDasha()->text().contains(lords), qPrintable(view->lblDasha()->text()));

        // Printed as text: the table, the dasha and the transiting bodies in the chart.
        savePath_ = dir_.filePath("transits.pdf");
        QPrinter printer(QPrinter::HighResolution);
        QVERIFY(PrintChartView(frame, frame->viewOnShow(), printer));
        const QString printed = testing::ReadPdf(savePath_).text;
        for (const char* text : {"Transits", "Ravi Kumar, born 15 August 1947", "Leaves sign", "Uttara Bhadrapada 4",
                                 "T Sa (R)", "Mars / Rahu / Venus"})
            QVERIFY2(printed.contains(text), text);

        // A year forward by its shortcut, a month back by its button: the birth's clock keeps.
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : frame, Qt::Key_PageDown,
                        Qt::AltModifier);
        QCOMPARE(view->momentField()->text(), QString("2027-12-07 12:00"));
        view->findChild<QToolButton*>("cmdMonthBack")->click();
        QCOMPARE(view->momentField()->text(), QString("2027-11-07 12:00"));
        Entry(frame, "mnuDayOn")->trigger();
        QCOMPARE(view->momentField()->text(), QString("2027-11-08 12:00"));
        QCOMPARE(frame->transitMoment(), JdFromCivil(2027, 11, 8, 12.0, kIst));
        QVERIFY(!view->lblMessage()->isVisible());

        // Saturn's periods, the one running at the moment marked: in 2033 Saturn is in Gemini,
        // the 12th from this Moon in Cancer.
        TypeMoment(view, "2033-01-01 12:00");
        QCOMPARE(frame->transitMoment(), JdFromCivil(2033, 1, 1, 12.0, kIst));
        QVERIFY2(view->lblSadeSati()->text().startsWith("Sade sati now (Rising): "), qPrintable(view->lblSadeSati()->text()));
        Entry(frame, "mnuSaturnPeriods")->trigger();
        QCOMPARE(frame->viewName(), QStringLiteral("mnuSaturnPeriods"));
        QTableWidget* saturn = frame->viewOf<SaturnView>()->table();
        const auto periods = SaturnPeriods(*sky, program_.Chart[Body::Moon].Rashi, program_.Chart.JdUt,
                                           program_.Chart.JdUt + kSaturnPeriodsSpanDays);
        QCOMPARE(saturn->rowCount(), static_cast<int>(periods.size()));
        const int marked = RunningSaturnPeriod(periods, frame->transitMoment());
        QVERIFY(marked > 0);
        QCOMPARE(saturn->item(marked, 0)->text(), QString("Rising (sade sati, 12th)"));
        for (int i = 0; i < saturn->rowCount(); ++i)
            QCOMPARE(saturn->item(i, 4)->text().isEmpty(), i != marked);
        QCOMPARE(saturn->item(0, 0)->text(), QString("Peak (sade sati, 1st)"));  // under way at birth
        QVERIFY(saturn->item(0, 2)->text() < QString("1947-08-15"));
        savePath_ = dir_.filePath("saturn.pdf");
        QVERIFY(PrintChartView(frame, frame->viewOnShow(), printer));
        for (const char* text : {"Saturn's Periods", "Ravi Kumar, born 15 August 1947"})
            QVERIFY2(testing::ReadPdf(savePath_).text.contains(text), text);

        // Past the tables: the message, and nothing computed.
        Entry(frame, "mnuTransits")->trigger();
        TypeMoment(view, "2151-03-01 12:00");
        QCOMPARE(view->lblMessage()->text(), QString("Transits are read from 1900 to 2150: nothing can be computed for 2151-03-01."));
        QVERIFY(view->lblMessage()->isVisible());
        QVERIFY(!view->table()->isVisible());
        QCOMPARE(view->table()->rowCount(), 0);
        QVERIFY(view->lblDasha()->text().isEmpty());
        QVERIFY(!view->chart()->HouseCaption(10).contains(kTransitMark));
        Entry(frame, "mnuTransitNow")->trigger();
        QCOMPARE(view->momentField()->text(), QString("2026-12-07 12:00"));
        QVERIFY(view->table()->isVisible());
    }

    // What is typed over the moment: a moment moves the views there; anything else is refused
    // with a message, and the moment stays.
    void typedMoment_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // the field afterwards
        QTest::addColumn<bool>("refused");
        QTest::newRow("date and time") << "2030-05-17 06:45" << "2030-05-17 06:45" << false;
        QTest::newRow("date alone: midnight") << "2030-5-17" << "2030-05-17 00:00" << false;
        QTest::newRow("seconds kept, minutes shown") << "2030-05-17 6:45:59" << "2030-05-17 06:45" << false;
        QTest::newRow("no such day") << "2030-02-30 12:00" << "2026-12-07 12:00" << true;
        QTest::newRow("words") << "next tuesday" << "2026-12-07 12:00" << true;
    }
    void typedMoment() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, refused);
        MDI* frame = Open();
        Entry(frame, "mnuTransits")->trigger();
        TransitView* view = frame->viewOf<TransitView>();
        QStringList messages;
        SetMessageHandler([&messages](const QString& text, BoxIcon, const QString&) { messages << text; });
        TypeMoment(view, typed);
        SetMessageHandler([](const QString& text, BoxIcon, const QString&) { QFAIL(qPrintable(text)); });
        QCOMPARE(view->momentField()->text(), shown);
        QCOMPARE(messages.size(), refused ? 1 : 0);
        if (refused) QVERIFY2(messages[0].startsWith("\"" + typed + "\" is not a moment"), qPrintable(messages[0]));
        const QStringList d = shown.split(QRegularExpression("[- :]"));
        QCOMPARE(frame->transitMoment(),
                 refused ? program_.Reading.TodayJdUt
                         : JdFromCivil(d[0].toInt(), d[1].toInt(), d[2].toInt(),
                                       d[3].toInt() + d[4].toInt() / 60.0 + (typed.count(':') == 2 ? 59 / 3600.0 : 0), kIst));

        // An ingress away, both ways, for the body chosen.
        view->ingressBody()->setCurrentIndex(static_cast<int>(Index(Body::Mars)));
        const double before = frame->transitMoment();
        view->findChild<QToolButton*>("cmdIngressOn")->click();
        const auto sky = MakeSky(program_.SkyInUse);
        QCOMPARE(frame->transitMoment(), IngressStep(*sky, Body::Mars, before, true).value());
        view->findChild<QToolButton*>("cmdIngressBack")->click();
        QVERIFY(frame->transitMoment() < before);
    }
};

QTEST_MAIN(TestTransits)
#include "test_transits.moc"
