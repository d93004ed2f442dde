#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>

namespace {
// The file system's name of `path`; false where it cannot be told which
// file the path names (errno says so, as NativePath left it).
bool Native(const std::string& path, std::string* native) {
  *native = NativePath(path);
  return !native->empty() || path.empty();
}

bool Access(const std::string& path, int mode) {
  std::string native;
  return Native(path, &native) && ::access(native.c_str(), mode) == 0;
}
}  // namespace

bool FileExists(const std::string& path) { return Access(path, F_OK); }

bool FileReadable(const std::string& path) { return Access(path, R_OK); }

bool FileWritable(const std::string& path) { return Access(path, W_OK); }

std::FILE* OpenFile(const std::string& path, const char* mode) {
  std::string native;
  return Native(path, &native) ? std::fopen(native.c_str(), mode) : nullptr;
}

namespace {
const char* FileKindOf(mode_t mode) {
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISSOCK(mode)) return "a socket";
  return "not a file";
}
}  // namespace

bool ReadFileBytes(const std::string& path, std::string* bytes, std::string* notRegular, std::size_t mostBytes) {
  bytes->clear();
  std::string native;
  if (!Native(path, &native)) return false;
  // Looked at before it is opened, so that opening a device has no effect;
  // and again once open, in case something else took the name meanwhile.
  // Without O_NONBLOCK a named pipe nobody writes to would hold the open.
  struct stat st;
  auto refuse = [&](mode_t mode) {
    if (notRegular) *notRegular = FileKindOf(mode);
    errno = S_ISDIR(mode) ? EISDIR : EINVAL;
    return false;
  };
  // A file too large to take is refused before it costs the time and the
  // memory of reading it.
  auto tooLarge = [&](std::uintmax_t size) { return size > mostBytes; };
  if (::stat(native.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) return refuse(st.st_mode);
    if (tooLarge(static_cast<std::uintmax_t>(st.st_size))) {
      errno = EFBIG;
      return false;
    }
  }
  const int fd = ::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  if (::fstat(fd, &st) != 0) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return refuse(st.st_mode);
  }
  bool ok = !tooLarge(static_cast<std::uintmax_t>(st.st_size));
  if (!ok) errno = EFBIG;
  try {
    if (ok && st.st_size > 0) bytes->reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    while (ok) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n > 0 && tooLarge(bytes->size() + static_cast<std::size_t>(n))) {
        errno = EFBIG;
        ok = false;
      } else if (n > 0) {
        bytes->append(buf, static_cast<std::size_t>(n));
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        ok = false;
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    // Memory ran out below the size limit: the caller says so; the file
    // is closed and what was read is freed on the way.
    ::close(fd);
    std::string().swap(*bytes);
    throw;
  }
  const int saved = errno;
  ::close(fd);
  if (!ok) std::string().swap(*bytes);
  errno = saved;
  return ok;
}

namespace {
const char* g_failStage = nullptr;
int g_failError = 0;
bool g_refuseUnnamed = false;
}  // namespace

void FailNextReplaceForTesting(const char* stage, int error) {
  g_failStage = stage;
  g_failError = error;
}

void RefuseUnnamedTemporaryForTesting(bool refuse) { g_refuseUnnamed = refuse; }

namespace {

// Writes all of `bytes` to `fd`; false with errno set.
bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Tries `make` with fresh names beside `native` until one is free: the
// result of the first try that does not fail with EEXIST.
template <typename Make>
int WithFreshNameBeside(const std::string& native, std::string* tmp, Make make) {
  static unsigned counter = 0;
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".kesta-%ld-%u-%08x", static_cast<long>(::getpid()), ++counter,
                  static_cast<unsigned>(random()));
    *tmp = native + suffix;
    int result = make(tmp->c_str());
    if (result >= 0 || errno != EEXIST) return result;
  }
  errno = EEXIST;
  return -1;
}

std::string FolderOf(const std::string& native) {
  std::size_t slash = native.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : native.substr(0, slash);
}

