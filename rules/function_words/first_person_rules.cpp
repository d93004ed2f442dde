// Rules of the first- and second-person pronouns, class 78: instructions
// are written without them. The rules also keep the subject of the sentence
// for the agreement check.
#include "engine/class_numbers.h"
#include "engine/rule_match.h"
#include "rules/function_words/first_person_tables.h"
#include "rules/function_words/function_word_bodies.h"

namespace {

// The pronoun is the subject the agreement check judges the verb against.
void Subject(RuleContext& c, int number) {
  c.state.subjectSeen = 1;
  c.state.subjectNumber = number;
}

}  // namespace

Walk ApplyFirstPersonRules(RuleContext& c) {
  using namespace first_person;
  WordRec& w = *c.word;
  w.subClass = 0;
  if (c.state.subjectSeen < 0) Subject(c, 0);
  if (TextIsOneOf(w, {"my", "me"})) {
    c.state.skipAgreement = 0;
    SetWordMessage(c.word, Msg::Pronoun, 1788);
    return Walk::Next;
  }
  if (w.written.first() == 'I') {
    c.state.subjectNumber = 0;
    return ApplyFirstMatch(c, kI).value_or(Walk::Next);
  }
  if (TextIs(w, "we")) {
    Subject(c, 0);
    c.state.skipAgreement = 0;
    return ApplyFirstMatch(c, kWe).value_or(Walk::Next);
  }
  if (TextIs(w, "us")) {
    Subject(c, 2);
    c.state.skipAgreement = 0;
    return ApplyFirstMatch(c, kUs).value_or(Walk::Next);
  }
  if (TextIsOneOf(w, {"her", "his"})) {
    Subject(c, 1);
    c.state.skipAgreement = 0;
    w.wordClass = Cls::Determiner;
    return ApplyFirstMatch(c, kHisHer).value_or(Walk::Next);
  }
  if (TextIs(w, "you")) {
    Subject(c, 0);
    return ApplyFirstMatch(c, kYou).value_or(Walk::Next);
  }
  return Walk::Next;
}
