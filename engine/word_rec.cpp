#include "engine/word_rec.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "engine/ascii_text.h"
#include "engine/entity_table.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/sanitizer.h"
#include "platform/wide_text.h"

WordListState WordList;
DocumentCursor Cursor;
WordRecPoolState WordRecPool;

namespace {

constexpr int kKeep = -1000;
constexpr char kKeepChar = '\x01';

// One row of the token-kind table: only the fields a row names change.
// The cells that depend on the token-state text are applied in code below.
struct TokenKindRow {
  int kind;
  int tokenKind = kKeep;
  int wordClass = kKeep;
  const char* classCode = nullptr;
  int message = kKeep;
  int subClass = kKeep;
  int message2 = kKeep;
  int ruleId = kKeep;
  int sentenceLength = kKeep;
  char splitKind = kKeepChar;
  char separatorFlag = kKeepChar;
  char verbForm = kKeepChar;
  char extraFlag = kKeepChar;
  const char* tag = nullptr;
};

// clang-format off
constexpr TokenKindRow kTokenKinds[] = {
    {.kind = 0},
    {.kind = 8,    .tokenKind = 8},
    {.kind = 9,    .tokenKind = 9},
    {.kind = 10,   .separatorFlag = '2'},
    {.kind = 11,   .tokenKind = 11, .tag = "<DS>"},
    {.kind = 14,   .tokenKind = 9, .verbForm = 'R'},
    {.kind = 29,   .tokenKind = 9, .verbForm = 'b'},
    {.kind = 30,   .tokenKind = 9, .verbForm = 'q'},
    {.kind = 31,   .tokenKind = 9, .tag = "<RP>"},
    {.kind = 54,   .tokenKind = 9, .verbForm = 'A'},
    {.kind = 64,   .tokenKind = 9, .wordClass = 39, .extraFlag = 'M'},
    {.kind = 65,   .tokenKind = 9, .wordClass = 40, .extraFlag = 'M'},
    {.kind = 67,   .verbForm = '?'},
    {.kind = 84,   .tokenKind = 9, .verbForm = '['},
    {.kind = 86,   .tokenKind = 9, .verbForm = ']'},
    {.kind = 87,   .tokenKind = 8},
    {.kind = 88,   .tokenKind = 9, .message = 337, .subClass = 337, .separatorFlag = '8'},
    {.kind = 89,   .tokenKind = 9},
    {.kind = 98,   .tokenKind = 9, .wordClass = 10, .subClass = 310, .splitKind = '2'},
    {.kind = 99,   .tokenKind = 9, .sentenceLength = 2},
    {.kind = 102,  .tokenKind = 9, .wordClass = 10, .splitKind = '2', .extraFlag = '5'},
    {.kind = 103,  .tokenKind = 9, .wordClass = 10, .splitKind = '1', .extraFlag = '4'},
    {.kind = 104,  .tokenKind = 9},
    {.kind = 105,  .tokenKind = 9, .wordClass = 11, .classCode = "NMS**", .message = 310, .subClass = 310, .splitKind = '1', .extraFlag = '5'},
    {.kind = 106,  .tokenKind = 9, .wordClass = 10, .classCode = "NMS**", .message = 304, .subClass = 304, .splitKind = '0'},
    {.kind = 107,  .tokenKind = 9, .message = 305, .splitKind = '9'},
    {.kind = 108,  .tokenKind = 9, .wordClass = 10, .separatorFlag = '8'},
    {.kind = 109,  .tokenKind = 2, .extraFlag = '8'},
    {.kind = 110,  .tokenKind = 9, .splitKind = '4', .extraFlag = 'H'},
    {.kind = 111,  .tokenKind = 9, .extraFlag = 'R'},
    {.kind = 113,  .tokenKind = 9, .wordClass = 40, .message = 310, .subClass = 310, .ruleId = 7876, .extraFlag = '4'},
    {.kind = 114,  .wordClass = 45, .verbForm = 'B'},
    {.kind = 115,  .wordClass = 45, .verbForm = 'A'},
    {.kind = 116,  .tokenKind = 9, .separatorFlag = 't'},
    {.kind = 117,  .tokenKind = 9, .wordClass = 49, .message = 305, .separatorFlag = 'Q', .verbForm = 'C', .extraFlag = '5'},
    {.kind = 118,  .tokenKind = 9, .verbForm = 'C'},
    {.kind = 119,  .verbForm = '*'},
    {.kind = 120,  .verbForm = '#'},
    {.kind = 121,  .tokenKind = 9, .message = 0, .extraFlag = '\0'},
    {.kind = 122,  .tokenKind = 9, .message = 0, .extraFlag = 'R'},
    {.kind = 123,  .tokenKind = 9, .message = 309, .message2 = 309, .extraFlag = 'I'},
    {.kind = 124,  .tokenKind = 9, .splitKind = '4'},
    {.kind = 126,  .verbForm = ' '},
    {.kind = 127,  .tokenKind = 9, .message = 305, .subClass = 305, .message2 = 305, .splitKind = '9', .extraFlag = '5'},
    {.kind = 128,  .tokenKind = 9, .message = 305, .subClass = 305, .message2 = 305, .splitKind = '0', .separatorFlag = 'q', .extraFlag = '5'},
    {.kind = 129,  .tokenKind = 9, .wordClass = 48},
    {.kind = 130,  .verbForm = '~'},
    {.kind = 139,  .tokenKind = 9, .wordClass = 39},
    {.kind = 140,  .tokenKind = 9, .separatorFlag = 'T'},
    {.kind = 141,  .tokenKind = 9, .separatorFlag = 'R'},
    {.kind = 142,  .separatorFlag = 'A'},
    {.kind = 143},
    {.kind = 144,  .wordClass = 40, .tag = "<AR>"},
    {.kind = 145,  .wordClass = 40, .subClass = 80},
    {.kind = 146,  .verbForm = '='},
    {.kind = 147,  .verbForm = '+'},
    {.kind = 149,  .tokenKind = 9, .extraFlag = 'S'},
    {.kind = 168,  .verbForm = ':'},
    {.kind = 169},
    {.kind = 170},
    {.kind = 171,  .tokenKind = 9, .message = 337, .subClass = 337, .separatorFlag = '\0'},
    {.kind = 172},
    {.kind = 173,  .tag = "<, >"},
    {.kind = 175,  .separatorFlag = 'R'},
    {.kind = 176,  .tag = "<* >"},
    {.kind = 177},
    {.kind = 178,  .tag = "<,*>"},
    {.kind = 179,  .tag = "<..>"},
    {.kind = 180,  .tokenKind = 9, .subClass = 0, .extraFlag = 'A'},
    {.kind = 182,  .tokenKind = 182},
    {.kind = 185,  .separatorFlag = '2'},
    {.kind = 186,  .extraFlag = 'W'},
    {.kind = 187,  .splitKind = '4'},
    {.kind = 189,  .splitKind = '5'},
    {.kind = 199,  .extraFlag = ')'},
    {.kind = 209},
    {.kind = 919,  .wordClass = 49, .classCode = "S08**", .message = 308, .subClass = 308},
    {.kind = 1107, .tokenKind = 9, .wordClass = 10, .splitKind = '8', .separatorFlag = '8', .extraFlag = '8'},
};
// clang-format on

const TokenKindRow* FindKindRow(int kind) {
  for (const TokenKindRow& row : kTokenKinds)
    if (row.kind == kind) return &row;
  return nullptr;
}

void ApplyRow(const TokenKindRow& row, WordRec* w) {
  if (row.tokenKind != kKeep) w->tokenKind = row.tokenKind;
  if (row.wordClass != kKeep) w->wordClass = row.wordClass;
  if (row.classCode) w->classCode = row.classCode;
  if (row.message != kKeep) w->message = row.message;
  if (row.subClass != kKeep) w->subClass = row.subClass;
  if (row.message2 != kKeep) w->message2 = row.message2;
  if (row.ruleId != kKeep) w->ruleId = row.ruleId;
  if (row.sentenceLength != kKeep) w->sentenceLength = row.sentenceLength;
  if (row.splitKind != kKeepChar) w->splitKind = row.splitKind;
  if (row.separatorFlag != kKeepChar) w->separatorFlag = row.separatorFlag;
  if (row.verbForm != kKeepChar) w->verbForm = row.verbForm;
  if (row.extraFlag != kKeepChar) w->extraFlag = row.extraFlag;
  if (row.tag) w->tag = row.tag;
}

// The token-state text: six characters that may hold NULs before the end
// (all NULs when nothing is pending); null reads as all NULs. The cells that
// copy it take it as text up to its first NUL.
struct StateText {
  char c[6] = {};
  const char* full = "";
  explicit StateText(const char* s) {
    if (!s) return;
    full = s;
    for (std::size_t i = 0; i < 6; ++i) c[i] = s[i];
  }
  std::string_view View(std::size_t max) const { return std::string_view(full, strnlen(full, max)); }
};

// The cells of the table that depend on the token state or the token.
void ApplyStateCells(int kind, const StateText& state, WordRec* w) {
  const bool stateEight = state.c[4] == '8';
  switch (kind) {
    case 14:
      w->suggestion.assign(state.View(79));
      break;
    case 54:
      w->suggestion = Cursor.CurrentOid;
      break;
    case 104:
      if (stateEight) w->tokenKind = 8;
      w->tag.assign(state.View(7));
      break;
    case 102:
    case 121:
    case 170:
    case 175:
      w->tag.assign(state.View(7));
      break;
    case 108:
      if (w->written.length() >= 5) {
        w->text.truncate(w->text.length() - 3);
        w->length = static_cast<std::int32_t>(w->text.length());
        w->lastLetter = w->text.last();
      }
      break;
    case 116:
      if (state.c[4] == 't') w->verbForm = 't';
      break;
    case 117:
      if (w->text.first() == '.')
        w->suggestion.format("0%s inch", w->text.c_str());
      else
        w->suggestion.format("%s inch", w->text.c_str());
      break;
    case 123:
      w->suggestion = std::isupper(static_cast<unsigned char>(w->written.first())) ? "It is" : "it is";
      break;
    case 127:
      w->suggestion.format("%s-inch", w->text.c_str());
      break;
    case 128:
      w->suggestion.format("%s inch", w->text.c_str());
      break;
    case 145: {
      BoundedText<84> quoted;
      quoted.format("<%s>", w->text.c_str());
      w->text = quoted;
      break;
    }
    case 169:
      if (stateEight) w->tokenKind = 8;
      w->tag.format("< %c>", state.c[2] ? state.c[2] : ' ');
      break;
    case 171:
      if (stateEight) {
        w->tokenKind = 8;
        w->separatorFlag = '8';
      }
      break;
    case 173:
      if (stateEight) w->tag = "<,\n";
      break;
    case 176:
      if (stateEight) w->tag = "<* >\n";
      break;
    case 177: {
      char tag[5] = {'<', '^', state.c[1], '>', '\0'};
      w->tag = tag;
      break;
    }
    case 178:
      if (stateEight) w->tag = "<,*>\n";
      break;
    case 209:
      w->tag.assign(state.View(2));
      break;
    default:
      break;
  }
}

}  // namespace

