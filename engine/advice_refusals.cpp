#include "engine/advice_refusals.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/advice_hints.h"
#include "engine/advice_slot.h"
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
  WordRec found;
  return LookUpAlone(AsciiLowerCopy(word), kDictCount, &found) == kLookupFound ? found.wordClass : -1;
}

bool IsMark(std::string_view word) {
  return !word.empty() && std::string_view(".,;:!?").find(word[0]) != std::string_view::npos;
}

// "be" followed by "of" or "from" and "a" or "an" ("is of a type", "are
// from a supplier"), which the rules of "be" flag as a translation, where
// the alternative holds one of the three words.
bool BeOfArticle(std::string_view alt, std::string_view before, std::string_view after) {
  std::vector<std::string_view> words{before};
  for (std::size_t at = 0; at < alt.size();) {
    const std::size_t b = alt.find_first_not_of(' ', at);
    if (b == std::string_view::npos) break;
    const std::size_t e = std::min(alt.find(' ', b), alt.size());
    words.push_back(alt.substr(b, e - b));
    at = e;
  }
  words.push_back(after);
  for (std::size_t i = 0; i + 2 < words.size(); ++i)
    if (IsBeWord(AsciiLowerCopy(words[i])) && OneOf(words[i + 2], {"a", "an"}) && ClassOf(words[i + 1]) == Cls::Of)
      return true;
  return false;
}

// Pairs that a rule flags wherever they stand: the words of the text
// before an alternative and its first word, or its last word and the word
// of the text after it. '|' divides the words; a '*' ends a stem.
struct RefusedPair {
  std::string_view twoBefore;  // the word before the first word of the pair, where the rule names one
  std::string_view first, second;
};

// The text's word before the alternative, and the alternative's first word.
constexpr RefusedPair kRefusedAfterWord[] = {
    {"", "any", "other|more"},         // "any other": "different/other"
    {"", "more", "other"},             // a second quantity word
    {"", "and", "thus|with"},          // "and" before an adverb or "with"
    {"", "also|even", "if|when"},      // "also if", "even if"
    {"", "one", "last"},               // "one last": "a/the"
    {"", "to", "check|test"},          // "to check": "make a check"
    {"", "fall*|fell", "below"},       // a phrasal verb
    {"can", "be", "applicable|applied"},  // "can be applicable": "applies"
};

// The alternative's last word, and the text's word after it.
constexpr RefusedPair kRefusedBeforeWord[] = {
    {"", "start*|begin*|began", "with"},  // "start with": "start at"
    {"", "made", "to"},                   // "made to": "referred to"
    {"", "completed", "with"},
    {"", "divide", "into"},               // "divide into": "divide"
    {"", "calculate|know", "what"},
    {"", "see", "if|that"},               // "see that": "make sure that"
    {"", "enough", "to"},                 // "enough to": a range or measure
    {"", "can", "then"},                  // "can then": "can"
    {"", "makes", "to"},
    {"", "given", "in"},                  // "given in": "shown in"
    {"", "for", "certain"},
};

// Whether `word` is one of the words `list` holds.
bool Listed(std::string_view list, std::string_view word) {
  if (word.empty()) return false;
  for (std::size_t from = 0; from <= list.size();) {
    const std::size_t bar = std::min(list.find('|', from), list.size());
    const std::string_view item = list.substr(from, bar - from);
    if (item.ends_with('*') ? AsciiLowerCopy(word).starts_with(item.substr(0, item.size() - 1)) : SameWord(word, item))
      return true;
    from = bar + 1;
  }
  return false;
}

bool RefusedPairs(std::string_view first, std::string_view last, std::string_view before, std::string_view after,
                  std::string_view twoBefore) {
  for (const RefusedPair& p : kRefusedAfterWord)
    if (Listed(p.first, before) && Listed(p.second, first) && (p.twoBefore.empty() || Listed(p.twoBefore, twoBefore)))
      return true;
  for (const RefusedPair& p : kRefusedBeforeWord)
    if (Listed(p.first, last) && Listed(p.second, after)) return true;
  return false;
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

bool RefusedBeside(std::string_view alt, std::string_view before, std::string_view after,
                   std::string_view twoBefore) {
  const std::string_view first = EdgeWord(alt, false), last = EdgeWord(alt, true);
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
  // "You" that opens the sentence before a noun or an adjective ("You
  // necessary"), which the rules of "you" flag.
  if (const int c = ClassOf(first); SameWord(before, "you") && twoBefore.empty() && c >= 0 &&
                                    (c < Cls::FirstNonNoun || c == Cls::Adjective))
    return true;
  if (OneOf(before, {"a", "an", "each", "every", "one"}) && ClassOf(first) == Cls::NounPlural) return true;
  if (OneOf(last, {"more", "many", "one"}) && (IsMark(after) || OneOf(after, {"and", "or"}))) return true;
  if (SameWord(last, "again") && after.starts_with(',')) return true;
  if (BeOfArticle(alt, before, after) || RefusedPairs(first, last, before, after, twoBefore)) return true;
  return OneOf(last, {"from", "into", "of", "at", "with", "by", "for", "to"}) && IsMark(after) && after[0] != ',';
}
