// Rules of the prepositions and relative words, class 60: the class head,
// the steps of a word that opens its sentence, then the chain of the word.
#include <string_view>

#include "engine/class_numbers.h"
#include "engine/neighbour_tests.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/preposition_tables.h"
#include "rules/function_words/preposition_which_over.h"

namespace {

using namespace preposition;

bool NounAt(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }
bool UnmarkedNounAt(const WordRec* w) { return NounAt(w) && w->markFlag == '0'; }

// A table, and nothing more when no row holds.
Walk Table(RuleContext& c, std::span<const RuleRow> rows) {
  if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}

// A word opening its sentence: a preposition finding, or the comma it needs.
// A word in "b" passes where the sentence is short or has its comma.
Walk Opening(RuleContext& c) {
  const bool b = FirstIs(*c.word, 'b');
  if (c.state.sentenceWordCount < 5) {
    if (!b) SetWordMessage(c.word, Msg::Preposition, 4934);
    return Walk::Next;
  }
  if (FirstIs(*c.word, 'u')) {
    SetWordMessage(c.word, Msg::Preposition, 4934);
    return Walk::Next;
  }
  c.state.scratchResult = ScanAheadForClass47(c.word);
  if (c.state.scratchResult < 0)
    SetWordMessage(c.word, Msg::Comma, 1348);
  else if (!b)
    SetWordMessage(c.word, Msg::Preposition, 4934);
  return Walk::Next;
}

Walk Across(RuleContext& c) { return Table(c, kAcross); }
Walk Its(RuleContext& c) { return Table(c, kIts); }
Walk Since(RuleContext& c) { return Table(c, kSince); }
Walk What(RuleContext& c) { return Table(c, kWhat); }
Walk Who(RuleContext& c) { return Table(c, kWho); }

// "against" and "between" open a new clause: the subject and verb met so far
// no longer count.
void ForgetSubject(RuleContext& c) {
  c.state.subjectSeen = -1;
  c.state.lastVerbClass = -1;
}

Walk Against(RuleContext& c) {
  ForgetSubject(c);
  return Table(c, kAgainst);
}

Walk Between(RuleContext& c) {
  ForgetSubject(c);
  const WordRec* p = c.P(1);
  const bool nounOrParticiple = NounAt(p) || (p && In(p->wordClass, {Cls::VerbEd, Cls::Participle}));
  if (c.word->sentencePos > 0 && nounOrParticiple && UnmarkedNounAt(c.N(1))) SuggestArticleForNext(c.word);
  return Walk::Next;
}

Walk Into(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kInto)) return *o;
  if (UnmarkedNounAt(c.N(1))) SuggestArticleForNext(c.word);
  if (c.n1().wordClass == Cls::Comma) SetWordMessage(c.word, Msg::Preposition, 5157);
  return Walk::Next;
}

Walk Through(RuleContext& c) {
  const WordRec* p = c.P(1);
  if (c.word->sentencePos > 1 && p && p->tokenKind == 0) {
    if (c.word->splitKind == '4') {
      SetWordMessage(c.word, Msg::Hyphenation, 4934);
      return Walk::Next;
    }
    if (NounAt(p) && UnmarkedNounAt(c.N(1))) SuggestArticleForNext(c.word);
    if (TextStartsOneOf(*p, {"fall", "drop"}) || p->wordClass == Cls::Neutral ||
        c.n1().wordClass == Cls::Neutral)
      return Walk::Next;
    if (auto o = ApplyFirstMatch(c, kThroughVerb)) return *o;
  }
  if (TextIs(c.n1(), "what")) {
    c.word->entryWords = 2;
    SetWordMessage(c.word, Msg::Preposition, 5234);
    return Walk::SkipCovered;
  }
  return Walk::Next;
}

Walk Until(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kUntil)) return *o;
  if (c.word->markFlag == '0' && UnmarkedNounAt(c.N(1))) SuggestArticleForNext(c.word);
  return Walk::Next;
}

// "under" always gets a finding first; the table may replace it.
Walk Under(RuleContext& c) {
  c.word->tokenKind = 9;
  // "less than" asks for a quantity after it.
  WriteSuggestion(c.word, c.n1().wordClass == Cls::Number ? "less than" : "below/in/(less than)");
  SetWordMessage(c.word, Msg::Preposition, 4236);
  return Table(c, kUnder);
}

struct WordChain {
  std::string_view word;
  Walk (*chain)(RuleContext&);  // null: no rules of its own here
};

// The chains by the word; a class-60 word not listed has none.
constexpr WordChain kChains[] = {
    {"across", Across}, {"against", Against}, {"between", Between}, {"into", Into},
    {"its", Its},       {"over", OverRules},    {"since", Since},     {"through", Through},
    {"under", Under},   {"until", Until},     {"what", What},       {"which", WhichRules},
    {"who", Who},
};

}  // namespace

Walk ApplyPrepositionRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kHead)) return *o;
  if (c.word->sentencePos == 0) return Opening(c);
  for (const WordChain& w : kChains)
    if (c.word->text == w.word) return w.chain ? w.chain(c) : Walk::Next;
  return Walk::Next;
}
