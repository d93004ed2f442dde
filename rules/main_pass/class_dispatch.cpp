#include "rules/main_pass/class_dispatch.h"

#include <array>

#include "rules/function_words/function_word_rules.h"
#include "rules/main/class_bodies.h"

namespace {

// Classes 10 to 49; an empty entry has no rules (the next word), and class
// 33 goes to the function-word rules.
constexpr int kFirst = 10;
constexpr int kLast = 49;
constexpr std::array<MainClassBody, kLast - kFirst + 1> MakeTable() {
  std::array<MainClassBody, kLast - kFirst + 1> t{};
  auto set = [&t](int c, MainClassBody b) { t[static_cast<std::size_t>(c - kFirst)] = b; };
  for (int c = 10; c <= 19; ++c) set(c, ApplyNounRules);
  set(20, ApplyVerbRules);
  set(21, ApplyVerbRules);
  set(22, ApplyEdRules);
  set(23, ApplyIngRules);
  set(24, ApplyBeHaveRules);
  set(25, ApplyBeHaveRules);
  set(27, ApplyBeenRules);
  set(28, ApplyModalRules);
  set(29, ApplyNegationRules);
  for (int c : {30, 31, 32}) set(c, ApplyAdjectiveRules);
  for (int c : {34, 35, 37, 38, 39}) set(c, ApplyComparativeRules);
  set(40, ApplyNeutralRules);
  set(42, ApplyPunctuationRules);
  set(43, ApplyLeftRightRules);
  set(44, ApplyInchRules);
  set(45, ApplyShortFormRules);
  set(46, ApplyClass46Rules);
  set(47, ApplyCommaRules);
  set(48, ApplySentenceEndRules);
  set(49, ApplyNumberRules);
  return t;
}
constexpr auto kDispatch = MakeTable();

}  // namespace

bool GoesToFunctionWordRules(int wordClass) {
  return wordClass < kFirst || wordClass == 33 || wordClass > kLast;
}

MainClassBody MainClassBodyFor(int wordClass) {
  if (GoesToFunctionWordRules(wordClass)) return nullptr;
  return kDispatch[static_cast<std::size_t>(wordClass - kFirst)];
}

Walk DispatchMainClass(RuleContext& c) {
  if (GoesToFunctionWordRules(c.word->wordClass)) {
    ApplyFunctionWordRules(c);
    return Walk::Next;
  }
  const MainClassBody body = MainClassBodyFor(c.word->wordClass);
  return body ? body(c) : Walk::Next;
}
