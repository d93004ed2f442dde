// A whole check and the close, through the stand-in editor, on a document
// built from the input: a topic whose title and paragraphs hold words,
// entity references, signs, temperatures, units, numbers in words,
// quotation marks, semicolons, hyphens, soft hyphens, inline elements and
// overlong words, in one of three encodings, its paragraphs repeated up to
// more than a hundred times. Fails (aborts) when a finding's search is lost
// (a "Not found" status line or any error box), when the marked or the
// closed document is not well-formed XML, or when the closed document is
// not the document before the check byte for byte: the check changes no
// character, its corrections are markers too.
#include <libxml/parser.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "commands/run_kesta.h"
#include "dictbuild/dict_writer.h"
#include "editor/editor.h"
#include "engine/dict_file.h"
#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/interaction.h"

namespace {

// Small dictionaries, with the codes of the bundled ones, so that the
// corrections can come: temperatures, units, numbers in words, "max" and
// "min", "then" after a comparative.
constexpr const char* kTechnical =
    "name: TECHNICAL\nsecond-name: tec\nversion: 1.0\n\n"
    "valve$ 1014\npump$ 1014\ncover$ 1014\nupdate$ 1014\nunit$ 1014\n"
    "millimetre 1717%mm\nmm 1717%mm\nminute$ 17\ndegree$ 17\npercent 17\ninch! 17\n";
constexpr const char* kCore =
    "name: CORE\nsecond-name: ste\nversion: 1.0\n\n"
    "remov^21\ninstall^20\nclos^21\nturn^21\nstop^21\nslowly 60\nthen 73\nthan 52\nmore 38\nless 38\n"
    "max 45\nmin 45\nmaximum 30\nminimum 30\nfive 49\nten 49\nit 50\nis 10\nat 75\nfor 65\nto 68\nand 63\nan 64\n";
constexpr const char* kSynonym = "name: SYNONYM\nsecond-name: syn\nversion: 1.0\n\nshut 30120 close\n";
constexpr const char* kSettingsLine =
    "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Kesta Project|SHO|end\n";

// Every box and every "Not found" line is a lost search.
class Watch : public Interaction {
 public:
  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
    // The check of a text without findings says so in a box of its own.
    if (caption != "KESta Quality") problems.push_back("[box " + caption + "] " + text);
    return DismissedAnswer(style);
  }
  void StatusLine(const std::string& text) override {
    if (text.rfind("Not found", 0) == 0) problems.push_back("[status] " + text);
  }
  int Response(const std::string&, const std::vector<std::string>&) override { return 0; }
  std::vector<std::string> problems;
};

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

// The custom folder of this process: removed when the process ends, and
// before a failure aborts it (a crash the sanitizer or libFuzzer ends
// leaves it, since nothing may run in the dying process).
struct CustomFolder {
  std::string path;
  ~CustomFolder() { Remove(); }
  void Remove() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
    path.clear();
  }
};

CustomFolder& Folder() {
  static CustomFolder folder;
  return folder;
}

// The settings and three small dictionaries in a folder of their own, loaded once.
bool SetUpOnce() {
  char folder[] = "/tmp/kesta-fuzz-XXXXXX";
  if (!mkdtemp(folder)) return false;
  const std::string root = folder;
  Folder().path = root;
  if (mkdir((root + "/editinit").c_str(), 0700) != 0 || mkdir((root + "/dictionaries").c_str(), 0700) != 0)
    return false;
  if (!WriteFile(root + "/editinit/KestaArbortext.ini", kSettingsLine)) return false;
  const char* sources[] = {kTechnical, kCore, kSynonym};
  const char* names[] = {"TEC", "STE", "SYN"};
  for (int i = 0; i < 3; ++i) {
    std::string image;
    std::vector<DictBuildError> errors;
    if (!BuildDict(sources[i], &image, &errors)) return false;
    if (!WriteFile(root + "/dictionaries/" + names[i] + ".cmp", image)) return false;
  }
  setenv("APTCUSTOM", root.c_str(), 1);
  if (LoadSettings() < 0) return false;
  for (int slot = 0; slot < kDictSlotCount; ++slot)
    if (LoadDict(slot, NativePath(Settings.dictFileTable[slot].path.str()).c_str()) < 0) return false;
  return true;
}

// --- The document ---

enum class PieceKind {
  kWord,       // a blank before it, or glued to a word before it now and then
  kCorrected,  // what the rules correct: a blank before it, never glued
  kPunct,      // glued to what stands before it
  kParagraph,  // the paragraph ends, the next begins
  kSection,    // a section begins, with a title of the words that follow
};

