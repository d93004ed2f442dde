// The phrase rules of "in": one table, tried in its order among the rows
// of N1's first letter. Word lists are "a|b|stem*"; "+ of" and "+ to" are
// the classes 67 and 68 of the word after N1.
#include "engine/ascii_text.h"
#include "engine/message_codes.h"
#include "rules/phrases/phrase_common.h"
#include "rules/phrases/phrase_rules.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

struct InRow {
  const char* letters;               // first letters of N1 the row is tried for
  const char* n1 = nullptr;          // null: any word (with n1Class)
  int n1Class = 0;                   // 0: any class
  const char* n1Not = nullptr;       // words N1 must not be
  const char* n2 = nullptr;          // with n2Class/n2Class2: N2 matches any one given
  int n2Class = 0;
  int n2Class2 = 0;
  const char* n2Not = nullptr;
  const char* n3 = nullptr;
  const char* suggestion = nullptr;  // null: none
  int covers = 1;
  bool noMessage = false;            // writes the suggestion only
};

// clang-format off
constexpr InRow kInRows[] = {
    {.letters = "t", .n1 = "this", .n2 = "example", .suggestion = "for example", .noMessage = true},
    {.letters = "t", .n1 = "this|that", .n2 = "order", .suggestion = "in this sequence/in these steps", .covers = 3},
    {.letters = "t", .n1 = "terms", .n2Class = 67, .covers = 3},
    {.letters = "t", .n1 = "this|that|these", .n2 = "case*|instance*", .suggestion = "(Make a positive statement)", .covers = 3},
    {.letters = "t", .n1 = "these", .n2 = "limits", .suggestion = "is less than", .covers = 2},
    {.letters = "t", .n1 = "this", .n2 = "way|method", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "t", .n1 = "touch", .n2 = "with", .suggestion = "connect/make contact/(Rephrase)", .covers = 3},
    {.letters = "t", .n1 = "total|terms|turn|transit|testing|training", .covers = 2},
    {.letters = "u", .n1 = "use", .suggestion = "in operation/in service/operates"},
    {.letters = "u", .n1 = "unison", .suggestion = "together"},
    {.letters = "v", .n1 = "view", .n2Class = 67, .suggestion = "refer to/because", .covers = 3},
    {.letters = "v", .n1 = "view", .suggestion = "visible/you can see"},
    {.letters = "w", .n1 = "which", .n2 = "some|certain", .suggestion = "for", .covers = 3},
    {.letters = "w", .n1 = "writin*", .suggestion = "written instructions", .covers = 2},
    {.letters = "w", .n1 = "which", .n2 = "case", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "w", .n1 = "whole|width", .covers = 2},
    {.letters = "s", .n1 = "such", .n2 = "case*", .suggestion = "for/(Rephrase for clarity)", .covers = 3},
    {.letters = "s", .n1 = "such", .n2Class = 64, .n3 = "way|method", .suggestion = "for example", .covers = 3},
    {.letters = "s", .n1 = "spite", .n2Class = 67, .suggestion = "because of", .covers = 3},
    {.letters = "s", .n1 = "some", .n2 = "cases|fashion|instances", .suggestion = "(Make a positive statement)", .covers = 3},
    {.letters = "s", .n1 = "sight", .suggestion = "visible / you can see"},
    {.letters = "n", .n1 = "need", .n2Class = 67, .suggestion = "for/... necessary", .covers = 3},
    {.letters = "n", .n1 = "no", .n2 = "case*", .suggestion = "can not/do not/(Rephrase)", .covers = 3},
    {.letters = "n", .n1 = "no", .covers = 3},
    {.letters = "n", .n1 = "nature", .covers = 2},
    {.letters = "r", .n1 = "response|regard", .n2Class = 68, .n2Class2 = 74, .suggestion = "from/for/(Rephrase)", .covers = 3},
    {.letters = "r", .n1 = "reverse", .n2 = "order", .suggestion = "(Give steps or sequence.)", .covers = 3},
    {.letters = "r", .n1 = "regard*", .n1Not = "regard", .n2Class = 68, .suggestion = "about/(Rephrase)", .covers = 3},
    {.letters = "r", .n1 = "reverse", .suggestion = "in the reverse direction/in the REVERSE gear"},
    {.letters = "pq", .n1 = "preparation", .n2Class = 68, .suggestion = "to prepare for", .covers = 3},
    {.letters = "pq", .n1 = "place", .n2 = "of", .suggestion = "alternative to", .covers = 3},
    {.letters = "pq", .n1 = "process", .n2 = "of", .suggestion = "during/while", .covers = 3},
    {.letters = "pq", .n1 = "possession", .n2 = "of", .suggestion = "has/have", .covers = 3},
    {.letters = "pq", .n1 = "plain", .n2 = "view|sight", .suggestion = "visible", .covers = 3},
    {.letters = "pq", .n1 = "phase|particular|question", .covers = 2},
    {.letters = "pq", .n1 = "progress", .suggestion = "in operation/during"},
    {.letters = "pq", .n1 = "parallel", .suggestion = "occurs at the same time"},
    {.letters = "pq", .n1 = "place", .suggestion = "in position/(Give position ref.)", .covers = 3},
    {.letters = "o", .n1 = "or", .n2 = "around", .suggestion = "near/during ...", .covers = 3},
    {.letters = "o", .n1 = "order", .n2 = "for|that|to|too", .n2Class = 68, .suggestion = "to", .covers = 3},
    {.letters = "o", .n1 = "other", .n2 = "words", .suggestion = "(Delete)", .covers = 3},
    {.letters = "o", .n1 = "opposition", .n2Class = 68, .suggestion = "(Delete)", .covers = 3},
    {.letters = "o", .n1 = "order", .suggestion = "in a sequence/in a position"},
    {.letters = "m", .n1 = "most|many", .n2 = "cases", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "m", .n1 = "more", .n2 = "detail", .suggestion = "shows more information", .covers = 3},
    {.letters = "m", .n1 = "motion", .suggestion = "moves/has movement"},
    {.letters = "m", .n1 = "many|most", .suggestion = "(Give Quantity Ref.)"},
    {.letters = "m", .n1 = "mind", .covers = 2},
    {.letters = "l", .n1 = "lieu", .n2 = "of", .suggestion = "alternative to/other", .covers = 3},
    {.letters = "l", .n1 = "light", .n2 = "of", .suggestion = "because of", .covers = 3},
    {.letters = "l", .n1 = "later|latter|late|length", .covers = 2},
    {.letters = "l", .n1 = "line", .suggestion = "align/aligned/correct"},
    {.letters = "ghk", .n1 = "general|house|kind|height|hindsight", .covers = 2},
    {.letters = "f", .n1 = "favor", .n2Class = 67, .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "f", .n1 = "form", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "f", .n1 = "fact|face|former", .covers = 2},
    {.letters = "f", .n1 = "flight", .suggestion = "during the flight", .covers = 2},
    // The whole phrase before its stem row.
    {.letters = "a", .n1 = "accordance", .n2 = "with", .suggestion = "according to/refer to/with/for", .covers = 3},
    {.letters = "a", .n1 = "accord*|agreem*", .n2 = "with|to", .n2Class = 68, .suggestion = "according to/refer to/as shown/agree", .covers = 3},
    {.letters = "a", .n1 = "and", .n2 = "out", .suggestion = "(Clarify the movement)/in-and-out", .covers = 3},
    {.letters = "a", .n1 = "additi*", .n2Class = 68, .suggestion = "also/includes", .covers = 3},
    {.letters = "a", .n1 = "an", .n2 = "emergency", .suggestion = "during an emergency/if there is an emergency", .covers = 3},
    {.letters = "a", .n1 = "all|any", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "a", .n1 = "a*", .n2 = "way", .suggestion = "(Rephrase)", .covers = 3},
    {.letters = "a", .n1 = "a*", .n2 = "case*", .suggestion = "according to/refer to/as shown/agree", .covers = 3},
    {.letters = "a", .n1 = "an", .n2Not = "way|case*", .covers = 3},
    {.letters = "a", .n1 = "a*", .n2 = "effort", .covers = 3},
    {.letters = "a", .n1Class = 64, .n2 = "manner", .suggestion = "(Rephrase for clarity)", .covers = 3},
    {.letters = "a", .n1 = "addition", .suggestion = "(Delete)/for example", .covers = 2},
    {.letters = "a", .n1 = "advance", .suggestion = "before/prepare for", .covers = 2},
    {.letters = "b", .n1 = "back", .n2Class = 67, .suggestion = "behind", .covers = 3},
    {.letters = "b", .n1 = "both", .n2 = "cases", .suggestion = "for each ...", .covers = 3},
    {.letters = "c", .n1 = "contrast", .n2Class = 68, .suggestion = "compare to/opposite to", .covers = 3},
    {.letters = "c", .n1 = "case", .n2 = "of", .suggestion = "if/if there is ...", .covers = 3},
    {.letters = "c", .n1 = "contact", .n2 = "with", .suggestion = "touch / touches", .covers = 3},
    {.letters = "c", .n1 = "conflict", .n2 = "with", .suggestion = "opposite to", .covers = 3},
    {.letters = "c", .n1 = "connection", .n2 = "with", .suggestion = "refer to/about/in relation to/(Delete)", .covers = 3},
    {.letters = "c", .n1 = "cooperation", .n2 = "with", .suggestion = "with/refer to", .covers = 3},
    {.letters = "c", .n1 = "combination|conjunction|concert", .n2 = "with", .suggestion = "with", .covers = 3},
    {.letters = "c", .n1 = "conclusion|contrast", .covers = 2},
    {.letters = "d", .n1 = "doing", .n2 = "so", .suggestion = "(Delete)", .covers = 3},
    {.letters = "d", .n1 = "due", .n2 = "time", .suggestion = "(Give time Measurement)", .covers = 3},
    {.letters = "d", .n1 = "detail|design|depth|doubt", .covers = 2},
    {.letters = "e", .n1 = "event", .n2 = "that", .n2Class = 67, .suggestion = "if/when/during", .covers = 3},
    {.letters = "e", .n1 = "essence|early|effect", .covers = 2},
};
// clang-format on

