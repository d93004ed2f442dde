#include "dictbuild/dict_writer.h"

#include "dictbuild/entry_syntax.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "engine/dict_file.h"
#include "platform/files.h"

namespace {

constexpr std::string_view kWordEnds = " +!$&?^@";
constexpr std::string_view kMarks = "!$&?^@";
constexpr std::size_t kSecondNameMax = 11;  // its field holds 12 bytes, a NUL included
constexpr long kMaxRunEntries = 32767;      // read as a signed 16-bit count

struct HeaderField {
  const char* key;
  std::string DictSource::*field;
  std::size_t max;
};
const HeaderField kHeaderFields[] = {
    {.key = "name:", .field = &DictSource::name, .max = kNameChars},
    {.key = "second-name:", .field = &DictSource::secondName, .max = kSecondNameMax},
    {.key = "version:", .field = &DictSource::version, .max = kVersionChars},
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

// A single-word entry seen earlier in a group: its first word and the mark
// that ends it (' ' for a plain word).
struct SingleEntry {
  std::string stem;
  char mark;
  int line;
  std::string typed;
};

bool EndsWithAny(const std::string& s, std::string_view letters) {
  return !s.empty() && letters.find(s.back()) != std::string_view::npos;
}

// Whether a single-word entry already matches the word `w` on its own. Verb
// stems are left out: their forms depend on the inflection code.
bool MatchesAlone(const SingleEntry& s, const std::string& w) {
  const std::string& t = s.stem;
  switch (s.mark) {
    case ' ': return w == t;
    case '$': return w == t || w == t + "s";
    case '@': return w == t || w == t + "er" || w == t + "est" || w == t + "ly";
    case '!':
      return w == t + "y" || w == t + "ies" || (EndsWithAny(t, "hosx") && (w == t || w == t + "es"));
    default: return false;
  }
}

void Error(std::vector<DictBuildError>* errors, int line, std::string message) {
  errors->push_back({line, std::move(message)});
}

std::string Quoted(std::string_view s) {
  std::string q;
  q.reserve(s.size() + 2);
  q += '\'';
  q.append(s);
  q += '\'';
  return q;
}

// Checks one entry line and works out its digram and stored form; false after
// an error.
bool ReadEntry(std::string_view text, int lineNo, DictSourceEntry* entry,
               std::vector<DictBuildError>* errors) {
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c == '|') {
      Error(errors, lineNo, "entry " + Quoted(text) + " holds '|', the entry separator");
      return false;
    }
    if (IsControl(c)) {
      Error(errors, lineNo, "entry " + Quoted(text) + " holds a control character (" + std::to_string(c) + ")");
      return false;
    }
    if (IsMaskByte(c)) {
      Error(errors, lineNo,
            "entry " + Quoted(text) + " holds the byte value " + std::to_string(c) + ", which the masking uses");
      return false;
    }
  }
  std::size_t wordEnd = text.find_first_of(kWordEnds);
  if (wordEnd == std::string_view::npos) {
    Error(errors, lineNo,
          "entry " + Quoted(text) + " has no data: end the word with a blank and its code, or with a mark");
    return false;
  }
  auto first = static_cast<unsigned char>(text[0]);
  if (wordEnd < 2 || !((first >= 'a' && first <= 'z') || first >= 0x80)) {
    Error(errors, lineNo,
          "entry " + Quoted(text) + ": no digram can be formed (the first word needs two characters and "
          "must begin with a lower-case letter)");
    return false;
  }
  if (std::string problem = CheckEntrySyntax(text); !problem.empty()) {
    Error(errors, lineNo, "entry " + Quoted(text) + ": " + problem);
    return false;
  }
  entry->line = lineNo;
  entry->typed = std::string(text);
  entry->digram[0] = text[0];
  entry->digram[1] = text[1];
  if (wordEnd == 2 && text[2] == '@') {
    Error(errors, lineNo,
          "entry " + Quoted(text) + ": a two-letter adjective stem is never tried by the lookup");
    return false;
  }
  // A two-letter word is spelled whole; a two-letter stem begins with its mark.
  bool twoLetterWord = wordEnd == 2 && (text[2] == ' ' || text[2] == '+');
  entry->stored = std::string(twoLetterWord ? text : text.substr(2));
  return true;
}

