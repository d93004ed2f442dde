#pragma once
// The words a marker holds, as the host's search is given them to select
// them again.
#include <optional>
#include <string>
#include <string_view>

// The find command ("find -f [-e] -q -select @...@") that selects the words
// of a marker when it is run from the start of the marker's content.
// `selection` is the marker as the host renders it selected: references as
// written, a character the code page cannot hold as a character reference.
// The words are all of its text. A character a search can name is searched
// as itself; a reference the host keeps as an entity ("&os;"), a character
// the code page could not hold, and '@' are searched as any one character
// (-e), which from the start of the words can only be theirs. Empty when the
// selection is no marker, holds no text, or holds markup between two of its
// characters (the words are then no one run of text a search could select).
std::string FindMarkedWordsCommand(std::string_view selection);

// What the writer left of the words of `selection`, a marker as the host
// renders it selected: plain words; words with markup among them, inside
// them, or opening or closing them ("<b>also</b>", "al<b>so</b>"; a text of
// the words written as markup would hold no '<' of its own); or no words,
// as where the writer deleted them and left the marker's two instructions
// side by side (white space alone is no word).
enum class MarkedWords { Plain, WithMarkup, None };
MarkedWords ReadMarkedWords(std::string_view selection);

// A flagged text that is one word written more than once ("the the", "The
// the"), as a DELETE finding holds a repeated word: the first copy, which
// the writer keeps, and the copies after it, each after one blank (" the"),
// as a search from the end of the first copy selects them with the white
// space before each. Nothing for any other text.
struct Repetition {
  std::string first;
  std::string rest;
};
std::optional<Repetition> RepeatedWord(std::string_view flagged);
