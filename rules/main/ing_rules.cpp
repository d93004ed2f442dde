// Rules of the verbs in -ing, class 23. Every -ing word inside a sentence is
// first a gerund; the later steps replace that finding where the context
// says more: a progressive form after "be", an -ing word after "for" or
// "by", two gerunds joined by "and"/"or", the -ing words of the word table,
// and an -ing word that opens a sentence ("How to ...").
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbour_tests.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "platform/bounded_text.h"
#include "rules/main/class_bodies.h"
#include "rules/main/ing_tables.h"

namespace {

// The verb form built from the -ing word, for one word's rules.
using VerbText = BoundedText<84>;
// Suggestions formatted at a sentence start keep up to this size.
using StartSuggestion = BoundedText<84>;

constexpr int kFormBase = 0;
constexpr int kFormS = 1;

bool IsNoun(const WordRec* w) { return w && w->wordClass < Cls::FirstNonNoun; }

// Builds the base form (0) or the -s form (1) into the word's suggestion and
// copies it into `verb`; false when no form came out.
bool BuildForm(WordRec* w, int form, VerbText& verb) {
  if (MakeVerbFromIng(w, form) < 1 || w->suggestion.empty()) return false;
  verb = w->suggestion.view();
  return true;
}

// The -s form of the word whose base form is `base`, the word left as it
// is. Where the inflection code gives the -s form no ending of its own, it
// takes a plain "s".
VerbText SFormOf(const WordRec& w, const VerbText& base) {
  WordRec copy = w;
  copy.next = copy.prev = nullptr;
  VerbText s;
  if (MakeVerbFromIng(&copy, kFormS) >= 1 && !copy.suggestion.empty() && copy.suggestion.view() != base.view()) {
    s = copy.suggestion.view();
  } else {
    s = base.view();
    s.append('s');
  }
  return s;
}

bool IsBeForm(const WordRec& w) { return TextIsOneOf(w, {"is", "was", "are", "were"}); }
// "is" and "was" take the -s form.
int FormAfter(const WordRec& be) { return (be.text[1] == 'a' || be.text[1] == 's') ? kFormS : kFormBase; }

// Two -ing words joined by "and"/"or": both are gerunds with their base form.
void GerundPair(RuleContext& c, WordRec* second) {
  VerbText verb;
  if (BuildForm(c.word, kFormBase, verb)) SetWordMessage(c.word, Msg::Gerund, 5642);
  if (second->subClass < 299) {
    if (BuildForm(second, kFormBase, verb)) SetWordMessage(second, Msg::Gerund, 5642);
  } else {
    SetWordMessage(second, Msg::Gerund, 5652);
  }
  second->wordClass = Cls::Neutral;
}

// Steps 9 to 14: the -ing word after "of", a marked word, a form of "be", a
// negative, a verb of beginning and ending, or "for".
Walk LaterSteps(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* p = c.P(1);
  const WordRec& n = c.n1();
  SentenceStateRec& s = c.state;
  VerbText verb;
  if (w->sentencePos > 2 && p && p->tokenKind == 0 && p->markFlag == '0' && w->subClass == 0) {
    if (n.message >= 300 || n.subClass >= 300) {
      p->weight = 2;
      SetWordMessage(p, Msg::Gerund, 2439);
      return Walk::Next;
    }
    if (ClassIsOneOf(*p, {Cls::ForBy, Cls::Of}) && n.markFlag == '0') {
      s.subjectNumber = 0;
      if (BuildForm(w, kFormBase, verb)) {
        p->weight = 2;
        // Not after "the" ("of the following"), which "to" cannot follow.
        FormatSuggestion(w, w->articleSetAside ? "(to %s)" : " to %s", verb.c_str());
        SetWordMessage(p, Msg::Gerund, 2339);
        return Walk::Next;
      }
    }
  }
  if (IsMarked(*w) || n.wordClass == Cls::Of) {
    if (BuildForm(w, kFormBase, verb)) {
      FormatSuggestion(w, w->articleSetAside ? "(that %s)" : "that %s", verb.c_str());
      SetWordMessage(w, Msg::Gerund, 5434);
      return Walk::Next;
    }
  }
  if (w->sentencePos >= 3 && p && ClassIsOneOf(*p, {Cls::Be, Cls::Have}) && IsBeForm(*p)) {
    s.subjectNumber = FormAfter(*p);
    if (!BuildForm(w, s.subjectNumber, verb)) return Walk::Next;
    p->entryWords = 2;
    SetWordMessage(p, Msg::Gerund, 5339);
    return Walk::Next;
  }
  if (w->sentencePos >= 3 && p && p->wordClass == Cls::Negation && w->markFlag == '0') {
    WordRec* be = c.P(2);
    if (!be || !IsBeForm(*be)) return Walk::Next;
    s.subjectNumber = FormAfter(*be);
    // "do", "does" and "did" take the base form whatever the subject.
    if (!BuildForm(w, kFormBase, verb)) return Walk::Next;
    const char* format = FirstIs(*be, 'a') ? "do not %s" : FirstIs(*be, 'i') ? "does not %s" : "did not %s";
    FormatSuggestion(be, format, verb.c_str());
    be->entryWords = 3;
    SetWordMessage(be, Msg::Gerund, 5339);
    return Walk::Next;
  }
  if (w->sentencePos >= 3 && p && p->subClass == 0 && w->markFlag == '0' &&
      TextIsOneOf(*p, {"start", "stop", "begin", "continue", "assist", "help"})) {
    p->entryWords = 2;
    SetWordMessage(p, Msg::Gerund, 3213);
    return Walk::Next;
  }
  if (w->sentencePos >= 1 && p && p->wordClass == Cls::Preposition && p->tokenKind == 0 && FirstIs(*p, 'f') &&
      w->subClass == 0) {
    if (IsMarked(*w)) return Walk::Next;
    s.subjectNumber = 1;
    if (BuildForm(w, kFormS, verb)) {
      p->entryWords = 2;
      SetWordMessage(p, Msg::Gerund, 4327);
    }
  }
  return Walk::Next;
}

Walk InsideRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* p = c.P(1);
  WordRec* n = c.N(1);
  SentenceStateRec& s = c.state;
  VerbText verb;
  SetWordMessage(w, Msg::Gerund, 3262);
  if ((n && ClassIsOneOf(*n, {Cls::Of, Cls::SentenceEnd, Cls::Comma})) || (p && p->wordClass == Cls::TimeConjunction))
    return Walk::Next;
  if (w->splitKind != '4' && p && p->wordClass == Cls::Have && (FirstIs(*p, 'w') || FirstIs(*p, 'a'))) {
    s.subjectNumber = 0;
    if (BuildForm(w, kFormBase, verb)) {
      p->entryWords = 2;
      SetWordMessage(p, Msg::Gerund, 5429);
    }
    return Walk::Next;
  }
  s.subjectNumber = 0;
  if (WordRec* n2 = c.N(2); n && n->wordClass == Cls::AndOr && n2 && n2->wordClass == Cls::VerbIng) {
    GerundPair(c, n2);
    return Walk::Next;
  }
  s.scratchResult = 0;
  if (p && p->wordClass == Cls::ForBy) {
    s.subjectNumber = 0;
    p->entryWords = 2;
    // Without a built form there is nothing to put in the advice.
    if (BuildForm(w, kFormBase, verb)) FormatSuggestion(p, "to %s/(%s)", verb.c_str(), verb.c_str());
    SetWordMessage(p, Msg::Gerund, 6434);
    return Walk::Next;
  }
  if (IsNoun(n) && n->markFlag == '0') {
    if (auto o = ApplyFirstMatch(c, IngWordRows())) return *o;
    if (TextIs(*w, "cooling")) w->wordClass = Cls::Adjective;
  }
  if (w->markFlag == '0' && IsNoun(p)) {
    s.subjectNumber = 0;
    if (!BuildForm(w, kFormBase, verb)) return Walk::Next;
    const VerbText sForm = SFormOf(*w, verb);
    FormatSuggestion(w, "%s/%s/with", verb.c_str(), sForm.c_str());
    if (n && n->wordClass == Cls::NounPlural) {
      n->verbForm = '0';
      pass::ClearCodes(n);
    }
    SetWordMessage(w, Msg::Gerund, 6434);
    return Walk::Next;
  }
  return LaterSteps(c);
}

