// The scan loop and the primitives its steps share.
#include "engine/tokenizer.h"

#include "engine/ascii_text.h"
#include "engine/tag_tables.h"
#include "engine/tokenizer_scan.h"
#include "engine/word_rec.h"

TokenizerState Tokenizer;
CheckedTextState CheckedText;

// ---- primitives ----------------------------------------------------------

char* EndOfText(char* q) {
  while (*q && !AtSentinel(q)) ++q;
  return q;
}

char* FindBeforeEnd(char* q, std::string_view needle) {
  if (needle.empty()) return nullptr;
  const char first = AsciiLower(Byte(needle[0]));
  for (; *q && !AtSentinel(q); ++q)
    if (AsciiLower(Byte(*q)) == first && TextStartsWithNoCase(q, needle))
      return q;
  return nullptr;
}

void Discard(Scan& s) {
  s.overlong = false;
  s.length = 0;
  s.token[0] = '\0';
  s.tokenStart = nullptr;
}

bool Append(Scan& s, char c) {
  if (s.overlong) return false;
  if (s.length >= kTokenMax) {
    Discard(s);
    s.overlong = true;
    return false;
  }
  if (s.length == 0) s.tokenStart = s.p;
  s.token[s.length++] = c;
  s.token[s.length] = '\0';
  return true;
}

bool AppendText(Scan& s, std::string_view t) {
  if (s.overlong) return false;
  if (s.length + t.size() > kTokenMax) {
    Discard(s);
    s.overlong = true;
    return false;
  }
  for (char c : t) Append(s, c);
  return true;
}

void ClearPending(Scan& s) {
  s.pendingMark = false;
  s.pendingKind = 0;
}

bool SentenceEnded() {
  const WordRec* last = WordList.tail;
  return !last || (last->written.view().size() == 1 && CharIn(last->written.first(), ".:;!?"));
}

namespace {

const TokenState kNoState;

// `at`: where the token stands in the text.
void AddRecord(Scan& s, char* token, int kind, const TokenState* state, const char* at) {
  const WordRec* last = WordList.tail;
  AddWordRec(token, s.pendingMark ? 1 : 0, s.wordNo, kind, (state ? state : &kNoState)->c);
  if (at && WordList.tail && WordList.tail != last) WordList.tail->place = static_cast<std::int32_t>(at - s.text);
  if (s.markupSeen && WordList.tail) WordList.tail->markupBefore = true;
  s.markupSeen = false;
  ++s.wordNo;
  ClearPending(s);
}

}  // namespace

void Flush(Scan& s, int kind, const TokenState* state) {
  s.overlong = false;  // the word ends here, whatever it held
  if (s.length == 0) return;
  const bool number = IsNumberText(s.word());
  AddRecord(s, s.token, kind, state, s.tokenStart ? s.tokenStart : s.step);
  s.lastWasNumber = number;
  Discard(s);
}

void AddLiteral(Scan& s, std::string_view text, int kind, const TokenState* state) {
  char buf[kTokenMax + 1] = {};
  const std::size_t n = text.size() < kTokenMax ? text.size() : kTokenMax;
  text.copy(buf, n);
  // A literal stands for the character the scan's step began at.
  AddRecord(s, buf, kind, state, s.step);
  s.lastWasNumber = false;
}

namespace {

void ScanCharacter(Scan& s) {
  const unsigned char c = Byte(*s.p);
  if (IsLetterOrDigit(c)) {
    ScanLetter(s);
    return;
  }
  switch (c) {
    case ' ': case '\t': case '\n': case 0xA0: ScanBreak(s); return;
    case '.': ScanFullStop(s); return;
    case '!': ScanExclamation(s); return;
    case '\f': case 0xA4: ScanPageBreak(s); return;
    case 0x97: ScanEmDash(s); return;
    case '-': ScanHyphen(s); return;
    case 0xAD: ScanSoftHyphen(s); return;
    case '\'': case '`': case 0x92: ScanApostrophe(s); return;
    case 0x91: case 0xAA: ScanLeftQuote(s); return;
    case '"': case 0x84: case 0x94: ScanQuotation(s); return;
    case ',': ScanComma(s); return;
    case ':': ScanColon(s); return;
    case ';': ScanSemicolon(s); return;
    case '/': ScanSlash(s); return;
    case '+': ScanPlus(s); return;
    case '(': ScanOpenParen(s); return;
    case '[': ScanOpenBracket(s); return;
    case ')': ScanCloseParen(s); return;
    case '<': ScanMarkup(s); return;
    case '&': ScanEntity(s); return;
    default: ScanSymbol(s); return;
  }
}

}  // namespace

void TokenizeText(char* text, int /*offset*/, int /*mode*/, std::span<const TextStretch> passOver) {
  WordList.Forget();
  CheckedText.Reset();
  if (!text) return;
  CheckedText.text = text;
  DocumentKind.dataModulesOpen = 0;
  Scan s;
  s.text = text;
  s.p = text;
  s.passOver = passOver.data();
  s.passOverEnd = passOver.data() + passOver.size();
  s.textLength = CheckedText.text.size();
  if (!passOver.empty()) s.nextPassOver = s.At(passOver.front().begin);
  while (*s.p) {
    s.step = s.p;
    if (s.nextPassOver && s.p >= s.nextPassOver) {
      PassOverStretch(s);
      continue;
    }
    if (AtSentinel(s.p)) {
      ScanSentinel(s);
      return;
    }
    ScanCharacter(s);
  }
  // A text without its sentinel keeps its last word.
  Flush(s, s.pendingKind);
}