bool Matches(const InRow& row, const PhraseWords& pw) {
  const WordRec& n1 = pw.n1;
  const WordRec& n2 = pw.n2;
  if (row.n1 && !TextMatches(n1, row.n1)) return false;
  if (row.n1Class && n1.wordClass != row.n1Class) return false;
  if (row.n1Not && TextMatches(n1, row.n1Not)) return false;
  if (row.n2 || row.n2Class || row.n2Class2) {
    bool any = (row.n2 && TextMatches(n2, row.n2)) || (row.n2Class && n2.wordClass == row.n2Class) ||
               (row.n2Class2 && n2.wordClass == row.n2Class2);
    if (!any || !pw.n2p) return false;
  }
  if (row.n2Not && TextMatches(n2, row.n2Not)) return false;
  if (row.n3 && !TextMatches(pw.n3, row.n3)) return false;
  return true;
}

// The rule id tells the words a finding covers.
int RuleIdFor(int covers) {
  switch (covers) {
    case 1:
      return 3916;
    case 2:
      return 3917;
    default:
      return 3918;
  }
}

}  // namespace

int CheckInPhrase(WordRec* word) {
  if (!word || !Next(word)) return 0;
  const PhraseWords pw(word);
  const WordRec& n1 = pw.n1;
  if (CodeStarts(n1, 'A') || IsMarked(*word) || word->splitKind == '4' ||
      ClassIsOneOf(n1, {45, 76, 78}))
    return 0;

  const char letter = n1.text.first();
  if (letter == '\0') return 0;
  for (const InRow& row : kInRows) {
    if (!CharIn(letter, row.letters) || !Matches(row, pw)) continue;
    if (row.noMessage) {
      if (row.suggestion) WriteSuggestion(word, row.suggestion);
      return 1;
    }
    GiveFinding(pw, word, Msg::WrongMeaning, RuleIdFor(row.covers),
                {.covers = row.covers, .suggestion = row.suggestion});
    return 1;
  }
  return 0;
}
