// The rule tables of the particle "out", in the order they are tried.
#include "rules/function_words/particle_rows.h"
#include "rules/function_words/particle_tables.h"

namespace particle {
namespace {

using enum Walk;

bool OpensPlain(const RuleContext& c) {
  return !FirstIs(c.n1(), '(') && !EndsSentence(c.n1()) && (Lower(c) || c.state.sentenceWordCount >= 3);
}
bool ParenOrEnd(const RuleContext& c) { return FirstIs(c.n1(), '(') || EndsSentence(c.n1()); }
// Verbs in 'p' count only as one word (no blank as their fifth character).
bool OneWordBefore(const RuleContext& c) { return c.p1().text[4] != ' '; }
bool CapsOrMarked(const RuleContext& c) { return Caps(c) || IsMarked(*c.word); }

// "out through" and "out" + "to": a path or a range.
bool RangeAhead(const RuleContext& c) {
  return Inside(c) && c.n1().markFlag == '0' && (c.n1().wordClass == Cls::To || TextIs(c.n1(), "through"));
}
bool ThroughAhead(const RuleContext& c) { return RangeAhead(c) && c.n1().text[1] == 'h'; }
bool PortAhead(const RuleContext& c) { return Inside(c) && c.n1().markFlag == '0'; }
bool PortsAhead(const RuleContext& c) { return PortAhead(c) && c.n1().text.last() == 's'; }

// A compound split before and at the particle ("cut-out").
bool SplitCompound(const RuleContext& c) {
  return FromFourth(c) && c.p1().splitKind == '4' && c.word->splitKind == '4';
}
bool HyphenatedCompound(const RuleContext& c) {
  return SplitCompound(c) && c.p1().wordClass != Cls::Number && !FirstIs(c.n1(), '-');
}
// A marked word after the particle, after a verb two words back or after a
// special token (a previous word that is not an ordinary word).
bool AfterVerbOrToken(const RuleContext& c) {
  return FromFourth(c) && IsMarked(c.n1()) &&
         (ClassIsOneOf(c.p2(), {Cls::Verb, Cls::VerbS}) || c.p1().tokenKind != 0);
}
bool SplitParticle(const RuleContext& c) { return c.word->splitKind == '4'; }
bool PlainParticle(const RuleContext& c) { return c.word->tokenKind == 0; }
bool UnmarkedFromFourth(const RuleContext& c) { return FromFourth(c) && c.word->markFlag == '0'; }

constexpr RuleRow OutVerb(Words previous, const char* text) {
  return PrevVerb(previous, text, Msg::PhrasalVerb, 7656);
}
constexpr RuleRow OutVerbP(Words previous, const char* text) {
  return {.p1 = previous, .when = OneWordBefore, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::PhrasalVerb, .ruleId = 7656, .outcome = Clear};
}
// "out of" + a state word.
constexpr RuleRow OutOfState(Words after, const char* text) {
  return {.n2 = after, .suggestion = text, .covers = 3, .code = Msg::Preposition, .ruleId = 3465,
          .outcome = SkipCovered};
}

// clang-format off
constexpr RuleRow kOutOpeningRows[] = {
    /*0*/ {.when = OpensPlain, .code = Msg::Preposition, .ruleId = 7318},
    /*1*/ {.when = ParenOrEnd, .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 3465},
};

constexpr RuleRow kOutPhrasesRows[] = {
    /*0*/ {.n1 = "from", .n2 = "under", .suggestion = "... from below", .covers = 3, .code = Msg::Awkward, .ruleId = 5656, .outcome = SkipCovered},
    /*1*/ Covering("from", "from", 2, Msg::Delete, 3465),
    /*2*/ {.p1 = "run*|go*", .n1 = "of", .suggestion = "decrease/go/(Rephrase)", .covers = 3, .on = On::P1, .code = Msg::Awkward, .ruleId = 5656},
};

constexpr RuleRow kOutVerbsRows[] = {
    /*0*/  OutVerb("age*", "(Give age ref.)/at age"),
    /*1*/  OutVerb("average*", "calculate"),
    /*2*/  OutVerb("bail*|back*", "leave/remove/from"),
    /*3*/  OutVerb("blank*", "cancel"),
    /*4*/  OutVerb("bleed*|block*|blow", "bleed/decrease pressure/(Rephrase)"),
    /*5*/  OutVerb("bottom*", "touches the bottom"),
    /*6*/  OutVerb("broken", "divided/separated/damaged"),
    /*7*/  OutVerb("burn*", "damaged/burned"),
    /*8*/  OutVerb("carr*", "do/you do/done/(Rephrase)"),
    /*9*/  OutVerb("clean*", "clean"),
    /*10*/ OutVerb("come*|coming", "extend/extends/go from"),
    /*11*/ OutVerb("call*|check*|chang*|cross*|cut*", nullptr),
    /*12*/ OutVerb("drain*", "drain"),
    /*13*/ OutVerb("drill*|dries", "remove/use a drill"),
    /*14*/ OutVerb("drop*", "fall/disconnect/does not operate"),
    /*15*/ OutVerb("dry", "dry/(Rephrase)"),
    /*16*/ OutVerb("dump*", "remove/show"),
    /*17*/ OutVerb("even*", "make xxx level/(Give reference)"),
    /*18*/ OutVerb("facing", "toward the outside"),
    /*19*/ OutVerb("fall*", "fall/falls/go"),
    /*20*/ OutVerb("fan*", "expand/(Rephrase)"),
    /*21*/ OutVerb("figure*", "calculate/know"),
    /*22*/ OutVerb("fill*", "complete/fill/fills"),
    /*23*/ OutVerb("filter*", "remove xxx through a filter"),
    /*24*/ OutVerb("flow*", "flow from/flows from/goes"),
    /*25*/ OutVerb("flush*", "flush/clean"),
    /*26*/ OutVerb("forc*", "push/apply force"),
    /*27*/ OutVerb("give*", "give/gives"),
    /*28*/ OutVerb("gray*", "(Rephrase)"),
    /*29*/ OutVerb("go*|goes*|going|grind*", nullptr),
    /*30*/ OutVerb("hand*", "give/send"),
    /*31*/ OutVerb("iron*", "control/correct/corrects"),
    /*32*/ OutVerb("just", "extend/(Give Measurement)"),
    /*33*/ OutVerb("laid", "layout"),
    /*34*/ OutVerb("lay*", "put/show/layout"),
    /*35*/ OutVerb("lead*", "output wire/output lead"),
    /*36*/ OutVerb("leak*", "are leaks/has a leak/leak(n)"),
    /*37*/ OutVerb("level*", "becomes level/is level/are level"),
    /*38*/ OutVerb("lift*", "remove/lift"),
    /*39*/ OutVerb("light*|log*", "illuminate/illuminates"),
    /*40*/ OutVerb("lock*", "lock"),
    /*41*/ OutVerb("make*", "see"),
    /*42*/ OutVerb("mark*|move*|moving", "put a mark/show"),
    /*43*/ OutVerbP("phase*", "stop/not continue/remove/not used"),
    /*44*/ OutVerbP("point*|polish*", "polish/remove"),
    /*45*/ OutVerbP("press", "push/pushed"),
    /*46*/ OutVerbP("print*", "show"),
    /*47*/ OutVerbP("pull*", "remove/removed"),
    /*48*/ OutVerbP("push*|pump*", "remove/push/drain"),
    /*49*/ {.p1 = "put*", .n1Class = {Cls::Comma}, .when = OneWordBefore, .suggestion = "remove/push/drain", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 7656, .outcome = Clear},
    /*50*/ OutVerb("reach*|read*", "reach/make contact/extend"),
    /*51*/ OutVerb("result*", "read/reads/shows/show"),
    /*52*/ OutVerb("round*", "(Rephrase)"),
    /*53*/ OutVerb("roll*|rule*|ruling", "discard/prevent"),
    /*54*/ OutVerb("run*|rins*", "stop/distance(n)/use all ..."),
    /*55*/ OutVerb("scoop*", "load/remove/cut"),
    /*56*/ OutVerb("seek*|seep*", nullptr),
    /*57*/ OutVerb("sent*|singl*", "flow from/go to/(Rephrase)"),
    /*58*/ OutVerb("shift*|short*|shut*|shutting", "move/change position/short-circuit"),
    /*59*/ OutVerb("sign*", "log out/logs out"),
    /*60*/ OutVerb("slid", "move from/pull"),
    /*61*/ OutVerb("smooth*", "make smooth/control/decrease"),
    /*62*/ OutVerb("spray*", "spray"),
    /*63*/ OutVerb("spring*", "move from/move"),
    /*64*/ OutVerb("squirt*", "spray (n)/flow"),
    /*65*/ OutVerb("stand*|stood", "show/shows"),
    /*66*/ OutVerb("start*", "start"),
    /*67*/ OutVerb("straight", "straight"),
    /*68*/ OutVerb("suck*", "pull/move/goes into"),
    /*69*/ OutVerb("switch*", "change/changes"),
    /*70*/ OutVerb("take*", "remove/removes"),
    /*71*/ OutVerb("time*|timing", "reach a time limit/reaches a time limit/(Give time ref.)"),
    /*72*/ OutVerb("top*|turn*", "(Rephrase)"),
    /*73*/ OutVerb("watch*|way", "(Give position ref.)/extended"),
    /*74*/ OutVerb("zoom", nullptr),
};

constexpr RuleRow kOutBeforeEndRows[] = {
    /*0*/ {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .code = Msg::Preposition, .ruleId = 7318},
    /*1*/ {.n1 = "<*", .code = Msg::Preposition, .ruleId = 7318},
};

constexpr RuleRow kOutOfRows[] = {
    /*0*/  {.n2 = "limi*|range|bounds|coverage", .suggestion = "(Give range or limits)", .covers = 3, .code = Msg::Measurement, .ruleId = 5656, .outcome = SkipCovered},
    /*1*/  OutOfState("balance", "(Rephrase)"),
    /*2*/  OutOfState("control", "not controlled"),
    /*3*/  OutOfState("alignment", "not in the correct alignment/not aligned"),
    /*4*/  OutOfState("level", "not level/not correct tolerance"),
    /*5*/  OutOfState("roun*", "not correct shape/damaged"),
    /*6*/  OutOfState("position|place", "not in the correct position"),
    /*7*/  OutOfState("service", "not in operation"),
    /*8*/  OutOfState("shape", "incorrect shape/damaged"),
    /*9*/  OutOfState("view", "not visible/can not see"),
    /*10*/ {.when = SplitParticle, .code = Msg::Hyphenation, .ruleId = 3465},
    /*11*/ {.n2 = "way", .when = PlainParticle, .suggestion = "away from", .covers = 3, .code = Msg::Awkward, .ruleId = 5656, .outcome = SkipCovered},
};

constexpr RuleRow kOutParenRows[] = {
    /*0*/ {.when = CapsOrMarked, .suggestion = "is in the OFF position/is not illuminated", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 2607},
};

constexpr RuleRow kOutRestRows[] = {
    /*0*/  {.when = ThroughAhead, .suggestion = "through", .covers = 2, .code = Msg::Awkward, .ruleId = 1502, .outcome = SkipCovered},
    /*1*/  {.when = RangeAhead, .suggestion = "from ... to", .covers = 2, .code = Msg::Awkward, .ruleId = 1502, .outcome = SkipCovered},
    /*2*/  {.n1 = "port*", .when = PortsAhead, .suggestion = "output ports", .covers = 2, .code = Msg::Terminology, .ruleId = 1502, .outcome = SkipCovered},
    /*3*/  {.n1 = "port*", .when = PortAhead, .suggestion = "output port", .covers = 2, .code = Msg::Terminology, .ruleId = 1502, .outcome = SkipCovered},
    /*4*/  {.when = HyphenatedCompound, .code = Msg::Hyphenation, .ruleId = 3464},
    /*5*/  {.when = SplitCompound},
    /*6*/  {.when = AfterVerbOrToken, .code = Msg::Preposition, .ruleId = 4818},
    /*7*/  {.p1Class = {Cls::Be}, .when = UnmarkedFromFourth, .code = Msg::Preposition, .ruleId = 2609},
    /*8*/  {.p1Class = {Cls::Have}, .when = UnmarkedFromFourth, .code = Msg::Preposition, .ruleId = 2609},
    /*9*/  {.n1 = "through|around", .covers = 2, .code = Msg::WrongVerb, .ruleId = 2434, .outcome = PassNext},
    /*10*/ {.p1Class = {Cls::VerbIng}, .when = Inside, .covers = 2, .on = On::P1, .code = Msg::Gerund, .ruleId = 3646},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kOutOpening = kOutOpeningRows;
const std::span<const RuleRow> kOutPhrases = kOutPhrasesRows;
const std::span<const RuleRow> kOutVerbs = kOutVerbsRows;
const std::span<const RuleRow> kOutBeforeEnd = kOutBeforeEndRows;
const std::span<const RuleRow> kOutOf = kOutOfRows;
const std::span<const RuleRow> kOutParen = kOutParenRows;
const std::span<const RuleRow> kOutRest = kOutRestRows;

}  // namespace particle
