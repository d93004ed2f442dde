// Trigger rows of the verbs that begin with 't' and 'u'.
#include <algorithm>

#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/main/verb_rule_tables.h"

using namespace verb_rows;

namespace {

constexpr Walk kCovered = Walk::SkipCovered;
constexpr Walk kPass1 = Walk::PassNext;

constexpr Classes kAboveNouns = Classes::Range(20, 127);

bool NextMarkedOrArticle(const RuleContext& c) {
  return IsMarked(c.n1()) || c.n1().wordClass == Cls::Article;
}
bool PrevCodeAdjective(const RuleContext& c) { return CodeStarts(c.p1(), 'A'); }
// The word before the verb has a finding of its own, or is a mark (a
// semicolon, a bracket) that gets its own and says nothing of what is
// turned: the verb's finding must not write over it.
bool PrevFlagged(const RuleContext& c) {
  if (c.First()) return false;
  const WordRec& p = c.p1();
  return p.message > 0 ||
         std::ranges::none_of(p.written.view(), [](char ch) { return IsLetterOrDigit(static_cast<unsigned char>(ch)); });
}

// The words after "take" that its phrase table knows; the advice is then
// chosen by the word's letters.
bool TakeTableWord(const RuleContext& c) {
  const WordRec& n = c.n1();
  if (n.markFlag != '0') return false;
  if (TextIsOneOf(n, {"action", "appropriate", "an", "back", "care", "calls", "down", "effect", "longer", "less",
                      "notice", "off", "out", "over", "priority", "place", "shorter", "time", "tension"}))
    return true;
  if (TextStartsOneOf(n, {"precaution", "test", "shortcut", "risk"})) return true;
  const char f = n.text.first();
  return n.text.length() == 2 && (f == 'r' || f == 's' || f == 't' || f == 'u') && !TextIs(n, "up");
}
bool TakeTableWordS(const RuleContext& c) { return TakeTableWord(c) && SForm(c); }
bool TakeTableWordBase(const RuleContext& c) { return TakeTableWord(c) && BaseForm(c); }

// clang-format off
constexpr RuleRow kT[] = {
    /*0*/ {.word = "tel*", .n1 = "how|why", .suggestion = "show/shows", .code = Msg::WrongVerb, .ruleId = 6672},
    /*1*/ {.word = "tel*"},
    // "turn" for a change of heat.
    /*2*/ {.word = "turn*", .p1 = "water|steam|heat|oil", .suggestion = "becomes/changes", .code = Msg::WrongVerb,
           .ruleId = 2320},
    /*3*/ {.word = "turn*", .n2 = "heat", .suggestion = "becomes/changes", .code = Msg::WrongVerb, .ruleId = 2320},
    /*4*/ {.word = "turn*", .n1 = "cool|hot|steam|warm", .suggestion = "becomes/changes", .code = Msg::WrongVerb,
           .ruleId = 2320},
    // Each form takes the advice of its own number.
    /*5*/ {.word = "turn*", .n1 = "away|up|down|over|around", .when = SForm,
           .suggestion = "moves from/change direction from/changes", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 2319, .outcome = kCovered},
    /*6*/ {.word = "turn*", .n1 = "away|up|down|over|around", .when = BaseForm,
           .suggestion = "move from/change direction from/change", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 2319, .outcome = kCovered},
    /*7*/ {.word = "turn*", .n1Class = {Cls::Colour}, .when = SForm, .suggestion = "becomes", .code = Msg::WrongVerb,
           .ruleId = 2320},
    /*8*/ {.word = "turn*", .n1Class = {Cls::Colour}, .when = BaseForm, .suggestion = "become",
           .code = Msg::WrongVerb, .ruleId = 2320},
    /*9*/ {.word = "turn*", .p1 = "light", .when = SForm, .suggestion = "moves/puts/changes/(Light switch)",
           .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2420},
    /*10*/ {.word = "turn*", .p1 = "light", .when = BaseForm, .suggestion = "move/put/change/(Light switch)",
            .covers = 2, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2420},
    /*11*/ {.word = "turn*", .n1 = "engine", .suggestion = "(Put ...)", .code = Msg::WrongVerb, .ruleId = 2420},
    /*12*/ {.word = "turn*", .p1Class = {Cls::Noun, Cls::Nomenclature}, .n1 = "off|on", .when = NextMarkedOrArticle},
    // The word before the verb has a finding of its own ("Set max turn on"):
    // the verb's finding goes on the verb and its particle, and neither
    // writes over the other.
    /*12a*/ {.word = "turn*", .n1 = "off", .n2 = "light|switch", .when = PrevFlagged,
             .suggestion = "in OFF position/not illuminated/disconnected", .covers = 2, .code = Msg::WrongVerb,
             .ruleId = 2420, .outcome = kCovered},
    /*12b*/ {.word = "turn*", .n1 = "off", .n2Class = {Cls::AndOr}, .when = PrevFlagged,
             .suggestion = "in OFF position/not illuminated/disconnected", .covers = 2, .code = Msg::WrongVerb,
             .ruleId = 2420, .outcome = kCovered},
    /*12c*/ {.word = "turn*", .n1 = "on", .n2 = "light|switch", .when = PrevFlagged,
             .suggestion = "in ON position/illuminated/connected", .covers = 2, .code = Msg::WrongVerb, .ruleId = 2420,
             .outcome = kCovered},
    /*12d*/ {.word = "turn*", .n1 = "on", .n2Class = {Cls::AndOr}, .when = PrevFlagged,
             .suggestion = "in ON position/illuminated/connected", .covers = 2, .code = Msg::WrongVerb, .ruleId = 2420,
             .outcome = kCovered},
    /*12e*/ {.word = "turn*", .n1 = "off|on", .when = PrevFlagged,
             .suggestion = "put in ON position/put in OFF position/connect/disconnect", .covers = 2,
             .code = Msg::WrongVerb, .ruleId = 2420, .outcome = kCovered},
    // "turn off the light": the word before the verb says what is turned.
    /*13*/ {.word = "turn*", .n1 = "off", .n2 = "light|switch", .suggestion = "in OFF position/not illuminated/disconnected",
            .then = VerbCoversTwo, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2420, .outcome = kPass1},
    /*14*/ {.word = "turn*", .n1 = "off", .n2Class = {Cls::AndOr},
            .suggestion = "in OFF position/not illuminated/disconnected", .then = VerbCoversTwo, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 2420, .outcome = kPass1},
    /*15*/ {.word = "turn*", .n1 = "on", .n2 = "light|switch", .suggestion = "in ON position/illuminated/connected",
            .then = VerbCoversTwo, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2420, .outcome = kPass1},
    /*16*/ {.word = "turn*", .n1 = "on", .n2Class = {Cls::AndOr}, .suggestion = "in ON position/illuminated/connected",
            .then = VerbCoversTwo, .on = On::P1, .code = Msg::WrongVerb, .ruleId = 2420, .outcome = kPass1},
    /*17*/ {.word = "turn*", .n1 = "off|on",
            .suggestion = "put in ON position/put in OFF position/connect/disconnect", .covers = 2, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 2420},
    /*18*/ {.word = "turn*"},
    /*19*/ {.word = "tighten*", .p1 = "finger", .suggestion = "tighten with your fingers", .covers = 2, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 2672},
    /*20*/ {.word = "tighten*", .n1 = "up|down", .suggestion = "tighten", .covers = 2, .code = Msg::PhrasalVerb,
            .ruleId = 2672, .outcome = kCovered},
    /*21*/ {.word = "tighten*"},
    /*22*/ {.word = "take*", .when = NextMarked, .code = Msg::WrongVerb, .ruleId = 6672},
    /*23*/ {.word = "take*", .n1Class = {Cls::Article}, .code = Msg::WrongVerb, .ruleId = 6672},
    /*24*/ {.word = "take*", .n1 = "up", .n2 = "roller*|arm*|spring*", .suggestion = "take-up", .covers = 2,
            .code = Msg::Terminology, .ruleId = 2672, .outcome = kCovered},
    /*25*/ {.word = "take*", .p1Class = {Cls::Modal}, .n1Class = kAboveNouns, .suggestion = "(Transitive - add obj.)",
            .code = Msg::WrongVerb, .ruleId = 5672},
    /*26*/ {.word = "take*", .n1 = "more", .n2 = "than|time", .suggestion = "(Give a time ref.)", .covers = 3,
            .code = Msg::WrongVerb, .ruleId = 5672, .outcome = kCovered},
    /*27*/ {.word = "take*", .n1 = "priority", .n2 = "over", .suggestion = "first/important/before",
            .covers = 3, .code = Msg::Rephrase, .ruleId = 4172, .outcome = kCovered},
    /*28*/ {.word = "take*", .n1 = "excessive", .n2 = "time", .suggestion = "(Give time range.)", .covers = 3,
            .code = Msg::Measurement, .ruleId = 4172, .outcome = kCovered},
    /*29*/ {.word = "take*", .n1 = "care", .n2 = "not", .n3 = "to",
            .suggestion = "make sure/obey safety precautions/do not/be careful", .covers = 4, .code = Msg::WrongVerb,
            .ruleId = 8672, .outcome = kCovered},
    /*30*/ {.word = "take*", .n1 = "care", .n2 = "not", .n3 = "to", .suggestion = "do not", .covers = 4,
            .code = Msg::WrongVerb, .ruleId = 4673, .outcome = kCovered},
    /*31*/ {.word = "take*", .n1 = "care|extreme|precautions",
            .suggestion = "make sure/obey safety precautions/do not/be careful", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 4673, .outcome = kCovered},
    /*32*/ {.word = "take*", .n1 = "so", .n2 = "long", .suggestion = "(Give time ref.)", .covers = 3,
            .code = Msg::WrongVerb, .ruleId = 4662, .outcome = kCovered},
    /*33*/ {.word = "take*", .n1 = "into", .n2 = "consideration", .suggestion = "(Rephrase)", .covers = 3,
            .code = Msg::WrongVerb, .ruleId = 2572, .outcome = kCovered},
    /*34*/ {.word = "take*", .n1 = "less than|more than", .covers = 2, .code = Msg::WrongMeaning, .ruleId = 4632,
            .outcome = kCovered},
    // The phrase table: the advice by the next word's letters.
    /*35*/ {.word = "take*", .n1 = "ac*", .when = TakeTableWord, .suggestion = "do/do these actions", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*36*/ {.word = "take*", .n1 = "a*", .when = TakeTableWord, .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*37*/ {.word = "take*", .n1 = "b*", .when = TakeTableWordS, .suggestion = "removes/takes/moves/controls",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*38*/ {.word = "take*", .n1 = "b*", .when = TakeTableWordBase, .suggestion = "remove/take/move/control",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*39*/ {.word = "take*", .n1 = "c*", .when = TakeTableWord, .suggestion = "(get calls)", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*40*/ {.word = "take*", .n1 = "d*", .when = TakeTableWordS, .suggestion = "removes/records", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*41*/ {.word = "take*", .n1 = "d*", .when = TakeTableWordBase, .suggestion = "remove/record", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*42*/ {.word = "take*", .n1 = "e*", .when = TakeTableWord, .suggestion = "become active/in operation",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*43*/ {.word = "take*", .n1 = "l*", .when = TakeTableWord, .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642,
            .outcome = kPass1},
    /*44*/ {.word = "take*", .n1 = "no*", .when = TakeTableWord, .suggestion = "record", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*45*/ {.word = "take*", .n1 = "n*", .when = TakeTableWordS, .suggestion = "sees/reads", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*46*/ {.word = "take*", .n1 = "n*", .when = TakeTableWordBase, .suggestion = "see/read", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*47*/ {.word = "take*", .n1 = "o*", .when = TakeTableWord, .suggestion = "control/controls", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*48*/ {.word = "take*", .n1 = "pl*", .when = TakeTableWord, .suggestion = "occur/occurs", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*49*/ {.word = "take*", .n1 = "p*", .when = TakeTableWord, .suggestion = "be careful", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*50*/ {.word = "take*", .n1 = "si*", .when = TakeTableWord, .suggestion = "send signals to/sends a signal to",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*51*/ {.word = "take*", .n1 = "s*", .when = TakeTableWord, .suggestion = "(Rephrase)", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*52*/ {.word = "take*", .n1 = "t*", .when = TakeTableWord, .suggestion = "do/measure/(Give time measurement)",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*53*/ {.word = "take*", .n1 = "u*", .when = TakeTableWord, .suggestion = "adjust/(Give time measurement)",
            .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642, .outcome = kPass1},
    /*54*/ {.word = "take*", .n1 = "r*", .when = TakeTableWord, .covers = 2, .code = Msg::WrongVerb, .ruleId = 2642,
            .outcome = kPass1},
    /*55*/ {.word = "take*"},
    /*56*/ {.word = "try|tries", .p1 = "to", .n1 = "to", .suggestion = "(Rephrase)", .covers = 3, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 6672, .outcome = kPass1},
    /*57*/ {.word = "try|tries"},
    /*58*/ {.word = "transmit*", .n1 = "power", .suggestion = "(Use \"send\" if not electrical)",
            .code = Msg::WrongVerb, .ruleId = 3319},
    /*59*/ {.word = "transmit*", .p1 = "wheel*", .suggestion = "(Use \"send\" if not electrical)",
            .code = Msg::WrongVerb, .ruleId = 3319},
    /*60*/ {.word = "transmit*"},
    /*61*/ {.word = "touch*", .n1 = "up", .suggestion = "apply paint", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 2320, .outcome = kCovered},
    /*62*/ {.word = "touch*", .n1 = "live", .suggestion = "touch electrical wires", .covers = 2,
            .code = Msg::WrongVerb, .ruleId = 2320, .outcome = kCovered},
    /*63*/ {.word = "touch*", .n1 = "off", .suggestion = "cause/start", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 2320, .outcome = kCovered},
    /*64*/ {.word = "touch*"},
    /*65*/ {.word = "tune*", .n1 = "up|out", .suggestion = "adjust/tune", .covers = 2, .code = Msg::WrongVerb,
            .ruleId = 2320, .outcome = kCovered},
    /*66*/ {.word = "tune*", .p1 = "fine", .suggestion = "adjust/tune", .covers = 2, .on = On::P1,
            .code = Msg::WrongVerb, .ruleId = 2320},
};

constexpr RuleRow kU[] = {
    /*0*/ {.word = "use", .when = VerbMarked, .then = MakeNoun},
    /*1*/ {.word = "use", .n1Class = {Cls::Adverb57}, .then = MakeNoun},
    /*2*/ {.word = "use", .when = PrevCodeAdjective, .then = MakeNoun},
    /*3*/ {.word = "use"},
    /*4*/ {.word = "use*", .n1 = "care|caution|extreme|of", .n1Class = {Cls::Of}, .then = MakeNoun},
    /*5*/ {.word = "use*", .n1 = "care|caution|extreme|of", .suggestion = "be careful/obey all safety instructions",
           .covers = 2, .code = Msg::WrongChoice, .ruleId = 2902, .outcome = kCovered},
    /*6*/ {.word = "use*", .n1 = "fingers|hands", .suggestion = "use your", .code = Msg::Awkward, .ruleId = 3902,
           .outcome = kCovered},
    /*7*/ {.word = "use*", .p1Class = {Cls::Article, Cls::Pronoun, Cls::Demonstrative}, .then = MakeNoun},
    /*8*/ {.word = "use*", .p1 = "its", .then = MakeNoun},
    /*9*/ {.word = "use*", .when = VerbMarked, .then = MakeNoun},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbRowsT() { return kT; }
std::span<const RuleRow> VerbRowsU() { return kU; }
