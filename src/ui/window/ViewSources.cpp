#include "ui/window/ViewSources.h"

#include <QCoreApplication>

#include "sky/Sky.h"
#include "ui/views/ReadingTexts.h"
#include "ui/window/ChartView.h"

namespace velakor {

ViewSources::ViewSources(Program& program, QObject* parent) : QObject(parent), program_(program) {}

void ViewSources::setStyle(ChartStyle style) {
    style_ = style;
    emit changed(kStyleInput);
}

void ViewSources::setColour(bool colour) {
    colour_ = colour;
    emit changed(kStyleInput);
}

const Readings& ViewSources::readings() {
    if (!readings_) readings_ = ComputeReadings(program_);
    return *readings_;
}

double ViewSources::moment() {
    if (moment_ == 0.0) moment_ = TodayJulianDay(program_.Reading);
    return moment_;
}

void ViewSources::setMoment(double jdUt) {
    moment_ = jdUt;
    emit changed(kMomentInput);
}

void ViewSources::setPartner(const FormValues& values, bool bride) {
    partner_ = values;
    partnerIsBride_ = bride;
    emit changed(kPartnerInput);
}

void ViewSources::setHorary(const HoraryQuestion& question) {
    horary_ = question;
    emit changed(kHoraryInput);
}

void ViewSources::chartChanged() {
    readings_.reset();
    emit changed(kChartInput);
}

void ViewSources::readingChanged() {
    readings_.reset();
    emit changed(kReadingInput);
}

QString ViewSources::WithSky(const QString& title) const {
    // The core's own words (DescribeSky) in the interface's language.
    const SkyChoice& sky = program_.SkyInUse;
    QString text;
    if (sky.Positions == SkyPositions::Builtin) {
        text = tr("Built-in formulas, Rahu one degree behind the mean node");
    } else {
        const QString ayanamsa = QCoreApplication::translate("velakor::SkyMenus", AyanamsaName(sky.Ayanamsa).data());
        text = sky.Node == SkyNode::Mean ? tr("Precise (JPL ephemeris), %1, mean node").arg(ayanamsa)
                                         : tr("Precise (JPL ephemeris), %1, true node").arg(ayanamsa);
    }
    return title + QStringLiteral(" \u2014 ") + text;
}

QString ViewSources::StyleName(ChartStyle style) {
    switch (style) {
        case ChartStyle::North: return tr("North Indian");
        case ChartStyle::South: return tr("South Indian");
        case ChartStyle::East: return tr("East Indian");
    }
    return {};
}

}  // namespace velakor
