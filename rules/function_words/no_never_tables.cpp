// The rule tables of "no" and "never" (class 77), in the order they are
// tried.
#include "rules/function_words/no_never_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace no_never {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return !c.First(); }
bool OpensSentence(const RuleContext& c) { return c.First(); }
// "NO" before a word in capitals is part of a sign that is already a label.
bool SignInCapitals(const RuleContext& c) { return c.word->written == "NO" && IsCaps(c.n1()); }

// The capitals of "do not" follow those of "never" as written.
bool InCapitals(const RuleContext& c) { return IsCaps(*c.word); }
bool InitialCapital(const RuleContext& c) { return c.word->caseFlag == '1'; }
bool OpensInCapitals(const RuleContext& c) { return c.First() && IsCaps(*c.word); }
void MakeVerb(RuleContext&, WordRec& w) { w.wordClass = Cls::Verb; }

// clang-format off
constexpr RuleRow kNoRows[] = {
    /*0*/ {.when = SignInCapitals, .outcome = NeutralNext},
    // Two hints: a '/' inside one would divide it, and the menu would put in "is no xxx)".
    /*1*/ {.n1Class = {Cls::Verb, Cls::VerbS}, .suggestion = "(There are no xxx)/(There is no xxx)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 5118, .outcome = SkipCovered},
    // "part no", "serial no": the abbreviation of "number".
    /*2*/ {.p1 = "part|serial", .when = Inside},
    // Prohibitions written as signs, as commands.
    /*3*/ {.n1 = "pushing", .n1Class = {Cls::VerbIng}, .suggestion = " DO NOT PUSH", .covers = 2,
           .code = Msg::ProductLiability, .ruleId = 5118, .outcome = SkipCovered},
    /*4*/ {.n1 = "running", .n1Class = {Cls::VerbIng}, .suggestion = " DO NOT RUN IN THIS AREA", .covers = 2,
           .code = Msg::ProductLiability, .ruleId = 5118, .outcome = SkipCovered},
    /*5*/ {.n1 = "reach", .n1Class = {Cls::VerbIng}, .suggestion = " DO NOT REACH INTO THIS AREA", .covers = 2,
           .code = Msg::ProductLiability, .ruleId = 5118, .outcome = SkipCovered},
    /*6*/ {.n1 = "smoking", .n1Class = {Cls::VerbIng}, .suggestion = " DO NOT SMOKE IN THIS AREA", .covers = 2,
           .code = Msg::ProductLiability, .ruleId = 5118, .outcome = SkipCovered},
    /*7*/ {.n1 = "stopping", .n1Class = {Cls::VerbIng}, .suggestion = " DO NOT STOP IN THIS AREA", .covers = 2,
           .code = Msg::ProductLiability, .ruleId = 5118, .outcome = SkipCovered},
    // Any other -ing word: advice without a message would only show under
    // some other finding, so the word is left as it is.
    /*8*/ {.n1Class = {Cls::VerbIng}},
    /*9*/ {.n1 = "cause", .n2 = "of", .covers = 3, .code = Msg::Rephrase, .ruleId = 5518, .outcome = SkipCovered},
    /*10*/ {.n1 = "return*", .outcome = PassNext},
    /*11*/ {.n1 = "signs", .n2 = "that|of", .suggestion = "no indications/(Rephrase)", .covers = 3,
            .code = Msg::WrongMeaning, .ruleId = 5518, .outcome = SkipCovered},
};

constexpr RuleRow kNeverRows[] = {
    /*0*/ {.n1 = "do", .when = InCapitals, .suggestion = " DO NOT", .covers = 2, .code = Msg::Negative,
           .ruleId = 4115, .outcome = SkipCovered},
    /*1*/ {.n1 = "do", .when = InitialCapital, .suggestion = " Do not", .covers = 2, .code = Msg::Negative,
           .ruleId = 4115, .outcome = SkipCovered},
    /*2*/ {.n1 = "do", .suggestion = " do not", .covers = 2, .code = Msg::Negative, .ruleId = 4115,
           .outcome = SkipCovered},
    /*3*/ {.when = OpensInCapitals, .suggestion = " DO NOT", .then = MakeVerb, .code = Msg::WrongChoice, .ruleId = 4118},
    /*4*/ {.when = OpensSentence, .suggestion = " Do not", .then = MakeVerb, .code = Msg::WrongChoice, .ruleId = 4118},
    /*5*/ {.n1Class = {Cls::Verb}, .suggestion = "do not/does not", .then = MakeVerb, .code = Msg::WrongVerb,
           .ruleId = 1729},
    /*6*/ {.n1 = "left", .suggestion = "did not/was not", .covers = 2, .code = Msg::Negative, .ruleId = 4015,
           .outcome = SkipCovered},
    /*7*/ {.n1 = "right", .suggestion = "not correct", .covers = 2, .code = Msg::Negative, .ruleId = 4015,
           .outcome = SkipCovered},
    // "not never": the finding is on "not".
    /*8*/ {.p1 = "not", .suggestion = "do not", .covers = 2, .on = On::P1, .code = Msg::Negative, .ruleId = 4015},
    /*9*/ {.n1 = "attempt|try", .suggestion = "DO NOT .../(Rephrase)", .covers = 2, .code = Msg::ProductLiability,
           .ruleId = 6801, .outcome = SkipCovered},
    /*10*/ {.n1 = "be", .n1Class = {Cls::Modal}, .suggestion = "can not", .covers = 3, .code = Msg::ProductLiability,
            .ruleId = 6801, .outcome = SkipCovered},
    /*11*/ {.n1 = "in", .n2 = "doubt", .covers = 3, .code = Msg::ProductLiability, .ruleId = 6801,
            .outcome = SkipCovered},
    /*12*/ {.n1 = "to", .n2 = "early|late", .covers = 3, .code = Msg::ProductLiability, .ruleId = 6801,
            .outcome = SkipCovered},
    /*13*/ {.n1 = "ever", .covers = 2, .code = Msg::Negative, .ruleId = 3015, .outcome = SkipCovered},
    /*14*/ {.n1 = "more|less", .suggestion = "but not less than/but not more than", .covers = 2,
            .code = Msg::Negative, .ruleId = 801, .outcome = SkipCovered},
    /*15*/ {.suggestion = "do not/not", .code = Msg::Negative, .ruleId = 1728},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kNo = kNoRows;
const std::span<const RuleRow> kNever = kNeverRows;

}  // namespace no_never
