// The rule tables of "for" and "by" (class 65), in the order they are tried.
#include "rules/function_words/for_by_tables.h"

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace for_by {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }
bool Before(const RuleContext& c) { return c.word->sentencePos < 0; }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextSplit(const RuleContext& c) { return c.n1().splitKind == '6' || c.n1().splitKind == '4'; }
bool SelfSplit(const RuleContext& c) { return c.word->splitKind == '4'; }
// Any class-65 word but "for" and "by" has rules only at a sentence start.
bool OtherWordInside(const RuleContext& c) {
  return c.word->sentencePos != 0 && !TextIsOneOf(*c.word, {"for", "by"});
}

// "for" before a sentence end: advice to use a verb, when a verb stands before.
bool VerbBefore(const RuleContext& c) { return Before(c) || CodeStarts(c.p1(), 'V'); }
// A word of more than four letters in "-ing".
bool NextIsLongIng(const RuleContext& c) {
  return c.n1().text.length() > 4 && c.n1().text.endsWith("ing");
}
void MakeGerund(RuleContext&, WordRec& next) { next.wordClass = Cls::VerbIng; }

// *X for* inside the sentence. After an article or a demonstrative two words
// back, a previous word in a, c or d is a noun ("the check for"), unless its
// second letter is 'u' ("due").
bool PhraseBeforeFor(const RuleContext& c) {
  if (!Inside(c)) return false;
  const WordRec& p1 = c.p1();
  const bool nounLetter = CharIn(p1.text.first(), "acd");
  return !(nounLetter && c.word->sentencePos > 2 && p1.text[1] != 'u' &&
           ClassIsOneOf(c.p2(), {Cls::Article, Cls::Demonstrative}));
}

// "for" + a word of the list: inside the sentence, on an unmarked word.
bool ForListWord(const RuleContext& c) { return Inside(c) && c.n1().markFlag == '0'; }
bool ForListGerund(const RuleContext& c) { return ForListWord(c) && c.n1().text.endsWith("ng"); }

// An adjective coded as an -ing form ("G" third), a noun after it.
bool IngAdjective(const RuleContext& c) { return c.n1().classCode[2] == 'G'; }
bool AfterFourth(const RuleContext& c) { return c.word->sentencePos > 4; }
bool AfterSecond(const RuleContext& c) { return c.word->sentencePos > 2; }
// Room for three more words in the sentence.
bool RoomBeforeEnd(const RuleContext& c) {
  return Inside(c) && c.word->sentencePos < c.state.sentenceWordCount - 3;
}
bool InsideNextUnmarked(const RuleContext& c) { return Inside(c) && !IsMarked(c.n1()); }

// A word no dictionary holds, written with a capital; or two words with
// initial capitals: a name.
bool NextUnknownName(const RuleContext& c) {
  return c.n1().subClass == Msg::NotInDictionary && c.n1().caseFlag != '0';
}
bool BothInitialCapitals(const RuleContext& c) {
  return c.word->caseFlag == '1' && c.n1().caseFlag == '1';
}
void MakeName(RuleContext&, WordRec& next) {
  next.wordClass = Cls::ProperName;
  pass::ClearCodes(&next);
}

// *step by step*: the same word before and after "by".
bool SameWordAround(const RuleContext& c) {
  const WordRec* p = c.P(1);
  const WordRec* n = c.N(1);
  return p && n && !n->text.empty() && p->text == n->text;
}
bool HyphenatedCompound(const RuleContext& c) {
  const WordRec* after = c.N(2);
  return SameWordAround(c) && c.n1().wordClass != Cls::FirstPerson && after &&
         after->wordClass < Cls::FirstNonNoun && c.p1().subClass == 0 && c.n1().subClass == 0;
}
void WriteHyphenated(RuleContext& c, WordRec& prev) {
  FormatSuggestion(&prev, "%s-%s-%s", prev.written.c_str(), c.word->written.c_str(), c.n1().written.c_str());
}
bool NextSubClassZero(const RuleContext& c) { return c.n1().subClass == 0; }

