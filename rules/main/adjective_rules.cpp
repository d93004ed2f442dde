// Rules of the adjectives, classes 30, 31 and 32: the guards of every
// adjective and the adjective that opens its sentence, the past participles
// used as adjectives, and the colour words. An adjective inside its
// sentence goes on to the rules of its own word.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "engine/word_class_resolution.h"
#include "rules/main/adjective_tables.h"
#include "rules/main/adjective_word_rules.h"
#include "rules/main/class_bodies.h"

namespace {

bool IsNoun(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }

Walk AdjectiveRules(RuleContext& c) {
  const WordRec* n = c.N(1);
  if (n && (ClassIsOneOf(*n, {Cls::Negation, Cls::QuantifierSingular, Cls::LeftRight, Cls::Number,
                              Cls::Preposition, Cls::ButBecause, Cls::Article, Cls::AndOr,
                              Cls::PlacePreposition}) ||
            In(n->text.first(), {'@', '[', '(', ')'})))
    return Walk::Clear;
  if (n && n->wordClass == Cls::SentenceEnd) return Walk::Next;
  if (n && ClassIsOneOf(*n, {Cls::Superlative, Cls::Comparative, Cls::Modal})) {
    SetWordMessage(c.word, Msg::Adjective, 2187);
    return Walk::Next;
  }
  if (c.word->sentencePos != 0) return ApplyAdjectiveWordRules(c);
  if (auto o = ApplyFirstMatch(c, OpeningAdjectiveRows())) return *o;
  return Walk::Next;
}

// A participle that opens its sentence.
Walk OpeningParticiple(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (IsMarked(*w) && IsNoun(n)) return Walk::Next;
  if (n && n->wordClass == Cls::AndOr) return Walk::Next;
  if (IsNoun(n) && w->markFlag == '0' && w->subClass == 0) {
    if (FindVerbAhead(n) < 0) return Walk::Next;
    c.state.scratchResult = NextNounTakesNoArticle(n);
    if (c.state.scratchResult == 99) return Walk::Next;
  }
  if (!IsMarked(c.n1()) && c.n1().wordClass != Cls::Article) {
    SetWordMessage(w, Msg::MissingReference, 966);
    return Walk::Next;
  }
  w->wordClass = Cls::VerbEd;
  SetWordMessage(w, Msg::VerbTense, 2903);
  return Walk::Next;
}

Walk ParticipleRules(RuleContext& c) {
  c.state.lastVerbClass = -1;
  c.state.subjectSeen = -1;
  const WordRec& n = c.n1();
  if (n.wordClass == Cls::Number || IsDigit(n.text.first())) return Walk::Next;
  if (n.wordClass == Cls::SentenceEnd || FirstIs(n, '@')) return Walk::Next;
  if (c.word->sentencePos == 0) return OpeningParticiple(c);
  if (c.word->sentencePos < 0) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, ParticipleRows())) return *o;
  return Walk::Next;
}

Walk ColourRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (!n || In(n->text.first(), {'@', ' ', '<'}) || IsMarked(*w) ||
      ClassIsOneOf(*n, {Cls::Comma, Cls::AndOr}) || (n->wordClass == Cls::Colour && n->splitKind == '4'))
    return Walk::Next;
  if (n->wordClass == Cls::Colour) {
    w->entryWords = 2;
    WriteSuggestion(w, "(Define a Pantone color.)");
    SetWordMessage(w, Msg::WrongMeaning, 2207);
    return Walk::SkipCovered;
  }
  if (w->sentencePos > 2) {
    // "turn red": the verb is what to change.
    if (WordRec* p = c.P(1); p && TextStarts(*p, "turn")) {
      WriteSuggestion(p, "change to/changes to");
      SetWordMessage(p, Msg::WrongVerb, 2207);
    }
    if (WordRec* p2 = c.P(2); p2 && TextStarts(*p2, "turn")) {
      p2->entryWords = 2;
      WriteSuggestion(p2, "change/changes");
      SetWordMessage(p2, Msg::WrongVerb, 2207);
    }
    return Walk::Next;
  }
  if (w->sentencePos == 0 && (IsNoun(n) || n->wordClass == Cls::Participle) && w->markFlag == '0' &&
      n->markFlag == '0' && FindVerbAhead(n) == 1)
    SuggestArticleThe(w);
  return Walk::Next;
}

}  // namespace

Walk ApplyAdjectiveRules(RuleContext& c) {
  switch (c.word->wordClass) {
    case Cls::Adjective:
      return AdjectiveRules(c);
    case Cls::Participle:
      return ParticipleRules(c);
    case Cls::Colour:
      return ColourRules(c);
    default:
      return Walk::Next;
  }
}
