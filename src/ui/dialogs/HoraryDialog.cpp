#include "ui/dialogs/HoraryDialog.h"

#include <QPushButton>
#include <cmath>

#include "astro/CivilTime.h"
#include "kp/KpChart.h"
#include "sky/PreciseSky.h"
#include "sky/SkyTables.h"
#include "transit/Transit.h"
#include "ui/dialogs/Seams.h"
#include "ui/views/ReadingTexts.h"
#include "ui_HoraryDialog.h"

namespace velakor {

HoraryDialog::HoraryDialog(const Program& program, const std::optional<HoraryQuestion>& last, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::HoraryDialog>()), program_(program) {
    ui_->setupUi(this);
    offset_ = BirthUtcOffsetMinutes(program.Birth);
    ui_->dtpHoraryMoment->setTimeSpec(Qt::UTC);  // the birth's clock, read as a plain date and time
    ui_->lblHoraryZone->setText(QStringLiteral("UTC") + QText(OffsetText(offset_)) + QStringLiteral(", the birth's clock"));
    connect(ui_->cmdHoraryNow, &QPushButton::clicked, this, [this] { SetMoment(TodayJulianDay(program_.Reading)); });

    HoraryQuestion q;
    if (last) {
        q = *last;
        ui_->txtHoraryNumber->setText(QString::number(q.Number));
    } else {
        q.JdUt = TodayJulianDay(program.Reading);
        q.Place = {BirthLatitude(program.Birth), BirthLongitude(program.Birth)};
        q.PlaceName = QText(program.Birth.BirthCity);
    }
    SetMoment(q.JdUt);
    ui_->txtHoraryPlace->setText(q.PlaceName);
    // Whole minutes of arc, as the birth's own are typed.
    const auto minutes = [](double degrees) { return static_cast<int>(std::lround(std::abs(degrees) * 60.0)); };
    ui_->spnHoraryLatDeg->setValue(minutes(q.Place.Latitude) / 60);
    ui_->spnHoraryLatMin->setValue(minutes(q.Place.Latitude) % 60);
    ui_->cboHoraryLatDir->setCurrentIndex(q.Place.Latitude < 0 ? 1 : 0);
    ui_->spnHoraryLonDeg->setValue(minutes(q.Place.Longitude) / 60);
    ui_->spnHoraryLonMin->setValue(minutes(q.Place.Longitude) % 60);
    ui_->cboHoraryLonDir->setCurrentIndex(q.Place.Longitude < 0 ? 1 : 0);
    ui_->txtHoraryNumber->setFocus();
    ui_->txtHoraryNumber->selectAll();
    connect(ui_->buttonBox, &QDialogButtonBox::accepted, this, &HoraryDialog::accept);
    connect(ui_->buttonBox, &QDialogButtonBox::rejected, this, &HoraryDialog::reject);
}

HoraryDialog::~HoraryDialog() = default;

void HoraryDialog::SetMoment(double jdUt) {
    const CivilMoment c = CivilFromJd(jdUt, offset_);
    ui_->dtpHoraryMoment->setDateTime(QDateTime(QDate(c.Year, c.Month, c.Day), QTime(c.Hour, c.Minute), Qt::UTC));
}

std::optional<HoraryQuestion> HoraryDialog::Question(QString& message) const {
    // Only a whole number in range: "1.5", "x" and "250" are refused, never rounded.
    bool whole = false;
    const int number = ui_->txtHoraryNumber->text().trimmed().toInt(&whole);
    if (!whole || number < 1 || number > kSubCount) {
        message = QStringLiteral("The horary number must be a whole number from 1 to 249.");
        return std::nullopt;
    }
    const int lonDeg = ui_->spnHoraryLonDeg->value();
    const int lonMin = ui_->spnHoraryLonMin->value();
    if (lonDeg == 180 && lonMin > 0) {
        message = QStringLiteral("The longitude of the place must be at most 180\u00B0 0'.");
        return std::nullopt;
    }
    HoraryQuestion q;
    q.Number = number;
    q.Offset = offset_;
    const QDateTime t = ui_->dtpHoraryMoment->dateTime();
    q.JdUt = JdFromCivil(t.date().year(), t.date().month(), t.date().day(),
                         t.time().hour() + t.time().minute() / 60.0, offset_);
    const double lat = ui_->spnHoraryLatDeg->value() + ui_->spnHoraryLatMin->value() / 60.0;
    const double lon = lonDeg + lonMin / 60.0;
    q.Place = {ui_->cboHoraryLatDir->currentIndex() == 1 ? -lat : lat, ui_->cboHoraryLonDir->currentIndex() == 1 ? -lon : lon};
    q.PlaceName = ui_->txtHoraryPlace->text().trimmed();
    const SkyTables* tables = SkyTables::Shared();
    if (tables == nullptr) {
        message = QStringLiteral("The precise sky's tables cannot be read: a horary chart needs them.");
        return std::nullopt;
    }
    if (!PreciseSky(*tables, KpSkyChoice(program_.SkyInUse)).Covers(q.JdUt)) {
        message = QText(OutsideSkyMessage(q.JdUt, offset_));
        return std::nullopt;
    }
    return q;
}

void HoraryDialog::accept() {
    QString message;
    const std::optional<HoraryQuestion> q = Question(message);
    if (!q) {
        // The fields stay as typed, for the user to put right.
        ShowMessage(this, message, BoxIcon::Exclamation);
        ui_->txtHoraryNumber->setFocus();
        return;
    }
    question_ = *q;
    QDialog::accept();
}

bool HoraryDialog::Ask(QWidget* parent, ViewSources& sources) {
    HoraryDialog dialog(sources.program(), sources.horary(), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    sources.setHorary(dialog.question());
    return true;
}

}  // namespace velakor
