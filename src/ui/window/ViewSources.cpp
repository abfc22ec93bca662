#include "ui/window/ViewSources.h"

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
    return title + QStringLiteral(" \u2014 ") + QString::fromStdString(DescribeSky(program_.SkyInUse));
}

QString ViewSources::StyleName(ChartStyle style) {
    switch (style) {
        case ChartStyle::North: return QStringLiteral("North Indian");
        case ChartStyle::South: return QStringLiteral("South Indian");
        case ChartStyle::East: return QStringLiteral("East Indian");
    }
    return {};
}

}  // namespace velakor
