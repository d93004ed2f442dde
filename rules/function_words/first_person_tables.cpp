// The rule tables of the first- and second-person pronouns (class 78), in
// the order they are tried.
#include "rules/function_words/first_person_tables.h"

#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

namespace first_person {
namespace {

using enum Walk;

bool OpensSentence(const RuleContext& c) { return c.First(); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }

// "I" before ',' or ']' is a numeral or a label, not the pronoun.
bool NextClosesBracket(const RuleContext& c) { return c.n1().written.first() == ']'; }
// The rows of "I" below the agreement row were written for a next word
// beginning with ',' or ']', which the first two rows take: they never hold.
bool AfterCommaOrBracket(const RuleContext& c) { return FirstIs(c.n1(), ',') || NextClosesBracket(c); }
void RomanNumeral(RuleContext&, WordRec& w) { w.wordClass = Cls::Neutral; }

void PluralNoun(RuleContext&, WordRec& w) { w.wordClass = Cls::NounPlural; }

// A verb of the text itself (not a split-off token) before "us".
bool PlainVerbBefore(const RuleContext& c) { return !c.First() && c.p1().tokenKind == 0; }

// "his excellency", "her royal ...": a title; both words are a name.
void Title(RuleContext& c, WordRec& w) {
  for (WordRec* t : {&w, c.N(1)}) {
    if (!t) continue;
    t->wordClass = Cls::ProperName;
    t->subClass = t->message = 0;
  }
}
bool WrittenHisCaps(const RuleContext& c) { return c.word->written == "HIS"; }
bool HisCapsBeforeNonNoun(const RuleContext& c) {
  return WrittenHisCaps(c) && c.n1().wordClass >= Cls::FirstNonNoun;
}
// Room for the three words before the sentence ends.
bool RoomForThree(const RuleContext& c) {
  return c.word->sentencePos < c.state.sentenceWordCount - 3;
}

// "You" opening a sentence before a verb, a modal or "have" is the subject
// of an instruction the writer meant.
bool OpensBeforeVerb(const RuleContext& c) {
  const WordRec& n = c.n1();
  return c.First() && (ClassIsOneOf(n, {Cls::Have, Cls::Modal}) ||
                       (n.wordClass >= Cls::FirstNonNoun && !CodeStarts(n, 'A')));
}
bool NextPlainToken(const RuleContext& c) { return c.n1().tokenKind == 0; }
bool PrevNotVerb(const RuleContext& c) { return c.p1().wordClass != Cls::Verb; }
bool SplitOne(const RuleContext& c) { return c.word->splitKind == '1'; }
bool Unsplit(const RuleContext& c) { return c.word->splitKind == '0'; }
bool PrevPlainToken(const RuleContext& c) { return c.P(1) && c.P(1)->tokenKind == 0; }

// clang-format off
constexpr RuleRow kIRows[] = {
    /*0*/ {.n1 = ",*"},
    /*1*/ {.when = NextClosesBracket},
    /*2*/ {.n1 = "is|are", .suggestion = "am", .on = On::N1, .code = Msg::Agreement, .ruleId = 4118, .outcome = PassNext},
    // Behind the test of the first two rows: never reached.
    /*3*/ {.p1 = "level|class|series|cat*", .when = AfterCommaOrBracket, .clear = true, .then = RomanNumeral},
    /*4*/ {.n1 = "don?t", .when = AfterCommaOrBracket, .suggestion = "I do not", .code = Msg::WrongVerb, .ruleId = 4118},
    /*5*/ {.n1 = "can?t", .when = AfterCommaOrBracket, .suggestion = "I can not", .code = Msg::WrongVerb, .ruleId = 4118},
    /*6*/ {.n1 = "wasn?t", .when = AfterCommaOrBracket, .suggestion = "I was not", .code = Msg::WrongVerb, .ruleId = 4118},
    /*7*/ {.p1Class = {Cls::Number}, .n1 = "am", .when = AfterCommaOrBracket, .suggestion = "a.m.",
           .code = Msg::Abbreviation, .ruleId = 1788},
    /*8*/ {.n1 = "am", .n2 = "unable", .n3 = "to", .when = AfterCommaOrBracket, .suggestion = " I can not", .covers = 4,
           .code = Msg::WrongChoice, .ruleId = 4118, .outcome = SkipCovered},
    /*9*/ {.n1 = "am", .n2 = "able", .n3 = "to", .when = AfterCommaOrBracket, .suggestion = " I can", .covers = 4,
           .code = Msg::WrongChoice, .ruleId = 4118, .outcome = SkipCovered},
    /*10*/ {.n1 = "am", .when = AfterCommaOrBracket, .covers = 3, .code = Msg::VerbTense, .ruleId = 4118,
            .outcome = SkipCovered},
};

constexpr RuleRow kWeRows[] = {
    /*0*/ {.suggestion = "manufacturer/(Company name or agency)", .then = PluralNoun, .code = Msg::Pronoun, .ruleId = 23519},
};

constexpr RuleRow kUsRows[] = {
    // "US law": advice without a message would only show under some other
    // finding, so the word is left as it is.
    /*0*/ {.n1 = "law"},
    /*1*/ {.p1 = "call", .p1Class = {Cls::Verb}, .when = PlainVerbBefore, .suggestion = "contact/call (name)",
           .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2117, .outcome = Clear},
    /*2*/ {.p1Class = {Cls::Verb}, .when = PlainVerbBefore, .covers = 2, .on = On::P1, .code = Msg::WrongVerb,
           .ruleId = 2117, .outcome = Clear},
    /*3*/ {.suggestion = "manufacturer/(Company name)", .code = Msg::Pronoun, .ruleId = 23519},
};

constexpr RuleRow kHisHerRows[] = {
    /*0*/ {.n1 = "excellency|royal", .then = Title},
    /*1*/ {.when = HisCapsBeforeNonNoun},
    /*2*/ {.when = WrittenHisCaps, .code = Msg::Pronoun, .ruleId = 5181},
    /*3*/ {.n1 = "way", .covers = 2, .code = Msg::Translation, .ruleId = 5181, .outcome = SkipCovered},
    // "his and her ...": the and/or word would have to be a noun, so this
    // row never holds.
    /*4*/ {.n1 = "and|or", .n1Class = kNounClasses, .n2Class = {Cls::FirstPerson}, .when = RoomForThree, .covers = 3,
           .code = Msg::Style, .ruleId = 2281, .outcome = SkipCovered},
    /*5*/ {.code = Msg::Pronoun, .ruleId = 3519},
};

constexpr RuleRow kYouRows[] = {
    /*0*/ {.when = OpensBeforeVerb},
    /*1*/ {.when = OpensSentence, .on = On::N1, .code = Msg::Awkward, .ruleId = 4118, .outcome = PassNext},
    /*2*/ {.n1 = "wish|hope|like|be|need|plan|desire", .n2Class = {Cls::To}, .when = NextPlainToken, .covers = 3,
           .code = Msg::Delete, .ruleId = 3217, .outcome = SkipCovered},
    /*3*/ {.n1Class = {Cls::Modal, Cls::Article, Cls::Demonstrative}},
    /*4*/ {.n1 = "do*"},
    /*5*/ {.when = NextMarked},
    /*6*/ {.n1 = "is", .suggestion = "are", .on = On::N1, .code = Msg::Agreement, .ruleId = 4118, .outcome = PassNext},
    /*7*/ {.n1 = "was", .suggestion = "were", .on = On::N1, .code = Msg::Agreement, .ruleId = 4118, .outcome = PassNext},
    /*8*/ {.n1 = "also", .on = On::N1, .code = Msg::Delete, .ruleId = 2117, .outcome = PassNext},
    /*9*/ {.n1 = "work", .suggestion = "you do work", .on = On::N1, .code = Msg::WrongVerb, .ruleId = 2117,
           .outcome = PassNext},
    /*10*/ {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .when = PrevNotVerb, .code = Msg::Awkward, .ruleId = 4118},
    /*11*/ {.when = SplitOne, .code = Msg::Rephrase, .ruleId = 4118},
    // The word before "you" gets the finding.
    /*12*/ {.p1 = "lead*", .suggestion = "show you", .covers = 2, .on = On::P1, .code = Msg::Translation,
            .ruleId = 2117, .outcome = Clear},
    /*13*/ {.p1 = "facing|face*", .suggestion = "toward you", .covers = 2, .on = On::P1, .code = Msg::Translation,
            .ruleId = 2117, .outcome = Clear},
    /*14*/ {.p1 = "closest|nearest", .suggestion = "(Give Reference)", .covers = 2, .on = On::P1,
            .code = Msg::Translation, .ruleId = 2117, .outcome = Clear},
    /*15*/ {.p1 = "let*", .n1 = "know", .suggestion = "shows you/show you", .covers = 3, .on = On::P1,
            .code = Msg::Translation, .ruleId = 5117, .outcome = PassTwo},
    // "allow you to" as "enable you to": "let" alone would leave the "to" ("let you to publish").
    /*16*/ {.p1 = "enable*|allow*", .n1Class = {Cls::To}, .suggestion = "let you/lets you", .covers = 3, .on = On::P1,
            .code = Msg::Translation, .ruleId = 5117, .outcome = PassNext},
    /*17*/ {.n1Class = {Cls::Comma, Cls::ShortForm}, .code = Msg::Awkward, .ruleId = 5118},
    /*18*/ {.p1Class = {Cls::Relative}, .n1Class = {Cls::Modal}, .n2Class = {Cls::Negation}, .when = Unsplit,
            .suggestion = "do not xxxx", .covers = 2, .on = On::P1, .code = Msg::VerbTense, .ruleId = 2719,
            .outcome = Clear},
    /*19*/ {.p1 = "without", .when = PrevPlainToken, .covers = 2, .on = On::P1, .code = Msg::Translation,
            .ruleId = 2719, .outcome = Clear},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kI = kIRows;
const std::span<const RuleRow> kWe = kWeRows;
const std::span<const RuleRow> kUs = kUsRows;
const std::span<const RuleRow> kHisHer = kHisHerRows;
const std::span<const RuleRow> kYou = kYouRows;

}  // namespace first_person
