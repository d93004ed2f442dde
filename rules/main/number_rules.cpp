// Rules of the numbers, class 49: the entry checks of every number; then a
// number written in digits goes on with the digit rules, a number written
// in words with the word rules.
#include "rules/main/number_rules.h"

#include <string_view>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/class_bodies.h"

namespace {

// A written form with one of these is a code, a range or a measure with its
// sign, not a number the rules judge.
bool HoldsSign(const WordRec& w) {
  constexpr std::string_view kSigns = "#%,-=@+()_'\xB0\xB7\xB5";
  for (char ch : w.written.view())
    if (CharIn(ch, kSigns)) return true;
  return false;
}

}  // namespace

Walk ApplyNumberRules(RuleContext& c) {
  WordRec* w = c.word;
  c.state.subjectNumber = 1;
  if (HoldsSign(*w)) return Walk::Neutral;
  if (w->extraFlag == 'H') return Walk::Next;
  if (w->separatorFlag == 'q') {
    SetWordMessage(w, Msg::Measurement, 980);
    return Walk::Next;
  }
  const char first = w->text.first();
  if (w->length > 1 && first == '.') {
    // ".5": the leading zero.
    BoundedText<kShortTextSize> text = w->text.view();
    FormatSuggestion(w, "0%s", text.c_str());
    CopyTag(w, "<AR>");
    SetWordMessage(w, Msg::Spelling, 4568);
    return Walk::Next;
  }
  // A list number such as "1." before a capital.
  if (c.First() && w->text[1] == '.' && IsAsciiUpper(static_cast<unsigned char>(c.n1().written.first())))
    return Walk::Neutral;
  if (IsDigit(static_cast<unsigned char>(first))) return DigitNumberRules(c);
  if (!IsAsciiLetter(static_cast<unsigned char>(first))) return Walk::Next;
  return NumberWordRules(c);
}
