// The number words the number rules turn into digits, each read as a whole
// word (first letters alone confuse "ten" with "two", "sixty" with "six").
#include <array>
#include <string_view>

#include "rules/main/number_rules.h"

namespace {

struct NumberWord {
  std::string_view word;
  int value;
};

constexpr std::array<NumberWord, 28> kNumberWords = {{
    {"zero", 0},     {"one", 1},      {"two", 2},       {"three", 3},     {"four", 4},     {"five", 5},
    {"six", 6},      {"seven", 7},    {"eight", 8},     {"nine", 9},      {"ten", 10},     {"eleven", 11},
    {"twelve", 12},  {"thirteen", 13}, {"fourteen", 14}, {"fifteen", 15},  {"sixteen", 16}, {"seventeen", 17},
    {"eighteen", 18}, {"nineteen", 19}, {"twenty", 20},   {"thirty", 30},   {"forty", 40},   {"fifty", 50},
    {"sixty", 60},   {"seventy", 70}, {"eighty", 80},   {"ninety", 90},
}};

// The list the tens-and-units rule searches: "one" to "ten".
constexpr std::array<std::string_view, 10> kUnitWords = {"one", "two",   "three", "four", "five",
                                                         "six", "seven", "eight", "nine", "ten"};

constexpr std::array<const char*, 11> kPercent = {"0%", "(Use numeral 1)", "2%", "3%", "4%", "5%",
                                                  "6%", "7%", "8%", "9%", "10%"};

constexpr std::array<const char*, 10> kDigitWords = {"No/Zero", "one", "two",   "three", "four",
                                                     "five",    "six", "seven", "eight", "nine"};

}  // namespace

int NumberWordValue(std::string_view word) {
  for (const NumberWord& n : kNumberWords)
    if (n.word == word) return n.value;
  return -1;
}

char UnitWordDigit(std::string_view word, int& scratchResult) {
  for (std::size_t i = 0; i < kUnitWords.size(); ++i) {
    scratchResult = static_cast<int>(i);
    if (kUnitWords[i] == word) {
      scratchResult = 99;
      return static_cast<char>('0' + (i + 1) % 10);
    }
  }
  scratchResult = static_cast<int>(kUnitWords.size());
  return '\0';
}

const char* PercentAdvice(std::string_view word) {
  const int v = NumberWordValue(word);
  return v >= 0 && v <= 10 ? kPercent[static_cast<std::size_t>(v)] : nullptr;
}

const char* DigitWord(char digit) {
  return digit >= '0' && digit <= '9' ? kDigitWords[static_cast<std::size_t>(digit - '0')] : "";
}
