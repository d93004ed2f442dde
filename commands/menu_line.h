#pragma once
// The context menu's text work: the first line that names the finding, and
// the suggestions taken from the advice.
#include <string>
#include <string_view>
#include <vector>

// The category after the menu's remap (a comma finding shown as a verb
// change, and so on).
int RemapMenuCategory(int category, std::string_view flaggedText);
// The string-table entry of the first line for a (remapped) category.
unsigned MenuLineStringId(int category, std::string_view flaggedText);
// Fills "%1" and "%2" of a string-table text; the values are not read for
// further inserts.
std::string FormatMenuLine(std::string_view text, std::string_view first, std::string_view second);

// CLoadMenu: the first line from the current finding, into ContextMenuText;
// the remapped category is written back into CurrentCategory.
void LoadMenuLine();

// The advice's suggestions: pieces between '/' (runs of '/' are one
// separator, empty pieces are skipped). An advice that begins with a digit
// keeps its first '/' inside the first piece (a fraction such as "1/2").
std::vector<std::string> SplitSuggestions(std::string_view advice);

// The hint the advice ":| 0" stands for.
inline constexpr const char* kSafetyAdviceCode = ":| 0";
inline constexpr const char* kSafetyAdvice = "(Avoid except for safety.)";
