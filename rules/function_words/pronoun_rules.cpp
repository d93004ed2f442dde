// Rules of the personal pronouns, class 66: "he" and "she" become a role,
// "it" and "they"/"them" ask for a noun and keep the subject state of the
// sentence for the agreement check, first-person words ask for the company.
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/pronoun_tables.h"

namespace {

// How many words before "it" are looked at for a noun it can stand for.
constexpr int kScanWords = 7;

// "he", "she": a role in place of the pronoun; the word is a noun from now
// on, and a base verb after it is in the wrong tense.
Walk HeShe(RuleContext& c) {
  WriteSuggestion(c.word, "the person/the operator/the technician");
  c.state.subjectNumber = 0;
  c.word->wordClass = Cls::Noun;
  c.state.clauseState = 1;
  SetWordMessage(c.word, Msg::WrongChoice, 1834);
  if (c.n1().wordClass != Cls::Verb) return Walk::Next;
  SetWordMessage(c.N(1), Msg::VerbTense, 1835);
  return Walk::PassNext;
}

// Walks back from the word before "it", over at most kScanWords words of
// its clause, for a singular noun that "it" can stand for. A find leaves
// clauseState 99. The scan stops at the first record of the text.
bool FindsSubjectBefore(RuleContext& c) {
  c.state.clauseState = 0;
  c.state.scratchIndex = 0;
  for (const WordRec* q = c.P(1);; q = q->prev, ++c.state.scratchIndex) {
    if (!q || q == c.head || c.state.scratchIndex >= kScanWords || q->sentencePos == 0 || FirstIs(*q, '(') ||
        ClassIsOneOf(*q, {Cls::AndOr, Cls::Inch, Cls::Comma, Cls::To, Cls::Verb}))
      return false;
    if (ClassIsOneOf(*q, {Cls::ShortForm, Cls::Noun, Cls::Nomenclature, Cls::MaterialNoun, Cls::Unit})) {
      c.state.clauseState = 99;
      return true;
    }
  }
}

Walk It(RuleContext& c) {
  using namespace pronoun;
  c.state.subjectNumber = 0;
  c.state.clauseState = 1;
  if (auto o = ApplyFirstMatch(c, kItFirst)) return *o;
  if (RowHolds(c, kItIsOpening)) {
    // "It is" covers both words, and the walk goes on after the word that
    // follows "is".
    ApplyRow(c, kItIsOpening);
    c.word = SkipCoveredWords(c.word);
    return Walk::PassNext;
  }
  if (auto o = ApplyFirstMatch(c, kItNext)) return *o;
  if (c.word->sentencePos > 4 && !FindsSubjectBefore(c)) {
    WriteSuggestion(c.word, "(Insert a sing. subject)");
    SetWordMessage(c.word, Msg::MissingReference, 8174);
    return Walk::Next;
  }
  return ApplyFirstMatch(c, kItAfterScan).value_or(Walk::Next);
}

}  // namespace

Walk ApplyPronounRules(RuleContext& c) {
  using namespace pronoun;
  c.word->subClass = 0;
  if (TextIs(c.n1(), "had")) return Walk::PassNext;
  const WordRec& w = *c.word;
  if (TextIsOneOf(w, {"he", "she"})) return HeShe(c);
  if (TextIs(w, "it")) return It(c);
  if (TextIsOneOf(w, {"they", "them"})) {
    c.state.subjectNumber = 1;
    return ApplyFirstMatch(c, kTheyThem).value_or(Walk::Next);
  }
  if (TextIs(w, "am")) c.state.subjectNumber = 1;
  return ApplyFirstMatch(c, kOtherWords).value_or(Walk::Next);
}
