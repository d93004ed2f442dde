#pragma once
// The ".cmp" dictionary file, read as bytes:
//
//   0-3                "+OKU"
//   6-13               map offset, ASCII decimal (read up to the first
//                      character that is not a digit; blanks and a sign first)
//   14-21              entry count, read the same way; 10..1000000
//   22-57              name: its first 20 characters are kept
//   58-69              second name: up to 20 characters, up to a NUL (an
//                      unterminated field runs on into the version)
//   70-87              version: up to 17 characters, then cut at its last blank
//   88..mapOffset-5    the masked entry text (mapOffset - 92 bytes)
//   mapOffset-4..-1    four bytes that are not loaded
//   mapOffset..end     the digram map: one line per run, "key offset count
//                      third", fields separated by blanks or '|'; a line whose
//                      key begins "@@" is a comment
//
// The whole file is at least 1000 bytes. The entry text, unmasked, is a
// sequence of entries separated by '|'; a map line gives a run's byte offset
// from the start of the entry text and its number of entries.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/dict_store.h"

// Results of LoadDict.
constexpr int kDictLoaded = 1;
constexpr int kDictWrongSignature = -2;
constexpr int kDictWrongMap = -9;
constexpr int kDictTooShort = -18;
constexpr int kDictNoAccess = -19;
constexpr int kDictCannotOpen = -26;
constexpr int kDictNoNodeMemory = -27;

inline constexpr char kDictMagic[] = "+OKU";
constexpr std::size_t kDictHeaderSize = 88;
constexpr std::size_t kMapOffsetAt = 6;
constexpr std::size_t kEntryCountAt = 14;
constexpr std::size_t kNameAt = 22;
constexpr std::size_t kSecondNameAt = 58;
constexpr std::size_t kVersionAt = 70;
constexpr std::size_t kNameChars = 20;
constexpr std::size_t kSecondNameChars = 20;
constexpr std::size_t kVersionChars = 17;
constexpr std::size_t kDictMinFileSize = 1000;
constexpr long kDictMaxNumber = 1000000;  // map offset and entry count
constexpr long kDictMinEntries = 10;
constexpr std::size_t kMapGap = 4;        // between the entry text and the map
constexpr std::size_t kMapLineChars = 83; // the map's line buffer holds 84
constexpr std::size_t kMapNumberChars = 7;

// The entry text stores nine byte values for frequent characters.
struct MaskRow {
  unsigned char stored;
  char plain;
};
// clang-format off
inline constexpr MaskRow kMaskRows[] = {
    {.stored = 165, .plain = 'a'},
    {.stored = 208, .plain = 'i'},
    {.stored = 209, .plain = 'e'},
    {.stored = 210, .plain = ' '},
    {.stored = 211, .plain = '|'},
    {.stored = 212, .plain = 'o'},
    {.stored = 213, .plain = 'u'},
    {.stored = 241, .plain = '+'},
    {.stored = 242, .plain = '|'},
};
// clang-format on

// True for a byte value that unmasking would change.
bool IsMaskByte(unsigned char c);
// The stored form of a plain character (the first row that names it); the
// character itself when it has none.
unsigned char MaskDictByte(unsigned char plain);
// Replaces every masked byte of `size` bytes in place; nothing for size < 1.
void UnmaskDictText(char* block, int size);

// One line of the digram map that names a run ("@@" lines left out).
struct DictMapLine {
  char key[3] = {};
  std::uint32_t runOffset = 0;
  std::uint16_t entryCount = 0;
  std::uint32_t thirdNumber = 0;
};

// A dictionary file taken apart and checked, with no store touched.
struct DictImage {
  DictDescriptor descriptor;
  long mapOffset = 0;
  long entryCount = 0;
  std::string text;               // unmasked entry text, mapOffset - 92 bytes
  std::size_t textLength = 0;     // up to the text's first NUL
  std::vector<DictMapLine> map;   // in file order
  std::string problem;            // why the file was refused, for diagnostics
};

// Reads and checks a whole file: kDictLoaded, kDictTooShort, kDictWrongSignature
// or kDictWrongMap. The descriptor is filled whenever the signature is right.
// Every run of the map lies inside the text with all of its entries.
int ReadDictImage(std::string_view file, DictImage* out);

// Loads the dictionary file at `path` into slot `index` (0, 1, 2; slot 0
// first, the others add to its nodes). kDictLoaded or a negative code; only a
// file that cannot be opened is reported here ("Error(1)" box), start-up
// reports the others.
int LoadDict(int index, const char* path);
