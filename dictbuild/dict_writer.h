#pragma once
// The dictionary writer: turns a readable source into a ".cmp" file that the
// loader accepts.
//
// The source is text (bytes; Windows-1252 where it is not ASCII), one item a
// line; blanks around a line and blank lines are dropped:
//
//   # a comment                     a line whose first character is '#'
//   name: TECHNICAL                 header fields, each on a line of its own:
//   second-name: tec                  name (20 characters at most), second
//   version: 1.0                      name (11), version (17); the loader
//                                     drops a version's last word after a
//                                     blank ("2.1 beta" shows as "2.1")
//   valve$ 1014                     entries: the whole word as a writer types
//   remov^21                          it, then the entry's marks and data as
//   valve+seat 1014                   the matcher reads them
//   approximately 30150 about
//
// The first word of an entry runs up to a blank, a '+' or one of the marks
// "!$&?^@"; its first two characters are the entry's digram (the first one a
// lower-case letter). Entries are grouped by digram, each group in the order
// written, and stored without their digram: "valve$ 1014" is stored in the
// run "va" as "lve$ 1014". A two-letter word ("up 52", "in+front+of 52")
// keeps its whole spelling; a two-letter stem ("go^28") is stored from its
// mark. Each stored entry ends with '|'. What each mark must be followed by
// (the code after '!', '$', '@', the verb codes, the layout of a phrasal
// verb "carr^+out 35 do") is listed in entry_syntax.h; an entry that breaks
// it is refused.
//
// Refused, with the line number, and no file written: an entry holding '|',
// a control character or one of the byte values the masking uses (165, 208 to
// 213, 241, 242); an entry whose digram cannot be formed; a word with neither
// data nor a mark; a two-letter adjective stem ("lo@", never tried by the
// lookup); a multi-word entry placed after a single-word entry in its group
// that already matches the first word ("valve 1014" then "valve+seat 1014":
// the second can never match, so write it first).
//
// The header's entry count is the number of entries, but at least 10, the
// loader's lower bound. The text is padded with NUL bytes up to the minimum
// file size, and the written file is read back and checked before it is kept.
#include <string>
#include <string_view>
#include <vector>

struct DictBuildError {
  int line = 0;  // 0: the source as a whole
  std::string message;
};

struct DictSourceEntry {
  int line = 0;
  std::string typed;   // as written in the source
  std::string stored;  // as stored in its run (digram dropped where it goes)
  char digram[3] = {};
};

struct DictSource {
  std::string name;
  std::string secondName;
  std::string version;
  std::vector<DictSourceEntry> entries;
};

// Reads a source; false with every error found.
bool ParseDictSource(std::string_view source, DictSource* out, std::vector<DictBuildError>* errors);

// Lays out the file bytes and checks them by reading them back.
bool BuildDictImage(const DictSource& source, std::string* file, std::vector<DictBuildError>* errors);

// Both steps.
bool BuildDict(std::string_view source, std::string* file, std::vector<DictBuildError>* errors);

// Builds from `sourcePath` and writes `outPath` only when all went well (the
// old file stays otherwise). Errors as "SOURCE:LINE: message" lines.
bool WriteDictFile(const std::string& sourcePath, const std::string& outPath, std::string* errors);

// "NAME:LINE: message" lines.
std::string FormatBuildErrors(std::string_view sourceName, const std::vector<DictBuildError>& errors);
