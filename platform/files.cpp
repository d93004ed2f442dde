#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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
  std::string tmp = native + ".kesta-tmp";
  *error = 0;
  *stage = "open";
  std::FILE* f = std::fopen(tmp.c_str(), "wb");
  if (!f) {
    *error = errno;
    return false;
  }
  // The new file takes the permissions of the one it replaces.
  struct stat old;
  if (::stat(native.c_str(), &old) == 0) ::fchmod(::fileno(f), old.st_mode & 07777);
  *stage = "write";
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (!ok) *error = errno;
  if (ok && (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0)) {
    ok = false;
    *error = errno;
  }
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    *error = errno;
  }
  if (ok && std::rename(tmp.c_str(), native.c_str()) != 0) {
    ok = false;
    *error = errno;
  }
  if (!ok) std::remove(tmp.c_str());
  return ok;
}
