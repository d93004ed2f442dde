// How the stand-in editor's time grows with the document: load, walk every
// element and instruction through oid_forward (as the module does, one ACL
// call per step), mark one word in every tenth paragraph and take the
// markers out again, then save. Run on the largest corpus document and on
// generated documents of 1, 2 and 4 MB; the time per MB should stay flat.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "editor/editor.h"
#include "platform/files.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string Generated(std::size_t bytes) {
  std::string xml = "<?xml version=\"1.0\"?>\n<topic id=\"gen\"><title>Generated</title><body>\n";
  for (int n = 0; xml.size() < bytes; ++n)
    xml += "<p id=\"p" + std::to_string(n) + "\">Close the <b>valve</b> before you remove the pump &trade; "
           "and make sure that the pressure is zero.</p>\n";
  return xml + "</body></topic>\n";
}

std::string Eval(editor::Editor& e, const std::string& expression) {
  std::string out;
  e.Evaluate(expression, &out);
  return out;
}

void Run(const char* label, const std::string& xml) {
  editor::Editor e;
  std::string error;
  auto start = Clock::now();
  if (!e.LoadText(xml, "bench.xml", &error)) {
    std::printf("%-28s cannot load: %s\n", label, error.c_str());
    return;
  }
  double load = Seconds(start);

  start = Clock::now();
  int objects = 0;
  int paragraphs = 0;
  for (std::string id = Eval(e, "oid_first()"); id != "(0,0,0)"; id = Eval(e, "oid_forward('" + id + "')")) {
    ++objects;
    if (Eval(e, "oid_name('" + id + "')") == "p" && ++paragraphs % 10 == 0) {
      e.Execute("clm; goto_oid('" + id + "');");
      if (e.Execute("find -f -e -q -select @the@") == S_OK)
        e.Execute("insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"2500NONE\" "
                  "HighltBckclr=\"FFFF66\"?>the</_touchup>@; clear_mark all");
    }
  }
  double walk = Seconds(start);

  start = Clock::now();
  int removed = 0;
  e.Execute("goto_oid(oid_first())");
  while (e.Execute("fps 'Kesta'; dt;") == S_OK) ++removed;
  double unmark = Seconds(start);

  start = Clock::now();
  std::string saved = e.SaveText();
  double save = Seconds(start);

  double mb = static_cast<double>(xml.size()) / (1024.0 * 1024.0);
  double total = load + walk + unmark + save;
  std::printf("%-28s %7.2f MB %8d objects %6d markers  load %6.3f s  walk+mark %6.3f s  unmark %6.3f s"
              "  save %6.3f s  %6.3f s/MB\n",
              label, mb, objects, removed, load, walk, unmark, save, total / mb);
}

}  // namespace

int main() {
  std::filesystem::path corpus = std::filesystem::path(KESTA_SOURCE_DIR) / ".." / "shared" / "corpus";
  std::filesystem::path largest;
  std::uintmax_t largestSize = 0;
  std::error_code ec;
  if (std::filesystem::is_directory(corpus, ec))
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus, ec))
      if (entry.is_regular_file() && entry.path().extension() != ".md" && entry.file_size() > largestSize) {
        largest = entry.path();
        largestSize = entry.file_size();
      }
  if (!largest.empty()) {
    std::string bytes;
    if (ReadFileBytes(largest.string(), &bytes)) Run(largest.filename().string().c_str(), bytes);
  } else {
    std::printf("no corpus at %s\n", corpus.string().c_str());
  }
  for (std::size_t mb : {1, 2, 4}) Run(("generated " + std::to_string(mb) + " MB").c_str(), Generated(mb << 20));
  return 0;
}
