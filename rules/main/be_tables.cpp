// The rules of "be" and "being": passive forms after them, wordy
// predicates that an approved verb replaces, and the safety phrases that
// need other words.
#include "rules/main/be_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace {

constexpr Classes kParticiple = {Cls::Participle, Cls::VerbEd};

void MakeVerbEd(RuleContext&, WordRec& t) { t.wordClass = Cls::VerbEd; }

bool NextNotInDictionary(const RuleContext& c) { return c.n1().message == Msg::NotInDictionary; }
bool ThirdIsAdjective(const RuleContext& c) { return CodeStarts(c.n3(), 'A'); }
bool PastThirdWord(const RuleContext& c) { return c.word->sentencePos > 2; }
// A switch position: "be on A" with room in the sentence after it.
bool SwitchPosition(const RuleContext& c) {
  return c.word->sentencePos > 2 && c.word->sentencePos < c.state.sentenceWordCount - 2 && c.n2().length == 1;
}
bool ArticleAfterPosition(const RuleContext& c) {
  return c.word->sentencePos > 2 && (c.n2().wordClass == Cls::Article || IsMarked(c.n2()));
}
// Inside the sentence after an ordinary word.
bool AfterPlainWord(const RuleContext& c) { return c.word->sentencePos > 2 && c.P(1) && c.p1().tokenKind == 0; }
bool NextIsUnmarked(const RuleContext& c) { return c.n1().markFlag == '0'; }
bool ColourTakesDelete(const RuleContext& c) {
  return c.n1().markFlag == '0' && c.word->subClass <= 299 && c.n1().suggestion.empty();
}
bool BetweenNouns(const RuleContext& c) {
  return c.word->sentencePos > 1 && c.P(1) && c.p1().wordClass < Cls::FirstNonNoun;
}

constexpr Words kAwareWords = "certain|absolutely certain|clear|advised|aware|toxic|also|sure";

