// The rule table of "under", in the order it is tried. Every row may
// replace the finding that "under" gets before the table.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/comma_advice.h"
#include "rules/function_words/preposition_tables.h"

namespace preposition {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool AfterSecond(const RuleContext& c) { return c.word->sentencePos > 2; }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
void ArticleForNext(RuleContext& c, WordRec&) { SuggestArticleForNext(c.word); }

constexpr Classes kNounOrAdjective = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                      11, 12, 13, 14, 15, 16, 17, 18, 19, Cls::Adjective};

// Rows of one shape, written once.
// *under* + a quantity: a limit to give.
constexpr RuleRow Limit(RuleRow row) {
  row.when = NextUnmarked;
  row.suggestion = "less than/(Give limit)";
  row.code = Msg::WrongMeaning;
  row.ruleId = 5236;
  return row;
}
// *under* + what is measured: a measurement, covering both words.
constexpr RuleRow Measured(Words next, const char* text) {
  return {.n1 = next, .when = NextUnmarked, .suggestion = text, .covers = 2, .code = Msg::WrongMeaning,
          .ruleId = 3245, .outcome = SkipCovered};
}
// Word + "under": the advice and the finding go on the previous word.
constexpr RuleRow BeforeUnder(Words previous, const char* text) {
  return {.p1 = previous, .when = Inside, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::WrongMeaning, .ruleId = 5384};
}
// *under* + what acts on a thing: covers both words; without a text the
// advice "under" got first stays.
constexpr RuleRow Applied(Words next, const char* text) {
  return {.n1 = next, .when = NextUnmarked, .suggestion = text, .covers = 2, .code = Msg::WrongMeaning,
          .ruleId = 1224, .outcome = SkipCovered};
}

// clang-format off
constexpr RuleRow kUnderRows[] = {
    /*0*/  {.n1 = "no|any", .n2 = "circumstance*|condition*", .suggestion = "do not/(Rephrase)", .covers = 3, .code = Msg::Delete, .ruleId = 5236, .outcome = SkipCovered},
    /*1*/  Limit({.n1 = "high|temperature|speed|limit|current|low"}),
    /*2*/  Limit({.n1 = "0*|1*|2*|3*|4*|5*|6*|7*|8*|9*"}),
    /*3*/  Limit({.n1Class = {Cls::Number}}),
    /*4*/  Measured("addit*", "(Rephrase)"),
    /*5*/  Measured("age", "age less than/(Give age range)"),
    /*6*/  Measured("cover*", "(Use a better phrase.)"),
    /*7*/  Measured("heat*|temp*", "has a temperature of less than"),
    /*8*/  Measured("shoot*", "has a measurement of less than"),
    /*9*/  Measured("time", "has a time of less than"),
    /*10*/ Measured("torque*", "has a torque value of less than"),
    /*11*/ {.n1 = "which|that", .suggestion = "in which/(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 3245},
    /*12*/ {.n1Class = {Cls::Relative}, .suggestion = "for/(Rephrase)", .covers = 2, .code = Msg::ThatWhich, .ruleId = 5236, .outcome = SkipCovered},
    /*13*/ {.n1Class = {Cls::Comma}, .code = Msg::Preposition, .ruleId = 4157},
    /*14*/ BeforeUnder("dry|dries", "is dry/dry/(Rephrase)"),
    /*15*/ BeforeUnder("get*", "go below"),
    /*16*/ BeforeUnder("just", "(Give Measurement)"),
    /*17*/ BeforeUnder("listed", "shown below/shown in ..."),
    /*18*/ BeforeUnder("priority|subscribed", "(Rephrase)"),
    /*19*/ BeforeUnder("run", "operate/go"),
    /*20*/ BeforeUnder("well|work", "(Give Measurement)"),
    /*21*/ {.n1 = ":*", .code = Msg::WrongMeaning, .ruleId = 3245},
    /*22*/ {.n1Class = {Cls::InnerPunctuation, Cls::ShortForm}, .code = Msg::WrongMeaning, .ruleId = 3245},
    /*23*/ {.p1Class = {Cls::Comma}, .when = AfterSecond, .then = WriteCommaAfter, .on = On::P1, .code = Msg::Comma, .ruleId = 1491, .outcome = Clear},
    /*24*/ {.n1Class = kNounOrAdjective, .when = NextUnmarked, .then = ArticleForNext, .outcome = PassNext},
    /*25*/ {.n1 = "and", .n2 = "over", .suggestion = "around", .covers = 3, .code = Msg::Translation, .ruleId = 4236, .outcome = SkipCovered},
    /*26*/ Applied("age", "less than xxx years"),  // "age" has its measurement above
    /*27*/ Applied("both", "for"),
    /*28*/ Applied("control", "controlled by"),
    /*29*/ Applied("consideration", "(Rephrase)"),
    /*30*/ Applied("load", "pressure applied"),
    /*31*/ Applied("no", "do not"),
    /*32*/ Applied("pressure", "load applied"),
    /*33*/ Applied("repair", "repairs applied"),
    /*34*/ Applied("stress", "stress applied"),
    /*35*/ Applied("tension", "tension applied to"),
    /*36*/ Applied("test", "in the test/for the test"),
    /*37*/ Applied("way", "moves/controls"),
    // "under section 3": "in" of the first advice is the right one.
    /*38*/ Applied("section|use", nullptr),
    /*39*/ {.when = NextMarked},
    /*40*/ {.n1 = "each"},
    /*41*/ {.n1 = "its", .when = Inside, .on = On::N1, .code = Msg::Delete, .ruleId = 3379},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kUnder = kUnderRows;

}  // namespace preposition
