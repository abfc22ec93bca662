#include "RecordText.h"

#include "chart/PositionText.h"
#include "io/ReadingFile.h"

namespace velakor {

std::optional<std::string> TextValueError(std::string_view key, std::string_view utf8) {
    // Every byte of a multi-byte UTF-8 character is 128 or more: a byte below 32, or 127,
    // is the control character itself.
    for (const char ch : utf8) {
        if (IsControlCode(static_cast<unsigned char>(ch))) {
            return "key " + std::string(key) + " holds a control character";
        }
    }
    // The file keeps the value without its outer spaces; anything else it drops is lost.
    if (Latin1ToUtf8(FileText(utf8)) != TrimSpaces(utf8)) {
        return "key " + std::string(key) + " holds a character a reading file cannot keep";
    }
    return std::nullopt;
}

}  // namespace velakor
