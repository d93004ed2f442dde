// Rules of the small classes of the main rules: inner punctuation (42), the
// word after "in" read as an inch unit (44), "max" and "min" (45), the comma
// (47) and the sentence end (48), which counts the sentence that follows it.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/sentence_measures.h"
#include "rules/common/rule_row.h"
#include "rules/main/class_bodies.h"
#include "rules/main/label_words.h"

namespace {

// The comma's finding has a rule id of its own, so that it does not show
// the id of an earlier finding on the same word.
constexpr int kCommaRule = 4747;

// The word put in place of the short form keeps its case ("Max", "MAX").
void MakeAdjective(RuleContext&, WordRec& w) {
  w.wordClass = Cls::Adjective;
  SuggestionInWordCase(&w);
}

// After a number the short form is its unit ("10 min"), no word to spell out.
bool AfterNumber(const RuleContext& c) {
  return !c.First() && (c.p1().wordClass == Cls::Number || IsNumberText(c.p1().text.view()));
}

// clang-format off
constexpr RuleRow kMaxMin[] = {
    {.word = "max|max.|min|min.", .when = AfterNumber},
    {.word = "max|max.", .suggestion = "maximum", .tag = "<AR>", .then = MakeAdjective,
     .code = Msg::Spelling, .ruleId = 7669},
    {.word = "min|min.", .suggestion = "minimum", .tag = "<AR>", .then = MakeAdjective,
     .code = Msg::Spelling, .ruleId = 7669},
};
// clang-format on

// Step 3 of the colon: whether the walk goes on at once (true), or the
// class reset follows.
bool ColonEndsAtOnce(RuleContext& c) {
  const WordRec& p1 = c.p1();
  const WordRec& n1 = c.n1();
  if (TextIs(p1, "note")) return true;
  if (c.state.sentenceWordCount < 6 && n1.caseFlag != '0') return true;
  if (n1.written.first() == 'X') return true;
  if (WordRec* next = c.N(); next && !IsSentinel(next) && next->wordClass < Cls::FirstNonNoun)
    next->separatorFlag = '2';
  return p1.length == 1 || p1.wordClass < Cls::FirstNonNoun || p1.wordClass == Cls::Determiner;
}

}  // namespace

bool IsLabelWord(const WordRec& w, SentenceStateRec& state) {
  const bool hit = LabelWords.Has(w);
  state.scratchIndex = hit ? 99 : LabelWords.Count();
  return hit;
}

Walk ApplyPunctuationRules(RuleContext& c) {
  WordRec* w = c.word;
  c.state.skipAgreement = 0;
  const char first = w->text.first();
  if (c.First()) {
    if (first == '/') {
      SetWordMessage(w, Msg::Punctuation, 2407);
      return Walk::Next;
    }
  } else {
    if (c.p1().wordClass == Cls::Neutral) return Walk::Next;
    if (first == '/') {
      SetWordMessage(w, Msg::Punctuation, 2407);
      return Walk::Next;
    }
    if (first == ':' && ColonEndsAtOnce(c)) return Walk::Next;
    if (first == ';') {
      w->splitKind = '7';
      SetWordMessage(w, Msg::Punctuation, 3397);
      return Walk::Next;
    }
  }
  // The mark ends a clause for the later passes.
  w->wordClass = c.n1().wordClass == Cls::AndOr ? Cls::SentenceEnd : Cls::Neutral;
  if (c.First()) return Walk::Next;
  if (first == ':' && (IsDigit(c.n1().text.first()) || c.n1().sentencePos == 1)) return Walk::Next;
  c.state.sentenceWordCount = CountSentenceWords(w, 1);
  if (c.state.sentenceWordCount > 21 || w->sentenceLength > 21) return Walk::Next;
  // A colon after a label ("Warning:") is no fault.
  if (WordRec* p = c.P(); p && IsLabelWord(*p, c.state)) pass::ClearCodes(w);
  return Walk::Next;
}

Walk ApplyInchRules(RuleContext& c) {
  WordRec* w = c.word;
  if (c.First() || !TextIs(c.p1(), "in")) return Walk::Next;
  // A closing bracket after "in" closes the bracket ("Plug-in)"): no
  // inch sign, and nothing to put in its place.
  if (CharIn(w->text.first(), ")]}")) return Walk::Next;
  // The advice and its message go on the same word, so the marker shows it.
  CopyTag(w, "<AR>");
  WriteSuggestion(w, "inch");
  SetWordMessage(w, Msg::Spelling, 1304);
  return Walk::Next;
}

Walk ApplyShortFormRules(RuleContext& c) {
  WordRec* w = c.word;
  SentenceStateRec& s = c.state;
  s.subjectNumber = 0;
  if (s.subjectSeen < 0) {
    s.subjectNumber = w->lastLetter == 's' ? 1 : 0;
    ++s.subjectSeen;
  }
  if (auto o = ApplyFirstMatch(c, kMaxMin)) return *o;

  const WordRec& n1 = c.n1();
  if (w->verbForm == 'b' || w->verbForm == 'B' || w->extraFlag == 'A' || w->separatorFlag == 'S' ||
      w->splitKind == '2' || (w->caseFlag == '2' && w->subClass == 2) || n1.text.first() == ':')
    return Walk::Next;

  const std::size_t slash = w->written.view().find('/');
  if (w->caseFlag == '0' && w->length > 4 && slash != std::string_view::npos) {
    // "max/min": the tag keeps the letter after the slash; the word becomes the slash.
    const char tag[3] = {'/', w->written[slash + 1], '\0'};
    w->splitKind = '6';
    CopyTag(w, tag);
    w->written = "/";
    w->length = 1;
    SetWordMessage(w, Msg::Punctuation, 6764);
    return Walk::Next;
  }
  if (WordRec* next = c.N(); next && !IsSentinel(next) && next->wordClass == Cls::Adjective &&
                             next->markFlag == '0' && w->splitKind == '4')
    SetWordMessage(next, Msg::Hyphenation, 1942);
  return Walk::Next;
}

Walk ApplyCommaRules(RuleContext& c) {
  WordRec* w = c.word;
  c.state.skipAgreement = 0;
  if (c.First()) return Walk::Next;
  const int before = c.p1().wordClass;
  if (c.n1().wordClass != Cls::AndOr && before != Cls::Be && before != Cls::Have) return Walk::Next;
  w->entryWords = 2;
  SetWordMessage(w, Msg::Punctuation, kCommaRule);
  return Walk::PassNext;
}

Walk ApplySentenceEndRules(RuleContext& c) {
  WordRec* w = c.word;
  c.state.ResetAtSentenceEnd();
  w->verbForm = '*';
  w->extraFlag = '\0';
  const WordRec* next = c.N();
  const char first = w->text.first();
  // A mark first in its sentence with a word before it stands right after
  // the mark that ended that sentence: a block's end after "?", "!" or ":".
  // The mark before counted no words up to it, so this one counts the
  // sentence that follows, as a block's end after a full stop does.
  if ((!c.First() || c.P()) && !AtEnd(next) &&
      (first == '!' || first == '?' || first == '.' || first == ':' || first == ';')) {
    c.state.sentenceWordCount = CountSentenceWords(w, 1);
  }
  return Walk::Next;
}
