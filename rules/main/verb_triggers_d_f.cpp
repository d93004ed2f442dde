// Trigger rows of the verbs that begin with 'd', 'e' and 'f'.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;
constexpr Walk kPass1 = Walk::PassNext;

bool PrevPlural(const RuleContext& c) { return c.p1().lastLetter == 's'; }
bool PrevSingular(const RuleContext& c) { return c.p1().lastLetter != 's'; }
bool PosAbove2(const RuleContext& c) { return c.word->sentencePos > 2; }
bool NextHasMessage(const RuleContext& c) { return c.n1().message > 0; }
bool NextHasMessageS(const RuleContext& c) { return NextHasMessage(c) && SForm(c); }
bool NextHasMessageBase(const RuleContext& c) { return NextHasMessage(c) && BaseForm(c); }
bool FollowAfterPeople(const RuleContext& c) {
  return PosAbove2(c) && (TextIsOneOf(c.p2(), {"persons", "personnel"}) || TextIs(c.p1(), "always") ||
                          TextIsOneOf(c.n1(), {"rule", "appropriate"}));
}
bool PosAbove2ClassS(const RuleContext& c) { return PosAbove2(c) && ClassS(c); }
bool PosAbove2ClassBase(const RuleContext& c) { return PosAbove2(c) && ClassBase(c); }
bool FlowS(const RuleContext& c) { return c.word->lastLetter == 's'; }
bool FlowBase(const RuleContext& c) { return c.word->lastLetter != 's'; }

