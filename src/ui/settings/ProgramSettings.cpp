#include "ui/settings/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWidget>
#include <memory>

#include "dasha/DashaTree.h"
#include "strength/Ashtakavarga.h"
#include "ui/dialogs/Seams.h"

namespace velakor {
namespace {

// Our settings are a few hundred bytes; a remembered folder may be a few thousand.
constexpr qint64 kMaxSettingsBytes = 64 * 1024;
// Long enough to be read; the status bar's own texts come back after it.
constexpr int kNotStoredShownMs = 15000;
constexpr char kNotStoredTold[] = "velakorSettingsNotStoredTold";

// The settings, or nothing (with the reason, where there is a file that is not to be
// touched). Where the platform keeps them as a file, that file alone is read, and only
// when it is a regular file of a settings file's size: the toolkit would read anything at
// the name whole, a pipe for ever.
std::unique_ptr<QSettings> Open(QString* refused = nullptr) {
    if (QCoreApplication::organizationName().isEmpty()) return nullptr;
    const QString name = ProgramSettings::FileName();
    if (name.isEmpty()) {
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QCoreApplication::organizationName(), QCoreApplication::applicationName());
    }
    const QFileInfo file(name);
    QString why;
    if ((file.exists() || file.isSymLink()) && !file.isFile())
        why = QCoreApplication::translate("velakor::ProgramSettings", "not a regular file");
    if (file.isFile() && file.size() > kMaxSettingsBytes)
        why = QCoreApplication::translate("velakor::ProgramSettings", "larger than a settings file can be");
    if (!why.isEmpty()) {
        if (refused) *refused = why;
        return nullptr;
    }
    return std::make_unique<QSettings>(name, QSettings::IniFormat);
}

// Writes what s holds to the disk: an empty text, or the line that says why it could not.
QString Store(QSettings& s) {
    s.sync();
    if (s.status() != QSettings::AccessError) return {};
    const QString name = s.fileName();
    const QFileInfo folder(QFileInfo(name).path());
    const QString why = folder.isDir()
                            ? QCoreApplication::translate("velakor::ProgramSettings", "it cannot be written")
                            : QCoreApplication::translate("velakor::ProgramSettings", "its folder cannot be made");
    return QCoreApplication::translate("velakor::ProgramSettings", "The settings could not be saved: %1 (%2)")
        .arg(QDir::toNativeSeparators(name), why);
}

// Opens the settings to store them: nothing with the line that says why, when they cannot be.
std::unique_ptr<QSettings> OpenToStore(QString& failure) {
    QString refused;
    std::unique_ptr<QSettings> s = Open(&refused);
    if (!refused.isEmpty()) {
        failure = QCoreApplication::translate("velakor::ProgramSettings", "The settings could not be saved: %1 (%2)")
                      .arg(QDir::toNativeSeparators(ProgramSettings::FileName()), refused);
    }
    return s;
}

// The stored integer when it is one of 0..count-1, else the default.
int Index(const QSettings& s, const QString& key, int count, int fallback) {
    bool ok = false;
    const int v = s.value(key).toInt(&ok);
    return ok && v >= 0 && v < count ? v : fallback;
}

QString Latin1(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

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

QString ProgramSettings::SaveView(const ViewSettings& v) {
    QString failure;
    const std::unique_ptr<QSettings> s = OpenToStore(failure);
    if (!s) return failure;
    s->setValue(QStringLiteral("Sky/Positions"), static_cast<int>(v.Sky.Positions));
    s->setValue(QStringLiteral("Sky/Ayanamsa"), static_cast<int>(v.Sky.Ayanamsa));
    s->setValue(QStringLiteral("Sky/Node"), static_cast<int>(v.Sky.Node));
    s->setValue(QStringLiteral("View/ChartStyle"), static_cast<int>(v.Style));
    s->setValue(QStringLiteral("View/Colour"), v.Colour);
    s->setValue(QStringLiteral("View/StatusBar"), v.StatusBar);
    return Store(*s);
}

std::optional<Language> ProgramSettings::LoadLanguage() {
    const std::unique_ptr<QSettings> s = Open();
    if (!s || s->status() != QSettings::NoError) return std::nullopt;
    return LanguageOfCode(s->value(QStringLiteral("View/Language")).toString().toStdString());
}

QString ProgramSettings::SaveLanguage(Language lang) {
    QString failure;
    const std::unique_ptr<QSettings> s = OpenToStore(failure);
    if (!s) return failure;
    s->setValue(QStringLiteral("View/Language"), QString::fromLatin1(LanguageCode(lang)));
    return Store(*s);
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
    const QString system = s->value(QStringLiteral("Dasha/System")).toString();
    for (int i = 0; i < kDashaSystemCount; ++i) {
        if (system == Latin1(DashaSystemName(static_cast<DashaSystem>(i)))) o.Dasha = static_cast<DashaSystem>(i);
    }
    const QString table = s->value(QStringLiteral("Ashtakavarga/Table")).toString();
    for (int i = 0; i < kAshtakavargaTableCount; ++i) {
        const auto t = static_cast<AshtakavargaTable>(i);
        if (table == Latin1(AshtakavargaTableKey(t))) o.Ashtakavarga = t;
    }
}

QString ProgramSettings::SaveReading(const ReadingOptions& o) {
    QString failure;
    const std::unique_ptr<QSettings> s = OpenToStore(failure);
    if (!s) return failure;
    s->setValue(QStringLiteral("Dasha/YearDays"), o.DashaYearDays);
    s->setValue(QStringLiteral("Panchanga/SunriseRule"),
                o.Sunrise == SunriseRule::Centre ? QStringLiteral("centre") : QStringLiteral("limb"));
    s->setValue(QStringLiteral("Dasha/System"), Latin1(DashaSystemName(o.Dasha)));
    s->setValue(QStringLiteral("Ashtakavarga/Table"), Latin1(AshtakavargaTableKey(o.Ashtakavarga)));
    return Store(*s);
}

namespace {

QString FolderKey(FileKind kind) {
    switch (kind) {
        case FileKind::Readings: return QStringLiteral("Files/Readings");
        case FileKind::Pictures: return QStringLiteral("Files/Pictures");
        case FileKind::Reports: return QStringLiteral("Files/Reports");
        case FileKind::Pdfs: return QStringLiteral("Files/Pdfs");
        case FileKind::LibraryExports: return QStringLiteral("Files/LibraryExports");
    }
    return {};
}

}  // namespace

QString ProgramSettings::LastFolder(FileKind kind) {
    const std::unique_ptr<QSettings> s = Open();
    if (!s || s->status() != QSettings::NoError) return {};
    const QString folder = s->value(FolderKey(kind)).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

QString ProgramSettings::SetLastFolder(FileKind kind, const QString& folder) {
    QString failure;
    const std::unique_ptr<QSettings> s = OpenToStore(failure);
    if (!s) return failure;
    s->setValue(FolderKey(kind), folder);
    return Store(*s);
}

QString ProgramSettings::FileName() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Where the toolkit keeps a user's native settings on this platform.
    const QString organisation = QCoreApplication::organizationName();
    if (organisation.isEmpty()) return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + organisation +
           QLatin1Char('/') + QCoreApplication::applicationName() + QStringLiteral(".conf");
#else
    return {};
#endif
}

void ProgramSettings::ReportNotStored(QWidget* near, const QString& failure) {
    if (failure.isEmpty() || !near) return;
    QWidget* window = near->window();
    auto* bar = window->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (window->property(kNotStoredTold).toBool()) return;
    window->setProperty(kNotStoredTold, true);
    // A window without a status bar (the main form, the library) says it in a box: the
    // folders its dialogs chose would otherwise go unremembered unseen.
    if (!bar) {
        ShowMessage(window, failure, BoxIcon::Exclamation);
        return;
    }
    bar->showMessage(failure, kNotStoredShownMs);
}

}  // namespace velakor
