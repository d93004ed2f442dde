// Every real document of the shared corpus loads, walks and saves unchanged:
// byte for byte, the tree libxml2 reads from the saved text equals the tree
// it reads from the original, and a second load and save changes nothing.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "platform/files.h"
#include "tests/editor/editor_fixture.h"

using editor::Editor;
using editor_test::Eval;

namespace {

std::filesystem::path CorpusDir() {
  const char* source = std::getenv("KESTA_SOURCE_DIR");
  return std::filesystem::path(source ? source : ".") / ".." / "shared" / "corpus";
}

std::string Text(const xmlChar* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

std::string QName(const xmlChar* name, xmlNsPtr ns) {
  return ns && ns->prefix ? Text(ns->prefix) + ":" + Text(name) : Text(name);
}

struct Signature {
  std::string out;
  std::string pendingText;
  int objects = 0;  // elements and PIs inside the root

  void Flush() {
    if (!pendingText.empty()) out += "T[" + pendingText + "]";
    pendingText.clear();
  }

  void Walk(xmlNodePtr n, bool inRoot) {
    for (; n; n = n->next) {
      if (n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) {
        pendingText += Text(n->content);
        continue;
      }
      Flush();
      switch (n->type) {
        case XML_ELEMENT_NODE:
          ++objects;
          out += "<" + QName(n->name, n->ns);
          for (xmlNsPtr ns = n->nsDef; ns; ns = ns->next)
            out += " xmlns:" + Text(ns->prefix) + "=" + Text(ns->href);
          for (xmlAttrPtr a = n->properties; a; a = a->next) {
            out += " " + QName(a->name, a->ns) + "=";
            for (xmlNodePtr c = a->children; c; c = c->next)
              out += c->type == XML_ENTITY_REF_NODE ? "&" + Text(c->name) + ";" : Text(c->content);
          }
          out += ">";
          Walk(n->children, true);
          Flush();
          out += "</>";
          break;
        case XML_ENTITY_REF_NODE:
          out += "&" + Text(n->name) + ";";
          break;
        case XML_COMMENT_NODE:
          out += "C[" + Text(n->content) + "]";
          break;
        case XML_PI_NODE:
          if (inRoot) ++objects;
          out += "P[" + Text(n->name) + " " + Text(n->content) + "]";
          break;
        case XML_DTD_NODE: {
          auto* dtd = reinterpret_cast<xmlDtdPtr>(n);
          out += "D[" + Text(dtd->name) + "|" + Text(dtd->ExternalID) + "|" + Text(dtd->SystemID) + "]";
          break;
        }
        default:
          break;
      }
    }
    Flush();
  }
};

bool Sign(const std::string& bytes, Signature* sig) {
  xmlDocPtr doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "corpus.xml", nullptr,
                                XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA);
  if (!doc) return false;
  sig->Walk(doc->children, false);
  xmlFreeDoc(doc);
  return true;
}

}  // namespace

TEST(Corpus, EveryDocumentLoadsWalksAndSavesUnchanged) {
  std::filesystem::path dir = CorpusDir();
  if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".xml" || ext == ".XML" || ext == ".dita")) files.push_back(entry.path());
  }
  ASSERT_FALSE(files.empty());
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
    Signature before, after;
    ASSERT_TRUE(Sign(original, &before));
    ASSERT_TRUE(Sign(saved, &after));
    EXPECT_EQ(after.out, before.out);
    EXPECT_EQ(walked, before.objects);

    Editor again;
    ASSERT_TRUE(again.LoadText(saved, "again.xml", &error)) << error;
    EXPECT_EQ(again.SaveText(), saved);
  }
}
