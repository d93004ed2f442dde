#include "engine/lookup_state.h"

#include "engine/word_rec.h"

LookupState Lookup;

namespace {

bool EndsRenumbering(const WordRec* r) {
  return r == nullptr || r->wordClass == 48 || r->written[0] == '@' || r->sentencePos == 0;
}

// A mark the lookup makes a sentence end (class 48) by its form: the walk
// numbers it and stops after it. The deferred walk reaches it before its
// lookup; the next sentence may begin at 1 (a paragraph's end gives way to
// the full stop before it), and a walk run on into it would number its words
// as if they continued this sentence.
bool EndsSentenceByForm(const WordRec* r) {
  if (r->text.length() != 1) return false;
  const char c = r->text[0];
  return c == '?' || c == '!' || c == ':' || (c == '.' && r->extraFlag != 'D');
}

}  // namespace

void RenumberSentenceFrom(WordRec* from, int position) {
  if (Lookup.deferRenumbering) {
    // Where the walk ends is decided as each record is reached: what ends it
    // is not changed before then.
    Lookup.renumberNext = from;
    Lookup.renumberPosition = position;
    return;
  }
  for (WordRec* r = from; !EndsRenumbering(r); r = r->next) {
    r->sentencePos = position++;
    if (EndsSentenceByForm(r)) break;
  }
}

void RenumberReached(WordRec* w) {
  if (w == nullptr || w != Lookup.renumberNext) return;
  if (EndsRenumbering(w)) {
    Lookup.renumberNext = nullptr;
    return;
  }
  w->sentencePos = Lookup.renumberPosition++;
  Lookup.renumberNext = EndsSentenceByForm(w) ? nullptr : w->next;
}

DeferredRenumbering::DeferredRenumbering() {
  Lookup.deferRenumbering = true;
  Lookup.renumberNext = nullptr;
}

DeferredRenumbering::~DeferredRenumbering() {
  Lookup.deferRenumbering = false;
  WordRec* rest = Lookup.renumberNext;
  Lookup.renumberNext = nullptr;
  if (rest) RenumberSentenceFrom(rest, Lookup.renumberPosition);
}
