#include "library/SearchText.h"

namespace velakor {

QString FoldForSearch(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
            category == QChar::Mark_Enclosing) {
            continue;
        }
        out += c;
    }
    return out.toCaseFolded();
}

QStringList SearchWords(const QString& typed) {
    QStringList words = FoldForSearch(typed).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    words.removeDuplicates();
    return words;
}

}  // namespace velakor
