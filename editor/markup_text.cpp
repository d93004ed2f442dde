#include "editor/markup_text.h"

#include <cstdint>

#include "editor/text_chars.h"

namespace editor {

namespace {

bool NameByte(unsigned char c, bool first) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || c >= 0x80)
    return true;
  return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
}

}  // namespace

Reference ParseReference(std::string_view s, std::size_t i) {
  Reference ref;
  if (i >= s.size() || s[i] != '&') return ref;
  std::size_t j = i + 1;
  if (j < s.size() && s[j] == '#') {
    ++j;
    bool hex = j < s.size() && s[j] == 'x';
    if (hex) ++j;
    std::size_t digits = j;
    std::uint32_t value = 0;
    while (j < s.size() && j - digits < 8) {
      char c = s[j];
      int d;
      if (c >= '0' && c <= '9') d = c - '0';
      else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
      else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
      else break;
      value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
      ++j;
    }
    if (j == digits || j >= s.size() || s[j] != ';') return ref;
    if (!IsXmlChar(value)) return ref;
    ref.kind = Reference::Char;
    ref.code = value;
    ref.length = j + 1 - i;
    return ref;
  }
  std::size_t start = j;
  while (j < s.size() && NameByte(static_cast<unsigned char>(s[j]), j == start)) ++j;
  if (j == start || j >= s.size() || s[j] != ';') return ref;
  std::string_view name = s.substr(start, j - start);
  if (!IsXmlName(name)) return ref;
  ref.length = j + 1 - i;
  static const struct {
    const char* name;
    char32_t code;
  } kPredefined[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
  for (const auto& p : kPredefined)
    if (name == p.name) {
      ref.kind = Reference::Char;
      ref.code = p.code;
      return ref;
    }
  ref.kind = Reference::Entity;
  ref.name = std::string(name);
  return ref;
}

void AppendEscapedChar(std::string& out, char32_t c, bool forFile) {
  switch (c) {
    case '&': out += "&amp;"; return;
    case '<': out += "&lt;"; return;
    case '>':
      if (forFile) {
        out += "&gt;";
        return;
      }
      break;
    case '\r':
      if (forFile) {
        out += "&#13;";
        return;
      }
      break;
    default:
      break;
  }
  AppendUtf8(out, c);
}

std::string EscapeAttributeValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '"': out += "&quot;"; break;
      case '\t': out += "&#9;"; break;
      case '\n': out += "&#10;"; break;
      case '\r': out += "&#13;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string NormalizeAttributeValue(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '&') {
      Reference ref = ParseReference(raw, i);
      if (ref.kind != Reference::None) {
        out.append(raw.substr(i, ref.length));
        i += ref.length - 1;
      } else {
        out += "&amp;";
      }
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if (c == '\t') {
      out += "&#9;";
    } else if (c == '\n') {
      out += "&#10;";
    } else if (c == '\r') {
      out += "&#13;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string DecodeAttributeValue(std::string_view kept) {
  std::string out;
  out.reserve(kept.size());
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (kept[i] == '&') {
      Reference ref = ParseReference(kept, i);
      if (ref.kind == Reference::Char) {
        AppendUtf8(out, ref.code);
        i += ref.length - 1;
        continue;
      }
    }
    out += kept[i];
  }
  return out;
}

}  // namespace editor
