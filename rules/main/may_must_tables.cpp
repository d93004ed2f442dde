// The phrases of "may"/"might" and of "must", in the order they are tried.
// Every "may" and "might" is a wrong verb; its phrase only chooses the
// advice. Each phrase of "must" names its own finding.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "platform/bounded_text.h"
#include "rules/main/modal_families.h"

namespace {

constexpr Classes kPastForms = {Cls::Participle, Cls::VerbEd};

bool IsInside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool SecondIsPlainIng(const RuleContext& c) { return c.N(2) && c.n2().subClass == 0; }
bool ThirdIsPlainIng(const RuleContext& c) { return c.N(3) && c.n3().subClass == 0; }

// A phrase that names no advice of its own gets the general one.
void GeneralAdvice(RuleContext&, WordRec& t) {
  if (t.suggestion.empty()) WriteSuggestion(&t, "can/(Rephrase)");
}

// "must (not) be opening": the base form of the -ing word, when it has one,
// and the three words are covered; else the finding is on "must" alone.
void MustWithBaseForm(WordRec& t, WordRec* ing, const char* format) {
  if (!ing || MakeVerbFromIng(ing, 0) < 1 || ing->suggestion.empty()) {
    t.entryWords = 1;
    return;
  }
  const BoundedText<84> base = ing->suggestion.view();
  FormatSuggestion(&t, format, base.c_str());
}
void MustNotBase(RuleContext& c, WordRec& t) { MustWithBaseForm(t, c.N(3), "must not %s"); }
void MustBase(RuleContext& c, WordRec& t) { MustWithBaseForm(t, c.N(2), "must %s"); }

constexpr MessageCode kWrongVerb = Msg::WrongVerb;
constexpr int kMayRule = 3713;
constexpr Walk kSkip = Walk::SkipCovered;

// clang-format off
constexpr RuleRow kMayRows[] = {
    /*0*/ {.n1 = "lead", .n2Class = {Cls::To}, .suggestion = "can cause/causes", .then = GeneralAdvice, .covers = 3,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*1*/ {.n1 = "only", .suggestion = "(Rephrase for clarity)", .then = GeneralAdvice, .covers = 2,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*2*/ {.n1 = "or", .n2 = "may", .n3 = "not", .suggestion = "(Rephrase)", .then = GeneralAdvice, .covers = 4,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*3*/ {.n1 = "result", .n2 = "from|because|in", .suggestion = "can cause", .then = GeneralAdvice, .covers = 3,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*4*/ {.n1 = "result", .suggestion = "can cause", .then = GeneralAdvice, .covers = 2, .code = kWrongVerb,
           .ruleId = kMayRule, .outcome = kSkip},
    /*5*/ {.n1 = "remain", .suggestion = "can stay/(Rephrase)", .then = GeneralAdvice, .covers = 2,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*6*/ {.n1 = "suffer", .suggestion = "can have/(Rephrase)", .then = GeneralAdvice, .covers = 2,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*7*/ {.n1 = "l*|n*", .n1Class = {Cls::Negation}, .n2 = "result", .n3 = "in", .suggestion = "(Rephrase)",
           .then = GeneralAdvice, .covers = 4, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*8*/ {.n1 = "no", .n2 = "longer", .suggestion = "can not", .then = GeneralAdvice, .covers = 3,
           .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*9*/ {.n1 = "l*|n*", .n1Class = {Cls::Negation}, .n2 = "do|have", .suggestion = "can not", .then = GeneralAdvice,
           .covers = 2, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*10*/ {.n1 = "l*|n*", .n1Class = {Cls::Negation}, .n2 = "be", .n3Class = kPastForms,
            .suggestion = "possible/can not be/(Rephrase)", .then = GeneralAdvice, .covers = 3, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*11*/ {.n1 = "never", .when = IsInside, .suggestion = "can not", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*12*/ {.n1 = "l*|n*", .n1Class = {Cls::Negation}, .n2 = "be", .suggestion = "(Rephrase for clarity)",
            .then = GeneralAdvice, .covers = 3, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*13*/ {.n1 = "need", .n2 = "to", .n3 = "be", .suggestion = "can be/will be/(Rephrase)",
            .then = GeneralAdvice, .covers = 4, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*14*/ {.n1 = "need", .n2 = "to", .suggestion = "(Rephrase)", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*15*/ {.n1 = "not", .n2Class = {Cls::Verb}, .suggestion = "will not/do not/does not/can not",
            .then = GeneralAdvice, .covers = 3, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*16*/ {.n1 = "also", .suggestion = "(Rephrase for clarity)", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*17*/ {.n1 = "appear", .suggestion = "is visible/you can see", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*18*/ {.n1 = "always", .n2 = "be", .suggestion = "(Rephrase)", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*19*/ {.n1 = "be", .n2 = "no", .suggestion = "must not be", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*20*/ {.n1 = "be", .n2 = "kept", .suggestion = "keep", .then = GeneralAdvice, .covers = 3, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*21*/ {.n1 = "be", .n2 = "left", .suggestion = "can stay", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*22*/ {.n1 = "be", .n2 = "used", .suggestion = "can be used/is used", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*23*/ {.n1 = "be", .n2 = "found", .suggestion = "(Rephrase for clarity)", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*24*/ {.n1 = "be", .n2Class = {Cls::Participle}, .n3 = "by", .suggestion = "(Rephrase for active voice)",
            .then = GeneralAdvice, .covers = 4, .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*25*/ {.n1 = "be", .n2 = "done", .suggestion = "can be", .then = GeneralAdvice, .covers = 3, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*26*/ {.n1 = "be", .n2 = "necessary", .suggestion = "if necessary", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*27*/ {.n1 = "be", .suggestion = "(Rephrase for clarity)", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*28*/ {.n1 = "differ", .suggestion = "is different from", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*29*/ {.n1 = "exist", .suggestion = "is/are/can have/(Rephrase)", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*30*/ {.n1 = "have", .n2 = "to", .n3 = "be", .suggestion = "must be", .then = GeneralAdvice, .covers = 4,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    // "can" would take the place of the participle too ("may have failed").
    /*31*/ {.n1 = "have", .n2Class = {Cls::Participle}, .suggestion = "(can)/(Rephrase)", .then = GeneralAdvice,
            .covers = 3, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*32*/ {.n1 = "have", .n2 = "been", .then = GeneralAdvice, .covers = 3, .code = kWrongVerb, .ruleId = kMayRule,
            .outcome = kSkip},
    /*33*/ {.n1 = "have", .n2 = "to", .suggestion = "must", .then = GeneralAdvice, .covers = 3, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*34*/ {.n1 = "have", .n2 = "some", .suggestion = "can have", .then = GeneralAdvice, .covers = 3,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
    /*35*/ {.n1 = "have", .suggestion = "(Rephrase)", .then = GeneralAdvice, .covers = 2, .code = kWrongVerb,
            .ruleId = kMayRule, .outcome = kSkip},
    /*36*/ {.n1 = "just", .suggestion = "(Rephrase for clarity)", .then = GeneralAdvice, .covers = 2,
            .code = kWrongVerb, .ruleId = kMayRule, .outcome = kSkip},
};

constexpr MessageCode kPassive = Msg::PassiveVoice;
constexpr int kMustRule = 2815;

constexpr RuleRow kMustRows[] = {
    /*0*/ {.n1 = "have", .n2 = "been", .covers = 3, .code = kPassive, .ruleId = kMustRule, .outcome = kSkip},
    /*1*/ {.n1 = "be", .n2Class = {Cls::Participle}, .outcome = Walk::PassTwo},
    /*2*/ {.n1 = "be", .n2 = "done|of|kept", .covers = 3, .code = kPassive, .ruleId = kMustRule,
           .outcome = Walk::PassTwo},
    /*3*/ {.n1 = "have", .n2Class = kPastForms, .suggestion = "must obey", .covers = 3, .code = Msg::WrongVerb,
           .ruleId = kMustRule, .outcome = kSkip},
    /*4*/ {.n1 = "be", .n2 = "followed", .suggestion = "must obey", .covers = 3, .code = Msg::WrongVerb,
           .ruleId = kMustRule, .outcome = kSkip},
    /*5*/ {.n1 = "do", .n2 = "so", .suggestion = "(you must)", .covers = 3, .code = Msg::VerbTense, .ruleId = 4815,
           .outcome = kSkip},
    /*6*/ {.n1 = "do", .n2 = "to", .suggestion = "(Use to vb.)", .covers = 3, .code = Msg::VerbTense, .ruleId = 4815,
           .outcome = kSkip},
    /*7*/ {.n1 = "always|also", .n2 = "be", .suggestion = "can be", .covers = 3, .code = Msg::VerbTense,
           .ruleId = kMustRule, .outcome = kSkip},
};

constexpr RuleRow kMustOffsetRows[] = {
    /*0*/ {.n1Class = {Cls::Negation}, .n2 = "be", .n3Class = {Cls::VerbIng}, .when = ThirdIsPlainIng,
           .then = MustNotBase, .covers = 3, .code = Msg::Gerund, .ruleId = 5262, .outcome = kSkip},
    /*1*/ {.n1 = "be", .n2Class = {Cls::VerbIng}, .when = SecondIsPlainIng, .then = MustBase, .covers = 3,
           .code = Msg::Gerund, .ruleId = 5263, .outcome = kSkip},
    /*2*/ {.n1 = "be", .n2 = "able|taken", .suggestion = "can", .covers = 3, .code = Msg::Awkward, .ruleId = 2817,
           .outcome = kSkip},
    /*3*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Been}, .covers = 3, .code = kPassive, .ruleId = 811,
           .outcome = kSkip},
    /*4*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Negation}, .n3Class = {Cls::Been}, .covers = 4, .code = kPassive,
           .ruleId = 4225, .outcome = kSkip},
    /*5*/ {.n1Class = {Cls::Negation}, .n2Class = {Cls::Have}, .n3Class = {Cls::Participle}, .covers = 3,
           .code = kPassive, .ruleId = 4226, .outcome = kSkip},
};
// clang-format on

}  // namespace

std::span<const RuleRow> MayPhraseRows() { return kMayRows; }
std::span<const RuleRow> MustPhraseRows() { return kMustRows; }
std::span<const RuleRow> MustOffsetRows() { return kMustOffsetRows; }
