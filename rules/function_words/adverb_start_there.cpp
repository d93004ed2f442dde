// The rows of an adverb that opens its sentence, and the rows of "there"
// wherever it stands.
#include "rules/function_words/adverb_tables.h"

namespace adverb {
namespace {

using enum Walk;

bool NotNumberNext(const RuleContext& c) { return !NextIsNumber(c); }
bool SelfSplitOneOrTwo(const RuleContext& c) { return c.word->splitKind == '1' || c.word->splitKind == '2'; }

// "there" inside its sentence before a verb-like word (any class from 20
// but the adjectives).
bool ThereBeforeVerbLike(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && n->wordClass >= Cls::FirstNonNoun && n->wordClass != Cls::Adjective;
}
bool ThereInsideBeforeVerbLike(const RuleContext& c) { return !c.First() && ThereBeforeVerbLike(c); }
// The same, the clause going on after it.
bool ThereInsideClause(const RuleContext& c) {
  const WordRec& n = c.n1();
  return ThereInsideBeforeVerbLike(c) && !kClauseEnd.Has(n.wordClass) && n.text.first() != '@';
}
bool NextMayOrModal(const RuleContext& c) { return c.n1().text == "may" || c.n1().wordClass == Cls::Modal; }
// *there is no*: "no" is passed over as a neutral word.
void NoNeutral(RuleContext& c, WordRec&) {
  if (WordRec* no = c.N(2); !AtEnd(no)) no->wordClass = Cls::Neutral;
}

constexpr Classes kFrom20 = Classes::Range(Cls::FirstNonNoun, 127);
constexpr Classes kBelow40 = Classes::Range(0, Cls::Neutral - 1);

// clang-format off
constexpr RuleRow kSentenceStartRows[] = {
    /*0*/  {.word = "first", .n1Class = kNounClasses},
    /*1*/  {.word = "also|however|only|alone|first|second|further|true|neither|together|third",
            .code = Msg::Delete, .ruleId = 1239},
    /*2*/  {.word = "below", .p1 = "given|described|listed", .when = NotNumberNext, .suggestion = "shown", .tag = "<AR>",
            .on = On::P1},
    /*3*/  {.word = "below", .when = NumberSelfInitial, .suggestion = "Less than", .tag = "<AR>"},
    /*4*/  {.word = "below", .when = NumberSelfCaps, .suggestion = "LESS THAN", .tag = "<AR>"},
    /*5*/  {.word = "below", .when = NextIsNumber, .suggestion = "less than", .tag = "<AR>"},
    /*6*/  {.word = "too", .n1 = "much|little", .suggestion = "(Give a ref.)", .covers = 2, .code = Msg::Measurement,
            .ruleId = 1767, .outcome = SkipCovered},
    /*7*/  {.word = "too", .code = Msg::Delete, .ruleId = 1239},
    // The particles end the body at its gate first.
    /*8*/  {.word = "back", .n1 = "off", .suggestion = "loosen/remove", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 4130, .outcome = PassNext},
    /*9*/  {.word = "back", .n1 = "up", .suggestion = "copy/make a copy", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 4130, .outcome = PassNext},
    /*10*/ {.when = SelfSplitOneOrTwo, .code = Msg::Adverb, .ruleId = 3636},
};

constexpr RuleRow kThereRows[] = {
    /*0*/  {.n1 = "must", .n2 = "be", .outcome = PassTwo},
    /*1*/  {.n2 = "be", .when = NextMayOrModal, .covers = 3, .code = Msg::VerbTense, .ruleId = 4136},
    /*2*/  {.n1 = "are|is|was|were", .n2 = "no", .then = NoNeutral, .outcome = PassNext},
    /*3*/  {.n1Class = {Cls::VerbEd, Cls::Modal, Cls::Participle}},
    /*4*/  {.n1Class = kClauseEnd, .when = ThereInsideBeforeVerbLike, .code = Msg::MissingReference, .ruleId = 3230},
    /*5*/  {.n1 = "@*", .when = ThereInsideBeforeVerbLike, .code = Msg::MissingReference, .ruleId = 3230},
    /*6*/  {.p1 = "only", .when = ThereInsideClause, .on = On::P1, .code = Msg::Delete, .ruleId = 4130, .outcome = Clear},
    /*7*/  {.p1Class = kBeHave, .when = ThereInsideClause, .code = Msg::Adverb, .ruleId = 1435},
    /*8*/  {.p1Class = kNounClasses, .when = ThereInsideClause, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 1735},
    /*9*/  {.p1Class = kFrom20, .n1Class = kBelow40, .when = ThereInsideClause, .code = Msg::Preposition, .ruleId = 6438},
    /*10*/ {.when = ThereBeforeVerbLike},
    /*11*/ {.n1Class = kNounClasses, .suggestion = "their", .code = Msg::Spelling, .ruleId = 3131},
    /*12*/ {.n1Class = {Cls::Adjective}, .suggestion = "their", .code = Msg::Spelling, .ruleId = 3131},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kSentenceStart = kSentenceStartRows;
const std::span<const RuleRow> kThere = kThereRows;

}  // namespace adverb
