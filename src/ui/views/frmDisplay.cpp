#include "ui/views/frmDisplay.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <utility>

#include "chart/DivisionalCharts.h"
#include "ui/settings/InterfaceLanguage.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/Fonts.h"
#include "ui/window/ViewSources.h"
#include "ui_frmDisplay.h"

namespace velakor {
namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

QString Number(int value) { return QString::number(value); }

void SetSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

QStringList BirthDetailTexts(const BirthRecord& b) {
    const QString month = QLocale().standaloneMonthName(b.BirthMonth, QLocale::LongFormat);
    return {QStringLiteral("Name: ") + FromUtf8(b.BirthName),
            QStringLiteral("City: ") + FromUtf8(b.BirthCity),
            QStringLiteral("State: ") + FromUtf8(b.BirthState),
            QStringLiteral("Country: ") + FromUtf8(b.BirthCountry),
            QStringLiteral("Date of Birth: ") + month + QLatin1Char(' ') + Number(b.BirthDay) + QStringLiteral(", ") +
                Number(b.BirthYear),
            QStringLiteral("Time of Birth: ") + Number(b.BirthHour) + QStringLiteral(" Hour ") + Number(b.BirthMinute) +
                QStringLiteral(" Minute"),
            QStringLiteral("Latitude: ") + Number(b.LatDeg) + QStringLiteral(" Degree ") + Number(b.LatMin) +
                QStringLiteral(" Minute"),
            QStringLiteral("Longitude: ") + Number(b.LonDeg) + QStringLiteral(" Degree ") + Number(b.LonMin) +
                QStringLiteral(" Minute")};
}

frmDisplay::frmDisplay(const Program& program, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmDisplay>()) {
    ui_->setupUi(this);
    setFixedSize(kWidth, kHeight);

    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    for (QGroupBox* frame : {ui_->fraVedic, ui_->fraWestern}) {
        frame->setPalette(white);
        frame->setAutoFillBackground(true);
    }

    planets_ = {ui_->lblPlanets_0, ui_->lblPlanets_1, ui_->lblPlanets_2,  ui_->lblPlanets_3,
                ui_->lblPlanets_4, ui_->lblPlanets_5, ui_->lblPlanets_6,  ui_->lblPlanets_7,
                ui_->lblPlanets_8, ui_->lblPlanets_9, ui_->lblPlanets_10, ui_->lblPlanets_11};
    positions_ = {ui_->lblPlanet_Position_0, ui_->lblPlanet_Position_1, ui_->lblPlanet_Position_2,
                  ui_->lblPlanet_Position_3, ui_->lblPlanet_Position_4, ui_->lblPlanet_Position_5,
                  ui_->lblPlanet_Position_6, ui_->lblPlanet_Position_7, ui_->lblPlanet_Position_8,
                  ui_->lblPlanet_Position_9, ui_->lblPlanet_Position_10, ui_->lblPlanet_Position_11};
    planetCells_ = {ui_->Planet_0, ui_->Planet_1, ui_->Planet_2, ui_->Planet_3,
                    ui_->Planet_4, ui_->Planet_5, ui_->Planet_6, ui_->Planet_7,
                    ui_->Planet_8, ui_->Planet_9, ui_->Planet_10};

    // The captions stay with the labels; the chart draws them where they fit.
    for (QLabel* label : planets_) label->hide();
    for (QLabel* label : positions_) label->hide();
    // The ascendant and midheaven are carried in the table but never shown.
    ui_->Planet_9->hide();
    ui_->Planet_10->hide();
    ui_->Picture1->hide();

    ApplyFonts();
    ComposeBirthDetails(program);
}

frmDisplay::~frmDisplay() = default;

QLabel* frmDisplay::lblAyanamsha() const { return ui_->lblAyanamsha; }
QLabel* frmDisplay::lblLagna() const { return ui_->lblLagna; }
QLabel* frmDisplay::lblNakshatra() const { return ui_->lblNakshatra; }
QLabel* frmDisplay::lblRashi() const { return ui_->lblRashi; }
QLabel* frmDisplay::lblPada() const { return ui_->lblPada; }
QLabel* frmDisplay::lblLord() const { return ui_->lblLord; }
QLabel* frmDisplay::Picture1() const { return ui_->Picture1; }

void frmDisplay::setPicture(const QPixmap& picture) {
    picture_ = picture;
    ui_->Picture1->setPixmap(picture);
}

void frmDisplay::SetHouse(int h, int sign, const QString& planets, HouseLines bodies) {
    SetSizedText(lblPlanet_Position(h), sign > 0 ? QString::number(sign) : QString());
    lblPlanets(h)->setText(planets);
    ui_->picNorth->SetHouse(h, sign, planets, std::move(bodies));
}

ChartCanvas* frmDisplay::chart() const { return ui_->picNorth; }

void frmDisplay::SetChartName(const QString& name) { ui_->lblChartName->setText(name); }

QLabel* frmDisplay::lblChartName() const { return ui_->lblChartName; }

void frmDisplay::SetCellText(QLabel* cell, const QString& text) {
    // A name longer than its cell ("Poorva Bhadrapada") is set a little smaller rather than
    // cut off at the cell's edge.
    QFont font = VerdanaFont(kCellPointSize);
    const int smallest = VerdanaFont(kSmallestCellPointSize).pixelSize();
    cell->setText(text);
    const int room = cell->contentsRect().width() - 2 * cell->margin() - 2;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pixelSize() > smallest) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    cell->setFont(font);
}

