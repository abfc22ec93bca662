#include "vedic/TextRules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace velakor {
namespace {

// Characters that print as nothing, as ranges of code points: the spaces (category Zs),
// the line and paragraph separators (Zl, Zp), the format characters (Cf), the variation
// selectors and the combining grapheme joiner, which only change a neighbour, and the
// Hangul and Braille fillers, which show as an empty cell.
constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 27> kInvisible{{
    {0x0020, 0x0020}, {0x00A0, 0x00A0}, {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},
    {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x115F, 0x1160},   {0x1680, 0x1680},   {0x17B4, 0x17B5},
    {0x180B, 0x180F}, {0x2000, 0x200F}, {0x2028, 0x202F},   {0x205F, 0x206F},   {0x2800, 0x2800},
    {0x3000, 0x3000}, {0x3164, 0x3164}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
    {0xFFF9, 0xFFFB}, {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
}};

bool IsInvisible(std::uint32_t code) {
    if (IsControlCode(code)) return true;
    return std::any_of(kInvisible.begin(), kInvisible.end(),
                       [code](const auto& range) { return code >= range.first && code <= range.second; });
}

}  // namespace

std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07;
    }
    if (length == 0 || i + length > text.size()) {
        ++i;
        return kReplacementCharacter;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacementCharacter;
        }
        code = (code << 6) | (next & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++i;
        return kReplacementCharacter;
    }
    i += length;
    return code;
}

bool IsBlankText(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        if (!IsInvisible(NextCodePoint(utf8, i))) return false;
    }
    return true;
}

}  // namespace velakor
