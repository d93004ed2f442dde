// Rules of the units and measures (class 17) and of the material and
// nomenclature nouns (classes 16, 18 and 19).
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/pass_marks.h"
#include "engine/rule_match.h"
#include "engine/rule_text.h"
#include "engine/suggestion_builders.h"
#include "engine/word_class_resolution.h"
#include "rules/common/words.h"
#include "rules/main/noun_parts.h"

namespace nouns {

namespace {

constexpr Classes kStopClasses = {Cls::Verb,    Cls::VerbS,   Cls::VerbEd,           Cls::VerbIng,
                                  Cls::Be,      Cls::Have,    Cls::Modal,            Cls::Negation,
                                  Cls::Neutral, Cls::InnerPunctuation, Cls::Comma,   Cls::SentenceEnd,
                                  Cls::Pronoun, Cls::TimeConjunction};

// Two capitalised words of weight 2 each are a name, not a cluster.
bool NotTwoCapitalised(const RuleContext& c) {
  const WordRec& w = *c.word;
  const WordRec& n = c.n1();
  return !(w.weight == 2 && n.weight == 2 && w.caseFlag == '1' && n.caseFlag == '1');
}

constexpr ClusterRules kOtherCluster = {3289, 3299, 3489, 3239, true, NotTwoCapitalised};

bool Has(const WordRec& w, char ch) { return w.written.view().find(ch) != std::string_view::npos; }

// A word of weight 4 before a word that is no noun: the compound wants its
// hyphen in place of the first blank.
Walk HeavyCompound(WordRec* w, const WordRec& n) {
  if (Has(*w, '-') || FirstIs(n, '(')) return Walk::Next;
  BoundedText<100> joined = w->written.view();
  const std::size_t blank = joined.view().find(' ');
  if (blank != std::string_view::npos) joined.set(blank, '-');
  WriteSuggestion(w, joined.view());
  if (blank != std::string_view::npos) SetWordMessage(w, Msg::Hyphenation, 2058);
  return Walk::Next;
}

Walk InnerOtherNoun(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (w->length > 4 && w->text[1] == '-' && IsAsciiLower(w->written.first())) {
    BoundedText<100> upper = w->written.view();
    upper.set(0, AsciiUpper(upper.first()));
    WriteSuggestion(w, upper.view());
    SetWordMessage(w, Msg::Capitalization, 3156);
    return Walk::Next;
  }
  if (w->wordClass == Cls::NomenclaturePlural && n->wordClass == Cls::NomenclaturePlural) {
    SetWordMessage(w, Msg::Awkward, 8678);
    return Walk::Next;
  }
  if (w->wordClass == Cls::NomenclaturePlural && n->wordClass == Cls::VerbS && n->markFlag == '0') {
    SetWordMessage(n, Msg::Agreement, 5641);
    return Walk::PassNext;
  }
  if (w->sentencePos > 0 && IsMarked(*w) && w->lastLetter == 'g' && NextToLast(w->text.view()) == 'n' &&
      n->wordClass == Cls::Of && n->text[1] == 'f') {
    WriteSuggestion(w, "(Use an infin. verb)");
    SetWordMessage(w, Msg::Gerund, 5141);
    w->wordClass = Cls::VerbIng;
    return Walk::Next;
  }
  WordRec* p = c.P(1);
  if (w->sentencePos > 0 && w->wordClass == Cls::Nomenclature && p && p->wordClass == Cls::To && IsMarked(*n)) {
    p->entryWords = 2;
    SetWordMessage(p, Msg::ChangeToNoun, 5341);
    w->wordClass = Cls::Verb;
  }
  return Walk::Next;
}

}  // namespace

Walk UnitRules(RuleContext& c) {
  WordRec* w = c.word;
  ++c.state.clauseState;
  WordRec* n = c.N(1);
  if (!n || CharIn(n->text.first(), ".<@") || w->separatorFlag == 'S' || w->subClass > 0) return Walk::Next;
  if (c.state.subjectSeen < 0 || c.state.subjectNumber == -1) {
    c.state.subjectNumber = 0;
    c.state.subjectSeen = 1;
  }
  if (CoveredByEarlierFinding(c)) return Walk::Next;
  if (w->sentencePos > 0 && w->text.startsWith("in.") && IsDigit(c.p1().text.first())) {
    CopyTag(w, "<AR>");
    WriteSuggestion(w, "inch");
    SetWordMessage(w, Msg::Spelling, 3198);
    return Walk::Next;
  }
  if (CharIn(w->text.first(), "shm") && TextIs(*n, "time")) {
    // The measure says the time already: "time" goes, and that ends the word.
    SetWordMessage(n, Msg::Delete, 4156);
    c.word = n;
    return Walk::Next;
  }
  if (IsMarked(*n) || ClassIsOneOf(*n, {Cls::Article, Cls::Demonstrative})) {
    SetWordMessage(w, Msg::ChangeToVerb, 4156);
    return Walk::Next;
  }
  if (w->written == "in.") {
    w->entryWords = 1;
    WriteSuggestion(w, "inch");
    CopyTag(w, "<AR>");
    SetWordMessage(w, Msg::Spelling, 1808);
    return Walk::Next;
  }
  if (w->separatorFlag == '8') {
    DottedForm(w);
    return Walk::Next;
  }
  if (w->splitKind == '2' || w->splitKind == '1') return Walk::Next;
  if (w->lastLetter == 's') w->wordClass = Cls::NounPlural;
  if (w->length == 1 && w->written == "V" && CharIn(n->written.first(), "DA")) {
    w->entryWords = 2;
    FormatSuggestion(w, "%s%s", w->written.c_str(), n->written.c_str());
    CopyTag(w, "<AR>");
    SetWordMessage(w, Msg::Spelling, 3156);
    return Walk::PassNext;
  }
  return Walk::Next;
}

Walk OtherNounRules(RuleContext& c) {
  WordRec* w = c.word;
  ++c.state.clauseState;
  NoteSubject(c);
  if (CoveredByEarlierFinding(c)) return Walk::Next;
  WordRec* n = c.N(1);
  if (!n || w->subClass > 0 || w->splitKind != '0' || CodeStarts(*n, 'V') || FirstIs(*n, '<') ||
      n->wordClass == Cls::Adverb || IsMarked(*n) || kStopClasses.Has(n->wordClass))
    return Walk::Next;
  if (w->separatorFlag == '8') {
    DottedForm(w);
    return Walk::Next;
  }
  if (w->text.view().find('-') != std::string_view::npos) {
    pass::ClearCodes(w);
    return Walk::Next;
  }
  if (auto o = ClusterStep(c, kOtherCluster)) return *o;
  if (w->sentencePos == 0 && w->markFlag == '0' && kNounClasses.Has(n->wordClass) && FindVerbAhead(n) == 1) {
    SuggestArticleThe(w);
    return Walk::Next;
  }
  w->verbForm = '\0';
  if (w->extraFlag == '5') {
    pass::ClearCodes(w);
    w->suggestion.clear();
    SetWordMessage(w, Msg::Apostrophe, 3156);
    return Walk::Next;
  }
  if (w->wordClass == Cls::NomenclaturePlural && n->wordClass == Cls::NomenclaturePlural && w->tokenKind == 0) {
    SetWordMessage(w, Msg::Awkward, 8678);
    return Walk::Next;
  }
  if (w->weight == 4 && !kNounClasses.Has(n->wordClass)) return HeavyCompound(w, *n);
  if (w->sentencePos != 0) return InnerOtherNoun(c);
  // The sentence start.
  if (w->wordClass == Cls::Nomenclature && n->wordClass == Cls::Have && (n->text[1] == 'e' || n->text[1] == 'r')) {
    WriteSuggestion(n, n->text[1] == 'e' ? "was" : "is");
    SetWordMessage(n, Msg::Agreement, 7041);
    return Walk::Next;
  }
  if (w->separatorFlag == '7' && n->wordClass != Cls::SentenceEnd &&
      !(n->wordClass == Cls::Comma && c.state.sentenceWordCount < 8)) {
    // A label word that opens its line: a finding of its own, through the
    // one setter, so that a locked word stays locked.
    SetWordMessage(w, Msg::Terminology, kLabelTerminologyRule);
    return Walk::Next;
  }
  return Walk::Next;
}

}  // namespace nouns
