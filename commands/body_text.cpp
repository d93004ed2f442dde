#include "commands/body_text.h"

std::size_t BodyStartOffset(std::string_view text, std::string_view startTag) {
  if (startTag.empty()) return 0;
  std::size_t k = text.find(startTag);
  return k == std::string_view::npos ? 0 : k;
}

std::string WithSentinel(std::string_view text) {
  std::string out(text);
  for (std::size_t p = out.find("@@END"); p != std::string::npos; p = out.find("@@END", p + 1))
    out[p + 1] = ' ';
  out += kTextEnd;
  return out;
}

std::string BodyFrom(std::string_view text, std::size_t offset) {
  if (offset > text.size()) offset = text.size();
  return WithSentinel(text.substr(offset));
}
