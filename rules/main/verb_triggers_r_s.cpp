// Trigger rows of the verbs that begin with 'r' and 's'.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;

bool NextIsTensionNoun(const RuleContext& c) {
  const WordRec& n = c.n1();
  return n.wordClass == Cls::Noun && TextStartsOneOf(n, {"tensi", "electrical", "pressure"});
}
bool SFormTension(const RuleContext& c) { return SForm(c) && NextIsTensionNoun(c); }
bool BaseFormTension(const RuleContext& c) { return BaseForm(c) && NextIsTensionNoun(c); }
// A reading: a number, a sign or a digit after "read".
bool NextIsReading(const RuleContext& c) {
  const char f = c.n1().text.first();
  return f == '#' || f == '+' || f == '-' || (f >= '0' && f <= '9');
}
bool VerbUnmarked(const RuleContext& c) { return c.word->markFlag == '0'; }
bool NextIfOrThat(const RuleContext& c) { return c.n1().text[1] == 'f' || c.n1().text[1] == 'h'; }
bool NotNextIfOrThat(const RuleContext& c) { return !NextIfOrThat(c); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool VerbUnmarkedS(const RuleContext& c) { return VerbUnmarked(c) && SForm(c); }
bool VerbUnmarkedBase(const RuleContext& c) { return VerbUnmarked(c) && BaseForm(c); }
bool NextMarkedS(const RuleContext& c) { return NextMarked(c) && SForm(c); }
bool NextMarkedBase(const RuleContext& c) { return NextMarked(c) && BaseForm(c); }

// "start" or "stop" before an -ing word keeps that word's advice.
void TakeIngAdvice(RuleContext& c, WordRec& t) {
  const WordRec& n = c.n1();
  if (!n.suggestion.empty()) WriteSuggestion(&t, n.suggestion.view());
}

// clang-format off
constexpr RuleRow kR[] = {
    /*0*/ {.word = "remove*", .when = SFormTension, .suggestion = "releases", .code = Msg::WrongVerb,
           .ruleId = 35012},
    /*1*/ {.word = "remove*", .when = BaseFormTension, .suggestion = "release", .code = Msg::WrongVerb,
           .ruleId = 35012},
    /*2*/ {.word = "remove*"},
    /*3*/ {.word = "return*|reset*|release*", .when = VerbMarked, .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*4*/ {.word = "return*|reset*|release*", .n1Class = {Cls::Of}, .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*5*/ {.word = "return*|reset*|release*", .p1Class = {Cls::Article, Cls::Demonstrative},
           .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*6*/ {.word = "return*|reset*|release*"},
    // Each form takes the advice of its own number.
    /*7*/ {.word = "read*", .n1Class = {Cls::Number}, .when = SForm, .suggestion = "shows/has an indication",
           .code = Msg::WrongMeaning, .ruleId = 4666},
    /*8*/ {.word = "read*", .n1Class = {Cls::Number}, .when = BaseForm, .suggestion = "show/have an indication",
           .code = Msg::WrongMeaning, .ruleId = 4666},
    /*9*/ {.word = "read*", .p1Class = {Cls::NomenclaturePlural}, .when = SForm,
           .suggestion = "shows/has an indication", .code = Msg::WrongMeaning, .ruleId = 4666},
    /*10*/ {.word = "read*", .p1Class = {Cls::NomenclaturePlural}, .when = BaseForm,
            .suggestion = "show/have an indication", .code = Msg::WrongMeaning, .ruleId = 4666},
    /*11*/ {.word = "read*", .n1 = "from|out|system|in", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5666,
            .outcome = kCovered},
    /*12*/ {.word = "read*", .when = NextIsReading, .suggestion = "indication/reading(n)/shows/has an indication",
            .code = Msg::WrongMeaning, .ruleId = 9414},
};

constexpr RuleRow kS[] = {
    /*0*/ {.word = "show*", .n1 = "up", .when = SForm, .suggestion = "shows", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 5289, .outcome = kCovered},
    /*1*/ {.word = "show*", .n1 = "up", .when = BaseForm, .suggestion = "show", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 5289, .outcome = kCovered},
    /*2*/ {.word = "show*"},
    /*3*/ {.word = "stop", .when = VerbMarked, .then = MakeNoun},
    /*4*/ {.word = "stop"},
    /*5*/ {.word = "start*|stop*", .n1Class = {Cls::VerbIng}, .when = NextUnmarked, .then = TakeIngAdvice,
           .covers = 2, .code = Msg::VerbTense, .ruleId = 3213, .outcome = kCovered},
    /*6*/ {.word = "start*|stop*", .n1 = "up", .when = VerbUnmarkedS, .suggestion = "starts", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3472, .outcome = kCovered},
    /*7*/ {.word = "start*|stop*", .n1 = "up", .when = VerbUnmarkedBase, .suggestion = "start", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3472, .outcome = kCovered},
    /*8*/ {.word = "start*|stop*", .n1 = "return", .when = NextMarkedS, .suggestion = "prevents ...",
           .code = Msg::WrongVerb, .ruleId = 6672, .outcome = kCovered},
    /*9*/ {.word = "start*|stop*", .n1 = "return", .when = NextMarkedBase, .suggestion = "prevent",
           .code = Msg::WrongVerb, .ruleId = 6672, .outcome = kCovered},
    /*10*/ {.word = "start*|stop*"},
    /*11*/ {.word = "search*", .n1Class = {Cls::Particle}, .when = SForm, .suggestion = "moves/goes to", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3674, .outcome = kCovered},
    /*12*/ {.word = "search*", .n1Class = {Cls::Particle}, .when = BaseForm, .suggestion = "move to", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3674, .outcome = kCovered},
    /*13*/ {.word = "search*"},
    /*14*/ {.word = "see*", .n1 = "if|table|that", .when = NextIfOrThat, .suggestion = "make sure that",
            .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3674, .outcome = kCovered},
    /*15*/ {.word = "see*", .n1 = "if|table|that", .when = NotNextIfOrThat, .suggestion = "refer to", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3674, .outcome = kCovered},
    /*16*/ {.word = "see*"},
    /*17*/ {.word = "set*", .n2 = "back", .on = On::N2, .code = Msg::Preposition, .ruleId = 4567},
    /*18*/ {.word = "set*", .n2 = "down", .suggestion = "put", .code = Msg::PhrasalVerb, .ruleId = 4567},
    /*19*/ {.word = "set*", .p1 = "factory", .suggestion = "(adjusted at the factory)", .covers = 2, .on = On::P1,
            .code = Msg::WrongMeaning, .ruleId = 4567},
    /*20*/ {.word = "set*", .n1 = "forth", .n2 = "in", .suggestion = "shown in", .covers = 3,
            .code = Msg::PhrasalVerb, .ruleId = 4567, .outcome = kCovered},
    /*21*/ {.word = "set*", .n1 = "point", .suggestion = "(Use the setting(n))", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 4367, .outcome = kCovered},
    // A "set" read as a noun or an adjective.
    /*22*/ {.word = "set*", .p1Class = {Cls::Be, Cls::Have}, .clear = true, .then = MakeParticiple},
    /*23*/ {.word = "set*", .p1Class = {Cls::Article, Cls::Demonstrative}, .clear = true, .then = MakeNoun},
    /*24*/ {.word = "set*", .when = VerbMarked, .clear = true, .then = MakeNoun},
    /*25*/ {.word = "set*", .n1Class = {Cls::PlacePreposition}, .clear = true, .then = MakeNoun},
    /*26*/ {.word = "set*", .n1 = "about", .suggestion = "do/(Rephrase)", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*27*/ {.word = "set*", .n1 = "aside", .when = SForm, .suggestion = "puts in another position",
            .code = Msg::WrongMeaning, .ruleId = 6289},
    /*28*/ {.word = "set*", .n1 = "aside", .when = BaseForm, .suggestion = "put in another position",
            .code = Msg::WrongMeaning, .ruleId = 6289},
    /*29*/ {.word = "set*", .n1 = "down", .when = SForm, .suggestion = "puts/knows", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*30*/ {.word = "set*", .n1 = "down", .when = BaseForm, .suggestion = "put/know", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*31*/ {.word = "set*", .n1 = "fire", .when = SForm, .suggestion = "causes a fire", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*32*/ {.word = "set*", .n1 = "fire", .when = BaseForm, .suggestion = "cause a fire", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*33*/ {.word = "set*", .n1 = "off", .when = SForm, .suggestion = "goes/adjusts", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*34*/ {.word = "set*", .n1 = "off", .when = BaseForm, .suggestion = "go/adjust", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*35*/ {.word = "set*", .n1 = "screw*", .when = SForm, .suggestion = "setscrews", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*36*/ {.word = "set*", .n1 = "screw*", .when = BaseForm, .suggestion = "setscrew", .code = Msg::WrongMeaning,
            .ruleId = 6289},
    /*37*/ {.word = "set*", .n1 = "up", .when = SForm, .suggestion = "installs/assembles/prepares",
            .code = Msg::WrongMeaning, .ruleId = 6289},
    /*38*/ {.word = "set*", .n1 = "up", .when = BaseForm, .suggestion = "install/assemble/prepare",
            .code = Msg::WrongMeaning, .ruleId = 6289},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsR() { return kR; }
std::span<const RuleRow> VerbRowsS() { return kS; }
