#include "engine/lookup_state.h"

#include "engine/word_rec.h"

LookupState Lookup;

namespace {

bool EndsRenumbering(const WordRec* r) {
  return r == nullptr || r->wordClass == 48 || r->written[0] == '@' || r->sentencePos == 0;
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
  for (WordRec* r = from; !EndsRenumbering(r); r = r->next) r->sentencePos = position++;
}

void RenumberReached(WordRec* w) {
  if (w == nullptr || w != Lookup.renumberNext) return;
  if (EndsRenumbering(w)) {
    Lookup.renumberNext = nullptr;
    return;
  }
  w->sentencePos = Lookup.renumberPosition++;
  Lookup.renumberNext = w->next;
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
