// The whole document check (load, every pass, marking, save) on each corpus
// document, on generated documents of 100 KB, 1 MB and 4 MB made of corpus
// text, and on one paragraph of 800 KB and 3.2 MB with no sentence end in it
// (work that grows with the sentence shows there); prints words per second
// and the peak memory, and for the generated documents the ratio of the
// whole check to a libxml2 parse of the same text.
//   bench_check_documents [CORPUS_FOLDER] [--custom FOLDER] [--save FOLDER]
// --save writes the generated documents there (generated-1024k.xml...), so
// that a single one can be checked or profiled with `kesta check`.
// The custom folder (settings and dictionaries) defaults to the build's
// own, beside this program's folder.
#include <sys/resource.h>
#include <time.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <fstream>
#include <vector>

#include <libxml/parser.h>

#include "commands/run_kesta.h"
#include "editor/editor.h"
#include "engine/dict_file.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// Answers nothing and shows nothing: the figures are the only output.
class SilentInteraction : public Interaction {
 public:
  int MessageBox(const std::string& text, const std::string&, unsigned style) override {
    ++boxes;
    if (std::getenv("KESTA_BENCH_BOXES")) std::fprintf(stderr, "[box] %s\n", text.c_str());
    return DismissedAnswer(style);
  }
  long boxes = 0;
  void StatusLine(const std::string&) override {}
  int Response(const std::string&, const std::vector<std::string>&) override { return 0; }
};

struct Result {
  double seconds = 0;
  double cpuSeconds = 0;  // this thread's processor time: less moved by other load on the machine
  long peakKilobytes = 0;  // the process's peak during this check alone, where the system tells it
  long heldKilobytes = 0;  // what the process held when the check began (libraries, dictionaries...)
  long words = 0;
  long markers = 0;
  bool ok = false;
};

long CountMarkers(const std::string& text) {
  long n = 0;
  for (std::size_t p = text.find("<?Pub _touchup "); p != std::string::npos;
       p = text.find("<?Pub _touchup ", p + 1))
    ++n;
  return n;
}

double ThreadCpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

long CountWords() {
  long n = 0;
  for (WordRec* w = WordList.head; w && !w->written.startsWith(kSentinel); w = w->next) ++n;
  return n;
}

long PeakKilobytes();
void ResetPeak();
long PeakSinceReset();
long HeldKilobytes();

Result CheckText(const std::string& xml, const std::string& name) {
  Result r;
  ResetPeak();
  r.heldKilobytes = HeldKilobytes();
  auto start = Clock::now();
  double cpuStart = ThreadCpuSeconds();
  editor::Editor doc;
  doc.RecordCalls(false);  // as the kesta command runs it
  std::string error;
  if (!doc.LoadText(xml, name, &error, "/bench/" + name)) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), error.c_str());
    return r;
  }
  doc.RegisterHostClasses();
  RunKesta* object = new RunKesta();
  HRESULT hr = object->ProcessKesta();
  std::string saved = doc.SaveText();
  r.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  r.cpuSeconds = ThreadCpuSeconds() - cpuStart;
  r.peakKilobytes = PeakSinceReset();
  object->Release();
  r.words = CountWords();
  r.markers = CountMarkers(saved);
  r.ok = hr == S_OK;
  return r;
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Linux lets a process set its peak back to what it holds now; the peak of
// one check is then read from VmHWM. Elsewhere the process's peak so far.
bool g_peakResets = false;
void ResetPeak() {
#if defined(__GLIBC__)
  // What earlier checks freed goes back to the system first, so that the
  // peak is of what this check holds, not of what the allocator kept.
  malloc_trim(0);
#endif
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  g_peakResets = static_cast<bool>(clear);
}

long HeldKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

long PeakSinceReset() {
  if (g_peakResets) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
      if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return PeakKilobytes();
}

// The time of a plain libxml2 parse of the same text, read from memory as
// `xmllint --noout` reads its file: the first run (fresh memory, as in a
// process of its own) and the best of five.
struct ParseTimes {
  double first = 0;
  double best = 0;
};
ParseTimes XmlParseSeconds(const std::string& xml) {
  ParseTimes t;
  for (int run = 0; run < 5; ++run) {
    auto start = Clock::now();
    xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "bench.xml", nullptr, XML_PARSE_NONET);
    if (doc == nullptr) return ParseTimes{};
    xmlFreeDoc(doc);
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (run == 0) t.first = t.best = seconds;
    t.best = std::min(t.best, seconds);
  }
  return t;
}

