#pragma once

#include <optional>

namespace tablicznik {

// The Windows-1250 (Central European) code page, in which the program's
// rich-text documents write their Polish letters as \'xx escapes.
char16_t cp1250ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1250(char16_t c);

} // namespace tablicznik
