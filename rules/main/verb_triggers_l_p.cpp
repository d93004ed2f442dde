// Trigger rows of the verbs that begin with 'l', 'm', 'n', 'o' and 'p'.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;
constexpr Walk kPass1 = Walk::PassNext;
constexpr Walk kPass2 = Walk::PassTwo;

bool SubjectPlural(const RuleContext& c) { return c.state.subjectNumber != 0; }
bool SubjectSingular(const RuleContext& c) { return c.state.subjectNumber == 0; }
bool NextIsNotNot(const RuleContext& c) { return !TextIs(c.n1(), "not"); }
bool OpenStops(const RuleContext& c) { return c.n1().markFlag != '0' || c.word->splitKind == '4'; }
bool NextNotMarked(const RuleContext& c) { return !IsMarked(c.n1()); }

// "operate with": the "with" is marked in its class code.
void MarkWith(RuleContext&, WordRec& t) { t.classCode.set(3, '4'); }
// "push down": the verb as written is its own advice.
void CopyWritten(RuleContext& c, WordRec& t) { WriteSuggestion(&t, c.word->written.view()); }

constexpr Classes kNounAfter = Classes::Range(0, 19);

// clang-format off
constexpr RuleRow kL[] = {
    /*0*/ {.word = "lift*", .n1 = "up|back|out|off|in", .covers = 2, .code = Msg::PhrasalVerb, .ruleId = 5666,
           .outcome = kCovered},
    /*1*/ {.word = "lift*", .n1 = "of", .suggestion = "distance of/weight of", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 5166, .outcome = kCovered},
    /*2*/ {.word = "lift*"},
    /*3*/ {.word = "lower*", .n1 = "down|on|out|off|in", .suggestion = "(Give position ref.)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 3666, .outcome = kCovered},
    /*4*/ {.word = "lower*"},
    // "look" and a word of its list: the advice by that word.
    /*5*/ {.word = "look*", .n1 = "at", .suggestion = "examine/examines", .covers = 2, .code = Msg::Translation,
           .ruleId = 2320, .outcome = kCovered},
    /*6*/ {.word = "look*", .n1 = "alike", .suggestion = "be the same type", .covers = 2, .code = Msg::Translation,
           .ruleId = 2320, .outcome = kCovered},
    /*7*/ {.word = "look*", .n1 = "bent", .suggestion = "are bent/is bent", .covers = 2, .code = Msg::Translation,
           .ruleId = 2320, .outcome = kCovered},
    /*8*/ {.word = "look*", .n1 = "broken", .suggestion = "are broken/is broken/(Rephrase)", .covers = 2,
           .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*9*/ {.word = "look*", .n1 = "clean", .suggestion = "is clean/are clean", .covers = 2, .code = Msg::Translation,
           .ruleId = 2320, .outcome = kCovered},
    /*10*/ {.word = "look*", .n1 = "distorted", .suggestion = "not the correct shape or size", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*11*/ {.word = "look*", .n1 = "dirty", .suggestion = "not clean/(Rephrase)", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*12*/ {.word = "look*", .n1 = "down", .suggestion = "(look at)/(Rephrase)", .covers = 2, .code = Msg::Translation,
            .ruleId = 2320, .outcome = kCovered},
    /*13*/ {.word = "look*", .n1 = "left", .suggestion = "look to the left side", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*14*/ {.word = "look*", .n1 = "like", .suggestion = "(match)/(Rephrase)", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*15*/ {.word = "look*", .n1 = "ok", .suggestion = "is correct/are correct", .covers = 2, .code = Msg::Translation,
            .ruleId = 2320, .outcome = kCovered},
    /*16*/ {.word = "look*", .n1 = "out|over", .suggestion = "make an inspection", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*17*/ {.word = "look*", .n1 = "straight", .suggestion = "look at xxx", .covers = 2, .code = Msg::Translation,
            .ruleId = 2320, .outcome = kCovered},
    /*18*/ {.word = "look*", .n1 = "through", .suggestion = "look/see", .covers = 2, .code = Msg::Translation,
            .ruleId = 2320, .outcome = kCovered},
    /*19*/ {.word = "look*", .n1 = "up", .suggestion = "find/look for/(look at)", .covers = 2, .code = Msg::Translation,
            .ruleId = 2320, .outcome = kCovered},
    /*20*/ {.word = "look*", .n1 = "wrong", .suggestion = "are not correct/(Rephrase)", .covers = 2,
            .code = Msg::Translation, .ruleId = 2320, .outcome = kCovered},
    /*21*/ {.word = "look*", .n1 = "normal|right", .covers = 2, .code = Msg::Translation, .ruleId = 2320,
            .outcome = kCovered},
    // A colour after "look": the verb is "is" or "are" by the subject.
    /*22*/ {.word = "look*", .n1Class = {Cls::Colour}, .when = SubjectPlural, .suggestion = "are",
            .code = Msg::WrongVerb, .ruleId = 2320},
    /*23*/ {.word = "look*", .n1Class = {Cls::Colour}, .when = SubjectSingular, .suggestion = "is",
            .code = Msg::WrongVerb, .ruleId = 2320},
};

constexpr RuleRow kM[] = {
    /*0*/ {.word = "make|makes", .p1Class = {Cls::Demonstrative, Cls::Article}, .code = Msg::WrongVerb,
           .ruleId = 3018},
    /*1*/ {.word = "make|makes", .when = VerbMarked, .code = Msg::WrongVerb, .ruleId = 3018},
    /*2*/ {.word = "make|makes", .when = NextMarked},
    /*3*/ {.word = "make|makes", .n1Class = {Cls::Article}, .n2 = "note", .n3 = "of", .when = SForm,
           .suggestion = "records/writes", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3018, .outcome = kCovered},
    /*4*/ {.word = "make|makes", .n1Class = {Cls::Article}, .n2 = "note", .n3 = "of", .when = BaseForm,
           .suggestion = "record/write", .covers = 2, .code = Msg::WrongVerb, .ruleId = 3018, .outcome = kCovered},
    /*5*/ {.word = "make|makes", .n1 = "certain|necessary", .suggestion = "make sure that", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 7012},
    /*6*/ {.word = "make|makes", .n1 = "for|to", .covers = 2, .code = Msg::WrongVerb, .ruleId = 7012,
           .outcome = kCovered},
    // "make no difference" says "is (are) not different".
    /*7*/ {.word = "make|makes", .n1 = "no", .n2 = "difference", .when = SForm, .suggestion = "is not different",
           .covers = 3, .code = Msg::WrongVerb, .ruleId = 7012, .outcome = kCovered},
    /*8*/ {.word = "make|makes", .n1 = "no", .n2 = "difference", .when = BaseForm,
           .suggestion = "are not different", .covers = 3, .code = Msg::WrongVerb, .ruleId = 7012,
           .outcome = kCovered},
    /*9*/ {.word = "make|makes", .n1 = "up|out|do", .suggestion = "(Rephrase)", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 8212, .outcome = kCovered},
    /*10*/ {.word = "make|makes"},
    /*11*/ {.word = "measure*", .n2 = "off|out|up", .when = SForm, .suggestion = "measures/controls", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3018, .outcome = kCovered},
    /*12*/ {.word = "measure*", .n2 = "off|out|up", .when = BaseForm, .suggestion = "measure/control", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 3018, .outcome = kCovered},
    /*13*/ {.word = "measure*", .p1 = "preventative|safety|extreme", .clear = true, .covers = 2, .on = On::P1,
            .code = Msg::Rephrase, .ruleId = 3018},
};

constexpr RuleRow kN[] = {
    /*0*/ {.word = "need*", .n1Class = {Cls::To}, .n2 = "be", .suggestion = "must be", .covers = 3,
           .code = Msg::VerbTense, .ruleId = 4218, .outcome = kPass2},
    /*1*/ {.word = "need*", .when = NextIsNotNot, .suggestion = "necessary", .code = Msg::WrongVerb, .ruleId = 4218},
    /*2*/ {.word = "need*", .n1 = "not", .suggestion = "do not/not necessary to", .covers = 3, .code = Msg::Awkward,
           .ruleId = 4218, .outcome = kPass2},
};

constexpr RuleRow kO[] = {
    /*0*/ {.word = "operate*", .n1 = "with", .then = MarkWith, .on = On::N1},
    /*1*/ {.word = "operate*", .n2 = "with", .then = MarkWith, .on = On::N2},
    /*2*/ {.word = "operate*"},
    /*3*/ {.word = "obey*", .n1Class = {Cls::Nomenclature, Cls::NomenclaturePlural},
           .suggestion = "(Use as a safety verb)", .code = Msg::WrongVerb, .ruleId = 3412},
    /*4*/ {.word = "obey*"},
    /*5*/ {.word = "open*", .when = OpenStops},
    /*6*/ {.word = "open*", .n1 = "circuit", .suggestion = "open-circuit", .covers = 2, .code = Msg::Spelling,
           .ruleId = 4218, .outcome = kPass1},
    /*7*/ {.word = "open*", .p1 = "stuck|pushed|held|crack*",
           .suggestion = "open/can not open/in open position/(Rephrase)", .covers = 2, .on = On::P1,
           .code = Msg::WrongMeaning, .ruleId = 4218},
    /*8*/ {.word = "open*", .n1 = "up|out", .suggestion = "open/expand/increase", .covers = 2,
           .code = Msg::PhrasalVerb, .ruleId = 4018, .outcome = kPass1},
    /*9*/ {.word = "open*", .n1 = "end*|door", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4018,
           .outcome = kPass1},
};

constexpr RuleRow kP[] = {
    /*0*/ {.word = "point*", .n1Class = {Cls::Pronoun, Cls::FirstPerson}, .when = SForm, .suggestion = "shows",
           .code = Msg::WrongMeaning, .ruleId = 4666},
    /*1*/ {.word = "point*", .n1Class = {Cls::Pronoun, Cls::FirstPerson}, .when = BaseForm, .suggestion = "show",
           .code = Msg::WrongMeaning, .ruleId = 4666},
    /*2*/ {.word = "point*"},
    /*3*/ {.word = "press*|push*", .n1 = "down|in|up", .then = CopyWritten, .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 4031, .outcome = kCovered},
    /*4*/ {.word = "press*|push*", .n1 = "oil|water", .suggestion = "cause/flow/move/let xxx",
           .code = Msg::WrongVerb, .ruleId = 4231},
    /*5*/ {.word = "press*|push*"},
    /*6*/ {.word = "put*", .n1 = "back", .suggestion = "go/install/put", .covers = 2, .code = Msg::PhrasalVerb,
           .ruleId = 4266, .outcome = kCovered},
    /*7*/ {.word = "put*", .n1Class = kNounAfter, .when = NextNotMarked, .suggestion = "(Insert article)",
           .covers = 2, .code = Msg::Awkward, .ruleId = 4266, .outcome = kCovered},
    /*8*/ {.word = "plan*", .n1Class = {Cls::To}, .suggestion = "will", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = 4266, .outcome = kCovered},
    /*9*/ {.word = "plan*"},
    /*10*/ {.word = "pull*", .n1 = "back", .suggestion = "remove/retract/pull", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 6512, .outcome = kCovered},
    /*11*/ {.word = "pull*", .n1 = "in", .suggestion = "pull", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 6512, .outcome = kCovered},
    /*12*/ {.word = "pull*", .n1 = "off|out", .suggestion = "remove/do/pull/move xxx to", .covers = 2,
            .code = Msg::PhrasalVerb, .ruleId = 6512, .outcome = kCovered},
    /*13*/ {.word = "pull*", .n1 = "on", .suggestion = "pull/move xxx to", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 6512, .outcome = kCovered},
    // A "pull" that none of its own rows matched is tried here too.
    /*14*/ {.word = "prevent*|pull*", .n1 = "from", .covers = 2, .code = Msg::Delete, .ruleId = 3512,
            .outcome = kCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsL() { return kL; }
std::span<const RuleRow> VerbRowsM() { return kM; }
std::span<const RuleRow> VerbRowsN() { return kN; }
std::span<const RuleRow> VerbRowsO() { return kO; }
std::span<const RuleRow> VerbRowsP() { return kP; }
