// Rows of the adjective classes, in the order they are tried.
#include "rules/main/adjective_tables.h"

#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"

namespace {

bool NextNounIsPlain(const RuleContext& c) {
  const WordRec* n2 = c.N(2);
  return n2 && n2->tokenKind == 0 && n2->markFlag == '0' && n2->wordClass < Cls::FirstNonNoun;
}
bool NotGeneral(const RuleContext& c) { return !TextIs(*c.word, "general"); }
bool NextWrittenWithM(const RuleContext& c) { return c.n1().written.first() == 'M'; }
bool NextWrittenWithoutM(const RuleContext& c) { return c.N(1) && !NextWrittenWithM(c); }

bool Marked(const RuleContext& c) { return IsMarked(*c.word); }
bool BothSplit(const RuleContext& c) { return c.word->splitKind == '4' && c.p1().splitKind == '4'; }
bool BothMarked(const RuleContext& c) { return IsMarked(*c.word) && IsMarked(c.n1()); }
bool PosAbove2(const RuleContext& c) { return c.word->sentencePos > 2; }
bool NextIsVerbOrLater(const RuleContext& c) { return BothSplit(c) && c.N(1) && c.n1().wordClass >= 20; }
bool UnsplitNounPair(const RuleContext& c) {
  return c.word->splitKind != '4' && c.n1().splitKind != '4' && c.n1().markFlag == '0';
}

// "given" before a noun: "<noun> shown", the noun as written.
void NounShown(RuleContext& c, WordRec& t) { FormatSuggestion(&t, "%s shown", c.n1().written.c_str()); }

// Nouns after "general" that make it vague.
constexpr Words kAfterGeneral =
    "guideline*|practice*|procedure*|idea|rule|work|service|motors|view|information";
constexpr Classes kBeHave = {Cls::Be, Cls::Have};

// clang-format off
constexpr RuleRow kOpening[] = {
    /*0*/ {.word = "only"},
    /*1*/ {.n1Class = {Cls::Article, Cls::ForBy, Cls::Demonstrative}, .code = Msg::Adjective, .ruleId = 6894},
    /*2*/ {.word = "much", .code = Msg::Adjective, .ruleId = 6894},
    /*3*/ {.n1 = "way", .suggestion = "method/procedure", .on = On::N1, .code = Msg::WrongMeaning, .ruleId = 6894,
           .outcome = Walk::PassNext},
    /*4*/ {.n1Class = {Cls::Noun, Cls::Nomenclature}, .when = NextNounIsPlain},
    /*5*/ {.when = NotGeneral},
    /*6*/ {.n1 = kAfterGeneral, .when = NextWrittenWithoutM, .suggestion = "information about/(Rephrase)",
           .covers = 2, .code = Msg::Translation, .ruleId = 4627, .outcome = Walk::SkipCovered},
    /*7*/ {.n1 = kAfterGeneral, .when = NextWrittenWithM},
    /*8*/ {.n1 = "warnings*", .code = Msg::Delete, .ruleId = 4627},
};

constexpr RuleRow kParticiple[] = {
    /*0*/ {.n1Class = {Cls::Article}, .when = Marked, .code = Msg::Adjective, .ruleId = 5367},
    /*1*/ {.p1Class = {Cls::Article}, .n1Class = {Cls::Article}, .code = Msg::Adjective, .ruleId = 5367},
    /*2*/ {.n1Class = {Cls::VerbIng}, .covers = 2, .code = Msg::VerbTense, .ruleId = 1465, .outcome = Walk::PassNext},
    /*3*/ {.p1Class = {Cls::ShortForm}, .n1Class = kNounClasses, .code = Msg::Adjective, .ruleId = 5966},
    /*4*/ {.n1Class = kNounClasses, .when = BothSplit, .code = Msg::Adjective, .ruleId = 2057},
    /*5*/ {.when = BothMarked, .on = On::N1, .code = Msg::Awkward, .ruleId = 2866, .outcome = Walk::PassNext},
    // Participles with a fixed reading.
    /*6*/ {.word = "assembled", .p1 = "factory", .suggestion = "assembled at the factory", .covers = 2,
           .on = On::P1, .code = Msg::Translation, .ruleId = 4831},
    /*7*/ {.word = "assembled", .p1 = "shop", .suggestion = "(assembled at the work area)", .covers = 2,
           .on = On::P1, .code = Msg::Translation, .ruleId = 4831},
    /*8*/ {.word = "addressed", .suggestion = "completed", .code = Msg::WrongVerb, .ruleId = 4831},
    /*9*/ {.word = "blown", .n1 = "fuse|dry", .code = Msg::Translation, .ruleId = 4831},
    /*10*/ {.word = "blown", .p2 = "seal", .when = PosAbove2, .code = Msg::Translation, .ruleId = 4831},
    /*11*/ {.word = "closed", .n1 = "up|down|over", .suggestion = "closed", .code = Msg::PhrasalVerb, .ruleId = 4831},
    /*12*/ {.word = "done", .n1Class = {Cls::PlacePreposition}, .suggestion = "completed", .code = Msg::WrongVerb,
            .ruleId = 4831},
    /*13*/ {.word = "flush", .p1Class = kBeHave, .suggestion = "aligned to/level", .code = Msg::WrongMeaning,
            .ruleId = 9637},
    /*14*/ {.word = "grounded", .suggestion = "connected to an electrical ground", .code = Msg::Terminology,
            .ruleId = 4831},
    /*15*/ {.word = "given", .n1Class = kNounClasses, .then = NounShown, .covers = 2, .code = Msg::Translation,
            .ruleId = 1766, .outcome = Walk::SkipCovered},
    /*16*/ {.word = "held", .n1 = "up|at|down|under|constant|over", .suggestion = "(held in position)/set",
            .code = Msg::WrongMeaning, .ruleId = 4831},
    /*17*/ {.word = "kept", .n1 = "up|at|down|under|to|over", .code = Msg::WrongMeaning, .ruleId = 4831},
    /*18*/ {.word = "made", .p1Class = kBeHave, .n1 = "available", .code = Msg::Delete, .ruleId = 4831},
    // Other participles.
    /*19*/ {.p1Class = {Cls::Be, Cls::Have, Cls::Adverb, Cls::Negation}},
    /*20*/ {.when = NextIsVerbOrLater, .code = Msg::Adjective, .ruleId = 1365},
    /*21*/ {.n1Class = {Cls::Noun}, .n2Class = {Cls::Noun}, .when = UnsplitNounPair},
    /*22*/ {.n1Class = {Cls::Class41}, .code = Msg::Adjective, .ruleId = 1003},
};
// clang-format on

}  // namespace

std::span<const RuleRow> OpeningAdjectiveRows() { return kOpening; }
std::span<const RuleRow> ParticipleRows() { return kParticiple; }
