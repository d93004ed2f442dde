#include "engine/neighbours.h"

#include "engine/ascii_text.h"
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

bool StandsApart(const WordRec& w) {
  if (w.place <= 0) return true;
  const char before = TextAt(w.place - 1);
  if (before == ' ' || before == '\t' || before == '\n' || before == '\r' || before == '\xA0') return true;
  if (before != '>') return false;
  // A start tag opens around the word ("<b>Stop</b>"); an element's end
  // or an element that closes itself went before it.
  if (TextAt(w.place - 2) == '/') return false;
  const std::string_view text(CheckedText.text.data(), static_cast<std::size_t>(w.place - 1));
  const std::size_t open = text.rfind('<');
  return open == std::string_view::npos || open + 1 >= text.size() || text[open + 1] != '/';
}
