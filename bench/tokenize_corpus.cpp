// Tokenizer speed on real documents: tokenizes every file below the corpus
// folder (default ../shared/corpus beside the repository, or the path given)
// as the checker receives it (Windows-1252, ". @@END" appended) and prints
// megabytes and records per second. A second figure tokenizes the whole
// corpus as one text, once and four times over, to show that time grows
// linearly with the text's length (each timed after a warm-up run, so that
// the allocator has its memory already), and a text of the same size whose
// elements are never closed.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "platform/files.h"
#include "platform/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
  double seconds = 0;
  std::size_t bytes = 0;
  std::size_t records = 0;
};

std::size_t CountAndFree() {
  std::size_t n = 0;
  for (WordRec* w = WordList.head; w; w = w->next) ++n;
  WordList.Reset();
  return n;
}

// Tokenizes each text once; only the tokenizer is timed.
Run TokenizeAll(const std::vector<std::string>& texts) {
  Run run;
  std::vector<char> buf;
  for (const std::string& t : texts) {
    buf.assign(t.begin(), t.end());
    buf.push_back('\0');
    const auto start = Clock::now();
    TokenizeText(buf.data(), 0, 1);
    run.seconds += std::chrono::duration<double>(Clock::now() - start).count();
    run.bytes += t.size();
    run.records += CountAndFree();
  }
  return run;
}

void Print(const char* label, const Run& run) {
  const double mb = static_cast<double>(run.bytes) / 1e6;
  std::printf("%-28s %9.2f MB  %8.3f s  %8.1f MB/s  %12.0f records/s\n", label, mb, run.seconds,
              run.seconds > 0 ? mb / run.seconds : 0.0,
              run.seconds > 0 ? static_cast<double>(run.records) / run.seconds : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path dir =
      argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::path(KESTA_SOURCE_DIR "/../shared/corpus");
  std::error_code ec;
  if (!std::filesystem::is_directory(dir, ec)) {
    std::fprintf(stderr, "bench_tokenize_corpus: no corpus folder at %s\n", dir.string().c_str());
    std::fprintf(stderr, "usage: bench_tokenize_corpus [FOLDER]\n");
    return 2;
  }

  std::vector<std::string> texts;
  std::string whole;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir, ec)) {
    if (!entry.is_regular_file()) continue;
    std::string bytes;
    if (!ReadFileBytes(entry.path().string(), &bytes)) {
      std::fprintf(stderr, "bench_tokenize_corpus: cannot read %s\n", entry.path().string().c_str());
      continue;
    }
    std::string ansi = Utf8ToAnsi(bytes);
    whole += ansi;
    whole += '\n';
    texts.push_back(ansi + ". @@END");
  }
  if (texts.empty()) {
    std::fprintf(stderr, "bench_tokenize_corpus: no files below %s\n", dir.string().c_str());
    return 2;
  }
  std::printf("%zu files from %s\n", texts.size(), dir.string().c_str());

  TokenizeAll(texts);  // warm-up
  Run files;
  for (int round = 0; round < 5; ++round) {
    Run r = TokenizeAll(texts);
    files.seconds += r.seconds;
    files.bytes += r.bytes;
    files.records += r.records;
  }
  Print("each file, 5 rounds", files);

  std::string four;
  for (int i = 0; i < 4; ++i) four += whole;
  const std::vector<std::string> once = {whole + ". @@END"};
  const std::vector<std::string> fourTimes = {four + ". @@END"};
  TokenizeAll(once);
  Print("corpus as one text", TokenizeAll(once));
  TokenizeAll(fourTimes);
  Print("corpus as one text x4", TokenizeAll(fourTimes));

  // Elements that are never closed make the scan look ahead in vain; it must
  // still read such a text in one pass.
  std::string unclosed;
  while (unclosed.size() < whole.size()) unclosed += "<term>word and <xref>more text <?Pubref x?>";
  Print("unclosed elements", TokenizeAll({unclosed + ". @@END"}));
  return 0;
}
