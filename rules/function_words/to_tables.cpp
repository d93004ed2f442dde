// The rule tables of "to" (class 68), stage by stage, in the order they are
// tried. A stage the body runs only inside a sentence says so in the body;
// rows of the later stages that need a positive position say it themselves.
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/function_words/to_tables.h"

namespace to_rules {
namespace {

using enum Walk;

int Pos(const RuleContext& c) { return c.word->sentencePos; }
bool Inside(const RuleContext& c) { return Pos(c) > 0; }
bool PastSecond(const RuleContext& c) { return Pos(c) > 2; }
bool Ste(const RuleContext& c) { return c.steDictionary == 1; }
bool SteNextMarked(const RuleContext& c) { return Ste(c) && IsMarked(c.n1()); }
bool SelfMarked(const RuleContext& c) { return IsMarked(*c.word); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool SplitFour(const RuleContext& c) { return c.word->splitKind == '4' || c.n1().splitKind == '4'; }
bool SameAround(const RuleContext& c) {
  const WordRec* p = c.P(1);
  const WordRec* n = c.N(1);
  return p && n && p->text == n->text.view();
}
bool NextDigit(const RuleContext& c) { return IsDigit(c.n1().text.first()); }
bool NextCodeD(const RuleContext& c) { return c.N(1) && CodeStarts(c.n1(), 'D'); }
bool NextIsEnd(const RuleContext& c) { return IsSentinel(c.N(1)); }
// A word of more than four letters in "-ss" that the dictionary read as a verb form.
bool NextEndsSs(const RuleContext& c) { return c.n1().text.length() > 4 && c.n1().text.endsWith("ss"); }

// Stage L runs only after a plain word and before an unmarked one.
bool PlainAround(const RuleContext& c) { return c.p1().tokenKind == 0 && c.n1().markFlag == '0'; }

bool DownUpBeforeNumber(const RuleContext& c) { return Inside(c) && c.p1().tokenKind == 0 && NextDigit(c); }
bool ShortHave(const RuleContext& c) { return c.n1().length == 2; }
bool InsideShortHave(const RuleContext& c) { return Inside(c) && ShortHave(c); }
bool NextOffUnmarked(const RuleContext& c) { return c.n1().written == "off" && c.n1().markFlag == '0'; }
bool NextThenDot(const RuleContext& c) { return Inside(c) && c.n2().text.first() == '.'; }
bool WhatDo(const RuleContext& c) { return Pos(c) > 1 && c.p1().tokenKind == 0; }
bool NotCaps(const RuleContext& c) { return c.N(1) && !IsCaps(c.n1()); }
bool AndOrVerb(const RuleContext& c) { return Pos(c) > 1 && c.p1().tokenKind > 0 && c.p1().length == 3; }
bool ThenBefore(const RuleContext& c) { return Pos(c) > 1 && c.p1().tokenKind == 0; }
// Room for three more words, and an unmarked short have-form next.
bool ShortHaveWithRoom(const RuleContext& c) {
  return Pos(c) > 1 && Pos(c) < c.state.sentenceWordCount - 3 && c.n1().markFlag == '0' && ShortHave(c);
}
bool InsideNextEndsSs(const RuleContext& c) { return Inside(c) && NextEndsSs(c); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool UpToOne(const RuleContext& c) { return Pos(c) <= 1 && NextUnmarked(c); }
bool PrevRorParticiple(const RuleContext& c) {
  return NextUnmarked(c) && (FirstIs(c.p1(), 'r') || c.p1().wordClass == Cls::Participle);
}

// Noun "to" noun: the window of stage Q.
bool QWindow(const RuleContext& c) {
  return Pos(c) > 1 && Pos(c) < c.state.sentenceWordCount - 2 && c.N(1) && c.n1().text.first() != '@' &&
         c.p1().tokenKind == 0;
}
bool QSameLengthNouns(const RuleContext& c) {
  const WordRec& p = c.p1();
  const WordRec& n = c.n1();
  return QWindow(c) && p.wordClass < Cls::FirstNonNoun && n.markFlag == '0' && n.wordClass < Cls::FirstNonNoun &&
         n.splitKind == '0' && p.length == n.length;
}
bool QBeVerb(const RuleContext& c) { return QWindow(c) && Pos(c) > 3 && CodeStarts(c.n2(), 'V'); }

// Actions.
void ClearTarget(RuleContext&, WordRec& w) { pass::ClearCodes(&w); }
// *press to test*: both neighbours become plain words.
void PlainPressTest(RuleContext& c, WordRec& prev) {
  WordRec* next = c.N(1);
  prev.wordClass = Cls::Neutral;
  prev.message = 0;
  prev.subClass = 0;
  c.word->subClass = 0;
  if (next) {
    next->wordClass = Cls::Neutral;
    next->message = 0;
  }
}
// The two words after "to", as the writer wrote them.
void NextTwoWritten(RuleContext& c, WordRec& w) {
  char text[84];
  FormatBounded(text, sizeof text, "%s %s", c.n1().written.c_str(), c.n2().written.c_str());
  WriteSuggestion(&w, text);
}
// The previous word is cleared, and with it "to" and the next word.
void ClearAllThree(RuleContext& c, WordRec& prev) {
  pass::ClearCodes(&prev);
  pass::ClearCodes(c.N(1));
}

constexpr Classes kBeHave = {Cls::Be, Cls::Have};
constexpr Classes kAboveNineteen = Classes::Range(20, 127);
constexpr Classes kAboveThirty = Classes::Range(31, 127);

// clang-format off
constexpr RuleRow kSkipGatesRows[] = {
    /*0*/ {.p1 = ")*", .n1Class = kNounClasses, .outcome = PassNext},
    /*1*/ {.n1Class = {Cls::Number, Cls::Neutral, Cls::Article, Cls::ProperNoun, Cls::Demonstrative}, .outcome = PassNext},
    /*2*/ {.when = SplitFour, .outcome = PassNext},
    /*3*/ {.n1 = "=*", .outcome = PassNext},
    /*4*/ {.when = SameAround, .outcome = PassNext},
    /*5*/ {.n1 = "earth|step|ground", .outcome = PassNext},
};

constexpr RuleRow kMarkedRows[] = {
    /*0*/ {.when = SelfMarked, .code = Msg::MissingReference, .ruleId = 3449},
};

constexpr RuleRow kNextToRows[] = {
    /*0*/ {.p1 = "next", .suggestion = "(near)", .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
    /*1*/ {.p1 = "press|push", .n1 = "test|check", .when = Ste, .then = PlainPressTest, .on = On::P1},
    /*2*/ {.n1 = "test|check", .when = SteNextMarked},
    /*3*/ {.n1 = "check", .when = Ste, .suggestion = "make a check", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3449, .outcome = SkipCovered},
    /*4*/ {.n1 = "test", .when = Ste, .suggestion = "make a test", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3449, .outcome = SkipCovered},
};

constexpr RuleRow kFixedPhrasesRows[] = {
    /*0*/ {.p1 = "refer|set", .outcome = NeutralNext},
    /*1*/ {.n1 = "zero", .outcome = NeutralNext},
    /*2*/ {.n1 = "not", .n2 = "be", .suggestion = "is not/are not", .covers = 3, .code = Msg::VerbTense, .ruleId = 4582, .outcome = SkipCovered},
    /*3*/ {.n1 = "be", .n2 = "able", .n3 = "to", .suggestion = "can", .covers = 4, .code = Msg::VerbTense, .ruleId = 4582, .outcome = SkipCovered},
    /*4*/ {.n1 = "be", .n2Class = {Cls::Verb, Cls::VerbEd}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 4582, .outcome = SkipCovered},
    /*5*/ {.n1 = "aid|help", .n2 = "to", .covers = 3, .code = Msg::Rephrase, .ruleId = 2448, .outcome = SkipCovered},
    /*6*/ {.n1 = "do", .n2 = "so", .covers = 3, .code = Msg::Rephrase, .ruleId = 2448, .outcome = SkipCovered},
    /*7*/ {.p1 = "need*", .n1 = "be", .clear = true, .suggestion = "must be", .covers = 3, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 5448, .outcome = PassNext},
    /*8*/ {.p1 = "need*"},
};

constexpr RuleRow kWordBeforeRows[] = {
    /*0*/ {.n1Class = {Cls::VerbEd}, .when = NextEndsSs},
    /*1*/ {.p1 = "used*", .n1Class = {Cls::Verb}, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 5448},
    /*2*/ {.p1Class = {Cls::Verb}, .n1Class = {Cls::VerbIng}, .on = On::N1, .code = Msg::VerbTense, .ruleId = 5348, .outcome = PassNext},
    /*3*/ {.p1 = "intend*", .n1Class = {Cls::Verb}, .suggestion = "want do/must/necessary", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 5448},
    /*4*/ {.p1 = "less*|more*", .covers = 2, .on = On::P1, .code = Msg::Measurement, .ruleId = 5448},
    /*5*/ {.p1 = "cool*", .suggestion = "to become cool/to decrease the temperature", .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
    /*6*/ {.p1 = "common", .suggestion = "same type,size,color/standard", .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
    /*7*/ {.p1 = "shor*", .suggestion = "short-circuit on the ...", .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
    /*8*/ {.p1 = "refer*|equal|write*|applicable", .then = ClearTarget, .on = On::P1},
    /*9*/ {.n1Class = {Cls::Verb}, .n2Class = {Cls::To}, .then = ClearTarget, .on = On::P1},
    /*10*/ {.n1 = ":*", .then = ClearTarget, .on = On::P1},
};

constexpr RuleRow kStageJRows[] = {
    // Only the covered words: the advice the row once meant is never written.
    /*0*/ {.p1 = "time", .covers = 3, .on = On::P1},
    /*1*/ {.p1Class = kBeHave, .n1 = "be", .when = PastSecond, .covers = 3, .on = On::P1, .code = Msg::VerbTense, .ruleId = 6725},
    /*2*/ {.p1Class = kBeHave, .when = PastSecond},
    /*3*/ {.n1Class = kNounClasses, .n2Class = {Cls::As}, .on = On::N1, .code = Msg::WrongVerb, .ruleId = 4725, .outcome = PassNext},
    /*4*/ {.n1 = "do", .n2 = "so", .covers = 3, .code = Msg::Delete, .ruleId = 7815, .outcome = SkipCovered},
};

constexpr RuleRow kStageKRows[] = {
    /*0*/ {.p1 = "found", .n1 = "be", .suggestion = "is/are/(Rephrase)", .covers = 3, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3478, .outcome = PassTwo},
    /*1*/ {.p1 = "worked", .n1Class = kNounClasses, .covers = 2, .on = On::P1, .code = Msg::Delete, .ruleId = 2448},
    /*2*/ {.n1 = "scale|define|cycle|spring*|limit", .suggestion = "calculate/give/specified(adj)", .covers = 2, .code = Msg::WrongVerb, .ruleId = 4348, .outcome = SkipCovered},
    /*3*/ {.n2Class = {Cls::To}},
    /*4*/ {.n1 = "be", .n2 = "equal", .covers = 3, .code = Msg::VerbTense, .ruleId = 2459, .outcome = SkipCovered},
    /*5*/ {.p1Class = {Cls::Negation}, .n1 = "be", .covers = 3, .on = On::P1, .code = Msg::VerbTense, .ruleId = 2348, .outcome = PassTwo},
};

constexpr RuleRow kStageLRows[] = {
    /*0*/ {.p1Class = kBeHave, .n1 = "be", .n2Class = {Cls::Participle, Cls::VerbEd}, .when = PlainAround, .covers = 2, .code = Msg::Delete, .ruleId = 2448, .outcome = SkipCovered},
    /*1*/ {.n1Class = {Cls::Verb}, .n2Class = {Cls::To}, .when = PlainAround, .then = NextTwoWritten, .covers = 3, .code = Msg::VerbTense, .ruleId = 5448, .outcome = SkipCovered},
    /*2*/ {.n1 = "be", .n2 = "not", .when = PlainAround, .covers = 3, .code = Msg::Translation, .ruleId = 2448, .outcome = SkipCovered},
    /*3*/ {.p1Class = {Cls::Verb}, .n1 = "use", .when = PlainAround, .suggestion = "the use of", .covers = 2, .code = Msg::WrongChoice, .ruleId = 3448, .outcome = SkipCovered},
};

constexpr RuleRow kStageMRows[] = {
    /*0*/ {.n1Class = {Cls::Comma}, .code = Msg::Punctuation, .ruleId = 7448},
    /*1*/ {.n1Class = {Cls::Verb}, .n2Class = {Cls::To}, .outcome = PassTwo},
    /*2*/ {.n1 = "this", .n2 = "effect", .covers = 3, .code = Msg::Delete, .ruleId = 4358, .outcome = SkipCovered},
    /*3*/ {.n1 = "aid|help|assist", .n2 = "in", .suggestion = "to help", .covers = 3, .code = Msg::Translation, .ruleId = 4348, .outcome = SkipCovered},
    /*4*/ {.n1 = "seat", .suggestion = "install/against/put in position", .on = On::N1, .code = Msg::WrongVerb, .ruleId = 2349, .outcome = PassNext},
    /*5*/ {.n1 = "and", .n2 = "from", .covers = 3, .code = Msg::Rephrase, .ruleId = 2348, .outcome = SkipCovered},
    /*6*/ {.n1Class = {Cls::Negation}, .n2 = "be", .suggestion = "are not/is not/(Rephrase)", .covers = 3, .code = Msg::Negative, .ruleId = 2448, .outcome = SkipCovered},
    /*7*/ {.n1 = "much", .suggestion = "too much/(Give measurement.)", .covers = 2, .code = Msg::Spelling, .ruleId = 2448, .outcome = SkipCovered},
    /*8*/ {.n1 = "be", .n2Class = {Cls::Participle, Cls::VerbEd}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 2348, .outcome = SkipCovered},
};

constexpr RuleRow kStageNRows[] = {
    /*0*/ {.n1 = "be", .n2 = "more", .suggestion = "is more than/are more than", .covers = 3, .code = Msg::Awkward, .ruleId = 2349, .outcome = SkipCovered},
    /*1*/ {.n1 = "be", .n2 = "less", .suggestion = "is less than/are less than", .covers = 3, .code = Msg::Awkward, .ruleId = 2349, .outcome = SkipCovered},
    /*2*/ {.n1Class = {Cls::VerbIng}, .n2Class = kNounClasses, .on = On::N1, .code = Msg::Gerund, .ruleId = 2348, .outcome = PassNext},
    /*3*/ {.when = NextDigit},
    /*4*/ {.n1 = "be", .n2 = "present", .suggestion = "is/are", .covers = 3, .code = Msg::Rephrase, .ruleId = 2648, .outcome = SkipCovered},
    /*5*/ {.n1 = "you", .n2 = "that", .covers = 3, .code = Msg::Delete, .ruleId = 2349, .outcome = SkipCovered},
};

constexpr RuleRow kClauseEndRows[] = {
    /*0*/ {.when = NextMarked},
    /*1*/ {.n1Class = {Cls::Article}},
    /*2*/ {.n1 = "<*"},
    // Every punctuation word has a class code in 'D': the three clause-end
    // rows after this one are reached only by words coded otherwise.
    /*3*/ {.when = NextCodeD},
    /*4*/ {.n1 = ":*", .outcome = PassNext},
    /*5*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Preposition, .ruleId = 4180},
    /*6*/ {.when = NextIsEnd, .code = Msg::Preposition, .ruleId = 4180},
    /*7*/ {.n1 = "be", .n2Class = {Cls::Participle, Cls::VerbEd}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 2281, .outcome = SkipCovered},
    /*8*/ {.n1 = "be", .n2 = "able", .n3Class = {Cls::To}, .suggestion = "can", .covers = 4, .code = Msg::Awkward, .ruleId = 2381, .outcome = SkipCovered},
    /*9*/ {.n1 = "be", .n2 = "unable", .n3Class = {Cls::To}, .suggestion = "can not", .covers = 4, .code = Msg::Awkward, .ruleId = 2381, .outcome = SkipCovered},
    /*10*/ {.n1 = "be", .n2 = "sure|determined|certain", .covers = 3, .code = Msg::WrongVerb, .ruleId = 1248, .outcome = SkipCovered},
    /*11*/ {.n1 = "be"},
};

constexpr RuleRow kStagePRows[] = {
    /*0*/ {.p1 = "down|up", .when = DownUpBeforeNumber, .suggestion = "from ... to/(Give Measurement)", .then = ClearTarget, .on = On::P1, .code = Msg::Measurement, .ruleId = 4181, .outcome = Clear},
    /*1*/ {.n1 = "us", .when = Inside, .suggestion = "U.S.A./(Give company name)", .on = On::N1, .code = Msg::Pronoun, .ruleId = 3682, .outcome = PassNext},
    /*2*/ {.n1 = "do", .n2 = "this", .n3Class = kAboveThirty, .covers = 3, .code = Msg::Awkward, .ruleId = 3181, .outcome = SkipCovered},
    /*3*/ {.n1 = "last", .n2Class = kAboveNineteen, .when = Inside, .covers = 2, .code = Msg::WrongVerb, .ruleId = 3682, .outcome = SkipCovered},
    /*4*/ {.n1Class = {Cls::Have}, .when = InsideShortHave, .covers = 2, .code = Msg::Awkward, .ruleId = 181, .outcome = SkipCovered},
    // "to on." and "to off." at a sentence end: the switch position.
    /*5*/ {.n1 = "off", .when = NextThenDot, .suggestion = "in the OFF position", .verbForm = 'X', .covers = 2, .code = Msg::NameLabel, .ruleId = 4682, .outcome = SkipCovered},
    /*6*/ {.n1 = "on", .when = NextThenDot, .suggestion = "in the ON position", .verbForm = 'X', .covers = 2, .code = Msg::NameLabel, .ruleId = 4682, .outcome = SkipCovered},
    /*7*/ {.n2Class = {Cls::Comma}, .when = NextOffUnmarked, .suggestion = "to the OFF position", .verbForm = 'X', .covers = 2, .code = Msg::NameLabel, .ruleId = 4248, .outcome = SkipCovered},
    /*8*/ {.p1 = "what", .n1 = "do", .when = WhatDo, .clear = true, .then = ClearTarget, .covers = 3, .on = On::P1, .code = Msg::Translation, .ruleId = 5582, .outcome = PassNext},
    /*9*/ {.n1 = "between", .when = Inside, .suggestion = "from xxx to yyy", .covers = 2, .code = Msg::Measurement, .ruleId = 3827, .outcome = SkipCovered},
    /*10*/ {.n1Class = {Cls::ShortForm}, .n2Class = kAboveNineteen, .when = NotCaps, .verbForm = 'X', .on = On::N1, .code = Msg::NameLabel, .ruleId = 1287, .outcome = PassNext},
    /*11*/ {.p1Class = {Cls::AndOr}, .n1Class = {Cls::Verb}, .when = AndOrVerb, .then = ClearTarget, .covers = 2, .on = On::P1, .code = Msg::Translation, .ruleId = 1192, .outcome = Clear},
    /*12*/ {.p1 = "then", .p1Class = {Cls::Adverb, Cls::Participle}, .when = ThenBefore, .then = ClearTarget, .covers = 2, .on = On::P1, .code = Msg::MissingReference, .ruleId = 1197, .outcome = Clear},
    /*13*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Adjective, Cls::Participle}, .when = ShortHaveWithRoom, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 1856, .outcome = SkipCovered},
    /*14*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::VerbEd}, .n3Class = {Cls::To}, .when = ShortHaveWithRoom, .covers = 4, .code = Msg::VerbTense, .ruleId = 5611, .outcome = SkipCovered},
    /*15*/ {.n1 = "within", .when = Inside, .suggestion = "to less than", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1897, .outcome = SkipCovered},
    /*16*/ {.n1 = "better", .when = Inside, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1897, .outcome = SkipCovered},
};

constexpr RuleRow kStageQRows[] = {
    /*0*/ {.when = QSameLengthNouns},
    /*1*/ {.p1Class = kBeHave, .n1Class = {Cls::Verb}, .when = QBeVerb, .clear = true, .then = ClearAllThree, .covers = 3, .on = On::P1, .code = Msg::VerbTense, .ruleId = 1868, .outcome = PassNext},
    /*2*/ {.when = QWindow},
};

constexpr RuleRow kStageRRows[] = {
    /*0*/ {.n1Class = {Cls::VerbS, Cls::VerbEd, Cls::VerbIng}, .when = InsideNextEndsSs},
    /*1*/ {.n1Class = {Cls::VerbS, Cls::VerbEd, Cls::VerbIng}, .when = Inside, .on = On::N1, .code = Msg::VerbTense, .ruleId = 1801},
    /*2*/ {.n1Class = {Cls::Relative}, .n2Class = kAboveNineteen, .when = Inside, .on = On::N1, .code = Msg::ThatWhich, .ruleId = 1808},
    /*3*/ {.n1Class = {Cls::TimeConjunction}, .n2Class = {Cls::SentenceEnd, Cls::Comma}, .when = NotCaps, .verbForm = 'X', .on = On::N1, .code = Msg::NameLabel, .ruleId = 1878, .outcome = PassNext},
    /*4*/ {.n1Class = {Cls::AndOr}, .when = UpToOne, .code = Msg::Translation, .ruleId = 18651},
    /*5*/ {.n1Class = {Cls::AndOr}, .when = PrevRorParticiple},
    /*6*/ {.n1Class = {Cls::AndOr}, .when = NextUnmarked, .code = Msg::Translation, .ruleId = 18651},
};

// After the opening checks of the body (a missing comma); the rows after
// the first need the opening conditions.
bool Opening(const RuleContext& c) { return OpeningHolds(c); }
bool OpeningEd(const RuleContext& c) { return Opening(c) && NextEndsSs(c); }
bool NextColon(const RuleContext& c) { return c.n1().text.first() == ':'; }
void MakeSentenceEnd(RuleContext&, WordRec& next) { next.wordClass = Cls::SentenceEnd; }

constexpr RuleRow kOpeningRows[] = {
    /*0*/ {.n1 = "do", .n2 = "so", .covers = 3, .code = Msg::Delete, .ruleId = 3448, .outcome = SkipCovered},
    /*1*/ {.n1Class = {Cls::VerbEd}, .when = OpeningEd},
    /*2*/ {.n1Class = {Cls::Verb}, .when = Opening},
    /*3*/ {.when = Opening, .code = Msg::Preposition, .ruleId = 2648},
    /*4*/ {.when = NextColon, .then = MakeSentenceEnd, .on = On::N1, .code = Msg::Punctuation, .ruleId = 6448, .outcome = PassNext},
};
// clang-format on

}  // namespace

bool OpeningHolds(const RuleContext& c) {
  const WordRec* next = c.N(1);
  return next && next->text.first() != ':' && !CodeStarts(*next, 'D') && next->wordClass != Cls::SentenceEnd &&
         c.word->caseFlag != '0' && c.state.sentenceWordCount >= 6 && c.word->sentenceLength <= 21;
}

const std::span<const RuleRow> kSkipGates = kSkipGatesRows;
const std::span<const RuleRow> kMarked = kMarkedRows;
const std::span<const RuleRow> kNextTo = kNextToRows;
const std::span<const RuleRow> kFixedPhrases = kFixedPhrasesRows;
const std::span<const RuleRow> kWordBefore = kWordBeforeRows;
const std::span<const RuleRow> kStageJ = kStageJRows;
const std::span<const RuleRow> kStageK = kStageKRows;
const std::span<const RuleRow> kStageL = kStageLRows;
const std::span<const RuleRow> kStageM = kStageMRows;
const std::span<const RuleRow> kStageN = kStageNRows;
const std::span<const RuleRow> kClauseEnd = kClauseEndRows;
const std::span<const RuleRow> kStageP = kStagePRows;
const std::span<const RuleRow> kStageQ = kStageQRows;
const std::span<const RuleRow> kStageR = kStageRRows;
const std::span<const RuleRow> kOpening = kOpeningRows;

}  // namespace to_rules
