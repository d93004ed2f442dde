// Loads arbitrary bytes as a dictionary file, then reads every run the index
// gives, entry by entry, as a lookup would. The first byte picks the input:
//   'S' source text for the writer: what the writer accepts must load;
//   'P' source text, a NUL, then patches (two offset bytes, one value) applied
//       to the written file: damaged files close to good ones;
//   anything else: the bytes themselves are the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_store.h"
#include "platform/scripted_interaction.h"

namespace {

// One scratch file per process, removed at exit.
struct ScratchFile {
  std::string path = "/tmp/kesta-dictload-fuzz-" + std::to_string(getpid()) + ".cmp";
  ~ScratchFile() { std::remove(path.c_str()); }
};

const std::string& FilePath() {
  static const ScratchFile file;
  return file.path;
}

void WriteFile(const std::string& bytes) {
  std::FILE* f = std::fopen(FilePath().c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

// Walks each run's entries up to their separators, as the lookup does.
std::size_t ReadAllRuns() {
  std::size_t sum = 0;
  for (const DigramNode* node = Dictionaries.DigramIndex; node; node = node->next) {
    for (int slot = 0; slot < kDictCount; ++slot) {
      const char* p = DictRun(node, slot);
      for (int i = 0; p && i < RunEntryCount(node, slot); ++i) {
        while (*p && *p != '|') sum += static_cast<unsigned char>(*p++);
        if (*p == '|') ++p;
      }
    }
  }
  return sum;
}

int LoadThreeSlots(const std::string& bytes) {
  WriteFile(bytes);
  int first = LoadDict(0, FilePath().c_str());
  LoadDict(1, FilePath().c_str());
  LoadDict(2, FilePath().c_str());
  return first;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ScriptedInteraction quiet;
  if (size == 0) return 0;
  std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string file;
  std::vector<DictBuildError> errors;
  bool mustLoad = false;
  if (data[0] == 'S' || data[0] == 'P') {
    std::size_t nul = data[0] == 'P' ? input.find('\0') : std::string::npos;
    std::string source = input.substr(0, nul);
    if (!BuildDict(source, &file, &errors)) return 0;
    mustLoad = data[0] == 'S';
    if (nul != std::string::npos) {
      for (std::size_t i = nul + 1; i + 3 <= input.size(); i += 3) {
        std::size_t at = (static_cast<unsigned char>(input[i]) | static_cast<unsigned char>(input[i + 1]) << 8) %
                         file.size();
        file[at] = input[i + 2];
      }
    }
  } else {
    file = input;
  }
  int code = LoadThreeSlots(file);
  if (mustLoad && code != kDictLoaded) std::abort();
  volatile std::size_t sink = ReadAllRuns();
  (void)sink;
  Dictionaries.Reset();
  quiet.Clear();
  return 0;
}
