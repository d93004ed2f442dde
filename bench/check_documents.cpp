// The whole document check (load, every pass, marking, save) on each corpus
// document, on DITA topics of 100 KB, 1 MB and 4 MB made of whole corpus
// paragraphs (see paragraphs/whole_paragraphs.h), on the 1 MB topic again
// with bold, italic and cross references laid over its words, again with
// the characters of typeset text (paragraphs/typography.h), again with
// entity references for names (paragraphs/entity_names.h), and on one
// paragraph of 800 KB and 3.2 MB with no sentence end in it (work that
// grows with the sentence shows there). For each it prints the markers
// written, the findings lost (message boxes (86), (87) and (89) and "Not
// found" status lines), words per second and the peak memory; for the
// generated documents also whether they and the marked result are
// well-formed XML, for those with an overlay whether the close gives the
// document back byte for byte, and the ratio of the whole check to a
// libxml2 parse of the same text.
//   bench_check_documents [CORPUS_FOLDER] [--custom FOLDER] [--save FOLDER]
// --save writes the generated documents there (whole-paragraphs-1024k.xml,
// whole-paragraphs-markup-1024k.xml, whole-paragraphs-typography-1024k.xml,
// whole-paragraphs-entities-1024k.xml, one-sentence-800k.xml...), so that
// a single one can be checked or profiled with `kesta check`. Without
// corpus documents there is nothing to measure: the program says so and
// ends with status 2.
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
#include <utility>
#include <vector>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include "bench/paragraphs/whole_paragraphs.h"

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

// Answers nothing and shows nothing: the figures are the only output. It
// counts the findings the marking lost: the boxes of a failed search or
// marker, (86), (87) and (89), and the "Not found" status lines.
class SilentInteraction : public Interaction {
 public:
  int MessageBox(const std::string& text, const std::string&, unsigned style) override {
    if (text.find("(86)") != std::string::npos || text.find("(87)") != std::string::npos ||
        text.find("(89)") != std::string::npos)
      ++lostBoxes;
    else
      ++otherBoxes;
    if (std::getenv("KESTA_BENCH_BOXES")) std::fprintf(stderr, "[box] %s\n", text.c_str());
    return DismissedAnswer(style);
  }
  void StatusLine(const std::string& text) override {
    if (text.rfind("Not found", 0) != 0) return;
    ++notFound;
    if (std::getenv("KESTA_BENCH_BOXES")) std::fprintf(stderr, "[status] %s\n", text.c_str());
  }
  void Reset() { lostBoxes = otherBoxes = notFound = 0; }
  long lostBoxes = 0;
  long otherBoxes = 0;
  long notFound = 0;
  int Response(const std::string&, const std::vector<std::string>&) override { return 0; }
};

struct Result {
  double seconds = 0;
  double cpuSeconds = 0;  // this thread's processor time: less moved by other load on the machine
  long peakKilobytes = 0;  // the process's peak during this check alone, where the system tells it
  long heldKilobytes = 0;  // what the process held when the check began (libraries, dictionaries...)
  long words = 0;
  long markers = 0;
  long lostBoxes = 0;
  long notFound = 0;
  long otherBoxes = 0;
  std::string saved;
  bool ok = false;
  bool closed = false;      // the close ran after the check (not timed)
  std::string closeFault;   // where the closed text first differs from the document; empty: byte for byte
};

SilentInteraction* g_silent = nullptr;

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

// Where two texts first differ, with a few bytes of each; empty when equal.
std::string FirstDifference(const std::string& was, const std::string& now) {
  if (was == now) return "";
  std::size_t at = 0;
  while (at < was.size() && at < now.size() && was[at] == now[at]) ++at;
  const std::size_t from = at > 30 ? at - 30 : 0;
  return "at byte " + std::to_string(at) + " of " + std::to_string(was.size()) + ": was \"" + was.substr(from, 60) +
         "\", now \"" + now.substr(from, 60) + "\"";
}

