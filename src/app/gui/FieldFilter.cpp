#include "app/gui/FieldFilter.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "place/Atlas.h"

namespace velakor {
namespace {

// Signs of names as word processors and web pages write them, which have a plain form the
// box takes: the typographic apostrophes and hyphens.
char16_t PlainSign(char16_t c) {
    switch (c) {
        case u'\u2018': case u'\u2019': case u'\u02BC': case u'\u00B4': return u'\'';
        case u'\u2010': case u'\u2011': case u'\u2012': case u'\u2013': return u'-';
        default: return c;
    }
}

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

QString FilterFieldText(const QString& rawText, FieldKind kind, bool* refused) {
    // The line end or tab that comes with copied text is not part of what was meant.
    qsizetype first = 0, last = rawText.size();
    while (first < last && rawText.at(first).isSpace() && rawText.at(first) != QLatin1Char(' ')) ++first;
    while (last > first && rawText.at(last - 1).isSpace() && rawText.at(last - 1) != QLatin1Char(' ')) --last;
    const QString text = rawText.mid(first, last - first);
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
        // A tab or line break between words (text copied from a list or a page) and the
        // other spaces of Unicode are a space between them, not a character refused.
        if (c.isSpace()) {
            if (!kept.endsWith(QLatin1Char(' '))) keep(QStringLiteral(" "));
            continue;
        }
        if (IsLetterSign(PlainSign(u))) {
            keep(QString(QChar(PlainSign(u))));
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
