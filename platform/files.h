#pragma once
// Files and paths. The module builds Windows paths with '\'; every call here
// takes them as they are and maps '\' to '/'.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// The file system's name of a path the module names: '\' becomes '/'. A
// path the module was given (see NoteGivenPath), or one below it, names
// that very file or folder. Any other part in the ANSI code page is found as
// the file system names it, and a path in UTF-8 (from the environment or the
// command line) is taken as it is. Empty, with errno EILSEQ, where the path
// cannot be told apart from another: paths given alike in the code page,
// or a '?' that may stand for the lost letters of names its folder holds.
// The file calls below then fail with that errno.
std::string NativePath(std::string_view path);

// Notes that the module is given `native`, a path as the file system names
// it, in its code page (the document, a folder from the environment or the
// folder picker): NativePath takes the code page's form of it, and every
// path below it, back to this very file or folder, whatever else the code
// page shows alike. A path the code page holds whole needs no note.
void NoteGivenPath(std::string_view native);

// Forgets every path noted, for tests.
void ForgetGivenPathsForTesting();

bool FileExists(const std::string& path);    // the `_access(path, 0)` test
bool FileReadable(const std::string& path);  // the `_access(path, 4)` test
bool FileWritable(const std::string& path);  // the `_access(path, 2)` test

// fopen with the path mapped; null on failure (errno tells why).
std::FILE* OpenFile(const std::string& path, const char* mode);

// Reads the whole file as bytes; false when it cannot be read (errno says
// why). A path that names something other than a regular file (a device, a
// named pipe, a folder, a socket) is refused before a byte is read, since
// such a source may never end: false, and `notRegular` (when given) names
// what it is, such as "a character device". A file larger than `mostBytes`
// is refused as well (errno EFBIG): by the size its status gives, before a
// byte is read, or as soon as it grows past it while it is read.
bool ReadFileBytes(const std::string& path, std::string* bytes, std::string* notRegular = nullptr,
                   std::size_t mostBytes = SIZE_MAX);

// Replaces the file's content with `bytes` without ever leaving it half
// written: the text goes to a file without a name in the same folder
// (O_TMPFILE), which gets a fresh name beside the file once it is whole and
// is renamed over the old file, so that a run killed while writing leaves
// nothing behind. Where the file system refuses unnamed files, the text goes
// to a new temporary file beside it (a fresh name, created without
// following links) instead. The new file gets the old one's permissions,
// and its owner and group where this process may give them (root: both;
// another user: a group it is in). Through a symbolic link the file it
// points to is replaced, or made where it is not there yet; the link stays.
// A path that names something other than a regular file (a device, a FIFO)
// is written to directly. On failure the old file is untouched; `error`
// gets the system's error number and `stage` says what failed ("open" or
// "write").
bool ReplaceFileContent(const std::string& path, std::string_view bytes, int* error,
                        const char** stage);

// Makes the next ReplaceFileContent fail at `stage` ("open" or "write") with
// `error`, for tests of what callers do then (root ignores permissions).
void FailNextReplaceForTesting(const char* stage, int error);

// Makes ReplaceFileContent act as on a file system that refuses unnamed
// files (until called with false), for tests of the named temporary.
void RefuseUnnamedTemporaryForTesting(bool refuse);
