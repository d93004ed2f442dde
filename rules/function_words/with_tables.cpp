// The rule tables of "with" (class 74), in the order they are tried.
#include "rules/function_words/with_tables.h"

#include <string>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace with_rules {
namespace {

using enum Walk;

bool PrevPlain(const RuleContext& c) { return c.p1().tokenKind == 0; }
bool PrevMarked(const RuleContext& c) { return IsMarked(c.p1()); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool NextAdjectiveCode(const RuleContext& c) { return CodeStarts(c.n1(), 'A'); }
bool NextPunctuationCode(const RuleContext& c) { return CodeStarts(c.n1(), '.'); }
bool NextSpecialToken(const RuleContext& c) { return c.n1().tokenKind > 0; }
// "no" of two letters, not a "No." written as a number sign.
bool NextShortNo(const RuleContext& c) { return c.n1().length == 2; }

// Room for three more words in the sentence.
bool Room(const RuleContext& c) { return c.word->sentencePos < c.state.sentenceWordCount - 3; }
bool RoomPrevPlain(const RuleContext& c) { return Room(c) && PrevPlain(c); }
bool AfterSecondPrevPlain(const RuleContext& c) { return c.word->sentencePos > 2 && PrevPlain(c); }
bool AfterThirdPrevPlain(const RuleContext& c) { return c.word->sentencePos > 3 && PrevPlain(c); }
bool AfterFourth(const RuleContext& c) { return c.word->sentencePos > 4; }
bool AtSecond(const RuleContext& c) { return c.word->sentencePos == 1; }

// A number written in letters ("two"), not in digits.
bool AfterSecondPrevNumberWord(const RuleContext& c) {
  return AfterSecondPrevPlain(c) && IsLetter(static_cast<unsigned char>(c.p1().written.first()));
}

// "with" + an -ing word that the dictionary gave no code of its own, not
// split off a compound: a gerund that the writer should rephrase.
bool NextPlainGerund(const RuleContext& c) {
  return NextUnmarked(c) && c.n1().splitKind != '4' && c.n1().subClass == 0;
}
bool NextCoded(const RuleContext& c) { return c.n1().subClass != 0; }
bool NextNotUnmarked(const RuleContext& c) { return c.n1().markFlag != '0'; }
bool NextNoGerund(const RuleContext& c) { return c.n1().wordClass != Cls::VerbIng; }

// A verb before "with" and a verb, pronoun, adjective, article or token
// after it: the pair reads as it is.
bool AfterSecondNextFunctionWord(const RuleContext& c) {
  return c.word->sentencePos > 2 && NextUnmarked(c) && c.n1().wordClass >= Cls::FirstNonNoun;
}
// A verb form before "with" and a verb or function word (no article) after it.
bool NextVerbOrFunctionWord(const RuleContext& c) {
  const int n = c.n1().wordClass;
  return NextNoGerund(c) && NextUnmarked(c) && n >= Cls::FirstNonNoun && n != Cls::Article;
}

// A word that ends its clause: the length is set where the tokenizer left it
// at one character.
void KeepLength(RuleContext&, WordRec& w) {
  if (w.length == 1) w.length = static_cast<std::int32_t>(w.text.length());
}
// *together with*: the finding goes on "together", the advice on "with".
void AdviseWith(RuleContext& c, WordRec&) { WriteSuggestion(c.word, "with"); }
// *make ... with*: the word between loses its codes as well.
void ClearBetween(RuleContext& c, WordRec&) { pass::ClearCodes(c.P(1)); }
void WriteTo(RuleContext&, WordRec& w) {
  const std::string written = w.written.str();  // the suggestion is built from the word itself
  FormatSuggestion(&w, "%s to", written.c_str());
}
void WriteThan(RuleContext&, WordRec& w) {
  const std::string written = w.written.str();
  FormatSuggestion(&w, "%s than", written.c_str());
}
void WriteThe(RuleContext&, WordRec& w) {
  const std::string written = w.written.str();
  FormatSuggestion(&w, "the %s", written.c_str());
}

// Rows of one shape, written once.
// The fixed pair *X with*: the advice and the finding go on the previous
// word; "with" keeps its codes. Without a text the word keeps its advice.
constexpr RuleRow Pair(Words previous, const char* text) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = Msg::WrongMeaning,
          .ruleId = 6735};
}
// *X with*: the finding goes on the previous word, "with" loses its codes.
constexpr RuleRow OnPrev(RuleRow row) {
  row.on = On::P1;
  row.outcome = Clear;
  return row;
}

