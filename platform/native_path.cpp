// The module names files as its home platform's ANSI calls take them: '\'
// between folders, and letters in the ANSI code page (the path the host
// gives, converted like all of its text). The file system names them in
// UTF-8, and a letter the code page cannot hold reached the module as '?',
// which no file name there may hold. Each part of such a path is found as
// the file system names it: as it is where it is there (text from the
// environment or the command line is UTF-8 already), as the code page reads
// it, or as the one entry of its folder whose name the code page shows as
// this part.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/wide_text.h"

namespace {

bool PlainAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80 || c == '?') return false;
  return true;
}

bool WellFormedUtf8(std::string_view s) {
  char32_t cp;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = DecodeUtf8At(s, i, &cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.empty() ? "." : path.c_str(), &st) == 0;
}

std::string Joined(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  return folder.back() == '/' ? folder + std::string(name) : folder + "/" + std::string(name);
}

// A part that is not there yet is made under its UTF-8 name, or under the
// name the code page reads.
std::string MadeName(std::string_view part) { return WellFormedUtf8(part) ? std::string(part) : AnsiToUtf8(part); }

// The entries of `folder` whose names the code page shows as `ansi`.
std::vector<std::string> EntriesShownAs(const std::string& folder, std::string_view ansi) {
  std::vector<std::string> found;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return found;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() >= ansi.size() && Utf8ToAnsi(name) == ansi) found.emplace_back(name);
  }
  ::closedir(dir);
  std::sort(found.begin(), found.end());
  return found;
}

// The parts of `path` between its '/'s.
std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  for (std::size_t begin = 0;;) {
    const std::size_t end = path.find('/', begin);
    parts.push_back(path.substr(begin, end == std::string_view::npos ? end : end - begin));
    if (end == std::string_view::npos) return parts;
    begin = end + 1;
  }
}

// `parts` from `i` on, named below `folder` as the file system names them;
// true when the whole path is there. Else the parts from the first that is
// not there on get the names they would be made under.
bool Resolve(const std::string& folder, const std::vector<std::string_view>& parts, std::size_t i,
             std::string* out) {
  if (i == parts.size()) {
    *out = folder;
    return true;
  }
  const std::string_view part = parts[i];
  if (part.empty()) return Resolve(Joined(folder, part), parts, i + 1, out);
  // Of several names the code page shows alike, the one the rest of the
  // path is below; the folder is read only when the names the part itself
  // gives are not.
  std::string first;
  auto below = [&](const std::string& name) {
    const std::string path = Joined(folder, name);
    if (!Exists(path)) return false;
    if (Resolve(path, parts, i + 1, out)) return true;
    if (first.empty()) first = *out;
    return false;
  };
  if (WellFormedUtf8(part) && below(std::string(part))) return true;
  if (!PlainAscii(part)) {
    if (below(AnsiToUtf8(part))) return true;
    for (const std::string& entry : EntriesShownAs(folder, part))
      if (below(entry)) return true;
  }
  if (first.empty()) {
    first = folder;
    for (std::size_t k = i; k < parts.size(); ++k) first = Joined(first, MadeName(parts[k]));
  }
  *out = first;
  return false;
}

}  // namespace

std::string NativePath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  if (PlainAscii(out) || (WellFormedUtf8(out) && Exists(out))) return out;
  const bool absolute = out.front() == '/';
  std::string native;
  Resolve(absolute ? "/" : "", Parts(std::string_view(out).substr(absolute ? 1 : 0)), 0, &native);
  return native;
}
