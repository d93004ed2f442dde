// Every real document of the shared corpus loads, walks every element and
// instruction libxml2 finds in it, and saves unchanged byte for byte; a
// second load and save changes nothing.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "platform/files.h"
#include "tests/editor/editor_fixture.h"
#include "tests/support/corpus.h"

using editor::Editor;
using editor_test::Eval;

namespace {

// Elements and processing instructions inside the root, as libxml2 reads them.
int CountObjects(xmlNodePtr n) {
  int count = 0;
  for (; n; n = n->next)
    if (n->type == XML_ELEMENT_NODE || n->type == XML_PI_NODE) count += 1 + CountObjects(n->children);
  return count;
}

int ObjectsOf(const std::string& bytes) {
  xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "corpus.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA);
  if (!doc) return -1;
  xmlNodePtr root = xmlDocGetRootElement(doc);
  int count = root ? 1 + CountObjects(root->children) : 0;
  xmlFreeDoc(doc);
  return count;
}

}  // namespace

TEST(Corpus, EveryDocumentLoadsWalksAndSavesUnchanged) {
  std::vector<std::filesystem::path> files = CorpusDocuments();
  std::erase_if(files, [](const std::filesystem::path& f) {
    const std::string ext = f.extension().string();
    return ext != ".xml" && ext != ".XML" && ext != ".dita";
  });
  if (files.empty()) GTEST_SKIP() << CorpusMissing();
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    std::string original;
    ASSERT_TRUE(ReadFileBytes(path.string(), &original));
    Editor e;
    std::string error;
    ASSERT_TRUE(e.Load(path.string(), &error)) << error;

    // Walk every element and instruction through oid_forward.
    int walked = 0;
    for (std::string id = Eval(e, "oid_first()"); id != "(0,0,0)"; id = Eval(e, "oid_forward('" + id + "')"))
      ++walked;

    std::string saved = e.SaveText();
    // Nothing edited: the file comes back byte for byte.
    EXPECT_TRUE(saved == original) << "saved text differs from the file";
    EXPECT_EQ(walked, ObjectsOf(original));

    Editor again;
    ASSERT_TRUE(again.LoadText(saved, "again.xml", &error)) << error;
    EXPECT_EQ(again.SaveText(), saved);
  }
}
