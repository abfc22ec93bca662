#include "ui/ReadingSettings.h"

#include <QSettings>

namespace velakor {

void LoadReadingSettings(ReadingOptions& o) {
    const QSettings settings;
    const double days = settings.value(QStringLiteral("Dasha/YearDays"), o.DashaYearDays).toDouble();
    for (const double offered : {kDashaYearJulian, kDashaYearTropical, kDashaYearSavana}) {
        if (days == offered) o.DashaYearDays = offered;
    }
    const QString rule = settings.value(QStringLiteral("Panchanga/SunriseRule")).toString();
    if (rule == QLatin1String("centre")) o.Sunrise = SunriseRule::Centre;
    if (rule == QLatin1String("limb")) o.Sunrise = SunriseRule::Limb;
}

void SaveReadingSettings(const ReadingOptions& o) {
    QSettings settings;
    settings.setValue(QStringLiteral("Dasha/YearDays"), o.DashaYearDays);
    settings.setValue(QStringLiteral("Panchanga/SunriseRule"),
                      o.Sunrise == SunriseRule::Centre ? QStringLiteral("centre") : QStringLiteral("limb"));
}

}  // namespace velakor