// Gives the unnamed file `fd` a fresh name beside `native`: through its
// /proc/self/fd entry, or else by the descriptor itself (which needs the
// right to read any file). False with errno set.
bool LinkBeside(int fd, const std::string& native, std::string* tmp) {
  char proc[64];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
  return WithFreshNameBeside(native, tmp, [&](const char* name) {
           if (::linkat(AT_FDCWD, proc, AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0) return 0;
           if (errno == EEXIST) return -1;
           return ::linkat(fd, "", AT_FDCWD, name, AT_EMPTY_PATH);
         }) == 0;
}

// The new file takes the owner, group and permissions of the one it
// replaces, as far as this process may give them: root any owner and group,
// another user only a group it is in. What was refused stays this process's
// own (a caller that compares owners before and after can tell the user).
// A set-id bit goes only with the owner or group it was set for.
void TakeOwnerAndPermissions(int fd, const struct stat* old) {
  if (!old) return;
  [[maybe_unused]] const bool given =
      ::fchown(fd, old->st_uid, old->st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) == 0;
  mode_t mode = old->st_mode & 07777;
  struct stat now;
  if (::fstat(fd, &now) == 0) {
    if (now.st_uid != old->st_uid) mode &= ~static_cast<mode_t>(S_ISUID);
    if (now.st_gid != old->st_gid) mode &= ~static_cast<mode_t>(S_ISGID);
  }
  ::fchmod(fd, mode);
}

enum class Outcome { Done, Failed, NotOffered };

// Where the file system offers it, the text goes to a file without a name
// in the folder (O_TMPFILE), which gets a name only once it is whole and is
// then renamed over the old file: a run killed while writing leaves nothing
// behind.
Outcome ReplaceThroughUnnamed(const std::string& native, std::string_view bytes, const struct stat* old,
                              int* error, const char** stage) {
  *stage = "open";
  int fd = -1;
  if (g_refuseUnnamed)
    errno = EOPNOTSUPP;
  else
    fd = ::open(FolderOf(native).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return Outcome::NotOffered;
    *error = errno;
    return Outcome::Failed;
  }
  TakeOwnerAndPermissions(fd, old);
  *stage = "write";
  std::string tmp;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (!ok) *error = errno;
  bool named = false;
  try {
    named = ok && LinkBeside(fd, native, &tmp);
  } catch (const std::bad_alloc&) {
    // No name was made: the unnamed file goes with its descriptor.
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    *error = errno;
  }
  // Neither way to name it is open here: the named temporary will do.
  if (ok && !named) return Outcome::NotOffered;
  if (ok && std::rename(tmp.c_str(), native.c_str()) != 0) {
    ok = false;
    *error = errno;
  }
  if (!ok && named) ::unlink(tmp.c_str());
  return ok ? Outcome::Done : Outcome::Failed;
}

// Elsewhere a new file with a fresh name beside the old one (created
// without following any link that may stand at that name), renamed over it
// once written.
bool ReplaceThroughNamed(const std::string& native, std::string_view bytes, const struct stat* old, int* error,
                         const char** stage) {
  *stage = "open";
  std::string tmp;
  int fd = WithFreshNameBeside(native, &tmp, [](const char* name) {
    return ::open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  });
  if (fd < 0) {
    *error = errno;
    return false;
  }
  TakeOwnerAndPermissions(fd, old);
  *stage = "write";
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  if (!ok) *error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    *error = errno;
  }
  if (ok && std::rename(tmp.c_str(), native.c_str()) != 0) {
    ok = false;
    *error = errno;
  }
  if (!ok) ::unlink(tmp.c_str());
  return ok;
}

// Follows the symbolic links that `native` names, one after another, to
// the path where none stands (a file that is not there yet, in a folder
// that may not be there either). False with errno set for a loop.
bool FollowLinks(std::string* native) {
  constexpr int kMostLinks = 40;  // as the system counts before ELOOP
  for (int hop = 0; hop < kMostLinks; ++hop) {
    struct stat st;
    if (::lstat(native->c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4095) + 1, '\0');
    ssize_t n = ::readlink(native->c_str(), target.data(), target.size());
    if (n < 0) return false;
    if (n == 0 || static_cast<std::size_t>(n) >= target.size()) {  // changed while read
      errno = ENOENT;
      return false;
    }
    target.resize(static_cast<std::size_t>(n));
    *native = target.front() == '/' ? target : FolderOf(*native) + "/" + target;
  }
  errno = ELOOP;
  return false;
}

// Something that is not a regular file (a device, a FIFO) cannot be
// replaced by renaming over it: it is written to directly.
bool WriteInPlace(const std::string& native, std::string_view bytes, int* error, const char** stage) {
  *stage = "open";
  int fd = ::open(native.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    *error = errno;
    return false;
  }
  *stage = "write";
  bool ok = WriteAll(fd, bytes);
  if (!ok) *error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    *error = errno;
  }
  return ok;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, std::string_view bytes, int* error,
                        const char** stage) {
  if (g_failStage) {
    *stage = g_failStage;
    *error = g_failError;
    g_failStage = nullptr;
    return false;
  }
  std::string native;
  if (!Native(path, &native)) {
    *stage = "open";
    *error = errno;
    return false;
  }
  // Through a symbolic link the file it points to is replaced, not the link;
  // a link whose file is not there yet gets that file.
  if (char* real = ::realpath(native.c_str(), nullptr)) {
    native = real;
    std::free(real);
  } else if (!FollowLinks(&native)) {
    *stage = "open";
    *error = errno;
    return false;
  }
  *error = 0;
  struct stat old;
  bool exists = ::stat(native.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(native, bytes, error, stage);
  const struct stat* kept = exists ? &old : nullptr;
  switch (ReplaceThroughUnnamed(native, bytes, kept, error, stage)) {
    case Outcome::Done: return true;
    case Outcome::Failed: return false;
    case Outcome::NotOffered: break;
  }
  *error = 0;
  return ReplaceThroughNamed(native, bytes, kept, error, stage);
}
