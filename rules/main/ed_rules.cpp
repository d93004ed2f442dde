// Rules of the verbs in -ed, class 22: a past form read as an adjective, a
// wrong tense, a phrasal verb, or a sentence that opens without a reference.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "rules/main/class_bodies.h"
#include "rules/main/ed_tables.h"

namespace {

// An -ed word that opens its sentence wants a reference to what it acts on.
Walk OpeningEd(RuleContext& c) {
  const WordRec& n = c.n1();
  if (ClassIsOneOf(n, {Cls::SentenceEnd, Cls::ShortForm, Cls::PlacePreposition, Cls::AndOr, Cls::Class41}) ||
      n.subClass > 299 || c.state.sentenceWordCount < 5 || (IsMarked(n) && n.wordClass < Cls::FirstNonNoun))
    return Walk::Next;
  SetWordMessage(c.word, Msg::MissingReference, 2902);
  return Walk::Next;
}

// The -ed word inside its sentence, before the phrase checks. No value:
// the phrase checks run.
std::optional<Walk> InsideChecks(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec* n = c.N(1);
  if (IsSentinel(n)) return Walk::Next;
  if (w->splitKind == '4' && c.p1().splitKind == '4') {
    w->wordClass = Cls::Adjective;
    SetWordMessage(w, Msg::Hyphenation, 4288);
    return Walk::Next;
  }
  if (IsMarked(*w)) {
    w->wordClass = Cls::Adjective;
    return Walk::Next;
  }
  const WordRec* p = c.P(1);
  if (p && (ClassIsOneOf(*p, {Cls::Negation, Cls::Be}) || (p->wordClass == Cls::Have && !FirstIs(*p, 'w')))) {
    w->wordClass = Cls::Participle;
    return Walk::Next;
  }
  if (n && ClassIsOneOf(*n, {Cls::VerbIng, Cls::Participle, Cls::With})) {
    SetWordMessage(w, Msg::VerbTense, 3118);
    return Walk::Next;
  }
  return std::nullopt;
}

}  // namespace

Walk ApplyEdRules(RuleContext& c) {
  c.state.lastVerbClass = Cls::VerbEd;
  WordRec* w = c.word;
  if (w->sentencePos == 0) return OpeningEd(c);
  if (w->sentencePos > 0)
    if (auto o = InsideChecks(c)) return *o;
  if (w->splitKind == '4' || IsMarked(*w) || IsMarked(c.n1()) || w->tokenKind == 9) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, EdPhraseRows())) return *o;
  if (w->sentencePos >= 1) {
    // A phrase of the second table keeps its own advice: the reference
    // checks would replace it.
    if (auto o = ApplyFirstMatch(c, EdSecondPhraseRows())) return *o;
  }
  if (w->sentencePos < 3) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, EdReferenceRows())) return *o;
  return Walk::Next;
}
