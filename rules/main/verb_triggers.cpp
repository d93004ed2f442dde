// The trigger rules of a verb inside its sentence, chosen by the verb's
// first letter, and the tests and writes that the letter tables share.
#include "engine/class_numbers.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "rules/main/verb_rule_tables.h"

namespace verb_rows {

bool SForm(const RuleContext& c) { return c.state.verbIsSForm == 1; }
bool BaseForm(const RuleContext& c) { return c.state.verbIsSForm != 1; }
bool ClassS(const RuleContext& c) { return c.word->wordClass == Cls::VerbS; }
bool ClassBase(const RuleContext& c) { return c.word->wordClass != Cls::VerbS; }
bool VerbMarked(const RuleContext& c) { return IsMarked(*c.word); }
bool NextMarked(const RuleContext& c) { return IsMarked(c.n1()); }

void MakeNoun(RuleContext&, WordRec& t) { t.wordClass = Cls::Noun; }
void MakeNeutral(RuleContext&, WordRec& t) { t.wordClass = Cls::Neutral; }
void MakeParticiple(RuleContext&, WordRec& t) { t.wordClass = Cls::Participle; }
void VerbCoversTwo(RuleContext& c, WordRec&) { c.word->entryWords = 2; }

}  // namespace verb_rows

namespace {

constexpr int kContinueRule = 3022;

// "continue" before an -ing word: "continue to <base form>". Only this
// word's rule: the other words in "continue" have rows of their own.
Walk ContinueGerund(RuleContext& c) {
  WordRec* n = c.N(1);
  if (!n || n->wordClass != Cls::VerbIng || n->subClass >= 299 || MakeVerbFromIng(n, 0) == -1)
    return Walk::Next;
  FormatSuggestion(c.word, "%s to %s", c.word->written.c_str(), n->suggestion.c_str());
  SetWordMessage(c.word, Msg::Gerund, kContinueRule);
  return Walk::PassNext;
}

}  // namespace

std::span<const RuleRow> VerbTriggerRows(char letter) {
  switch (letter) {
    case 'a': return VerbRowsA();
    case 'b': return VerbRowsB();
    case 'c': return VerbRowsC();
    case 'd': return VerbRowsD();
    case 'e': return VerbRowsE();
    case 'f': return VerbRowsF();
    case 'g': return VerbRowsG();
    case 'h': return VerbRowsH();
    case 'i': return VerbRowsI();
    case 'k': return VerbRowsK();
    case 'l': return VerbRowsL();
    case 'm': return VerbRowsM();
    case 'n': return VerbRowsN();
    case 'o': return VerbRowsO();
    case 'p': return VerbRowsP();
    case 'r': return VerbRowsR();
    case 's': return VerbRowsS();
    case 't': return VerbRowsT();
    case 'u': return VerbRowsU();
    default: return {};
  }
}

Walk ApplyVerbTriggers(RuleContext& c) {
  WordRec* w = c.word;
  if (TextIs(*w, "continue")) return ContinueGerund(c);
  // Cut with a flame: the advice stays unless a later row writes its own.
  if (TextStarts(*w, "cut") && TextIs(c.p1(), "flame"))
    WriteSuggestion(w, "cut with a flame/(Give welding process.)");
  const auto o = ApplyFirstMatch(c, VerbTriggerRows(w->text.first()));
  if (!o) return Walk::Next;
  // "close up", "close down", "close out": the walk also passes over the
  // word after the covered ones, but never beyond the end of the text.
  if (*o == Walk::SkipCovered && TextStarts(*w, "clos")) {
    c.word = SkipCoveredWords(w);
    return Walk::PassNext;
  }
  return *o;
}
