#include "tests/support/corpus.h"

#include <algorithm>

std::filesystem::path CorpusDir() { return KESTA_CORPUS_DIR; }

std::string CorpusMissing(const std::filesystem::path& dir) {
  return "shared corpus not found at " + dir.lexically_normal().string();
}

std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::filesystem::path> CorpusDocuments(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files = FilesBelow(folder);
  std::erase_if(files, [](const std::filesystem::path& f) { return f.extension() == ".md"; });
  return files;
}
