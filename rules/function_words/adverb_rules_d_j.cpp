// The adverb chains of the letters d to j: "double", "directly", "either",
// "forward" with "backward", "fully", "first", "how" and "just".
#include "engine/rule_text.h"
#include "rules/function_words/adverb_tables.h"

namespace adverb {
namespace {

using enum Walk;

// *double wall thickness*: "double" and a noun before another noun.
bool DoubleCompound(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && n->wordClass < Cls::FirstNonNoun && n->markFlag == '0' && n->splitKind != '4' &&
         c.N(2) && kNounClasses.Has(c.N(2)->wordClass);
}
void JoinWithNext(RuleContext& c, WordRec& w) {
  FormatSuggestion(&w, "%s-%s", w.written.c_str(), c.n1().written.c_str());
}

bool PrevVerbOrNounCode(const RuleContext& c) { return PrevVerbCode(c) || CodeStarts(c.p1(), 'N'); }
// *fully open valve*: the word before a noun, neither word split off a compound.
bool OpenBeforeNoun(const RuleContext& c) {
  return c.word->splitKind != '4' && c.n1().splitKind != '4' && NextOrdinary(c);
}
bool SteDictionary(const RuleContext& c) { return c.steDictionary == 1; }

// clang-format off
constexpr RuleRow kDouble[] = {
    /*0*/ {.when = DoubleCompound, .then = JoinWithNext, .covers = 2, .code = Msg::Hyphenation, .ruleId = 8234,
           .outcome = SkipCovered},
    /*1*/ {.suggestion = "two/(Rephrase)", .code = Msg::WrongMeaning, .ruleId = 6654},
};

constexpr RuleRow kDirectly[] = {
    /*0*/ {.n1 = "opposite|above|over|below", .code = Msg::Delete, .ruleId = 6654},
};

constexpr RuleRow kEither[] = {
    /*0*/ {.n1 = "be", .covers = 2, .code = Msg::Awkward, .ruleId = 2238, .outcome = SkipCovered},
    /*1*/ {.n1 = "side", .suggestion = "one side or both sides", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3238,
           .outcome = SkipCovered},
    /*2*/ {.n1 = "end", .suggestion = "one end or both ends", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3238,
           .outcome = SkipCovered},
    /*3*/ {.suggestion = "one... of the ...", .code = Msg::Adverb, .ruleId = 3238},
};

// "forward" and "backward" share their rows; a label names the word's own
// direction.
constexpr RuleRow kForward[] = {
    /*0*/  {.n1Class = {Cls::Comma}},
    /*1*/  {.word = "backward", .n1 = "facing", .suggestion = "toward the rear", .covers = 2, .code = Msg::WrongChoice,
            .ruleId = 2949, .outcome = SkipCovered},
    /*2*/  {.n1 = "facing", .suggestion = "toward the front", .covers = 2, .code = Msg::WrongChoice, .ruleId = 2949,
            .outcome = SkipCovered},
    /*3*/  {.n1 = "and", .n2 = "backward", .outcome = PassTwo},
    /*4*/  {.word = "backward", .p1Class = {Cls::PlacePreposition}, .suggestion = "the BACKWARD position", .verbForm = 'X',
            .code = Msg::NameLabel, .ruleId = 5959},
    /*5*/  {.p1Class = {Cls::PlacePreposition}, .suggestion = "the FORWARD position", .verbForm = 'X',
            .code = Msg::NameLabel, .ruleId = 5959},
    /*6*/  {.p1Class = {Cls::Modal}, .suggestion = "send", .code = Msg::WrongVerb, .ruleId = 5949},
    /*7*/  {.n2Class = {Cls::Article, Cls::Demonstrative}, .suggestion = "send", .code = Msg::WrongVerb, .ruleId = 5949},
    /*8*/  {.when = PrevVerbOrNounCode, .outcome = Clear},
    /*9*/  {.p1Class = {Cls::Comma}, .outcome = Clear},
    /*10*/ {.n1Class = {Cls::Preposition, Cls::Neutral, Cls::Comma, Cls::SentenceEnd, Cls::InnerPunctuation,
                        Cls::AndOr, Cls::PlacePreposition, Cls::TimeConjunction, Cls::Class41, Cls::To},
            .outcome = Clear},
    /*11*/ {.p1 = "=*"},
    /*12*/ {.n2 = "reverse"},
    /*13*/ {.word = "backward", .p1 = "switch", .suggestion = "switch in the BACKWARD position", .verbForm = 'X',
            .code = Msg::NameLabel, .ruleId = 4949},
    /*14*/ {.p1 = "switch", .suggestion = "switch in the FORWARD position", .verbForm = 'X', .code = Msg::NameLabel,
            .ruleId = 4949},
    /*15*/ {.p1Class = {Cls::Pronoun, Cls::NounPlural, Cls::FirstPerson}, .clear = true, .code = Msg::WrongVerb,
            .ruleId = 4949},
    /*16*/ {.n1Class = {Cls::Participle, Cls::Adverb}, .clear = true, .code = Msg::WrongVerb, .ruleId = 4949},
    /*17*/ {.code = Msg::Adverb, .ruleId = 1342},
};

// "fully" before a participle or verb: a measurable statement instead.
constexpr RuleRow FullyWord(Words next, const char* text) {
  return {.n1 = next, .when = NextUnmarked, .suggestion = text, .covers = 2, .code = Msg::Measurement,
          .ruleId = 6153, .outcome = PassNext};
}
constexpr RuleRow kFully[] = {
    /*0*/  {.n1 = "extend*", .outcome = PassNext},
    /*1*/  {.n1 = "open|closed", .n2Class = kNounClasses, .when = OpenBeforeNoun, .covers = 2, .code = Msg::Hyphenation,
            .ruleId = 5153, .outcome = PassNext},
    /*2*/  {.n1 = "open|closed"},
    /*3*/  {.n1 = "free|inspect", .code = Msg::Delete, .ruleId = 6153},
    /*4*/  {.n1 = "aware", .suggestion = "know", .covers = 2, .code = Msg::Measurement, .ruleId = 6153,
            .outcome = SkipCovered},
    /*5*/  FullyWord("assembled|after", "correctly assembled"),
    /*6*/  FullyWord("below|bottomed", "touches the bottom"),
    /*7*/  FullyWord("fitted|functional", "operates correctly"),
    /*8*/  FullyWord("filled", "(Give a level or indicator)"),
    /*9*/  FullyWord("grease", "apply a thin layer of grease"),
    /*10*/ FullyWord("tighten", "(Tighten to a torque of xxx N.m)"),
    /*11*/ FullyWord("clean|down|up|upright|under|over", "(Give user reference or position)"),
};

constexpr RuleRow kFirst[] = {
    /*0*/ {.n1Class = {Cls::With}, .code = Msg::Adverb, .ruleId = 5153},
    /*1*/ {.n1 = "time", .covers = 2, .code = Msg::Measurement, .ruleId = 1321, .outcome = SkipCovered},
    /*2*/ {.p1 = "without", .clear = true, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 1321},
    /*3*/ {.when = SelfMarked},
    /*4*/ {.n1Class = kNounClasses},
    /*5*/ {.n1Class = {Cls::Comma, Cls::AndOr, Cls::Verb, Cls::Participle, Cls::VerbEd}},
    /*6*/ {.p1Class = {Cls::Article}},
    /*7*/ {.when = PrevVerbCode},
    /*8*/ {.code = Msg::Adverb, .ruleId = 3176},
};

// *see how*, *learn how*: "show" on the verb before.
#define SHOW_HOW .covers = 2, .on = On::P1, .code = Msg::Rephrase, .ruleId = 5153, .outcome = Clear
#define HOW_MEASURE .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1232, .outcome = SkipCovered
constexpr RuleRow kHow[] = {
    /*0*/  {.when = SelfMarked, .code = Msg::Awkward, .ruleId = 5153},
    /*1*/  {.n1 = "to", .outcome = PassNext},
    /*2*/  {.n1 = "many", .n2Class = {Cls::Noun, Cls::Nomenclature}, .suggestion = "(Check for plural)", .on = On::N2},
    /*3*/  {.n1 = "many"},
    /*4*/  {.n1 = "much", .suggestion = "(Give a quantity)", .covers = 2, .code = Msg::Measurement, .ruleId = 3232,
            .outcome = PassNext},
    /*5*/  {.n1 = "can|will|could|might|may|would", .suggestion = "(Do not use questions.)", .covers = 2,
            .code = Msg::Translation, .ruleId = 3232, .outcome = PassNext},
    /*6*/  {.n1Class = kClauseEnd, .code = Msg::Rephrase, .ruleId = 3232},
    /*7*/  {.n1 = "@*", .code = Msg::Rephrase, .ruleId = 3232},
    /*8*/  {.n1Class = {Cls::Pronoun}, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1432, .outcome = PassNext},
    /*9*/  {.n1 = "fast|slow|great", .suggestion = "(Give time ref.)", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 1432, .outcome = PassNext},
    /*10*/ {.p1 = "just", .when = PrevOrdinary, .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 3232,
            .outcome = Clear},
    /*11*/ {.p1Class = {Cls::Be}, .when = PastThird, .clear = true, .suggestion = "shows how", SHOW_HOW},
    /*12*/ {.p1Class = {Cls::Have}, .when = PastThird, .clear = true, .suggestion = "show how", SHOW_HOW},
    /*13*/ {.p1 = "clear|learn|regarding|see*|cover*", .when = PastThird, .clear = true, .suggestion = "show/shows", SHOW_HOW},
    /*14*/ {.n1 = "soon|slowly", .suggestion = "(Give time or distance.)", HOW_MEASURE},
    /*15*/ {.n1 = "long", .suggestion = "(Give length or time)", HOW_MEASURE},
    /*16*/ {.n1 = "often", .suggestion = "(Give time ref.)", HOW_MEASURE},
    /*17*/ {.n1 = "does", .suggestion = "(Rephrase)", HOW_MEASURE},
};
#undef SHOW_HOW
#undef HOW_MEASURE

#define JUST_PHRASE .covers = 2, .code = Msg::Translation, .ruleId = 3232, .outcome = PassNext
constexpr RuleRow kJust[] = {
    /*0*/ {.n1 = "inside|outside|over|under", .suggestion = "(Give a distance)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8896, .outcome = SkipCovered},
    /*1*/ {.when = SteDictionary, .code = Msg::Delete, .ruleId = 8896},
    /*2*/ {.n1 = "that", .code = Msg::Delete, .ruleId = 7958},
    /*3*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Preposition, .ruleId = 7958},
    /*4*/ {.n1 = "as", .suggestion = "when", JUST_PHRASE},
    /*5*/ {.n1 = "like", .suggestion = "like/equivalent", JUST_PHRASE},
    /*6*/ {.n1 = "how", .suggestion = "how to/how/shown how to", JUST_PHRASE},
};
#undef JUST_PHRASE
// clang-format on

constexpr Chain kD[] = {{"double", kDouble}, {"directly", kDirectly}};
constexpr Chain kE[] = {{"either", kEither}};
constexpr Chain kF[] = {{"forward|f-backward", kForward}, {"fully", kFully}, {"first", kFirst}};
constexpr Chain kH[] = {{"how", kHow}};
constexpr Chain kJ[] = {{"just", kJust}};

}  // namespace

const std::span<const Chain> kGroupD = kD;
const std::span<const Chain> kGroupE = kE;
const std::span<const Chain> kGroupF = kF;
const std::span<const Chain> kGroupH = kH;
const std::span<const Chain> kGroupJ = kJ;

}  // namespace adverb
