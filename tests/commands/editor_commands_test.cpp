// The search, removal and marking commands against the stand-in editor.
#include <gtest/gtest.h>

#include "commands/check_state.h"
#include "commands/findings_view.h"
#include "findings_fixture.h"
#include "commands/run_kesta.h"
#include "editor/editor.h"
#include "engine/word_rec.h"
#include "host/host_state.h"
#include "platform/scripted_interaction.h"


namespace {

using Strings = std::vector<std::string>;

std::string Marker(const std::string& value, const std::string& colour, const std::string& text) {
  return "<?Pub _touchup Kesta=\"" + value + "\" HighltBckclr=\"" + colour + "\"?>" + text +
         "<?Pub /_touchup?>";
}

class EditorCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Bridge.Reset();
    Cursor.Reset();
    Check.Reset();
    ClearFindings();
    editor_.RegisterHostClasses();
  }
  void TearDown() override {
    object_->Release();
    Bridge.Reset();
    ClearFindings();
  }
  void Load(const std::string& xml, const std::string& name = "manual.xml") {
    std::string error;
    ASSERT_TRUE(editor_.LoadText(xml, name, &error, "/docs/" + name)) << error;
  }
  std::string Saved() const {
    std::string text = editor_.SaveText();
    std::size_t start = text.find("<doc");
    return start == std::string::npos ? text : text.substr(start);
  }
  std::string Eval(const std::string& e) {
    std::string out;
    EXPECT_EQ(editor_.Evaluate(e, &out), S_OK) << e;
    return out;
  }

  editor::Editor editor_;
  ScriptedInteraction ui_;
  RunKesta* object_ = new RunKesta();
};

TEST_F(EditorCommands, FindKestaAndTheStamp) {
  Load("<doc><?KESSTA STE=green?><p>Plain text.</p></doc>");
  EXPECT_EQ(object_->FindKesta(), S_FALSE);
  EXPECT_EQ(object_->RemoveKestaPi(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p>Plain text.</p></doc>");
  Load("<doc><p>A " + Marker("0103x", "6699FF", "word") + ".</p></doc>");
  EXPECT_EQ(object_->FindKesta(), S_OK);
}

// Instructions of the PDF maker met before the stamp go, and the walk goes
// on to the stamp; no step goes past the last element.
TEST_F(EditorCommands, RemoveKestaPiGoesOnAfterAnAcroInstruction) {
  const struct {
    std::string xml;
    std::string saved;
  } cases[] = {
      {"<doc><?acro a?><p>x</p><?acro b?><?KESSTA STE=green?><p>y</p><?KESSTA old?></doc>",
       "<doc><p>x</p><p>y</p><?KESSTA old?></doc>"},
      {"<doc><p>x</p><?acro a?></doc>", "<doc><p>x</p><?acro a?></doc>"},  // the last: never examined
      {"<doc><?acro a?><?acro b?><p>x</p></doc>", "<doc><p>x</p></doc>"},
  };
  for (const auto& c : cases) {
    Load(c.xml);
    editor_.ClearCalls();
    EXPECT_EQ(object_->RemoveKestaPi(), S_OK);
    EXPECT_EQ(Saved(), c.saved) << c.xml;
    int forward = 0;
    for (const auto& call : editor_.Calls())
      if (call.text.rfind("oid_forward", 0) == 0) {
        ++forward;
        EXPECT_NE(call.result, "(0,0,0)") << c.xml;
      }
    EXPECT_LE(forward, 6) << c.xml;
  }
}

TEST_F(EditorCommands, RemoveMessageAtTheCaret) {
  Load("<doc><p>A " + Marker("0103x", "6699FF", "word") + " and more.</p></doc>");
  std::string marker = Eval("oid_forward(oid_forward(oid_first()))");
  ASSERT_EQ(Eval("oid_name('" + marker + "')"), "_touchup");
  editor_.PlaceCaretIn(marker);
  EXPECT_EQ(object_->RemoveMessage(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p>A word and more.</p></doc>");
  EXPECT_EQ(object_->RemoveMessage(), S_OK);
  EXPECT_EQ(ui_.StatusLines().back(), "To delete, put cursor inside a KESta Message.");
}

TEST_F(EditorCommands, RemoveKestaMarkersTakesThoseOfTheElementOnly) {
  Load("<doc><p id=\"a\">First paragraph with " + Marker("0103x", "6699FF", "word") +
       " inside it.</p><p id=\"b\">Second " + Marker("0103y", "6699FF", "kept") +
       " paragraph.</p></doc>");
  editor_.PlaceCaretIn("a");
  EXPECT_EQ(object_->RemoveKestaMarkers(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p id=\"a\">First paragraph with word inside it.</p><p id=\"b\">Second " +
                         Marker("0103y", "6699FF", "kept") + " paragraph.</p></doc>");
}

TEST_F(EditorCommands, MarkersWrapTheTextAsTheDocumentHoldsIt) {
  Load("<doc><p>Do it in\xC2\xA0order; don\xE2\x80\x99t use ab\xE2\x89\xA4" "cd here.</p></doc>");
  auto add = [](const char* key, FindingKind kind, int category, int number) {
    MarkInput in;
    in.searchKey = key;
    in.kind = kind;
    in.category = category;
    in.markerNumber = number;
    AddFinding(in);
  };
  add("in.order:|12!to", FindingKind::Word, 1, 3);
  add("don?t:| 0!do not", FindingKind::Contraction, 10, 5);
  add("ab.cd:| 0", FindingKind::Word, 25, 7);
  Cursor.CurrentOid = Eval("oid_first()");
  EXPECT_EQ(object_->MarkingEngine(), S_OK);
  EXPECT_TRUE(ui_.Boxes().empty()) << ui_.Boxes().front().text;
  EXPECT_EQ(Saved(), "<doc><p>Do it " + Marker("0103to", "6699FF", "in\xC2\xA0order") + "; " +
                         Marker("1005do not", "66FFFF", "don\xE2\x80\x99t") + " use " +
                         Marker("2507NONE", "FFFF66", "ab\xE2\x89\xA4" "cd") + " here.</p></doc>");
  // Removing them gives the text back unchanged.
  EXPECT_EQ(object_->RemoveAllMarkers(), S_OK);
  EXPECT_EQ(Saved(), "<doc><p>Do it in\xC2\xA0order; don\xE2\x80\x99t use ab\xE2\x89\xA4" "cd here.</p></doc>");
}

}  // namespace
