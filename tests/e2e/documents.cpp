#include "tests/e2e/documents.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "tests/support/corpus.h"

namespace {

namespace fs = std::filesystem;

// The documents as the build found them (round_trip_documents.inc, see
// CMakeLists.txt), so that the names CTest holds stay the program's own when
// the corpus is moved away: their tests skip.
const std::vector<std::string> kFound = {
#include "round_trip_documents.inc"
};

}  // namespace

std::vector<std::string> Documents() {
  std::vector<std::string> files;
  for (const fs::path& folder : {CorpusDir() / "dita", CorpusDir() / "s1000d", CorpusDir() / "docbook",
                                 fs::path(KESTA_SOURCE_DIR) / "data" / "samples"}) {
    const std::size_t before = files.size();
    for (const std::string& file : kFound)
      if (fs::path(file).parent_path().lexically_normal() == folder.lexically_normal()) files.push_back(file);
    if (files.size() == before) files.push_back(folder.string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string DocumentTestName(const std::string& document, std::size_t index) {
  std::string name = fs::path(document).stem().string();
  if (std::find(kFound.begin(), kFound.end(), document) == kFound.end()) name = "missing_" + name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name + "_" + std::to_string(index);
}
