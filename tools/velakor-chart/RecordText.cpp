#include "RecordText.h"

#include "chart/PositionText.h"
#include "io/ReadingFile.h"

namespace velakor {

std::optional<std::string> TextValueError(std::string_view key, std::string_view utf8) {
    // The C1 controls (U+0080..U+009F) are two bytes each in UTF-8: read characters, not bytes.
    for (std::size_t i = 0; i < utf8.size();) {
        if (IsControlCode(NextCodePoint(utf8, i))) return "key " + std::string(key) + " holds a control character";
    }
    // The file keeps the value without its outer spaces; anything else it drops is lost.
    if (Latin1ToUtf8(FileText(utf8)) != TrimSpaces(utf8)) {
        return "key " + std::string(key) + " holds a character a reading file cannot keep";
    }
    return std::nullopt;
}

}  // namespace velakor
