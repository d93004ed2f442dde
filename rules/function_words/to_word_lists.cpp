// The two word lists round "to": the words the vocabulary does not accept
// before an infinitive, and the words that do not belong after "to". The
// advice is not stored per word: the letters of the listed word choose it,
// so a word added to a list takes the advice its spelling selects.
#include "engine/class_numbers.h"
#include "engine/rule_text.h"
#include "rules/common/held_be.h"
#include "rules/function_words/to_tables.h"

namespace to_rules {
namespace {

char At(std::string_view w, std::size_t i) { return i < w.size() ? w[i] : '\0'; }

const char* BeforeA(char c1) {
  switch (c1) {
    case 'b': return "can";
    case 'd': return "obey/(Rephrase)";  // "adhere to"
    case 'i': return "want to";           // "aim to": the marker holds "to" too
    case 'h': return "obey/(Rephrase)";
    case 'l': return "let/(Rephrase)";
    case 'p': return "visible/can/(Rephrase)";
    default: return "want";
  }
}

const char* BeforeB(char c2) {
  if (c2 == 's' || c2 == 't') return "you must/(Rephrase)";
  if (c2 == 'c') return "to";
  return "increase to";
}

const char* BeforeC(char c2) {
  if (c2 == 'p') return "can";
  if (c2 == 'e') return "make a check/inspect/examine";
  return "near/(Give distance)";
}

// Two passes: the second overwrites what the first chose for "du" and "de".
const char* BeforeD(char c1, char c2) {
  const char* advice = c1 == 'u' ? "caused by" : c1 == 'a' ? "damage to" : "decrease to";
  if (c1 == 'u') advice = "caused by";
  else if (c1 == 'e') advice = c2 == 't' ? "is/are" : "(Give Range)";
  return advice;
}

const char* BeforeF(std::string_view w) {
  if (w == "first") return "(Rephrase)";
  if (w == "free") return "(can)/(will)";  // "feel free to", "are free to": the verb goes too
  if (w == "fallen") return "(Give Measurement)";
  if (w.starts_with("fail")) return "do not";
  return nullptr;
}

const char* BeforeP(char c1, char c2) {
  if (c2 == 'y') return "(Rephrase)";
  if (c1 == 'u') return "(Delete)";
  if (c1 == 'l') return "will/(Rephrase)";
  if (c2 == 'r') return "to/(Rephrase)";
  if (c2 == 'o') return "continue to/go to";
  if (c1 == 'r') {
    if (c2 == 'i') return "before";
    if (c2 == 'o') return "a forecast";
  }
  if (c1 == 'a') return "(Rephrase)";
  return nullptr;
}

const char* BeforeR(char c1, char c2) {
  if (c2 == 'c') return "recommend that you/recommend that";
  if (c2 == 'a') return "prepared to/set";
  if (c1 == 'e') return c2 == 's' ? "can/(Rephrase)" : "from a reference to";
  return "(Rephrase)";
}

const char* BeforeS(char c1, char c2, char c3) {
  if (c1 == 'l') return "you can/can";
  if (c2 == 'l') return "for/(Rephrase)";
  if (c2 == 'i') return "is/are/(Rephrase)";
  if (c2 == 'e') return c3 == 'k' ? "want to" : "(Rephrase)";
  if (c2 == 'b') return "(Rephrase)";
  if (c1 == 'u') return "for/can have";
  if (c3 == 'm') return "show";
  if (c1 == 'e') return "second/next";
  return nullptr;
}

// A word of the before-"to" list; "check" only before "see", "down" only
// as a particle.
bool BeforeListed(const RuleContext& c) {
  static constexpr Words kList =
      "able|adher*|appear*|allow*|aim*|build|begin|back|best|better|capable|came|close|closer|"
      "drop*|determined|due|damages|desire|degree|expect*|free|first|fail*|fallen|going|get|grounded|"
      "home|hope|hoping|integral|intend|like|likely|lead|manage*|made|mean*|object|pay*|partly|plan|"
      "purpose|prior|peculiar|relative|relating|resort|ready|recommend|supposed|susceptible|second|"
      "stick|still|said|seem|subject|seek*|ties|wish";
  const WordRec* p = c.P(1);
  if (!p || c.word->sentencePos <= 0) return false;
  if (kList.Has(*p)) return true;
  if (p->text == "check") return c.n1().text == "see";
  if (p->text == "down") return p->wordClass == Cls::Particle;
  return false;
}

// A listed word after a "be" that a finding holds, or not.
bool BeforeListedAfterHeldBe(const RuleContext& c) { return BeforeListed(c) && BeHeld(c); }
bool BeforeListedAfterFreeBe(const RuleContext& c) { return BeforeListed(c) && !BeHeld(c); }

void WriteBeforeAdvice(RuleContext&, WordRec& prev) {
  if (const char* advice = BeforeToAdvice(prev.text.view())) WriteSuggestion(&prev, advice);
}

void WriteBeforeAdviceAfterHeldBe(RuleContext& c, WordRec& prev) {
  WriteBeforeAdvice(c, prev);
  FitAfterHeldBe(c, prev);
}

// The advice of the listed word, on the "be" before it.
void WriteListedAdvice(RuleContext& c, WordRec& be) {
  if (const char* advice = BeforeToAdvice(c.p1().text.view())) WriteSuggestion(&be, advice);
}

// A word of the after-"to" list before a noun or an adjective is accepted.
bool AfterListedBeforeNoun(const RuleContext& c) {
  const int n2 = c.n2().wordClass;
  return c.N(2) && (n2 < Cls::FirstNonNoun || n2 == Cls::Adjective);
}

void WriteAfterAdvice(RuleContext& c, WordRec& word) {
  if (const char* advice = AfterToAdvice(c.n1().text.view())) WriteSuggestion(&word, advice);
}

constexpr Words kAfterWords = "another|date|and|email|earth|further|light|level|for|type|such|spring|servicing";

// clang-format off
constexpr RuleRow kBeforeListRows[] = {
    // "is expected to", "are able to": what "can" replaces. The marker holds
    // all three words, and the advice is fitted to the subject of "is".
    /*0*/ {.p2 = "is|are|am", .when = BeforeListedAfterFreeBe, .then = WriteListedAdvice, .covers = 3, .on = On::P2, .code = Msg::WrongChoice, .ruleId = 3449},
    // A finding holds the "be" ("It is best to"): the listed word keeps its
    // marker, with the advice that reads after the "be".
    /*1*/ {.p2 = "is|are|am", .when = BeforeListedAfterHeldBe, .then = WriteBeforeAdviceAfterHeldBe, .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
    /*2*/ {.when = BeforeListed, .then = WriteBeforeAdvice, .covers = 2, .on = On::P1, .code = Msg::WrongChoice, .ruleId = 3449},
};

constexpr RuleRow kAfterListRows[] = {
    /*0*/ {.n1 = kAfterWords, .when = AfterListedBeforeNoun},
    /*1*/ {.n1 = kAfterWords, .then = WriteAfterAdvice, .covers = 2, .code = Msg::Awkward, .ruleId = 2182, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

const char* BeforeToAdvice(std::string_view w) {
  const char c1 = At(w, 1), c2 = At(w, 2), c3 = At(w, 3);
  switch (At(w, 0)) {
    case 'a': return BeforeA(c1);
    case 'b': return BeforeB(c2);
    case 'c': return BeforeC(c2);
    case 'd': return BeforeD(c1, c2);
    case 'e': return "can/(Rephrase for possible)";
    case 'f': return BeforeF(w);
    case 'g': return c1 == 'o' ? "will/to/(Rephrase)" : c1 == 'e' ? "go to/goes to/(Rephrase)"
                                                      : "connected to Ground";
    case 'h': return c2 == 'p' ? "must/(Rephrase)" : c1 == 'o' ? "can/will/want to" : nullptr;
    case 'i': return c1 == 'e' ? "(Rephrase)" : c1 == 'n' ? "part of/in/(Delete)" : "must/(Rephrase)";
    case 'l': return c1 == 'i' ? "can/want to/(Rephrase)" : "start/starts";
    case 'm': return c1 == 'n' ? "want to/(Rephrase)" : c1 == 'a' ? "refer to/for/(Rephrase)" : "can";
    case 'o': return c1 == 'b' ? "do not/(Rephrase)" : c1 == 'n' ? "to" : nullptr;
    case 'p': return BeforeP(c1, c2);
    case 'r': return BeforeR(c1, c2);
    case 's': return BeforeS(c1, c2, c3);
    case 't': return "(Give time measure)";
    case 'w': return "want/(Rephrase)";
    default: return nullptr;
  }
}

const char* AfterToAdvice(std::string_view w) {
  const char c1 = At(w, 1);
  switch (At(w, 0)) {
    case 'd': return "(Give Date Ref.)";
    case 'e': return c1 == 'a' ? "(to the ground terminal)" : "to send an email";
    case 'f': return "continue";
    case 'g': return "to the ground terminal";
    case 'l': return c1 == 'i' ? "illuminate" : "to make level";
    case 'm': return "to send an email";
    case 'p': return "(Give the standard name)";
    case 's': return c1 == 'p' ? "to move/to return" : "for maintenance";
    case 't': return "to enter";
    default: return nullptr;
  }
}

const std::span<const RuleRow> kBeforeList = kBeforeListRows;
const std::span<const RuleRow> kAfterList = kAfterListRows;

}  // namespace to_rules
