// `kesta check` with the sample dictionaries: the findings of the personal
// pronouns, the demonstratives, "no" and "never", and the first- and
// second-person pronouns come out as markers on the words they cover.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class PronounCheck : public ::testing::Test {
 public:
  // The document of one paragraph per sentence, checked; the result document.
  std::string Check(std::initializer_list<const char*> sentences) {
    std::string xml = "<topic><body>";
    for (const char* s : sentences) xml += std::string("<p>") + s + "</p>";
    xml += "</body></topic>";
    ProgramRun run = RunProgram(KESTA_PROGRAM, {"check", dir_.Write("doc.xml", xml)},
                                {{"APTCUSTOM", std::nullopt},  // the bundled sample dictionaries
                                 {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
    EXPECT_LE(run.status, 1) << run.err;
    return run.out;
  }

  static std::string Escaped(const std::string& s) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\/])");
    return std::regex_replace(s, special, R"(\$&)");
  }
  // A marker of `category` with `advice` ("NONE" for none) round `text`.
  static bool Marked(const std::string& doc, const char* category, const std::string& advice,
                     const std::string& text) {
    const std::regex marker("Kesta=\"" + std::string(category) + "[0-9][0-9]" + Escaped(advice) +
                            "\" HighltBckclr=\"[0-9A-F]+\"\\?>" + Escaped(text) + "<\\?Pub /_touchup\\?>");
    return std::regex_search(doc, marker);
  }

 protected:
  TempDir dir_;
};

struct Expected {
  const char* category;  // message code - 300, two digits
  const char* advice;
  const char* text;
};

void ExpectMarkers(const std::string& doc, std::initializer_list<Expected> markers) {
  for (const Expected& m : markers)
    EXPECT_TRUE(PronounCheck::Marked(doc, m.category, m.advice, m.text)) << m.text << "\n" << doc;
}

TEST_F(PronounCheck, PersonalPronouns) {
  const std::string doc = Check({
      "It is necessary to close the valve.",
      "It is open.",
      "Close it.",
      "She turn the valve.",
      "Then they might stop.",
  });
  ExpectMarkers(doc, {
                         {"02", "make sure that/you must/(Rephrase)", "It is necessary to"},
                         {"02", "(Insert a noun subj.)", "It is"},
                         {"20", "(Insert noun subject)", "it"},
                         {"01", "the person/the operator/the technician", "She"},
                         {"35", "NONE", "turn"},
                         {"00", "can", "might"},
                     });
}

TEST_F(PronounCheck, Demonstratives) {
  const std::string doc = Check({
      "This is.",
      "This could stop the pump.",
      "Remove these pump.",
      "Remove them.",
  });
  ExpectMarkers(doc, {
                         {"20", "NONE", "This is"},
                         {"20", "(Insert noun subj.)", "This"},
                         {"20", "NONE", "these"},
                         {"20", "NONE", "them"},
                     });
}

TEST_F(PronounCheck, NoAndNever) {
  const std::string doc = Check({
      "No smoking.",
      "NO SMOKING.",
      "Never do that.",
      "NEVER DO THAT.",
      "The pump never stops.",
      "Make sure that no signs of damage show.",
  });
  ExpectMarkers(doc, {
                         {"07", " DO NOT SMOKE IN THIS AREA", "No smoking"},
                         {"34", " Do not", "Never do"},
                         {"34", " DO NOT", "NEVER DO"},
                         {"34", "do not/not", "never"},
                         {"24", "no indications/(Rephrase)", "no signs of"},
                     });
  // A sign in capitals is left as it is written.
  EXPECT_NE(doc.find("<p>NO "), std::string::npos) << doc;
}

TEST_F(PronounCheck, FirstAndSecondPerson) {
  const std::string doc = Check({
      "If you wish to stop the pump, close the valve.",
      "The valve is open, you is ready.",
      "Remove my filter.",
      "We remove the valve.",
      "The pump is for us.",
      "Do not touch his tools.",
  });
  ExpectMarkers(doc, {
                         {"04", "NONE", "you wish to"},
                         {"03", "are", "is"},
                         {"12", "NONE", "my"},
                         {"12", "manufacturer/(Company name or agency)", "We"},
                         {"12", "manufacturer/(Company name)/agency", "us"},
                         {"12", "NONE", "his"},
                     });
}

}  // namespace
