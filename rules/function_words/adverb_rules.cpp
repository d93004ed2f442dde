// Rules of the adverbs, classes 50 to 53: the gates on the next word, then
// the rows of "there", the rows of an adverb that opens its sentence, or the
// chain of the word's trigger, found by the first letter of its lookup key.
#include "engine/covered_words.h"
#include "rules/function_words/adverb_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace adverb {

std::string_view LookupKey(std::string_view text) {
  if (text == "only") return "a-only";
  if (text == "backward") return "f-backward";
  if (text == "very") return "t-very";
  return text;
}

namespace {

std::span<const Chain> GroupOf(char first) {
  switch (first) {
    case 'l': return kGroupL;
    case 'a': return kGroupA;
    case 'b': return kGroupB;
    case 'd': return kGroupD;
    case 'e': return kGroupE;
    case 'f': return kGroupF;
    case 'h': return kGroupH;
    case 'j': return kGroupJ;
    case 'n': return kGroupN;
    case 'o': return kGroupO;
    case 'p': return kGroupP;
    case 'q': return kGroupQ;
    case 's': return kGroupS;
    case 't': return kGroupT;
    case 'w': return kGroupW;
    default: return {};
  }
}

// The next word ends the body at once: a dropped "the" before it, a
// particle, a demonstrative, a name, material or unit, an article, a short
// form or a first-person word.
bool Gated(const RuleContext& c) {
  static constexpr Classes kGateClasses = {Cls::Particle,   Cls::Demonstrative, Cls::Unit,
                                           Cls::Nomenclature, Cls::ProperNoun, Cls::MaterialNoun,
                                           Cls::Article,    Cls::ShortForm,     Cls::FirstPerson};
  const WordRec* next = c.N(1);
  return next && (IsMarked(*next) || kGateClasses.Has(next->wordClass));
}

// "there": *there may be* covers three words, and the walk goes on two
// words after them.
Walk There(RuleContext& c) {
  const int row = FirstMatch(c, kThere);
  if (row < 0) return Walk::Next;
  const Walk outcome = ApplyRow(c, kThere[static_cast<std::size_t>(row)]);
  if (row != kThereMayBe) return outcome;
  c.word = SkipCoveredWords(c.word);
  return Walk::PassTwo;
}

}  // namespace

std::span<const RuleRow> ChainRows(std::string_view key) {
  if (key.empty()) return {};
  for (const Chain& chain : GroupOf(key.front()))
    if (chain.triggers.Has(key)) return chain.rows;
  return {};
}

}  // namespace adverb

Walk ApplyAdverbRules(RuleContext& c) {
  using namespace adverb;
  if (Gated(c)) return Walk::Next;
  const std::string_view text = c.word->text.view();
  if (text == "there") return There(c);
  if (c.First()) return ApplyFirstMatch(c, kSentenceStart).value_or(Walk::Next);
  // The key is the chain's alone: the word keeps its own text throughout.
  return ApplyFirstMatch(c, ChainRows(LookupKey(text))).value_or(Walk::Next);
}
