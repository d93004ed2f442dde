// The rules of "am", "is", "are", "was" and "were" before and after the
// passive measure: agreement, passive forms, gerunds after the form, and
// wordy phrases.
#include "rules/main/is_tables.h"

#include "engine/agreement.h"
#include "engine/class_numbers.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"

bool IsPluralForm(const WordRec& w) { return FirstIs(w, 'a') || w.text[1] == 'e'; }

namespace {

constexpr Classes kParticiple = {Cls::Participle, Cls::VerbEd};

bool Disagrees(const RuleContext& c) {
  return c.word->sentencePos > 1 &&
         CheckAgreement(c.word, c.head,
                        {.subjectNumber = c.state.subjectNumber, .skipAgreement = c.state.skipAgreement}) == 1;
}
void ForgetSubject(RuleContext& c, WordRec&) {
  c.state.subjectNumber = 0;
  c.state.subjectSeen = -1;
}
bool SingularForm(const RuleContext& c) { return !IsPluralForm(*c.word); }

// The words before the form that end its rules.
constexpr Words kPrevEnds = "data|shown|information|aircraft|also|very";
constexpr Words kPrevAdverbs = "usually|following|already|also";

// An ordinary word before the form, inside the sentence, none of the adverbs.
bool PlainPrev(const RuleContext& c) {
  return c.word->sentencePos > 1 && c.P(1) && c.p1().tokenKind == 0 && !kPrevAdverbs.Has(c.p1());
}
bool AdverbPrev(const RuleContext& c) { return c.word->sentencePos > 1 && c.P(1) && c.p1().tokenKind == 0; }
bool RoomAfterThree(const RuleContext& c) { return c.word->sentencePos < c.state.sentenceWordCount - 3; }
bool PlainPrevRoom(const RuleContext& c) { return PlainPrev(c) && RoomAfterThree(c); }
bool ThreeMoreWords(const RuleContext& c) { return c.word->sentencePos + 3 < c.state.sentenceWordCount; }
bool SecondHasFinding(const RuleContext& c) { return ThreeMoreWords(c) && c.n2().subClass > 299; }
bool NotBeforeVerb(const RuleContext& c) {
  return ThreeMoreWords(c) && RoomAfterThree(c) && c.word->subClass == 0;
}
bool NextIsMarked(const RuleContext& c) { return IsMarked(c.n1()); }
void ClearNextCodes(RuleContext& c, WordRec&) { pass::ClearCodes(c.N(1)); }

// clang-format off
constexpr RuleRow kBeforePassive[] = {
    /*0*/ {.n1Class = {Cls::Adverb}, .n2Class = {Cls::VerbIng}, .covers = 3, .code = Msg::VerbTense, .ruleId = 5624,
           .outcome = Walk::SkipCovered},
    /*1*/ {.when = Disagrees, .code = Msg::Agreement, .ruleId = 1569},
    /*2*/ {.n1Class = {Cls::Of}, .n2Class = {Cls::Article}, .covers = 3, .code = Msg::Translation, .ruleId = 4612,
           .outcome = Walk::SkipCovered},
    /*3*/ {.n1Class = {Cls::Negation}, .n2 = "having", .suggestion = "does not have", .then = ForgetSubject,
           .covers = 3, .code = Msg::VerbTense, .ruleId = 4333, .outcome = Walk::SkipCovered},
    /*4*/ {.n1Class = {Cls::Been}, .n2Class = kParticiple, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 6849,
           .outcome = Walk::SkipCovered},
    /*5*/ {.n1Class = kParticiple, .n2 = "by", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 3826,
           .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "to", .n2 = "be", .suggestion = "must be", .covers = 3, .code = Msg::VerbTense, .ruleId = 7644,
           .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "having", .suggestion = "has/have", .then = ForgetSubject, .covers = 2, .code = Msg::VerbTense,
           .ruleId = 5333, .outcome = Walk::SkipCovered},
    /*8*/ {.n1Class = {Cls::Negation}, .n2 = "being", .n3Class = kParticiple, .covers = 4, .code = Msg::PassiveVoice,
           .ruleId = 5816, .outcome = Walk::SkipCovered},
    // An -ing word after the form: a gerund, or the running machine.
    /*9*/ {.n1 = "running|operating", .n1Class = {Cls::VerbIng}, .suggestion = "operates/operate/in operation",
           .covers = 2, .code = Msg::VerbTense, .ruleId = 4562, .outcome = Walk::SkipCovered},
    /*10*/ {.n1Class = {Cls::VerbIng}, .suggestion = "(Change to infin.)", .covers = 2, .code = Msg::Gerund,
            .ruleId = 4562, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "designed", .n2 = "to|for", .suggestion = "are for/is for", .covers = 3, .code = Msg::WrongVerb,
            .ruleId = 5644, .outcome = Walk::SkipCovered},
    /*12*/ {.n1 = "included", .n2 = "in", .on = On::N1, .code = Msg::Delete, .ruleId = 6644,
            .outcome = Walk::PassNext},
    // Participles that an adjective or a verb replaces.
    /*13*/ {.n1 = "angled", .suggestion = "(Give angle degrees)", .covers = 2, .code = Msg::WrongVerb, .ruleId = 7813,
            .outcome = Walk::SkipCovered},
    /*14*/ {.n1 = "blown", .suggestion = "has damage", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 7813, .outcome = Walk::SkipCovered},
    /*15*/ {.n1 = "emptied", .when = SingularForm, .suggestion = "is empty", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 7813, .outcome = Walk::SkipCovered},
    /*16*/ {.n1 = "emptied", .suggestion = "are empty", .covers = 2, .code = Msg::WrongVerb, .ruleId = 7813,
            .outcome = Walk::SkipCovered},
    /*17*/ {.n1 = "present", .suggestion = "there is xxx/there are xxx", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 7813, .outcome = Walk::SkipCovered},
    /*18*/ {.n1 = "related", .suggestion = "for/(Rephrase)", .covers = 2, .code = Msg::WrongVerb, .ruleId = 7813,
            .outcome = Walk::SkipCovered},
    /*19*/ {.n1 = "square", .suggestion = "aligned/(Give angle degrees)", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 7813, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kAfterPassive[] = {
    // Guards: the word ends here.
    /*0*/ {.p1 = kPrevEnds},
    /*1*/ {.when = NextIsMarked},
    /*2*/ {.n1Class = {Cls::Article, Cls::Demonstrative, Cls::Participle, Cls::VerbEd}},
    // A size without a value: the advice and the finding go on the size word.
    /*3*/ {.n1 = "large|low|bad|small", .suggestion = "(Give range or Ref.)", .on = On::N1, .code = Msg::Measurement,
           .ruleId = 61270, .outcome = Walk::PassNext},
    /*4*/ {.n1 = "usually|why|already|also|easily", .covers = 2, .code = Msg::Awkward, .ruleId = 5816,
           .outcome = Walk::SkipCovered},
    /*5*/ {.p1 = kPrevAdverbs, .when = AdverbPrev, .covers = 2, .on = On::P1, .code = Msg::MissingReference,
           .ruleId = 3816},
    // "not is to": the finding moves to "not"; the form and "to" keep none.
    /*6*/ {.p1Class = {Cls::Negation}, .n1Class = {Cls::To}, .when = PlainPrev, .clear = true,
           .then = ClearNextCodes, .covers = 3, .on = On::P1, .code = Msg::Translation, .ruleId = 5812,
           .outcome = Walk::PassNext},
    /*7*/ {.p1Class = {Cls::Negation}, .n1Class = {Cls::Negation}, .n2Class = {Cls::To}, .when = PlainPrev,
           .clear = true, .then = ClearNextCodes, .covers = 3, .on = On::P1, .code = Msg::Translation,
           .ruleId = 5812, .outcome = Walk::PassNext},
    /*8*/ {.n1Class = {Cls::To}, .n2 = "do*", .n2Class = {Cls::Verb}, .when = PlainPrevRoom, .suggestion = "do",
           .covers = 3, .code = Msg::Translation, .ruleId = 5821, .outcome = Walk::SkipCovered},
    /*9*/ {.p1Class = {Cls::Be, Cls::Have}, .n1Class = {Cls::To}, .n2 = "be", .when = PlainPrev,
           .suggestion = "will be", .covers = 2, .on = On::P1, .code = Msg::VerbTense, .ruleId = 6911,
           .outcome = Walk::PassNext},
    /*10*/ {.n1Class = {Cls::To}, .n2 = "be", .when = PlainPrev},
    /*11*/ {.n1Class = {Cls::Adverb}, .n2Class = kParticiple, .n3Class = {Cls::ForBy}, .when = SecondHasFinding,
            .covers = 2, .code = Msg::PassiveVoice, .ruleId = 7886, .outcome = Walk::SkipCovered},
    /*12*/ {.n1Class = {Cls::Adverb}, .n2Class = kParticiple, .n3Class = {Cls::ForBy}, .when = ThreeMoreWords,
            .covers = 3, .code = Msg::PassiveVoice, .ruleId = 7887, .outcome = Walk::SkipCovered},
    /*13*/ {.n1Class = {Cls::To}, .n2Class = {Cls::Negation}, .n3Class = {Cls::Verb}, .when = NotBeforeVerb,
            .suggestion = "do not", .covers = 3, .code = Msg::VerbTense, .ruleId = 4742, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> IsBeforePassiveRows() { return kBeforePassive; }
std::span<const RuleRow> IsAfterPassiveRows() { return kAfterPassive; }