// The text of the corpus, markup dropped, as paragraphs of about 400 bytes.
std::vector<std::string> CorpusParagraphs(const std::vector<fs::path>& files) {
  std::vector<std::string> paragraphs;
  std::string cur;
  for (const fs::path& file : files) {
    std::string bytes;
    if (!ReadFileBytes(file.string(), &bytes)) continue;
    bool inTag = false;
    bool blank = false;
    bool inEntity = false;
    for (char c : bytes) {
      if (c == '<') inTag = true;
      if (inTag) {
        if (c == '>') inTag = false;
        continue;
      }
      // Entity references stay as they were written; a '>' of the text
      // (from code samples) is left out, so that no "]]>" ends up in content.
      if (c == '>') continue;
      if (c == ' ' || c == '\n' || c == '\t' || c == '\r') {
        if (!blank && !cur.empty()) cur += ' ';
        blank = true;
        continue;
      }
      blank = false;
      cur += c;
      // A paragraph is never cut inside an entity reference.
      if (c == '&') inEntity = true;
      else if (c == ';') inEntity = false;
      if (!inEntity && cur.size() > 400 && (c == '.' || cur.size() > 800)) {
        paragraphs.push_back(cur);
        cur.clear();
      }
    }
  }
  if (!cur.empty()) paragraphs.push_back(cur);
  return paragraphs;
}

std::string Generated(const std::vector<std::string>& paragraphs, std::size_t size) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<topic id=\"generated\"><title>Generated</title><body>\n";
  for (std::size_t i = 0; xml.size() < size && !paragraphs.empty(); ++i)
    xml += "<p>" + paragraphs[i % paragraphs.size()] + "</p>\n";
  xml += "</body></topic>\n";
  return xml;
}

// One paragraph that is one sentence: the words of the corpus text that are
// written in small letters only (numbers, names, entities, markup and
// punctuation can start a new sentence), and after each corpus paragraph a
// clause with phrasal verbs, whose merge renumbers the rest of the sentence.
std::string GeneratedOneSentence(const std::vector<std::string>& paragraphs, std::size_t size) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<topic id=\"long\"><title>Long</title><body>\n<p>";
  for (std::size_t i = 0; xml.size() < size && !paragraphs.empty(); ++i) {
    const std::string& text = paragraphs[i % paragraphs.size()];
    std::size_t begin = 0;
    while (begin < text.size()) {
      std::size_t end = text.find(' ', begin);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(begin, end - begin);
      begin = end + 1;
      if (!word.empty() && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        xml += word + ' ';
    }
    xml += "and then carry out the test, set up the pump and shut down the motor ";
  }
  xml += "</p>\n</body></topic>\n";
  return xml;
}

void SaveGenerated(const fs::path& save, const std::string& name, const std::string& xml) {
  if (save.empty()) return;
  fs::path file = save / name;
  int error = 0;
  const char* stage = nullptr;
  if (!ReplaceFileContent(file.string(), xml, &error, &stage)) std::fprintf(stderr, "cannot write %s\n", file.c_str());
}

SilentInteraction* g_silent = nullptr;

void Print(const std::string& name, std::size_t bytes, const Result& r) {
  std::printf("%-32s %9zu B %8ld words %7ld markers %4ld boxes %8.3f s (cpu %.3f s) %10.0f words/s  peak %ld KB (held before: %ld KB)%s\n",
              name.c_str(), bytes, r.words, r.markers, g_silent->boxes, r.seconds, r.cpuSeconds,
              r.seconds > 0 ? r.words / r.seconds : 0.0, r.peakKilobytes ? r.peakKilobytes : PeakKilobytes(),
              r.heldKilobytes, r.ok ? "" : "  (not S_OK)");
  g_silent->boxes = 0;
}

}  // namespace

