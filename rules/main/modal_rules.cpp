// Rules of the modal and auxiliary verbs, class 28. Every word first passes
// the frame: a modal before a sentence end, a comma, inner punctuation, a
// short form or an -ed word is a wrong tense; a marked next word ends the
// rules; a modal that opens its sentence is read as a question. Inside the
// sentence the word goes to its family by its first letter.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/class_bodies.h"
#include "rules/main/modal_families.h"

namespace {

constexpr const char* kAvoidQuestion = "(Avoid question format)";

bool EndsTheVerb(const WordRec& n) {
  return ClassIsOneOf(n, {Cls::SentenceEnd, Cls::InnerPunctuation, Cls::ShortForm, Cls::Comma, Cls::VerbEd}) ||
         n.text.first() == '@';
}

bool IsQuestion(RuleContext& c) { return FindQuestionMark(c.word) == 1; }

// A modal that opens its sentence.
Walk OpeningModal(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (TextIsOneOf(*w, {"do", "should", "can", "will"})) {
    // A pronoun, an article, a demonstrative or a negative after the verb
    // makes an ordinary question of it.
    if (ClassIsOneOf(n, {Cls::FirstPerson, Cls::Demonstrative, Cls::Article, Cls::Negation}) ||
        n.written.first() == 'I' || TextIs(n, "not") || IsMarked(n))
      return Walk::Next;
    if (IsQuestion(c)) return Walk::Next;
    WriteSuggestion(w, kAvoidQuestion);
    SetWordMessage(w, Msg::Awkward, 5112);
    return Walk::Next;
  }
  if (TextIs(*w, "did")) {
    if (!IsQuestion(c)) {
      WriteSuggestion(w, kAvoidQuestion);
      SetWordMessage(w, Msg::Awkward, 5212);
      return Walk::Next;
    }
    if (ClassIsOneOf(n, {Cls::FirstPerson, Cls::Negation}) || n.written.first() == 'I') return Walk::Next;
    SetWordMessage(w, Msg::Awkward, 5112);
    return Walk::Next;
  }
  if (TextIs(*w, "doing")) {
    SetWordMessage(w, Msg::WrongVerb, 5112);
    return Walk::Next;
  }
  if (IsQuestion(c)) {
    SetWordMessage(w, Msg::Awkward, 7112);
  } else {
    SetWordMessage(w, Msg::VerbTense, 4625);
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyModalRules(RuleContext& c) {
  WordRec* w = c.word;
  if (WordRec* n = c.N(1); n && EndsTheVerb(*n)) {
    if (n->wordClass == Cls::ShortForm) SetWordMessage(n, Msg::WrongVerb, 4015);
    SetWordMessage(w, Msg::VerbTense, 5726);
    return Walk::Next;
  }
  if (IsMarked(c.n1())) return Walk::Next;
  if (w->sentencePos == 0) return OpeningModal(c);
  switch (w->text.first()) {
    case 'c': return ApplyCanFamily(c);
    case 'd': return ApplyDoFamily(c);
    case 'm':
      if (TextIsOneOf(*w, {"may", "might"})) return ApplyMayFamily(c);
      if (TextIs(*w, "must")) return ApplyMustFamily(c);
      return Walk::Next;
    case 's': return ApplyShallFamily(c);
    case 'w': return ApplyWillFamily(c);
    default: return Walk::Next;
  }
}
