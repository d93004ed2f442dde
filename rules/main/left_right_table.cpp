// Rows of "left" and "right", in the order they are tried.
#include "rules/main/left_right_table.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

bool Inside(const RuleContext& c) { return !c.First(); }
bool PosAbove1(const RuleContext& c) { return c.word->sentencePos > 1; }
bool NextBeginsColon(const RuleContext& c) { return c.N(1) && FirstIs(c.n1(), ':'); }
bool SplitOrToken(const RuleContext& c) { return c.word->splitKind == '4' || c.word->tokenKind > 0; }
bool Marked(const RuleContext& c) { return IsMarked(*c.word); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool NotSplit(const RuleContext& c) { return c.word->splitKind != '4'; }
bool RearNotSide(const RuleContext& c) { return NotSplit(c) && !TextIs(c.n2(), "side"); }
bool NextNotSplit(const RuleContext& c) { return c.n1().splitKind != '4'; }

// "left-rear side", "left side", "right-click": the word and a neighbour as written.
void WordRearSide(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s-%s side", t.written.c_str(), c.n1().written.c_str());
}
void WordSide(RuleContext& c, WordRec& t) { FormatSuggestion(&t, "%s %s", t.written.c_str(), c.n2().written.c_str()); }
void WordHyphenNext(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s-%s", t.written.c_str(), c.n1().written.c_str());
}
// "days left": "days to".
void PrevTo(RuleContext&, WordRec& t) {
  BoundedText<kShortTextSize> written = t.written.view();
  FormatSuggestion(&t, "%s to", written.c_str());
}

constexpr Classes kBeHave = {Cls::Be, Cls::Have};

// clang-format off
constexpr RuleRow kNeutral[] = {
    /*0*/ {.p1Class = {Cls::Of}, .n1Class = {Cls::To}, .when = Inside, .clear = true, .outcome = Walk::Neutral},
    /*1*/ {.when = NextBeginsColon, .clear = true, .outcome = Walk::Neutral},
    /*2*/ {.n2Class = {Cls::LeftRight}, .when = PosAbove1, .clear = true, .outcome = Walk::Neutral},
    /*3*/ {.n1Class = {Cls::ShortForm, Cls::Class41}, .clear = true, .outcome = Walk::Neutral},
    /*4*/ {.word = "l*", .n1Class = {Cls::AndOr}, .n2 = "r*", .clear = true, .outcome = Walk::Neutral},
    /*5*/ {.word = "r*", .n1Class = {Cls::AndOr}, .n2 = "l*", .clear = true, .outcome = Walk::Neutral},
    /*6*/ {.when = SplitOrToken, .clear = true, .outcome = Walk::Neutral},
    /*7*/ {.p1Class = {Cls::Comma}, .n1Class = {Cls::Comma}, .when = Inside, .clear = true, .outcome = Walk::Neutral},
    /*8*/ {.n1Class = {Cls::To}, .n2Class = {Cls::LeftRight}, .clear = true, .outcome = Walk::Neutral},
    /*9*/ {.n1 = "side|button|angle*", .clear = true, .outcome = Walk::Neutral},
};

constexpr RuleRow kSidePhrases[] = {
    /*0*/ {.n1 = "rear", .when = RearNotSide, .then = WordRearSide, .covers = 2, .code = Msg::Hyphenation,
           .ruleId = 3973, .outcome = Walk::PassNext},
    /*1*/ {.n1 = "hand", .n2 = "side", .when = NotSplit, .then = WordSide, .covers = 3, .code = Msg::WrongChoice,
           .ruleId = 3973, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kInside[] = {
    /*0*/ {.word = "l*", .n1 = "in", .suggestion = "stay in/stays in/stay at/stays at", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3873, .outcome = Walk::PassNext},
    /*1*/ {.word = "l*", .n1 = "open", .suggestion = "in the OPEN position/(Rephrase)", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3873, .outcome = Walk::PassNext},
    /*2*/ {.n1Class = {Cls::PlacePreposition, Cls::TimeConjunction}, .code = Msg::WrongMeaning, .ruleId = 4873,
           .outcome = Walk::PassNext},
    /*3*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .when = Marked},
};

#define RIGHT_MEANS(next, advice)                                                                    \
  {.n1 = next, .when = NextUnmarked, .suggestion = advice, .covers = 2, .code = Msg::WrongMeaning, \
   .ruleId = 5773, .outcome = Walk::PassNext}
constexpr RuleRow kRightCorrect[] = {
    /*0*/ RIGHT_MEANS("position|part*", "correct position"),
    /*1*/ RIGHT_MEANS("set", "(Rephrase)"),
    /*2*/ RIGHT_MEANS("time", "correct time"),
    /*3*/ RIGHT_MEANS("through", "through"),
    /*4*/ RIGHT_MEANS("type", "correct type of"),
    /*5*/ RIGHT_MEANS("value", "correct value"),
    /*6*/ RIGHT_MEANS("under", "below"),
    /*7*/ RIGHT_MEANS("of", "to the right of/on the right side"),
    /*8*/ RIGHT_MEANS("one", "correct item/correct part"),
    /*9*/ RIGHT_MEANS("over", "on the top/on/over"),
    /*10*/ RIGHT_MEANS("out", "extended"),
    /*11*/ RIGHT_MEANS("number", "correct number"),
    /*12*/ RIGHT_MEANS("next|now", "now"),
    /*13*/ RIGHT_MEANS("in|information", "correct information"),
    /*14*/ RIGHT_MEANS("by", "near/on"),
    /*15*/ RIGHT_MEANS("behind", "behind"),
    /*16*/ RIGHT_MEANS("back", "(Rephrase)"),
    /*17*/ RIGHT_MEANS("address", "correct address"),
    /*18*/ RIGHT_MEANS("away", "now"),
    /*19*/ RIGHT_MEANS("at", "on/at"),
    /*20*/ RIGHT_MEANS("circumstance*", "best conditions"),
};
#undef RIGHT_MEANS

constexpr RuleRow kRight[] = {
    /*0*/ {.n1 = "about", .covers = 2, .code = Msg::Rephrase, .ruleId = 3873, .outcome = Walk::SkipCovered},
    /*1*/ {.p1 = "about", .covers = 2, .on = On::P1, .code = Msg::Rephrase, .ruleId = 3873},
    /*2*/ {.p1 = "from", .suggestion = "from/(Rephrase)", .code = Msg::Style, .ruleId = 2873},
    /*3*/ {.n1 = "on", .n2 = "top*", .suggestion = "on the top", .covers = 3, .code = Msg::Translation,
           .ruleId = 2873, .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "thing", .suggestion = "correct action/(Rephrase)", .covers = 2, .code = Msg::Translation,
           .ruleId = 2873, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "amount*", .suggestion = "correct amount/correct quantity", .covers = 2,
           .code = Msg::Measurement, .ruleId = 2873, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "one*", .suggestion = "correct xxx", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2873,
           .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "of", .suggestion = "right side", .code = Msg::WrongMeaning, .ruleId = 2873},
    // The same test as the first gate of "right": never reached.
    /*8*/ {.n1Class = {Cls::To, Cls::Of}, .when = Marked},
    /*9*/ {.n1 = "in", .when = Marked},
    /*10*/ {.n1 = "for", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5674, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "hand", .when = NextUnmarked, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5675,
            .outcome = Walk::SkipCovered},
    /*12*/ {.n1 = "click", .when = NextNotSplit, .then = WordHyphenNext, .covers = 2, .code = Msg::Hyphenation,
            .ruleId = 2566, .outcome = Walk::SkipCovered},
    /*13*/ {.n1 = "position", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 6674, .outcome = Walk::SkipCovered},
    /*14*/ {.p1Class = kBeHave, .n1Class = {Cls::Of}},
    /*15*/ {.p1 = "its", .when = PosAbove1, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 2673},
    /*16*/ {.n1 = "on|top", .when = PosAbove1, .suggestion = "on the top of", .covers = 3, .code = Msg::WrongMeaning,
            .ruleId = 2673, .outcome = Walk::SkipCovered},
    /*17*/ {.p1 = "be|been", .when = PosAbove1, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 4773},
    // A place preposition after the word was taken by the inside rows.
    /*18*/ {.n1Class = {Cls::PlacePreposition}, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4673,
            .outcome = Walk::SkipCovered},
    /*19*/ {.p1Class = kBeHave, .when = PosAbove1, .suggestion = "correct", .covers = 2, .on = On::P1,
            .code = Msg::WrongMeaning, .ruleId = 3319},
};

constexpr RuleRow kLeft[] = {
    /*0*/ {.p1 = "if", .n1Class = {Cls::Comma}, .code = Msg::Translation, .ruleId = 5683},
    /*1*/ {.p1Class = {Cls::TimeConjunction}, .n1Class = {Cls::Comma}, .code = Msg::Translation, .ruleId = 5683},
    /*2*/ {.p1 = "be", .covers = 3, .code = Msg::Translation, .ruleId = 4980, .outcome = Walk::SkipCovered},
    /*3*/ {.n1 = "outside|off|inside", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 3873,
           .outcome = Walk::SkipCovered},
    /*4*/ {.p1 = "days|weeks|hours|months", .when = PosAbove1, .then = PrevTo, .covers = 2, .on = On::P1,
           .code = Msg::Measurement, .ruleId = 5783},
    /*5*/ {.p1 = "have", .when = PosAbove1, .suggestion = "let/put", .covers = 2, .on = On::P1,
           .code = Msg::WrongVerb, .ruleId = 8673},
    /*6*/ {.p1 = "time", .when = PosAbove1, .suggestion = "(quantity of time)", .covers = 2, .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 5676},
    /*7*/ {.n1 = "with|over", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 8670, .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "on", .suggestion = "on/in the ON position/in operation", .verbForm = 'X', .covers = 2,
           .code = Msg::NameLabel, .ruleId = 3316, .outcome = Walk::SkipCovered},
    // "left in" was taken by the inside rows.
    /*9*/ {.n1 = "in", .suggestion = "in/stay", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1494,
           .outcome = Walk::SkipCovered},
    // A hint: put in, "not" can land in a question, which the negation rules flag.
    /*10*/ {.n1 = "out", .when = NextNotSplit, .suggestion = "(not installed)", .covers = 2,
            .code = Msg::WrongMeaning, .ruleId = 1494, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "unattended", .suggestion = "without an operator", .covers = 2, .code = Msg::Translation,
            .ruleId = 4674},
};
// clang-format on

}  // namespace

std::span<const RuleRow> SideNeutralRows() { return kNeutral; }
std::span<const RuleRow> SidePhraseRows() { return kSidePhrases; }
std::span<const RuleRow> InsideSideRows() { return kInside; }
std::span<const RuleRow> RightCorrectRows() { return kRightCorrect; }
std::span<const RuleRow> RightRows() { return kRight; }
std::span<const RuleRow> LeftRows() { return kLeft; }

bool RightRowPassesOneMore(int index) { return index == 0 || index == 3 || index == 12; }
