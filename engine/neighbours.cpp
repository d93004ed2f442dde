#include "engine/neighbours.h"

#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/tag_tables.h"
#include "engine/tokenizer.h"

namespace {
WordRec MakeNoWord() {
  WordRec w;
  w.classCode.clear();
  w.wordClass = 0;
  w.entryWords = 0;
  w.weight = 0;
  w.splitKind = '\0';
  w.caseFlag = '\0';
  w.markFlag = '\0';
  w.separatorFlag = '\0';
  w.dictMarker = '\0';
  w.verbForm = '\0';
  w.extraFlag = '\0';
  w.pluralMarker = '\0';
  return w;
}
}  // namespace

const WordRec& NoWord() {
  static const WordRec none = MakeNoWord();
  return none;
}

namespace {
// The byte of the checked text at `place`, or NUL where it stands nowhere.
char TextAt(std::int32_t place) {
  const std::string& text = CheckedText.text;
  return place < 0 || static_cast<std::size_t>(place) >= text.size() ? '\0'
                                                                    : text[static_cast<std::size_t>(place)];
}
}  // namespace

bool IsTextWord(const WordRec& w) {
  const auto c = static_cast<unsigned char>(w.written[0]);
  if (IsPlaceholder(w) || !(IsAsciiLetter(c) || IsDigit(c))) return false;
  const char at = TextAt(w.place);
  return at == '\0' || at == w.written[0];
}

namespace {
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\xA0'; }

// Brackets and quotation marks that open before a word.
bool Opens(char c) {
  return c == '(' || c == '[' || c == '{' || c == '"' || c == '\'' || c == '\x91' || c == '\x93' || c == '\xAB';
}

// References to quotation marks that open before a word.
constexpr std::string_view kOpeningReferences[] = {
    "ldquo", "lsquo", "laquo", "quot", "apos", "#8220", "#8216", "#171", "#34", "#39",
    "#x201C", "#x201c", "#x2018", "#xAB", "#xab", "#x22", "#x27",
};

bool StandsApartAt(std::int32_t place, bool afterReferences = true);

// Whether the text before `place` ends with a reference to an opening
// quotation mark that stands apart itself.
bool AfterOpeningReference(std::int32_t place) {
  // The longest of those references is eight characters: no further back
  // is looked, however long the text before it.
  const std::size_t end = static_cast<std::size_t>(place), from = end > 8 ? end - 8 : 0;
  const std::string_view text(CheckedText.text.data(), end);
  const std::size_t near = text.substr(from).rfind('&');
  if (near == std::string_view::npos || text.back() != ';') return false;
  const std::size_t amp = from + near;
  const std::string_view name = text.substr(amp + 1, text.size() - amp - 2);
  for (std::string_view r : kOpeningReferences)
    if (name == r) return StandsApartAt(static_cast<std::int32_t>(amp), false);
  return false;
}

// Where the element ended by the end tag at `endTag` begins: its start
// tag, past elements of the same name nested in it; -1 where none.
std::int32_t StartOfElement(std::string_view text, std::size_t endTag, std::string_view name) {
  int depth = 0;
  for (std::size_t at = endTag; at-- > 0;) {
    if (text[at] != '<') continue;
    const bool closing = text.substr(at + 1, 1) == "/";
    const std::string_view rest = text.substr(at + (closing ? 2 : 1));
    if (!rest.starts_with(name) || rest.size() == name.size() ||
        std::string_view(" \t\r\n/>").find(rest[name.size()]) == std::string_view::npos)
      continue;
    if (closing) {
      ++depth;
    } else if (text.substr(at, text.find('>', at) - at).ends_with("/")) {
      continue;
    } else if (depth-- == 0) {
      return static_cast<std::int32_t>(at);
    }
  }
  return -1;
}

// Whether what stands at `place` in the checked text begins a word of its
// own (see StandsApart); after a reference to a quotation mark only where
// `afterReferences` (one such reference is looked behind, not a row).
bool StandsApartAt(std::int32_t place, bool afterReferences) {
  const std::string_view text = CheckedText.text;
  for (;;) {
    char before = TextAt(place - 1);
    // Brackets and quotation marks open a word where they stand apart
    // themselves, the first of a row of them ('"(word'); not where they
    // stand inside a word ("--user=[DOMAIN", "<tag>x</tag>'s").
    while (place > 0 && Opens(before)) before = TextAt(--place - 1);
    if (place <= 0 || IsWhiteSpace(before)) return true;
    if (before == ';') return afterReferences && AfterOpeningReference(place);
    if (before != '>') return false;
    const std::size_t open = text.rfind('<', static_cast<std::size_t>(place - 1));
    if (open == std::string_view::npos) return true;
    const std::string_view tag = text.substr(open, static_cast<std::size_t>(place) - open);
    const bool closing = tag.starts_with("</");
    // A start tag opens around the word ("<b>Stop</b>"), as an instruction
    // or a comment stands apart from it.
    if (!closing && !tag.ends_with("/>")) return true;
    // An index entry or a note to writers leaves no word: what stands
    // before it decides. Any other element's end, or an element that
    // closes itself, began the word ("<tag>row</tag>s").
    const std::string_view name = closing ? ClosingTagName(tag) : OpeningTagName(tag);
    if (!IsAsideElement("<" + std::string(name) + ">")) return false;
    place = closing ? StartOfElement(text, open, name) : static_cast<std::int32_t>(open);
    if (place < 0) return false;
  }
}
}  // namespace

bool StandsApart(const WordRec& w) { return StandsApartAt(w.place); }

std::string_view RestOfWordAfter(const WordRec& w) {
  if (w.place < 0 || !IsTextWord(w)) return {};
  const std::string_view text = CheckedText.text;
  const std::size_t at = static_cast<std::size_t>(w.place) + w.written.length();
  if (at >= text.size() || !JoinsWordPieces(static_cast<unsigned char>(text[at]))) return {};
  std::size_t end = at + 1;
  auto wordChar = [](char c) {
    return IsAsciiLetter(static_cast<unsigned char>(c)) || IsDigit(static_cast<unsigned char>(c));
  };
  while (end < text.size() && wordChar(text[end])) ++end;
  return end > at + 1 ? text.substr(at, end - at) : std::string_view();
}
