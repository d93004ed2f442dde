// Trigger rows of the verbs that begin with 'a', 'b' and 'k'.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;
constexpr Walk kPass1 = Walk::PassNext;

bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool PrevMarkedNoun(const RuleContext& c) { return c.p1().wordClass < Cls::FirstNonNoun && IsMarked(c.p1()); }

// "keep" before an -ing word keeps that word's advice.
void TakeIngAdvice(RuleContext& c, WordRec& t) {
  const WordRec& n = c.n1();
  if (!n.suggestion.empty()) WriteSuggestion(&t, n.suggestion.view());
}
// "break in": the verb is a noun, plural after an -s form.
void BreakNoun(RuleContext& c, WordRec& t) {
  const bool s = SForm(c);
  t.wordClass = s ? Cls::NounPlural : Cls::Noun;
  c.state.subjectNumber = s ? 1 : 0;
}
// "become hot": the word keeps a finding its dictionary entry gave it.
void KeepEntryFinding(RuleContext&, WordRec& t) {
  if (t.subClass > 299) t.message = t.message2 = t.subClass;
}

// clang-format off
constexpr RuleRow kK[] = {
    /*0*/ {.word = "keep*", .n1Class = {Cls::VerbIng}, .when = NextUnmarked, .then = TakeIngAdvice, .covers = 2,
           .code = Msg::VerbTense, .ruleId = 3213, .outcome = kCovered},
    /*1*/ {.word = "keep*", .n1 = "in", .n2 = "mind|contact", .covers = 3, .code = Msg::WrongVerb, .ruleId = 3213,
           .outcome = kCovered},
    /*2*/ {.word = "keep*", .n1 = "hands|feet|fingers|face", .suggestion = "keep your", .code = Msg::Awkward,
           .ruleId = 3022},
    /*3*/ {.word = "keep*", .n1 = "away", .suggestion = "do not let/does not let", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*4*/ {.word = "keep*", .n1 = "back", .suggestion = "keep xxx away from/prevent", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*5*/ {.word = "keep*", .n1 = "clear", .suggestion = "keep xxx away from", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 3912, .outcome = kCovered},
    /*6*/ {.word = "keep*", .n1 = "in", .suggestion = "control/controls", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 3912, .outcome = kCovered},
    /*7*/ {.word = "keep*", .n1 = "out|off", .suggestion = "prevent/keep xxx away from", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*8*/ {.word = "keep*", .n1 = "pace", .suggestion = "control/monitor/(Give time measure)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*9*/ {.word = "keep*", .n1 = "time", .suggestion = "control/uses a timer to/controls", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*10*/ {.word = "keep*", .n1 = "up|using", .suggestion = "continue to/control/controls/continues to",
            .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3912, .outcome = kCovered},
    /*11*/ {.word = "keep*"},
    /*12*/ {.word = "know*", .n1 = "why|what|where", .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
};

constexpr RuleRow kA[] = {
    /*0*/ {.word = "adjust*", .n1Class = {Cls::To}, .when = SForm, .suggestion = "makes an adjustment", .covers = 2,
           .code = Msg::ChangeToNoun, .ruleId = 5673, .outcome = kCovered},
    /*1*/ {.word = "adjust*", .n1Class = {Cls::To}, .when = BaseForm, .suggestion = "make an adjustment",
           .covers = 2, .code = Msg::ChangeToNoun, .ruleId = 5673, .outcome = kCovered},
    /*2*/ {.word = "appl*", .n1 = "all", .n1Class = {Cls::To}, .when = SForm, .suggestion = "refers to", .covers = 3,
           .code = Msg::WrongMeaning, .ruleId = 6673, .outcome = kCovered},
    /*3*/ {.word = "appl*", .n1 = "all", .n1Class = {Cls::To}, .when = BaseForm, .suggestion = "refer to",
           .covers = 3, .code = Msg::WrongMeaning, .ruleId = 6673, .outcome = kCovered},
    /*4*/ {.word = "appl*", .n1Class = {Cls::To}, .n2Class = {Cls::Pronoun, Cls::Of, Cls::FirstPerson}, .when = SForm,
           .suggestion = "refers to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 6673, .outcome = kCovered},
    /*5*/ {.word = "appl*", .n1Class = {Cls::To}, .n2Class = {Cls::Pronoun, Cls::Of, Cls::FirstPerson},
           .when = BaseForm, .suggestion = "refer to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 6673,
           .outcome = kCovered},
    /*6*/ {.word = "appl*"},
    /*7*/ {.word = "add*", .p1Class = {Cls::Modal}, .suggestion = "(Check STE use of add verb)",
           .code = Msg::WrongMeaning, .ruleId = 5667},
    /*8*/ {.word = "add*", .n1 = "together|up", .when = SForm, .suggestion = "adds", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 5667, .outcome = kCovered},
    /*9*/ {.word = "add*", .n1 = "together|up", .when = BaseForm, .suggestion = "add", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 5667, .outcome = kCovered},
};

constexpr RuleRow kB[] = {
    /*0*/ {.word = "break*", .when = VerbMarked, .code = Msg::WrongVerb, .ruleId = 5667},
    /*1*/ {.word = "break*", .p1Class = {Cls::Article, Cls::Demonstrative}, .code = Msg::WrongVerb, .ruleId = 5667},
    /*2*/ {.word = "break*", .n1 = "away|off", .suggestion = "break/breaks/stop/stops", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*3*/ {.word = "break*", .n1 = "down|out|up|into", .suggestion = "divide/disassemble/show", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*4*/ {.word = "break*", .n1 = "in", .then = BreakNoun, .code = Msg::ChangeToNoun, .ruleId = 5173},
    /*5*/ {.word = "break*"},
    /*6*/ {.word = "burn", .when = VerbMarked, .suggestion = "burn (v)/cause damage", .code = Msg::WrongMeaning,
           .ruleId = 5667},
    /*7*/ {.word = "burn", .p1Class = {Cls::MaterialNoun, Cls::Article}, .suggestion = "burn (v)/cause damage",
           .code = Msg::WrongMeaning, .ruleId = 5667},
    /*8*/ {.word = "burn", .n1 = "out", .suggestion = "burn/wear/worn/cause damage", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*9*/ {.word = "burn", .n1 = "down|up", .suggestion = "burn/burns", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 5667, .outcome = kCovered},
    /*10*/ {.word = "burn"},
    /*11*/ {.word = "bleed*", .when = PrevMarkedNoun, .covers = 2, .on = On::P1, .code = Msg::Terminology,
            .ruleId = 5667},
    /*12*/ {.word = "bleed*", .n1 = "back", .suggestion = "decrease pressure/bleed", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*13*/ {.word = "bleed*", .n1 = "off|out|down", .suggestion = "return/returns/bleed/bleeds", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*14*/ {.word = "bleed*", .when = SForm, .suggestion = "releases/bleeds", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 5667, .outcome = kCovered},
    /*15*/ {.word = "bleed*", .when = BaseForm, .suggestion = "release/bleed", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 5667, .outcome = kCovered},
    /*16*/ {.word = "blow*", .when = VerbMarked, .code = Msg::ChangeToVerb, .ruleId = 5667},
    /*17*/ {.word = "blow*", .p1Class = {Cls::Article, Cls::Demonstrative}, .code = Msg::ChangeToVerb,
            .ruleId = 5667},
    /*18*/ {.word = "blow*", .n1 = "up", .when = SForm, .suggestion = "causes an explosion/break", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*19*/ {.word = "blow*", .n1 = "up", .when = BaseForm, .suggestion = "cause an explosion/break", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*20*/ {.word = "blow*", .n1 = "out", .when = SForm, .suggestion = "removes/releases/extinguishes", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*21*/ {.word = "blow*", .n1 = "out", .when = BaseForm, .suggestion = "remove/release/extinguish", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*22*/ {.word = "blow*", .n1 = "dry", .suggestion = "dry/dries/dry with air/use an air dryer", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kCovered},
    /*23*/ {.word = "blow*", .n1 = "off", .when = SForm, .suggestion = "cleans/releases", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kPass1},
    /*24*/ {.word = "blow*", .n1 = "off", .when = BaseForm, .suggestion = "clean/release", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5667, .outcome = kPass1},
    /*25*/ {.word = "blow*"},
    /*26*/ {.word = "become*", .n1 = "cool|hot|loose|necessary|warm", .then = KeepEntryFinding, .on = On::N1,
            .outcome = kPass1},
    /*27*/ {.word = "become*", .n1 = "more", .suggestion = "increase/increases", .covers = 2,
            .code = Msg::WrongMeaning, .ruleId = 4666, .outcome = kCovered},
    /*28*/ {.word = "become*", .n1 = "less", .suggestion = "decrease/decreases", .covers = 2,
            .code = Msg::WrongMeaning, .ruleId = 4666, .outcome = kCovered},
    /*29*/ {.word = "become*", .n1 = "caught|tight|stuck", .covers = 2, .code = Msg::Translation, .ruleId = 4666,
            .outcome = kCovered},
    /*30*/ {.word = "become*", .n1 = "familiar", .n2 = "with", .when = SForm, .suggestion = "knows", .covers = 3,
            .code = Msg::Translation, .ruleId = 3212, .outcome = kCovered},
    /*31*/ {.word = "become*", .n1 = "familiar", .n2 = "with", .when = BaseForm, .suggestion = "know", .covers = 3,
            .code = Msg::Translation, .ruleId = 3212, .outcome = kCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsK() { return kK; }
std::span<const RuleRow> VerbRowsA() { return kA; }
std::span<const RuleRow> VerbRowsB() { return kB; }
