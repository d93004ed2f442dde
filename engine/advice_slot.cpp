#include "engine/advice_slot.h"

#include <algorithm>

#include "engine/advice_hints.h"
#include "engine/ascii_text.h"
#include "engine/class_numbers.h"
#include "engine/inflection.h"
#include "engine/message_codes.h"
#include "engine/neighbours.h"

namespace {

struct FiniteWord {
  std::string_view word;
  int form;
  int number;
};
constexpr FiniteWord kFiniteWords[] = {
    {"is", kFormS, 1},      {"was", kFormPast, 1}, {"are", kFormBase, 2}, {"were", kFormPast, 2},
    {"am", kFormBase, 3},   {"has", kFormS, 1},    {"have", kFormBase, 2}, {"had", kFormPast, 0},
};

struct AuxWord {
  std::string_view word;
  Aux stands;
};
constexpr AuxWord kAuxWords[] = {
    {"can", Aux::Modal},   {"cannot", Aux::Modal}, {"could", Aux::Modal}, {"may", Aux::Modal},
    {"might", Aux::Modal}, {"must", Aux::Modal},   {"shall", Aux::Modal}, {"should", Aux::Modal},
    {"will", Aux::Modal},  {"would", Aux::Modal},  {"does", Aux::S},      {"did", Aux::Past},  {"doing", Aux::Ing},
};

// A word after which a verb is in its base form: a modal, or a form of
// "do" that is not "doing".
bool IsModal(std::string_view lower) {
  const Aux aux = AuxOf(lower);
  return lower == "do" || (aux != Aux::Base && aux != Aux::Ing);
}

// "we’re", "you're", "I'm": the tokenizer reads either apostrophe as '?'.
bool EndsWithBeContraction(std::string_view lower) {
  const auto apostrophe = [](char c) { return c == '?' || c == '\'' || c == '\x92'; };
  return (lower.size() > 3 && lower.ends_with("re") && apostrophe(lower[lower.size() - 3])) ||
         (lower.size() > 2 && lower.ends_with('m') && apostrophe(lower[lower.size() - 2]));
}

// The advice names a verb by its note ("log on(v)"): the word it is for,
// whatever class the lookup gave it, is a verb.
bool NotesAVerb(std::string_view advice) {
  return advice.find("(v)") != std::string_view::npos || advice.find("(vb)") != std::string_view::npos;
}

// The `covers` words replaced end with "to" (a word of its own, or the
// last of a phrase the dictionary holds) and a verb's base form follows them.
bool EndsBeforeBareVerb(const WordRec& w, int covers) {
  const WordRec* last = Next(&w, std::max(covers, 1) - 1);
  if (last == nullptr) return false;
  const std::string_view text = last->text.view();
  if (text != "to" && !text.ends_with(" to")) return false;
  const WordRec* after = Next(last);
  // A word that is a noun or a verb keeps the base form it was found in
  // ("start", class 10 after "to").
  return after != nullptr && !AtEnd(after) && after->sentencePos > last->sentencePos &&
         (after->wordClass == Cls::Verb || after->verbForm == '0');
}

// The word of the text on one side of the `covers` words from `w` on (the
// words' text: the collection writes search marks into the written forms
// of the words before): the article the tokenizer set aside counts as the
// word before its word.
std::string_view WordBeside(const WordRec& w, int covers, bool after) {
  if (!after) {
    if (w.articleSetAside) return "the";
    return w.sentencePos > 0 ? EdgeWord(PrevOr(&w).text.view(), true) : std::string_view();
  }
  const WordRec* n = Next(&w, std::max(covers, 1));
  if (n == nullptr || n->sentencePos == 0 || AtEnd(n)) return {};
  return n->articleSetAside ? std::string_view("the") : EdgeWord(n->text.view(), false);
}

}  // namespace

Aux AuxOf(std::string_view lower) {
  for (const AuxWord& a : kAuxWords)
    if (a.word == lower) return a.stands;
  return Aux::Base;  // "do", "want": no form of their own but the base
}

