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

void ExpectMarkers(const std::string& doc, std::initializer_list<Expected> markers) {
  for (const Expected& m : markers) EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n" << doc;
}

ProgramRun SampleCheck::Kesta(const std::vector<std::string>& args, const std::string& custom) {
  // The tests' own fixed dictionaries unless a test names a folder.
  const std::string folder = custom.empty() ? std::string(KESTA_BUILD_DIR) + "/test-custom" : custom;
  return RunProgram(KESTA_PROGRAM, args,
                    {{"APTCUSTOM", folder}, {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
}

std::string SampleCheck::Check(std::initializer_list<std::string> paragraphs, const std::string& custom) {
  std::string xml = "<topic><body>";
  for (const std::string& p : paragraphs) xml += "<p>" + p + "</p>";
  xml += "</body></topic>";
  run_ = Kesta({"check", dir_.Write("doc.xml", xml)}, custom);
  EXPECT_EQ(run_.status, 0) << run_.err;
  return run_.out;
}

std::string SampleCheck::CheckParagraph(const std::string& text, const std::string& custom) {
  const std::string out = Check({text}, custom);
  const std::size_t open = out.find("<p>");
  const std::size_t close = out.rfind("</p>");
  if (open == std::string::npos || close == std::string::npos) return out;
  return out.substr(open + 3, close - open - 3);
}

void SampleCheck::ExpectParagraphs(std::initializer_list<ParagraphCase> cases) {
  for (const ParagraphCase& k : cases) EXPECT_EQ(CheckParagraph(k.text), k.marked) << k.text;
}

void SampleCheck::ExpectFound(std::span<const FoundCase> cases) {
  for (const FoundCase& k : cases) {
    const std::string out = Check({k.text});
    EXPECT_NE(out.find(k.found), std::string::npos) << k.text << "\n" << out;
  }
}

void SampleCheck::ExpectNoMarkers(std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    const std::string out = Check({text});
    EXPECT_EQ(out.find("_touchup"), std::string::npos) << text << "\n" << out;
  }
}
