// The word "one" inside its sentence before no unit: a pronoun without a
// reference, a phrase to rephrase, or a number the sentence wants in digits.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/number_rules.h"

namespace {

bool PosAbove1(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PosAtMost1(const RuleContext& c) { return c.word->sentencePos <= 1; }
bool PrevOrdinary(const RuleContext& c) { return c.P(1) && c.p1().tokenKind == 0; }
bool PrevOrdinaryAt2(const RuleContext& c) { return PosAbove1(c) && PrevOrdinary(c); }
bool PrevVerbLike(const RuleContext& c) {
  return c.P(1) && (CodeStarts(c.p1(), 'V') || c.p1().wordClass == Cls::Modal);
}
bool PrevOrdinaryNextAdjectiveCode(const RuleContext& c) {
  return PrevOrdinary(c) && c.N(1) && CodeStarts(c.n1(), 'A');
}
bool NextVerbOrAbove(const RuleContext& c) { return c.N(1) && c.n1().wordClass >= Cls::FirstNonNoun; }
bool MarkedBeforeVerbOrAbove(const RuleContext& c) { return IsMarked(*c.word) && NextVerbOrAbove(c); }
bool NextBeginsParen(const RuleContext& c) { return c.N(1) && FirstIs(c.n1(), '('); }

constexpr const char* kRephrase = "(Rephrase)";

// clang-format off
constexpr RuleRow kRows[] = {
    // "one at a time" was taken by the rules of every number word.
    /*0*/ {.n1 = "at", .n2Class = {Cls::Article}, .n3 = "time", .covers = 4, .code = Msg::MissingReference,
           .ruleId = 5896, .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "more|less", .covers = 2, .code = Msg::Rephrase, .ruleId = 5896, .outcome = Walk::SkipCovered},
    /*2*/ {.n1Class = kNounClasses},
    /*3*/ {.n1Class = {Cls::Modal, Cls::Negation, Cls::VerbEd, Cls::Comma, Cls::PlacePreposition},
           .code = Msg::MissingReference, .ruleId = 4896},
    /*4*/ {.n1 = "and|for|because", .code = Msg::MissingReference, .ruleId = 4896},
    /*5*/ {.n1Class = {Cls::ShortForm, Cls::AndOr}},
    /*6*/ {.n1 = "or|set"},
    /*7*/ {.p1Class = {Cls::To}},
    /*8*/ {.n1Class = {Cls::ForBy}, .n2Class = {Cls::QuantifierSingular}, .code = Msg::MissingReference,
           .ruleId = 3302},
    // A noun after the word was taken by row 2.
    /*9*/ {.n1Class = {Cls::Neutral, Cls::Adjective}, .when = PrevVerbLike},
    /*10*/ {.when = PrevVerbLike, .code = Msg::Awkward, .ruleId = 5302},
    /*11*/ {.n1 = "in|on|only|which|like|off", .code = Msg::Awkward, .ruleId = 1200, .outcome = Walk::PassNext},
    /*12*/ {.n1Class = {Cls::Be, Cls::Have, Cls::Relative}, .code = Msg::Awkward, .ruleId = 1200,
            .outcome = Walk::PassNext},
    /*13*/ {.n1Class = {Cls::To}, .n2 = "another", .suggestion = "one ... to/(Rephrase)", .covers = 3,
            .code = Msg::Awkward, .ruleId = 2302, .outcome = Walk::SkipCovered},
    /*14*/ {.p1 = "another", .suggestion = kRephrase, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 2302},
    /*15*/ {.n1 = "by|to", .n2 = "one", .covers = 3, .code = Msg::Translation, .ruleId = 7895,
            .outcome = Walk::SkipCovered},
    /*16*/ {.n1 = "last|possible", .suggestion = "a/an/the", .covers = 2, .code = Msg::Awkward, .ruleId = 5302,
            .outcome = Walk::SkipCovered},
    /*17*/ {.p1 = "single|follow", .when = PrevOrdinary, .clear = true, .on = On::P1, .code = Msg::Delete,
            .ruleId = 7898},
    /*18*/ {.n1 = "time", .covers = 2, .code = Msg::Translation, .ruleId = 8896, .outcome = Walk::SkipCovered},
    /*19*/ {.n1 = "thing*", .covers = 2, .outcome = Walk::SkipCovered},
    // A time conjunction after the word was taken by the rules of every number word.
    /*20*/ {.n1 = "a*", .n1Class = {Cls::TimeConjunction}, .when = PosAbove1, .covers = 2, .code = Msg::Translation,
            .ruleId = 1842, .outcome = Walk::SkipCovered},
    /*21*/ {.n1Class = {Cls::FirstPerson}, .when = PosAbove1, .covers = 2, .code = Msg::Translation, .ruleId = 1842,
            .outcome = Walk::SkipCovered},
    /*22*/ {.n1 = "we|but", .when = PosAbove1, .covers = 2, .code = Msg::Translation, .ruleId = 1842,
            .outcome = Walk::SkipCovered},
    /*23*/ {.n2Class = {Cls::To}, .n3 = "another", .suggestion = kRephrase, .covers = 4, .code = Msg::Awkward,
            .ruleId = 2302, .outcome = Walk::SkipCovered},
    /*24*/ {.n1 = "another", .suggestion = kRephrase, .covers = 2, .code = Msg::Awkward, .ruleId = 2302,
            .outcome = Walk::SkipCovered},
    // "every one" was taken by the gate of "first", "every" and "third".
    /*25*/ {.p1 = "as|each|every", .when = PrevOrdinaryAt2, .clear = true, .suggestion = "(add noun)", .covers = 2,
            .on = On::P1, .code = Msg::MissingReference, .ruleId = 1194},
    /*26*/ {.p1 = "best|good|new|just|old", .when = PrevOrdinary, .clear = true, .covers = 2, .on = On::P1,
            .code = Msg::WrongChoice, .ruleId = 5896},
    /*27*/ {.when = PrevOrdinaryNextAdjectiveCode},
    /*28*/ {.n1Class = {Cls::Unit}, .suggestion = "(Use digits)", .code = Msg::Number, .ruleId = 2203},
    /*29*/ {.when = PosAtMost1},
    /*30*/ {.when = MarkedBeforeVerbOrAbove, .code = Msg::MissingReference, .ruleId = 1902},
    /*31*/ {.when = NextBeginsParen, .code = Msg::MissingReference, .ruleId = 1902},
    // "which" was taken by row 11.
    /*32*/ {.n1 = "which", .code = Msg::MissingReference, .ruleId = 1902},
    /*33*/ {.p1Class = {Cls::Comma}, .when = NextVerbOrAbove, .code = Msg::MissingReference, .ruleId = 1902},
    /*34*/ {.p1 = "this*", .code = Msg::MissingReference, .ruleId = 1902},
};
// clang-format on

}  // namespace

std::span<const RuleRow> OneRows() { return kRows; }

Walk OneWordRules(RuleContext& c) {
  WordRec* w = c.word;
  c.state.subjectNumber = 0;
  const WordRec& n1 = c.n1();
  const WordRec& p1 = c.p1();
  if (IsMarked(n1) || n1.wordClass == Cls::Of || IsMarked(p1)) return Walk::Next;
  if (TextIsOneOf(p1, {"first", "every", "third"}) || TextIs(n1, "each")) {
    WriteSuggestion(w, "(Identify a subject)");
    SetWordMessage(w, Msg::MissingReference, 4896);
    return Walk::Next;
  }
  if (TextIsOneOf(p1, {"hour", "second", "day", "week", "month", "minute"})) {
    // The number of a measure; the rows below may still judge the phrase.
    WriteSuggestion(w, "1");
    SetWordMessage(w, Msg::Number, 7860);
  }
  return ApplyFirstMatch(c, kRows).value_or(Walk::Next);
}
