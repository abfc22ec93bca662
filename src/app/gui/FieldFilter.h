// What the main form's filtered boxes let in: letters (and the signs of names) in the name
// and place boxes, digits in the coordinate boxes. Editing commands are not characters and
// are left to the box.
#pragma once

#include <QString>

class QKeyEvent;

namespace velakor {

enum class FieldKind { Letters, Digits };

// A key the box handles as a command, never a character to judge: Return, Enter, Escape,
// Tab, and select all, copy, cut, paste, undo and redo by their standard keys (Ctrl+Y too).
bool IsEditingCommand(const QKeyEvent& key);

// Paste by any of its standard keys (Ctrl+V, Shift+Insert).
bool IsPasteKey(const QKeyEvent& key);

// Redo by Ctrl+Y, which not every desktop's standard keys include.
bool IsRedoByCtrlY(const QKeyEvent& key);

// The text a box keeps of what was typed or pasted. Letters: A-Z, a-z, space, apostrophe,
// hyphen and full stop; an accented letter becomes its plain letter, folded the way the
// atlas folds place names, so that what is typed survives the single-byte reading file, and
// typographic apostrophes and hyphens their plain signs. A tab, line break or other space
// between words is one space, and where characters are left out no second space is left.
// Digits: 0-9. Tabs and line ends around the text are not part of it. `refused` is set when
// anything else was left out.
QString FilterFieldText(const QString& text, FieldKind kind, bool* refused);

}  // namespace velakor
