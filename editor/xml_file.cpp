#include "editor/xml_file.h"

#include <libxml/SAX2.h>
#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "editor/markup_text.h"
#include "editor/render.h"
#include "editor/source_scan.h"
#include "editor/source_write.h"
#include "editor/text_chars.h"
#include "editor/xml_allocator.h"
#include "platform/memory_note.h"

namespace editor {

namespace {

// libxml2 gets the editor's allocator before anything can use it.
[[maybe_unused]] const bool g_xmlAllocator = (UseXmlAllocator(), true);

// What one parse keeps beside libxml2's own context.
struct ParseSession {
  // Entities the document uses but does not declare (their declarations
  // live in a DTD we do not read) are answered with empty stand-ins held
  // here, so that the parser keeps every such reference as a reference,
  // in content and in attribute values alike.
  xmlDocPtr standIns = nullptr;
  bool haveError = false;
  int errorLine = 0;
  std::string errorMessage;
  // The parser could not allocate: no fault of the document's.
  bool outOfMemory = false;
};

// The parse in progress on this thread (libxml2 calls back without it).
thread_local ParseSession* g_session = nullptr;

ParseSession* SessionOf(void* /*ctx*/) { return g_session; }

xmlEntityPtr GetEntity(void* ctx, const xmlChar* name) {
  xmlEntityPtr entity = xmlSAX2GetEntity(ctx, name);
  auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
  if (entity || ctxt->inSubset) return entity;
  ParseSession* session = SessionOf(ctx);
  if (!session) return nullptr;
  entity = xmlGetDocEntity(session->standIns, name);
  if (!entity)
    entity = xmlAddDocEntity(session->standIns, name, XML_INTERNAL_GENERAL_ENTITY, nullptr, nullptr,
                             BAD_CAST "");
  return entity;
}

void QuietChannel(void* /*ctx*/, const char* /*format*/, ...) {}

void OnError(void* ctx, xmlErrorPtr error) {
  ParseSession* session = SessionOf(ctx);
  if (!session || !error) return;
  if (error->code == XML_ERR_NO_MEMORY) session->outOfMemory = true;
  if (session->haveError || error->level < XML_ERR_FATAL) return;
  session->haveError = true;
  session->errorLine = error->line;
  // Called from the parser's C code, which no exception may cross.
  try {
    std::string message = error->message ? error->message : "not well-formed";
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    session->errorMessage = message;
  } catch (const std::bad_alloc&) {
    session->outOfMemory = true;
  }
}

std::string Text(const xmlChar* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

std::string QualifiedName(const xmlChar* name, xmlNsPtr ns) {
  std::string out;
  if (ns && ns->prefix) {
    out = Text(ns->prefix);
    out += ':';
  }
  out += Text(name);
  return out;
}

// Pseudo-attributes of a marker's opening instruction: name="v" or name='v'.
bool ParsePseudoAttributes(std::string_view text, std::vector<Attribute>* out) {
  std::size_t i = 0;
  auto skipSpace = [&] {
    while (i < text.size() && IsSpace(static_cast<unsigned char>(text[i]))) ++i;
  };
  while (true) {
    skipSpace();
    if (i >= text.size()) return true;
    std::size_t nameStart = i;
    while (i < text.size() && text[i] != '=' && !IsSpace(static_cast<unsigned char>(text[i]))) ++i;
    std::string name(text.substr(nameStart, i - nameStart));
    if (!IsXmlName(name)) return false;
    skipSpace();
    if (i >= text.size() || text[i] != '=') return false;
    ++i;
    skipSpace();
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) return false;
    char quote = text[i++];
    std::size_t close = text.find(quote, i);
    if (close == std::string_view::npos) return false;
    out->push_back({name, NormalizeAttributeValue(text.substr(i, close - i))});
    i = close + 1;
  }
}

std::string Quoted(const std::string& text) {
  char quote = text.find('"') == std::string::npos ? '"' : '\'';
  return quote + text + quote;
}

std::string ExternalIds(const xmlChar* publicId, const xmlChar* systemId) {
  std::string out;
  if (publicId) {
    out += " PUBLIC ";
    out += Quoted(Text(publicId));
    if (systemId) {
      out += ' ';
      out += Quoted(Text(systemId));
    }
  } else if (systemId) {
    out += " SYSTEM ";
    out += Quoted(Text(systemId));
  }
  return out;
}

// Gets nothing but room made beforehand, as no exception may cross the
// parser's C code that calls it.
void CollectNotation(void* payload, void* data, const xmlChar* /*name*/) {
  static_cast<std::vector<xmlNotationPtr>*>(data)->push_back(static_cast<xmlNotationPtr>(payload));
}

struct FreeXmlBuffer {
  void operator()(xmlBufferPtr buffer) const { xmlBufferFree(buffer); }
};

// The document type declaration with its internal subset. Declarations are
// written in the order read; notations, which the parser keeps apart and
// unordered, first and sorted, so that the text is the same every time.
std::string DoctypeText(xmlDtdPtr dtd) {
  std::string out = "<!DOCTYPE " + Text(dtd->name) + ExternalIds(dtd->ExternalID, dtd->SystemID);
  std::vector<std::string> notations;
  if (auto* table = static_cast<xmlHashTablePtr>(dtd->notations)) {
    std::vector<xmlNotationPtr> found;
    found.reserve(static_cast<std::size_t>(std::max(xmlHashSize(table), 0)));
    xmlHashScan(table, CollectNotation, &found);
    for (xmlNotationPtr n : found)
      notations.push_back("<!NOTATION " + Text(n->name) + ExternalIds(n->PublicID, n->SystemID) + ">\n");
  }
  std::sort(notations.begin(), notations.end());
  if (!dtd->children && notations.empty()) return out + ">";
  out += " [\n";
  for (const std::string& n : notations) out += n;
  std::unique_ptr<xmlBuffer, FreeXmlBuffer> buffer(xmlBufferCreate());
  if (!buffer) throw std::bad_alloc();
  for (xmlNodePtr c = dtd->children; c; c = c->next) {
    xmlBufferEmpty(buffer.get());
    // Fails only where it cannot allocate: a declaration is never dropped.
    if (xmlNodeDump(buffer.get(), dtd->doc, c, 0, 0) < 0) throw std::bad_alloc();
    std::string decl = Text(xmlBufferContent(buffer.get()));
    if (decl.empty()) continue;
    if (decl.back() != '\n') decl += '\n';
    out += decl;
  }
  return out + "]>";
}

class TreeReader {
 public:
  // With a scanner, every item gets the span of the text it was read from.
  TreeReader(xmlDocPtr xml, Document& doc, SourceScanner* scan) : xml_(xml), doc_(doc), scan_(scan) {}

