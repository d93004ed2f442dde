// The module names files as its home platform's ANSI calls take them: '\'
// between folders, and letters in the ANSI code page (the path the host
// gives, converted like all of its text). The file system names them in
// UTF-8, and a letter the code page cannot hold reached the module as '?',
// which tells nothing of the letter it stood for. So the paths the module
// is given (the document, the folders of the environment and the folder
// picker) are noted as the file system names them: a path the module names
// is taken back to the very file or folder it was given, or one below it.
// Any other part is found as it is (text from the environment or the
// command line is UTF-8 already) or as the code page reads it; a part whose
// '?' may stand for lost letters of names its folder holds is refused, as
// no one of them can be told for certain.
#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <mutex>
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

std::string WithSlashes(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

// A part that is not there yet is made under its UTF-8 name, or under the
// name the code page reads.
std::string MadeName(std::string_view part) { return WellFormedUtf8(part) ? std::string(part) : AnsiToUtf8(part); }

// Whether `folder` holds an entry other than `part` itself whose name the
// code page shows as `part`: its '?' may then stand for that entry's letters.
bool HoldsLookAlike(const std::string& folder, std::string_view part) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return false;
  bool found = false;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != part && name.size() >= part.size() && Utf8ToAnsi(name) == part) found = true;
  }
  ::closedir(dir);
  return found;
}

// The paths the module was given: the code page's form of each, and the
// file system's.
struct GivenPath {
  std::string ansi;
  std::string native;
};
struct GivenPaths {
  std::mutex lock;
  std::vector<GivenPath> paths;
};
GivenPaths& Given() {
  static GivenPaths given;
  return given;
}

enum class Match { None, One, Several };

// The longest path given that `path` is or lies below, and where in `path`
// the rest begins. Several of one length the code page shows alike, with
// other names in the file system, cannot be told apart.
Match GivenPrefix(const std::string& path, std::string* native, std::size_t* rest) {
  GivenPaths& given = Given();
  std::lock_guard<std::mutex> hold(given.lock);
  Match match = Match::None;
  std::size_t best = 0;
  for (const GivenPath& p : given.paths) {
    const std::string& a = p.ansi;
    if (!path.starts_with(a) || (path.size() > a.size() && path[a.size()] != '/')) continue;
    if (match != Match::None && a.size() < best) continue;
    if (match != Match::None && a.size() == best) {
      if (p.native != *native) match = Match::Several;
      continue;
    }
    match = Match::One;
    best = a.size();
    *native = p.native;
  }
  *rest = best;
  return match;
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

// `rest`'s parts named below `folder` as the file system names them; from
// the first that is not there on, as they would be made. False where a
// part cannot be told apart from names of its folder.
bool Resolve(std::string folder, std::string_view rest, std::string* out) {
  const std::vector<std::string_view> parts = Parts(rest);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string_view part = parts[i];
    if (WellFormedUtf8(part) && Exists(Joined(folder, part))) {
      folder = Joined(folder, part);
      continue;
    }
    if (!PlainAscii(part) && Exists(Joined(folder, AnsiToUtf8(part)))) {
      folder = Joined(folder, AnsiToUtf8(part));
      continue;
    }
    if (part.find('?') != std::string_view::npos && HoldsLookAlike(folder, part)) return false;
    for (std::size_t k = i; k < parts.size(); ++k) folder = Joined(folder, MadeName(parts[k]));
    break;
  }
  *out = folder;
  return true;
}

}  // namespace

void NoteGivenPath(std::string_view native) {
  if (native.empty()) return;
  GivenPath p{WithSlashes(Utf8ToAnsi(native)), WithSlashes(native)};
  // "a/b/" names what "a/b" names.
  for (std::string* s : {&p.ansi, &p.native})
    while (s->size() > 1 && s->back() == '/') s->pop_back();
  // A path the code page holds whole is found as it is.
  if (p.ansi == p.native) return;
  GivenPaths& given = Given();
  std::lock_guard<std::mutex> hold(given.lock);
  for (const GivenPath& q : given.paths)
    if (q.ansi == p.ansi && q.native == p.native) return;
  given.paths.push_back(std::move(p));
}

void ForgetGivenPathsForTesting() {
  GivenPaths& given = Given();
  std::lock_guard<std::mutex> hold(given.lock);
  given.paths.clear();
}

std::string NativePath(std::string_view path) {
  std::string out = WithSlashes(path);
  if (PlainAscii(out)) return out;
  std::string native;
  std::size_t rest = 0;
  const Match match = GivenPrefix(out, &native, &rest);
  if (match == Match::Several) {
    errno = EILSEQ;
    return {};
  }
  std::string found;
  if (match == Match::One) {
    if (rest >= out.size()) return native;
    if (!Resolve(native, std::string_view(out).substr(rest + (out[rest] == '/' ? 1 : 0)), &found)) {
      errno = EILSEQ;
      return {};
    }
    return found;
  }
  if (WellFormedUtf8(out) && Exists(out)) return out;
  const bool absolute = out.front() == '/';
  if (!Resolve(absolute ? "/" : "", std::string_view(out).substr(absolute ? 1 : 0), &found)) {
    errno = EILSEQ;
    return {};
  }
  return found;
}