// clang-format off
constexpr RuleRow kBeFirst[] = {
    /*0*/ {.p1Class = {Cls::Of, Cls::To}, .n1Class = {Cls::Participle, Cls::Adjective}, .covers = 3, .on = On::P1,
           .code = Msg::PassiveVoice, .ruleId = 5449, .outcome = Walk::PassNext},
    /*1*/ {.n1Class = {Cls::Adjective}, .when = NextNotInDictionary, .code = Msg::VerbTense, .ruleId = 3826},
    /*2*/ {.word = "be", .p1 = "please|may", .covers = 2, .on = On::P1, .code = Msg::VerbTense, .ruleId = 5624},
    /*3*/ {.word = "be", .n1 = "able", .n2 = "to", .suggestion = "make sure/you can/(Rephrase)", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 5624, .outcome = Walk::SkipCovered},
    /*4*/ {.word = "be", .n1 = "set|open|closed", .then = MakeVerbEd, .on = On::N1},
    /*5*/ {.word = "be", .n1Class = {Cls::Neutral}, .then = MakeVerbEd, .on = On::N1},
    /*6*/ {.word = "be", .n1 = "careful"},
    /*7*/ {.word = "be", .n1 = "done", .suggestion = "do the ...", .covers = 2, .code = Msg::PassiveVoice,
           .ruleId = 5624, .outcome = Walk::SkipCovered},
    /*8*/ {.word = "be", .n1 = "input|output", .suggestion = "flow/go/(Rephrase for clarity)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = 5824, .outcome = Walk::SkipCovered},
    /*9*/ {.word = "be", .n1 = kAwareWords, .n2Class = {Cls::To}, .suggestion = "make sure/(Rephrase for meaning)",
           .covers = 3, .code = Msg::Rephrase, .ruleId = 4635, .outcome = Walk::SkipCovered},
    /*10*/ {.word = "be", .n1 = "certain|absolutely certain|clear|advised|aware|also", .suggestion = "NOTE:/(Rephrase)", .covers = 2,
            .code = Msg::Rephrase, .ruleId = 4634, .outcome = Walk::SkipCovered},
    /*11*/ {.word = "be", .n1 = "toxic|sure", .suggestion = "make sure/be careful/know/(Rephrase for safety)",
            .covers = 2, .code = Msg::Rephrase, .ruleId = 4634, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kBeBeing[] = {
    /*0*/ {.n1Class = {Cls::Negation}, .n2 = "longer", .n3Class = kParticiple, .suggestion = "is not", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 3826, .outcome = Walk::SkipCovered},
    /*1*/ {.n1Class = {Cls::Negation}, .n2 = "longer", .when = ThirdIsAdjective, .suggestion = "is not", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 3826, .outcome = Walk::SkipCovered},
    /*2*/ {.n1Class = {Cls::Negation}, .n2 = "longer", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 5624,
           .outcome = Walk::SkipCovered},
    /*3*/ {.n1 = "inside", .suggestion = "on the inner side/inner/in", .on = On::N1, .code = Msg::WrongChoice,
           .ruleId = 5716, .outcome = Walk::PassNext},
    /*4*/ {.n1 = "outside", .suggestion = "on the outer side/on", .on = On::N1, .code = Msg::WrongChoice,
           .ruleId = 5716, .outcome = Walk::PassNext},
    /*5*/ {.n1 = "able|needed|allowed", .n2 = "to", .suggestion = "can", .covers = 3, .code = Msg::WrongVerb,
           .ruleId = 5716, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "also", .n2 = "used", .n3 = "to", .suggestion = "(Simplify the verb tense)/use ... to", .covers = 4,
           .code = Msg::VerbTense, .ruleId = 2816, .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "used", .n2 = "to", .suggestion = "(Simplify the verb tense)/use ... to", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 2816, .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "based", .n2 = "on", .suggestion = "has a base/from", .covers = 3, .code = Msg::WrongVerb,
           .ruleId = 5876, .outcome = Walk::SkipCovered},
    /*9*/ {.n1 = "equal", .n2 = "on|to|in|for", .suggestion = "has an equal value/(Rephrase to show values)",
           .covers = 3, .code = Msg::WrongMeaning, .ruleId = 6876, .outcome = Walk::SkipCovered},
    /*10*/ {.n1 = "short", .n2 = "for", .suggestion = "show/an indication for", .covers = 3, .code = Msg::WrongVerb,
            .ruleId = 6816, .outcome = Walk::SkipCovered},
    /*11*/ {.n1Class = {Cls::Negation}, .n2 = "used", .n3Class = {Cls::To}, .suggestion = "(Rephrase for clarity)",
            .covers = 4, .code = Msg::VerbTense, .ruleId = 3876, .outcome = Walk::SkipCovered},
    /*12*/ {.n1Class = {Cls::Negation}, .n2 = "being", .n3Class = kParticiple, .suggestion = "(does not ... do not)",
            .covers = 4, .code = Msg::VerbTense, .ruleId = 3876, .outcome = Walk::SkipCovered},
    /*13*/ {.n1 = "being", .n2Class = kParticiple, .suggestion = "(Use simple verb)", .covers = 3,
            .code = Msg::VerbTense, .ruleId = 3876, .outcome = Walk::SkipCovered},
    /*14*/ {.n1 = "not", .n2 = "normally", .covers = 3, .code = Msg::Rephrase, .ruleId = 2816,
            .outcome = Walk::SkipCovered},
    /*15*/ {.n1 = "used", .n2 = "by|for", .suggestion = "for", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 5826,
            .outcome = Walk::SkipCovered},
    /*16*/ {.n1 = "not", .n2 = "been", .covers = 4, .code = Msg::PassiveVoice, .ruleId = 5624,
            .outcome = Walk::SkipCovered},
    /*17*/ {.n2 = "been", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 5624, .outcome = Walk::SkipCovered},
    /*18*/ {.n1Class = {Cls::Been}, .covers = 2, .code = Msg::PassiveVoice, .ruleId = 7644,
            .outcome = Walk::SkipCovered},
};

constexpr RuleRow kBeOnly[] = {
    /*0*/ {.n1 = "prepared", .outcome = Walk::PassNext},
    /*1*/ {.n1 = "around", .suggestion = "approximately/(Rephrase)", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 4980, .outcome = Walk::SkipCovered},
    /*2*/ {.n1Class = {Cls::Verb, Cls::Colour}, .covers = 2, .code = Msg::VerbTense, .ruleId = 44,
           .outcome = Walk::SkipCovered},
    /*3*/ {.p2 = "remain", .p1 = "to", .when = PastThirdWord, .suggestion = "will be", .covers = 3, .on = On::P2,
           .code = Msg::Rephrase, .ruleId = 5734},
    /*4*/ {.n1Class = {Cls::Particle}, .n2Class = {Cls::To}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 4980,
           .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "able", .n2Class = {Cls::To}, .suggestion = "can", .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 4980, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "taken", .n2Class = {Cls::Of, Cls::As}, .suggestion = "is from/are from", .covers = 3,
           .code = Msg::PassiveVoice, .ruleId = 4981, .outcome = Walk::SkipCovered},
    /*7*/ {.p1 = "then|also|now", .covers = 2, .on = On::P1, .code = Msg::PassiveVoice, .ruleId = 5884},
    /*8*/ {.n1 = "able", .covers = 2, .code = Msg::WrongChoice, .ruleId = 1593, .outcome = Walk::SkipCovered},
    /*9*/ {.n1 = "subject", .n2Class = {Cls::To}, .suggestion = "(Legal)", .covers = 3, .code = Msg::WrongMeaning,
           .ruleId = 4980, .outcome = Walk::SkipCovered},
    /*10*/ {.n1 = "more|less", .covers = 2, .code = Msg::Awkward, .ruleId = 7883, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "off|on|up|down", .when = ArticleAfterPosition},
    /*12*/ {.n1 = "off|on|up|down", .when = SwitchPosition, .suggestion = "(Use name for switch position)",
            .verbForm = 'X', .covers = 2, .code = Msg::NameLabel, .ruleId = 588, .outcome = Walk::SkipCovered},
    /*13*/ {.n1 = "large|wide|deep|small", .when = PastThirdWord, .covers = 2, .code = Msg::Measurement,
            .ruleId = 5811, .outcome = Walk::SkipCovered},
    /*14*/ {.n1 = "made", .n2 = "available", .suggestion = "used/shown", .covers = 3, .code = Msg::WrongVerb,
            .ruleId = 4582, .outcome = Walk::SkipCovered},
    // Adjectives that an approved word replaces.
    /*15*/ {.n1 = "alert", .suggestion = "monitor for/look for", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*16*/ {.n1 = "better", .suggestion = "are better", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*17*/ {.n1 = "cautious", .suggestion = "be careful/(Rephrase)", .covers = 2, .code = Msg::Rephrase,
            .ruleId = 4635, .outcome = Walk::SkipCovered},
    /*18*/ {.n1 = "familiar", .suggestion = "(Delete Adv.)", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*19*/ {.n1 = "equipped", .suggestion = "has/installed", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*20*/ {.n1 = "noted", .suggestion = "recorded", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*21*/ {.n1 = "patient", .suggestion = "wait", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*22*/ {.n1 = "helpful", .suggestion = "make xxx easier", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*23*/ {.n1 = "useful", .suggestion = "help/help you to", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*24*/ {.n1 = "seen", .suggestion = "be visible", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635,
            .outcome = Walk::SkipCovered},
    /*25*/ {.n1 = "kept", .covers = 2, .code = Msg::Rephrase, .ruleId = 4635, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kBeingPassive[] = {
    /*0*/ {.p1Class = {Cls::Of}, .n1Class = {Cls::Participle, Cls::VerbEd, Cls::Adverb}, .covers = 3, .on = On::P1,
           .code = Msg::PassiveVoice, .ruleId = 7449, .outcome = Walk::PassNext},
    /*1*/ {.n1Class = {Cls::Participle, Cls::VerbEd, Cls::Adverb}, .covers = 2, .code = Msg::PassiveVoice,
           .ruleId = 6449, .outcome = Walk::SkipCovered},
};

// After "being able" and its kin, taken in the body between the two tables.
constexpr RuleRow kBeing[] = {
    /*0*/ {.n1 = "aware", .n2Class = {Cls::Of}, .suggestion = "know/see", .covers = 3, .code = Msg::WrongMeaning,
           .ruleId = 4980, .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "taken", .n2Class = {Cls::Of, Cls::As}, .suggestion = "is from/are from/(Rephrase)", .covers = 3,
           .code = Msg::PassiveVoice, .ruleId = 4981, .outcome = Walk::SkipCovered},
    /*2*/ {.n1 = "used", .n2 = "as", .when = AfterPlainWord, .suggestion = "use/(Rephrase)", .covers = 3,
           .code = Msg::Awkward, .ruleId = 5882, .outcome = Walk::SkipCovered},
    /*3*/ {.n1 = "worked|used", .when = AfterPlainWord, .suggestion = "during maintenance/during operation/used",
           .covers = 2, .code = Msg::Awkward, .ruleId = 5882, .outcome = Walk::SkipCovered},
    // The finding moves to the conjunction; "being" keeps none.
    /*4*/ {.p1 = "while|before|after|when|of", .when = AfterPlainWord, .covers = 2, .on = On::P1,
           .code = Msg::VerbTense, .ruleId = 2688, .outcome = Walk::Clear},
    /*5*/ {.n1 = "present", .suggestion = "there is/there are", .covers = 2, .code = Msg::VerbTense, .ruleId = 2688,
           .outcome = Walk::SkipCovered},
    /*6*/ {.n1Class = {Cls::Colour}, .when = ColourTakesDelete, .code = Msg::Delete, .ruleId = 5882},
    /*7*/ {.n1Class = {Cls::Colour}, .when = NextIsUnmarked},
    /*8*/ {.n1Class = kNounClasses, .when = BetweenNouns, .code = Msg::Awkward, .ruleId = 5881},
    /*9*/ {.n1Class = {Cls::Demonstrative}, .code = Msg::Delete, .ruleId = 5881},
    /*10*/ {.n1 = "also|only", .on = On::N1, .code = Msg::Delete, .ruleId = 5882, .outcome = Walk::PassNext},
    /*11*/ {.code = Msg::VerbTense, .ruleId = 5624},
};
// clang-format on

}  // namespace

std::span<const RuleRow> BeFirstRows() { return kBeFirst; }
std::span<const RuleRow> BeBeingRows() { return kBeBeing; }
std::span<const RuleRow> BeOnlyRows() { return kBeOnly; }
std::span<const RuleRow> BeingPassiveRows() { return kBeingPassive; }
std::span<const RuleRow> BeingRows() { return kBeing; }