constexpr Classes kHeadClasses = {Cls::Number, Cls::Determiner, Cls::ProperNoun, Cls::Neutral,
                                  Cls::ShortForm, Cls::Comma, Cls::Demonstrative};

// Rows of one shape, written once.
// *X for*: the advice goes on the previous word; "for" loses its own codes.
constexpr RuleRow BeforeFor(Words previous, const char* text) {
  return {.p1 = previous, .when = PhraseBeforeFor, .clear = true, .suggestion = text, .covers = 2,
          .on = On::P1, .code = Msg::Preposition, .ruleId = 2779};
}
// "for" + a word of the list; the message is the gerund one for a word in "-ng".
constexpr RuleRow ForWord(Words next, const char* text, MessageCode code) {
  return {.n1 = next, .when = ForListWord, .suggestion = text, .covers = 2, .code = code, .ruleId = 1674,
          .outcome = SkipCovered};
}
// *X by*: the advice (where there is one) and the finding go on the previous word.
constexpr RuleRow BeforeBy(Words previous, const char* text) {
  return {.p1 = previous, .when = Inside, .suggestion = text, .covers = 2, .on = On::P1,
          .code = Msg::Translation, .ruleId = 3313};
}
// "by" + a word of the list: the gerund message for a word in "-g" that does
// not begin with "b", else the meaning one.
constexpr RuleRow ByWord(Words next, const char* text, MessageCode code, int ruleId) {
  return {.n1 = next, .suggestion = text, .covers = 2, .code = code, .ruleId = ruleId, .outcome = SkipCovered};
}
constexpr RuleRow ByIng(Words next, const char* text) { return ByWord(next, text, Msg::Gerund, 2315); }
constexpr RuleRow ByNoun(Words next, const char* text) { return ByWord(next, text, Msg::WrongMeaning, 2314); }

// clang-format off
constexpr RuleRow kHeadRows[] = {
    /*0*/ {.n1Class = kHeadClasses},
    /*1*/ {.n1 = "<*|=*"},
    /*2*/ {.when = NextMarked},
    /*3*/ {.when = NextSplit},
    /*4*/ {.when = SelfSplit},
    /*5*/ {.word = "b*", .n1 = ":*"},
    /*6*/ {.n1 = "email|example|mail|fax|phone|neutral|telephone"},
    /*7*/ {.n1Class = {Cls::SentenceEnd}, .when = Before, .code = Msg::Preposition, .ruleId = 4317},
    /*8*/ {.n1 = ";*|)*", .code = Msg::Preposition, .ruleId = 4317},
    /*9*/ {.when = OtherWordInside},
};

constexpr RuleRow kForFirstRows[] = {
    /*0*/ {.when = NextMarked},  // the class head ends on it first
    /*1*/ {.n1 = ":*"},
    /*2*/ {.n1Class = {Cls::SentenceEnd}, .when = VerbBefore, .suggestion = "To ... (verb)", .code = Msg::Preposition, .ruleId = 4679},
    /*3*/ {.n1 = "@*", .when = VerbBefore, .suggestion = "To ... (verb)", .code = Msg::Preposition, .ruleId = 4679},
    /*4*/ {.n1Class = {Cls::SentenceEnd}},
    /*5*/ {.n1 = "@*"},
    /*6*/ {.when = NextIsLongIng, .then = MakeGerund, .on = On::N1, .code = Msg::Gerund, .ruleId = 4679, .outcome = PassNext},
};

