#include "engine/advice_refusals.h"

#include <initializer_list>
#include <string>

#include "engine/advice_hints.h"
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/dict_lookup.h"

namespace {

bool SameWord(std::string_view a, std::string_view b) { return !a.empty() && EqualsNoCase(a, b); }

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  for (std::string_view w : words)
    if (SameWord(word, w)) return true;
  return false;
}

char LowerFirst(std::string_view word) {
  return word.empty() ? '\0' : static_cast<char>(AsciiLower(static_cast<unsigned char>(word[0])));
}

// The class the lookup gives `word`, or -1.
int ClassOf(std::string_view word) {
  std::string lower(word);
  for (char& c : lower) c = AsciiLower(static_cast<unsigned char>(c));
  WordRec found;
  return LookUpAlone(lower, kDictCount, &found) == kLookupFound ? found.wordClass : -1;
}

bool IsMark(std::string_view word) {
  return !word.empty() && std::string_view(".,;:!?").find(word[0]) != std::string_view::npos;
}

}  // namespace

bool FlaggedOpening(std::string_view alt, std::string_view next) {
  const std::string_view first = EdgeWord(alt, false);
  const std::string_view second = EdgeWord(alt.substr(alt.find(first) + first.size()), false);
  switch (ClassOf(first)) {
    case Cls::ButBecause:
    case Cls::So:
    case Cls::With: return true;
    case Cls::Preposition: return LowerFirst(first) != 'b';
    case Cls::TimeConjunction: {
      const int after = ClassOf(second.empty() ? next : second);
      return after != Cls::Pronoun && after != Cls::FirstPerson;
    }
    default: return false;
  }
}

bool RefusedBeside(std::string_view first, std::string_view last, std::string_view before, std::string_view after) {
  if (OneOf(before, {"a", "an", "the", "this", "that", "these", "those", "any", "each", "every", "no", "some"}) &&
      OneOf(first, {"a", "an", "the", "this", "that", "these", "those"}))
    return true;
  const std::string_view vowels = "aeiouh";
  if (SameWord(last, "a") && !after.empty() && vowels.substr(0, 4).find(LowerFirst(after)) != std::string_view::npos)
    return true;
  const bool spelledOut = after.size() > 1 && std::string_view("nvpNVP").find(after[1]) != std::string_view::npos;
  if (SameWord(last, "an") && !after.empty() && IsAsciiLetter(static_cast<unsigned char>(after[0])) &&
      vowels.find(LowerFirst(after)) == std::string_view::npos && !spelledOut)
    return true;
  if (SameWord(before, "they") && OneOf(first, {"may", "might", "must"})) return true;
  if (OneOf(before, {"a", "an", "each", "every", "one"}) && ClassOf(first) == Cls::NounPlural) return true;
  if (OneOf(last, {"more", "many", "one"}) && (IsMark(after) || OneOf(after, {"and", "or"}))) return true;
  return OneOf(last, {"from", "into", "of", "at", "with", "by", "for", "to"}) && IsMark(after) && after[0] != ',';
}
