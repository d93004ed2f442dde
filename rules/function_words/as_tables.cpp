// The rule tables of "as" (class 54), in the order they are tried.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/as_tables.h"

namespace as_rules {
namespace {

using enum Walk;

// The next word ends the text (the end record begins '@').
bool NextEndsText(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return !n || n->text.first() == '@';
}
// "as specified" reads as a finding only with the approved dictionary.
bool SpecifiedWithoutSte(const RuleContext& c) { return c.steDictionary == 0 && c.n1().text[1] == 'p'; }
bool OpensSentence(const RuleContext& c) { return c.First(); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
// A dropped "the" after "as", with no participle or -ed verb before "as".
bool MarkedAfterPlainWord(const RuleContext& c) {
  return NextMarked(c) && !ClassIsOneOf(c.p1(), {Cls::Participle, Cls::VerbEd});
}
// "as needed" and its kin after a noun are left alone.
bool AfterNoun(const RuleContext& c) {
  const WordRec* p = c.P(1);
  return p && p->wordClass < Cls::FirstNonNoun;
}
void NextNeutral(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Neutral;
}

// clang-format off
constexpr RuleRow kHeadRows[] = {
    {.n1Class = {Cls::Comma, Cls::SentenceEnd}, .code = Msg::Preposition, .ruleId = 7664},
    {.when = NextEndsText, .code = Msg::Preposition, .ruleId = 7664},
    // *as shown* and its kin, or a number.
    {.n1 = "stated|specified|determined|proof|necessary|viewed|shown|being|indicated", .when = SpecifiedWithoutSte},
    {.n1Class = {Cls::Number}},
    {.n1 = "stated|specified|necessary|shown", .outcome = PassNext},
    {.n1 = "determined|proof|viewed|being|indicated", .suggestion = "as shown", .covers = 2,
     .code = Msg::Preposition, .ruleId = 8328, .outcome = SkipCovered},
    // *as it is*
    {.n1 = "it", .n2 = "is", .when = OpensSentence, .suggestion = "When", .covers = 3,
     .code = Msg::Preposition, .ruleId = 8864, .outcome = SkipCovered},
    {.n1 = "it", .n2 = "is", .suggestion = "when", .covers = 3,
     .code = Msg::Preposition, .ruleId = 8864, .outcome = SkipCovered},
};

constexpr RuleRow kSentenceStartRows[] = {
    {.n1 = "an", .n2 = "alternative", .suggestion = "different/(Rephrase)", .covers = 3,
     .code = Msg::Preposition, .ruleId = 8164, .outcome = SkipCovered},
    {.n1 = "an", .code = Msg::Preposition, .ruleId = 8428},
    {.n1 = "a", .n2 = "result|condition|consequence", .suggestion = "Because/(Rephrase)", .covers = 3,
     .code = Msg::Preposition, .ruleId = 8664, .outcome = SkipCovered},
    {.when = NextMarked, .suggestion = "(When)/(While)", .code = Msg::Preposition, .ruleId = 3449},
    {.n1Class = {Cls::Article}, .suggestion = "(When)/(While)", .code = Msg::Preposition, .ruleId = 3449},
    {.n1 = "you|with", .covers = 2, .code = Msg::Awkward, .ruleId = 5582, .outcome = SkipCovered},
    {.n1Class = {Cls::Pronoun}, .covers = 2, .code = Msg::Awkward, .ruleId = 5582, .outcome = SkipCovered},
    {.n1 = "outlined", .n2 = "below", .suggestion = "shown below", .covers = 3,
     .code = Msg::WrongMeaning, .ruleId = 8664, .outcome = SkipCovered},
    {.n1 = "outlined", .n2 = "above", .suggestion = "shown above", .covers = 3,
     .code = Msg::WrongMeaning, .ruleId = 8664, .outcome = SkipCovered},
    {.n1 = "quickly", .n2Class = {Cls::As}, .n3 = "possible", .suggestion = "(Give time Ref.)", .covers = 4,
     .code = Msg::Measurement, .ruleId = 2679, .outcome = SkipCovered},
    {.code = Msg::Preposition, .ruleId = 2679},
};

constexpr RuleRow kMarkedNextRows[] = {
    {.when = MarkedAfterPlainWord},
};

// *X as*: the finding covers the previous word and "as" and sits on the
// previous word.
#define BEFORE_AS .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 4763
constexpr RuleRow kBeforeAsRows[] = {
    {.p1 = "appear*", .suggestion = "are shown", BEFORE_AS},
    {.p1 = "act*", .suggestion = "operate/operates", BEFORE_AS},
    {.p1 = "bank*", .suggestion = "bank(n)/at a bank angle of", BEFORE_AS},
    {.p1 = "configur*", .suggestion = "in a configuration", BEFORE_AS},
    {.p1 = "calculat*", .suggestion = "calculated by", BEFORE_AS},
    {.p1 = "designated", .suggestion = "as shown in/for/description", BEFORE_AS},
    {.p1 = "double", .suggestion = "is also/for", BEFORE_AS},
    {.p1 = "does|determined", .suggestion = "for", BEFORE_AS},
    {.p1 = "developed", .suggestion = "cause/(Rephrase)", BEFORE_AS},
    {.p1 = "exit|either|even", .suggestion = "(Rephrase)/when", BEFORE_AS},
    {.p1 = "function", .suggestion = "same type of operation", BEFORE_AS},
    {.p1 = "identified", .suggestion = "as shown/identify", BEFORE_AS},
    {.p1 = "intended", .suggestion = "for/(Delete)", BEFORE_AS},
    {.p1 = "just", .suggestion = "(when)/(Rephrase)", BEFORE_AS},
    {.p1 = "known", .suggestion = "known name/the name of", BEFORE_AS},
    {.p1 = "listed", .suggestion = "as shown", BEFORE_AS},
    {.p1 = "noticeable", .suggestion = "(shown as)", BEFORE_AS},
    {.p1 = "one", .suggestion = "(Give noun)", BEFORE_AS},
    {.p1 = "present|procedure*", .suggestion = "in a position over", BEFORE_AS},
    {.p1 = "serv*", .suggestion = "(Rephrase)", BEFORE_AS},
    {.p1 = "shown", .suggestion = "as shown in", BEFORE_AS},
    {.p1 = "specified", .suggestion = "(shown as)", BEFORE_AS},
    {.p1 = "straight", .suggestion = "level/aligned", BEFORE_AS},
    {.p1 = "same", BEFORE_AS},
    {.p1 = "watch*", .suggestion = "monitor/look/see", BEFORE_AS},
};
#undef BEFORE_AS

// Tried before the measure words so that a time or place phrase does not
// get a length reference.
constexpr RuleRow kAsPossibleRows[] = {
    {.n1 = "soon", .n2 = "as", .n3 = "possible", .suggestion = "(Give time ref.)", .covers = 4,
     .code = Msg::Preposition, .ruleId = 7764, .outcome = SkipCovered},
    {.n1 = "near|close", .n2 = "as", .n3 = "possible", .suggestion = "(Give distance ref.)", .covers = 4,
     .code = Msg::Preposition, .ruleId = 7764, .outcome = SkipCovered},
};

#define MEASURE_AS .covers = 3, .code = Msg::Awkward, .ruleId = 7664, .outcome = SkipCovered
constexpr RuleRow kAsMeasureAsRows[] = {
    {.n1 = "near", .n2Class = {Cls::As}, .suggestion = "(Give distance)", MEASURE_AS},
    {.n1 = "short|soon|far", .n2Class = {Cls::As}, .suggestion = "(Give length ref.)", MEASURE_AS},
    {.n1 = "used", .n2Class = {Cls::As}, .suggestion = "for use with", MEASURE_AS},
    {.n1 = "well", .n2Class = {Cls::As}, .suggestion = "(Delete phrase)", MEASURE_AS},
    {.n1 = "much", .n2Class = {Cls::As}, .suggestion = "(Give measure)", MEASURE_AS},
    {.n1 = "bad|good", .n2Class = {Cls::As}, .suggestion = "(Give quality ref. or Percent.)", MEASURE_AS},
    {.n1 = "high|long|low|little", .n2Class = {Cls::As}, .suggestion = "(Give distance or quantity ref.)",
     MEASURE_AS},
};
#undef MEASURE_AS

constexpr RuleRow kNextWordsRows[] = {
    {.n1 = "follows", .outcome = PassNext},
    {.n1 = "required", .suggestion = "as necessary", .covers = 2,
     .code = Msg::Preposition, .ruleId = 8318, .outcome = SkipCovered},
    {.n1 = "planned|practical", .suggestion = "(as given in the procedure)", .covers = 2,
     .code = Msg::Preposition, .ruleId = 8318, .outcome = SkipCovered},
    {.n1 = "these|this", .suggestion = "because", .covers = 2,
     .code = Msg::Preposition, .ruleId = 8318, .outcome = SkipCovered},
    {.n1 = "separate", .suggestion = "for", .covers = 2,
     .code = Msg::Preposition, .ruleId = 8318, .outcome = SkipCovered},
    {.n1 = "needed|it|they|standard|applicable", .when = AfterNoun},
    {.n1 = "needed|it|they|standard|applicable", .then = NextNeutral, .covers = 2,
     .code = Msg::MissingReference, .ruleId = 8864, .outcome = SkipCovered},
};

constexpr RuleRow kPhrasesBeforeRows[] = {
    {.n1 = "compared", .n2 = "to", .suggestion = "when you compare xxx to", .covers = 3,
     .code = Msg::Measurement, .ruleId = 2679, .outcome = SkipCovered},
    {.n1 = "per", .suggestion = "(as given in)/(refer to)", .covers = 2,
     .code = Msg::Preposition, .ruleId = 2679, .outcome = SkipCovered},
    {.n1 = "for|one", .suggestion = "as a/for", .covers = 2,
     .code = Msg::Preposition, .ruleId = 2679, .outcome = SkipCovered},
};

constexpr RuleRow kPhrasesAfterRows[] = {
    {.n1 = "safe", .n2 = "as|to", .suggestion = "(Rephrase for safety or measure.)", .covers = 3,
     .code = Msg::WrongMeaning, .ruleId = 7764, .outcome = SkipCovered},
    {.n1 = "measured", .n2 = "with", .suggestion = "measure the ...", .covers = 3,
     .code = Msg::Awkward, .ruleId = 7764, .outcome = SkipCovered},
    {.n1 = "set", .n2 = "forth", .suggestion = "as shown/(Rephrase)", .covers = 3,
     .code = Msg::Awkward, .ruleId = 7764, .outcome = SkipCovered},
    {.n1 = "such|in", .suggestion = "for example", .covers = 2,
     .code = Msg::Preposition, .ruleId = 2764, .outcome = SkipCovered},
};

constexpr RuleRow kResultWellRows[] = {
    {.n1 = "result", .when = NextMarked, .on = On::N1, .code = Msg::Awkward, .ruleId = 3582, .outcome = PassNext},
    {.n1 = "well", .covers = 2, .code = Msg::Delete, .ruleId = 7664, .outcome = SkipCovered},
};

// A phrase of two words flags "as" with rule 7664, a longer one with 7764.
#define TWO .covers = 2, .code = Msg::Preposition, .ruleId = 7664, .outcome = SkipCovered
#define THREE .covers = 3, .code = Msg::Preposition, .ruleId = 7764, .outcome = SkipCovered
#define FOUR .covers = 4, .code = Msg::Preposition, .ruleId = 7764, .outcome = SkipCovered
constexpr RuleRow kPhrasesRows[] = {
    /*0*/ {.n1 = "little", .suggestion = "(Give ref.)", TWO},
    /*1*/ {.n1 = "noted", .suggestion = "as shown", TWO},
    /*2*/ {.n1 = "near", .n2 = "as", .n3 = "possible", .suggestion = "nearest/(Give distance)", FOUR},
    /*3*/ {.n1 = "opposed", .n2 = "to", .suggestion = "(Rephrase)/different from", THREE},
    /*4*/ {.n1 = "often", .suggestion = "(Give ref.)", TWO},
    /*5*/ {.n1 = "provided", .suggestion = "given/supplied", TWO},
    /*6*/ {.n1 = "pictured", .suggestion = "as shown", TWO},
    /*7*/ {.n1 = "part", .n2 = "of", .suggestion = "part of/for", THREE},
    /*8*/ {.n1 = "seen", .suggestion = "as shown", TWO},
    /*9*/ {.n1 = "to", .suggestion = "in reference to", TWO},
    /*10*/ {.n1 = "used", .suggestion = "(Rephrase)", TWO},
    /*11*/ {.n1 = "a", .n2 = "basis", .n3 = "for", .suggestion = "for", FOUR},
    /*12*/ {.n1 = "a", .n2 = "matter", .n3 = "of", .suggestion = "(Delete)", FOUR},
    /*13*/ {.n1 = "a", .n2 = "means", .n3 = "of", .suggestion = "for/to", FOUR},
    /*14*/ {.n1 = "a", .n2 = "result", .n3 = "of", .suggestion = "because", FOUR},
    /*15*/ {.n1 = "a", .n2 = "result", .suggestion = "because/(Rephrase)", THREE},
    /*16*/ {.n1 = "an", .n2 = "example", .suggestion = "for example", THREE},
    /*17*/ {.n1 = "a", .n2 = "rule", .suggestion = " normally", THREE},
    /*18*/ {.n1 = "a", .n2 = "guide", .suggestion = "refer to", THREE},
    /*19*/ {.n1 = "a", .n2 = "whole", .suggestion = "(Delete)", THREE},
    /*20*/ {.n1 = "close", .n2 = "to", .suggestion = " near/(Give ref.)", THREE},
    /*21*/ {.n1 = "covered", .n2 = "below", .suggestion = "as shown below", THREE},
    /*22*/ {.n1 = "described|directed|detailed", .suggestion = "as shown", TWO},
    /*23*/ {.n1 = "desired", .suggestion = "as necessary", TWO},
    /*24*/ {.n1 = "either", .suggestion = "for ... or ...", TWO},
    /*25*/ {.n1 = "far", .n2 = "away", .suggestion = "(Give a safe distance)", THREE},
    /*26*/ {.n1 = "far|fast", .n2 = "as", .n3 = "possible", .suggestion = "(Give ref.)", FOUR},
    /*27*/ {.n1 = "given", .n2 = "in", .suggestion = "as shown in", THREE},
    /*28*/ {.n1 = "explained", .suggestion = "as shown/as told", TWO},
    /*29*/ {.n1 = "given", .suggestion = "as shown", TWO},
};
#undef TWO
#undef THREE
#undef FOUR
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kSentenceStart = kSentenceStartRows;
const std::span<const RuleRow> kMarkedNext = kMarkedNextRows;
const std::span<const RuleRow> kBeforeAs = kBeforeAsRows;
const std::span<const RuleRow> kAsPossible = kAsPossibleRows;
const std::span<const RuleRow> kAsMeasureAs = kAsMeasureAsRows;
const std::span<const RuleRow> kNextWords = kNextWordsRows;
const std::span<const RuleRow> kPhrasesBefore = kPhrasesBeforeRows;
const std::span<const RuleRow> kPhrasesAfter = kPhrasesAfterRows;
const std::span<const RuleRow> kResultWell = kResultWellRows;
const std::span<const RuleRow> kPhrases = kPhrasesRows;

}  // namespace as_rules
