#include "bench/paragraphs/typography.h"

#include <cctype>
#include <string_view>

#include "bench/paragraphs/content_parts.h"

namespace bench {
namespace {

constexpr const char* kClosingMarks[] = {"\xE2\x80\x9D", "\xE2\x80\xB3", "&#8221;"};
constexpr const char* kFractions[] = {"\xC2\xBC ", "(\xC2\xBD) ", "(1\xC2\xBC) ", "\xC2\xBE ", "(1\xC2\xBD) "};
constexpr const char kOpenQuote[] = "\xE2\x80\x9C";
constexpr const char kCloseQuote[] = "\xE2\x80\x9D";
constexpr const char kTimes[] = "\xC3\x97";
constexpr const char kPossessive[] = "\xE2\x80\x99s";
constexpr const char kCommentStart[] = "<?oxy_comment_start author=\"kesta\" comment=\"a > b\"?>";
constexpr const char kCommentEnd[] = "<?oxy_comment_end?>";
constexpr const char kAttribute[] = " outputclass=\"a>b\"";

bool IsNumber(std::string_view word) {
  int separators = 0;
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(word[i]))) continue;
    if ((word[i] != '.' && word[i] != ',') || i == 0 || i + 1 == word.size() || ++separators > 1) return false;
  }
  return !word.empty();
}

bool IsStartTag(std::string_view markup) {
  return markup.size() > 2 && std::isalpha(static_cast<unsigned char>(markup[1])) && markup.back() == '>';
}

void AddTag(std::string_view tag, TypographyRhythm* rhythm, std::string* out) {
  if (++rhythm->tags % 3 != 0 || tag.find(" outputclass=") != std::string_view::npos) {
    *out += tag;
    return;
  }
  const std::size_t end = tag.size() - (tag.ends_with("/>") ? 2 : 1);
  *out += tag.substr(0, end);
  *out += kAttribute;
  *out += tag.substr(end);
}

void AddNumber(std::string_view number, TypographyRhythm* rhythm, std::string* out) {
  *out += number;
  const long n = ++rhythm->numbers;
  if (n % 6 == 0) {
    *out += kTimes;
    *out += number;
  } else if (n % 6 == 3) {
    *out += kClosingMarks[(n / 6) % 3];
  }
}

// A word of letters or digits (not markup's punctuation alone, "(" or "-").
bool HoldsLetterOrDigit(std::string_view word) {
  for (char c : word)
    if (std::isalnum(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

void AddWord(std::string_view word, TypographyRhythm* rhythm, std::string* out) {
  if (!HoldsLetterOrDigit(word)) {
    *out += word;
    return;
  }
  const long w = ++rhythm->words;
  if (w % 11 == 0) *out += kFractions[(w / 11) % 5];
  const bool quoted = w % 13 == 0;
  if (quoted) *out += kOpenQuote;
  *out += word;
  if (quoted) *out += kCloseQuote;
  if (!quoted && w % 17 == 0 && std::isalpha(static_cast<unsigned char>(word.back()))) *out += kPossessive;
}

}  // namespace

std::string WithTypography(const std::string& content, TypographyRhythm* rhythm) {
  std::string out;
  out.reserve(content.size() + content.size() / 4);
  bool sentenceStarts = true;  // a block begins a sentence
  bool commentOpen = false;
  for (const ContentPart& part : ContentParts(content)) {
    if (part.kind == ContentPart::Kind::kMarkup && IsStartTag(part.text)) {
      AddTag(part.text, rhythm, &out);
      continue;
    }
    if (part.kind != ContentPart::Kind::kWord) {
      out += part.text;
      continue;
    }
    if (sentenceStarts && ++rhythm->sentences % 5 == 0) {
      out += kCommentStart;
      commentOpen = true;
    }
    if (IsNumber(part.text))
      AddNumber(part.text, rhythm, &out);
    else
      AddWord(part.text, rhythm, &out);
    out += part.closing;
    sentenceStarts = EndsSentence(part);
    if (sentenceStarts && commentOpen) {
      out += kCommentEnd;
      commentOpen = false;
    }
  }
  if (commentOpen) out += kCommentEnd;
  return out;
}

}  // namespace bench
