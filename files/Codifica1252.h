#pragma once
// The data file and the listing are single-byte text in the Windows-1252 code page, while the
// program works with UTF-8 strings. These two conversions sit at the file boundary.

#include <string>
#include <string_view>

namespace vc {

// UTF-8 → Windows-1252. The blanks a locale may use to group digits become the code page's
// no-break space (U+00A0, U+202F, U+2007) or a plain blank (the other Unicode spaces, the
// Arabic thousands separator), so that a grouped number stays a number; any other character
// the code page cannot hold, and any byte sequence that is not valid UTF-8, becomes "?".
std::string Utf8A1252(std::string_view testo);

// Windows-1252 → UTF-8. Every byte maps to one character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same code, so
// that they survive a round trip.
std::string Da1252AUtf8(std::string_view testo);

} // namespace vc
