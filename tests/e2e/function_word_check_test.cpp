// `kesta check` with the sample dictionaries: the findings of the rules of
// "for" and "by", of the class-60 prepositions, of "but" and "because", of
// the particles "up", "down" and "out", of "as", "as ... as", "and", "or"
// and the articles come out as markers on the words they cover.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

class FunctionWordCheck : public ::testing::Test {
protected:
  // The document of one paragraph per sentence, checked; the result document.
  std::string Check(std::initializer_list<const char *> sentences) {
    std::string xml = "<topic><body>";
    for (const char *s : sentences)
      xml += std::string("<p>") + s + "</p>";
    xml += "</body></topic>";
    ProgramRun run = RunProgram(
        KESTA_PROGRAM, {"check", dir_.Write("doc.xml", xml)},
        {{"APTCUSTOM", std::nullopt}, // the bundled sample dictionaries
         {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
    EXPECT_LE(run.status, 1) << run.err;
    return run.out;
  }

  static std::string Escaped(const std::string &s) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\/])");
    return std::regex_replace(s, special, R"(\$&)");
  }
  // A marker of `category` with `advice` ("NONE" for none) round `text`.
  static bool Marked(const std::string &doc, const char *category,
                     const std::string &advice, const std::string &text) {
    const std::regex marker("Kesta=\"" + std::string(category) + "[0-9][0-9]" +
                            Escaped(advice) +
                            "\" HighltBckclr=\"[0-9A-F]+\"\\?>" +
                            Escaped(text) + "<\\?Pub /_touchup\\?>");
    return std::regex_search(doc, marker);
  }
  static bool Unmarked(const std::string &doc, const std::string &text) {
    return doc.find("?>" + text + "<?Pub /_touchup?>") == std::string::npos;
  }

  TempDir dir_;
};

struct Expected {
  const char *category; // message code - 300, two digits
  const char *advice;
  const char *text;
};

