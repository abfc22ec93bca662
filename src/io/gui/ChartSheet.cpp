#include "io/gui/ChartSheet.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>

#include "astro/CivilTime.h"
#include "astro/VedicEphemeris.h"
#include "chart/DivisionalCharts.h"
#include "chart/NameTables.h"
#include "chart/PositionText.h"
#include "dasha/DashaTree.h"
#include "strength/Ashtakavarga.h"
#include "io/ReadingFile.h"
#include "io/gui/OutputCommands.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/views/DashaModel.h"
#include "ui/drawing/Fonts.h"
#include "ui/views/ReadingTexts.h"
#include "ui/dialogs/Seams.h"

namespace velakor {
namespace {

constexpr double kMarginMm = 15.0;
constexpr int kNavamsa = 3;  // D2, D3, D7, D9: the ninth part is the fourth division

// The sheet is drawn in points: a font's pixel size is its size in points on paper.
QFont Font(int points, bool bold = false) {
    QFont f = VerdanaFont(8, bold);
    f.setPixelSize(points);
    return f;
}


void PaintChart(QPainter& painter, const QRectF& box, const Program& p, int division, ChartStyle style, bool colour) {
    ChartCanvas canvas;
    canvas.resize(371, 367);
    canvas.SetStyle(style);
    canvas.SetColour(colour);
    if (division < 0) {
        canvas.SetName(QText(kRashiTitle));
        for (int h = 0; h < kHouseCount; ++h) {
            const auto i = static_cast<std::size_t>(h);
            canvas.SetHouse(h, SignNumber(p.Chart.HouseSigns[i]), QString::fromStdString(p.Texts.HouseTexts[i]),
                            p.Texts.HouseBodies[i]);
        }
    } else {
        canvas.SetName(QText(kDivisions.at(static_cast<std::size_t>(division)).Title));
        const HouseCaptions houses = DivisionalHouses(p.Chart, division);
        for (int h = 0; h < kHouseCount; ++h) {
            const auto i = static_cast<std::size_t>(h);
            canvas.SetHouse(h, houses.Signs[i], QString::fromStdString(houses.Texts[i]), houses.Bodies[i]);
        }
    }
    painter.save();
    const double scale = std::min(box.width() / canvas.width(), box.height() / canvas.height());
    painter.translate(box.left() + (box.width() - canvas.width() * scale) / 2, box.top());
    painter.scale(scale, scale);
    canvas.Paint(painter);
    painter.restore();
}

// A small table: bold headers, then rows; columns at the given offsets.
double PaintTable(QPainter& painter, QPointF at, const QStringList& headers, const std::vector<QStringList>& rows,
                  const std::vector<double>& columns, double width, double rowHeight, int points) {
    painter.setPen(Qt::black);
    painter.setFont(Font(points, true));
    double y = at.y();
    for (int c = 0; c < headers.size(); ++c) {
        painter.drawText(QRectF(at.x() + columns[static_cast<std::size_t>(c)], y, width, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, headers[c]);
    }
    y += rowHeight;
    painter.setPen(QPen(Qt::black, 0.5));
    painter.drawLine(QPointF(at.x(), y), QPointF(at.x() + width, y));
    painter.setFont(Font(points));
    for (const QStringList& row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            painter.drawText(QRectF(at.x() + columns[static_cast<std::size_t>(c)], y, width, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, row[c]);
        }
        y += rowHeight;
    }
    return y;
}

}  // namespace

void PaintChartSheet(QPainter& painter, QSizeF page, const Program& p, const Readings& r, ChartStyle style, bool colour,
                     const QString& printedOn) {
    const double w = page.width();
    const BirthRecord& b = p.Birth;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::black);

