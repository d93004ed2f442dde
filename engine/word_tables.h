#pragma once
// Words the tokenizer keeps together: abbreviations with their full stop and
// prefixes with their hyphen. Compared without regard to case.

// 99 or 100 when `word` (a token with its full stop) is a known
// abbreviation, as the table gives; else -1.
int IsKnownAbbreviation(const char* word);

// 1 when `word` (the word so far followed by '-') begins with a known
// prefix; else -1.
int IsKnownPrefix(const char* word);
