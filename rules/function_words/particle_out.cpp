// Steps of the particle "out": phrases with "of" and "from", a phrasal verb
// with the previous word, a control label, a split compound and a few
// fixed phrases.
#include <optional>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/particle_rows.h"
#include "rules/function_words/particle_steps.h"
#include "rules/function_words/particle_tables.h"

namespace {

using namespace particle;

// The word after "out of the way" would otherwise be judged as if the phrase
// had not been read: an ordinary word there keeps no findings. Its text, a
// punctuation mark and the end record stay as they are.
void QuietWordAfter(WordRec* way) {
  WordRec* after = way->next;
  if (AtEnd(after) || !IsLetterOrDigit(static_cast<unsigned char>(after->text.first()))) return;
  pass::ClearCodes(after);
  after->suggestion = "";
  after->verbForm = 'q';
}

// *out of the way*, "the" read into the mark of "way": the finding goes on
// "way", where the walk goes on.
std::optional<Walk> OutOfTheWay(RuleContext& c) {
  WordRec* of = c.N(1);
  WordRec* way = c.N(2);
  if (!of || !way || !TextIs(*of, "of") || !TextIs(*way, "way") || !IsMarked(*way)) return std::nullopt;
  WriteSuggestion(c.word, IsCaps(*c.word) ? "OUT OF THE WAY" : "out of the way");
  of->wordClass = Cls::Neutral;
  c.word->entryWords = 3;
  c.word = SkipCoveredWords(c.word);  // "of" and "way"
  QuietWordAfter(way);
  way->entryWords = 1;
  WriteSuggestion(way, "away from");
  SetWordMessage(way, Msg::WrongMeaning, 3894);
  return Walk::Next;
}

// "of" after the particle, an ordinary word, with no "the" read into it or
// into the word after it.
bool OfAhead(const RuleContext& c) {
  const WordRec& of = c.n1();
  return TextIs(of, "of") && of.tokenKind == 0 && of.markFlag == '0' && c.n2().markFlag == '0';
}

}  // namespace

Walk ApplyOutRules(RuleContext& c) {
  if (c.word->sentencePos <= 0) return Table(c, kOutOpening).value_or(Walk::Next);
  if (auto o = OutOfTheWay(c)) return *o;
  if (auto o = Table(c, kOutPhrases)) return *o;
  if (auto o = Table(c, kOutVerbs)) return *o;
  if (auto o = Table(c, kOutBeforeEnd)) return *o;
  if (OfAhead(c)) return Table(c, kOutOf).value_or(Walk::Next);
  if (c.n1().wordClass == kOpenParen) return Table(c, kOutParen).value_or(Walk::Next);
  return Table(c, kOutRest).value_or(Walk::Next);
}
