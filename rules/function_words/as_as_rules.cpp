// The comparison rules of *as X as*: an "as" inside a sentence whose word
// after next is "as" again, once the measure words and phrases of "as" have
// not matched. Every path ends the call.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/as_tables.h"

namespace as_rules {
namespace {

using enum Walk;

bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool PastThird(const RuleContext& c) { return c.word->sentencePos > 2; }
// The next word ends the sentence or is markup.
bool NextEndsOrTag(const RuleContext& c) {
  return PastThird(c) && (c.n1().wordClass == Cls::SentenceEnd || c.n1().text.first() == '<');
}
// A capital "As" there stands for an assembly name.
bool CapitalBeforeEndOrTag(const RuleContext& c) {
  return NextEndsOrTag(c) && c.word->written.first() == 'A';
}

// clang-format off
constexpr RuleRow kFewManyRows[] = {
    {.n1 = "many", .suggestion = "a maximum", .covers = 3, .code = Msg::Preposition, .ruleId = 3664, .outcome = SkipCovered},
    {.n1 = "few*", .suggestion = "when/during/while", .covers = 3, .code = Msg::Preposition, .ruleId = 3664, .outcome = SkipCovered},
};

constexpr RuleRow kAfterThirdRows[] = {
    // *and as*, *or as*: the finding covers both words and sits on the
    // conjunction, which gets the message.
    {.p1Class = {Cls::AndOr}, .when = PastThird, .suggestion = "or when", .covers = 2, .on = On::P1,
     .code = Msg::Awkward, .ruleId = 4682},
    {.when = CapitalBeforeEndOrTag, .suggestion = "Assembly", .code = Msg::Awkward, .ruleId = 4682},
    {.when = NextEndsOrTag, .code = Msg::Awkward, .ruleId = 4682},
    {.n1Class = {Cls::Preposition, Cls::Demonstrative}, .when = PastThird, .covers = 2,
     .code = Msg::Preposition, .ruleId = 7664, .outcome = SkipCovered},
};

#define TIME_QUALITY .covers = 3, .code = Msg::Awkward, .ruleId = 3582, .outcome = SkipCovered
#define NOT_AFTER_AS .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7664, .outcome = SkipCovered
constexpr RuleRow kComparisonRows[] = {
    /*0*/ {.n1 = "basic", .suggestion = "(Rephrase for clarity)", TIME_QUALITY},
    /*1*/ {.n1 = "clos*", .suggestion = "near/(Give measure.)", TIME_QUALITY},
    /*2*/ {.n1 = "early|late", .suggestion = "(Give measurement)", TIME_QUALITY},
    /*3*/ {.n1 = "often", .suggestion = "when/while", TIME_QUALITY},
    /*4*/ {.n1 = "above", .when = NextUnmarked, .suggestion = "as shown above", NOT_AFTER_AS},
    /*5*/ {.n1 = "below", .when = NextUnmarked, .suggestion = "as shown below", NOT_AFTER_AS},
    /*6*/ {.n1 = "by", .when = NextUnmarked, .suggestion = "by/from", NOT_AFTER_AS},
    /*7*/ {.n1 = "example", .when = NextUnmarked, .suggestion = "for example", NOT_AFTER_AS},
    /*8*/ {.n1 = "for", .when = NextUnmarked, .suggestion = "for/by", NOT_AFTER_AS},
    /*9*/ {.n1 = "illustrated", .when = NextUnmarked, .suggestion = "as shown in", NOT_AFTER_AS},
    /*10*/ {.n1 = "intended", .when = NextUnmarked, .suggestion = "as shown in/(Rephrase)", NOT_AFTER_AS},
    /*11*/ {.n1 = "listed|outlined|pictured", .when = NextUnmarked, .suggestion = "as shown", NOT_AFTER_AS},
    /*12*/ {.n1 = "with", .when = NextUnmarked, .suggestion = "(Rephrase)", NOT_AFTER_AS},
    /*13*/ {.n1 = "noted", .when = NextUnmarked, NOT_AFTER_AS},
    // A verb "be" or "have" after "as".
    /*14*/ {.n1Class = {Cls::Be, Cls::Have}, .covers = 2, .code = Msg::VerbTense, .ruleId = 9660, .outcome = PassNext},
    /*15*/ {.n1Class = {Cls::Article, Cls::Adjective}},
    /*16*/ {.p1 = "same"},
    /*17*/ {.when = NextMarked, .code = Msg::Rephrase, .ruleId = 9563},
};
#undef TIME_QUALITY
#undef NOT_AFTER_AS

#define CLOSING .covers = 2, .code = Msg::Preposition, .ruleId = 8763, .outcome = SkipCovered
constexpr RuleRow kClosingRows[] = {
    /*0*/ {.n1 = "agreed", .suggestion = "(as given in)/(refer to)", CLOSING},
    /*1*/ {.n1 = "appropriate", .suggestion = "as necessary", CLOSING},
    /*2*/ {.n1 = "at", .suggestion = "(Rephrase)", CLOSING},
    /*3*/ {.n1 = "among", CLOSING},
    /*4*/ {.n1 = "both", .suggestion = "(Rephrase)", CLOSING},
    /*5*/ {.n1 = "before|being", .suggestion = "before the/(Rephrase)", CLOSING},
    /*6*/ {.n1 = "called", .suggestion = "controlled by", CLOSING},
    /*7*/ {.n1 = "commanded|considered|configured", .suggestion = "(Rephrase)", CLOSING},
    /*8*/ {.n1 = "described|directed|designated|detailed|defined", .suggestion = "as shown in/for/description", CLOSING},
    /*9*/ {.n1 = "does", .suggestion = "and ...", CLOSING},
    /*10*/ {.n1 = "either", .suggestion = "because/from", CLOSING},
    /*11*/ {.n1 = "expected", .suggestion = "possible/(Rephrase)", CLOSING},
    /*12*/ {.n1 = "even", .suggestion = "level/(Rephrase)", CLOSING},
    /*13*/ {.n1 = "found|follows", .suggestion = "as shown in/in/at", CLOSING},
    /*14*/ {.n1 = "from", .suggestion = "from", CLOSING},
    /*15*/ {.n1 = "failed", .suggestion = "has a failure", CLOSING},
    /*16*/ {.n1 = "general", .suggestion = "(Rephrase)", CLOSING},
    /*17*/ {.n1 = "given", .suggestion = "as shown in", CLOSING},
    /*18*/ {.n1 = "having", .suggestion = "that has/that have", CLOSING},
    /*19*/ {.n1 = "if", .suggestion = "if/for", CLOSING},
    /*20*/ {.n1 = "in|installed|instructed", .suggestion = "in", CLOSING},
    /*21*/ {.n1 = "indicated", .suggestion = "as shown in", CLOSING},
    /*22*/ {.n1 = "just", .suggestion = "did/(Give measurement)", CLOSING},
    /*23*/ {.n1 = "less|more", .suggestion = "when", CLOSING},
    /*24*/ {.n1 = "needed|new", .suggestion = "(Give condition)", CLOSING},
    /*25*/ {.n1 = "only", .suggestion = "because/(Rephrase)", CLOSING},
    /*26*/ {.n1 = "over", .suggestion = "more than/because", CLOSING},
    /*27*/ {.n1 = "opposed", .suggestion = "(Rephrase)/different from", CLOSING},
    /*28*/ {.n1 = "per|proof", .suggestion = "for", CLOSING},
    /*29*/ {.n1 = "planned", CLOSING},
    /*30*/ {.n1 = "reported", .suggestion = "as shown", CLOSING},
    /*31*/ {.n1 = "refer*|recorded", .suggestion = "as necessary", CLOSING},
    /*32*/ {.n1 = "simple", .suggestion = "easy", CLOSING},
    /*33*/ {.n1 = "seen", .suggestion = "visible/as shown in", CLOSING},
    /*34*/ {.n1 = "safe", .suggestion = "safety", CLOSING},
    /*35*/ {.n1 = "some", .suggestion = "because", CLOSING},
    /*36*/ {.n1 = "small", .suggestion = "(Give measurement)", CLOSING},
    /*37*/ {.n1 = "time", .suggestion = "when/(Rephrase)", CLOSING},
    /*38*/ {.n1 = "though", .suggestion = "(Rephrase)", CLOSING},
    /*39*/ {.n1 = "viewed", .suggestion = "as shown in/see/refer", CLOSING},
    /*40*/ {.n1 = "when", .suggestion = "when", CLOSING},
    /*41*/ {.n1 = "you|yours", .suggestion = "when you/for your/for you/(Rephrase)", CLOSING},
    // Any other word: "as" is flagged as a preposition to check.
    /*42*/ {.code = Msg::Preposition, .ruleId = 9664},
};
#undef CLOSING
// clang-format on

}  // namespace

const std::span<const RuleRow> kFewMany = kFewManyRows;
const std::span<const RuleRow> kAfterThird = kAfterThirdRows;
const std::span<const RuleRow> kComparison = kComparisonRows;
const std::span<const RuleRow> kClosing = kClosingRows;

}  // namespace as_rules

Walk ApplyAsAsRules(RuleContext& c) {
  using namespace as_rules;
  for (std::span<const RuleRow> rows : {kFewMany, kAfterThird, kComparison, kClosing})
    if (auto o = ApplyFirstMatch(c, rows)) return *o;
  return Walk::Next;
}