struct Piece {
  const char* text;
  PieceKind kind;
};

constexpr const char kLong90[] =
    "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghij";
constexpr const char kLong83[] =
    "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabc";

// Pieces of text (UTF-8); each input byte chooses one. The words come
// first (see BuildBlocks); new pieces go at the end of their group.
constexpr Piece kPieces[] = {
    // words, articles before capitals and u-words ("a update", "A update")
    {"Remove", PieceKind::kWord}, {"the", PieceKind::kWord}, {"valve", PieceKind::kWord},
    {"pump", PieceKind::kWord}, {"cover", PieceKind::kWord}, {"slowly", PieceKind::kWord},
    {"then", PieceKind::kWord}, {"it", PieceKind::kWord}, {"is", PieceKind::kWord}, {"glorp", PieceKind::kWord},
    {"frobs", PieceKind::kWord}, {"housing", PieceKind::kWord}, {"Filter", PieceKind::kWord},
    {"quux", PieceKind::kWord}, {"The", PieceKind::kWord}, {"a", PieceKind::kWord}, {"A", PieceKind::kWord},
    {"an", PieceKind::kWord}, {"and", PieceKind::kWord}, {"update", PieceKind::kWord},
    {"Update", PieceKind::kWord}, {"unit", PieceKind::kWord}, {"Install", PieceKind::kWord},
    {"Inspection", PieceKind::kWord}, {"of", PieceKind::kWord}, {"Stop", PieceKind::kWord},
    {"Turn", PieceKind::kWord}, {"for", PieceKind::kWord}, {"to", PieceKind::kWord}, {"now", PieceKind::kWord},
    {"valves", PieceKind::kWord}, {"It", PieceKind::kWord},
    // references declared in the document's own subset, and character references
    {"&prod;", PieceKind::kWord}, {"valg&lowbar;eg", PieceKind::kWord}, {"na&iuml;ve", PieceKind::kWord},
    {"caf&eacute;", PieceKind::kWord}, {"&prod;s", PieceKind::kWord}, {"Acme&reg;", PieceKind::kWord},
    {"&reg;", PieceKind::kWord}, {"30&#176;F", PieceKind::kWord},
    // semicolons, hyphens and soft hyphens
    {";", PieceKind::kPunct}, {"valve-seat", PieceKind::kWord}, {"pre-set", PieceKind::kWord},
    {"re-use", PieceKind::kWord}, {"Re&#xAD;move", PieceKind::kWord}, {"frob&#xAD;nicate", PieceKind::kWord},
    {"glo&#xAD;rp", PieceKind::kWord},
    // inline elements, one whose content is skipped, one holding an article
    {"<b>valve</b>", PieceKind::kWord}, {"<ph>glorp</ph>", PieceKind::kWord},
    {"<uicontrol>Save</uicontrol>", PieceKind::kWord}, {"<i>frobs</i>;", PieceKind::kWord},
    {"<b>the</b>", PieceKind::kWord},
    // quotation marks, straight and typographic, around words and alone
    {"\"pump\"", PieceKind::kWord}, {"'valve'", PieceKind::kWord}, {"\xE2\x80\x9Cpush\xE2\x80\x9D", PieceKind::kWord},
    {"\xE2\x80\x98the cover\xE2\x80\x99", PieceKind::kWord}, {"\xE2\x80\x9C", PieceKind::kWord},
    {"\xE2\x80\x9D", PieceKind::kPunct}, {"\"", PieceKind::kWord},
    // overlong words, and one that is just short enough
    {kLong90, PieceKind::kWord}, {kLong83, PieceKind::kWord},
    // what the rules correct, and "&amp;" read as "and"
    {"25C", PieceKind::kCorrected}, {"-40F", PieceKind::kCorrected}, {"90 degrees", PieceKind::kCorrected},
    {"10 percent", PieceKind::kCorrected}, {"25 deg C", PieceKind::kCorrected},
    {"10 millimetre", PieceKind::kCorrected}, {"10 MM", PieceKind::kCorrected}, {"5 mm", PieceKind::kCorrected},
    {"five", PieceKind::kCorrected}, {"ten", PieceKind::kCorrected}, {"max", PieceKind::kCorrected},
    {"min", PieceKind::kCorrected}, {"Max", PieceKind::kCorrected}, {"more then 5", PieceKind::kCorrected},
    {"0.5 in.", PieceKind::kCorrected}, {"3 in 5 mm", PieceKind::kCorrected}, {"(5 in)", PieceKind::kCorrected},
    {"&amp;", PieceKind::kCorrected},
    // sentence, paragraph and section ends
    {".", PieceKind::kPunct}, {",", PieceKind::kPunct}, {"?", PieceKind::kPunct},
    {"", PieceKind::kParagraph}, {"", PieceKind::kSection}};
