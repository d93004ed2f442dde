#pragma once
// Null-safe access to a word's neighbours. Rules read the words around the
// one they judge; at the head or the end of the list (or in a short list
// without the sentinel) the neighbour is missing, and these helpers say so
// instead of following a null pointer.
#include "engine/word_rec.h"

// The k-th record after (before) `w`, or null when the list ends first.
// A word's neighbours lie in its own block: the mark that ends a block is
// read, the words past it are missing (a single step from any record, that
// mark too, still reaches the record beside it, as a walk over the list
// takes it).
inline WordRec* Next(const WordRec* w, int k = 1) {
  WordRec* p = const_cast<WordRec*>(w);
  for (int i = 0; p && i < k; ++i) {
    if (i > 0 && p->endsBlock) return nullptr;
    p = p->next;
  }
  return p;
}
inline WordRec* Prev(const WordRec* w, int k = 1) {
  WordRec* p = const_cast<WordRec*>(w);
  for (int i = 0; p && i < k; ++i) {
    if (i > 0 && p->endsBlock) return nullptr;
    p = p->prev;
  }
  return p;
}

// The sentinel: a record whose written form begins with "@@END" (the
// tokenizer ends its scan there, so no other word begins so).
inline bool IsSentinel(const WordRec* w) { return w && w->written.startsWith(kSentinel); }
// True for a missing record or the sentinel: where every pass stops.
inline bool AtEnd(const WordRec* w) { return !w || IsSentinel(w); }

// A record that stands for a missing neighbour: empty texts, zero numbers
// and blank flags, so that comparisons with it are simply false.
const WordRec& NoWord();

// The k-th neighbour, or NoWord() when it is missing.
inline const WordRec& NextOr(const WordRec* w, int k = 1) {
  const WordRec* p = Next(w, k);
  return p ? *p : NoWord();
}
inline const WordRec& PrevOr(const WordRec* w, int k = 1) {
  const WordRec* p = Prev(w, k);
  return p ? *p : NoWord();
}

// A part of a hyphenated word that the compound check split ("plug" and
// "in" of "plug-in"; the second part follows the hyphen): no word of its
// own to the rules that compare a word with its neighbours.
inline bool IsCompoundPart(const WordRec* w) {
  return w && (w->separatorFlag == '-' || (w->next && w->next->separatorFlag == '-'));
}

// A word the tokenizer put in for markup whose content it does not check
// (an inline element, a cross reference, a figure, a hidden warning): no
// text of the document reads as it.
inline bool IsPlaceholder(const WordRec& w) { return IsPlaceholderText(w.written.view()); }

// A word of the text that a marker can hold: one the text holds as it is
// written, not a word the tokenizer read for a sign ("and" for "&amp;"),
// nor a placeholder or a sign.
bool IsTextWord(const WordRec& w);

// Whether `w` begins a word of its own in the text: a blank, a start tag,
// an opening bracket or an opening quotation mark stands right before it
// ("verbose" of "(verbose)", "default" of "&quot;default&quot;"). Not so
// the rest of a word that an element, a reference or another sign began
// ("s" of "<tag>row</tag>s", "name" of "&lt;name&gt;", "F" of "-F"). A
// word that stands nowhere counts as apart.
bool StandsApart(const WordRec& w);

// The rest of a word that goes on right after `w`'s written form in the
// checked text, past an apostrophe or a hyphen: the mark and the letters
// and digits after it ("'ll" of "They'll", "'s" of "That's", "-IN" of
// "PLUG-IN"); empty where `w` ends its word there, or is no word the
// text holds as written (a placeholder).
std::string_view RestOfWordAfter(const WordRec& w);
