#include "bench/paragraphs/whole_paragraphs.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <string_view>

#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include "bench/paragraphs/content_parts.h"
#include "bench/paragraphs/entity_names.h"
#include "bench/paragraphs/typography.h"

namespace bench {
namespace {

// Elements that hold a paragraph of text in DITA, DocBook and S1000D. One
// of them is taken when no other block stands inside it.
const std::set<std::string_view> kTextBlocks = {
    // DITA
    "p", "shortdesc", "title", "li", "sli", "note", "dt", "dd", "pt", "pd", "cmd", "info", "stepxmp",
    "stepresult", "result", "context", "prereq", "postreq", "lq", "choice",
    // DocBook
    "para", "simpara", "subtitle", "term", "member", "bridgehead",
    // S1000D
    "simplePara", "notePara", "warningAndCautionPara", "attentionListItemPara", "listItemTerm"};

// Elements that hold blocks: a text block with one of them inside is no
// leaf (its own leaves are taken instead).
const std::set<std::string_view> kContainers = {
    "ul", "ol", "sl", "dl", "dlentry", "parml", "plentry", "steps", "steps-unordered", "substeps",
    "step", "substep", "choices", "itemizedlist", "orderedlist", "variablelist", "varlistentry",
    "listitem", "simplelist", "segmentedlist", "procedure", "calloutlist", "glosslist",
    "randomList", "sequentialList", "definitionList", "definitionListItem", "listItem",
    "listItemDefinition", "codeblock", "pre", "lines", "msgblock", "screen", "programlisting",
    "literallayout", "synopsis", "cmdsynopsis", "funcsynopsis", "fig", "figure", "informalfigure",
    "mediaobject", "example", "informalexample", "blockquote", "sidebar", "table", "informaltable",
    "simpletable", "choicetable", "properties", "section", "sectiondiv", "bodydiv", "footnote",
    "warning", "caution", "important", "tip", "danger", "formalpara", "equation",
    "informalequation", "address"};

// Never looked into: metadata, tables (their cells are no paragraphs),
// code listings and index entries.
const std::set<std::string_view> kPassedOver = {
    "prolog", "titlealts", "metadata", "related-links", "indexterm", "index-base", "draft-comment",
    "remark", "identAndStatusSection", "table", "informaltable", "simpletable", "choicetable",
    "properties", "codeblock", "programlisting", "screen", "pre", "msgblock", "synopsis",
    "cmdsynopsis", "funcsynopsis", "literallayout", "refmeta", "bibliography", "bibliolist",
    "biblioentry", "bibliomixed", "bibliomset", "index", "keywords", "authorgroup", "author",
    "personname", "copyright"};

std::string_view Name(const xmlNode* node) { return reinterpret_cast<const char*>(node->name); }

bool IsElement(const xmlNode* node) { return node->type == XML_ELEMENT_NODE; }

bool HoldsLineFeed(const xmlNode* node) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if ((child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) && child->content &&
        std::strchr(reinterpret_cast<const char*>(child->content), '\n'))
      return true;
    if (IsElement(child) && HoldsLineFeed(child)) return true;
  }
  return false;
}

// S1000D writes code listings as verbatim text inside a paragraph; they
// are told from a command name in the text by their lines.
bool IsListing(const xmlNode* node) { return Name(node) == "verbatimText" && HoldsLineFeed(node); }

bool HoldsBlock(const xmlNode* node) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (!IsElement(child)) continue;
    if (kTextBlocks.count(Name(child)) || kContainers.count(Name(child)) || IsListing(child) || HoldsBlock(child))
      return true;
  }
  return false;
}

bool HoldsText(const xmlNode* node) {
  for (const xmlNode* child = node->children; child; child = child->next) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
      for (const xmlChar* c = child->content; c && *c; ++c)
        if (!std::strchr(" \t\r\n", *c)) return true;
    } else if (IsElement(child) && HoldsText(child)) {
      return true;
    }
  }
  return false;
}

// Elements and attributes lose their namespace, so that the block reads
// as plain XML outside its document. An attribute in a namespace keeps its
// local name (xlink:href becomes href) unless the element already has an
// attribute of that name; xml:id and the like are dropped (an xml:id would
// stand once per copy of the corpus).
void DropNamespaces(xmlNode* node, std::vector<xmlNs*>* definitions) {
  for (xmlNode* n = node; n; n = n->next) {
    if (!IsElement(n)) continue;
    n->ns = nullptr;
    if (n->nsDef) {
      definitions->push_back(n->nsDef);
      n->nsDef = nullptr;
    }
    for (xmlAttr* attr = n->properties; attr;) {
      xmlAttr* next = attr->next;
      if (attr->ns) {
        const bool xmlPrefix = attr->ns->prefix && std::strcmp(reinterpret_cast<const char*>(attr->ns->prefix), "xml") == 0;
        if (xmlPrefix || xmlHasNsProp(n, attr->name, nullptr)) xmlRemoveProp(attr);
        else attr->ns = nullptr;
      }
      attr = next;
    }
    DropNamespaces(n->children, definitions);
  }
}