TEST_F(FunctionWordCheck, ForAndBy) {
  const std::string doc = Check({
      "Make sure that the unit is ready for use.",
      "Tighten the bolt by hand.",
      "Install the pumps in a side by side position.",
      "Clean the filter for a time.",
      "By turning the valve, stop the flow.",
  });
  static const Expected kMarkers[] = {
      {"31", "available/prepared for", "ready for"},
      {"24", "manually", "by hand"},
      {"17", "side-by-side", "side by side"},
      {"04", "NONE", "for a time"},
      {"38", "(Use infin. verb on list)", "By turning"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
}

TEST_F(FunctionWordCheck, Prepositions) {
  const std::string doc = Check({
      "Put the filter into service.",
      "Keep the pump under temperature.",
      "Remove the filter under heat.",
      "The pump has been in operation since the start.",
      "Under the cover, find the filter.",
      "Push the valve into position.",
  });
  static const Expected kMarkers[] = {
      {"24", "into operation/operate", "into service"},
      {"24", "less than/(Give limit)", "under"},
      {"24", "has a temperature of less than", "under heat"},
      {"24", "because/time between/after/(Rephrase)", "since"},
      {"31", "NONE", "Under"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
  EXPECT_TRUE(Unmarked(doc, "into")) << doc;
  EXPECT_TRUE(Unmarked(doc, "position")) << doc;
}

TEST_F(FunctionWordCheck, ButAndBecause) {
  const std::string doc = Check({
      "But the pump stops.",
      "The pump stops because.",
      "The pump is ready but the valve is closed.",
      "Remove the cover, but do not remove the filter.",
      "The pump stops, because of the heat.",
  });
  static const Expected kMarkers[] = {
      {"02", "NONE", "But"},
      {"31", "NONE", "because"},
      {"18", ", but", "but"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
  // After a comma and before a modal, and before "of", no finding.
  EXPECT_NE(doc.find("cover, but do not"), std::string::npos) << doc;
  EXPECT_NE(doc.find("stops, because of"), std::string::npos) << doc;
}

TEST_F(FunctionWordCheck, ParticleUp) {
  const std::string doc = Check({
      "Then open up the cover.",
      "Make sure that the light is up.",
      "Run the engine up to 2000 rpm.",
  });
  static const Expected kMarkers[] = {
      {"15", "open/expand/increase", "open up"},
      {"31", "NONE", "up"},
      {"31", "until/thru/maximum of", "up to"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
}

TEST_F(FunctionWordCheck, ParticleDown) {
  const std::string doc = Check({
      "Then turn down the heat.",
      "Then lower down the cover.",
      "Make sure that the pump is down.",
      "Push the lever down to 5 mm.",
      "The arrow points down to the floor.",
      "Put the valve in the down position.",
  });
  static const Expected kMarkers[] = {
      {"13", "decreased", "turn down"},
      {"15", "(Give position ref.)", "lower down"},
      {"23", "DOWN position", "down"},
      {"04", "NONE", "down"},
      {"04", "toward the bottom", "points down"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
  // The label before "position" is written in capitals in place.
  EXPECT_NE(doc.find("in the DOWN position."), std::string::npos) << doc;
}

TEST_F(FunctionWordCheck, ParticleOut) {
  const std::string doc = Check({
      "The value is out of range.",
      "Move the cart out of the way.",
      "The pump is out of service.",
      "Then pull out the filter.",
  });
  static const Expected kMarkers[] = {
      {"05", "(Give range or limits)", "out of range"},
      {"24", "away from", "way"},
      {"31", "not in operation", "out of service"},
      {"15", "remove/do/pull/move xxx to", "pull out"},
  };
  for (const Expected &m : kMarkers)
    EXPECT_TRUE(Marked(doc, m.category, m.advice, m.text)) << m.text << "\n"
                                                           << doc;
  // The full stop after "out of the way" still ends its sentence.
  EXPECT_NE(doc.find("way<?Pub /_touchup?>.</p>"), std::string::npos) << doc;
  EXPECT_TRUE(Unmarked(doc, "cart")) << doc;
}

std::string Marker(const std::string &value, const std::string &colour,
                   const std::string &text) {
  return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour +
         "\"?>" + text + "<?Pub /_touchup?>";
}

struct ParagraphCase {
  const char *text;
  std::string marked; // the paragraph with its markers
};

class FunctionWordParagraphCheck : public ::testing::Test {
protected:
  void Expect(const std::vector<ParagraphCase> &cases) {
    for (const ParagraphCase &k : cases)
      EXPECT_EQ(CheckParagraph(k.text), k.marked) << k.text;
  }
  // The paragraph as the checked document gives it back.
  std::string CheckParagraph(const std::string &text) {
    const std::string file = dir_.Write("doc.xml", "<topic><body><p>" + text +
                                                       "</p></body></topic>");
    ProgramRun run =
        RunProgram(KESTA_PROGRAM, {"check", file},
                   {{"APTCUSTOM", std::nullopt},
                    {"KESTA_REGISTRY", (dir_.path() / "registry").string()}});
    EXPECT_LE(run.status, 1) << run.err;
    const std::size_t open = run.out.find("<p>");
    const std::size_t close = run.out.rfind("</p>");
    if (open == std::string::npos || close == std::string::npos)
      return run.out;
    return run.out.substr(open + 3, close - open - 3);
  }
  TempDir dir_;
};

TEST_F(FunctionWordParagraphCheck, As) {
  Expect({
      {"Install the valve as soon as possible.",
       "Install the valve " +
           Marker("3102(Give time ref.)", "66FFFF", "as soon as possible") +
           "."},
      {"As a result, the pump stops.",
       Marker("3100Because/(Rephrase)", "66FFFF", "As a result") +
           ", the pump stops."},
      {"Install the seal as indicated.",
       "Install the seal " + Marker("3102as shown", "66FFFF", "as indicated") +
           "."},
      {"Tighten the bolts as well.",
       "Tighten the bolts " + Marker("0402NONE", "66CC99", "as well") + "."},
      {"Remove the cover as shown.", "Remove the cover as shown."},
  });
}

TEST_F(FunctionWordParagraphCheck, AsAs) {
  Expect({
      {"Install as many as six bolts.",
       "Install " + Marker("3101a maximum", "66FFFF", "as many as") +
           " six bolts."},
      {"Start the pump as early as possible.",
       "Start the pump " +
           Marker("0202(Give measurement)", "66FFFF", "as early as") +
           " possible."},
  });
}

TEST_F(FunctionWordParagraphCheck, AndOr) {
  Expect({
      {"Remove the bolts and nuts and washers.",
       "Remove the bolts and nuts " +
           Marker("0204(Repeated word -and-)", "66FFFF", "and") + " washers."},
      // A second clause is no repeat; the same conjunction is still
      // one to rephrase.
      {"Remove the bolts and install the nuts and washers.",
       "Remove the bolts and install the nuts " +
           Marker("2105NONE", "6699FF", "and") + " washers."},
      {"Use a pump or higher.",
       "Use a pump " + Marker("0503or more than", "FF6699", "or higher") + "."},
      {"Remove the cover and then the seal.",
       "Remove the cover " + Marker("0202, then", "66FFFF", "and then") +
           " the seal."},
  });
}

TEST_F(FunctionWordParagraphCheck, Articles) {
  Expect({
      {"Install a oil seal and an bolt.",
       "Install " + Marker("1101an", "FF6699", "a") + " oil seal and " +
           Marker("1105a", "FF6699", "an") + " bolt."},
      {"Use a lot of oil.",
       "Use " + Marker("0201(Give range or qty.)", "66FFFF", "a lot") +
           " of oil."},
      // A label letter, also before a vowel, and a right article.
      {"Use the type A oil.", "Use the type A oil."},
      {"Install a seal.", "Install a seal."},
  });
}

} // namespace
