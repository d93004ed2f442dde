// The rule tables of "but", "because" and "so" (class 62), in the order
// they are tried.
#include "rules/function_words/but_because_tables.h"

#include <string>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/comma_advice.h"

namespace but_because {
namespace {

using enum Walk;

bool Opening(const RuleContext& c) { return c.word->sentencePos == 0; }
bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool InsideNextUnmarked(const RuleContext& c) { return Inside(c) && NextUnmarked(c); }

// "so" at the end of the text: nothing after it to cover.
bool NextIsEnd(const RuleContext& c) { return AtEnd(c.N(1)); }
// A punctuation mark or a tag after "so": never covered.
bool NextIsMark(const RuleContext& c) {
  const WordRec& n = c.n1();
  return n.wordClass == Cls::InnerPunctuation || IsAsciiPunct(static_cast<unsigned char>(n.text.first()));
}

// The comma before "but": an ordinary previous word that is not a comma.
bool CommaMissing(const RuleContext& c) {
  return Inside(c) && c.p1().tokenKind == 0 && c.p1().wordClass != Cls::Comma;
}
// A comma coded as a verb, without a finding of its own.
bool CommaToMove(const RuleContext& c) {
  const WordRec& p = c.p1();
  return Inside(c) && p.tokenKind == 0 && p.message < 299 && CodeStarts(p, 'V');
}
void WriteCommaBefore(RuleContext&, WordRec& word) {
  const std::string written = word.written.str();
  FormatSuggestion(&word, ", %s", written.c_str());
}

// clang-format off
constexpr RuleRow kBecauseRows[] = {
    /*0*/ {.when = Opening, .code = Msg::Awkward, .ruleId = 1522},
    /*1*/ {.n1 = "of", .when = Inside, .outcome = PassNext},
    /*2*/ {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .code = Msg::Preposition, .ruleId = 1522},
    /*3*/ {.n1Class = {Cls::TimeConjunction}, .covers = 2, .code = Msg::Awkward, .ruleId = 3154, .outcome = SkipCovered},
};

// A sentence end, a comma or the end of the text after "so" comes before
// the "we" rows: "so" then gets the finding alone, and no punctuation mark
// is ever covered.
constexpr RuleRow kSoRows[] = {
    /*0*/ {.when = Opening, .code = Msg::Awkward, .ruleId = 1522},
    /*1*/ {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .code = Msg::Preposition, .ruleId = 1522},
    /*2*/ {.when = NextIsEnd, .code = Msg::Preposition, .ruleId = 1522},
    /*3*/ {.p1 = "even", .n1 = "we", .when = Inside, .suggestion = "because/(Rephrase)", .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 6154},
    /*4*/ {.n1 = "we", .suggestion = "so that", .covers = 2, .code = Msg::Preposition, .ruleId = 3154, .outcome = SkipCovered},
    /*5*/ {.when = NextIsMark, .code = Msg::Pronoun, .ruleId = 3154},
    /*6*/ {.covers = 2, .code = Msg::Pronoun, .ruleId = 3154, .outcome = SkipCovered},
};

constexpr RuleRow kButRows[] = {
    /*0*/  {.when = Opening, .code = Msg::Awkward, .ruleId = 3234},
    /*1*/  {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .code = Msg::Preposition, .ruleId = 1522},
    /*2*/  {.n1 = "@*", .code = Msg::Preposition, .ruleId = 1522},
    /*3*/  {.when = CommaMissing, .then = WriteCommaBefore, .code = Msg::Comma, .ruleId = 1652},
    /*4*/  {.p1Class = {Cls::Comma}, .when = CommaToMove, .then = WriteCommaAfter, .covers = 2, .on = On::P1, .code = Msg::Comma, .ruleId = 1452},
    /*5*/  {.n1Class = {Cls::With}, .covers = 2, .code = Msg::Preposition, .ruleId = 1652, .outcome = SkipCovered},
    /*6*/  {.n1Class = {Cls::Modal, Cls::Negation}, .n2 = "be", .covers = 3, .code = Msg::Awkward, .ruleId = 2151, .outcome = SkipCovered},
    /*7*/  {.n1Class = {Cls::Modal, Cls::Negation}},
    /*8*/  {.n1Class = {Cls::VerbIng, Cls::ForBy, Cls::Number}, .when = NextUnmarked, .covers = 2, .code = Msg::Translation, .ruleId = 1541, .outcome = SkipCovered},
    /*9*/  {.n1Class = {Cls::Adverb}, .n2Class = {Cls::ForBy}, .when = InsideNextUnmarked, .on = On::N1, .code = Msg::Delete, .ruleId = 1542},
    /*10*/ {.n1 = "not", .n2 = "limited", .when = Inside, .suggestion = "(Give a limit ref.)", .covers = 3, .code = Msg::Awkward, .ruleId = 6673, .outcome = SkipCovered},
    /*11*/ {.n1 = "no", .when = Inside, .suggestion = "not", .on = On::N1, .code = Msg::WrongChoice, .ruleId = 1543, .outcome = PassNext},
    /*12*/ {.n1 = "any|even|if|may|most|now|only|so|still|there", .covers = 2, .code = Msg::Awkward, .ruleId = 5154, .outcome = SkipCovered},
    /*13*/ {.n1Class = {Cls::Adverb, Cls::Preposition, Cls::Relative}, .covers = 2, .code = Msg::Awkward, .ruleId = 5154, .outcome = SkipCovered},
    /*14*/ {.n1Class = {Cls::Be, Cls::Have}, .n2 = "having", .suggestion = "but has/but have", .covers = 3, .code = Msg::Awkward, .ruleId = 7154, .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kBecause = kBecauseRows;
const std::span<const RuleRow> kSo = kSoRows;
const std::span<const RuleRow> kBut = kButRows;

}  // namespace but_because
