// The chain of "which" after a noun or a preposition: "that", "who" or a
// comma, or a missing subject.
#include <string>

#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/preposition_which_over.h"

namespace preposition {
namespace {

using enum Walk;

bool PrevNoComma(const RuleContext& c) { return c.p1().text.first() != ','; }
bool PrevLength2(const RuleContext& c) { return c.p1().length == 2; }
bool PrevLength3(const RuleContext& c) { return c.p1().length == 3; }
// A previous word that does not end a clause: no comma, "of", verb or
// conjunction of time before "which".
bool PrevInClause(const RuleContext& c) {
  return !ClassIsOneOf(c.p1(), {Cls::Comma, Cls::Of, Cls::Verb, Cls::VerbS, Cls::TimeConjunction});
}

// ", which": the comma the clause needs, before the word as written.
void WriteCommaBefore(RuleContext&, WordRec& w) {
  const std::string written = w.written.str();  // the suggestion is built from the word itself
  FormatSuggestion(&w, ", %s", written.c_str());
}
void ClearPrev(RuleContext& c, WordRec&) { pass::ClearCodes(c.P(1)); }
// *which no*: the finding stays on "which", the walk goes on from "no".
void GoOnFromNext(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1); !AtEnd(n)) c.word = n;
}

constexpr Classes kAboveNoun = Classes::Range(Cls::FirstNonNoun, 127);

// clang-format off
constexpr RuleRow kWhichRows[] = {
    /*0*/  {.n1 = "means", .suggestion = "that is an indication/(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 5971, .outcome = SkipCovered},
    /*1*/  {.n1Class = {Cls::Be}, .when = PrevNoComma, .then = WriteCommaBefore, .code = Msg::Comma, .ruleId = 5192},
    /*2*/  {.n1 = "make*", .suggestion = "(Rephrase - wrong verb)", .covers = 2, .code = Msg::Awkward, .ruleId = 5671, .outcome = SkipCovered},
    /*3*/  {.p1 = "in|at|about|for", .clear = true, .then = ClearPrev},
    /*4*/  {.p1Class = {Cls::Comma}, .clear = true, .then = ClearPrev},
    /*5*/  {.n1 = "in", .covers = 3, .code = Msg::Delete, .ruleId = 3245, .outcome = SkipCovered},
    /*6*/  {.n2 = "turn", .covers = 3, .code = Msg::Delete, .ruleId = 3245, .outcome = SkipCovered},
    /*7*/  {.p1 = "weigh*", .suggestion = "has a weight of less than", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 3245, .outcome = Clear},
    /*8*/  {.when = PrevLength2},
    /*9*/  {.p1 = "under", .suggestion = "at which/in which/which", .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 3245},
    /*10*/ {.n1 = "one", .suggestion = "(Insert noun subj.)", .covers = 2, .code = Msg::MissingReference, .ruleId = 5971, .outcome = SkipCovered},
    /*11*/ {.n1 = "have", .n2 = "been", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 5971, .outcome = SkipCovered},
    /*12*/ {.p1Class = kAboveNoun, .n1Class = {Cls::Be, Cls::Have}, .suggestion = "that", .code = Msg::ThatWhich, .ruleId = 3192},
    /*13*/ {.n1 = "result*", .n2Class = {Cls::PlacePreposition}, .suggestion = "that cause/that causes", .covers = 3, .code = Msg::WrongVerb, .ruleId = 6971, .outcome = SkipCovered},
    /*14*/ {.p1Class = kAboveNoun, .n1 = "follow", .suggestion = ", which", .code = Msg::ThatWhich, .ruleId = 25192, .outcome = PassNext},
    /*15*/ {.n1 = "its", .on = On::N1, .code = Msg::Delete, .ruleId = 3379},
    /*16*/ {.n1 = "no", .suggestion = "that there are no/that there is no", .then = GoOnFromNext, .covers = 2, .code = Msg::Preposition, .ruleId = 6912, .outcome = SkipCovered},
    /*17*/ {.p1 = "person*|operator*|manager*|pilot*|technician*|driver", .suggestion = "who", .code = Msg::Pronoun, .ruleId = 6971},
    /*18*/ {.n1Class = {Cls::Be, Cls::Have, Cls::Modal}, .outcome = PassNext},
    /*19*/ {.p1Class = {Cls::Verb, Cls::To, Cls::Relative}},
    /*20*/ {.p1 = "through"},
    /*21*/ {.n1 = "during"},
    /*22*/ {.n1Class = {Cls::Verb, Cls::VerbS, Cls::VerbEd}},
    // A class-22 word ended the chain above; a participle reaches here.
    /*23*/ {.n1Class = {Cls::VerbEd, Cls::Participle}, .code = Msg::MissingReference, .ruleId = 1317},
    /*24*/ {.p1 = "yet", .when = PrevLength3, .on = On::P1, .code = Msg::Delete, .ruleId = 1327, .outcome = ClearNext},
    /*25*/ {.p1Class = {Cls::Pronoun}, .covers = 2, .on = On::P1, .code = Msg::MissingReference, .ruleId = 1317, .outcome = Clear},
    /*26*/ {.p1 = "o*", .p1Class = {Cls::TimeConjunction}, .n1Class = {Cls::To}, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 1317, .outcome = Clear},
    /*27*/ {.p1Class = {Cls::AndOr}, .suggestion = ", which", .code = Msg::Comma, .ruleId = 1379},
    /*28*/ {.when = PrevInClause, .then = WriteCommaBefore, .code = Msg::Comma, .ruleId = 5192},
    // Only a verb of class 21, "of" or a time conjunction before "which" gets
    // here, so the rows below never hold; they stay in their order.
    /*29*/ {.n1Class = {Cls::Modal}, .n2 = "be", .suggestion = "that", .code = Msg::ThatWhich, .ruleId = 140},
    /*30*/ {.p1Class = {Cls::Nomenclature, Cls::NomenclaturePlural, Cls::ShortForm}, .suggestion = "that", .code = Msg::ThatWhich, .ruleId = 1372},
    /*31*/ {.p1Class = {Cls::Noun, Cls::NounPlural}, .suggestion = "(Use that for essential clause.)", .code = Msg::ThatWhich, .ruleId = 1372},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kWhich = kWhichRows;

Walk WhichRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, kWhich)) return *o;
  return Walk::Next;
}

}  // namespace preposition
