// The chart window's dasha and panchanga views (the period running "today" marked, the
// choices kept, both printed as text; the dasha in each of its systems), the vargas and the
// ashtakavarga (their tables from the core's values and the table chosen, their picture and
// page naming the chart, the birth and the sky) and the chart sheet, printed and exported to a
// PDF and read back.
#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QPointer>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "TestSupport.h"
#include "astro/CivilTime.h"
#include "io/gui/OutputCommands.h"
#include "support/PdfPages.h"
#include "ui/window/MDI.h"
#include "strength/Ashtakavarga.h"
#include "strength/VargaTable.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/views/DashaView.h"
#include "ui/views/PanchangaView.h"
#include "ui/views/TransitView.h"
#include "ui/dialogs/Seams.h"
#include "ui/views/AshtakavargaView.h"
#include "ui/views/VargasView.h"
#include "ui/views/frmDisplay.h"

using namespace velakor;

namespace {

QAction* Entry(QWidget* frame, const char* name) { return frame->findChild<QAction*>(QString::fromLatin1(name)); }

// The word boxes pdftotext finds, in points.
QList<QRectF> WordBoxes(const QString& pdf) {
    const QString html = testing::RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QList<QRectF> boxes;
    const QRegularExpression word(
        QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\""));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        boxes << QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                        QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return boxes;
}

}  // namespace

class TestReadings : public QObject {
    Q_OBJECT

    Program program_;
    QPointer<MDI> frame_;
    QTemporaryDir dir_;
    QString savePath_;
    QPageSize paper_ = QPageSize(QPageSize::A4);  // what the print dialog chooses
    bool landscape_ = false;

    MDI* Open(const std::string& city = "New Delhi") {
        FormValues v = test::DelhiForm();
        v.City = city;
        RunCalculation(program_, v);
        // "Today" is fixed: the Mars mahadasha, its Rahu antardasha.
        program_.Reading.TodayJdUt = JdFromCivil(2026, 12, 7, 12.0, 0);
        frame_ = new MDI(program_);
        frame_->WriteChart();
        frame_->show();
        return frame_;
    }

