// Captions of menus, entries and buttons by their object names, so that a window sets them
// once when it is built and again whenever the interface's language changes.
#pragma once

#include <span>
#include <string_view>

#include <QString>

class QObject;

namespace velakor {

struct MenuCaption {
    const char* Object;   // the object name of a QMenu (its title), QAction or QAbstractButton
    const char* Text;     // the English caption, marked with QT_TRANSLATE_NOOP
};

// Sets the caption of every named descendant of root found, in the interface's language;
// names not found are passed over.
void SetMenuCaptions(QObject* root, const char* context, std::span<const MenuCaption> captions);

// A name the core gives (an ayanamsa, a dasha system) as an entry's caption in the interface's
// language, keyed by the first letter of its English name in every language.
QString KeyedName(const char* context, std::string_view english);

}  // namespace velakor
