#pragma once
// The owner and group of the file that -i or -o replaces, before and after:
// the replacement gives the new file the old one's where the process may
// (root: both; another user: a group it is in), and the writer is told of
// what it could not keep.
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

struct FileOwner {
  uid_t uid = 0;
  gid_t gid = 0;
};

// The owner of the regular file at `path` (through a symbolic link, of the
// file it points to); none for anything else or nothing.
std::optional<FileOwner> RegularFileOwner(const std::string& path);

// A line for each of the old owner and group that the new file lacks, as
// kesta prints them after the file's name `shown`.
std::vector<std::string> OwnershipNotKept(const std::string& shown, const FileOwner& old, const FileOwner& now);
