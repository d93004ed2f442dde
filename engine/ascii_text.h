#pragma once
// Character tests and case-blind comparisons on narrow (Windows-1252) text.
// Case folding touches the ASCII letters only, as the word tables are ASCII.
#include <cstddef>
#include <string>
#include <string_view>

inline bool IsAsciiUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsAsciiLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
inline bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// The rules count only the ASCII letters as letters; bytes above 127 they
// test by their code-page values where a rule names them.
inline bool IsAsciiLetter(unsigned char c) { return IsAsciiUpper(c) || IsAsciiLower(c); }
inline char AsciiLower(unsigned char c) {
  return static_cast<char>(IsAsciiUpper(c) ? c - 'A' + 'a' : c);
}
inline char AsciiUpper(unsigned char c) {
  return static_cast<char>(IsAsciiLower(c) ? c - 'a' + 'A' : c);
}
// `text` with its ASCII letters in lower case.
inline std::string AsciiLowerCopy(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(static_cast<unsigned char>(c));
  return lower;
}

// A letter of the code page, as the tokenizer reads words: the ASCII
// letters and the accented letters (0xC0..0xFF without the multiplication
// and division signs, and the five letters Windows-1252 keeps at 0x8A..0x9F).
inline bool IsLetter(unsigned char c) {
  if (IsAsciiLetter(c)) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;
  return c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C || c == 0x9E || c == 0x9F;
}
inline bool IsLetterOrDigit(unsigned char c) { return IsLetter(c) || IsDigit(c); }

// A mark that joins the pieces of one word: an apostrophe (straight or the
// code page's right single quote) or a hyphen ("They'll", "plug-in").
inline bool JoinsWordPieces(unsigned char c) { return c == '\'' || c == 0x92 || c == '-'; }

// One of the characters of `set`; NUL never is.
inline bool CharIn(char c, std::string_view set) {
  return c != '\0' && set.find(c) != std::string_view::npos;
}

// The character before the last one of `text`; NUL when it has fewer than two.
inline char NextToLast(std::string_view text) {
  return text.size() >= 2 ? text[text.size() - 2] : '\0';
}

// ASCII punctuation, as the C library's ispunct in the "C" locale.
inline bool IsAsciiPunct(unsigned char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(static_cast<unsigned char>(a[i])) != AsciiLower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

// Compares the NUL-terminated text at `p` with `prefix` without reading past
// the terminator.
inline bool TextStartsWithNoCase(const char* p, std::string_view prefix) {
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (p[i] == '\0') return false;
    if (AsciiLower(static_cast<unsigned char>(p[i])) != AsciiLower(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

// A number as the tokenizer collects it: a digit first, then digits, '.' and ','.
inline bool IsNumberText(std::string_view t) {
  if (t.empty() || !IsDigit(static_cast<unsigned char>(t[0]))) return false;
  for (char c : t)
    if (!IsDigit(static_cast<unsigned char>(c)) && c != '.' && c != ',') return false;
  return true;
}
