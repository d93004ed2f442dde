#include "engine/tag_tables.h"

#include <iterator>
#include <span>

#include "engine/ascii_text.h"
#include "platform/bounded_text.h"

namespace {

struct TagPrefix {
  std::string_view text;
  bool exact = false;  // the whole tag must equal the text
};

// Closing tags that end a sentence. "</p" alone makes every closing tag
// whose name begins with 'p' a block end.
constexpr TagPrefix kBlockEndTags[] = {
    {"</caption"}, {"</addline"}, {"</cmd"},     {"</callpara"},    {"</caution"},
    {"</chrow"},   {"</conbody"}, {"</dmref"},   {"</dmtitle"},     {"</entry"},
    {"</iesub"},   {"</info"},    {"</item"},    {"</randitem"},    {"</row"},
    {"</reqcond"}, {"</sli"},     {"</simplepara"}, {"</section", true}, {"</sect"},
    {"</step"},    {"</stdnbr"},  {"</std"},     {"</unlitem"},     {"</unlist"},
    {"</task"},    {"</tech"},    {"</title"},   {"</warning"},     {"</list"},
    {"</level"},   {"</mad"},     {"</name"},    {"</note"},        {"</p"},
    {"</para"},    {"</par"},     {"</prcitem"}, {"</prolog"},      {"</pubtitle"},
    // DocBook's paragraph without blocks inside, as in a compact list.
    {"</simpara"},
};
static_assert(std::size(kBlockEndTags) == 41);

// Opening tags of inline elements, each compared by its own length.
constexpr std::string_view kInlineTags[] = {
    "<action",   "<adt",       "<address",   "<afp",        "<alt",      "<annotation",
    "<aritem",   "<button",    "<callout",   "<cng",        "<chg",      "<con",
    "<cpyright", "<conn",      "<cpn",       "<csd",        "<csn",      "<csw",
    "<dd",       "<deleted",   "<dmref",     "<eff",        "<equ",      "<esds",
    "<fds",      "<ftnote",    "<foldout",   "<formno",     "<full",     "<gdesc",
    "<geo",      "<geninfo",   "<hazmat",    "<hazard",     "<holder",   "<ipl",
    "<itemdat",  "<indexfla",  "<internalref", "<image",    "<kwd",      "<keywor",
    "<listitem", "<legal",     "<label",     "<limit",      "<lines",    "<lod",
    "<mad",      "<mdl",       "<mdnbr",     "<media",      "<mfr",      "<mfpnr",
    "<mp",       "<msc",       "<ncon",      "<non",        "<nomen",    "<opn",
    "<opt",      "<osc",       "<part",      "<pcd",        "<pnr",      "<position",
    "<psp",      "<prelreg",   "<product",   "<propnam",    "<ptlis",    "<pspmf",
    "<refer",    "<result",    "<rw",        "<sales",      "<sbdata",   "<sbs",
    "<sbnr",     "<sblist",    "<sdes",      "<spl",        "<stdnam",   "<stdnb",
    "<supp",     "<swr",       "<sym",       "<ted",        "<term",     "<toolnam",
    "<trnbr",    "<trdata",    "<toolnbr",   "<trademark",  "<transltr", "<trloc",
    "<trlist",   "<txt",       "<tutorial",  "<txtgrphc",   "<unitsgrp", "<ui_string",
    "<uoa",      "<uoi",       "<upa",       "<uwi",        "<uwp",      "<year",
};
static_assert(std::size(kInlineTags) == 108);

// Elements of the document types the checker knows that hold code or
// literal computer text: skipped like inline elements, whatever they hold,
// as a listing or a command line is no prose. Compared by the whole name, so
// that "screen" leaves "screenshot" and "screeninfo" to be read.
constexpr std::string_view kCodeElements[] = {
    // DITA
    "codeblock", "codeph", "filepath", "cmdname", "varname", "systemoutput", "userinput",
    // DITA: names of markup and parameters
    "xmlelement", "xmlatt", "xmlnsname", "xmlpi", "parmname",
    // DocBook
    "programlisting", "screen", "literal", "code", "command", "filename", "computeroutput",
    "userinput", "option", "replaceable", "varname", "function",
    // DocBook: names of markup
    "tag", "sgmltag", "markup",
    // DocBook: addresses, identifiers, keys and the other computer text;
    // an argument of a command's synopsis
    "email", "uri", "paramdef", "parameter", "package", "systemitem", "keycap", "keycombo", "buildtarget",
    "methodname", "classname", "envar", "errorname", "prompt", "arg",
    // S1000D business rules: the XPath a rule applies to (4.x, 2.x), a
    // notation's name, a code of the SNS
    "objectPath", "objpath", "notationName", "snsCode",
};

// The fields of records that hold a value, not a writer's sentence: a date,
// a number, a person's initials, a company's name. Each is one
// placeholder, as code is, wherever it stands (DocBook 5 also writes a date
// inside a sentence); its end ends a sentence where the block ends' prefixes
// say so, as before ("</pubdate>" in a bibliography entry). Compared by the
// whole name: "dateFormat" or "revnumbers" are no such field.
constexpr std::string_view kFieldElements[] = {
    // DocBook: dates (a date in a revision, an info section or a sentence;
    // the publication date), a revision's number and its author's
    // initials, a release's and an edition's name (DITA's bookmap writes
    // "edition" too); a reference page's names
    "date", "pubdate", "revnumber", "authorinitials", "releaseinfo", "edition", "refname", "refdescriptor",
    // S1000D: a company's name, in a repository or a record
    "enterpriseName",
};

// Block elements of the document types the checker knows, by their whole
// names: their end ends the sentence, whatever the prefixes above say, so
// that no sentence runs from one block into the next (a code block's end
// too, though its content is one placeholder). Names that a family also
// uses inline are left out: DITA's "term" and "image" (a block only where
// its placement says so), DocBook's "member" of an inline list, S1000D's
// "verbatimText".
constexpr std::string_view kBlockElements[] = {
    // DITA: paragraphs, list items, terms and definitions, table cells,
    // figures, images, divisions, code and verbatim blocks
    "p", "shortdesc", "abstract", "lq", "note", "example", "section", "li", "sli", "dt", "dd", "dthd", "ddhd",
    "pt", "pd", "entry", "stentry", "choption", "chdesc", "choptionhd", "chdeschd", "fig", "figgroup",
    "div", "bodydiv", "sectiondiv", "codeblock", "msgblock", "screen", "lines", "pre",
    // DITA tasks
    "context", "prereq", "postreq", "result", "cmd", "info", "stepxmp", "stepresult", "tutorialinfo",
    "steptroubleshooting", "tasktroubleshooting", "choice",
    // DocBook
    "para", "simpara", "formalpara", "blockquote", "epigraph", "sidebar", "tip", "important", "bridgehead",
    "listitem", "callout", "glossdef", "td", "th", "figure", "informalfigure", "mediaobject", "caption",
    "programlisting", "screen", "literallayout", "synopsis", "cmdsynopsis", "funcsynopsis", "address",
    "programlistingco", "screenco",
    // S1000D
    "simplePara", "notePara", "warningAndCautionPara", "listItem", "listItemTerm", "listItemDefinition",
    "graphic",
    // S1000D business rules: each rule, its description and each allowed
    // value's label (4.x, and 2.x's short names); a notation rule; an SNS
    // title. The code fields beside them (below) are blocks too.
    "structureObjectRule", "objectUse", "objectValue", "objrule", "objuse", "objval", "notationRule",
    "snsTitle", "objectPath", "objpath", "notationName", "snsCode",
    // S1000D: the identification and status section (4.x, 2.x) and the
    // applicability annotations, which stand before a module's text; wiring
    // data, whose records are no sentence of the text after it
    "identAndStatusSection", "idstatus", "referencedApplicGroup", "wiringData",
    // DITA maps: a key definition, whatever its metadata holds, is no part
    // of the titles after it
    "keydef",
    // Titles, each a sentence of its own, and the metadata that holds them,
    // which ends its sentence before the text after it. A subtitle and an
    // abbreviated title ("title" ends its sentence by the prefix above, at
    // its end only: some documents write one inside a paragraph); DITA's
    // alternative titles (1.x "titlealts" with its "navtitle" and
    // "searchtitle", 2.0 "titlealt" and its kinds), a map's link text and
    // its "topicmeta", a bookmap's titles and "bookmeta", a publication
    // map's main title (DITA for Publishers); a DITA glossary entry, whose
    // term is its title (DocBook's entry is a block too; its "glossterm"
    // also stands inside sentences, so the entry ends it)
    "subtitle", "titleabbrev", "titlealts", "navtitle", "searchtitle", "titlealt", "linktitle", "titlehint",
    "linktext", "topicmeta", "booktitle", "mainbooktitle", "booktitlealt", "booklibrary", "bookmeta", "mainpubtitle",
    "glossentry",
    // DocBook 4's info sections, each named for what it describes (a
    // block's, as a procedure's or a table's, and a media object's too); a
    // reference page's names and purpose (the purpose a sentence of its
    // own); a revision history, each revision and the writer's remark on it
    "articleinfo", "bookinfo", "chapterinfo", "appendixinfo", "prefaceinfo", "sectioninfo", "sect1info", "sect2info",
    "sect3info", "sect4info", "sect5info", "refsectioninfo", "refsect1info", "refsect2info", "refsect3info",
    "refsynopsisdivinfo", "glossaryinfo", "bibliographyinfo", "indexinfo", "setinfo", "setindexinfo", "referenceinfo",
    "sidebarinfo", "blockinfo", "objectinfo", "refentryinfo", "refnamediv", "refpurpose", "revhistory", "revision",
    "revremark", "revdescription",
    // DITA hazard statements and troubleshooting
    "hazardstatement", "messagepanel", "typeofhazard", "consequence", "howtoavoid", "condition",
    // ATA (maintenance manuals and service bulletins)
    "l1item", "l2item", "l3item", "l4item", "l5item", "l6item", "l7item", "numlitem", "unlitem", "sheet",
};

// Lists that may stand inside a paragraph's sentence, so that their start
// ends none; their end does, so that no title after them joins what they
// hold where their entries are no blocks (references to entities that
// stand for them). Compared by the whole name.
constexpr std::string_view kListsEndingSentences[] = {
    // DocBook: a list of terms
    "variablelist",
};

// Inline elements whose names begin like a block end above ("</p" of
// "</ph>", "</dmref" of a cross-reference): they stand inside a sentence,
// so their end ends none. Compared by the whole name.
constexpr std::string_view kInlineElements[] = {
    // DITA
    "ph", "parameterentity",
    // DocBook
    "phrase", "productname", "productnumber", "property", "personname",
    // S1000D: references to a data module or a publication and the parts
    // of the latter (a reference is skipped whole, to its own end, so these
    // ends come only where the skip could not reach it)
    "dmRef", "pmRef", "pmRefIdent", "pmRefAddressItems", "pmTitle",
};

// S1000D's references that a writer puts inside a sentence: each is one
// placeholder there, whatever parts of it are written out. Compared by the
// whole name as the schema writes it, case included ("footnoteref" is
// DocBook's): other names that end in "Ref" are no such reference
// ("reqCondNoRef" holds a required condition) or stand outside sentences
// (a repository's "functionalPhysicalAreaRef").
constexpr std::string_view kReferenceElements[] = {
    "dmRef", "pmRef", "externalPubRef", "internalRef", "functionalItemRef", "zoneRef", "circuitBreakerRef",
    "accessPointRef", "controlIndicatorRef", "catalogSeqNumberRef", "terminologyRef", "brDecisionRef",
};

// Elements that stand aside from the text: index entries, the notes of
// writers and reviewers, and lists of references and keywords that stand
// before the text (a data module's references, metadata). They are no part
// of any sentence, so they are skipped whole and leave no word. Compared by
// the whole name.
constexpr std::string_view kAsideElements[] = {
    // DITA; a topic's or a map's keywords (metadata only: the inline
    // "keyword" is a word of its sentence)
    "indexterm", "index-see", "index-see-also", "index-sort-as", "draft-comment", "required-cleanup",
    "keywords",
    // DocBook ("indexterm" as well); an info section's keywords
    "remark", "keywordset",
    // S1000D: the references of a data module's content, and the reference
    // to its applicability annotations
    "refs", "referencedApplicGroupRef",
    // DocBook: a reference page's title, volume and the names of its
    // manual, which a reader of the page does not read as text
    "refmeta",
    // S1000D wiring data: each wire's, harness's and equipment's record
    // (numbers, contacts, type, gauge, colour, length, part number, place,
    // class, maker), values all
    "wire", "harness", "electricalEquip",
};

// Metadata of which only the writer's prose is read: a reference page's
// (its authors, dates, product and manual's title are names and values, as
// a reader of the page sees them). Compared by the whole name.
constexpr std::string_view kProseOnlyMetadata[] = {"refentryinfo"};

// The writer's prose in such metadata, read as in any other info section:
// a revision's remark and description, a legal notice.
constexpr std::string_view kMetadataProse[] = {"revremark", "revdescription", "legalnotice"};

// Elements of the document types the checker knows that hold a writer's
// sentences, but whose names begin like an inline prefix ("<con", "<dd",
// "<lines", "<tutorial", "<hazard", "<term"): they are read as a
// paragraph is, whatever they hold. Compared by the whole name.
constexpr std::string_view kProseSections[] = {
    // prose sections
    "conbody", "conbodydiv", "content", "context", "result",
    // S1000D: the rules of a business rules module (4.x "contextRules", 2.x
    // "contextrules")
    "contextRules",
    // DITA: definitions, line-by-line text, a step's tutorial text, hazard
    // statements and their consequence, a trouble's condition
    "dd", "lines", "tutorialinfo", "hazardstatement", "consequence", "condition",
    // DocBook: a term defined inline, in a sentence of its own
    "termdef",
};

// Names that S1000D's data modules give a block of a writer's sentences
// and DocBook an inline element: a fault isolation step's "action" is read
// as a paragraph is; DocBook's, a response to a user event written inside a
// sentence, is one placeholder there, as the inline prefix says. The
// document decides which.
constexpr std::string_view kDataModuleBlocks[] = {"action"};

}  // namespace

