// The rule tables of "in" inside a sentence, in the order they are tried.
#include "rules/function_words/in_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace in_rules {
namespace {

using enum Walk;

bool BothSplit(const RuleContext& c) { return c.word->splitKind == '4' && c.n1().splitKind == '4'; }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool FourthIsPart(const RuleContext& c) { return c.N(4) && TextIs(*c.N(4), "part"); }
bool PastFirst(const RuleContext& c) { return c.word->sentencePos > 1; }
// The compound check split a hyphenated word and this is its second part.
bool SecondPartOfCompound(const RuleContext& c) { return c.word->separatorFlag == '-'; }
bool PastFirstNextUnmarked(const RuleContext& c) { return PastFirst(c) && NextUnmarked(c); }
bool PrevEndsS(const RuleContext& c) { return PastFirst(c) && c.p1().text.last() == 's'; }
bool NextPlace(const RuleContext& c) {
  return PastFirst(c) && (TextStarts(c.n1(), "place") || TextIs(c.n1(), "position"));
}
bool NextContact(const RuleContext& c) { return PastFirst(c) && TextIs(c.n1(), "contact"); }
bool NextMind(const RuleContext& c) { return PastFirst(c) && TextIs(c.n1(), "mind"); }
bool NextUnknownCapital(const RuleContext& c) {
  return c.N(1) && c.n1().message == Msg::NotInDictionary && c.n1().caseFlag == '1';
}

// "in event that": the article the list dropped goes back into the written
// form, and "if/when" joins any advice the word has already.
void EventOrCase(RuleContext& c, WordRec& w) {
  w.written.append(IsCaps(c.n1()) ? " THE" : " the");
  if (w.suggestion.empty()) {
    WriteSuggestion(&w, "if/when");
    return;
  }
  BoundedText<85> joined(w.suggestion.view());
  joined.append("/if/when");
  WriteSuggestion(&w, joined.view());
}

// "X in": the previous word gets the advice.
constexpr RuleRow Before(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning, .ruleId = 7112};
}
constexpr RuleRow VerbIn(Words previous, const char* text, RuleTest when = PastFirst) {
  return {.p1 = previous, .when = when, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::Preposition,
          .ruleId = 2814};
}
// "X in Y": the advice replaces the three words, and the walk passes over
// the third.
constexpr RuleRow VerbInWord(Words previous, const char* text, RuleTest when) {
  RuleRow row = VerbIn(previous, text, when);
  row.covers = 3;
  row.outcome = PassNext;
  return row;
}
constexpr RuleRow Phrase(Words next, Words second, const char* text, RuleTest when = nullptr,
                         Classes secondClass = {}) {
  return {.n1 = next, .n2 = second, .n2Class = secondClass, .when = when, .suggestion = text, .covers = 3,
          .code = Msg::Preposition, .ruleId = 6912, .outcome = SkipCovered};
}

constexpr Classes kOfOrTime = {Cls::Of, Cls::TimeConjunction};

// clang-format off
constexpr RuleRow kHeadRows[] = {
    // The "in" of a hyphenated word ("plug-in", "built-in") is no preposition.
    /*0*/ {.when = SecondPartOfCompound},
    /*1*/ {.p1Class = {Cls::Be, Cls::Have}},
    /*2*/ {.n1 = "<*"},
    /*3*/ {.n1Class = {Cls::ProperName}},
    /*4*/ {.when = BothSplit, .code = Msg::Hyphenation, .ruleId = 1441},
};

constexpr RuleRow kWordBeforeRows[] = {
    /*0*/ Before("breath*", "breath/(Rephrase)"),
    /*1*/ Before("collect*", "stay in/stays in"),
    /*2*/ Before("outlined", "shown in"),
    // "in position" stands for "placed in position", not for "placed in": a hint.
    /*3*/ Before("place*", "(in position)"),
    /*4*/ Before("result*", "can cause"),
    /*5*/ Before("suck*", "pull xxx into"),
};

constexpr RuleRow kAfterArticleRows[] = {
    /*0*/ {.n1 = "event|case", .n2 = "that|both|of", .when = NextMarked, .then = EventOrCase, .covers = 3, .code = Msg::WrongChoice, .ruleId = 7992, .outcome = PassTwo},
    /*1*/ {.when = NextMarked},
};

constexpr RuleRow kPhrasesRows[] = {
    /*0*/ {.n1 = "such", .n2 = "a", .n3 = "way", .clear = true, .covers = 4, .code = Msg::Delete, .ruleId = 1912, .outcome = SkipCovered},
    // "in whole or in part": the four words up to the second "in".
    /*1*/ {.n1 = "whole", .n2 = "or", .n3 = "in", .when = FourthIsPart, .clear = true, .covers = 4, .code = Msg::Delete, .ruleId = 1912, .outcome = SkipCovered},
    /*2*/ {.n1 = "accordance", .n2 = "with", .clear = true, .suggestion = "(as given in)/(refer to)", .covers = 3, .code = Msg::WrongChoice, .ruleId = 6912, .outcome = SkipCovered},
    /*3*/ {.n1Class = {Cls::Article}, .n2 = "row", .suggestion = "in a sequence of", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 6912, .outcome = SkipCovered},
    /*4*/ Phrase("case", {}, "if there is", NextUnmarked, kOfOrTime),
    /*5*/ Phrase("order", {}, "in a sequence of", NextUnmarked, kOfOrTime),
    /*6*/ Phrase({}, "case*", "for/(Rephrase)"),
    /*7*/ {.n2 = "maintenance", .suggestion = "for/during/(Rephrase)", .code = Msg::Preposition, .ruleId = 6912},
    /*8*/ {.n1 = "order*", .n2Class = {Cls::To}, .when = NextUnmarked, .suggestion = "to", .covers = 3, .code = Msg::VerbTense, .ruleId = 6912, .outcome = SkipCovered},
};

