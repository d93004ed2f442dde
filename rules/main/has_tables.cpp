// The rules of "has" and "had": "has to" for "must", the perfect passive
// ("has been replaced"), and verb phrases that a simple tense replaces.
#include "rules/main/has_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

constexpr Classes kParticiple = {Cls::Participle, Cls::VerbEd};

bool NextIsMarked(const RuleContext& c) { return c.N(2) && IsMarked(c.n2()); }
bool PrevIsPlainWord(const RuleContext& c) { return c.P(1) && c.p1().tokenKind == 0; }
bool PrevIsNotEver(const RuleContext& c) { return !TextIs(c.p1(), "ever"); }
bool PrevIsPlainHave(const RuleContext& c) { return PrevIsNotEver(c) && PrevIsPlainWord(c); }
bool IsBeForm(const RuleContext& c) { return c.word->wordClass == Cls::Be; }
// The past form of "be" follows the number of the subject: the form's own
// entry has already set the sentence state's number from the form, so the
// subject is read from the word before the form, a plural noun or pronoun.
bool PluralSubject(const RuleContext& c) {
  const WordRec& p = c.p1();
  return ClassIsOneOf(p, {Cls::NounPlural, Cls::NomenclaturePlural}) ||
         TextIsOneOf(p, {"we", "they", "these", "those", "you"});
}

void WritePastHad(RuleContext&, WordRec& t) { WriteSuggestion(&t, "had"); }
void WriteNextWritten(RuleContext& c, WordRec& t) { WriteSuggestion(&t, c.n1().written.view()); }

// clang-format off
constexpr RuleRow kHasFirst[] = {
    /*0*/ {.n1 = "to", .n2 = "be", .suggestion = "must be", .covers = 3, .code = Msg::VerbTense, .ruleId = 7644,
           .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "to", .n2Class = {Cls::VerbEd}, .covers = 3, .code = Msg::Awkward, .ruleId = 7644,
           .outcome = Walk::SkipCovered},
    /*2*/ {.n1Class = {Cls::VerbEd}, .when = NextIsMarked, .covers = 2, .code = Msg::Awkward, .ruleId = 7644,
           .outcome = Walk::SkipCovered},
    /*3*/ {.n1 = "to", .n2 = "come", .n3 = "on", .suggestion = "must illuminate", .covers = 4,
           .code = Msg::VerbTense, .ruleId = 7644, .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "to", .n2 = "come", .n3 = "up", .suggestion = "move/increase/(Rephrase)", .covers = 4,
           .code = Msg::VerbTense, .ruleId = 7644, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "not", .n3 = "been", .covers = 4, .code = Msg::PassiveVoice, .ruleId = 5333,
           .outcome = Walk::SkipCovered},
};

