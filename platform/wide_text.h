#pragma once
// Wide text as it crosses the COM boundary (the BSTR of the home platform),
// and the conversions the system does between it and the ANSI code page,
// Windows-1252, and UTF-8.
#include <algorithm>
#include <string>
#include <string_view>

using WideString = std::u16string;

// Windows-1252 bytes to wide text. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the same code points.
WideString AnsiToWide(std::string_view ansi);
// Wide text to Windows-1252; characters outside the code page become
// `defaultChar`, '?' unless the caller names another, as the system
// conversion lets it.
std::string WideToAnsi(std::u16string_view wide, char defaultChar = '?');

// The substitute control character: the default character of a conversion
// whose reader must tell a character the code page cannot hold from a
// question mark of the text. XML text never holds it.
inline constexpr char kSubstituteChar = '\x1A';

// `text` with each substitute shown as the system conversion shows a
// character it cannot hold: '?'.
inline void ShowSubstitutes(std::string& text) { std::replace(text.begin(), text.end(), kSubstituteChar, '?'); }

// UTF-8 <-> wide text; malformed UTF-8 yields U+FFFD.
WideString Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::u16string_view wide);

// One UTF-8 sequence: the length of the well-formed sequence at s[i] with
// its code point in *cp, or 0 when the bytes there are malformed (cut,
// overlong, a surrogate, beyond U+10FFFF).
std::size_t DecodeUtf8At(std::string_view s, std::size_t i, char32_t* cp);
// Writes the UTF-8 bytes of `cp` (at most four) at `out`; the number written.
std::size_t EncodeUtf8(char* out, char32_t cp);

// Convenience: UTF-8 straight to and from Windows-1252.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);

// A BSTR stand-in: owned wide text that may be null (an empty BSTR).
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(WideString s) : text_(std::move(s)), null_(false) {}
  static Bstr FromAnsi(std::string_view ansi) { return Bstr(AnsiToWide(ansi)); }
  static Bstr FromUtf8(std::string_view utf8) { return Bstr(Utf8ToWide(utf8)); }
  bool IsNull() const { return null_; }
  const WideString& Text() const { return text_; }
  std::string ToAnsi() const { return WideToAnsi(text_); }
  std::string ToUtf8() const { return WideToUtf8(text_); }
  std::size_t Length() const { return text_.size(); }

 private:
  WideString text_;
  bool null_ = true;
};