constexpr RuleRow kBeforeForRows[] = {
    /*0*/  BeforeFor("account*", "(contain)/(contains)"),
    /*1*/  BeforeFor("call*", "necessary/(Rephrase)"),
    /*2*/  BeforeFor("check*", "examine ... for/make sure"),
    /*3*/  BeforeFor("design*", "are for/is for"),
    /*4*/  BeforeFor("due", "prepared for/ready for"),
    /*5*/  BeforeFor("easy|even|except|follow*", "(Rephrase)"),
    /*6*/  BeforeFor("harder", "difficult/(Give measurement)"),
    /*7*/  BeforeFor("leave*|lower|low", "(Give Measurement)"),
    /*8*/  BeforeFor("means", "method for"),
    /*9*/  BeforeFor("need", "necessary for"),
    /*10*/ BeforeFor("potential", "can/possible/(Rephrase)"),
    /*11*/ BeforeFor("powered", "supplies power to/operates"),
    /*12*/ BeforeFor("provid*|provision", "for"),
    /*13*/ BeforeFor("ready", "prepared for"),
    /*14*/ BeforeFor("room", "space for/distance for"),
    /*15*/ BeforeFor("shielded|stand*", "show/shows"),
    /*16*/ BeforeFor("sign", "an indication that"),
    /*17*/ BeforeFor("suited", "for/use for"),
    /*18*/ BeforeFor("tips", "information about"),
    /*19*/ BeforeFor("way", "method for"),
};

constexpr RuleRow kAfterForRows[] = {
    /*0*/ {.n1 = "a", .n2 = "time", .covers = 3, .code = Msg::Delete, .ruleId = 1779, .outcome = SkipCovered},
    /*1*/ {.n1 = "up", .n2 = "to", .suggestion = "to a maximum of/until", .covers = 3, .code = Msg::NameLabel, .ruleId = 1779, .outcome = SkipCovered},
    /*2*/ {.n1 = "no"},
    /*3*/ {.n1Class = {Cls::FirstPerson}},
    /*4*/ {.n1Class = {Cls::Adverb}, .covers = 2, .code = Msg::Delete, .ruleId = 1779, .outcome = SkipCovered},
    /*5*/ {.n1 = "some|any", .n2 = "reason*", .suggestion = "Because/(Give Reason)", .covers = 3, .code = Msg::Awkward, .ruleId = 2556, .outcome = SkipCovered},
    /*6*/ {.n1 = "both|certain|handling|free", .covers = 2, .code = Msg::Translation, .ruleId = 3679, .outcome = SkipCovered},
    /*7*/ {.n1 = "on|off", .suggestion = "(to ON position or to OFF position)", .verbForm = 'X', .on = On::N1, .code = Msg::NameLabel, .ruleId = 1779, .outcome = PassNext},
    /*8*/ {.n1 = "continuity|current", .outcome = ClearNext},
    /*9*/ {.n1 = "each|equal|sale|which"},
    /*10*/ {.n1Class = {Cls::Article, Cls::Pronoun, Cls::TimeConjunction}},
};

constexpr RuleRow kForWordsRows[] = {
    /*0*/  ForWord("access", "to get access/for access to", Msg::Translation),
    /*1*/  ForWord("calling", "the call", Msg::Gerund),
    /*2*/  ForWord("contacting", "the contact", Msg::Gerund),
    /*3*/  ForWord("convenience", "(Rephrase)", Msg::Translation),
    /*4*/  ForWord("details", "information about", Msg::Translation),
    /*5*/  ForWord("emergency", "for use during an emergency", Msg::Translation),
    /*6*/  ForWord("fear", "(Use a better phrase.)", Msg::Translation),
    /*7*/  ForWord("having", "to have", Msg::Gerund),
    /*8*/  ForWord("installing", "to install/installation", Msg::Gerund),
    /*9*/  ForWord("instance", "to install/installation", Msg::Translation),
    /*10*/ ForWord("lifting", "to lift", Msg::Gerund),
    /*11*/ ForWord("now", "(now)", Msg::Translation),
    /*12*/ {.n1 = "sign*", .when = ForListGerund, .suggestion = "for an indication of", .covers = 2, .code = Msg::Gerund, .ruleId = 1674, .outcome = SkipCovered},
    /*13*/ ForWord("sign*", "for an indication of", Msg::Translation),
    /*14*/ ForWord("use", "use(v)/for operation", Msg::Translation),
    /*15*/ ForWord("waiting", "information about", Msg::Gerund),
    /*16*/ ForWord("when", "when", Msg::Translation),
};

