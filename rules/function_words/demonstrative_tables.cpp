// The rule tables of the demonstratives (class 76), in the order they are
// tried.
#include "rules/function_words/demonstrative_tables.h"

#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"

namespace demonstrative {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return !c.First(); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool VerbBefore(const RuleContext& c) { return CodeStarts(c.p1(), 'V'); }
void NoSubClass(RuleContext&, WordRec& w) { w.subClass = 0; }

bool NextAdjectiveCode(const RuleContext& c) { return CodeStarts(c.n1(), 'A'); }
bool NextNotInDictionary(const RuleContext& c) {
  return c.n1().subClass == Msg::NotInDictionary || c.n1().message == Msg::NotInDictionary;
}
// An adjective, unless the word is a markup or label token.
bool NextPlainAdjective(const RuleContext& c) { return !FirstIs(c.n1(), '!') && !FirstIs(c.n1(), ':'); }

// "this" + a word that needs a noun between: a modal, "much", "period", or
// a form of "be", "have" or "for"/"by". The first letter of the next word
// chooses which list is read.
bool NeedsNounBetween(const RuleContext& c) {
  const WordRec& n = c.n1();
  switch (n.text.first()) {
    case 'c': return TextIs(n, "could");
    case 'm':
    case 'p': return TextIsOneOf(n, {"may", "might", "much", "period"});
    case 's': return TextIs(n, "should");
    default: return ClassIsOneOf(n, {Cls::Be, Cls::Have, Cls::ForBy});
  }
}

// clang-format off
constexpr RuleRow kThemRows[] = {
    /*0*/ {.n2Class = {Cls::NomenclaturePlural, Cls::NounPlural}, .then = NoSubClass, .on = On::N1},
    /*1*/ {.n1Class = {Cls::Noun, Cls::Nomenclature, Cls::Verb, Cls::Article}, .code = Msg::Agreement, .ruleId = 5175},
    /*2*/ {.when = NextMarked, .code = Msg::Agreement, .ruleId = 5175},
    /*3*/ {.n1 = "times", .covers = 2, .code = Msg::Measurement, .ruleId = 4214, .outcome = SkipCovered},
    /*4*/ {.when = VerbBefore, .code = Msg::MissingReference, .ruleId = 4274},
    /*5*/ {.n1Class = {Cls::Have}, .code = Msg::MissingReference, .ruleId = 4174},
};

constexpr RuleRow kTheseThoseRows[] = {
    // Plural nouns, numbers and adjectives after the word, and nouns that
    // have no plural form: no finding.
    /*0*/ {.n1Class = {Cls::NounPlural, Cls::NomenclaturePlural, Cls::Have, Cls::ShortForm, Cls::Number}},
    /*1*/ {.when = NextAdjectiveCode},
    /*2*/ {.n1Class = {Cls::Noun}, .n2Class = {Cls::NounPlural}},
    /*3*/ {.n1 = "data|aircraft|criteria|information"},
    /*4*/ {.n2Class = {Cls::NounPlural, Cls::NomenclaturePlural}, .when = NextNotInDictionary},
    /*5*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .code = Msg::MissingReference, .ruleId = 7216},
    /*6*/ {.n1Class = Classes::Range(Cls::Verb, Cls::VerbIng), .n2Class = {Cls::Modal, Cls::Verb}},
    /*7*/ {.n1Class = Classes::Range(Cls::Verb, Cls::VerbIng), .code = Msg::MissingReference, .ruleId = 4215},
    /*8*/ {.n1Class = {Cls::Adjective}, .when = NextPlainAdjective, .code = Msg::MissingReference, .ruleId = 3217},
    /*9*/ {.code = Msg::MissingReference, .ruleId = 8274},
};

constexpr RuleRow kThisFirstRows[] = {
    /*0*/ {.n1 = "data|aircraft|series|information"},
    /*1*/ {.n1Class = {Cls::Adjective, Cls::Neutral, Cls::Number}},
    /*2*/ {.n1 = "h*", .n1Class = {Cls::Be}, .code = Msg::MissingReference, .ruleId = 2214},
    /*3*/ {.n1Class = {Cls::Verb, Cls::VerbS, Cls::Modal, Cls::To}, .suggestion = "(Insert noun subj.)",
           .code = Msg::MissingReference, .ruleId = 7214},
    /*4*/ {.n1 = "on", .suggestion = "(Insert noun subj.)", .code = Msg::MissingReference, .ruleId = 7214},
};

constexpr RuleRow kThisRestRows[] = {
    /*0*/ {.n1Class = {Cls::NounPlural, Cls::NomenclaturePlural, Cls::Comma, Cls::SentenceEnd, Cls::Adverb,
                       Cls::PlacePreposition},
           .code = Msg::MissingReference, .ruleId = 7275},
    /*1*/ {.n1 = "@*", .code = Msg::MissingReference, .ruleId = 7275},
    /*2*/ {.n1Class = {Cls::Be}, .n2Class = {Cls::To}, .code = Msg::MissingReference, .ruleId = 7275},
    // "made this warning": the finding is on "made".
    /*3*/ {.p1 = "made", .n1 = "warning|issue|problem", .when = Inside, .suggestion = "caused", .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 2214, .outcome = Clear},
    /*4*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}},
    /*5*/ {.n1 = "period", .when = NeedsNounBetween, .suggestion = "(Give Time Measurement)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 7314, .outcome = SkipCovered},
    /*6*/ {.n1 = "c*|m*", .when = NeedsNounBetween, .suggestion = "(Noun ... can)", .covers = 2,
           .code = Msg::MissingReference, .ruleId = 7224, .outcome = SkipCovered},
    /*7*/ {.when = NeedsNounBetween, .covers = 2, .code = Msg::MissingReference, .ruleId = 7224, .outcome = SkipCovered},
    /*8*/ {.n1 = "particular|single|only", .suggestion = "this", .covers = 2, .code = Msg::Awkward, .ruleId = 7274,
           .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kThem = kThemRows;
const std::span<const RuleRow> kTheseThose = kTheseThoseRows;
const std::span<const RuleRow> kThisFirst = kThisFirstRows;
const std::span<const RuleRow> kThisRest = kThisRestRows;

}  // namespace demonstrative
