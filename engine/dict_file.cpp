#include "engine/dict_file.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "engine/ascii_text.h"

namespace {

// The masked byte values, as a lookup table built once from the rows.
struct UnmaskTable {
  unsigned char to[256];
  bool masked[256];
  constexpr UnmaskTable() : to(), masked() {
    for (int c = 0; c < 256; ++c) to[c] = static_cast<unsigned char>(c);
    for (const MaskRow& row : kMaskRows) {
      to[row.stored] = static_cast<unsigned char>(row.plain);
      masked[row.stored] = true;
    }
  }
};
constexpr UnmaskTable kUnmask;

// A header number: blanks, a sign, then digits up to the first other
// character, all within the header. Saturates far above any accepted value.
long HeaderNumber(std::string_view file, std::size_t at) {
  std::size_t i = at;
  while (i < kDictHeaderSize && std::isspace(static_cast<unsigned char>(file[i]))) ++i;
  bool negative = false;
  if (i < kDictHeaderSize && (file[i] == '+' || file[i] == '-')) negative = file[i++] == '-';
  long value = 0;
  for (; i < kDictHeaderSize && IsDigit(file[i]); ++i) {
    if (value <= kDictMaxNumber * 10) value = value * 10 + (file[i] - '0');
  }
  return negative ? -value : value;
}

// Copies up to `max` characters from `at`, stopping at a NUL.
template <std::size_t N>
void CopyHeaderText(std::string_view file, std::size_t at, std::size_t max, BoundedText<N>* out) {
  std::string_view field = file.substr(at, max);
  out->assign(field.substr(0, std::min(field.size(), field.find('\0'))));
}

bool IsMapSeparator(char c) {
  return c == ' ' || c == '|' || c == '\t' || c == '\r' || c == '\n';
}

std::vector<std::string_view> SplitMapLine(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsMapSeparator(line[i])) ++i;
    std::size_t start = i;
    while (i < line.size() && !IsMapSeparator(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

// The C library's decimal conversion of a field of at most 7 characters: a
// field that is no number counts as 0.
long MapNumber(std::string_view field) {
  char buf[kMapNumberChars + 1] = {};
  std::memcpy(buf, field.data(), field.size());
  return std::strtol(buf, nullptr, 10);
}

int Refuse(DictImage* out, int code, std::string problem) {
  out->problem = std::move(problem);
  return code;
}

// True when `count` entries start at `offset` inside the text: the run's
// first entry and, after each of the next count - 1 separators, another one.
bool RunFits(const std::vector<std::size_t>& separators, std::size_t textLength,
             std::uint32_t offset, long count) {
  if (offset >= textLength) return false;
  if (count <= 1) return true;
  auto first = std::lower_bound(separators.begin(), separators.end(), offset);
  std::size_t index = static_cast<std::size_t>(first - separators.begin()) +
                      static_cast<std::size_t>(count) - 2;
  return index < separators.size() && separators[index] + 1 < textLength;
}

int ReadMap(std::string_view map, DictImage* out) {
  std::vector<std::size_t> separators;
  for (std::size_t i = 0; i < out->textLength; ++i)
    if (out->text[i] == '|') separators.push_back(i);

  int lineNo = 0;
  std::size_t pos = 0;
  while (pos < map.size()) {
    std::size_t end = map.find('\n', pos);
    std::size_t next = end == std::string_view::npos ? map.size() : end + 1;
    std::string_view line = map.substr(pos, (end == std::string_view::npos ? map.size() : end) - pos);
    pos = next;
    ++lineNo;
    // A line's text ends at a NUL. The map's line buffer would split a longer
    // line and read its tail as a line of its own; such a map is refused.
    line = line.substr(0, std::min(line.size(), line.find('\0')));
    if (line.size() > kMapLineChars)
      return Refuse(out, kDictWrongMap,
                    "map line " + std::to_string(lineNo) + " is longer than 83 characters");
    std::vector<std::string_view> fields = SplitMapLine(line);
    if (fields.empty()) continue;
    if (fields[0].substr(0, 2) == "@@") continue;
    std::string where = "map line " + std::to_string(lineNo) + ": ";
    if (fields[0].size() < 2) return Refuse(out, kDictWrongMap, where + "key of fewer than two letters");
    long numbers[3] = {0, 0, 0};
    for (std::size_t f = 1; f < fields.size() && f <= 3; ++f) {
      if (fields[f].size() > kMapNumberChars)
        return Refuse(out, kDictWrongMap, where + "number of more than 7 characters");
      numbers[f - 1] = MapNumber(fields[f]);
    }
    if (numbers[1] < 0 || numbers[1] > INT16_MAX)
      return Refuse(out, kDictWrongMap, where + "entry count outside 0..32767");
    DictMapLine entry;
    entry.key[0] = fields[0][0];
    entry.key[1] = fields[0][1];
    entry.runOffset = static_cast<std::uint32_t>(numbers[0]);
    entry.entryCount = static_cast<std::uint16_t>(numbers[1]);
    entry.thirdNumber = static_cast<std::uint32_t>(numbers[2]);
    if (numbers[0] < 0 || !RunFits(separators, out->textLength, entry.runOffset, numbers[1]))
      return Refuse(out, kDictWrongMap, where + "run outside the entry text");
    out->map.push_back(entry);
  }
  return kDictLoaded;
}

}  // namespace

bool IsMaskByte(unsigned char c) { return kUnmask.masked[c]; }

unsigned char MaskDictByte(unsigned char plain) {
  for (const MaskRow& row : kMaskRows)
    if (static_cast<unsigned char>(row.plain) == plain) return row.stored;
  return plain;
}

void UnmaskDictText(char* block, int size) {
  if (!block) return;
  for (int i = 0; i < size; ++i) {
    auto c = static_cast<unsigned char>(block[i]);
    block[i] = static_cast<char>(kUnmask.to[c]);
  }
}

int ReadDictImage(std::string_view file, DictImage* out) {
  *out = DictImage{};
  if (file.size() < kDictMinFileSize)
    return Refuse(out, kDictTooShort, "shorter than 1000 bytes");
  if (file.substr(0, 4) != kDictMagic) return Refuse(out, kDictWrongSignature, "no \"+OKU\" signature");

  DictDescriptor& d = out->descriptor;
  CopyHeaderText(file, kNameAt, kNameChars, &d.name);
  CopyHeaderText(file, kVersionAt, kVersionChars, &d.version);
  if (const char* blank = std::strrchr(d.version.c_str(), ' ')) d.version.truncate(blank - d.version.c_str());
  CopyHeaderText(file, kSecondNameAt, kSecondNameChars, &d.secondName);

  out->mapOffset = HeaderNumber(file, kMapOffsetAt);
  out->entryCount = HeaderNumber(file, kEntryCountAt);
  if (out->entryCount > kDictMaxNumber || out->mapOffset > kDictMaxNumber ||
      out->entryCount < kDictMinEntries)
    return Refuse(out, kDictWrongMap, "entry count or map offset out of range");
  // Below 92 there is no entry text; past the end there is no map and the
  // text would run past the file.
  if (out->mapOffset < static_cast<long>(kDictHeaderSize + kMapGap) ||
      static_cast<std::size_t>(out->mapOffset) > file.size())
    return Refuse(out, kDictWrongMap, "map offset outside the file");

  std::size_t textBytes = static_cast<std::size_t>(out->mapOffset) - kDictHeaderSize - kMapGap;
  out->text.assign(file.substr(kDictHeaderSize, textBytes));
  UnmaskDictText(out->text.data(), static_cast<int>(out->text.size()));
  out->textLength = strnlen(out->text.data(), out->text.size());
  return ReadMap(file.substr(static_cast<std::size_t>(out->mapOffset)), out);
}