constexpr RuleRow kForRestRows[] = {
    /*0*/ {.n1Class = {Cls::Adjective}, .n2Class = kNounClasses, .when = IngAdjective, .covers = 2, .code = Msg::Gerund, .ruleId = 5978, .outcome = SkipCovered},
    /*1*/ {.n1 = ":*", .when = AfterFourth, .on = On::N1, .code = Msg::Punctuation, .ruleId = 6971},
};

constexpr RuleRow kForTailRows[] = {
    /*0*/  {.n2Class = {Cls::Number}, .when = Inside},
    /*1*/  {.n1Class = {Cls::FirstPerson}, .n2Class = {Cls::Comma}, .when = AfterSecond, .code = Msg::Preposition, .ruleId = 1673},
    /*2*/  {.n1Class = {Cls::Number}, .n2Class = {Cls::Comma}, .when = AfterSecond, .code = Msg::MissingReference, .ruleId = 3674},
    /*3*/  {.n1 = "more", .n2 = "details", .when = RoomBeforeEnd, .suggestion = "for more information", .covers = 3, .code = Msg::Translation, .ruleId = 1778, .outcome = SkipCovered},
    /*4*/  {.n1 = "signs", .n2 = "of", .when = Inside, .suggestion = "an indication of", .covers = 3, .code = Msg::Measurement, .ruleId = 1778, .outcome = SkipCovered},
    /*5*/  {.n1 = "as", .n2 = "long", .n3 = "as", .when = Inside, .suggestion = "(Give time measurement)", .covers = 4, .code = Msg::Measurement, .ruleId = 1778, .outcome = SkipCovered},
    /*6*/  {.n1 = "some", .n2 = "time", .when = Inside, .suggestion = "(Give time measurement)", .covers = 3, .code = Msg::Measurement, .ruleId = 1778, .outcome = SkipCovered},
    /*7*/  {.n1Class = {Cls::NoNever}, .suggestion = "there is no/there are no", .code = Msg::Negative, .ruleId = 1678},
    /*8*/  {.n1Class = {Cls::FirstPerson}, .n2Class = {Cls::SentenceEnd}, .code = Msg::Awkward, .ruleId = 2668},
    /*9*/  {.n1 = "this", .n2 = "time|example", .when = Inside, .covers = 3, .code = Msg::Translation, .ruleId = 2728, .outcome = SkipCovered},
    /*10*/ {.n1 = "years|month|days|few|weeks", .covers = 2, .code = Msg::Measurement, .ruleId = 56, .outcome = SkipCovered},
    /*11*/ {.n1 = "what|most|sure", .when = InsideNextUnmarked, .covers = 2, .code = Msg::Translation, .ruleId = 1675, .outcome = SkipCovered},
};

constexpr RuleRow kByFirstRows[] = {
    /*0*/ {.p1 = "divided|reference|supplied|selected", .outcome = PassNext},
    /*1*/ {.n1 = "this", .n2 = "time|method", .covers = 3, .code = Msg::Translation, .ruleId = 3313, .outcome = SkipCovered},
    /*2*/ {.p1Class = {Cls::VerbEd, Cls::Participle}},
    /*3*/ {.n1 = "which"},
    /*4*/ {.n1 = "having|doing", .covers = 2, .code = Msg::VerbTense, .ruleId = 4813, .outcome = SkipCovered},
    /*5*/ {.when = NextUnknownName, .then = MakeName, .on = On::N1, .outcome = PassNext},
    /*6*/ {.when = BothInitialCapitals, .then = MakeName, .on = On::N1, .outcome = PassNext},
    // The hyphenated compound goes on the first of the three words.
    /*7*/ {.when = HyphenatedCompound, .then = WriteHyphenated, .covers = 3, .on = On::P1, .code = Msg::Hyphenation, .ruleId = 3312},
    /*8*/ {.when = SameWordAround},
    /*9*/ {.n1Class = {Cls::VerbIng}, .when = NextSubClassZero, .covers = 2, .code = Msg::Gerund, .ruleId = 2788, .outcome = SkipCovered},
};

