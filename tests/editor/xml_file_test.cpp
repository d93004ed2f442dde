#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/text_chars.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/temp_dir.h"

using editor::Editor;
using namespace editor_test;

constexpr const char* kEverything =
    "<?xml version='1.0' encoding='ISO-8859-1' standalone='no'?>\n"
    "<!DOCTYPE doc PUBLIC \"-//X//DTD Doc//EN\" \"doc.dtd\" [\n<!ENTITY co \"Company\">\n]>\n"
    "<?xml-stylesheet href=\"a.css\"?>\n"
    "<doc xmlns=\"urn:d\" xmlns:x=\"urn:x\" x:a=\"1 &amp; 2\" b='say \"hi\"'>"
    "<!-- note --><p>caf\xe9 &co; &trade; &lt;b&gt; <![CDATA[if a<b]]></p><e/><?app go?></doc>\n"
    "<!-- after -->";

// A document whose items no longer name the text it was read from is
// written afresh: UTF-8 with a declaration of its own.
TEST(XmlFile, WritesAfreshWhatHasNoSource) {
  Editor e;
  Load(e, kEverything);
  e.State().doc.ForgetSource();
  EXPECT_EQ(e.SaveText(),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
            "<!DOCTYPE doc PUBLIC \"-//X//DTD Doc//EN\" \"doc.dtd\" [\n<!ENTITY co \"Company\">\n]>\n"
            "<?xml-stylesheet href=\"a.css\"?>\n"
            "<doc xmlns=\"urn:d\" xmlns:x=\"urn:x\" x:a=\"1 &amp; 2\" b=\"say &quot;hi&quot;\">"
            "<!-- note --><p>caf\xc3\xa9 &co; &trade; &lt;b&gt; if a&lt;b</p><e/><?app go?></doc>\n"
            "<!-- after -->\n");
}

TEST(XmlFile, KeepsUndeclaredEntityReferencesInTextAndAttributes) {
  Editor e;
  // No DTD at all: references to entities it would declare stay as written.
  Load(e, "<doc a=\"x&nbsp;y\">A&reg; B &mdash;</doc>");
  EXPECT_EQ(Body(e), "<doc a=\"x&nbsp;y\">A&reg; B &mdash;</doc>");
  EXPECT_EQ(Eval(e, "oid_attr(oid_first(),'a')"), "x&nbsp;y");
  // And the saved text reads back the same.
  Editor again;
  Load(again, e.SaveText());
  EXPECT_EQ(again.SaveText(), e.SaveText());
}

// Marker pairs become markers, nested pairs nest; an opening without a
// closing in its own element, and a closing without an opening, stay
// processing instructions. All save as they were.
TEST(XmlFile, MarkerPairsBecomeMarkersAndStrayHalvesStayInstructions) {
  const std::string text =
      "<doc><p>a <?Pub _touchup Kesta=\"1\"?>v<?Pub _touchup Kesta=\"2\"?>b<?Pub /_touchup?>c<?Pub /_touchup?> b"
      "<?Pub _touchup Kesta=\"1100NONE\"?>open</p><p>x<?Pub /_touchup?></p></doc>";
  Editor e;
  Load(e, text);
  EXPECT_EQ(Eval(e, "oid_name('(1,3,0)')") + Eval(e, "oid_attr('(1,3,0)','Kesta')"), "_touchup1");
  EXPECT_EQ(Eval(e, "oid_parent('(1,4,0)')"), "(1,3,0)");
  EXPECT_EQ(Eval(e, "oid_name('(1,5,0)')"), "_pi");
  EXPECT_EQ(Body(e), text);
}

TEST(XmlFile, FetchesNothing) {
  TempDir dir;
  std::string secret = dir.Write("secret.txt", "SECRET");
  Editor e;
  Load(e, "<!DOCTYPE doc [<!ENTITY s SYSTEM \"file://" + secret + "\">]><doc>&s;</doc>");
  EXPECT_EQ(Body(e), "<doc>&s;</doc>");
  EXPECT_EQ(Eval(e, "$selection"), "");
  Exec(e, "oid_select(oid_first())");
  EXPECT_EQ(Eval(e, "$selection").find("SECRET"), std::string::npos);
}

