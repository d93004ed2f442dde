#include <gtest/gtest.h>

#include "editor/document.h"
#include "editor/document_walk.h"
#include "editor/render.h"

using namespace editor;

namespace {

// <r>ab<x>cd</x><?p q?>e</r>
struct Small {
  Document doc;
  NodeIndex r, x, p;
  Small() {
    r = doc.NewElement("r", {});
    x = doc.NewElement("x", {{"k", "v&amp;w"}});
    p = doc.NewPi("p", "q");
    doc.Append({ItemKind::StartTag, r});
    doc.Append({ItemKind::Char, 'a'});
    doc.Append({ItemKind::Char, 'b'});
    doc.Append({ItemKind::StartTag, x});
    doc.Append({ItemKind::Char, 'c'});
    doc.Append({ItemKind::Char, 'd'});
    doc.Append({ItemKind::EndTag, x});
    doc.Append({ItemKind::Pi, p});
    doc.Append({ItemKind::Char, 'e'});
    doc.Append({ItemKind::EndTag, r});
    doc.SetRoot(r);
  }
  std::string Text() const { return RenderRange(doc, 0, doc.Size(), MarkupStyle::File); }
};

}  // namespace

TEST(Document, ObjectsKeepTheirPositionsAsTheGapMovesAndGrows) {
  Small s;
  EXPECT_EQ(s.doc.StartOf(s.x), 3u);
  EXPECT_EQ(s.doc.EndOf(s.x), 6u);
  // Edits before, inside and after the element, many times over, so the
  // buffer grows and the gap crosses the tags both ways.
  for (int i = 0; i < 200; ++i) {
    s.doc.Insert(1, {{ItemKind::Char, 'z'}});
    s.doc.Insert(s.doc.StartOf(s.x) + 1, {{ItemKind::Char, 'y'}});
    s.doc.Insert(s.doc.Size() - 1, {{ItemKind::Char, 'w'}});
  }
  EXPECT_EQ(s.doc.StartOf(s.x), 203u);
  EXPECT_EQ(s.doc.EndOf(s.x), 203u + 200 + 3);
  EXPECT_EQ(s.doc.At(s.doc.StartOf(s.p)).value, s.p);
  for (int i = 0; i < 200; ++i) {
    s.doc.Erase(1, 1);
    s.doc.Erase(s.doc.StartOf(s.x) + 1, 1);
    s.doc.Erase(s.doc.Size() - 2, 1);
  }
  EXPECT_EQ(s.Text(), "<r>ab<x k=\"v&amp;w\">cd</x><?p q?>e</r>");
}

TEST(Document, ErasingAStartTagKillsTheObjectForGood) {
  Small s;
  std::size_t end = s.doc.EndOf(s.x);
  s.doc.Erase(end, 1);
  s.doc.Erase(s.doc.StartOf(s.x), 1);
  EXPECT_FALSE(s.doc.IsAlive(s.x));
  EXPECT_TRUE(s.doc.IsAlive(s.p));
  EXPECT_EQ(s.Text(), "<r>abcd<?p q?>e</r>");
  NodeIndex y = s.doc.NewElement("y", {});
  EXPECT_NE(y, s.x);  // ids are never reused
}

TEST(DocumentWalk, ThePositionAfterAStartTagIsInsideTheElement) {
  Small s;
  std::size_t x = s.doc.StartOf(s.x);
  EXPECT_EQ(InnermostElementAt(s.doc, x), s.r);      // before <x>
  EXPECT_EQ(InnermostElementAt(s.doc, x + 1), s.x);  // after <x>
  EXPECT_EQ(InnermostElementAt(s.doc, s.doc.EndOf(s.x)), s.x);      // before </x>
  EXPECT_EQ(InnermostElementAt(s.doc, s.doc.EndOf(s.x) + 1), s.r);  // after </x>
  EXPECT_EQ(InnermostElementAt(s.doc, 0), kNoNode);
  EXPECT_EQ(InnermostElementAt(s.doc, s.doc.Size()), kNoNode);
}

TEST(Render, MarkersShowAsTheHostShowsThemAndSaveAsInstructionPairs) {
  Document doc;
  NodeIndex r = doc.NewElement("r", {});
  NodeIndex m = doc.NewElement("_touchup", {{"Kesta", "0103use"}, {"HighltBckclr", "6699FF"}});
  NodeIndex e = doc.NewElement("br", {});
  for (Item item : std::initializer_list<Item>{{ItemKind::StartTag, r}, {ItemKind::StartTag, m},
                                               {ItemKind::Char, '<'}, {ItemKind::EndTag, m},
                                               {ItemKind::StartTag, e}, {ItemKind::EndTag, e},
                                               {ItemKind::Char, '>'}, {ItemKind::EndTag, r}})
    doc.Append(item);
  doc.SetRoot(r);
  EXPECT_EQ(RenderRange(doc, 0, doc.Size(), MarkupStyle::Selection),
            "<r><?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>&lt;</_touchup><br/>></r>");
  EXPECT_EQ(RenderRange(doc, 0, doc.Size(), MarkupStyle::File),
            "<r><?Pub _touchup Kesta=\"0103use\" HighltBckclr=\"6699FF\"?>&lt;<?Pub /_touchup?><br/>&gt;</r>");
}
