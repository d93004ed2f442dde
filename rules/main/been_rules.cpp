// Rules of class 27, "been": "been able to", "been" after "had" and some
// adverbs, before "around", "under" or "over", and at a sentence start.
#include "rules/main/been_rules.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/main/class_bodies.h"

namespace {

bool Opens(const RuleContext& c) { return c.word->sentencePos == 0; }
bool NotBeen(const RuleContext& c) { return !TextIs(*c.word, "been"); }
bool NegativePos(const RuleContext& c) { return c.word->sentencePos < 0; }
bool PrevBeginsWithH(const RuleContext& c) { return FirstIs(c.p1(), 'h'); }
bool NextBeginsWithDash(const RuleContext& c) { return FirstIs(c.n1(), '-'); }

// clang-format off
constexpr RuleRow kBeen[] = {
    /*0*/ {.when = Opens, .code = Msg::VerbTense, .ruleId = 5911},
    /*1*/ {.n1 = "able", .n2Class = {Cls::To}, .suggestion = "can", .covers = 3, .code = Msg::VerbTense, .ruleId = 5811,
           .outcome = Walk::SkipCovered},
    /*2*/ {.when = NotBeen},
    /*3*/ {.when = NegativePos, .code = Msg::VerbTense, .ruleId = 9911},
    /*4*/ {.n1 = "around|under|over", .when = PrevBeginsWithH, .suggestion = "(Rephrase)", .covers = 3, .on = On::P1,
           .code = Msg::PassiveVoice, .ruleId = 5912, .outcome = Walk::PassNext},
    /*5*/ {.n1 = "around|under|over", .suggestion = "(Give a ref. or rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 5911, .outcome = Walk::PassNext},
    /*6*/ {.p1 = "long|ever|never|only|had", .covers = 2, .on = On::P1, .code = Msg::VerbTense, .ruleId = 4911,
           .outcome = Walk::Clear},
    /*7*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::VerbTense, .ruleId = 1556},
    /*8*/ {.when = NextBeginsWithDash, .code = Msg::VerbTense, .ruleId = 1556},
    /*9*/ {.n1Class = {Cls::Negation}, .on = On::N1, .code = Msg::Negative, .ruleId = 56},
};
// clang-format on

}  // namespace

std::span<const RuleRow> BeenRows() { return kBeen; }

Walk ApplyBeenRules(RuleContext& c) {
  if (auto o = ApplyFirstMatch(c, BeenRows())) return *o;
  return Walk::Next;
}
