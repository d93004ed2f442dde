#include "platform/wide_text.h"

#include <array>

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ByteToWide(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
  return b;
}

char WideToByte(char16_t c, char defaultChar) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == c) return static_cast<char>(0x80 + i);
  return defaultChar;
}

}  // namespace

std::size_t DecodeUtf8At(std::string_view s, std::size_t i, char32_t* cp) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    *cp = b;
    return 1;
  }
  std::size_t len = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
  if (len == 0 || i + len > s.size()) return 0;
  char32_t v = b & (0x7F >> len);
  for (std::size_t k = 1; k < len; ++k) {
    unsigned char c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    v = (v << 6) | (c & 0x3F);
  }
  static constexpr char32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
  if (v < kMin[len] || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  *cp = v;
  return len;
}

std::size_t EncodeUtf8(char* out, char32_t cp) {
  if (cp < 0x80) {
    out[0] = static_cast<char>(cp);
    return 1;
  }
  if (cp < 0x800) {
    out[0] = static_cast<char>(0xC0 | (cp >> 6));
    out[1] = static_cast<char>(0x80 | (cp & 0x3F));
    return 2;
  }
  if (cp < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (cp >> 12));
    out[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (cp & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (cp >> 18));
  out[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (cp & 0x3F));
  return 4;
}

// The conversions run on every text that crosses the boundary, most of it
// ASCII: they write into buffers sized in advance, and a run of ASCII is
// copied without the per-character tests.

WideString AnsiToWide(std::string_view ansi) {
  WideString out(ansi.size(), u'\0');
  char16_t* o = out.data();
  for (char c : ansi) {
    unsigned char b = static_cast<unsigned char>(c);
    *o++ = b < 0x80 ? b : ByteToWide(b);
  }
  return out;
}

std::string WideToAnsi(std::u16string_view wide, char defaultChar) {
  std::string out(wide.size(), '\0');
  std::size_t n = 0;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char16_t c = wide[i];
    if (c < 0x80) {
      out[n++] = static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
        wide[i + 1] <= 0xDFFF) {
      ++i;  // a surrogate pair is one character outside the code page
      out[n++] = defaultChar;
      continue;
    }
    out[n++] = WideToByte(c, defaultChar);
  }
  out.resize(n);
  return out;
}

WideString Utf8ToWide(std::string_view s) {
  // At most one wide unit per byte (a four-byte sequence gives two).
  WideString out(s.size(), u'\0');
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out[n++] = b;
      ++i;
      continue;
    }
    char32_t cp = 0xFFFD;
    std::size_t len = DecodeUtf8At(s, i, &cp);
    if (len == 0) {
      cp = 0xFFFD;
      len = 1;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out[n++] = static_cast<char16_t>(0xD800 + (cp >> 10));
      out[n++] = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out[n++] = static_cast<char16_t>(cp);
    }
    i += len;
  }
  out.resize(n);
  return out;
}

std::string WideToUtf8(std::u16string_view w) {
  // At most three bytes per wide unit (a surrogate pair gives four for two).
  std::string out(w.size() * 3, '\0');
  char* o = out.data();
  for (std::size_t i = 0; i < w.size(); ++i) {
    char32_t c = w[i];
    if (c < 0x80) {
      *o++ = static_cast<char>(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (w[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    o += EncodeUtf8(o, c);
  }
  out.resize(static_cast<std::size_t>(o - out.data()));
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) { return WideToAnsi(Utf8ToWide(utf8)); }
std::string AnsiToUtf8(std::string_view ansi) { return WideToUtf8(AnsiToWide(ansi)); }
