#pragma once
// The temporary dictionary's term file: one entry a line, the term, the tag
// of its kind, '|' and the time it was added (seconds since 1970). Entries
// expire ten days after they were added.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::int64_t kTermLifetimeSeconds = 864000;  // ten days
inline constexpr std::size_t kLongestTerm = 64;
inline constexpr std::size_t kLongestEntry = 83;

// Whether a line of the file is an entry: a '|' with 1 to 15 characters
// after it, and no more than 83 characters in all.
bool IsTermEntry(std::string_view line);

// The time an entry was added; 0 when it holds no number.
std::int64_t EntryTime(std::string_view entry);

// Entries live while they are younger than ten days; a time in the future
// keeps its entry.
bool EntryExpired(std::string_view entry, std::int64_t now);

// The entries of a file's bytes that are alive at `now`, in file order.
std::vector<std::string> ReadTermEntries(const std::string& bytes, std::int64_t now);

// The file as "Close ..." writes it, and as "Print a List of Terms" does
// (a header line that is not an entry first).
std::string TermFileBytes(const std::vector<std::string>& entries);
std::string PrintedTermFileBytes(const std::string& path, const std::vector<std::string>& entries);

// The tag of a kind button's id ("$ NC" for 345 ...); empty for none.
const char* TermKindTag(int buttonId);
// The kind buttons' ids, in the dialog's order.
inline constexpr int kTermKindButtons[] = {345, 346, 324, 347, 348, 349, 350, 351, 352, 353};

// Whether `entry` holds `term` (with any kind), without regard to case.
bool EntryHoldsTerm(std::string_view entry, std::string_view term);

// The entry-count line.
std::string EntryCountText(int count);
