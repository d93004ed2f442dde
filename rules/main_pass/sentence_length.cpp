#include "rules/main_pass/sentence_length.h"

#include <utility>

#include "engine/advice_hints.h"
#include "engine/covered_words.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"
#include "engine/rule_match.h"
#include "engine/sentence_measures.h"

namespace {

// More weighted words than this make a sentence too long.
constexpr int kLongestSentence = 21;
// Rule id of the length finding.
constexpr int kSentenceLengthRule = 7655;

// A first word written as a phrase ("as follows") carries the finding on
// its first word only, so the phrase's advice, which replaces every word of
// it, is left as a hint. A repeated article ("the the") is no phrase: its
// correction takes out one of the two words it holds.
void CutAtFirstBlank(WordRec* w) {
  std::size_t blank = w->written.view().find(' ');
  if (blank == std::string_view::npos || w->tag.startsWith("<RP>")) return;
  if (!w->suggestion.empty()) w->suggestion = AsHints(w->suggestion.view());
  w->written.truncate(blank);
  w->length = static_cast<std::int32_t>(blank);
  w->text.truncate(blank);
  w->lastLetter = w->text.last();
}

// A mark after which the sentence-end rules count the next sentence.
bool EndsSentence(const WordRec& w) {
  const char c = w.text.first();
  return w.wordClass == 48 || c == '.' || c == '!' || c == '?' || c == ':' || c == ';';
}

// A word that joins names into a list: "a, b or c".
bool JoinsList(const WordRec& w) { return w.text == "," || w.text == "and" || w.text == "or"; }

// The word that carries the length finding of the sentence `first` opens:
// `first`, or, where placeholders open it, the first of the writer's words
// after them: past the words that join the placeholders into a list
// ("<Ref>, <Ref> and"), on which a finding of the comma before could lie,
// and past a sign or the rest of a word right after markup ("-", "s" of
// "<tag>row</tag>s"). Null where the sentence holds no such word: signs
// and pieces of words one after another are code (a command's synopsis),
// not the writer's sentence.
WordRec* LengthFindingWord(WordRec* first) {
  if (!IsPlaceholder(*first)) return first;
  bool afterMarkup = true;
  for (WordRec* w = Next(first); !AtEnd(w) && !EndsSentence(*w); w = Next(w)) {
    if (IsPlaceholder(*w)) {
      afterMarkup = true;
    } else if (!JoinsList(*w)) {
      if (IsTextWord(*w) && StandsApart(*w)) return w;
      if (!afterMarkup) return nullptr;
      afterMarkup = false;
    }
  }
  return nullptr;
}

// Gives the length finding to `w`, the word LengthFindingWord found for the
// sentence `first` opens, when that sentence is too long. A word after
// markup only holds it: the rules judge that word first, as they judge the
// same word after a plain one.
bool GiveLengthTo(WordRec* first, WordRec* w) {
  if (first->sentenceLength <= kLongestSentence || !w) return false;
  if (w != first) {
    w->heldLength = first->sentenceLength;
    return true;
  }
  w->entryWords = 1;
  CutAtFirstBlank(w);
  SetWordMessage(w, Msg::SentenceLength, kSentenceLengthRule);
  return true;
}

// A placeholder of the markup before `w` whose finding the marking puts on
// `w`, the first word of the writer's that stands free after it; or null.
WordRec* PlaceholderFindingBefore(const WordRec* w) {
  for (WordRec* p = Prev(w); p && !IsTextWord(*p); p = Prev(p)) {
    if (IsPlaceholder(*p) && HasFinding(*p)) return p;
    if (p->sentencePos == 0) break;
  }
  return nullptr;
}

// Gives a held length finding of `length` to the word that holds it, now
// that the rules have judged it. A finding the word carries goes behind
// the length finding with its advice; one that covers several words (or a
// finding of an earlier word that covers this one, or one of the markup
// before it that the marking puts on it) gives its marker, whose words and
// advice stay.
void GiveHeldLength(WordRec* w, std::int32_t length) {
  WordRec* at = EarlierFindingOver(w);
  if (!at && !HasFinding(*w)) at = PlaceholderFindingBefore(w);
  if (!at) at = w;
  if (RefusesSentenceLength(*at)) return;
  if (!HasFinding(*at)) {
    at->entryWords = 1;
    CutAtFirstBlank(at);
  } else if (at->subClass == 0) {
    // The finding's code stays where the collection reads the marks it
    // decides ("it's" and its advice).
    at->subClass = at->message;
  }
  at->sentenceLength = length;
  SetWordMessage(at, Msg::SentenceLength, kSentenceLengthRule);
}

}  // namespace

void GiveHeldSentenceLengths(WordRec* head) {
  for (WordRec* w = head; !AtEnd(w); w = w->next)
    if (w->heldLength > 0) GiveHeldLength(w, std::exchange(w->heldLength, 0));
}

bool GiveSentenceLength(WordRec* first) { return GiveLengthTo(first, LengthFindingWord(first)); }

void JudgeLaterSentence(WordRec* mark) {
  // Marks in a row (":" and the full stop of a closing element) end one
  // sentence; the words after the last of them are the next sentence.
  WordRec* first = Next(mark);
  while (!AtEnd(first) && EndsSentence(*first)) first = Next(first);
  // A quotation read as one token ("<"Stop">") opens no sentence judged
  // here: its marks are signs the finding refuses, and its rule id stays.
  if (AtEnd(first) || (first->text.first() == '<' && !IsPlaceholder(*first))) return;
  WordRec* carrier = LengthFindingWord(first);
  if (!carrier || carrier->message == Msg::SentenceLength || carrier->heldLength > 0) return;
  // The collection writes a word's length field into the key of any
  // finding it carries: a sentence within the limit leaves it as it was,
  // and so does the placeholder that opens a sentence too long.
  const std::int32_t before = first->sentenceLength;
  CountSentenceWords(first, 1);
  if (!GiveLengthTo(first, carrier) || carrier != first) first->sentenceLength = before;
}
