// Rows of the determiners inside their sentence: "all", "any", "best",
// "enough", "every", "fine", "less" and "more", "much", "most", "many".
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/main/determiner_word_tables.h"
#include "rules/main/word_rule_tests.h"

using namespace word_rows;

namespace {

bool Inside1NextPunct(const RuleContext& c) {
  return Inside1(c) && c.N(1) && IsAsciiPunct(static_cast<unsigned char>(c.n1().text.first()));
}
bool Inside1NextParen(const RuleContext& c) { return Inside1(c) && NextParen(c); }
bool Inside1PrevToken0(const RuleContext& c) { return Inside1(c) && PrevToken0(c); }
bool WeightAbove1(const RuleContext& c) { return c.word->weight > 1; }
bool InsideMarked(const RuleContext& c) { return Inside(c) && WordMarked(c); }
bool Inside2PrevLetter(const RuleContext& c) {
  return Inside2(c) && IsAsciiLetter(static_cast<unsigned char>(c.p1().written.first()));
}
bool NextEndsEr(const RuleContext& c) { return c.N(1) && c.n1().text.endsWith("er"); }

// "all way": the pair reads as "fully"; "way" is set aside.
void SetWayAside(RuleContext& c, WordRec&) {
  WordRec* n = c.N(1);
  if (!n) return;
  n->wordClass = Cls::Neutral;
  if (!n->text.empty()) n->text.set(0, 'X');
  n->suggestion.clear();
}
void ClearSubClass(RuleContext& c, WordRec&) { c.word->subClass = 0; }
void WrittenPair(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s %s", c.word->written.c_str(), c.n1().written.c_str());
}
void MakeNoun(RuleContext&, WordRec& t) { pass::SetClass(&t, Cls::Noun, "NMS*"); }
void MakeVerb(RuleContext&, WordRec& t) { pass::SetClass(&t, Cls::Verb, "V0**"); }
// "more then": the word keeps a mark that its "than" is on the next word.
void MarkThan(RuleContext& c, WordRec&) { c.word->separatorFlag = 's'; }

constexpr Classes kVerbsOrBut = {20, 21, 22, 23, 24, 25, Cls::ButBecause};

// clang-format off
constexpr RuleRow kAll[] = {
    /*0*/ {.n1 = "way", .when = NextMarked, .suggestion = "fully/completely", .then = SetWayAside,
           .code = Msg::WrongMeaning, .ruleId = 3894},
    /*1*/ {.n1Class = {Cls::Determiner, Cls::ShortForm}, .then = ClearSubClass},
    /*2*/ {.when = NextToken9, .then = ClearSubClass},
    /*3*/ {.when = NextMarked, .then = ClearSubClass},
    /*4*/ {.when = NextAt, .then = ClearSubClass},
    /*5*/ {.n2Class = {Cls::NomenclaturePlural}, .then = ClearSubClass},
    /*6*/ {.n1Class = {Cls::PlacePreposition}, .n2Class = {Cls::Determiner}, .covers = 3, .code = Msg::Delete,
           .ruleId = 6932, .outcome = kSkip},
    /*7*/ {.n1Class = kVerbsOrBut, .suggestion = "(Insert noun subject)", .code = Msg::MissingReference,
           .ruleId = 2188},
    /*8*/ {.n1Class = {Cls::Number}, .code = Msg::Delete, .ruleId = 6894},
    /*9*/ {.n1 = "around", .suggestion = "around", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7877,
           .outcome = kSkip},
    /*10*/ {.n1 = "above", .suggestion = "all xxx shown above", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 7877, .outcome = kSkip},
    /*11*/ {.n1 = "needs", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7877,
            .outcome = kSkip},
    /*12*/ {.n1 = "other", .suggestion = "all (+noun)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7877,
            .outcome = kSkip},
    /*13*/ {.n1 = "parties", .suggestion = "all persons", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 7877, .outcome = kSkip},
    /*14*/ {.n1 = "traces", .suggestion = "(Give a quality)", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 7877, .outcome = kSkip},
    /*15*/ {.n1 = "times|ways", .suggestion = "always", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7877,
            .outcome = kSkip},
    /*16*/ {.n1 = "temperatures", .suggestion = "(Give temp. range)", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 7877, .outcome = kSkip},
    /*17*/ {.n1 = "told|to", .suggestion = "(Delete)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7877,
            .outcome = kSkip},
    /*18*/ {.n1 = "in", .n2Class = {Cls::Determiner}, .covers = 3, .code = Msg::Delete, .ruleId = 8897,
            .outcome = kSkip},
    /*19*/ {.n1 = "too", .n2 = "soon", .covers = 3, .code = Msg::Delete, .ruleId = 3894},
    /*20*/ {.n1Class = {Cls::To}, .n2 = "soon", .covers = 3, .code = Msg::Delete, .ruleId = 3894},
    /*21*/ {.n1 = "be|you|out|in", .covers = 3, .code = Msg::Rephrase, .ruleId = 8897, .outcome = kSkip},
    /*22*/ {.n1Class = {Cls::NounPlural, Cls::NomenclaturePlural, Cls::MaterialNoun, Cls::Unit, Cls::Number,
                        Cls::Adjective, Cls::Colour}},
    /*23*/ {.n1Class = {Cls::Noun}, .when = WeightAbove1},
    /*24*/ {.n1Class = {Cls::Comma}, .on = On::N1, .code = Msg::Comma, .ruleId = 3894},
    /*25*/ {.p1 = "at", .when = Inside1NextPunct, .code = Msg::Punctuation, .ruleId = 4894},
    /*26*/ {.p1 = "follow", .when = Inside1, .suggestion = "obey/read/monitor", .on = On::P1, .code = Msg::WrongVerb,
            .ruleId = 5894},
    /*27*/ {.n1Class = {Cls::Modal, Cls::Verb}, .when = Inside1, .code = Msg::MissingReference, .ruleId = 3894},
    /*28*/ {.when = Inside1NextParen, .code = Msg::MissingReference, .ruleId = 3894},
    /*29*/ {.n1 = "needed|over", .when = Inside1, .then = WrittenPair, .covers = 2, .code = Msg::MissingReference,
            .ruleId = 6894, .outcome = kSkip},
    /*30*/ {.n1 = "right", .when = NextUnmarked, .suggestion = "correct", .covers = 2,
            .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kSkip},
    /*31*/ {.n1 = "around", .when = NextUnmarked, .suggestion = "around/around all", .covers = 2,
            .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kSkip},
    /*32*/ {.n1 = "time", .n2 = "soon", .suggestion = "(Give Time Limit)", .covers = 3, .code = Msg::Measurement,
            .ruleId = 8894, .outcome = kSkip},
    /*33*/ {.p1 = "follow*", .when = Inside1PrevToken0, .suggestion = "obey all", .covers = 2, .on = On::P1,
            .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kClear},
    /*34*/ {.p1 = "having", .when = Inside1PrevToken0, .suggestion = "that has all", .covers = 2, .on = On::P1,
            .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kClear},
    /*35*/ {.p1 = "including", .when = Inside1PrevToken0, .suggestion = "(that contains all)", .covers = 2,
            .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kClear},
    /*36*/ {.p1 = "tak*", .when = Inside1PrevToken0, .suggestion = "(Rephrase)", .covers = 2, .on = On::P1,
            .code = Msg::WrongMeaning, .ruleId = 5894, .outcome = kClear},
    /*37*/ {.n1 = "rights", .n2 = "reserved", .outcome = kOverN},
};

constexpr RuleRow kAny[] = {
    /*0*/ {.n1 = "other*", .suggestion = "different/other", .covers = 2, .code = Msg::Preposition, .ruleId = 3894,
           .outcome = kSkip},
    /*1*/ {.n1 = "more|less", .covers = 2, .code = Msg::Preposition, .ruleId = 3894, .outcome = kSkip},
    /*2*/ {.n1 = "and", .suggestion = "all", .covers = 3, .code = Msg::Preposition, .ruleId = 7894, .outcome = kSkip},
    /*3*/ {.n2 = "all", .suggestion = "all", .covers = 3, .code = Msg::Preposition, .ruleId = 7894, .outcome = kSkip},
    /*4*/ {.n1Class = kNounClasses},
    /*5*/ {.when = NextCodeA},
    /*6*/ {.when = BeforeStart},
    /*7*/ {.p1Class = {Cls::TimeConjunction}, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 7894},
    // Advice without a message: the pair is only covered.
    /*8*/ {.n1 = "doubt", .suggestion = "if you do not know", .covers = 2, .outcome = kSkip},
    /*9*/ {.n1 = "further", .suggestion = "(Be specific or give range)", .covers = 2, .outcome = kSkip},
    /*10*/ {.n1 = "given", .suggestion = "any/(Be specific)", .covers = 2, .outcome = kSkip},
    /*11*/ {.n1 = "how", .suggestion = "(Delete)", .covers = 2, .outcome = kSkip},
    /*12*/ {.n1 = "kind", .suggestion = "any type of", .covers = 2, .outcome = kSkip},
    /*13*/ {.n1 = "other|one", .suggestion = "other/person", .covers = 2, .outcome = kSkip},
    /*14*/ {.n1 = "rights", .suggestion = "(Avoid legal phrases)", .covers = 2, .outcome = kSkip},
    /*15*/ {.n1 = "time", .suggestion = "if/when", .covers = 2, .outcome = kSkip},
    /*16*/ {.n1 = "way", .covers = 2, .outcome = kSkip},
    /*17*/ {.n1 = "longer|shorter", .n2 = "than", .suggestion = "more than/(Be specific)", .covers = 3,
            .code = Msg::Measurement, .ruleId = 8994, .outcome = kSkip},
};

constexpr RuleRow kBest[] = {
    /*0*/ {.n1 = "place", .suggestion = "best position", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7797,
           .outcome = kSkip},
    /*1*/ {.n1 = "way|practice*", .suggestion = "best procedures", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 7797, .outcome = kSkip},
    /*2*/ {.n1 = "time*", .suggestion = "(Give time)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7797,
           .outcome = kSkip},
    /*3*/ {.n1 = "to|results|for|fit*", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 7797, .outcome = kSkip},
    /*4*/ {.n1 = "if", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7797, .outcome = kSkip},
};

constexpr RuleRow kEnough[] = {
    // The advice goes with the finding on "lucky".
    /*0*/ {.p1 = "lucky", .when = Inside, .suggestion = "(Found KESta Easter Egg)", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 2787},
    /*1*/ {.n1 = "time|slack|to|speed", .suggestion = "(Give range or measure)", .covers = 2,
           .code = Msg::MissingReference, .ruleId = 2787, .outcome = kOverN},
};

constexpr RuleRow kEvery[] = {
    /*0*/ {.n1 = "one|person", .suggestion = "all persons", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4795},
    /*1*/ {.n1 = "type", .suggestion = "all", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4795},
    /*2*/ {.n1 = "time", .suggestion = "(Give time interval)", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 4795},
    /*3*/ {.n1Class = {Cls::Number}, .suggestion = "at intervals of ...", .code = Msg::WrongMeaning, .ruleId = 6797},
    /*4*/ {.suggestion = "all/each", .code = Msg::WrongMeaning, .ruleId = 6797},
};

constexpr RuleRow kFine[] = {
    /*0*/ {.when = InsideMarked, .then = MakeNoun, .code = Msg::WrongMeaning, .ruleId = 4795},
    /*1*/ {.p1Class = {Cls::Article, Cls::Demonstrative}, .when = Inside, .then = MakeNoun,
           .code = Msg::WrongMeaning, .ruleId = 4795},
    /*2*/ {.p1Class = {Cls::Modal}, .when = Inside, .suggestion = "(Rephrase - Legal)", .then = MakeVerb,
           .code = Msg::WrongVerb, .ruleId = 3795},
    /*3*/ {.n1 = "tune|tuning", .suggestion = "adjust/make small adjustments to", .then = MakeVerb, .covers = 2,
           .code = Msg::Awkward, .ruleId = 6795, .outcome = kOverN},
};

constexpr RuleRow kLess[] = {
    /*0*/ {.n1 = "than", .n2 = "half|whole", .covers = 2, .code = Msg::Measurement, .ruleId = 6932, .outcome = kSkip},
    /*1*/ {.p1Class = {Cls::AndOr}, .when = Inside, .suggestion = "maximum of ...", .code = Msg::Measurement,
           .ruleId = 6732},
    /*2*/ {.when = NextDigit, .suggestion = "less than", .code = Msg::Spelling, .ruleId = 3931},
    /*3*/ {.p1 = "bit", .when = Inside, .covers = 2, .on = On::P1, .code = Msg::Measurement, .ruleId = 6932},
    /*4*/ {.n1 = "like", .suggestion = "not the same type of", .covers = 2, .code = Msg::Spelling, .ruleId = 6932,
           .outcome = kSkip},
    /*5*/ {.n1 = "current|valuable|time", .suggestion = "(Give time, date or value ref.)", .covers = 2,
           .code = Msg::Spelling, .ruleId = 6932, .outcome = kSkip},
    /*6*/ {.n1Class = kAbove19, .when = NextMarked, .suggestion = "without", .code = Msg::Measurement,
           .ruleId = 6732},
    /*7*/ {.n1Class = {Cls::Article}, .suggestion = "without", .code = Msg::Measurement, .ruleId = 6732},
    /*8*/ {.n1Class = kAbove19},
    /*9*/ {.n1Class = kNounClasses, .covers = 2, .code = Msg::Translation, .ruleId = 6932, .outcome = kSkip},
};

constexpr RuleRow kMore[] = {
    /*0*/ {.n1Class = kEnds, .code = Msg::MissingReference, .ruleId = 3931},
    /*1*/ {.when = NextParen, .code = Msg::MissingReference, .ruleId = 4932},
    /*2*/ {.when = WordMarked},
    /*3*/ {.n1Class = {Cls::Adverb}},
    /*4*/ {.n1 = "then", .suggestion = "than", .tag = "<AR>", .then = MarkThan, .on = On::N1, .code = Msg::Spelling,
           .ruleId = 3931, .outcome = kOverN},
    /*5*/ {.word = "more", .when = NextDigit, .suggestion = "more than", .code = Msg::Spelling, .ruleId = 3931},
    /*6*/ {.word = "more", .n1 = "easy|better", .suggestion = "easier", .covers = 2, .code = Msg::Adjective,
           .ruleId = 3931, .outcome = kSkip},
    /*7*/ {.word = "more", .n1 = "than", .n2 = "is", .n3 = "necessary", .suggestion = "(Give quantity or measure.)",
           .covers = 4, .code = Msg::Awkward, .ruleId = 3931, .outcome = kSkip},
    /*8*/ {.p1 = "nothing", .when = Inside2, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 3932},
    /*9*/ {.p1Class = {Cls::Number}, .when = Inside2PrevLetter, .covers = 2, .on = On::P1,
           .code = Msg::Measurement, .ruleId = 6932},
    /*10*/ {.n1 = "information"},
    /*11*/ {.n1 = "than", .n2 = "half", .suggestion = "50%", .on = On::N2, .code = Msg::Number, .ruleId = 3932},
    /*12*/ {.n1 = "than"},
    /*13*/ {.n1 = "times", .outcome = kOverN},
    /*14*/ {.n1 = "like", .suggestion = "same type of", .covers = 2, .code = Msg::Translation, .ruleId = 6932,
            .outcome = kSkip},
    /*15*/ {.n1 = "quickly", .suggestion = "(Give time, date or value ref.)", .covers = 2, .code = Msg::Measurement,
            .ruleId = 6932, .outcome = kSkip},
    /*16*/ {.n1 = "current|valuable|time|people|recent", .suggestion = "(Give time, date or value ref.)",
            .covers = 2, .code = Msg::Translation, .ruleId = 6932, .outcome = kSkip},
    /*17*/ {.n1 = "slowly|capable", .covers = 2, .code = Msg::Measurement, .ruleId = 4932, .outcome = kSkip},
    /*18*/ {.n1 = "or", .n2 = "less", .suggestion = "(Give a range)", .covers = 3, .code = Msg::Measurement,
            .ruleId = 4932, .outcome = kSkip},
    /*19*/ {.p1 = "cost*", .when = Inside, .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 3932},
    /*20*/ {.n1 = "hot", .suggestion = "hotter", .covers = 2, .code = Msg::Adjective, .ruleId = 3932,
            .outcome = kSkip},
    /*21*/ {.n1 = "easy|convenient", .suggestion = "easier", .covers = 2, .code = Msg::Adjective, .ruleId = 3932,
            .outcome = kSkip},
    /*22*/ {.n1 = "on|about", .suggestion = "more information about", .covers = 2, .code = Msg::WrongMeaning,
            .ruleId = 3932, .outcome = kSkip},
    /*23*/ {.when = NotInside},
    /*24*/ {.p1 = "far|once|even|little|less|more|mean", .suggestion = "(Give date, time, version)", .covers = 2,
            .on = On::P1, .code = Msg::Measurement, .ruleId = 3931, .outcome = kClear},
    /*25*/ {.p1 = "onto", .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 4931, .outcome = kClear},
    /*26*/ {.n1 = "details|often|reliable|better", .suggestion = "(Give date, time, version)", .covers = 2,
            .code = Msg::Measurement, .ruleId = 3931, .outcome = kSkip},
    /*27*/ {.n1Class = {Cls::Colour}, .suggestion = "(Give date, time, version)", .covers = 2,
            .code = Msg::Measurement, .ruleId = 3931, .outcome = kSkip},
    /*28*/ {.p1 = "nothing|ever", .when = Inside2, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 3932},
    /*29*/ {.when = NextEndsEr, .covers = 2, .code = Msg::Measurement, .ruleId = 3931, .outcome = kSkip},
    /*30*/ {.n1 = "data", .code = Msg::Translation, .ruleId = 7932},
};
// clang-format on

}  // namespace

std::span<const RuleRow> AllRows() { return kAll; }
std::span<const RuleRow> AnyRows() { return kAny; }
std::span<const RuleRow> BestRows() { return kBest; }
std::span<const RuleRow> EnoughRows() { return kEnough; }
std::span<const RuleRow> EveryRows() { return kEvery; }
std::span<const RuleRow> FineRows() { return kFine; }
std::span<const RuleRow> LessRows() { return kLess; }
std::span<const RuleRow> MoreRows() { return kMore; }
