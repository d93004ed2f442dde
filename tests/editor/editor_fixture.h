#pragma once
// Helpers for the editor's tests: an editor with a document loaded from
// text, and ACL calls that must succeed.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "editor/editor.h"

namespace editor_test {

// A small document with what the walks meet: nested elements, a
// processing instruction, an inline element and an entity reference.
// Ids in document order: doc (1,1,0), title (1,2,0), body (1,3,0),
// para p1 (1,4,0), the PI (1,5,0), para p2 (1,6,0), emph (1,7,0).
inline constexpr const char* kSample =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE doc SYSTEM \"doc.dtd\">\n"
    "<!-- top -->\n"
    "<doc id=\"d1\"><title>Pump &trade; check</title>"
    "<body><para id=\"p1\">Open the valve.</para>"
    "<?KESSTA STE=green:SIX SIGMA#1:1:2026-1:1-ABCD?>"
    "<para id=\"p2\">Close the <emph>valve</emph> now.</para></body></doc>\n";

inline void Load(editor::Editor& e, std::string_view xml, const std::string& name = "sample.xml") {
  std::string error;
  ASSERT_TRUE(e.LoadText(xml, name, &error, "/docs/" + name)) << error;
}

inline std::string Eval(editor::Editor& e, std::string_view expression) {
  std::string out;
  EXPECT_EQ(e.Evaluate(expression, &out), S_OK) << expression << ": " << e.LastError();
  return out;
}

inline void Exec(editor::Editor& e, std::string_view command) {
  EXPECT_EQ(e.Execute(command), S_OK) << command << ": " << e.LastError();
}

// The text between the root's tags as saved, without the declaration.
inline std::string Body(const editor::Editor& e) {
  std::string text = e.SaveText();
  std::size_t start = text.find("<doc");
  return start == std::string::npos ? text : text.substr(start);
}

}  // namespace editor_test