void frmDisplay::ApplyFonts() {
    // Designer files keep whole point sizes only; the display's faces are 8.25 and 9.75 pt.
    const QFont regular = VerdanaFont(8.25);
    const QFont bold = VerdanaFont(8.25, true);
    const QFont cells = VerdanaFont(kCellPointSize);
    setFont(regular);
    for (QLabel* label : planets_) label->setFont(regular);
    for (QLabel* label : positions_) label->setFont(bold);
    for (QLabel* label : {ui_->lblName, ui_->lblCity, ui_->lblState, ui_->lblCountry, ui_->lblDOB,
                          ui_->lblTOB, ui_->lblLatitude, ui_->lblLongitude})
        label->setFont(bold);
    ui_->lblChartName->setFont(VerdanaFont(12, true));
    for (QGroupBox* frame : {ui_->fraVedic, ui_->fraWestern}) {
        frame->setFont(bold);
        for (QLabel* cell : frame->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            cell->setFont(cells);
    }
}

void frmDisplay::ComposeBirthDetails(const Program& program) {
    const QStringList texts = BirthDetailTexts(program.Birth);
    const std::array<QLabel*, 8> labels{ui_->lblName, ui_->lblCity,  ui_->lblState,    ui_->lblCountry,
                                        ui_->lblDOB,  ui_->lblTOB,   ui_->lblLatitude, ui_->lblLongitude};
    for (std::size_t i = 0; i < labels.size(); ++i) SetSizedText(labels[i], texts[static_cast<qsizetype>(i)]);
}

QString frmDisplay::Title(const ViewSources& sources) const {
    return QString::fromStdString(VargaTitle(0, InterfaceLanguage())) + QStringLiteral(", ") +
           ViewSources::StyleName(sources.style());
}

void frmDisplay::Fill(ViewSources& sources) {
    const Program& program = sources.program();
    const ChartTexts& c = program.Texts;
    SetCellText(lblAyanamsha(), QString::fromStdString(c.AyanamsaText));
    SetCellText(lblLagna(), QString::fromStdString(c.LagnaSignName));
    SetCellText(lblNakshatra(), QString::fromStdString(c.NakshatraText));
    SetCellText(lblRashi(), QString::fromStdString(c.RashiText));
    SetCellText(lblPada(), QString::fromStdString(c.NakshatraPada));
    SetCellText(lblLord(), QString::fromStdString(c.NakshatraLord));
    for (int i = 0; i < kPlanetCells; ++i) SetCellText(Planet(i), QString::fromStdString(c.ChartPositions[static_cast<std::size_t>(i)]));

    // Without texts no chart was ever computed: leave the houses' signs blank.
    const bool computed = !c.HouseTexts[0].empty();
    for (int h = 0; h < kHouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        SetHouse(h, computed ? SignNumber(program.Chart.HouseSigns[i]) : 0, QString::fromStdString(c.HouseTexts[i]),
                 c.HouseBodies[i]);
    }
    ComposeBirthDetails(program);
    chart()->SetStyle(sources.style());
    chart()->SetColour(sources.colour());
    chart()->SetName(QString::fromUtf8(kRashiTitle.data(), static_cast<qsizetype>(kRashiTitle.size())));
    SetChartName(sources.WithSky(Title(sources)));
}

}  // namespace velakor