// The multi-word check within one digram group.
class GroupOrder {
 public:
  bool Add(const DictSourceEntry& e, std::vector<DictBuildError>* errors) {
    const std::string& t = e.typed;
    std::size_t wordEnd = t.find_first_of(kWordEnds);
    char end = t[wordEnd];
    bool multi = end == '+' || (kMarks.find(end) != std::string_view::npos && wordEnd + 1 < t.size() &&
                                t[wordEnd + 1] == '+');
    std::string stem = t.substr(0, wordEnd);
    std::vector<SingleEntry>& singles = groups_[std::string(e.digram)];
    if (!multi) {
      singles.push_back({stem, end, e.line, t});
      return true;
    }
    char mark = end == '+' ? ' ' : end;
    for (const SingleEntry& s : singles) {
      bool shadowed = mark == ' ' ? MatchesAlone(s, stem) : (s.mark == mark && s.stem == stem);
      if (shadowed) {
        Error(errors, e.line,
              "multi-word entry " + Quoted(t) + " comes after " + Quoted(s.typed) + " (line " +
                  std::to_string(s.line) + "), which already matches its first word: it could never match; "
                  "write it before that entry");
        return false;
      }
    }
    return true;
  }

 private:
  std::map<std::string, std::vector<SingleEntry>> groups_;
};

bool ReadHeaderLine(std::string_view line, int lineNo, DictSource* out, std::vector<bool>* seen,
                    std::vector<DictBuildError>* errors, bool* isHeader) {
  *isHeader = false;
  for (std::size_t i = 0; i < std::size(kHeaderFields); ++i) {
    const HeaderField& h = kHeaderFields[i];
    std::string_view key = h.key;
    if (line.substr(0, key.size()) != key) continue;
    *isHeader = true;
    std::string_view value = Trim(line.substr(key.size()));
    std::string name(key.substr(0, key.size() - 1));
    if ((*seen)[i]) {
      Error(errors, lineNo, "the " + name + " is given twice");
      return false;
    }
    (*seen)[i] = true;
    if (value.size() > h.max) {
      Error(errors, lineNo, "the " + name + " " + Quoted(value) + " is longer than " + std::to_string(h.max) +
                                " characters");
      return false;
    }
    for (char ch : value)
      if (IsControl(static_cast<unsigned char>(ch))) {
        Error(errors, lineNo, "the " + name + " holds a control character");
        return false;
      }
    out->*h.field = std::string(value);
    return true;
  }
  return true;
}

void PutNumber(std::string* file, std::size_t at, long value) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%-8ld", value);
  file->replace(at, 8, buf, 8);
}

void PutText(std::string* file, std::size_t at, const std::string& text) {
  file->replace(at, text.size(), text);
}

// The version as the loader keeps it.
std::string LoadedVersion(const std::string& version) {
  std::string v = version.substr(0, kVersionChars);
  std::size_t blank = v.rfind(' ');
  if (blank != std::string::npos) v.resize(blank);
  return v;
}

}  // namespace

bool ParseDictSource(std::string_view source, DictSource* out, std::vector<DictBuildError>* errors) {
  *out = DictSource{};
  std::size_t errorsBefore = errors->size();
  std::vector<bool> seen(std::size(kHeaderFields), false);
  GroupOrder order;
  int lineNo = 0;
  std::size_t pos = 0;
  while (pos < source.size()) {
    std::size_t end = source.find('\n', pos);
    if (end == std::string_view::npos) end = source.size();
    std::string_view line = Trim(source.substr(pos, end - pos));
    pos = end + 1;
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    bool isHeader = false;
    if (!ReadHeaderLine(line, lineNo, out, &seen, errors, &isHeader) || isHeader) continue;
    DictSourceEntry entry;
    if (!ReadEntry(line, lineNo, &entry, errors)) continue;
    if (!order.Add(entry, errors)) continue;
    out->entries.push_back(std::move(entry));
  }
  return errors->size() == errorsBefore;
}

