// The phrase rules of "no". No rule pass calls them yet.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/pass_marks.h"
#include "rules/phrases/phrase_common.h"
#include "rules/phrases/phrase_rules.h"
#include "rules/phrases/phrase_tables.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

// Set while the rules look at "there is no" / "there are no": 1 when P1 is
// "is" or "are" and P2 is "there".
int NegativeAfterThere = 0;

// clang-format off
// "no more than", "no less than": a limit.
constexpr RuleRow kNoLimit[] = {
    {.n1 = "more|greater|higher", .n2 = "than", .suggestion = "maximum", .covers = 3, .code = Msg::Measurement, .ruleId = 4318, .outcome = Walk::SkipCovered},
    {.n1 = "less|fewer|lower", .n2 = "than", .suggestion = "minimum", .covers = 3, .code = Msg::Measurement, .ruleId = 8014, .outcome = Walk::SkipCovered},
};

// Warning signs ("no pushing"), written as commands.
constexpr RuleRow kNoSigns[] = {
    {.n1 = "pushing|pressing", .suggestion = "Do Not Push", .covers = 2, .code = Msg::ProductLiability, .ruleId = 2125, .outcome = Walk::SkipCovered},
    {.n1 = "running", .suggestion = "Do Not Run", .covers = 2, .code = Msg::ProductLiability, .ruleId = 2125, .outcome = Walk::SkipCovered},
    {.n1 = "reaching", .suggestion = "Do Not reach into ...", .covers = 2, .code = Msg::ProductLiability, .ruleId = 2125, .outcome = Walk::SkipCovered},
    {.n1 = "stepping", .suggestion = "Do Not Step", .covers = 2, .code = Msg::ProductLiability, .ruleId = 2125, .outcome = Walk::SkipCovered},
    {.n1 = "entry", .suggestion = "(Use no + infinitive)", .covers = 2, .code = Msg::ProductLiability, .ruleId = 2125, .outcome = Walk::SkipCovered},
};

// "has no", "have no": the finding goes on the verb.
constexpr RuleRow kHasNo[] = {
    {.p1 = "has", .suggestion = "does not have", .covers = 2, .on = On::P1, .code = Msg::Negative, .ruleId = 8011},
    {.p1 = "have", .suggestion = "do not have", .covers = 2, .on = On::P1, .code = Msg::Negative, .ruleId = 8011},
};

