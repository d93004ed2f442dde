#include "tests/engine/bundled_lookup.h"

#include <gtest/gtest.h>

#include <string_view>

#include "engine/dict_file.h"
#include "engine/dict_lookup.h"
#include "tests/support/word_list_fixture.h"

void LoadBundled() {
  Dictionaries.Reset();
  const std::string dir = std::string(KESTA_BUILD_DIR) + "/custom/dictionaries";
  ASSERT_EQ(LoadDict(0, (dir + "/TEC.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(1, (dir + "/STE.cmp").c_str()), kDictLoaded);
  ASSERT_EQ(LoadDict(2, (dir + "/SYN.cmp").c_str()), kDictLoaded);
}

std::vector<UnapprovedWord> UnapprovedWords(const std::vector<std::string>& words) {
  std::vector<WordSpec> specs;
  for (const std::string& word : words) specs.push_back(WordSpec{word.c_str()});
  TestWords list(specs);
  std::vector<UnapprovedWord> out;
  for (WordRec* w = list.head(); w && w->written != kSentinel; w = w->next) {
    const bool found = LookupWord(w, 3, CheckMode, 0) == kLookupFound && w->message != 325;
    const std::string_view text = w->text.view();
    const bool flagged = found && w->message != 0 && text != "make sure" && text != "makes sure" &&
                         text != "making sure";
    if (!found || flagged) out.push_back({w->written.str(), found, w->message});
  }
  return out;
}

std::string Why(const UnapprovedWord& word) {
  return word.found ? "is flagged (message " + std::to_string(word.message) + ")" : "no dictionary holds";
}
