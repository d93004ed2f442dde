// `kesta check` with the sample dictionaries: sentences with "as",
// "as ... as", "and", "or", "a" and "an" get their findings as markers.
#include <gtest/gtest.h>

#include "tests/cli/run_program.h"
#include "tests/support/temp_dir.h"

namespace {

std::string Marker(const std::string &value, const std::string &colour,
                   const std::string &text) {
  return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour +
         "\"?>" + text + "<?Pub /_touchup?>";
}

struct Case {
  const char *text;
  std::string marked; // the paragraph with its markers
};

class FunctionWordCheck : public ::testing::Test {
protected:
  void Expect(const std::vector<Case> &cases) {
    for (const Case &k : cases)
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

TEST_F(FunctionWordCheck, As) {
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

TEST_F(FunctionWordCheck, AsAs) {
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

TEST_F(FunctionWordCheck, AndOr) {
  Expect({
      {"Remove bolts and nuts and washers.",
       "Remove bolts and nuts " +
           Marker("0204(Repeated word -and-)", "66FFFF", "and") + " washers."},
      // A second clause is no repeat; the same conjunction is still
      // one to rephrase.
      {"Remove bolts and install nuts and washers.",
       "Remove bolts and install nuts " + Marker("2105NONE", "6699FF", "and") +
           " washers."},
      {"Use a pump or higher.",
       "Use a pump " + Marker("0503or more than", "FF6699", "or higher") + "."},
      {"Remove the cover and then the seal.",
       "Remove the cover " + Marker("0202, then", "66FFFF", "and then") +
           " the seal."},
  });
}

TEST_F(FunctionWordCheck, Articles) {
  Expect({
      {"Install a oil seal and an bolt.",
       "Install " + Marker("1101an", "FF6699", "a") + " oil seal and " +
           Marker("1105a", "FF6699", "an") + " bolt."},
      {"Use a lot of oil.",
       "Use " + Marker("0201(Give range or qty.)", "66FFFF", "a lot") +
           " of oil."},
      // A label letter, also before a vowel, and a right article.
      {"Use type A oil.", "Use type A oil."},
      {"Install a seal.", "Install a seal."},
  });
}

} // namespace