// "no" with the word after it: comparatives, "no need", "no sign of" and the like.
constexpr RuleRow kNoRows[] = {
    {.n1 = "longer", .suggestion = "not now/(Rephrase)", .covers = 2, .code = Msg::Negative, .ruleId = 4018, .outcome = Walk::SkipCovered},
    {.n1 = "later", .n2 = "than", .suggestion = "(Give time limit)", .covers = 3, .code = Msg::Measurement, .ruleId = 4918, .outcome = Walk::SkipCovered},
    {.n1 = "sooner", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Translation, .ruleId = 2918, .outcome = Walk::SkipCovered},
    {.n1 = "need", .suggestion = "it is not necessary to", .covers = 2, .code = Msg::Awkward, .ruleId = 2093, .outcome = Walk::SkipCovered},
    {.n1 = "sign*", .n2Class = {Cls::Of}, .suggestion = "no indication of", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 4018, .outcome = Walk::SkipCovered},
    {.n1 = "effect", .suggestion = "does not change/does not cause", .covers = 2, .code = Msg::Translation, .ruleId = 7918, .outcome = Walk::SkipCovered},
    {.n1 = "problem*", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 2191, .outcome = Walk::SkipCovered},
    {.n1 = "purpose", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Translation, .ruleId = 8014, .outcome = Walk::SkipCovered},
    {.n1 = "possibility", .suggestion = "can not", .covers = 2, .code = Msg::Translation, .ruleId = 8021, .outcome = Walk::SkipCovered},
    {.n1 = "charge", .suggestion = "zero charge/discharged", .covers = 2, .code = Msg::Measurement, .ruleId = 8321, .outcome = Walk::SkipCovered},
    {.n1 = "such", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Translation, .ruleId = 3918, .outcome = Walk::SkipCovered},
    {.n1 = "other", .suggestion = "only", .covers = 2, .code = Msg::Awkward, .ruleId = 6115, .outcome = Walk::SkipCovered},
    {.n1 = "doubt", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 6117, .outcome = Walk::SkipCovered},
    {.n1 = "matter", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 6125, .outcome = Walk::SkipCovered},
    {.n1 = "way", .suggestion = "can not/(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 6176, .outcome = Walk::SkipCovered},
    {.n1 = "not", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Negative, .ruleId = 5112, .outcome = Walk::SkipCovered},
    {.n1 = "none|nothing", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Negative, .ruleId = 6175, .outcome = Walk::SkipCovered},
    {.n1 = "no", .suggestion = "(Delete)", .code = Msg::Delete, .ruleId = 4018},
    {.n1 = "-", .code = Msg::Hyphenation, .ruleId = 7125},
    {.n1 = "un*", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::PrefixSuffix, .ruleId = 4918, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> NoLimitRows() { return kNoLimit; }
std::span<const RuleRow> NoSignRows() { return kNoSigns; }
std::span<const RuleRow> HasNoRows() { return kHasNo; }
std::span<const RuleRow> NoPhraseRows() { return kNoRows; }

void CheckNegativePhrase(WordRec* word) {
  if (!word || !Next(word)) return;
  RuleContext c = PhraseContext(word, SentenceState);
  const WordRec& n1 = c.n1();
  const WordRec& p1 = c.p1();

  if (ClassIsOneOf(n1, {37, 38, 39, 45, 48, 64, 76, 78}) || IsMarked(*word) || IsMarked(n1) ||
      word->splitKind == '4' || FirstIs(n1, ')') || FirstIs(n1, '@'))
    return;
  if ((word->written == "No" || word->written == "NO") && n1.wordClass >= 20) return;
  if (IsCaps(*word) && TextIsOneOf(n1, {"key", "label", "position", "button"})) return;

  if (GiveFirstRow(c, kNoLimit)) return;
  if (TextIsOneOf(n1, {"smoking", "person", "one", "power", "load", "more", "pressure",
                       "responsibility", "action", "fault"})) {
    word->wordClass = 40;
    pass::ClearCodes(word);
    return;
  }
  if (GiveFirstRow(c, kNoSigns)) return;

  NegativeAfterThere = (TextIsOneOf(p1, {"is", "are"}) && TextIs(c.p2(), "there")) ? 1 : 0;
  if (NegativeAfterThere == 1) {
    const WordRec* before = word->sentencePos > 2 ? Prev(word, 3) : nullptr;
    if (before) {
      FormatSuggestion(word, "%s there is no/%s there are no", before->written.c_str(),
                       before->written.c_str());
      SetWordMessage(word, Msg::Negative, 6145);
    } else {
      GiveFinding(c, word, Msg::Negative, 4928);
    }
    NegativeAfterThere = 0;
    return;
  }

  if (GiveFirstRow(c, kHasNo)) return;
  if (TextIsOneOf(p1, {"is", "are", "was", "were"})) {
    c.P(1)->entryWords = 2;
    FormatSuggestion(c.P(1), "%s not", p1.text.c_str());
    SetWordMessage(c.P(1), Msg::WrongChoice, 4012);
    return;
  }
  if (TextIs(p1, "with")) {
    GiveFinding(c, c.P(1), Msg::Delete, 7012, {.covers = 2, .suggestion = "without"});
    return;
  }

  if (GiveFirstRow(c, kNoRows)) return;
  if (n1.wordClass == 23) {
    GiveFinding(c, word, Msg::ChangeToNoun, 7012, {.covers = 2, .suggestion = "(Rephrase)"});
    return;
  }
  if (n1.wordClass == 22) {
    GiveFinding(c, word, Msg::ChangeToNoun, 5679, {.suggestion = "(Use a noun)"});
    return;
  }
  if (n1.wordClass == 63) GiveFinding(c, word, Msg::Rephrase, 8797, {.suggestion = "(Rephrase)"});
}
