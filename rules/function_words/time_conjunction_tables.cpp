// The rule tables of the time conjunctions (class 70), in the order they
// are tried.
#include "rules/function_words/time_conjunction_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace time_conjunction {
namespace {

using enum Walk;

// Punctuation or markup right after the word: the clause ends there.
constexpr Words kClauseEnders = "@*|:*|,*|.*|?*|;*";

bool First(const RuleContext& c) { return c.First(); }
// "ON." alone as a heading: a label, not a time word.
bool OnHeading(const RuleContext& c) {
  return IsCaps(*c.word) && c.First() && c.n1().wordClass == Cls::SentenceEnd;
}
bool FirstMarked(const RuleContext& c) { return c.First() && IsMarked(*c.word); }
bool PrevIsVerbCode(const RuleContext& c) { return CodeStarts(c.p1(), 'V'); }
// Advice without a message shows only under a finding the word already
// has; on a word without one it would surface later under another finding.
bool PrevWithoutFinding(const RuleContext& c) {
  const WordRec& p = c.p1();
  return p.message <= 299 && p.message2 <= 299 && p.subClass <= 299;
}

// The opening conjunction takes the finding; the next word has no rules of
// its own.
void NextOutOfRules(RuleContext& c, WordRec&) {
  if (WordRec* next = c.N(1)) next->wordClass = 1;
}
void MoveToMainClause(RuleContext&, WordRec& w) {
  FormatSuggestion(&w, "(Move %s to main clause.)", w.written.c_str());
}
void RepeatWritten(RuleContext&, WordRec& w) { WriteSuggestion(&w, w.written.view()); }

// "before"/"after" after a word that asks for a clearer reference: advice
// on that word, no message.
constexpr RuleRow PrevAdvice(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1};
}

// clang-format off
constexpr RuleRow kClauseEndRows[] = {
    /*0*/ {.word = "a*|b*", .n1 = kClauseEnders, .suggestion = "(Rephrase for time clarity)", .tag = "<*->",
           .code = Msg::Awkward, .ruleId = 6734},
    /*1*/ {.word = "on", .n1 = kClauseEnders, .when = OnHeading, .tag = "<*->"},
    /*2*/ {.word = "on", .n1 = kClauseEnders, .suggestion = "ON position/in operation", .tag = "<*->",
           .code = Msg::NameLabel, .ruleId = 5334},
    /*3*/ {.n1 = kClauseEnders, .tag = "<*->"},
};

constexpr RuleRow kFirstWordRows[] = {
    /*0*/ {.when = FirstMarked},
    /*1*/ {.n1 = "p*", .when = First},
    /*2*/ {.n1Class = {Cls::FirstPerson, Cls::Pronoun}, .when = First},
    /*3*/ {.n1 = "no", .when = First, .suggestion = " If there is no/ If there are no", .covers = 2,
           .code = Msg::Awkward, .ruleId = 6334, .outcome = SkipCovered},
    /*4*/ {.when = First, .then = NextOutOfRules, .code = Msg::Awkward, .ruleId = 6334},
};

constexpr RuleRow kIfWhenBeforeRows[] = {
    /*0*/ {.p1Class = {Cls::Adverb, Cls::AndOr}},
    /*1*/ {.when = PrevIsVerbCode},
    /*2*/ {.n1Class = {Cls::Negation}, .covers = 2, .code = Msg::MissingReference, .ruleId = 4494, .outcome = SkipCovered},
    /*3*/ {.then = MoveToMainClause, .code = Msg::Awkward, .ruleId = 4594},
};

constexpr RuleRow kOtherWordRows[] = {
    /*0*/ {.n1 = "only|also", .then = RepeatWritten, .covers = 2, .code = Msg::Awkward, .ruleId = 1494, .outcome = SkipCovered},
    /*1*/ {.n1 = "at|anything|nothing|them|they", .covers = 2, .code = Msg::MissingReference, .ruleId = 1494, .outcome = SkipCovered},
};

constexpr RuleRow kLetterDRows[] = {
    /*0*/ {.n1 = "this|such", .n2 = "time", .suggestion = "(Give a time ref.)", .covers = 3,
           .code = Msg::Measurement, .ruleId = 3429, .outcome = SkipCovered},
    /*1*/ {.n1 = "times", .suggestion = "when/(Rephrase)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4211, .outcome = SkipCovered},
};

constexpr RuleRow kLetterWRows[] = {
    /*0*/ {.word = "whenever|whilst|whether", .suggestion = "when/if", .code = Msg::WrongMeaning, .ruleId = 3749},
    /*1*/ {.n1Class = {Cls::Verb}, .suggestion = "when you", .code = Msg::MissingReference, .ruleId = 4419},
    /*2*/ {.n1 = "handling", .suggestion = "when you touch/when you move/when you lift", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3451, .outcome = SkipCovered},
    /*3*/ {.n1 = "possible", .suggestion = "if it is possible", .covers = 2, .code = Msg::Awkward, .ruleId = 3451, .outcome = SkipCovered},
    /*4*/ {.n1 = "required", .suggestion = "if necessary", .covers = 2, .code = Msg::Awkward, .ruleId = 3451, .outcome = SkipCovered},
    /*5*/ {.n1 = "given", .suggestion = "shown when/shown if", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 3451},
    /*6*/ {.n1 = "going", .n2 = "in", .suggestion = "when you go to/(Rephrase)", .covers = 3,
           .code = Msg::WrongVerb, .ruleId = 3451, .outcome = SkipCovered},
    /*7*/ {.n1 = "not", .suggestion = "when xxx does not", .covers = 2, .code = Msg::Negative, .ruleId = 3451, .outcome = SkipCovered},
    /*8*/ {.n1 = "no", .suggestion = "if there is no/if there are no", .covers = 2, .code = Msg::Negative, .ruleId = 3451, .outcome = SkipCovered},
};

constexpr RuleRow kLetterABRows[] = {
    /*0*/ {.n1 = "time|being|having|leaving", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5211, .outcome = SkipCovered},
    // *soon after*, *day before*: advice on the previous word, by its first letter.
    /*1*/ {.p1 = "even|also|came|day|only|long|soon|shortly|come*", .when = PrevWithoutFinding},
    /*2*/ PrevAdvice("day", "(Give date Ref.)"),
    /*3*/ PrevAdvice("soon|shortly|long", "(Give time Ref.)"),
    /*4*/ PrevAdvice("came|come*", "(Give sequence Ref.)"),
    /*5*/ PrevAdvice("even|also|only", "before/after"),
    /*6*/ {.word = "b*", .n1 = "and", .n2 = "after", .outcome = PassTwo},
    /*7*/ {.word = "a*", .n1 = "some|short|long", .n2 = "while|time", .suggestion = "(Give a time ref.)", .covers = 3,
           .code = Msg::Measurement, .ruleId = 3429, .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kClauseEnd = kClauseEndRows;
const std::span<const RuleRow> kFirstWord = kFirstWordRows;
const std::span<const RuleRow> kIfWhenBefore = kIfWhenBeforeRows;
const std::span<const RuleRow> kOtherWord = kOtherWordRows;
const std::span<const RuleRow> kLetterD = kLetterDRows;
const std::span<const RuleRow> kLetterW = kLetterWRows;
const std::span<const RuleRow> kLetterAB = kLetterABRows;

}  // namespace time_conjunction