void WordListState::Reset() {
  FreeWordList(head);
  Forget();
}

// Under the address sanitizer every record is an allocation of its own, so
// that a read of a destroyed record is still caught.
#if KESTA_ADDRESS_SANITIZER
WordRec* NewWordRec() { return new (std::nothrow) WordRec(); }

void DestroyWordRec(WordRec* w) { delete w; }
#else
WordRec* NewWordRec() {
  using Slot = WordRecPoolState::Slot;
  Slot* slot = WordRecPool.freeSlots;
  if (slot) {
    WordRecPool.freeSlots = slot->nextFree;
  } else {
    if (WordRecPool.next == WordRecPool.end) {
      // Blocks stay with the pool for the module's life.
      Slot* block = new (std::nothrow) Slot[WordRecPoolState::kBlockRecords];
      if (!block) return nullptr;
      WordRecPool.next = block;
      WordRecPool.end = block + WordRecPoolState::kBlockRecords;
    }
    slot = WordRecPool.next++;
  }
  return new (slot->room) WordRec();
}

void DestroyWordRec(WordRec* w) {
  if (!w) return;
  w->~WordRec();
  auto* slot = reinterpret_cast<WordRecPoolState::Slot*>(w);
  slot->nextFree = WordRecPool.freeSlots;
  WordRecPool.freeSlots = slot;
}
#endif