constexpr Classes kQuantityOrName = {Cls::Number,       Cls::Demonstrative, Cls::Unit, Cls::Article,
                                     Cls::Nomenclature, Cls::ProperNoun,    Cls::MaterialNoun};
// Verb, pronoun, adjective, article and token classes after a verb + "with".
constexpr Classes kReadsAsItIs = {Cls::VerbIng, Cls::Pronoun, Cls::Adjective, Cls::FirstPerson, Cls::Article,
                                  38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49};

// clang-format off
constexpr RuleRow kPairRows[] = {
    /*0*/  {.p2Class = {Cls::Article, Cls::Demonstrative}},
    /*1*/  {.when = PrevMarked},
    // "also with" has no advice of its own: the words are not a fixed pair
    // of an alignment.
    /*2*/  Pair("also", nullptr),
    /*3*/  Pair("align*", "align to/aligns to"),
    /*4*/  Pair("associated", "for"),
    /*5*/  Pair("assist*", "help to"),
    /*6*/  Pair("away", "with/away from"),
    /*7*/  Pair("chang*", "change by/changes by/(Rephrase)"),
    /*8*/  Pair("complet*", "(Rephrase)"),
    /*9*/  Pair("communicate", "tell/(Rephrase)"),
    /*10*/ Pair("combin*", "together/with"),
    /*11*/ Pair("continue*", "continue to/continues to"),
    /*12*/ Pair("concern*", "problem/information/indication"),
    /*13*/ Pair("closely", "with/(Rephrase)"),
    /*14*/ Pair("cope*", "control/(Rephrase)"),
    /*15*/ Pair("current", "(Give Date)"),
    /*16*/ Pair("corresponding", "same/for"),
    /*17*/ Pair("designed", "(Rephrase)"),
    /*18*/ Pair("downstream", "from .../at a distance from/(Rephrase)"),
    /*19*/ Pair("equipped", "that have/that has/install"),
    /*20*/ Pair("either", "with/by"),
    /*21*/ Pair("even|end", "align/at a level"),
    /*22*/ Pair("familiar", "have/has"),
    /*23*/ Pair("fitted|fix", "installed/attached/set"),
    /*24*/ Pair("go", "go to"),
    /*25*/ Pair("help*", "control/controls/give ..."),
    /*26*/ Pair("issue*", "problem with"),
    /*27*/ Pair("interface*|included", "connect/to"),
    /*28*/ Pair("lined", "has a lining"),
    /*29*/ Pair("listed", "shown for"),
    /*30*/ Pair("moisten", "(make wet with)"),
    /*31*/ Pair("match", "align to/compare"),
    /*32*/ Pair("mate*", nullptr),
    /*33*/ Pair("perpendicular", "vertical to"),
    /*34*/ Pair("person", "persons that have"),
    /*35*/ Pair("related", "related to"),
    /*36*/ Pair("stop", "stops at/stop at/stop"),
    /*37*/ Pair("start|starts|starting|started", "starts from/starts/start at"),
    /*38*/ Pair("square", "aligned to"),
    /*39*/ Pair("stuck", "does not move"),
    /*40*/ Pair("stock", "has items"),
    /*41*/ Pair("separately", "move from ... to"),
    /*42*/ Pair("signed", "(Rephrase for meaning)"),
    /*43*/ Pair("together|these", "(Rephrase)"),
    /*44*/ Pair("wet", "apply ... to/not dry"),
    /*45*/ Pair("working", "do work with"),
};

