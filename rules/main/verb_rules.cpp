// Rules of the verbs of classes 20 and 21: the sentence state, the guards
// on the next word, the checks of a verb inside its sentence and the rules
// of a verb that opens it, before the trigger rules of its first letter.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/main/class_bodies.h"
#include "rules/main/verb_rule_tables.h"

namespace {

constexpr int kSplitRule = 4116;
constexpr int kLabelRule = 3943;
constexpr int kChangeToVerbRule = 5612;
constexpr int kTerminologyRule = 4666;
constexpr int kAfterEdRule = 5217;
constexpr int kGerundRule = 4943;
constexpr int kUnknownGerundRule = 4012;
constexpr int kNoRule = 5711;
constexpr int kNotRule = 5611;
constexpr int kOpeningTenseRule = 5612;
constexpr int kOpeningIngRule = 6012;
constexpr int kOpeningVerbRule = 1012;

constexpr Words kScreenWords = "click|select|reset|double-click";
constexpr Words kIndicatorNouns = "position|arrow|lever|light|seal|led|indicator";
constexpr Words kControlVerbs = "click|push|press|reset|run|stop|start";
constexpr Words kControlNouns =
    "application|button|command|function|control|key|label|level|mode|position|link|switch|window|state|screen";

bool IsNoun(const WordRec& w) { return w.wordClass < Cls::FirstNonNoun; }

// A neutral word carries no finding and goes to the rules of class 40.
void MakeNeutral(WordRec* w) {
  w->wordClass = Cls::Neutral;
  pass::ClearCodes(w);
}

// The next word ends the verb's processing: markup, a capital A, a number,
// an article, a conjunction, a split compound or a marked word. No value:
// the rules go on.
std::optional<Walk> NextWordGuard(const RuleContext& c) {
  const WordRec* n = c.N(1);
  if (!n) return std::nullopt;
  if (n->written.first() == 'A') return Walk::PassNext;
  const char f = n->text.first();
  if (f == '/' || f == '<' || n->splitKind == '4' || IsMarked(*n) ||
      ClassIsOneOf(*n, {Cls::MaterialNoun, Cls::Determiner, Cls::Class41, Cls::Number, Cls::AndOr, Cls::Article,
                        Cls::ForBy}))
    return Walk::Next;
  return std::nullopt;
}

// A capitalised verb and noun before a control noun ("Start Pump Switch")
// are a label: the verb becomes a neutral noun.
bool IsLabel(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (!n || w->caseFlag == '0' || n->caseFlag == '0' || !IsNoun(*n) || n->markFlag != '0') return false;
  if (NextIsControlNoun(n) != 1) return false;
  MakeNeutral(w);
  pass::SetFamily(w, 'N');
  return true;
}

// The checks of a verb inside its sentence; the first that applies decides.
Walk InsideChecks(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  WordRec* p = c.P(1);
  const WordRec& n1 = c.n1();
  if (n1.markFlag == '0' && n1.wordClass == Cls::Participle && c.n2().wordClass > 19) {
    SetWordMessage(n, Msg::Awkward, kLabelRule);
    return Walk::PassNext;
  }
  if ((n1.wordClass == Cls::Of && FirstIs(n1, 'o')) || n1.wordClass == Cls::Be) {
    SetWordMessage(w, Msg::ChangeToVerb, kChangeToVerbRule);
    return Walk::Next;
  }
  if (p && (CodeStarts(*p, 'A') || ClassIsOneOf(*p, {Cls::Adjective, Cls::Participle})) && IsMarked(*p)) {
    p->entryWords = 2;
    pass::SetClass(p, Cls::Noun, "NM*S");
    SetWordMessage(p, Msg::Terminology, kTerminologyRule);
    return Walk::Next;
  }
  // The article the next noun lacks; a later rule may replace the verb's finding.
  if (w->markFlag == '0' && n && IsNoun(*n) && n->markFlag == '0') SuggestArticleForNext(w);
  if (p && p->wordClass == Cls::VerbEd) {
    SetWordMessage(w, Msg::Rephrase, kAfterEdRule);
    return Walk::Next;
  }
  if (n1.wordClass == Cls::VerbIng) {
    if (!CodeStarts(n1, 'F')) {
      SetWordMessage(n, Msg::Gerund, kGerundRule);
      return Walk::PassNext;
    }
    if (n1.subClass == 0 && n1.markFlag == '0') {
      SetWordMessage(n, Msg::Gerund, kUnknownGerundRule);
      return Walk::PassNext;
    }
  }
  if (kScreenWords.Has(n1) || (TextIs(n1, "see") && n1.caseFlag != '0')) {
    if (n1.caseFlag != '0') {
      MakeNeutral(n);
      n->suggestion.clear();
    }
    return Walk::Next;
  }
  if (IsMarked(*w) && kIndicatorNouns.Has(n1)) return Walk::PassNext;
  if (TextIs(n1, "no")) {
    WriteSuggestion(n, "do not/does not");
    SetWordMessage(n, Msg::Negative, kNoRule);
    return Walk::PassNext;
  }
  if (n1.wordClass == Cls::Negation && n1.tokenKind == 0 && !FirstIs(*w, 'd')) {
    w->entryWords = 2;
    SetWordMessage(w, Msg::Negative, kNotRule);
    return Walk::SkipCovered;
  }
  if (IsNoun(n1) && n1.markFlag == '0' && n1.caseFlag == '0' && IsMarked(*w) && kControlVerbs.Has(*w) &&
      kControlNouns.Has(n1)) {
    if (w->caseFlag == '0') WriteSuggestion(w, "(Use <uicontrol> tag or BOLD)");
    return Walk::PassNext;
  }
  return ApplyVerbTriggers(c);
}

// A verb that opens its sentence (an instruction).
Walk OpenerRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  const WordRec& n1 = c.n1();
  if (n1.separatorFlag == '8' || IsMarked(n1)) return Walk::Next;
  if (n && IsNoun(*n) && n->markFlag == '0' && n->tokenKind == 0) SuggestArticleForNext(w);
  if (ClassIsOneOf(n1, {Cls::VerbEd, Cls::Of})) {
    w->entryWords = 2;
    SetWordMessage(w, Msg::VerbTense, kOpeningTenseRule);
    return Walk::SkipCovered;
  }
  if (n1.wordClass == Cls::VerbIng) {
    SetWordMessage(n, Msg::VerbTense, kOpeningIngRule);
    return Walk::PassNext;
  }
  if (auto o = ApplyFirstMatch(c, VerbOpenerRows())) return *o;
  if (w->written.view().find('-') == std::string_view::npos && IsMarked(*w) &&
      ClassIsOneOf(n1, {Cls::Verb, Cls::Modal}))
    SetWordMessage(w, Msg::WrongMeaning, kOpeningVerbRule);
  return Walk::Next;
}

