#pragma once
// How the marking command searches for a finding and marks it. The
// collection chooses one kind per finding; the stored record keeps it as
// the letters below (MessageRec::kind), which the marking reads back.
#include <initializer_list>
#include <string_view>

enum class FindingKind {
  None,             // ""     no kind (a record the collection did not make)
  Word,             // "W"    the words as written, marked
  Correction,       // "A"    corrected in place: the found text is replaced
  Replacement,      // "B"    replaced by the word as written and its suggestion
  Semicolon,        // "V"    the semicolon, found with the start of the next word
  OneWord,          // "D"    one word searched on its own
  SentenceArticle,  // "M"    the article the check dropped before a long sentence
  Contraction,      // "S"    a contraction, searched backwards as written
  ItIs,             // "I"    "it's" where "its" or "it is" is meant
  Possessive,       // "Z"    a possessive, marked with its "'s"
  CommaTag,         // "C"    a comma, found with the start of the next word
  LineEnd,          // "J"    a word before a line end
  StyleMark,        // "(^)"  a style finding of the tokenizer
  CapitalMark,      // "(#)"  a capitalisation finding with the case to use
};

struct FindingKindLetters {
  FindingKind kind;
  std::string_view letters;
};

inline constexpr FindingKindLetters kFindingKindLetters[] = {
    {FindingKind::None, ""},
    {FindingKind::Word, "W"},
    {FindingKind::Correction, "A"},
    {FindingKind::Replacement, "B"},
    {FindingKind::Semicolon, "V"},
    {FindingKind::OneWord, "D"},
    {FindingKind::SentenceArticle, "M"},
    {FindingKind::Contraction, "S"},
    {FindingKind::ItIs, "I"},
    {FindingKind::Possessive, "Z"},
    {FindingKind::CommaTag, "C"},
    {FindingKind::LineEnd, "J"},
    {FindingKind::StyleMark, "(^)"},
    {FindingKind::CapitalMark, "(#)"},
};

// The letters a kind is stored as.
constexpr std::string_view KindLetters(FindingKind kind) {
  for (const auto& row : kFindingKindLetters)
    if (row.kind == kind) return row.letters;
  return "";
}

// The kind stored as `letters`; None for letters no kind is stored as.
constexpr FindingKind KindOfLetters(std::string_view letters) {
  for (const auto& row : kFindingKindLetters)
    if (row.letters == letters) return row.kind;
  return FindingKind::None;
}

constexpr bool KindIsOneOf(FindingKind kind, std::initializer_list<FindingKind> kinds) {
  for (FindingKind k : kinds)
    if (k == kind) return true;
  return false;
}