void ToUpper(VerbText& t) {
  for (std::size_t i = 0; i < t.length(); ++i) t.set(i, static_cast<char>(AsciiUpper(t[i])));
}

// "How to %s/To %s" (or in capitals) of the verb, at the sentence start's
// bound; as hints after "the", which they cannot follow ("The following"),
// and for "test" and "check", which the rules of "to" make "make a test"
// and "make a check" with the approved dictionary. "To %s" is a hint too
// where no comma follows in the sentence, which the rules of "to" then ask
// for ("To add the plug-ins" as a title).
void HowTo(const RuleContext& c, WordRec* w, VerbText& verb, bool capitals) {
  const std::string_view bare = verb.view().substr(0, verb.view().find(' '));
  const bool hints = w->articleSetAside || (c.steDictionary == 1 && (bare == "test" || bare == "check"));
  const bool toHint = hints || ScanAheadForClass47(w) == -1;
  static constexpr const char* kFormats[2][2][2] = {
      {{"How to %s/To %s", "How to %s/(To %s)"}, {"(How to %s)/(To %s)", "(How to %s)/(To %s)"}},
      {{"HOW TO %s/TO %s", "HOW TO %s/(TO %s)"}, {"(HOW TO %s)/(TO %s)", "(HOW TO %s)/(TO %s)"}}};
  StartSuggestion text;
  const char* format = kFormats[capitals][hints][toHint];
  if (capitals) ToUpper(verb);
  text.format(format, verb.c_str(), verb.c_str());
  WriteSuggestion(w, text.view());
}

