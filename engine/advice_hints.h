#pragma once
// Advice that the writer reads but the menu does not put in: a hint, an
// alternative in parentheses. An alternative holding a placeholder ("so
// that the xxx", "use ... to") names words the writer must supply, so it
// is a hint too, its text kept.
#include <cstddef>
#include <string>
#include <string_view>

// Whether an alternative holds a placeholder: "..." (or the code page's
// ellipsis), or a word of x's ("xx", "xxx", "XXXX") or "yyy".
bool HoldsPlaceholder(std::string_view alternative);

// The first or the last word of an alternative (or of a word's text).
std::string_view EdgeWord(std::string_view alternative, bool last);

// Every plain alternative of `advice` in parentheses; hints stay as they
// are. A fraction's '/' ("1/4 inch") divides nothing.
std::string AsHints(std::string_view advice);

// `advice` cut to at most `limit` characters at a '/', so that no
// alternative is cut short (a hint would lose its closing parenthesis);
// an advice of one alternative is cut where the limit falls.
std::string WholeAlternatives(std::string_view advice, std::size_t limit);
