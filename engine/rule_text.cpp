#include "engine/rule_text.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

int FormatShortTextV(char* buffer, const char* format, va_list ap) {
  if (!buffer) return -1;
  if (!format) {
    buffer[0] = '\0';
    return 0;
  }
  int n = std::vsnprintf(buffer, kShortTextSize, format, ap);
  if (n < 0) {
    buffer[0] = '\0';
    return -1;
  }
  if (static_cast<std::size_t>(n) >= kShortTextSize) return -1;
  return n;
}

}  // namespace

int FormatShortText(char* buffer, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = FormatShortTextV(buffer, format, ap);
  va_end(ap);
  return n;
}

namespace {
// Formats into a short buffer, then sets the field from it (the field's own
// limit applies).
template <class Field>
int FormatIntoField(Field& field, const char* format, va_list ap) {
  char tmp[kShortTextSize];
  int n = FormatShortTextV(tmp, format, ap);
  field = std::string_view(tmp, strnlen(tmp, kShortTextSize));
  return n;
}
}  // namespace

int FormatShortText(BoundedText<kShortTextSize>& field, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = FormatIntoField(field, format, ap);
  va_end(ap);
  return n;
}

int FormatShortText(SuggestionText& field, const char* format, ...) {
  va_list ap;
  va_start(ap, format);
  int n = FormatIntoField(field, format, ap);
  va_end(ap);
  return n;
}

void CopyTag(BoundedText<8>& tagField, const char* marker) {
  tagField.clear();
  if (marker) tagField.assign(marker);
}

void WriteSuggestion(WordRec* w, std::string_view text) {
  if (!w) return;
  w->suggestion.clear();
  w->suggestion.assign(text);
}

void FormatSuggestion(WordRec* w, const char* format, ...) {
  if (!w || !format) return;
  char tmp[kFormattedSuggestionSize];
  va_list ap;
  va_start(ap, format);
  int n = std::vsnprintf(tmp, sizeof tmp, format, ap);
  va_end(ap);
  if (n < 0) tmp[0] = '\0';
  w->suggestion.clear();
  w->suggestion.assign(std::string_view(tmp, strnlen(tmp, sizeof tmp)));
}

void SuggestionInWordCase(WordRec* w) {
  for (std::size_t i = 0; i < w->suggestion.length(); ++i) {
    if (w->caseFlag == '2' || (w->caseFlag == '1' && i == 0))
      w->suggestion.set(i, static_cast<char>(std::toupper(static_cast<unsigned char>(w->suggestion[i]))));
  }
}
