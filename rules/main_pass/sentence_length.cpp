#include "rules/main_pass/sentence_length.h"

#include <algorithm>
#include <string>
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
// correction takes out one of the two words it holds. A single word has
// no advice: a suggestion the rules left on it without a finding is none.
void CutAtFirstBlank(WordRec* w) {
  std::size_t blank = w->written.view().find(' ');
  if (blank == std::string_view::npos) w->suggestion.clear();
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

// The first word from `from` on, within its sentence, that can carry the
// length finding: past what cannot and past the words that join such items
// into a list ("<Ref>, <Ref> and", "HTML5 and"), on which a finding of the
// comma before could lie. A reference the check reads by its name
// ("&product; gives") carries it as the writer's word it stands for, where
// the sentence holds words too. `first` is the sentence's first word, or
// null where `from` follows words passed over.
WordRec* CarrierFrom(WordRec* from, const WordRec* first) {
  bool passedOver = first == nullptr;
  WordRec* name = nullptr;
  for (WordRec* w = from; !AtEnd(w) && (w == first || !EndsSentence(*w)); w = Next(w)) {
    if (passedOver && JoinsList(*w)) continue;
    const Carrier kind = CarrierKind(*w, first);
    if (kind == Carrier::Word) return name ? name : w;
    if (kind == Carrier::Name && !name) name = w;
    passedOver = true;
  }
  return nullptr;
}

// The word that carries the length finding of the sentence `first` opens:
// the first of the writer's words that can carry it. Null where the
// sentence holds no such word (a command's synopsis, a list of names).
WordRec* LengthFindingWord(WordRec* first) { return CarrierFrom(first, first); }

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

// The last word a finding on `at` holds: the words it covers, or `at`.
WordRec* LastHeldWord(WordRec* at) {
  WordRec* last = at;
  for (int i = 1; i < std::min(at->entryWords, 4) && !AtEnd(Next(last)); ++i) last = Next(last);
  return last;
}

// The record of the rest of the word that `last` ends inside of: the
// second part of a hyphenated word the compound check split ("in" of
// "plug-in"), or the letters the tokenizer read apart after an apostrophe
// or a hyphen ("ll" of "They'll"); null where `last` ends its word or the
// rest has no record of its own ("s" of "That's").
WordRec* RestOfWord(WordRec* last) {
  WordRec* next = Next(last);
  if (AtEnd(next)) return nullptr;
  if (next->separatorFlag == '-') return next;
  const std::int32_t after = last->place + static_cast<std::int32_t>(last->written.length());
  return !RestOfWordAfter(*last).empty() && next->place == after + 1 ? next : nullptr;
}

// Whether the length finding must leave `at` and its finding to themselves:
// a number keeps its finding ("10 mm"); a finding whose words end inside a
// word ("Thay" of "Thay'll", "plug" of "plug-in") keeps its marker there,
// but the length finding holds whole words; a possessive's marker holds its
// "'s". A word without a finding leaves it where the rest of its word has
// one.
bool LeavesToItsOwn(WordRec* at) {
  if (RefusesSentenceLength(*at)) return true;
  if (!HasFinding(*at)) {
    const WordRec* rest = RestOfWord(at);
    return rest && HasFinding(*rest);
  }
  WordRec* last = LastHeldWord(at);
  const bool possessive = last == at && at->splitKind == '2' && at->message == Msg::Apostrophe;
  return !possessive && (RestOfWord(last) || !RestOfWordAfter(*last).empty());
}

// A word without a finding of its own holds the length finding whole: with
// the rest of the word after a hyphen ("plug-in") or an apostrophe
// ("They'll", "That's"), which the search reads as any character.
void HoldWholeWord(WordRec* at) {
  const WordRec* part = Next(at);
  std::string whole = at->written.str();
  if (part && part->separatorFlag == '-') {
    whole += '-' + part->written.str();
  } else if (const std::string_view rest = RestOfWordAfter(*at); !rest.empty()) {
    whole += rest[0] == '-' ? '-' : '?';
    whole += rest.substr(1);
  }
  at->written = whole;
}

// Gives a held length finding of `length` to the word that holds it, now
// that the rules have judged it. A finding the word carries (or a finding
// of an earlier word that covers it, or one of the markup before it that
// the marking puts on it) keeps its marker, words and advice, which the
// collection shows as the length finding. Where that finding keeps a
// marker the length finding cannot hold (on a number, on a piece of a
// word), the next word after its words that can carry the length finding
// holds it. A word without a finding holds it alone, and whole.
void GiveHeldLength(WordRec* w, std::int32_t length) {
  WordRec* at = EarlierFindingOver(w);
  if (!at && !HasFinding(*w)) at = PlaceholderFindingBefore(w);
  if (!at) at = w;
  if (LeavesToItsOwn(at)) {
    // After the finding's words, and never back to `w` (markup before it).
    WordRec* last = at == w || EarlierFindingOver(w) == at ? LastHeldWord(at) : w;
    WordRec* next = CarrierFrom(Next(last), nullptr);
    if (next && next->heldLength == 0) next->heldLength = length;
    return;
  }
  if (!HasFinding(*at)) {
    at->entryWords = 1;
    CutAtFirstBlank(at);
    HoldWholeWord(at);
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
  // A word the tokenizer counts on from the mark before it opens no
  // sentence: that mark ended none ("e.g<b>.</b>,"). A quotation read as
  // one token ("<"IP">") does, as it does first in the text: the finding
  // passes over its signs to the next of the writer's words.
  if (AtEnd(first) || first->sentencePos != 0) return;
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
