// The language of the interface: English, Hindi or Tamil. Chosen first from the system's
// locale, then as the user picked it last (remembered in the settings); switched at once by
// installing the language's catalogue on the application, which sends every widget
// QEvent::LanguageChange. The catalogues are compiled into the program (:/i18n).
#pragma once

#include <QLocale>
#include <QString>

#include "vedic/Language.h"

class QWidget;

namespace velakor {

// hi_* is Hindi, ta_* Tamil, anything else English.
Language LanguageOfLocale(const QLocale& locale);

// The language whose catalogue is installed; English when none is.
Language InterfaceLanguage();

// Installs the language's catalogue (English: removes it) and makes the language's locale the
// default, for the names of months and days; numbers keep their Western digits. False when
// the catalogue cannot be read: the interface then stays English.
bool UseInterfaceLanguage(Language lang);

// Whether the system has a font for the language's script (always true for English).
bool ScriptFontInstalled(Language lang);

// The language to start in: the one remembered, or else the system locale's. When its
// script has no font, the user is told so once and asked whether to use English instead.
Language StartingLanguage(QWidget* near);

// Remembers the user's pick; empty, or the line that says why it could not be kept.
QString RememberLanguage(Language lang);

}  // namespace velakor
