// The "can" family (can, could, cannot) and the "do" family (do, does, did,
// doing) inside a sentence.
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "rules/main/modal_families.h"

namespace {

bool IsCanWord(const WordRec& w) { return w.length == 3; }

Walk CanNot(RuleContext& c) {
  const WordRec& n = c.n1();
  if (CodeStarts(n, 'V') || n.wordClass == Cls::Have) return Walk::Next;
  if (n.wordClass == Cls::Negation) SetWordMessage(c.word, Msg::Negative, 8114);
  return Walk::Next;
}

// "CAN" as the name of a bus or a message: the next word belongs to it.
bool IsCanBusName(const RuleContext& c) {
  const WordRec& n = c.n1();
  return c.word->written == "CAN" && (TextIs(n, "data") || TextStartsOneOf(n, {"message", "bridge"}));
}

Walk Doing(RuleContext& c) {
  WordRec* w = c.word;
  w->wordClass = Cls::VerbIng;
  if (TextIsOneOf(c.n1(), {"enough", "so"})) {
    w->entryWords = 2;
    SetWordMessage(w, Msg::Rephrase, 8112);
    return Walk::SkipCovered;
  }
  WriteSuggestion(w, "do/does/who does/to do");
  SetWordMessage(w, Msg::VerbTense, 2811);
  return Walk::Next;
}

Walk Did(RuleContext& c) {
  WordRec* w = c.word;
  const WordRec& n = c.n1();
  if (TextIsOneOf(n, {"enough", "so"})) {
    w->entryWords = 2;
    SetWordMessage(w, Msg::Rephrase, 7112);
    return Walk::SkipCovered;
  }
  if (n.wordClass == Cls::Negation) return Walk::Next;
  if (w->sentencePos > 0 && TextIs(n, "never")) {
    // The advice alone: "did never" reads "did not".
    w->entryWords = 2;
    WriteSuggestion(w, "did not");
    return Walk::SkipCovered;
  }
  if (WordRec* p = c.P(1); w->sentencePos >= 2 && p && ClassIsOneOf(*p, {Cls::Be, Cls::Have})) {
    p->entryWords = 2;
    WriteSuggestion(p, "has/had");
    SetWordMessage(p, Msg::VerbTense, 3811);
  }
  return Walk::Next;
}

Walk DoOrDoes(RuleContext& c) {
  WordRec* w = c.word;
  const bool does = TextIs(*w, "does");
  c.state.subjectNumber = does ? 1 : 0;
  w->wordClass = does ? Cls::VerbS : Cls::Verb;
  const WordRec& n = c.n1();
  if (!c.N(1)) return Walk::Next;
  if (n.wordClass == Cls::Negation) return Walk::PassNext;
  if (n.wordClass == Cls::Verb) {
    SetWordMessage(w, Msg::Delete, 4818);
    return Walk::Next;
  }
  if (IsMarked(n) || ClassIsOneOf(n, {Cls::Article, Cls::Number, Cls::Demonstrative})) return Walk::Next;
  if (ClassIsOneOf(n, {Cls::SentenceEnd, Cls::Comma})) {
    SetWordMessage(w, Msg::Awkward, 5819);
    return Walk::Next;
  }
  const auto rows = DoPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  if (w->sentencePos < 1) return Walk::Next;
  if (WordRec* p = c.P(1); p && TextIsOneOf(*p, {"make", "who", "why", "what"})) {
    p->entryWords = 2;
    SetWordMessage(p, Msg::Translation, 3483);
  }
  return Walk::Next;
}

}  // namespace

Walk ApplyCanFamily(RuleContext& c) {
  WordRec* w = c.word;
  if (!TextIsOneOf(*w, {"can", "could", "cannot"})) return Walk::Next;
  const WordRec& n = c.n1();
  if (IsCanWord(*w) && IsMarked(*w)) {
    w->wordClass = Cls::Noun;
    return Walk::Next;
  }
  if (TextIs(n, "not") && c.n2().wordClass == Cls::Verb && c.N(2)) return Walk::Next;
  if (IsCanWord(*w) && TextIs(n, "bus")) {
    w->entryWords = 2;
    WriteSuggestion(w, "CANbus");
    SetWordMessage(w, Msg::Spelling, 4816);
    return Walk::PassNext;
  }
  if (n.text.first() == '-' || n.text.first() == '+' || n.tokenKind > 0 || n.wordClass == Cls::Comma ||
      TextIsOneOf(n, {"do", "not"}) || w->extraFlag == '5')
    return Walk::Next;
  if (TextIs(*w, "cannot")) return CanNot(c);
  const auto rows = CanPhraseRows();
  if (const int i = MatchPhrase(c, rows); i >= 0) return ApplyPhrase(c, rows[static_cast<std::size_t>(i)]);
  if (TextIs(*w, "could")) {
    WriteSuggestion(w, "can");
    SetWordMessage(w, Msg::WrongVerb, 5116);
    return Walk::Next;
  }
  if (IsCanWord(*w) && IsCanBusName(c)) return Walk::PassNext;
  return Walk::Next;
}

Walk ApplyDoFamily(RuleContext& c) {
  if (TextIs(*c.word, "doing")) return Doing(c);
  if (TextIs(*c.word, "did")) return Did(c);
  if (TextIsOneOf(*c.word, {"do", "does"})) return DoOrDoes(c);
  return Walk::Next;
}
