#pragma once
// The findings of the last check: one record per flagged word, as the
// marking command reads them, and the search key that tells it what to find
// in the document and which advice to show.
//
// Search key
// ----------
// A key has one of two forms (S the search text, N a number of two or more
// characters written with "%2d", A the advice):
//
//   S ":|" N [ "!" A ]        most findings; "!" is written without A for
//                             the comma, question-mark and colon findings
//   S ":|00!" A  or  S ":|00|" one-word corrections and semicolons
//                             (FindingKind::Correction and ::Semicolon)
//
// In S a '.' stands for any one character of the document (blanks of the
// written text are mostly written as '.').
//
// S and A are escaped, so that a flagged word or an advice holding ':' or
// '!' cannot be mistaken for the separators: '\' followed by one of
// ':', '!', '\' stands for that character. S ends at the first ':' that is
// not escaped, A begins after the last '!' that is not escaped. The colon
// finding alone writes its search text as a bare ":" (its key begins
// "::|"); no other key can begin with an unescaped ':'.
// ParseSearchKey reads a key back; the marking command must use it.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/finding_kind.h"
#include "platform/bounded_text.h"

struct MessageRec {
  std::int32_t markMode = 0;      // 1 tag words and possessives, 6 dotted abbreviations, 999 last
  std::int32_t markerNumber = 0;  // sentence position, or the sentence length of a 328 finding
  std::int32_t category = 0;      // message - 300 when selected; 18 for a comma-tag finding
  std::int32_t ruleId = 0;
  BoundedText<4> subKind;         // "", "SP", "D" or "J"
  BoundedText<4> kind;            // a FindingKind as its letters (KindLetters, at most three)
  std::string searchKey;          // see above
  std::string suggestion;         // an article finding's suggestion, else empty
  std::string altWord;            // the word as written for articles, tag words and possessives
  std::string word;               // the flagged word, or the words a finding covers
  // Where the finding's word stands in the checked text (WordRec::place),
  // and where the word after it begins: the search text is looked for
  // there, ending after the word's start and beginning before the next
  // word's. -1 where the word stands nowhere.
  std::int32_t place = -1;
  std::int32_t nextPlace = -1;
  // The length of its sentence, where the finding's word also carries the
  // sentence's SENTENCE LENGTH finding: the marker, made over the words
  // and with the advice of this finding, shows that finding's category
  // and this number. 0 for none.
  std::int32_t sentenceLength = 0;
};

// Module-wide: the findings of the last check, in document order. The list
// owns its records.
struct MessageListState {
  std::vector<MessageRec> records;
  void Clear() { records.clear(); }
  std::size_t Count() const { return records.size(); }
  bool Empty() const { return records.empty(); }
};
extern MessageListState MessageList;

// Longest key the collection writes: a 256-byte field with its terminator.
inline constexpr std::size_t kSearchKeyMax = 255;

// Appends `text` to `key` with ':', '!' and '\' escaped, stopping before
// `limit` characters (an escaped pair is never cut). False when cut.
bool AppendKeyText(std::string& key, std::string_view text, std::size_t limit = kSearchKeyMax);

// A search key taken apart.
struct SearchKeyParts {
  bool hasSeparator = false;  // an unescaped ':' was found
  bool colonFirst = false;    // ... at the very start of the key
  bool colonFinding = false;  // the key begins "::"
  std::string text;           // S, unescaped (":" for the colon finding)
  std::string number;         // the characters after ":|" up to "!" or "|"
  std::string advice;         // A, unescaped; empty when the key has none
};
SearchKeyParts ParseSearchKey(std::string_view key);
