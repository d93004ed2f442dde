// The phrases of "shall"/"should" and of "will"/"would", in the order they
// are tried. A phrase of "shall" is reported as passive voice, one of
// "will" as a wrong tense, unless the row names another finding.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/main/modal_families.h"

namespace {

constexpr Classes kPastForms = {Cls::Participle, Cls::VerbEd};

bool IsInside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool SecondIsPlainIng(const RuleContext& c) { return c.N(2) && c.n2().subClass == 0; }
bool FourthIsTo(const RuleContext& c) { return c.N(4) && c.N(4)->wordClass == Cls::To; }
bool FourthIsToWord(const RuleContext& c) { return c.N(4) && TextIs(*c.N(4), "to"); }

constexpr MessageCode kPassive = Msg::PassiveVoice;
constexpr int kShallRule = 5915;
constexpr Walk kSkip = Walk::SkipCovered;

// clang-format off
constexpr RuleRow kShallRows[] = {
    /*0*/ {.n1 = "remain", .suggestion = "must be", .covers = 2, .code = kPassive, .ruleId = kShallRule,
           .outcome = kSkip},
    /*1*/ {.n1 = "result", .n2 = "in", .suggestion = "can cause", .covers = 3, .code = Msg::VerbTense, .ruleId = 5817,
           .outcome = kSkip},
    /*2*/ {.n1 = "result", .n2 = "from", .covers = 3, .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*3*/ {.n1 = "only", .n2 = "be", .suggestion = "must be", .covers = 3, .code = kPassive, .ruleId = kShallRule,
           .outcome = kSkip},
    /*4*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "have", .suggestion = "must not have/(Rephrase)", .covers = 3,
           .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*5*/ {.n1 = "no", .n2 = "longer", .suggestion = "must not", .covers = 3, .code = kPassive, .ruleId = kShallRule,
           .outcome = kSkip},
    /*6*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3 = "left", .suggestion = "must not stay/(Rephrase)",
           .covers = 4, .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*7*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "need", .n3 = "to", .suggestion = "must not", .covers = 4,
           .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*8*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3 = "able", .when = FourthIsTo,
           .suggestion = "must not", .covers = 4, .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*9*/ {.n1 = "never|not", .suggestion = "must not", .covers = 2, .code = kPassive, .ruleId = kShallRule,
           .outcome = kSkip},
    /*10*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "do", .suggestion = "must not", .covers = 2,
            .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*11*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3Class = kPastForms, .suggestion = "must not",
            .covers = 2, .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*12*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .suggestion = "must not", .covers = 3,
            .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*13*/ {.n1 = "need", .n2 = "to", .suggestion = "must/necessary", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*14*/ {.n1 = "it", .n2 = "be", .suggestion = "if necessary", .covers = 3, .code = kPassive, .ruleId = kShallRule,
            .outcome = kSkip},
    /*15*/ {.n1 = "do", .n2 = "so", .suggestion = "must/(Rephrase)", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*16*/ {.n1 = "be", .n2 = "done", .suggestion = "must be/will be/(Rephrase for context)", .covers = 3,
            .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*17*/ {.n1 = "be", .n2 = "used|taken", .suggestion = "must be/you must", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*18*/ {.n1 = "be", .n2Class = kPastForms, .suggestion = "(Use active voice)", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*19*/ {.n1 = "be", .n2 = "able", .suggestion = "must be", .covers = 3, .code = kPassive, .ruleId = kShallRule,
            .outcome = kSkip},
    /*20*/ {.n1 = "b*", .n1Class = {Cls::Negation}, .n2 = "be", .n3 = "able", .when = FourthIsTo,
            .suggestion = "can not", .covers = 4, .code = kPassive, .ruleId = kShallRule, .outcome = kSkip},
    /*21*/ {.n1 = "be", .n2 = "left", .suggestion = "must stay/(Rephrase)", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*22*/ {.n1 = "be", .n2 = "possible", .suggestion = "can/(Use Active voice)", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
    /*23*/ {.n1 = "be", .n2Class = {Cls::VerbIng}, .covers = 3, .code = kPassive, .ruleId = kShallRule,
            .outcome = kSkip},
    /*24*/ {.n1 = "always|also", .n2 = "be", .suggestion = "must be", .covers = 3, .code = kPassive,
            .ruleId = kShallRule, .outcome = kSkip},
};

constexpr MessageCode kTense = Msg::VerbTense;
constexpr int kWillRule = 7626;

constexpr RuleRow kWillRows[] = {
    /*0*/ {.n1 = "test", .suggestion = "will make a test", .covers = 2, .code = kTense, .ruleId = kWillRule,
           .outcome = kSkip},
    /*1*/ {.n1 = "show", .n2 = "up", .suggestion = "is shown/are shown", .covers = 3, .code = kTense,
           .ruleId = kWillRule, .outcome = kSkip},
    /*2*/ {.n1 = "still", .n2Class = {Cls::Verb}, .covers = 2, .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*3*/ {.n1 = "short", .suggestion = "will cause a short circuit", .covers = 2, .code = kTense,
           .ruleId = kWillRule, .outcome = kSkip},
    /*4*/ {.n1 = "shut", .suggestion = "will close/will stop", .covers = 2, .code = kTense, .ruleId = kWillRule,
           .outcome = kSkip},
    /*5*/ {.n1 = "result", .n2 = "from|if|in", .suggestion = "can cause/causes", .covers = 3, .code = kTense,
           .ruleId = kWillRule, .outcome = kSkip},
    /*6*/ {.n1 = "result", .suggestion = "cause/causes", .covers = 2, .code = kTense, .ruleId = kWillRule,
           .outcome = kSkip},
    /*7*/ {.n1 = "not", .n2Class = {Cls::Verb}},  // ends the table
    /*8*/ {.n1 = "no", .n2 = "longer", .suggestion = "is not/are not", .covers = 3, .code = kTense,
           .ruleId = kWillRule, .outcome = kSkip},
    /*9*/ {.n1 = "need", .n2 = "to", .n3 = "be", .suggestion = "must be", .covers = 4, .code = kTense,
           .ruleId = kWillRule, .outcome = kSkip},
    /*10*/ {.n1 = "not", .n2 = "be", .n3 = "able", .when = FourthIsToWord, .suggestion = "can not", .covers = 4,
            .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*11*/ {.n1 = "not", .n2 = "be", .n3Class = kPastForms, .covers = 4, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*12*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n2Class = {Cls::Participle}, .covers = 3,
            .code = kPassive, .ruleId = 5726, .outcome = kSkip},
    /*13*/ {.n1 = "now", .n2 = "be", .covers = 3, .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*14*/ {.n1 = "never", .when = IsInside, .suggestion = "will not", .covers = 2, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*15*/ {.n1 = "need", .n2Class = {Cls::To}, .suggestion = "must", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*16*/ {.n1 = "not", .n2 = "function|operate|work", .suggestion = "does not operate", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*17*/ {.n1 = "neither", .suggestion = "(Rephrase for clarity)", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*18*/ {.n1 = "never", .n2 = "be", .suggestion = "will not be", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*19*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3 = "on",
            .suggestion = "are not on xxx/is not on xxxx/not illuminated/not in operation", .covers = 4, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*20*/ {.n1 = "n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3 = "off",
            .suggestion = "is not on/are not on/not illuminated/not in operation", .covers = 4, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*21*/ {.n1 = "lead", .n2 = "to", .suggestion = "will cause", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*22*/ {.n1 = "light", .suggestion = "will illuminate", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*23*/ {.n1 = "either", .suggestion = "(Rephrase for clarity)", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*24*/ {.n1 = "damage", .suggestion = "will cause damage", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*25*/ {.n1 = "differ", .suggestion = "is different/are different", .covers = 2, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*26*/ {.n1 = "dropout", .suggestion = "decrease/(Rephrase)", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*27*/ {.n1 = "continue", .n2 = "to", .n3Class = {Cls::Verb}, .suggestion = "will/can", .covers = 3,
            .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*28*/ {.n1 = "be", .n2 = "no", .covers = 3, .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*29*/ {.n1 = "be", .n2 = "at", .n3 = "least|most", .suggestion = "(Give value range)", .covers = 4,
            .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*30*/ {.n1 = "be", .n2 = "used", .n3 = "to", .suggestion = "use/(Rephrase)", .covers = 4, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*31*/ {.n1 = "b*", .n2 = "saved", .suggestion = "is saved/are saved", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*32*/ {.n1 = "b*", .n2 = "open", .suggestion = "is open/are open", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*33*/ {.n1 = "b*", .n2 = "closed", .suggestion = "is closed/are closed", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*34*/ {.n1 = "b*", .n2 = "used", .covers = 4, .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*35*/ {.n1 = "b*", .n3 = "to", .covers = 4, .code = kTense, .ruleId = kWillRule, .outcome = kSkip},
    /*36*/ {.n1 = "be", .n2 = "at", .suggestion = "is at/are at/(Rephrase)", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*37*/ {.n1 = "b*", .n2Class = {Cls::VerbIng}, .when = SecondIsPlainIng, .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*38*/ {.n1 = "begin", .n2 = "to", .suggestion = "will", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*39*/ {.n1 = "attempt", .n2 = "to", .suggestion = "can", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*40*/ {.n1 = "add", .n2Class = {Cls::To}, .suggestion = "increase/(Rephrase)", .covers = 3, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*41*/ {.n1 = "allow", .suggestion = "(Rephrase)", .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*42*/ {.n1 = "always", .n2 = "be", .suggestion = "will be", .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*43*/ {.n1 = "have", .n2 = "to", .n3 = "be", .suggestion = "must be", .covers = 4, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*44*/ {.n1 = "have", .n2Class = kPastForms, .when = IsInside, .suggestion = "has", .covers = 2, .code = kTense,
            .ruleId = kWillRule, .outcome = kSkip},
    /*45*/ {.n1 = "have", .n2Class = {Cls::Article}, .covers = 2, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
    /*46*/ {.n1 = "help", .n2Class = {Cls::To}, .when = IsInside, .covers = 3, .code = kTense, .ruleId = kWillRule,
            .outcome = kSkip},
};
// clang-format on

}  // namespace

std::span<const RuleRow> ShallPhraseRows() { return kShallRows; }
std::span<const RuleRow> WillPhraseRows() { return kWillRows; }
