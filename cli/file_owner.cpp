#include "cli/file_owner.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

namespace {
// "nobody (65534)", or the number alone where no name is known.
std::string UserText(uid_t uid) {
  const struct passwd* pw = ::getpwuid(uid);
  std::string id = std::to_string(uid);
  return pw ? std::string(pw->pw_name) + " (" + id + ")" : id;
}

std::string GroupText(gid_t gid) {
  const struct group* gr = ::getgrgid(gid);
  std::string id = std::to_string(gid);
  return gr ? std::string(gr->gr_name) + " (" + id + ")" : id;
}
}  // namespace

std::optional<FileOwner> RegularFileOwner(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileOwner{st.st_uid, st.st_gid};
}

std::vector<std::string> OwnershipNotKept(const std::string& shown, const FileOwner& old, const FileOwner& now) {
  std::vector<std::string> lines;
  if (now.uid != old.uid)
    lines.push_back(shown + ": the owner " + UserText(old.uid) + " could not be kept; the file now belongs to " +
                    UserText(now.uid));
  if (now.gid != old.gid)
    lines.push_back(shown + ": the group " + GroupText(old.gid) + " could not be kept; the file's group is now " +
                    GroupText(now.gid));
  return lines;
}