  void ReadTopLevel() {
    for (xmlNodePtr n = xml_->children; n; n = n->next) {
      if (n->type == XML_ELEMENT_NODE && doc_.Root() == kNoNode) {
        NodeIndex root = ReadElement(n);
        doc_.SetRoot(root);
      } else {
        ReadOther(n, nullptr);
      }
    }
  }

 private:
  struct OpenMarker {
    NodeIndex node;
    std::string piData;
  };

  // Appends an item; `spanned` says whether the scanner found its text.
  void Add(Item item, bool spanned, const SourceSpan& span) {
    if (spanned && span.length <= kMaxSourceLength) {
      item.source = span.begin;
      item.sourceLength = span.length;
      item.inCdata = span.inCdata ? 1 : 0;
    }
    doc_.Append(item);
  }

  NodeIndex ReadElement(xmlNodePtr n) {
    std::vector<Attribute> attributes;
    for (xmlNsPtr ns = n->nsDef; ns; ns = ns->next) {
      std::string name = ns->prefix ? "xmlns:" + Text(ns->prefix) : "xmlns";
      // The parser leaves a declaration's value in markup form (references
      // as written, '&' as "&#38;").
      attributes.push_back({name, NormalizeAttributeValue(Text(ns->href))});
    }
    for (xmlAttrPtr a = n->properties; a; a = a->next) {
      std::string value;
      for (xmlNodePtr c = a->children; c; c = c->next) {
        if (c->type == XML_ENTITY_REF_NODE) {
          value += '&';
          value += Text(c->name);
          value += ';';
        } else if (c->content) {
          value += EscapeAttributeValue(Text(c->content));
        }
      }
      attributes.push_back({QualifiedName(a->name, a->ns), value});
    }
    NodeIndex node = doc_.NewElement(QualifiedName(n->name, n->ns), std::move(attributes));
    SourceSpan span;
    Add({ItemKind::StartTag, node}, scan_ && scan_->StartTag(doc_.NodeAt(node).name, &span), span);
    std::vector<OpenMarker> open;
    for (xmlNodePtr c = n->children; c; c = c->next) {
      if (c->type == XML_ELEMENT_NODE)
        ReadElement(c);
      else
        ReadOther(c, &open);
    }
    // An opening without its closing in the same element stays what it
    // was written as: a processing instruction.
    for (auto it = open.rbegin(); it != open.rend(); ++it) doc_.MakePi(it->node, "Pub", it->piData);
    Add({ItemKind::EndTag, node}, scan_ && scan_->EndTag(&span), span);
    return node;
  }

