// Rows of the determiners inside their sentence: "next", "other",
// "possible", "quick", "same", "several", "short", "slow", "small",
// "straight" and "your".
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "rules/main/determiner_word_tables.h"
#include "rules/main/word_rule_tests.h"

using namespace word_rows;

namespace {

bool InsideMarked(const RuleContext& c) { return Inside(c) && WordMarked(c); }
bool InsideMarkedNextA(const RuleContext& c) { return InsideMarked(c) && NextCodeA(c); }
// "quick" after a word that is no verb (and no demonstrative).
bool AfterNonVerb(const RuleContext& c) {
  const WordRec* p = c.P(1);
  return Inside(c) && p && p->wordClass >= 20 && p->wordClass != Cls::Demonstrative && !CodeStarts(*p, 'V');
}
// "short" before a span of time: the words of "l", "n", "o" and "p" that
// count only when a pulse follows.
bool NextLnopUnmarked(const RuleContext& c) { return NextUnmarked(c) && CharIn(c.n1().text.first(), "lnop"); }
bool NextIsUnknown(const RuleContext& c) { return c.n1().subClass == Msg::NotInDictionary; }
bool NextCodeNABD(const RuleContext& c) { return CharIn(c.n1().classCode.first(), "NABD"); }

void QuickAccess(RuleContext& c, WordRec&) {
  c.word->wordClass = Cls::Adjective;
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Noun;
}
void YourAdjective(RuleContext& c, WordRec&) {
  if (WordRec* n = c.N(1)) n->wordClass = Cls::Adjective;
  c.word->classCode = "A****";
}

// clang-format off
constexpr RuleRow kNextWord[] = {
    /*0*/ {.n1Class = kNounClasses},
    /*1*/ {.n1Class = kEnds, .code = Msg::MissingReference, .ruleId = 3931},
    /*2*/ {.when = NextParen, .code = Msg::MissingReference, .ruleId = 4932},
};

constexpr RuleRow kOther[] = {
    /*0*/ {.n1Class = kEnds},
    /*1*/ {.n1Class = {Cls::Participle, Cls::VerbEd}, .when = Inside, .then = NextParticiple},
    /*2*/ {.n1 = "times|issues|purposes|factors", .when = Inside, .covers = 2, .code = Msg::Rephrase, .ruleId = 5824,
           .outcome = kSkip},
    /*3*/ {.n1Class = {Cls::VerbS}, .when = Inside, .on = On::N1, .code = Msg::ChangeToNoun, .ruleId = 8661,
           .outcome = kOverN},
    /*4*/ {.n1Class = kAbove19, .when = InsideMarkedNextA},
    /*5*/ {.n1Class = kAbove19, .when = InsideMarked, .code = Msg::MissingReference, .ruleId = 5661},
    /*6*/ {.n1 = "than", .when = Inside, .suggestion = "(but not)/different from", .covers = 2,
           .code = Msg::Preposition, .ruleId = 8661, .outcome = kSkip},
    /*7*/ {.n1Class = {Cls::Be, Cls::Have, Cls::Verb, Cls::VerbS, Cls::Negation, Cls::Modal}, .when = InsideMarked,
           .code = Msg::MissingReference, .ruleId = 6661},
    /*8*/ {.p1 = "any", .when = [](const RuleContext& c) { return Inside1(c) && PrevToken0(c); }, .covers = 2,
           .on = On::P1, .code = Msg::Delete, .ruleId = 5824, .outcome = kClear},
    /*9*/ {.n1Class = kNounClasses},
    /*10*/ {.n1Class = {Cls::Adjective, Cls::Participle, Cls::Determiner}},
    /*11*/ {.code = Msg::Adjective, .ruleId = 491},
};

constexpr RuleRow kPossible[] = {
    /*0*/ {.when = NotInside},
    /*1*/ {.p1 = "if"},
    /*2*/ {.n1 = "time*", .suggestion = "(Give time or date ref.)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 8897, .outcome = kSkip},
    /*3*/ {.p1 = "maximum|most", .suggestion = "possible/(Give range)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 8897, .outcome = kSkip},
    /*4*/ {.p1 = "earliest", .when = PrevToken0, .suggestion = "(Give time or date ref.)", .covers = 2, .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 7897, .outcome = kClear},
    /*5*/ {.p1 = "when*", .when = PrevToken0, .suggestion = "if possible/if necessary", .covers = 2, .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 7897, .outcome = kClear},
    /*6*/ {.n1Class = kEnds, .code = Msg::Awkward, .ruleId = 3897},
};

constexpr RuleRow kQuick[] = {
    /*0*/ {.n1 = "access|connect|disconnect", .clear = true, .then = QuickAccess, .outcome = kOverN},
    /*1*/ {.n1Class = kEnds, .suggestion = "quickly", .code = Msg::Awkward, .ruleId = 3897},
    /*2*/ {.n1Class = kNounClasses, .when = AfterNonVerb, .suggestion = "(Give time or date ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8897, .outcome = kSkip},
    /*3*/ {.n1Class = {Cls::Adjective}, .when = AfterNonVerb, .suggestion = "(Give time or date ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8897, .outcome = kSkip},
    /*4*/ {.when = AfterNonVerb, .suggestion = "quickly/(Rephrase)", .code = Msg::WrongChoice, .ruleId = 5897},
    /*5*/ {.when = Inside, .suggestion = "quickly", .code = Msg::Adverb, .ruleId = 3897},
    /*6*/ {.when = BeforeStart, .suggestion = "quickly/(Rephrase)", .code = Msg::WrongChoice, .ruleId = 5897},
};

constexpr RuleRow kSmall[] = {
    /*0*/ {.n1 = "time|speed|object*", .covers = 2, .code = Msg::Measurement, .ruleId = 3627, .outcome = kSkip},
    /*1*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .n2Class = kNounClasses, .when = WordNotSplit4, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kSlow[] = {
    /*0*/ {.n1 = "time|move|speed", .covers = 2, .code = Msg::Measurement, .ruleId = 3627, .outcome = kSkip},
};

constexpr RuleRow kSame[] = {
    /*0*/ {.n1 = "means", .suggestion = "same type of", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7628,
           .outcome = kOverN},
    /*1*/ {.n1 = "way*", .suggestion = "same method/same methods", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 7628, .outcome = kOverN},
    /*2*/ {.n1 = "place*", .suggestion = "same position", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7628,
           .outcome = kOverN},
    /*3*/ {.n1 = "as", .suggestion = "(Add type, size, color)", .covers = 2, .code = Msg::MissingReference,
           .ruleId = 5627, .outcome = kOverN},
    /*4*/ {.n1Class = kNounClasses},
    /*5*/ {.n1Class = kEnds, .suggestion = "(Add type, size, color)", .code = Msg::MissingReference, .ruleId = 5627},
    /*6*/ {.when = NextCodeNotA, .suggestion = "(Add type, size, color)", .code = Msg::MissingReference,
           .ruleId = 5627},
};

// After the gates of the body; the last row alone applies before the
// sentence start.
constexpr RuleRow kShort[] = {
    /*0*/ {.n1 = "a*|b*|c*|d*|f*", .when = NextUnmarked, .suggestion = "(Give time ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8627, .outcome = kSkip},
    /*1*/ {.n1 = "length|of|notification|lived|life|period*|pulse*", .when = NextUnmarked,
           .suggestion = "(Give time ref.)", .covers = 2, .code = Msg::Measurement, .ruleId = 8627, .outcome = kSkip},
    /*2*/ {.n2 = "pulse*", .when = NextLnopUnmarked, .suggestion = "(Give time ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8627, .outcome = kSkip},
    /*3*/ {.n1 = "time|while|term*", .when = NextUnmarked, .suggestion = "(Give time ref.)", .covers = 2,
           .code = Msg::Measurement, .ruleId = 8627, .outcome = kSkip},
    /*4*/ {.n1 = "amount|period*", .n2Class = {Cls::Of}, .n3 = "time", .suggestion = "(Give time Ref.)", .covers = 4,
           .code = Msg::Measurement, .ruleId = 7629, .outcome = kSkip},
    /*5*/ {.n1 = "to|in|at", .suggestion = "short-circuit", .code = Msg::Terminology, .ruleId = 5627},
    /*6*/ {.n1 = "circuit*|over|out", .suggestion = "short-circuit/cause a short-circuit",
           .covers = 2, .code = Msg::Measurement, .ruleId = 3629, .outcome = kSkip},
    /*7*/ {.p1Class = {Cls::Article}, .n1Class = kAbove20, .suggestion = "short-circuit/cause a short-circuit",
           .code = Msg::WrongMeaning, .ruleId = 3629},
    /*8*/ {.n1Class = kAbove20, .when = WordMarked, .suggestion = "short-circuit/cause a short-circuit",
           .code = Msg::WrongMeaning, .ruleId = 3629},
    /*9*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .n2Class = kNounClasses, .when = WordNotSplit4, .covers = 2,
           .code = Msg::Hyphenation, .ruleId = 3627, .outcome = kOverN},
};

constexpr RuleRow kStraight[] = {
    // The advice goes with the finding on "go".
    /*0*/ {.p1 = "go", .when = Inside, .suggestion = "read/go", .covers = 2, .on = On::P1, .code = Msg::Measurement,
           .ruleId = 5627},
    /*1*/ {.n1Class = kNounClasses},
    /*2*/ {.n1Class = {Cls::Adjective}},
    /*3*/ {.p1Class = {Cls::Be, Cls::Have, Cls::Negation}, .when = Inside},
    /*4*/ {.code = Msg::Adjective, .ruleId = 6627},
};

constexpr RuleRow kSeveral[] = {
    /*0*/ {.n1 = "times", .suggestion = "(Give reference or quantity)", .covers = 2, .code = Msg::Measurement,
           .ruleId = 5627, .outcome = kSkip},
    /*1*/ {.n1Class = kNounClasses, .suggestion = "(Give a quantity or amount.)", .code = Msg::Measurement,
           .ruleId = 6795},
    /*2*/ {.n2Class = kNounClasses, .when = NextCodeA, .suggestion = "(Give a quantity or amount.)",
           .code = Msg::Measurement, .ruleId = 6795},
};

constexpr RuleRow kYour[] = {
    /*0*/ {.when = NotInside},
    /*1*/ {.n1Class = {Cls::VerbIng, Cls::VerbEd, Cls::Verb}, .then = YourAdjective, .code = Msg::Awkward,
           .ruleId = 6795},
    /*2*/ {.when = NextIsUnknown, .then = YourAdjective, .code = Msg::Awkward, .ruleId = 6795},
    /*3*/ {.n1Class = {Cls::LeftRight}, .then = NextNoun},
    /*4*/ {.p1 = "see|contact", .suggestion = "make contact with.../(Give email or URL)", .covers = 2, .on = On::P1,
           .code = Msg::Translation, .ruleId = 2931},
    /*5*/ {.n1 = "needs|desires", .covers = 2, .code = Msg::Translation, .ruleId = 2931, .outcome = kSkip},
    /*6*/ {.when = NextCodeNABD},
    /*7*/ {.code = Msg::MissingReference, .ruleId = 2931},
};
// clang-format on

}  // namespace

std::span<const RuleRow> NextRows() { return kNextWord; }
std::span<const RuleRow> OtherRows() { return kOther; }
std::span<const RuleRow> PossibleRows() { return kPossible; }
std::span<const RuleRow> QuickRows() { return kQuick; }
std::span<const RuleRow> SameRows() { return kSame; }
std::span<const RuleRow> SeveralRows() { return kSeveral; }
std::span<const RuleRow> ShortRows() { return kShort; }
std::span<const RuleRow> ShortOpeningRows() { return std::span(kShort).last(1); }
std::span<const RuleRow> SlowRows() { return kSlow; }
std::span<const RuleRow> SmallRows() { return kSmall; }
std::span<const RuleRow> StraightRows() { return kStraight; }
std::span<const RuleRow> YourRows() { return kYour; }
