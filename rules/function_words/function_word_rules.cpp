#include "rules/function_words/function_word_rules.h"

#include <array>

#include "module/app_settings.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// What the dispatch does with a class: run its body, end at once, or make
// the word neutral.
struct Entry {
  FunctionWordBody body = nullptr;
  Walk without = Walk::Neutral;  // the outcome when there is no body
};

// One entry per class 0..127; every class not named here becomes neutral.
constexpr std::array<Entry, 128> MakeTable() {
  std::array<Entry, 128> t{};
  for (int c = 50; c <= 53; ++c) t[c] = {ApplyAdverbRules};
  t[54] = {ApplyAsRules};
  for (int c : {55, 56, 57, 59, 79, 80}) t[c] = {nullptr, Walk::Next};
  t[60] = {ApplyPrepositionRules};
  t[61] = {ApplyParticleRules};
  t[62] = {ApplyButBecauseRules};
  t[63] = {ApplyAndOrRules};
  t[64] = {ApplyArticleRules};
  t[65] = {ApplyForByRules};
  t[66] = {ApplyPronounRules};
  t[67] = {ApplyOfRules};
  t[68] = {ApplyToRules};
  t[69] = {ApplyRelativeRules};
  t[70] = {ApplyTimeConjunctionRules};
  t[71] = {ApplySoRules};
  t[73] = {ApplyAboutRules};
  t[74] = {ApplyWithRules};
  t[75] = {ApplyPlacePrepositionRules};
  t[76] = {ApplyDemonstrativeRules};
  t[77] = {ApplyNoNeverRules};
  t[78] = {ApplyFirstPersonRules};
  return t;
}
constexpr std::array<Entry, 128> kDispatch = MakeTable();

const Entry& EntryFor(int wordClass) {
  static constexpr Entry kNeutral{};
  return wordClass >= 0 && wordClass < 128 ? kDispatch[static_cast<std::size_t>(wordClass)] : kNeutral;
}

}  // namespace

FunctionWordBody FunctionWordBodyFor(int wordClass) { return EntryFor(wordClass).body; }

WordRec* ApplyFunctionWordRules(RuleContext& c) {
  if (AtEnd(c.word)) return c.word;
  const Entry& e = EntryFor(c.word->wordClass);
  const Walk outcome = e.body ? e.body(c) : e.without;
  c.word = ResumeWord(c, outcome);
  return c.word;
}

WordRec* ApplyFunctionWordRules(WordRec* word, WordRec* head) {
  RuleContext c{.word = word, .head = head, .state = SentenceState,
                .steDictionary = Settings.app.steDictionary};
  return ApplyFunctionWordRules(c);
}