constexpr std::size_t kPieceCount = sizeof kPieces / sizeof kPieces[0];

constexpr bool WordsFirst() {
  for (std::size_t i = 64; i < kPieceCount; ++i)
    if (kPieces[i].kind == PieceKind::kWord) return false;
  return true;
}
static_assert(WordsFirst(), "a glued byte reaches the first 64 pieces only");

enum class Encoding { kUtf8, kLatin1, kAscii };

struct Block {
  bool sectionTitle = false;
  std::string text;
};

struct Shape {
  Encoding encoding = Encoding::kUtf8;
  const char* declared = nullptr;  // the declaration's encoding name
  bool titleFromInput = false;     // the topic's title: the first block
  int copies = 1;                  // how many times the body's blocks come
  int paragraphs = 0;              // else: how many blocks the body holds
};

// The first two bytes: the encoding and the title (byte 0), and how often
// the paragraphs come (byte 1: one to eight times, or a body of a hundred
// to 131 paragraphs).
Shape ReadShape(const std::uint8_t* data, std::size_t size) {
  Shape s;
  if (size < 2) return s;
  switch (data[0] & 3) {
    case 1: s.encoding = Encoding::kLatin1, s.declared = "ISO-8859-1"; break;
    case 2: s.encoding = Encoding::kAscii, s.declared = "US-ASCII"; break;
    case 3: s.declared = "UTF-8"; break;
    default: break;
  }
  s.titleFromInput = (data[0] & 4) != 0;
  if (data[1] < 224)
    s.copies = 1 + data[1] % 8;
  else
    s.paragraphs = 100 + data[1] % 32;
  return s;
}

// The blocks the pieces make (at most 200 pieces); a block ends after
// `blockPieces` pieces.
std::vector<Block> BuildBlocks(const std::uint8_t* data, std::size_t size, std::size_t blockPieces) {
  std::vector<Block> blocks(1);
  PieceKind lastKind = PieceKind::kParagraph;
  std::size_t inBlock = 0;
  for (std::size_t i = 0; i < size && i < 200; ++i) {
    // A byte from 192 up glues a word (one of the first 64 pieces) to the
    // word before it.
    const bool glue = data[i] >= 192;
    const Piece& piece = kPieces[(glue ? data[i] - 192u : data[i]) % kPieceCount];
    if (piece.kind == PieceKind::kParagraph || piece.kind == PieceKind::kSection || inBlock == blockPieces) {
      blocks.push_back({piece.kind == PieceKind::kSection, ""});
      lastKind = PieceKind::kParagraph;
      inBlock = 0;
      if (piece.kind == PieceKind::kParagraph || piece.kind == PieceKind::kSection) continue;
    }
    std::string& text = blocks.back().text;
    // Punctuation is glued to what stands before it; a word now and then
    // too ("the;valve", "abc&prod;glorp").
    const bool glued = piece.kind == PieceKind::kPunct ||
                       (piece.kind == PieceKind::kWord && lastKind == PieceKind::kWord && glue);
    if (!text.empty() && !glued) text += ' ';
    text += piece.text;
    lastKind = piece.kind;
    ++inBlock;
  }
  return blocks;
}

// UTF-8 text in the document's encoding: a character the encoding cannot
// hold becomes a character reference.
std::string Encode(const std::string& text, Encoding encoding) {
  if (encoding == Encoding::kUtf8) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += text[i++];
      continue;
    }
    const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    unsigned code = c & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (int k = 1; k < length && i + k < text.size(); ++k) code = (code << 6) | (text[i + k] & 0x3F);
    i += length;
    if (encoding == Encoding::kLatin1 && code <= 0xFF)
      out += static_cast<char>(code);
    else
      out += "&#" + std::to_string(code) + ";";
  }
  return out;
}

