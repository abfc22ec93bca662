#include "ui/settings/InterfaceLanguage.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTranslator>

#include "ui/dialogs/Seams.h"
#include "ui/settings/ProgramSettings.h"

namespace velakor {
namespace {

// The application's own translator, found again by its name: the language lives with the
// application object, not in a variable of the program.
const char* const kTranslatorName = "velakorTranslator";

QTranslator* Installed() { return qApp ? qApp->findChild<QTranslator*>(QLatin1String(kTranslatorName)) : nullptr; }

QLocale LocaleOf(Language lang) {
    switch (lang) {
        case Language::Hindi: return QLocale(QLocale::Hindi, QLocale::India);
        case Language::Tamil: return QLocale(QLocale::Tamil, QLocale::India);
        case Language::English: break;
    }
    return QLocale::system();
}

}  // namespace

Language LanguageOfLocale(const QLocale& locale) {
    if (locale.language() == QLocale::Hindi) return Language::Hindi;
    if (locale.language() == QLocale::Tamil) return Language::Tamil;
    return Language::English;
}

Language InterfaceLanguage() {
    const QTranslator* t = Installed();
    return t ? LanguageOfLocale(QLocale(t->language())) : Language::English;
}

bool UseInterfaceLanguage(Language lang) {
    if (lang == InterfaceLanguage()) return true;
    QTranslator* previous = Installed();
    auto* next = lang == Language::English ? nullptr : new QTranslator(qApp);
    if (next) {
        if (!next->load(QStringLiteral(":/i18n/velakor_%1.qm").arg(QString::fromLatin1(LanguageCode(lang))))) {
            delete next;
            return false;
        }
    }
    // The new catalogue goes in before the old one comes out: each change sends every widget
    // a LanguageChange, and the texts should never pass through English on the way.
    if (previous) previous->setObjectName(QString());
    if (next) {
        next->setObjectName(QLatin1String(kTranslatorName));
        QCoreApplication::installTranslator(next);
    }
    if (previous) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    QLocale::setDefault(LocaleOf(lang));
    return true;
}

bool ScriptFontInstalled(Language lang) {
    switch (lang) {
        case Language::Hindi: return !QFontDatabase::families(QFontDatabase::Devanagari).isEmpty();
        case Language::Tamil: return !QFontDatabase::families(QFontDatabase::Tamil).isEmpty();
        case Language::English: break;
    }
    return true;
}

Language StartingLanguage(QWidget* near) {
    const Language lang = ProgramSettings::LoadLanguage().value_or(LanguageOfLocale(QLocale::system()));
    if (ScriptFontInstalled(lang)) return lang;
    const QString question =
        lang == Language::Hindi
            ? QStringLiteral("No font for Devanagari is installed (Debian: fonts-lohit-deva), so Hindi cannot be "
                             "shown. Use English instead?")
            : QStringLiteral("No font for Tamil script is installed (Debian: fonts-lohit-taml), so Tamil cannot be "
                             "shown. Use English instead?");
    if (!AskQuestion(near, question)) return lang;
    RememberLanguage(Language::English);
    return Language::English;
}

QString RememberLanguage(Language lang) { return ProgramSettings::SaveLanguage(lang); }

}  // namespace velakor
