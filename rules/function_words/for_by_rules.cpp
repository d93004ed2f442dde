// Rules of "for" and "by", class 65: the class head, then the chain of
// "for" or "by" inside a sentence, or the chain of a class-65 word that
// opens its sentence.
#include "engine/class_numbers.h"
#include "engine/neighbour_tests.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "engine/word_class_resolution.h"
#include "rules/function_words/for_by_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// "for" + an -ing verb: the advice is the infinitive built from it.
std::optional<Walk> ForIngVerb(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || next->wordClass != Cls::VerbIng || next->markFlag != '0' || next->subClass != 0)
    return std::nullopt;
  c.state.subjectNumber = 0;
  if (MakeVerbFromIng(next, 0) < 1) return Walk::Next;
  FormatSuggestion(c.word, "to %s", next->suggestion.c_str());
  c.word->entryWords = 2;
  SetWordMessage(c.word, Msg::Gerund, 2156);
  return Walk::SkipCovered;
}

Walk ForInside(RuleContext& c) {
  using namespace for_by;
  if (auto o = ApplyFirstMatch(c, kForFirst)) return *o;
  if (auto o = ApplyFirstMatch(c, kBeforeFor)) return *o;
  if (auto o = ApplyFirstMatch(c, kAfterFor)) return *o;
  if (auto o = ApplyFirstMatch(c, kForWords)) return *o;
  if (auto o = ApplyFirstMatch(c, kForRest)) return *o;
  if (auto o = ForIngVerb(c)) return *o;
  if (auto o = ApplyFirstMatch(c, kForTail)) return *o;
  return Walk::Next;
}

// "by" + an -ing verb: "verb/to verb" from the verb's base form.
std::optional<Walk> ByIngVerb(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || next->wordClass != Cls::VerbIng || next->subClass != 0 || next->markFlag != '0')
    return std::nullopt;
  if (MakeVerbFromIng(next, 0) < 1) {
    SetWordMessage(next, Msg::Gerund, 6352);
    return Walk::Next;
  }
  FormatShortText(c.word->suggestion, "%s/to %s", next->suggestion.c_str(), next->suggestion.c_str());
  c.word->entryWords = 2;
  SetWordMessage(c.word, Msg::Gerund, 4352);
  return Walk::SkipCovered;
}

// *step by step*: one hyphenated word, given to the first of the three.
std::optional<Walk> ByCompound(RuleContext& c) {
  WordRec* prev = c.P(1);
  WordRec* next = c.N(1);
  const WordRec* after = c.N(2);
  const int pos = c.word->sentencePos;
  if (!prev || !next || !after || pos < 2 || c.word->splitKind != '0' || next->markFlag != '0' ||
      pos + 2 >= c.state.sentenceWordCount || next->text.empty() || !(next->text == prev->text.view()) ||
      after->wordClass >= Cls::FirstNonNoun)
    return std::nullopt;
  prev->entryWords = 3;
  pass::ClearCodes(prev);
  FormatSuggestion(prev, "%s-%s-%s", prev->written.c_str(), c.word->written.c_str(), next->written.c_str());
  SetWordMessage(prev, Msg::Hyphenation, 6758);
  pass::ClearCodes(c.word);
  pass::ClearCodes(next);
  return Walk::PassNext;
}

Walk ByInside(RuleContext& c) {
  using namespace for_by;
  c.state.scratchResult = NextIsMonth(c.word);
  if (c.state.scratchResult == 99) return Walk::Next;  // a date follows
  if (auto o = ApplyFirstMatch(c, kByFirst)) return *o;
  if (auto o = ApplyFirstMatch(c, kBeforeBy)) return *o;
  if (auto o = ApplyFirstMatch(c, kAfterBy)) return *o;
  if (auto o = ApplyFirstMatch(c, kByWords)) return *o;
  if (auto o = ByIngVerb(c)) return *o;
  if (auto o = ByCompound(c)) return *o;
  return Walk::Next;
}

// "By" opening a sentence.
std::optional<Walk> ByFirst(RuleContext& c) {
  WordRec* next = c.N(1);
  if (c.state.sentenceWordCount < 4 || !next || next->wordClass == Cls::SentenceEnd) return Walk::Next;
  if (next->subClass == Msg::NotInDictionary && next->caseFlag != '0') {
    next->subClass = 0;
    next->message = 0;
    next->wordClass = Cls::ProperName;
    SetWordMessage(c.word, Msg::Preposition, 4556);
    return Walk::Next;
  }
  if (next->wordClass == Cls::VerbIng) {
    c.word->entryWords = 2;
    WriteSuggestion(c.word, "(Use infin. verb on list)");
    SetWordMessage(c.word, Msg::Gerund, 4556);
    return Walk::SkipCovered;
  }
  if (ScanAheadForClass47(c.word) == -1) {
    SetWordMessage(c.word, Msg::Comma, 1766);
    return Walk::Next;
  }
  return std::nullopt;
}

// "For" opening a sentence.
Walk ForFirst(RuleContext& c) {
  WordRec* next = c.N(1);
  if (!next || FindVerbAhead(next) == -1) return Walk::Next;
  const bool ing = next->wordClass == Cls::VerbIng;
  if (ing && next->text.length() > 6 && next->text.endsWith("ng")) {
    WriteSuggestion(c.word, "to ... Verb.");
    SetWordMessage(c.word, Msg::Preposition, 2156);
    return Walk::Next;
  }
  if (next->wordClass == Cls::Number) return Walk::Next;
  if (TextIsOneOf(*next, {"now", "ever"})) {
    c.word->entryWords = 2;
    SetWordMessage(c.word, Msg::Delete, 1779);
    return Walk::SkipCovered;
  }
  if (ing && next->markFlag == '0') {
    WriteSuggestion(c.word, "To");
    SetWordMessage(c.word, Msg::Preposition, 4586);
    return Walk::Next;
  }
  if (ScanAheadForClass47(c.word) == -1) {
    SetWordMessage(c.word, Msg::Comma, 1666);
    return Walk::Next;
  }
  c.state.scratchResult = NextIsMonth(c.word);
  return Walk::Next;
}

// A class-65 word opening a sentence: before a word of a verb or adjective
// class the opening is awkward, otherwise a preposition finding.
Walk OpeningWord(RuleContext& c) {
  if (TextIs(*c.word, "for")) return ForFirst(c);
  if (TextIs(*c.word, "by"))
    if (auto o = ByFirst(c)) return *o;
  const int n = c.n1().wordClass;
  if (n >= Cls::FirstNonNoun && !In(n, {Cls::Number, Cls::Adjective, Cls::Determiner, Cls::QuantifierSingular}))
    SetWordMessage(c.word, Msg::Awkward, 166);
  else
    SetWordMessage(c.word, Msg::Preposition, 1779);
  return Walk::Next;
}

}  // namespace

Walk ApplyForByRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, for_by::kHead)) return *o;
  if (c.word->sentencePos == 0) return OpeningWord(c);
  return TextIs(*c.word, "for") ? ForInside(c) : ByInside(c);
}
