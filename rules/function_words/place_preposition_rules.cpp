// Rules of the place prepositions, class 75: the class head, a class-75
// word opening its sentence, and inside a sentence "at" (and any word in
// 'a' but "along"), "along", "within", "without" and, in its own file, "in".
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/neighbour_tests.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/place_preposition_tables.h"
#include "rules/phrases/phrase_rules.h"

namespace {

using namespace place;

void ForgetSubjectAndVerb(RuleContext& c) {
  c.state.subjectSeen = -1;
  c.state.lastVerbClass = -1;
}

bool DigitOrColon(const WordRec& w) {
  return IsDigit(static_cast<unsigned char>(w.text.first())) || w.text.first() == ':';
}

// A class-75 word opening its sentence.
Walk OpeningWord(RuleContext& c) {
  const WordRec& next = c.n1();
  if (TextIsOneOf(next, {"pressure", "temperature", "altitude", "speed"})) return Walk::PassNext;
  if (ScanAheadForClass47(c.word) == -1) {
    SetWordMessage(c.word, Msg::Comma, 2334);
    return Walk::Next;
  }
  if (auto o = ApplyFirstMatch(c, kTableA)) return *o;
  if (TextIs(*c.word, "at")) return Walk::Next;
  if (!TextIs(*c.word, "in")) {
    SetWordMessage(c.word, Msg::Preposition, 2496);
    return Walk::Next;
  }
  if (next.wordClass == Cls::Demonstrative && c.N(2) && c.n2().wordClass < Cls::FirstNonNoun) return Walk::Next;
  CheckInPhrase(c.word);
  return Walk::Next;
}

// "at" inside a sentence.
Walk AtInside(RuleContext& c) {
  const WordRec& next = c.n1();
  if (TextIsOneOf(next, {"which", "any"}) || next.wordClass == Cls::ProperName || next.text.first() == ':')
    return Walk::PassNext;
  if (auto o = ApplyFirstMatch(c, kTableB)) return *o;
  if (c.word->sentencePos > 1)
    if (auto o = ApplyFirstMatch(c, kTableC)) return *o;
  if (auto o = ApplyFirstMatch(c, kTableD)) return *o;
  return Walk::Next;
}

Walk Along(RuleContext& c) {
  ForgetSubjectAndVerb(c);
  WordRec* next = c.N(1);
  if (!next || ClassIsOneOf(*next, {Cls::Number, Cls::Neutral}) || DigitOrColon(*next)) return Walk::Next;
  if (next->classCode[3] != '3') {
    if ((next->wordClass < Cls::FirstNonNoun || next->wordClass == Cls::Adjective) && next->markFlag == '0')
      SuggestArticleForNext(c.word);
    return Walk::Next;
  }
  if (TextIs(*next, "with")) {
    c.word->entryWords = 2;
    WriteSuggestion(c.word, "with/and");
    SetWordMessage(c.word, Msg::WrongMeaning, 4234);
    return Walk::SkipCovered;
  }
  WordRec* prev = c.P(1);
  if (c.word->sentencePos <= 2 || !prev || prev->tokenKind != 0 || next->tokenKind != 0 || next->markFlag != '0')
    return Walk::Next;
  if (TextStarts(*prev, "set")) {
    prev->entryWords = 2;
    pass::ClearCodes(prev);
    WriteSuggestion(prev, "put on");
    SetWordMessage(prev, Msg::WrongMeaning, 7612);
    return Walk::Clear;
  }
  if (next->wordClass < Cls::FirstNonNoun) {
    SuggestArticleForNext(c.word);
    return Walk::PassNext;
  }
  return Walk::Next;
}

Walk Within(RuleContext& c) {
  ForgetSubjectAndVerb(c);
  const WordRec& next = c.n1();
  if (next.wordClass == Cls::SentenceEnd) {
    SetWordMessage(c.word, Msg::Preposition, 7679);
    return Walk::Next;
  }
  if (next.wordClass == Cls::Number) return Walk::Next;
  WordRec* prev = c.P(1);
  if (prev && (TextStartsOneOf(*prev, {"locat", "mount"}) || TextIsOneOf(*prev, {"even", "found"}))) {
    prev->entryWords = 2;
    WriteSuggestion(prev, "in");
    SetWordMessage(prev, Msg::WrongMeaning, 7679);
  }
  return Walk::Next;
}

Walk Without(RuleContext& c) {
  ForgetSubjectAndVerb(c);
  WordRec* next = c.N(1);
  if (!next || IsMarked(*next) || ClassIsOneOf(*next, {Cls::Number, Cls::Neutral}) || DigitOrColon(*next))
    return Walk::Next;
  if (TextIs(*next, "being")) {
    c.word->entryWords = 2;
    SetWordMessage(c.word, Msg::Negative, 7679);
    return Walk::SkipCovered;
  }
  if (next->wordClass == Cls::VerbIng) {
    SetWordMessage(next, Msg::Gerund, 8679);
    return Walk::PassNext;
  }
  WordRec* prev = c.P(1);
  if (prev && TextIsOneOf(*prev, {"only", "even"})) {
    pass::ClearCodes(prev);
    SetWordMessage(prev, Msg::Delete, 3825);
    return Walk::Clear;
  }
  if (TextIs(*next, "help")) {
    c.word->entryWords = 2;
    WriteSuggestion(c.word, "help (vb)/help you");
    SetWordMessage(c.word, Msg::WrongMeaning, 3825);
    return Walk::PassNext;
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyPlacePrepositionRules(RuleContext& c) {
  ForgetSubjectAndVerb(c);
  if (auto o = ApplyFirstMatch(c, kHead)) return *o;
  if (c.word->sentencePos == 0) return OpeningWord(c);
  switch (c.word->text.first()) {
    case 'a': return TextIs(*c.word, "along") ? Along(c) : AtInside(c);
    case 'i': return ApplyInRules(c);
    case 'w': return TextIs(*c.word, "without") ? Without(c) : Within(c);
    default: return Walk::Next;
  }
}
