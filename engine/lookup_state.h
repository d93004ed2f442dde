#pragma once
// Module-wide state of the dictionary lookup.

struct WordRec;

struct LookupState {
  // Number of words after the current one that a multi-word entry consumed
  // during the last match; -1 after the lookup merged them.
  int MatchExtraWords = 0;
  // A phrasal verb's merge renumbers the rest of its sentence. Done at once,
  // that is a walk to the sentence end per phrasal verb: quadratic in a long
  // sentence. The classification loop, which reaches every later word in
  // order, defers it instead: each word gets its number as it is reached.
  bool deferRenumbering = false;
  WordRec* renumberNext = nullptr;  // the record the walk numbers next; null when none is due
  int renumberPosition = 0;         // the number that record gets
  void Reset() { *this = LookupState{}; }
};
extern LookupState Lookup;

// Numbers the records from `from` on as `position`, `position` + 1, ... to
// the end of the sentence (a full stop already classed 48, the sentinel, or
// a record the tokenizer numbered 0, where the next sentence begins): at once,
// or as each is reached when the renumbering is deferred.
void RenumberSentenceFrom(WordRec* from, int position);

// Gives `w` its number if the deferred walk is due at it. The loop calls it
// for each record it reaches, and a merge for each record it takes in before
// freeing it, so that the walk neither dangles nor loses count.
void RenumberReached(WordRec* w);

// Defers the renumbering while it lives (the classification loop); at its
// end the walk that is still due is finished at once.
class DeferredRenumbering {
 public:
  DeferredRenumbering();
  ~DeferredRenumbering();
  DeferredRenumbering(const DeferredRenumbering&) = delete;
  DeferredRenumbering& operator=(const DeferredRenumbering&) = delete;
};
