// The chart window: captions written from a computed chart, the birth details, the layout,
// the house texts fitted into their houses, the menus with their check marks, the styles,
// colour and divisional charts they show, the status bar, the toolbar and the ways out.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QScrollBar>
#include <QStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "app/Calculation.h"
#include "app/gui/frmMain.h"
#include "chart/DivisionalCharts.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/views/DivisionalView.h"
#include "ui/drawing/Fonts.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/window/MDI.h"
#include "ui/dialogs/Seams.h"
#include "ui/dialogs/WebLinks.h"
#include "ui/views/frmDisplay.h"

using namespace velakor;

Q_DECLARE_METATYPE(velakor::FormValues)
Q_DECLARE_METATYPE(velakor::Language)

namespace {

// New Delhi, Indian time; the hour picks the ascendant (at 9:05 it is Aries, at 8:05 Pisces,
// at 4:05 Capricorn on this date).
FormValues DelhiRecord(int hour, int minute) {
    FormValues v;
    v.Name = "Sample Person";
    v.Day = 7;
    v.Month = 3;
    v.Year = 1975;
    v.Hour = hour;
    v.Minute = minute;
    v.ZoneIndex = 34;
    v.LatDeg = "28";
    v.LatMin = "38";
    v.LonDeg = "77";
    v.LonMin = "12";
    v.City = "New Delhi";
    v.State = "Delhi";
    v.Country = "India";
    return v;
}

FormValues IndependenceRecord() {
    FormValues v = DelhiRecord(0, 0);
    v.Day = 15;
    v.Month = 8;
    v.Year = 1947;
    return v;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Every title of a view names the sky it was computed from, the built-in one too.
const QString kBuiltinSky = QStringLiteral(" \u2014 Built-in formulas, Rahu one degree behind the mean node");

QLabel* Label(QWidget* root, const QString& name) {
    auto* label = root->findChild<QLabel*>(name);
    if (!label) qWarning("no label %s", qPrintable(name));
    return label;
}

QAction* Entry(QWidget* frame, const QString& name) {
    auto* action = frame->findChild<QAction*>(name);
    if (!action) qWarning("no menu entry %s", qPrintable(name));
    return action;
}

// Every caption of the display, to tell whether anything changed; the band that names the
// chart on show is checked on its own.
QStringList AllCaptions(const frmDisplay* display) {
    QStringList captions;
    for (QLabel* label : display->findChildren<QLabel*>())
        if (label != display->lblChartName()) captions << label->objectName() + "=" + label->text();
    return captions;
}

// Records which of the frame's signals fired, in order.
struct SignalLog {
    QStringList fired;
    explicit SignalLog(MDI* frame) {
        QObject::connect(frame, &MDI::mainFormRequested, [this] { fired << "mainFormRequested"; });
        QObject::connect(frame, &MDI::exitRequested, [this] { fired << "exitRequested"; });
        QObject::connect(frame, &MDI::saveAsRequested, [this] { fired << "saveAsRequested"; });
        QObject::connect(frame, &MDI::saveAsJpegRequested, [this] { fired << "saveAsJpegRequested"; });
        QObject::connect(frame, &MDI::exportRequested, [this] { fired << "exportRequested"; });
        QObject::connect(frame, &MDI::printRequested, [this] { fired << "printRequested"; });
        QObject::connect(frame, &MDI::openRequested, [this] { fired << "openRequested"; });
    }
};

// The sixteen vargas' entries, D1 first.
const char* const kVargaEntries[] = {
    "mnuSub_Rashi",      "mnuSub_Hora",       "mnuSub_Drekkana",       "mnuSub_Chaturthamsa",
    "mnuSub_Sapthamsa",  "mnuSub_Navamsa",    "mnuSub_Dasamsa",        "mnuSub_Dwadasamsa",
    "mnuSub_Shodasamsa", "mnuSub_Vimsamsa",   "mnuSub_Chaturvimsamsa", "mnuSub_Bhamsa",
    "mnuSub_Trimsamsa",  "mnuSub_Khavedamsa", "mnuSub_Akshavedamsa",   "mnuSub_Shashtyamsa",
};

const QStringList kCheckable = [] {
    QStringList names{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuSouth", "mnuNatal", "mnuColorOn", "mnuColorOff", "mnuChart"};
    for (const char* entry : kVargaEntries) names << entry;
    return names << "mnuVargas" << "mnuAshtakavarga" << "mnuDasha" << "mnuPanchanga" << "mnuTransits"
                 << "mnuSaturnPeriods" << "mnuMatching" << "mnuKP";
}();
// In the order of kCheckable.
// "&North Indian", not "&South Indian": the North Indian chart is the one on show.
const QStringList kInitiallyChecked = {"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOff", "mnuChart"};

QStringList CheckedEntries(QWidget* frame) {
    QStringList checked;
    for (const QString& name : kCheckable)
        if (Entry(frame, name)->isChecked()) checked << name;
    return checked;
}

}  // namespace

class TestChartWindow : public QObject {
    Q_OBJECT

    Program program_;
    QPointer<MDI> frame_;

    // A frame showing the chart of v, as the calculation command leaves it.
    MDI* Open(const FormValues& v) {
        RunCalculation(program_, v);
        frame_ = new MDI(program_);
        frame_->WriteChart();
        frame_->show();
        return frame_;
    }

    static void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // The output commands behind the signals open dialogs: cancel every one of them.
        SetDialogHandler([](CommonDialog&, DialogKind, QPrinter*) { return false; });
    }

    void cleanup() {
        SetUrlHandler(nullptr);
        if (frame_) {
            frame_->disconnect();
            delete frame_.data();
        }
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void captionsEqualTheComputedChart_data() {
        QTest::addColumn<FormValues>("record");
        QTest::addColumn<QStringList>("signs");  // houses 1..12, where the row pins them
        QTest::newRow("Aries ascendant") << DelhiRecord(9, 5)
                                         << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QTest::newRow("Pisces ascendant") << DelhiRecord(8, 5)
                                          << QStringList{"12", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
        QTest::newRow("Capricorn ascendant") << DelhiRecord(4, 5) << QStringList{"10", "11"};
        QTest::newRow("midnight 1947") << IndependenceRecord() << QStringList{};
    }
    void captionsEqualTheComputedChart() {
        QFETCH(FormValues, record);
        QFETCH(QStringList, signs);
        MDI* frame = Open(record);
        frmDisplay* display = frame->display();
        const ChartTexts& s = program_.Texts;

        QCOMPARE(Label(display, "lblAyanamsha")->text(), Q(s.AyanamsaText));
        QCOMPARE(Label(display, "lblLagna")->text(), Q(s.LagnaSignName));
        QCOMPARE(Label(display, "lblNakshatra")->text(), Q(s.NakshatraText));
        QCOMPARE(Label(display, "lblRashi")->text(), Q(s.RashiText));
        QCOMPARE(Label(display, "lblPada")->text(), Q(s.NakshatraPada));
        QCOMPARE(Label(display, "lblLord")->text(), Q(s.NakshatraLord));
        QVERIFY(!s.AyanamsaText.empty() && !s.LagnaSignName.empty() && !s.NakshatraLord.empty());
        for (int i = 0; i < kBodyCount; ++i) {
            QLabel* cell = Label(display, QStringLiteral("Planet_%1").arg(i));
            QCOMPARE(cell->text(), Q(program_.Texts.ChartPositions[static_cast<std::size_t>(i)]));
            // The ascendant and midheaven are carried but not shown.
            QCOMPARE(cell->isVisible(), i < 9);
        }
        for (int h = 0; h < kHouseCount; ++h) {
            const auto i = static_cast<std::size_t>(h);
            QCOMPARE(Label(display, QStringLiteral("lblPlanet_Position_%1").arg(h))->text(),
                     QString::number(SignNumber(program_.Chart.HouseSigns[i])));
            QCOMPARE(Label(display, QStringLiteral("lblPlanets_%1").arg(h))->text(), Q(program_.Texts.HouseTexts[i]));
        }
        QVERIFY(Label(display, "lblPlanets_0")->text().startsWith("Asc"));
        for (int h = 0; h < signs.size(); ++h)
            QCOMPARE(display->lblPlanet_Position(h)->text(), signs[h]);

        // Every planet from the Sun to Ketu sits in exactly one house.
        const QString houses = [&] {
            QStringList all;
            for (int h = 0; h < kHouseCount; ++h) all << display->lblPlanets(h)->text();
            return all.join("\r\n");
        }();
        for (const char* name : {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu"})
            QCOMPARE(houses.count(QString::fromLatin1(name)), 1);
    }

    void rewritingReplacesEveryHouse() {
        // A chart written over another leaves nothing of the first, and writing twice
        // changes nothing.
        MDI* frame = Open(DelhiRecord(9, 5));
        RunCalculation(program_, IndependenceRecord());
        frame->WriteChart();
        const QStringList once = AllCaptions(frame->display());
        frame->WriteChart();
        QCOMPARE(AllCaptions(frame->display()), once);
        for (int h = 0; h < kHouseCount; ++h)
            QCOMPARE(frame->display()->lblPlanets(h)->text(),
                     Q(program_.Texts.HouseTexts[static_cast<std::size_t>(h)]));
    }

    void longCellTextsAreShownWhole() {
        // "Poorva Bhadrapada" is wider than the nakshatra cell in the cells' usual size.
        MDI* frame = Open(DelhiRecord(17, 40));
        frmDisplay* d = frame->display();
        d->SetCellText(d->lblNakshatra(), QStringLiteral("Poorva Bhadrapada"));
        QLabel* cell = d->lblNakshatra();
        QVERIFY(QFontMetrics(cell->font()).horizontalAdvance(cell->text()) <= cell->contentsRect().width());
        QVERIFY(cell->font().pixelSize() < VerdanaFont(9.75).pixelSize());
        d->SetCellText(d->lblNakshatra(), QStringLiteral("Mula"));
        QCOMPARE(cell->font().pixelSize(), VerdanaFont(9.75).pixelSize());
    }

    void houseTextsStayInTheirHouses_data() {
        QTest::addColumn<int>("style");
        QTest::newRow("North Indian") << int(ChartStyle::North);
        QTest::newRow("South Indian") << int(ChartStyle::South);
        QTest::newRow("East Indian") << int(ChartStyle::East);
    }
    void houseTextsStayInTheirHouses() {
        // Every house with 1 to 10 entries, the longest there are: inside its own house, clear
        // of every sign number and of each other, at a size still read with ease. South and
        // East: every cell both as the ascendant's (its corner cut by the stroke) and not.
        QFETCH(int, style);
        // The ten entries a house can hold, widest first, and their order in a caption.
        const QStringList widest = {"Mangala (R) ", "Shukra (R) ", "Budha (R) ", "Shani (R) ", "Guru (R) ",
                                    "Chandra",      "Surya",       "Rahu",       "Ketu",      "Asc"};
        const QStringList order = {"Asc",        "Surya",     "Chandra",  "Budha (R) ", "Shukra (R) ",
                                   "Mangala (R) ", "Guru (R) ", "Shani (R) ", "Rahu",   "Ketu"};
        auto caption = [&](int n) {
            QString text;
            for (const QString& entry : order) {
                if (widest.indexOf(entry) >= n) continue;
                text += entry == "Asc" ? entry : "\r\n" + entry;
            }
            return text;
        };
        ChartCanvas chart;
        chart.resize(frmDisplay::kChartWidth, frmDisplay::kChartHeight);
        chart.SetStyle(ChartStyle(style));
        auto toBox = [](const QRectF& r) { return Box{r.left(), r.top(), r.width(), r.height()}; };
        auto toPolygon = [](const QPolygonF& q) {
            Polygon p;
            for (const QPointF& c : q) p.push_back({c.x(), c.y()});
            return p;
        };
        int shrunk = 0;
        for (int first = 0; first < kHouseCount; ++first) {
            for (int n = 1; n <= 10; ++n) {
                // North: house `first` holds the text; South and East: the ascendant's sign is
                // `first`, and the ascendant's house and the one opposite hold it.
                const QList<int> tested = style == int(ChartStyle::North) ? QList<int>{first} : QList<int>{0, 6};
                for (int h = 0; h < kHouseCount; ++h) {
                    const int sign = style == int(ChartStyle::North) ? h + 1 : (first + h) % 12 + 1;
                    chart.SetHouse(h, sign, tested.contains(h) ? caption(n) : QString(), {});
                }
                for (int h : tested) {
                    const QString where = QStringLiteral("house %1, first %2, %3 entries").arg(h + 1).arg(first).arg(n);
                    const HouseTextLayout& layout = chart.HouseLayout(h);
                    QVERIFY2(layout.fits, qPrintable(where));
                    QVERIFY2(layout.size >= ChartCanvas::kSmallestTextSize, qPrintable(where));
                    QCOMPARE(int(layout.entries.size()), n);
                    shrunk += layout.size < ChartCanvas::kTextSize ? 1 : 0;
                    const Polygon house = toPolygon(chart.CellShape(chart.CellOfHouse(h)));
                    for (const PlacedEntry& e : layout.entries) {
                        QVERIFY2(BoxInside(e.box, house, 1.0), qPrintable(where));
                        if (style == int(ChartStyle::North)) {
                            for (int other = 0; other < kHouseCount; ++other)
                                QVERIFY2(!BoxesOverlap(e.box, toBox(chart.SignBox(other))), qPrintable(where));
                        }
                        for (const PlacedEntry& f : layout.entries)
                            QVERIFY2(e.entry == f.entry || !BoxesOverlap(e.box, f.box), qPrintable(where));
                    }
                }
            }
        }
        // Crowded houses do take smaller type; most do not need to.
        QVERIFY(shrunk > 0);
    }

    void fewPlanetsSitWhereTheyAlwaysDid() {
        // One to three short names in a North Indian house: the usual size, a line each, on
        // the middle of the house text's place, from its top or a few pixels lower where the
        // lines would touch the house's edges there.
        ChartCanvas chart;
        chart.resize(frmDisplay::kChartWidth, frmDisplay::kChartHeight);
        const QStringList names = {"Surya", "Rahu", "Ketu"};
        for (int h = 0; h < kHouseCount; ++h) {
            for (int n = 1; n <= 3; ++n) {
                chart.SetHouse(h, h + 1, "\r\n" + names.mid(0, n).join("\r\n"), {});
                const HouseTextLayout& layout = chart.HouseLayout(h);
                const QString where = QStringLiteral("house %1, %2 names").arg(h + 1).arg(n);
                QVERIFY2(layout.size == ChartCanvas::kTextSize, qPrintable(where));
                const TwipsPlace place = kNorthTextPlaces[std::size_t(h)];
                const double middle = TwipsToPixels(place.left) + TwipsToPixels(place.width) / 2.0;
                QVERIFY2(qAbs(layout.entries[0].box.top - TwipsToPixels(place.top)) <= 8.0, qPrintable(where));
                for (int i = 0; i < n; ++i) {
                    const Box& box = layout.entries[std::size_t(i)].box;
                    QVERIFY2(qAbs(box.left + box.width / 2 - middle) <= 1.0, qPrintable(where));
                    QCOMPARE(box.top, layout.entries[0].box.top + i * box.height);
                }
            }
            chart.SetHouse(h, h + 1, QString(), {});
        }
    }

    void linesTakeTheColourOfTheBodyTheyShow_data() {
        // What a line says never picks its colour: the body the chart gives for it does.
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("entry");  // the entry looked at
        QTest::addColumn<int>("body");   // what that entry shows: a Body, -1 none
        QTest::addColumn<bool>("transit");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QColor>("expected");
        const ChartPalette on = PaletteFor(true);
        auto rgb = [](Rgb c) { return QColor(c.r, c.g, c.b); };
        QTest::newRow("a body's line that does not begin with its name")
            << "\r\n12 Lib 07" << 0 << int(Body::Sun) << false << true << rgb(on.bodies[0]);
        QTest::newRow("a second line, another body")
            << "\r\nSurya\r\nGuru (R) " << 1 << int(Body::Jupiter) << false << true << rgb(on.bodies[5]);
        QTest::newRow("a body's name on a line that shows none")
            << "Asc\r\nSurya" << 1 << -1 << false << true << rgb(on.text);
        QTest::newRow("a transiting body, colour off")
            << "\r\nShani" << 0 << int(Body::Saturn) << true << false << kTransitColour;
    }
    void linesTakeTheColourOfTheBodyTheyShow() {
        QFETCH(QString, caption);
        QFETCH(int, entry);
        QFETCH(int, body);
        QFETCH(bool, transit);
        QFETCH(bool, colour);
        QFETCH(QColor, expected);
        ChartCanvas chart;
        chart.resize(frmDisplay::kChartWidth, frmDisplay::kChartHeight);
        chart.SetColour(colour);
        HouseLines bodies(static_cast<std::size_t>(entry));  // the entries before: not looked at
        if (body >= 0) bodies.push_back({Body(body), transit});
        const QImage ground = chart.grab().toImage();
        chart.SetHouse(2, 3, caption, bodies);
        const QImage drawn = chart.grab().toImage();
        // The most inked pixel of the entry is the pen's colour, or nearly (antialiasing).
        const Box box = chart.HouseLayout(2).entries.at(std::size_t(entry)).box;
        auto distance = [](QColor a, QColor b) {
            return std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())});
        };
        QColor ink;
        int most = -1;
        for (int y = int(box.top); y < int(box.top + box.height); ++y) {
            for (int x = int(box.left); x < int(box.left + box.width); ++x) {
                const int d = distance(drawn.pixelColor(x, y), ground.pixelColor(x, y));
                if (d > most) {
                    most = d;
                    ink = drawn.pixelColor(x, y);
                }
            }
        }
        QVERIFY2(distance(ink, expected) <= 16, qPrintable(ink.name() + " drawn, " + expected.name() + " expected"));
    }

    void birthDetails_data() {
        QTest::addColumn<FormValues>("record");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        FormValues v = DelhiRecord(9, 5);
        QTest::newRow("time 9:05") << v << "lblTOB" << "Time of Birth: 9 Hour 5 Minute";
        QTest::newRow("date, month in words") << v << "lblDOB" << "Date of Birth: March 7, 1975";
        QTest::newRow("latitude") << v << "lblLatitude" << "Latitude: 28 Degree 38 Minute";
        QTest::newRow("longitude") << v << "lblLongitude" << "Longitude: 77 Degree 12 Minute";
        QTest::newRow("city") << v << "lblCity" << "City: New Delhi";
        QTest::newRow("state") << v << "lblState" << "State: Delhi";
        QTest::newRow("country") << v << "lblCountry" << "Country: India";
        QTest::newRow("name") << v << "lblName" << "Name: Sample Person";
        v.Name = "  Asha Rao ";
        QTest::newRow("name keeps its spaces") << v << "lblName" << "Name:   Asha Rao ";
        v.City = "  Pune ";
        QTest::newRow("city is trimmed") << v << "lblCity" << "City: Pune";
        v = DelhiRecord(24, 0);
        QTest::newRow("hour 24") << v << "lblTOB" << "Time of Birth: 24 Hour 0 Minute";
        v.Latitude = Direction::Second;
        v.LatDeg = "033";
        v.LatMin = "5";
        QTest::newRow("south, no direction, no zeros") << v << "lblLatitude" << "Latitude: 33 Degree 5 Minute";
        v.Longitude = Direction::Second;
        QTest::newRow("west, no direction") << v << "lblLongitude" << "Longitude: 77 Degree 12 Minute";
        v.Day = 31;
        v.Month = 12;
        v.Year = 2050;
        QTest::newRow("last day") << v << "lblDOB" << "Date of Birth: December 31, 2050";
    }
    void birthDetails() {
        QFETCH(FormValues, record);
        QFETCH(QString, label);
        QFETCH(QString, text);
        MDI* frame = Open(record);
        QLabel* detail = Label(frame->display(), label);
        QCOMPARE(detail->text(), text);
        // Sized to its text: nothing of it is cut off.
        QVERIFY(detail->width() >= detail->sizeHint().width());
        QCOMPARE(detail->x(), TwipsToPixels(6840));
    }

    void monthNameFollowsTheUsersLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << QString("Date of Birth: März 7, 1975");
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << QString("Date of Birth: mars 7, 1975");
    }
    void monthNameFollowsTheUsersLanguage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        MDI* frame = Open(DelhiRecord(9, 5));
        QCOMPARE(Label(frame->display(), "lblDOB")->text(), text);
    }

