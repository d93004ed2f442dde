// The rule tables of "up" and of the particles without rules of their own,
// in the order they are tried; the gates of every particle come first.
#include "rules/function_words/particle_rows.h"
#include "rules/function_words/particle_tables.h"

namespace particle {
namespace {

using enum Walk;

// A markup tag before the particle.
bool TagBefore(const RuleContext& c) {
  return Inside(c) && FirstIs(c.p1(), '<') && c.p1().text.last() == '>';
}
bool EqualsBefore(const RuleContext& c) { return Inside(c) && FirstIs(c.p1(), '='); }
// "(" before and ")" after: a particle alone in parentheses.
bool InParentheses(const RuleContext& c) {
  return Inside(c) && FirstIs(c.p1(), '(') && FirstIs(c.n1(), ')');
}

bool NextNotTo(const RuleContext& c) { return c.n1().wordClass != Cls::To; }
bool PrevNotAnd(const RuleContext& c) { return !TextIs(c.p1(), "and"); }
bool LowerAfterOther(const RuleContext& c) {
  return Lower(c) && PrevNotAnd(c) && c.p1().wordClass != Cls::Verb;
}
bool PrevEndsD(const RuleContext& c) { return c.p1().text.last() == 'd'; }
bool PrevEndsS(const RuleContext& c) { return c.p1().text.last() == 's'; }

bool FromFourthAfterBeHave(const RuleContext& c) {
  return Lower(c) && FromFourth(c) && ClassIsOneOf(c.p2(), {Cls::Be, Cls::Have});
}
bool LowerAfterAmpersand(const RuleContext& c) { return Lower(c) && FirstIs(c.p1(), '&'); }
bool LowerAfterBeHave(const RuleContext& c) { return Lower(c) && ClassIsOneOf(c.p1(), {Cls::Be, Cls::Have}); }
bool LowerAfterAndOr(const RuleContext& c) { return Lower(c) && c.p1().wordClass == Cls::AndOr; }

// After an ordinary word that followed "the" (a noun), before a noun: a label.
bool PlainMarkedBefore(const RuleContext& c) { return c.p1().tokenKind == 0 && IsMarked(c.p1()); }
bool PlainIngBefore(const RuleContext& c) { return c.p1().tokenKind == 0 && c.p1().wordClass == Cls::VerbIng; }
bool MarkedParticle(const RuleContext& c) { return IsMarked(*c.word); }

constexpr Classes kRangeOrClause = {Cls::Of, Cls::AndOr, Cls::TimeConjunction, Cls::PlacePreposition,
                                    Cls::Adverb, Cls::As};
constexpr Classes kCommaOrFor = {Cls::Comma, Cls::ForBy};

constexpr RuleRow UpVerb(Words previous, const char* text) {
  return PrevVerb(previous, text, Msg::PhrasalVerb, 4755);
}
constexpr RuleRow UpVerbB(Words previous, const char* text) {
  return PrevVerb(previous, text, Msg::WrongVerb, 7323);
}

// clang-format off
constexpr RuleRow kHeadRows[] = {
    /*0*/ {.when = TagBefore},
    /*1*/ {.when = EqualsBefore},
    /*2*/ {.p1Class = {kOpenParen}, .n1Class = {kCloseParen}, .when = Inside},
};

constexpr RuleRow kUpOpeningRows[] = {
    /*0*/ {.word = "up", .n1 = "arrow|position", .suggestion = "UP", .tag = "<AR>", .code = Msg::NameLabel, .ruleId = 5402},
    /*1*/ {.n1 = "or|and", .n2 = "down", .outcome = PassNext},
    /*2*/ {.n1 = "and", .n2 = "away", .n3 = "from", .suggestion = "move away from/(Give direction)", .covers = 4, .code = Msg::Awkward, .ruleId = 5762, .outcome = SkipCovered},
    /*3*/ {.n1 = "to", .n2 = "and", .n3 = "including", .suggestion = "(... through ...)", .covers = 4, .code = Msg::Rephrase, .ruleId = 4648, .outcome = SkipCovered},
    /*4*/ {.n1Class = {Cls::To}, .suggestion = "until/maximum of", .covers = 2, .code = Msg::Preposition, .ruleId = 2648, .outcome = SkipCovered},
    /*5*/ {.n1 = "<*|@*"},
};

constexpr RuleRow kUpLabelRows[] = {
    Label("position|lever|light|led|relay|indicator", "UP"),
};

constexpr RuleRow kUpBeforeRows[] = {
    /*0*/ {.p1 = "taken|taking", .suggestion = "(Rephrase for meaning)", .covers = 2, .code = Msg::Translation, .ruleId = 5602, .outcome = SkipCovered},
    /*1*/ OnPrev("head*", "head to higher position", Msg::Terminology, 9647),
    /*2*/ OnPrev("end", "end to higher position/(Rephrase)", Msg::Terminology, 9647),
    /*3*/ {.p1 = "face*", .suggestion = "to the top", .code = Msg::WrongMeaning, .ruleId = 5602},
    /*4*/ {.p1 = "make*", .suggestion = "assemble/adjust", .code = Msg::WrongMeaning, .ruleId = 5602},
    /*5*/ {.n1 = "and", .n2 = "away", .covers = 3, .code = Msg::Preposition, .ruleId = 5602, .outcome = SkipCovered},
    /*6*/ {.p1Class = {Cls::AndOr}, .suggestion = "(Show ref. example Version)", .code = Msg::Translation, .ruleId = 5602},
    /*7*/ {.p1 = "&*", .suggestion = "(Show ref. example Version)", .code = Msg::Translation, .ruleId = 5602},
};

constexpr RuleRow kUpLabelAgainRows[] = {
    Label("position|arrow|lever|light|led|indicator", "UP"),
};

constexpr RuleRow kUpVerbsRows[] = {
    /*0*/  UpVerb("and", "(Show sequence or Rephrase)"),
    /*1*/  UpVerb("cle*", "clean/remove"),
    /*2*/  UpVerb("cal*", "get/(Rephrase)"),
    /*3*/  UpVerb("end*", "end in the UP position/(Rephrase)"),
    /*4*/  UpVerb("fully*", "UP position/(Give position ref.)"),
    /*5*/  UpVerb("jam*", "stop/close/(Rephrase)"),
    /*6*/  UpVerb("line*|lift*|lock*", "lock/close"),
    /*7*/  UpVerb("mak*", "assemble/complete"),
    /*8*/  UpVerb("roll*", "(Rephrase)"),
    /*9*/  UpVerb("run*", "increase speed/increase temperature"),
    /*10*/ UpVerb("select*|set*", "prepare/install/align"),
};

constexpr RuleRow kUpFixedRows[] = {
    /*0*/ {.p1 = "lined", .n1 = "with", .when = Inside, .suggestion = "aligned to", .covers = 3, .on = On::P1, .code = Msg::Preposition, .ruleId = 6855},
    /*1*/ {.p1 = "worth", .n1 = "to", .when = Inside, .suggestion = "for more than/more than", .covers = 3, .on = On::P1, .code = Msg::Preposition, .ruleId = 6755},
    /*2*/ {.p1 = "sign", .n1 = "for", .when = Inside, .suggestion = "make a request for/(Rephrase)", .covers = 3, .on = On::P1, .code = Msg::Preposition, .ruleId = 6113, .outcome = PassNext},
    /*3*/ Covering("front", nullptr, 2, Msg::Awkward, 7678),
    /*4*/ Covering("time", "time in operation", 2, Msg::WrongMeaning, 7678),
};

constexpr RuleRow kUpAfterVerbRows[] = {
    // Verbs that take "up" as a direction: no finding, and none of their own.
    /*0*/ {.p1 = "go|climb|page|scroll|search|move", .then = DropCodes, .on = On::P1},
    /*1*/ OnPrev("end", "end toward the top/(Rephrase)", Msg::Terminology, 9677),
    /*2*/ OnPrev("turn*", "increase", Msg::WrongVerb, 6113),
};

constexpr RuleRow kUpMoreVerbsRows[] = {
    /*0*/  UpVerbB("act*", "start"),
    /*1*/  UpVerbB("add*", "add/adds/calculate"),
    /*2*/  UpVerbB("back*", "make a copy/secondary"),
    /*3*/  {.p1 = "boot*", .when = PrevEndsD, .suggestion = "started", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 7323, .outcome = Clear},
    /*4*/  {.p1 = "boot*", .when = PrevEndsS, .suggestion = "starts", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 7323, .outcome = Clear},
    /*5*/  UpVerbB("boot*", "start"),
    /*6*/  UpVerbB("bring*|broken", "broken/divided"),
    /*7*/  UpVerbB("build*", "go in reverse"),
    /*8*/  UpVerbB("catch*|caught*", "(Rephrase)"),
    /*9*/  UpVerbB("clean*", "clean/cleans"),
    /*10*/ UpVerbB("climb*|clos*", "close/closes"),
    /*11*/ UpVerbB("connect*|count*", "connect"),
    /*12*/ UpVerbB("double*", "is also/for"),
    /*13*/ UpVerbB("dry|dries|dried*", "dry/dries"),
    /*14*/ UpVerbB("end*", "is at/are at/(Rephrase)"),
    /*15*/ UpVerbB("even*", "make level/(Rephrase)"),
    /*16*/ UpVerbB("eat*", "use/(Rephrase)"),
    /*17*/ UpVerbB("fully*|full", "FULL UP position/(Give level or range)"),
    /*18*/ UpVerbB("follow*", "continue/(Rephrase)"),
    /*19*/ UpVerbB("heat*", "become hot/becomes hot/temperature increase"),
    /*20*/ UpVerbB("hook*", "connect/connects"),
    /*21*/ UpVerbB("join*", "connect to/connect"),
    /*22*/ UpVerbB("light*", "illuminate/illuminates"),
    /*23*/ UpVerbB("lift*", "lift/lifts"),
    /*24*/ UpVerbB("line*|link*", "align/align to/aligns to"),
    /*25*/ UpVerbB("load*", "load/loads"),
    /*26*/ UpVerbB("make*|making", "become/is/are"),
    /*27*/ UpVerbB("mark*", "put a mark"),
    /*28*/ UpVerbB("match*", "align/compare"),
    /*29*/ UpVerbB("mix*", "change/error"),
    /*30*/ UpVerbB("pick*", "lift/move"),
    /*31*/ UpVerbB("pile*", "lift/move/pull/push"),
    /*32*/ UpVerbB("power*", "apply electrical power to"),
    /*33*/ UpVerbB("pump*", "increase pressure/increase"),
    /*34*/ UpVerbB("rack*|ramp*", "increase/increases"),
    /*35*/ UpVerbB("reside*", "is in/are in"),
    /*36*/ UpVerbB("round*", "gather/next higher number/(Rephrase)"),
    /*37*/ UpVerbB("scoop*", "load/fill/get"),
    /*38*/ UpVerbB("select*", "UP position/(Rephrase)"),
    /*39*/ UpVerbB("send*", "measure"),
    /*40*/ UpVerbB("set*|setting", "install/prepare/align"),
    /*41*/ UpVerbB("show*", "show/become visible"),
    /*42*/ UpVerbB("sign*|size*", "enter"),
    /*43*/ UpVerbB("slip*", "cause a problem"),
    /*44*/ UpVerbB("spring*", "occur/lift"),
    /*45*/ UpVerbB("start*", "start/starts"),
    /*46*/ UpVerbB("switch*", "change/(Rephrase)/UP position"),
    /*47*/ UpVerbB("take*|taking", "tighten/adjust"),
    /*48*/ UpVerbB("tie*", "connect"),
    /*49*/ UpVerbB("top*|turn*", "(Rephrase)"),
    /*50*/ UpVerbB("warm*", "increase temperature to/reach temperature of"),
};

constexpr RuleRow kUpLateRows[] = {
    /*0*/ {.p2 = "lock*|scre*|tighten*", .when = FromThird, .code = Msg::Delete, .ruleId = 2466},
    /*1*/ {.when = InParentheses, .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 4912},
};

constexpr RuleRow kUpSentenceEndRows[] = {
    /*0*/ {.p1Class = {Cls::Verb}, .when = PrevNotAnd, .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 4446, .outcome = Clear},
    /*1*/ {.when = LowerAfterOther, .code = Msg::Preposition, .ruleId = 4446},
    /*2*/ {.when = PrevNotAnd},  // in capitals: a label, left alone
    /*3*/ {.p1 = "and", .suggestion = "higher/from ... to/(Give Range)", .code = Msg::WrongMeaning, .ruleId = 4602},
};

constexpr RuleRow kUpContextRows[] = {
    /*0*/  {.p1Class = {Cls::Adverb, Cls::Participle}, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = 3502, .outcome = Clear},
    /*1*/  PrevVerb("at", "go to/show/UP position", Msg::WrongVerb, 4502),
    /*2*/  {.n1 = "and", .n2 = "away", .suggestion = "lift xxx above/away/(Rephrase show position)", .verbForm = 'X', .covers = 3, .code = Msg::NameLabel, .ruleId = 5602, .outcome = SkipCovered},
    /*3*/  {.n1Class = kCommaOrFor, .when = FromFourthAfterBeHave, .suggestion = "in the UP position/(Rephrase)", .code = Msg::Preposition, .ruleId = 7466},
    /*4*/  {.n1Class = kCommaOrFor, .when = LowerAfterAmpersand, .suggestion = "and higher serial number/and higher model number", .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 7465},
    /*5*/  {.n1Class = kCommaOrFor, .when = LowerAfterBeHave, .suggestion = "in the UP position/(Rephrase)", .tag = "<..>", .code = Msg::Preposition, .ruleId = 7465},
    /*6*/  {.n1Class = kCommaOrFor, .when = LowerAfterAndOr, .suggestion = "and higher level/(Give serial number range.)", .then = AlsoOnParticle, .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 7323},
    /*7*/  {.n1Class = kCommaOrFor, .when = Lower, .code = Msg::Preposition, .ruleId = 7323},
    /*8*/  {.n1Class = kCommaOrFor, .suggestion = "in the UP position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 5466},
    /*9*/  {.n1Class = kRangeOrClause, .covers = 2, .code = Msg::Preposition, .ruleId = 5602, .outcome = SkipCovered},
    /*10*/ Covering("over|under", nullptr, 2, Msg::Awkward, 6113),
    /*11*/ {.n1 = "to", .n2 = "date", .when = NextNotTo, .outcome = PassNext},
    /*12*/ {.n1Class = {Cls::VerbIng}, .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 4502, .outcome = SkipCovered},
};

constexpr RuleRow kUpClosingRows[] = {
    /*0*/ {.n1 = "side", .n2 = "down", .suggestion = "turn the top toward the bottom", .covers = 3, .code = Msg::Awkward, .ruleId = 6673, .outcome = SkipCovered},
    /*1*/ {.when = Opens},
    /*2*/ {.n1Class = kNounClasses, .when = PlainMarkedBefore, .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 2445},
    /*3*/ {.when = PlainIngBefore, .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 6668, .outcome = Clear},
    /*4*/ Covering("rated", "increased/(Give rating value)", 2, Msg::Preposition, 7678),
    /*5*/ {.n1Class = kNounClasses, .when = MarkedParticle, .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 2445},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kUpOpening = kUpOpeningRows;
const std::span<const RuleRow> kUpLabel = kUpLabelRows;
const std::span<const RuleRow> kUpBefore = kUpBeforeRows;
const std::span<const RuleRow> kUpLabelAgain = kUpLabelAgainRows;
const std::span<const RuleRow> kUpVerbs = kUpVerbsRows;
const std::span<const RuleRow> kUpFixed = kUpFixedRows;
const std::span<const RuleRow> kUpAfterVerb = kUpAfterVerbRows;
const std::span<const RuleRow> kUpMoreVerbs = kUpMoreVerbsRows;
const std::span<const RuleRow> kUpLate = kUpLateRows;
const std::span<const RuleRow> kUpSentenceEnd = kUpSentenceEndRows;
const std::span<const RuleRow> kUpContext = kUpContextRows;
const std::span<const RuleRow> kUpClosing = kUpClosingRows;

}  // namespace particle
