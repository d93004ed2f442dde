// `kesta check` with the sample dictionaries: the findings of the rules of
// "to", of the place prepositions and of "in" come out as markers on the
// words they cover.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class ToPlaceCheck : public ::testing::Test {
 protected:
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
  static bool Unmarked(const std::string& doc, const std::string& text) {
    return doc.find("?>" + text + "<?Pub /_touchup?>") == std::string::npos;
  }

  TempDir dir_;
};

struct Expected {
  const char* category;  // message code - 300, two digits
  const char* advice;
  const char* text;
};

TEST_F(ToPlaceCheck, To) {
  const std::string doc = Check({
      "The valves need to be clean.",
      "Use the key to be able to open the valve.",
      "The unit is ready to operate.",
      "Adjust the pressure to be less than the limit.",
  });
  static const Expected kMarkers[] = {
      {"35", "must be", "need to be"},
      {"35", "can", "to be able to"},
      {"01", "prepared to/available/set", "ready to"},
      {"02", "is less than/are less than", "to be less"},
  };
  for (const Expected& m : kMarkers) EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n" << doc;
}

TEST_F(ToPlaceCheck, PlacePrepositions) {
  const std::string doc = Check({
      "At night the lamp is on.",
      "Turn the valve at least once.",
      "Turn the valve at most twice.",
      "The lamp is located within the panel.",
      "Clean the filter without removing the seal.",
  });
  static const Expected kMarkers[] = {
      {"18", "NONE", "At"},
      {"13", "one or more times", "at least once"},
      {"13", "not more than two times", "at most twice"},
      {"24", "in", "located within"},
      {"38", "NONE", "removing"},
  };
  for (const Expected& m : kMarkers) EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n" << doc;
  // With the comma after the phrase, "At" opening a sentence is accepted.
  EXPECT_TRUE(Unmarked(Check({"At night, the lamp is on."}), "At"));
}

TEST_F(ToPlaceCheck, In) {
  const std::string doc = Check({
      "Install the filter in accordance with the procedure.",
      "The seal is kept in place.",
  });
  static const Expected kMarkers[] = {
      {"01", "according to", "in accordance with"},
      {"31", "held in position/stays in position", "kept in"},
  };
  for (const Expected& m : kMarkers) EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n" << doc;
}

}  // namespace
