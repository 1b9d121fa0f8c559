#pragma once

#include <algorithm>

namespace tablicznik {

// Today's names of the elements that the catalogue keeps under the temporary
// systematic names of 1978 (Unq "Pierwiastek 104" ... Uub "Pierwiastek 112"):
// the symbols and English and Latin names given by IUPAC between 1997 and
// 2010, and the Polish names of the Polish Chemical Society. The Polish name
// is written as it stands alone (with a capital, like every name of the
// catalogue); the running text of the descriptions writes it in lower case.
// This table is the only place that names them (see Catalogue::setModernNames).
struct ModernName {
    int numer;
    const char *symbol;
    const char *nazwa;  // Polish
    const char *nazAng; // English
    const char *nazLac; // Latin
};

inline constexpr ModernName kModernNames[] = {
    {104, "Rf", "Rutherford", "Rutherfordium", "Rutherfordium"},
    {105, "Db", "Dubn", "Dubnium", "Dubnium"},
    {106, "Sg", "Seaborg", "Seaborgium", "Seaborgium"},
    {107, "Bh", "Bohr", "Bohrium", "Bohrium"},
    {108, "Hs", "Has", "Hassium", "Hassium"},
    {109, "Mt", "Meitner", "Meitnerium", "Meitnerium"},
    {110, "Ds", "Darmsztadt", "Darmstadtium", "Darmstadtium"},
    {111, "Rg", "Roentgen", "Roentgenium", "Roentgenium"},
    {112, "Cn", "Kopernik", "Copernicium", "Copernicium"},
};

namespace detail {
// Letters a description's RTF can hold as they are: no escape, no code page.
constexpr bool plainLetters(const char *text)
{
    for (; *text; ++text)
        if (!((*text >= 'A' && *text <= 'Z') || (*text >= 'a' && *text <= 'z')))
            return false;
    return true;
}
} // namespace detail

// The heading of a description, "Name (Symbol)", takes these names verbatim.
static_assert(std::ranges::all_of(kModernNames, [](const ModernName &m) {
    return detail::plainLetters(m.symbol) && detail::plainLetters(m.nazwa);
}));

} // namespace tablicznik
