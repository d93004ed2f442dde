// Rules of the forms of "be" and "have", classes 24 and 25: the verb class
// they leave in the sentence state, a form that ends its clause, a form
// that opens its sentence, and the hand-off of the others by their first
// letter to the rules of "be", "have" and "is".
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/common/words.h"
#include "rules/main/be_have_parts.h"
#include "rules/main/class_bodies.h"

namespace {

constexpr Words kMakeSureWords = "certain|absolutely|advised|careful|sure";

bool StartsWithOneOf(const WordRec& w, std::string_view firsts) {
  const char f = w.text.first();
  return f != '\0' && firsts.find(f) != std::string_view::npos;
}

// The next word belongs to what follows, not to the verb: no rule.
bool NextIsApart(const WordRec& w, const WordRec& n) {
  return n.splitKind == '4' || n.splitKind == '6' || StartsWithOneOf(n, "[</@") ||
         ClassIsOneOf(n, {Cls::NoNever, Cls::Verb}) ||
         (n.wordClass == Cls::Participle && n.classCode[3] == '3') || n.pluralMarker == 'H' || w.extraFlag == '4';
}

// The form ends its clause: a sentence end, a comma, a colon or semicolon.
bool EndsClause(const WordRec& w, const WordRec& n) {
  return ClassIsOneOf(n, {Cls::SentenceEnd, Cls::Comma}) || StartsWithOneOf(n, ":;") || w.tokenKind == 8 ||
         (FirstIs(w, 'h') && w.text.last() == 'g' && (IsMarked(n) || n.wordClass == Cls::Article));
}

// A form that opens its sentence.
Walk OpeningForm(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (IsMarked(n) || n.wordClass == Cls::Article) return Walk::Next;
  if (TextIs(*w, "have")) {
    WriteSuggestion(w, n.wordClass == Cls::Demonstrative ? " Make sure/(Rephrase)" : "(Rephrase without a question)");
    SetWordMessage(w, Msg::Rephrase, 4634);
    return Walk::Next;
  }
  if (MarkQuestionMark(w) == 1) {
    w->extraFlag = '*';
    return Walk::Next;
  }
  if (c.N(1) && kMakeSureWords.Has(n)) {
    w->entryWords = 2;
    WriteSuggestion(w, "Make sure/(Rephrase for meaning)");
    SetWordMessage(w, Msg::ProductLiability, 8634);
    return Walk::SkipCovered;
  }
  if (TextIs(*w, "be") && TextIs(n, "aware")) {
    w->entryWords = 2;
    WriteSuggestion(w, IsCaps(*w) ? "MAKE SURE/ BE CAREFUL" : " Make sure/ Be careful");
    SetWordMessage(w, Msg::Rephrase, 4634);
    return Walk::SkipCovered;
  }
  SetWordMessage(w, Msg::VerbTense, 7634);
  return Walk::Next;
}

}  // namespace

Walk ApplyBeHaveRules(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  int& last = c.state.lastVerbClass;
  last = (FirstIs(*w, 'w') || FirstIs(*w, 'h')) ? Cls::VerbEd : Cls::VerbS;
  // "has" or "have" before a noun or an article is a present form.
  if (last == Cls::VerbEd && FirstIs(*w, 'h') && c.N(1) && (n.wordClass < Cls::FirstNonNoun || n.wordClass == Cls::Article))
    last = Cls::VerbS;
  if (w->sentencePos > 0) {
    if (NextIsApart(*w, n)) return Walk::Next;
    if (EndsClause(*w, n)) {
      SetWordMessage(w, Msg::VerbTense, 5813);
      return Walk::Next;
    }
    if (IsMarked(n)) return Walk::Next;
  }
  if (w->sentencePos == 0) return OpeningForm(c);
  if (n.wordClass == Cls::Article) return Walk::Next;
  if (n.wordClass == Cls::Modal) {
    SetWordMessage(w, Msg::VerbTense, 4624);
    return Walk::Next;
  }
  switch (w->text.first()) {
    case 'b': return ApplyBeRules(c);
    case 'h': return ApplyHasRules(c);
    case 'a':
    case 'i':
    case 'w': return ApplyIsRules(c);
    default: return Walk::Next;
  }
}
