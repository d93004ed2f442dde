// The adverb chains of the letter b: "back", "both" and "below". "back"
// knows the phrasal verbs built with it, from the verb before it and from
// the word after it; "below" asks for a measured value or a range.
#include "engine/pass_marks.h"
#include "rules/function_words/adverb_tables.h"

namespace adverb {
namespace {

using enum Walk;

bool NextNotNounOrAdjectiveCode(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && !CodeStarts(*n, 'N') && !CodeStarts(*n, 'A');
}
bool SelfCaps(const RuleContext& c) { return IsCaps(*c.word); }
// "The parts below contain oil": after a noun, "below" ends the subject and
// the verb after it is the sentence's own.
bool VerbNotAfterNounBelow(const RuleContext& c) { return !(c.P(1) && c.p1().wordClass < Cls::FirstNonNoun); }
bool MeasuredBefore(const RuleContext& c) { return PastSecond(c) && PrevOrdinary(c); }
bool MeasuredBeforeStill(const RuleContext& c) { return MeasuredBefore(c) && c.n1().text[1] == 't'; }

// *get back to*: the next word loses its codes too.
void ClearNextCodes(RuleContext& c, WordRec&) { pass::ClearCodes(c.N(1)); }
// *put back in place*: the finding on the verb covers the whole phrase; the
// two words after "back" are covered words, passed over by the walk.
void CoverTwoAfter(RuleContext& c, WordRec&) {
  for (int k = 1; k <= 2; ++k)
    if (WordRec* w = c.N(k); !AtEnd(w)) {
      pass::ClearCodes(w);
      w->wordClass = Cls::Neutral;
    }
}

// *X back*: the verb before "back" gets the advice.
constexpr RuleRow BackVerb(Words previous, const char* text) {
  return {.p1 = previous, .when = PrevOrdinary, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::PhrasalVerb, .ruleId = 4938};
}
// *back X*: "back" and the next word, one finding on "back".
constexpr RuleRow BackBefore(Words next, const char* text) {
  return {.n1 = next, .when = NextUnmarked, .suggestion = text, .covers = 2, .code = Msg::WrongMeaning,
          .ruleId = 9845, .outcome = SkipCovered};
}
// *X below*: a measured verb or noun before "below" gets the advice.
constexpr RuleRow BelowMeasure(Words previous, const char* text, RuleTest when = MeasuredBefore) {
  return {.p1 = previous, .when = when, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::WrongMeaning, .ruleId = 1246, .outcome = Clear};
}

// clang-format off
#define BACK_PARTICLE .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 3948, .outcome = SkipCovered
#define BACK_ON .suggestion = "ON position/connected/illuminated", .covers = 2, .code = Msg::Awkward, .ruleId = 2948, .outcome = SkipCovered
constexpr RuleRow kBack[] = {
    /*0*/  {.p1 = "draw*", .suggestion = "retract/move from ... to", .covers = 2, .on = On::P1,
            .code = Msg::PhrasalVerb, .ruleId = 2948, .outcome = Clear},
    /*1*/  {.p1 = "go|goes|going|switch*", .suggestion = "go to/goes to", .covers = 2, .on = On::P1,
            .code = Msg::PhrasalVerb, .ruleId = 2948, .outcome = Clear},
    // The particles end the body at its gate first.
    /*2*/  {.n1 = "off", .suggestion = "loosen/move from ... to", BACK_PARTICLE},
    /*3*/  {.n1 = "down", .suggestion = "move from ... to", BACK_PARTICLE},
    /*4*/  {.n1 = "up", .suggestion = "make a copy/move from ... to", BACK_PARTICLE},
    // "back" as a noun.
    /*5*/  {.when = SelfMarked, .then = MakeNoun},
    /*6*/  {.n1Class = {Cls::Of, Cls::PlacePreposition}, .then = MakeNoun},
    /*7*/  {.p1Class = {Cls::Article}, .then = MakeNoun},
    /*8*/  {.n1Class = {Cls::Comma}, .code = Msg::Preposition, .ruleId = 2948},
    /*9*/  {.p1Class = {Cls::AndOr}, .n1Class = {Cls::To}, .suggestion = "go to", .code = Msg::WrongVerb, .ruleId = 4130},
    /*10*/ {.n1 = "and", .n2 = "forth", .suggestion = "from ... to", .covers = 3, .code = Msg::Measurement,
            .ruleId = 2948, .outcome = SkipCovered},
    /*11*/ {.n1 = "on", .n2Class = {Cls::SentenceEnd}, BACK_ON},
    /*12*/ {.n1 = "on", .n2 = "again", BACK_ON},
    /*13*/ {.p1Class = {Cls::Demonstrative}, .then = MakeNoun},
    // The verb before "back", by its first letters.
    /*14*/ BackVerb("push*|play*|pull*|peel*|pass*", "remove"),
    /*15*/ BackVerb("run*", "return/go to"),
    /*16*/ BackVerb("return*", "send results to"),
    /*17*/ BackVerb("roll*", "change from/go to"),
    /*18*/ BackVerb("switch*|shift*|sit*", "go to/change/switch in ...position"),
    /*19*/ BackVerb("trim*|travel*|turn*", "move/go to"),
    /*20*/ BackVerb("vent*", "flow to/go to"),
    /*21*/ BackVerb("loop*", "move to"),
    /*22*/ BackVerb("leave*", "go to"),
    /*23*/ BackVerb("lead*", "can cause/cause/causes"),
    /*24*/ BackVerb("move*", "(Give position ref.)"),
    /*25*/ BackVerb("bled|bleed*", "return to/decrease/(Rephrase)"),
    /*26*/ BackVerb("bring*", "return/returns/go/go to/(Rephrase)"),
    /*27*/ BackVerb("check*", "make a check"),
    /*28*/ BackVerb("change*", "make a change/return to"),
    /*29*/ BackVerb("call*", "return call/call"),
    /*30*/ BackVerb("come*|coming|came", "return/go to"),
    /*31*/ BackVerb("dial*", "decrease/refers to"),
    /*32*/ BackVerb("drain*|draw*", "drain in the reverse direction/drain"),
    /*33*/ BackVerb("dating", "refer to/refers to"),
    /*34*/ BackVerb("expell*", "remove/use force to remove/discharge"),
    /*35*/ BackVerb("further*|far", "(Give measurement)"),
    /*36*/ BackVerb("flow*|flush*", "flow in a reverse direction"),
    /*37*/ BackVerb("fell*|fall*", "fall/fell/fallen"),
    // The word after "back".
    /*38*/ BackBefore("below", "go/move... under"),
    /*39*/ BackBefore("flush*", "flow in reverse direction"),
    /*40*/ BackBefore("if", "(Rephrase)"),
    /*41*/ BackBefore("inside", "into/move to"),
    /*42*/ BackBefore("out", "move from/decrease/remove"),
    /*43*/ BackBefore("over", "(Rephrase)"),
    /*44*/ BackBefore("on", "return/replace"),
    /*45*/ BackBefore("press*", "increase/push/(Rephrase)"),
    /*46*/ BackBefore("side", nullptr),
    /*47*/ BackBefore("through", "through"),
    /*48*/ BackBefore("together", "assemble"),
    /*49*/ BackBefore("under", "move ... under"),
    /*50*/ {.p1 = "get", .n1 = "to", .when = PrevOrdinary, .clear = true, .suggestion = "go to", .then = ClearNextCodes,
            .covers = 3, .on = On::P1, .code = Msg::Translation, .ruleId = 4664, .outcome = PassNext},
    /*51*/ {.p1 = "not", .n1 = "in", .n2 = "service", .when = PrevOrdinary, .suggestion = "(Rephrase)",
            .covers = 4, .on = On::P1, .code = Msg::Translation, .ruleId = 4664},
    /*52*/ {.n1 = "in", .n2 = "place|position", .when = PrevOrdinary, .suggestion = "in the correct position",
            .then = CoverTwoAfter, .covers = 4, .on = On::P1, .code = Msg::Translation, .ruleId = 4664, .outcome = PassTwo},
    /*53*/ {.n1 = "in", .n2 = "service", .when = PrevOrdinary, .suggestion = "(Rephrase)",
            .then = CoverTwoAfter, .covers = 4, .on = On::P1, .code = Msg::Translation, .ruleId = 4664, .outcome = PassTwo},
    /*54*/ {.n1Class = {Cls::To}, .code = Msg::Delete, .ruleId = 1948},
};
#undef BACK_PARTICLE
#undef BACK_ON

constexpr RuleRow kBoth[] = {
    /*0*/ {.n1 = "sides|halves|ends", .when = SelfCaps, .suggestion = "THE TWO", .code = Msg::WrongChoice,
           .ruleId = 2885, .outcome = PassNext},
    /*1*/ {.n1 = "sides|halves|ends", .suggestion = "the two", .code = Msg::WrongChoice, .ruleId = 2885,
           .outcome = PassNext},
    /*2*/ {.when = NextNotNounOrAdjectiveCode, .suggestion = "(for)/the two", .code = Msg::Adjective, .ruleId = 2896},
    /*3*/ {.p1 = "in", .suggestion = "in each/the two", .covers = 2, .on = On::P1, .code = Msg::Preposition,
           .ruleId = 5894},
    /*4*/ {.n1 = "together", .suggestion = "together", .covers = 2, .code = Msg::Awkward, .ruleId = 5894,
           .outcome = SkipCovered},
    /*5*/ {.n1 = "with|of", .suggestion = "each of", .covers = 2, .code = Msg::MissingReference, .ruleId = 5894,
           .outcome = SkipCovered},
    /*6*/ {.n1Class = {Cls::Verb}, .code = Msg::MissingReference, .ruleId = 5894},
    /*7*/ {.suggestion = "(for)/the two", .code = Msg::Preposition, .ruleId = 5894},
};

#define LESS_THAN .tag = "<AR>", .code = Msg::Spelling, .ruleId = 1767
constexpr RuleRow kBelow[] = {
    /*0*/  {.when = NumberSelfInitial, .suggestion = "Less than", LESS_THAN},
    /*1*/  {.when = NumberSelfCaps, .suggestion = "LESS THAN", LESS_THAN},
    /*2*/  {.when = NextIsNumber, .suggestion = "less than", LESS_THAN},
    /*3*/  {.p1 = "step*|shown"},
    /*4*/  {.p1Class = {Cls::Number, Cls::VerbIng}},
    /*5*/  {.p1 = "listed|see", .suggestion = "shown below", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
            .ruleId = 4257},
    /*6*/  {.p1 = "drop*", .suggestion = "less than", .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
            .ruleId = 4257},
    /*7*/  {.n1 = "normal", .suggestion = "(Give range)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1357,
            .outcome = SkipCovered},
    /*8*/  {.n1 = ":*|@*|<*", .code = Msg::WrongMeaning, .ruleId = 3245},
    /*9*/  {.n1Class = {Cls::ShortForm}, .code = Msg::WrongMeaning, .ruleId = 3245},  // the gate takes it first
    // A measured verb or noun before "below".
    /*10*/ BelowMeasure("lowered", "(Give Range or distance)"),
    /*11*/ BelowMeasure("power*", "(Give power range)"),
    /*12*/ BelowMeasure("temperature*", "(Give temperature range)"),
    /*13*/ BelowMeasure("stay*|still", "is below/(Rephrase)", MeasuredBeforeStill),
    /*14*/ BelowMeasure("stay*|still", "(Give range or position)"),
    /*15*/ BelowMeasure("voltage*", "(Give voltage range)"),
    /*16*/ BelowMeasure("written", "shown below"),
    /*17*/ BelowMeasure("work*", "do maintenance under/do work under/go under"),
    /*18*/ BelowMeasure("well", "(Give measurement)"),
    /*19*/ BelowMeasure("described", "as shown below"),
    /*20*/ BelowMeasure("if", "is less than"),
    /*21*/ BelowMeasure("go*|given*", "go under"),
    /*22*/ BelowMeasure("just|fall*", "(Give Range)"),
    /*23*/ {.n1Class = {Cls::Adverb}, .code = Msg::Adverb, .ruleId = 2334},
    /*24*/ {.n1 = "limit*", .suggestion = "less than", .code = Msg::WrongMeaning, .ruleId = 1857},
    /*25*/ {.n1Class = {Cls::Verb}, .when = VerbNotAfterNounBelow, .on = On::N1, .code = Msg::ChangeToNoun,
            .ruleId = 4234, .outcome = PassNext},
};
#undef LESS_THAN
// clang-format on

constexpr Chain kB[] = {
    {"back", kBack},
    {"both", kBoth},
    {"below", kBelow},
};

}  // namespace

const std::span<const Chain> kGroupB = kB;

}  // namespace adverb
