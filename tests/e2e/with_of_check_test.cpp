// `kesta check` with the sample dictionaries: the findings of the rules of
// "with", of "which" and "over", and of "of", "from", "their" and "some"
// come out as markers on the words they cover.
#include <fstream>
#include <sstream>

#include "tests/e2e/sample_check.h"
#include "tests/support/dict_fixture.h"

namespace {

class WithOfCheck : public SampleCheck {
 protected:
  // Every word of the sentences is in the dictionaries.
  std::string Check(std::initializer_list<std::string> paragraphs, const std::string& custom = "") {
    const std::string doc = SampleCheck::Check(paragraphs, custom);
    EXPECT_EQ(run_.err.find("Not found"), std::string::npos) << run_.err;
    return doc;
  }

  static std::string Source(const char* name) {
    std::ifstream in(std::string(KESTA_SOURCE_DIR) + "/tests/data/dictionaries/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

TEST_F(WithOfCheck, With) {
  const std::string doc = Check({
      "The unit is equipped with a pump.",
      "With the valve open, stop the pump.",
      "Remove the filter with caution.",
      "Remove the filter with oil.",
  });
  ExpectMarkers(doc, {
                         {"24", "that have/that has/include/install", "equipped with"},
                         {"24", "When/(Rephrase)", "With"},
                         {"24", "be careful", "with caution"},
                     });
  EXPECT_TRUE(Unmarked(doc, "with")) << doc;
}

TEST_F(WithOfCheck, Over) {
  const std::string doc = Check({
      "The pump stops over temperature.",
      "Tighten the bolt over 5 times.",
  });
  ExpectMarkers(doc, {
                         {"05", "a temperature of more than", "over temperature"},
                         {"05", "NONE", "over"},
                     });
}

// The sample dictionaries give "which" the class of the relative words; a
// dictionary that gives it the preposition class runs the rules of "which"
// of that class.
TEST_F(WithOfCheck, Which) {
  std::string core = Source("STE.txt");
  const std::size_t at = core.find("\nwhich 69\n");
  ASSERT_NE(at, std::string::npos);
  core.replace(at, 10, "\nwhich 60\n");
  WriteTestDict(dir_, "custom/dictionaries/TEC.cmp", Source("TEC.txt"));
  WriteTestDict(dir_, "custom/dictionaries/STE.cmp", core);
  WriteTestDict(dir_, "custom/dictionaries/SYN.cmp", Source("SYN.txt"));
  dir_.Write("custom/editinit/KestaArbortext.ini",
             "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Kesta Project|SHO|end\n");
  const std::string doc = Check(
      {
          "Remove the filter which means the pump stops.",
          "Tell the operator which installs the pump.",
      },
      (dir_.path() / "custom").string());
  ExpectMarkers(doc, {
                         {"02", "that is an indication/(Rephrase)", "which means"},
                         {"12", "who", "which"},
                     });
}

TEST_F(WithOfCheck, OfFromTheirSome) {
  const std::string doc = Check({
      "Remove all kinds of filters.",
      "Make sure that their are two filters.",
      "Remove the filter from both pumps.",
      "Stop the pump for some period.",
      "From each pump, remove the filter.",
      "Some valves are open.",
  });
  ExpectMarkers(doc, {
                         {"24", "types of", "kinds of"},
                         {"01", "there", "their"},
                         {"02", "from the two", "from both"},
                         {"02", "(Give range or measure)", "some period"},
                         {"31", "NONE", "From"},
                     });
  EXPECT_TRUE(Unmarked(doc, "Some")) << doc;
}

}  // namespace