constexpr RuleRow kNextGateRows[] = {
    /*0*/  {.when = NextMarked},
    /*1*/  {.n1Class = {Cls::Neutral, Cls::Particle}},
    /*2*/  {.when = NextAdjectiveCode},
    /*3*/  {.n1Class = kQuantityOrName},
    /*4*/  {.n1 = "grease|oil|light|sound"},
    /*5*/  {.n2Class = {Cls::Class41}},
    /*6*/  {.when = NextPunctuationCode},
    /*7*/  {.n1Class = {Cls::ShortForm}},
    /*8*/  {.n1 = "<*"},
    /*9*/  {.n1Class = {Cls::Determiner}},
    /*10*/ {.when = NextSpecialToken},
    /*11*/ {.n1Class = {Cls::FirstPerson}},
};

constexpr RuleRow kFirstRowsRows[] = {
    /*0*/  {.p1 = "align*|flush*|square*", .clear = true, .suggestion = "align to", .covers = 2, .on = On::P1, .code = Msg::Preposition, .ruleId = 6825},
    /*1*/  {.n1 = "just|only|about|in|independent|respect*|which|what", .covers = 2, .code = Msg::Awkward, .ruleId = 7825, .outcome = SkipCovered},
    /*2*/  {.n1 = "?*|:*", .then = KeepLength, .code = Msg::MissingReference, .ruleId = 4728},
    /*3*/  {.n1Class = {Cls::SentenceEnd}, .then = KeepLength, .code = Msg::MissingReference, .ruleId = 4728},
    /*4*/  {.n1 = "as", .n2 = "much|little", .covers = 3, .code = Msg::Rephrase, .ruleId = 6756, .outcome = SkipCovered},
    /*5*/  OnPrev({.p1Class = {Cls::Be, Cls::Have}, .when = PrevPlain, .covers = 2, .code = Msg::Translation, .ruleId = 3726}),
    /*6*/  {.n1Class = {Cls::VerbIng}, .when = NextPlainGerund, .covers = 2, .code = Msg::Gerund, .ruleId = 4825, .outcome = SkipCovered},
    /*7*/  {.n1Class = {Cls::Pronoun}, .covers = 2, .code = Msg::MissingReference, .ruleId = 5627, .outcome = SkipCovered},
    /*8*/  OnPrev({.p1Class = {Cls::Demonstrative}, .code = Msg::MissingReference, .ruleId = 5627}),
};

constexpr RuleRow kLaterRowsRows[] = {
    /*0*/  {.n1 = "one", .n2 = "another", .suggestion = "with each ...", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3725, .outcome = SkipCovered},
    /*1*/  {.n1 = "no", .n2 = "failure*", .suggestion = "does not have failures", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3725, .outcome = SkipCovered},
    /*2*/  OnPrev({.p1 = "only|keeping", .code = Msg::Delete, .ruleId = 3725}),
    /*3*/  {.n1 = "several|multiple|many", .suggestion = "that have xxx/(Give a range)", .covers = 2, .code = Msg::Measurement, .ruleId = 5725, .outcome = SkipCovered},
    /*4*/  {.n1 = "assistance|help", .n2 = "from", .suggestion = "and/(Rephrase)", .covers = 3, .code = Msg::Awkward, .ruleId = 3725, .outcome = SkipCovered},
    /*5*/  {.n1 = "regard|assistance|help", .n2Class = {Cls::To}, .suggestion = "refer to/and", .covers = 3, .code = Msg::Awkward, .ruleId = 3725, .outcome = SkipCovered},
    // "together" is a fixed pair with "with" from this position on: the pair
    // step has ended the treatment before.
    /*6*/  OnPrev({.p1 = "together", .when = PrevPlain, .then = AdviseWith, .covers = 2, .code = Msg::Delete, .ruleId = 4725}),
    /*7*/  {.n1 = "over", .suggestion = "for more than", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4725, .outcome = SkipCovered},
    /*8*/  {.n1 = "under", .suggestion = "for less than", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4725, .outcome = SkipCovered},
    /*9*/  {.n1 = "even", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4725, .outcome = SkipCovered},
    /*10*/ {.n1 = "all|growing|any", .suggestion = "for", .covers = 2, .code = Msg::Preposition, .ruleId = 6825, .outcome = SkipCovered},
};

