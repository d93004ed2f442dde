// Rows of the adjectives inside their sentence that begin with "high" or
// "low" (but "lower"): ranges, measures and compounds before a noun.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/main/adjective_word_tables.h"
#include "rules/main/word_rule_tests.h"

using namespace word_rows;

namespace {

bool InsidePrev0(const RuleContext& c) { return Inside(c) && PrevToken0(c); }
bool InsideNotSplit4Token0(const RuleContext& c) {
  return Inside(c) && WordNotSplit4(c) && c.n1().tokenKind == 0;
}
bool InsideNotSplit4TokenAbove0(const RuleContext& c) {
  return Inside(c) && WordNotSplit4(c) && NextTokenAbove0(c);
}
bool N2NotNounKind(const RuleContext& c) {
  return !ClassIsOneOf(c.n2(), {Cls::Noun, Cls::Nomenclature, Cls::NomenclaturePlural});
}
bool N2NotNounKindParen(const RuleContext& c) { return N2NotNounKind(c) && FirstIs(c.n2(), '('); }
bool Inside1WithHyphen(const RuleContext& c) {
  return Inside1(c) && c.word->written.view().find('-') != std::string_view::npos;
}
bool Inside1Token0(const RuleContext& c) { return Inside1(c) && c.n1().tokenKind == 0; }
bool Inside1TokenAbove0(const RuleContext& c) { return Inside1(c) && NextTokenAbove0(c); }
bool Inside1Split4(const RuleContext& c) { return Inside1(c) && WordSplit4(c); }
bool NotBothCaps(const RuleContext& c) { return !(c.word->caseFlag == '2' && c.n1().caseFlag == '2'); }
bool PrevSplit4Only(const RuleContext& c) {
  return Inside(c) && c.p1().splitKind == '4' && WordNotSplit4(c);
}

constexpr Words kHighQuantity =
    "drive|power|range|side|resistance|probability|amount*|level*|current*|limit*|temperature*|stress*|voltag*|"
    "vibration*|volume*|force*";
constexpr Words kLowQuantity =
    "oil|probability|maintenance|power|limit*|pressure*|level*|range|side|resistance|temperature*|stress*|"
    "voltag*|vibration*|volume*|drive|amount*|current*|force*";
constexpr Classes kNounKinds = {Cls::Noun, Cls::Nomenclature, Cls::NomenclaturePlural};

// clang-format off
constexpr RuleRow kHigh[] = {
    /*0*/ {.when = WordOrNextSplit4},
    /*1*/ {.p1 = "being|relatively|get", .when = InsidePrev0, .suggestion = "(Give range)", .covers = 2, .on = On::P1,
           .code = Msg::Measurement, .ruleId = 5558},
    /*2*/ {.p1Class = {Cls::Be, Cls::Have, Cls::To}, .when = InsidePrev0, .suggestion = "(Give range)", .covers = 2,
           .on = On::P1, .code = Msg::Measurement, .ruleId = 5558},
    /*3*/ {.n1Class = {Cls::VerbIng}, .when = InsidePrev0, .suggestion = "(Give range)", .covers = 2, .on = On::P1,
           .code = Msg::Measurement, .ruleId = 5558},
    /*4*/ {.n1 = "pressure", .n2Class = kNounClasses, .when = InsideNotSplit4Token0, .then = Hyphenated, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 2730, .outcome = kSkip},
    /*5*/ {.n1 = "pressure", .n2Class = kNounClasses, .when = InsideNotSplit4TokenAbove0, .then = Hyphenated,
           .code = Msg::Hyphenation, .ruleId = 2730, .outcome = kSkip},
    /*6*/ {.n1 = "or", .n2 = "low", .when = Inside, .covers = 3, .code = Msg::Measurement, .ruleId = 6558,
           .outcome = kSkip},
    /*7*/ {.n1 = "problems|impact|issues", .when = Inside, .verbForm = '0', .covers = 2, .code = Msg::Rephrase,
           .ruleId = 5558},
    /*8*/ {.p1 = "risk|end", .when = Inside, .verbForm = '0', .covers = 2, .code = Msg::Rephrase, .ruleId = 5558},
    /*9*/ {.n1 = "level|depth|risk|torque|efficiency|height|range*|heat*|volume*", .when = Inside2,
           .suggestion = "(Give range or Measure)", .covers = 2, .code = Msg::Measurement, .ruleId = 6558,
           .outcome = kOverN},
    /*10*/ {.n1 = kHighQuantity, .when = N2NotNounKindParen},
    /*11*/ {.n1 = kHighQuantity, .when = N2NotNounKind, .suggestion = "(Give a Range)", .code = Msg::Measurement,
            .ruleId = 4536},
    /*12*/ {.n1 = kHighQuantity, .n2Class = kNounKinds, .when = WordSplit0, .then = Hyphenated, .covers = 2,
            .code = Msg::Hyphenation, .ruleId = 9216, .outcome = kSkip},
};

constexpr RuleRow kLow[] = {
    /*0*/ {.n1Class = kNounClasses, .when = Inside1WithHyphen},
    /*1*/ {.n1Class = kNounClasses, .n2Class = kNounClasses, .when = Inside1Token0, .then = Hyphenated, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 2530, .outcome = kSkip},
    /*2*/ {.n1Class = kNounClasses, .n2Class = kNounClasses, .when = Inside1TokenAbove0, .then = Hyphenated,
           .code = Msg::Hyphenation, .ruleId = 2530, .outcome = kSkip},
    /*3*/ {.p1Class = {Cls::Be, Cls::Have, Cls::Negation}, .n1Class = kAbove19, .when = Inside1,
           .suggestion = "(Give range or Ref.)", .code = Msg::Measurement, .ruleId = 7558},
    /*4*/ {.p1Class = {Cls::Be, Cls::Have, Cls::Negation}, .n1Class = kNounClasses, .when = Inside1Split4},
    /*5*/ {.n1 = "risk|end", .when = Inside1, .suggestion = "(Give a range measurement)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 5558, .outcome = kSkip},
    /*6*/ {.n1 = "resistance|pressure|intensity|level*|voltage*", .n2Class = {Cls::Noun, Cls::Nomenclature},
           .when = NotBothCaps, .then = Hyphenated, .covers = 2, .code = Msg::Hyphenation, .ruleId = 5558,
           .outcome = kOverN},
    /*7*/ {.n1 = "resistance|pressure|intensity|level*|voltage*"},
    /*8*/ {.n1 = kLowQuantity, .when = N2NotNounKindParen},
    /*9*/ {.n1 = kLowQuantity, .when = N2NotNounKind, .suggestion = "(Give a Range)", .code = Msg::Measurement,
           .ruleId = 4536},
    /*10*/ {.n1 = kLowQuantity, .n2Class = kNounKinds, .when = WordSplit0, .then = Hyphenated, .covers = 2,
            .code = Msg::Hyphenation, .ruleId = 9216, .outcome = kSkip},
    /*11*/ {.p1Class = {Cls::Be, Cls::Have}, .when = Inside, .suggestion = "(Give a range)", .covers = 2,
            .on = On::P1, .code = Msg::Measurement, .ruleId = 5558},
    /*12*/ {.n1Class = {Cls::Negation}, .when = Inside, .suggestion = "(Give a range)", .covers = 2, .on = On::P1,
            .code = Msg::Measurement, .ruleId = 5558},
    /*13*/ {.p1 = "extra|too|very", .when = Inside, .suggestion = "(Give a range)", .covers = 2, .on = On::P1,
            .code = Msg::Measurement, .ruleId = 5558},
    /*14*/ {.p1Class = kNounClasses, .n1Class = kNounClasses, .when = PrevSplit4Only, .code = Msg::Hyphenation,
            .ruleId = 5558},
};
// clang-format on

}  // namespace

namespace adjective_rows {
std::span<const RuleRow> High() { return kHigh; }
std::span<const RuleRow> Low() { return kLow; }
}  // namespace adjective_rows
