#include "rules/function_words/comma_advice.h"

#include <string>

#include "engine/rule_text.h"

void WriteCommaAfter(RuleContext&, WordRec& word) {
  const std::string written = word.written.str();  // the suggestion is built from the word itself
  if (word.written.endsWith(","))
    WriteSuggestion(&word, written);
  else
    FormatSuggestion(&word, "%s,", written.c_str());
}
