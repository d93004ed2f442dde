// Looks up every word of a folder of documents (by default the shared corpus)
// in the sample dictionaries and prints lookups per second.
//   bench_lookup_corpus [FOLDER] [--unknown N] [--dicts FOLDER]
// --unknown N also lists the N most frequent words no dictionary holds.
// --dicts loads TEC.cmp, STE.cmp and SYN.cmp from a folder instead (a
// custom folder's "dictionaries"), to time the lookup with other dictionaries.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dictbuild/dict_writer.h"
#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "platform/files.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The words and marks of a document: markup dropped, runs of letters,
// digits, '-' and '\'' kept together, every other mark a token of its own;
// a list per sentence.
void Split(const std::string& doc, std::vector<std::vector<std::string>>* sentences) {
  std::vector<std::string> cur;
  std::string word;
  auto flushWord = [&] {
    if (!word.empty()) cur.push_back(word.substr(0, 83));
    word.clear();
  };
  auto flushSentence = [&] {
    flushWord();
    if (!cur.empty()) sentences->push_back(std::move(cur));
    cur.clear();
  };
  for (std::size_t i = 0; i < doc.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(doc[i]);
    if (c == '<') {
      flushWord();
      const std::size_t end = doc.find('>', i);
      if (end == std::string::npos) break;
      i = end;
    } else if (std::isalnum(c) || c == '-' || c == '\'' || c >= 0x80) {
      word += static_cast<char>(c);
    } else {
      flushWord();
      if (std::isspace(c) || c == '\0') continue;
      cur.emplace_back(1, static_cast<char>(c));
      if (c == '.' || c == '?' || c == '!' || cur.size() >= 200) flushSentence();
    }
  }
  flushSentence();
}

void Append(const std::string& word) {
  char token[84] = {};
  word.copy(token, 83);
  AddWordRec(token, 0, 0, 0, nullptr);
}

bool LoadFolder(const std::string& folder) {
  const char* names[] = {"TEC", "STE", "SYN"};
  for (int slot = 0; slot < 3; ++slot)
    if (LoadDict(slot, (folder + "/" + names[slot] + ".cmp").c_str()) != kDictLoaded) return false;
  return true;
}

bool LoadSamples() {
  const char* names[] = {"TEC", "STE", "SYN"};
  const std::string tmp = (fs::temp_directory_path() / "kesta-bench-").string();
  for (int slot = 0; slot < 3; ++slot) {
    const std::string out = tmp + names[slot] + ".cmp";
    std::string errors;
    if (!WriteDictFile(std::string(KESTA_SOURCE_DIR) + "/data/dictionaries/" + names[slot] + ".txt", out,
                       &errors)) {
      std::fprintf(stderr, "%s", errors.c_str());
      return false;
    }
    const int code = LoadDict(slot, out.c_str());
    fs::remove(out);
    if (code != kDictLoaded) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = std::string(KESTA_SOURCE_DIR) + "/../shared/corpus";
  std::string dicts;
  int unknownToShow = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--unknown" && i + 1 < argc) unknownToShow = std::atoi(argv[++i]);
    else if (std::string(argv[i]) == "--dicts" && i + 1 < argc) dicts = argv[++i];
    else folder = argv[i];
  }
  if (!(dicts.empty() ? LoadSamples() : LoadFolder(dicts))) {
    std::fprintf(stderr, "the dictionaries do not load\n");
    return 1;
  }

  const auto t0 = Clock::now();
  std::vector<std::vector<std::string>> sentences;
  std::size_t bytes = 0;
  std::error_code ec;
  for (const auto& e : fs::recursive_directory_iterator(folder, ec)) {
    if (!e.is_regular_file()) continue;
    std::string doc;
    if (!ReadFileBytes(e.path().string(), &doc)) continue;
    bytes += doc.size();
    Split(doc, &sentences);
  }
  const double splitSeconds = std::chrono::duration<double>(Clock::now() - t0).count();
  if (sentences.empty()) {
    std::fprintf(stderr, "no documents in %s\n", folder.c_str());
    return 1;
  }

  // Passes until a second has gone by; each pass builds the lists again (a
  // lookup merges multi-word entries) and times the lookups alone.
  long lookups = 0, found = 0, passes = 0;
  double lookupSeconds = 0, buildSeconds = 0;
  std::map<std::string, long> unknown;
  while (lookupSeconds < 1.0 || passes < 2) {
    for (const auto& s : sentences) {
      const auto b0 = Clock::now();
      for (const std::string& w : s) Append(w);
      Append(kSentinel);
      const auto b1 = Clock::now();
      for (WordRec* w = WordList.head; w && w->written != kSentinel;) {
        ++lookups;
        if (LookupWord(w, 3, CheckMode, 0) == kLookupFound) ++found;
        else if (passes == 0 && unknownToShow > 0) ++unknown[w->text.str()];
        w = w->next;
      }
      const auto b2 = Clock::now();
      WordList.Reset();
      buildSeconds += std::chrono::duration<double>(b1 - b0).count();
      lookupSeconds += std::chrono::duration<double>(b2 - b1).count();
    }
    ++passes;
  }

  std::printf("documents: %zu bytes in %zu sentences, split in %.3f s\n", bytes, sentences.size(), splitSeconds);
  std::printf("lookups:   %ld in %ld passes, %.1f%% classified\n", lookups, passes,
              100.0 * static_cast<double>(found) / static_cast<double>(lookups));
  std::printf("lookup:    %.0f words per second\n", static_cast<double>(lookups) / lookupSeconds);
  std::printf("with lists:%.0f words per second (building the word list included)\n",
              static_cast<double>(lookups) / (lookupSeconds + buildSeconds));
  if (unknownToShow > 0) {
    std::vector<std::pair<long, std::string>> v;
    for (const auto& [w, n] : unknown) v.emplace_back(n, w);
    std::sort(v.rbegin(), v.rend());
    for (int i = 0; i < unknownToShow && i < static_cast<int>(v.size()); ++i)
      std::printf("%6ld %s\n", v[i].first, v[i].second.c_str());
  }
  Dictionaries.Reset();
  return 0;
}