DocumentKindState DocumentKind;

std::string_view OpeningTagName(std::string_view tag) {
  if (tag.empty() || tag[0] != '<') return {};
  tag.remove_prefix(1);
  return tag.substr(0, tag.find_first_of(" \t\r\n/>"));
}

namespace {

// Tags that are skipped while their content is read; tried only when the
// tag's second character is a small letter.
constexpr std::string_view kStructuralTags[] = {
    "<effect",   "<entry",   "<hotlink",  "<ipl",     "<indexflag", "<concept id",
    "<description", "<colspec", "<note",  "<list1",   "<nota",      "<proceduralStep",
    "<para",     "<par",     "<pan",      "<pageset", "<pgblk",     "<par>",
    "<revst",    "<randlist", "<revend",  "<steplist", "<subject",  "<step",
    "<sheet",    "<subtask", "<step id",  "<textset", "<texte",     "<table",
    "<task",     "<thead",   "<tgroup",   "<textgrp", "<tech",      "<unlist",
    "<unlitem",
};
// The one structural tag for any other second character.
constexpr std::string_view kStructuralPi = "<?pb";

struct ClosingPair {
  std::string_view opening;
  std::string_view closing;
};

// Elements whose whole content is skipped; tried only when the tag's second
// character is a small letter.
constexpr ClosingPair kSkippedContentTags[] = {
    {"<outils", "</outils"},
    {"<preliminaryRqmts", "</preliminaryRqmts"},
    {"<legalntc", "</legalntc"},
    {"<mfmatr", "</mfmatr"},
    {"<partinfo", "</partinfo"},
    {"<picto-para", "</picto-para"},
    {"<refext", "</refext"},
    {"<repere", "</repere"},
    {"<refint", "</refint"},
    {"<sblis", "</sblist"},
    {"<uicontrol", "</uicontrol"},
    {"<voirfig", "</voirfig"},
    {"<voirproc", "</voirproc"},
    {"<verbatimText", "</verbatimText"},
    {"<vendlist", "</vendlist"},
    {"<vendata", "</vendata"},
    {"<xref", "</xref"},
    {"<nomen", "</nomen"},
    {"<dmRef", "</dmRef"},
    {"<externalpubref", "</externalPubRef"},
    {"<figure id=", "</figure"},
    {"<figure", "</figure"},
    {"<graphic", "</graphic"},
    {"<grphcref", "</grphcref"},
    {"<internalRef", "</internalRef"},
};

// Warning elements; their text is replaced when warnings are hidden.
constexpr ClosingPair kWarningTags[] = {
    {"<warning", "</warning"},
    {"<warningAndCautionPara", "</warningAndCautionPara"},
    {"<caution", "</caution"},
    {"<danger", "</danger"},
    {"<poison", "</poison"},
};

// The entries of one group share the character at `at`; the others are
// passed over without a comparison.
bool SameGroup(std::string_view entry, std::string_view tag, std::size_t at) {
  return entry.size() > at && tag.size() > at &&
         AsciiLower(static_cast<unsigned char>(entry[at])) ==
             AsciiLower(static_cast<unsigned char>(tag[at]));
}

std::string_view View(const char* s) { return s ? std::string_view(s) : std::string_view(); }

// The value of the attribute `name` in an opening tag, without its quotes;
// empty where the tag has none.
std::string_view AttributeValue(std::string_view tag, std::string_view name) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  for (std::size_t at = tag.find_first_of(" \t\r\n"); at < tag.size(); ++at) {
    if (!blank(tag[at - 1]) || !StartsWithNoCase(tag.substr(at), name)) continue;
    std::size_t q = at + name.size();
    while (q < tag.size() && blank(tag[q])) ++q;
    if (q >= tag.size() || tag[q] != '=') continue;
    ++q;
    while (q < tag.size() && blank(tag[q])) ++q;
    if (q >= tag.size() || (tag[q] != '"' && tag[q] != '\'')) continue;
    const std::size_t close = tag.find(tag[q], q + 1);
    if (close == std::string_view::npos) return {};
    return tag.substr(q + 1, close - q - 1);
  }
  return {};
}

