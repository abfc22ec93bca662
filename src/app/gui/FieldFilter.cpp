#include "app/gui/FieldFilter.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "place/Atlas.h"

namespace velakor {
namespace {

bool IsLetterSign(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ' || c == u'\'' || c == u'-' ||
           c == u'.';
}

}  // namespace

bool IsEditingCommand(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return true;
        default:
            break;
    }
    return key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Copy) ||
           key.matches(QKeySequence::Cut) || IsPasteKey(key) || key.matches(QKeySequence::Undo) ||
           key.matches(QKeySequence::Redo) || IsRedoByCtrlY(key);
}

bool IsPasteKey(const QKeyEvent& key) { return key.matches(QKeySequence::Paste); }

bool IsRedoByCtrlY(const QKeyEvent& key) {
    return key.key() == Qt::Key_Y && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

QString FilterFieldText(const QString& text, FieldKind kind, bool* refused) {
    QString kept;
    kept.reserve(text.size());
    bool left = false;
    // A space after characters left out, where one was kept before them: "Pune 411001 Camp"
    // keeps "Pune Camp", not two spaces.
    bool leftSinceKept = false;
    auto keep = [&](const QString& part) {
        if (leftSinceKept && part.startsWith(QLatin1Char(' ')) && kept.endsWith(QLatin1Char(' '))) {
            kept += part.mid(1);
        } else {
            kept += part;
        }
        leftSinceKept = false;
    };
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (kind == FieldKind::Digits) {
            if (u >= u'0' && u <= u'9') {
                kept += c;
            } else {
                left = true;
            }
            continue;
        }
        if (IsLetterSign(u)) {
            keep(QString(c));
            continue;
        }
        // "é" -> "e", "ß" -> "ss"; what has no plain reading (digits, other scripts,
        // control codes) is left out.
        const std::string folded = u > 127 ? FoldPlaceName(QString(c).toStdString()) : std::string();
        bool plain = !folded.empty();
        for (const char f : folded) plain = plain && f != ' ' && IsLetterSign(static_cast<unsigned char>(f));
        if (plain) {
            keep(QString::fromLatin1(folded.data(), static_cast<qsizetype>(folded.size())));
        } else {
            left = true;
            leftSinceKept = true;
        }
    }
    if (refused) *refused = left;
    return kept;
}

}  // namespace velakor
