#pragma once
// The character entities the tokenizer knows, and what each does to the word
// in progress. Compared from the '&' without regard to case; an entity's
// first character selects its group, and a group's rows are tried in order.
#include <cstddef>
#include <string_view>

enum class EntityWhen {
  kAlways,
  kBlankAround,              // a blank before the '&' and after the entity
  kAfterNumber,              // the word in progress is a number
  kAfterNumberBeforeLetter,  // ... and a letter follows the entity
  kAfterWord,                // a word is in progress
  kAtTokenStart,             // no word is in progress
  kAtTokenStartAlone,        // ... and no letter, digit or '&' follows
};

enum class EntityAction {
  kDrop,                    // the entity is skipped
  kAppend,                  // `token` is appended to the word
  kAddWord,                 // the word is added with `kind`
  kReplaceWord,             // the word is discarded, `token` added with `kind`
  kAddWordThenToken,        // the word is added with `kind`, then `token` with `tokenKind`
  kDiscardWord,             // the word is discarded
  kDigitsOrSplit,           // between digits `token` is appended; else the word is
                            // added with `kind` and `token` begins the next one
  kDigitsOrAddWord,         // between digits `token` is appended; else the word is added with `kind`
  kEndSentence,             // a "." token ends the sentence
  kAppendAndAddWord,        // `token` is appended and the word added with `kind`
  kDiscardAfterMOrAddWord,  // after 'm' or 'M' the word is discarded; else added with `kind`
  kAppendAsWritten,         // inside a word the reference itself is appended; else skipped
};

struct EntityRow {
  std::string_view text;  // from the '&', with what must follow its ';'
  EntityWhen when = EntityWhen::kAlways;
  EntityAction action = EntityAction::kDrop;
  std::string_view token = {};
  int kind = 0;
  int tokenKind = 0;
  bool anyInGroup = false;  // stands for every entity of its group
};

// Where the entity stands: the word in progress and the character before the '&'.
struct EntityContext {
  std::string_view word;
  char before = '\0';
};

// A character of an entity's name as the text holds it: the characters of
// an XML name ("&masq-gw;", "&booth.conf;", "&linux_qdisc;", "&db:x;") in
// the code page, and the substitute of one it cannot hold.
bool IsEntityNameChar(unsigned char c);

// Length of the complete entity at `at` ('&', name, ';'), or 0 when no ';'
// closes a name there.
std::size_t EntityLength(const char* at);

// Length of a name written as a reference at `at` ("&masq-gw;"): a complete
// entity that the table does not name and that is no character reference;
// 0 otherwise. Such a reference is read as one word by its name.
std::size_t NameReferenceLength(const char* at);

// The first row of the entity's group that matches the text at `at` (which
// begins with '&') and whose condition holds, or null. `consumed` gets the
// number of characters the row covers.
const EntityRow* MatchEntity(const char* at, const EntityContext& context, std::size_t* consumed);

// True when the complete entity `name` ("&name;") is named by a row of the table.
bool IsTableEntity(std::string_view name);

// Groups whose unknown entities lose their '&' and are read on as text;
// the others are dropped together with the word in progress.
bool IsReadOnGroup(char first);
