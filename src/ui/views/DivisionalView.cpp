#include "ui/views/DivisionalView.h"

#include <QGroupBox>
#include <QLabel>

#include "chart/DivisionalCharts.h"
#include "ui/settings/InterfaceLanguage.h"
#include "chart/NameTables.h"
#include "ui/drawing/ChartCanvas.h"
#include "ui/drawing/Fonts.h"
#include "ui/views/frmDisplay.h"
#include "ui/window/ViewSources.h"

namespace velakor {
namespace {

constexpr std::array<const char*, kDivisionalPoints> kPointNames{
    "Surya / Sun",   "Chandra / Moon", "Budha / Mercury",   "Shukra / Venus",    "Mangala / Mars",
    "Guru / Jupiter", "Shani / Saturn", "Rahu / North Node", "Ketu / South Node", "Lagna / Asc"};

QLabel* Cell(const QString& name, const QString& text, const QRect& place, QWidget* parent) {
    auto* cell = new QLabel(text, parent);
    cell->setObjectName(name);
    cell->setTextFormat(Qt::PlainText);
    cell->setFrameShape(QFrame::Box);
    cell->setFrameShadow(QFrame::Plain);
    cell->setIndent(2);
    cell->setGeometry(place);
    cell->setFont(VerdanaFont(8.25));
    return cell;
}

}  // namespace

DivisionalView::DivisionalView(int d, QWidget* parent) : QWidget(parent), division_(d) {
    setFixedSize(frmDisplay::kWidth, frmDisplay::kHeight);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);
    setAutoFillBackground(true);
    setFont(VerdanaFont(8.25));

    name_ = new QLabel(this);
    name_->setObjectName(QStringLiteral("lblDivisionalName"));
    name_->setTextFormat(Qt::PlainText);
    name_->setFont(VerdanaFont(12, true));
    name_->setGeometry(frmDisplay::kChartLeft, 76, 823, 24);

    chart_ = new ChartCanvas(this);
    chart_->setObjectName(QStringLiteral("picDivisional"));
    chart_->setGeometry(frmDisplay::kChartLeft, frmDisplay::kChartTop, frmDisplay::kChartWidth,
                        frmDisplay::kChartHeight);

    // The birth details where the natal display has them.
    for (std::size_t i = 0; i < details_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblDivisionalDetail_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setFont(VerdanaFont(8.25, true));
        label->move(TwipsToPixels(6840), TwipsToPixels(1680 + 360 * static_cast<int>(i)));
        details_[i] = label;
    }

    // The ten signs in two columns of five, where the natal display has its tables.
    table_ = new QGroupBox(QStringLiteral("Divisional Signs"), this);
    table_->setObjectName(QStringLiteral("fraDivisional"));
    table_->setFont(VerdanaFont(8.25, true));
    table_->setPalette(white);
    table_->setAutoFillBackground(true);
    table_->setGeometry(TwipsToPixels(6840), TwipsToPixels(4680), 503, 171);
    constexpr int kRows = 5, kNameWidth = 130, kSignWidth = 104, kRowHeight = 19, kRowStep = 27;
    for (int i = 0; i < kDivisionalPoints; ++i) {
        const int column = i / kRows, row = i % kRows;
        const int left = 8 + column * (kNameWidth + kSignWidth + 19);
        const int top = 24 + row * kRowStep;
        Cell(QStringLiteral("DivisionalName_%1").arg(i), QString::fromLatin1(kPointNames[static_cast<std::size_t>(i)]),
             QRect(left, top, kNameWidth, kRowHeight), table_);
        signCells_[static_cast<std::size_t>(i)] =
            Cell(QStringLiteral("DivisionalSign_%1").arg(i), QString(), QRect(left + kNameWidth + 2, top, kSignWidth, kRowHeight), table_);
    }
}

void DivisionalView::SetChartName(const QString& name) { name_->setText(name); }

void DivisionalView::ShowDivision(const Program& program, int d) {
    division_ = d;
    const Division& division = kVargas.at(static_cast<std::size_t>(d));
    chart_->SetName(QString::fromUtf8(division.Title.data(), static_cast<qsizetype>(division.Title.size())));
    const auto signs = AllVargas(program.Chart)[static_cast<std::size_t>(d)];
    const HouseCaptions houses = DivisionalHouses(program.Chart, signs);
    for (int h = 0; h < kHouseCount; ++h) {
        const auto i = static_cast<std::size_t>(h);
        chart_->SetHouse(h, houses.Signs[i], QString::fromStdString(houses.Texts[i]), houses.Bodies[i]);
    }
    for (std::size_t i = 0; i < signCells_.size(); ++i) {
        const std::string_view name = SignSanskritName(signs[i]);
        signCells_[i]->setText(QStringLiteral("%1 %2").arg(SignNumber(signs[i])).arg(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))));
    }
    const QStringList texts = BirthDetailTexts(program.Birth);
    for (std::size_t i = 0; i < details_.size(); ++i) {
        details_[i]->setText(texts[static_cast<qsizetype>(i)]);
        details_[i]->adjustSize();
    }
}

QString DivisionalView::Title(const ViewSources& sources) const {
    return QString::fromStdString(VargaTitle(division_, InterfaceLanguage())) + QStringLiteral(", ") +
           ViewSources::StyleName(sources.style());
}

void DivisionalView::Fill(ViewSources& sources) {
    chart_->SetStyle(sources.style());
    chart_->SetColour(sources.colour());
    ShowDivision(sources.program(), division_);
    SetChartName(sources.WithSky(Title(sources)));
}

}  // namespace velakor
