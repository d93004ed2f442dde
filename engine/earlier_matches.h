#pragma once
// The marking finds a finding's words by a forward search from the end of
// the previous finding. Where the same text stands in the words between
// (an unflagged "remove" before the flagged one), that search would mark
// the earlier text; the count of such earlier matches lets the marking pass
// over them first.
#include <string_view>

#include "engine/word_rec.h"

// A search text the count is made for: ASCII letters and digits only, at
// least two of them. Other texts (several words, wildcards, punctuation)
// are searched as they are, without passing over.
bool PlainSearchText(std::string_view search);

// How often `search` stands in the written texts of the words from `from`
// up to, not including, `to` (or the end of the list): case-sensitive, as
// the marking searches, and inside longer words too unless `wholeWord`,
// where a word must be the text exactly. A reference in a written text
// ("&lowbar;") is one character of the document and matches no letter.
int CountEarlierMatches(const WordRec* from, const WordRec* to, std::string_view search, bool wholeWord);
