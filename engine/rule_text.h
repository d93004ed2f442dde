#pragma once
// Bounded writers for the texts the rules build: short formatted texts,
// tags and suggestions. Every writer leaves a terminated text and cuts what
// does not fit.
#include <cstddef>
#include <string_view>

#include "engine/word_rec.h"
#include "platform/bounded_text.h"

// Size of the buffers FormatShortText writes into (terminator included).
inline constexpr std::size_t kShortTextSize = 100;
// Bound of formatted suggestions (terminator included).
inline constexpr std::size_t kFormattedSuggestionSize = 80;

// printf into a buffer of kShortTextSize bytes; the number of characters
// written, or -1 when the text did not fit (the buffer then holds the cut,
// terminated text).
int FormatShortText(char* buffer, const char* format, ...) __attribute__((format(printf, 2, 3)));
int FormatShortText(BoundedText<kShortTextSize>& field, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
int FormatShortText(SuggestionText& field, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Copies a marker such as "<AR>" into a tag field (at most 7 characters kept).
void CopyTag(BoundedText<8>& tagField, const char* marker);
inline void CopyTag(WordRec* w, const char* marker) {
  if (w) CopyTag(w->tag, marker);
}

// A literal suggestion, cut at the field's size.
void WriteSuggestion(WordRec* w, std::string_view text);
// The suggestion in the word's own case: all capitals after a word in
// capitals, a first capital after a capitalised word.
void SuggestionInWordCase(WordRec* w);
// A formatted suggestion, cut at kFormattedSuggestionSize.
void FormatSuggestion(WordRec* w, const char* format, ...) __attribute__((format(printf, 2, 3)));
