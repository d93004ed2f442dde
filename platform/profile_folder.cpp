#include "platform/profile_folder.h"

#include <sys/stat.h>

#include <cerrno>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/wide_text.h"

bool GetProfileFolder(std::string* folder, int* error) {
  std::string dir;
  if ((!GetNativeEnvVar("KESTA_PROFILE", &dir) || dir.empty()) && (!GetNativeEnvVar("HOME", &dir) || dir.empty())) {
    *error = ENOENT;
    return false;
  }
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  struct stat st {};
  if (::stat(dir.c_str(), &st) != 0) {
    if (::mkdir(dir.c_str(), 0700) != 0) {
      *error = errno;
      return false;
    }
  } else if (!S_ISDIR(st.st_mode)) {
    *error = ENOTDIR;
    return false;
  }
  // The module names it in its code page, as it names every path.
  NoteGivenPath(dir);
  *folder = Utf8ToAnsi(dir);
  return true;
}

std::string ProfilePath(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}