  void ReadOther(xmlNodePtr n, std::vector<OpenMarker>* open) {
    SourceSpan span;
    switch (n->type) {
      case XML_TEXT_NODE:
      case XML_CDATA_SECTION_NODE:
        if (n->content)
          for (char32_t c : DecodeUtf8(Text(n->content))) Add({ItemKind::Char, c}, scan_ && scan_->Char(c, &span), span);
        break;
      case XML_ENTITY_REF_NODE: {
        std::string name = Text(n->name);
        Add({ItemKind::EntityRef, doc_.InternEntity(name)}, scan_ && scan_->Entity(name, &span), span);
        break;
      }
      case XML_COMMENT_NODE:
        Add({ItemKind::Markup, doc_.AddMarkup("<!--" + Text(n->content) + "-->")}, scan_ && scan_->Comment(&span),
            span);
        break;
      case XML_PI_NODE:
        ReadPi(n, open);
        break;
      case XML_DTD_NODE:
        Add({ItemKind::Markup, doc_.AddMarkup(DoctypeText(reinterpret_cast<xmlDtdPtr>(n)))},
            scan_ && scan_->Doctype(&span), span);
        break;
      default:
        break;
    }
  }

  void ReadPi(xmlNodePtr n, std::vector<OpenMarker>* open) {
    SourceSpan span;
    const bool spanned = scan_ && scan_->Pi(&span);
    std::string target = Text(n->name);
    std::string data = Text(n->content);
    if (open && target == "Pub") {
      std::string_view rest(data);
      std::string_view marker(kMarkerName);
      bool opens = rest.substr(0, marker.size()) == marker &&
                   (rest.size() == marker.size() || IsSpace(static_cast<unsigned char>(rest[marker.size()])));
      std::string_view trimmed = rest;
      while (!trimmed.empty() && IsSpace(static_cast<unsigned char>(trimmed.back()))) trimmed.remove_suffix(1);
      if (opens) {
        std::vector<Attribute> attributes;
        if (ParsePseudoAttributes(rest.substr(marker.size()), &attributes)) {
          NodeIndex node = doc_.NewElement(kMarkerName, std::move(attributes));
          Add({ItemKind::StartTag, node}, spanned, span);
          open->push_back({node, data});
          return;
        }
      } else if (trimmed == "/_touchup" && !open->empty()) {
        Add({ItemKind::EndTag, open->back().node}, spanned, span);
        open->pop_back();
        return;
      }
    }
    NodeIndex node = doc_.NewPi(target, data);
    Add({ItemKind::Pi, node}, spanned, span);
  }

  xmlDocPtr xml_;
  Document& doc_;
  SourceScanner* scan_;
};

}  // namespace

namespace {
struct FreeXmlDoc {
  void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
struct FreeParserCtxt {
  void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};
using XmlDoc = std::unique_ptr<xmlDoc, FreeXmlDoc>;

// The parse in progress, for libxml2's callbacks, and its quiet channel:
// both are put back however the parse ends.
class ParseScope {
 public:
  explicit ParseScope(ParseSession* session)
      : oldChannel_(xmlGenericError), oldChannelData_(xmlGenericErrorContext) {
    g_session = session;
    // The parser's encoding layer reports through the library-wide channel;
    // what matters reaches the session, so that channel stays quiet here.
    xmlSetGenericErrorFunc(nullptr, QuietChannel);
  }
  ~ParseScope() {
    xmlSetGenericErrorFunc(oldChannelData_, oldChannel_);
    g_session = nullptr;
  }
  ParseScope(const ParseScope&) = delete;
  ParseScope& operator=(const ParseScope&) = delete;

