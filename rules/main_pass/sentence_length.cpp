#include "rules/main_pass/sentence_length.h"

#include <utility>

#include "engine/advice_hints.h"
#include "engine/covered_words.h"
#include "engine/entity_table.h"
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

// How a word may carry a length finding.
enum class Carrier {
  None,     // markup's placeholder, a sign, an option, a number...
  Name,     // a reference to an entity the check reads by its name
  Word,     // a word of the writer's
};

// Whether `w` can carry a length finding: not markup's placeholder, a sign
// or a command's option ("-F"), not a number nor a word that holds a digit
// or a sign ("HTML5"), and, after the sentence's first word, not the rest
// of a word that markup or a sign began ("s" of "<tag>row</tag>s").
Carrier CarrierKind(const WordRec& w, const WordRec* first) {
  if (RefusesSentenceLength(w) || (&w != first && !StandsApart(w))) return Carrier::None;
  if (IsTextWord(w)) return Carrier::Word;
  if (w.written.first() == '&' && NameReferenceLength(w.written.c_str()) > 0) return Carrier::Name;
  return Carrier::None;
}

// The word that carries the length finding of the sentence `first` opens:
// the first of the writer's words that can carry it, past what cannot and
// past the words that join such items into a list ("<Ref>, <Ref> and",
// "HTML5 and"), on which a finding of the comma before could lie. A
// reference the check reads by its name ("&product; gives") carries it as
// the writer's word it stands for, where the sentence holds words too.
// Null where the sentence holds no such word (a command's synopsis, a list
// of names).
WordRec* LengthFindingWord(WordRec* first) {
  bool passedOver = false;
  WordRec* name = nullptr;
  for (WordRec* w = first; !AtEnd(w) && (w == first || !EndsSentence(*w)); w = Next(w)) {
    if (passedOver && JoinsList(*w)) continue;
    const Carrier kind = CarrierKind(*w, first);
    if (kind == Carrier::Word) return name ? name : w;
    if (kind == Carrier::Name && !name) name = w;
    passedOver = true;
  }
  return nullptr;
}

// Gives the length finding to `w`, the word LengthFindingWord found for the
// sentence `first` opens, when that sentence is too long. The word only
// holds it: the rules judge it first, as they judge the same word inside a
// sentence.
bool GiveLengthTo(WordRec* first, WordRec* w) {
  if (first->sentenceLength <= kLongestSentence || !w) return false;
  w->heldLength = first->sentenceLength;
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

// The length finding of the sentence after the end mark `mark`: counted
// from its first word as the sentence-end rules count it, held where it is
// too long. A sentence within the limit leaves its first word as it was.
void HoldLaterSentenceLength(WordRec* mark) {
  // Marks in a row (":" and the full stop of a closing element) end one
  // sentence; the words after the last of them are the next sentence.
  WordRec* first = Next(mark);
  while (!AtEnd(first) && EndsSentence(*first)) first = Next(first);
  // A quotation read as one token ("<"Stop">") opens no sentence judged
  // here: its marks are signs the finding refuses. Nor does a word the
  // tokenizer counts on from the mark before it: that mark ended no
  // sentence ("e.g<b>.</b>,").
  if (AtEnd(first) || (first->text.first() == '<' && !IsPlaceholder(*first)) || first->sentencePos != 0) return;
  WordRec* carrier = LengthFindingWord(first);
  if (!carrier || carrier->heldLength > 0) return;
  // The collection writes a word's length field into the key of any
  // finding it carries: a sentence within the limit leaves it as it was,
  // and so does a first word that does not carry the finding.
  const std::int32_t before = first->sentenceLength;
  CountSentenceWords(first, 1);
  if (!GiveLengthTo(first, carrier) || carrier != first) first->sentenceLength = before;
}

// A mark that ends a sentence as the sentence-end rules read one: a full
// stop, a question or exclamation mark, a colon or a semicolon read as a
// sentence's end, not the first word of its sentence.
bool ClosesJudgedSentence(const WordRec& w) {
  const char c = w.text.first();
  return w.wordClass == 48 && w.sentencePos > 0 && (c == '!' || c == '?' || c == '.' || c == ':' || c == ';');
}

}  // namespace

void GiveHeldSentenceLengths(WordRec* head) {
  for (WordRec* w = head; !AtEnd(w); w = w->next)
    if (w->heldLength > 0) GiveHeldLength(w, std::exchange(w->heldLength, 0));
}

void HoldSentenceLengths(WordRec* head) {
  if (AtEnd(head)) return;
  GiveLengthTo(head, LengthFindingWord(head));
  for (WordRec* w = Next(head); !AtEnd(w); w = Next(w))
    if (ClosesJudgedSentence(*w) && !AtEnd(Next(w))) HoldLaterSentenceLength(w);
}
