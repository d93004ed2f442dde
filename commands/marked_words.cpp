#include "commands/marked_words.h"

#include "commands/finding_work.h"
#include "commands/marker_text.h"
#include "commands/text_places.h"

std::string FindMarkedWordsCommand(std::string_view selection) {
  constexpr unsigned char kSoftHyphen = 0xAD;
  if (!IsRenderedMarker(selection)) return {};
  const TextPlaces text(selection);
  if (text.Size() == 0) return {};
  std::size_t end = 1;
  while (end < text.Size() && !text.MarkupBefore(end)) ++end;
  std::string pattern;
  bool anyChar = false;
  for (std::size_t i = 0; i < end; ++i) {
    const unsigned char c = text.CodeAt(i);
    const bool plain = text.PlainText({i, i + 1}).has_value();
    if (plain && text.IsSpaceAt(i)) {
      if (pattern.empty() || pattern.back() != ' ') pattern += ' ';
    } else if (plain && c == kSoftHyphen && i > 0) {
      // The search passes over a soft hyphen inside the words.
    } else if (plain && c != '@') {
      pattern += static_cast<char>(c);
    } else {
      pattern += '.';
      anyChar = true;
    }
  }
  return std::string("find -f ") + (anyChar ? "-e " : "") + "-q -select " + FindDelimited(pattern);
}