bool NotElectricalObject(const RuleContext& c) {
  const WordRec* n = c.N(1);
  return n && !TextStartsOneOf(*n, {"elect", "circuit"}) && !TextIs(*n, "system") && !CodeStarts(*n, 'A');
}
void StopNoun(RuleContext& c, WordRec& t) {
  if (IsMarked(*c.word)) t.wordClass = Cls::Noun;
}

// clang-format off
constexpr RuleRow kOpeners[] = {
    /*0*/ {.word = "brea*", .n1 = "up|in|down|off", .suggestion = " Break/(Select another verb)",
           .code = Msg::PhrasalVerb, .ruleId = 3022},
    /*1*/ {.word = "energize", .when = NotElectricalObject, .suggestion = "(Correct elect. object.)",
           .code = Msg::WrongMeaning, .ruleId = 3022},
    /*2*/ {.word = "keep*", .n1 = "hands|feet|fingers|face", .code = Msg::Awkward, .ruleId = 3022},
    /*3*/ {.word = "refer", .n1Class = {Cls::To}, .then = verb_rows::MakeNeutral, .on = On::N1},
    // Every opening "stop" ends here.
    /*4*/ {.word = "stop", .then = StopNoun},
    /*5*/ {.word = "take*", .n1 = "caution|care", .suggestion = " Obey", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 3022, .outcome = Walk::SkipCovered},
    /*6*/ {.word = "u*", .n1 = "care", .suggestion = " Be careful/Make sure that", .covers = 2,
           .code = Msg::WrongVerb, .ruleId = 3022, .outcome = Walk::SkipCovered},
    /*7*/ {.word = "u*", .n1 = "up", .suggestion = " Use all the", .covers = 2, .code = Msg::WrongVerb,
           .ruleId = 3022, .outcome = Walk::SkipCovered},
};
// clang-format on

}  // namespace

std::span<const RuleRow> VerbOpenerRows() { return kOpeners; }

Walk ApplyVerbRules(RuleContext& c) {
  WordRec* w = c.word;
  SentenceStateRec& s = c.state;
  s.lastVerbClass = w->wordClass;
  s.verbIsSForm = w->wordClass == Cls::VerbS ? 1 : 0;
  if (w->splitKind == '4' && c.n1().splitKind == '4') {
    SetWordMessage(w, Msg::Hyphenation, kSplitRule);
    return Walk::Next;
  }
  if (s.clauseState == -1 || s.subjectNumber == -1) {
    s.clauseState = 1;
    s.subjectNumber = s.verbIsSForm;
  }
  if (auto o = NextWordGuard(c)) return *o;
  if (w->wordClass == Cls::Verb && s.sentenceWordCount < 2) return Walk::Next;
  if (IsLabel(c)) return Walk::Next;
  if (c.n1().wordClass == Cls::ShortForm) return Walk::Next;
  if (w->sentencePos == 0) return OpenerRules(c);
  if (w->sentencePos < 0) return Walk::Next;
  return InsideChecks(c);
}
