#include "commands/marked_words.h"

#include <algorithm>

#include "commands/finding_work.h"
#include "commands/marker_text.h"
#include "commands/text_places.h"
#include "engine/ascii_text.h"

std::string FindMarkedWordsCommand(std::string_view selection) {
  constexpr unsigned char kSoftHyphen = 0xAD;
  if (!IsRenderedMarker(selection)) return {};
  const TextPlaces text(selection);
  if (text.Size() == 0) return {};
  // A suggestion goes in over all of the words or not at all: where the
  // writer put markup inside them, no search can select them whole.
  for (std::size_t i = 1; i < text.Size(); ++i)
    if (text.MarkupBefore(i)) return {};
  std::string pattern;
  bool anyChar = false;
  for (std::size_t i = 0; i < text.Size(); ++i) {
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

MarkedWords ReadMarkedWords(std::string_view selection) {
  if (!IsRenderedMarker(selection)) return MarkedWords::Plain;
  const std::size_t open = selection.find("?>");
  if (open == std::string_view::npos) return MarkedWords::Plain;
  std::string_view words = selection.substr(open + 2);
  // The marker's own end, as a selection shows it.
  if (words.ends_with("</_touchup>")) words.remove_suffix(std::string_view("</_touchup>").size());
  if (words.find('<') != std::string_view::npos) return MarkedWords::WithMarkup;
  if (words.find_first_not_of(" \t\r\n") == std::string_view::npos) return MarkedWords::None;
  return MarkedWords::Plain;
}

std::optional<Repetition> RepeatedWord(std::string_view flagged) {
  constexpr std::string_view kSpace = " \t\r\n";
  Repetition out;
  int copies = 0;
  for (std::size_t at = flagged.find_first_not_of(kSpace); at != std::string_view::npos;
       at = flagged.find_first_not_of(kSpace, at)) {
    const std::size_t end = std::min(flagged.find_first_of(kSpace, at), flagged.size());
    const std::string_view word = flagged.substr(at, end - at);
    if (copies == 0) out.first = word;
    else if (!EqualsNoCase(word, out.first)) return std::nullopt;
    else out.rest += " " + std::string(word);
    ++copies;
    at = end;
  }
  if (copies < 2) return std::nullopt;
  return out;
}
