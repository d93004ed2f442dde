// Check, then close: every corpus document and every sample comes back as it
// was, apart from the corrections the check makes on purpose.
#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editor.h"
#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Documents() {
  std::vector<std::string> files;
  for (const std::string& folder :
       {std::string(KESTA_CORPUS_DIR) + "/dita", std::string(KESTA_CORPUS_DIR) + "/s1000d",
        std::string(KESTA_CORPUS_DIR) + "/docbook", std::string(KESTA_SOURCE_DIR) + "/data/samples"}) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
      if (entry.is_regular_file()) files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The text and markup with the text of every element reduced to its tags:
// what a correction may change is the text, never the markup.
std::string Markup(const std::string& xml) {
  std::string out;
  bool inTag = false;
  for (char c : xml) {
    if (c == '<') inTag = true;
    if (inTag) out += c;
    if (c == '>') inTag = false;
  }
  return out;
}

class RoundTrip : public ::testing::TestWithParam<std::string> {
 protected:
  ProgramRun Kesta(const std::vector<std::string>& args) {
    return RunProgram(KESTA_PROGRAM, args,
                      {{"APTCUSTOM", std::nullopt}, {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
  }
  TempDir dir_;
};

TEST_P(RoundTrip, CheckThenClose) {
  const std::string file = GetParam();
  editor::Editor original;
  std::string error;
  ASSERT_TRUE(original.Load(file, &error)) << error;
  const std::string before = original.SaveText();

  std::string marked = (dir_.path() / "marked.xml").string();
  std::string back = (dir_.path() / "back.xml").string();
  ProgramRun checked = Kesta({"check", file, "-o", marked});
  ASSERT_LE(checked.status, 1) << checked.err;
  EXPECT_EQ(checked.err.find("Sanitizer"), std::string::npos) << checked.err;
  ProgramRun closed = Kesta({"call", "CloseKesta", marked, "-o", back});
  ASSERT_EQ(closed.status, 0) << closed.err;
  EXPECT_EQ(closed.err.find("Sanitizer"), std::string::npos) << closed.err;

  const std::string after = dir_.Read("back.xml");
  EXPECT_EQ(after.find("_touchup"), std::string::npos);
  if (after != before) {
    // Only a correction (a repeated word taken out, an article or a sign
    // put right) may have changed the text; the markup is the same.
    EXPECT_EQ(Markup(after), Markup(before)) << file;
    EXPECT_NEAR(static_cast<double>(after.size()), static_cast<double>(before.size()), 64.0) << file;
  }
}

INSTANTIATE_TEST_SUITE_P(Documents, RoundTrip, ::testing::ValuesIn(Documents()),
                         [](const auto& info) {
                           std::string name = fs::path(info.param).stem().string();
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name + "_" + std::to_string(info.index);
                         });

}  // namespace
