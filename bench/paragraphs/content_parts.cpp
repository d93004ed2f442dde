#include "bench/paragraphs/content_parts.h"

#include "engine/markup_end.h"

namespace bench {
namespace {

bool Blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool Closing(char c) { return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?'; }

}  // namespace

std::vector<ContentPart> ContentParts(std::string_view content) {
  using Kind = ContentPart::Kind;
  std::vector<ContentPart> parts;
  std::size_t p = 0;
  while (p < content.size()) {
    if (content[p] == '<') {
      const std::size_t stop = MarkupEnd(content, p);
      parts.push_back({Kind::kMarkup, content.substr(p, stop - p), {}});
      p = stop;
      continue;
    }
    if (Blank(content[p])) {
      parts.push_back({Kind::kBlank, content.substr(p, 1), {}});
      ++p;
      continue;
    }
    std::size_t end = p;
    while (end < content.size() && content[end] != '<' && !Blank(content[end])) ++end;
    // The ';' of an entity reference ("&amp;") belongs to the word.
    const auto endsReference = [&](std::size_t at) {
      if (content[at - 1] != ';') return false;
      const std::size_t amp = content.rfind('&', at - 1);
      return amp != std::string_view::npos && amp >= p && content.find(';', amp) == at - 1;
    };
    std::size_t wordEnd = end;
    while (wordEnd > p && Closing(content[wordEnd - 1]) && !endsReference(wordEnd)) --wordEnd;
    if (wordEnd == p)
      parts.push_back({Kind::kPunctuation, content.substr(p, end - p), {}});
    else
      parts.push_back({Kind::kWord, content.substr(p, wordEnd - p), content.substr(wordEnd, end - wordEnd)});
    p = end;
  }
  return parts;
}

bool EndsSentence(const ContentPart& word) {
  const char last = word.closing.empty() ? word.text.back() : word.closing.back();
  return last == '.' || last == '!' || last == '?';
}

}  // namespace bench
