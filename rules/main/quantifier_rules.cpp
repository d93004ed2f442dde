// Rules of the quantifiers that want a singular noun (class 37), of a
// determiner that opens its sentence (class 38) and of names (class 39).
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "rules/main/comparative_parts.h"
#include "rules/main/determiner_word_rules.h"

namespace {

constexpr int kQuantifierRule = 6864;
constexpr int kPluralFound = 99;

bool NextIsAdjective(const RuleContext& c) { return CodeStarts(c.n1(), 'A'); }
bool NextIsSingularNoun(const RuleContext& c) {
  return CodeStarts(c.n1(), 'N') && !ClassIsOneOf(c.n1(), {Cls::NounPlural, Cls::NomenclaturePlural});
}
bool NextIsDigit(const RuleContext& c) { return IsDigit(c.n1().text.first()); }
bool NextIsEnd(const RuleContext& c) {
  return c.n1().wordClass == Cls::SentenceEnd || c.n1().written == kSentinel;
}
bool Inside(const RuleContext& c) { return c.word->sentencePos > 0; }

// "all" before a word that is no adjective and no noun phrase.
bool AllBeforeNonAdjective(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && !CodeStarts(*n, 'A') && !ClassIsOneOf(*n, {Cls::Neutral, Cls::ShortForm, Cls::SentenceEnd}) &&
         !ClassIsOneOf(c.n2(), {Cls::NomenclaturePlural, Cls::VerbIng, Cls::NounPlural}) && n->lastLetter != 'd';
}
bool NearSentenceEnd(const RuleContext& c) { return c.word->sentencePos > c.state.sentenceWordCount - 2; }

constexpr Classes kPlurals = {Cls::NounPlural, Cls::NomenclaturePlural};

// clang-format off
constexpr RuleRow kQuantifierGate[] = {
    /*0*/ {.n1Class = {Cls::ShortForm, Cls::VerbEd, Cls::Of, Cls::Participle}},
    /*1*/ {.when = NextIsAdjective},
    /*2*/ {.n1 = "time", .suggestion = "When", .covers = 2, .code = Msg::WrongMeaning, .ruleId = kQuantifierRule,
           .outcome = Walk::PassNext},
    /*3*/ {.n1 = "and|every", .suggestion = "all", .covers = 3, .code = Msg::WrongMeaning, .ruleId = kQuantifierRule,
           .outcome = Walk::SkipCovered},
    /*4*/ {.when = NextIsSingularNoun},
};

constexpr RuleRow kQuantifier[] = {
    /*0*/ {.p1Class = {Cls::Of}},
    /*1*/ {.when = NextIsDigit},
    /*2*/ {.when = NextIsEnd, .code = Msg::Adjective, .ruleId = 5894},
    /*3*/ {.n1 = "other", .suggestion = "(Use change or interchange (STE))", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = kQuantifierRule, .outcome = Walk::SkipCovered},
    /*4*/ {.n1 = "single", .suggestion = "each", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = kQuantifierRule, .outcome = Walk::SkipCovered},
    /*5*/ {.n1 = "marked", .suggestion = "when/a mark", .covers = 2, .code = Msg::WrongMeaning,
           .ruleId = kQuantifierRule, .outcome = Walk::SkipCovered},
    /*6*/ {.p1 = "what", .when = Inside, .covers = 2, .on = On::P1, .code = Msg::Awkward, .ruleId = kQuantifierRule},
    /*7*/ {.n1Class = {Cls::Modal}, .when = Inside, .suggestion = "(Insert a subject)", .covers = 2,
           .code = Msg::WrongMeaning, .ruleId = kQuantifierRule, .outcome = Walk::SkipCovered},
    /*8*/ {.n1Class = kPlurals, .code = Msg::Agreement, .ruleId = kQuantifierRule},
    /*9*/ {.n1Class = {Cls::Be, Cls::Have}, .code = Msg::MissingReference, .ruleId = 8494},
};

constexpr RuleRow kOpeningDeterminer[] = {
    /*0*/ {.word = "all", .n1Class = kNounClasses},
    /*1*/ {.word = "all", .n1Class = {Cls::PlacePreposition}, .n2Class = {Cls::Determiner}, .when = AllBeforeNonAdjective,
           .covers = 3, .code = Msg::Delete, .ruleId = 6932, .outcome = Walk::SkipCovered},
    /*2*/ {.word = "all", .when = AllBeforeNonAdjective, .code = Msg::MissingReference, .ruleId = 2189},
    /*3*/ {.word = "all"},
    /*4*/ {.when = NearSentenceEnd},
    /*5*/ {.n1Class = {Cls::SentenceEnd, Cls::Comma}, .code = Msg::Awkward, .ruleId = 8674},
    /*6*/ {.n1Class = {Cls::Determiner, Cls::LeftRight}, .covers = 2, .code = Msg::Rephrase, .ruleId = 7188,
           .outcome = Walk::SkipCovered},
    /*7*/ {.n1Class = {Cls::AndOr}, .n2Class = {Cls::Determiner}, .covers = 3, .code = Msg::Measurement,
           .ruleId = 6188, .outcome = Walk::SkipCovered},
    /*8*/ {.n1 = "you", .n2 = "have", .n3 = "to", .covers = 3, .code = Msg::Rephrase, .ruleId = 8897,
           .outcome = Walk::SkipCovered},
};
// clang-format on

// Words that end the search for a plural noun: they close the noun phrase.
bool EndsNounPhrase(const WordRec& w) {
  return ClassIsOneOf(w, {Cls::Of, Cls::Article, Cls::PlacePreposition, Cls::As, Cls::ShortForm, Cls::Inch,
                          Cls::Comma}) ||
         (w.wordClass >= Cls::ProperNoun && w.wordClass <= Cls::Nomenclature);
}

}  // namespace