    // Heading: who, when, where, and from which sky.
    const QFont nameFont = Font(16, true);
    painter.setFont(nameFont);
    painter.drawText(QRectF(0, 0, w, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(nameFont).elidedText(QString::fromStdString(b.BirthName), Qt::ElideRight, w));
    const QString zone = b.ZoneIndex >= 0 && b.ZoneIndex < kZoneCount
                             ? QText(Zone(b.ZoneIndex).Name)
                             : QString();
    const QStringList heading{
        BornText(b, zone),
        QStringLiteral("%1, %2, %3")
            .arg(QString::fromStdString(b.BirthCity), QString::fromStdString(b.BirthState),
                 QString::fromStdString(b.BirthCountry)),
        QStringLiteral("Sky: %1; ayanamsa %2")
            .arg(QText(DescribeSky(p.SkyInUse)), QString::fromStdString(p.Texts.AyanamsaText)),
        QStringLiteral("Dasha: %1, %2; ashtakavarga by %3")
            .arg(QText(DashaSystemName(r.Tree.System)), YearLengthText(r.Tree.YearDays).toLower(),
                 QText(AshtakavargaTableName(p.Reading.Ashtakavarga))),
    };
    const QFont headingFont = Font(9);
    painter.setFont(headingFont);
    double y = 26;
    const QFontMetricsF metrics(headingFont);
    for (qsizetype i = 0; i < heading.size(); ++i) {
        // A long name of a place is cut short rather than run past the margin; the place's
        // coordinates always show in full after it.
        const QString tail = i == 1 ? QStringLiteral("   ") + CoordinatesText(b) : QString();
        const QString fitted = metrics.elidedText(heading[i], Qt::ElideRight, w - metrics.horizontalAdvance(tail) - 1);
        painter.drawText(QRectF(0, y, w, 13), Qt::AlignLeft | Qt::AlignVCenter, fitted + tail);
        y += 13;
    }
    y += 8;

    // A tall page has the charts across it, the planets under them, then the panchanga and
    // the dasha side by side; a wide one has charts and planets in its left half and the
    // panchanga over the dasha in its right.
    const double gap = 16;
    const bool wide = w > page.height();
    const double half = (w - gap) / 2;
    const double column = wide ? half : w;
    const double chartWidth = (column - gap) / 2;
    constexpr double kPlanetTable = 12 + 12 * 13 + 12;
    constexpr double kPanchangaBlock = 17 + 27 + 8 * 14;
    constexpr double kFooter = 36;  // the guide's pointer and the footer line
    // The North Indian drawing has no room for its name inside: it goes above each chart.
    if (style == ChartStyle::North) {
        painter.setFont(Font(9, true));
        painter.drawText(QRectF(0, y, chartWidth, 13), Qt::AlignHCenter | Qt::AlignVCenter, QText(kRashiTitle));
        painter.drawText(QRectF(chartWidth + gap, y, chartWidth, 13), Qt::AlignHCenter | Qt::AlignVCenter,
                         QText(kDivisions.at(static_cast<std::size_t>(kNavamsa)).Title));
        y += 15;
    }
    // On a short page the charts give up the height the rest needs.
    const double below = kPlanetTable + (wide ? 0 : kPanchangaBlock) + kFooter;
    const double chartHeight = std::min(chartWidth * 367.0 / 371.0, page.height() - y - below);
    const double top = y;
    PaintChart(painter, QRectF(0, y, chartWidth, chartHeight), p, -1, style, colour);
    PaintChart(painter, QRectF(chartWidth + gap, y, chartWidth, chartHeight), p, kNavamsa, style, colour);
    y += chartHeight + 12;

    // The planets and the lagna; the columns narrow with a narrow column of the page.
    std::vector<QStringList> planets;
    for (int i = 0; i < kDivisionalPoints; ++i) {
        const auto body = static_cast<Body>(i);
        const BodyPosition& at = p.Chart[body];
        const SignPosition where = SplitPosition(at.Longitude);
        planets.push_back({body == Body::Ascendant ? QStringLiteral("Lagna") : QText(EnglishName(body)),
                           QText(SignSanskritName(at.Rashi)), QText(DegreesMinutesText(where.Degrees, where.Minutes)),
                           QText(NakshatraName(at.Star)), QString::number(at.Pada),
                           at.Retrograde ? QStringLiteral("R") : QString()});
    }
    const double squeeze = std::min(1.0, column / 510.0);
    std::vector<double> columns{0, 80, 170, 250, 380, 430};
    for (double& c : columns) c *= squeeze;
    y = PaintTable(painter, QPointF(0, y),
                   {QStringLiteral("Body"), QStringLiteral("Sign"), QStringLiteral("Position"),
                    QStringLiteral("Nakshatra"), QStringLiteral("Pada"), QStringLiteral("Retrograde")},
                   planets, columns, column, 13, 9);
    y += 12;

    // The panchanga.
    const QPointF day(wide ? half + gap : 0, wide ? top : y);
    std::vector<QStringList> dayRows;
    for (const PanchangaRow& row : PanchangaRows(r)) dayRows.push_back({row.Item, row.Value, row.Ends});
    painter.setFont(Font(10, true));
    painter.drawText(QRectF(day.x(), day.y(), half, 15), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Panchanga"));
    painter.setFont(Font(9));
    painter.drawText(QRectF(day.x(), day.y() + 17, half, 13), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Sunrise by the ") + SunriseRuleText(p.Reading.Sunrise));
    PaintTable(painter, day + QPointF(0, 17 + 27),
               {QStringLiteral("Item"), QStringLiteral("At birth"), QStringLiteral("Ends")}, dayRows, {0, 48, 158}, half,
               14, 8);

    // The dasha in the system chosen: its balance, today's periods and nine of its mahadashas
    // (fewer where the lines above take more room), today's among them.
    const QPointF dasha(half + gap, wide ? top + kPanchangaBlock + 16 : y);
    const DashaTree& tree = r.Tree;
    QString dashaTitle = DashaTitle(tree.System);
    if (tree.ConditionMet) {
        dashaTitle += *tree.ConditionMet ? QStringLiteral(" (condition met)") : QStringLiteral(" (condition not met)");
    }
    const QFont titleFont = Font(10, true);
    painter.setFont(titleFont);
    painter.drawText(QRectF(dasha.x(), dasha.y(), half, 15), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(titleFont).elidedText(dashaTitle, Qt::ElideRight, half));
    // Today's mahadasha with its antardasha beside it and the antardasha's end.
    const std::optional<RunningPeriods> now = RunningPeriodsAt(tree, r.TodayJd);
    const QString running =
        now ? QStringLiteral("%1 mahadasha, %2 antardasha to %3")
                  .arg(PeriodLordText(tree.System, now->Maha.Lord), PeriodLordText(tree.System, now->Antar.Lord),
                       QString::fromStdString(ClockText(now->Antar.EndJd, r.Offset)).left(10))
            : QString();
    const QFont lineFont = Font(9);
    const QFontMetricsF lineMetrics(lineFont);
    // Each line as a label and its value, the value on a line of its own where the two do not
    // fit the column (a yogini comes with her planet); the mahadashas then give up a row.
    QStringList dashaLines;
    const auto addLine = [&](const QString& label, const QString& value) {
        if (lineMetrics.horizontalAdvance(label + value) <= half) {
            dashaLines << label + value;
        } else if (lineMetrics.horizontalAdvance(value) <= half) {
            dashaLines << label.trimmed() << value;
        } else {
            // Still too long (two yoginis with their planets): a line for each period.
            dashaLines << label.trimmed() << value.split(QStringLiteral(", "));
        }
    };
    addLine(QStringLiteral("Balance at birth: "), BalanceText(tree.System, r.TreeBalance));
    addLine(YearLengthText(tree.YearDays) + QStringLiteral("; running today: "),
            running.isEmpty() ? QStringLiteral("none") : running);
    painter.setFont(lineFont);
    double dy = dasha.y() + 17;
    for (const QString& line : dashaLines) {
        painter.drawText(QRectF(dasha.x(), dy, half, 13), Qt::AlignLeft | Qt::AlignVCenter,
                         lineMetrics.elidedText(line, Qt::ElideRight, half));
        dy += 13;
    }
    DashaModel periods;
    periods.SetReadings(r);
    const int kShownPeriods = 9 - (static_cast<int>(dashaLines.size()) - 2);
    const QModelIndex today = periods.RunningIndex(0);
    const int first = std::max(0, std::min(today.isValid() ? today.row() - kShownPeriods / 2 : 0,
                                           periods.rowCount() - kShownPeriods));
    std::vector<QStringList> maha;
    for (int row = first; row < std::min(periods.rowCount(), first + kShownPeriods); ++row) {
        const QModelIndex m = periods.index(row, 0);
        const QStringList cells = periods.RowTexts(m);
        const bool runs = periods.data(m, DashaModel::kRunningRole).toBool();
        // To the day: a yogini's name with her planet needs the room of the clock times.
        maha.push_back({cells[DashaModel::kLord] + (runs ? QStringLiteral(" \u25C0") : QString()),
                        cells[DashaModel::kStart].left(10), cells[DashaModel::kEnd].left(10)});
    }
    PaintTable(painter, QPointF(dasha.x(), dy + 1),
               {QStringLiteral("Mahadasha"), QStringLiteral("Start"), QStringLiteral("End")}, maha, {0, 96, 168}, half,
               13, 8);

    // Where the reader of the sheet finds why another program's figures may differ.
    const QFont pointerFont = Font(7);
    painter.setFont(pointerFont);
    painter.drawText(QRectF(0, page.height() - 28, w, 11), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(pointerFont)
                         .elidedText(QStringLiteral("Figures differ from another program's? See \u201CWhen another "
                                                    "program gives another answer\u201D in Velakor's user guide."),
                                     Qt::ElideRight, w));

    // Footer.
    painter.setFont(Font(8));
    painter.setPen(QPen(Qt::black, 0.5));
    const double bottom = page.height();
    painter.drawLine(QPointF(0, bottom - 14), QPointF(w, bottom - 14));
    painter.drawText(QRectF(0, bottom - 12, w, 12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velakor 1.70"));
    painter.drawText(QRectF(0, bottom - 12, w, 12), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Printed ") + printedOn);
    painter.restore();
}

namespace {

bool PaintSheetOn(QPagedPaintDevice& device, const QPageLayout& layout, const Program& p, const Readings& r, ChartStyle style,
                  bool colour) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Points on the printable part of the page, which the equal margins leave.
    const QRectF area = layout.paintRect(QPageLayout::Point);
    const double scale = painter.viewport().width() / area.width();
    painter.scale(scale, scale);
    PaintChartSheet(painter, area.size(), p, r, style, colour, QDate::currentDate().toString(Qt::ISODate));
    return painter.end();
}

}  // namespace

bool WriteChartSheet(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour, QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    return PrintWhole(
        parent, printer,
        [&](QPagedPaintDevice& device) { return PaintSheetOn(device, layout, p, r, style, colour); },
        QStringLiteral("The chart sheet could not be printed."));
}

bool PrintChartSheet(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour, QPrinter& printer,
                     const QString& pdfName) {
    CommonDialog cd(parent);
    SetUpPrintDialog(cd, printer, pdfName, QStringLiteral("chart-sheet.pdf"));
    cd.DialogTitle = QStringLiteral("Print the Chart Sheet");
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    if (!cd.ShowPrinter(printer)) return false;
    return WriteChartSheet(parent, p, r, style, colour, printer);
}

bool ExportChartSheetAsPdf(QWidget* parent, const Program& p, const Readings& r, ChartStyle style, bool colour) {
    CommonDialog cd(parent);
    cd.Kind = FileKind::Pdfs;
    cd.Filter = QStringLiteral("PDF Files (*.pdf)|*.pdf");
    cd.DefaultExt = QStringLiteral("pdf");
    cd.DialogTitle = QStringLiteral("Export Chart Sheet as PDF");
    cd.FileName = QString::fromStdString(WithExtension(p.LastSaveFileName, "pdf"));
    cd.Flags = kOverwritePrompt | kHideReadOnly | kPathMustExist | kNoReadOnlyReturn;
    if (!cd.ShowSave() || cd.FileName.isEmpty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(cd.FileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    return WriteChartSheet(parent, p, r, style, colour, printer);
}

}  // namespace velakor
