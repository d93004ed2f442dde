// The chain of "over" as a preposition of measure and motion: a range or a
// measurement to give, or the verb before it reworded.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/preposition_which_over.h"

namespace preposition {
namespace {

using enum Walk;

bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool SelfUnmarked(const RuleContext& c) { return c.word->markFlag == '0'; }
bool SelfSplit(const RuleContext& c) { return c.word->splitKind == '4'; }
bool PrevPlain(const RuleContext& c) { return c.p1().tokenKind == 0; }
bool AfterSecond(const RuleContext& c) { return c.word->sentencePos > 2; }
bool AfterSecondPrevPlain(const RuleContext& c) { return AfterSecond(c) && PrevPlain(c); }
bool AfterFirstPrevPlain(const RuleContext& c) { return c.word->sentencePos > 1 && PrevPlain(c); }
bool AfterFirstPrevVerb(const RuleContext& c) { return AfterFirstPrevPlain(c) && CodeStarts(c.p1(), 'V'); }
// A next word without a mark whose first letter chooses no list of
// duration words: any verb there names a duration.
bool NextOtherLetter(const RuleContext& c) {
  return NextUnmarked(c) && !CharIn(c.n1().text.first(), "bcdlphitmy");
}

void ClearPrev(RuleContext& c, WordRec&) { pass::ClearCodes(c.P(1)); }
void ArticleForNext(RuleContext& c, WordRec&) { SuggestArticleForNext(c.word); }

constexpr Classes kNounOrAdjective = Classes{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                             11, 12, 13, 14, 15, 16, 17, 18, 19, Cls::Adjective};
constexpr Words kDigitFirst = "0*|1*|2*|3*|4*|5*|6*|7*|8*|9*";

// Rows of one shape, written once.
// *X over*: the advice and the finding go on the previous word.
constexpr RuleRow BeforeOver(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
          .ruleId = 7865};
}
// A verb of motion before "over": the advice goes on the verb, "over" loses its codes.
constexpr RuleRow Motion(Words previous, const char* text) {
  return {.p1 = previous, .when = PrevPlain, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::Measurement, .ruleId = 2256, .outcome = Clear};
}
// *over* + what is measured: the measurement to give, covering both words.
constexpr RuleRow Measure(Words next, const char* text) {
  return {.n1 = next, .when = NextUnmarked, .suggestion = text, .covers = 2, .code = Msg::Measurement,
          .ruleId = 3245, .outcome = SkipCovered};
}
// *over* + a duration: the range to give.
constexpr RuleRow Duration(RuleRow row, const char* text) {
  if (!row.when) row.when = NextUnmarked;
  row.suggestion = text;
  row.code = Msg::WrongMeaning;
  row.ruleId = 4237;
  return row;
}
constexpr const char* kRange = "for/for more than/(Give range)";

// clang-format off
constexpr RuleRow kOverRows[] = {
    /*0*/  {.n1 = "one", .code = Msg::Measurement, .ruleId = 6236},
    /*1*/  {.n1 = kDigitFirst, .n1Class = {Cls::Number}, .code = Msg::Measurement, .ruleId = 6236},
    /*2*/  {.when = NextMarked},
    /*3*/  {.n1Class = {Cls::Article, Cls::Demonstrative}},
    /*4*/  {.p1 = "position", .then = ClearPrev},
    /*5*/  {.n1 = "if", .code = Msg::Preposition, .ruleId = 3245},
    /*6*/  BeforeOver("priority", "(Give reference)"),
    /*7*/  BeforeOver("roll*", "turn/change in position"),
    /*8*/  BeforeOver("trip", "(Add Warning)"),
    /*9*/  BeforeOver("weighing", "has a weight of more than"),
    /*10*/ {.when = SelfSplit},
    /*11*/ {.n1 = ":*|course", .code = Msg::WrongMeaning, .ruleId = 3245},
    /*12*/ {.n1Class = {Cls::ShortForm}, .code = Msg::WrongMeaning, .ruleId = 3245},
    /*13*/ Motion("cost*", "(Give amount or range)"),
    /*14*/ Motion("cycl*", "go in a cycle/become"),
    /*15*/ Motion("concern*", "(incorrect information about)"),
    /*16*/ Motion("drive*", "(Give amount or range)"),
    /*17*/ Motion("hung", "put"),
    /*18*/ Motion("hard", "fully/(Give Ref. Position)"),
    /*19*/ Motion("just", "(Give Measurement)"),
    /*20*/ Motion("run*", "(Rephrase)"),
    /*21*/ Motion("switch", "change to/move to"),
    /*22*/ Motion("speed|spread", "(Give speed measurement)"),
    /*23*/ Motion("push*", "push the xxx over"),
    /*24*/ Motion("position*", "in a position over"),  // "position" itself ended the chain above
    /*25*/ Motion("start*", "start again/starts again"),
    /*26*/ Motion("well", "(Give range measurement)"),
    /*27*/ Motion("trip*", "fall/falls"),  // "trip" itself has its advice above
    /*28*/ Motion("tip*", "(turn)/(move)"),
    /*29*/ Motion("turn*", "turn/turns"),
    /*30*/ Measure("all", "average/(Rephrase)"),
    /*31*/ Measure("inflat*", "(Give tire inflation range)"),
    /*32*/ Measure("heat*", "a temperature of more than"),
    /*33*/ Measure("length|shoot*", "a measurement of more than"),
    /*34*/ Measure("pressure", "a pressure of more than"),
    /*35*/ Measure("temp*", "a temperature of more than"),
    /*36*/ Measure("time", "(Be specific)"),
    /*37*/ Measure("there", "(Give position)"),
    /*38*/ Measure("torque", "a torque value of more than"),
    /*39*/ {.n1Class = {Cls::Comma}, .code = Msg::Preposition, .ruleId = 6257},
    /*40*/ {.p2Class = {Cls::Verb}, .n1Class = {Cls::AndOr}, .when = AfterSecond, .code = Msg::PhrasalVerb, .ruleId = 3236},
    /*41*/ {.n1Class = {Cls::AndOr}, .when = AfterSecond},
    /*42*/ {.n1 = "which", .suggestion = "for which/through which", .covers = 2, .code = Msg::Preposition, .ruleId = 2672, .outcome = SkipCovered},
    /*43*/ {.n1 = "and", .n2 = "above", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::Translation, .ruleId = 4236, .outcome = SkipCovered},
    /*44*/ {.n1 = "and", .n2 = "around", .suggestion = "around", .covers = 3, .code = Msg::Translation, .ruleId = 4236, .outcome = SkipCovered},
    /*45*/ {.n1Class = kNounOrAdjective, .when = NextUnmarked, .then = ArticleForNext, .outcome = PassNext},
    /*46*/ {.p1Class = {Cls::FirstPerson}, .when = AfterSecondPrevPlain, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 5428},
    /*47*/ {.p1Class = {Cls::Participle}, .when = AfterSecond, .code = Msg::WrongMeaning, .ruleId = 4237},
    /*48*/ {.n1Class = {Cls::TimeConjunction}, .when = AfterSecond, .code = Msg::WrongMeaning, .ruleId = 4237},
    // The durations that are measure words, or nouns and adjectives without
    // a mark, took the rows above; these rows stay in their order.
    /*49*/ Duration({.n1 = "bearing"}, "(Give bearing tolerances)"),
    /*50*/ Duration({.n1 = "distance|period|current|past|length"}, kRange),
    /*51*/ Duration({.n1 = "inflate*"}, "inflated to more than xxx psi"),
    /*52*/ Duration({.n1 = "temperature|heating|time"}, kRange),
    /*53*/ Duration({.n1 = "m*|y*", .n2 = "year|month"}, kRange),
    /*54*/ Duration({.n1Class = {Cls::Verb}, .when = NextOtherLetter}, kRange),
    /*55*/ {.n1Class = {Cls::To}, .when = AfterFirstPrevVerb, .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 1236, .outcome = Clear},
    /*56*/ {.p1 = "control*", .when = PrevPlain, .suggestion = "controlled by", .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 1237, .outcome = Clear},
    /*57*/ {.p1Class = {Cls::FirstPerson}, .when = AfterSecond, .code = Msg::Awkward, .ruleId = 5428},
    /*58*/ {.p1 = ")*", .when = AfterSecond, .code = Msg::Awkward, .ruleId = 5428},
    // A next word with or without its mark took the rows above.
    /*59*/ {.n1Class = kNounOrAdjective, .when = SelfUnmarked, .then = ArticleForNext},
    /*60*/ {.n1 = kDigitFirst, .suggestion = "more than", .code = Msg::Measurement, .ruleId = 2237},
    /*61*/ {.p1 = "work*", .when = AfterFirstPrevPlain, .suggestion = "do work above", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 1236, .outcome = Clear},
    /*62*/ {.n1 = "there|here", .when = AfterSecond, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1236, .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kOver = kOverRows;

Walk OverRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kOver)) return *o;
  return Walk::Next;
}

}  // namespace preposition
