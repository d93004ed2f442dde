// The rule tables of "about", "above", "around" and "then" (class 73), in
// the order they are tried.
#include "rules/function_words/about_tables.h"

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace about_rules {
namespace {

using enum Walk;

bool First(const RuleContext& c) { return c.First(); }
bool Inside(const RuleContext& c) { return !c.First(); }
bool NextIsDigit(const RuleContext& c) { return IsDigit(static_cast<unsigned char>(c.n1().text.first())); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool SelfMarked(const RuleContext& c) { return IsMarked(*c.word); }
bool NextSplit(const RuleContext& c) { return c.n1().splitKind == '4'; }
// *tighten about*: a verb of the text, not a special token, before "about".
bool AfterOrdinaryWord(const RuleContext& c) { return !c.First() && c.p1().tokenKind == 0; }
bool PrevEndsInS(const RuleContext& c) { return c.p1().lastLetter == 's'; }
// The rules after the opening ones of "above" need two words before it.
bool NearStart(const RuleContext& c) { return c.word->sentencePos <= 1; }

// *X about* and *X around*: the finding moves to the previous word, which
// covers both; the class-73 word loses its own codes.
constexpr RuleRow ClearedOnPrev(Words previous, const char* text, MessageCode code, int ruleId) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = code, .ruleId = ruleId,
          .outcome = Clear};
}
// *X above*: the finding on the previous word, covering both.
constexpr RuleRow OnPrev(Words previous, const char* text, MessageCode code, int ruleId) {
  return {.p1 = previous, .suggestion = text, .covers = 2, .on = On::P1, .code = code, .ruleId = ruleId};
}
constexpr RuleRow Reference(Words previous, const char* text) {
  return OnPrev(previous, text, Msg::WrongMeaning, 1245);
}

// clang-format off
constexpr RuleRow kGateRows[] = {
    /*0*/ {.n1 = "@*|:*"},
    /*1*/ {.n1Class = {Cls::InnerPunctuation}},
    /*2*/ {.p1 = "figure|table|chart|shown|information|data|refer", .when = Inside},
};

constexpr RuleRow kAboutInsideRows[] = {
    /*0*/  {.p1 = "information|instructions|data"},
    /*1*/  {.when = NextIsDigit, .suggestion = "approximately", .code = Msg::WrongMeaning, .ruleId = 6203},
    /*2*/  {.n1Class = {Cls::Number}, .suggestion = "approximately", .code = Msg::WrongMeaning, .ruleId = 6203},
    /*3*/  {.n2Class = {Cls::Number}, .suggestion = "approximately", .code = Msg::WrongMeaning, .ruleId = 6203},
    /*4*/  {.n1 = "ways", .n2 = "to", .suggestion = "procedures to", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 4202, .outcome = SkipCovered},
    /*5*/  {.n1 = "whether|why|which|what", .outcome = PassNext},
    /*6*/  {.n1 = "one|how", .code = Msg::WrongMeaning, .ruleId = 6203},
    // By the previous word's first letter.
    /*7*/  ClearedOnPrev("ask|nothing", "(Rephrase)", Msg::WrongMeaning, 3142),
    /*8*/  ClearedOnPrev("came|come*", "occur/occurs", Msg::WrongMeaning, 3142),
    /*9*/  ClearedOnPrev("just", "(Give measurement)", Msg::WrongMeaning, 3142),
    /*10*/ ClearedOnPrev("thought", "know", Msg::WrongMeaning, 3142),
    /*11*/ ClearedOnPrev("weigh*", "has a weight of approximately", Msg::WrongMeaning, 3142),
};

constexpr RuleRow kAboutRows[] = {
    /*0*/ {.when = NextIsDigit, .suggestion = "approximately", .code = Msg::WrongMeaning, .ruleId = 6203},
    /*1*/ {.n1Class = {Cls::Number}, .suggestion = "approximately", .code = Msg::WrongMeaning, .ruleId = 6203},
    /*2*/ {.n1Class = {Cls::VerbIng}, .suggestion = "(Insert a noun subj.)", .on = On::N1, .code = Msg::Gerund, .ruleId = 6203, .outcome = PassNext},
    /*3*/ {.n1 = "to", .n2 = "be", .suggestion = "can/will", .covers = 3, .code = Msg::WrongMeaning, .ruleId = 5202, .outcome = SkipCovered},
    /*4*/ {.n1 = "to", .suggestion = "will/(Rephrase)", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2203, .outcome = SkipCovered},
    /*5*/ {.when = NextMarked},
    /*6*/ {.n1Class = {Cls::Article, Cls::Demonstrative}},
    /*7*/ {.when = NextSplit},
    /*8*/ {.n1Class = {Cls::To, Cls::Adverb, Cls::SentenceEnd}, .code = Msg::Translation, .ruleId = 203},
    /*9*/ {.p1Class = {Cls::Verb, Cls::VerbS}, .when = AfterOrdinaryWord, .code = Msg::WrongMeaning, .ruleId = 6203},
};

constexpr RuleRow kAboveRows[] = {
    /*0*/  {.when = First, .code = Msg::WrongMeaning, .ruleId = 3245},
    /*1*/  {.n1 = "<*|.*|,*", .code = Msg::WrongMeaning, .ruleId = 3245},
    /*2*/  {.when = SelfMarked, .code = Msg::WrongMeaning, .ruleId = 3245},
    /*3*/  {.n1Class = {Cls::ShortForm}, .code = Msg::WrongMeaning, .ruleId = 3245},
    /*4*/  {.n1Class = {Cls::AndOr}, .n2 = "less*", .suggestion = "more than", .code = Msg::WrongMeaning, .ruleId = 9257},
    /*5*/  {.p1Class = {Cls::AndOr}, .suggestion = "higher", .code = Msg::WrongMeaning, .ruleId = 9257},
    /*6*/  OnPrev("list*", "shown in the list above/shown above", Msg::WrongMeaning, 9257),
    /*7*/  {.p1 = "stay*", .when = PrevEndsInS, .suggestion = "is above", .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 3245},
    /*8*/  OnPrev("stay*", "are above", Msg::WrongVerb, 3245),
    /*9*/  OnPrev("specified|see", nullptr, Msg::Awkward, 3245),
    /*10*/ OnPrev("as|flush|just|mentioned|peak|well|rise", nullptr, Msg::Awkward, 3245),
    /*11*/ {.when = NearStart},
    /*12*/ {.n1 = "ground"},
    /*13*/ {.n1Class = {Cls::Nomenclature, Cls::NomenclaturePlural}},
    /*14*/ {.n1 = "normal", .suggestion = "(Give range)", .covers = 2, .code = Msg::Translation, .ruleId = 3245, .outcome = SkipCovered},
    /*15*/ {.n1 = "level|all", .covers = 2, .code = Msg::Translation, .ruleId = 3245, .outcome = SkipCovered},
    /*16*/ {.n1Class = {Cls::ForBy}, .code = Msg::WrongMeaning, .ruleId = 1364},
    // The reference list; "flush", "just", "well" and "peak" are taken by row 10 first.
    /*17*/ Reference("described|given|level*|listed|written", "shown above"),
    /*18*/ Reference("if", "if xxx is more than"),
    /*19*/ Reference("flush", "(Give measurement)"),
    /*20*/ Reference("far", "(Rephrase)"),
    /*21*/ Reference("just", "above"),
    /*22*/ Reference("outlined|power", "(Give reference)"),
    /*23*/ Reference("peak", "(Give reference)"),
    /*24*/ Reference("set|still", "set at more than"),
    /*25*/ Reference("time", "time is set at more than"),
    /*26*/ Reference("temperature", "temperature is set at more than"),
    /*27*/ Reference("well", "(Give range)"),
    /*28*/ Reference("voltage*", nullptr),
};

constexpr RuleRow kAroundRows[] = {
    /*0*/ {.when = First, .code = Msg::WrongMeaning, .ruleId = 5257},
    /*1*/ {.when = NextIsDigit, .suggestion = "approximately/(Give Range)", .code = Msg::Measurement, .ruleId = 1157, .outcome = PassNext},
    /*2*/ {.n1Class = {Cls::Number}, .suggestion = "approximately/(Give Range)", .code = Msg::Measurement, .ruleId = 1157, .outcome = PassNext},
    /*3*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Preposition, .ruleId = 1447},
    /*4*/ {.n1 = "about", .covers = 2, .code = Msg::Translation, .ruleId = 4341, .outcome = SkipCovered},
    /*5*/ ClearedOnPrev("just", "near/(Give range)", Msg::Translation, 34245),
    /*6*/ ClearedOnPrev("pack*", "around/(Rephrase)", Msg::Translation, 34245),
    /*7*/ ClearedOnPrev("work*", "maintenance procedure", Msg::Translation, 34245),
    /*8*/ ClearedOnPrev("wrap*|wind*", "xxx goes around", Msg::Translation, 34245),
};

constexpr RuleRow kThenRows[] = {
    /*0*/  {.n1Class = {Cls::Comma}, .when = First},
    /*1*/  {.when = First, .code = Msg::Adverb, .ruleId = 1340},
    /*2*/  {.n1Class = {Cls::Verb}},
    /*3*/  {.p1 = ";*", .code = Msg::Adverb, .ruleId = 1340},
    /*4*/  {.n1Class = {Cls::Comma, Cls::Pronoun}, .code = Msg::Awkward, .ruleId = 2440},
    /*5*/  {.n1Class = kNounClasses, .code = Msg::Awkward, .ruleId = 2440},
    /*6*/  {.n1 = ";*", .code = Msg::Awkward, .ruleId = 2440},
    /*7*/  {.n1Class = {Cls::SentenceEnd}, .code = Msg::Awkward, .ruleId = 2340},
    /*8*/  {.n1 = "there|with|through|only", .covers = 2, .code = Msg::Translation, .ruleId = 3340, .outcome = SkipCovered},
    // "then" for "than".
    /*9*/  {.p1Class = {Cls::Comparative, Cls::Superlative}, .suggestion = "than", .code = Msg::Spelling, .ruleId = 2346},
    /*10*/ {.n1Class = {Cls::Number}, .suggestion = "than", .code = Msg::Spelling, .ruleId = 2346},
    /*11*/ {.p1 = "other", .suggestion = "than", .code = Msg::Spelling, .ruleId = 2346},
    /*12*/ {.p1 = "should|even", .code = Msg::Delete, .ruleId = 1340},
    /*13*/ {.p1Class = {Cls::ButBecause, Cls::Modal}, .code = Msg::Delete, .ruleId = 1340},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kGates = kGateRows;
const std::span<const RuleRow> kAboutInside = kAboutInsideRows;
const std::span<const RuleRow> kAbout = kAboutRows;
const std::span<const RuleRow> kAbove = kAboveRows;
const std::span<const RuleRow> kAround = kAroundRows;
const std::span<const RuleRow> kThen = kThenRows;

}  // namespace about_rules