namespace {
// The word as the check reads it: an entity reference the table does not
// know is read by its name ("&masq-gw;s" as "masq-gws"); the word keeps the
// reference as written, where the marking finds it.
std::string ReadNames(std::string_view token) {
  std::string read;
  read.reserve(token.size());
  for (std::size_t i = 0; i < token.size();) {
    const std::size_t whole = token[i] == '&' ? NameReferenceLength(token.data() + i) : 0;
    if (whole > 0) {
      read.append(token.substr(i + 1, whole - 2));
      i += whole;
    } else {
      read += token[i++];
    }
  }
  return read;
}
}  // namespace

void AddWordRec(char* token, unsigned char markFlag, int wordNo, int kind, const char* tokenState) {
  if (!token) return;
  unsigned char first = static_cast<unsigned char>(token[0]);
  // A control character begins no word; the substitute of a letter the
  // code page cannot hold does (a Greek or Cyrillic word, the ohm sign).
  if (first == '\0' || (first < 0x20 && first != static_cast<unsigned char>(kSubstituteChar)) || first == 0x7F ||
      first == ' ')
    return;
  // Nothing opens the list with a sentence end or a sign; a placeholder is
  // a word of its sentence there as anywhere.
  if ((first == '.' || first == '<') && !WordList.head && !IsPlaceholderText(token)) return;

  // Until it is in the list, the record goes with whatever ends this early,
  // memory that runs out included.
  std::unique_ptr<WordRec, DestroyWordRecDeleter> held(NewWordRec());  // its text fields come cleared
  if (!held) return;
  WordRec* w = held.get();

  if (kind == 89) {
    token[0] = '.';
    token[1] = '\0';
    kind = 9;
  }

  std::string_view tok(token, strnlen(token, BoundedText<84>::kMaxLength));
  w->text = ReadNames(tok);
  w->written = tok;
  w->length = static_cast<std::int32_t>(w->text.length());

  if (std::isupper(static_cast<unsigned char>(w->text.first()))) {
    w->caseFlag = std::isupper(static_cast<unsigned char>(w->text[1])) ? '2' : '1';
    if (w->text.length() == 1) w->caseFlag = '2';
  }
  if (w->caseFlag != '0') {
    for (std::size_t i = 0; i < w->text.length(); ++i)
      w->text.set(i, static_cast<char>(std::tolower(static_cast<unsigned char>(w->text[i]))));
  }
  if (markFlag) {
    w->markFlag = '1';
    w->articleSetAside = true;
  }

  StateText state(tokenState);
  if (state.c[1] == '?') {
    char tag[3] = {state.c[0], '?', '\0'};
    w->tag = tag;
  }
  w->lastLetter = w->text.last();
  w->sentencePos = wordNo;
  w->wordClass = 40;
  w->classCode = "D****";
  w->entryWords = 1;

  if (const TokenKindRow* row = FindKindRow(kind)) {
    ApplyRow(*row, w);
    ApplyStateCells(kind, state, w);
  } else {
    if (w->text.first() == '<') {
      w->wordClass = 40;
      w->classCode = "DT***";
    }
    if (state.c[4] == 't') w->verbForm = 't';
  }

  if (!WordList.head) {
    WordList.head = WordList.tail = held.release();
    return;
  }
  WordRec* last = WordList.tail ? WordList.tail : WordList.head;
  while (last->next) last = last->next;
  // A full stop behind a full stop (or a record that begins with one, "...")
  // ends no second sentence; a number written with its point first (".5")
  // is none, and the full stop after it ends its sentence.
  if (last->text.first() == '.' && !IsDigit(static_cast<unsigned char>(last->text[1])) && tok == ".") {
    WordList.tail = last;
    return;
  }
  last->next = held.release();
  w->prev = last;
  WordList.tail = w;
}