bool BuildDictImage(const DictSource& source, std::string* file, std::vector<DictBuildError>* errors) {
  // Groups in the order their digrams first appear.
  std::vector<std::string> digrams;
  std::map<std::string, std::vector<const DictSourceEntry*>> groups;
  for (const DictSourceEntry& e : source.entries) {
    auto& group = groups[e.digram];
    if (group.empty()) digrams.push_back(e.digram);
    group.push_back(&e);
  }

  std::string text;
  std::string map = "@@ digram map: key, run offset, entries, run bytes\n";
  std::vector<DictMapLine> expected;
  for (const std::string& digram : digrams) {
    const auto& group = groups[digram];
    if (static_cast<long>(group.size()) > kMaxRunEntries) {
      Error(errors, 0, "the digram " + Quoted(digram) + " has more than 32767 entries");
      return false;
    }
    std::size_t offset = text.size();
    for (const DictSourceEntry* e : group) {
      text += e->stored;
      text += '|';
    }
    std::size_t bytes = text.size() - offset;
    char line[64];
    std::snprintf(line, sizeof line, "%s %zu %zu %zu\n", digram.c_str(), offset, group.size(), bytes);
    map += line;
    DictMapLine m;
    m.key[0] = digram[0];
    m.key[1] = digram[1];
    m.runOffset = static_cast<std::uint32_t>(offset);
    m.entryCount = static_cast<std::uint16_t>(group.size());
    m.thirdNumber = static_cast<std::uint32_t>(bytes);
    expected.push_back(m);
  }

  std::string region;
  region.reserve(text.size());
  for (char c : text) region += static_cast<char>(MaskDictByte(static_cast<unsigned char>(c)));
  std::size_t total = kDictHeaderSize + region.size() + kMapGap + map.size();
  if (total < kDictMinFileSize) region.append(kDictMinFileSize - total, '\0');
  long mapOffset = static_cast<long>(kDictHeaderSize + region.size() + kMapGap);
  if (mapOffset > kDictMaxNumber) {
    Error(errors, 0, "the entries take more than the 1000000 bytes a dictionary file allows");
    return false;
  }
  long count = std::max<long>(static_cast<long>(source.entries.size()), kDictMinEntries);

  std::string out(kDictHeaderSize, '\0');
  out.replace(0, 4, kDictMagic);
  out[4] = ' ';
  out[5] = ' ';
  PutNumber(&out, kMapOffsetAt, mapOffset);
  PutNumber(&out, kEntryCountAt, count);
  PutText(&out, kNameAt, source.name.substr(0, kNameChars));
  PutText(&out, kSecondNameAt, source.secondName.substr(0, kSecondNameMax));
  PutText(&out, kVersionAt, source.version.substr(0, kVersionChars));
  out += region;
  out.append(kMapGap, '\0');
  out += map;

  // Read it back as the loader will.
  DictImage image;
  int code = ReadDictImage(out, &image);
  bool same = code == kDictLoaded && image.descriptor.name == source.name &&
              image.descriptor.secondName == source.secondName &&
              image.descriptor.version == LoadedVersion(source.version) && image.map.size() == expected.size() &&
              image.text.compare(0, text.size(), text) == 0 && image.textLength == text.size();
  for (std::size_t i = 0; same && i < expected.size(); ++i) {
    const DictMapLine& a = image.map[i];
    const DictMapLine& b = expected[i];
    same = std::memcmp(a.key, b.key, 2) == 0 && a.runOffset == b.runOffset && a.entryCount == b.entryCount &&
           a.thirdNumber == b.thirdNumber;
  }
  if (!same) {
    Error(errors, 0, "the written file does not read back as written" +
                         (image.problem.empty() ? std::string() : " (" + image.problem + ")"));
    return false;
  }
  *file = std::move(out);
  return true;
}

bool BuildDict(std::string_view source, std::string* file, std::vector<DictBuildError>* errors) {
  DictSource parsed;
  if (!ParseDictSource(source, &parsed, errors)) return false;
  return BuildDictImage(parsed, file, errors);
}

std::string FormatBuildErrors(std::string_view sourceName, const std::vector<DictBuildError>& errors) {
  std::string out;
  for (const DictBuildError& e : errors) {
    out += sourceName;
    if (e.line > 0) {
      out += ':';
      out += std::to_string(e.line);
    }
    out += ": ";
    out += e.message;
    out += '\n';
  }
  return out;
}

bool WriteDictFile(const std::string& sourcePath, const std::string& outPath, std::string* errors) {
  std::string source;
  if (!ReadFileBytes(sourcePath, &source)) {
    *errors = sourcePath + ": can not be read\n";
    return false;
  }
  std::string file;
  std::vector<DictBuildError> found;
  if (!BuildDict(source, &file, &found)) {
    *errors = FormatBuildErrors(sourcePath, found);
    return false;
  }
  int code = 0;
  const char* stage = nullptr;
  if (!ReplaceFileContent(outPath, file, &code, &stage)) {
    *errors = outPath + ": can not " + (stage ? stage : "write") + ": " + std::strerror(code) + "\n";
    return false;
  }
  return true;
}
