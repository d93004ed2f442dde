#pragma once
// The words a marker holds, as the host's search is given them to select
// them again.
#include <string>
#include <string_view>

// The find command ("find -f [-e] -q -select @...@") that selects the words
// of a marker when it is run from the start of the marker's content.
// `selection` is the marker as the host renders it selected: references as
// written, a character the code page cannot hold as a character reference.
// The words are its text up to any markup inside it. A character a search
// can name is searched as itself; a reference the host keeps as an entity
// ("&os;"), a character the code page could not hold, and '@' are searched
// as any one character (-e), which from the start of the words can only be
// theirs. Empty when the selection is no marker or holds no text.
std::string FindMarkedWordsCommand(std::string_view selection);
