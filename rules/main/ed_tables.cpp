// Rows of the verbs in -ed, in the order they are tried.
#include "rules/main/ed_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace {

bool AfterTimeConjunction(const RuleContext& c) { return c.P(1) && c.p1().wordClass == Cls::TimeConjunction; }
bool BeforeNonNoun(const RuleContext& c) { return c.N(1) && c.n1().wordClass > 19; }
bool NextIsPlainWord(const RuleContext& c) {
  const WordRec& n = c.n1();
  return n.wordClass != Cls::Comma && n.markFlag == '0' && n.tokenKind == 0;
}

// clang-format off
constexpr RuleRow kPhrases[] = {
    /*0*/ {.word = "kept", .n1 = "off|up|out|back|away|down|on", .suggestion = "(Remove the preposition)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3117, .outcome = Walk::PassNext},
    /*1*/ {.word = "kept", .n1 = "brief|safe|free|short", .suggestion = "(Give Time Ref.)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 3117, .outcome = Walk::PassNext},
    /*2*/ {.word = "turned", .n1 = "off|on", .suggestion = "(Remove the preposition)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3117, .outcome = Walk::PassNext},
    /*3*/ {.word = "tapped", .when = AfterTimeConjunction, .suggestion = "(Give Time Ref.)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 3117, .outcome = Walk::PassNext},
    /*4*/ {.word = "tapped", .when = BeforeNonNoun, .suggestion = "(Give Time Ref.)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 3117, .outcome = Walk::PassNext},
};

constexpr RuleRow kSecondPhrases[] = {
    /*0*/ {.word = "done", .n1Class = {Cls::VerbIng}, .suggestion = "completely/stopped/(Rephrase)", .covers = 2,
           .code = Msg::Awkward, .ruleId = 3117},
    /*1*/ {.word = "pulled", .n1 = "off|apart|on", .suggestion = "pull/(Rephrase)", .covers = 2,
           .code = Msg::VerbTense, .ruleId = 3117},
};

constexpr RuleRow kReferences[] = {
    /*0*/ {.n1Class = {Cls::Verb}, .code = Msg::Awkward, .ruleId = 2672},
    /*1*/ {.p1Class = {Cls::Comma}, .when = NextIsPlainWord, .code = Msg::MissingReference, .ruleId = 23},
};
// clang-format on

}  // namespace

std::span<const RuleRow> EdPhraseRows() { return kPhrases; }
std::span<const RuleRow> EdSecondPhraseRows() { return kSecondPhrases; }
std::span<const RuleRow> EdReferenceRows() { return kReferences; }