constexpr RuleRow kBetweenRows[] = {
    /*0*/ {.n1 = "between", .on = On::N1, .code = Msg::Delete, .ruleId = 7912, .outcome = PassNext},
};

constexpr RuleRow kNextWordRows[] = {
    /*0*/ {.n1 = "service", .when = PastFirstNextUnmarked, .suggestion = "in operation/(Rephrase)", .covers = 2, .code = Msg::Preposition, .ruleId = 2824, .outcome = SkipCovered},
    /*1*/ {.n1 = "depth|phase|use|series|position|parallel", .when = PastFirstNextUnmarked, .covers = 2, .code = Msg::Preposition, .ruleId = 2814, .outcome = PassNext},
};

constexpr RuleRow kVerbBeforeRows[] = {
    /*0*/  VerbIn("always", "in"),
    /*1*/  VerbIn("advance", "before"),
    /*2*/  VerbIn("aim*|aid*", "help/(Rephrase)"),
    /*3*/  VerbIn("appear*", "shown in"),
    /*4*/  VerbIn("assist*", "help"),
    /*5*/  VerbIn("best|better", "(Give Measurement)"),
    /*6*/  VerbIn("back|based", "in"),
    /*7*/  VerbIn("bottom*", "reaches the bottom of", PrevEndsS),
    /*8*/  VerbIn("bottom*", "reach the bottom of"),
    /*9*/  VerbIn("built", "in"),
    /*10*/ VerbIn("bring*", "get/gets/move/return"),
    /*11*/ VerbIn("carried", "done/held"),
    /*12*/ VerbIn("check*", "inspect/examine"),
    /*13*/ VerbIn("clock*", "login(comp.)/enter(comp.)"),
    /*14*/ VerbIn("directly", "in/straight"),
    /*15*/ VerbIn("detailed", "shown in"),
    /*16*/ VerbIn("drop*", "decrease"),
    /*17*/ VerbIn("double", "increase"),
    /*18*/ VerbIn("design*", "(design for)"),
    /*19*/ VerbIn("deal", "(Rephrase)"),
    /*20*/ VerbIn("even", "when/(Give Measurement)"),
    /*21*/ VerbIn("exist*", "is in/are in"),
    /*22*/ VerbIn("face*|facing", "to the front of"),
    /*23*/ VerbIn("fill*", "complete/fill/fills"),
    /*24*/ VerbIn("given|guidance", "shown in"),
    /*25*/ VerbIn("ground", "Earth-Ground connection in"),
    /*26*/ VerbIn("help*", "to help/help"),
    /*27*/ VerbIn("housed", "in/location/position"),
    /*28*/ VerbIn("involved", "(contained in)"),
    /*29*/ VerbIn("interest", "know about"),
    /*30*/ VerbIn("join*", "connect/is in"),
    /*31*/ VerbInWord("kept", "(held in position)/(stays in position)", NextPlace),
    /*32*/ VerbInWord("keep", "touch/stay in contact", NextContact),
    /*33*/ VerbInWord("keep*", "know/see", NextMind),
    /*34*/ VerbIn("kick*|key*", "starts/start/started"),
    /*35*/ VerbIn("late*", "(Give Measurement or rephrase)"),
    /*36*/ VerbIn("lodg*", nullptr),
    /*37*/ VerbIn("located", "is/is in/are in"),
    /*38*/ VerbIn("log*", "log on(v)/logon(n)"),
    /*39*/ VerbIn("lie*", "be in/is in/are in"),
    /*40*/ VerbIn("push*", "push/pushes"),
    /*41*/ VerbIn("plug*", "connected to/connect"),
    /*42*/ VerbIn("run|runs|running", "for xxx hours/(Rephrase)"),
    /*43*/ VerbIn("remain*", "stay in/stays in"),
    /*44*/ VerbIn("reside*", "is in/are in"),
    /*45*/ VerbIn("rise*", "(Give value)"),
    /*46*/ VerbIn("rated", nullptr),
    /*47*/ VerbIn("sign|signs", "log on"),
    /*48*/ VerbIn("sight", "align"),
    /*49*/ VerbIn("sit", "is in/(Use another verb)"),
    /*50*/ VerbIn("surge*", "increase"),
    /*51*/ VerbIn("say*", "(Rephrase)"),
    /*52*/ VerbIn("shift*", "change position/move"),
    /*53*/ VerbIn("still", "is in/are in"),
    /*54*/ VerbIn("stuck", "does not move"),
    /*55*/ VerbIn("trained|training", "(qualified for)"),
    /*56*/ VerbIn("trouble", "has problems"),
    /*57*/ VerbIn("wrong", "wrong value"),
    /*58*/ VerbIn("which", "when ..."),
};

constexpr RuleRow kTailRows[] = {
    /*0*/ {.n1 = "<*", .code = Msg::Preposition, .ruleId = 7318},
    /*1*/ {.n1 = ",*", .on = On::N1, .code = Msg::Comma, .ruleId = 4782, .outcome = PassNext},
    /*2*/ {.n1Class = {Cls::ProperName}, .outcome = ClearNext},
    /*3*/ {.when = NextUnknownCapital, .outcome = ClearNext},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kWordBefore = kWordBeforeRows;
const std::span<const RuleRow> kAfterArticle = kAfterArticleRows;
const std::span<const RuleRow> kPhrases = kPhrasesRows;
const std::span<const RuleRow> kBetween = kBetweenRows;
const std::span<const RuleRow> kNextWord = kNextWordRows;
const std::span<const RuleRow> kVerbBefore = kVerbBeforeRows;
const std::span<const RuleRow> kTail = kTailRows;

}  // namespace in_rules
