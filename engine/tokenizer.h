#pragma once
// The tokenizer: turns the text under check (narrow text with its markup,
// processing instructions, comments and entities written out, ending with
// ". @@END") into the module-wide word list.
#include <cstddef>
#include <span>
#include <string>

#include "platform/bounded_text.h"

// Module-wide: what the tokenizer keeps between calls.
struct TokenizerState {
  BoundedText<36> endTag;  // the closing tag the scan last looked for
  // The element's name did not fit: a closing tag that begins with what the
  // buffer holds is taken, however its name runs on.
  bool endTagCut = false;
  void Reset() { *this = TokenizerState{}; }
};
extern TokenizerState Tokenizer;

// Module-wide: the text the tokenizer read last, as it was handed over.
// The places of the words (WordRec::place) are offsets into it.
struct CheckedTextState {
  std::string text;
  void Reset() { text = std::string(); }
};
extern CheckedTextState CheckedText;

// A stretch of the text that the scan passes over whole, as byte offsets
// into it (`end` past its last byte): what lies between two bodies of a
// document. The sentence ends there, as at a paragraph's end.
struct TextStretch {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool operator==(const TextStretch&) const = default;
};

// Builds WordList from `text`, which the scan may write to (line feeds in
// markup become blanks). The list it finds on entry is forgotten, not freed:
// the caller frees it first. `offset` and `mode` (1 document, 3 selection)
// are the callers' and not read here. `passOver`: stretches in text order.
void TokenizeText(char* text, int offset = 0, int mode = 1, std::span<const TextStretch> passOver = {});
