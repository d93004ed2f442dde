// Rows of the adjectives inside their sentence, words "both" to "hot".
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/main/adjective_word_tables.h"
#include "rules/main/word_rule_tests.h"

using namespace word_rows;

namespace {

bool NextNotNounAdjectiveArticle(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && !CodeStarts(*n, 'N') && !CodeStarts(*n, 'A') && n->wordClass != Cls::Article;
}
bool Inside2Marked(const RuleContext& c) { return Inside2(c) && WordMarked(c); }
bool CoolCase(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return Inside(c) && n && !kNounClasses.Has(n->wordClass) && !TextIsOneOf(c.p1(), {"become", "feel"});
}
bool NeitherSplit4(const RuleContext& c) { return !WordOrNextSplit4(c); }
bool FullHyphen(const RuleContext& c) { return c.word->length > 5 && c.word->written[4] == '-'; }
bool InsidePrev0(const RuleContext& c) { return Inside(c) && PrevToken0(c); }
bool Inside2Prev0(const RuleContext& c) { return Inside2(c) && PrevToken0(c); }
bool Inside2Prev0Verb(const RuleContext& c) { return Inside2Prev0(c) && CodeStarts(c.p1(), 'V'); }
bool NoCostCase(const RuleContext& c) { return Inside2Prev0(c) && c.word->markFlag == '0'; }
bool NextWrittenNotM(const RuleContext& c) { return c.n1().written.first() != 'M'; }
bool CapitalisedUnknown(const RuleContext& c) {
  return c.word->caseFlag == '1' && c.n1().caseFlag == '1' && c.n1().message == Msg::NotInDictionary;
}
// An 'h' word before a noun and a second noun: a compound.
bool HCompound(const RuleContext& c) {
  return c.n2().markFlag == '0' && WordSplit0(c) && CodeStarts(c.n2(), 'N');
}

void BothNames(RuleContext& c, WordRec&) {
  c.word->wordClass = Cls::ProperName;
  if (WordRec* n = c.N(1)) {
    n->wordClass = Cls::ProperName;
    n->message = n->message2 = 0;
  }
}

constexpr Classes kVerbForms = {Cls::Verb, Cls::VerbS, Cls::VerbEd, Cls::VerbIng};

// clang-format off
constexpr RuleRow kBoth[] = {
    /*0*/ {.n1 = "sides|halves|faces|ends", .then = ClearNext, .outcome = kOverN},
    /*1*/ {.when = NextNotNounAdjectiveArticle, .suggestion = "(for)/the two", .code = Msg::Adjective, .ruleId = 2874},
    // The advice goes with the finding on "in".
    /*2*/ {.p1 = "in", .when = Inside, .suggestion = "in each/the two", .covers = 2, .on = On::P1,
           .code = Msg::Preposition, .ruleId = 5894},
    /*3*/ {.n1 = "together", .when = Inside, .suggestion = "together", .covers = 2, .code = Msg::WrongChoice,
           .ruleId = 5894, .outcome = kSkip},
    /*4*/ {.n1 = "with|of", .when = Inside, .suggestion = "each of", .covers = 2, .code = Msg::MissingReference,
           .ruleId = 5894, .outcome = kSkip},
    /*5*/ {.n1Class = {Cls::Verb}, .when = Inside, .code = Msg::MissingReference, .ruleId = 5894},
    /*6*/ {.n1Class = {Cls::ShortForm}},
    /*7*/ {.suggestion = "(the two ...)", .code = Msg::Preposition, .ruleId = 5894},
};

constexpr RuleRow kCurrent[] = {
    /*0*/ {.p1Class = {Cls::Article}, .when = Inside2, .suggestion = "electrical current/active/(Delete)", .covers = 2,
           .on = On::P1, .code = Msg::Translation, .ruleId = 5687},
    /*1*/ {.when = Inside2Marked, .suggestion = "electrical current/active/(Delete)", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 5687},
};

constexpr RuleRow kCold[] = {
    /*0*/ {.p1 = "get*|got|stay", .when = Inside2, .suggestion = "become/becomes/became/is/are", .covers = 2,
           .on = On::P1, .code = Msg::Translation, .ruleId = 5687},
};

constexpr RuleRow kClose[] = {
    /*0*/ {.n1 = "tolerance", .suggestion = "(Give a tolerance range)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 5687, .outcome = kOverN},
    /*1*/ {.n1 = "by|up|on|to", .covers = 2, .code = Msg::Awkward, .ruleId = 5687, .outcome = kOverN},
};

constexpr RuleRow kClearWord[] = {
    /*0*/ {.p1 = "push|lift|pull", .when = Inside, .suggestion = "lift xxx above / lift xxx away from", .covers = 2,
           .on = On::P1, .code = Msg::WrongVerb, .ruleId = 6012},
    /*1*/ {.p1 = "become", .when = Inside},
    /*2*/ {.n1Class = kNounClasses},
    /*3*/ {.when = NextCodeA},
    // The pair is one finding on "clear", covering the word after it.
    /*4*/ {.n1 = "fault", .suggestion = "Correct the fault/Reset the ...", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 3612, .outcome = kSkip},
    /*5*/ {.n1 = "of", .suggestion = "(Give a clearance)/distance", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 3612, .outcome = kSkip},
    /*6*/ {.n1 = "off|out", .suggestion = "Remove/Removes/visible", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 3612, .outcome = kSkip},
    /*7*/ {.clear = true, .suggestion = "(Rephrase)", .code = Msg::WrongVerb, .ruleId = 5687},
};

constexpr RuleRow kCool[] = {
    /*0*/ {.when = CoolCase, .clear = true, .suggestion = "become cool/decrease temperature", .code = Msg::WrongVerb,
           .ruleId = 5687},
};

constexpr RuleRow kDry[] = {
    /*0*/ {.n1 = "run", .suggestion = "do a test", .covers = 2, .code = Msg::Adjective, .ruleId = 5487,
           .outcome = kSkip},
};

constexpr RuleRow kDouble[] = {
    /*0*/ {.when = NeitherSplit4, .clear = true, .suggestion = "(Rephrase)", .code = Msg::Adjective, .ruleId = 5487},
    /*1*/ {.clear = true, .then = ClearNext},
};

constexpr RuleRow kEnough[] = {
    /*0*/ {.n1 = "time|slack|speed", .suggestion = "(Give range or measure)", .covers = 2,
           .code = Msg::MissingReference, .ruleId = 2787, .outcome = kSkip},
    /*1*/ {.p1 = "loose|tight|close|high|low|hot|cold|large", .when = Inside,
           .suggestion = "(Give range or measurement)", .covers = 2, .on = On::P1, .code = Msg::Measurement,
           .ruleId = 3787},
    /*2*/ {.suggestion = "(Rephrase)", .code = Msg::WrongMeaning, .ruleId = 2787},
};

constexpr RuleRow kEven[] = {
    /*0*/ {.n1 = "number"},
    /*1*/ {.n1 = "as|at|for|further|better|bigger|if|so|those|though|smaller|one|most|when|worse|up", .covers = 2,
           .code = Msg::Translation, .ruleId = 4153, .outcome = kSkip},
    /*2*/ {.p1Class = {Cls::AndOr}, .when = Inside, .code = Msg::Delete, .ruleId = 1336},
    /*3*/ {.n1Class = kVerbForms, .code = Msg::WrongMeaning, .ruleId = 1236, .outcome = kOverN},
};

constexpr RuleRow kFull[] = {
    /*0*/ {.n1 = "load", .then = NextNoun, .outcome = kOverN},
#define FULL_MEASURE(words, advice) \
  {.n1 = words, .suggestion = advice, .covers = 2, .code = Msg::Measurement, .ruleId = 4831, .outcome = kSkip}
    /*1*/ FULL_MEASURE("distance", "(Give a distance ref.)"),
    /*2*/ FULL_MEASURE("description", "complete description"),
    /*3*/ FULL_MEASURE("day", "(Give hours)"),
    /*4*/ FULL_MEASURE("effect", "(Rephrase)"),
    /*5*/ FULL_MEASURE("hour", "60 minutes"),
    /*6*/ FULL_MEASURE("list", "complete list"),
    /*7*/ FULL_MEASURE("minute", "60 seconds"),
    /*8*/ FULL_MEASURE("pressure", "(Give a pressure range)"),
    /*9*/ FULL_MEASURE("rate|rotation|range", "(Give a range or degrees)"),
    /*10*/ FULL_MEASURE("travel", "(Give distance range)"),
    /*11*/ FULL_MEASURE("turn*", "(Give rotation or degrees)"),
    /*12*/ FULL_MEASURE("time", "(Give a time range)"),
#undef FULL_MEASURE
    /*13*/ {.n1 = "assembly", .covers = 2, .code = Msg::Measurement, .ruleId = 4831, .outcome = kSkip},
    /*14*/ {.n1 = "against|color|colour|down|in|out|protection|over|up|function*|attentio*",
            .suggestion = "(Give measurement ref.)", .covers = 2, .code = Msg::Measurement, .ruleId = 7627,
            .outcome = kSkip},
    /*15*/ {.when = FullHyphen, .suggestion = "(Give measurement for full)", .code = Msg::Measurement,
            .ruleId = 3627},
};

constexpr RuleRow kFlush[] = {
    /*0*/ {.p1Class = {Cls::Be, Cls::Have}, .when = Inside, .suggestion = "align to/level", .code = Msg::WrongMeaning,
           .ruleId = 9637},
};

constexpr RuleRow kFast[] = {
    /*0*/ {.n1 = "time*|chang*|move*|speed*", .suggestion = "(Give time, speed measurement)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 9637, .outcome = kSkip},
    /*1*/ {.n1Class = kEnds, .suggestion = "(Give time, speed measurement)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 9637, .outcome = kSkip},
};

constexpr RuleRow kFree[] = {
    /*0*/ {.n1 = "air*|flow*|movement", .outcome = kOverN},
    /*1*/ {.n1 = "up", .suggestion = "release/remove/(Rephrase)", .covers = 2, .code = Msg::WrongChoice,
           .ruleId = 2787, .outcome = kSkip},
    /*2*/ {.n1 = "of|fro*", .suggestion = "does not contain/does not have", .covers = 2, .code = Msg::WrongChoice,
           .ruleId = 2787, .outcome = kSkip},
    /*3*/ {.n1 = "to", .n2Class = {Cls::Verb, Cls::Have}, .suggestion = "can be", .covers = 3,
           .code = Msg::WrongChoice, .ruleId = 2787, .outcome = kSkip},
    /*4*/ {.n1 = "to", .n2 = "be", .suggestion = "can be/(Rephrase)", .covers = 3, .code = Msg::WrongVerb,
           .ruleId = 2787, .outcome = kSkip},
    /*5*/ {.p1 = "swing*", .when = InsidePrev0, .suggestion = "move/release/turn", .on = On::P1,
           .code = Msg::Translation, .ruleId = 2787, .outcome = kClear},
    /*6*/ {.p1 = "error|noise", .when = InsidePrev0, .suggestion = "without error/without noise/correct", .on = On::P1,
           .code = Msg::Translation, .ruleId = 2787, .outcome = kClear},
    /*7*/ {.n1 = "fall", .suggestion = "falls/falls freely", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2787,
           .outcome = kOverN},
    /*8*/ {.n1 = "edges", .suggestion = "moves freely/turns freely/edges", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 2787, .outcome = kOverN},
    /*9*/ {.n1 = "its", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2787,
           .outcome = kOverN},
    /*10*/ {.n1 = "turn*", .suggestion = "turn", .covers = 2, .code = Msg::Translation, .ruleId = 2787,
            .outcome = kOverN},
    /*11*/ {.n1 = "end*", .suggestion = "the end for xxxx", .covers = 2, .code = Msg::Translation, .ruleId = 2787,
            .outcome = kOverN},
    /*12*/ {.n1 = "flowing", .suggestion = "(Give flows rate)", .covers = 2, .code = Msg::Translation,
            .ruleId = 2787, .outcome = kOverN},
    /*13*/ {.n1 = "fal*", .suggestion = "free movement", .covers = 2, .code = Msg::Translation, .ruleId = 2787,
            .outcome = kOverN},
    /*14*/ {.n1 = "rotation", .suggestion = "easy rotation", .covers = 2, .code = Msg::Translation, .ruleId = 2787,
            .outcome = kOverN},
    /*15*/ {.n1Class = kEnds, .when = Inside, .code = Msg::Delete, .ruleId = 2787},
    /*16*/ {.p1Class = {Cls::Be, Cls::Have, Cls::To}, .when = Inside, .suggestion = "loosen/(Rephrase)",
            .code = Msg::WrongVerb, .ruleId = 2787},
    /*17*/ {.n1Class = kNounClasses, .when = Inside, .code = Msg::WrongMeaning, .ruleId = 2787},
    /*18*/ {.p1Class = {Cls::ForBy}, .when = NoCostCase, .suggestion = "(Rephrase)", .covers = 2, .on = On::P1,
            .code = Msg::Translation, .ruleId = 2787, .outcome = kClear},
    /*19*/ {.p1 = "stay*", .when = PrevToken0, .suggestion = "has free movement/not tight", .covers = 2, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 2787, .outcome = kClear},
    /*20*/ {.p1 = "come*|become", .when = PrevToken0, .suggestion = "becomes loose/become loose/is loose", .covers = 2,
            .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2787, .outcome = kClear},
};

constexpr RuleRow kGood[] = {
    /*0*/ {.n1 = "practice|time|as|at|in|with|understanding|knowledge|for|fit", .covers = 2,
           .code = Msg::Translation, .ruleId = 5558, .outcome = kSkip},
    /*1*/ {.n1 = "idea|morning|faith|afternoon", .covers = 2, .code = Msg::Delete, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kGeneral[] = {
    /*0*/ {.n1 = "warnings*", .code = Msg::Delete, .ruleId = 4627},
    /*1*/ {.n1 = "idea|rule|work|service|problem|motors|view|guideline*|practice*|procedure*", .when = NextWrittenNotM,
           .suggestion = "information about/(Rephrase)", .covers = 2, .code = Msg::Translation, .ruleId = 4627,
           .outcome = kSkip},
    /*2*/ {.n1 = "idea|rule|work|service|problem|motors|view|guideline*|practice*|procedure*"},
    /*3*/ {.n1Class = kNounClasses, .when = CapitalisedUnknown, .then = BothNames},
    /*4*/ {.n1Class = kNounClasses},
    /*5*/ {.code = Msg::Adjective, .ruleId = 4627},
};

constexpr RuleRow kH[] = {
    /*0*/ {.when = WordOrNextSplit4},
    /*1*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .when = HCompound, .then = Hyphenated, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 9216, .outcome = kSkip},
};

constexpr RuleRow kHeavy[] = {
    /*0*/ {.n1 = "load|weight|accumulation", .suggestion = "(Give a legal weight,size or limit)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 5687, .outcome = kOverN},
};

constexpr RuleRow kHot[] = {
    /*0*/ {.when = AtMost2},
    /*1*/ {.p1Class = {Cls::PlacePreposition}},
    /*2*/ {.p1 = "become|feel"},
    /*3*/ {.p1 = "get*|run*|got|stay", .suggestion = "become/becomes/became/is/are", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 5687},
    /*4*/ {.n1 = "wire", .suggestion = "(Rephrase - heat or electric)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 5687, .outcome = kSkip},
    /*5*/ {.n1 = "day", .suggestion = "(Give daily temp. range)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 5687, .outcome = kSkip},
};

constexpr RuleRow kHard[] = {
    /*0*/ {.n1 = "hat", .suggestion = "protective headgear/hard hat symbol", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 6627, .outcome = kSkip},
    /*1*/ {.when = Inside2Prev0Verb, .code = Msg::Rephrase, .ruleId = 6558},
    /*2*/ {.n1 = "problems|shutdown|issues", .when = Inside2Prev0, .covers = 2, .code = Msg::Rephrase,
           .ruleId = 5558, .outcome = kSkip},
    /*3*/ {.n1 = "way", .suggestion = "difficult/difficult method", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 9427, .outcome = kSkip},
    /*4*/ {.n1 = "to|against|down|up|face*", .suggestion = "against/touches/(Rephrase)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 9427, .outcome = kSkip},
    /*5*/ {.suggestion = "difficult", .code = Msg::WrongMeaning, .ruleId = 4627},
};
// clang-format on

}  // namespace

namespace adjective_rows {
std::span<const RuleRow> Both() { return kBoth; }
std::span<const RuleRow> Current() { return kCurrent; }
std::span<const RuleRow> Cold() { return kCold; }
std::span<const RuleRow> Close() { return kClose; }
std::span<const RuleRow> Clear() { return kClearWord; }
std::span<const RuleRow> Cool() { return kCool; }
std::span<const RuleRow> Dry() { return kDry; }
std::span<const RuleRow> Double() { return kDouble; }
std::span<const RuleRow> Enough() { return kEnough; }
std::span<const RuleRow> Even() { return kEven; }
std::span<const RuleRow> Full() { return kFull; }
std::span<const RuleRow> Flush() { return kFlush; }
std::span<const RuleRow> Fast() { return kFast; }
std::span<const RuleRow> Free() { return kFree; }
std::span<const RuleRow> Good() { return kGood; }
std::span<const RuleRow> General() { return kGeneral; }
std::span<const RuleRow> HWord() { return kH; }
std::span<const RuleRow> Heavy() { return kHeavy; }
std::span<const RuleRow> Hot() { return kHot; }
std::span<const RuleRow> Hard() { return kHard; }
}  // namespace adjective_rows