std::string BuildDocument(const std::uint8_t* data, std::size_t size) {
  const Shape shape = ReadShape(data, size);
  const std::size_t pieces = size >= 2 ? size - 2 : 0;
  // The paragraphs of a long body are short, so that each input runs fast.
  std::vector<Block> blocks =
      BuildBlocks(data + (size - pieces), pieces, shape.paragraphs ? 12 : std::size_t(-1));
  std::string title = "Fuzz";
  if (shape.titleFromInput) {
    title = blocks.front().text;
    blocks.erase(blocks.begin());
  }
  const std::size_t total = shape.paragraphs ? static_cast<std::size_t>(shape.paragraphs)
                                             : blocks.size() * static_cast<std::size_t>(shape.copies);
  std::string body;
  bool inSection = false;
  for (std::size_t k = 0; k < total && !blocks.empty(); ++k) {
    // Each round of the blocks starts one block further on: the same words
    // stand in many paragraphs, next to other ones.
    const std::size_t round = k / blocks.size();
    const Block& b = blocks[(k + round) % blocks.size()];
    if (b.sectionTitle) {
      if (inSection) body += "</section>";
      body += "<section><title>" + b.text + "</title>";
      inSection = true;
    } else {
      body += "<p>" + b.text + "</p>";
    }
  }
  if (inSection) body += "</section>";
  std::string declaration = "<?xml version=\"1.0\"";
  if (shape.declared) declaration += std::string(" encoding=\"") + shape.declared + "\"";
  return Encode(declaration +
                    "?>\n"
                    "<!DOCTYPE topic [<!ENTITY prod \"Fuel Pump\"><!ENTITY lowbar \"_\"><!ENTITY iuml \"&#xEF;\">"
                    "<!ENTITY eacute \"&#xE9;\"><!ENTITY reg \"&#174;\">]>\n"
                    "<topic id=\"t\"><title>" +
                    title + "</title><body>" + body + "</body></topic>\n",
                shape.encoding);
}

// --- Well-formed XML ---

// Empty when libxml2 reads `xml` as well-formed (no network, no external
// DTD), else its first error.
std::string NotWellFormed(const std::string& xml) {
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (!ctxt) return "no parser context";
  xmlDocPtr doc = xmlCtxtReadMemory(ctxt, xml.data(), static_cast<int>(xml.size()), "fuzz.xml", nullptr,
                                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
  std::string error;
  if (!doc || !ctxt->wellFormed) {
    const xmlError* e = xmlCtxtGetLastError(ctxt);
    error = e && e->message ? std::to_string(e->line) + ": " + e->message : "not well-formed";
  }
  if (doc) xmlFreeDoc(doc);
  xmlFreeParserCtxt(ctxt);
  return error;
}

// Where two texts part: the bytes around the first difference in each.
std::string FirstDifference(const std::string& before, const std::string& after) {
  std::size_t at = 0;
  while (at < before.size() && at < after.size() && before[at] == after[at]) ++at;
  const std::size_t from = at > 80 ? at - 80 : 0;
  return "before: ..." + before.substr(from, 160) + "\nafter:  ..." + after.substr(from, 160);
}

[[noreturn]] void Fail(const char* what, const std::string& xml, const std::string& detail) {
  std::fprintf(stderr, "%s\n--- document:\n%s\n--- detail:\n%s\n", what, xml.c_str(), detail.c_str());
  Folder().Remove();
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = SetUpOnce();
  if (!ready) {
    std::fprintf(stderr, "cannot set up the custom folder\n");
    Folder().Remove();
    std::abort();
  }
  const std::string xml = BuildDocument(data, size);
  if (std::string e = NotWellFormed(xml); !e.empty()) Fail("the generated document is not well-formed", xml, e);
  editor::Editor doc;
  doc.RecordCalls(false);
  std::string error;
  if (!doc.LoadText(xml, "fuzz.xml", &error, "/fuzz/fuzz.xml")) Fail("the document does not load", xml, error);
  const std::string before = doc.SaveText();
  doc.RegisterHostClasses();

  Watch watch;
  SetInteraction(&watch);
  RunKesta* object = new RunKesta();
  object->ProcessKesta();
  const std::string marked = doc.SaveText();
  object->CloseKesta();
  object->Release();
  SetInteraction(nullptr);

  std::string problems;
  for (const std::string& p : watch.problems) problems += p + "\n";
  if (!problems.empty()) Fail("a search was lost", xml, problems + marked);
  if (std::string e = NotWellFormed(marked); !e.empty())
    Fail("the marked document is not well-formed", xml, e + "\n" + marked);
  const std::string after = doc.SaveText();
  if (std::string e = NotWellFormed(after); !e.empty())
    Fail("the closed document is not well-formed", xml, e + "\n" + after);
  if (after != before)
    Fail("the close did not give the text back", xml,
         FirstDifference(before, after) + "\n---\n" + marked + "---\n" + after);
  return 0;
}
