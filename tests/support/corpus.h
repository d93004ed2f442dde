#pragma once
// The shared corpus of real documents beside the repository. A clone on its
// own has none: the tests that read it skip and say so with CorpusMissing().
#include <filesystem>
#include <string>
#include <vector>

// The corpus folder the build was configured with (KESTA_CORPUS_DIR).
std::filesystem::path CorpusDir();

// The reason a test gives when it skips: "shared corpus not found at DIR".
std::string CorpusMissing(const std::filesystem::path& dir = CorpusDir());

// The regular files below `folder`, sorted; none where it is not there.
std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder);

// The documents below `folder`: its files but notes (*.md). A corpus test
// that gets none skips with CorpusMissing(), as without the corpus: an
// empty folder must not pass for a checked one.
std::vector<std::filesystem::path> CorpusDocuments(const std::filesystem::path& folder = CorpusDir());