    void layout_data() {
        // Positions and sizes in twips, relative to the container.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");  // width or height 0: sized to the text, not checked
        QTest::newRow("chart picture") << "picNorth" << QRect(1080, 1680, 5565, 5505);
        QTest::newRow("house 1 sign") << "lblPlanet_Position_0" << QRect(2730, 2500, 0, 0);
        QTest::newRow("house 2 sign") << "lblPlanet_Position_1" << QRect(1340, 1120, 0, 0);
        QTest::newRow("house 4 sign") << "lblPlanet_Position_3" << QRect(2400, 2720, 0, 0);
        QTest::newRow("house 6 sign") << "lblPlanet_Position_5" << QRect(1360, 4240, 0, 0);
        QTest::newRow("house 7 sign") << "lblPlanet_Position_6" << QRect(2730, 2900, 0, 0);
        QTest::newRow("house 8 sign") << "lblPlanet_Position_7" << QRect(4125, 4240, 0, 0);
        QTest::newRow("house 9 sign") << "lblPlanet_Position_8" << QRect(4280, 4080, 0, 0);
        QTest::newRow("house 10 sign") << "lblPlanet_Position_9" << QRect(2900, 2720, 0, 0);
        QTest::newRow("house 11 sign") << "lblPlanet_Position_10" << QRect(4240, 1320, 0, 0);
        QTest::newRow("house 12 sign") << "lblPlanet_Position_11" << QRect(4020, 1120, 0, 0);
        QTest::newRow("name") << "lblName" << QRect(6840, 1680, 0, 0);
        QTest::newRow("country") << "lblCountry" << QRect(6840, 2760, 0, 0);
        QTest::newRow("longitude") << "lblLongitude" << QRect(6840, 4200, 0, 0);
        QTest::newRow("Vedic frame") << "fraVedic" << QRect(6840, 4680, 3705, 2565);
        QTest::newRow("ayanamsa cell") << "lblAyanamsha" << QRect(1860, 300, 1695, 270);
        QTest::newRow("lagna cell, 5 lower than its caption") << "lblLagna" << QRect(1860, 675, 1695, 270);
        QTest::newRow("lord cell") << "lblLord" << QRect(1860, 2160, 1695, 270);
        QTest::newRow("planet frame") << "fraWestern" << QRect(10680, 3930, 3705, 3255);
        QTest::newRow("Sun name cell") << "PlanetName_0" << QRect(150, 300, 2055, 285);
        QTest::newRow("Sun cell") << "Planet_0" << QRect(2190, 300, 1365, 285);
        QTest::newRow("Venus cell") << "Planet_3" << QRect(2190, 1275, 1365, 285);
        QTest::newRow("Ketu cell") << "Planet_8" << QRect(2190, 2895, 1365, 285);
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        MDI* frame = Open(DelhiRecord(9, 5));
        frmDisplay* display = frame->display();
        QCOMPARE(display->size(), QSize(967, 560));
        auto* widget = display->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->pos(), QPoint(TwipsToPixels(twips.x()), TwipsToPixels(twips.y())));
        if (twips.width() > 0)
            QCOMPARE(widget->size(), QSize(TwipsToPixels(twips.width()), TwipsToPixels(twips.height())));
    }

    void fixedCaptions() {
        MDI* frame = Open(DelhiRecord(9, 5));
        frmDisplay* display = frame->display();
        QCOMPARE(display->findChild<QGroupBox*>("fraVedic")->title(), QString("Other Vedic Details"));
        QCOMPARE(display->findChild<QGroupBox*>("fraWestern")->title(), QString("Vedic Planetary Position"));
        const QStringList vedic = {"Ayanamsa", "Lagna / Asc", "Nakshatra", "Rashi/Moon Sign", "Pada", "Lord"};
        const QStringList names = {"Surya / Sun",      "Chandra / Moon", "Budha / Mercury",
                                   "Shukra / Venus",   "Mangala / Mars", "Guru / Jupiter",
                                   "Shani / Saturn",   "Rahu / North Node", "Ketu / South Node"};
        for (int i = 0; i < vedic.size(); ++i)
            QCOMPARE(Label(display, QStringLiteral("lblVedicCaption_%1").arg(i))->text(), vedic[i]);
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(Label(display, QStringLiteral("PlanetName_%1").arg(i))->text(), names[i]);
        // The captions and the longest sign and planet texts fit their cells.
        for (QLabel* cell : display->findChildren<QLabel*>(QRegularExpression("^(PlanetName|lblVedicCaption)_")))
            QVERIFY2(cell->fontMetrics().horizontalAdvance(cell->text()) < cell->contentsRect().width(),
                     qPrintable(cell->text()));
        QVERIFY(display->Picture1()->isHidden());
        QVERIFY(display->picture().isNull());
    }

    void chartPictureReadsAsNorthIndian() {
        ChartCanvas canvas;
        canvas.resize(frmDisplay::kChartWidth, frmDisplay::kChartHeight);
        const QImage chart = canvas.grab().toImage();
        QCOMPARE(chart.size(), QSize(371, 367));
        // A line passes through a point when a pixel next to it is dark (lines are antialiased).
        auto dark = [&](int x, int y) {
            int darkest = 255;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    darkest = std::min(darkest, QColor(chart.pixel(x + dx, y + dy)).lightness());
            return darkest < 80;
        };
        auto orange = [&](int x, int y) {
            const QColor c(chart.pixel(x, y));
            return c.red() > 200 && c.green() > 100 && c.green() < 200 && c.blue() < 100;
        };
        // Lines: the centre (both diagonals), the diamond's corners on the edges' mid-points,
        // the points where the diagonals cut the diamond.
        for (const QPoint p : {QPoint(185, 183), QPoint(185, 1), QPoint(1, 183), QPoint(369, 183), QPoint(185, 365),
                               QPoint(93, 92), QPoint(278, 92), QPoint(93, 275), QPoint(278, 275)})
            QVERIFY2(dark(p.x(), p.y()), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        // Inside of the four diamonds and of triangles: the orange ground.
        for (const QPoint p : {QPoint(185, 90), QPoint(90, 183), QPoint(185, 275), QPoint(280, 183), QPoint(92, 30),
                               QPoint(30, 92), QPoint(340, 300), QPoint(280, 340)})
            QVERIFY2(orange(p.x(), p.y()), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    }

    void frameLayout() {
        MDI* frame = Open(DelhiRecord(9, 5));
        QCOMPARE(frame->windowTitle(), QString("Velakor v1.70"));
        QStringList keys;
        for (QAction* button : frame->toolBar()->actions()) keys << button->data().toString();
        QCOMPARE(keys, (QStringList{"New", "Open", "Save", "Print"}));
        QCOMPARE(frame->toolBar()->objectName(), QString("TB"));
        for (QAction* button : frame->toolBar()->actions()) QVERIFY(!button->icon().isNull());

        auto* heading = frame->findChild<QLabel*>("lblHeading");
        QCOMPARE(heading->text(), QString("Velakor"));
        QVERIFY(heading->font().bold());
        auto* top = frame->findChild<QWidget*>("picTop");
        QCOMPARE(top->height(), TwipsToPixels(820));
        QCOMPARE(top->grab().toImage().pixelColor(1, 1), QColor(255, 199, 6));
        // The heading band lies under the toolbar, the button band at the bottom.
        QVERIFY(top->mapTo(frame, QPoint()).y() >= frame->toolBar()->geometry().bottom());
        QWidget* band = frame->findChild<QPushButton*>("cmdExit")->parentWidget();
        QCOMPARE(band->objectName(), QString("Picture1"));
        QCOMPARE(band->height(), TwipsToPixels(720));
        QCOMPARE(band->mapTo(frame, QPoint(0, band->height())).y(), frame->statusBar()->geometry().top());

        const struct {
            const char* name;
            const char* caption;
            int width;
        } buttons[] = {{"cmdSaveAsJPEG", "Save As &JPEG", 1695}, {"cmdBack", "&Back", 1095}, {"cmdExit", "E&xit", 1095}};
        for (const auto& b : buttons) {
            auto* button = frame->findChild<QPushButton*>(b.name);
            QCOMPARE(button->text(), QString(b.caption));
            QCOMPARE(button->geometry().size(), QSize(TwipsToPixels(b.width), TwipsToPixels(400)));
            QCOMPARE(button->y(), TwipsToPixels(120));
        }
        // The display sits frameless in the top-left corner and shows whole.
        QVERIFY(frame->displayWindow()->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(frame->display()->mapTo(frame->displayWindow()->mdiArea(), QPoint()), QPoint(0, 0));
        QVERIFY(frame->displayWindow()->mdiArea()->viewport()->width() >= 967);
        QVERIFY(frame->displayWindow()->mdiArea()->viewport()->height() >= 560);
    }

    void frameFitsALaptopScreen() {
        // 1366 x 768 with a 40-pixel panel; the window manager adds a title bar and borders.
        const QRect available(0, 0, 1366, 728);
        const QMargins decoration(1, 24, 1, 1);
        MDI* frame = Open(DelhiRecord(9, 5));
        const QSize whole = frame->size();  // as opened: the whole chart display in view
        const int scrollBar = frame->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QRect inner = MDI::FrameGeometryFor(whole, decoration, available, scrollBar);
        const QRect outer = inner.marginsAdded(decoration);
        QVERIFY2(available.contains(outer), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(outer.x()).arg(outer.y())
                                                             .arg(outer.width()).arg(outer.height())));
        QVERIFY(whole.height() + decoration.top() + decoration.bottom() > available.height());  // it is cut
        QCOMPARE(outer.center().x(), available.center().x());
        QVERIFY(qAbs(outer.center().y() - available.center().y()) <= 1);

        // Cut short, the display is drawn smaller and shows whole; the button band stays in
        // view. Below 80% the client area scrolls down to the display's lower edge instead.
        frame->setGeometry(inner);
        QMdiArea* area = frame->displayWindow()->mdiArea();
        QTRY_VERIFY(frame->chartScale() < 1.0);
        QVERIFY(!area->verticalScrollBar()->isVisible());
        auto* exit = frame->findChild<QPushButton*>("cmdExit");
        QVERIFY(frame->rect().contains(exit->mapTo(frame, exit->rect().bottomRight())));
        frame->resize(700, 420);
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QCOMPARE(frame->chartScale(), 0.8);
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QPoint displayBottom = frame->displayWindow()->mapTo(area->viewport(), QPoint(0, qRound(560 * 0.8)));
        QVERIFY(displayBottom.y() <= area->viewport()->height());

        // On a screen with room to spare the frame is not cut.
        QCOMPARE(MDI::FrameGeometryFor(whole, decoration, QRect(0, 0, 1920, 1080), scrollBar).size(), whole);
    }

    // The display keeps its proportions and fills the client area one way: on a laptop, a
    // little smaller than drawn; maximised on a large screen, larger. The saved picture is
    // the display as drawn, whatever the scale.
    void displayScalesWithTheWindow_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<double>("least");
        QTest::addColumn<double>("most");
        QTest::newRow("1366x728, maximised") << QRect(0, 0, 1366, 728) << 0.8 << 0.99;
        QTest::newRow("1920x1040, maximised") << QRect(0, 0, 1920, 1040) << 1.3 << 1.7;
    }
    void displayScalesWithTheWindow() {
        QFETCH(QRect, available);
        QFETCH(double, least);
        QFETCH(double, most);
        MDI* frame = Open(DelhiRecord(9, 5));
        frame->setGeometry(available.marginsRemoved(QMargins(1, 24, 1, 1)));
        QMdiArea* area = frame->displayWindow()->mdiArea();
        QTRY_VERIFY(frame->chartScale() != 1.0);
        const double scale = frame->chartScale();
        QVERIFY2(scale >= least && scale <= most, qPrintable(QString::number(scale)));
        const QSize shown = frame->displayWindow()->size();
        QCOMPARE(shown, QSize(qRound(967 * scale), qRound(560 * scale)));
        QVERIFY(shown.width() <= area->width() && shown.height() <= area->height());
        QVERIFY(shown.width() >= area->width() - 1 || shown.height() >= area->height() - 1);
        QVERIFY(!area->verticalScrollBar()->isVisible() && !area->horizontalScrollBar()->isVisible());
        // Room left beside the chart is shared equally on both sides.
        QVERIFY(std::abs(2 * frame->displayWindow()->x() + shown.width() - area->width()) <= 1);
        // A lens draws the display at the scale over the whole window.
        QWidget* lens = frame->displayWindow()->findChild<QWidget*>("ChartLens");
        QVERIFY(lens && lens->isVisible());
        QCOMPARE(lens->size(), shown);
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QCOMPARE(frame->display()->picture().size(), QSize(967, 560));
    }

    // From the window as it opens (the area has given the view's window the focus), Tab and
    // Shift+Tab go round the band's buttons; Return presses the one with the focus. File >
    // Open is the toolbar's Open.
    void keyboardReachesTheBand_data() {
        QTest::addColumn<int>("tabs");  // negative: Shift+Tab
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("fired");
        QTest::newRow("first Tab: Save As JPEG") << 1 << "cmdSaveAsJPEG" << "saveAsJpegRequested";
        QTest::newRow("Tab to Back") << 2 << "cmdBack" << "mainFormRequested";
        QTest::newRow("Tab to Exit") << 3 << "cmdExit" << "exitRequested";
        QTest::newRow("round again") << 4 << "cmdSaveAsJPEG" << "saveAsJpegRequested";
        QTest::newRow("first Shift+Tab: Exit") << -1 << "cmdExit" << "exitRequested";
        QTest::newRow("Shift+Tab on to Back") << -2 << "cmdBack" << "mainFormRequested";
    }
    void keyboardReachesTheBand() {
        QFETCH(int, tabs);
        QFETCH(QString, focused);
        QFETCH(QString, fired);
        MDI* frame = Open(DelhiRecord(9, 5));
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QVERIFY(QApplication::focusWidget());
        QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));  // as opened: no button yet
        for (int i = 0; i < std::abs(tabs); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, tabs < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        SignalLog log(frame);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(log.fired, QStringList{fired});
        if (tabs == 1) {
            SignalLog menu(frame);
            Entry(frame, "mnuOpen")->trigger();
            QCOMPARE(menu.fired, QStringList{"openRequested"});
        }
    }

    void resizeKeepsButtonsRight_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("as opened") << 0;
        QTest::newRow("wider") << 1240;
        QTest::newRow("narrower") << 700;
        QTest::newRow("odd width") << 1001;
    }
    void resizeKeepsButtonsRight() {
        QFETCH(int, width);
        MDI* frame = Open(DelhiRecord(9, 5));
        if (width > 0) {
            frame->resize(width, frame->height());
            QCOMPARE(frame->width(), width);
        }
        const int w = frame->frameGeometry().width();
        auto* exit = frame->findChild<QPushButton*>("cmdExit");
        auto* back = frame->findChild<QPushButton*>("cmdBack");
        auto* jpeg = frame->findChild<QPushButton*>("cmdSaveAsJPEG");
        QCOMPARE(exit->x(), w - exit->width() - TwipsToPixels(300));
        QCOMPARE(back->x(), exit->x() - back->width() - TwipsToPixels(100));
        QCOMPARE(jpeg->x(), back->x() - jpeg->width() - TwipsToPixels(100));
        auto* heading = frame->findChild<QLabel*>("lblHeading");
        QCOMPARE(heading->x(), (w - heading->width()) / 2);
        QCOMPARE(heading->y(), TwipsToPixels(-30));
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("entries");  // name=caption, "-" for a separator
        QTest::newRow("File") << "mnuFile" << "&File"
                              << QStringList{"mnuNew=&New", "mnuOpen=&Open...", "mnuLibrary=Chart &Library...",
                                             "mnuMatch=&Match with a Saved Reading...",
                                             "mnuMatchLibrary=Match with a Library C&hart...", "-", "mnuSaveAs=Save &As",
                                             "mnuSaveToLibrary=Save &to Library", "mnuSaveAsJpeg=Save As &JPEG",
                                             "-", "mnuExport=&Export Chart As Text", "-", "mnuPrint=&Print",
                                             "mnuPrintSheet=Print Chart &Sheet...",
                                             "mnuExportSheet=Export Chart Sheet as P&DF...",
                                             "mnuPrintToday=Print Transits and Dasha Toda&y...",
                                             "-", "mnuBack=&Back", "-", "mnuExit=E&xit"};
        QTest::newRow("View") << "mnuView" << "&View"
                              << QStringList{"mnuToolBar=&Toolbar", "mnuStatusBar=&Status Bar", "-",
                                             "mnuChartStyle=&Chart Style", "mnuColor=Colo&r Style", "-",
                                             "mnuPositions=&Positions", "mnuAyanamsa=A&yanamsa", "mnuNode=&Node",
                                             "mnuLanguage=&Language", "-",
                                             "mnuChart=&Chart", "mnuDivisionalCharts=&Divisional Charts",
                                             "mnuVargas=&Vargas", "mnuAshtakavarga=&Ashtakavarga", "mnuDasha=Das&ha",
                                             "mnuPanchanga=Panchan&ga", "mnuTransits=Trans&its",
                                             "mnuSaturnPeriods=Sat&urn's Periods", "mnuMatching=&Matching", "mnuKP=&KP",
                                             "mnuHorary=Horary &Question...", "-",
                                             "mnuReadingOptions=Reading &Options", "mnuTransitMoment=Transit Mom&ent"};
        QTest::newRow("Reading Options")
            << "mnuReadingOptions" << "Reading &Options"
            << QStringList{"mnuDashaSystem=&Dasha System", "mnuDashaYear=Dasha &Year", "mnuSunrise=&Sunrise",
                           "mnuAshtakavargaTable=Ashtakavarga &Table"};
        QTest::newRow("Dasha System") << "mnuDashaSystem" << "&Dasha System"
                                      << QStringList{"mnuDashaSystem_Vimshottari=&Vimshottari", "mnuDashaSystem_Yogini=&Yogini",
                                                     "mnuDashaSystem_Ashtottari=&Ashtottari",
                                                     "mnuDashaSystem_Kalachakra=&Kalachakra",
                                                     "mnuDashaSystem_Narayana=&Narayana"};
        QTest::newRow("Ashtakavarga Table")
            << "mnuAshtakavargaTable" << "Ashtakavarga &Table"
            << QStringList{"mnuAshtakavargaTable_Parashara=&Parashara's table (R. Santhanam)",
                           "mnuAshtakavargaTable_Raman=&B. V. Raman's table"};
        QTest::newRow("Chart Style") << "mnuChartStyle" << "&Chart Style"
                                     << QStringList{"mnuNorth=&North Indian", "mnuSouth=&South Indian",
                                                    "mnuNatal=&Natal Indian"};
        QTest::newRow("Colour Style") << "mnuColor" << "Colo&r Style" << QStringList{"mnuColorOn=O&n", "mnuColorOff=O&ff"};
        QTest::newRow("Divisional Charts")
            << "mnuDivisionalCharts" << "&Divisional Charts"
            << QStringList{"mnuSub_Rashi=&Rashi",
                           "mnuSub_Hora=&Hora",
                           "mnuSub_Drekkana=&Drekkana",
                           "mnuSub_Chaturthamsa=&Chaturthamsa",
                           "mnuSub_Sapthamsa=&Sapthamsa",
                           "mnuSub_Navamsa=&Navamsa",
                           "mnuSub_Dasamsa=&D&asamsa",
                           "mnuSub_Dwadasamsa=D&wadasamsa",
                           "mnuSub_Shodasamsa=Sh&odasamsa",
                           "mnuSub_Vimsamsa=&Vimsamsa",
                           "mnuSub_Chaturvimsamsa=Chaturv&imsamsa",
                           "mnuSub_Bhamsa=&Bhamsa",
                           "mnuSub_Trimsamsa=&Trimsamsa",
                           "mnuSub_Khavedamsa=&Khavedamsa",
                           "mnuSub_Akshavedamsa=&Akshavedamsa",
                           "mnuSub_Shashtyamsa=Shasht&yamsa"};
        QTest::newRow("Help") << "mnuHelp" << "&Help"
                              << QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online", "-",
                                             "mnuUpdate=Check for Software &Update", "-", "mnuAbout=&About Software",
                                             "mnuMoney=Make Money &Online"};
    }
    void menus() {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QStringList, entries);
        MDI* frame = Open(DelhiRecord(9, 5));
        auto* m = frame->findChild<QMenu*>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), caption);
        QStringList actual;
        for (QAction* a : m->actions()) {
            if (a->isSeparator())
                actual << "-";
            else
                actual << (a->menu() ? a->menu()->objectName() : a->objectName()) + "=" + a->text();
        }
        QCOMPARE(actual, entries);
    }

    // A keyboard drives every menu: each entry the program added has an access key of its
    // own in its menu (Alt and the letter then choose it, rather than only moving the
    // highlight); the captions the program was given keep theirs exactly as written, shared
    // keys and all. The chart window's menus and the main form's, in every language.
    void accessKeysAreUniqueInEachMenu_data() {
        QTest::addColumn<Language>("lang");
        for (const Language lang : kLanguages) QTest::newRow(LanguageCode(lang).data()) << lang;
    }
    void accessKeysAreUniqueInEachMenu() {
        QFETCH(Language, lang);
        UseInterfaceLanguage(lang);
        static const QSet<QString> given{
            "&File", "&New", "Save &As", "Save As &JPEG", "&Export Chart As Text", "&Print", "&Back", "E&xit",
            "&View", "&Toolbar", "&Status Bar", "&Chart Style", "&North Indian", "&South Indian", "&Natal Indian",
            "Colo&r Style", "O&n", "O&ff", "&Chart", "&Divisional Charts", "&Hora", "&Drekkana", "&Sapthamsa",
            "&Navamsa", "&D&asamsa", "D&wadasamsa", "&Help", "&Online Help", "&Visit Us Online",
            "Check for Software &Update", "&About Software", "Make Money &Online", "Get My &Rasi Chart", "&Exit"};
        MDI* frame = Open(DelhiRecord(9, 5));
        frmMain form(program_);
        QStringList faults;
        const auto walk = [&](const QString& where, const QList<QAction*>& actions, auto&& self) -> void {
            QMap<int, QStringList> byKey;
            for (QAction* a : actions) {
                if (a->isSeparator()) continue;
                const QKeySequence key = QKeySequence::mnemonic(a->text());
                if (key.isEmpty()) {
                    if (!given.contains(a->text())) faults << where + ": no access key in \"" + a->text() + "\"";
                } else {
                    byKey[key[0].toCombined()] << a->text();
                }
                if (a->menu()) self(where + " > " + QString(a->text()).remove('&'), a->menu()->actions(), self);
            }
            for (const QStringList& captions : byKey) {
                if (captions.size() < 2) continue;
                bool allGiven = true;
                for (const QString& c : captions) allGiven = allGiven && given.contains(c);
                if (!allGiven) faults << where + ": one access key for " + captions.join(", ");
            }
        };
        walk("chart window", frame->menuBar()->actions(), walk);
        walk("main form", form.menuBar()->actions(), walk);
        UseInterfaceLanguage(Language::English);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void menuBarOrder() {
        MDI* frame = Open(DelhiRecord(9, 5));
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&View", "&Help"}));
    }

    void initialMarks() {
        MDI* frame = Open(DelhiRecord(9, 5));
        QCOMPARE(CheckedEntries(frame), kInitiallyChecked);
        // Exactly these entries of the menus carry marks, the sky's eight, the twelve reading
        // options (the dasha's five systems and three year lengths, the two sunrise rules and the
        // two ashtakavarga tables) and the three languages.
        int checkable = 0;
        for (QMenu* menu : frame->findChildren<QMenu*>(QRegularExpression("^mnu")))
            for (QAction* a : menu->actions()) checkable += a->isCheckable() ? 1 : 0;
        QCOMPARE(checkable, kCheckable.size() + 8 + 12 + 3);
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->display()->isVisible());
    }

    void groups_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QStringList>("checked");
        QTest::newRow("North Indian again stays checked") << QStringList{"mnuNorth"} << kInitiallyChecked;
        QTest::newRow("South Indian") << QStringList{"mnuSouth"}
                                      << QStringList{"mnuToolBar", "mnuStatusBar", "mnuSouth", "mnuColorOff", "mnuChart"};
        QTest::newRow("Natal after South") << QStringList{"mnuSouth", "mnuNatal"}
                                           << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNatal", "mnuColorOff",
                                                          "mnuChart"};
        QTest::newRow("colour on") << QStringList{"mnuColorOn"}
                                   << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOn", "mnuChart"};
        QTest::newRow("colour on, off") << QStringList{"mnuColorOn", "mnuColorOff"} << kInitiallyChecked;
        QTest::newRow("Navamsa") << QStringList{"mnuSub_Navamsa"}
                                 << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOff",
                                                "mnuSub_Navamsa"};
        QTest::newRow("Hora then Dasamsa") << QStringList{"mnuSub_Hora", "mnuSub_Dasamsa"}
                                           << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOff",
                                                          "mnuSub_Dasamsa"};
        QTest::newRow("Chart again stays checked") << QStringList{"mnuChart"} << kInitiallyChecked;
        QTest::newRow("Navamsa twice") << QStringList{"mnuSub_Navamsa", "mnuSub_Navamsa"}
                                       << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOff",
                                                      "mnuSub_Navamsa"};
        QTest::newRow("Navamsa then Dasha") << QStringList{"mnuSub_Navamsa", "mnuDasha"}
                                            << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOff",
                                                           "mnuDasha"};
        QTest::newRow("Panchanga then Chart") << QStringList{"mnuPanchanga", "mnuChart"} << kInitiallyChecked;
        QTest::newRow("Dwadasamsa then Chart") << QStringList{"mnuSub_Dwadasamsa", "mnuChart"} << kInitiallyChecked;
        QTest::newRow("groups apart") << QStringList{"mnuNatal", "mnuColorOn", "mnuSub_Drekkana", "mnuSub_Sapthamsa"}
                                      << QStringList{"mnuToolBar", "mnuStatusBar", "mnuNatal", "mnuColorOn",
                                                     "mnuSub_Sapthamsa"};
    }
    void groups() {
        QFETCH(QStringList, chosen);
        QFETCH(QStringList, checked);
        MDI* frame = Open(DelhiRecord(9, 5));
        for (const QString& name : chosen) Entry(frame, name)->trigger();
        QCOMPARE(CheckedEntries(frame), checked);
    }

    void choicesRedrawTheChartOnShow_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("title");  // in the band above the chart and in the status bar
        const int north = int(ChartStyle::North), south = int(ChartStyle::South), east = int(ChartStyle::East);
        QTest::newRow("South Indian") << QStringList{"mnuSouth"} << south << false << "Rashi (D1), South Indian";
        QTest::newRow("Natal Indian draws the East Indian chart")
            << QStringList{"mnuNatal"} << east << false << "Rashi (D1), East Indian";
        QTest::newRow("North again") << QStringList{"mnuNatal", "mnuNorth"} << north << false
                                     << "Rashi (D1), North Indian";
        QTest::newRow("colour on, off") << QStringList{"mnuColorOn", "mnuColorOff"} << north << false
                                        << "Rashi (D1), North Indian";
        QTest::newRow("Navamsa, then South, colour")
            << QStringList{"mnuSub_Navamsa", "mnuSouth", "mnuColorOn"} << south << true << "Navamsa (D9), South Indian";
        QTest::newRow("East, then Hora") << QStringList{"mnuNatal", "mnuColorOn", "mnuSub_Hora"} << east << true
                                         << "Hora (D2), East Indian";
    }
    void choicesRedrawTheChartOnShow() {
        QFETCH(QStringList, chosen);
        QFETCH(int, style);
        QFETCH(bool, colour);
        QFETCH(QString, title);
        MDI* frame = Open(DelhiRecord(9, 5));
        const QStringList captions = AllCaptions(frame->display());
        for (const QString& name : chosen) {
            const QImage before = frame->viewOnShow()->grab().toImage();
            Entry(frame, name)->trigger();
            QVERIFY2(frame->viewOnShow()->grab().toImage() != before, qPrintable(name));
            // The picture store follows every choice.
            QCOMPARE(frame->Picture().toImage(), frame->viewOnShow()->grab().toImage());
        }
        QVERIFY(frame->viewOnShow()->isVisible());
        ChartCanvas* chart = frame->viewRow() == 0 ? frame->display()->chart() : dynamic_cast<DivisionalView*>(frame->currentView())->chart();
        QCOMPARE(int(chart->chartStyle()), style);
        QCOMPARE(chart->colour(), colour);
        QLabel* band = frame->viewRow() == 0 ? frame->display()->lblChartName() : dynamic_cast<DivisionalView*>(frame->currentView())->lblChartName();
        QCOMPARE(band->text(), title + kBuiltinSky);
        QCOMPARE(Label(frame, "lblStatusView")->text(), title + kBuiltinSky);
        QCOMPARE(AllCaptions(frame->display()), captions);
    }
    void toolbarToggle() {
        MDI* frame = Open(DelhiRecord(9, 5));
        QAction* toolbar = Entry(frame, "mnuToolBar");
        toolbar->trigger();
        QVERIFY(!toolbar->isChecked());
        QVERIFY(!frame->toolBar()->isVisible());
        toolbar->trigger();
        QVERIFY(toolbar->isChecked());
        QVERIFY(frame->toolBar()->isVisible());
    }

    void statusBarShowsTheChartAndTheReading() {
        MDI* frame = Open(DelhiRecord(9, 5));
        auto* bar = frame->findChild<QStatusBar*>();
        QVERIFY(bar && bar->isVisible());
        QCOMPARE(Label(frame, "lblStatusView")->text(), "Rashi (D1), North Indian" + kBuiltinSky);
        QCOMPARE(Label(frame, "lblStatusFile")->text(), QString());
        frame->SetReadingFileName(QDir::temp().filePath("asha.vlj"));
        QCOMPARE(Label(frame, "lblStatusFile")->text(), QString("asha.vlj"));

        QAction* status = Entry(frame, "mnuStatusBar");
        status->trigger();
        QVERIFY(!status->isChecked());
        QVERIFY(!bar->isVisible());
        QCOMPARE(CheckedEntries(frame), (QStringList{"mnuToolBar", "mnuNorth", "mnuColorOff", "mnuChart"}));
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->display()->isVisible());
        status->trigger();
        QVERIFY(status->isChecked());
        QVERIFY(bar->isVisible());
    }

    void viewSwitch_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("division");
        QTest::addColumn<QString>("title");
        for (int v = 0; v < kVargaCount; ++v)
            QTest::newRow(kVargaEntries[v]) << QString(kVargaEntries[v]) << v << Q(std::string(kVargas[std::size_t(v)].Title));
    }
    void viewSwitch() {
        // A divisional entry puts that chart in the natal display's place; "&Chart" brings the
        // natal display back as it was.
        QFETCH(QString, entry);
        QFETCH(int, division);
        QFETCH(QString, title);
        MDI* frame = Open(IndependenceRecord());
        const QStringList before = AllCaptions(frame->display());
        const QImage look = frame->display()->grab().toImage();
        Entry(frame, entry)->trigger();
        QVERIFY(!frame->display()->isVisible());
        auto* view = dynamic_cast<DivisionalView*>(frame->currentView());
        QVERIFY(view->isVisible());
        QCOMPARE(frame->viewOnShow(), view);
        QCOMPARE(view->lblChartName()->text(), title + ", North Indian" + kBuiltinSky);
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->findChild<QWidget*>("picTop")->isVisible());
        QVERIFY(frame->findChild<QPushButton*>("cmdExit")->isVisible());
        // Houses from the divisional ascendant, the bodies with their marks, and the table.
        const auto signs = AllVargas(program_.Chart)[std::size_t(division)];
        const HouseCaptions houses = DivisionalHouses(program_.Chart, signs);
        for (int h = 0; h < kHouseCount; ++h) {
            QCOMPARE(view->chart()->HouseSign(h), houses.Signs[std::size_t(h)]);
            QCOMPARE(view->chart()->HouseCaption(h), Q(houses.Texts[std::size_t(h)]));
        }
        QVERIFY(view->chart()->HouseCaption(0).startsWith("Asc"));
        for (int i = 0; i < kDivisionalPoints; ++i) {
            const int sign = SignNumber(signs[std::size_t(i)]);
            QVERIFY(view->SignCell(i)->text().startsWith(QString::number(sign) + " "));
        }
        QVERIFY(Label(view, "lblDivisionalDetail_0")->text().startsWith("Name: "));

        Entry(frame, "mnuChart")->trigger();
        QVERIFY(frame->display()->isVisible());
        QVERIFY(!view->isVisible());
        QCOMPARE(AllCaptions(frame->display()), before);
        QCOMPARE(frame->display()->grab().toImage(), look);
        QCOMPARE(frame->display()->mapTo(frame->displayWindow()->mdiArea(), QPoint()), QPoint(0, 0));
    }

    void toolbarButtons_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("fired");
        QTest::addColumn<bool>("frameCloses");
        QTest::newRow("New") << "New" << QStringList{"mainFormRequested"} << true;
        QTest::newRow("Open asks for a reading") << "Open" << QStringList{"openRequested"} << false;
        QTest::newRow("Save is Save As") << "Save" << QStringList{"saveAsRequested"} << false;
        QTest::newRow("Print") << "Print" << QStringList{"printRequested"} << false;
    }
    void toolbarButtons() {
        QFETCH(QString, key);
        QFETCH(QStringList, fired);
        QFETCH(bool, frameCloses);
        MDI* frame = Open(DelhiRecord(9, 5));
        SignalLog log(frame);
        const QStringList before = AllCaptions(frame->display());
        const QStringList marks = CheckedEntries(frame);
        QAction* button = nullptr;
        for (QAction* a : frame->toolBar()->actions())
            if (a->data().toString() == key) button = a;
        QVERIFY(button);
        QTest::mouseClick(frame->toolBar()->widgetForAction(button), Qt::LeftButton);
        QCOMPARE(log.fired, fired);
        FlushDeletes();
        QCOMPARE(frame_.isNull(), frameCloses);
        if (!frameCloses) {
            QVERIFY(frame->isVisible());
            QCOMPARE(AllCaptions(frame->display()), before);
            QCOMPARE(CheckedEntries(frame), marks);
        }
    }

    void unknownToolbarKeyDoesNothing() {
        MDI* frame = Open(DelhiRecord(9, 5));
        SignalLog log(frame);
        for (const char* key : {"Help", "new", "Save ", ""}) frame->TB_ButtonClick(QString::fromLatin1(key));
        QVERIFY(log.fired.isEmpty());
        QVERIFY(frame->isVisible());
    }

    void waysOut_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fired");
        QTest::newRow("Back button") << "cmdBack" << "mainFormRequested";
        QTest::newRow("Back menu") << "mnuBack" << "mainFormRequested";
        QTest::newRow("New menu") << "mnuNew" << "mainFormRequested";
        QTest::newRow("Exit button") << "cmdExit" << "exitRequested";
        QTest::newRow("Exit menu") << "mnuExit" << "exitRequested";
        QTest::newRow("close box") << "close" << "exitRequested";
    }
    void waysOut() {
        QFETCH(QString, how);
        QFETCH(QString, fired);
        MDI* frame = Open(DelhiRecord(9, 5));
        SignalLog log(frame);
        QPointer<frmDisplay> display = frame->display();
        if (how == "close")
            frame->close();
        else if (how.startsWith("cmd"))
            QTest::mouseClick(frame->findChild<QPushButton*>(how), Qt::LeftButton);
        else
            Entry(frame, how)->trigger();
        QCOMPARE(log.fired, QStringList{fired});
        QVERIFY(!frame->isVisible());
        FlushDeletes();
        QVERIFY(frame_.isNull());
        QVERIFY(display.isNull());
    }

    void outputCommands_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("fired");
        QTest::newRow("Save As") << "mnuSaveAs" << "saveAsRequested";
        QTest::newRow("Save As JPEG menu") << "mnuSaveAsJpeg" << "saveAsJpegRequested";
        QTest::newRow("Save As JPEG button") << "cmdSaveAsJPEG" << "saveAsJpegRequested";
        QTest::newRow("Export") << "mnuExport" << "exportRequested";
        QTest::newRow("Print") << "mnuPrint" << "printRequested";
    }
    void outputCommands() {
        QFETCH(QString, how);
        QFETCH(QString, fired);
        MDI* frame = Open(DelhiRecord(9, 5));
        SignalLog log(frame);
        if (how.startsWith("cmd"))
            QTest::mouseClick(frame->findChild<QPushButton*>(how), Qt::LeftButton);
        else
            Entry(frame, how)->trigger();
        QCOMPARE(log.fired, QStringList{fired});
        FlushDeletes();
        QVERIFY(frame_ && frame->isVisible());
    }

    void newFrameStartsAfresh() {
        MDI* frame = Open(DelhiRecord(9, 5));
        for (const char* name : {"mnuToolBar", "mnuStatusBar", "mnuNorth", "mnuColorOn", "mnuSub_Navamsa"})
            Entry(frame, name)->trigger();
        QVERIFY(!frame->toolBar()->isVisible());
        Entry(frame, "mnuBack")->trigger();
        FlushDeletes();
        QVERIFY(frame_.isNull());

        frame = Open(IndependenceRecord());
        QVERIFY(frame->toolBar()->isVisible());
        QVERIFY(frame->display()->isVisible());
        QCOMPARE(CheckedEntries(frame), kInitiallyChecked);
        QCOMPARE(Label(frame->display(), "lblDOB")->text(), QString("Date of Birth: August 15, 1947"));
    }

    void activationIsAnnounced() {
        // The picture of the display is taken whenever the frame becomes the active window.
        MDI* frame = Open(DelhiRecord(9, 5));
        int activations = 0;
        connect(frame, &MDI::frameActivated, this, [&] { ++activations; });
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTRY_VERIFY(activations >= 1);
    }

    void aboutBoxIsModal() {
        MDI* frame = Open(DelhiRecord(9, 5));
        QString title, text;
        bool modal = false;
        // Answers the box once it is up; the menu entry returns only when it is closed.
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) return;
            answer.stop();
            modal = box->isModal() && qobject_cast<AboutBox*>(box);
            title = box->windowTitle();
            for (QLabel* label : box->findChildren<QLabel*>()) text += label->text() + "\n";
            // Its link opens the guide where it explains why another program differs.
            auto* link = box->findChild<QLabel*>("lblOtherAnswers");
            if (link) emit link->linkActivated(QStringLiteral("#other-answers"));
            qobject_cast<QDialog*>(box)->accept();
        });
        QList<QUrl> opened;
        SetUrlHandler([&](const QUrl& url) {
            opened << url;
            return true;
        });
        answer.start();
        Entry(frame, "mnuAbout")->trigger();
        QVERIFY(modal);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0].fragment(), QString("other-answers"));
        QFile page(opened[0].toLocalFile());
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<h2 id=\"other-answers\">"));
        QVERIFY(title.contains("Velakor"));
        QVERIFY(text.contains("Velakor"));
        QVERIFY(text.contains("1.70"));
        QVERIFY(text.contains("birth chart"));
    }

    void helpEntriesOpenTheUserGuide_data() {
        QTest::addColumn<QString>("entry");
        for (const char* name : {"mnuOnline", "mnuVisit", "mnuUpdate", "mnuMoney"}) QTest::newRow(name) << QString(name);
    }
    void helpEntriesOpenTheUserGuide() {
        QFETCH(QString, entry);
        QList<QUrl> opened;
        SetUrlHandler([&](const QUrl& url) {
            opened << url;
            return true;
        });
        MDI* frame = Open(DelhiRecord(9, 5));
        Entry(frame, entry)->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isLocalFile());
        QFile page(opened[0].toLocalFile());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QByteArray html = page.readAll();
        QVERIFY(html.contains("<title>Velakor 1.70 - User Guide</title>"));
        QVERIFY(html.contains("North Indian"));
    }
};

QTEST_MAIN(TestChartWindow)
#include "test_chart_window.moc"
