// The marking of a selection check stays inside the element under check.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "element_host.h"
#include "engine/word_rec.h"
#include "findings_fixture.h"
#include "platform/scripted_interaction.h"

namespace {
using Strings = std::vector<std::string>;

MarkInput WordFinding(const char* key, FindingKind kind = FindingKind::Word) {
  MarkInput in;
  in.searchKey = key;
  in.kind = kind;
  in.category = 25;
  in.markerNumber = 1;
  in.ruleId = 325;
  return in;
}

class MarkScopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Cursor.Reset();
    Check.Reset();
    ClearFindings();
    host.Add("doc");
    checked = host.Add("para", 0);
    inner = host.Add("emph", checked);
    after = host.Add("para", 0);
    Cursor.CurrentOid = host.Id(checked);
    Check.markScope = host.Id(checked);
  }
  void TearDown() override {
    ClearFindings();
    Check.Reset();
  }
  int Inserts() const {
    int n = 0;
    for (const std::string& c : host.Executed())
      if (c.rfind("insert_string", 0) == 0) ++n;
    return n;
  }
  ElementHost host;
  ScriptedInteraction ui;
  int checked = 0, inner = 0, after = 0;
};
}  // namespace

TEST_F(MarkScopeTest, TextFoundInsideTheElementIsMarked) {
  AddFinding(WordFinding("glorp:| 0"));
  AddFinding(WordFinding("frob:| 0"));
  host.answers["oid_caret()"] = host.Id(inner);  // found inside an inline element
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Inserts(), 2);
}

TEST_F(MarkScopeTest, ASearchThatRanPastTheElementEndsTheMarking) {
  // The search leaves the caret in the paragraph after the one checked.
  host.answers["oid_caret()"] = host.Id(after);
  for (FindingKind kind : {FindingKind::Word, FindingKind::Correction, FindingKind::Replacement,
                           FindingKind::Semicolon}) {
    AddFinding(WordFinding(kind == FindingKind::Semicolon ? ";:| 0" : "glorp:| 0!x", kind));
    AddFinding(WordFinding("frob:| 0"));
    EXPECT_EQ(MarkingEngineWork(host), S_OK) << KindLetters(kind);
    EXPECT_EQ(Inserts(), 0) << KindLetters(kind);
    // The selection is cleared (and a correction's whole-word search ended).
    const auto executed = host.Executed();
    const std::string last = executed.back() == "set wordscan=off" ? executed[executed.size() - 2] : executed.back();
    EXPECT_EQ(last, "clear_mark all") << KindLetters(kind);
    EXPECT_TRUE(ui.Boxes().empty()) << KindLetters(kind);
    host.calls.clear();
    ClearFindings();
  }
}

TEST_F(MarkScopeTest, WithoutAScopeTheMarkingLooksEverywhere) {
  Check.markScope.clear();
  AddFinding(WordFinding("glorp:| 0"));
  host.answers["oid_caret()"] = host.Id(after);
  EXPECT_EQ(MarkingEngineWork(host), S_OK);
  EXPECT_EQ(Inserts(), 1);
  for (const std::string& e : host.Evaluated()) EXPECT_NE(e, "oid_caret()");
}