bool IsBeWord(std::string_view lower) {
  return lower == "is" || lower == "are" || lower == "was" || lower == "were" || lower == "am" || lower == "be" ||
         lower == "been" || lower == "being";
}

bool FiniteForm(std::string_view lower, int* form, int* number) {
  for (const FiniteWord& f : kFiniteWords)
    if (f.word == lower) {
      *form = f.form;
      *number = f.number;
      return true;
    }
  return false;
}

AdviceSlot SlotOf(const WordRec& w, std::string_view advice) {
  return SlotOfFinding(w, w.entryWords, w.message, advice);
}

AdviceSlot SlotOfFinding(const WordRec& w, int covers, int message, std::string_view advice) {
  AdviceSlot slot;
  // The word before, unless an article the tokenizer set aside stands
  // between.
  const WordRec* before = w.sentencePos > 0 && !w.articleSetAside ? Prev(&w) : nullptr;
  if (before != nullptr) {
    const std::string_view b = before->text.view();
    slot.afterBe = IsBeWord(b) || EndsWithBeContraction(b);
    const WordRec* beforeNot = before->sentencePos > 0 ? Prev(before) : nullptr;
    slot.afterModal = IsModal(b) || (b == "not" && beforeNot != nullptr && IsModal(beforeNot->text.view()));
  }
  const int cls = w.wordClass;
  int form = 0, number = 0;
  const std::string_view text = w.text.view();
  // "is running" in one finding: what takes its place is for the subject
  // of "is". An agreement finding on the form alone names the right form.
  if (covers >= 2 && message != Msg::Agreement && IsBeWord(text) && FiniteForm(text, &form, &number)) {
    slot.replacesBe = true;
    slot.form = form;
    slot.number = number;
    slot.be = text;
  } else if (message != Msg::Gerund) {
    // A gerund's advice is there to take the -ing form away ("use" for
    // "using"): it keeps its own form.
    // A modal the rules read as a verb ("may appear") stands for any subject.
    if (IsModal(text)) {
      slot.verb = true;
    } else if ((cls >= Cls::Verb && cls <= Cls::VerbIng) || cls == Cls::Participle) {
      slot.verb = true;
      slot.form = AdviceForm(&w);
    } else if (cls == Cls::NounPlural && w.lastLetter == 's' && NotesAVerb(advice)) {
      slot.verb = true;
      slot.form = kFormS;  // "logs in": a verb's -s form the lookup read as a plural
    } else if (message == Msg::PhrasalVerb || (text.ends_with("ed") && AdviceForm(&w) == kFormPast)) {
      // A phrasal verb's rule gives its forms side by side ("remove/removed");
      // a verb's past that the rules read as another class ("any depth
      // desired") keeps its form too.
      slot.verb = true;
      slot.form = AdviceForm(&w);
    }
  }
  // After a modal a verb is in its base form, whatever its ending.
  if (slot.afterModal && slot.verb && slot.form >= 0) slot.form = kFormBase;
  slot.beforeBareVerb = EndsBeforeBareVerb(w, covers);
  const WordRec* last = Next(&w, std::max(covers, 1) - 1);
  slot.partOfWord = w.separatorFlag == '-' || (last != nullptr && Next(last) != nullptr && Next(last)->separatorFlag == '-');
  slot.opening = w.sentencePos == 0 && !w.articleSetAside;
  slot.capital = slot.opening && IsAsciiUpper(static_cast<unsigned char>(w.written[0]));
  slot.before = WordBeside(w, covers, false);
  if (w.articleSetAside && w.sentencePos > 0)
    slot.twoBefore = EdgeWord(PrevOr(&w).text.view(), true);
  else if (!w.articleSetAside && w.sentencePos > 1)
    slot.twoBefore = EdgeWord(PrevOr(&w, 2).text.view(), true);
  slot.after = WordBeside(w, covers, true);
  return slot;
}