 private:
  xmlGenericErrorFunc oldChannel_;
  void* oldChannelData_;
};

// Memory the parser could not have is no fault of the document's: the
// caller hears of it as of any other allocation that failed.
void RefuseForMemory() {
  NoteOutOfMemory();
  throw std::bad_alloc();
}
}  // namespace

bool ParseXml(std::string_view bytes, const std::string& sourceName, Document* out,
              std::string* error) {
  if (bytes.size() > kMostXmlBytes) {
    if (error) *error = sourceName + ": file too large";
    return false;
  }
  const unsigned long refusedBefore = XmlAllocationsRefused();
  ParseSession session;
  XmlDoc standIns(xmlNewDoc(BAD_CAST "1.0"));
  if (!standIns || !xmlCreateIntSubset(standIns.get(), BAD_CAST "standins", nullptr, nullptr)) RefuseForMemory();
  session.standIns = standIns.get();
  std::unique_ptr<xmlParserCtxt, FreeParserCtxt> ctxt(xmlNewParserCtxt());
  if (!ctxt) RefuseForMemory();
  ctxt->sax->getEntity = GetEntity;
  ctxt->sax->serror = OnError;
  const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA;
  XmlDoc xml;
  {
    ParseScope scope(&session);
    xml.reset(xmlCtxtReadMemory(ctxt.get(), bytes.data(), static_cast<int>(bytes.size()), sourceName.c_str(),
                                nullptr, options));
  }
  if (session.outOfMemory || ctxt->errNo == XML_ERR_NO_MEMORY || XmlAllocationsRefused() != refusedBefore)
    RefuseForMemory();
  bool ok = xml && ctxt->wellFormed && xmlDocGetRootElement(xml.get());
  if (!ok && error) {
    int line = session.haveError ? session.errorLine : ctxt->input ? ctxt->input->line : 0;
    std::string message = session.haveError ? session.errorMessage : "no root element";
    if (!session.haveError) {
      xmlErrorPtr last = xmlCtxtGetLastError(ctxt.get());
      if (last && last->code != XML_ERR_OK && last->message) {
        message = last->message;
        line = last->line;
        while (!message.empty() && message.back() == '\n') message.pop_back();
      }
    }
    *error = sourceName + ", line " + std::to_string(line) + ": " + message;
  }
  if (ok) {
    Document doc;
    doc.standalone = xml->standalone == 1 ? 1 : xml->standalone == 0 ? 0 : -1;
    const char* declared = xml->encoding ? reinterpret_cast<const char*>(xml->encoding) : nullptr;
    const bool keep = DecodeSource(bytes, declared, &doc.source) && doc.source.text.size() < kNoSource;
    SourceScanner scanner(doc.source);
    // No item is read from less than one byte of the text but for entity
    // references, which rarely hold much; the room left after reading is
    // kept for the edits to come (the markers of a check).
    doc.ReserveGap(bytes.size() + bytes.size() / 8);
    TreeReader(xml.get(), doc, keep ? &scanner : nullptr).ReadTopLevel();
    doc.FitGap(doc.Size() / 8 + 64);
    // Where the text does not hold what the parser read, the whole document
    // is written afresh.
    if (keep && scanner.Finish())
      doc.source.kept = true;
    else
      doc.ForgetSource();
    *out = std::move(doc);
  }
  return ok;
}

std::string WriteXml(const Document& doc) {
  std::string kept;
  if (doc.source.kept && WriteFromSource(doc, &kept)) return kept;
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"";
  if (doc.standalone == 1) out += " standalone=\"yes\"";
  if (doc.standalone == 0) out += " standalone=\"no\"";
  out += "?>\n";
  NodeIndex root = doc.Root();
  std::size_t rootStart = root == kNoNode ? doc.Size() : doc.StartOf(root);
  std::size_t rootEnd = root == kNoNode ? doc.Size() : doc.EndOf(root) + 1;
  for (std::size_t i = 0; i < rootStart; ++i) {
    RenderRange(doc, i, i + 1, MarkupStyle::File, out);
    out += '\n';
  }
  if (root != kNoNode) {
    RenderRange(doc, rootStart, rootEnd, MarkupStyle::File, out);
    out += '\n';
  }
  for (std::size_t i = rootEnd; i < doc.Size(); ++i) {
    RenderRange(doc, i, i + 1, MarkupStyle::File, out);
    out += '\n';
  }
  return out;
}

}  // namespace editor