bool Listed(std::string_view name, std::span<const std::string_view> names) {
  for (std::string_view e : names)
    if (EqualsNoCase(name, e)) return true;
  return false;
}

// True when `tag` opens an element whose whole name is one of `names`.
bool NameIn(std::string_view tag, std::span<const std::string_view> names) {
  if (tag.size() < 2 || tag[1] == '/') return false;
  return Listed(OpeningTagName(tag), names);
}

// The blocks of a data module's own, where the text under check is one.
std::span<const std::string_view> DataModuleBlocks() {
  if (!DocumentKind.InDataModule()) return {};
  return kDataModuleBlocks;
}

}  // namespace

int IsBlockEndTag(const char* tag) {
  std::string_view t = View(tag);
  for (const TagPrefix& e : kBlockEndTags) {
    if (!SameGroup(e.text, t, 2)) continue;
    if (e.exact ? EqualsNoCase(t, e.text) : StartsWithNoCase(t, e.text)) return 1;
  }
  return -1;
}

int IsInlineTag(const char* tag) {
  std::string_view t = View(tag);
  if (NameIn(t, kProseSections) || NameIn(t, DataModuleBlocks())) return -1;
  for (std::string_view e : kInlineTags)
    if (SameGroup(e, t, 1) && StartsWithNoCase(t, e)) return 1;
  return -1;
}

