// The "shall" family (shall, should) and the "will" family (will, want,
// would) inside a sentence. An unmatched "shall" or "should" always gets the
// general advice; "will" and "want" before a noun are read as the noun.
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "platform/bounded_text.h"
#include "rules/main/modal_families.h"

namespace {

constexpr const char* kNounAdvice = "(Legal document or emotion)";
constexpr int kWillNounRule = 4315;

bool IsNoun(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }
bool Inside(const WordRec& w) { return w.sentencePos > 0; }

// The -s form of a verb as written: "es" after s, x, z, o, ch and sh
// ("passes", "fixes", "goes"), else "s".
BoundedText<84> SForm(std::string_view verb) {
  const std::size_t n = verb.size();
  const char last = n >= 1 ? AsciiLower(verb[n - 1]) : '\0';
  const char before = n >= 2 ? AsciiLower(verb[n - 2]) : '\0';
  const bool es = (last != '\0' && CharIn(last, "sxzo")) || (last == 'h' && (before == 'c' || before == 's'));
  BoundedText<84> s(verb);
  s.append(es ? "es" : "s");
  return s;
}

// "will"/"want" read as the noun: after an article, or when marked.
bool ReadAsNoun(const RuleContext& c) {
  return IsMarked(*c.word) || (Inside(*c.word) && c.P(1) && c.p1().wordClass == Cls::Article);
}

Walk NounAdvice(WordRec* w) {
  WriteSuggestion(w, kNounAdvice);
  SetWordMessage(w, Msg::WrongMeaning, kWillNounRule);
  return Walk::Next;
}

// The noun after "will" or "want" gets the finding and is passed over.
Walk NounAfter(WordRec* n) {
  SetWordMessage(n, Msg::WrongMeaning, kWillNounRule);
  return Walk::PassNext;
}

// "would open." -> "opens": the verb agrees with a singular subject.
Walk VerbBeforeEnd(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& verb = c.n1();
  w->entryWords = 2;
  if (verb.lastLetter == 'y') {
    w->suggestion.clear();
  } else if (c.P(1) && ClassIsOneOf(c.p1(), {Cls::NounPlural, Cls::NomenclaturePlural})) {
    WriteSuggestion(w, verb.written.view());
  } else if (verb.extraFlag < '0' || verb.extraFlag > '2') {
    // The -s form of a verb no dictionary holds (no slot of one is recorded
    // on it) is no word to put in either.
    WriteSuggestion(w, "(" + SForm(verb.written.view()).str() + ")");
  } else {
    WriteSuggestion(w, SForm(verb.written.view()).view());
  }
  SetWordMessage(w, Msg::VerbTense, 4736);
  return Walk::SkipCovered;
}

// The steps after the table of "will" and "would" when no phrase matched.
Walk UnmatchedWill(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  const WordRec& n2 = c.n2();
  if (TextIs(n, "be") && n.wordClass == Cls::Participle) return Walk::Next;
  if (WordRec* p = c.P(1); p && TextIs(*p, "who")) {
    p->entryWords = 2;
    SetWordMessage(p, Msg::Pronoun, 3137);
    return Walk::Next;
  }
  if (n.wordClass == Cls::Adverb && c.N(2) && n2.wordClass == Cls::Verb && n2.subClass == 0) {
    w->entryWords = 3;
    SetWordMessage(w, Msg::VerbTense, 7515);
    return Walk::SkipCovered;
  }
  if (Inside(*w) && n.wordClass == Cls::Verb && n.subClass == 0 && c.N(2) && n2.wordClass == Cls::SentenceEnd)
    return VerbBeforeEnd(c);
  if (TextIs(*w, "would")) {
    WriteSuggestion(w, "can/(Rephrase)");
    SetWordMessage(w, Msg::WrongVerb, kWillNounRule);
  }
  return Walk::Next;
}

Walk WillOrWould(RuleContext& c) {
  WordRec* w = c.word;
  if (c.n1().wordClass == Cls::Adverb && TextIs(c.n2(), "be")) {
    w->entryWords = 3;
    WriteSuggestion(w, "(Rephrase)");
    SetWordMessage(w, Msg::VerbTense, kWillNounRule);
    return Walk::SkipCovered;
  }
  const auto rows = WillPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  return UnmatchedWill(c);
}

}  // namespace

Walk ApplyShallFamily(RuleContext& c) {
  WordRec* w = c.word;
  if (!TextIsOneOf(*w, {"shall", "should"})) return Walk::Next;
  w->wordClass = Cls::Verb;
  w->entryWords = 1;
  const auto rows = ShallPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  WriteSuggestion(w, "can/must");
  SetWordMessage(w, Msg::VerbTense, 3713);
  return Walk::Next;
}

Walk ApplyWillFamily(RuleContext& c) {
  WordRec* w = c.word;
  if (!TextIsOneOf(*w, {"will", "want", "would"})) return Walk::Next;
  WordRec* n = c.N(1);
  if (!n) return Walk::Next;
  if (ClassIsOneOf(*n, {Cls::VerbS, Cls::AndOr, Cls::Comma})) {
    SetWordMessage(w, Msg::VerbTense, 4816);
    return Walk::Next;
  }
  if (WordRec* p = c.P(1); Inside(*w) && p && p->wordClass == Cls::Comma) {
    SetWordMessage(p, Msg::Comma, 5626);
    return Walk::Next;
  }
  if (TextIs(*w, "want")) {
    if (n->wordClass == Cls::FirstPerson) return Walk::Next;
    if (IsNoun(n)) return NounAfter(n);
    return ReadAsNoun(c) ? NounAdvice(w) : Walk::Next;
  }
  if (TextIs(*w, "will")) {
    if (n->wordClass == Cls::FirstPerson || (Inside(*w) && c.P(1) && c.p1().wordClass == Cls::FirstPerson))
      return Walk::Next;
    if (IsNoun(n)) return NounAfter(n);
    if (ReadAsNoun(c)) return NounAdvice(w);
    if (TextIs(*n, "have")) return Walk::PassNext;
  }
  return WillOrWould(c);
}
