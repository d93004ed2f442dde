#include "tests/support/corpus.h"

std::filesystem::path CorpusDir() { return KESTA_CORPUS_DIR; }

std::string CorpusMissing(const std::filesystem::path& dir) {
  return "shared corpus not found at " + dir.lexically_normal().string();
}