// The check of one document, timed; with `close`, CloseKesta runs after it
// (untimed) and the text it gives back is held to the document.
Result CheckText(const std::string& xml, const std::string& name, bool close = false) {
  Result r;
  g_silent->Reset();
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
  r.words = CountWords();
  r.markers = CountMarkers(saved);
  r.lostBoxes = g_silent->lostBoxes;
  r.notFound = g_silent->notFound;
  r.otherBoxes = g_silent->otherBoxes;
  r.saved = std::move(saved);
  r.ok = hr == S_OK;
  if (close) {
    object->CloseKesta();
    r.closed = true;
    r.closeFault = FirstDifference(xml, doc.SaveText());
  }
  object->Release();
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

// Whether a text is well-formed XML as `xmllint --noout --nonet --huge`
// reads it (no DTD fetched; without --huge, libxml2 takes the 10001st
// reference in a document that leaves some undeclared for an entity loop):
// empty when it is, else the number of errors and the first one. A
// document without a DTD must declare every entity but the five
// predefined; in one with a DTD, a reference to an entity it does not
// declare is left to that DTD: counted apart, in `undeclared`, so that a
// marked result is held to the same count.
struct XmlErrors {
  long count = 0;
  std::string first;
  long undeclared = 0;
};
void CollectXmlError(void* data, xmlErrorPtr error) {
  if (error == nullptr || error->level < XML_ERR_ERROR) return;
  XmlErrors* errors = static_cast<XmlErrors*>(data);
  if (error->code == XML_WAR_UNDECLARED_ENTITY) {
    ++errors->undeclared;
    return;
  }
  if (errors->count++ == 0) {
    errors->first = "line " + std::to_string(error->line) + ": " + (error->message ? error->message : "");
    while (!errors->first.empty() && errors->first.back() == '\n') errors->first.pop_back();
  }
}
std::string XmlFaults(const std::string& xml, long* undeclared = nullptr) {
  XmlErrors errors;
  xmlSetStructuredErrorFunc(&errors, CollectXmlError);
  xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "bench.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_HUGE);
  xmlSetStructuredErrorFunc(nullptr, nullptr);
  if (doc) xmlFreeDoc(doc);
  if (undeclared) *undeclared = errors.undeclared;
  if (doc && errors.count == 0) return "";
  if (errors.count == 0) return "not parsed";
  return std::to_string(errors.count) + " errors, first " + errors.first;
}

// The text of the corpus, markup dropped, as paragraphs of about 400 bytes
// (words only: the one-sentence documents below are made of them).
std::vector<std::string> CorpusText(const std::vector<fs::path>& files) {
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

// The whole paragraphs of every corpus document, in corpus order; says
// what became of entity references and which documents could not be read.
std::vector<bench::Block> CorpusBlocks(const std::vector<fs::path>& files) {
  std::vector<bench::Block> blocks;
  bench::EntityTally entities;
  long documents = 0;
  for (const fs::path& file : files) {
    std::string xml;
    std::string error;
    if (!ReadFileBytes(file.string(), &xml)) continue;
    if (bench::LeafBlocks(xml, file.filename().string(), &blocks, &entities, &error))
      ++documents;
    else
      std::printf("  not taken: %s\n", error.c_str());
  }
  long titles = std::count_if(blocks.begin(), blocks.end(), [](const bench::Block& b) { return b.title; });
  long dropped = 0;
  std::string names;
  for (const auto& [name, count] : entities.dropped) {
    dropped += count;
    names += (names.empty() ? " (" : ", ") + ("&" + name + "; " + std::to_string(count));
  }
  if (!names.empty()) names += ")";
  std::printf("whole paragraphs: %zu blocks (%ld titles) from %ld documents; entity references: "
              "%ld replaced by the text the document declares, %ld undeclared dropped%s\n",
              blocks.size(), titles, documents, entities.replaced, dropped, names.c_str());
  return blocks;
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
  std::error_code ec;
  fs::create_directories(save, ec);
  fs::path file = save / name;
  int error = 0;
  const char* stage = nullptr;
  if (!ReplaceFileContent(file.string(), xml, &error, &stage)) std::fprintf(stderr, "cannot write %s\n", file.c_str());
}

long Lost(const Result& r) { return r.lostBoxes + r.notFound; }

void Print(const std::string& name, std::size_t bytes, const Result& r) {
  std::printf("%-26s %9zu B %8ld words %7ld markers %7ld lost (%ld boxes, %ld not found)%s %8.3f s (cpu %.3f s) "
              "%8.0f words/s  peak %ld KB (held before: %ld KB)%s\n",
              name.c_str(), bytes, r.words, r.markers, Lost(r), r.lostBoxes, r.notFound,
              r.otherBoxes ? (" +" + std::to_string(r.otherBoxes) + " other boxes").c_str() : "", r.seconds,
              r.cpuSeconds, r.seconds > 0 ? r.words / r.seconds : 0.0,
              r.peakKilobytes ? r.peakKilobytes : PeakKilobytes(), r.heldKilobytes, r.ok ? "" : "  (not S_OK)");
}

// Whether a generated document and its marked result are well-formed (and
// hold as many references left to the DTD), and whether the close gave the
// document back byte for byte.
void PrintWellFormed(const std::string& xml, const Result& r, long paragraphs) {
  long undeclaredIn = 0;
  long undeclaredOut = 0;
  const std::string in = XmlFaults(xml, &undeclaredIn);
  const std::string out = XmlFaults(r.saved, &undeclaredOut);
  const std::string left =
      undeclaredIn == 0 && undeclaredOut == 0 ? ""
      : undeclaredIn == undeclaredOut
          ? " (" + std::to_string(undeclaredIn) + " references left to the DTD, in both)"
          : " (REFERENCES LEFT TO THE DTD: " + std::to_string(undeclaredIn) + " in the document, " +
                std::to_string(undeclaredOut) + " in the marked result)";
  std::printf("  %s%s; marked result %s%s%s\n",
              paragraphs > 0 ? (std::to_string(paragraphs) + " paragraphs and titles, ").c_str() : "",
              in.empty() ? "well-formed" : ("NOT WELL-FORMED: " + in).c_str(),
              out.empty() ? "well-formed" : ("NOT WELL-FORMED: " + out).c_str(), left.c_str(),
              !r.closed                ? ""
              : r.closeFault.empty() ? "; closed byte for byte"
                                     : ("; CLOSED NOT BYTE FOR BYTE, " + r.closeFault).c_str());
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

  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::recursive_directory_iterator(corpus, ec))
    if (entry.is_regular_file() && entry.path().extension() != ".md") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  // Every figure is taken on the corpus or on documents made of it.
  if (files.empty()) {
    std::fprintf(stderr, "corpus missing: no documents in %s, nothing measured (give the corpus folder as the first argument)\n",
                fs::weakly_canonical(corpus, ec).string().c_str());
    return 2;
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

  Result total;
  std::size_t totalBytes = 0;
  long faultyResults = 0;
  std::string firstFaulty;
  for (const fs::path& file : files) {
    std::string xml;
    if (!ReadFileBytes(file.string(), &xml)) continue;
    Result r = CheckText(xml, file.filename().string());
    total.seconds += r.seconds;
    total.cpuSeconds += r.cpuSeconds;
    total.words += r.words;
    total.markers += r.markers;
    total.lostBoxes += r.lostBoxes;
    total.notFound += r.notFound;
    total.otherBoxes += r.otherBoxes;
    total.peakKilobytes = std::max(total.peakKilobytes, r.peakKilobytes);
    if (total.heldKilobytes == 0) total.heldKilobytes = r.heldKilobytes;
    totalBytes += xml.size();
    // A marked result is held to what its input already was.
    const std::string out = XmlFaults(r.saved);
    if (!out.empty() && XmlFaults(xml).empty() && faultyResults++ == 0)
      firstFaulty = file.filename().string() + ": " + out;
  }
  total.ok = true;
  Print("corpus (" + std::to_string(files.size()) + " documents)", totalBytes, total);
  std::printf("  marked results not well-formed where the document was: %ld%s%s\n", faultyResults,
              faultyResults ? ", first " : "", firstFaulty.c_str());

  const std::vector<bench::Block> blocks = CorpusBlocks(files);
  double oneMegabyte = 0;
  double oneMegabyteCpu = 0;
  double oneMegabyteRatio = 0;
  long oneMegabytePeak = 0;
  long oneMegabyteLost = 0;
  long fourMegabyteLost = 0;
  double fourToOne = 0;
  for (std::size_t size : {std::size_t{100} << 10, std::size_t{1} << 20, std::size_t{4} << 20}) {
    long paragraphs = 0;
    std::string xml = bench::TopicOfBlocks(blocks, size, &paragraphs);
    const std::string label = size < (std::size_t{1} << 20) ? std::to_string(size >> 10) + " KB"
                                                            : std::to_string(size >> 20) + " MB";
    SaveGenerated(save, "whole-paragraphs-" + std::to_string(size >> 10) + "k.xml", xml);
    Result r = CheckText(xml, "whole-paragraphs.xml");
    Print("paragraphs " + label, xml.size(), r);
    PrintWellFormed(xml, r, paragraphs);
    const ParseTimes parse = XmlParseSeconds(xml);
    if (parse.first > 0)
      std::printf("  whole check / libxml2 parse: %.0f times the first parse (%.4f s), %.0f times the best (%.4f s)\n",
                  r.seconds / parse.first, parse.first, r.seconds / parse.best, parse.best);
    if (size == (std::size_t{1} << 20)) {
      oneMegabyte = r.seconds;
      oneMegabyteCpu = r.cpuSeconds;
      oneMegabyteRatio = parse.first > 0 ? r.seconds / parse.first : 0;
      oneMegabytePeak = r.peakKilobytes;
      oneMegabyteLost = Lost(r);
    }
    if (size == (std::size_t{4} << 20)) fourMegabyteLost = Lost(r);
    if (size == (std::size_t{4} << 20) && oneMegabyte > 0) {
      fourToOne = r.seconds / oneMegabyte;
      std::printf("4 MB / 1 MB time ratio: %.2f, cpu %.2f (linear: about 4)\n", fourToOne,
                  oneMegabyteCpu > 0 ? r.cpuSeconds / oneMegabyteCpu : 0.0);
    }
  }

  // The same paragraphs with inline markup laid over their words (bold,
  // italic and cross references stand between the words of findings), with
  // the characters of typeset text (signs, fractions, inch marks, quotation
  // marks, possessives; '>' in attribute values and in instructions between
  // sentences), and with entity references for names (declared in the
  // document or left to its DTD).
  long markupLost = 0;
  long typographyLost = 0;
  long entitiesLost = 0;
  for (const auto& [overlay, label] : {std::pair{bench::Overlay::kInlineMarkup, "markup"},
                                       std::pair{bench::Overlay::kTypography, "typography"},
                                       std::pair{bench::Overlay::kEntityNames, "entities"}}) {
    long paragraphs = 0;
    const std::size_t size = std::size_t{1} << 20;
    std::string xml = bench::TopicOfBlocks(blocks, size, &paragraphs, overlay);
    SaveGenerated(save, "whole-paragraphs-" + std::string(label) + "-" + std::to_string(size >> 10) + "k.xml", xml);
    Result r = CheckText(xml, "whole-paragraphs-" + std::string(label) + ".xml", true);
    Print("paragraphs 1 MB " + std::string(label), xml.size(), r);
    PrintWellFormed(xml, r, paragraphs);
    (overlay == bench::Overlay::kInlineMarkup ? markupLost
     : overlay == bench::Overlay::kTypography ? typographyLost
                                              : entitiesLost) = Lost(r);
  }

  const std::vector<std::string> text = CorpusText(files);
  Result shortSentence;
  for (std::size_t size : {std::size_t{800} << 10, std::size_t{3200} << 10}) {
    std::string xml = GeneratedOneSentence(text, size);
    SaveGenerated(save, "one-sentence-" + std::to_string(size >> 10) + "k.xml", xml);
    Result r = CheckText(xml, "one-sentence.xml");
    Print("one sentence " + std::to_string(size >> 10) + " KB", xml.size(), r);
    PrintWellFormed(xml, r, 0);
    if (size == (std::size_t{800} << 10)) shortSentence = r;
    else if (shortSentence.seconds > 0)
      std::printf("3.2 MB / 800 KB sentence time ratio: %.2f, cpu %.2f (linear: about 4)\n",
                  r.seconds / shortSentence.seconds,
                  shortSentence.cpuSeconds > 0 ? r.cpuSeconds / shortSentence.cpuSeconds : 0.0);
  }
  // The figures the goals are set on, together.
  std::printf("goals: findings lost 1 MB %ld, 4 MB %ld, 1 MB markup %ld, 1 MB typography %ld, 1 MB entities %ld "
              "(goal: 0); 1 MB check %.3f s = %.0f times the libxml2 parse (goal: at most 20); 4 MB / 1 MB %.2f (goal: "
              "at most 4.5); 1 MB peak %.1f MB (goal: under 64)\n",
              oneMegabyteLost, fourMegabyteLost, markupLost, typographyLost, entitiesLost, oneMegabyte,
              oneMegabyteRatio, fourToOne, static_cast<double>(oneMegabytePeak) / 1024.0);
  SetInteraction(nullptr);
  return 0;
}
