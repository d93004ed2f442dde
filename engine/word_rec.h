#pragma once
// One token of the checked text, and the module-wide word list of them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/bounded_text.h"

// The longer texts of a record hold only the bytes they use (a record is
// made for every word of the document); their sizes stay their limits.
using WordText = BoundedText<84, PooledChars<84>>;
using SuggestionText = BoundedText<100, PooledChars<100>>;

struct WordRec {
  WordRec* next = nullptr;
  WordRec* prev = nullptr;
  WordText text;               // dictionary key: lower-cased when written with a capital
  WordText written;            // as written; "@@END" in the sentinel
  SuggestionText suggestion;   // replacement or advice
  BoundedText<8> tag;          // short marker text such as "<AR>"
  BoundedText<8> classCode;    // numeric code on input, six-character class code after decoding
  std::int32_t wordClass = 40;
  std::int32_t subClass = 0;
  std::int32_t message = 0;
  std::int32_t message2 = 0;
  std::int32_t entryWords = 1;
  std::int32_t tokenKind = 0;
  std::int32_t sentencePos = 0;
  std::int32_t length = 0;
  std::int32_t ruleId = 0;
  std::int32_t weight = 1;
  std::int32_t sentenceLength = 0;
  std::int32_t sentenceEnd = 0;
  char splitKind = '0';
  char lastLetter = '\0';
  char caseFlag = '0';
  char markFlag = '0';
  char separatorFlag = ' ';
  char dictMarker = ' ';
  char verbForm = ' ';
  char extraFlag = ' ';
  char pluralMarker = '0';
  // Markup stood between this word and the one before it in the document;
  // a search for both words cannot cross it.
  bool markupBefore = false;
  // The tokenizer set "the" aside before this word. Unlike markFlag, which
  // the rules change, it tells where the text holds an article, for the
  // searches of the marking.
  bool articleSetAside = false;
  // The record stands for a block's end: the full stop put in there, or the
  // mark the writer ended the block with. No word of one block is read as a
  // neighbour of a word of another: the reading of neighbours stops here.
  bool endsBlock = false;
  // Where the word stands: the offset of its first character in the text
  // the tokenizer read (CheckedText), -1 where it stands nowhere. The
  // marking looks for a finding's words there.
  std::int32_t place = -1;
  // The length of the sentence whose SENTENCE LENGTH finding this word
  // carries for markup that opens the sentence, held until the rules have
  // judged the word as written; 0 for none.
  std::int32_t heldLength = 0;
};

// The sentinel word that ends every text under check.
inline constexpr const char* kSentinel = "@@END";

// A token the tokenizer puts in for markup whose content it does not check
// (an inline element, a cross reference, a figure, a hidden warning).
inline bool IsPlaceholderText(std::string_view token) {
  return token == "<ref>" || token == "<Ref>" || token.starts_with("<Ref_[");
}

// Module-wide: the word list of the last check.
struct WordListState {
  WordRec* head = nullptr;  // first record; null for an empty list
  WordRec* tail = nullptr;  // last appended record, a shortcut for appending
  // Forgets the list without freeing it (the tokenizer's start).
  void Forget() { head = tail = nullptr; }
  // Frees the list and forgets it.
  void Reset();
};
extern WordListState WordList;

// Module-wide texts that the commands keep between calls and the engine reads.
struct DocumentCursor {
  BoundedText<80> CurrentOid;   // element id most commands return the caret to
  BoundedText<16> WalkOid;      // walk cursor of the body-start search
  BoundedText<16> StartTag;     // body start of the current document type
  BoundedText<16> StartTagName;
  BoundedText<16> StartTagCopy;
  // The last reading began at the body's start tag, which the document
  // holds; otherwise it began at the element CurrentOid names.
  bool StartTagFound = false;
  void Reset() { *this = DocumentCursor{}; }
};
extern DocumentCursor Cursor;

// Appends one record for `token` (at most 83 characters) to the word list.
// `tokenState` is the tokenizer's six-character pending-state text
// (characters 0, 1, 2 and 4 are read); null reads as all NULs. Kind 89 replaces `token` by ".".
void AddWordRec(char* token, unsigned char markFlag, int wordNo, int kind, const char* tokenState);

// Unlinks and destroys a record that has a predecessor and a successor.
void DeleteWordRec(WordRec* w);

// Destroys every record from `head` on; a null head does nothing.
void FreeWordList(WordRec* head);

// Diagnostic dump of the list (mode 2: of `text`) to the debug file.
void DumpWordList(WordRec* head, int mode, const char* text);

// The one allocator that records are made and destroyed with.
WordRec* NewWordRec();
void DestroyWordRec(WordRec* w);

// Destroys a record held while it is made, before any list has it.
struct DestroyWordRecDeleter {
  void operator()(WordRec* w) const { DestroyWordRec(w); }
};

// Module-wide: the room records are made in, taken from the system in
// blocks; a destroyed record's room goes to the next record made, so a check
// reuses what the one before it held.
struct WordRecPoolState {
  static constexpr std::size_t kBlockRecords = 1024;
  union Slot {
    Slot* nextFree;
    alignas(WordRec) unsigned char room[sizeof(WordRec)];
  };
  Slot* freeSlots = nullptr;
  Slot* next = nullptr;  // the unused rest of the newest block
  Slot* end = nullptr;
};
extern WordRecPoolState WordRecPool;
