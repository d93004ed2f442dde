#pragma once
// Whether `-i` or `-o` may replace a file: the file's own mode decides,
// for root too, since the replacement renames a new file over the old one
// and so would never meet the permission the mode withholds.
#include <string>

// True for an existing regular file (through a symbolic link, the file it
// points to) whose mode gives the effective user no write permission: the
// owner's bits when the user owns it, else the group's bits when the user
// is in its group, else the others' bits; for root, no write bit at all.
// Something that is not there yet, or is no regular file (a device, a
// FIFO), is not read-only here.
bool ReadOnlyForUser(const std::string& path);
