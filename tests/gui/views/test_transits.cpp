// The chart window's transits and Saturn's periods: the moment and its steps (menu, shortcut
// and button alike), the table and the chart against the core's values, the period running
// at the moment marked, and a moment past the precise sky's tables.
#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
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
#include "ui/views/TransitView.h"

using namespace velakor;

namespace {

QAction* Entry(QWidget* frame, const char* name) { return frame->findChild<QAction*>(QString::fromLatin1(name)); }

constexpr int kIst = 330;

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

        // The table is the core's transit in the precise sky (Lahiri, mean node).
        SkyChoice precise;
        precise.Positions = SkyPositions::Precise;
        const auto sky = MakeSky(precise);
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
        view->momentField()->setDateTime(QDateTime(QDate(2033, 1, 1), QTime(12, 0), Qt::UTC));
        emit view->momentField()->editingFinished();
        QCOMPARE(frame->transitMoment(), JdFromCivil(2033, 1, 1, 12.0, kIst));
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
        view->momentField()->setDateTime(QDateTime(QDate(2151, 3, 1), QTime(12, 0), Qt::UTC));
        emit view->momentField()->editingFinished();
        QCOMPARE(view->lblMessage()->text(),
                 QString("The precise sky's tables run from 1900 to 2150: nothing can be computed for 2151-03-01."));
        QVERIFY(view->lblMessage()->isVisible());
        QVERIFY(!view->table()->isVisible());
        QCOMPARE(view->table()->rowCount(), 0);
        QVERIFY(view->lblDasha()->text().isEmpty());
        QVERIFY(!view->chart()->HouseCaption(10).contains(kTransitMark));
        Entry(frame, "mnuTransitNow")->trigger();
        QCOMPARE(view->momentField()->text(), QString("2026-12-07 12:00"));
        QVERIFY(view->table()->isVisible());
    }
};

QTEST_MAIN(TestTransits)
#include "test_transits.moc"
