// The adverb chains of the letters n to w: "normally", "now", "over",
// "past", "quietly", "still", "such", "single", "than", "too" with "very",
// "thus", "together", "well", "what" and "where".
#include "engine/pass_marks.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/function_words/adverb_tables.h"

namespace adverb {
namespace {

using enum Walk;

void JoinWithNext(RuleContext& c, WordRec& w) {
  FormatSuggestion(&w, "%s-%s", w.written.c_str(), c.n1().written.c_str());
}
void ClearNextCodes(RuleContext& c, WordRec&) { pass::ClearCodes(c.N(1)); }

// "over" tests most of its rows only when no "and" or "or" follows.
bool NotAndOr(const RuleContext& c) { return c.n1().wordClass != Cls::AndOr; }
// Room for three more words in the sentence.
bool RoomFor3(const RuleContext& c) {
  return NotAndOr(c) && c.word->sentencePos < c.state.sentenceWordCount - 3;
}
bool OrdinaryNotAndOr(const RuleContext& c) { return NotAndOr(c) && PrevOrdinary(c); }
bool OverAfterPerson(const RuleContext& c) { return PastThird(c) && OrdinaryNotAndOr(c); }
bool OverAfterVerb(const RuleContext& c) { return OrdinaryNotAndOr(c) && PrevVerbCode(c); }
bool OverNumber(const RuleContext& c) { return NotAndOr(c) && NextBeginsDigit(c); }
bool OverNearEnd(const RuleContext& c) {
  return NotAndOr(c) && c.word->sentencePos + 2 >= c.state.sentenceWordCount;
}
bool OverThereHere(const RuleContext& c) { return NotAndOr(c) && PastThird(c); }

bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NeitherSplit(const RuleContext& c) { return c.word->splitKind != '4' && c.n1().splitKind != '4'; }

// "such as": "for example", after any advice the word already holds.
void AppendForExample(RuleContext&, WordRec& w) {
  if (w.suggestion.empty()) {
    WriteSuggestion(&w, "for example");
    return;
  }
  char joined[84];
  FormatBounded(joined, sizeof joined, "%s/for example", w.suggestion.c_str());
  WriteSuggestion(&w, joined);
}

void SuggestArticle(RuleContext& c, WordRec&) { SuggestArticleForNext(c.word); }
bool NounBetweenNouns(const RuleContext& c) { return PastSecond(c) && NextUnmarked(c); }
bool NextTwoVerbCode(const RuleContext& c) { return CodeStarts(c.n2(), 'V'); }
bool TellCaseWay(const RuleContext& c) { return PastThird(c) && PrevOrdinary(c); }

constexpr Classes kVerbsTo28 = Classes::Range(Cls::Verb, Cls::Modal);

// clang-format off
constexpr RuleRow kNormally[] = {
    /*0*/ {.n1 = "closed|open", .then = JoinWithNext, .covers = 2, .code = Msg::Hyphenation, .ruleId = 2630,
           .outcome = SkipCovered},
    /*1*/ {.suggestion = "correctly/(Give range)", .code = Msg::WrongMeaning, .ruleId = 4835},
};

constexpr RuleRow kNow[] = {
    /*0*/ {.n1Class = {Cls::To}, .code = Msg::Adverb, .ruleId = 1237},
    /*1*/ {.p1Class = {Cls::Modal}, .n1Class = {Cls::Have}, .clear = true, .then = ClearNextCodes, .covers = 3,
           .on = On::P1, .code = Msg::VerbTense, .ruleId = 1237, .outcome = PassNext},
};

// *cost over*, *push over*: the verb before "over" gets the advice.
constexpr RuleRow OverVerb(Words previous, const char* text) {
  return {.p1 = previous, .when = OrdinaryNotAndOr, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::Measurement, .ruleId = 2246, .outcome = Clear};
}
constexpr RuleRow kOver[] = {
    /*0*/  {.when = SelfMarked, .code = Msg::Awkward, .ruleId = 2936},
    /*1*/  {.when = NextMarked},  // the gate takes it first
    /*2*/  {.n1 = "and", .n2 = "around", .suggestion = "around", .covers = 3, .code = Msg::Translation, .ruleId = 4237,
            .outcome = PassTwo},
    // The gate takes an article after "over" first.
    /*3*/  {.n1Class = {Cls::Article}, .n2 = "distance|year*|month*|period|length", .when = RoomFor3, .clear = true,
            .suggestion = "for/more than", .code = Msg::WrongMeaning, .ruleId = 4237},
    /*4*/  {.n1 = "inflat*|heat*|size*|temperat*", .when = RoomFor3, .suggestion = "(Give a range or measure.)",
            .covers = 2, .code = Msg::Measurement, .ruleId = 4237, .outcome = SkipCovered},
    /*5*/  OverVerb("well", "(Give range measurement)"),
    /*6*/  OverVerb("hung", "put"),
    /*7*/  OverVerb("cost*", "(Give amount or range)"),
    /*8*/  OverVerb("cycle*", "go through a cycle"),
    /*9*/  OverVerb("push*", "push the xxx over the"),
    /*10*/ OverVerb("switch*", "change to/move to"),
    /*11*/ OverVerb("run*", "(Rephrase)"),
    /*12*/ {.n1Class = {Cls::Article}, .when = NotAndOr},  // the gate takes it first
    /*13*/ {.p1Class = {Cls::FirstPerson}, .when = OverAfterPerson, .covers = 2, .on = On::P1, .code = Msg::Awkward,
            .ruleId = 5428, .outcome = Clear},
    /*14*/ {.n1Class = {Cls::To}, .when = OverAfterVerb, .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb,
            .ruleId = 1236, .outcome = Clear},
    /*15*/ {.when = OverNumber, .suggestion = "more than", .code = Msg::Measurement, .ruleId = 2237},
    /*16*/ {.n1 = "time", .when = NotAndOr, .covers = 2, .code = Msg::Measurement, .ruleId = 2237, .outcome = SkipCovered},
    /*17*/ {.n1 = "there|here", .when = OverThereHere, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1236,
            .outcome = SkipCovered},
    /*18*/ {.when = OverNearEnd},
    // Only an "and" of another class than 63 reaches it.
    /*19*/ {.n1 = "and", .n2 = "above", .when = NotAndOr, .covers = 3, .code = Msg::Translation, .ruleId = 3236,
            .outcome = SkipCovered},
    /*20*/ {.p2Class = {Cls::Verb}, .n1Class = {Cls::AndOr}, .when = PastSecond, .code = Msg::PhrasalVerb,
            .ruleId = 3236},
};

constexpr RuleRow kPast[] = {
    /*0*/ {.n1 = "year", .suggestion = "(Give year or year range)", .code = Msg::Measurement, .ruleId = 5129},
    /*1*/ {.n2 = "years", .suggestion = "(Give year or year range)", .code = Msg::Measurement, .ruleId = 5129},
    /*2*/ {.when = NextIsNumber},
    /*3*/ {.p1Class = kBeHave, .code = Msg::WrongVerb, .ruleId = 5129},
};

constexpr RuleRow kQuietly[] = {
    /*0*/ {.suggestion = "(Give decibel measure)", .code = Msg::Measurement, .ruleId = 5170},
};

constexpr RuleRow kSingle[] = {
    /*0*/ {.when = NeitherSplit, .clear = true, .code = Msg::Rephrase, .ruleId = 5487},
    /*1*/ {.clear = true, .outcome = ClearNext},
};

constexpr RuleRow kSuch[] = {
    /*0*/ {.n1 = "signs", .suggestion = "indications", .covers = 2, .code = Msg::WrongChoice, .ruleId = 1247},
    /*1*/ {.n1 = "use|time|that", .covers = 2, .code = Msg::WrongChoice, .ruleId = 1247},
    /*2*/ {.n1 = "items|tools", .covers = 2, .code = Msg::Rephrase, .ruleId = 1247, .outcome = SkipCovered},
    /*3*/ {.n1 = "as", .then = AppendForExample, .covers = 2, .code = Msg::Preposition, .ruleId = 3247,
           .outcome = SkipCovered},
    /*4*/ {.p1 = "as|how|they|for", .suggestion = "like/for example", .covers = 2, .on = On::P1,
           .code = Msg::Preposition, .ruleId = 3247, .outcome = Clear},
    /*5*/ {.p1 = "in", .n1Class = {Cls::Article}, .n2 = "manner", .covers = 3, .code = Msg::Delete, .ruleId = 3247,
           .outcome = SkipCovered},  // the gate takes the article first
    // "these" and the deletion replace "such" alone: the noun stays.
    /*6*/ {.n1Class = {Cls::NounPlural, Cls::NomenclaturePlural}, .suggestion = "these/(Delete)",
           .code = Msg::Translation, .ruleId = 1248, .outcome = SkipCovered},
    /*7*/ {.code = Msg::Rephrase, .ruleId = 1237},
};

#define STILL_GOES_ON .covers = 2, .code = Msg::Awkward, .ruleId = 1240, .outcome = SkipCovered
constexpr RuleRow kStill[] = {
    /*0*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Adverb, .ruleId = 6232},
    /*1*/ {.n1 = "@*", .code = Msg::Adverb, .ruleId = 6232},
    /*2*/ {.p1Class = kBeHave, .suggestion = "continues to .../continue to ...", .covers = 2, .on = On::P1,
           .code = Msg::Awkward, .ruleId = 1240},
    /*3*/ {.p1Class = {Cls::Modal}, .code = Msg::Delete, .ruleId = 2626},
    /*4*/ {.n1Class = {Cls::Participle}, .code = Msg::Delete, .ruleId = 2626},
    /*5*/ {.n1Class = kVerbsTo28, .code = Msg::Delete, .ruleId = 1937},
    /*6*/ {.n1 = "being", .suggestion = "continues to/continue to", STILL_GOES_ON},
    /*7*/ {.when = NextVerbCode, .suggestion = "continues to/continue to", STILL_GOES_ON},
    /*8*/ {.n1 = "out|present|in", .covers = 2, .code = Msg::Awkward, .ruleId = 4240, .outcome = SkipCovered},
};
#undef STILL_GOES_ON

// *greater than*: the comparative gets the advice.
constexpr RuleRow Comparative(Words previous, const char* text) {
  return {.p1 = previous, .when = PastThird, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::Measurement, .ruleId = 7948};
}
constexpr RuleRow kThan[] = {
    /*0*/  {.n1Class = {Cls::SentenceEnd, Cls::Comma, Cls::Demonstrative}, .code = Msg::Rephrase, .ruleId = 7148},
    /*1*/  {.n1 = "@*", .code = Msg::Rephrase, .ruleId = 7148},
    /*2*/  Comparative("different", "different from"),
    /*3*/  Comparative("fewer|lesser|lower", "less than"),
    /*4*/  Comparative("farther", "more than/(Give distance)"),
    /*5*/  Comparative("greater", "more than"),
    /*6*/  Comparative("quicker", "more than/(Give speed)"),
    /*7*/  Comparative("slower", "less than/(Give speed)"),
    /*8*/  Comparative("sooner", "(Give speed or time)"),
    /*9*/  Comparative("weaker", "less than/not strong"),
    /*10*/ {.n1 = "usual", .covers = 2, .code = Msg::Measurement, .ruleId = 7248, .outcome = SkipCovered},
    /*11*/ {.n1Class = {Cls::Comma}, .suggestion = "then", .code = Msg::Comma, .ruleId = 2542},  // row 0 takes it
    /*12*/ {.n1 = "that", .covers = 2, .code = Msg::Preposition, .ruleId = 2948, .outcome = SkipCovered},
};

// The measure words after "too" and "very".
constexpr Words kMeasureWords =
    "close|cold|common|big|early|fast|far|hot|heavy|hard|high|many|large|much|late|little|light*|long|loose|"
    "near|quick*|low*|narrow|often|short|soft|small|slight|typical|slow|tight|wide|soon";
#define TOO_WORD .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1835, .outcome = SkipCovered
#define TOO_MEASURE .covers = 2, .code = Msg::Measurement, .ruleId = 1336, .outcome = SkipCovered
constexpr RuleRow kTooVery[] = {
    /*0*/ {.n1 = "important", .suggestion = "important", TOO_WORD},
    /*1*/ {.n1 = "useful", .suggestion = "applicable/serviceable", TOO_WORD},
    /*2*/ {.n1 = "simple", .suggestion = "easy", TOO_WORD},
    /*3*/ {.n1Class = {Cls::Verb}, .suggestion = "to", .code = Msg::Spelling, .ruleId = 5932},
    /*4*/ {.n1 = "tight", .suggestion = "(Give torque value or range)", TOO_MEASURE},
    /*5*/ {.n1 = kMeasureWords, .suggestion = "(Give range or measure)", TOO_MEASURE},
    /*6*/ {.n1 = "similar", .n2Class = {Cls::To}, .suggestion = "equivalent", .covers = 3, .code = Msg::Translation,
           .ruleId = 1235, .outcome = SkipCovered},
    /*7*/ {.n1Class = kClauseEnd, .code = Msg::Adjective, .ruleId = 4188},
    /*8*/ {.n1Class = {Cls::Neutral, Cls::Adverb}, .code = Msg::Delete, .ruleId = 6188},
};
#undef TOO_WORD
#undef TOO_MEASURE

constexpr RuleRow kThus[] = {
    /*0*/ {.n1Class = kBeHave, .covers = 2, .code = Msg::Awkward, .ruleId = 6948, .outcome = SkipCovered},
    /*1*/ {.code = Msg::Delete, .ruleId = 3948},
};

#define JOINED .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 2343
constexpr RuleRow kTogether[] = {
    /*0*/ {.n1Class = {Cls::Comma}, .code = Msg::Adverb, .ruleId = 3342},
    /*1*/ {.p1 = "add*", .suggestion = "add", JOINED},
    /*2*/ {.p1 = "put*", .suggestion = "assemble/assembles", JOINED},
    /*3*/ {.p1 = "bolt*|link*|connect*|work*|join*", .suggestion = "connect/connected/operate together", JOINED},
    /*4*/ {.p2 = "add", .when = PastThird, .code = Msg::Delete, .ruleId = 2343},
    /*5*/ {.p1 = "goes|go", .when = PastThird, .code = Msg::Delete, .ruleId = 3343},
    /*6*/ {.n1Class = {Cls::SentenceEnd}},
    /*7*/ {.p1Class = {Cls::Participle, Cls::VerbEd}, .code = Msg::Adverb, .ruleId = 2342},
};
#undef JOINED

constexpr RuleRow kWell[] = {
    /*0*/ {.n1Class = {Cls::Participle, Cls::VerbEd}, .covers = 2, .code = Msg::Translation, .ruleId = 1170,
           .outcome = SkipCovered},
    /*1*/ {.when = SelfMarked, .code = Msg::Translation, .ruleId = 1170},
    /*2*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Translation, .ruleId = 1170},
    /*3*/ {.n1 = "@*", .code = Msg::Translation, .ruleId = 1170},
};

constexpr RuleRow kWhat[] = {
    /*0*/ {.when = SelfMarked, .code = Msg::Translation, .ruleId = 1170},
    /*1*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Translation, .ruleId = 1170},
    /*2*/ {.n1 = "@*", .code = Msg::Translation, .ruleId = 1170},
    /*3*/ {.n1 = "is|are", .when = PastSecond, .covers = 2, .code = Msg::MissingReference, .ruleId = 170,
           .outcome = SkipCovered},
    /*4*/ {.p1 = "of", .when = PrevOrdinary, .suggestion = "for which", .covers = 2, .on = On::P1,
           .code = Msg::Preposition, .ruleId = 6170, .outcome = Clear},
};

#define WHERE_PHRASE .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 4154, .outcome = Clear
constexpr RuleRow kWhere[] = {
    /*0*/ {.n1Class = {Cls::VerbIng, Cls::Be, Cls::Have}, .suggestion = "were", .code = Msg::Spelling, .ruleId = 4154},
    /*1*/ {.p1Class = kNounClasses, .n1Class = kNounClasses, .when = NounBetweenNouns, .then = SuggestArticle,
           .outcome = PassNext},
    /*2*/ {.n1 = "there", .n2Class = kBeHave, .when = PastSecond, .covers = 3, .code = Msg::Awkward, .ruleId = 4154,
           .outcome = SkipCovered},
    /*3*/ {.n1Class = {Cls::Pronoun}, .when = NextTwoVerbCode, .on = On::N1, .code = Msg::MissingReference,
           .ruleId = 4154, .outcome = PassNext},
    /*4*/ {.p1 = "tell", .when = TellCaseWay, .suggestion = "find/know/show", WHERE_PHRASE},
    /*5*/ {.p1 = "case*", .when = TellCaseWay, .suggestion = "(Rephrase)", WHERE_PHRASE},
    /*6*/ {.p1 = "way", .when = TellCaseWay, .suggestion = "method/procedure", WHERE_PHRASE},
};
#undef WHERE_PHRASE
// clang-format on

constexpr Chain kN[] = {{"normally", kNormally}, {"now", kNow}};
constexpr Chain kO[] = {{"over", kOver}};
constexpr Chain kP[] = {{"past", kPast}};
constexpr Chain kQ[] = {{"quietly", kQuietly}};
constexpr Chain kS[] = {{"still", kStill}, {"such", kSuch}, {"single", kSingle}};
constexpr Chain kT[] = {{"than", kThan}, {"too|t-very", kTooVery}, {"thus", kThus}, {"together", kTogether}};
constexpr Chain kW[] = {{"well", kWell}, {"what", kWhat}, {"where", kWhere}};

}  // namespace

const std::span<const Chain> kGroupN = kN;
const std::span<const Chain> kGroupO = kO;
const std::span<const Chain> kGroupP = kP;
const std::span<const Chain> kGroupQ = kQ;
const std::span<const Chain> kGroupS = kS;
const std::span<const Chain> kGroupT = kT;
const std::span<const Chain> kGroupW = kW;

}  // namespace adverb
