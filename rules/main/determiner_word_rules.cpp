// The rules of the determiners inside their sentence, by word: the gates
// of the class, then the rows of the word.
#include "rules/main/determiner_word_rules.h"

#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/main/determiner_word_tables.h"

namespace {

struct WordTable {
  std::string_view text;
  std::span<const RuleRow> (*rows)();
};

constexpr WordTable kTables[] = {
    {"all", AllRows},       {"any", AnyRows},           {"best", BestRows},     {"enough", EnoughRows},
    {"every", EveryRows},   {"fine", FineRows},         {"less", LessRows},     {"more", MoreRows},
    {"much", MoreRows},     {"most", MoreRows},         {"many", MoreRows},     {"next", NextRows},
    {"other", OtherRows},   {"possible", PossibleRows}, {"quick", QuickRows},   {"same", SameRows},
    {"several", SeveralRows}, {"short", ShortRows},     {"slow", SlowRows},     {"small", SmallRows},
    {"straight", StraightRows}, {"your", YourRows},
};

// "short": its gates, then its rows.
Walk ShortRules(RuleContext& c) {
  if (c.word->sentencePos <= 0) {
    if (auto o = ApplyFirstMatch(c, ShortOpeningRows())) return *o;
    return Walk::Next;
  }
  WordRec* p = c.P(1);
  WordRec* n = c.N(1);
  if (ClassIsOneOf(c.n1(), {Cls::Number, Cls::Comma})) return Walk::Next;
  if (p && n && p->wordClass == Cls::As && n->wordClass == Cls::As) {
    p->message = 0;
    p->subClass = 0;
    n->wordClass = Cls::Neutral;
    return Walk::Next;
  }
  c.word->subClass = 0;
  if (auto o = ApplyFirstMatch(c, ShortRows())) return *o;
  return Walk::Next;
}

}  // namespace

std::span<const RuleRow> DeterminerRows(std::string_view text) {
  for (const WordTable& t : kTables)
    if (t.text == text) return t.rows();
  return {};
}

Walk ApplyDeterminerWordRules(RuleContext& c) {
  WordRec* w = c.word;
  if (w->sentencePos > 0) {
    const WordRec& n = c.n1();
    if (ClassIsOneOf(n, {Cls::AndOr, Cls::ShortForm, Cls::Number, Cls::Neutral, Cls::Article, Cls::ProperName}) ||
        FirstIs(n, '<') || ClassIsOneOf(c.p1(), {Cls::Preposition, Cls::ForBy}))
      return Walk::Next;
  }
  const std::string_view text = w->text.view();
  if (text == "short") return ShortRules(c);
  if (text == "all" || text == "more" || text == "much" || text == "most" || text == "many")
    c.state.subjectNumber = 0;
  if (text == "small") w->subClass = 0;
  if (auto o = ApplyFirstMatch(c, DeterminerRows(text))) return *o;
  return Walk::Next;
}
