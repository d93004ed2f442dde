// Rules of word class 46: a word the controlled language allows neither as
// a verb of wanting nor as a preposition of comparison. The rows never read
// the word's own text; they judge it by the words around it.
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/main/class46_rows.h"
#include "rules/main/class_bodies.h"

namespace {

bool Inside(const RuleContext& c) { return !c.First(); }
bool Opening(const RuleContext& c) { return c.First(); }
bool NextAtSign(const RuleContext& c) { return c.N(1) && FirstIs(c.n1(), '@'); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool BothSplit(const RuleContext& c) {
  return Inside(c) && c.word->splitKind == '4' && c.P(1) && c.p1().splitKind == '4';
}
bool InsideMarked(const RuleContext& c) { return Inside(c) && IsMarked(*c.word); }
bool InsideNextColon(const RuleContext& c) { return Inside(c) && c.N(1) && FirstIs(c.n1(), ':'); }
bool PrevOrdinary(const RuleContext& c) { return c.P(1) && c.p1().tokenKind == 0; }
// After "something", "just", "be", a form of "look" or "sound", or a split part.
bool AfterPerception(const RuleContext& c) {
  if (!Inside(c)) return false;
  if (c.word->splitKind == '4') return true;
  if (!PrevOrdinary(c)) return false;
  const WordRec& p = c.p1();
  return TextIsOneOf(p, {"something", "just", "be"}) || TextStartsOneOf(p, {"look", "sound"}) ||
         p.splitKind == '4';
}
bool NextNextIsVerbCode(const RuleContext& c) { return c.N(2) && CodeStarts(c.n2(), 'V'); }
bool InsideSplit(const RuleContext& c) { return Inside(c) && c.word->splitKind == '4'; }
bool RoomBeforeNonVerb(const RuleContext& c) {
  return Inside(c) && c.word->sentencePos < c.state.sentenceWordCount - 3 && c.N(2) && c.n2().wordClass != Cls::Verb;
}
bool PosAbove1(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PosAbove2(const RuleContext& c) { return c.word->sentencePos > 2; }
bool PosAbove2BeforeNoun(const RuleContext& c) {
  return PosAbove2(c) && c.N(1) && c.n1().wordClass < Cls::FirstNonNoun;
}
bool PosAbove2NextNotPlain(const RuleContext& c) {
  return PosAbove2(c) && c.N(1) && c.n1().markFlag != '0' && c.n1().wordClass != Cls::Article;
}
bool OrdinaryAt2(const RuleContext& c) { return PosAbove1(c) && PrevOrdinary(c); }
bool InsideAfterOrdinary(const RuleContext& c) { return Inside(c) && PrevOrdinary(c); }
bool AppearEndsInS(const RuleContext& c) { return InsideAfterOrdinary(c) && c.p1().lastLetter == 's'; }
bool Late(const RuleContext& c) { return c.word->sentencePos > 3 && PrevOrdinary(c); }
bool LateSplitNoTo(const RuleContext& c) {
  return Late(c) && c.word->splitKind == '4' && c.p2().wordClass != Cls::To;
}
bool LateSplitAfterTo(const RuleContext& c) {
  return Late(c) && c.word->splitKind == '4' && c.P(2) && c.p2().wordClass == Cls::To;
}
bool LateNotSplit(const RuleContext& c) { return Late(c) && c.word->splitKind != '4'; }

// The finding moves from the word before to this word.
void ClearPrevious(RuleContext& c, WordRec&) { pass::ClearCodes(c.P(1)); }

constexpr const char* kWant = "want/(You can use verb - want)";

// clang-format off
constexpr RuleRow kRows[] = {
    // The end of the phrase.
    /*0*/ {.when = Opening, .code = Msg::Preposition, .ruleId = 6664},
    /*1*/ {.when = NextAtSign, .code = Msg::Preposition, .ruleId = 6664},
    /*2*/ {.n1Class = {Cls::SentenceEnd, Cls::Pronoun, Cls::Neutral, Cls::ShortForm}, .code = Msg::Preposition,
           .ruleId = 6664},
    /*3*/ {.when = NextMarked, .outcome = Walk::ClearNext},
    /*4*/ {.n1Class = {Cls::Article}, .outcome = Walk::ClearNext},
    /*5*/ {.when = BothSplit, .code = Msg::Awkward, .ruleId = 5664},
    /*6*/ {.n1Class = {Cls::VerbIng}, .when = Inside, .code = Msg::Awkward, .ruleId = 5664},
    // Wrong meaning: a verb of wanting.
    /*7*/ {.when = InsideMarked, .suggestion = kWant, .code = Msg::WrongMeaning, .ruleId = 1966},
    /*8*/ {.n1Class = {Cls::Relative}, .when = Inside, .suggestion = kWant, .code = Msg::WrongMeaning, .ruleId = 1966},
    /*9*/ {.when = InsideNextColon, .suggestion = kWant, .code = Msg::WrongMeaning, .ruleId = 1966},
    /*10*/ {.p1Class = {Cls::FirstPerson, Cls::Pronoun, Cls::Modal}, .when = Inside, .suggestion = kWant,
            .code = Msg::WrongMeaning, .ruleId = 1966},
    /*11*/ {.when = AfterPerception, .then = ClearPrevious, .code = Msg::Translation, .ruleId = 9664},
    /*12*/ {.n1Class = {Cls::To}, .when = NextNextIsVerbCode, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 4715,
            .outcome = Walk::SkipCovered},
    /*13*/ {.n1Class = {Cls::FirstPerson, Cls::Determiner}, .covers = 2, .code = Msg::Translation, .ruleId = 9664,
            .outcome = Walk::SkipCovered},
    // A split part inside the sentence was taken by row 11.
    /*14*/ {.when = InsideSplit, .on = On::N1, .code = Msg::Awkward, .ruleId = 2966, .outcome = Walk::PassNext},
    /*15*/ {.n1Class = {Cls::To}, .when = RoomBeforeNonVerb, .suggestion = "necessary", .covers = 2,
            .code = Msg::Translation, .ruleId = 8667, .outcome = Walk::SkipCovered},
    /*16*/ {.p1Class = {Cls::Participle}, .when = PosAbove2BeforeNoun, .suggestion = "when/for/by/while",
            .code = Msg::Preposition, .ruleId = 4963},
    // A marked next word was taken by row 3.
    /*17*/ {.p1Class = {Cls::VerbEd, Cls::Participle}, .when = PosAbove2NextNotPlain, .code = Msg::Preposition,
            .ruleId = 5963},
    /*18*/ {.n1 = "to", .n2Class = {Cls::Verb}, .covers = 3, .code = Msg::WrongVerb, .ruleId = 8664,
            .outcome = Walk::SkipCovered},
    /*19*/ {.p1Class = {Cls::Noun, Cls::Nomenclature}, .when = OrdinaryAt2, .clear = true, .covers = 2, .on = On::P1,
            .code = Msg::Translation, .ruleId = 9664},
    /*20*/ {.n1 = "other|some|one", .covers = 2, .code = Msg::Translation, .ruleId = 9664, .outcome = Walk::SkipCovered},
    /*21*/ {.p1 = "appear*", .when = AppearEndsInS, .clear = true, .suggestion = "shows", .covers = 2, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 9664},
    /*22*/ {.p1 = "appear*", .when = InsideAfterOrdinary, .clear = true, .suggestion = "show", .covers = 2,
            .on = On::P1, .code = Msg::WrongVerb, .ruleId = 9664},
    /*23*/ {.n1Class = {Cls::Demonstrative}, .covers = 2, .code = Msg::Translation, .ruleId = 6664,
            .outcome = Walk::SkipCovered},
    // Late in the sentence after an ordinary word; a split part never comes here.
    /*24*/ {.when = LateSplitNoTo, .code = Msg::Preposition, .ruleId = 9627},
    /*25*/ {.when = LateSplitAfterTo, .clear = true, .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 9627},
    /*26*/ {.p1Class = {Cls::VerbS}, .when = LateNotSplit, .clear = true, .covers = 2, .on = On::P1,
            .code = Msg::Translation, .ruleId = 9664},
};
// clang-format on

}  // namespace

std::span<const RuleRow> Class46Rows() { return kRows; }

Walk ApplyClass46Rules(RuleContext& c) { return ApplyFirstMatch(c, kRows).value_or(Walk::Next); }