    QString PrintView(MDI* frame, const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        savePath_ = dir_.filePath(name);  // where the print dialog sends it
        if (!PrintChartView(frame, frame->viewOnShow(), printer)) return {};
        return testing::ReadPdf(dir_.filePath(name)).text;
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("velakor-tests"));
        QCoreApplication::setApplicationName(QStringLiteral("velakor-readings-test"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(dir_.isValid());
        SetDialogHandler([this](CommonDialog& d, DialogKind kind, QPrinter* printer) {
            if (kind == DialogKind::Save) d.FileName = savePath_;
            if (kind == DialogKind::Printer && printer) {
                printer->setOutputFormat(QPrinter::PdfFormat);
                printer->setOutputFileName(savePath_);
                printer->setPageSize(paper_);
                printer->setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
            }
            return true;
        });
        SetMessageHandler([](const QString& text, BoxIcon, const QString&) { QFAIL(qPrintable(text)); });
    }

    // Every test starts from the default reading options, whatever the one before it chose.
    void init() {
        QSettings().remove(QStringLiteral("Dasha"));
        QSettings().remove(QStringLiteral("Ashtakavarga"));
        program_.Reading = {};
    }
    void cleanup() { delete frame_.data(); }

    void viewsMarkTodayAndPrintAsText() {
        MDI* frame = Open();
        Entry(frame, "mnuDasha")->trigger();
        QCOMPARE(frame->viewName(), QStringLiteral("mnuDasha"));
        QVERIFY(Entry(frame, "mnuDasha")->isChecked());
        QVERIFY(!Entry(frame, "mnuChart")->isChecked());
        QCOMPARE(frame->viewOnShow(), static_cast<QWidget*>(frame->viewOf<DashaView>()));
        QVERIFY(frame->viewOf<DashaView>()->isVisible());

        // Born in Saturn's period with 18 years 24 days of it left; the tree opens on today's.
        DashaView* dasha = frame->viewOf<DashaView>();
        QVERIFY2(dasha->lblBalance()->text().contains("Saturn: 18 years 0 months 24 days"),
                 qPrintable(dasha->lblBalance()->text()));
        QVERIFY(dasha->lblBalance()->text().contains("Year of 365.25 days"));
        const QAbstractItemModel* model = dasha->tree()->model();
        QCOMPARE(model->rowCount(), 9);
        QCOMPARE(model->index(0, DashaModel::kAge).data().toString(), QString("before birth"));
        const QModelIndex mercury = model->index(1, 0);
        QCOMPARE(mercury.data().toString(), QString("Mercury"));
        QCOMPARE(model->rowCount(mercury), 9);
        QCOMPARE(model->rowCount(model->index(0, 0, mercury)), 9);
        const char* running[] = {"Mars", "Rahu", "Venus"};
        for (int level = 0; level < 3; ++level) {
            const QModelIndex item = dasha->model()->RunningIndex(level);
            QVERIFY(item.isValid());
            QCOMPARE(item.data().toString(), QString(running[level]));
            QVERIFY(item.siblingAtColumn(DashaModel::kNow).data().toString().contains("now"));
        }
        QVERIFY(dasha->tree()->isExpanded(dasha->model()->RunningIndex(0)));
        // Save As JPEG takes the picture of the view on show.
        QCOMPARE(frame->Picture().toImage(), dasha->grab().toImage());
        const QString dashaText = PrintView(frame, "dasha.pdf");
        for (const char* text : {"Vimshottari Dasha", "Balance at birth", "Saturn", "Rahu", "now"})
            QVERIFY2(dashaText.contains(text), qPrintable(dashaText));

        // A year of 360 days is kept and changes the dates at once.
        Entry(frame, "mnuDashaYear_2")->trigger();
        QVERIFY(Entry(frame, "mnuDashaYear_2")->isChecked());
        QVERIFY(!Entry(frame, "mnuDashaYear_0")->isChecked());
        QVERIFY(dasha->lblBalance()->text().contains("Year of 360 days"));
        QCOMPARE(QSettings().value("Dasha/YearDays").toDouble(), 360.0);
        Entry(frame, "mnuDashaYear_0")->trigger();

        Entry(frame, "mnuPanchanga")->trigger();
        QVERIFY(Entry(frame, "mnuPanchanga")->isChecked());
        QVERIFY(!Entry(frame, "mnuDasha")->isChecked());
        QVERIFY(frame->viewOf<PanchangaView>()->isVisible() && !frame->viewOf<DashaView>()->isVisible());
        QTableWidget* table = frame->viewOf<PanchangaView>()->table();
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(2, 1)->text(), QString("Thursday (Guruvara)"));  // midnight: before sunrise
        QCOMPARE(table->item(4, 1)->text(), QString("8 Pushya"));
        // To the second: a time shown is never a minute in which the period still runs.
        QCOMPARE(table->item(0, 1)->text(), QString("1947-08-15 05:53:37"));
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(table->item(6, 2)->text()).hasMatch());
        const QString dayText = PrintView(frame, "panchanga.pdf");
        for (const char* text : {"Panchanga", "Sunrise", "Guruvara", "Pushya", "Karana"})
            QVERIFY2(dayText.contains(text), qPrintable(dayText));