void DeleteWordRec(WordRec* w) {
  if (!w) return;
  if (w->prev) w->prev->next = w->next;
  if (w->next) w->next->prev = w->prev;
  if (WordList.tail == w) WordList.tail = w->prev;
  if (WordList.head == w) WordList.head = w->next;
  DestroyWordRec(w);
}

void FreeWordList(WordRec* head) {
  while (head) {
    WordRec* next = head->next;
    DestroyWordRec(head);
    head = next;
  }
}

void DumpWordList(WordRec* head, int mode, const char* text) {
  std::FILE* f = OpenFile("C:\\Program Files (x86)\\Kesta\\debug.txt", "w+");
  if (!f) {
    ShowMessageBox("Can not open debug file for writing", "KESta Debug", MB_OK);
    return;
  }
  if (mode == 2) {
    std::fputs(text ? text : "", f);
    std::fclose(f);
    ShowMessageBox("Dumped selection", "KESta Debug", MB_OK);
    return;
  }
  for (WordRec* w = head; w && !(w->written == kSentinel); w = w->next) {
    if (w->message >= 300) {
      std::fprintf(f,
                   "\t*ERROR* LOOP %d %s %s MCD %d RUL %d E1 %d E2 %d SYN %s WordNo %d INFIN %c "
                   "MSCode %s THFLAG %c REALCT %d NEGBIT %c QuotesF %d TRACK %d POSS %c\n",
                   w->sentencePos, w->written.c_str(), w->tag.c_str(), w->wordClass, w->subClass,
                   w->message, w->message2, w->suggestion.c_str(), w->entryWords, w->verbForm,
                   w->classCode.c_str(), w->markFlag, w->weight, w->separatorFlag, w->tokenKind,
                   w->ruleId, w->splitKind);
    } else {
      std::fprintf(f,
                   "LOOP %d %s %s MCD %d RUL %d E1 %d E2 %d SYN %s WordNo %d THF %c REALCT %d "
                   "NEGBIT %c QuotesF %d CODE %s TRK %d\n",
                   w->sentencePos, w->written.c_str(), w->tag.c_str(), w->wordClass, w->subClass,
                   w->message, w->message2, w->suggestion.c_str(), w->entryWords, w->markFlag,
                   w->weight, w->separatorFlag, w->tokenKind, w->classCode.c_str(), w->ruleId);
    }
  }
  std::fclose(f);
}
