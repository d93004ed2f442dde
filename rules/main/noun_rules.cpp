// Rules of the nouns, classes 10 to 19: the dispatch to the class blocks,
// the common nouns (10, 11) and the proper nouns (15).
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
#include "rules/function_words/function_word_rules.h"
#include "rules/main/class_bodies.h"
#include "rules/main/noun_parts.h"

namespace nouns {

namespace {

// Words after which a noun has nothing more to say: verbs, be and have,
// "not", neutral tokens, punctuation, pronouns and time conjunctions.
constexpr Classes kStopClasses = {Cls::Verb,    Cls::VerbS,   Cls::VerbEd,           Cls::VerbIng,
                                  Cls::Be,      Cls::Have,    Cls::Modal,            Cls::Negation,
                                  Cls::Neutral, Cls::InnerPunctuation, Cls::Comma,   Cls::SentenceEnd,
                                  Cls::Pronoun, Cls::TimeConjunction};

bool NextWeightAtMostTwo(const RuleContext& c) { return c.n1().weight <= 2; }

constexpr ClusterRules kCommonCluster = {kSilent, 37689, 3389, 3939, false, NextWeightAtMostTwo};

// "Valve are": the form of the next word that agrees with the noun.
Walk SingularAgreement(WordRec* n) {
  if (n->text[1] == 'e')
    WriteSuggestion(n, "was");
  else if (n->text[2] == 'v')
    WriteSuggestion(n, "has");
  else
    WriteSuggestion(n, "is");
  SetWordMessage(n, Msg::Agreement, 7041);
  return Walk::Next;
}

Walk PluralAgreement(WordRec* n) {
  if (n->text[1] == 's')
    WriteSuggestion(n, "are");
  else if (n->text[0] == 'h')
    WriteSuggestion(n, "have");
  else
    WriteSuggestion(n, "were");
  SetWordMessage(n, Msg::Agreement, 7041);
  return Walk::Next;
}

// A common noun that opens its sentence.
Walk OpeningCommonNoun(RuleContext& c) {
  WordRec* w = c.word;
  WordRec* n = c.N(1);
  if (w->markFlag == '0' && FindVerbAhead(n) == 1) {
    SuggestArticleThe(w);
    return Walk::Next;
  }
  // The agreement rules meet a next word of class 24 or 25, which has
  // already ended the word with the other verbs: they stay in their place.
  if (w->wordClass == Cls::Noun && n->wordClass == Cls::Have &&
      (n->text[1] == 'e' || n->text[1] == 'r' || n->text[2] == 'v'))
    return SingularAgreement(n);
  if (w->wordClass == Cls::NounPlural && n->wordClass == Cls::Be &&
      (n->text[1] == 's' || n->text[1] == 'a' || (n->text[0] == 'h' && n->text[2] == 's')))
    return PluralAgreement(n);
  // A compound written apart before two nouns wants its hyphen.
  const WordRec& n2 = c.n2();
  if (n->markFlag == '0' && ClassIsOneOf(*n, {Cls::Noun, Cls::NounPlural}) && n->subClass == 0 && !AtEnd(&n2) &&
      kNounClasses.Has(n2.wordClass) && w->subClass == 0 && w->written.view().find(' ') != std::string_view::npos &&
      w->written.view().find('-') == std::string_view::npos) {
    w->entryWords = n->tokenKind > 0 ? 1 : 2;
    FormatSuggestion(w, "%s-%s", w->written.c_str(), n->written.c_str());
    SetWordMessage(w, Msg::Hyphenation, 2830);
    return Walk::SkipCovered;
  }
  return Walk::Next;
}

}  // namespace

Walk CommonNounRules(RuleContext& c) {
  WordRec* w = c.word;
  ++c.state.clauseState;
  NoteSubject(c);
  if (CoveredByEarlierFinding(c)) return Walk::Next;
  if (w->separatorFlag == '8') {
    pass::ClearCodes(w);
    w->entryWords = 1;
    w->tag.clear();
    SetWordMessage(w, Msg::Punctuation, 3154);
    return Walk::Next;
  }
  if (w->extraFlag == 'Y') {
    SetWordMessage(w, Msg::Punctuation, 4154);
    return Walk::Next;
  }
  if (w->extraFlag == '5') {
    SetWordMessage(w, Msg::Apostrophe, 5156);
    return Walk::Next;
  }
  WordRec* n = c.N(1);
  if (!n || w->subClass > 0 || w->splitKind != '0' || w->message > 299 ||
      ClassIsOneOf(*n, {Cls::SentenceEnd, Cls::Adverb, Cls::VerbEd, Cls::Neutral}) || FirstIs(*n, '<'))
    return Walk::Next;
  if (w->markFlag == '0' && ((n->wordClass == Cls::Article && n->tokenKind == 0) ||
                             n->wordClass == Cls::QuantifierSingular || IsMarked(*n) || w->weight > 3)) {
    w->subClass = 12;
    return Walk::Next;
  }
  if (kStopClasses.Has(n->wordClass)) return Walk::Next;
  if (w->weight == 3 && w->wordClass == Cls::Noun && IsAsciiLower(w->written.first()) && FirstIs(*n, '(')) {
    w->subClass = 4;
    return Walk::Next;
  }
  if (auto o = ClusterStep(c, kCommonCluster)) return *o;
  if (w->sentencePos == 0) return OpeningCommonNoun(c);
  const WordRec& p = c.p1();
  if (w->sentencePos > 0 && p.wordClass == Cls::Number && IsMarked(*w)) {
    SetWordMessage(w, Msg::Awkward, 2931);
    return Walk::Next;
  }
  if (w->sentencePos > 0 && p.wordClass == Cls::Modal) {
    SetWordMessage(w, Msg::WrongVerb, 2931);
    return Walk::Next;
  }
  if (n->length == 1 && IsDigit(n->text.first())) n->wordClass = Cls::Neutral;
  return Walk::Next;
}

Walk ProperNounRules(RuleContext& c) {
  WordRec* w = c.word;
  ++c.state.clauseState;
  if (c.state.subjectSeen < 0) {
    c.state.subjectNumber = 0;
    ++c.state.subjectSeen;
  }
  WordRec* n = c.N(1);
  if (AtEnd(n) || ClassIsOneOf(*n, {Cls::VerbEd, Cls::SentenceEnd}) || w->subClass == 17 || w->sentencePos == 0 ||
      (IsAsciiLower(w->written[0]) && IsAsciiUpper(w->written[1])))
    return Walk::Next;
  if (w->extraFlag == '5') {
    pass::ClearCodes(w);
    w->suggestion.clear();
    w->verbForm = '>';
    SetWordMessage(w, Msg::Apostrophe, 4156);
    return Walk::Next;
  }
  if (w->splitKind == '2' || w->splitKind == '1') {
    SetWordMessage(w, Msg::Apostrophe, 2040);
    w->suggestion.clear();
    return Walk::Next;
  }
  if (kNounClasses.Has(n->wordClass) && n->weight > 3 && !CharIn(n->text.first(), "@ (")) {
    w->entryWords = 2;
    w->weight += n->weight;
    w->wordClass = n->wordClass;
    SetWordMessage(w, Msg::WordCluster, 3868);
    return Walk::SkipCovered;
  }
  return Walk::Next;
}

}  // namespace nouns

Walk ApplyNounRules(RuleContext& c) {
  switch (c.word->wordClass) {
    case Cls::Noun:
    case Cls::NounPlural:
      return nouns::CommonNounRules(c);
    case Cls::ProperNoun:
      return nouns::ProperNounRules(c);
    case Cls::Unit:
      return nouns::UnitRules(c);
    case Cls::MaterialNoun:
    case Cls::Nomenclature:
    case Cls::NomenclaturePlural:
      return nouns::OtherNounRules(c);
    default:
      // A combined reading below 10 belongs to the function-word rules.
      if (c.word->wordClass < Cls::Noun) {
        WordRec* w = c.word;
        ApplyFunctionWordRules(c);
        c.word = w;  // the pass goes on with the next word, whatever the call did
      }
      return Walk::Next;
  }
}
