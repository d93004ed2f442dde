#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>

std::string NativePath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

bool FileExists(const std::string& path) { return ::access(NativePath(path).c_str(), F_OK) == 0; }

bool FileReadable(const std::string& path) { return ::access(NativePath(path).c_str(), R_OK) == 0; }

bool FileWritable(const std::string& path) { return ::access(NativePath(path).c_str(), W_OK) == 0; }

std::FILE* OpenFile(const std::string& path, const char* mode) {
  return std::fopen(NativePath(path).c_str(), mode);
}

bool ReadFileBytes(const std::string& path, std::string* bytes) {
  std::FILE* f = OpenFile(path, "rb");
  if (!f) return false;
  bytes->clear();
  char buf[65536];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->append(buf, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

namespace {
const char* g_failStage = nullptr;
int g_failError = 0;
}  // namespace

void FailNextReplaceForTesting(const char* stage, int error) {
  g_failStage = stage;
  g_failError = error;
}

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

// A name beside `native` that nothing has yet; the file is created there
// without following any link that may stand at that name.
int CreateTemporaryBeside(const std::string& native, std::string* tmp) {
  static unsigned counter = 0;
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".kesta-%ld-%u-%08x", static_cast<long>(::getpid()), ++counter,
                  static_cast<unsigned>(random()));
    *tmp = native + suffix;
    int fd = ::open(tmp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
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
  std::string native = NativePath(path);
  // Through a symbolic link the file it points to is replaced, not the link.
  if (char* real = ::realpath(native.c_str(), nullptr)) {
    native = real;
    std::free(real);
  }
  *error = 0;
  struct stat old;
  bool exists = ::stat(native.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return WriteInPlace(native, bytes, error, stage);

  *stage = "open";
  std::string tmp;
  int fd = CreateTemporaryBeside(native, &tmp);
  if (fd < 0) {
    *error = errno;
    return false;
  }
  // The new file takes the permissions of the one it replaces.
  if (exists) ::fchmod(fd, old.st_mode & 07777);
  *stage = "write";
  bool ok = WriteAll(fd, bytes);
  if (!ok) *error = errno;
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    *error = errno;
  }
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
