// Loads arbitrary bytes as a dictionary file, reads every run the index
// gives, entry by entry, and looks words up in what it loaded: the words of
// the input and the words the entries spell, in lists with and without the
// sentinel. The first byte picks the input:
//   'S' source text for the writer: what the writer accepts must load;
//   'P' source text, a NUL, then patches (two offset bytes, one value) applied
//       to the written file: damaged files close to good ones;
//   anything else: the bytes themselves are the file.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "engine/dict_store.h"
#include "engine/word_rec.h"
#include "platform/scripted_interaction.h"

namespace {

// One scratch file per process, removed at exit. Its name has the same
// length whatever the process number, so that a run with a fixed seed
// takes the same paths as the one before.
struct ScratchFile {
  std::string path = "/tmp/kesta-dictload-fuzz-" + Padded(std::to_string(getpid())) + ".cmp";
  ~ScratchFile() { std::remove(path.c_str()); }
  static std::string Padded(const std::string& digits) {
    return std::string(10 - std::min<std::size_t>(10, digits.size()), '0') + digits;
  }
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

void AddWord(std::string token) {
  token.resize(84, '\0');
  token[83] = '\0';
  AddWordRec(token.data(), 0, 0, 0, nullptr);
}

// Looks up every word of the list as the checks do (the list may lose
// records to multi-word entries, so the next record is read after the call).
void LookUpList(int mode) {
  for (WordRec* w = WordList.head; w && w->written != kSentinel;) {
    LookupWord(w, 3, mode, 0);
    w = w->next;
  }
  WordList.Reset();
}

// The words of `text`: runs of characters between blanks, line ends and '|',
// at most `max` of them, split into lists at full stops.
void LookUpWordsOf(const std::string& text, std::size_t max) {
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < text.size() && count < max) {
    while (i < text.size() && std::strchr(" \n\r\t|", text[i]) && text[i] != '\0') ++i;
    std::size_t start = i;
    while (i < text.size() && !std::strchr(" \n\r\t|", text[i])) ++i;
    if (i == start) {
      ++i;
      continue;
    }
    std::string token = text.substr(start, std::min<std::size_t>(i - start, 83));
    AddWord(token);
    ++count;
    if (token == ".") {
      AddWord(kSentinel);
      LookUpList(CheckMode);
    }
  }
  AddWord(kSentinel);
  LookUpList(CheckMode);
}

// Each entry's first word (the digram and the letters up to a mark), looked
// up alone and with the word after it, without the sentinel as the word
// finder's short lists are.
void LookUpEntryWords() {
  int budget = 256;
  for (const DigramNode* node = Dictionaries.DigramIndex; node && budget > 0; node = node->next) {
    for (int slot = 0; slot < kDictCount; ++slot) {
      const char* p = DictRun(node, slot);
      for (int i = 0; p && i < RunEntryCount(node, slot) && budget > 0; ++i, --budget) {
        std::string word(node->key, 2);
        std::string next;
        const char* q = p;
        while (*q && !std::strchr(" |+!$&?^@", *q) && word.size() < 83) word += *q++;
        if (*q == '+')
          for (++q; *q && !std::strchr(" |+!$&?^@", *q) && next.size() < 83; ++q) next += *q;
        AddWord(word);
        if (!next.empty()) AddWord(next);
        LookUpList(FinderMode);
        AddWord(word + "s");
        AddWord(next.empty() ? std::string("up") : next);
        AddWord(kSentinel);
        LookUpList(CheckMode);
        while (*p && *p != '|') ++p;
        if (*p == '|') ++p;
      }
    }
  }
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
  LookUpWordsOf(input, 200);
  LookUpEntryWords();
  Dictionaries.Reset();
  quiet.Clear();
  return 0;
}