// Entity references: a declared entity's text stands in its place, any
// other reference is taken out.
void ResolveEntities(xmlNode* node, EntityTally* tally) {
  for (xmlNode* n = node->children; n;) {
    xmlNode* next = n->next;
    if (n->type == XML_ENTITY_REF_NODE) {
      xmlEntity* entity = xmlGetDocEntity(n->doc, n->name);
      if (entity && entity->etype == XML_INTERNAL_GENERAL_ENTITY) {
        xmlNode* copy = entity->children ? xmlDocCopyNodeList(n->doc, entity->children)
                                         : xmlNewDocText(n->doc, entity->content);
        // What the entity gave is looked at next: it may hold references
        // of its own. (Text put beside text is merged into it.)
        next = nullptr;
        for (xmlNode* c = copy; c;) {
          xmlNode* following = c->next;
          c->next = c->prev = nullptr;
          c->parent = nullptr;
          xmlNode* placed = xmlAddPrevSibling(n, c);
          if (!next) next = placed;
          c = following;
        }
        if (!next) next = n->next;
        ++tally->replaced;
      } else {
        ++tally->dropped[reinterpret_cast<const char*>(n->name)];
      }
      xmlUnlinkNode(n);
      xmlFreeNode(n);
    } else if (IsElement(n)) {
      ResolveEntities(n, tally);
    }
    n = next;
  }
}

std::string Serialized(xmlNode* node) {
  std::string text;
  xmlBuffer* buffer = xmlBufferCreate();
  xmlSaveCtxt* save = xmlSaveToBuffer(buffer, "UTF-8", XML_SAVE_NO_DECL | XML_SAVE_AS_XML);
  for (xmlNode* child = node->children; child; child = child->next) xmlSaveTree(save, child);
  xmlSaveClose(save);
  text.assign(reinterpret_cast<const char*>(xmlBufferContent(buffer)), static_cast<std::size_t>(xmlBufferLength(buffer)));
  xmlBufferFree(buffer);
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.back())) text.pop_back();
  std::size_t start = 0;
  while (start < text.size() && blank(text[start])) ++start;
  return text.substr(start);
}

void Collect(xmlNode* node, std::vector<Block>* blocks, EntityTally* tally) {
  for (xmlNode* n = node; n; n = n->next) {
    if (!IsElement(n) || kPassedOver.count(Name(n)) || IsListing(n)) continue;
    if (kTextBlocks.count(Name(n)) && !HoldsBlock(n)) {
      ResolveEntities(n, tally);
      if (!HoldsText(n)) continue;
      std::vector<xmlNs*> definitions;
      DropNamespaces(n->children, &definitions);
      blocks->push_back(Block{Name(n) == "title", Serialized(n)});
      for (xmlNs* ns : definitions) xmlFreeNsList(ns);
      continue;
    }
    Collect(n->children, blocks, tally);
  }
}

}  // namespace

bool LeafBlocks(const std::string& xml, const std::string& name, std::vector<Block>* blocks,
                EntityTally* tally, std::string* error) {
  // No DTD is fetched or read: entities declared in the document itself
  // are known, those of an external DTD are not.
  xmlDoc* doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), name.c_str(), nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  if (!doc) {
    const xmlError* last = xmlGetLastError();
    *error = name + ": " + (last && last->message ? last->message : "not well-formed XML\n");
    while (!error->empty() && error->back() == '\n') error->pop_back();
    return false;
  }
  Collect(xmlDocGetRootElement(doc), blocks, tally);
  xmlFreeDoc(doc);
  return true;
}

std::string WithInlineMarkup(const std::string& content, MarkupRhythm* rhythm) {
  std::string out;
  out.reserve(content.size() + content.size() / 4);
  bool sentenceStarts = true;  // a block begins a sentence
  for (const ContentPart& part : ContentParts(content)) {
    if (part.kind != ContentPart::Kind::kWord) {
      out += part.text;
      continue;
    }
    if (sentenceStarts && ++rhythm->sentences % 4 == 0) out += "<xref href=\"x.dita\"/> ";
    ++rhythm->words;
    const bool bold = rhythm->words % 5 == 0;
    const bool italic = rhythm->words % 7 == 0;
    if (bold) out += "<b>";
    if (italic) out += "<i>";
    out += part.text;
    if (italic) out += "</i>";
    if (bold) out += "</b>";
    out += part.closing;
    sentenceStarts = EndsSentence(part);
  }
  return out;
}

std::string TopicOfBlocks(const std::vector<Block>& blocks, std::size_t size, long* paragraphs, Overlay overlay) {
  MarkupRhythm markup;
  TypographyRhythm typography;
  EntityNameRhythm entityNames;
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  if (overlay == Overlay::kEntityNames) xml += EntityNamesDoctype();
  xml += "<topic id=\"whole-paragraphs\"><title>Whole paragraphs of the corpus</title><body>\n";
  bool inSection = false;
  long count = 0;
  for (std::size_t i = 0; xml.size() < size && !blocks.empty(); ++i) {
    const Block& block = blocks[i % blocks.size()];
    const std::string content = overlay == Overlay::kInlineMarkup ? WithInlineMarkup(block.content, &markup)
                                : overlay == Overlay::kTypography   ? WithTypography(block.content, &typography)
                                : overlay == Overlay::kEntityNames  ? WithEntityNames(block.content, &entityNames)
                                                                    : block.content;
    if (block.title) {
      if (inSection) xml += "</section>\n";
      xml += "<section><title>" + content + "</title>\n";
      inSection = true;
    } else {
      xml += "<p>" + content + "</p>\n";
    }
    ++count;
  }
  if (inSection) xml += "</section>\n";
  xml += "</body></topic>\n";
  if (paragraphs) *paragraphs = count;
  return xml;
}

}  // namespace bench
