// Search texts of the chart library: names and places compared with capitals and accents
// aside, so that "sen" finds "Sén" and "ÅSA" finds "asa".
#pragma once

#include <QString>
#include <QStringList>

namespace velakor {

// The text without accents (a letter and its marks become the letter) and in one letter
// case. Letters that are no letter plus marks (ø, ß, ł) stay themselves.
QString FoldForSearch(const QString& text);

// What the search box holds, as the words a chart must all contain (folded), in any of its
// name, city, state and country, each once, in the order typed. Quotes, apostrophes, "%" and
// "_" are characters like any other.
QStringList SearchWords(const QString& typed);

}  // namespace velakor
