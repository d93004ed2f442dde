#pragma once
// `kesta` on documents written in the test, with a custom folder whose
// dictionaries are built in the test.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/commands/check_words.h"
#include "tests/e2e/sample_check.h"
#include "tests/support/dict_fixture.h"

class CheckFixture : public SampleCheck {
 protected:
  void SetUp() override {
    dir_.Write("custom/editinit/KestaArbortext.ini", check_words::kSettings);
    WriteTestDict(dir_, "custom/dictionaries/TEC.cmp", check_words::kTechnical);
    WriteTestDict(dir_, "custom/dictionaries/STE.cmp", check_words::kCore);
    WriteTestDict(dir_, "custom/dictionaries/SYN.cmp", check_words::kSynonym);
  }

  ProgramRun Kesta(const std::vector<std::string>& args) {
    return SampleCheck::Kesta(args, (dir_.path() / "custom").string());
  }
  // Checks a document written from `xml`; the result document is in out.
  ProgramRun Check(const std::string& xml, const std::string& name = "doc.xml") {
    return Kesta({"check", dir_.Write(name, xml)});
  }

  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  // The document without its XML declaration line, when it has one.
  static std::string Body(const std::string& out) {
    if (out.rfind("<?xml ", 0) != 0) return out;
    std::size_t end = out.find("?>\n");
    return end == std::string::npos ? out : out.substr(end + 3);
  }
};
