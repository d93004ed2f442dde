// Rules of "and", "or" and "&", class 63: the steps every conjunction
// shares, with the two forward scans for a repeated conjunction, then the
// rows of "or" or of "and". Every path ends the call.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/and_or_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// How far the scans for a repeated conjunction look.
constexpr int kScanWords = 6;

// A record that ends the clause for the repeated-"and" scan: the end of
// the text or sentence, a comma, a verb, a preposition, a number, a "the"
// at or right after it.
bool EndsAndScan(const WordRec& r) {
  if (IsSentinel(&r) || r.sentencePos == 0 || IsMarked(r) || IsMarked(NextOr(&r))) return true;
  if (CodeStarts(r, 'V') || r.text.first() == '(') return true;
  return ClassIsOneOf(r, {Cls::Comma, Cls::SentenceEnd, Cls::Of, Cls::ForBy, Cls::To, Cls::Be, Cls::Have,
                          Cls::Number, Cls::PlacePreposition, Cls::TimeConjunction});
}

// *A and B and C*: the second "and" of one clause is the finding.
bool RepeatedAnd(const RuleContext& c) {
  WordRec* r = c.N(1);
  for (int i = 0; i < kScanWords && r; ++i, r = Next(r)) {
    if (EndsAndScan(*r)) return false;
    if (r->wordClass == Cls::AndOr && r->text.first() == 'a') {
      if (r->text != c.word->text.view()) return false;
      WriteSuggestion(r, "(Repeated word -and-)");
      SetWordMessage(r, Msg::Awkward, 3604);
      return true;
    }
  }
  return false;
}

// The same conjunction again before the sentence or a comma ends it.
void RepeatedConjunction(const RuleContext& c) {
  WordRec* r = c.N(1);
  for (int i = 0; i < kScanWords && !AtEnd(r); ++i, r = Next(r)) {
    if (ClassIsOneOf(*r, {Cls::Comma, Cls::SentenceEnd})) return;
    if (r->wordClass == Cls::AndOr && r->text.first() == c.word->text.first()) {
      if (r->text == c.word->text.view()) SetWordMessage(r, Msg::Rephrase, 7679);
      return;
    }
  }
}

}  // namespace

Walk ApplyAndOrRules(RuleContext& c) {
  using namespace and_or;
  if (c.First()) return Walk::Next;
  c.state.skipAgreement = 1;
  if (c.n1().length == 1) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, kCommaAfter)) return *o;
  if (RepeatedAnd(c)) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, kBeforeRepeat)) return *o;
  RepeatedConjunction(c);
  if (auto o = ApplyFirstMatch(c, kShared)) return *o;

  const bool isOr = TextIs(*c.word, "or");
  if (!isOr && !TextIs(*c.word, "and")) return Walk::Next;
  // A subject joined by "and" or "or" is no longer the sentence's subject;
  // with "and" the agreement check accepts the verb, with "or" it does not.
  c.state.subjectNumber = -1;
  c.state.subjectSeen = -1;
  if (isOr) c.state.skipAgreement = 0;
  return ApplyFirstMatch(c, isOr ? kOr : kAnd).value_or(Walk::Next);
}
