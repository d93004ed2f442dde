// Rows of the adjectives inside their sentence, words "lower" to
// "together" (the words beginning with "low" are beside "high").
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/main/adjective_word_tables.h"
#include "rules/main/word_rule_tests.h"

using namespace word_rows;

namespace {

bool NextUnmarkedNotSplit4(const RuleContext& c) { return NextUnmarked(c) && WordNotSplit4(c); }
// "long" before a word of length or time: a measure when no noun follows.
bool MeasureWanted(const RuleContext& c) {
  return WordSplit4(c) || (c.N(2) && c.N(2)->wordClass >= 20);
}
bool InsidePrev0(const RuleContext& c) { return Inside(c) && PrevToken0(c); }
bool OldEnds(const RuleContext& c) { return c.word->sentencePos <= 1 || c.p1().tokenKind != 0; }
bool MarkedNotSplit4(const RuleContext& c) { return WordMarked(c) && WordNotSplit4(c); }
bool PrevVerb(const RuleContext& c) { return Inside(c) && CodeStarts(c.p1(), 'V'); }
bool ThickCase(const RuleContext& c) {
  return Inside(c) && c.N(1) && !kNounClasses.Has(c.n1().wordClass);
}
bool OnlyEnds(const RuleContext& c) { return NextMarked(c) || NextAt(c) || WordTokenAbove0(c); }
bool NextNotEnd(const RuleContext& c) { return NextCodeA(c) && !ClassIsOneOf(c.n1(), {Cls::Comma, Cls::SentenceEnd}); }

void NounByNext(RuleContext& c, WordRec&) { c.word->wordClass = c.n1().lastLetter == 's' ? Cls::NounPlural : Cls::Noun; }
void MakeNoun(RuleContext& c, WordRec&) { c.word->wordClass = Cls::Noun; }
void WrittenOfNext(RuleContext& c, WordRec& t) { WriteSuggestion(&t, c.n1().written.view()); }
void ShortAsAs(RuleContext& c, WordRec&) {
  if (WordRec* p = c.P(1)) p->message = p->subClass = 0;
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Neutral;
}
// The covered word is set aside as SkipCoveredWords would.
void SetNextAside(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) {
    pass::ClearCodes(n);
    n->wordClass = Cls::Neutral;
  }
}

constexpr Classes kAbove40 = Classes::Range(41, 127);

// clang-format off
constexpr RuleRow kLower[] = {
    /*0*/ {.n1 = "acceleration|power|voltage*|level*|current*|limit*|temperature*|pressure*|rate*|force*",
           .suggestion = "(Give Range)/decrease", .then = NounByNext, .covers = 2, .code = Msg::Measurement,
           .ruleId = 4559, .outcome = kSkip},
    /*1*/ {.n1Class = kNounClasses, .n2Class = kNounClasses, .when = NextUnmarkedNotSplit4, .then = Hyphenated,
           .covers = 2, .code = Msg::Hyphenation, .ruleId = 3556, .outcome = kSkip},
};

