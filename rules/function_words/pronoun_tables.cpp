// The rule tables of the personal pronouns (class 66), in the order they are
// tried.
#include "rules/function_words/pronoun_tables.h"

#include "engine/class_numbers.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

namespace pronoun {
namespace {

using enum Walk;

bool Inside(const RuleContext& c) { return !c.First(); }
bool OpensSentence(const RuleContext& c) { return c.First(); }
bool PosAbove2(const RuleContext& c) { return c.word->sentencePos > 2; }

// "it have" is told from "It have" by its first letter as written.
bool NotWrittenI(const RuleContext& c) { return c.word->written.first() != 'I'; }
// A comma a few words into the sentence before "it".
bool AfterEarlyComma(const RuleContext& c) {
  return c.word->sentencePos >= 3 && c.word->sentencePos <= 7;
}
// Near the sentence start, before ")" or after a time conjunction "it" has
// nothing to stand for.
bool NoRoomForSubject(const RuleContext& c) {
  return c.word->sentencePos < 2 || FirstIs(c.n1(), ')') || c.p1().wordClass == Cls::TimeConjunction;
}
bool MarkedR(const RuleContext& c) { return c.word->extraFlag == 'R'; }
// A verb read from the text itself (not a split-off token) before "it".
bool PlainVerbBefore(const RuleContext& c) {
  return c.p1().tokenKind == 0 && CodeStarts(c.p1(), 'V');
}
bool PlainWordBefore(const RuleContext& c) {
  return c.word->sentencePos > 1 && c.P(1) && c.P(1)->tokenKind == 0;
}
// "verb it on": the finding on the verb covers all three words, so neither
// "it" nor "on" keeps a finding of its own.
void ClearItAndOn(RuleContext& c, WordRec&) {
  pass::ClearCodes(c.word);
  pass::ClearCodes(c.N(1));
}

bool NextIsEnd(const RuleContext& c) { return IsSentinel(c.N(1)); }

// "I" as written, one letter.
bool WrittenI(const RuleContext& c) { return c.word->written == "I"; }
bool IAfterNoun(const RuleContext& c) {
  return WrittenI(c) && Inside(c) && c.p1().wordClass < Cls::FirstNonNoun;
}
// "am" after "I" inside a sentence: "I" keeps no finding and "am" gets none.
bool AfterI(const RuleContext& c) { return c.word->sentencePos > 1 && c.p1().written.first() == 'I'; }
void ClearCodesOf(RuleContext&, WordRec& w) { pass::ClearCodes(&w); }

// clang-format off
constexpr RuleRow kItFirstRows[] = {
    /*0*/ {.p1Class = {Cls::Verb, Cls::Noun, Cls::VerbIng}, .when = Inside, .clear = true,
           .suggestion = "(Insert noun subject)", .code = Msg::MissingReference, .ruleId = 1274},
    /*1*/ {.n1 = "is", .n2 = "required|necessary|critical|important", .n3 = "to|that",
           .suggestion = "make sure that/you must/(Rephrase)", .covers = 4, .code = Msg::Awkward, .ruleId = 7174,
           .outcome = SkipCovered},
};

constexpr RuleRow kItNextRows[] = {
    /*0*/ {.n1 = "is", .outcome = PassNext},
    /*1*/ {.n1 = "have", .when = NotWrittenI, .suggestion = "has", .on = On::N1, .code = Msg::Agreement, .ruleId = 2274},
    /*2*/ {.n1 = "have", .suggestion = "has", .on = On::N1, .code = Msg::Agreement, .ruleId = 1274},
    /*3*/ {.n1 = "are", .suggestion = "is", .on = On::N1, .code = Msg::Agreement, .ruleId = 1274},
    /*4*/ {.n1Class = {Cls::Verb}, .suggestion = "(Insert noun object)", .tag = "<*->",
           .code = Msg::MissingReference, .ruleId = 1274, .outcome = PassNext},
    /*5*/ {.n1 = "also", .on = On::N1, .code = Msg::Delete, .ruleId = 1274, .outcome = PassNext},
    /*6*/ {.n1 = "should|might|would|could|will|may", .suggestion = "(Give verb subject.)", .tag = "<*->",
           .code = Msg::MissingReference, .ruleId = 1835},
    /*7*/ {.n1 = "(*", .suggestion = "(Give verb subject.)", .tag = "<*->",
           .code = Msg::MissingReference, .ruleId = 1835},
    /*8*/ {.n1 = "has|only|out|off|in|up|down", .suggestion = "(Use a noun subject.)", .tag = "<*->",
           .code = Msg::MissingReference, .ruleId = 1274, .outcome = NeutralNext},
    /*9*/ {.p1Class = {Cls::Comma}, .when = AfterEarlyComma, .tag = "<*->", .code = Msg::MissingReference, .ruleId = 2274},
    /*10*/ {.when = NoRoomForSubject, .suggestion = "(Insert a noun subj.)", .code = Msg::MissingReference, .ruleId = 1274},
};

constexpr RuleRow kItAfterScanRows[] = {
    // "it" + a form of "be" + an adjective of the table.
    /*0*/ {.n1Class = {Cls::Be}, .n2 = "critical|desirable|essential|possible", .suggestion = "(Rephrase)/... can",
           .covers = 3, .code = Msg::Awkward, .ruleId = 5174, .outcome = SkipCovered},
    /*1*/ {.n1Class = {Cls::Be}, .n2 = "important", .suggestion = "... can/always",
           .covers = 3, .code = Msg::Awkward, .ruleId = 5174, .outcome = SkipCovered},
    /*2*/ {.n1Class = {Cls::Be}, .n2 = "impossible", .suggestion = "not possible",
           .covers = 3, .code = Msg::Awkward, .ruleId = 5174, .outcome = SkipCovered},
    /*3*/ {.n1Class = {Cls::Be}, .n2 = "required|right", .suggestion = "... can",
           .covers = 3, .code = Msg::Awkward, .ruleId = 5174, .outcome = SkipCovered},
    /*4*/ {.n1Class = {Cls::Be}, .n2 = "advisable|wrong", .covers = 3, .code = Msg::Awkward, .ruleId = 5174,
           .outcome = SkipCovered},
    /*5*/ {.n1Class = {Cls::Be}},
    // The clause ends after "it".
    /*6*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::MissingReference, .ruleId = 7174},
    /*7*/ {.n1 = "@*", .code = Msg::MissingReference, .ruleId = 7174},
    /*8*/ {.when = MarkedR, .suggestion = "it is", .extraFlag = '0', .code = Msg::Apostrophe, .ruleId = 3274},
    /*9*/ {.n1 = "on", .when = PlainVerbBefore, .then = ClearItAndOn, .covers = 3, .on = On::P1,
           .code = Msg::Translation, .ruleId = 4275, .outcome = PassNext},
    /*10*/ {.p1 = "through", .when = PlainWordBefore, .covers = 2, .on = On::P1, .code = Msg::Translation,
            .ruleId = 2175, .outcome = Clear},
    /*11*/ {.p1 = "like", .when = PlainWordBefore, .covers = 2, .on = On::P1, .code = Msg::MissingReference,
            .ruleId = 2174, .outcome = Clear},
    /*12*/ {.n1Class = {Cls::Have}, .covers = 2, .code = Msg::Agreement, .ruleId = 3176, .outcome = SkipCovered},
    /*13*/ {.n1Class = {Cls::To}, .code = Msg::ChangeToNoun, .ruleId = 1732, .outcome = PassNext},
    /*14*/ {.n1Class = {Cls::Particle}, .covers = 2, .code = Msg::Translation, .ruleId = 1834, .outcome = SkipCovered},
};

constexpr RuleRow kTheyThemRows[] = {
    /*0*/ {.word = "they", .n1Class = {Cls::Have}},
    /*1*/ {.word = "them", .p1Class = {Cls::To}, .n1Class = {Cls::Have}, .when = Inside},
    /*2*/ {.word = "them", .n1Class = {Cls::Have}, .code = Msg::Agreement, .ruleId = 2839},
    /*3*/ {.n1 = "only", .on = On::N1, .code = Msg::Delete, .ruleId = 1274},
    /*4*/ {.word = "they", .n1 = "m*", .n1Class = {Cls::Modal}, .suggestion = "can", .on = On::N1,
           .code = Msg::WrongVerb, .ruleId = 1274, .outcome = PassNext},
    /*5*/ {.word = "they"},
    /*6*/ {.word = "them", .n1Class = {Cls::To}, .when = PosAbove2, .suggestion = "(Insert a Noun Object)",
           .code = Msg::MissingReference, .ruleId = 1839},
    /*7*/ {.word = "them", .n1Class = {Cls::SentenceEnd, Cls::With}, .code = Msg::MissingReference, .ruleId = 3270},
    /*8*/ {.word = "them", .when = NextIsEnd, .code = Msg::MissingReference, .ruleId = 3270},
    /*9*/ {.word = "them", .when = OpensSentence, .suggestion = "(Insert pl. noun subj.)",
           .code = Msg::MissingReference, .ruleId = 1274},
    /*10*/ {.word = "them", .n1Class = kNounClasses, .on = On::N1, .code = Msg::WrongVerb, .ruleId = 2274,
            .outcome = PassNext},
    /*11*/ {.word = "them", .p1Class = {Cls::Of, Cls::Preposition, Cls::To}, .covers = 2, .on = On::P1,
            .code = Msg::MissingReference, .ruleId = 6173},
    /*12*/ {.word = "them", .n1Class = {Cls::Adverb}, .suggestion = "(Insert a Noun subject)",
            .code = Msg::MissingReference, .ruleId = 3270},
    /*13*/ {.word = "them", .n1 = "on|up|down|off|(*|.*|!*|,*", .suggestion = "(Insert a Noun subject)",
            .code = Msg::MissingReference, .ruleId = 3270},
};

constexpr RuleRow kOtherWordsRows[] = {
    /*0*/ {.word = "i", .when = IAfterNoun},
    /*1*/ {.word = "i", .n1 = "am", .when = WrittenI, .suggestion = "(Do not use this pronoun)", .covers = 2,
           .code = Msg::Pronoun, .ruleId = 1835, .outcome = SkipCovered},
    /*2*/ {.word = "i", .when = WrittenI, .suggestion = "(Do not use this pronoun)", .code = Msg::Pronoun,
           .ruleId = 1835},
    // "we" has advice but no message: the advice would only show under some
    // other finding, so the word is left as it is.
    /*3*/ {.word = "we"},
    /*4*/ {.word = "our", .suggestion = "(Give company name.)", .code = Msg::Pronoun, .ruleId = 6888},
    /*5*/ {.word = "am", .when = AfterI, .then = ClearCodesOf, .on = On::P1},
    /*6*/ {.word = "am", .suggestion = "(Give company name.)", .code = Msg::Pronoun, .ruleId = 6778},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kItFirst = kItFirstRows;
constexpr RuleRow kItIsOpening = {.n1 = "is", .when = OpensSentence, .suggestion = "(Insert a noun subj.)",
                                  .covers = 2, .code = Msg::Awkward, .ruleId = 7174};
const std::span<const RuleRow> kItNext = kItNextRows;
const std::span<const RuleRow> kItAfterScan = kItAfterScanRows;
const std::span<const RuleRow> kTheyThem = kTheyThemRows;
const std::span<const RuleRow> kOtherWords = kOtherWordsRows;

}  // namespace pronoun
