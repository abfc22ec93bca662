#include "ui/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <memory>

namespace velakor {
namespace {

std::unique_ptr<QSettings> Open() {
    if (QCoreApplication::organizationName().isEmpty()) return nullptr;
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QCoreApplication::organizationName(), QCoreApplication::applicationName());
}

// The stored integer when it is one of 0..count-1, else the default.
int Index(const QSettings& s, const QString& key, int count, int fallback) {
    bool ok = false;
    const int v = s.value(key).toInt(&ok);
    return ok && v >= 0 && v < count ? v : fallback;
}

bool Flag(const QSettings& s, const QString& key, bool fallback) {
    const QString v = s.value(key).toString();
    if (v == QLatin1String("true")) return true;
    if (v == QLatin1String("false")) return false;
    return fallback;
}

}  // namespace

ViewSettings ProgramSettings::LoadView() {
    ViewSettings v;
    const std::unique_ptr<QSettings> s = Open();
    if (!s || s->status() != QSettings::NoError) return v;
    v.Sky.Positions = static_cast<SkyPositions>(Index(*s, QStringLiteral("Sky/Positions"), 2, 0));
    v.Sky.Ayanamsa = static_cast<SkyAyanamsa>(Index(*s, QStringLiteral("Sky/Ayanamsa"), 4, 0));
    v.Sky.Node = static_cast<SkyNode>(Index(*s, QStringLiteral("Sky/Node"), 2, 0));
    v.Style = static_cast<ChartStyle>(Index(*s, QStringLiteral("View/ChartStyle"), 3, static_cast<int>(ChartStyle::North)));
    v.Colour = Flag(*s, QStringLiteral("View/Colour"), false);
    v.StatusBar = Flag(*s, QStringLiteral("View/StatusBar"), true);
    return v;
}

void ProgramSettings::SaveView(const ViewSettings& v) {
    const std::unique_ptr<QSettings> s = Open();
    if (!s) return;
    s->setValue(QStringLiteral("Sky/Positions"), static_cast<int>(v.Sky.Positions));
    s->setValue(QStringLiteral("Sky/Ayanamsa"), static_cast<int>(v.Sky.Ayanamsa));
    s->setValue(QStringLiteral("Sky/Node"), static_cast<int>(v.Sky.Node));
    s->setValue(QStringLiteral("View/ChartStyle"), static_cast<int>(v.Style));
    s->setValue(QStringLiteral("View/Colour"), v.Colour);
    s->setValue(QStringLiteral("View/StatusBar"), v.StatusBar);
}

void ProgramSettings::LoadReading(ReadingOptions& o) {
    const std::unique_ptr<QSettings> s = Open();
    if (!s || s->status() != QSettings::NoError) return;
    const double days = s->value(QStringLiteral("Dasha/YearDays"), o.DashaYearDays).toDouble();
    for (const double offered : {kDashaYearJulian, kDashaYearTropical, kDashaYearSavana}) {
        if (days == offered) o.DashaYearDays = offered;
    }
    const QString rule = s->value(QStringLiteral("Panchanga/SunriseRule")).toString();
    if (rule == QLatin1String("centre")) o.Sunrise = SunriseRule::Centre;
    if (rule == QLatin1String("limb")) o.Sunrise = SunriseRule::Limb;
}

void ProgramSettings::SaveReading(const ReadingOptions& o) {
    const std::unique_ptr<QSettings> s = Open();
    if (!s) return;
    s->setValue(QStringLiteral("Dasha/YearDays"), o.DashaYearDays);
    s->setValue(QStringLiteral("Panchanga/SunriseRule"),
                o.Sunrise == SunriseRule::Centre ? QStringLiteral("centre") : QStringLiteral("limb"));
}

QString ProgramSettings::LastFolder() {
    const std::unique_ptr<QSettings> s = Open();
    if (!s || s->status() != QSettings::NoError) return {};
    const QString folder = s->value(QStringLiteral("Files/LastFolder")).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void ProgramSettings::SetLastFolder(const QString& folder) {
    const std::unique_ptr<QSettings> s = Open();
    if (s) s->setValue(QStringLiteral("Files/LastFolder"), folder);
}

}  // namespace velakor
