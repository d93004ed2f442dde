// Rules of "to", class 68. Inside a sentence the stages run from the skip
// gates to the remaining checks; a "to" whose position is negative starts at
// the after-"to" list; a "To" that opens its sentence has rules of its own.
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/neighbour_tests.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/word_class_resolution.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/to_tables.h"

std::optional<Walk> to_rules::SideToSide(RuleContext& c) {
  WordRec* prev = c.P(1);
  WordRec* next = c.N(1);
  if (!prev || !next || !TextIs(*prev, "side") || !TextIs(*next, "side")) return std::nullopt;
  FormatSuggestion(prev, "%s-%s-%s", prev->written.c_str(), c.word->written.c_str(), next->written.c_str());
  prev->entryWords = 3;
  SetWordMessage(prev, Msg::Hyphenation, 5448);
  c.word = SkipCoveredWords(prev);
  return Walk::Next;
}

namespace {

using namespace to_rules;

// The stages that run only inside a sentence, up to the after-"to" list.
std::optional<Walk> InsideStages(RuleContext& c) {
  for (auto rows : {kSkipGates, kMarked, kNextTo, kFixedPhrases})
    if (auto o = ApplyFirstMatch(c, rows)) return o;
  if (auto o = SideToSide(c)) return o;
  for (auto rows : {kWordBefore, kBeforeList, kStageJ})
    if (auto o = ApplyFirstMatch(c, rows)) return o;
  if (c.word->sentencePos > 2)
    if (auto o = ApplyFirstMatch(c, kStageK)) return o;
  for (auto rows : {kStageL, kStageM})
    if (auto o = ApplyFirstMatch(c, rows)) return o;
  return std::nullopt;
}

// "To" opening its sentence.
Walk OpeningTo(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kOpening.first(1))) return *o;
  WordRec* next = c.N(1);
  if (OpeningHolds(c) && ScanAheadForClass47(next) == -1) {
    c.state.scratchResult = FindVerbAhead(next);
    if (c.state.scratchResult != -1) {
      SetWordMessage(c.word, Msg::Comma, 4348);
      return Walk::Next;
    }
  }
  if (auto o = ApplyFirstMatch(c, kOpening.subspan(1))) return *o;
  return Walk::Next;
}

}  // namespace

Walk ApplyToRules(RuleContext& c) {
  const int pos = c.word->sentencePos;
  if (pos == 0) return OpeningTo(c);
  if (pos > 0)
    if (auto o = InsideStages(c)) return *o;
  if (auto o = ApplyFirstMatch(c, kAfterList)) return *o;
  if (pos > 0)
    if (auto o = ApplyFirstMatch(c, kStageN)) return *o;
  for (auto rows : {kClauseEnd, kStageP, kStageQ, kStageR})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}
