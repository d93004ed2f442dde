// The rules of "not" inside its sentence, in the order they are tried. Rows
// that need a word of a given class "or" a given text are two rows with the
// same action.
#include "rules/main/negation_table.h"

#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

namespace {

bool NextWrittenAtSign(const RuleContext& c) { return c.n1().written.first() == '@'; }
bool NextIsToken(const RuleContext& c) { return c.n1().tokenKind >= 1; }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool PosAbove1(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PrevIsWord(const RuleContext& c) { return c.P(1) && c.p1().tokenKind == 0; }
bool PrevIsWordAt3(const RuleContext& c) { return c.word->sentencePos > 2 && PrevIsWord(c); }
bool PrevWordBeforeNonVerb(const RuleContext& c) {
  return PrevIsWordAt3(c) && !CodeStarts(c.n1(), 'V');
}
bool PrevWordBeforeVerb(const RuleContext& c) { return PrevIsWord(c) && CodeStarts(c.n1(), 'V'); }
bool RoomForThree(const RuleContext& c) {
  return c.word->sentencePos < c.state.sentenceWordCount - 3;
}
bool RoomForFour(const RuleContext& c) {
  return c.word->sentencePos < c.state.sentenceWordCount - 4;
}
bool RoomForFourN2Flagged(const RuleContext& c) { return RoomForFour(c) && c.n2().subClass > 299; }
bool PrevIfWordAt2(const RuleContext& c) {
  return c.word->sentencePos >= 2 && FirstIs(c.p1(), 'i') && PrevIsWord(c);
}

// What a row writes on the next word besides its class.
void ClearTarget(RuleContext&, WordRec& t) { pass::ClearCodes(&t); }
void MakeAdjective(RuleContext&, WordRec& t) { t.wordClass = Cls::Adjective; }
void MakeParticiple(RuleContext&, WordRec& t) { t.wordClass = Cls::Participle; }

constexpr Classes kBeHave = {Cls::Be, Cls::Have};

// clang-format off
constexpr RuleRow kRows[] = {
    // Before punctuation or the end.
    /*0*/ {.n1Class = {Cls::InnerPunctuation, Cls::Comma, Cls::Class41}, .code = Msg::Negative, .ruleId = 6715},
    /*1*/ {.when = NextWrittenAtSign, .code = Msg::Negative, .ruleId = 6715},
    /*2*/ {.n1Class = {Cls::VerbIng}, .suggestion = "(Correct negative gerund)", .covers = 2,
           .code = Msg::Gerund, .ruleId = 6715, .outcome = Walk::PassNext},
    /*3*/ {.n1 = "operate|run|walk|breathe|smoke", .then = ClearTarget, .on = On::N1, .outcome = Walk::NeutralNext},
    /*4*/ {.when = NextIsToken, .code = Msg::Negative, .ruleId = 6715},
    /*5*/ {.n1 = "do"},
    /*6*/ {.p1Class = {Cls::Modal}},
    /*7*/ {.n1Class = {Cls::Participle}},
    /*8*/ {.p1 = "if", .n1 = "so", .suggestion = "(Rephrase)", .code = Msg::Negative, .ruleId = 6815},
    /*9*/ {.n1 = "to", .n2 = "exceed", .suggestion = "not more than/(Give range)", .covers = 3,
           .code = Msg::Negative, .ruleId = 6815, .outcome = Walk::SkipCovered},
    /*10*/ {.n1 = "able", .n2 = "to", .suggestion = "can not", .covers = 3, .code = Msg::Negative,
            .ruleId = 6815, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "designed", .n2Class = {Cls::To}, .suggestion = "not for the task/(Rephrase)", .covers = 3,
            .code = Msg::Translation, .ruleId = 4835, .outcome = Walk::SkipCovered},
    /*12*/ {.p1Class = {Cls::AndOr}, .n1Class = {Cls::VerbEd}, .when = PosAbove1},
    // "not every" gets no advice: the phrase has no one replacement.
    /*13*/ {.n1 = "feasible", .suggestion = "not possible", .covers = 2, .code = Msg::Negative, .ruleId = 5815,
            .outcome = Walk::SkipCovered},
    /*14*/ {.n1 = "unimportant", .suggestion = "important/(Rephrase)", .covers = 2, .code = Msg::Negative,
            .ruleId = 5815, .outcome = Walk::SkipCovered},
    /*15*/ {.n1 = "effect|affect", .suggestion = "change/(Rephrase)", .covers = 2, .code = Msg::Negative,
            .ruleId = 5815, .outcome = Walk::SkipCovered},
    /*16*/ {.n1 = "every|critical", .covers = 2, .code = Msg::Negative, .ruleId = 5815, .outcome = Walk::SkipCovered},
    /*17*/ {.n1 = "to", .n2 = "be", .covers = 3, .code = Msg::Negative, .ruleId = 6119, .outcome = Walk::SkipCovered},
    /*18*/ {.n1 = "to", .n2Class = {Cls::Verb}, .suggestion = "do not/(Rephrase)", .covers = 2,
            .code = Msg::Negative, .ruleId = 6715, .outcome = Walk::SkipCovered},
    /*19*/ {.n1 = "able", .n2Class = {Cls::To}, .suggestion = "can not", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 7915, .outcome = Walk::SkipCovered},
    /*20*/ {.p1Class = {Cls::AndOr, 2}, .n1Class = {Cls::VerbEd}},
    /*21*/ {.p1Class = {Cls::Comma}, .on = On::P1, .code = Msg::Comma, .ruleId = 1857},
    // Awkward negatives with a fixed replacement.
    /*22*/ {.n1 = "present|clear*", .when = NextUnmarked, .suggestion = "not visible", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*23*/ {.n1 = "relevant", .when = NextUnmarked, .suggestion = "does not apply", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*24*/ {.n1 = "removable", .when = NextUnmarked, .suggestion = "can not be removed", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*25*/ {.n1 = "so", .when = NextUnmarked, .suggestion = "not important/(Rephrase)", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*26*/ {.n1 = "turning", .when = NextUnmarked, .suggestion = "does not turn/no movement/(Rephrase)",
            .covers = 2, .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*27*/ {.n1 = "usually|well|only|least|matter", .when = NextUnmarked, .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*28*/ {.n1 = "within|meet", .when = NextUnmarked, .suggestion = "(not as given in)",
            .covers = 2, .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*29*/ {.n1 = "working", .when = NextUnmarked, .suggestion = "does not operate/not in operation", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*30*/ {.n1 = "operating", .when = NextUnmarked, .suggestion = "not in operation", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*31*/ {.n1 = "centered", .when = NextUnmarked, .suggestion = "not in the center position", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*32*/ {.n1 = "concern*", .when = NextUnmarked, .suggestion = "does not apply to", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*33*/ {.n1 = "ever", .when = NextUnmarked, .suggestion = "does not/do not", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*34*/ {.n1 = "eligible", .when = NextUnmarked, .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*35*/ {.n1 = "forget", .when = NextUnmarked, .suggestion = "(make sure)", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*36*/ {.n1 = "illustrated", .when = NextUnmarked, .suggestion = "not shown", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*37*/ {.n1 = "moving", .when = NextUnmarked, .suggestion = "does not move/no movement", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*38*/ {.n1 = "normally", .when = NextUnmarked, .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::Awkward, .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*39*/ {.n1 = "only", .n2Class = kBeHave, .suggestion = "there is/there are", .covers = 2,
            .code = Msg::Translation, .ruleId = 6215, .outcome = Walk::SkipCovered},
    /*40*/ {.n1 = "high*|low*", .then = MakeAdjective, .on = On::N1},
    // An -ed word after "not" is a participle.
    /*41*/ {.n1Class = {Cls::VerbEd}, .then = MakeParticiple, .on = On::N1},
    /*42*/ {.p1Class = {Cls::AndOr, Cls::Be, Cls::Have}},
    /*43*/ {.n1 = "longer", .n2 = "than", .suggestion = "a maximum of", .covers = 3, .code = Msg::Measurement,
            .ruleId = 2758, .outcome = Walk::SkipCovered},
    /*44*/ {.n1 = "shorter", .n2 = "than", .suggestion = "a minimum of", .covers = 3, .code = Msg::Measurement,
            .ruleId = 2758, .outcome = Walk::SkipCovered},
    // Negative passives: the finding goes on the form of "be" or "have".
    /*45*/ {.p1Class = kBeHave, .n2 = "being", .n3Class = {Cls::Participle}, .when = PrevIsWord, .covers = 4,
            .on = On::P1, .code = Msg::PassiveVoice, .ruleId = 5788, .outcome = Walk::PassTwo},
    /*46*/ {.p1Class = {Cls::To}, .when = PrevWordBeforeVerb, .covers = 3, .on = On::P1, .code = Msg::Awkward,
            .ruleId = 6188, .outcome = Walk::PassNext},
    /*47*/ {.n1Class = {Cls::To}, .n2Class = {Cls::Verb, Cls::Have}, .covers = 3, .code = Msg::VerbTense,
            .ruleId = 7779, .outcome = Walk::SkipCovered},
    /*48*/ {.n1 = "all", .n2Class = kNounClasses, .outcome = Walk::PassNext},
    /*49*/ {.n1 = "just|all", .covers = 2, .code = Msg::Translation, .ruleId = 4115, .outcome = Walk::SkipCovered},
    /*50*/ {.n2 = "been", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 6888, .outcome = Walk::SkipCovered},
    /*51*/ {.n1 = "been", .n2Class = {Cls::Participle}, .when = PrevIsWord, .covers = 3, .code = Msg::PassiveVoice,
            .ruleId = 6588, .outcome = Walk::SkipCovered},
    /*52*/ {.p1Class = kBeHave, .n1 = "being", .n2Class = {Cls::Participle}, .when = PrevIsWord, .covers = 3,
            .on = On::P1, .code = Msg::PassiveVoice, .ruleId = 6288, .outcome = Walk::PassTwo},
    /*53*/ {.p1Class = {Cls::AndOr}},
    /*54*/ {.n1Class = {Cls::ButBecause}, .covers = 2, .code = Msg::Negative, .ruleId = 2115,
            .outcome = Walk::SkipCovered},
    /*55*/ {.p1 = "perhaps", .when = PrevIsWord, .suggestion = "(Rephrase)", .covers = 2, .on = On::P1,
            .code = Msg::Negative, .ruleId = 2757, .outcome = Walk::Clear},
    /*56*/ {.p1 = "still", .when = PrevIsWord, .suggestion = "are not/is not", .covers = 2, .on = On::P1,
            .code = Msg::Negative, .ruleId = 2757, .outcome = Walk::Clear},
    /*57*/ {.n1Class = kNounClasses, .n2Class = {Cls::Demonstrative}, .code = Msg::ChangeToNoun, .ruleId = 3757},
    /*58*/ {.n1Class = {Cls::Noun}, .n2Class = kNounClasses, .on = On::N1, .code = Msg::ChangeToNoun, .ruleId = 2757},
    /*59*/ {.n1 = "indicated", .suggestion = "is not shown", .covers = 2, .code = Msg::Awkward, .ruleId = 1757,
            .outcome = Walk::SkipCovered},
    /*60*/ {.n1 = "sure|long|certain", .suggestion = "do not know/does not know", .covers = 2, .code = Msg::Awkward,
            .ruleId = 1757, .outcome = Walk::SkipCovered},
    /*61*/ {.p1Class = {Cls::Comma}, .when = PrevWordBeforeNonVerb, .code = Msg::Negative, .ruleId = 1757},
    /*62*/ {.p1 = "length", .when = PrevIsWordAt3, .covers = 3, .on = On::P1, .code = Msg::WrongMeaning,
            .ruleId = 4115, .outcome = Walk::PassNext},
    /*63*/ {.n1 = "time", .when = PrevIsWordAt3, .covers = 3, .on = On::P1, .code = Msg::WrongMeaning,
            .ruleId = 4115, .outcome = Walk::PassNext},
    /*64*/ {.n1 = "only|yet", .suggestion = "not", .covers = 2, .code = Msg::Negative, .ruleId = 4115,
            .outcome = Walk::SkipCovered},
    /*65*/ {.n1Class = {Cls::To}, .n2 = "be", .n3Class = {Cls::Participle}, .when = RoomForThree,
            .suggestion = "do not/does not", .covers = 4, .code = Msg::Negative, .ruleId = 4115,
            .outcome = Walk::SkipCovered},
    /*66*/ {.n1 = "being", .covers = 2, .code = Msg::VerbTense, .ruleId = 4067, .outcome = Walk::PassNext},
    /*67*/ {.n1 = "within", .suggestion = "(Give a measurement)", .covers = 2, .code = Msg::Measurement,
            .ruleId = 4067, .outcome = Walk::PassNext},
    /*68*/ {.n1 = "met", .suggestion = "(Show the requirement)", .covers = 2, .code = Msg::Translation,
            .ruleId = 8015, .outcome = Walk::PassNext},
    /*69*/ {.n1 = "given", .suggestion = "is not shown/are not shown", .covers = 2, .code = Msg::Translation,
            .ruleId = 8015, .outcome = Walk::PassNext},
    /*70*/ {.n1 = "in", .n2 = "motion", .suggestion = "not in operation/does not move", .covers = 3,
            .code = Msg::Translation, .ruleId = 8015, .outcome = Walk::SkipCovered},
    /*71*/ {.n1 = "later|early", .n2 = "than", .suggestion = "by/before/after", .covers = 3,
            .code = Msg::Translation, .ruleId = 8015, .outcome = Walk::SkipCovered},
    /*72*/ {.n1 = "designed|intended", .suggestion = "(Rephrase)", .covers = 2, .code = Msg::Translation,
            .ruleId = 8015, .outcome = Walk::PassNext},
    /*73*/ {.n1 = "operating", .suggestion = "not in operation", .covers = 2, .code = Msg::Translation,
            .ruleId = 8015, .outcome = Walk::PassNext},
    /*74*/ {.n1 = "considered", .suggestion = "is shown/are shown", .covers = 2, .code = Msg::Translation,
            .ruleId = 8015, .outcome = Walk::PassNext},
    /*75*/ {.n1 = "further|likely", .covers = 2, .code = Msg::Negative, .ruleId = 7917, .outcome = Walk::SkipCovered},
    /*76*/ {.p1Class = kNounClasses, .n1Class = {Cls::Adjective}, .code = Msg::Negative, .ruleId = 8112,
            .outcome = Walk::PassNext},
    /*77*/ {.p1Class = {Cls::Verb}, .n1Class = {Cls::To}, .suggestion = "do not/(Rephrase)", .covers = 2,
            .code = Msg::Negative, .ruleId = 2114, .outcome = Walk::SkipCovered},
    /*78*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Participle, Cls::VerbEd}, .n3Class = {Cls::To},
            .when = RoomForFourN2Flagged, .covers = 3, .code = Msg::Negative, .ruleId = 8014,
            .outcome = Walk::SkipCovered},
    /*79*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Participle, Cls::VerbEd}, .n3Class = {Cls::To},
            .when = RoomForFour, .covers = 4, .code = Msg::Negative, .ruleId = 8014, .outcome = Walk::SkipCovered},
    /*80*/ {.n1Class = {Cls::NoNever, Cls::To, Cls::Negation}, .covers = 2, .code = Msg::Negative, .ruleId = 78,
            .outcome = Walk::SkipCovered},
    /*81*/ {.n1 = "ever", .covers = 2, .code = Msg::Negative, .ruleId = 78, .outcome = Walk::SkipCovered},
    /*82*/ {.p1Class = {Cls::TimeConjunction}, .when = PrevIfWordAt2, .covers = 2, .on = On::P1,
            .code = Msg::MissingReference, .ruleId = 79, .outcome = Walk::Clear},
};
// clang-format on

}  // namespace

std::span<const RuleRow> NegationRows() { return kRows; }
