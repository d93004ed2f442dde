// The rule tables of the place prepositions (class 75), in the order they
// are tried.
#include "rules/function_words/place_preposition_tables.h"

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/common/held_be.h"

namespace place {
namespace {

using enum Walk;

int Pos(const RuleContext& c) { return c.word->sentencePos; }
bool SelfMarked(const RuleContext& c) { return IsMarked(*c.word); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool SecondUnmarked(const RuleContext& c) { return c.n2().markFlag == '0'; }
bool SecondMarked(const RuleContext& c) { return c.N(2) && c.n2().markFlag != '0'; }
bool NextDigitColonTag(const RuleContext& c) {
  const char f = c.n1().text.first();
  return IsDigit(static_cast<unsigned char>(f)) || f == ':' || f == '<';
}
bool NextLineToken(const RuleContext& c) { return NextUnmarked(c) && c.n1().tokenKind == 9; }
bool NotSte(const RuleContext& c) { return c.steDictionary != 1; }
bool NextMarkedNotSte(const RuleContext& c) { return NextMarked(c) && NotSte(c); }

bool PastFirst(const RuleContext& c) { return Pos(c) > 1; }
bool PastFirstPrevUnmarked(const RuleContext& c) { return PastFirst(c) && !IsMarked(c.p1()); }
bool PastFirstNextUnmarked(const RuleContext& c) { return PastFirst(c) && NextUnmarked(c); }
// After a "be" that a finding holds, or not.
bool PastFirstAfterHeldBe(const RuleContext& c) { return PastFirst(c) && BeHeld(c); }
bool PastFirstAfterFreeBe(const RuleContext& c) { return PastFirst(c) && !BeHeld(c); }

// After "at" these end the class without a finding.
bool NextTakesNothing(const RuleContext& c) {
  const WordRec& n = c.n1();
  const char f = n.text.first();
  return c.N(1) && (ClassIsOneOf(n, {Cls::NomenclaturePlural, Cls::Neutral, Cls::Article}) ||
                    TextIsOneOf(n, {"random", "which"}) || TextStarts(n, "look") ||
                    IsDigit(static_cast<unsigned char>(f)) || f == ':' || IsMarked(n));
}
// The word list of "at" applies to an unmarked next word of two letters or more.
bool ListApplies(const RuleContext& c) { return c.n1().length > 1 && NextUnmarked(c); }

// "at the back": the article the list dropped goes back into the written form.
void AppendThe(RuleContext& c, WordRec& w) { w.written.append(IsCaps(*c.word) ? " THE " : " the "); }
void NextWithThe(RuleContext& c, WordRec&) {
  WordRec* next = c.N(1);
  if (next) next->written.format(IsCaps(*next) ? "THE %s" : "the %s", next->written.c_str());
}
void ClearTarget(RuleContext&, WordRec& w) { pass::ClearCodes(&w); }
void ClearTargetAfterHeldBe(RuleContext& c, WordRec& w) {
  ClearTarget(c, w);
  FitAfterHeldBe(c, w);
}

constexpr Words kAtList = "fault|far|every|issue|high pressure|ground|present|risk|their";

// Rows of one shape, written once.
constexpr RuleRow StartRow(Words word, Words next, Words second, const char* text, int covers,
                           MessageCode code, int ruleId, RuleTest when = nullptr, bool clear = false) {
  return {.word = word, .n1 = next, .n2 = second, .when = when, .clear = clear, .suggestion = text,
          .covers = covers, .code = code, .ruleId = ruleId, .outcome = SkipCovered};
}
// "X at": the previous word gets the advice; "at" loses its codes.
constexpr RuleRow AfterVerb(Words previous, const char* text, RuleTest when = PastFirst) {
  return {.p1 = previous, .when = when, .suggestion = text, .then = ClearTarget, .covers = 2, .on = On::P1,
          .code = Msg::Translation, .ruleId = 3296, .outcome = Clear};
}
constexpr RuleRow AtPhrase(Words next, Words second, const char* text, int covers, MessageCode code,
                           int ruleId, RuleTest when = nullptr) {
  return {.n1 = next, .n2 = second, .when = when, .suggestion = text, .covers = covers, .code = code,
          .ruleId = ruleId, .outcome = SkipCovered};
}
constexpr RuleRow AtListWord(Words next, const char* text) {
  return {.n1 = next, .when = ListApplies, .suggestion = text, .covers = 2, .code = Msg::WrongMeaning,
          .ruleId = 1496, .outcome = SkipCovered};
}

constexpr Classes kOfOrTime = {Cls::Of, Cls::TimeConjunction};
constexpr Words kInAt = "in|at";

// clang-format off
constexpr RuleRow kHeadRows[] = {
    /*0*/ {.n1Class = {Cls::Number, Cls::MaterialNoun, Cls::Unit}},
    /*1*/ {.when = NextDigitColonTag},
    /*2*/ {.when = SelfMarked, .code = Msg::MissingReference, .ruleId = 8334},
};

constexpr RuleRow kTableARows[] = {
    /*0*/ {.n1 = "case", .n2Class = kOfOrTime, .when = NextUnmarked, .suggestion = "if there is", .covers = 3, .code = Msg::Preposition, .ruleId = 6912, .outcome = SkipCovered},
    /*1*/ {.n1 = "order", .n2Class = kOfOrTime, .when = NextUnmarked, .suggestion = "in a sequence of", .covers = 3, .code = Msg::Preposition, .ruleId = 6912, .outcome = SkipCovered},
    /*2*/ {.word = kInAt, .n1 = "line", .when = NextLineToken, .suggestion = "(Rephrase)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7829, .outcome = SkipCovered},
    /*3*/ {.word = kInAt, .n1 = "late", .when = NextUnmarked, .suggestion = "(Give time or date)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7829, .outcome = SkipCovered},
    /*4*/ StartRow(kInAt, "accordance", "with", "Refer to", 3, Msg::WrongMeaning, 7212),
    /*5*/ StartRow(kInAt, "this", "example|case", "For example", 3, Msg::WrongMeaning, 7512, nullptr, true),
    /*6*/ StartRow(kInAt, "all", "times", "when/(Give time ref.)", 3, Msg::Preposition, 2497, SecondUnmarked, true),
    /*7*/ StartRow(kInAt, "this", "point", "now/when", 3, Msg::Preposition, 3437),
};

constexpr RuleRow kTableBRows[] = {
    // Advice without a message: the covered words show it.
    /*0*/ {.n1 = "all", .n2 = "times", .suggestion = "always/(Give a time ref.)", .covers = 3, .outcome = SkipCovered},
    /*1*/ {.n2 = "emergency", .suggestion = "during"},
    /*2*/ AtPhrase("that|this|given|some", "point|stage|time", "when/(Give a time ref.)", 3, Msg::Preposition, 1797, NotSte),
    /*3*/ {.n1 = "back", .when = NextMarked, .suggestion = "at the rear", .then = AppendThe, .covers = 2, .code = Msg::Awkward, .ruleId = 1897, .outcome = SkipCovered},
    /*4*/ {.n1 = "moment", .when = NextMarked, .suggestion = "during", .then = AppendThe, .covers = 2, .code = Msg::Awkward, .ruleId = 1897, .outcome = SkipCovered},
    /*5*/ {.n1 = "present", .when = NextMarked, .suggestion = "now", .then = AppendThe, .covers = 2, .code = Msg::Awkward, .ruleId = 1897, .outcome = SkipCovered},
    /*6*/ {.n1 = "one", .n2 = "point|time", .when = SecondUnmarked, .clear = true, .suggestion = "when/always", .covers = 3, .code = Msg::Preposition, .ruleId = 1497, .outcome = SkipCovered},
    /*7*/ {.n1 = "time", .n2 = "of", .when = NextMarkedNotSte, .suggestion = "during/when", .then = NextWithThe, .covers = 3, .code = Msg::Preposition, .ruleId = 2437, .outcome = SkipCovered},
    /*8*/ AtPhrase("a", "time", "separately/(Rephrase sequence)", 3, Msg::Preposition, 2437),
    /*9*/ {.n1 = "their", .n2 = "own", .n3 = "risk", .suggestion = "(Avoid legal statements)", .covers = 4, .code = Msg::Translation, .ruleId = 2437, .outcome = SkipCovered},
    /*10*/ {.n1 = "about|times|night", .suggestion = "(Give time)", .covers = 2, .code = Msg::Preposition, .ruleId = 2437, .outcome = SkipCovered},
    /*11*/ {.n1 = "all", .n2 = "other", .n3 = "times", .suggestion = "(Give time ref.)", .covers = 4, .code = Msg::Preposition, .ruleId = 4437, .outcome = SkipCovered},
    /*12*/ AtPhrase("one", "time", "when/(Give time ref.)", 3, Msg::Preposition, 4437, SecondMarked),
};

constexpr RuleRow kTableCRows[] = {
    /*0*/ AfterVerb("always", "stay at/stays at/is at", PastFirstPrevUnmarked),
    /*1*/ AfterVerb("bottom*|better", "touches the bottom/reaches the bottom", PastFirstPrevUnmarked),
    /*2*/ AfterVerb("cap*|call*", "told/call(operational verb)", PastFirstPrevUnmarked),
    /*3*/ AfterVerb("even", "at", PastFirstPrevUnmarked),
    /*4*/ AfterVerb("exit*", "goes from/flows from/flow from/go from", PastFirstPrevUnmarked),
    /*5*/ AfterVerb("grounded", "ground connection at"),
    // "is kept at" is what "is at" replaces: the marker holds the "is" too.
    /*6*/ {.p2 = "is|are|am|was|were", .p1 = "held|kept", .when = PastFirstAfterFreeBe, .suggestion = "stay at/is at/are at", .then = ClearTarget, .covers = 3, .on = On::P2, .code = Msg::Translation, .ruleId = 3296, .outcome = Clear},
    // A finding holds the "be" ("It is kept at"): the verb keeps its marker,
    // with the advice that reads after the "be".
    /*7*/ {.p2 = "is|are|am|was|were", .p1 = "held|kept", .when = PastFirstAfterHeldBe, .suggestion = "stay at/is at/are at", .then = ClearTargetAfterHeldBe, .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 3296, .outcome = Clear},
    /*8*/ AfterVerb("held|kept", "stay at/is at/are at"),
    /*9*/ AfterVerb("look*", "refer to/examine/read"),
    /*10*/ AfterVerb("still", "is in/are in"),
    /*11*/ AfterVerb("work*", "(Rephrase for clarity)", PastFirstNextUnmarked),
};

constexpr RuleRow kTableDRows[] = {
    /*0*/ AtPhrase("or", "near", "near", 3, Msg::Rephrase, 6815),
    /*1*/ {.n2 = "stage", .suggestion = "(Give step, position or time)", .covers = 3, .code = Msg::Preposition, .ruleId = 6815, .outcome = SkipCovered},
    /*2*/ {.n1Class = {Cls::Article}, .n2 = "time", .suggestion = "during .../in sequence/(Rephrase)", .covers = 3, .code = Msg::Translation, .ruleId = 1596, .outcome = SkipCovered},
    /*3*/ {.n1 = "time|top", .n2Class = {Cls::Of}, .suggestion = "position/during/sequence/(Rephrase)", .covers = 3, .code = Msg::Translation, .ruleId = 1596, .outcome = SkipCovered},
    /*4*/ {.n1Class = {Cls::AndOr}, .n2 = "above", .suggestion = "equal to or more than", .covers = 3, .code = Msg::Translation, .ruleId = 1496, .outcome = SkipCovered},
    /*5*/ {.when = NextTakesNothing},
    /*6*/ {.n1 = "stop|rest", .suggestion = "at the STOP position", .covers = 2, .code = Msg::NameLabel, .ruleId = 5496, .outcome = SkipCovered},
    /*7*/ AtPhrase("least|last", "once", "one or more times", 3, Msg::Translation, 1496),
    /*8*/ AtPhrase("least|last", "twice", "two or more times", 3, Msg::Translation, 1496),
    /*9*/ AtPhrase("most", "once", "not more than one time", 3, Msg::Translation, 1496),
    /*10*/ AtPhrase("most", "twice", "not more than two times", 3, Msg::Translation, 1496),
    /*11*/ {.n1 = "least|last|most", .covers = 2, .code = Msg::Awkward, .ruleId = 1596, .outcome = SkipCovered},
    /*12*/ {.n1 = kAtList, .n2Class = {Cls::Of}, .when = ListApplies},
    /*13*/ AtListWord("fault", "cause a failure/cause of the fault"),
    /*14*/ AtListWord("far", "to/(Rephrase)"),
    /*15*/ AtListWord("every", "at each"),
    /*16*/ AtListWord("issue", "the cause of the problem"),
    /*17*/ AtListWord("high pressure", "(Give a pressure range)"),
    /*18*/ AtListWord("ground", "electrical ground/on the ground"),
    /*19*/ AtListWord("present", "now/(Give time ref.)"),
    /*20*/ AtListWord("risk", "possible risk"),
    /*21*/ AtListWord("their", "(Rephrase)"),
    /*22*/ AtPhrase("time", "of", "when/during", 3, Msg::Awkward, 1498, NextUnmarked),
    /*23*/ AtPhrase("every", {}, "at each", 2, Msg::WrongMeaning, 5196),
    /*24*/ AtPhrase("present", {}, "now/(Give time ref.)", 2, Msg::WrongMeaning, 5296),
    /*25*/ AtPhrase("top", {}, nullptr, 2, Msg::WrongMeaning, 5296),
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kTableA = kTableARows;
const std::span<const RuleRow> kTableB = kTableBRows;
const std::span<const RuleRow> kTableC = kTableCRows;
const std::span<const RuleRow> kTableD = kTableDRows;

}  // namespace place
