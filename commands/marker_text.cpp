#include "commands/marker_text.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "engine/ascii_text.h"
#include "engine/entity_table.h"
#include "platform/wide_text.h"

namespace {
constexpr const char* kColours[] = {kDefaultColour, "CCCCCC", "6699FF", "FFFF66",
                                    "FF6699",       "66FFFF", "66CC99", "FF99FF"};

// Colour index by category, in the order of the message names.
constexpr int kCategoryColours[kCategoryCount] = {
    1,  // 0 WRONG VERB
    2,  // 1 WRONG CHOICE
    5,  // 2 AWKWARD
    2,  // 3 AGREEMENT
    6,  // 4 DELETE
    4,  // 5 MEASUREMENT
    2,  // 6 CHANGE-TO-VERB
    4,  // 7 PRODUCT LIABILITY
    7,  // 8 NUMBER
    6,  // 9 ABBREVIATION
    5,  // 10 APOSTROPHE
    4,  // 11 SPELLING
    7,  // 12 PRONOUN
    7,  // 13 TRANSLATION
    7,  // 14 TERMINOLOGY
    6,  // 15 PHRASAL VERB
    1,  // 16 CAPITALIZATION
    6,  // 17 HYPHENATION
    7,  // 18 COMMA
    6,  // 19 PREFIX-SUFFIX
    4,  // 20 MISSING REFERENCE
    2,  // 21 REPHRASE
    5,  // 22 CHANGE-TO-NOUN
    6,  // 23 NAME-LABEL
    4,  // 24 WRONG MEANING
    3,  // 25 NOT-IN-DICTIONARY
    7,  // 26 STYLE
    5,  // 27 ADJECTIVE
    4,  // 28 SENTENCE LENGTH
    5,  // 29 PARALLEL
    5,  // 30 PASSIVE VOICE
    5,  // 31 PREPOSITION
    5,  // 32 THAT-WHICH
    7,  // 33 ADVERB
    5,  // 34 NEGATIVE
    7,  // 35 VERB TENSE
    1,  // 36 WORD CLUSTER
    7,  // 37 PUNCTUATION
    6,  // 38 GERUND
    0,  // 39
    0,  // 40
    0,  // 41
};

std::string TwoDigits(int n) {
  if (n >= 0 && n <= 99) return {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2.2d", n);
  std::string s = buf;
  for (char& c : s)
    if (c == ' ') c = '0';
  return s;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
}  // namespace

// Length of a well-formed reference ("&name;", "&#123;", "&#x1F;") at the
// start of `t`, or 0.
std::size_t ReferenceLength(std::string_view t) {
  if (t.size() < 3 || t[0] != '&') return 0;
  std::size_t i = 1;
  if (t[i] == '#') {
    ++i;
    bool hex = i < t.size() && (t[i] == 'x' || t[i] == 'X');
    if (hex) ++i;
    std::size_t start = i;
    while (i < t.size() && (hex ? std::isxdigit(static_cast<unsigned char>(t[i]))
                                : std::isdigit(static_cast<unsigned char>(t[i]))))
      ++i;
    if (i == start) return 0;
  } else {
    const unsigned char c = static_cast<unsigned char>(t[i]);
    if (!IsEntityNameChar(c) || IsDigit(c) || c == '-' || c == '.') return 0;
    while (i < t.size() && IsEntityNameChar(static_cast<unsigned char>(t[i]))) ++i;
  }
  return (i < t.size() && t[i] == ';') ? i + 1 : 0;
}

std::size_t RenderedLength(std::string_view markup) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < markup.size(); ++n) {
    std::size_t ref = markup[i] == '&' ? ReferenceLength(markup.substr(i)) : 0;
    i += ref ? ref : 1;
  }
  return n;
}

int CategoryColourIndex(int category) {
  if (category < 0 || category >= kCategoryCount) return 0;
  return kCategoryColours[category];
}

const char* CategoryColour(int category) {
  int index = CategoryColourIndex(category);
  return (index >= 1 && index <= 7) ? kColours[index] : kDefaultColour;
}

std::string KestaValue(int category, int markerNumber, std::string_view advice) {
  // Readers take the advice from the fifth character: a number of three
  // digits would shift it, so a longer sentence's number is written as 99.
  std::string value = TwoDigits(category) + TwoDigits(markerNumber > 99 ? 99 : markerNumber);
  if (advice.empty())
    value += "NONE";
  else
    value += advice;
  return value;
}

std::string EscapeAttribute(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '@': out += "&#64;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string EscapeContent(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '&') {
      std::size_t n = ReferenceLength(text.substr(i));
      if (n) {
        out.append(text.substr(i, n));
        i += n - 1;
      } else {
        out += "&amp;";
      }
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '@') {
      out += "&#64;";
    } else {
      out += c;
    }
  }
  return out;
}

