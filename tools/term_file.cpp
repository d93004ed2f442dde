#include "tools/term_file.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr std::size_t kLongestTime = 15;

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}
}  // namespace

bool IsTermEntry(std::string_view line) {
  std::size_t bar = line.find('|');
  if (bar == std::string_view::npos) return false;
  std::size_t after = line.size() - bar - 1;
  return after >= 1 && after <= kLongestTime && line.size() <= kLongestEntry;
}

std::int64_t EntryTime(std::string_view entry) {
  std::size_t bar = entry.find('|');
  if (bar == std::string_view::npos) return 0;
  std::string digits(entry.substr(bar + 1));
  return std::strtoll(digits.c_str(), nullptr, 10);
}

bool EntryExpired(std::string_view entry, std::int64_t now) {
  return now - EntryTime(entry) >= kTermLifetimeSeconds;
}

std::vector<std::string> ReadTermEntries(const std::string& bytes, std::int64_t now) {
  std::vector<std::string> entries;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t nl = bytes.find('\n', at);
    std::string line = bytes.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
    at = nl == std::string::npos ? bytes.size() : nl + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsTermEntry(line) && !EntryExpired(line, now)) entries.push_back(line);
  }
  return entries;
}

std::string TermFileBytes(const std::vector<std::string>& entries) {
  std::string out;
  for (const std::string& e : entries) out += e + "\r\n";
  return out;
}

std::string PrintedTermFileBytes(const std::string& path, const std::vector<std::string>& entries) {
  // The header names the whole path and count, however long the path.
  std::string header = "NOT FOUND WORD LIST " + path + ": " + std::to_string(entries.size()) + " entries\r\n";
  return header + TermFileBytes(entries);
}

const char* TermKindTag(int buttonId) {
  switch (buttonId) {
    case 345: return "$ NC";
    case 346: return "$ NM";
    case 324: return " NP";
    case 347: return " NC";
    case 348: return " NS";  // singular only: a tag apart from the proper name's
    case 349: return " AJ";
    case 350: return " AB";
    case 351: return " PH";
    case 352: return " CMD";
    case 353: return " SYN";
    default: return "";
  }
}

bool EntryHoldsTerm(std::string_view entry, std::string_view term) {
  std::string_view head = entry.substr(0, entry.find('|'));
  if (EqualNoCase(head, term)) return true;
  if (head.size() <= term.size() || !EqualNoCase(head.substr(0, term.size()), term)) return false;
  std::string_view tag = head.substr(term.size());
  for (int id : kTermKindButtons)
    if (tag == TermKindTag(id)) return true;
  return false;
}

std::string EntryCountText(int count) {
  if (count <= 0) return "NO Entries. Terms expire 10 days";
  char buf[64];
  std::snprintf(buf, sizeof buf, count == 1 ? "%d Entry. Terms expire 10 days" : "%d Entries. Terms expire 10 days",
                count);
  return buf;
}
