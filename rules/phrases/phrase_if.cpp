// The phrase rules of "if".
#include "engine/message_codes.h"
#include "rules/phrases/phrase_common.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "engine/rule_match.h"

namespace {

// "if" inside a sentence before a plain word (not "no" or "not", not
// after "the").
bool InsideASentence(const RuleContext& c) {
  return c.word->sentencePos != 0 && c.n1().markFlag == '0';
}

// Words after "if" that read better otherwise, with the advice.
// clang-format off
constexpr RuleRow kIfWords[] = {
    {.n1 = "using", .when = InsideASentence, .suggestion = "if you use/with", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "this", .when = InsideASentence, .suggestion = "if (noun)", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "they", .when = InsideASentence, .suggestion = "if (noun)", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "some", .when = InsideASentence, .suggestion = "if all", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "never", .when = InsideASentence, .suggestion = "if necessary/(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "needed", .when = InsideASentence, .suggestion = "if necessary/(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "lesser", .when = InsideASentence, .suggestion = "if less than", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "opening", .when = InsideASentence, .suggestion = "when you open/if you open", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "only", .when = InsideASentence, .suggestion = "if", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "allowed", .when = InsideASentence, .suggestion = "if you can", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "altered", .when = InsideASentence, .suggestion = "if changed", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "is", .when = InsideASentence, .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "given", .when = InsideASentence, .suggestion = "if xxx is shown in", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "greater", .when = InsideASentence, .suggestion = "if more than", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "desired", .when = InsideASentence, .suggestion = "if necessary", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "equipped", .when = InsideASentence, .suggestion = "if installed", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "even", .when = InsideASentence, .suggestion = "when", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "flashing", .when = InsideASentence, .suggestion = "(light, LED flash or illuminates)", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
    {.n1 = "fitted", .when = InsideASentence, .suggestion = "is installed/has", .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = Walk::SkipCovered},
};

// "check if", "even if": the finding goes on the word before.
constexpr RuleRow kCheckIf[] = {
    {.p1 = "even", .suggestion = "if/when/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 6494},
    {.p1 = "check|verify|clear|test", .suggestion = "make sure that/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 6494},
};

// Words after "if" with another meaning; only "needed" has advice.
constexpr RuleRow kIfMeaning[] = {
    {.n1 = "needed", .suggestion = "if necessary", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4662, .outcome = Walk::SkipCovered},
    {.n1 = "commanded|further|sooner|noted|successful|unsuccessful", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4662, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> IfWordRows() { return kIfWords; }
std::span<const RuleRow> CheckIfRows() { return kCheckIf; }
std::span<const RuleRow> IfMeaningRows() { return kIfMeaning; }

void CheckIfPhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  RuleContext c = PhraseContext(word, SentenceState);
  const WordRec& n1 = c.n1();
  const WordRec& n2 = c.n2();
  const WordRec& n3 = c.n3();
  const bool firstWord = word->sentencePos == 0;

  if (ClassIsOneOf(n1, {37, 38, 39, 45, 64, 76, 78}) || word->splitKind == '4') return;
  if (IsCaps(*word) && TextIsOneOf(n1, {"key", "label", "position", "signal", "input", "output",
                                        "applicable", "frequency", "button"}))
    return;

  if (n1.tokenKind == 9 || TextIsOneOf(n1, {"required", "necessary"}) ||
      (n1.wordClass == 77 && CodeStarts(n2, 'N'))) {
    if (c.N(2) && !IsSentinel(c.N(2))) c.N(2)->wordClass = 40;
    return;
  }
  if (TextIsOneOf(n1, {"possible", "so", "any", "no", "hot", "cold", "present", "faulty", "when",
                       "used", "indicated"}) ||
      ClassIsOneOf(n1, {23, 66})) {
    GiveFinding(c, word, Msg::Awkward, 5725, {.covers = 2});
    return;
  }
  if (TextIs(n1, "you") && TextIs(n2, "do") && TextIs(n3, "not")) {
    GiveFinding(c, word, Msg::Negative, 5494, {.covers = 4, .suggestion = "(Rephrase warning)"});
    return;
  }
  if (TextIs(n1, "there") && TextIsOneOf(n2, {"is", "are"})) {
    c.N(1)->wordClass = 40;
    c.N(2)->wordClass = 40;
    return;
  }
  if (TextIs(n1, "not") && TextIs(n2, "part") && TextIs(n3, "of")) {
    GiveFinding(c, word, Msg::Punctuation, 6642,
                {.covers = 3, .suggestion = "(Rephrase)"});
    return;
  }
  if (TextIs(n1, "it") && TextIs(n2, "is")) {
    GiveFinding(c, word, Msg::MissingReference, 5211, {.covers = 3});
    return;
  }
  if (GiveFirstRow(c, kIfWords)) return;
  if (TextIs(n1, "not")) {
    GiveFinding(c, word, Msg::MissingReference, 1594, {.covers = 2});
    return;
  }
  if (TextIs(n1, "in") || TextIs(n2, "doubt")) {
    GiveFinding(c, word, Msg::Awkward, 2494,
                {.covers = 3, .suggestion = "make sure that/(Delete this phrase)"});
    return;
  }
  if (TextIs(n1, "need") && TextIs(n2, "be")) {
    GiveFinding(c, word, Msg::Awkward, 2494, {.covers = 3});
    return;
  }
  if (TextIs(n1, "more") && TextStarts(n2, "than") && TextIs(n3, "one")) {
    GiveFinding(c, word, Msg::Awkward, 2494, {.covers = 4, .suggestion = "Give range or number"});
    return;
  }
  if (TextIs(n1, "some") && TextStarts(n2, "sign") && n3.wordClass == 67) {
    GiveFinding(c, word, Msg::Awkward, 2494, {.covers = 3, .suggestion = "if there are indications"});
    return;
  }
  if (!firstWord && GiveFirstRow(c, kCheckIf)) return;
  if (n1.tokenKind == 0 && n1.markFlag == '0' &&
      TextIsOneOf(n1, {"greater", "some", "sooner", "they", "more", "less"})) {
    GiveFinding(c, word, Msg::MissingReference, 1494, {.covers = 2});
    return;
  }
  if (GiveFirstRow(c, kIfMeaning)) return;
  if (word->sentencePos >= 2 && TextIsOneOf(c.p1(), {"later", "also", "so", "even", "noted"})) {
    GiveFinding(c, c.P(1), Msg::Awkward, 5494, {.covers = 2});
    return;
  }
}