constexpr RuleRow kLastRowsRows[] = {
    /*0*/  {.n1 = "less|more", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2725, .outcome = SkipCovered},
    /*1*/  {.n1 = "one", .n2 = "another", .when = Room, .suggestion = "with each ...", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 3725, .outcome = SkipCovered},
    /*2*/  OnPrev({.p1 = "type", .when = RoomPrevPlain, .suggestion = "type to/type for", .covers = 2, .code = Msg::Translation, .ruleId = 4786}),
    /*3*/  {.n1 = "no", .when = NextShortNo, .outcome = PassNext},
    /*4*/  {.n1 = "caution", .suggestion = "be careful", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5726, .outcome = SkipCovered},
    /*5*/  {.n1 = "instructions", .suggestion = "instructions for", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 5726, .outcome = SkipCovered},
    /*6*/  OnPrev({.p1 = "compar*", .when = PrevPlain, .then = WriteTo, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 1232}),
    /*7*/  {.p2 = "make*", .when = AfterFourth, .clear = true, .suggestion = "use/uses", .then = ClearBetween, .covers = 3, .on = On::P2, .code = Msg::WrongMeaning, .ruleId = 5635},
    // "complete" is a fixed pair with "with" from this position on: the pair
    // step has ended the treatment before.
    /*8*/  OnPrev({.p1 = "complete", .when = AfterSecondPrevPlain, .suggestion = "with/has/have", .covers = 2, .code = Msg::Translation, .ruleId = 2064}),
    /*9*/  OnPrev({.p1 = "one", .when = AfterSecondPrevPlain, .covers = 2, .code = Msg::MissingReference, .ruleId = 3064}),
    /*10*/ OnPrev({.p1Class = {Cls::Number}, .when = AfterSecondPrevNumberWord, .covers = 2, .code = Msg::MissingReference, .ruleId = 3064}),
    /*11*/ {.n1 = "that", .n2 = "case", .when = Room, .suggestion = "for", .covers = 3, .code = Msg::Delete, .ruleId = 2871, .outcome = SkipCovered},
    /*12*/ {.n1 = "that", .when = Room, .outcome = PassNext},
    /*13*/ OnPrev({.p1 = "higher|lower", .when = AfterThirdPrevPlain, .then = WriteThan, .covers = 2, .code = Msg::WrongMeaning, .ruleId = 7625}),
    /*14*/ {.p1Class = {Cls::Verb}, .n1Class = kReadsAsItIs, .when = AfterSecondNextFunctionWord},
    /*15*/ {.p1Class = {Cls::Verb}, .when = AfterSecondNextFunctionWord, .code = Msg::WrongMeaning, .ruleId = 20611},
    /*16*/ {.when = AtSecond},
    /*17*/ {.p1Class = Classes::Range(Cls::Verb, Cls::Modal), .when = NextVerbOrFunctionWord, .covers = 2, .code = Msg::Translation, .ruleId = 2063, .outcome = SkipCovered},
    /*18*/ {.when = NextNoGerund},
    /*19*/ {.when = NextCoded, .on = On::N1, .code = Msg::Translation, .ruleId = 2063, .outcome = PassNext},
    // The gerund finding is cleared again at once: only the rule id stays.
    /*20*/ {.when = NextNotUnmarked, .on = On::N1, .code = Msg::None, .ruleId = 2063, .outcome = PassNext},
    // Reached by an -ing word split off a compound only: the others took the
    // gerund row above.
    /*21*/ {.then = WriteThe, .on = On::N1, .code = Msg::Gerund, .ruleId = 2063, .outcome = NeutralNext},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kPair = kPairRows;
const std::span<const RuleRow> kNextGates = kNextGateRows;
const std::span<const RuleRow> kFirstRows = kFirstRowsRows;
const std::span<const RuleRow> kLaterRows = kLaterRowsRows;
const std::span<const RuleRow> kLastRows = kLastRowsRows;

}  // namespace with_rules