constexpr RuleRow kHasPassive[] = {
    /*0*/ {.n1Class = {Cls::Been}, .n2Class = {Cls::Participle, Cls::VerbEd, Cls::VerbIng}, .when = IsBeForm,
           .covers = 3, .code = Msg::PassiveVoice, .ruleId = 6849, .outcome = Walk::SkipCovered},
    /*1*/ {.n1Class = {Cls::Negation}, .n2Class = {Cls::Been}, .when = IsBeForm, .covers = 3,
           .code = Msg::PassiveVoice, .ruleId = 7849, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kHasLater[] = {
    /*0*/ {.word = "had", .n1 = "had", .covers = 2, .code = Msg::VerbTense, .ruleId = 5949,
           .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "no", .n2 = "other", .covers = 3, .code = Msg::Awkward, .ruleId = 6949, .outcome = Walk::SkipCovered},
    /*2*/ {.n1 = "no"},
    /*3*/ {.n1 = "problems|issues", .covers = 2, .code = Msg::Translation, .ruleId = 3333,
           .outcome = Walk::SkipCovered},
    /*4*/ {.n1Class = {Cls::Negation}, .n2 = "been", .n3 = "used", .suggestion = "were not used/was not used",
           .covers = 4, .code = Msg::PassiveVoice, .ruleId = 6333, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "been", .n2 = "performed", .suggestion = "were done/was done", .covers = 3,
           .code = Msg::PassiveVoice, .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "been", .n2 = "used", .suggestion = "were used/was used", .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "been", .n2Class = kParticiple, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 5333,
           .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "been", .n2Class = {Cls::To}, .when = PluralSubject, .suggestion = "were", .covers = 3,
           .code = Msg::PassiveVoice, .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*9*/ {.n1 = "been", .n2Class = {Cls::To}, .suggestion = "was", .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*10*/ {.n1 = "not", .n2 = "been", .n3Class = {Cls::Participle, Cls::To, Cls::VerbEd}, .when = PluralSubject,
            .suggestion = "were not", .covers = 4, .code = Msg::PassiveVoice, .ruleId = 5333,
            .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "not", .n2 = "been", .n3Class = {Cls::Participle, Cls::To, Cls::VerbEd}, .suggestion = "was not",
            .covers = 4, .code = Msg::PassiveVoice, .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*12*/ {.n1Class = {Cls::Adverb}, .n2Class = {Cls::Been}, .n3Class = {Cls::Participle}, .covers = 4,
            .code = Msg::PassiveVoice, .ruleId = 4212, .outcome = Walk::SkipCovered},
    /*13*/ {.n1Class = {Cls::Negation}, .n2Class = {Cls::Adverb}, .n3Class = {Cls::Been}, .covers = 4,
            .code = Msg::PassiveVoice, .ruleId = 4213, .outcome = Walk::SkipCovered},
    /*14*/ {.word = "had", .n1 = "not", .n2Class = {Cls::Participle}, .outcome = Walk::PassNext},
    // The finding moves to "by"; the form keeps none.
    /*15*/ {.p1 = "by", .when = PrevIsPlainWord, .covers = 2, .on = On::P1, .code = Msg::VerbTense, .ruleId = 7625,
            .outcome = Walk::Clear},
    /*16*/ {.n1Class = {Cls::Been}, .n2Class = kParticiple, .covers = 3, .code = Msg::VerbTense, .ruleId = 6725,
            .outcome = Walk::SkipCovered},
    /*17*/ {.n1Class = {Cls::To}, .n2Class = {Cls::Verb}, .covers = 3, .code = Msg::VerbTense, .ruleId = 4725,
            .outcome = Walk::SkipCovered},
    /*18*/ {.n1Class = {Cls::Negation}, .n2Class = {Cls::Been}, .n3Class = kParticiple, .covers = 3,
            .code = Msg::VerbTense, .ruleId = 3725, .outcome = Walk::SkipCovered},
    // Not after "ever".
    /*19*/ {.n1 = "ever", .when = PrevIsNotEver, .suggestion = "had", .covers = 2, .code = Msg::VerbTense,
            .ruleId = 8626, .outcome = Walk::SkipCovered},
    /*20*/ {.n1 = "also|only", .when = PrevIsNotEver, .on = On::N1, .code = Msg::Delete, .ruleId = 3725,
            .outcome = Walk::PassNext},
    /*21*/ {.n1 = "came|went", .when = PrevIsNotEver, .then = WriteNextWritten, .covers = 2, .code = Msg::VerbTense,
            .ruleId = 3626, .outcome = Walk::SkipCovered},
    /*22*/ {.p1 = "have|has", .when = PrevIsPlainHave, .then = WritePastHad, .covers = 2, .on = On::P1,
            .code = Msg::VerbTense, .ruleId = 8635, .outcome = Walk::Clear},
    /*23*/ {.n1 = "time", .when = PrevIsNotEver, .covers = 2, .code = Msg::Measurement, .ruleId = 4624,
            .outcome = Walk::SkipCovered},
    // After "ever" the finding moves to it.
    /*24*/ {.p1 = "ever", .when = PrevIsPlainWord, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 4625,
            .outcome = Walk::Clear},
};

constexpr RuleRow kHaving[] = {
    /*0*/ {.n1Class = {Cls::Participle}, .covers = 2, .code = Msg::VerbTense, .ruleId = 5633,
           .outcome = Walk::SkipCovered},
    /*1*/ {.n1Class = kNounClasses, .suggestion = "that has/that have", .code = Msg::VerbTense, .ruleId = 5633},
    /*2*/ {.n1Class = {Cls::Article, Cls::Have}, .suggestion = "that has/that have", .code = Msg::VerbTense,
           .ruleId = 5633},
};
// clang-format on

}  // namespace

std::span<const RuleRow> HasFirstRows() { return kHasFirst; }
std::span<const RuleRow> HasPassiveRows() { return kHasPassive; }
std::span<const RuleRow> HasLaterRows() { return kHasLater; }
std::span<const RuleRow> HavingRows() { return kHaving; }
