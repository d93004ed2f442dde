// The phrase rules of "in": one table, tried in its order. The rule id
// tells how many words a finding covers (3916 one, 3917 two, 3918 three).
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "rules/phrases/phrase_common.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"

namespace {

// clang-format off
constexpr RuleRow kInRows[] = {
    {.n1 = "this", .n2 = "example", .suggestion = "for example"},
    {.n1 = "this|that", .n2 = "order", .suggestion = "in this sequence/in these steps", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "terms", .n2Class = {Cls::Of}, .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "this|that|these", .n2 = "case*|instance*", .suggestion = "(Make a positive statement)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "these", .n2 = "limits", .suggestion = "is less than", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "this", .n2 = "way|method", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "touch", .n2 = "with", .suggestion = "connect/make contact/(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "total|terms|turn|transit|testing|training", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "use", .suggestion = "in operation/in service/operates", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "unison", .suggestion = "together", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "view", .n2Class = {Cls::Of}, .suggestion = "refer to/because", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "view", .suggestion = "visible/you can see", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "which", .n2 = "some|certain", .suggestion = "for", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "writin*", .suggestion = "written instructions", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "which", .n2 = "case", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "whole|width", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "such", .n2 = "case*", .suggestion = "for/(Rephrase for clarity)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "such", .n2Class = {Cls::Article}, .n3 = "way|method", .suggestion = "for example", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "spite", .n2Class = {Cls::Of}, .suggestion = "because of", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "some", .n2 = "cases|fashion|instances", .suggestion = "(Make a positive statement)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "sight", .suggestion = "visible / you can see", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "need", .n2Class = {Cls::Of}, .suggestion = "for/... necessary", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "no", .n2 = "case*", .suggestion = "can not/do not/(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "no", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "nature", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "response|regard", .n2Class = {Cls::To, Cls::With}, .suggestion = "from/for/(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "reverse", .n2 = "order", .suggestion = "(Give steps or sequence.)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "regard*", .n2Class = {Cls::To}, .suggestion = "about/(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "reverse", .suggestion = "in the reverse direction/in the REVERSE gear", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "preparation", .n2Class = {Cls::To}, .suggestion = "to prepare for", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "place", .n2 = "of", .suggestion = "alternative to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "process", .n2 = "of", .suggestion = "during/while", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "possession", .n2 = "of", .suggestion = "has/have", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "plain", .n2 = "view|sight", .suggestion = "visible", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "phase|particular|question", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "progress", .suggestion = "in operation/during", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "parallel", .suggestion = "occurs at the same time", .code = Msg::WrongMeaning, .ruleId = 3916},
    // "in place" alone is what its advice replaces: two words, not the word after them too.
    {.n1 = "place", .suggestion = "(in position)/(Give position ref.)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "or", .n2 = "around", .suggestion = "near/during ...", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "order", .n2 = "for|that|to|too", .suggestion = "to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "order", .n2Class = {Cls::To}, .suggestion = "to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "other", .n2 = "words", .suggestion = "(Delete)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "opposition", .n2Class = {Cls::To}, .suggestion = "(Delete)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "order", .suggestion = "in a sequence/in a position", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "most|many", .n2 = "cases", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "more", .n2 = "detail", .suggestion = "shows more information", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "motion", .suggestion = "moves/has movement", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "many|most", .suggestion = "(Give Quantity Ref.)", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "mind", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "lieu", .n2 = "of", .suggestion = "alternative to/other", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "light", .n2 = "of", .suggestion = "because of", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "later|latter|late|length", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "line", .suggestion = "align/aligned/correct", .code = Msg::WrongMeaning, .ruleId = 3916},
    {.n1 = "general|house|kind|height|hindsight", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "favor", .n2Class = {Cls::Of}, .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "form", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "fact|face|former", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "flight", .suggestion = "during the flight", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    // The whole phrase before its stem row.
    {.n1 = "accordance", .n2 = "with", .suggestion = "refer to/with/for", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "accord*|agreem*", .n2 = "with|to", .suggestion = "refer to/as shown/agree", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "accord*|agreem*", .n2Class = {Cls::To}, .suggestion = "refer to/as shown/agree", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "and", .n2 = "out", .suggestion = "(Clarify the movement)/in-and-out", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "additi*", .n2Class = {Cls::To}, .suggestion = "(also)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "an", .n2 = "emergency", .suggestion = "during an emergency/if there is an emergency", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "all|any", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "a*", .n2 = "way", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "a*", .n2 = "case*", .suggestion = "refer to/as shown/agree", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "an", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "a*", .n2 = "effort", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "a*", .n1Class = {Cls::Article}, .n2 = "manner", .suggestion = "(Rephrase for clarity)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "addition", .suggestion = "(Delete)/for example", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    // "before" takes the place of "of" too; "in advance" alone wants a time.
    {.n1 = "advance", .n2 = "of", .suggestion = "before", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "advance", .suggestion = "(before)/(prepare for)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "back", .n2Class = {Cls::Of}, .suggestion = "behind", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "both", .n2 = "cases", .suggestion = "for each ...", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "contrast", .n2Class = {Cls::To}, .suggestion = "compare to/opposite to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "case", .n2 = "of", .suggestion = "if/if there is ...", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "contact", .n2 = "with", .suggestion = "touch / touches", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "conflict", .n2 = "with", .suggestion = "opposite to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "connection", .n2 = "with", .suggestion = "refer to/about/(Delete)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "cooperation", .n2 = "with", .suggestion = "with/refer to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "combination|conjunction|concert", .n2 = "with", .suggestion = "with", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "conclusion|contrast", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "doing", .n2 = "so", .suggestion = "(Delete)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "due", .n2 = "time", .suggestion = "(Give time Measurement)", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "detail|design|depth|doubt", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
    {.n1 = "event", .n2 = "that", .suggestion = "if/when/during", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "event", .n2Class = {Cls::Of}, .suggestion = "if/when/during", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "essence|early|effect", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3917, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> InPhraseRows() { return kInRows; }

int CheckInPhrase(WordRec* word) {
  if (!word || !Next(word)) return 0;
  RuleContext c = PhraseContext(word, SentenceState);
  const WordRec& n1 = c.n1();
  if (CodeStarts(n1, 'A') || IsMarked(*word) || word->splitKind == '4' ||
      ClassIsOneOf(n1, {45, 76, 78}) || n1.text.empty())
    return 0;
  return GiveFirstRow(c, kInRows) ? 1 : 0;
}
