#pragma once
// The tokenizer's scan state and the primitives its steps share. Internal to
// the tokenizer's files.
#include <cstddef>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/tokenizer.h"

// A token holds at most 83 characters; markup is examined by its first 251.
inline constexpr std::size_t kTokenMax = 83;
inline constexpr std::size_t kTagMax = 251;

// The token-state text handed to AddWordRec: six characters, NULs where
// nothing is pending, and room for the terminator.
struct TokenState {
  char c[8] = {};
};

struct Scan {
  char* text = nullptr;  // start of the text under check
  char* p = nullptr;     // the cursor
  char token[kTokenMax + 1] = {};
  std::size_t length = 0;
  const char* tokenStart = nullptr;  // where the token's first character stood
  const char* step = nullptr;        // the character the current step of the scan began at
  int wordNo = 0;
  bool pendingMark = false;  // "the" stood before the next token
  int pendingKind = 0;
  bool lastWasNumber = false;  // the last token added was a number
  bool overlong = false;       // the word in progress grew past 83 characters
  bool markupSeen = false;     // markup was passed over since the last token
  // Right after the last element's end the scan passed: its closing tag, or
  // a tag that closes itself (null: none yet).
  const char* elementEnd = nullptr;

  // The stretches still to pass over, and where the next one begins (null:
  // none is left).
  const TextStretch* passOver = nullptr;
  const TextStretch* passOverEnd = nullptr;
  const char* nextPassOver = nullptr;
  std::size_t textLength = 0;
  // The text at a byte offset, its end for an offset past it.
  char* At(std::size_t offset) const { return text + (offset < textLength ? offset : textLength); }

  // Closing tags looked for in vain, with where each search began and where
  // it stopped (null: at the end of the text): a later search for the same
  // tag within those bounds fails at once, so that text whose elements are
  // not closed is still read in one pass. Searches that stop at a
  // paragraph's end keep their own list.
  struct MissedTag {
    char tag[36];
    bool cut;  // found by what the tag holds, however its name runs on
    const char* from;
    const char* to;
  };
  MissedTag missed[8] = {};
  std::size_t missedCount = 0;
  MissedTag missedBefore[8] = {};
  std::size_t missedBeforeCount = 0;

  // The first closing tag of a paragraph at or after `paragraphEndFrom`, as
  // last found (null: none before the end of the text).
  char* paragraphEndFrom = nullptr;
  char* paragraphEnd = nullptr;

  // The end tag of the last image placed as a block of its own, which ends
  // its sentence (null: none).
  const char* breakImageEnd = nullptr;

  // The closing tag of the metadata being read for its prose alone (a
  // reference page's "refentryinfo"; null: none).
  char* proseOnlyEnd = nullptr;

  std::string_view word() const { return {token, length}; }
  char last() const { return length ? token[length - 1] : '\0'; }
};

// True where the sentinel "@@END" begins; reads no further than a mismatch.
inline bool AtSentinel(const char* q) {
  return q[0] == '@' && q[1] == '@' && q[2] == 'E' && q[3] == 'N' && q[4] == 'D';
}

// The character k places after the cursor, or NUL once the text has ended.
inline char Peek(const Scan& s, std::size_t k) {
  for (std::size_t i = 0; i < k; ++i)
    if (s.p[i] == '\0') return '\0';
  return s.p[k];
}

// The character before `q` in the text, or NUL at its start.
inline char Before(const Scan& s, const char* q) { return (q && q > s.text) ? q[-1] : '\0'; }

// A character as the byte the tests of ascii_text.h take.
inline unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// Blank, tab, line feed and the no-break space.
inline bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\xA0'; }
inline bool IsBlank(char c) { return c == ' ' || c == '\xA0'; }

// The first position at or after `q` where the text ends (its NUL or the sentinel).
char* EndOfText(char* q);

// The first occurrence of `needle` (compared without regard to case) at or
// after `q` and before the end of the text, or null.
char* FindBeforeEnd(char* q, std::string_view needle);

// Appends to the token. A token that would grow past 83 characters is
// discarded whole: the rest of that word is not read as a word of its own
// either (it would be flagged and marked inside the long one). Then false.
bool Append(Scan& s, char c);
bool AppendText(Scan& s, std::string_view t);
void Discard(Scan& s);

// Adds the token in progress, when there is one, with `kind`.
void Flush(Scan& s, int kind, const TokenState* state = nullptr);
// Adds `text` (cut to 83 characters) as a token of its own.
void AddLiteral(Scan& s, std::string_view text, int kind, const TokenState* state = nullptr);
// Forgets the pending mark and kind.
void ClearPending(Scan& s);
// True where nothing was read since the last sentence end: the list is
// empty or its last record is a mark that ends a sentence (a full stop, a
// colon...).
bool SentenceEnded();

// The steps of the scan; each starts at the cursor's character and moves the
// cursor past what it consumed.
void ScanLetter(Scan& s);
void ScanBreak(Scan& s);
void ScanFullStop(Scan& s);
void ScanExclamation(Scan& s);
void ScanPageBreak(Scan& s);
void ScanEmDash(Scan& s);
void ScanSentinel(Scan& s);
// At or past the beginning of the next stretch to pass over: the sentence
// ends and the scan goes on after the stretch.
void PassOverStretch(Scan& s);
void ScanHyphen(Scan& s);
void ScanSoftHyphen(Scan& s);
void ScanApostrophe(Scan& s);
void ScanLeftQuote(Scan& s);
void ScanQuotation(Scan& s);
void ScanComma(Scan& s);
void ScanColon(Scan& s);
void ScanSemicolon(Scan& s);
void ScanSlash(Scan& s);
void ScanPlus(Scan& s);
void ScanOpenParen(Scan& s);
void ScanOpenBracket(Scan& s);
void ScanCloseParen(Scan& s);
void ScanMarkup(Scan& s);
void ScanEntity(Scan& s);
// The code-page characters of the table and every remaining character.
void ScanSymbol(Scan& s);
