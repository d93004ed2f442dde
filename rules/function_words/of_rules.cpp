// Rules of "of", "from", "their" and "some", class 67: the gates of every
// word of the class, then the chain of the word.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/function_word_bodies.h"
#include "rules/function_words/of_tables.h"

namespace {

using namespace of_rules;

Walk Table(RuleContext& c, std::span<const RuleRow> rows) {
  if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}

Walk From(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kFromFirst)) return *o;
  // A name of a part after "from" takes "the"; the rules go on.
  const WordRec& next = c.n1();
  if (ClassIsOneOf(next, {Cls::Nomenclature, Cls::NomenclaturePlural}) && next.markFlag == '0')
    SuggestArticleForNext(c.word);
  if (auto o = ApplyFirstMatch(c, kFromPhrases)) return *o;
  if (c.word->sentencePos > 1)
    if (auto o = ApplyFirstMatch(c, kBeforeFrom)) return *o;
  return Table(c, kFromRest);
}

// At a negative sentence position "of" has only its closing rows.
Walk Of(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kOfFirst)) return *o;
  if (c.word->sentencePos >= 0) {
    if (auto o = ApplyFirstMatch(c, kOfPhrases)) return *o;
    if (c.word->sentencePos > 0) {
      if (auto o = ApplyFirstMatch(c, kBeforeOf)) return *o;
      if (auto o = ApplyFirstMatch(c, kOfInside)) return *o;
    }
  }
  return Table(c, kOfClosing);
}

}  // namespace

Walk ApplyOfRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kGates)) return *o;
  if (TextIs(*c.word, "from")) return From(c);
  if (TextIs(*c.word, "of")) return Of(c);
  if (TextIs(*c.word, "their")) return Table(c, kTheir);
  if (TextIs(*c.word, "some")) return Table(c, kSome);
  return Walk::Next;
}
