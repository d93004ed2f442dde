#include "commands/doc_types.h"

#include "engine/ascii_text.h"
#include "engine/tag_tables.h"

namespace {
// Rows 9, 10 and 14 repeat earlier rows and never decide; they are kept so
// the table stays as the document types were catalogued.
constexpr DocTypeEntry kDocTypes[] = {
    {.docType = "cmm", .startTag = "<pgblk>"},
    {.docType = "amm", .startTag = "<conbody>"},
    {.docType = "procedure", .startTag = "<texte>"},
    {.docType = "dmodule", .startTag = "<content>"},
    {.docType = "concept", .startTag = "<conbody>"},
    {.docType = "sb", .startTag = "<body>"},
    {.docType = "book", .startTag = "<chapter>", .laterBodies = LaterBodies::AllThatFollow},
    {.docType = "reference", .startTag = "<refbody>"},
    {.docType = "book", .startTag = "<chapter>", .laterBodies = LaterBodies::AllThatFollow},
    {.docType = "reference", .startTag = "<refbody>"},
    {.docType = "doc", .startTag = "<body>"},
    {.docType = "task", .startTag = "<task>"},
    {.docType = "article", .startTag = "<article>"},
    {.docType = "reference", .startTag = "<refbody>"},
    {.docType = "topic", .startTag = "<topic>"},
    {.docType = "tech", .startTag = "<techbody>"},
};
}  // namespace

std::span<const DocTypeEntry> DocTypeTable() { return kDocTypes; }

const DocTypeEntry* FindDocType(std::string_view rootName) {
  for (const DocTypeEntry& row : kDocTypes)
    if (rootName == row.docType) return &row;
  return nullptr;
}

bool IsDataModule(std::string_view name) { return name == kDataModuleElement; }

bool UsesTagTableRoad(std::string_view rootName) {
  return rootName.substr(0, 3) == "cmm" || rootName.substr(0, 4) == "task";
}

bool IsLaterBody(LaterBodies rule, std::string_view name, std::string_view firstBody) {
  if (rule == LaterBodies::AllThatFollow) return true;
  // A topic's body is named "body" or ends so ("conbody", "glossBody"); a
  // table's body ("tbody") is no topic's.
  constexpr std::string_view kBody = "body";
  if (name == firstBody) return true;
  return name.size() >= kBody.size() && EqualsNoCase(name.substr(name.size() - kBody.size()), kBody) &&
         !EqualsNoCase(name, "tbody");
}
