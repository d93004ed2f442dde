// The bundled default dictionaries give every form their generators meant
// to cover the word class meant for it: data/dictionaries/forms/*.tsv list
// each form with its class ("valves<TAB>11"), and each is looked up (a phrase from its first word)
// through the real lookup in the dictionaries the build writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "tests/support/word_list_fixture.h"

namespace {

namespace fs = std::filesystem;

struct FormLine {
  std::string file;
  int line;
  std::string form;
  int wordClass;
};

std::vector<FormLine> ReadForms(const fs::path& dir) {
  std::vector<FormLine> out;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec)) {
    // The forms lists are named for their dictionary; other tables there
    // (sentences for the check) are not.
    const std::string stem = entry.path().stem().string();
    if (entry.path().extension() != ".tsv" || (stem != "TEC" && stem != "STE" && stem != "SYN")) continue;
    std::ifstream in(entry.path());
    std::string text;
    for (int n = 1; std::getline(in, text); ++n) {
      if (text.empty() || text[0] == '#') continue;
      const std::size_t tab = text.find('\t');
      out.push_back({entry.path().filename().string(), n, text.substr(0, tab),
                     tab == std::string::npos ? -1 : std::atoi(text.c_str() + tab + 1)});
    }
  }
  return out;
}

TEST(BundledForms, EveryListedFormHasItsClass) {
  Dictionaries.Reset();
  const std::string dir = std::string(KESTA_BUILD_DIR) + "/custom/dictionaries";
  ASSERT_EQ(LoadDict(0, (dir + "/TEC.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(1, (dir + "/STE.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(2, (dir + "/SYN.cmp").c_str()), kDictLoaded);
  const std::vector<FormLine> forms = ReadForms(fs::path(KESTA_SOURCE_DIR) / "data" / "dictionaries" / "forms");
  ASSERT_FALSE(forms.empty());
  int wrong = 0;
  for (const FormLine& f : forms) {
    // A phrase is looked up from its first word, as the check meets it.
    std::vector<std::string> parts;
    std::istringstream split(f.form);
    for (std::string part; split >> part;) parts.push_back(part);
    std::vector<WordSpec> specs;
    for (const std::string& part : parts) specs.push_back(WordSpec{part.c_str()});
    TestWords words(specs);
    const int found = LookupWord(words.at(0), 3, CheckMode, 0);
    const WordRec* w = words.at(0);
    if (found == kLookupFound && w->wordClass == f.wordClass && w->message != 325) continue;
    // Past a few dozen the cause is one and the rest is noise.
    if (++wrong <= 40)
      ADD_FAILURE() << f.file << ":" << f.line << ": " << f.form << " has class " << w->wordClass << " (code "
                    << w->classCode.c_str() << ", message " << w->message << "), not " << f.wordClass;
  }
  EXPECT_EQ(wrong, 0) << "of " << forms.size() << " forms";
  Dictionaries.Reset();
}

}  // namespace
