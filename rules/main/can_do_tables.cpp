// The phrases of "can"/"could" and of "do"/"does", in the order they are
// tried. A phrase of "can" is a wrong tense unless its row names another
// finding; every phrase of "do" is a wrong tense.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "platform/bounded_text.h"
#include "rules/main/modal_families.h"

namespace {

constexpr Classes kPastForms = {Cls::Participle, Cls::VerbEd};

bool ThirdIsVerbCode(const RuleContext& c) { return c.N(3) && CodeStarts(c.n3(), 'V'); }
bool SecondIsPlainIng(const RuleContext& c) { return c.N(2) && c.n2().subClass == 0; }
bool FourthIsForBy(const RuleContext& c) { return c.N(4) && c.N(4)->wordClass == Cls::ForBy; }
bool IsDoInside(const RuleContext& c) { return TextIs(*c.word, "do") && c.word->sentencePos >= 2; }

// "help" and the verb after it, as written.
void HelpAndVerb(RuleContext& c, WordRec& t) {
  const BoundedText<84> first = c.word->written.view();
  const BoundedText<84> second = c.n1().written.view();
  FormatSuggestion(&t, "%s %s", first.c_str(), second.c_str());
}

constexpr MessageCode kTense = Msg::VerbTense;
constexpr int kCanRule = 185;
constexpr int kCanBeRule = 2815;
constexpr Walk kSkip = Walk::SkipCovered;

// clang-format off
constexpr RuleRow kCanRows[] = {
    /*0*/ {.n1 = "now", .n2 = "be", .suggestion = "you can/can be", .covers = 3, .code = kTense,
           .ruleId = kCanRule, .outcome = kSkip},
    /*1*/ {.n1 = "no", .n2 = "longer", .suggestion = "can not", .covers = 3, .code = kTense, .ruleId = kCanRule,
           .outcome = kSkip},
    /*2*/ {.n1 = "never", .n2 = "be", .suggestion = "is not/are not", .covers = 3, .code = kTense,
           .ruleId = kCanRule, .outcome = kSkip},
    /*3*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2Class = {Cls::Have}, .n3Class = kPastForms, .suggestion = "",
           .covers = 3, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*4*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3Class = kPastForms,
           .when = FourthIsForBy,
           .covers = 4, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*5*/ {.n1 = "never", .suggestion = "can not", .covers = 2, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*6*/ {.n1 = "or", .n2 = "cannot", .suggestion = "(Rephrase for clarity)", .covers = 3, .code = kTense,
           .ruleId = kCanRule, .outcome = kSkip},
    /*7*/ {.n1 = "result", .n2 = "in|from|form", .suggestion = "can cause/causes", .covers = 3, .code = kTense,
           .ruleId = kCanRule, .outcome = kSkip},
    /*8*/ {.n1 = "result", .suggestion = "can cause xxxx/(Delete)", .covers = 2, .code = kTense, .ruleId = kCanRule,
           .outcome = kSkip},
    /*9*/ {.n1 = "then", .suggestion = "can", .covers = 2, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*10*/ {.n1 = "test", .suggestion = "can do a test", .covers = 2, .code = kTense, .ruleId = kCanRule,
            .outcome = kSkip},
    /*11*/ {.n1 = "lead", .n2Class = {Cls::To}, .suggestion = "can cause/causes", .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*12*/ {.n1 = "light", .suggestion = "illuminate/cause a fire", .covers = 2, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*13*/ {.n1 = "always|also", .n2 = "be", .suggestion = "can be", .covers = 3, .code = kTense, .ruleId = kCanRule,
            .outcome = kSkip},
    /*14*/ {.n1 = "be", .n2 = "easily|carefully|freely", .suggestion = "can be/can", .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*15*/ {.n1 = "be", .n2 = "best", .covers = 3, .code = Msg::Delete, .ruleId = kCanBeRule, .outcome = kSkip},
    /*16*/ {.n1 = "be", .n2 = "done", .suggestion = "you can do", .covers = 3, .code = kTense, .ruleId = kCanBeRule,
            .outcome = kSkip},
    /*17*/ {.n1 = "be", .n2 = "taken", .n3 = "over", .suggestion = "is controlled", .covers = 3,
            .code = Msg::Rephrase, .ruleId = kCanBeRule, .outcome = kSkip},
    /*18*/ {.n1 = "be", .n2 = "taken", .n3 = "up", .suggestion = "is compressed/is controlled", .covers = 3,
            .code = Msg::Rephrase, .ruleId = kCanBeRule, .outcome = kSkip},
    /*19*/ {.n1 = "be", .n2 = "taken"},  // ends the table
    /*20*/ {.n1 = "be", .n2 = "started", .n2Class = kPastForms, .suggestion = "(start)", .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*21*/ {.n1 = "be", .n2 = "sent", .n2Class = kPastForms, .suggestion = "(send again)", .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*22*/ {.n1 = "be", .n2 = "connected", .n2Class = kPastForms, .covers = 3, .code = kTense, .ruleId = kCanRule,
            .outcome = kSkip},
    /*23*/ {.n1 = "be", .n2 = "charged", .n2Class = kPastForms, .suggestion = "(connect again)", .covers = 3,
            .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*24*/ {.n1 = "be", .n2 = "installed", .n2Class = kPastForms, .suggestion = "(install)/(you can install)",
            .covers = 3, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*25*/ {.n1 = "be", .n2 = "purchased", .n2Class = kPastForms, .suggestion = "(can get)",
            .covers = 3, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*26*/ {.n1 = "be", .n2Class = kPastForms},  // ends the table
    /*27*/ {.n1 = "b*", .n1Class = {Cls::Have}, .n2Class = kPastForms, .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*28*/ {.n1 = "b*", .n2 = "used", .n3 = "for", .suggestion = "you can use", .covers = 4, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*29*/ {.n1 = "b*", .n2 = "applicable|applied", .suggestion = "applies/apply/for/(Rephrase)", .covers = 3,
            .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*30*/ {.n1 = "b*", .n2Class = {Cls::Participle, Cls::VerbEd, Cls::Verb}, .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
    /*31*/ {.n1 = "b*", .n1Class = {Cls::Have}, .n2Class = {Cls::VerbIng}, .when = SecondIsPlainIng,
            .suggestion = "can ...", .covers = 3, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*32*/ {.n1 = "continue", .n2Class = {Cls::To}, .when = ThirdIsVerbCode, .suggestion = "continue to/continues to",
            .covers = 3, .code = kTense, .ruleId = kCanRule, .outcome = kSkip},
    /*33*/ {.n1 = "damage", .suggestion = "can cause damage", .covers = 2, .code = kTense, .ruleId = kCanRule,
            .outcome = kSkip},
    /*34*/ {.n1 = "help", .n2Class = {Cls::Verb}, .then = HelpAndVerb, .covers = 3, .code = kTense,
            .ruleId = kCanRule, .outcome = kSkip},
};

constexpr int kDoRule = 7814;

constexpr RuleRow kDoRows[] = {
    /*0*/ {.n1 = "as", .n2 = "much", .covers = 3, .code = kTense, .ruleId = kDoRule, .outcome = kSkip},
    /*1*/ {.n1 = "d*", .when = IsDoInside, .covers = 2, .code = kTense, .ruleId = kDoRule, .outcome = kSkip},
    /*2*/ {.n1 = "have", .covers = 2, .code = kTense, .ruleId = kDoRule, .outcome = kSkip},
    /*3*/ {.n1 = "if", .n2 = "so", .suggestion = "do", .covers = 3, .code = kTense, .ruleId = kDoRule,
           .outcome = kSkip},
    /*4*/ {.n1 = "if", .suggestion = "do", .covers = 2, .code = kTense, .ruleId = kDoRule, .outcome = kSkip},
    /*5*/ {.n1 = "matter|little|more|most", .suggestion = "(Rephrase)", .covers = 2, .code = kTense,
           .ruleId = kDoRule, .outcome = kSkip},
    /*6*/ {.n1 = "never", .suggestion = "do not/does not", .covers = 2, .code = kTense, .ruleId = kDoRule,
           .outcome = kSkip},
    /*7*/ {.n1 = "they", .suggestion = "(Remove question)", .covers = 2, .code = kTense, .ruleId = kDoRule,
           .outcome = kSkip},
    /*8*/ {.n1 = "when|what", .suggestion = "(rephrase)", .covers = 2, .code = kTense, .ruleId = kDoRule,
           .outcome = kSkip},
    /*9*/ {.n1 = "you", .suggestion = "(Remove question)", .covers = 2, .code = kTense, .ruleId = kDoRule,
           .outcome = kSkip},
};
// clang-format on

}  // namespace

std::span<const RuleRow> CanPhraseRows() { return kCanRows; }
std::span<const RuleRow> DoPhraseRows() { return kDoRows; }
