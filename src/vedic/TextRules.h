// What the texts a user gives (the name and the place) may hold, wherever they come from:
// the form, a reading file or a record of velakor-chart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace velakor {

// A control character (Unicode category Cc): codes below 32, 127, and 128..159, the C1
// controls, which Latin-1 holds at the same codes. No text box of a reading holds one.
inline constexpr bool IsControlCode(std::uint32_t code) { return code < 32 || (code >= 127 && code <= 159); }

// What stands for a malformed UTF-8 sequence.
inline constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// The code point of the UTF-8 sequence at text[i], moving i past it. A byte that does not
// start a well-formed sequence reads as kReplacementCharacter and is passed alone.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i);

// True when the text shows nothing: it is empty or holds only spaces of any kind (U+00A0,
// U+2003, U+3000...), invisible format characters (U+00AD, U+200B, U+FEFF...), fillers that
// print as nothing, and control characters. Such a name or place counts as not given.
bool IsBlankText(std::string_view utf8);

}  // namespace velakor
