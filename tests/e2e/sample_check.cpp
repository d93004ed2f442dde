#include "tests/e2e/sample_check.h"

#include <regex>

namespace {

std::string Escaped(const std::string& s) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\/])");
  return std::regex_replace(s, special, R"(\$&)");
}

}  // namespace

std::string Marker(const std::string& value, const std::string& colour, const std::string& text) {
  return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour + "\"?>" + text + "<?Pub /_touchup?>";
}

bool Marked(const std::string& doc, const std::string& category, const std::string& advice, const std::string& text) {
  const std::regex marker("Kesta=\"" + category + "[0-9][0-9]" + Escaped(advice) + "\" HighltBckclr=\"[0-9A-F]+\"\\?>" +
                          Escaped(text) + "<\\?Pub /_touchup\\?>");
  return std::regex_search(doc, marker);
}

bool Unmarked(const std::string& doc, const std::string& text) {
  return doc.find("?>" + text + "<?Pub /_touchup?>") == std::string::npos;
}

ProgramRun SampleCheck::Kesta(const std::vector<std::string>& args, const std::string& custom) {
  // The tests' own fixed dictionaries unless a test names a folder.
  const std::string folder = custom.empty() ? std::string(KESTA_BUILD_DIR) + "/test-custom" : custom;
  // Report files go to a profile folder of the test's own.
  return RunProgram(KESTA_PROGRAM, args,
                    {{"APTCUSTOM", folder},
                     {"KESTA_REGISTRY", (dir_.path() / "registry").string()},
                     {"KESTA_PROFILE", (dir_.path() / "profile").string()}});
}

std::string SampleCheck::CheckParagraph(const std::string& text, const std::string& custom) {
  run_ = Kesta({"check", dir_.Write("doc.xml", "<topic><body><p>" + text + "</p></body></topic>")}, custom);
  EXPECT_EQ(run_.status, 0) << run_.err;
  const std::string& out = run_.out;
  const std::size_t open = out.find("<p>");
  const std::size_t close = out.rfind("</p>");
  if (open == std::string::npos || close == std::string::npos) return out;
  return out.substr(open + 3, close - open - 3);
}

std::string SampleCheck::ScoreFigures(const std::string& bytes, const char* answer, const std::string& custom) {
  const std::string path = dir_.Write("scored.xml", bytes);
  ProgramRun run = Kesta({"call", "SixsigmaRead", path, "--answer", answer, "-i"}, custom);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("Not found"), std::string::npos) << run.err;
  // Only a document without findings has a box: the sigma report's praise.
  const std::string boxes =
      std::regex_replace(run.err, std::regex("\\[box KESta QA Results\\] Congratulations[^\n]*"), "");
  EXPECT_EQ(boxes.find("[box"), std::string::npos) << run.err;
  std::string figures;
  const std::string scored = dir_.Read("scored.xml");
  EXPECT_EQ(scored.find("_touchup"), std::string::npos);
  using Source = std::pair<const std::string*, const char*>;
  for (const auto& [text, pattern] :
       {Source{&run.err, "KESta processes \\d+ words"}, Source{&scored, "<\\?KESSTA [^#]*"},
        Source{&run.err, "Document has [^\"]*|KESta found [^.]* words\\.\\s*(\\[dialog\\]\\s*)?Average sentence "
                         "length: \\d+"}}) {
    std::smatch m;
    if (std::regex_search(*text, m, std::regex(pattern))) figures += m.str() + "|";
  }
  EXPECT_NE(figures.find("processes"), std::string::npos) << run.err;
  return figures;
}