bool IsCodeElement(std::string_view tag) { return NameIn(tag, kCodeElements) || NameIn(tag, kFieldElements); }

std::string_view ClosingTagName(std::string_view tag) {
  if (tag.size() < 3 || tag[0] != '<' || tag[1] != '/') return {};
  tag.remove_prefix(2);
  return tag.substr(0, tag.find_first_of(" \t\r\n>"));
}

bool ClosesCodeElement(std::string_view tag) {
  const std::string_view name = ClosingTagName(tag);
  return !name.empty() && Listed(name, kCodeElements);
}

bool ClosesBlockElement(std::string_view tag) {
  const std::string_view name = ClosingTagName(tag);
  return !name.empty() && (Listed(name, kBlockElements) || Listed(name, kListsEndingSentences) ||
                            Listed(name, DataModuleBlocks()));
}

bool OpensBreakImage(std::string_view tag) {
  return !tag.ends_with("/>") && EqualsNoCase(OpeningTagName(tag), "image") &&
         EqualsNoCase(AttributeValue(tag, "placement"), "break");
}

bool OpensBlockElement(std::string_view tag) {
  return !tag.ends_with("/>") &&
         (NameIn(tag, kBlockElements) || NameIn(tag, DataModuleBlocks()) || OpensBreakImage(tag));
}

