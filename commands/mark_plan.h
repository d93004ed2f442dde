#pragma once
// How the marking reads one finding: from its search key to the text it
// searches for, the text it marks and the advice it shows. Everything here
// is plain text work; the marking command sends the results to the host.
#include <string>
#include <string_view>

#include "engine/finding_kind.h"

// The fields of a finding record that the marking reads.
struct MarkInput {
  int category = 0;
  int markerNumber = 0;
  int ruleId = 0;
  int markMode = 0;
  FindingKind kind = FindingKind::None;
  std::string searchKey;  // search text, ':' and the rest; advice after the last '!' (ParseSearchKey)
  std::string altWord;
  std::string suggestion;
  int place = -1;      // where the finding's word stands in the checked text (a byte offset), -1 nowhere
  int nextPlace = -1;  // where the word after it stands
  int followingPlace = -1;  // where the word of the next finding stands
  int sentenceLength = 0;  // >0: the marker shows the sentence's length finding (MessageRec::sentenceLength)
};

// Working values of one record (all start afresh for each record).
struct MarkWork {
  std::string S;          // search text ('.' stands for any one character)
  std::string F;          // find text of the backward search and the marker text
  std::string findF;      // F as searched: apostrophe places kept as '.'
  std::string A;          // advice
  FindingKind kind = FindingKind::None;
  bool keepDots = false;
  bool wordDots = false;
  bool hyphenate = false;
  bool parenthesised = false;
  int refineMode = 0;
  int backwardMode = 0;
  bool markModeSix = false;  // the record's markMode becomes 6
};

enum class KeyReading {
  Search,         // S is set: go on by kind
  MissingSearch,  // no search text: the "Gate No." box
  LeadingColon,   // the key begins with a single ':': the "Dictionary" box
};

// Steps of the key reading: advice, colon finding, search text, dots,
// hyphens, slash, parentheses. Fills `work` from `in`.
KeyReading ReadMarkKey(const MarkInput& in, MarkWork& work);

// A correction with a '?' in S: the search text, and the article to insert
// after the text found.
struct ArticleCorrection {
  std::string search;
  std::string insert;
};
ArticleCorrection ArticleFix(const MarkWork& work);

// Every '-' and blank of `s` as '.'.
std::string DotsForBlanksAndHyphens(std::string s);

// What a correction of the article rules puts in or changes; the writer is
// shown it as a marker's advice rather than finding it applied unseen.
enum class ArticleCorrectionKind {
  None,       // another correction: it goes in as it is
  Insertion,  // an article the sentence needs after the word ('?' in the key)
  Change,     // an article changed ("a" for "an") or put before the word ("the plug")
  And,        // "and" for the sign written ("..." before the next word)
};
ArticleCorrectionKind ArticleCorrectionOf(const MarkWork& work);
// "a", "an" or "the" in any case.
bool IsArticle(std::string_view word);

// For the other kinds: the '?' and ',' keys, then (after the host step of
// the sentence article) the refinements by kind and by category 10 and 28
// that settle S, F and the backward mode.
void ApplyLeadingKeyChar(const MarkInput& in, MarkWork& work);
void RefineSearch(const MarkInput& in, MarkWork& work);

// The marker text rebuilt from F, used when the host cannot show the text
// it found.
std::string MarkerTextFromF(const MarkWork& work);

// The text searched for the words of a finding: a '@' of the text, a
// character or entity reference, and a '?' that stands for an apostrophe
// inside a word, are each one character of the word, searched as
// kWordCharWildcard.
std::string FindText(std::string_view text);
