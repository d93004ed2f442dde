#include "cli/write_permission.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {
bool InGroup(gid_t gid) {
  if (gid == ::getegid()) return true;
  int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  count = ::getgroups(count, groups.data());
  for (int i = 0; i < count; ++i)
    if (groups[static_cast<std::size_t>(i)] == gid) return true;
  return false;
}
}  // namespace

bool ReadOnlyForUser(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  // Root may write any file, but not one whose mode lets nobody write it.
  if (::geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  mode_t bit = S_IWOTH;
  if (st.st_uid == ::geteuid())
    bit = S_IWUSR;
  else if (InGroup(st.st_gid))
    bit = S_IWGRP;
  return (st.st_mode & bit) == 0;
}