bool EndsSentence(std::string_view closingTag) {
  if (ClosesBlockElement(closingTag)) return true;
  if (ClosesCodeElement(closingTag) || Listed(ClosingTagName(closingTag), kInlineElements)) return false;
  char head[36];
  CopyBounded(head, sizeof head, closingTag);
  return IsBlockEndTag(head) == 1;
}

bool IsAsideElement(std::string_view tag) { return NameIn(tag, kAsideElements); }

bool OpensProseOnlyMetadata(std::string_view tag) { return NameIn(tag, kProseOnlyMetadata); }

bool OpensMetadataProse(std::string_view tag) { return NameIn(tag, kMetadataProse); }

bool ClosesMetadataProse(std::string_view tag) {
  const std::string_view name = ClosingTagName(tag);
  return !name.empty() && Listed(name, kMetadataProse);
}

bool IsStructuralTag(std::string_view tag) {
  if (tag.size() < 2) return false;
  if (!IsAsciiLower(static_cast<unsigned char>(tag[1]))) return StartsWithNoCase(tag, kStructuralPi);
  for (std::string_view e : kStructuralTags)
    if (SameGroup(e, tag, 1) && StartsWithNoCase(tag, e)) return true;
  return false;
}

bool IsReferenceElement(std::string_view tag) {
  if (tag.size() < 2 || tag[1] == '/') return false;
  const std::string_view name = OpeningTagName(tag);
  for (std::string_view e : kReferenceElements)
    if (name == e) return true;
  return false;
}

std::string_view SkippedContentClosingTag(std::string_view tag) {
  if (tag.size() < 2 || !IsAsciiLower(static_cast<unsigned char>(tag[1]))) return {};
  for (const ClosingPair& e : kSkippedContentTags)
    if (SameGroup(e.opening, tag, 1) && StartsWithNoCase(tag, e.opening)) return e.closing;
  return {};
}

std::string_view WarningClosingTag(std::string_view tag) {
  for (const ClosingPair& e : kWarningTags) {
    if (!StartsWithNoCase(tag, e.opening)) continue;
    // "<warning" also opens "<warningAndCautionPara": the ninth character tells.
    if (e.opening == "<warning" && tag.size() > 8 && tag[8] == 'A') return "</warningAndCautionPara";
    return e.closing;
  }
  return {};
}
