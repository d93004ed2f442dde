// The rule tables of "of", "from", "their" and "some" (class 67), in the
// order they are tried.
#include "rules/function_words/of_tables.h"

#include "engine/class_numbers.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"

namespace of_rules {
namespace {

using enum Walk;

bool Opening(const RuleContext& c) { return c.word->sentencePos == 0; }
bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool NextSplit(const RuleContext& c) { return c.n1().splitKind == '4' || c.n1().splitKind == '6'; }
bool SelfSplit(const RuleContext& c) { return c.word->splitKind == '6'; }
bool NextIsEnd(const RuleContext& c) { return IsSentinel(c.N(1)); }
bool PrevPlain(const RuleContext& c) { return c.p1().tokenKind == 0; }
bool AfterFirstPrevPlain(const RuleContext& c) { return c.word->sentencePos > 1 && PrevPlain(c); }
bool AfterSecondPrevPlain(const RuleContext& c) { return c.word->sentencePos > 2 && PrevPlain(c); }
bool Ste(const RuleContext& c) { return c.steDictionary == 1; }

// "from" + an -ing word without a mark.
bool NextUnmarkedIng(const RuleContext& c) { return NextUnmarked(c) && c.n1().lastLetter == 'g'; }
// An -ing word that an earlier rule has given advice.
bool NextAdvised(const RuleContext& c) { return !c.n1().suggestion.empty(); }
bool AfterFirstPrevPlainNextUnmarked(const RuleContext& c) {
  return AfterFirstPrevPlain(c) && NextUnmarked(c);
}
// An -ing word without a message code of its own as its subclass.
bool NextPlainSubClass(const RuleContext& c) { return c.n1().subClass <= 299; }
// A previous word the tokenizer marked as a number or a list item.
bool PrevCountFlag(const RuleContext& c) { return c.p1().extraFlag == '8' || c.p1().extraFlag == '5'; }
bool PrevPlural(const RuleContext& c) { return c.p1().text.last() == 's'; }
// *drop of oil* names a quantity the vocabulary accepts.
bool NotOil(const RuleContext& c) { return c.n1().text.first() != 'o'; }

// *their* + a noun: no article and no phrase rule for that noun.
void MarkNoun(RuleContext&, WordRec& next) { next.markFlag = '1'; }
// *by means of*: the rule acts on "by", and the walk goes on from there.
void GoOnFrom(RuleContext& c, WordRec& target) { c.word = &target; }

constexpr Classes kAboveNeutral = Classes::Range(Cls::Class41, 127);

// Rows of one shape, written once.
// *X from*: the advice and the finding go on the previous word; "from"
// loses its codes.
constexpr RuleRow BeforeFrom(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
          .ruleId = 2877, .outcome = Clear};
}
// *X of*: the advice and the finding go on the previous word.
constexpr RuleRow BeforeOf(Words previous, const char* text, RuleTest when = nullptr) {
  return {.p1 = previous, .when = when, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::WrongMeaning, .ruleId = 5671};
}
// *of* + a verb in -ing: the previous word gets the advice of what it can do.
constexpr RuleRow OfDoing(Words next, const char* text) {
  return {.n1 = next, .suggestion = text, .covers = 3, .on = On::P1, .code = Msg::Gerund, .ruleId = 7658,
          .outcome = PassNext};
}

// clang-format off
constexpr RuleRow kGateRows[] = {
    /*0*/  {.n1Class = {Cls::Article, Cls::MaterialNoun, Cls::LeftRight, Cls::Neutral, Cls::Number, Cls::Demonstrative}},
    /*1*/  {.n1 = "<*"},
    /*2*/  {.when = NextSplit},
    /*3*/  {.when = NextMarked},
    /*4*/  {.n1 = ".*", .when = Opening},
    // *their not* is "they are not" misspelt; the other words of the class
    // are no pronouns.
    /*5*/  {.word = "their", .n1Class = {Cls::Negation}, .suggestion = "they are/(Rephrase)", .code = Msg::Pronoun, .ruleId = 2683},
    /*6*/  {.n1 = ":*|.*|,*", .code = Msg::Preposition, .ruleId = 2683},
    /*7*/  {.n1Class = {Cls::AndOr}, .code = Msg::Preposition, .ruleId = 2683},
    /*8*/  {.when = NextIsEnd, .code = Msg::Preposition, .ruleId = 2683},
    /*9*/  {.when = SelfSplit, .code = Msg::Preposition, .ruleId = 2683},
    // "Some" and "Their" open a sentence as any determiner does.
    /*10*/ {.word = "of|from", .when = Opening, .code = Msg::Preposition, .ruleId = 2683},
    /*11*/ {.p1Class = kNounClasses, .n1Class = {Cls::Comma, Cls::SentenceEnd}, .when = Inside},
    /*12*/ {.p1Class = kNounClasses, .n1 = "@*", .when = Inside},
    /*13*/ {.n1Class = {Cls::Comma, Cls::SentenceEnd}, .when = Inside, .code = Msg::MissingReference, .ruleId = 5878},
    /*14*/ {.n1 = "@*", .when = Inside, .code = Msg::MissingReference, .ruleId = 5878},
    /*15*/ {.n1Class = {Cls::Pronoun}, .on = On::N1, .code = Msg::MissingReference, .ruleId = 3677, .outcome = PassNext},
};

constexpr RuleRow kSomeRows[] = {
    /*0*/  {.n1Class = {Cls::SentenceEnd, Cls::Modal, Cls::Have, Cls::AndOr, Cls::Verb}, .code = Msg::MissingReference, .ruleId = 3978},
    /*1*/  {.n1 = "period|force", .suggestion = "(Give range or measure)", .covers = 2, .code = Msg::Awkward, .ruleId = 4978, .outcome = SkipCovered},
    /*2*/  {.p1Class = {Cls::Negation}, .when = AfterFirstPrevPlain, .covers = 2, .on = On::P1, .code = Msg::MissingReference, .ruleId = 1878, .outcome = Clear},
    /*3*/  {.n1Class = {Cls::InnerPunctuation, Cls::Comma}, .on = On::N1, .code = Msg::Punctuation, .ruleId = 180, .outcome = PassNext},
};

constexpr RuleRow kTheirRows[] = {
    /*0*/  {.when = Opening},
    /*1*/  {.n1Class = {Cls::Be, Cls::Have, Cls::Modal}, .suggestion = "there", .code = Msg::WrongChoice, .ruleId = 2783},
    /*2*/  {.n1 = "own*", .suggestion = "their/(Delete)", .covers = 2, .code = Msg::MissingReference, .ruleId = 1678, .outcome = SkipCovered},
    /*3*/  {.n1Class = kNounClasses, .then = MarkNoun, .on = On::N1},
};

constexpr RuleRow kFromFirstRows[] = {
    /*0*/  {.n1 = "each|every|all"},
};

constexpr RuleRow kFromPhraseRows[] = {
    /*0*/  {.n1 = "what|inside|outside", .on = On::N1, .code = Msg::Awkward, .ruleId = 5678, .outcome = PassNext},
    /*1*/  {.n1 = "its", .n2 = "own", .suggestion = "from ...", .covers = 3, .code = Msg::Translation, .ruleId = 1862, .outcome = SkipCovered},
    /*2*/  {.n1Class = {Cls::VerbIng}, .when = NextUnmarkedIng, .on = On::N1, .code = Msg::Gerund, .ruleId = 1470, .outcome = PassNext},
    /*3*/  {.n1 = "being|not", .n2Class = {Cls::Participle, Cls::VerbEd}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 2875, .outcome = SkipCovered},
    /*4*/  {.n1 = "being|not", .n1Class = {Cls::Negation}, .covers = 2, .code = Msg::Negative, .ruleId = 2875, .outcome = SkipCovered},
    /*5*/  {.n1 = "being|not", .covers = 2, .code = Msg::PassiveVoice, .ruleId = 2875, .outcome = SkipCovered},
    /*6*/  {.n1 = "both", .suggestion = "from the two", .covers = 2, .code = Msg::Awkward, .ruleId = 4757, .outcome = SkipCovered},
    /*7*/  {.n1 = "either", .suggestion = "from one of the two", .covers = 2, .code = Msg::Awkward, .ruleId = 4757, .outcome = SkipCovered},
    /*8*/  {.n1 = "above", .suggestion = "from a position above the ...", .covers = 2, .code = Msg::Awkward, .ruleId = 4757, .outcome = SkipCovered},
    /*9*/  {.n1 = "below", .suggestion = "from a position below the ...", .covers = 2, .code = Msg::Awkward, .ruleId = 4757, .outcome = SkipCovered},
};

constexpr RuleRow kBeforeFromRows[] = {
    /*0*/  BeforeFrom("as", "from/(Rephrase)"),
    /*1*/  BeforeFrom("bled|backing", "(Rephrase)"),
    /*2*/  BeforeFrom("clea*|coming", "away from"),
    /*3*/  BeforeFrom("differ", "different from"),
    /*4*/  BeforeFrom("drop*", "fall/decrease from"),
    /*5*/  BeforeFrom("downstream", "at a distance from/from"),
    /*6*/  BeforeFrom("either", "one of the two"),
    /*7*/  BeforeFrom("free*", "no.../without/(Rephrase)"),
    /*8*/  BeforeFrom("farther", "at a distance of/(Give distance)"),
    /*9*/  BeforeFrom("get*|gone", nullptr),
    /*10*/ BeforeFrom("out", "from/from the/from a"),
    /*11*/ BeforeFrom("powered", "get power from/power is supplied from"),
    /*12*/ BeforeFrom("run*", "operated by/operated with"),
    /*13*/ BeforeFrom("regardless", "(Rephrase)"),
    /*14*/ BeforeFrom("result*", "result/can cause"),
    /*15*/ BeforeFrom("stem*|sign", "indication/visible/not visible"),
    /*16*/ BeforeFrom("way", "(Rephrase)"),
};

constexpr RuleRow kFromRestRows[] = {
    /*0*/  {.n1Class = {Cls::VerbIng}, .when = NextAdvised},
    /*1*/  {.n1Class = {Cls::VerbIng}, .on = On::N1, .code = Msg::Gerund, .ruleId = 4678, .outcome = PassNext},
    /*2*/  {.n1 = "one", .n2Class = {Cls::Of}},
    /*3*/  {.n1 = "one", .n2Class = kNounClasses},
    /*4*/  {.n1 = "one", .on = On::N1, .code = Msg::MissingReference, .ruleId = 6278, .outcome = PassNext},
    /*5*/  {.n1 = "which|our", .outcome = PassNext},
    /*6*/  {.n1 = "service", .when = AfterFirstPrevPlainNextUnmarked, .suggestion = "from operation", .covers = 2, .code = Msg::Translation, .ruleId = 2876, .outcome = SkipCovered},
    /*7*/  {.n1 = "at|underneath|under|within", .when = AfterFirstPrevPlainNextUnmarked, .suggestion = "from below", .covers = 2, .code = Msg::Translation, .ruleId = 2876, .outcome = SkipCovered},
};

constexpr RuleRow kOfFirstRows[] = {
    /*0*/  {.n1 = "each|every|times|their|all", .outcome = NeutralNext},
};

constexpr RuleRow kOfPhraseRows[] = {
    /*0*/  {.n1Class = kAboveNeutral},
    /*1*/  {.p1 = "period", .n1 = "time", .when = Ste, .covers = 3, .on = On::P1},
    /*2*/  {.p1 = "period|duration|length", .n1 = "time", .suggestion = "(Give time ref.)", .covers = 3, .on = On::P1, .code = Msg::Measurement, .ruleId = 7658, .outcome = PassNext},
    /*3*/  {.p1 = "number", .n1Class = {Cls::Noun, Cls::Nomenclature}, .on = On::N1, .code = Msg::Agreement, .ruleId = 7658},
    // "which" is of a class above the neutral one and ended the rules above.
    /*4*/  {.n1 = "interest|course|which", .when = NextUnmarked, .covers = 2, .code = Msg::Delete, .ruleId = 7778, .outcome = SkipCovered},
    /*5*/  {.p1 = "kind|each", .suggestion = "type of/each of the", .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 5658},
    /*6*/  OfDoing("measuring", "that can measure"),
    /*7*/  OfDoing("moving", "that can move"),
    /*8*/  OfDoing("turning", "that can turn"),
    /*9*/  OfDoing("being", nullptr),
};

constexpr RuleRow kBeforeOfRows[] = {
    /*0*/  BeforeOf("ahead", "before"),
    /*1*/  BeforeOf("addition", "add (v)/(Rephrase)"),
    /*2*/  BeforeOf("aware|affect", "know about/know"),
    /*3*/  BeforeOf("amount", "quantity of/(Give value)"),
    /*4*/  BeforeOf("aim*", "action of/result of/(Rephrase)"),
    /*5*/  BeforeOf("abundance", "(Give quantity)"),
    /*6*/  BeforeOf("beginning|better", "start(n)/source/start(v)"),
    /*7*/  BeforeOf("couple", "(Give measurement)"),
    /*8*/  BeforeOf("consent|context|consist*|course", "(Rephrase)"),
    /*9*/  BeforeOf("check", "make a test for"),
    /*10*/ BeforeOf("chance*", nullptr),
    /*11*/ BeforeOf("comprised|composed", "two"),
    /*12*/ BeforeOf("capable", "can"),
    /*13*/ BeforeOf("clear", "away from/at a distance"),
    /*14*/ BeforeOf("evidence", "indication of"),
    /*15*/ BeforeOf("effect", "cause/cause of"),
    /*16*/ BeforeOf("empty", "without/(Rephrase)"),
    /*17*/ BeforeOf("event", "(Rephrase)"),
    /*18*/ BeforeOf("few", "does not have/(Give quantity)"),
    /*19*/ BeforeOf("film", "layer of"),
    /*20*/ BeforeOf("downstream", "at a distance from"),
    // A drop of a liquid is a quantity to give, not a distance.
    /*21*/ BeforeOf("drop", "(Give quantity)", NotOil),
    /*22*/ BeforeOf("hazard", "risk of"),
    /*23*/ BeforeOf("instruction", "about"),
    /*24*/ BeforeOf("independant|independent", "(operates without)"),
    /*25*/ BeforeOf("kind*", "types of", PrevPlural),  // "kind" itself took the phrase rows
    /*26*/ BeforeOf("kind*", "type of"),
    /*27*/ BeforeOf("lack", "(Rephrase)"),
    /*28*/ BeforeOf("lot*|like|lift", "not enough of"),
    /*29*/ BeforeOf("measure", "measurement of"),
    // *must of* is "must have" misspelt; *much of* is a quantity to give.
    /*30*/ BeforeOf("must", "must have"),
    /*31*/ BeforeOf("much", "(Give quantity)"),
    /*32*/ BeforeOf("need*", "(Rephrase)"),
    /*33*/ BeforeOf("outside", "from/other than/external side of/outer side"),
    /*34*/ BeforeOf("purpose", "(Rephrase)"),
    /*35*/ BeforeOf("piece", "part of"),
    /*36*/ BeforeOf("sign*", "indications of", PrevPlural),
    /*37*/ BeforeOf("sign*", "indication of"),
    /*38*/ BeforeOf("short|sort*", "type of"),
    /*39*/ BeforeOf("tracking|true", "monitor/track(n)"),
    /*40*/ BeforeOf("void", "without/does not have/do not have"),
};

constexpr RuleRow kOfInsideRows[] = {
    /*0*/  {.n1Class = {Cls::VerbIng}, .when = NextPlainSubClass, .covers = 2, .code = Msg::Gerund, .ruleId = 3678, .outcome = SkipCovered},
    /*1*/  {.n1Class = {Cls::VerbIng}, .on = On::N1, .code = Msg::WrongVerb, .ruleId = 3678},
    // "or" is a conjunction, which the gates have taken: the row stays in its order.
    /*2*/  {.n1 = "or", .suggestion = "of/or", .covers = 2, .code = Msg::Preposition, .ruleId = 4977, .outcome = SkipCovered},
    /*3*/  {.n1 = "use", .covers = 2, .code = Msg::Translation, .ruleId = 5977, .outcome = SkipCovered},
    /*4*/  {.p1 = "point", .n1Class = kNounClasses},
    /*5*/  {.when = PrevCountFlag},
    /*6*/  {.p1Class = {Cls::Number}},
    /*7*/  {.p1 = ")*"},
    /*8*/  {.p1 = "part|each|type"},
};

constexpr RuleRow kOfClosingRows[] = {
    /*0*/  {.n1 = "up", .n2Class = {Cls::To}, .suggestion = "to a maximum of", .covers = 3, .code = Msg::Translation, .ruleId = 3679, .outcome = SkipCovered},
    // "this" is a demonstrative, which the gates have taken: the row stays in its order.
    /*1*/  {.n1 = "this", .n2 = "type", .suggestion = "type of/(Rephrase)", .covers = 3, .code = Msg::Translation, .ruleId = 3679, .outcome = SkipCovered},
    /*2*/  {.p1Class = {Cls::Participle}, .n1Class = {Cls::Adjective}, .when = AfterSecondPrevPlain, .code = Msg::Preposition, .ruleId = 1578},
    /*3*/  {.p2 = "by", .p1 = "means", .when = AfterSecondPrevPlain, .suggestion = "by/method", .then = GoOnFrom, .covers = 3, .on = On::P2, .code = Msg::WrongMeaning, .ruleId = 1378, .outcome = SkipCovered},
    /*4*/  {.n1 = "dollars", .outcome = PassNext},
    /*5*/  {.n1 = "doubt|own|interest|course", .covers = 2, .code = Msg::Translation, .ruleId = 3679, .outcome = SkipCovered},
    /*6*/  {.n1 = "such|shape|similar", .suggestion = "of the type", .covers = 2, .code = Msg::Translation, .ruleId = 3679, .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kGates = kGateRows;
const std::span<const RuleRow> kSome = kSomeRows;
const std::span<const RuleRow> kTheir = kTheirRows;
const std::span<const RuleRow> kFromFirst = kFromFirstRows;
const std::span<const RuleRow> kFromPhrases = kFromPhraseRows;
const std::span<const RuleRow> kBeforeFrom = kBeforeFromRows;
const std::span<const RuleRow> kFromRest = kFromRestRows;
const std::span<const RuleRow> kOfFirst = kOfFirstRows;
const std::span<const RuleRow> kOfPhrases = kOfPhraseRows;
const std::span<const RuleRow> kBeforeOf = kBeforeOfRows;
const std::span<const RuleRow> kOfInside = kOfInsideRows;
const std::span<const RuleRow> kOfClosing = kOfClosingRows;

}  // namespace of_rules