constexpr RuleRow kBeforeByRows[] = {
    /*0*/  {.n1Class = {Cls::FirstPerson}, .when = Inside},
    /*1*/  BeforeBy("accomplished|act*|abid*|always|also|account", "(Rephrase)"),
    /*2*/  BeforeBy("affect*", "caused by"),
    /*3*/  BeforeBy("backed", "has .."),
    /*4*/  BeforeBy("came|come*|call*", "have/had/(Rephrase)"),
    /*5*/  BeforeBy("driven|dictated|due", "controlled by/operated by/(Rephrase)"),
    /*6*/  BeforeBy("except|easy|even", nullptr),
    /*7*/  BeforeBy("followed", "the next ..."),
    /*8*/  BeforeBy("given", "shown by"),
    /*9*/  BeforeBy("held*", "(held in position by)"),
    /*10*/ BeforeBy("leave*|low|need|powered|provid*|provision", nullptr),
    /*11*/ BeforeBy("marked", "identified by"),
    /*12*/ BeforeBy("signed|shielded|stand*", "has a signature"),
    /*13*/ BeforeBy("suited|supported", "held by a support/support(n)"),
    /*14*/ BeforeBy("trained", "(qualified)"),
    /*15*/ BeforeBy("taken|time", "controlled by/(Rephrase)"),
    /*16*/ BeforeBy("ready|room|way", nullptr),
};

constexpr RuleRow kAfterByRows[] = {
    /*0*/ {.n1 = "means|way", .n2 = "of", .suggestion = "with/by/through", .covers = 3, .code = Msg::Translation, .ruleId = 3313, .outcome = SkipCovered},
    /*1*/ {.n1 = "no|all", .covers = 3, .code = Msg::Translation, .ruleId = 3313, .outcome = SkipCovered},
    /*2*/ {.n2 = "means", .covers = 3, .code = Msg::Translation, .ruleId = 3313, .outcome = SkipCovered},
    /*3*/ {.n1 = "use", .n2 = "of", .suggestion = "with/by", .covers = 3, .code = Msg::Translation, .ruleId = 3313, .outcome = SkipCovered},
};

constexpr RuleRow kByWordsRows[] = {
    /*0*/  ByIng("allowing", "let (STE)"),
    /*1*/  ByNoun("being", "when you/(Rephrase)"),
    /*2*/  ByNoun("chance", "when/accidentally/(Rephrase)"),
    /*3*/  ByNoun("default", "(Rephrase)"),
    /*4*/  ByIng("engaging", "when you engage"),
    /*5*/  ByNoun("hand", "manually"),
    /*6*/  ByNoun("itself", "automatically"),
    /*7*/  ByNoun("mistake", "caused by an error/incorrect action"),
    /*8*/  ByIng("moving", "when you move"),
    /*9*/  ByIng("opening", "when you open/to open"),
    /*10*/ ByIng("placing", "put/put in position/position(n)"),
    /*11*/ ByIng("pressing|pulling|pushing", "when you push (STE)"),
    /*12*/ ByIng("reading", "when you read/read"),
    /*13*/ ByNoun("reason", "for the reason"),
    /*14*/ ByNoun("reference", "refer/has a reference"),
    /*15*/ ByIng("switching", "when you change/change/changes"),
    /*16*/ ByNoun("themselves", "automatically/(Rephrase)"),
    /*17*/ ByIng("turning", "when you turn/to enter"),
    /*18*/ ByIng("typing", "enter/to enter"),
    /*19*/ ByIng("using", "with/(Rephrase)"),
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kHead = kHeadRows;
const std::span<const RuleRow> kForFirst = kForFirstRows;
const std::span<const RuleRow> kBeforeFor = kBeforeForRows;
const std::span<const RuleRow> kAfterFor = kAfterForRows;
const std::span<const RuleRow> kForWords = kForWordsRows;
const std::span<const RuleRow> kForRest = kForRestRows;
const std::span<const RuleRow> kForTail = kForTailRows;
const std::span<const RuleRow> kByFirst = kByFirstRows;
const std::span<const RuleRow> kBeforeBy = kBeforeByRows;
const std::span<const RuleRow> kAfterBy = kAfterByRows;
const std::span<const RuleRow> kByWords = kByWordsRows;

}  // namespace for_by