constexpr RuleRow kLight[] = {
    /*0*/ {.n1 = "up|turn*", .when = WordEndsS, .suggestion = "illuminates", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 6558, .outcome = kSkip},
    /*1*/ {.n1 = "up|turn*", .suggestion = "illuminate", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 6558,
           .outcome = kSkip},
    /*2*/ {.n2 = "on", .when = WordEndsS, .suggestion = "illuminates", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 6558, .outcome = kSkip},
    /*3*/ {.n2 = "on", .suggestion = "illuminate", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 6558,
           .outcome = kSkip},
    /*4*/ {.n2 = "off", .suggestion = "not illuminated", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 6558,
           .outcome = kSkip},
    /*5*/ {.p1 = "switch|turn", .n1 = "off", .suggestion = "put the switch in the OFF position",
           .code = Msg::PhrasalVerb, .ruleId = 6558},
    /*6*/ {.n1 = "on|finger|touch|pressure|load*", .suggestion = "(Give measurement or range.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 7558, .outcome = kSkip},
};

constexpr RuleRow kLarge[] = {
    /*0*/ {.n1 = "scale|change|time|object*", .suggestion = "(Give measurement Ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 3627, .outcome = kOverN},
    /*1*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .n2Class = kNounClasses, .when = WordNotSplit4,
           .then = Hyphenated, .covers = 2, .code = Msg::Hyphenation, .ruleId = 3628, .outcome = kSkip},
};

constexpr RuleRow kLong[] = {
    /*0*/ {.n1 = "period*", .n2 = "of", .n3 = "time", .suggestion = "(Give time ref.)", .covers = 4,
           .code = Msg::WrongMeaning, .ruleId = 7627, .outcome = kSkip},
    /*1*/ {.n1 = "end", .n2 = "up|down", .suggestion = "(Show picture)", .covers = 3, .code = Msg::Measurement,
           .ruleId = 7627, .outcome = kSkip},
    /*2*/ {.n2 = "period|life|time", .suggestion = "(Give time ref.)", .code = Msg::WrongMeaning, .ruleId = 7627},
    /*3*/ {.n1 = "period|time|life", .suggestion = "(Give time ref.)", .code = Msg::WrongMeaning, .ruleId = 7627},
    /*4*/ {.n1 = "length|duration|term|lasting|distance|range|lived", .when = MeasureWanted,
           .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Measurement, .ruleId = 8627,
           .outcome = kSkip},
    /*5*/ {.n2Class = {Cls::Of}, .when = MeasureWanted, .suggestion = "(Give measurement)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8627, .outcome = kSkip},
    /*6*/ {.n1 = "length|duration|term|lasting|distance|range|lived", .then = Hyphenated, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 4873, .outcome = kSkip},
    /*7*/ {.n2Class = {Cls::Of}, .then = Hyphenated, .covers = 2, .code = Msg::Hyphenation, .ruleId = 4873,
           .outcome = kSkip},
    /*8*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .n2Class = kNounClasses, .when = WordNotSplit4,
           .then = Hyphenated, .covers = 2, .code = Msg::Hyphenation, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kLittle[] = {
    /*0*/ {.n1 = "by", .n2 = "little", .suggestion = "(Give time ref.)", .covers = 3, .code = Msg::Measurement,
           .ruleId = 5627, .outcome = kSkip},
    /*1*/ {.n1 = "to", .n2 = "no", .suggestion = "(Give quantity range.)", .covers = 3, .code = Msg::Measurement,
           .ruleId = 4627, .outcome = kSkip},
#define LITTLE(words, advice) \
  {.n1 = words, .when = Inside, .suggestion = advice, .covers = 2, .code = Msg::WrongChoice, .ruleId = 6247, \
   .outcome = kSkip}
    /*2*/ LITTLE("bit", "(Give a distance)"),
    /*3*/ LITTLE("fast|slow", "(Give speed range)"),
    /*4*/ LITTLE("short", "(Give size or distance)"),
    /*5*/ LITTLE("long", "(Give distance range)"),
    /*6*/ LITTLE("loose", "not tight/(Give torque range)"),
    /*7*/ LITTLE("time", "(Give a time)"),
#undef LITTLE
};

constexpr RuleRow kLast[] = {
    /*0*/ {.n1 = "time|day|week|month|year", .when = Inside, .suggestion = "when/(Give a time)", .covers = 2,
           .code = Msg::Translation, .ruleId = 1247, .outcome = kSkip},
};

// The advice goes with the finding on the word.
constexpr RuleRow kMajorMinor[] = {
    /*0*/ {.suggestion = "(Give Measure or ref.)", .code = Msg::WrongMeaning, .ruleId = 4218},
};

constexpr RuleRow kNextWord[] = {
    /*0*/ {.n1 = "time", .suggestion = "(Give range or event)", .covers = 2, .code = Msg::MissingReference,
           .ruleId = 2787, .outcome = kSkip},
    /*1*/ {.n1Class = kAbove40, .suggestion = "(Give range or event)", .covers = 2, .code = Msg::MissingReference,
           .ruleId = 2787, .outcome = kSkip},
};

constexpr RuleRow kNow[] = {
    /*0*/ {.code = Msg::Delete, .ruleId = 8527},
};

constexpr RuleRow kOnly[] = {
    /*0*/ {.n1 = "on", .then = WrittenOfNext, .covers = 2, .code = Msg::Translation, .ruleId = 7787, .outcome = kSkip},
    /*1*/ {.when = OnlyEnds, .code = Msg::Awkward, .ruleId = 5019},
    /*2*/ {.n1Class = kEnds, .code = Msg::Awkward, .ruleId = 5019},
};

constexpr RuleRow kOpen[] = {
    /*0*/ {.when = OnlyEnds},
    /*1*/ {.n1Class = {Cls::SentenceEnd}},
    /*2*/ {.p1 = "circuit", .when = InsidePrev0, .suggestion = "open-circuit", .covers = 2, .on = On::P1,
           .code = Msg::Terminology, .ruleId = 4218},
    /*3*/ {.p1Class = kNounClasses, .n1Class = kEnds, .when = Inside, .code = Msg::Awkward, .ruleId = 6479},
    /*4*/ {.p1 = "held|stuck|crack*", .when = Inside, .suggestion = "can not open/in the OPEN position", .covers = 2,
           .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 4218},
    /*5*/ {.n1 = "up|out|end*", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 4018, .outcome = kSkip},
    /*6*/ {.p1Class = kNounClasses, .n1Class = kEnds, .when = Inside1, .code = Msg::Awkward, .ruleId = 6479},
};

constexpr RuleRow kOld[] = {
    /*0*/ {.when = OldEnds},
    /*1*/ {.p1 = "month*|week*|hour*|day*|year*", .covers = 2, .on = On::P1, .code = Msg::Measurement, .ruleId = 7675,
           .outcome = kClear},
    /*2*/ {.n1 = "part|solvent", .suggestion = "remaining/used", .code = Msg::WrongMeaning, .ruleId = 479},
};

constexpr RuleRow kSingle[] = {
    /*0*/ {.n1 = "unit", .code = Msg::Delete, .ruleId = 3627},
    /*1*/ {.n1 = "out", .suggestion = "identify/show", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3627,
           .outcome = kSkip},
};

constexpr RuleRow kSoft[] = {
    /*0*/ {.n1 = "shutdown|pressure|landing*", .suggestion = "(Give measurement)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kSquare[] = {
    /*0*/ {.n1 = "head", .suggestion = "square-head", .covers = 2, .code = Msg::Measurement, .ruleId = 3627,
           .outcome = kSkip},
    /*1*/ {.n1 = "up|with", .suggestion = "align/alignment/align to", .covers = 2, .code = Msg::Measurement,
           .ruleId = 3627, .outcome = kSkip},
    /*2*/ {.n1 = "to|cut", .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Measurement, .ruleId = 3627,
           .outcome = kSkip},
    /*3*/ {.p1 = "large|small|carpenter*", .when = Inside, .covers = 2, .on = On::P1, .code = Msg::Terminology,
           .ruleId = 3627},
};

constexpr RuleRow kSmooth[] = {
    /*0*/ {.n1 = "finish*", .suggestion = "smooth surface", .covers = 2, .code = Msg::Measurement, .ruleId = 3627,
           .outcome = kSkip},
    /*1*/ {.n1 = "movem*", .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Measurement, .ruleId = 3627,
           .outcome = kSkip},
    /*2*/ {.n1 = "surface*"},
    /*3*/ {.n1 = "off|out|operat*", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kSmall[] = {
    /*0*/ {.n1 = "time|scale|object*", .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 3627, .outcome = kSkip},
    /*1*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .n2Class = kNounClasses, .when = WordNotSplit4,
           .then = Hyphenated, .covers = 2, .code = Msg::Hyphenation, .ruleId = 5627, .outcome = kSkip},
};

constexpr RuleRow kSlow[] = {
    /*0*/ {.n1 = "time*|move*|speed*", .suggestion = "(Give measurement)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 3627, .outcome = kSkip},
};

// "same" then steps over the word after the pair as well.
constexpr RuleRow kSame[] = {
    /*0*/ {.n1Class = kNounClasses},
    /*1*/ {.n1 = "mean*", .suggestion = "same type of", .then = SetNextAside, .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 6894, .outcome = Walk::PassTwo},
    /*2*/ {.n1 = "plac*", .then = SetNextAside, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 6894,
           .outcome = Walk::PassTwo},
    /*3*/ {.n1Class = {Cls::Article}, .then = SetNextAside, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 6894,
           .outcome = Walk::PassTwo},
    /*4*/ {.n1 = "way", .suggestion = "(Add type, size, color)", .covers = 2, .code = Msg::MissingReference,
           .ruleId = 5627},
    /*5*/ {.n1 = "as", .suggestion = "same position/(Same what?)", .code = Msg::MissingReference, .ruleId = 6894},
    /*6*/ {.when = NextNotEnd},
    /*7*/ {.suggestion = "(Add type, size, color)", .code = Msg::MissingReference, .ruleId = 5627},
};

constexpr RuleRow kShort[] = {
    /*0*/ {.p1Class = {Cls::Number}, .when = Inside},
    /*1*/ {.n1Class = {Cls::Comma}, .when = Inside},
    /*2*/ {.p1Class = {Cls::As}, .n1Class = {Cls::As}, .when = Inside, .then = ShortAsAs, .outcome = kOverN},
    /*3*/ {.n1 = "for", .suggestion = "an indication for/abbreviation for", .covers = 2, .code = Msg::Awkward,
           .ruleId = 5816, .outcome = kSkip},
    // Not "short-circuit" itself, the form the advice asks for.
    /*4*/ {.n1 = "circuit*", .when = WordNotSplit4, .suggestion = "short-circuit", .then = MakeNoun, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 5266, .outcome = kSkip},
    // Two hints: a '/' inside one would divide it into pieces the menu puts in.
    /*5*/ {.n1 = "pulse*", .suggestion = "(second pulses)/(millisecond pulses)", .then = MakeNoun, .covers = 2,
           .code = Msg::Measurement, .ruleId = 5466, .outcome = kSkip},
    /*6*/ {.n2 = "pulse*", .suggestion = "(Give time ref.)", .code = Msg::Measurement, .ruleId = 5266},
    /*7*/ {.p1 = "to", .suggestion = "electrical short-circuit/(Rephrase)", .code = Msg::WrongVerb, .ruleId = 9147},
#define SHORT_SPAN(words, advice) \
  {.n1 = words, .when = NextUnmarked, .suggestion = advice, .covers = 2, .code = Msg::WrongMeaning, \
   .ruleId = 9927, .outcome = kSkip}
    /*8*/ SHORT_SPAN("beep*|burst*", "(Give measurement in seconds)"),
    /*9*/ SHORT_SPAN("description|for|notification*", "note/notes"),
    /*10*/ SHORT_SPAN("life|lived", "(Give life cycle range)"),
    /*11*/ SHORT_SPAN("length|period*", "(Give measurement or range)"),
    /*12*/ SHORT_SPAN("of", "(Give range)"),
    /*13*/ SHORT_SPAN("out|over", "has a short-circuit/cause a short-circuit"),
    /*14*/ SHORT_SPAN("pulse", "(Give time span of pulse)"),
    /*15*/ SHORT_SPAN("term*", "(Give date or time)"),
    /*16*/ SHORT_SPAN("time*", "(Give hours, minutes or seconds)"),
    /*17*/ SHORT_SPAN("while", "(Give minutes or seconds)"),
    /*18*/ SHORT_SPAN("in", "(Give a time ref.)"),
#undef SHORT_SPAN
    /*19*/ {.n1Class = kNounClasses},
    /*20*/ {.p1Class = {Cls::Article}, .when = WordNotSplit4, .suggestion = "short-circuit/cause a short-circuit",
            .code = Msg::Terminology, .ruleId = 7629},
    /*21*/ {.when = MarkedNotSplit4, .suggestion = "short-circuit/cause a short-circuit", .code = Msg::Terminology,
            .ruleId = 7629},
    /*22*/ {.n1 = "amount|period*", .n2 = "of", .n3 = "time", .suggestion = "(Give time Ref.)", .covers = 4,
            .code = Msg::Measurement, .ruleId = 7629, .outcome = kSkip},
    /*23*/ {.n1 = "to|at|in", .suggestion = "short-circuit", .code = Msg::Terminology, .ruleId = 9327},
};

constexpr RuleRow kStraight[] = {
    /*0*/ {.n1 = "as", .suggestion = "keep straight when", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 9327,
           .outcome = kSkip},
    /*1*/ {.n1Class = kNounClasses},
    /*2*/ {.n1Class = {Cls::Adjective}},
    /*3*/ {.p1Class = {Cls::Be, Cls::Have, Cls::Negation}, .when = Inside},
    /*4*/ {.code = Msg::Adjective, .ruleId = 6327},
};

constexpr RuleRow kSeveral[] = {
    /*0*/ {.n1 = "times|thousand|hundred", .suggestion = "(Give reference or quantity)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 5627, .outcome = kSkip},
    /*1*/ {.suggestion = "(Give a range)", .code = Msg::Measurement, .ruleId = 5627},
};

constexpr RuleRow kThickThin[] = {
    /*0*/ {.p1Class = {Cls::Inch}, .when = ThickCase, .suggestion = "the thickness of", .code = Msg::Measurement,
           .ruleId = 2787},
};

constexpr RuleRow kTrue[] = {
    /*0*/ {.n1 = "north|value"},
    /*1*/ {.n1Class = kNounClasses},
    /*2*/ {.suggestion = "(Give angle)", .code = Msg::Awkward, .ruleId = 3948},
};

constexpr RuleRow kTogether[] = {
    /*0*/ {.n1 = "with", .suggestion = "with", .covers = 2, .code = Msg::Adverb, .ruleId = 2787, .outcome = kSkip},
    /*1*/ {.n1Class = kEnds, .when = PrevVerb},
    /*2*/ {.n1Class = kEnds, .code = Msg::Adverb, .ruleId = 2787},
};
// clang-format on

}  // namespace

namespace adjective_rows {
std::span<const RuleRow> Lower() { return kLower; }
std::span<const RuleRow> Light() { return kLight; }
std::span<const RuleRow> Large() { return kLarge; }
std::span<const RuleRow> Long() { return kLong; }
std::span<const RuleRow> Little() { return kLittle; }
std::span<const RuleRow> Last() { return kLast; }
std::span<const RuleRow> MajorMinor() { return kMajorMinor; }
std::span<const RuleRow> Next() { return kNextWord; }
std::span<const RuleRow> Now() { return kNow; }
std::span<const RuleRow> Only() { return kOnly; }
std::span<const RuleRow> Open() { return kOpen; }
std::span<const RuleRow> Old() { return kOld; }
std::span<const RuleRow> Single() { return kSingle; }
std::span<const RuleRow> Soft() { return kSoft; }
std::span<const RuleRow> Square() { return kSquare; }
std::span<const RuleRow> Smooth() { return kSmooth; }
std::span<const RuleRow> Small() { return kSmall; }
std::span<const RuleRow> Slow() { return kSlow; }
std::span<const RuleRow> Same() { return kSame; }
std::span<const RuleRow> Short() { return kShort; }
std::span<const RuleRow> Straight() { return kStraight; }
std::span<const RuleRow> Several() { return kSeveral; }
std::span<const RuleRow> ThickThin() { return kThickThin; }
std::span<const RuleRow> True() { return kTrue; }
std::span<const RuleRow> Together() { return kTogether; }
}  // namespace adjective_rows