Walk OpeningRules(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  SentenceStateRec& s = c.state;
  s.subjectSeen = 1;
  s.lastVerbClass = Cls::VerbIng;
  s.subjectNumber = 0;
  VerbText verb;
  if (IsMarked(*w)) {
    s.lastVerbClass = -1;
    s.subjectSeen = 0;
    if (TextStarts(*w, "co")) {
      w->wordClass = Cls::Adjective;
      pass::SetFamily(w, 'A');
      return Walk::Next;
    }
    if (BuildForm(w, kFormBase, verb)) HowTo(c, w, verb, false);
    SetWordMessage(w, Msg::Gerund, 3338);
    return Walk::Next;
  }
  if (c.steDictionary && TextIs(*w, "cleaning")) return Walk::Next;
  if (!IsNoun(n)) {
    SetWordMessage(w, Msg::Gerund, 3338);
    return Walk::Next;
  }
  const bool plainNoun = n->markFlag == '0';
  if (!BuildForm(w, kFormBase, verb)) {
    SetWordMessage(w, Msg::Gerund, 3338);
    if (w->markFlag == '0' && plainNoun) SuggestArticleForNext(w);
    return Walk::Next;
  }
  if (plainNoun) verb.append(IsCaps(*w) ? " THE" : " the");
  HowTo(c, w, verb, IsCaps(*w));
  SetWordMessage(w, Msg::Gerund, 3338);
  pass::ClearCodes(n);
  return Walk::Next;
}

}  // namespace

Walk ApplyIngRules(RuleContext& c) {
  c.state.lastVerbClass = Cls::VerbIng;
  if (c.state.subjectNumber < 0) c.state.subjectNumber = 0;
  if (c.word->sentencePos < 0) return Walk::Next;
  if (c.word->sentencePos == 0) return OpeningRules(c);
  return InsideRules(c);
}
