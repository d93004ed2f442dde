// Trigger rows of the verbs that begin with 'c'. "continue" before an -ing
// word, "cut" after "flame" and the extra word that "close up" passes over
// are steps of ApplyVerbTriggers.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;

bool PrevBeOrHave(const RuleContext& c) { return ClassIsOneOf(c.p1(), {Cls::Be, Cls::Have}); }
bool PrevNotBeOrHave(const RuleContext& c) { return !PrevBeOrHave(c); }
bool PrevBeginsWithC(const RuleContext& c) { return FirstIs(c.p1(), 'c'); }
bool PrevNotC(const RuleContext& c) { return !PrevBeginsWithC(c); }
bool NextMarkedS(const RuleContext& c) { return NextMarked(c) && SForm(c); }
bool NextMarkedBase(const RuleContext& c) { return NextMarked(c) && BaseForm(c); }

// "cut" read as a noun; a form of "be" or "have" after it becomes neutral.
void CutNoun(RuleContext& c, WordRec& t) {
  t.wordClass = SForm(c) ? Cls::NounPlural : Cls::Noun;
  WordRec* n = c.N(1);
  if (n && ClassIsOneOf(*n, {Cls::Be, Cls::Have})) n->wordClass = Cls::Neutral;
}

// clang-format off
constexpr RuleRow kC[] = {
    /*0*/ {.word = "cause*", .p1 = "good|known", .then = MakeNoun, .covers = 2, .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 4012},
    /*1*/ {.word = "cause*"},
    /*2*/ {.word = "cut*", .when = VerbMarked, .then = CutNoun, .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*3*/ {.word = "cut*", .p1Class = {Cls::Article}, .then = CutNoun, .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*4*/ {.word = "cut*", .n1Class = {Cls::Have}, .then = CutNoun, .code = Msg::ChangeToVerb, .ruleId = 4666},
    /*5*/ {.word = "cut*", .n1 = "across", .suggestion = "move in front of/cut", .covers = 2,
           .code = Msg::Translation, .ruleId = 4666, .outcome = kCovered},
    /*6*/ {.word = "cut*", .n1 = "away", .suggestion = "remove/removes", .covers = 2, .code = Msg::Translation,
           .ruleId = 4666, .outcome = kCovered},
    /*7*/ {.word = "cut*", .n1 = "back", .suggestion = "decrease/cut", .covers = 2, .code = Msg::Translation,
           .ruleId = 4666, .outcome = kCovered},
    /*8*/ {.word = "cut*", .n1 = "down", .suggestion = "cut/cuts/decrease/decreases", .covers = 2,
           .code = Msg::Translation, .ruleId = 4666, .outcome = kCovered},
    /*9*/ {.word = "cut*", .n1 = "emissions", .suggestion = "decrease emissions", .covers = 2,
           .code = Msg::Translation, .ruleId = 4666, .outcome = kCovered},
    /*10*/ {.word = "cut*", .n1 = "in", .suggestion = "start/cut", .covers = 2, .code = Msg::Translation,
            .ruleId = 4666, .outcome = kCovered},
    /*11*/ {.word = "cut*", .n1 = "off|out", .suggestion = "cut/remove/stop", .covers = 2, .code = Msg::Translation,
            .ruleId = 4666, .outcome = kCovered},
    /*12*/ {.word = "cut*", .n1 = "time", .suggestion = "decrease time needed", .covers = 2,
            .code = Msg::Translation, .ruleId = 4666, .outcome = kCovered},
    /*13*/ {.word = "cut*"},
    /*14*/ {.word = "call*", .p1 = "service", .then = MakeNoun},
    /*15*/ {.word = "call*", .n1 = "up|down|off|in|out", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 4012,
            .outcome = kCovered},
    /*16*/ {.word = "call*"},
    /*17*/ {.word = "check*", .suggestion = "make sure that/measure/make a check/check(n)/examine",
            .code = Msg::WrongVerb, .ruleId = 6012},
    /*18*/ {.word = "clear*", .p1 = "push*|lift*|pull*", .covers = 2, .on = On::P1, .code = Msg::WrongVerb,
            .ruleId = 4012},
    /*19*/ {.word = "clear*", .when = NextMarkedS, .suggestion = "removes/makes", .code = Msg::WrongVerb,
            .ruleId = 8012},
    /*20*/ {.word = "clear*", .when = NextMarkedBase, .suggestion = "remove/make", .code = Msg::WrongVerb,
            .ruleId = 8012},
    /*21*/ {.word = "clear*", .n1Class = {Cls::Number, Cls::Article, Cls::Demonstrative}, .when = SForm,
            .suggestion = "removes/makes", .code = Msg::WrongVerb, .ruleId = 8012},
    /*22*/ {.word = "clear*", .n1Class = {Cls::Number, Cls::Article, Cls::Demonstrative}, .when = BaseForm,
            .suggestion = "remove/make", .code = Msg::WrongVerb, .ruleId = 8012},
    /*23*/ {.word = "clear*", .n1Class = {Cls::SentenceEnd}, .when = PrevBeOrHave,
            .suggestion = "(Give a clearance)/distance/(Use a better verb)", .code = Msg::WrongVerb, .ruleId = 3512},
    /*24*/ {.word = "clear*", .n1Class = {Cls::SentenceEnd}, .when = PrevNotBeOrHave, .code = Msg::WrongVerb,
            .ruleId = 3512},
    /*25*/ {.word = "clear*", .n1 = "fault", .suggestion = "Correct the fault/Reset the ...", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 6612, .outcome = kCovered},
    /*26*/ {.word = "clear*", .n1 = "of", .suggestion = "(Give a clearance)/distance", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 6612, .outcome = kCovered},
    /*27*/ {.word = "clear*", .n1 = "off|out", .suggestion = "Remove/Removes/visible", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 6612, .outcome = kCovered},
    /*28*/ {.word = "clear*"},
    /*29*/ {.word = "continue*", .n1Class = {Cls::To}},
    /*30*/ {.word = "continue*", .n1Class = {Cls::SentenceEnd}, .suggestion = "(Add an object)",
            .code = Msg::Translation, .ruleId = 5666},
    /*31*/ {.word = "continue*", .n1Class = {Cls::VerbIng}, .code = Msg::VerbTense, .ruleId = 4666},
    /*32*/ {.word = "continue*"},
    /*33*/ {.word = "clean*", .n1 = "off|up|down|out", .suggestion = "remove/clean", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 4666, .outcome = kCovered},
    /*34*/ {.word = "clean*"},
    /*35*/ {.word = "contain*", .p1 = "document|manual|text", .when = SForm, .suggestion = "shows",
            .code = Msg::Translation, .ruleId = 5666},
    /*36*/ {.word = "contain*", .p1 = "document|manual|text", .when = BaseForm, .suggestion = "show",
            .code = Msg::Translation, .ruleId = 5666},
    /*37*/ {.word = "contain*", .n2 = "document", .when = SForm, .suggestion = "shows",
            .code = Msg::Translation, .ruleId = 5666},
    /*38*/ {.word = "contain*", .n2 = "document", .when = BaseForm, .suggestion = "show",
            .code = Msg::Translation, .ruleId = 5666},
    /*39*/ {.word = "contain*"},
    // The word before "change" gets the finding and covers the verb.
    /*40*/ {.word = "change*", .p1 = "tire|time|color|up|oil", .when = PrevBeginsWithC, .suggestion = "becomes",
            .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 4666},
    /*41*/ {.word = "change*", .p1 = "tire|time|color|up|oil", .when = PrevNotC, .suggestion = "(Change of ...)",
            .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 4666},
    /*42*/ {.word = "change*", .n1 = "over", .covers = 2, .code = Msg::Translation, .ruleId = 4666,
            .outcome = kCovered},
    /*43*/ {.word = "change*"},
    /*44*/ {.word = "clos*", .n1 = "up|down|out", .suggestion = "close/closes/(Rephrase)", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 4566, .outcome = kCovered},
    /*45*/ {.word = "clos*"},
    /*46*/ {.word = "come*", .n1 = "in*", .n2 = "contact", .n3 = "with", .when = ClassS, .suggestion = "touches",
            .covers = 4, .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*47*/ {.word = "come*", .n1 = "in*", .n2 = "contact", .n3 = "with", .when = ClassBase, .suggestion = "touch",
            .covers = 4, .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*48*/ {.word = "come*", .n1 = "in*", .n2 = "contact", .when = ClassS, .suggestion = "touches", .covers = 3,
            .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*49*/ {.word = "come*", .n1 = "in*", .n2 = "contact", .when = ClassBase, .suggestion = "touch", .covers = 3,
            .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*50*/ {.word = "come*", .n1 = "to", .n2 = "rest", .when = ClassS, .suggestion = "stops", .covers = 3,
            .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*51*/ {.word = "come*", .n1 = "to", .n2 = "rest", .when = ClassBase, .suggestion = "stop", .covers = 3,
            .code = Msg::Translation, .ruleId = 4566, .outcome = kCovered},
    /*52*/ {.word = "come*", .p1 = "grease|oil|water", .when = ClassS, .suggestion = "flows", .code = Msg::WrongVerb,
            .ruleId = 4766},
    /*53*/ {.word = "come*", .p1 = "grease|oil|water", .when = ClassBase, .suggestion = "flow",
            .code = Msg::WrongVerb, .ruleId = 4766},
    /*54*/ {.word = "come*", .n1 = "back", .n2 = "on", .when = ClassS, .suggestion = "connects/illuminates",
            .covers = 3, .code = Msg::PhrasalVerb, .ruleId = 4666, .outcome = kCovered},
    /*55*/ {.word = "come*", .n1 = "back", .n2 = "on", .when = ClassBase, .suggestion = "connect/illuminate",
            .covers = 3, .code = Msg::PhrasalVerb, .ruleId = 4666, .outcome = kCovered},
    // The phrase table of "come".
    /*56*/ {.word = "come*", .n1 = "after", .suggestion = "(Give position ref.)", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*57*/ {.word = "come*", .n1 = "about", .suggestion = "occur/occurs", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 3673, .outcome = kCovered},
    /*58*/ {.word = "come*", .n1 = "across", .suggestion = "found/find/finds", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*59*/ {.word = "come*", .n1 = "amid", .suggestion = "come during/comes during", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*60*/ {.word = "come*", .n1 = "assembled", .suggestion = "is an assembly", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*61*/ {.word = "come*", .n1 = "before", .suggestion = "are before", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 3673, .outcome = kCovered},
    /*62*/ {.word = "come*", .n1 = "back|by", .suggestion = "return/(Rephrase)", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*63*/ {.word = "come*", .n1 = "days", .suggestion = "(Give time ref.)", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 3673, .outcome = kCovered},
    /*64*/ {.word = "come*", .n1 = "down", .when = ClassS, .suggestion = "lowers/touches", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*65*/ {.word = "come*", .n1 = "down", .when = ClassBase, .suggestion = "lower/touch", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*66*/ {.word = "come*", .n1 = "last", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 3673, .outcome = kCovered},
    /*67*/ {.word = "come*", .n1 = "loose", .when = ClassS, .suggestion = "loosens/releases", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*68*/ {.word = "come*", .n1 = "loose", .when = ClassBase, .suggestion = "loosen/release", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*69*/ {.word = "come*", .n1 = "off", .suggestion = "loosen/release/loosens/releases", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*70*/ {.word = "come*", .n1 = "on", .suggestion = "illuminate/is on/for/illuminates", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*71*/ {.word = "come*", .n1 = "up", .when = ClassS, .suggestion = "increases/touches/occurs/(Rephrase)",
            .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*72*/ {.word = "come*", .n1 = "up", .when = ClassBase, .suggestion = "increase/touch/occur/(Rephrase)",
            .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3673, .outcome = kCovered},
    /*73*/ {.word = "come*", .n1 = "out", .n2Class = {Cls::Of}, .when = ClassS, .suggestion = "extends/can be removed",
            .covers = 3, .code = Msg::WrongVerb, .ruleId = 5666, .outcome = kCovered},
    /*74*/ {.word = "come*", .n1 = "out", .n2Class = {Cls::Of}, .when = ClassBase, .suggestion = "extend/can be removed",
            .covers = 3, .code = Msg::WrongVerb, .ruleId = 5666, .outcome = kCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsC() { return kC; }
