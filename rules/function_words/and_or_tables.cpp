// The rule tables of "and", "or" and "&" (class 63), in the order they are
// tried.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/and_or_tables.h"

namespace and_or {
namespace {

using enum Walk;

bool PastFirst(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PastSecond(const RuleContext& c) { return c.word->sentencePos > 2; }
bool AtMostSecondWord(const RuleContext& c) { return c.word->sentencePos <= 1; }
bool OneCharacter(const RuleContext& c) { return c.word->length == 1; }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
// *and more*, *or less* without "than" after them (also at the end of the text).
bool NoThanAfterNext(const RuleContext& c) { return !TextIs(c.n2(), "than"); }
bool VerbsAround(const RuleContext& c) { return CodeStarts(c.p1(), 'V') && CodeStarts(c.n1(), 'V'); }
bool NextBeginsAt(const RuleContext& c) { return c.n1().text.first() == '@'; }
// A verb, a special token or markup after "or".
bool NextVerbOrToken(const RuleContext& c) {
  const WordRec& n = c.n1();
  return CodeStarts(n, 'V') || n.tokenKind == 9 || n.text.first() == '<';
}
bool SubClass12AfterVerb(const RuleContext& c) { return PastFirst(c) && c.n1().subClass == 12; }
// A be or have form that opens a clause, unless its first letter is one of
// the clause openers' letters.
bool ClauseVerb(const RuleContext& c) {
  const char f = c.n1().text.first();
  return f != 'a' && f != 'n' && f != 's' && f != 't' && f != 'w';
}
bool NextBeginsCommaOrParen(const RuleContext& c) {
  const char f = c.n1().text.first();
  return f == ',' || f == ')';
}
bool NextBeginsColonOrBlank(const RuleContext& c) {
  const char f = c.n1().text.first();
  return f == ':' || f == ' ';
}
// After a special token or a verb, the colon is part of the text.
bool ColonAfterTokenOrVerb(const RuleContext& c) {
  return NextBeginsColonOrBlank(c) && (c.word->tokenKind == 9 || c.p1().wordClass == Cls::Verb);
}
void MakeNeutral(RuleContext&, WordRec& w) { w.wordClass = Cls::Neutral; }

constexpr Classes kAboveNouns = Classes::Range(Cls::FirstNonNoun, 127);

// clang-format off
constexpr RuleRow kCommaAfterRows[] = {
    {.n1Class = {Cls::Comma}, .on = On::N1, .code = Msg::Comma, .ruleId = 2201, .outcome = PassNext},
};

constexpr RuleRow kBeforeRepeatRows[] = {
    /*0*/ {.p2Class = {Cls::Neutral, Cls::Inch, Cls::ShortForm}, .p1 = "and", .when = PastSecond},
    /*1*/ {.p1 = "and", .when = PastSecond, .on = On::P1, .code = Msg::Comma, .ruleId = 3202},
    /*2*/ {.n1 = "equal", .n2 = "to", .covers = 3, .outcome = SkipCovered},
    /*3*/ {.n1 = "up|above|better|sooner|later", .suggestion = "(Give numeric range)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 6113, .outcome = SkipCovered},
    /*4*/ {.n1 = "less|more", .when = NoThanAfterNext, .suggestion = "(.. add than plus number)", .covers = 2,
           .code = Msg::MissingReference, .ruleId = 6213, .outcome = SkipCovered},
    // Numbers, a comma before, two verbs, a verb or an adverb after: no finding.
    /*5*/ {.p1Class = {Cls::Number}, .n1Class = {Cls::Number}},
    /*6*/ {.p1Class = {Cls::Comma}},
    /*7*/ {.when = VerbsAround},
    /*8*/ {.n1Class = {Cls::Be, Cls::Have, Cls::Neutral, Cls::Adverb}},
};

constexpr RuleRow kSharedRows[] = {
    /*0*/ {.n1Class = {Cls::Determiner}, .n2 = "other", .suggestion = "other/or other", .covers = 3,
           .code = Msg::Awkward, .ruleId = 1577, .outcome = SkipCovered},
    /*1*/ {.word = "or", .n1 = "even", .suggestion = "or", .covers = 2, .code = Msg::Awkward, .ruleId = 6577,
           .outcome = SkipCovered},
    /*2*/ {.n1 = "even", .suggestion = "and", .covers = 2, .code = Msg::Awkward, .ruleId = 6577, .outcome = SkipCovered},
    /*3*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::MissingReference, .ruleId = 2157},
    /*4*/ {.when = NextBeginsAt, .code = Msg::MissingReference, .ruleId = 2157},
    /*5*/ {.when = OneCharacter, .suggestion = "and", .code = Msg::Punctuation, .ruleId = 2357},
    /*6*/ {.n1 = "if|of", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 4602,
           .outcome = SkipCovered},
};

#define COMPARATIVE .covers = 2, .code = Msg::Measurement, .ruleId = 1609, .outcome = SkipCovered
constexpr RuleRow kOrRows[] = {
    /*0*/ {.p1Class = {Cls::Verb}, .n1Class = kNounClasses, .when = SubClass12AfterVerb, .on = On::N1,
           .code = Msg::WrongVerb, .ruleId = 7579, .outcome = PassNext},
    /*1*/ {.p1Class = {Cls::Number}, .n1 = "more|less", .when = PastFirst, .suggestion = "(Give a range or Ref. number)",
           .covers = 2, .code = Msg::MissingReference, .ruleId = 7579, .outcome = PassNext},
    /*2*/ {.n1Class = {Cls::Negation, Cls::Participle, Cls::Adjective, Cls::Of, Cls::Article}},
    /*3*/ {.when = NextVerbOrToken},
    /*4*/ {.n1 = "equivalent"},
    /*5*/ {.p1Class = {Cls::Number}, .n1Class = {Cls::Comparative}, .when = PastFirst, .then = MakeNeutral, .on = On::N1},
    /*6*/ {.p1Class = {Cls::Number}, .when = PastFirst},
    /*7*/ {.n1 = "higher", .suggestion = "or more than", COMPARATIVE},
    /*8*/ {.n1 = "smaller", .suggestion = "or less than", COMPARATIVE},
    /*9*/ {.n1 = "lesser", .suggestion = "less than", COMPARATIVE},
    /*10*/ {.n1 = "lower", .n1Class = {Cls::Noun}, .when = NextUnmarked, .suggestion = "(Give time reference)", COMPARATIVE},
    /*11*/ {.n1 = "below|both", .suggestion = "or less than/or lower than", COMPARATIVE},
    /*12*/ {.n1 = "fewer", .suggestion = "(Give measure.)", COMPARATIVE},
    /*13*/ {.n1 = "ground|greater", .suggestion = "or connect to GROUND", COMPARATIVE},
    /*14*/ {.n1 = "else", .suggestion = "(Rephrase)", COMPARATIVE},
    /*15*/ {.n1 = "possibly", .suggestion = "possible", COMPARATIVE},
    /*16*/ {.n1 = "whether", .suggestion = "(Delete)", COMPARATIVE},
    /*17*/ {.n1 = "younger", .suggestion = "(Give age range.)", COMPARATIVE},
    // *whether or not*: the finding covers the three words and sits on "whether".
    /*18*/ {.p1 = "whether", .n1 = "not", .suggestion = "if/when", .covers = 3, .on = On::P1,
            .code = Msg::Negative, .ruleId = 1579, .outcome = SkipCovered},
    /*19*/ {.n1 = "more|less"},
    /*20*/ {.n1 = "lower", .n2 = "than", .suggestion = "or less", .covers = 2, .code = Msg::Adjective,
            .ruleId = 2579, .outcome = SkipCovered},
    /*21*/ {.n1 = "lower", .n2Class = kAboveNouns, .covers = 2, .code = Msg::Awkward, .ruleId = 3579,
            .outcome = SkipCovered},
    /*22*/ {.n1 = "lower"},
    /*23*/ {.n1 = "no", .suggestion = "or there is no", .covers = 2, .code = Msg::Awkward, .ruleId = 1614,
            .outcome = SkipCovered},
    /*24*/ {.n1 = "you", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Awkward, .ruleId = 1614,
            .outcome = SkipCovered},
    /*25*/ {.n1Class = {Cls::To}, .n2Class = {Cls::Modal}, .code = Msg::Awkward, .ruleId = 1605},
    /*26*/ {.n1Class = {Cls::Of, Cls::As}, .code = Msg::Awkward, .ruleId = 1605},
    /*27*/ {.n1Class = {Cls::Be}, .n2Class = {Cls::To}, .code = Msg::Awkward, .ruleId = 1605},
    /*28*/ {.n1 = "from|than", .code = Msg::Awkward, .ruleId = 1605},
};
#undef COMPARATIVE

#define OPENER .covers = 2, .code = Msg::Awkward, .ruleId = 2604, .outcome = SkipCovered
constexpr RuleRow kAndRows[] = {
    /*0*/ {.n1 = "so", .n2 = "forth", .covers = 3, .code = Msg::Delete, .ruleId = 7604, .outcome = SkipCovered},
    /*1*/ {.n1 = "no", .suggestion = "and there is no", OPENER},
    /*2*/ {.n1 = "so", .suggestion = "(Rephrase)", OPENER},
    /*3*/ {.n1 = "then", .suggestion = ", then", OPENER},
    /*4*/ {.n1 = "also|thus|with", OPENER},
    /*5*/ {.n1Class = {Cls::Be, Cls::Have}, .when = ClauseVerb, OPENER},
    /*6*/ {.n1Class = {Cls::Negation}, .covers = 2, .code = Msg::Rephrase, .ruleId = 16012, .outcome = SkipCovered},
    /*7*/ {.n1 = "as|additionally|has|have|or|than|also*", .covers = 2, .code = Msg::Awkward, .ruleId = 1587,
           .outcome = SkipCovered},
    /*8*/ {.when = AtMostSecondWord},
    /*9*/ {.when = NextBeginsCommaOrParen, .on = On::N1, .code = Msg::Comma, .ruleId = 1579, .outcome = PassNext},
    /*10*/ {.when = ColonAfterTokenOrVerb, .then = MakeNeutral, .on = On::N1},
    /*11*/ {.when = NextBeginsColonOrBlank, .code = Msg::Awkward, .ruleId = 1578},
};
#undef OPENER
// clang-format on

}  // namespace

const std::span<const RuleRow> kCommaAfter = kCommaAfterRows;
const std::span<const RuleRow> kBeforeRepeat = kBeforeRepeatRows;
const std::span<const RuleRow> kShared = kSharedRows;
const std::span<const RuleRow> kOr = kOrRows;
const std::span<const RuleRow> kAnd = kAndRows;

}  // namespace and_or
