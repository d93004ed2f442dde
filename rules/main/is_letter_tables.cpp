// The phrases after "am", "is", "are", "was" and "were", chosen by the
// first letter of the next word.
#include <string>

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/is_tables.h"

namespace {

constexpr Classes kParticiple = {Cls::Participle, Cls::VerbEd};

bool PluralForm(const RuleContext& c) { return IsPluralForm(*c.word); }
bool SecondIsPlain(const RuleContext& c) { return c.n2().subClass == 0; }
bool FourthIsParticiple(const RuleContext& c) { return kParticiple.Has(NextOr(c.word, 4).wordClass); }
bool PluralFourthIsParticiple(const RuleContext& c) { return PluralForm(c) && FourthIsParticiple(c); }
bool NotTheWordNot(const RuleContext& c) { return !TextIs(c.n1(), "not"); }
bool ThreeMoreWords(const RuleContext& c) { return c.word->sentencePos + 3 < c.state.sentenceWordCount; }
bool PlainForm(const RuleContext& c) { return c.word->subClass == 0; }

void MakeVerb(RuleContext& c, WordRec&) { c.word->wordClass = Cls::Verb; }
void MakeParticiple(RuleContext&, WordRec& t) { t.wordClass = Cls::Participle; }
// Texts built from the form as written.
void WriteFormNot(RuleContext& c, WordRec& t) { FormatSuggestion(&t, "%s not", c.word->written.str().c_str()); }
void WriteFormNotFound(RuleContext& c, WordRec& t) {
  FormatSuggestion(&t, "%s not found", c.word->written.str().c_str());
}
void WriteFormKnown(RuleContext& c, WordRec& t) { FormatSuggestion(&t, "%s known", c.word->written.str().c_str()); }
void WriteFormAtRear(RuleContext& c, WordRec& t) {
  char text[kShortTextSize];
  FormatShortText(text, "%s at the rear", c.word->written.str().c_str());
  WriteSuggestion(&t, text);
}
void WriteFormWritten(RuleContext& c, WordRec& t) { WriteSuggestion(&t, c.word->written.str()); }
// "is to not check": the verb's own text after "do not".
void WriteDoNotVerb(RuleContext& c, WordRec& t) { WriteSuggestion(&t, "do not " + c.n3().text.str()); }

// clang-format off
constexpr RuleRow kA[] = {
    {.n1 = "at", .n2 = "fault", .suggestion = "has/have", .covers = 3, .code = Msg::WrongVerb,
     .ruleId = 4213, .outcome = Walk::SkipCovered},
    {.n1 = "approaching|apparent", .covers = 2, .code = Msg::Awkward, .ruleId = 7582, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kB[] = {
    {.n1 = "being", .n2Class = kParticiple, .when = SecondIsPlain, .covers = 3, .code = Msg::PassiveVoice,
     .ruleId = 8884, .outcome = Walk::SkipCovered},
    {.n1 = "by", .n2 = "no", .n3 = "means", .then = WriteFormNot, .covers = 3, .code = Msg::Awkward, .ruleId = 6583,
     .outcome = Walk::SkipCovered},
    {.n1 = "by", .n2 = "default", .covers = 3, .code = Msg::WrongVerb, .ruleId = 4516, .outcome = Walk::SkipCovered},
    {.n1 = "back", .n2 = "of", .then = WriteFormAtRear, .covers = 2, .code = Msg::Awkward, .ruleId = 6884,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kC[] = {
    {.n1 = "compatible", .n2 = "with", .suggestion = "can use with", .covers = 3,
     .code = Msg::WrongVerb, .ruleId = 4816, .outcome = Walk::SkipCovered},
    {.n1 = "considered", .n2 = "as", .suggestion = "has/are/is", .covers = 3, .code = Msg::Translation,
     .ruleId = 4216, .outcome = Walk::SkipCovered},
    {.n1 = "current", .suggestion = "(Give date ref.)", .covers = 2, .code = Msg::VerbTense, .ruleId = 7481,
     .outcome = Walk::SkipCovered},
    {.n1 = "composed", .n2 = "of", .suggestion = "has/have", .covers = 3, .code = Msg::VerbTense, .ruleId = 7581,
     .outcome = Walk::SkipCovered},
    {.n1 = "capable", .n2 = "of", .suggestion = "can", .covers = 3, .code = Msg::VerbTense, .ruleId = 7581,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kDM[] = {
    {.n1 = "designed", .n2 = "be|with", .suggestion = "with", .covers = 3, .code = Msg::Translation, .ruleId = 4116,
     .outcome = Walk::SkipCovered},
    {.n1 = "directed|meant", .n2 = "to", .suggestion = "that can", .covers = 3, .code = Msg::WrongVerb,
     .ruleId = 2216, .outcome = Walk::SkipCovered},
    {.n1 = "due", .n2Class = {Cls::To}, .suggestion = "because/(... causes)", .covers = 3,
     .code = Msg::PassiveVoice, .ruleId = 4116, .outcome = Walk::SkipCovered},
    {.n1 = "done", .n2Class = {Cls::ForBy}, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 8949,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kE[] = {
    {.n1 = "equipped", .n2 = "with", .suggestion = "has/have", .then = MakeVerb, .covers = 3, .code = Msg::VerbTense,
     .ruleId = 6583, .outcome = Walk::SkipCovered},
    {.n1 = "expected", .n2 = "to", .suggestion = "can/will", .covers = 3, .code = Msg::VerbTense, .ruleId = 6584,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kF[] = {
    {.n1 = "formed", .n2 = "of", .suggestion = "has/make/makes", .covers = 3, .code = Msg::WrongVerb, .ruleId = 4316,
     .outcome = Walk::SkipCovered},
    {.n1 = "fitted", .n2 = "with", .suggestion = "has/have", .covers = 3, .code = Msg::VerbTense, .ruleId = 6584,
     .outcome = Walk::SkipCovered},
    {.n1 = "formed", .n2 = "by", .covers = 3, .code = Msg::WrongVerb, .ruleId = 6682, .outcome = Walk::SkipCovered},
    {.n1 = "familiar", .n2Class = {Cls::With, Cls::To}, .then = WriteFormKnown, .covers = 3, .code = Msg::WrongVerb,
     .ruleId = 7984, .outcome = Walk::SkipCovered},
    {.n1 = "free", .n2Class = {Cls::With, Cls::To}, .suggestion = "can/(Rephrase)", .covers = 3,
     .code = Msg::WrongVerb, .ruleId = 7984, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kG[] = {
    {.n1 = "going", .n2 = "to", .suggestion = "will/(Rephrase)", .covers = 3, .code = Msg::WrongVerb, .ruleId = 4316,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kI[] = {
    {.n1 = "itself", .covers = 2, .code = Msg::Pronoun, .ruleId = 4216, .outcome = Walk::SkipCovered},
    {.n1 = "in", .n2 = "receipt", .n3Class = {Cls::Of}, .suggestion = "have/(Rephrase)", .covers = 4,
     .code = Msg::Translation, .ruleId = 4116, .outcome = Walk::SkipCovered},
    {.n1 = "in", .n2 = "contact", .n3 = "with", .when = PluralForm, .suggestion = "touch", .covers = 4,
     .code = Msg::WrongVerb, .ruleId = 7582, .outcome = Walk::SkipCovered},
    {.n1 = "in", .n2 = "contact", .n3 = "with", .suggestion = "touches", .covers = 4, .code = Msg::WrongVerb,
     .ruleId = 7582, .outcome = Walk::SkipCovered},
    {.n1 = "intended", .n2 = "to", .suggestion = "can/will", .covers = 3, .code = Msg::Translation, .ruleId = 4116,
     .outcome = Walk::SkipCovered},
};

constexpr RuleRow kN[] = {
    /*0*/ {.n1Class = {Cls::Negation}, .n2 = "designed", .n3 = "to", .suggestion = "can not/will not", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "not", .n2 = "being", .n3Class = kParticiple, .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 7885, .outcome = Walk::SkipCovered},
    /*2*/ {.n1Class = {Cls::Negation}, .n2 = "to", .n3 = "be", .suggestion = "must not/do not/(Rephrase)",
           .covers = 3, .code = Msg::VerbTense, .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*3*/ {.n1Class = {Cls::Negation}, .n2Class = kParticiple, .n3 = "by", .covers = 4, .code = Msg::PassiveVoice,
           .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "no", .n2 = "longer", .when = PluralForm, .suggestion = "are not more than/(Give Measure)",
           .covers = 3, .code = Msg::Awkward, .ruleId = 6111, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "no", .n2 = "longer", .suggestion = "is not more than/(Give Measure)", .covers = 3,
           .code = Msg::Awkward, .ruleId = 6111, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "not", .n2 = "to", .n3 = "be", .when = PluralFourthIsParticiple, .suggestion = "are not/must not",
           .covers = 4, .code = Msg::PassiveVoice, .ruleId = 8884, .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "not", .n2 = "to", .n3 = "be", .when = FourthIsParticiple, .suggestion = "is not/must not",
           .covers = 4, .code = Msg::PassiveVoice, .ruleId = 8884, .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "not|never", .n2Class = kParticiple, .n3 = "by", .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 7116, .outcome = Walk::SkipCovered},
    /*9*/ {.n1 = "not", .n2 = "used", .n3 = "on|in", .covers = 4, .code = Msg::PassiveVoice, .ruleId = 7284,
           .outcome = Walk::SkipCovered},
    /*10*/ {.n1 = "not", .n2 = "meant", .n3Class = {Cls::To}, .suggestion = "can not/will not", .covers = 3,
            .code = Msg::WrongChoice, .ruleId = 6884, .outcome = Walk::SkipCovered},
    /*11*/ {.n1 = "not", .n2 = "present", .then = WriteFormNotFound, .covers = 3, .code = Msg::WrongChoice,
            .ruleId = 6884, .outcome = Walk::SkipCovered},
    // A size without a value: the finding goes on the size word.
    /*12*/ {.n1 = "not", .n2 = "high|low|large|bad|small", .on = On::N2, .code = Msg::Measurement, .ruleId = 6170,
            .outcome = Walk::PassTwo},
    /*13*/ {.n1 = "not", .n2 = "being", .covers = 3, .code = Msg::VerbTense, .ruleId = 5116,
            .outcome = Walk::SkipCovered},
    /*14*/ {.n1Class = {Cls::Negation}, .n2 = "present|unable|taken|when|called", .when = NotTheWordNot, .covers = 3,
            .code = Msg::Rephrase, .ruleId = 4541, .outcome = Walk::SkipCovered},
    /*15*/ {.n1 = "not", .outcome = Walk::PassNext},
};

constexpr RuleRow kP[] = {
    {.n1 = "powered", .n2 = "by", .when = ThreeMoreWords, .suggestion = "has electrical power", .covers = 3,
     .code = Msg::WrongVerb, .ruleId = 7588, .outcome = Walk::SkipCovered},
    {.n1 = "powered", .n2 = "down|off", .when = ThreeMoreWords, .suggestion = "electrical power is removed",
     .covers = 3, .code = Msg::WrongVerb, .ruleId = 7588, .outcome = Walk::SkipCovered},
    {.n1 = "powered", .n2 = "on|up", .when = ThreeMoreWords, .suggestion = "electrical power is applied", .covers = 3,
     .code = Msg::WrongVerb, .ruleId = 7588, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kS[] = {
    {.n1 = "so", .n2 = "used", .suggestion = "(Rephrase)", .covers = 3, .code = Msg::PassiveVoice, .ruleId = 4116,
     .outcome = Walk::SkipCovered},
    {.n1 = "said", .n2 = "to", .then = MakeVerb, .covers = 3, .code = Msg::Translation, .ruleId = 7581,
     .outcome = Walk::SkipCovered},
    {.n1 = "set", .then = MakeParticiple, .on = On::N1},
    {.n1 = "so", .then = WriteFormWritten, .covers = 2, .code = Msg::Awkward, .ruleId = 6111,
     .outcome = Walk::SkipCovered},
    {.n1 = "such", .n2 = "that", .covers = 3, .code = Msg::Awkward, .ruleId = 6884, .outcome = Walk::SkipCovered},
    {.n1 = "such that", .covers = 2, .code = Msg::Awkward, .ruleId = 6884, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kT[] = {
    {.n1Class = {Cls::To}, .n2Class = {Cls::Negation}, .n3Class = {Cls::Verb}, .when = PlainForm,
     .then = WriteDoNotVerb, .covers = 3, .code = Msg::VerbTense, .ruleId = 4342, .outcome = Walk::SkipCovered},
    {.n1 = "themselves", .covers = 2, .code = Msg::Pronoun, .ruleId = 4216, .outcome = Walk::SkipCovered},
};

constexpr RuleRow kUW[] = {
    /*0*/ {.n1 = "used", .n2 = "to", .n3Class = {Cls::Verb}, .covers = 3, .code = Msg::VerbTense, .ruleId = 4116,
           .outcome = Walk::SkipCovered},
    /*1*/ {.n1 = "used", .n2 = "to", .suggestion = "use/(Rephrase)", .covers = 3, .outcome = Walk::SkipCovered},
    /*2*/ {.n1 = "used", .n2 = "in", .suggestion = "is in/are in", .covers = 3, .code = Msg::Awkward, .ruleId = 6111,
           .outcome = Walk::SkipCovered},
    /*3*/ {.n1 = "used", .n2 = "for", .suggestion = "is for/are for", .covers = 3, .code = Msg::Awkward,
           .ruleId = 6111, .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "while|whenever|when", .suggestion = "occurs/when/(Rephrase)", .covers = 2, .code = Msg::Awkward,
           .ruleId = 4216, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "warranted", .suggestion = "has a warranty/(Rephrase)", .covers = 2, .code = Msg::Translation,
           .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*6*/ {.n1 = "used", .n2 = "when", .suggestion = "when ...", .covers = 3, .code = Msg::PassiveVoice,
           .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = "usually", .n2 = "able", .suggestion = "can/will", .covers = 3, .code = Msg::Translation,
           .ruleId = 4116, .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "unable", .n2 = "to", .when = ThreeMoreWords, .suggestion = "can not", .then = MakeVerb, .covers = 3,
           .code = Msg::WrongVerb, .ruleId = 7571, .outcome = Walk::SkipCovered},
    /*9*/ {.n1 = "used", .n2 = "on", .when = ThreeMoreWords, .covers = 3, .code = Msg::PassiveVoice, .ruleId = 4884,
           .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> IsLetterRows(char first) {
  switch (first) {
    case 'a': return kA;
    case 'b': return kB;
    case 'c': return kC;
    case 'd':
    case 'm': return kDM;
    case 'e': return kE;
    case 'f': return kF;
    case 'g': return kG;
    case 'i': return kI;
    case 'n': return kN;
    case 'p': return kP;
    case 's': return kS;
    case 't': return kT;
    case 'u':
    case 'w': return kUW;
    default: return {};
  }
}
