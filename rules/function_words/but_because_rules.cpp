// Rules of "but", "because" and "so", class 62: the word picks its table;
// any other class-62 word has no rules.
#include "engine/rule_match.h"
#include "rules/function_words/but_because_tables.h"
#include "rules/function_words/function_word_bodies.h"

Walk ApplyButBecauseRules(RuleContext& c) {
  using namespace but_because;
  const WordRec& w = *c.word;
  const std::span<const RuleRow> rows = TextIs(w, "but")       ? kBut
                                        : TextIs(w, "because") ? kBecause
                                        : TextIs(w, "so")      ? kSo
                                                               : std::span<const RuleRow>();
  if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}