int main(int argc, char** argv) {
  fs::path corpus = fs::path(KESTA_SOURCE_DIR) / ".." / "shared" / "corpus";
  fs::path custom = fs::absolute(fs::path(argv[0])).parent_path().parent_path() / "custom";
  fs::path save;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--custom" && i + 1 < argc)
      custom = argv[++i];
    else if (arg == "--save" && i + 1 < argc)
      save = argv[++i];
    else
      corpus = arg;
  }
  setenv("APTCUSTOM", custom.string().c_str(), 1);
  if (LoadSettings() < 0) {
    std::fprintf(stderr, "no settings below %s\n", custom.string().c_str());
    return 2;
  }
  for (int slot = 0; slot < kDictSlotCount; ++slot) {
    if (LoadDict(slot, NativePath(Settings.dictFileTable[slot].path.str()).c_str()) < 0) {
      std::fprintf(stderr, "cannot load %s\n", Settings.dictFileTable[slot].path.c_str());
      return 2;
    }
  }
  SilentInteraction silent;
  g_silent = &silent;
  SetInteraction(&silent);

  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(corpus, ec))
    if (entry.is_regular_file() && entry.path().extension() != ".md") files.push_back(entry.path());
  std::sort(files.begin(), files.end());

  Result total;
  std::size_t totalBytes = 0;
  for (const fs::path& file : files) {
    std::string xml;
    if (!ReadFileBytes(file.string(), &xml)) continue;
    Result r = CheckText(xml, file.filename().string());
    total.seconds += r.seconds;
    total.cpuSeconds += r.cpuSeconds;
    total.words += r.words;
    total.markers += r.markers;
    total.peakKilobytes = std::max(total.peakKilobytes, r.peakKilobytes);
    if (total.heldKilobytes == 0) total.heldKilobytes = r.heldKilobytes;
    totalBytes += xml.size();
  }
  total.ok = true;
  Print("corpus (" + std::to_string(files.size()) + " documents)", totalBytes, total);

  std::vector<std::string> paragraphs = CorpusParagraphs(files);
  double oneMegabyte = 0;
  double oneMegabyteCpu = 0;
  double oneMegabyteRatio = 0;
  long oneMegabytePeak = 0;
  double fourToOne = 0;
  for (std::size_t size : {std::size_t{100} << 10, std::size_t{1} << 20, std::size_t{4} << 20}) {
    std::string xml = Generated(paragraphs, size);
    SaveGenerated(save, "generated-" + std::to_string(size >> 10) + "k.xml", xml);
    Result r = CheckText(xml, "generated.xml");
    Print("generated " + std::to_string(size >> 10) + " KB", xml.size(), r);
    const ParseTimes parse = XmlParseSeconds(xml);
    if (parse.first > 0)
      std::printf("  whole check / libxml2 parse: %.0f times the first parse (%.4f s), %.0f times the best (%.4f s)\n",
                  r.seconds / parse.first, parse.first, r.seconds / parse.best, parse.best);
    if (size == (std::size_t{1} << 20)) {
      oneMegabyte = r.seconds;
      oneMegabyteCpu = r.cpuSeconds;
      oneMegabyteRatio = parse.first > 0 ? r.seconds / parse.first : 0;
      oneMegabytePeak = r.peakKilobytes;
    }
    if (size == (std::size_t{4} << 20) && oneMegabyte > 0) fourToOne = r.seconds / oneMegabyte;
    if (size == (std::size_t{4} << 20) && oneMegabyte > 0)
      std::printf("4 MB / 1 MB time ratio: %.2f, cpu %.2f (linear: about 4)\n", r.seconds / oneMegabyte,
                  oneMegabyteCpu > 0 ? r.cpuSeconds / oneMegabyteCpu : 0.0);
  }

  Result shortSentence;
  for (std::size_t size : {std::size_t{800} << 10, std::size_t{3200} << 10}) {
    std::string xml = GeneratedOneSentence(paragraphs, size);
    SaveGenerated(save, "one-sentence-" + std::to_string(size >> 10) + "k.xml", xml);
    Result r = CheckText(xml, "one-sentence.xml");
    Print("one sentence " + std::to_string(size >> 10) + " KB", xml.size(), r);
    if (size == (std::size_t{800} << 10)) shortSentence = r;
    else if (shortSentence.seconds > 0)
      std::printf("3.2 MB / 800 KB sentence time ratio: %.2f, cpu %.2f (linear: about 4)\n",
                  r.seconds / shortSentence.seconds,
                  shortSentence.cpuSeconds > 0 ? r.cpuSeconds / shortSentence.cpuSeconds : 0.0);
  }
  // The figures the goals are set on, together.
  std::printf("goals: 1 MB check %.3f s = %.0f times the libxml2 parse (goal: at most 20); "
              "4 MB / 1 MB %.2f (goal: at most 4.5); 1 MB peak %.1f MB (goal: under 64)\n",
              oneMegabyte, oneMegabyteRatio, fourToOne, static_cast<double>(oneMegabytePeak) / 1024.0);
  SetInteraction(nullptr);
  return 0;
}
