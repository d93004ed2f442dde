// The adverb chains of the letters l and a: "lightly", "later", "away",
// "alone", "always", "again", "already", "apart", "approximately", and
// "also" with "only".
#include "rules/function_words/adverb_tables.h"

namespace adverb {
namespace {

using enum Walk;

bool LaterPhrase(const RuleContext& c) { return PastThird(c) && c.n1().text.first() == '.'; }
bool AgainVerb(const RuleContext& c) { return NextOrdinary(c); }
bool AfterAnyClassFrom20(const RuleContext& c) {
  const WordRec* p = c.P(1);
  return p && p->wordClass >= Cls::FirstNonNoun;
}

// clang-format off
constexpr RuleRow kLightly[] = {
    /*0*/ {.n1 = "grease|oil", .suggestion = "apply a thin layer of grease", .covers = 2,
           .code = Msg::Measurement, .ruleId = 1241, .outcome = SkipCovered},
    /*1*/ {.n1Class = {Cls::Verb}, .when = PastThird, .code = Msg::Awkward, .ruleId = 7968},
};

constexpr RuleRow kLater[] = {
    /*0*/ {.n1 = "use|install*", .suggestion = "(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 1241, .outcome = PassNext},
    /*1*/ {.p1Class = {Cls::AndOr}, .when = LaterPhrase, .suggestion = "higher/(Rephrase)",
           .code = Msg::WrongMeaning, .ruleId = 1241},
    /*2*/ {.n1Class = {Cls::Comma}, .when = PastThird, .code = Msg::Awkward, .ruleId = 7968},
};

// *cut away*, *fall away*: the phrasal verb is flagged on the verb, and
// "away" keeps no message.
#define AWAY_FINDING .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 1845, .outcome = Clear
constexpr RuleRow kAway[] = {
    /*0*/ {.n1 = "from"},
    /*1*/ {.p1 = "cut*", .suggestion = "remove/cut/removal", AWAY_FINDING},
    /*2*/ {.p1 = "fall*", .suggestion = "fall from/falls from", AWAY_FINDING},
    /*3*/ {.p1 = "keep*|transport*", .suggestion = "move away from/(Rephrase)", AWAY_FINDING},
    /*4*/ {.p1 = "face*", .suggestion = "toward", AWAY_FINDING},
    /*5*/ {.n1Class = kClauseEnd, .code = Msg::Adverb, .ruleId = 1845},
    /*6*/ {.n1 = "with", .suggestion = "with", .covers = 2, .on = On::P1,
           .code = Msg::Preposition, .ruleId = 1845, .outcome = Clear},
    /*7*/ {.suggestion = "away from", .code = Msg::Preposition, .ruleId = 1845},
};
#undef AWAY_FINDING

constexpr RuleRow kAlone[] = {
    /*0*/ {.p1 = "stand", .suggestion = "one/(Give Model)", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 7258},
    /*1*/ {.code = Msg::Translation, .ruleId = 7648},
};

constexpr RuleRow kAlways[] = {
    /*0*/ {.n1Class = kClauseEnd, .code = Msg::Adverb, .ruleId = 7958},
    /*1*/ {.p1 = "means", .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 7958},
};

constexpr RuleRow kAgain[] = {
    /*0*/ {.n1Class = {Cls::Verb}, .when = AgainVerb, .covers = 2, .code = Msg::Awkward, .ruleId = 1232,
           .outcome = SkipCovered},
    /*1*/ {.n1Class = {Cls::Comma}, .code = Msg::Delete, .ruleId = 1632},
    /*2*/ {.p1Class = {Cls::Class41}, .code = Msg::Adverb, .ruleId = 1232},
    /*3*/ {.p1 = "started", .suggestion = "(started again)", .on = On::P1, .code = Msg::WrongVerb, .ruleId = 7232},
    /*4*/ {.p1 = "set", .suggestion = "reset", .on = On::P1, .code = Msg::WrongVerb, .ruleId = 7232},
};

constexpr RuleRow kAlready[] = {
    /*0*/ {.p1Class = {Cls::Negation}},
    /*1*/ {.code = Msg::Awkward, .ruleId = 4255},
};

constexpr RuleRow kApart[] = {
    /*0*/ {.n1Class = {Cls::ForBy}, .code = Msg::Awkward, .ruleId = 7648},
    /*1*/ {.n1Class = {Cls::SentenceEnd}, .when = PastThird, .code = Msg::Adverb, .ruleId = 4255},
};

constexpr RuleRow kApproximately[] = {
    /*0*/ {.p1Class = {Cls::Negation}},
    /*1*/ {.p1 = "weigh*", .suggestion = "(Give a weight range)", .on = On::P1, .code = Msg::WrongVerb, .ruleId = 4255},
};

// "also"/"only" + a word of the list: the two words are covered, the advice
// chosen by the next word.
#define ALSO_WORD .covers = 2, .code = Msg::Awkward, .ruleId = 4153, .outcome = SkipCovered
constexpr RuleRow kAlsoOnly[] = {
    /*0*/  {.n1Class = {Cls::Comma}, .code = Msg::Awkward, .ruleId = 4255, .outcome = Neutral},
    /*1*/  {.n1 = "as", .suggestion = "for/(Rephrase)", ALSO_WORD},
    /*2*/  {.n1 = "be", .suggestion = "be", ALSO_WORD},
    /*3*/  {.n1 = "by", .suggestion = "by", ALSO_WORD},
    /*4*/  {.n1 = "if", ALSO_WORD},
    /*5*/  {.n1 = "one|option", .suggestion = "one", ALSO_WORD},
    /*6*/  {.n1 = "partly", .suggestion = "(Rephrase)", ALSO_WORD},
    /*7*/  {.n1 = "when", .suggestion = "when/while", ALSO_WORD},
    /*8*/  {.n1 = "need*", .n2 = "to", .suggestion = "must", .covers = 3, .code = Msg::VerbTense, .ruleId = 5153,
            .outcome = SkipCovered},
    /*9*/  {.p1Class = {Cls::Be, Cls::Have, Cls::VerbS, Cls::Verb, Cls::Modal}, .code = Msg::Delete, .ruleId = 4255},
    /*10*/ {.p1Class = {Cls::Noun, Cls::Nomenclature}, .when = NextVerbCode, .code = Msg::Delete, .ruleId = 4255},
    /*11*/ {.n1Class = {Cls::Be}, .code = Msg::Delete, .ruleId = 4255},
    /*12*/ {.n1Class = {Cls::Adjective}, .when = NextUnmarked, .code = Msg::Adverb, .ruleId = 9217},
    /*13*/ {.n1Class = {Cls::SentenceEnd}, .when = AfterAnyClassFrom20, .code = Msg::Awkward, .ruleId = 6255},
};
#undef ALSO_WORD
// clang-format on

constexpr Chain kL[] = {
    {"lightly", kLightly},
    {"later", kLater},
};

constexpr Chain kA[] = {
    {"away", kAway},     {"alone", kAlone}, {"always", kAlways}, {"again", kAgain},
    {"already", kAlready}, {"apart", kApart}, {"approximately", kApproximately},
    {"also|a-only", kAlsoOnly},
};

}  // namespace

const std::span<const Chain> kGroupL = kL;
const std::span<const Chain> kGroupA = kA;

}  // namespace adverb
