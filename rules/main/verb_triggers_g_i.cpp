// Trigger rows of the verbs that begin with 'g', 'h' and 'i'.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;
constexpr Walk kPass1 = Walk::PassNext;

bool PosAbove1(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PosAbove1S(const RuleContext& c) { return PosAbove1(c) && SForm(c); }
bool PosAbove1Base(const RuleContext& c) { return PosAbove1(c) && BaseForm(c); }
bool PrevNamesAPage(const RuleContext& c) {
  const WordRec& p = c.p1();
  return TextStartsOneOf(p, {"screen", "table", "chapter", "detail"}) || TextIsOneOf(p, {"maintenance", "page"}) ||
         p.wordClass == Cls::Number;
}
bool PrevNamesAPageS(const RuleContext& c) { return PrevNamesAPage(c) && SForm(c); }
bool PrevNamesAPageBase(const RuleContext& c) { return PrevNamesAPage(c) && BaseForm(c); }

// "help start": "help to start" from the words as written.
void HelpTo(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s to %s", c.word->written.c_str(), c.n1().written.c_str());
}

constexpr Classes kNounClasses20 = Classes::Range(0, 19);

// clang-format off
constexpr RuleRow kG[] = {
    /*0*/ {.word = "get*", .n1 = "light", .covers = 2, .code = Msg::WrongChoice, .ruleId = 3319, .outcome = kCovered},
    /*1*/ {.word = "get*", .n1Class = {Cls::To}, .n2Class = {Cls::Number}, .suggestion = "increase/increases/go to",
           .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kPass1},
    /*2*/ {.word = "get*", .n1 = "supplied", .suggestion = "is supplied/are supplied", .covers = 2,
           .code = Msg::WrongChoice, .ruleId = 3319, .outcome = kCovered},
    /*3*/ {.word = "get*", .n1 = "pulled", .suggestion = "sent/pull/(Rephrase)", .covers = 2,
           .code = Msg::WrongChoice, .ruleId = 3319, .outcome = kCovered},
    /*4*/ {.word = "get*", .n1 = "on|out", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3319, .outcome = kPass1},
    /*5*/ {.word = "get*", .n1 = "off", .suggestion = "not illuminate/disconnect", .verbForm = 'X', .covers = 2,
           .code = Msg::NameLabel, .ruleId = 3319, .outcome = kPass1},
    /*6*/ {.word = "get*", .n1 = "up|back", .n2 = "to", .suggestion = "go to", .covers = 3, .code = Msg::PhrasalVerb,
           .ruleId = 5319, .outcome = kCovered},
    // "remove" takes the place of "of" too.
    /*7*/ {.word = "get*", .n1 = "rid", .n2 = "of", .suggestion = "remove", .covers = 3, .code = Msg::PhrasalVerb,
           .ruleId = 2112, .outcome = kCovered},
    /*8*/ {.word = "get*", .n1 = "rid|ready", .suggestion = "prepare/calculate/remove", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 2112, .outcome = kPass1},
    /*9*/ {.word = "get*", .n1 = "underway|started", .suggestion = "start", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 2112, .outcome = kPass1},
    /*10*/ {.word = "get*", .n1 = "below|up|down|over|above", .suggestion = "(Use Verb Selector)",
            .code = Msg::WrongVerb, .ruleId = 4319},
    /*11*/ {.word = "get*", .n1 = "under", .suggestion = "go under/go below xxx", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3319, .outcome = kCovered},
    /*12*/ {.word = "get*", .p1 = "just", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 3319},
    /*13*/ {.word = "get*", .n1 = "slowly|lightly|softly|smoothly", .suggestion = "(Use Verb Finder)", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3419, .outcome = kCovered},
    /*14*/ {.word = "get*"},
    /*15*/ {.word = "ground*", .n1 = "up|down|off", .suggestion = "worn/removed/(Rephrase)", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 3112, .outcome = kCovered},
    /*16*/ {.word = "ground*", .n1 = "start|stop|strap", .suggestion = "static wrist strap", .covers = 2,
            .code = Msg::WrongChoice, .ruleId = 3112, .outcome = kCovered},
    /*17*/ {.word = "ground*"},
    /*18*/ {.word = "give*", .n1 = "you", .suggestion = "show you/shows you", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 3112, .outcome = kCovered},
    /*19*/ {.word = "give*", .when = PrevNamesAPageS, .suggestion = "shows", .code = Msg::WrongVerb, .ruleId = 3112},
    /*20*/ {.word = "give*", .when = PrevNamesAPageBase, .suggestion = "show", .code = Msg::WrongVerb, .ruleId = 3112},
    /*21*/ {.word = "give*", .n1 = "rise", .when = SForm, .suggestion = "causes ...", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3112, .outcome = kCovered},
    /*22*/ {.word = "give*", .n1 = "rise", .when = BaseForm, .suggestion = "cause ...", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3112, .outcome = kCovered},
    /*23*/ {.word = "give*", .n1 = "off", .when = SForm, .suggestion = "releases", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3112, .outcome = kCovered},
    /*24*/ {.word = "give*", .n1 = "off", .when = BaseForm, .suggestion = "release", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3112, .outcome = kCovered},
    /*25*/ {.word = "give*", .n1 = "out|up|in|into", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3112,
            .outcome = kCovered},
    /*26*/ {.word = "give*", .n1 = "result", .when = SForm, .suggestion = "shows the result of", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 4112, .outcome = kCovered},
    /*27*/ {.word = "give*", .n1 = "result", .when = BaseForm, .suggestion = "show the results of", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 4112, .outcome = kCovered},
    /*28*/ {.word = "give*", .n1 = "reason|doubt|cause|away|stability|concern", .when = SForm,
            .suggestion = "causes/(Rephrase)", .covers = 2, .code = Msg::WrongVerb, .ruleId = 4112,
            .outcome = kCovered},
    /*29*/ {.word = "give*", .n1 = "reason|doubt|cause|away|stability|concern", .when = BaseForm,
            .suggestion = "cause/(Rephrase)", .covers = 2, .code = Msg::WrongVerb, .ruleId = 4112,
            .outcome = kCovered},
    /*30*/ {.word = "give*"},
    /*31*/ {.word = "go|goes", .n1 = "wrong|right|away|back", .covers = 2, .code = Msg::Translation, .ruleId = 5666,
            .outcome = kCovered},
    /*32*/ {.word = "go|goes", .n1 = "off|on", .suggestion = "(Use a better verb.)", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 5666, .outcome = kCovered},
    /*33*/ {.word = "go|goes", .n1 = "in"},
    /*34*/ {.word = "go|goes", .p1 = "signal|data", .suggestion = "transmits/is transmitted/are transmitted",
            .code = Msg::WrongVerb, .ruleId = 5866},
    /*35*/ {.word = "go|goes", .p1 = "air|fuel|liquid|oil|steam|vapor|water|fluids|gas", .suggestion = "flow/flows",
            .code = Msg::WrongVerb, .ruleId = 5366},
};

constexpr RuleRow kH[] = {
    /*0*/ {.word = "hold*", .n1 = "up", .suggestion = "cause a problem/stop/hold in position/(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*1*/ {.word = "hold*", .n1 = "down", .suggestion = "hold/(Rephrase)", .covers = 2, .code = Msg::Translation,
           .ruleId = 2320, .outcome = kCovered},
    /*2*/ {.word = "hold*"},
    /*3*/ {.word = "help*", .n1Class = {Cls::FirstPerson}, .when = PosAbove1},
    /*4*/ {.word = "help*", .n1 = "maintain", .when = PosAbove1S, .suggestion = "keeps/controls", .covers = 2,
           .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*5*/ {.word = "help*", .n1 = "maintain", .when = PosAbove1Base, .suggestion = "keep/control", .covers = 2,
           .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*6*/ {.word = "help*", .n1 = "out|on|in", .when = PosAbove1, .suggestion = "help you/(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 2320, .outcome = kPass1},
    /*7*/ {.word = "help*", .n1Class = {Cls::Verb}, .when = PosAbove1, .then = HelpTo, .covers = 2,
           .code = Msg::Translation, .ruleId = 3319, .outcome = kCovered},
};

constexpr RuleRow kI[] = {
    // The noun asks for the words round it changed: a hint.
    /*0*/ {.word = "install*", .n1Class = {Cls::Comma, Cls::SentenceEnd}, .suggestion = "(installation of)",
           .code = Msg::ChangeToNoun, .ruleId = 2320},
    // "install" after a noun reads as the noun ("the pump install"); its other
    // forms there are the verb of that noun ("The key installs the pages").
    /*1*/ {.word = "install", .p1Class = kNounClasses20, .suggestion = "(installation of)", .code = Msg::ChangeToNoun,
           .ruleId = 2320},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsG() { return kG; }
std::span<const RuleRow> VerbRowsH() { return kH; }
std::span<const RuleRow> VerbRowsI() { return kI; }
