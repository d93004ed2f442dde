#include "engine/message_list.h"

MessageListState MessageList;

namespace {

bool NeedsEscape(char c) { return c == ':' || c == '!' || c == '\\'; }

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && NeedsEscape(s[i + 1])) ++i;
    out += s[i];
  }
  return out;
}

}  // namespace

bool AppendKeyText(std::string& key, std::string_view text, std::size_t limit) {
  for (char c : text) {
    std::size_t need = NeedsEscape(c) ? 2 : 1;
    if (key.size() + need > limit) return false;
    if (need == 2) key += '\\';
    key += c;
  }
  return true;
}

SearchKeyParts ParseSearchKey(std::string_view key) {
  SearchKeyParts parts;
  // Positions of the separators that are not escaped.
  std::size_t firstColon = std::string_view::npos;
  std::size_t lastBang = std::string_view::npos;
  std::size_t start = 0;
  if (key.substr(0, 2) == "::") {
    parts.colonFinding = parts.colonFirst = parts.hasSeparator = true;
    parts.text = ":";
    firstColon = 1;
    start = 1;
  }
  for (std::size_t i = start; i < key.size(); ++i) {
    if (key[i] == '\\' && i + 1 < key.size() && NeedsEscape(key[i + 1])) {
      ++i;
      continue;
    }
    if (key[i] == ':' && firstColon == std::string_view::npos) firstColon = i;
    if (key[i] == '!' && firstColon != std::string_view::npos) lastBang = i;
  }
  if (firstColon == std::string_view::npos) {
    parts.text = Unescape(key);
    return parts;
  }
  parts.hasSeparator = true;
  parts.colonFirst = firstColon == 0 || parts.colonFinding;
  if (!parts.colonFinding) parts.text = Unescape(key.substr(0, firstColon));
  std::string_view rest = key.substr(firstColon + 1);
  std::size_t restBang = lastBang == std::string_view::npos ? rest.size() : lastBang - firstColon - 1;
  std::string_view middle = rest.substr(0, restBang);
  if (!middle.empty() && middle[0] == '|') middle.remove_prefix(1);
  if (auto bar = middle.find('|'); bar != std::string_view::npos) middle = middle.substr(0, bar);
  parts.number = std::string(middle);
  if (lastBang != std::string_view::npos) parts.advice = Unescape(key.substr(lastBang + 1));
  return parts;
}
