// The "may" family (may, might) and the "must" family inside a sentence.
// Both make the word a verb; "may" and "might" always get a finding.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/modal_families.h"

namespace {

constexpr Words kCaution = "caution|care";

// "caution must be taken" and "care must be exercised".
bool IsCautionPhrase(const RuleContext& c) {
  return c.P(1) && kCaution.Has(c.p1()) && TextIs(c.n1(), "be") && TextIsOneOf(c.n2(), {"taken", "exercised"});
}

// The last steps of "must": a passive "must be able" or "must be X-ed by".
Walk MustBe(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& second = c.n2();
  if (!TextIs(c.n1(), "be") || !c.N(2) || second.subClass != 0) return Walk::Next;
  if (TextIs(second, "able")) {
    w->entryWords = 3;
    WriteSuggestion(w, "must/can");
    SetWordMessage(w, Msg::PassiveVoice, 5825);
    return Walk::SkipCovered;
  }
  if (second.wordClass == Cls::Participle && TextIs(c.n3(), "by")) {
    w->entryWords = 3;
    SetWordMessage(w, Msg::PassiveVoice, 4612);
    return Walk::SkipCovered;
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyMayFamily(RuleContext& c) {
  WordRec* w = c.word;
  w->wordClass = Cls::Verb;
  w->entryWords = 1;
  w->suggestion.clear();
  const auto rows = MayPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  WriteSuggestion(w, "can/(Rephrase)");
  SetWordMessage(w, Msg::WrongVerb, 3713);
  return Walk::Next;
}

Walk ApplyMustFamily(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (n.text.first() == ':') return Walk::Next;
  w->wordClass = Cls::Verb;
  w->entryWords = 1;
  if (!c.N(1) || CodeStarts(n, 'B') || ClassIsOneOf(n, {Cls::Neutral, Cls::Modal}) || w->extraFlag == '5' ||
      w->splitKind == '1')
    return Walk::Next;
  if (n.wordClass == Cls::AndOr) {
    SetWordMessage(w, Msg::VerbTense, 5381);
    return Walk::Next;
  }
  if (n.wordClass == Cls::Noun) c.N(1)->wordClass = Cls::Verb;
  if (TextIs(n, "no") && TextIs(c.n2(), "longer")) {
    // The advice alone; the phrase gets no message of its own.
    w->entryWords = 3;
    WriteSuggestion(w, "must not");
    return Walk::Next;
  }
  if (TextIs(n, "not")) return Walk::PassNext;
  if (TextIs(n, "never")) {
    w->entryWords = 2;
    WriteSuggestion(w, "must not");
    SetWordMessage(w, Msg::VerbTense, 2815);
    return Walk::SkipCovered;
  }
  const auto rows = MustPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  if (w->sentencePos > 0 && c.P(1) && (TextIs(c.p1(), "you") || c.p1().wordClass == Cls::AndOr)) return Walk::Next;
  if (w->sentencePos < 0) {
    const auto offset = MustOffsetRows();
    if (const int i = MatchPhrase(c, offset); i >= 0) return ApplyPhrase(c, offset[static_cast<std::size_t>(i)]);
    return Walk::Next;
  }
  if ((c.P(1) && c.p1().wordClass == Cls::Article) || IsMarked(*w)) {
    SetWordMessage(w, Msg::Translation, 4281);
    return Walk::Next;
  }
  if (IsCautionPhrase(c)) {
    // The finding covers the four words of the phrase from "caution" on, so
    // that no word after it is taken in.
    c.word = c.P(1);
    c.word->entryWords = 4;
    WriteSuggestion(c.word, "be careful");
    SetWordMessage(c.word, Msg::Translation, 2185);
    return Walk::SkipCovered;
  }
  return MustBe(c);
}
