#include "editor/text_chars.h"

#include "platform/wide_text.h"

#include <cstdint>
#include <cstring>

namespace editor {

namespace {

// The code point of the well-formed sequence at s[i] and its length, or
// length 0 when the bytes there are malformed.
struct Decoded {
  char32_t value;
  std::size_t length;
};

Decoded DecodeAt(std::string_view s, std::size_t i) {
  Decoded d{0, 0};
  d.length = DecodeUtf8At(s, i, &d.value);
  return d;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view s) {
  std::u32string out(s.size(), U'\0');
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out[n++] = b;
      ++i;
      continue;
    }
    Decoded d = DecodeAt(s, i);
    if (d.length) {
      out[n++] = d.value;
      i += d.length;
    } else {
      out[n++] = U'\uFFFD';
      ++i;
    }
  }
  out.resize(n);
  return out;
}

bool IsWellFormedUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    // Eight ASCII bytes at a time.
    if (i + 8 <= s.size()) {
      std::uint64_t word;
      std::memcpy(&word, s.data() + i, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        i += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t len = DecodeAt(s, i).length;
    if (len == 0) return false;
    i += len;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  char bytes[4];
  out.append(bytes, ::EncodeUtf8(bytes, c));
}

std::string EncodeUtf8(std::u32string_view text) {
  std::string out(text.size() * 4, '\0');
  std::size_t n = 0;
  for (char32_t c : text) n += ::EncodeUtf8(&out[n], c);
  out.resize(n);
  return out;
}

bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

bool IsWordChar(char32_t c) {
  if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  return c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7;
}

char32_t FoldCase(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x160: return 0x161;  // S caron
    case 0x152: return 0x153;  // OE
    case 0x17D: return 0x17E;  // Z caron
    case 0x178: return 0xFF;   // Y diaeresis
    default: return c;
  }
}

bool IsNameStart(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' ||
         (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool IsNameChar(char32_t c) {
  return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}

bool IsXmlName(std::string_view utf8) {
  if (utf8.empty()) return false;
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    // Most names: no decoding needed.
    if (!IsNameStart(static_cast<unsigned char>(utf8[0]))) return false;
    for (char c : utf8)
      if (!IsNameChar(static_cast<unsigned char>(c))) return false;
    return true;
  }
  std::u32string name = DecodeUtf8(utf8);
  if (name.empty() || !IsNameStart(name[0])) return false;
  for (char32_t c : name)
    if (!IsNameChar(c)) return false;
  return true;
}

bool AllXmlChars(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      if (!IsXmlChar(b)) return false;
      ++i;
      continue;
    }
    Decoded d = DecodeAt(utf8, i);
    // A malformed byte decodes as U+FFFD, which XML allows.
    if (d.length == 0) {
      ++i;
      continue;
    }
    if (!IsXmlChar(d.value)) return false;
    i += d.length;
  }
  return true;
}

bool IsNcName(std::string_view utf8) {
  return IsXmlName(utf8) && utf8.find(':') == std::string_view::npos;
}

}  // namespace editor