namespace {
// The named signs the rules write, and the common ones a text may carry.
struct NamedSign {
  const char* name;
  unsigned code;
};
constexpr NamedSign kNamedSigns[] = {
    {"nbsp", 160},    {"copy", 169},    {"reg", 174},      {"deg", 176},     {"plusmn", 177},
    {"sup2", 178},    {"sup3", 179},    {"micro", 181},    {"middot", 183},  {"ordm", 186},
    {"frac14", 188},  {"frac12", 189},  {"frac34", 190},   {"times", 215},   {"divide", 247},
    {"ndash", 8211},  {"mdash", 8212},  {"lsquo", 8216},   {"rsquo", 8217},  {"ldquo", 8220},
    {"rdquo", 8221},  {"bull", 8226},   {"hellip", 8230},  {"trade", 8482},  {"minus", 8722},
    {"le", 8804},     {"ge", 8805},     {"ohm", 8486},     {"hyphen", 8208}, {"percnt", 37},
    {"plus", 43},     {"equals", 61},   {"lowbar", 95},    {"comma", 44},    {"colon", 58},
    {"ques", 63},
};

const NamedSign* FindNamedSign(std::string_view name) {
  for (const NamedSign& s : kNamedSigns)
    if (name == s.name) return &s;
  return nullptr;
}
}  // namespace

std::string CorrectionMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = text[i] == '&' ? ReferenceLength(text.substr(i)) : 0;
    const NamedSign* sign = n > 2 ? FindNamedSign(text.substr(i + 1, n - 2)) : nullptr;
    if (sign) {
      out += "&#" + std::to_string(sign->code) + ";";
    } else {
      const std::size_t len = n ? n : 1;
      out += EscapeContent(text.substr(i, len));
    }
    i += n ? n : 1;
  }
  return out;
}

namespace {
// The code point a reference's name stands for ("deg", "#176", "#xB0"), or
// 0 for a name that is no sign of the table.
unsigned ReferenceCodePoint(std::string_view name) {
  if (const NamedSign* sign = FindNamedSign(name)) return sign->code;
  if (name.size() < 2 || name[0] != '#') return 0;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  unsigned code = 0;
  for (char c : name.substr(hex ? 2 : 1)) {
    const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c | 0x20) - 'a' + 10;
    code = code * (hex ? 16 : 10) + static_cast<unsigned>(digit);
    if (code > 0xFFFF) return 0;
  }
  return code;
}
}  // namespace

std::string PlainAdvice(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = text[i] == '&' ? ReferenceLength(text.substr(i)) : 0;
    const unsigned code = n > 2 ? ReferenceCodePoint(text.substr(i + 1, n - 2)) : 0;
    // The character where the code page holds it; else the reference stays.
    const std::string character = code >= 0x20 ? WideToAnsi(std::u16string(1, static_cast<char16_t>(code))) : "";
    if (character.size() == 1 && (character != "?" || code == '?')) {
      out += character;
      i += n;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string ProtectAt(std::string_view markup) {
  std::string out;
  out.reserve(markup.size());
  for (char c : markup) {
    if (c == '@')
      out += "&#64;";
    else
      out += c;
  }
  return out;
}

std::string MarkerMarkup(std::string_view kestaValue, std::string_view colour,
                         std::string_view markupText) {
  std::string m = "<?Pub _touchup ";
  m += "Kesta=\"";
  m += EscapeAttribute(kestaValue);
  m += "\" ";
  m += "HighltBckclr=\"";
  m += colour;
  m += "\"?>";
  m += markupText;
  m += "</_touchup>";
  return m;
}

std::string InsertMarkupCommand(std::string_view markup) {
  std::string cmd = "insert_string -sgml -pendingdelete @";
  cmd += markup;
  cmd += "@";
  return cmd;
}

bool IsRenderedMarker(std::string_view s) {
  if (s.substr(0, 5) != "<?Pub") return false;
  std::size_t i = 5;
  if (i >= s.size() || !IsBlank(s[i])) return false;
  while (i < s.size() && IsBlank(s[i])) ++i;
  if (s.substr(i, 8) != "_touchup") return false;
  i += 8;
  if (i >= s.size() || !IsBlank(s[i])) return false;
  // A long marker may be cut before its "?>"; the attribute comes first.
  std::size_t end = s.find("?>", i);
  if (end == std::string_view::npos) end = s.size();
  std::string_view attrs = s.substr(i, end - i);
  // The attribute name must stand on its own: after white space, before '='.
  for (std::size_t p = attrs.find("Kesta"); p != std::string_view::npos;
       p = attrs.find("Kesta", p + 1)) {
    if (p > 0 && !IsBlank(attrs[p - 1])) continue;
    std::size_t q = p + 5;
    while (q < attrs.size() && IsBlank(attrs[q])) ++q;
    if (q < attrs.size() && attrs[q] == '=') return true;
  }
  return false;
}
