// The rule tables of "which", "that" and "who" (class 69), in the order
// they are tried.
#include "rules/function_words/relative_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"

namespace relative {
namespace {

using enum Walk;

bool First(const RuleContext& c) { return c.First(); }
// "person" itself, not "persons" or "personnel": only the short word takes "who".
bool PrevShort(const RuleContext& c) { return c.p1().length <= 6; }
bool PrevCapitalised(const RuleContext& c) { return c.p1().caseFlag == '1'; }
// An ordinary word, not a special token.
bool PrevOrdinary(const RuleContext& c) { return c.p1().tokenKind == 0; }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }
bool NextIsVerbCode(const RuleContext& c) { return CodeStarts(c.n1(), 'V'); }
bool NextNotAdverb(const RuleContext& c) { return c.n1().wordClass != Cls::Adverb; }
bool PastSecond(const RuleContext& c) { return c.word->sentencePos > 1; }
bool PastThird(const RuleContext& c) { return c.word->sentencePos > 2; }
// At least three more words before the sentence ends.
bool RoomForThree(const RuleContext& c) {
  return c.word->sentencePos < c.state.sentenceWordCount - 3;
}
// A past participle after "that" is read as the verb of the clause.
void MakeVerb(RuleContext&, WordRec& next) { next.wordClass = Cls::Verb; }

// Verb forms, be and have, "max"/"min", prepositions and demonstratives:
// the clause reads well, the next word is passed over.
constexpr Classes kVerbsAndKin = {Cls::Verb, Cls::VerbS, Cls::VerbEd, Cls::VerbIng, Cls::Be,
                                  Cls::Have, Cls::Verb26, Cls::Been, Cls::Modal, Cls::ShortForm,
                                  Cls::Preposition, Cls::PlacePreposition, Cls::Demonstrative};

// *X that*: the advice and the finding go on the previous word, covering both.
constexpr RuleRow OnPrev(Words previous, const char* text, MessageCode code, int ruleId,
                         RuleTest when = nullptr) {
  return {.p1 = previous, .when = when, .suggestion = text, .covers = 2, .on = On::P1, .code = code,
          .ruleId = ruleId};
}

// clang-format off
constexpr RuleRow kGateRows[] = {
    /*0*/ {.when = First, .code = Msg::Preposition, .ruleId = 1918},
    /*1*/ {.n1Class = {Cls::SentenceEnd}, .code = Msg::Preposition, .ruleId = 1918},
    /*2*/ {.n1 = "@*", .code = Msg::Preposition, .ruleId = 1918},
    /*3*/ {.p1Class = {Cls::Verb}, .n1Class = {Cls::Comma}},
    /*4*/ {.n1Class = {Cls::Comma}, .code = Msg::Preposition, .ruleId = 2175},
    /*5*/ {.n1 = "follow*", .n2 = ":*", .suggestion = "shown/(Rephrase)", .code = Msg::Awkward, .ruleId = 2275},
    /*6*/ {.n1 = "follow*", .n2Class = {Cls::SentenceEnd}, .suggestion = "shown/(Rephrase)", .code = Msg::Awkward, .ruleId = 2275},
    /*7*/ {.n1 = "follow*"},
};

constexpr RuleRow kWhichRows[] = {
    /*0*/ {.p1Class = {Cls::Noun, Cls::NounPlural}},
    /*1*/ {.n1Class = {Cls::Noun, Cls::NounPlural, Cls::ProperNoun, Cls::Preposition, Cls::PlacePreposition, Cls::FirstPerson}},
    /*2*/ {.p1 = "person*|individual*", .when = PrevShort, .suggestion = "who", .code = Msg::ThatWhich, .ruleId = 2075},
    /*3*/ {.p1 = "person*|individual*"},
    /*4*/ {.p1Class = {Cls::Nomenclature, Cls::NomenclaturePlural}, .suggestion = "that", .code = Msg::ThatWhich, .ruleId = 2075},
    // "that" cannot follow a preposition ("on which they"): the writer moves it.
    /*5*/ {.p1Class = {Cls::Preposition, Cls::ForBy, Cls::Of, Cls::To, Cls::TimeConjunction, Cls::About, Cls::With,
                       Cls::PlacePreposition},
           .n1Class = {Cls::Nomenclature, Cls::NomenclaturePlural, Cls::Be, Cls::Have, Cls::Pronoun},
           .suggestion = "(that)", .code = Msg::ThatWhich, .ruleId = 2075},
    /*6*/ {.n1Class = {Cls::Nomenclature, Cls::NomenclaturePlural, Cls::Be, Cls::Have, Cls::Pronoun},
           .suggestion = "that", .code = Msg::ThatWhich, .ruleId = 2075},
};

constexpr RuleRow kWhoRows[] = {
    /*0*/ {.n1 = "have", .n2 = "been", .suggestion = "persons that have", .code = Msg::ThatWhich, .ruleId = 7192},
    /*1*/ {.n1 = "need", .suggestion = "to help", .code = Msg::ThatWhich, .ruleId = 6192},
};

constexpr RuleRow kThatFirstRows[] = {
    /*0*/ {.n1Class = kVerbsAndKin, .outcome = PassNext},
    /*1*/ {.n1 = "has|have|you", .outcome = PassNext},
    /*2*/ {.n1 = "result*", .n2 = "in|from", .suggestion = "are caused/is caused/causes", .covers = 3,
           .code = Msg::Awkward, .ruleId = 4914, .outcome = SkipCovered},
};

constexpr RuleRow kThatRows[] = {
    /*0*/  {.n1 = "they", .suggestion = "(Insert noun subject)", .covers = 2, .code = Msg::Translation, .ruleId = 47234, .outcome = SkipCovered},
    // Verbs before "that", by the previous word's first letter.
    /*1*/  OnPrev("notice|note", "make sure/(Observe(operational verb))", Msg::WrongVerb, 7236),
    /*2*/  OnPrev("ensure*|insure*|assure*", "make sure that", Msg::WrongVerb, 4234),
    /*3*/  OnPrev("type*", "(because)/(type of)/(type for)/(Rephrase)", Msg::Awkward, 7235),
    /*4*/  OnPrev("mean*|sign*", "are an indication that/is an indication that", Msg::WrongMeaning, 4234),
    /*5*/  OnPrev("check*|certain*|verif*", "Make sure that", Msg::Translation, 4724, PrevCapitalised),
    /*6*/  OnPrev("check*|certain*|verif*", "make sure that", Msg::Translation, 4724),
    /*7*/  {.n1Class = {Cls::Article}},
    /*8*/  {.when = NextMarked},
    /*9*/  {.n1Class = {Cls::Pronoun}, .on = On::N1, .code = Msg::MissingReference, .ruleId = 2874},
    /*10*/ {.n1 = "its", .suggestion = "that ... is", .covers = 2, .code = Msg::Translation, .ruleId = 7234, .outcome = SkipCovered},
    /*11*/ {.p1 = "only|also", .when = PrevOrdinary, .on = On::P1, .code = Msg::Delete, .ruleId = 6971, .outcome = Clear},
    // Persons and things.
    /*12*/ OnPrev("thing*", "items that", Msg::Pronoun, 6971),
    /*13*/ OnPrev("person*|personnel|driver|operator|manager|technician", "who", Msg::Pronoun, 6971),
    /*14*/ OnPrev("consider*", "make sure/(Rephrase)", Msg::WrongMeaning, 2175),
    /*15*/ OnPrev("except", "(but)/(Rephrase)", Msg::WrongMeaning, 2175),
    /*16*/ OnPrev("effect", "result of/(Rephrase)", Msg::WrongMeaning, 2175),
    /*17*/ OnPrev("note*", "make sure/(Rephrase)/NOTE:", Msg::WrongMeaning, 2175),
    /*18*/ OnPrev("now", "because", Msg::WrongMeaning, 2175),
    /*19*/ OnPrev("appear*", "indication of/shows that", Msg::WrongChoice, 4871, PastSecond),
    /*20*/ OnPrev("even", "but not", Msg::WrongChoice, 4871, PastSecond),
    /*21*/ OnPrev("just", "(Rephrase)", Msg::WrongChoice, 4871, PastSecond),
    /*22*/ OnPrev("ones", "(Delete or Rephrase)", Msg::WrongChoice, 4871, PastSecond),
    /*23*/ OnPrev("state*", "(shows that)", Msg::WrongChoice, 4871, PastSecond),
    /*24*/ {.n1Class = {Cls::TimeConjunction}, .code = Msg::MissingReference, .ruleId = 4871},
    /*25*/ {.n1Class = {Cls::Demonstrative}, .code = Msg::MissingReference, .ruleId = 4871},  // a demonstrative is passed over first
    /*26*/ {.n1Class = {Cls::Participle}, .then = MakeVerb, .on = On::N1},
    /*27*/ {.n1 = ":*|.*", .on = On::N1, .code = Msg::Punctuation, .ruleId = 6971, .outcome = PassNext},
    /*28*/ {.p1 = "one", .when = PrevOrdinary, .suggestion = "for example", .covers = 2, .on = On::P1,
            .code = Msg::MissingReference, .ruleId = 2871, .outcome = Clear},
    /*29*/ {.p1 = "such", .when = PrevOrdinary, .suggestion = "for example", .covers = 2, .on = On::P1,
            .code = Msg::Preposition, .ruleId = 2872, .outcome = Clear},
    /*30*/ {.p1Class = {Cls::Inch}, .when = NextNotAdverb, .code = Msg::Preposition, .ruleId = 9157},
    /*31*/ {.n1 = "data"},
    /*32*/ {.when = NextIsVerbCode},
    /*33*/ {.n1Class = {Cls::Have}, .n2Class = {Cls::Been}, .when = RoomForThree, .covers = 3,  // have is passed over first
            .code = Msg::PassiveVoice, .ruleId = 1921, .outcome = SkipCovered},
    /*34*/ {.n1Class = {Cls::Determiner}, .n2Class = {Cls::ForBy}, .code = Msg::Awkward, .ruleId = 1911},
    /*35*/ {.n1 = "of|in|from", .covers = 2, .code = Msg::Awkward, .ruleId = 3075, .outcome = SkipCovered},
    /*36*/ {.p1 = "than", .p1Class = {Cls::Adverb}, .when = PastThird},
    /*37*/ {.p1Class = {Cls::Adverb}, .when = PastThird, .suggestion = "so that/until", .code = Msg::ThatWhich, .ruleId = 1916},
    /*38*/ {.n1 = "way", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 2175, .outcome = SkipCovered},
    /*39*/ {.n1 = "on", .covers = 2, .code = Msg::MissingReference, .ruleId = 3075, .outcome = SkipCovered},
};
// clang-format on

}  // namespace

const std::span<const RuleRow> kGates = kGateRows;
const std::span<const RuleRow> kWhich = kWhichRows;
const std::span<const RuleRow> kWho = kWhoRows;
const std::span<const RuleRow> kThatFirst = kThatFirstRows;
const std::span<const RuleRow> kThat = kThatRows;

}  // namespace relative