// clang-format off
constexpr RuleRow kD[] = {
    /*0*/ {.word = "divide*", .n1 = "up|into|in|off|out", .when = SForm, .suggestion = "divides", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kCovered},
    /*1*/ {.word = "divide*", .n1 = "up|into|in|off|out", .when = BaseForm, .suggestion = "divide", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kCovered},
    /*2*/ {.word = "divide*", .n1Class = {Cls::Comma, Cls::SentenceEnd}, .when = SForm,
           .suggestion = "(Add a noun object)", .code = Msg::WrongVerb, .ruleId = 3319},
    /*3*/ {.word = "divide*", .n1Class = {Cls::Comma, Cls::SentenceEnd}, .when = BaseForm, .code = Msg::WrongVerb,
           .ruleId = 3319},
    /*4*/ {.word = "divide*"},
    /*5*/ {.word = "dry|dries", .n1 = "fast|quick*|slow*", .suggestion = "(Give a time in minutes)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 3319, .outcome = kCovered},
    /*6*/ {.word = "dry|dries", .n1 = "off", .suggestion = "dry/dries", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 3319, .outcome = kCovered},
    /*7*/ {.word = "dry|dries", .n1 = "out", .suggestion = "dry/dries/(Rephrase for clarity)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3319, .outcome = kCovered},
    /*8*/ {.word = "dry|dries", .n1 = "up", .suggestion = "decrease/(Rephrase)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3319, .outcome = kCovered},
    /*9*/ {.word = "dry|dries"},
    /*10*/ {.word = "drill*", .n1 = "under|out", .when = SForm, .suggestion = "drills", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kCovered},
    /*11*/ {.word = "drill*", .n1 = "under|out", .when = BaseForm, .suggestion = "drill", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kCovered},
    /*12*/ {.word = "drill*"},
    /*13*/ {.word = "disable", .when = VerbMarked, .suggestion = "(not in operation)", .code = Msg::Adjective, .ruleId = 3319},
    /*14*/ {.word = "disable", .n1 = "circuit*"},
    /*15*/ {.word = "disable", .when = SForm, .suggestion = "removes XXXX from service", .code = Msg::WrongVerb,
            .ruleId = 3319},
    /*16*/ {.word = "disable", .when = BaseForm, .suggestion = "remove XXX from service", .code = Msg::WrongVerb,
            .ruleId = 3319},
};

constexpr RuleRow kE[] = {
    /*0*/ {.word = "extinguish*", .p1 = "light*|led*|panel*|push*|lamp*", .when = PrevPlural, .clear = true,
           .suggestion = "are not illuminated", .code = Msg::WrongVerb, .ruleId = 3319},
    /*1*/ {.word = "extinguish*", .p1 = "light*|led*|panel*|push*|lamp*", .when = PrevSingular, .clear = true,
           .suggestion = "is not illuminated", .code = Msg::WrongVerb, .ruleId = 3319},
    /*2*/ {.word = "energize*", .n1 = "machine*|circuit*|motor*", .when = PosAbove2,
           .suggestion = "apply power to/(Rephrase)", .code = Msg::WrongVerb, .ruleId = 3319},
    /*3*/ {.word = "engage*", .n2 = "with", .suggestion = "when/(Rephrase)", .then = MakeNeutral, .on = On::N2,
           .code = Msg::Preposition, .ruleId = 3319},
    /*4*/ {.word = "engage*"},
    /*5*/ {.word = "enable*", .when = VerbMarked, .suggestion = "(let)", .code = Msg::Adjective, .ruleId = 3319},
    /*6*/ {.word = "enable*", .n1Class = {Cls::Article}, .suggestion = "let/let xxx flow to",
           .code = Msg::WrongVerb, .ruleId = 3319},
    /*7*/ {.word = "enable*", .n1 = "flow", .suggestion = "let/let xxx flow to", .code = Msg::WrongVerb,
           .ruleId = 3319},
    /*8*/ {.word = "enable*", .n1 = "operator*|operatio*|technician*|user*|driver*", .when = SForm,
           .suggestion = "lets", .code = Msg::WrongVerb, .ruleId = 5673},
    /*9*/ {.word = "enable*", .n1 = "operator*|operatio*|technician*|user*|driver*", .when = BaseForm,
           .suggestion = "let", .code = Msg::WrongVerb, .ruleId = 5673},
    /*10*/ {.word = "enable*", .when = NextHasMessageS, .suggestion = "lets", .code = Msg::WrongVerb, .ruleId = 5673},
    /*11*/ {.word = "enable*", .when = NextHasMessageBase, .suggestion = "let", .code = Msg::WrongVerb,
            .ruleId = 5673},
    /*12*/ {.word = "enable*", .n1Class = {Cls::Pronoun, Cls::FirstPerson}, .when = SForm, .suggestion = "lets",
            .code = Msg::WrongVerb, .ruleId = 5673},
    /*13*/ {.word = "enable*", .n1Class = {Cls::Pronoun, Cls::FirstPerson}, .when = BaseForm, .suggestion = "let",
            .code = Msg::WrongVerb, .ruleId = 5673},
};

constexpr RuleRow kF[] = {
    /*0*/ {.word = "feed*", .n1 = "off|on", .suggestion = "(get xxx from)", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 5666, .outcome = kPass1},
    /*1*/ {.word = "feed*"},
    /*2*/ {.word = "fall*", .n1 = "off|out|outside", .suggestion = "falls from/fall from", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 5666, .outcome = kCovered},
    /*3*/ {.word = "fall*", .n1 = "apart", .suggestion = "break/(Rephrase)", .covers = 2, .code = Msg::Translation,
           .ruleId = 5666, .outcome = kCovered},
    /*4*/ {.word = "fall*", .n1 = "behind", .suggestion = "decrease/(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 5666, .outcome = kCovered},
    /*5*/ {.word = "fall*", .n1 = "away|above|back|below", .suggestion = "fall/decrease/move/(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 5666, .outcome = kCovered},
    /*6*/ {.word = "fall*", .n1 = "foul|within|into", .covers = 2, .code = Msg::Translation, .ruleId = 5666,
           .outcome = kCovered},
    /*7*/ {.word = "fall*", .p1 = "free", .suggestion = "turn freely/turns freely", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 5667},
    /*8*/ {.word = "fall*"},
    /*9*/ {.word = "fold*", .n1 = "up|back|out|in", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 5666,
           .outcome = kCovered},
    /*10*/ {.word = "fold*"},
    /*11*/ {.word = "feel*", .n1 = "tired|good|bad|cool|hot", .suggestion = "(Make a positive statement)",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kCovered},
    /*12*/ {.word = "feel*"},
    /*13*/ {.word = "flush*", .n1 = "away", .suggestion = "flush/flushes", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 7673, .outcome = kPass1},
    /*14*/ {.word = "flush*", .p1Class = {Cls::Be, Cls::Have}, .suggestion = "aligned to/at the top/level",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 7673, .outcome = kPass1},
    /*15*/ {.word = "flush*", .when = VerbMarked, .suggestion = "aligned to/at the top", .code = Msg::WrongMeaning,
            .ruleId = 7673},
    /*16*/ {.word = "flush*", .n1Class = {Cls::AndOr}, .suggestion = "aligned to/at the top",
            .code = Msg::WrongMeaning, .ruleId = 7673},
    /*17*/ {.word = "flush*"},
    /*18*/ {.word = "fill*", .p1 = "any|all|some", .code = Msg::WrongMeaning, .ruleId = 7673},
    /*19*/ {.word = "fill*", .p1Class = {Cls::Article}, .code = Msg::WrongMeaning, .ruleId = 7673},
    /*20*/ {.word = "fill*", .when = VerbMarked, .code = Msg::WrongMeaning, .ruleId = 7673},
    /*21*/ {.word = "fill*", .n1 = "in|out", .suggestion = "complete/enter(computer)", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 5674, .outcome = kCovered},
    /*22*/ {.word = "fill*", .n1 = "up", .suggestion = "fill", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 5674,
            .outcome = kCovered},
    /*23*/ {.word = "fill*", .n1 = "time", .suggestion = "time needed to fill", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 5674, .outcome = kCovered},
    /*24*/ {.word = "fill*"},
    /*25*/ {.word = "follow", .when = FollowAfterPeople, .suggestion = "obey", .code = Msg::WrongVerb,
            .ruleId = 3666},
    /*26*/ {.word = "follow", .n1Class = {Cls::Nomenclature, Cls::NomenclaturePlural}, .when = PosAbove2,
            .suggestion = "obey", .code = Msg::WrongVerb, .ruleId = 3012},
    /*27*/ {.word = "follow", .n1 = "after|up|out|in", .when = PosAbove2, .suggestion = "follow/(Change verb)",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 5618, .outcome = kCovered},
    /*28*/ {.word = "follow", .n1 = "instructions|warnings|directions", .when = PosAbove2ClassS,
            .suggestion = "obeys/reads", .code = Msg::WrongVerb, .ruleId = 3618},
    /*29*/ {.word = "follow", .n1 = "instructions|warnings|directions", .when = PosAbove2ClassBase,
            .suggestion = "obey/read", .code = Msg::WrongVerb, .ruleId = 3618},
    /*30*/ {.word = "follow", .when = PosAbove2},
    // Advice without a message.
    /*31*/ {.word = "flow*", .n1 = "in|out", .when = FlowS, .suggestion = "flows from/flows into"},
    /*32*/ {.word = "flow*", .n1 = "in|out", .when = FlowBase, .suggestion = "flow from/flow into"},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsD() { return kD; }
std::span<const RuleRow> VerbRowsE() { return kE; }
std::span<const RuleRow> VerbRowsF() { return kF; }