        Entry(frame, "mnuChart")->trigger();
        QVERIFY(!frame->viewOf<PanchangaView>()->isVisible());
    }

    // Each dasha system from its menu entry: the view names it, its lords' column, the balance,
    // the variant followed and (Ashtottari alone) its condition, on screen and on paper, with
    // today's periods marked.
    void dashaViewInEachSystem_data() {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("lords");      // the first column's header
        QTest::addColumn<QString>("balance");    // the period running at birth and what is left of it
        QTest::addColumn<QString>("condition");  // empty: none shown
        // Moon in Pushya (nakshatra 8): Saturn's star; yogini (8 + 3) mod 8 = 3, Dhanya; in
        // Ashtottari the Sun's group from Ardra. Rahu in the lagna: Ashtottari's condition fails.
        QTest::newRow("Vimshottari") << "Vimshottari" << "Lord" << "Saturn: 18 years 0 months 24 days" << "";
        QTest::newRow("Yogini") << "Yogini" << "Yogini" << "Dhanya (Jupiter): 2 years 10 months 6 days" << "";
        QTest::newRow("Ashtottari") << "Ashtottari" << "Lord" << "Sun: 2 years 11 months 3 days" << "does not hold";
        QTest::newRow("Kalachakra") << "Kalachakra" << "Sign" << "Libra: 3 years 4 months 11 days" << "";
        // From the Taurus lagna, its lord Venus in Cancer: two years, all to run at birth.
        QTest::newRow("Narayana") << "Narayana" << "Sign" << "Taurus: 1 year 11 months 30 days" << "";
    }
    void dashaViewInEachSystem() {
        QFETCH(QString, system);
        QFETCH(QString, lords);
        QFETCH(QString, balance);
        QFETCH(QString, condition);
        MDI* frame = Open();
        Entry(frame, "mnuDasha")->trigger();
        Entry(frame, qPrintable("mnuDashaSystem_" + system))->trigger();
        QVERIFY(Entry(frame, qPrintable("mnuDashaSystem_" + system))->isChecked());
        DashaView* dasha = frame->viewOf<DashaView>();
        const QString title = system + " Dasha \u2014 Built-in formulas";
        QVERIFY2(dasha->lblTitle()->text().startsWith(title), qPrintable(dasha->lblTitle()->text()));
        QVERIFY(frame->findChild<QLabel*>("lblStatusView")->text().startsWith(title));
        QCOMPARE(dasha->model()->headerData(DashaModel::kLord, Qt::Horizontal).toString(), lords);
        QVERIFY2(dasha->lblBalance()->text().contains("Balance at birth: " + balance), qPrintable(dasha->lblBalance()->text()));
        QVERIFY(dasha->lblBalance()->text().contains("Year of 365.25 days"));
        const QString variant = "Variant followed: " + QText(DashaVariantText(program_.Reading.Dasha));
        QCOMPARE(dasha->lblVariant()->toolTip().isEmpty() ? dasha->lblVariant()->text() : dasha->lblVariant()->toolTip(),
                 variant);
        QCOMPARE(dasha->lblCondition()->isVisible(), !condition.isEmpty());
        QVERIFY(dasha->lblCondition()->text().contains(condition));
        QVERIFY(dasha->model()->RunningIndex(1).isValid());
        const QString printed = PrintView(frame, "dasha.pdf").simplified();
        for (const QString& text : {title, "Balance at birth: " + balance, variant.left(60), condition})
            QVERIFY2(printed.contains(text), qPrintable(text + "\n" + printed));

        // The transits of today name the system and give the three periods the view marks.
        QStringList running;
        for (int level = 0; level < 3; ++level) running << dasha->model()->RunningIndex(level).data().toString();
        Entry(frame, "mnuTransits")->trigger();
        const QString line = frame->viewOf<TransitView>()->lblDasha()->text();
        QVERIFY2(line.startsWith("Dasha at this moment (" + system + ", year of 365.25 days): " + running.join(" / ")),
                 qPrintable(line + "\n" + running.join(" / ")));
    }

    void strengthViewsShowTheCoreAndPrint() {
        MDI* frame = Open();
        Entry(frame, "mnuSouth")->trigger();
        Entry(frame, "mnuVargas")->trigger();
        QCOMPARE(frame->viewName(), QStringLiteral("mnuVargas"));
        QVERIFY(Entry(frame, "mnuVargas")->isChecked() && !Entry(frame, "mnuChart")->isChecked());
        QCOMPARE(frame->viewOnShow(), static_cast<QWidget*>(frame->viewOf<VargasView>()));
        QVERIFY(frame->viewOf<VargasView>()->isVisible() && !frame->display()->isVisible());

        // Every cell from the core's table: the signs, the vargottama marks, the dignities.
        const VargaTable t = ComputeVargaTable(program_.Chart);
        QTableWidget* vargas = frame->viewOf<VargasView>()->table();
        QCOMPARE(vargas->rowCount(), kDivisionalPoints);
        QCOMPARE(vargas->columnCount(), kVargaCount + 3);
        for (int i = 0; i < kDivisionalPoints; ++i) {
            const auto point = std::size_t(i);
            for (int v = 0; v < kVargaCount; ++v)
                QCOMPARE(vargas->item(i, v + 1)->text(), QText(SignAbbrev(t.Signs[std::size_t(v)][point])));
            QCOMPARE(vargas->item(i, kVargaCount + 1)->text(), t.Vargottama[point] ? QString("yes") : QString());
            QCOMPARE(vargas->item(i, kVargaCount + 1 + 1)->text(),
                     i == kDivisionalPoints - 1 ? QString() : QString::number(t.Dignified[point]));
        }
        QCOMPARE(frame->Picture().toImage(), frame->viewOf<VargasView>()->grab().toImage());
        const QString vargasText = PrintView(frame, "vargas.pdf");
        for (const char* text : {"Vargas", "Ravi Kumar", "New Delhi", "Built-in formulas", "D60", "Vargottama"})
            QVERIFY2(vargasText.contains(text), qPrintable(vargasText));

        Entry(frame, "mnuAshtakavarga")->trigger();
        QVERIFY(Entry(frame, "mnuAshtakavarga")->isChecked() && !Entry(frame, "mnuVargas")->isChecked());
        QCOMPARE(frame->viewOnShow(), static_cast<QWidget*>(frame->viewOf<AshtakavargaView>()));
        QVERIFY(frame->viewOf<AshtakavargaView>()->isVisible() && !frame->viewOf<VargasView>()->isVisible());
        const Ashtakavarga a = ComputeAshtakavarga(program_.Chart);
        QTableWidget* points = frame->viewOf<AshtakavargaView>()->table();
        QCOMPARE(points->rowCount(), kAshtakavargaPlanets + 1);
        for (int p = 0; p <= kAshtakavargaPlanets; ++p) {
            const SignPoints& row = p < kAshtakavargaPlanets ? a.Bhinna[std::size_t(p)] : a.Sarva;
            for (int s = 0; s < kSignCount; ++s) QCOMPARE(points->item(p, s + 1)->text(), QString::number(row[std::size_t(s)]));
            QCOMPARE(points->item(p, kSignCount + 1)->text(),
                     QString::number(p < kAshtakavargaPlanets ? kBhinnaTotals[std::size_t(p)] : kSarvaTotal));
        }
        // The Sarva points drawn in the chosen style, each sign's in its house from the lagna.
        ChartCanvas* chart = frame->viewOf<AshtakavargaView>()->chart();
        QCOMPARE(chart->chartStyle(), ChartStyle::South);
        const Sign lagna = program_.Chart[Body::Ascendant].Rashi;
        for (int h = 0; h < kHouseCount; ++h) {
            const Sign s = SignAdd(lagna, h);
            QCOMPARE(chart->HouseSign(h), SignNumber(s));
            QVERIFY(chart->HouseCaption(h).endsWith(QString::number(a.Sarva[std::size_t(SignIndex(s))])));
        }
        QVERIFY(chart->HouseCaption(0).startsWith("Asc"));
        QCOMPARE(frame->findChild<QLabel*>("lblStatusView")->text(),
                 QString("Ashtakavarga, South Indian \u2014 Built-in formulas, Rahu one degree behind the mean node"));
        QCOMPARE(frame->Picture().toImage(), frame->viewOf<AshtakavargaView>()->grab().toImage());
        const QString pointsText = PrintView(frame, "ashtakavarga.pdf");
        for (const char* text : {"Ashtakavarga of the Rashi chart (D1)", "Ravi Kumar", "New Delhi", "Built-in formulas",
                                 "Sarvashtakavarga", "337", "Saturn"})
            QVERIFY2(pointsText.contains(text), qPrintable(pointsText));

        // B. V. Raman's table counts three cells otherwise, and says so on the view and its page.
        Entry(frame, "mnuAshtakavargaTable_Raman")->trigger();
        QVERIFY(frame->viewOf<AshtakavargaView>()->heading().title()->text().endsWith("by B. V. Raman's table"));
        const Ashtakavarga raman = ComputeAshtakavarga(program_.Chart, AshtakavargaTable::Raman);
        QVERIFY(raman.Sarva != a.Sarva);
        for (int s = 0; s < kSignCount; ++s)
            QCOMPARE(points->item(kAshtakavargaPlanets, s + 1)->text(), QString::number(raman.Sarva[std::size_t(s)]));
        QVERIFY(PrintView(frame, "raman.pdf").contains("B. V. Raman's table"));
        Entry(frame, "mnuAshtakavargaTable_Parashara")->trigger();
        QVERIFY(frame->viewOf<AshtakavargaView>()->heading().title()->text().endsWith("by Parashara's table (R. Santhanam)"));

        // Another sky computes the chart again: the view on show is filled afresh and says so.
        Entry(frame, "mnuPreciseSky")->trigger();
        QCOMPARE(frame->viewOf<AshtakavargaView>()->heading().sky()->text(),
                 QString("Positions: Precise (JPL ephemeris), Lahiri, mean node"));
        const Ashtakavarga precise = ComputeAshtakavarga(program_.Chart);
        for (int s = 0; s < kSignCount; ++s)
            QCOMPARE(points->item(kAshtakavargaPlanets, s + 1)->text(), QString::number(precise.Sarva[std::size_t(s)]));
        Entry(frame, "mnuBuiltinSky")->trigger();
    }

    void sheetIsOnePageWithEverythingOnIt_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("city");
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<QString>("style");  // South and East write the chart's name inside it, North above it
        QTest::addColumn<QString>("system");
        QTest::addColumn<QStringList>("dasha");  // what the sheet says of it
        const QStringList vimshottari{
            "Dasha: Vimshottari, year of 365.25 days; ashtakavarga by Parashara's table (R. Santhanam)",
            "Balance at birth: Saturn: 18 years 0 months 24 days", "Mars mahadasha, Rahu antardasha to 20"};
        QTest::newRow("export") << "mnuExportSheet" << "New Delhi" << int(QPageSize::A4) << false << "mnuSouth"
                                << "Vimshottari" << vimshottari;
        QTest::newRow("print on A4") << "mnuPrintSheet" << "New Delhi" << int(QPageSize::A4) << false << "mnuNorth"
                                     << "Vimshottari" << vimshottari;
        QTest::newRow("print on Letter") << "mnuPrintSheet" << "New Delhi" << int(QPageSize::Letter) << false
                                         << "mnuNatal" << "Vimshottari" << vimshottari;
        // Turned sideways in the dialog: the readings move beside the charts.
        QTest::newRow("print sideways") << "mnuPrintSheet" << "New Delhi" << int(QPageSize::Letter) << true
                                        << "mnuNorth" << "Vimshottari" << vimshottari;
        // A place name longer than the page is wide is cut short, not run off the page.
        QTest::newRow("long place") << "mnuExportSheet" << QString("New Delhi").repeated(20) << int(QPageSize::A4)
                                    << false << "mnuSouth" << "Vimshottari" << vimshottari;
        // A yogini's name with her planet: the balance and today's periods take a line more each.
        QTest::newRow("Yogini on Letter")
            << "mnuPrintSheet" << "New Delhi" << int(QPageSize::Letter) << false << "mnuNorth" << "Yogini"
            << QStringList{"Dasha: Yogini, year of 365.25 days", "Yogini Dasha",
                           "Dhanya (Jupiter): 2 years 10 months 6 days", "Bhadrika (Mercury) mahadasha", "Bhadrika (Mercury) antardasha to 20"};
        QTest::newRow("Ashtottari sideways")
            << "mnuPrintSheet" << "New Delhi" << int(QPageSize::Letter) << true << "mnuSouth" << "Ashtottari"
            << QStringList{"Ashtottari Dasha (condition not met)", "Balance at birth: Sun: 2 years 11 months 3 days"};
    }
    void sheetIsOnePageWithEverythingOnIt() {
        QFETCH(QString, command);
        QFETCH(QString, city);
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        paper_ = QPageSize(QPageSize::PageSizeId(paper));
        landscape_ = landscape;
        QFETCH(QString, style);
        QFETCH(QString, system);
        QFETCH(QStringList, dasha);
        MDI* frame = Open(city.toStdString());
        Entry(frame, qPrintable(style))->trigger();
        Entry(frame, qPrintable("mnuDashaSystem_" + system))->trigger();
        savePath_ = dir_.filePath(command + ".pdf");
        Entry(frame, qPrintable(command))->trigger();
        const testing::PdfSummary pdf = testing::ReadPdf(savePath_);
        QCOMPARE(pdf.pages, 1);
        const QSize points = paper_.sizePoints();
        QCOMPARE(pdf.pageSize.toSize(), landscape ? points.transposed() : points);
        for (const char* text : {"Ravi Kumar", "New Delhi", "28\u00B038' N, 77\u00B012' E", "UTC+05:30", "Built-in formulas",
                                 "Rashi (D1)", "Navamsa (D9)", "Pushya", "Velakor 1.70", "Printed",
                                 "When another program gives another answer"})
            QVERIFY2(pdf.text.contains(QString::fromUtf8(text)), qPrintable(text + QStringLiteral("\n") + pdf.text));
        for (const QString& text : dasha) QVERIFY2(pdf.text.contains(text), qPrintable(text + "\n" + pdf.text));
        // Text throughout, no pictures, and every word inside margins of 15 mm all round.
        QFile file(savePath_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("/Subtype /Image"));
        const double margin = 15.0 / 25.4 * 72.0;
        const QRectF inside(QPointF(margin - 0.5, margin - 0.5),
                            QPointF(pdf.pageSize.width() - margin + 0.5, pdf.pageSize.height() - margin + 0.5));
        const QList<QRectF> words = WordBoxes(savePath_);
        QVERIFY(words.size() > 100);
        QRectF used;
        for (const QRectF& w : words) {
            QVERIFY2(inside.contains(w), qPrintable(QStringLiteral("%1,%2").arg(w.x()).arg(w.y())));
            used = used.united(w);
        }
        // No text runs into other text (the parts of the page keep apart on short paper too).
        for (qsizetype i = 0; i < words.size(); ++i)
            for (qsizetype j = i + 1; j < words.size(); ++j)
                QVERIFY2(!words[i].adjusted(0.5, 1, -0.5, -1).intersects(words[j].adjusted(0.5, 1, -0.5, -1)),
                         qPrintable(QStringLiteral("words %1 and %2 overlap").arg(i).arg(j)));
        // The name starts at the top-left margin and the footer ends at the bottom-right one.
        QVERIFY(used.left() - inside.left() < 3 && used.top() - inside.top() < 6);
        QVERIFY(inside.right() - used.right() < 3 && inside.bottom() - used.bottom() < 6);
    }
};

QTEST_MAIN(TestReadings)
#include "test_readings.moc"