// Load sets name, path and caret; a broken or missing document is refused
// with file and line and changes nothing; save replaces the file whole.
TEST(XmlFile, LoadRefusesBrokenDocumentsAndSaveReplacesTheFileWhole) {
  TempDir dir;
  std::string path = dir.Write("in/doc.xml", "<doc><p>x</p></doc>");
  std::string bad = dir.Write("bad.xml", "<doc>\n<p>one\n</doc>\n");
  Editor e;
  std::string error;
  ASSERT_TRUE(e.Load(path, &error)) << error;
  EXPECT_EQ(e.Name() + " " + e.Path() + " " + Eval(e, "oid_caret()"), "doc.xml " + path + " (1,1,0)");
  EXPECT_FALSE(e.Load(bad, &error));
  EXPECT_NE(error.find(bad + ""), std::string::npos) << error;
  EXPECT_NE(error.find("line 3"), std::string::npos) << error;
  EXPECT_FALSE(e.Load((dir.path() / "missing.xml").string(), &error));
  EXPECT_NE(error.find("missing.xml"), std::string::npos) << error;
  EXPECT_FALSE(e.LoadText("<a>&undeclared</a>", "amp.xml", &error));
  EXPECT_EQ(e.Name(), "doc.xml");
  Exec(e, "goto_oid('(1,2,0)'); insert_string @y@");
  ASSERT_TRUE(e.Save(path, &error)) << error;
  EXPECT_EQ(dir.Read("in/doc.xml"), "<doc><p>yx</p></doc>");
  EXPECT_EQ(dir.Read("bad.xml"), "<doc>\n<p>one\n</doc>\n");
  EXPECT_FALSE(e.Save((dir.path() / "no/such/dir/x.xml").string(), &error));
  EXPECT_NE(error.find("x.xml"), std::string::npos);
}

