// The rule tables of the particle "down", in the order they are tried.
#include "engine/ascii_text.h"
#include "rules/function_words/particle_rows.h"
#include "rules/function_words/particle_tables.h"

namespace particle {
namespace {

using enum Walk;

bool LongEnough(const RuleContext& c) { return c.state.sentenceWordCount >= 3; }
bool BothMarked(const RuleContext& c) { return IsMarked(*c.word) && IsMarked(c.n1()); }
bool NotAtEnd(const RuleContext& c) { return !EndsSentence(c.n1()); }
bool NumberAfterTo(const RuleContext& c) { return IsDigit(static_cast<unsigned char>(c.n2().text.first())); }
// The previous word ends a phrase of its own: it followed "the", it is a
// "/" item, or the particle was split off a compound.
bool PlainEndsPhrase(const RuleContext& c) {
  const WordRec& p = c.p1();
  return p.tokenKind == 0 && (IsMarked(p) || FirstIs(p, '/') || c.word->splitKind == '6');
}
bool PlainParentheses(const RuleContext& c) { return c.p1().tokenKind == 0 && FirstIs(c.p1(), '('); }
bool EndOrAt(const RuleContext& c) { return EndsSentence(c.n1()) || FirstIs(c.n1(), '@'); }
bool LowerEndOrAt(const RuleContext& c) { return Lower(c) && EndOrAt(c); }
bool PlainNotVerb(const RuleContext& c) { return c.p1().tokenKind == 0 && !CodeStarts(c.p1(), 'V'); }
// An ordinary, unsplit previous word, and the sentence end or a blank after
// the particle.
bool PlainBeforeEnd(const RuleContext& c) {
  const WordRec& p = c.p1();
  return p.tokenKind == 0 && p.splitKind != '4' && (EndsSentence(c.n1()) || FirstIs(c.n1(), ' '));
}
bool LowerPlainBeforeEnd(const RuleContext& c) { return Lower(c) && PlainBeforeEnd(c); }

constexpr RuleRow DownVerb(Words previous, const char* text, MessageCode code) {
  return PrevVerb(previous, text, code, 5502);
}
// The second table makes the particle a label: b and c verbs take another
// message and rule id.
constexpr RuleRow DownLabelVerb(Words previous, const char* text, bool bOrC) {
  return {.p1 = previous, .suggestion = text, .then = LabelParticle, .covers = 2, .on = On::P1,
          .code = bOrC ? Msg::WrongVerb : Msg::NameLabel, .ruleId = bOrC ? 4402 : 4302};
}
constexpr RuleRow DownVerbC(Words previous, const char* text) {
  return PrevVerb(previous, text, Msg::PhrasalVerb, 5115);
}

// clang-format off
constexpr RuleRow kDownOpeningRows[] = {
    /*0*/ {.when = LongEnough, .code = Msg::Preposition, .ruleId = 4446},
};

constexpr RuleRow kDownArrowRows[] = {
    /*0*/ {.n1 = "arrow|position", .suggestion = "DOWN", .tag = "<AR>", .code = Msg::NameLabel, .ruleId = 5402},
};

constexpr RuleRow kDownLaterRows[] = {
    /*0*/ {.when = BothMarked, .suggestion = "DOWN position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 5402},
    /*1*/ {.p1 = "go|page|climb*|cool*|move*", .when = NotAtEnd, .suggestion = "(Select better verb from list)", .covers = 2, .on = On::P1, .code = Msg::PhrasalVerb, .ruleId = 9627},
    /*2*/ {.n1Class = {Cls::SentenceEnd}, .suggestion = "DOWN position", .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 5402},
};

constexpr RuleRow kDownLabelRows[] = {
    Label("lever|light|led|indicator", "DOWN"),
};

constexpr RuleRow kDownEndRows[] = {
    /*0*/ {.when = EndAheadLong, .code = Msg::Preposition, .ruleId = 7602},
    /*1*/ {.when = EndAhead},
};

constexpr RuleRow kDownBeforeRows[] = {
    /*0*/ OnPrev("head", "head to lower position", Msg::Awkward, 9627),
    /*1*/ OnPrev("end|switch", "lower position/(Rephrase)", Msg::Awkward, 9627),
    /*2*/ {.p1 = "take*|taking", .suggestion = "(Rephrase for meaning)", .covers = 2, .code = Msg::Translation, .ruleId = 5602, .outcome = SkipCovered},
    /*3*/ OnPrev("turn*", "decreased", Msg::Translation, 6602),
    /*4*/ OnPrev("draw*", "decrease/(Rephrase)", Msg::PhrasalVerb, 4502),
    /*5*/ OnPrev("drop*", "drop-down menu/decrease/(Rephrase)", Msg::PhrasalVerb, 4502),
    /*6*/ OnPrev("cool*", "becomes cool/(Give a Temp.)/become cool/decrease temperature", Msg::Terminology, 4502),
    /*7*/ OnPrev("shut*", "stop/not in operation", Msg::WrongVerb, 4502),
    /*8*/ {.n1 = "with", .code = Msg::Preposition, .ruleId = 4502},
};

constexpr RuleRow kDownVerbsRows[] = {
    /*0*/ DownVerb("clos*", "close/closes", Msg::Preposition),
    /*1*/ DownVerb("count*", "decrease to", Msg::Preposition),
    /*2*/ DownVerb("came|coming|come*", "decrease/(Give measurement)", Msg::Preposition),
    /*3*/ DownVerb("let*", "decrease/lower/(Give measurement)", Msg::Delete),
    /*4*/ DownVerb("point*", "toward the bottom", Msg::Delete),
    /*5*/ DownVerb("hard*", "pressure applied", Msg::Delete),
    /*6*/ DownVerb("run*", "decrease speed/decrease time/(Rephrase)", Msg::Delete),
    /*7*/ DownVerb("select*", "DOWN position", Msg::Delete),
    /*8*/ DownVerb("end*", nullptr, Msg::Delete),
};

constexpr RuleRow kDownNumbersRows[] = {
    /*0*/ {.n1Class = {Cls::To}, .when = NumberAfterTo, .code = Msg::Delete, .ruleId = 3663},
    /*1*/ {.n2Class = {Cls::Number}, .code = Msg::Delete, .ruleId = 3663},
};

constexpr RuleRow kDownToRows[] = {
    /*0*/ {.n1Class = {Cls::To}, .suggestion = "to", .covers = 2, .code = Msg::Preposition, .ruleId = 3663, .outcome = SkipCovered},
};

constexpr RuleRow kDownLabelAgainRows[] = {
    Label("lever|light|led|indicator", "DOWN"),
};

constexpr RuleRow kDownLabelVerbsRows[] = {
    /*0*/  DownLabelVerb("bleed*|blow*|broken", "decrease pressure ...", true),
    /*1*/  DownLabelVerb("flush", "flush/clean", false),
    /*2*/  DownLabelVerb("fall*", "fall/decrease to", false),
    /*3*/  DownLabelVerb("hold*", "push/hold xxx for/hold-down", false),
    /*4*/  DownLabelVerb("lever|search*", "(find)/(examine)", false),
    /*5*/  DownLabelVerb("lock*", "lock/locks", false),
    /*6*/  DownLabelVerb("nose", "in the NOSE DOWN position", false),
    /*7*/  DownLabelVerb("scroll*", "move cursor down the screen", false),
    /*8*/  DownLabelVerb("sight*", "align", false),
    /*9*/  DownLabelVerb("stand*|stood*", "(Rephrase)", false),
    /*10*/ DownLabelVerb("switch*|slow*", "in the DOWN position", false),
    /*11*/ DownLabelVerb("way", "(Give accurate position or distance)", false),
};

constexpr RuleRow kDownAfterRows[] = {
    /*0*/ {.when = SplitAround, .code = Msg::Hyphenation, .ruleId = 3663},
    /*1*/ Covering("against|through|under|below|over", nullptr, 2, Msg::WrongMeaning, 6665),
    /*2*/ {.when = PlainEndsPhrase, .code = Msg::Preposition, .ruleId = 4663},
    /*3*/ {.n1 = ")*", .when = PlainParentheses, .verbForm = 'X', .code = Msg::NameLabel, .ruleId = 4912},
    /*4*/ {.when = LowerEndOrAt, .code = Msg::Preposition, .ruleId = 3663},
    /*5*/ {.when = EndOrAt},
};

constexpr RuleRow kDownPhrasesRows[] = {
    /*0*/ {.n1 = "and", .n2 = "away|down", .covers = 3, .code = Msg::Awkward, .ruleId = 6113, .outcome = SkipCovered},
    /*1*/ Covering("over|under", nullptr, 2, Msg::Awkward, 5113),
    /*2*/ Covering("load*", "get/download(computer verb)", 2, Msg::WrongMeaning, 6673),
    /*3*/ {.n1 = "on", .when = PlainNotVerb, .covers = 2, .code = Msg::Preposition, .ruleId = 5124, .outcome = SkipCovered},
};

constexpr RuleRow kDownMoreVerbsRows[] = {
    /*0*/  DownVerbC("back*", "move"),
    /*1*/  DownVerbC("bled", "decrease ..."),
    /*2*/  DownVerbC("break*", "divided into/(Rephrase)"),
    // A stem: the whole word "cycl" is never written.
    /*3*/  DownVerbC("cycl*", "gives an indication/shows"),
    /*4*/  DownVerbC("copy", "record"),
    /*5*/  DownVerbC("full*", "fully to the"),
    /*6*/  DownVerbC("laid*", "put/shown"),
    /*7*/  DownVerbC("play*", "decrease"),
    /*8*/  DownVerbC("power*", "remove power from"),
    /*9*/  DownVerbC("press*", "push/hold/held"),
    /*10*/ DownVerbC("push*|pull*", "remove power from"),
    /*11*/ DownVerbC("set*", "in the DOWN position"),
    /*12*/ DownVerbC("toggle*", "move the toggle switch to ..."),
    /*13*/ DownVerbC("wash*", "clean/cleans"),
    /*14*/ DownVerbC("worn*", "worn"),
    /*15*/ DownVerbC("write*", "record"),
};

constexpr RuleRow kDownClosingRows[] = {
    /*0*/ {.when = LowerPlainBeforeEnd, .suggestion = "DOWN", .code = Msg::Preposition, .ruleId = 9557},
    /*1*/ {.when = PlainBeforeEnd, .code = Msg::Preposition, .ruleId = 9557},
    /*2*/ {.when = EndAheadLong, .code = Msg::Preposition, .ruleId = 7602},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kDownOpening = kDownOpeningRows;
const std::span<const RuleRow> kDownArrow = kDownArrowRows;
const std::span<const RuleRow> kDownLater = kDownLaterRows;
const std::span<const RuleRow> kDownLabel = kDownLabelRows;
const std::span<const RuleRow> kDownEnd = kDownEndRows;
const std::span<const RuleRow> kDownBefore = kDownBeforeRows;
const std::span<const RuleRow> kDownVerbs = kDownVerbsRows;
const std::span<const RuleRow> kDownNumbers = kDownNumbersRows;
const std::span<const RuleRow> kDownTo = kDownToRows;
const std::span<const RuleRow> kDownLabelAgain = kDownLabelAgainRows;
const std::span<const RuleRow> kDownLabelVerbs = kDownLabelVerbsRows;
const std::span<const RuleRow> kDownAfter = kDownAfterRows;
const std::span<const RuleRow> kDownPhrases = kDownPhrasesRows;
const std::span<const RuleRow> kDownMoreVerbs = kDownMoreVerbsRows;
const std::span<const RuleRow> kDownClosing = kDownClosingRows;

}  // namespace particle
