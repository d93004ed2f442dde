// The rule table of "so" (class 71), in the order it is tried.
#include "rules/function_words/so_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace so_rules {
namespace {

using enum Walk;

bool First(const RuleContext& c) { return c.First(); }
// Other class-71 words have no rules past the sentence start.
bool NotSo(const RuleContext& c) { return !TextIs(*c.word, "so"); }
bool NextIsVerbCode(const RuleContext& c) { return CodeStarts(c.n1(), 'V'); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }

// "so" + a word of degree or purpose: both words, with the advice.
constexpr RuleRow Degree(Words next, const char* text) {
  return {.n1 = next, .suggestion = text, .covers = 2, .code = Msg::Translation, .ruleId = 3201,
          .outcome = SkipCovered};
}

// clang-format off
constexpr RuleRow kSoRows[] = {
    /*0*/  {.when = First, .code = Msg::Awkward, .ruleId = 2201},
    /*1*/  {.when = NotSo},
    /*2*/  {.n1Class = {Cls::Relative}, .outcome = PassNext},
    /*3*/  {.n1Class = {Cls::Modal}, .covers = 2, .code = Msg::Rephrase, .ruleId = 4201, .outcome = SkipCovered},
    /*4*/  {.when = NextIsVerbCode, .code = Msg::Delete, .ruleId = 4201},
    /*5*/  {.p1 = "doing", .covers = 2, .on = On::P1, .code = Msg::Rephrase, .ruleId = 4155},
    /*6*/  {.when = NextMarked, .suggestion = "so that/(Delete)", .code = Msg::Preposition, .ruleId = 7154},
    /*7*/  {.n1Class = {Cls::Article}, .suggestion = "so that/(Delete)", .code = Msg::Preposition, .ruleId = 7154},
    /*8*/  {.n1Class = {Cls::SentenceEnd}, .code = Msg::Rephrase, .ruleId = 4021},
    /*9*/  {.n1 = "as", .n2 = "not", .n3 = "to", .covers = 4, .code = Msg::Rephrase, .ruleId = 3201, .outcome = SkipCovered},
    /*10*/ {.n1 = "it", .n2 = "is", .n3 = "necessary", .covers = 4, .code = Msg::Delete, .ruleId = 3201, .outcome = SkipCovered},
    /*11*/ {.n1 = "as", .n2 = "to", .covers = 3, .code = Msg::Rephrase, .ruleId = 3201, .outcome = SkipCovered},
    /*12*/ {.n1 = "that"},
    // The degree list.
    /*13*/ Degree("as", "to"),
    /*14*/ Degree("behind", "(Give time Ref.)"),
    /*15*/ Degree("called", "(Give name)"),
    /*16*/ Degree("certain", "for some"),
    /*17*/ Degree("even*", "so that"),
    /*18*/ Degree("far", "(Give time ref.)"),
    /*19*/ Degree("for|forth", "(Give time ref.)/for"),
    /*20*/ Degree("how", "(Give method or procedure)"),
    /*21*/ Degree("if", "if/when"),
    /*22*/ Degree("in|long", "(Rephrase)"),
    /*23*/ Degree("it|they|under", "so that the xxx"),
    /*24*/ Degree("light*", "(Give weight ref.)"),
    /*25*/ Degree("many", "so that you must"),
    /*26*/ Degree("may", "so that you can"),
    /*27*/ Degree("much", "more than/(Give measure)"),
    /*28*/ Degree("never", "do not xxx"),
    /*29*/ Degree("severe*", "(Give Measure)"),
    /*30*/ Degree("should|sure", "make sure that"),
    /*31*/ Degree("when", "when/if"),
    /*32*/ Degree("you*", "so that you"),
    // Size and speed: a measure is asked for.
    /*33*/ {.n1 = "low", .suggestion = "when", .covers = 2, .code = Msg::Measurement, .ruleId = 3201, .outcome = SkipCovered},
    /*34*/ {.n1 = "big|fast|high|little|small|slow", .covers = 2, .code = Msg::Measurement, .ruleId = 3201, .outcome = SkipCovered},
    /*35*/ {.n1Class = {Cls::TimeConjunction}, .covers = 2, .code = Msg::Awkward, .ruleId = 3201, .outcome = SkipCovered},
    /*36*/ {.n1Class = {Cls::As}, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2022, .outcome = SkipCovered},
    /*37*/ {.n1Class = {Cls::Be, Cls::Have}, .covers = 2, .code = Msg::Awkward, .ruleId = 2024, .outcome = SkipCovered},
    /*38*/ {.n1Class = Classes::Range(Cls::Negation, Cls::Comparative), .code = Msg::Translation, .ruleId = 2021},
    /*39*/ {.n1Class = {Cls::Comma}, .suggestion = "until/so that", .code = Msg::VerbTense, .ruleId = 7022, .outcome = PassNext},
    /*40*/ {.code = Msg::Awkward, .ruleId = 2022},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kSo = kSoRows;

}  // namespace so_rules
