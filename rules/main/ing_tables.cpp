// The -ing words with an approved alternative, in the order they are tried.
// A row that names a class makes the -ing word that verb class.
#include "rules/main/ing_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace {

void MakeVerb(RuleContext&, WordRec& t) { t.wordClass = Cls::Verb; }
bool PrevIsNoun(const RuleContext& c) { return c.P(1) && c.p1().wordClass < Cls::FirstNonNoun; }
bool CoolingIsVerb(const RuleContext& c) {
  return !IsMarked(*c.word) && !(c.P(1) && ClassIsOneOf(c.p1(), {Cls::Article, Cls::Demonstrative}));
}

constexpr MessageCode kGerund = Msg::Gerund;

// clang-format off
constexpr RuleRow kIngWords[] = {
    /*0*/ {.word = "using", .suggestion = "use/with", .then = MakeVerb, .code = kGerund, .ruleId = 5335},
    /*1*/ {.word = "taking", .n1 = "place", .suggestion = "occurs/occur", .then = MakeVerb, .covers = 2,
           .code = kGerund, .ruleId = 3535, .outcome = Walk::PassNext},
    /*2*/ {.word = "taking", .suggestion = "takes/take/who takes", .then = MakeVerb, .code = kGerund, .ruleId = 3535},
    /*3*/ {.word = "setting", .n1 = "up", .suggestion = "install/prepare", .then = MakeVerb, .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3335, .outcome = Walk::PassNext},
    /*4*/ {.word = "setting", .suggestion = "adjustment/position/set/setting(display)", .then = MakeVerb,
           .code = Msg::WrongVerb, .ruleId = 3335},
    /*5*/ {.word = "running", .suggestion = "in operation/operates/(Rephrase)", .code = kGerund, .ruleId = 3335},
    /*6*/ {.word = "making", .suggestion = "that make/make/you make", .code = kGerund, .ruleId = 5335},
    /*7*/ {.word = "installing", .suggestion = "installation/to install/install", .then = MakeVerb, .code = kGerund,
           .ruleId = 5335},
    /*8*/ {.word = "including", .suggestion = "(that contains)/(to contain)/(contain)", .code = kGerund, .ruleId = 3332},
    /*9*/ {.word = "going", .n1 = "forward|back", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::VerbTense,
           .ruleId = 4327, .outcome = Walk::PassNext},
    /*10*/ {.word = "going", .suggestion = "go/goes", .code = kGerund, .ruleId = 6375},
    /*11*/ {.word = "filling", .when = PrevIsNoun, .suggestion = "fill with/fill", .then = MakeVerb, .code = kGerund,
            .ruleId = 5336},
    /*12*/ {.word = "falling", .n1 = "forward|back|over|in|out|under",
            .suggestion = "fall/falls/(Remove prep. or change verb.)", .covers = 2, .code = Msg::VerbTense,
            .ruleId = 4327, .outcome = Walk::PassNext},
    /*13*/ {.word = "falling", .suggestion = "fall/falls", .then = MakeVerb, .code = kGerund, .ruleId = 5336,
            .outcome = Walk::PassNext},
    /*14*/ {.word = "depending", .n1 = "on", .suggestion = "for", .then = MakeVerb, .covers = 2, .code = kGerund,
            .ruleId = 5335, .outcome = Walk::PassNext},
    /*15*/ {.word = "coming", .n1 = "off", .suggestion = "removed", .covers = 2, .code = kGerund, .ruleId = 5429,
            .outcome = Walk::PassNext},
    /*16*/ {.word = "coming", .n1 = "in", .suggestion = "to come into/enters", .covers = 2, .code = kGerund,
            .ruleId = 5429, .outcome = Walk::PassNext},
    /*17*/ {.word = "coming", .n1 = "on", .suggestion = "comes on", .covers = 2, .code = kGerund, .ruleId = 5429,
            .outcome = Walk::PassNext},
    /*18*/ {.word = "coming", .n1 = "loose", .suggestion = "becomes loose", .covers = 2, .code = kGerund,
            .ruleId = 5429, .outcome = Walk::PassNext},
    /*19*/ {.word = "coming", .n1 = "out", .suggestion = "extends", .covers = 2, .code = kGerund, .ruleId = 5429,
            .outcome = Walk::PassNext},
    /*20*/ {.word = "clicking", .suggestion = "you click", .then = MakeVerb, .code = kGerund, .ruleId = 5335},
    /*21*/ {.word = "crushing", .suggestion = "(use CRUSH symbol)", .then = MakeVerb, .code = kGerund,
            .ruleId = 5435},
    /*22*/ {.word = "cooling", .when = CoolingIsVerb, .suggestion = "become cool/decrease temperature",
            .then = MakeVerb, .code = kGerund, .ruleId = 5335},
    /*23*/ {.word = "loading", .suggestion = "load/to load/you load", .then = MakeVerb, .code = kGerund,
            .ruleId = 5335},
};
// clang-format on

}  // namespace

std::span<const RuleRow> IngWordRows() { return kIngWords; }