// Edits change only what they touch: the rest keeps its text, and what is
// new is written so that the file stays well formed and in its encoding.
TEST(XmlFile, EditsKeepTheRestAsWritten) {
  struct Case {
    const char* name;
    std::string document;
    std::vector<std::string> commands;
    std::string saved;
  };
  const std::string marker = "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"1\"?>word</_touchup>@";
  const Case cases[] = {
      {"nothing edited", kEverything, {}, kEverything},
      {"text into an element written empty", "<doc>\r\n<e a='1' />\r\n</doc>",
       {"goto_oid('(1,2,0)')", "insert_string @y@"}, "<doc>\r\n<e a='1' >y</e>\r\n</doc>"},
      {"a marker inside CDATA", "<doc><p><![CDATA[a <word> & b]]></p></doc>",
       {"find -f -select @word@", marker},
       "<doc><p><![CDATA[a <]]><?Pub _touchup Kesta=\"1\"?><![CDATA[word]]><?Pub /_touchup?><![CDATA[> & b]]></p></doc>"},
      {"a marker removed again", "<doc>\r\n<p a='x'>one&#160;word &amp; <![CDATA[<two>]]></p></doc>",
       {"find -f -select @word@", marker, "find -b -select @word@", "dt"},
       "<doc>\r\n<p a='x'>one&#160;word &amp; <![CDATA[<two>]]></p></doc>"},
      {"characters the encoding lacks",
       "<?xml version='1.0' encoding='ISO-8859-1'?>\n<doc><p>caf\xE9 word</p></doc>",
       {"find -f -select @word@",
        "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"don\xE2\x80\x99t\"?>\xC3\xA9\xE2\x89\xA4</_touchup>@"},
       "<?xml version='1.0' encoding='ISO-8859-1'?>\n<doc><p>caf\xE9 <?Pub _touchup Kesta=\"don&#8217;t\"?>\xE9&#8804;<?Pub /_touchup?></p></doc>"},
      {"no ]]> across a deletion in CDATA", "<doc><p><![CDATA[]]x>]]></p></doc>",
       {"find -f -select @x@", "delete"}, "<doc><p><![CDATA[]]]]><![CDATA[>]]></p></doc>"},
      // Text put in place of text of a CDATA section stays in it.
      {"a suggestion in CDATA", "<doc><p><![CDATA[a max b]]> <![CDATA[max]]></p></doc>",
       {"find -f -select @max@", "insert_string -pendingdelete @maximum@", "find -f -select @max@",
        "insert_string -pendingdelete @mm@"},
       "<doc><p><![CDATA[a maximum b]]> <![CDATA[mm]]></p></doc>"},
      {"a character the encoding lacks in CDATA", "<?xml version='1.0' encoding='ISO-8859-1'?>\n<doc><![CDATA[a le b]]></doc>",
       {"find -f -select @le@", "insert_string -pendingdelete @\xE2\x89\xA4]]>@"},
       "<?xml version='1.0' encoding='ISO-8859-1'?>\n<doc><![CDATA[a ]]>&#8804;<![CDATA[]]]]><![CDATA[> b]]></doc>"},
      {"no ]]> across a deletion in text", "<doc><p>]]x></p></doc>",
       {"find -f -select @x@", "delete"}, "<doc><p>]]&gt;</p></doc>"},
      // An empty section before a marked word stays: it is written with the
      // word, after the marker's start. Two sections side by side stay two:
      // an empty one after the marker's start says so, for when the marker
      // is taken out again; a section the marker divides is one again then.
      {"an empty CDATA section before a marker", "<doc><p>a <![CDATA[]]>word <![CDATA[b]]><![CDATA[word]]></p></doc>",
       {"find -f -select @word@", marker, "find -f -select @word@", marker},
       "<doc><p>a <?Pub _touchup Kesta=\"1\"?><![CDATA[]]>word<?Pub /_touchup?> <![CDATA[b]]><?Pub _touchup "
       "Kesta=\"1\"?><![CDATA[]]><![CDATA[word]]><?Pub /_touchup?></p></doc>"},
      {"and after the marker is taken out again",
       "<doc><p>a <?Pub _touchup Kesta=\"1\"?><![CDATA[]]>word<?Pub /_touchup?> b</p></doc>",
       {"find -f -select @word@", "dt"}, "<doc><p>a <![CDATA[]]>word b</p></doc>"},
      // Empty sections after a marked section stay after the marker's end.
      {"empty CDATA sections after a marker", "<doc><p><![CDATA[word]]><![CDATA[]]><![CDATA[]]><i>x</i></p></doc>",
       {"find -f -select @word@", marker},
       "<doc><p><?Pub _touchup Kesta=\"1\"?><![CDATA[word]]><?Pub /_touchup?><![CDATA[]]><![CDATA[]]><i>x</i></p></doc>"},
      {"two sections after their marker is taken out",
       "<doc><p><![CDATA[b]]><?Pub _touchup Kesta=\"1\"?><![CDATA[]]><![CDATA[word]]><?Pub /_touchup?> "
       "<![CDATA[c]]><?Pub _touchup Kesta=\"1\"?><![CDATA[word]]><?Pub /_touchup?></p></doc>",
       {"find -f -select @word@", "dt", "find -f -select @word@", "dt"},
       "<doc><p><![CDATA[b]]><![CDATA[word]]> <![CDATA[cword]]></p></doc>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Editor e;
    Load(e, c.document);
    for (const std::string& command : c.commands) Exec(e, command);
    EXPECT_EQ(e.SaveText(), c.saved);
    Editor again;
    std::string error;
    EXPECT_TRUE(again.LoadText(e.SaveText(), "again.xml", &error)) << error;
  }
}

namespace {
// UTF-8 text (characters below U+10000) as UTF-16 without a byte-order mark.
std::string Utf16(std::string_view utf8, bool bigEndian) {
  std::string out;
  for (char32_t c : editor::DecodeUtf8(utf8)) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}
}  // namespace

// UTF-16 known only by the declaration's first bytes stays UTF-16 of the
// same byte order, without a byte-order mark, edited or not.
TEST(XmlFile, Utf16WithoutByteOrderMarkStaysAsWritten) {
  const std::string document =
      "<?xml version='1.0' encoding='UTF-16'?>\r\n<doc><p>caf\xC3\xA9 word</p></doc>\r\n";
  const std::string marked =
      "<?xml version='1.0' encoding='UTF-16'?>\r\n<doc><p>caf\xC3\xA9 <?Pub _touchup Kesta=\"1\"?>word"
      "<?Pub /_touchup?></p></doc>\r\n";
  for (bool bigEndian : {false, true}) {
    SCOPED_TRACE(bigEndian ? "big end first" : "little end first");
    Editor e;
    Load(e, Utf16(document, bigEndian));
    EXPECT_TRUE(e.SaveText() == Utf16(document, bigEndian));
    Exec(e, "find -f -select @word@");
    Exec(e, "insert_string -sgml -pendingdelete @<?Pub _touchup Kesta=\"1\"?>word</_touchup>@");
    EXPECT_TRUE(e.SaveText() == Utf16(marked, bigEndian));
  }
}
