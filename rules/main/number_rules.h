#pragma once
// The parts of the number rules (class 49): the entry checks of every
// number (number_rules.cpp), numbers written in words and the word "one"
// (number_word_rules.cpp, number_one_rows.cpp), numbers written in digits
// (number_digit_rules.cpp), and the values of the number words
// (number_words.cpp).
#include <span>
#include <string_view>

#include "rules/common/rule_row.h"

// The rules of a number written in words, after the entry checks.
Walk NumberWordRules(RuleContext& c);
// The rules of a number written in digits, after the entry checks.
Walk DigitNumberRules(RuleContext& c);

// The rules of "one" inside its sentence before no unit.
Walk OneWordRules(RuleContext& c);
// Its rows after the opening gates, in order.
std::span<const RuleRow> OneRows();

// The value of a number word from "zero" to "ninety" (the teens and the
// tens included), or -1.
int NumberWordValue(std::string_view word);

// The list "one" to "ten" of the tens-and-units rule: the digit of `word`
// ('1' for "one" up to '9', '0' for "ten"), or NUL. The search leaves its
// index in scratchResult, or 99 on a hit.
char UnitWordDigit(std::string_view word, int& scratchResult);

// The advice for a number word from "zero" to "ten" before "percent"
// ("5%", "(Use numeral 1)"), or null for any other word.
const char* PercentAdvice(std::string_view word);

// The word for a digit: "No/Zero", "one" ... "nine".
const char* DigitWord(char digit);

// Whether a number with a letter after it ("258C") is one code of a series
// that its sentence lists ("258A", "258B"), not a temperature: a word of
// the sentence is the same digits with another letter than 'C' or 'F'.
bool InCodeSeries(const WordRec& w);
