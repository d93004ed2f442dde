// Rules of "left" and "right", class 43: a plain word of direction, a side
// phrase, "left" used as a verb form and "right" in the sense of "correct".
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/class_bodies.h"
#include "rules/main/left_right_table.h"

namespace {

// A sentence that opens with the word: the side phrase it stands for, with
// no message. A word in capitals keeps its capitals in the advice.
void OpeningSide(RuleContext& c) {
  WordRec* w = c.word;
  const bool left = FirstIs(*w, 'l');
  const bool beforeNoun = c.N(1) && c.n1().wordClass < Cls::FirstNonNoun;
  if (left)
    WriteSuggestion(w, beforeNoun ? " Left-side" : " Left side");
  else
    WriteSuggestion(w, beforeNoun ? " Right-side" : " Right side");
  if (!IsCaps(*w)) return;
  // The blank and the word's own letters after it, within the advice.
  const std::size_t end = w->suggestion.length();
  for (std::size_t i = 1; i <= static_cast<std::size_t>(w->length) && i < end; ++i)
    w->suggestion.set(i, AsciiUpper(static_cast<unsigned char>(w->suggestion[i])));
}

Walk Right(RuleContext& c) {
  const WordRec& n1 = c.n1();
  if (IsMarked(*c.word) && (ClassIsOneOf(n1, {Cls::To, Cls::Of}) || TextIs(n1, "in"))) return Walk::Next;
  if (auto o = ApplyFirstMatch(c, RightCorrectRows())) return *o;
  const auto rows = RightRows();
  const int i = FirstMatch(c, rows);
  if (i < 0) return Walk::Next;
  const Walk o = ApplyRow(c, rows[static_cast<std::size_t>(i)]);
  if (!RightRowPassesOneMore(i)) return o;
  // The phrase goes on one word past the words the finding covers.
  c.word = SkipCoveredWords(c.word);
  return Walk::PassNext;
}

}  // namespace

Walk ApplyLeftRightRules(RuleContext& c) {
  WordRec* w = c.word;
  pass::SetClass(w, Cls::Determiner, "AF**");
  if (auto o = ApplyFirstMatch(c, SideNeutralRows())) return *o;
  if (auto o = ApplyFirstMatch(c, SidePhraseRows())) return *o;
  if (c.First()) {
    OpeningSide(c);
    return Walk::Next;
  }
  if (auto o = ApplyFirstMatch(c, InsideSideRows())) return *o;
  if (TextIs(*w, "right")) return Right(c);
  if (TextIs(*w, "left")) return ApplyFirstMatch(c, LeftRows()).value_or(Walk::Next);
  return Walk::Next;
}
