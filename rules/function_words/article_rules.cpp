// Rules of the articles, class 64: the end of the text and the gate on the
// next word, then the table of "a", of "an" or of a longer article.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/article_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// Words after an article that no article rule judges: punctuation, markup,
// numbers, a capital "A...", a split compound, conjunctions, adjectives,
// particles and neutral words.
bool NextPassedOver(const WordRec& n) {
  if (CharIn(n.text.first(), ":.),<") || IsDigit(static_cast<unsigned char>(n.text.first()))) return true;
  if (n.written.first() == 'A' || n.splitKind == '4') return true;
  return ClassIsOneOf(n, {Cls::AndOr, Cls::Number, Cls::Adjective, Cls::Particle, Cls::Neutral});
}

}  // namespace

Walk ApplyArticleRules(RuleContext& c) {
  using namespace article;
  // An article opens a new subject, so the agreement check judges it again;
  // inside a subject joined by "and" or "or" it keeps what the conjunction
  // set.
  if (c.p1().wordClass != Cls::AndOr) c.state.skipAgreement = 0;
  const WordRec* next = c.N(1);
  if (AtEnd(next)) {
    SetWordMessage(c.word, Msg::MissingReference, 4656);
    return Walk::Next;
  }
  if (NextPassedOver(*next)) return next->length == 1 ? Walk::PassNext : Walk::Next;
  const std::span<const RuleRow> rows = c.word->length == 1 ? kA : c.word->length == 2 ? kAn : kThe;
  return ApplyFirstMatch(c, rows).value_or(Walk::Next);
}