std::span<const RuleRow> QuantifierGateRows() { return kQuantifierGate; }
std::span<const RuleRow> QuantifierRows() { return kQuantifier; }
std::span<const RuleRow> OpeningDeterminerRows() { return kOpeningDeterminer; }

int SearchPluralNoun(const WordRec* w) {
  int count = 0;
  // The search stays inside the sentence: it stops at its end, at the end
  // record and where the list ends.
  for (const WordRec* p = Next(w); !AtEnd(p); p = Next(p)) {
    if (p->wordClass == Cls::SentenceEnd || p->sentencePos == 0 || EndsNounPhrase(*p)) break;
    if (kPlurals.Has(p->wordClass)) return kPluralFound;
    if (++count > 5) break;
  }
  return count;
}

Walk ApplyQuantifierRules(RuleContext& c) {
  c.state.subjectNumber = 1;
  if (auto o = ApplyFirstMatch(c, QuantifierGateRows())) return *o;
  c.state.scratchResult = SearchPluralNoun(c.word);
  if (c.state.scratchResult == kPluralFound) {
    if (c.n1().wordClass == Cls::Inch)
      SetWordMessage(c.word, Msg::MissingReference, kQuantifierRule);
    else
      SetWordMessage(c.word, Msg::Agreement, kQuantifierRule);
    return Walk::Next;
  }
  if (auto o = ApplyFirstMatch(c, QuantifierRows())) return *o;
  return Walk::Next;
}

Walk ApplyDeterminerRules(RuleContext& c) {
  if (c.word->sentencePos != 0) return ApplyDeterminerWordRules(c);
  c.state.subjectNumber = 0;
  if (auto o = ApplyFirstMatch(c, OpeningDeterminerRows())) return *o;
  return Walk::Next;
}

Walk ApplyNameRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = AtEnd(c.N(1)) ? nullptr : c.N(1);
  if (n && n->wordClass == Cls::Number) {
    n->wordClass = Cls::Neutral;
    return Walk::Next;
  }
  c.state.subjectNumber = 0;
  if (w->sentencePos == 0) return Walk::Next;
  pass::ClearCodes(w);
  w->extraFlag = '\0';
  w->splitKind = '0';
  if (!n) return Walk::Next;
  // A name spreads to the capitalised words and the unknown words after it.
  if (WordRec* n2 = c.N(2); n->wordClass == Cls::AndOr && n2 && !AtEnd(n2) &&
                            n2->subClass == Msg::NotInDictionary && n2->caseFlag != '0') {
    pass::ClearCodes(n2);
    n2->wordClass = Cls::ProperName;
    return Walk::Next;
  }
  if (n->subClass == Msg::NotInDictionary || n->message == Msg::NotInDictionary) {
    if (n->caseFlag != '0') {
      pass::ClearCodes(n);
      n->wordClass = Cls::ProperName;
    } else {
      n->wordClass = Cls::Neutral;
      n->message = Msg::NotInDictionary;
    }
    return Walk::Next;
  }
  if (n->wordClass == Cls::ShortForm || IsAsciiUpper(n->written.first())) {
    n->suggestion.clear();
    pass::ClearCodes(n);
    n->wordClass = Cls::ProperName;
  }
  return Walk::Next;
}
