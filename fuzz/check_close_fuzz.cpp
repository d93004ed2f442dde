// A whole check and the close, and the quality score, through the stand-in
// editor, on a document built from the input: a DITA topic, a concept or
// reference with nested topics, or a DocBook book of chapters and
// appendices; or one read whole from its root, as the document-type table
// does not know the root or the document lacks its body: a DocBook chapter,
// section, appendix or reference entry, a DITA map, a glossary entry, a
// concept without its body, a book without a chapter; or a root that holds
// text right after its start tag (a paragraph, a chapter) or nothing (an
// index), or a concept whose body holds no sentence; a concept or book
// without its body may name the body's start tag in a comment or an
// instruction, where it starts nothing; or an S1000D data module, its
// description, identification and status unread wherever the module
// stands (words there that would draw findings too), its content's
// levelled paragraphs nested, or a fault isolation's steps, faults
// reported or a procedure's steps, whose content may open with refs of no, one, three or 25
// references (dmRef, pmRef, externalPubRef), as the module's root or
// inside a publication module's entry (pm/content/pmEntry/dmodule, as
// s1kd-flatten makes it, or in the entry's dmContent); and a
// DITA map may open with key definitions of keywords, as many, before its
// topic references. The sentence after those lists is a title, a fault's
// description or a navigation title opening with a probe, or one just
// within the limit before it, or one that opens with a placeholder, too
// long (its twin closes the content or the map) or within the limit.
// Between their
// paragraphs stand block elements: code and verbatim blocks (DITA's
// codeblock, msgblock and screen; DocBook's programlisting, screen,
// literallayout, synopsis and address), lists whose items hold no
// paragraph, nested too, terms and definitions, figures and divisions,
// whose text begins with a probe where the check reads it; paragraphs
// of a long sentence with inline elements in it, whose closing tags begin
// like a paragraph's (DITA's ph and parameterentity, DocBook's phrase,
// productname, productnumber, property and personname) or that are DITA
// images with their alternative text or closing themselves, or cut in two
// by a block (a DITA image placed as a block, a DocBook media object);
// DITA's elements read as a paragraph is whatever they hold (a definition,
// line-by-line text, a step's tutorial text after its command, a hazard
// statement's type, consequence and way to avoid it beside its symbol, a
// trouble's condition; DocBook's term defined inline), holding plain
// words, inline elements with code and terms, paragraphs, or such a long
// sentence; and paragraphs of S1000D references (a data module's with all
// its parts, some of them or closing itself, a publication's, an external
// publication's, a functional item's with its name, an empty zone's) in a
// sentence too long, in one just within the limit and before a verb;
// paragraphs of sentences that open with markup the check reads as a
// placeholder (DITA's inline code, names, terms and cross references,
// closing themselves or holding text; DocBook's functions, commands,
// literals, options, product names and cross references; S1000D's
// references, in a data module), one alone, after "The" or a list of them
// ("<x>, <y> and <z>", "<x> or <y>"), too long as the placeholders count or
// within the limit, after another sentence in their paragraph and first in
// a paragraph after another; or such placeholders and then a sign ("-",
// arrows, "/", "=") or the rest of a word the markup began ("s", "'s"), or
// a command's options ("[-v]", "-F, --fixed"), or whose first word after
// them draws a finding of its own (a verb, a phrase the rules replace);
// in DocBook, actions (words, probes, inline elements, with attributes or
// without) inside a long sentence, in one within the limit and opening
// sentences; and, in a data module, S1000D elements whose
// names end in "Ref" but that are no references (a required condition in
// close-up requirements, a wire's functional item described after its
// field name, a block of a project's own schema holding paragraphs),
// business rules under a bare start tag, one with a short attribute or a
// long context, or the earlier schema's, their structure rules holding a
// path and a use, a decision's reference opening the first, the path an
// XPath holding a probe, the rules their values' labels, with notation
// rules and SNS rules beside them; and a fault isolation's steps and end,
// whose actions the check reads. And sentences whose length finding must
// find the writer's first word: after placeholders, a word in brackets or
// quotation marks ("(verbose)"), "It's", or a command's options and then
// words, too long and within the limit; plain sentences that open with
// "In order to", "It's" or a name holding a digit ("HTML5"); and too long
// ones without a word of the writer's, a list of placeholders or of names
// with digits. And sentences whose first words draw findings of their own,
// each too long and again within the limit after the same first words: a
// number and its unit ("10 mm bolts"), "The" before a word or phrase the
// rules flag ("The kind of", "The previous", "The note that"), a verb that
// wants an article ("Remove pump and install"), contractions, straight and
// curly ("Won't", "That's", "They'll", "It's"), a hyphenated word after a
// name holding a digit or a number ("The HTML5 plug-in"); "!" right after
// an inline element's end ("<filename>setup</filename>!", DITA's codeph,
// uicontrol and b too) and another sentence; in a data module, S1000D
// wiring data, wires whose type, gauge, colour, length and maker are a
// record's fields, or equipment records whose part number, installation
// location, connection list class and maker are ("Seat post",
// "Steering", "Electronic"), nested in alternatives too, before a levelled
// paragraph's title; in DocBook, DocBook 4's information of a procedure,
// a table or an example (blockinfo: an author, a revision history, or a
// date) before its title. Blocks whose first sentence "!" ends, after a
// word or an inline element (bold and underlined text too, which opens
// the block then), before a sentence too long and one within the limit: a
// paragraph and a title (a figure's, a section's, a levelled paragraph's)
// of each family. Three blocks of one type side by side (paragraphs, list
// items, a table row's cells): the one before ends with "?", "!" or ":",
// after a word or an element, or with a blank and "?"; the one in the
// middle opens with a sentence whose findings hang on its length as the
// check counts it ("Turn valve to the unit.") or with bold or underlined
// text, and ends without a full stop on words the first words of the one
// after could be read with (a capitalised word the dictionaries do not
// hold before "Key", "Control", "Button", "Switch", "Mode" or "Position",
// "sets" before "Down"). A DITA map or bookmap of 25 to 40 short titles without
// full stops (navigation titles, link texts, both, or link texts of
// entries inside), after the map's title and its own topicmeta or a
// bookmap's main title and bookmeta. DocBook roots (a chapter, section,
// appendix or reference entry, DocBook 4's or 5's) whose metadata stands
// before their text: an author, a copyright and a date, and a revision
// history whose numbers, dates ("04 April 2021", "01 May 2019") and
// initials are a record's fields and whose remarks have no full stop, or
// have one, or (in the shape's second byte) whose remarks, a revision's
// description and a legal notice's paragraphs are prose, each the verb
// probe opening a sentence of its own, a manual page's refentryinfo
// holding the author's names, contribution, copyright and date as fields
// too; a reference entry's name and purpose after them. A data
// module's identification and status (a Dublin Core description, a
// technical name, a copyright paragraph too long, a reason for update
// that holds a verb the rules replace) hold words, which draw findings,
// where the module stands in a publication module. Every
// fourth paragraph of a DITA body stands in one of DITA's elements read
// as a paragraph is, and a DITA body may open with placeholders.
// Their titles, paragraphs and lists hold words, phrases, entity
// references, signs, temperatures, numbers with units, numbers in words,
// capitals, quotation marks, no-break spaces, semicolons, hyphens, soft
// hyphens, overlong words, inline elements round words or parts of words,
// empty elements, CDATA sections, comments, processing instructions and
// index terms; and the characters of typeset technical text:
// multiplication, division and plus-minus signs, fractions, inch and foot
// marks, curly quotation marks and possessives, letters outside Latin-1
// (Greek, Cyrillic, Hebrew, CJK),
// declared entities touching numbers and temperatures, and attribute
// values, instructions and comments that hold '>' and quotation marks;
// references to entities the tokenizer does not know, by names of every
// kind ("&masq-gw;", "&booth.conf;", "&linux_qdisc;", "&db:x;"), declared
// in the document or not, alone, before "s", in parentheses, before
// punctuation and stuck to words, and names that join a dictionary word
// and another with '-' ("&tool-utilize;"), side by side too; DocBook's
// computer text (email, package, parameter, keycap and the like) holding
// words that would draw findings; in one of three encodings, its
// paragraphs repeated up to more than a hundred times. Fails (aborts) when
// a finding's search is lost (a "Not found" status line or any error box),
// when the marked or the closed document is less well-formed XML than the
// document was (a reference to an entity the document does not declare is
// read as one its DTD declares), when the closed document is not the
// document before the check byte for byte (the check changes no character,
// its corrections are markers too), or when a probe word is not marked
// where it should be: every paragraph the check reads begins with one,
// which must get its own marker (so does the text of an element named like
// a reference, a business rule's use or value label, an SNS title and a
// data module's action; a paragraph whose first sentence
// opens with a placeholder does not), and one in front matter, in a nested
// topic's title, prolog or related links or in an index term must get
// none; a second probe, a verb the rules replace, stands in the sentences
// of letters outside the code page, of markup holding '>' and of entity
// references and must get its own marker too; a third opens each long
// sentence with elements or references in it, and each part of one that a
// block cuts off, or is the first of the writer's words after the
// placeholders that open a sentence (and after a sign, the rest of a
// word, a command's options, a number or a name with a digit there, or
// inside brackets or quotation marks): it must get a SENTENCE LENGTH
// marker of its own, its number over the limit, where its sentence is too
// long, and where it is not none, nor may one stand anywhere from the
// probe before it to the one after it, so that a business rule's path or
// label, a notation's name, an SNS code or a data module's action that
// ended no sentence, a DocBook action that ended one, or a list of
// references or key definitions read as words of the sentence after it,
// fails; none either in a sentence without a word of the writer's; where
// that first word is the verb in small letters, the phrase, "It's" or "In
// order to", the marker must be the SENTENCE LENGTH finding's over all of
// it with the advice "use", "about", the one every "It's" gets ("It
// is...") or "To"; the length probes of the sentence that opens a DITA
// body, or that follows a data module's refs or a map's key definitions,
// and of its copy at the end must carry one number; a fourth, the verb in
// small letters after
// a reference, must get the advice "use" as written and its place in the
// sentence as the marker's number; and probes in code, terms, keywords, a
// cross reference's text, a hazard symbol, a reference's parts, a DocBook
// action, an XPath, a notation's name and an SNS code must get
// none, as they are placeholders. The first suggestion of markers whose
// words or advice hold a reference to an entity is taken through ShowMe
// and its menu, on a fresh copy of the marked document each; fails when
// one is neither put in where its marker stood, its references as written,
// nor refused with the document as it was, a status line that says why
// and an answer other than S_OK. So is the first
// suggestion of up to three markers whose words the fuzzer edits as a
// writer might, the second half of them put into a <b> element: fails when
// one is neither put in over all of the words nor refused so. "One
// Message" is answered on up to three DELETE markers of a repeated word,
// one that holds it twice ("the the") or once before the next copy ("to
// to"); fails unless the document keeps one copy, the rest as it was. So
// are "One Message" and "Close . . ." on up to two DELETE markers and two
// others whose words the fuzzer puts into a <b> element, all of them or
// their second half: fails unless the marker's two instructions alone
// went, the writer's element and words staying, or, for "One Message" on
// a DELETE marker, whose words no search can take across the markup,
// unless nothing went, a status line says why and the answer is not S_OK.
// So are they on up to two markers whose words the fuzzer deletes (a
// DELETE marker first where there is one), leaving the marker's two
// instructions side by side, with nothing or white space between: fails
// unless the two instructions alone went, no element's tags nor any blank
// with them, and the answer is S_OK.
// The document is then scored unchecked, and checked twice over, with the
// traffic light (the sigma report for an input of odd length), its dialog
// closed as nobody answers it, and RemoveKestaPi takes the stamp out;
// fails when a score
// does not end with S_OK, loses a search or shows a box (but the sigma
// report's praise of a document without findings), writes no stamp where
// it should (everywhere but with that praise) or more than one, rates a
// document it praises below EXCELLENT, when the document without its stamp
// is not the document as it was, when a document the check finds nothing
// in is not six sigma (the praise, the green light) or one it finds
// something in is praised, or when the checked document scores otherwise
// than the unchecked one (the words the editor counts, the stamp's level,
// the praise). A document whose data module or map opens with a list is
// built and checked again without the list, a DocBook root's with
// metadata without it, and one whose data module stands in a publication
// module again with the module alone: fails when the markers after the
// list or the metadata, or inside the module from its start tag on (its
// identification and status too), are not the same (category, number,
// advice, words) in both. Fails, too, when a long sentence of first words
// that draw findings does not hold one SENTENCE LENGTH marker, its number
// over the limit and its words whole words (not "Won" of "Won't", "plug"
// of "plug-in"), or its short twin holds one; when the first suggestion
// of a marker on the long one's first words is not one that a marker of
// the short one's gives over the same words ("each of the" over "The" of
// "The kind of"), or, taken through ShowMe and its menu (on up to two
// such markers), is not put in over its marker's words alone; when a
// marker of the short one's first words does not stand on the long one's
// with its words and advice, and its category and number but where it is
// the SENTENCE LENGTH marker, or the long one's first words hold another
// marker but that one; when a marker's words reach into a record's field
// value; and when a title of a map of titles is not marked as it is in a
// map (or bookmap) of it alone, in the same place (a map's title or
// topicmeta, an entry's navigation title or link text). The verb probe
// right after such a "!" must get the number 00. Fails, too, when a block
// of those shapes (up to four, spread over the document), checked through
// SelectElement with the caret in it, as "kesta check FILE --element ID"
// checks it, does not get exactly the markers the whole check gives
// inside it (place, category, number, advice, words), or gets one outside
// it; when a block whose first sentence "!" ends is marked otherwise as
// the first block of a document of its own (a DITA concept's body or a
// topic's title, a DocBook chapter's first paragraph or title, a levelled
// paragraph's first paragraph or title), the first sentence of what is
// checked, than among others; and when a block of those shapes is marked
// otherwise once the block before it or after it is plain ("Close the
// valve." in the same element, the information or the wiring data before
// a title left out or a plain paragraph): the rules read no word of
// another block. With
// CHECK_CLOSE_FUZZ_PRINT set in the environment, the document each input
// builds is printed on standard output.
#include <libxml/parser.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "commands/finding_work.h"
#include "commands/marked_words.h"
#include "commands/marker_text.h"
#include "commands/menu_line.h"
#include "commands/run_kesta.h"
#include "dictbuild/dict_writer.h"
#include "editor/editor.h"
#include "editor/element_ids.h"
#include "engine/ascii_text.h"
#include "engine/dict_file.h"
#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "platform/popup_menu.h"
#include "resources/context_menu.h"
#include "resources/quality_dialogs.h"

namespace {

// Small dictionaries, with the codes of the bundled ones, so that the
// corrections can come: temperatures, units (one of two words), numbers in
// words, "max" and "min", "then" after a comparative; and the phrases the
// rules read together ("in order to", "prior to", "all of", "turn on"); a
// verb the rules replace ("utilize"); nouns after a dimension ("plate");
// and the name "&prod;" stands for as a noun, whose missing article gives a
// suggestion over a reference ("the &prod;"); a phrase the rules replace
// that no piece writes ("pertaining to", see kPhraseProbe); and what the
// first words of a long sentence draw (see kFirstWords): a unit after a
// number ("25 kg"), nouns after "The" ("kind of", "note that", "command"),
// words the rules replace after it ("previous", "final"), the words that
// contractions spell out ("they", "let"), and "may", which a date holds.
constexpr const char* kTechnical =
    "name: TECHNICAL\nsecond-name: tec\nversion: 1.0\n\n"
    "valve$ 1014\npump$ 1014\ncover$ 1014\nupdate$ 1014\nunit$ 1014\n"
    "millimetre 1717%mm\nmm 1717%mm\nminute$ 17\ndegree$ 17\npercent 17\ninch! 17\n"
    "newton$ 17\nmetre 1717%m\nmetres 1717%m\nplate$ 1014\ntool$ 1014\nbolt$ 1014\ngap$ 1014\nvalue$ 1014\n"
    "prod$ 1014\nkg 1717%kg\nweight$ 1014\nkind$ 1014\nproblem$ 1014\nnote$ 1014\ncommand$ 1014\nplug$ 1014\n";
constexpr const char* kCore =
    "name: CORE\nsecond-name: ste\nversion: 1.0\n\n"
    "remov^21\ninstall^20\nclos^21\nturn^20\nset^2G\nstop^21\nslowly 60\nthen 73\nthan 52\nmore 38\nless 38\n"
    "max 45\nmin 45\nmaximum 30\nminimum 30\nfive 49\nten 49\nit 50\nis 10\nat 75\nfor 65\nto 68\nand 63\nan 64\n"
    "all+of 30138 all\nin+order+to 30268 to\ntwenty 49\nin 75\non 75\nof 67\nall 38\nthere 52\n"
    "that 69\nthey 66\nlet^2G\nmay 28\n";
constexpr const char* kSynonym =
    "name: SYNONYM\nsecond-name: syn\nversion: 1.0\n\nshut 30120 close\nprior+to 30160 before\n"
    "utiliz^30021 Ause\nutilis^30021 Ause\npertaining+to 30160 about\n"
    "previous 30130 last\nvarious 30130 many\nfinal 30130 last\nadditional 30130 more/other\n";
constexpr const char* kSettingsLine =
    "KESta|TEC(technical),STE(core),SYN(synonym)|wDEF1|Writer|Kesta Project|SHO|end\n";

// The score's question: the sigma report or the traffic light.
constexpr int kSigma = 1, kTraffic = 2;

// Every box and every "Not found" line is a lost search. A score answers
// its question with `answer`; its dialogs close as nobody acts on them.
class Watch : public Interaction {
 public:
  explicit Watch(int answer = 0) : answer_(answer) {}
  int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
    // The check of a text without findings says so in a box of its own, and
    // so does the sigma report.
    const bool praise =
        answer_ == 0 ? caption == "KESta Quality"
                     : answer_ == kSigma && caption == "KESta QA Results" &&
                           text.starts_with("Congratulations you have a six sigma document");
    if (praise) ++praises;
    else problems.push_back("[box " + caption + "] " + text);
    return DismissedAnswer(style);
  }
  void StatusLine(const std::string& text) override {
    constexpr std::string_view kWords = "WAIT: KESta processes ";
    if (text.rfind("Not found", 0) == 0) problems.push_back("[status] " + text);
    if (text.starts_with(kWords)) words = text.substr(kWords.size());
  }
  int Response(const std::string&, const std::vector<std::string>&) override { return answer_; }
  void DialogOpened(const DialogState& dialog) override {
    if (const DialogControl* c = dialog.Find(IDC_RATING_TEXT)) rating = c->text;
  }
  std::vector<std::string> problems;
  int praises = 0;
  std::string words;   // "N words", as the score's first status line counts them
  std::string rating;  // the sigma report's rating

 private:
  int answer_;
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
  // The score refuses a document whose file the writer may not write.
  if (!WriteFile(root + "/fuzz.xml", "")) return false;
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
  kCorrected,  // what the rules correct or read together: a blank before it, never glued
  kPunct,      // glued to what stands before it
  kParagraph,  // the paragraph ends, the next begins
  kSection,    // a section begins, with a title of the words that follow
  kTopic,      // a nested topic (in a book, a chapter or an appendix) begins, titled by the words that follow
  kWrap,       // no text: markup round a word, or part of a word, of the next word piece
  kOpening,    // a blank before it; the next piece touches it
  kJoining,    // touches what stands before it and what follows
  kMore,       // no text: the next byte chooses a shape of kMoreShapes, as kShapes is full
  // the kinds that stand between paragraphs
  kBlock,      // a block element between paragraphs (DITA's markup before the '|', DocBook's after it, and
               // a data module's after a second '|' where it has markup of its own)
  kCut,        // a paragraph of a sentence cut by elements that the next byte chooses (see CutParagraphs)
  kProse,      // elements read as paragraphs are, the next two bytes choosing them (see ProseElements)
  kReferences, // a paragraph of S1000D references that the next two bytes choose (see ReferenceParagraphs)
  kOpenings,   // paragraphs of sentences that open with placeholders the next two bytes choose (see OpeningParagraphs)
  kRules,      // S1000D business rules whose start tag and rules the next byte chooses (see BusinessRules)
  kActions,    // DocBook's inline actions, a data module's fault isolation actions, as the next two bytes choose
               // (see ActionParagraphs)
  kSigned,     // paragraphs of sentences that open with placeholders and a sign or the rest of a word, or whose
               // first word after them has a finding of its own, the next two bytes choosing (see SignedParagraphs)
  kWritten,    // paragraphs of sentences whose length finding must find the writer's first word, the next two
               // bytes choosing (see WrittenParagraphs)
  kFirstWords, // paragraphs of sentences whose first words draw findings, too long and within the limit, the next
               // two bytes choosing (see FirstWordParagraphs)
  kExclaimed,  // paragraphs where "!" after an element ends a sentence, the next byte choosing (see ExclaimedParagraphs)
  kWiring,     // S1000D wiring data, in a data module, the next byte choosing (see WiringData)
  kExclaimedFirst,  // blocks whose first sentence "!" ends, the next byte choosing (see ExclaimedFirstBlocks)
  kNeighbours,      // three blocks of one type side by side, the next two bytes choosing (see NeighbourBlocks)
  kRecords,         // records before a title, the next byte choosing (see RecordBlocks)
};

// Which word of the next word piece the markup goes round (the middle
// word of three is the second), or the whole piece.
enum class Target { kFirst, kMiddle, kLast, kAll };
// The whole word, its first or last part (at its last hyphen, else near its
// middle), markup without content just before or after it, or in place of
// the blank after it (before it, for the last word).
enum class Part { kWhole, kHead, kTail, kBefore, kAfter, kJoin };

struct Wrap {
  const char* open = nullptr;
  const char* close = "";
  Target target = Target::kFirst;
  Part part = Part::kWhole;
};

struct Piece {
  const char* text;
  PieceKind kind;
  Wrap wrap = {};
};

constexpr const char kLong90[] =
    "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghij";
constexpr const char kLong83[] =
    "abcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabcdefghijabc";

// The probe word, which no dictionary holds: every paragraph the check
// reads begins with it (but one whose first sentence opens with markup read
// as a placeholder, see OpeningParagraphs), and it stands in places the
// check does not read.
// A full stop after it makes it a sentence of its own, so that no rule reads
// it with the words beside it (a word before a placeholder of markup is a
// label, "zorb <codeph>x</codeph>") and the paragraph's words begin a
// sentence as they would without it. The generator writes it as one of
// these two bytes, which tell whether it must get a marker.
constexpr std::string_view kProbe = "zorb";
constexpr char kReadProbe = '\x01';
constexpr char kUnreadProbe = '\x02';
// A second probe, a verb the rules replace (advice "use"), written as the
// third byte (the fourth where the check does not read it). It stands in
// sentences whose rule findings a word could take with it (a letter the
// module's code page cannot hold after it, markup before it, an entity
// reference), where the probe above keeps its marker all the same. It
// opens its sentence, or follows the fixed words of its own piece ("Set
// the &masq-gw; and Utilise the pump."): after any other words, those
// decide whether the rules read it as a verb at all ("mm &amp; Utilise
// the meter").
constexpr std::string_view kVerbProbe = "Utilise";
constexpr char kReadVerbProbe = '\x03';
constexpr char kUnreadVerbProbe = '\x04';
// A third probe opens a sentence written longer than the SENTENCE LENGTH
// limit (the fifth byte: it must get that finding's marker, its number the
// sentence's length) or within it (the sixth: no marker, nor may that
// finding's stand anywhere in its sentence), whose halves an element stands
// between: where the sentence ends decides, as no other probe's marker
// depends on it. It is also the first of the writer's words after the
// placeholders for markup that open a sentence, where the finding goes,
// past a command's options after them too. A
// word of the dictionaries that draws no finding of its own before an
// article, and that no piece writes.
constexpr std::string_view kLengthProbe = "Close";
constexpr char kLongSentenceProbe = '\x05';
constexpr char kShortSentenceProbe = '\x06';
// A fourth, the verb probe in small letters (the seventh byte), stands
// inside a sentence after a reference, as its fourth word as the check
// counts ("Set the <dmRef/> and utilise the pump."): its marker must carry
// the advice "use" as written and the number 03, where "Use", or another
// number, would tell that the reference ended the sentence before it or
// that its parts were read as words.
constexpr std::string_view kInnerVerbProbe = "utilise";
constexpr char kInnerVerbProbeByte = '\x07';
// The length finding's word after markup that opens a sentence too long
// is judged first as it would be after a plain word: where the rules find
// something in it, the marker is the SENTENCE LENGTH finding's all the
// same, its number over the limit, and keeps that finding's advice; where
// the finding covers several words, their marker. So the verb probe in
// small letters (the eighth byte: advice "use") and a phrase the rules
// replace, which no piece writes (the twelfth: advice "about"), stand
// there too.
constexpr std::string_view kPhraseProbe = "pertaining to";
constexpr char kLongVerbProbe = '\x08';
constexpr char kLongPhraseProbe = '\x0C';
// The length probe of the sentence that opens a DITA body with markup
// (the eleventh byte), and of the same sentence again at the body's end:
// each must get the finding, all of them with one number, as the markup
// first in the text is a word of its sentence as it is anywhere else.
constexpr char kTwinLengthProbe = '\x0B';
// "It's" first of the writer's words in a sentence too long (the
// fourteenth byte), after markup or first in it, draws a finding of its
// own ("It is", with a hint for a noun's "'s" where the dictionaries hold
// "it") and holds the length finding's marker whole, its advice kept: the
// advice of every "It's" probe is one; within the limit (the fifteenth) it
// keeps that finding, and no SENTENCE LENGTH marker stands in its sentence.
constexpr std::string_view kItsProbe = "It's";
constexpr char kLongItsProbe = '\x0E';
constexpr char kShortItsProbe = '\x0F';
// "In order to" opening a plain sentence too long (the sixteenth byte): the
// length finding takes the phrase's marker, its words and its advice
// ("To"); within the limit (the seventeenth) the phrase keeps its own
// marker and its sentence holds no SENTENCE LENGTH marker. Pieces write
// the phrase too, so a probe is known by how many copies stand before it
// (see ProbeWord::copiesBefore).
constexpr std::string_view kPhraseFirstProbe = "In order to";
constexpr char kLongPhraseFirstProbe = '\x10';
constexpr char kShortPhraseFirstProbe = '\x11';
// The verb probe opening the sentence after one that an element's end and
// "!" end ("Run the <filename>setup</filename>! Utilise the pump."; the
// eighteenth byte): its marker's number must be 00, as after "." or "?".
constexpr char kFirstVerbProbe = '\x12';

// The probe a byte stands for: whether it must get a marker of its own, and
// that marker's category or advice (the NOT-IN-DICTIONARY category; the
// verb's advice "use", whose category the words before it may change; the
// SENTENCE LENGTH category, whose number is the sentence's length, over the
// limit); or, for a probe that must get none, a category that no marker in
// its sentence may have (SENTENCE LENGTH, in a sentence within the limit);
// nullptr for any other byte.
struct ProbeWord {
  std::string_view text;
  bool read;
  std::string_view category;  // empty: any
  std::string_view advice;    // in small letters; empty: any
  bool asWritten = false;     // the advice must be written so, in small letters
  std::string_view number = {};  // the marker's number (its word's place in its sentence); empty: any
  std::string_view least = {};   // the least number the marker may carry, of two digits; empty: any
  // A category no marker may have from the probe before this one to the one
  // after it (that one's own marker aside); empty: any.
  std::string_view noneInSentence = {};
  bool twin = false;  // its marker's number is that of every other twin probe of the document
  bool prefix = false;       // `advice` begins the marker's advice
  bool sameAdvice = false;   // its marker's advice is that of every other such probe of the document
  // Pieces write its text too: it is the copy with `copiesBefore` copies
  // before it in the document (markers aside).
  bool shared = false;
  std::size_t copiesBefore = 0;
};
const ProbeWord* ProbeFor(char c) {
  static constexpr ProbeWord kRead{kProbe, true, "25", ""}, kUnread{kProbe, false, "", ""},
      kVerb{kVerbProbe, true, "", "use"}, kUnreadVerb{kVerbProbe, false, "", ""},
      kLong{kLengthProbe, true, "28", "", false, {}, "22"}, kShort{kLengthProbe, false, "", "", false, {}, {}, "28"},
      kInnerVerb{kInnerVerbProbe, true, "", "use", true, "03"},
      kLongVerb{kInnerVerbProbe, true, "28", "use", true, {}, "22"},
      kLongPhrase{kPhraseProbe, true, "28", "about", true, {}, "22"},
      kTwin{kLengthProbe, true, "28", "", false, {}, "22", {}, true},
      kLongIts{kItsProbe, true, "", "It is", true, {}, {}, {}, false, true, true},
      kShortIts{kItsProbe, true, "", "It is", true, {}, {}, "28", false, true, true},
      kLongPhraseFirst{kPhraseFirstProbe, true, "28", "To", true, {}, "22", {}, false, false, false, true},
      kShortPhraseFirst{kPhraseFirstProbe, true, "", "to", false, {}, {}, "28", false, false, false, true},
      kFirstVerb{kVerbProbe, true, "", "use", false, "00"};
  return c == kReadProbe            ? &kRead
         : c == kUnreadProbe        ? &kUnread
         : c == kReadVerbProbe      ? &kVerb
         : c == kUnreadVerbProbe    ? &kUnreadVerb
         : c == kLongSentenceProbe  ? &kLong
         : c == kShortSentenceProbe ? &kShort
         : c == kInnerVerbProbeByte ? &kInnerVerb
         : c == kLongVerbProbe      ? &kLongVerb
         : c == kLongPhraseProbe    ? &kLongPhrase
         : c == kTwinLengthProbe    ? &kTwin
         : c == kLongItsProbe       ? &kLongIts
         : c == kShortItsProbe      ? &kShortIts
         : c == kLongPhraseFirstProbe  ? &kLongPhraseFirst
         : c == kShortPhraseFirstProbe ? &kShortPhraseFirst
         : c == kFirstVerbProbe     ? &kFirstVerb
                                    : nullptr;
}

constexpr const char kCdata[] = "<![CDATA[";
constexpr const char kCdataEnd[] = "]]>";
constexpr const char kEmptyXref[] = "<xref href=\"x.dita\"/>";

// Pieces of text (UTF-8); each input byte chooses one. The words come
// first (see BuildBlocks); the bytes after the last piece choose a shape of
// kShapes below (or of kMoreShapes, where new pieces go), so that the seeds
// keep their meaning.
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
    // sentence, paragraph, section and topic ends
    {".", PieceKind::kPunct}, {",", PieceKind::kPunct}, {"?", PieceKind::kPunct},
    {"", PieceKind::kParagraph}, {"", PieceKind::kSection}, {"", PieceKind::kTopic},
    // inline elements round a word or part of one of the next piece, empty
    // elements, comments and processing instructions beside one, CDATA
    // sections round one or round the whole piece
    {"", PieceKind::kWrap, {"<b>", "</b>", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"<i>", "</i>", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"<ph>", "</ph>", Target::kMiddle, Part::kWhole}},
    {"", PieceKind::kWrap, {"<uicontrol>", "</uicontrol>", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"<xref href=\"x.dita\">", "</xref>", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"<codeph>", "</codeph>", Target::kMiddle, Part::kWhole}},
    {"", PieceKind::kWrap, {"<emphasis>", "</emphasis>", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"<b>", "</b>", Target::kLast, Part::kTail}},
    {"", PieceKind::kWrap, {"<i>", "</i>", Target::kFirst, Part::kHead}},
    {"", PieceKind::kWrap, {"<ph>", "</ph>", Target::kMiddle, Part::kTail}},
    {"", PieceKind::kWrap, {"<emphasis>", "</emphasis>", Target::kLast, Part::kHead}},
    {"", PieceKind::kWrap, {"<ph>", "</ph>", Target::kAll, Part::kWhole}},
    {"", PieceKind::kWrap, {kCdata, kCdataEnd, Target::kAll, Part::kWhole}},
    {"", PieceKind::kWrap, {kCdata, kCdataEnd, Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {kCdata, kCdataEnd, Target::kFirst, Part::kHead}},
    {"", PieceKind::kWrap, {"<!-- c -->", "", Target::kFirst, Part::kAfter}},
    {"", PieceKind::kWrap, {"<?pi x?>", "", Target::kLast, Part::kBefore}},
    {"", PieceKind::kWrap, {kEmptyXref, "", Target::kLast, Part::kBefore}},
    {"", PieceKind::kWrap, {"<ph/>", "", Target::kMiddle, Part::kBefore}},
    {"", PieceKind::kWrap, {"&#xa0;", "", Target::kFirst, Part::kJoin}},
    {"", PieceKind::kWrap, {"\xC2\xA0", "", Target::kLast, Part::kJoin}},
    {"", PieceKind::kWrap, {"<!-- c -->", "", Target::kFirst, Part::kJoin}},
    {"", PieceKind::kWrap, {"<?pi x?>", "", Target::kMiddle, Part::kJoin}},
    {"", PieceKind::kWrap, {kEmptyXref, "", Target::kFirst, Part::kJoin}},
    {"", PieceKind::kWrap, {"<![CDATA[]]>", "", Target::kLast, Part::kJoin}},
    {"", PieceKind::kWrap, {"&#8220;", "&#8221;", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"\"", "\"", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"\xE2\x80\x98", "\xE2\x80\x99", Target::kMiddle, Part::kWhole}},
    {"", PieceKind::kWrap, {"\xE2\x80\x9C", "\xE2\x80\x9D", Target::kAll, Part::kWhole}},
    {"", PieceKind::kWrap, {"<indexterm>\x02 valve</indexterm>", "", Target::kFirst, Part::kAfter}},
    {"", PieceKind::kWrap, {"<draft-comment>\x02</draft-comment>", "", Target::kMiddle, Part::kJoin}},
    {"", PieceKind::kWrap, {"<remark>\x02</remark>", "", Target::kLast, Part::kBefore}},
    // phrases the rules read together, numbers in words, capitals and title
    // case, numbers before "in", "at", "on", "min", "max" and units
    {"in order to", PieceKind::kCorrected}, {"In order to", PieceKind::kCorrected},
    {"prior to", PieceKind::kCorrected}, {"Prior to", PieceKind::kCorrected}, {"all of", PieceKind::kCorrected},
    {"turn on", PieceKind::kCorrected}, {"there is", PieceKind::kCorrected}, {"There is", PieceKind::kCorrected},
    {"twenty-five", PieceKind::kCorrected}, {"Twenty-Five", PieceKind::kCorrected},
    {"TWENTY-FIVE", PieceKind::kCorrected}, {"twenty five", PieceKind::kCorrected},
    {"REMOVE THE COVER", PieceKind::kCorrected}, {"Remove The Pump Cover", PieceKind::kCorrected},
    {"TURN ON THE PUMP", PieceKind::kCorrected}, {"IN ORDER TO", PieceKind::kCorrected},
    {"5 in", PieceKind::kCorrected}, {"5 at", PieceKind::kCorrected}, {"5 on", PieceKind::kCorrected},
    {"5 IN", PieceKind::kCorrected}, {"10 min", PieceKind::kCorrected}, {"10 min.", PieceKind::kCorrected},
    {"5 max", PieceKind::kCorrected}, {"5 max.", PieceKind::kCorrected}, {"5 MAX", PieceKind::kCorrected},
    {"20 newton metres", PieceKind::kCorrected}, {"20 Newton Metres", PieceKind::kCorrected},
    {"2 millimetre", PieceKind::kCorrected}, {"12 in. bolts", PieceKind::kCorrected},
    {"15 minutes", PieceKind::kCorrected}, {"10 Min", PieceKind::kCorrected}, {"5 Max.", PieceKind::kCorrected},
    {"In Order To", PieceKind::kCorrected}, {"Prior To", PieceKind::kCorrected}, {"Turn On", PieceKind::kCorrected},
    {"There Is", PieceKind::kCorrected}, {"ALL OF", PieceKind::kCorrected},
    // CDATA sections holding words
    {"<![CDATA[twenty-five]]>", PieceKind::kCorrected}, {"<![CDATA[in order to]]>", PieceKind::kCorrected},
    {"<![CDATA[5 in]]>", PieceKind::kCorrected},
    // quotation marks, no-break spaces, empty elements, comments and
    // processing instructions touching the words beside them
    {"&#8220;", PieceKind::kOpening}, {"\xE2\x80\x98", PieceKind::kOpening}, {"&#xa0;", PieceKind::kOpening},
    {kEmptyXref, PieceKind::kOpening}, {"<ph/>", PieceKind::kOpening}, {"<!-- c -->", PieceKind::kOpening},
    {"<?pi x?>", PieceKind::kOpening},
    {"&#xa0;", PieceKind::kJoining}, {"\xC2\xA0", PieceKind::kJoining}, {kEmptyXref, PieceKind::kJoining},
    {"<!-- c -->", PieceKind::kJoining}, {"<?pi x?>", PieceKind::kJoining}, {"<![CDATA[]]>", PieceKind::kJoining},
    {"&#8221;", PieceKind::kPunct}, {"\xE2\x80\x99", PieceKind::kPunct}, {"\xC2\xA0", PieceKind::kPunct},
    // what the check does not read: index terms, notes to writers,
    // comments and processing instructions holding the probe
    {"<indexterm>\x02 valve</indexterm>", PieceKind::kCorrected},
    {"<indexterm>\x02<indexterm>pump</indexterm></indexterm>", PieceKind::kCorrected},
    {"<draft-comment>\x02 glorp</draft-comment>", PieceKind::kCorrected},
    {"<remark>\x02 later</remark>", PieceKind::kCorrected}, {"<!-- \x02 -->", PieceKind::kCorrected},
    {"<?pi \x02?>", PieceKind::kCorrected},
};
constexpr std::size_t kPieceCount = sizeof kPieces / sizeof kPieces[0];

constexpr bool WordsFirst() {
  for (std::size_t i = 64; i < kPieceCount; ++i)
    if (kPieces[i].kind == PieceKind::kWord) return false;
  return true;
}
static_assert(WordsFirst(), "a glued byte reaches the first 64 pieces only");
static_assert(kPieceCount < 192, "a byte below 192 reaches every piece, and one more chooses a shape");

// The characters of typeset technical text (10×10, 5±1, 4÷2; ¼ ½ ¾ and
// their references; .5” 3/4″ 6' 2′; “turn on”, ‘there is’, pump’s; Ω µ Ā,
// Greek, Cyrillic, Hebrew and CJK words; &prod;30°Fglorp), and markup that
// holds '>' and quotation marks (outputclass="a>glorp", an editor's review
// comment <?oxy_comment_start comment="a > b"?>, <!-- a > b "c" -->).
// The byte after an escape byte chooses one. The verb probe stands
// before the letters and after the markup, in the sentence whose findings
// they could take with them. A byte below the count keeps its shape; the
// table is full, and its last shape opens kMoreShapes, where new ones go.
constexpr Piece kShapes[] = {
    // × ÷ ± between and after numbers, as characters and references
    {"10\xC3\x97" "10", PieceKind::kWord}, {"5\xC2\xB1" "1", PieceKind::kWord}, {"4\xC3\xB7" "2", PieceKind::kWord},
    {"10\xC3\x97", PieceKind::kWord}, {"\xC2\xB1" "5", PieceKind::kWord}, {"\xC3\x97", PieceKind::kWord},
    {"\xC3\xB7", PieceKind::kWord}, {"\xC2\xB1", PieceKind::kWord}, {"10&times;10", PieceKind::kWord},
    {"5&plusmn;1", PieceKind::kWord}, {"10&#215;10", PieceKind::kWord}, {"4&#247;2", PieceKind::kWord},
    {"&#177;0.5", PieceKind::kWord}, {"10\xC3\x97" "10 mm", PieceKind::kCorrected},
    {"2 \xC3\x97 3 mm", PieceKind::kCorrected}, {"5 \xC2\xB1 1 mm", PieceKind::kCorrected},
    {"20&times;20 mm", PieceKind::kCorrected}, {"\xC2\xB1" "0.5 mm", PieceKind::kCorrected},
    {"\xC3\x97", PieceKind::kPunct}, {"\xC2\xB1", PieceKind::kPunct}, {"&#215;", PieceKind::kPunct},
    {"\xC3\x97", PieceKind::kJoining}, {"\xC3\xB7", PieceKind::kJoining}, {"&#177;", PieceKind::kJoining},
    // numbers for the signs and marks to touch
    {"10", PieceKind::kWord}, {".5", PieceKind::kWord}, {"0.5", PieceKind::kWord}, {"3/4", PieceKind::kWord},
    {"1", PieceKind::kWord}, {"2.5", PieceKind::kWord},
    // fractions ¼ ½ ¾ as characters and as references, alone, in parentheses and after digits
    {"\xC2\xBC", PieceKind::kWord}, {"\xC2\xBD", PieceKind::kWord}, {"\xC2\xBE", PieceKind::kWord},
    {"(\xC2\xBC)", PieceKind::kWord}, {"(\xC2\xBD)", PieceKind::kWord}, {"(1\xC2\xBD)", PieceKind::kWord},
    {"(1\xC2\xBC)", PieceKind::kWord}, {"1\xC2\xBC", PieceKind::kWord}, {"2\xC2\xBD", PieceKind::kWord},
    {"&frac14;", PieceKind::kWord}, {"&frac12;", PieceKind::kWord}, {"&frac34;", PieceKind::kWord},
    {"(&frac14;)", PieceKind::kWord}, {"(1&frac12;)", PieceKind::kWord}, {"1&frac34;", PieceKind::kWord},
    {"&#188;", PieceKind::kWord}, {"(&#189;)", PieceKind::kWord}, {"3&#190;", PieceKind::kWord},
    {"&frac12;&ndash;in", PieceKind::kWord}, {"1\xC2\xBD in.", PieceKind::kCorrected},
    {"\xC2\xBD", PieceKind::kPunct}, {"&frac14;", PieceKind::kPunct}, {"(", PieceKind::kOpening},
    {")", PieceKind::kPunct},
    // inch and foot marks (" ″ ′ ' and references) after numbers, before the words the rules read together
    {"\"", PieceKind::kPunct}, {"\xE2\x80\xB3", PieceKind::kPunct}, {"\xE2\x80\xB2", PieceKind::kPunct},
    {"'", PieceKind::kPunct}, {"&#8243;", PieceKind::kPunct}, {"&#8242;", PieceKind::kPunct},
    {".5\xE2\x80\x9D turn on", PieceKind::kCorrected}, {"0.5&#8221; turn on", PieceKind::kCorrected},
    {"3/4\xE2\x80\xB3 turn on", PieceKind::kCorrected}, {"6' there is", PieceKind::kCorrected},
    {"2\xE2\x80\xB2 turn on", PieceKind::kCorrected}, {"5&#8243; there is", PieceKind::kCorrected},
    {".5\" turn on", PieceKind::kCorrected}, {"3/4&#8221; turn on", PieceKind::kCorrected},
    {"1\xC2\xBD\xE2\x80\xB3 There is", PieceKind::kCorrected}, {"3&#8242; turn on", PieceKind::kCorrected},
    // curly quotation marks “ ” ‘ ’ round words and phrases, possessives
    {"Wait; \xE2\x80\x9Cturn on\xE2\x80\x9D the pump", PieceKind::kCorrected},
    {"\xE2\x80\x9Cturn on\xE2\x80\x9D the pump", PieceKind::kCorrected},
    {"\xE2\x80\x98there is\xE2\x80\x99", PieceKind::kCorrected},
    {"Wait; &#8216;there is&#8217;", PieceKind::kCorrected}, {"pump\xE2\x80\x99s", PieceKind::kWord},
    {"valves\xE2\x80\x99", PieceKind::kWord}, {"Filter&#8217;s", PieceKind::kWord},
    {"\xE2\x80\x9CUtilize\xE2\x80\x9D", PieceKind::kWord}, {"\xE2\x80\x9C", PieceKind::kOpening},
    {"\xE2\x80\x9D.", PieceKind::kPunct},
    // letters the module's code page cannot hold (Ω Ā λ, Greek, Cyrillic, CJK, Hebrew; µ, which it can), alone
    // and early in a sentence, some after the verb probe
    {"\xCE\xA9", PieceKind::kWord}, {"\xC2\xB5", PieceKind::kWord}, {"\xC4\x80", PieceKind::kWord},
    {"\xC4\x81", PieceKind::kWord}, {"\xCE\xBB", PieceKind::kWord},
    {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC", PieceKind::kWord},
    {"\xD0\xBD\xD0\xB0\xD0\xBF\xD1\x80\xD1\x8F\xD0\xB6\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5", PieceKind::kWord},
    {"\xE9\x9B\xBB\xE5\x9C\xA7", PieceKind::kWord}, {"\xD7\x9E\xD7\x99\xD7\x9D", PieceKind::kWord},
    {"&#937;", PieceKind::kWord}, {"&#181;m", PieceKind::kWord}, {"k\xCE\xA9", PieceKind::kWord},
    {"\xC2\xB5s", PieceKind::kWord}, {"5 k\xCE\xA9", PieceKind::kCorrected},
    {"10 \xC2\xB5m", PieceKind::kCorrected}, {"Utilize the \xCE\xA9 meter", PieceKind::kCorrected},
    {". \x03 the \xCE\xA9 meter.", PieceKind::kPunct}, {". \x03 the \xC2\xB5 meter.", PieceKind::kPunct},
    {". \x03 the \xCE\xBB value.", PieceKind::kPunct}, {". \x03 the \xC4\x80 pump.", PieceKind::kPunct},
    {". The \xC4\x80 \x03 the pump.", PieceKind::kPunct},
    {". \x03 the"
     " \xD0\xBD\xD0\xB0\xD0\xBF\xD1\x80\xD1\x8F\xD0\xB6\xD0\xB5\xD0\xBD\xD0\xB8\xD0\xB5.",
     PieceKind::kPunct},
    {". \x03 the \xE9\x9B\xBB\xE5\x9C\xA7 scale.", PieceKind::kPunct},
    {". \x03 the \xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC unit.", PieceKind::kPunct},
    {". \x03 the &#937; meter.", PieceKind::kPunct},
    {". \x03 the \xD7\x9E\xD7\x99\xD7\x9D valve.", PieceKind::kPunct}, {"Utilize", PieceKind::kWord},
    {"utilize", PieceKind::kWord},
    // a declared entity before numbers and temperatures, touching the next word
    {"&prod;30&#176;Fpre-set", PieceKind::kWord}, {"&prod;30\xC2\xB0" "Fglorp", PieceKind::kWord},
    {"&prod;30\xC2\xB0" "F", PieceKind::kWord}, {"&prod;5", PieceKind::kWord},
    {"&prod;10\xC3\x97" "10", PieceKind::kWord}, {"&prod;\xC2\xBD", PieceKind::kWord},
    {"&prod;30&#176;C", PieceKind::kWord}, {"&prod;.5\xE2\x80\x9D", PieceKind::kWord},
    {"&prod;(\xC2\xBC)", PieceKind::kWord},
    // markup holding '>' and quotation marks: attribute values, instructions, comments
    {"<b outputclass=\"a>glorp\">tool</b>", PieceKind::kWord},
    {"<ph outputclass='x\"y>z'>pump</ph>", PieceKind::kWord},
    {"<xref href=\"x.dita\" scope=\"a>b\"/>", PieceKind::kWord},
    {"<?oxy_comment_start author=\"r\" comment=\"a > b\"?>", PieceKind::kOpening},
    {"<!-- a > b \"c\" -->", PieceKind::kOpening}, {"<?oxy_comment_end?>", PieceKind::kJoining},
    {"<?pi a=\"x>y\"?>", PieceKind::kJoining}, {"<!-- a > b \"c\" -->", PieceKind::kJoining},
    {"<ph outputclass=\"a>b\"/>", PieceKind::kJoining},
    {"<?oxy_comment_start author=\"r\" comment=\"\x02 > b\"?>", PieceKind::kCorrected},
    {"<!-- \x02 > \"c\" -->", PieceKind::kCorrected},
    {"<ph outputclass=\"\x02>\">valve</ph>", PieceKind::kCorrected},
    // markup round (or beside) a word of the next piece: quotation and inch marks, parentheses, possessives,
    // '>' in markup
    {"", PieceKind::kWrap, {"\xE2\x80\x9C", "\xE2\x80\x9D", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"\xE2\x80\x98", "\xE2\x80\x99", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"(", ")", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"(", ")", Target::kAll, Part::kWhole}},
    {"", PieceKind::kWrap, {"", "\xE2\x80\x9D", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"", "\xE2\x80\xB3", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"", "&#8243;", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"", "\xE2\x80\x99s", Target::kLast, Part::kWhole}},
    {"", PieceKind::kWrap, {"", "&#8217;s", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"<b outputclass=\"a>glorp\">", "</b>", Target::kFirst, Part::kWhole}},
    {"", PieceKind::kWrap, {"<ph outputclass='x\"y>z'>", "</ph>", Target::kLast, Part::kHead}},
    {"", PieceKind::kWrap,
     {"<?oxy_comment_start author=\"r\" comment=\"a > b\"?>", "", Target::kFirst, Part::kBefore}},
    {"", PieceKind::kWrap, {"<?oxy_comment_end?>", "", Target::kLast, Part::kAfter}},
    {"", PieceKind::kWrap, {"<!-- a > b \"c\" -->", "", Target::kMiddle, Part::kJoin}},
    {"", PieceKind::kWrap, {"<xref href=\"x.dita\" scope=\"a>b\"/>", "", Target::kFirst, Part::kJoin}},
    {"", PieceKind::kWrap, {"<?pi a=\"x>y\"?>", "", Target::kLast, Part::kJoin}},
    // the shapes that lost findings, whole; a sentence of the verb probe after a word outside the code page,
    // and after markup holding '>'
    {"Use a 10\xC3\x97" "10 mm plate. Utilize the tool.", PieceKind::kCorrected},
    {"Use a (\xC2\xBC) bolt and utilize the tool.", PieceKind::kCorrected},
    {"Set the gap to .5&#8221; turn on the pump.", PieceKind::kCorrected},
    {"Wait; &#8220;turn on&#8221; the pump.", PieceKind::kCorrected},
    {"Use &prod;30&#176;F and &prod;30&#176;Fpre-set then stop.", PieceKind::kCorrected},
    {"Set &prod;30\xC2\xB0" "F &prod;30\xC2\xB0" "Fglorp.", PieceKind::kCorrected},
    {"Remove the <b outputclass=\"a>glorp\">tool</b>. Utilize the pump.", PieceKind::kCorrected},
    {"Remove the tool.<?oxy_comment_start author=\"r\" comment=\"a > b\"?>"
     " Utilize the pump.<?oxy_comment_end?>",
     PieceKind::kCorrected},
    {". \x03 the \xCE\xA9 meter.", PieceKind::kPunct},
    {". \x03 the \xE9\x9B\xBB\xE5\x9C\xA7 scale.", PieceKind::kPunct},
    {". The \xC4\x80 \x03 the pump.", PieceKind::kPunct},
    {"Remove the <b outputclass=\"a>glorp\">tool</b>. \x03 the pump.", PieceKind::kCorrected},
    {"Remove the tool.<?oxy_comment_start author=\"r\" comment=\"a > b\"?>"
     " \x03 the pump.<?oxy_comment_end?>",
     PieceKind::kCorrected},
    // references to entities the tokenizer does not know, by names of every kind (letters, digits, '-', '.', '_',
    // ':'), the first seven declared in the document, the others not (see kEntityNames): alone, before "s", in
    // parentheses, before punctuation, stuck to words and numbers on either side, beside a word of the next piece
    {"&masq-gw;", PieceKind::kWord}, {"&booth.conf;", PieceKind::kWord}, {"&linux_qdisc;", PieceKind::kWord},
    {"&param-rate;", PieceKind::kWord}, {"&db:x;", PieceKind::kWord}, {"&eth0;", PieceKind::kWord},
    {"&Pump-X2;", PieceKind::kWord}, {"&linux-qdisc;", PieceKind::kWord}, {"&nfs.mount;", PieceKind::kWord},
    {"&sys_v2;", PieceKind::kWord}, {"&db:y;", PieceKind::kWord}, {"&x86-64.ko;", PieceKind::kWord},
    {"&_tmp;", PieceKind::kWord}, {"&Masq.GW;", PieceKind::kWord},
    {"&linux-qdisc;s", PieceKind::kWord}, {"&param-rate;s", PieceKind::kWord}, {"&db:x;s", PieceKind::kWord},
    {"&_tmp;s", PieceKind::kWord},
    {"(&linux-qdisc;)", PieceKind::kWord}, {"(&booth.conf;)", PieceKind::kWord}, {"(&db:y;)", PieceKind::kWord},
    {"(&eth0;)", PieceKind::kWord},
    {"&nfs.mount;,", PieceKind::kWord}, {"&sys_v2;;", PieceKind::kWord}, {"&x86-64.ko;.", PieceKind::kWord},
    {"&db:x;;", PieceKind::kWord}, {"&masq-gw;.", PieceKind::kWord}, {"&Masq.GW;,", PieceKind::kWord},
    {"&db:y;,", PieceKind::kPunct}, {"&linux_qdisc;;", PieceKind::kPunct},
    {"pump&masq-gw;", PieceKind::kWord}, {"&masq-gw;pump", PieceKind::kWord}, {"valve&db:x;", PieceKind::kWord},
    {"&nfs.mount;valve", PieceKind::kWord}, {"glorp&linux_qdisc;glorp", PieceKind::kWord},
    {"Remove&_tmp;", PieceKind::kWord}, {"5&masq-gw;", PieceKind::kWord}, {"&eth0;10", PieceKind::kWord},
    {"", PieceKind::kWrap, {"&masq-gw;", "", Target::kFirst, Part::kBefore}},
    {"", PieceKind::kWrap, {"&db:y;", "", Target::kLast, Part::kAfter}},
    {"", PieceKind::kWrap, {"&linux-qdisc;", "", Target::kMiddle, Part::kJoin}},
    {"", PieceKind::kWrap, {"&Pump-X2;", "", Target::kFirst, Part::kAfter}},
    {"", PieceKind::kWrap, {"&x86-64.ko;", "", Target::kLast, Part::kBefore}},
    {"", PieceKind::kWrap, {"&booth.conf;", "", Target::kFirst, Part::kJoin}},
    // sentences of the verb probe beside such references, and the verb the rules replace among them
    {". Set the &masq-gw; and \x03 the pump.", PieceKind::kPunct},
    {". \x03 the &linux-qdisc;s.", PieceKind::kPunct}, {". \x03 the (&booth.conf;) valve.", PieceKind::kPunct},
    {". \x03 the pump&db:x; and the valve.", PieceKind::kPunct},
    // An article after the probe: right before a word the check reads as a
    // name, the probe is a verb only where its sentence opens, and a piece
    // before it ending in "in" or "min" makes its ". " an abbreviation's.
    {". \x03 the &nfs.mount;pump, then stop.", PieceKind::kPunct}, {". The &db:y; \x03 the pump.", PieceKind::kPunct},
    {". \x03 the &x86-64.ko;; stop the &_tmp;.", PieceKind::kPunct},
    {". \x03 the &eth0; &Masq.GW;.", PieceKind::kPunct},
    {". Stop &param-rate;s and \x03 the &linux_qdisc;.", PieceKind::kPunct},
    {". &Pump-X2; \x03 the valve.", PieceKind::kPunct},
    {". \x03 the &sys_v2;, the &booth.conf; and the pump.", PieceKind::kPunct},
    {"Set the &masq-gw; and utilize the pump.", PieceKind::kCorrected},
    {"Utilize the &db:x; pump.", PieceKind::kCorrected},
    // names that join a dictionary word and another with '-' (see kEntityNames), whose second part alone would
    // draw a finding but for "&pump-valve;": alone, before "s", ".", "," and ")", side by side, opening a
    // sentence, and the verb probe after them
    {"&pump-valve;", PieceKind::kWord}, {"&tool-utilize;", PieceKind::kWord}, {"&valve-shut;s", PieceKind::kWord},
    {"&unit-glorp;s", PieceKind::kWord}, {"&pump-valve;.", PieceKind::kWord}, {"&tool-utilize;,", PieceKind::kWord},
    {"(&valve-shut;)", PieceKind::kWord}, {"(&unit-glorp;),", PieceKind::kWord},
    {"&prod;&#160;&pump-valve;", PieceKind::kWord}, {"&tool-utilize;&#160;&unit-glorp;", PieceKind::kWord},
    {"&valve-shut;&pump-valve;", PieceKind::kWord},
    {". &tool-utilize; \x03 the pump.", PieceKind::kPunct}, {". The &unit-glorp;. \x03 the valve.", PieceKind::kPunct},
    {". &valve-shut; Remove the glorp. \x03 the &unit-glorp;, the &tool-utilize;s and (&pump-valve;).",
     PieceKind::kPunct},
    // DocBook's computer text, one word whatever it holds: words that would draw findings, and probes that must
    // get no marker
    {"<email>glorp@example.org</email>", PieceKind::kWord}, {"<uri>http://x.org/glorp</uri>", PieceKind::kWord},
    {"<package>glorp/\x02</package>", PieceKind::kWord},
    {"<paramdef>struct glorp *<parameter>\x02</parameter></paramdef>", PieceKind::kWord},
    {"<parameter>\x04</parameter>", PieceKind::kWord},
    {"<systemitem class=\"username\">\x02</systemitem>", PieceKind::kWord},
    {"<keycombo><keycap>Glorp</keycap><keycap>\x02</keycap></keycombo>", PieceKind::kWord},
    {"<buildtarget>make \x04</buildtarget>", PieceKind::kWord}, {"<methodname>\x04</methodname>", PieceKind::kWord},
    {"<classname>Glorp</classname>", PieceKind::kWord}, {"<envar>\x02</envar>", PieceKind::kWord},
    {"<errorname>\x02</errorname>", PieceKind::kWord}, {"<prompt>\x02$</prompt>", PieceKind::kWord},
    {". Set the <parameter>glorp</parameter> and \x03 the pump.", PieceKind::kPunct},
    {". The <package>frobs</package> is on the valve. \x03 the pump.", PieceKind::kPunct},
    // block elements between paragraphs, whose text (where the check reads it) begins with a probe: code and
    // verbatim blocks, lists whose items hold no paragraph (nested too), terms and definitions, figures,
    // divisions; code and placeholders hold probes that must get no marker. The verb probe after a block opens
    // its sentence, which the words before the block would else share.
    {"<codeblock>\x02 --stop &lt;valve/&gt;</codeblock><p>\x03 the pump.</p>|<programlisting>&lt;valve "
     "state=\"open\"/&gt; \x02</programlisting><para>\x03 the pump.</para>", PieceKind::kBlock},
    {"<msgblock>\x01. Stop the pump</msgblock><p>\x03 the valve.</p>|<screen>pump --stop \x02</screen><para>\x03 "
     "the valve.</para>", PieceKind::kBlock},
    {"<screen>\x02 --stop</screen>|<literallayout>\x01. Stop the pump\nRemove the valve</literallayout><para>\x03 "
     "the pump.</para>", PieceKind::kBlock},
    {"<lines>\x01. valve\npump</lines>|<synopsis>\x01. glorp --stop</synopsis>", PieceKind::kBlock},
    {"<ul><li>\x01. Stop the pump</li><li>\x03 the valve.</li></ul>|<address>\x02 Main Street</address>",
     PieceKind::kBlock},
    {"<ol><li>\x01. Stop the pump<ul><li>\x03 the valve.</li></ul></li></ol>|<variablelist><varlistentry><term>"
     "\x02 pump</term><listitem><para>\x03 the pump.</para></listitem></varlistentry></variablelist>",
     PieceKind::kBlock},
    {"<fig><title>\x01. The pump</title><image href=\"a.png\" placement=\"break\"/></fig>|<figure><title>\x02 pump"
     "</title><mediaobject><imageobject><imagedata fileref=\"a.png\"/></imageobject></mediaobject></figure>",
     PieceKind::kBlock},
    {"<div>\x01. Stop the pump</div><dl><dlentry><dt>\x01. Pump</dt><dd>\x01. valve</dd></dlentry></dl>|"
     "<informalfigure><mediaobject><imageobject><imagedata fileref=\"a.png\"/></imageobject></mediaobject>"
     "</informalfigure>", PieceKind::kBlock},
    // a paragraph of a long sentence with elements inside it (see CutParagraphs)
    {"", PieceKind::kCut},
    // elements read as paragraphs are, holding words, inline elements and code, paragraphs or a long sentence
    // (see ProseElements); a paragraph of S1000D references (see ReferenceParagraphs)
    {"", PieceKind::kProse}, {"", PieceKind::kReferences},
    // the last one the byte after an escape reaches: the byte after it chooses one of kMoreShapes
    {"", PieceKind::kMore},
};
constexpr std::size_t kShapeCount = sizeof kShapes / sizeof kShapes[0];
static_assert(kShapeCount == 256 && kShapes[255].kind == PieceKind::kMore,
              "the byte after an escape reaches every shape, the last opening the shapes below");

// The shapes after the first 256, each chosen by the byte after the last
// of those. New shapes go at the end here too.
constexpr Piece kMoreShapes[] = {
    // paragraphs of sentences that open with placeholders for markup (see OpeningParagraphs)
    {"", PieceKind::kOpenings},
    // S1000D elements whose names end in "Ref" but that are no references, in a data module: a required
    // condition in a procedure's close-up requirements, a wire's functional item described after its field
    // name, a block of a project's own schema that holds paragraphs. The check reads what they hold.
    {"||<closeRqmts><reqCondGroup><reqCondNoRef><reqCond>\x01. Stop the pump and turn the valve slowly. \x03 the "
     "cover.</reqCond></reqCondNoRef></reqCondGroup></closeRqmts>", PieceKind::kBlock},
    {"||<descrWire><descrFunctionalItemRef><fieldName>\x01. Ident</fieldName><descr>\x01. Stop the pump and turn "
     "the valve slowly. \x03 the cover.</descr></descrFunctionalItemRef></descrWire>", PieceKind::kBlock},
    {"||<sectionRef><para>\x01. Stop the pump.</para><para>\x01. Turn the valve slowly. \x03 the cover.</para>"
     "</sectionRef>", PieceKind::kBlock},
    // S1000D business rules (see BusinessRules)
    {"", PieceKind::kRules},
    // DocBook's action inside sentences, a data module's fault isolation action (see ActionParagraphs)
    {"", PieceKind::kActions},
    // sentences that open with placeholders and a sign or the rest of a word, or whose first word after them has a
    // finding of its own (see SignedParagraphs)
    {"", PieceKind::kSigned},
    // sentences whose length finding passes over brackets, quotation marks, options, numbers and names with
    // digits to the writer's first word, or finds none (see WrittenParagraphs)
    {"", PieceKind::kWritten},
    // sentences whose first words draw findings of their own, too long and within the limit (see
    // FirstWordParagraphs)
    {"", PieceKind::kFirstWords},
    // "!" after an element's end (see ExclaimedParagraphs)
    {"", PieceKind::kExclaimed},
    // wiring data, whose fields hold no writer's words (see WiringData)
    {"", PieceKind::kWiring},
    // blocks whose first sentence "!" ends, checked alone and first in a document too (see ExclaimedFirstBlocks)
    {"", PieceKind::kExclaimedFirst},
    // a block between others whose ends the rules could read across (see NeighbourBlocks)
    {"", PieceKind::kNeighbours},
    // a DocBook block's information and a data module's equipment records before a title (see RecordBlocks)
    {"", PieceKind::kRecords},
};
constexpr std::size_t kMoreShapeCount = std::size(kMoreShapes);
static_assert(kMoreShapeCount <= 256, "the byte after the last shape reaches every one of these");

// Elements that stand inside a sentence: inline ones, whose closing tags
// begin like a paragraph's ("</ph>", "</phrase>", "</productname>"), with
// words inside, with attributes, nested; DITA's images, inline with their
// alternative text (read as one placeholder), or closing themselves
// whatever their placement; and a block in its place, which ends the
// sentence before and after it (a DITA image placed as a block, a DocBook
// media object).
struct Cut {
  const char* markup;
  bool divides;  // a block: it ends its sentence
};
constexpr Cut kDitaCuts[] = {
    {"<ph>turn the valve</ph>", false},
    {"<ph outputclass=\"step\" xml:lang=\"en\">set the pump</ph>", false},
    {"<ph><ph>the</ph> pump</ph>", false},
    {"<parameterentity>pump</parameterentity>", false},
    {"<image href=\"stop.png\"><alt>stop</alt></image>", false},
    {"<image href=\"stop.png\" placement=\"inline\" height=\"12\"><alt>stop the pump</alt></image>", false},
    {"<image href=\"a.png\"/>", false},
    {"<image placement=\"break\" href=\"a.png\"/>", false},
    {"<image href=\"stop.png\" placement=\"break\"><alt>stop</alt></image>", true},
    {"<image placement = 'break' href=\"stop.png\" align=\"left\"><alt>stop</alt></image>", true},
};
constexpr Cut kDocBookCuts[] = {
    {"<phrase>turn the valve</phrase>", false},
    {"<phrase role=\"step\" xml:lang=\"en\">set the pump</phrase>", false},
    {"<phrase><emphasis>the</emphasis> pump</phrase>", false},
    {"<productname>Acme Pump</productname>", false},
    {"<productname class=\"trade\">Glorp</productname>", false},
    {"<productnumber>12</productnumber>", false},
    {"<property>valve state</property>", false},
    {"<personname>Anna Smith</personname>", false},
    {"<personname><firstname>Anna</firstname> <surname>Smith</surname></personname>", false},
    {"<mediaobject><imageobject><imagedata fileref=\"stop.png\"/></imageobject></mediaobject>", true},
};

// The two halves of the sentence an element cuts. The first, before a
// block, is as long as the SENTENCE LENGTH limit allows (22 words as the
// check counts them: "the" is none, a comma neither), so that one word
// more, a placeholder before a block that does not end it there, is too
// many; before an inline element it lacks its last five words, so that the
// element's words keep it within the limit where the element's end would
// end it. The second is too long alone, and its head and tail take a second
// element between them.
constexpr const char kFirstHalf[] =
    "the valve and the pump, then turn the cover slowly to the tool and set the plate and the bolt to the gap";
constexpr const char kFirstHalfEnd[] = " and remove the unit and the valve";
constexpr const char kSecondHead[] = "the pump and the cover, then turn the valve slowly to the unit";
constexpr const char kSecondTail[] =
    "and set the bolt and the plate to the tool and remove the gap and the pump and turn the unit slowly.";

// An element's start and end tags round the text it holds (with what else
// it holds before and after that text).
struct Container {
  const char* open;
  const char* close;
};
constexpr Container kDitaParagraph{"<p>", "</p>"}, kDocBookParagraph{"<para>", "</para>"};

// A paragraph (`c`) of the probe, then the sentence, `cut` between its
// halves and `extra`, where inline, in its second half. The length probe
// opens each sentence: the first half's is too long unless a block cuts it
// off, the second half's opens one only after a block.
std::string CutParagraph(const Container& c, const Cut& cut, const Cut& extra) {
  return std::string(c.open) + kReadProbe + ". " + (cut.divides ? kShortSentenceProbe : kLongSentenceProbe) + ' ' +
         kFirstHalf + (cut.divides ? kFirstHalfEnd : "") + ' ' + cut.markup + ' ' +
         (cut.divides ? std::string(1, kLongSentenceProbe) + ' ' : "") + kSecondHead + ' ' +
         (extra.divides ? "" : std::string(extra.markup) + ' ') + kSecondTail + c.close;
}

// The paragraphs of a cut sentence in both families (DITA's, '|',
// DocBook's), the elements in each chosen by `choice`.
std::string CutParagraphs(std::uint8_t choice, const Container& dita = kDitaParagraph,
                          const Container& docBook = kDocBookParagraph) {
  constexpr std::size_t kDita = std::size(kDitaCuts), kDocBook = std::size(kDocBookCuts);
  return CutParagraph(dita, kDitaCuts[choice % kDita], kDitaCuts[choice / kDita % kDita]) + '|' +
         CutParagraph(docBook, kDocBookCuts[choice % kDocBook], kDocBookCuts[choice / kDocBook % kDocBook]);
}

// DITA's elements that are read as a paragraph is, whatever they hold: a
// definition, line-by-line text, a step's tutorial text, a hazard
// statement's parts, a trouble's condition; bare, or round paragraphs. The
// elements beside them begin with a probe too, but for a hazard symbol's
// alternative text, a placeholder. In DocBook, a term defined inline.
constexpr Container kDitaProse[] = {
    {"<dl><dlentry><dt>\x01. Pump</dt><dd>", "</dd></dlentry></dl>"},
    {"<dl><dlentry><dt>\x01. Valve</dt><dd><p>\x01. Stop the pump.</p><p>", "</p></dd></dlentry></dl>"},
    {"<lines>", "\nStop the pump</lines>"},
    {"<steps><step><cmd>\x01. Stop the pump.</cmd><tutorialinfo>", "</tutorialinfo></step></steps>"},
    {"<steps><step><cmd>\x01. Turn the valve.</cmd><tutorialinfo><p>", "</p></tutorialinfo></step></steps>"},
    {"<hazardstatement type=\"caution\"><messagepanel><typeofhazard>",
     "</typeofhazard><consequence>\x01. The pump stops.</consequence><howtoavoid>\x01. Stop the valve.</howtoavoid>"
     "</messagepanel><hazardsymbol href=\"x.png\"><alt>\x02</alt></hazardsymbol></hazardstatement>"},
    {"<hazardstatement><messagepanel><typeofhazard>\x01. Hot oil</typeofhazard><consequence>",
     "</consequence></messagepanel></hazardstatement>"},
    {"<hazardstatement type=\"warning\"><messagepanel><typeofhazard>\x01. Hot oil</typeofhazard><howtoavoid><p>",
     "</p></howtoavoid></messagepanel></hazardstatement>"},
    {"<condition>", "</condition>"},
    {"<condition><p>\x01. The pump stops.</p><p>", "</p></condition>"},
};
constexpr Container kDocBookProse{"<para><termdef>", "</termdef></para>"};

// What they hold (DITA's, DocBook's), from their probe on: words; inline
// elements, code and terms, whose content (a probe) stays a placeholder.
constexpr const char* kProseTexts[][2] = {
    {"\x01. Stop the pump and turn the valve slowly. \x03 the cover.",
     "\x01. Stop the pump and turn the valve slowly. \x03 the cover."},
    {"\x01. \x03 the pump. Stop the <ph>main</ph> pump and the <b>valve</b>. Set the <codeph>\x02</codeph> and the "
     "<keyword>\x02</keyword> to the <term>\x02</term>.",
     "\x01. \x03 the pump. Stop the <phrase>main</phrase> pump and the <emphasis>valve</emphasis>. Set the <code>"
     "\x02</code> and the <literal>\x02</literal> to the <option>\x02</option>."},
};

// The element `element` chooses, holding words, inline elements, or a long
// sentence whose elements `cut` chooses (see CutParagraph), in both
// families.
std::string ProseElements(std::uint8_t element, std::uint8_t cut) {
  constexpr std::size_t kCount = std::size(kDitaProse);
  const Container& dita = kDitaProse[element % kCount];
  const std::size_t held = element / kCount % 3;
  if (held == std::size(kProseTexts)) return CutParagraphs(cut, dita, kDocBookProse);
  return std::string(dita.open) + kProseTexts[held][0] + dita.close + '|' + kDocBookProse.open +
         kProseTexts[held][1] + kDocBookProse.close;
}

// A data module's code, as its identification and a reference to it write it.
const std::string kDmCode =
    "<dmCode modelIdentCode=\"ZQ\" systemDiffCode=\"A\" systemCode=\"D00\" subSystemCode=\"0\" subSubSystemCode=\"0\" "
    "assyCode=\"00\" disassyCode=\"00\" disassyCodeVariant=\"A\" infoCode=\"520\" infoCodeVariant=\"A\" "
    "itemLocationCode=\"A\"/>";

// S1000D references, each one placeholder in its sentence whatever parts
// it holds: a data module's with all its parts, with some of them, or
// closing itself with its address; a publication's, an external
// publication's, a functional item's with its name, and an empty zone's.
// The parts hold probes that must get no marker.
const std::string kReferences[] = {
    "<dmRef><dmRefIdent>" + kDmCode + "<issueInfo issueNumber=\"001\" inWork=\"00\"/><language languageIsoCode=\"en\" "
    "countryIsoCode=\"US\"/></dmRefIdent><dmRefAddressItems><dmTitle><techName>\x02 pump</techName><infoName>"
    "Removal</infoName></dmTitle></dmRefAddressItems></dmRef>",
    "<dmRef><dmRefIdent>" + kDmCode + "</dmRefIdent></dmRef>",
    "<dmRef referredFragment=\"par-0001\"><dmRefAddressItems><dmTitle><techName>\x02 valve</techName></dmTitle>"
    "</dmRefAddressItems></dmRef>",
    "<dmRef xmlns:xlink=\"http://www.w3.org/1999/xlink\" xlink:href=\"URN:S1000D:DMC-ZQ-A-D00-00-00-00A-520A-A\"/>",
    "<pmRef><pmRefIdent><pmCode modelIdentCode=\"ZQ\" pmIssuer=\"12345\" pmNumber=\"00001\" pmVolume=\"00\"/>"
    "</pmRefIdent><pmRefAddressItems><pmTitle>\x02 manual</pmTitle></pmRefAddressItems></pmRef>",
    "<externalPubRef><externalPubRefIdent><externalPubCode>ABC-12</externalPubCode><externalPubTitle>\x02 guide"
    "</externalPubTitle></externalPubRefIdent></externalPubRef>",
    "<functionalItemRef functionalItemNumber=\"P1\"><name>\x02 pump</name></functionalItemRef>",
    "<zoneRef zoneNumber=\"100\"/>",
};

// A paragraph of four references that `first` and `second` choose, in both
// families: two in a sentence too long, cut where a reference would end
// it; one in a sentence just within the limit, where the reference's parts
// read as words would make it too long; one before the inner verb probe.
std::string ReferenceParagraphs(std::uint8_t first, std::uint8_t second) {
  constexpr std::size_t kCount = std::size(kReferences);
  const std::string text = std::string(1, kReadProbe) + ". " + kLongSentenceProbe + ' ' + kFirstHalf + ' ' +
                           kReferences[first % kCount] + ' ' + kSecondHead + ' ' + kReferences[first / kCount % kCount] +
                           ' ' + kSecondTail + ' ' + kShortSentenceProbe + ' ' + kFirstHalf + ' ' +
                           kReferences[second % kCount] + " and remove the valve slowly. Set the " +
                           kReferences[second / kCount % kCount] + " and " + kInnerVerbProbeByte + " the pump.";
  return kDitaParagraph.open + text + kDitaParagraph.close + '|' + kDocBookParagraph.open + text +
         kDocBookParagraph.close;
}

// Markup that the check reads as a placeholder, one word of its sentence
// whatever it holds, in each family: DITA's inline code, names, terms and
// cross references (closing themselves or holding text); DocBook's
// functions, commands, literals, options, product names and cross
// references; S1000D's references (those above, and others that close
// themselves). The probes they hold must get no marker.
const std::vector<std::string> kDitaPlaceholders = {
    "<codeph>\x02</codeph>", "<uicontrol>Save</uicontrol>", "<keyword>\x02</keyword>", "<term>\x02 valve</term>",
    kEmptyXref, "<xref href=\"x.dita\">\x02 valve</xref>", "<cmdname>glorp</cmdname>",
};
const std::vector<std::string> kDocBookPlaceholders = {
    "<function>\x02</function>", "<command>glorp</command>", "<literal>\x02</literal>", "<xref linkend=\"s1\"/>",
    "<option>\x02</option>", "<productname>Acme</productname>",
};
const std::vector<std::string> kS1000DPlaceholders = [] {
  std::vector<std::string> marks(std::begin(kReferences), std::end(kReferences));
  for (const char* more : {"<internalRef internalRefId=\"fig-0001\" internalRefTargetType=\"irtt01\"/>",
                           "<brDecisionRef brDecisionIdentNumber=\"BRDP-S1-00001\"/>",
                           "<circuitBreakerRef circuitBreakerNumber=\"CB1\"/>",
                           "<catalogSeqNumberRef figureNumber=\"01\" item=\"004\"/>"})
    marks.emplace_back(more);
  return marks;
}();

// The placeholders that open a sentence, as `choice` chooses them from
// `marks`: one alone, "The" before one, or a list of them ("<x>, <y> and
// <z>", "<x> or <y>"). The writer's words follow them.
std::string Opening(std::uint8_t choice, const std::vector<std::string>& marks) {
  const std::size_t n = marks.size(), k = choice % n;
  switch (choice / n % 4) {
    case 0: return marks[k];
    case 1: return "The " + marks[k];
    case 2: return marks[k] + ", " + marks[(k + 1) % n] + " and " + marks[(k + 2) % n];
    default: return marks[k] + " or " + marks[(k + 1) % n];
  }
}

// Paragraphs (`c`) of sentences that open with `first` or `second`, the
// length probe the first of the writer's words after them: after the
// probe's sentence in a paragraph, and first in a paragraph after another.
// Each is the first half of a cut sentence with its end, too long as the
// placeholders count, or without it, within the limit with a list too.
std::string OpeningParagraph(const Container& c, const std::string& first, const std::string& second) {
  const std::string tooLong = std::string(1, kLongSentenceProbe) + ' ' + kFirstHalf + kFirstHalfEnd + '.',
                    within = std::string(1, kShortSentenceProbe) + ' ' + kFirstHalf + '.';
  return c.open + std::string(1, kReadProbe) + ". " + first + ' ' + tooLong + ' ' + second + ' ' + within + c.close +
         c.open + second + ' ' + tooLong + c.close + c.open + first + ' ' + within + c.close;
}

// Such paragraphs in each family (DITA's, '|', DocBook's, '|', a data
// module's), the placeholders of each sentence chosen by `first` and
// `second`.
std::string OpeningParagraphs(std::uint8_t first, std::uint8_t second) {
  auto family = [&](const Container& c, const std::vector<std::string>& marks) {
    return OpeningParagraph(c, Opening(first, marks), Opening(second, marks));
  };
  return family(kDitaParagraph, kDitaPlaceholders) + '|' + family(kDocBookParagraph, kDocBookPlaceholders) + '|' +
         family(kDocBookParagraph, kS1000DPlaceholders);
}

// A sentence of the length probe just within the SENTENCE LENGTH limit,
// without its end: the element's end must end it, as one word more, a
// placeholder of the code before it or the read probe of the text after
// it, would make it too long.
const std::string kAtTheLimit = std::string(1, kShortSentenceProbe) + ' ' + kFirstHalf + kFirstHalfEnd;

// S1000D business rules, in a data module only: structure rules under the
// start tag `choice` chooses, bare, with a short attribute or a long
// context (4.x), or 2.x's; one rule or two, a reference to a decision
// opening the first or not (4.x). The check reads what each rule's use
// says; the path before it is code. Each of the four high bits adds a
// part, and where none is set the rules are only that: the path holds
// an unread probe ("//zorb[@id]") and the use a sentence at the limit
// (see kAtTheLimit); the rule's allowed values, each labelled with the
// read probe and a sentence at the limit, a value without a label between
// them; notation rules (4.x), a notation's name (code, an unread probe)
// before its use; SNS rules (4.x), after the business rules, a system's
// code (an unread probe, or a code) before its title, a subsystem and its
// own subsystem nested.
std::string BusinessRules(std::uint8_t choice) {
  static constexpr const char* kStarts[] = {
      "<contextRules>", "<contextRules id=\"cr1\">",
      "<contextRules rulesContext=\"http://www.s1000d.org/S1000D_4-1/xml_schema_flat/descript.xsd\">",
      "<contextrules>"};
  static constexpr const char* kUses[] = {"\x01. Stop the pump and turn the valve slowly. \x03 the cover.",
                                          "\x01. Set the valve. \x03 the pump."};
  static constexpr const char* kPaths[] = {"//\x02[@id]", "//levelledPara/\x02", "//para[@\x02='1']"};
  const bool earlier = choice % 4 == 3, probedPath = choice & 0x10, values = choice & 0x20;
  const bool notations = !earlier && (choice & 0x40), sns = !earlier && (choice & 0x80);
  const int rules = 1 + choice / 4 % 2;
  const std::string label = std::string(1, kReadProbe) + ". " + kAtTheLimit;
  std::string markup = std::string("||") + kStarts[choice % 4] + (earlier ? "<structrules>" : "<structureObjectRuleGroup>");
  for (int k = 0; k < rules; ++k) {
    const std::string path = probedPath ? kPaths[(choice / 4 + k) % std::size(kPaths)] : "//para";
    const std::string use = probedPath ? kAtTheLimit : kUses[k];
    if (earlier) {
      markup += "<objrule><objpath objappl=\"2\">" + path + "</objpath><objuse>" + use + "</objuse>";
      if (values)
        markup += "<objval val1=\"accpnl01\" valtype=\"single\">" + label + "</objval><objval val1=\"1~9\" "
                  "valtype=\"range\">" + label + "</objval>";
      markup += "</objrule>";
    } else {
      markup += "<structureObjectRule>";
      if (k == 0 && choice / 8 % 2) markup += "<brDecisionRef brDecisionIdentNumber=\"BRDP-S1-00001\"/>";
      markup += "<objectPath allowedObjectFlag=\"2\">" + path + "</objectPath><objectUse>" + use + "</objectUse>";
      if (values)
        markup += "<objectValue valueForm=\"single\" valueAllowed=\"accpnl01\">" + label + "</objectValue>"
                  "<objectValue valueForm=\"single\" valueAllowed=\"accpnl02\"/><objectValue valueForm=\"range\" "
                  "valueAllowed=\"1~9\">" + label + "</objectValue>";
      markup += "</structureObjectRule>";
    }
  }
  markup += earlier ? "</structrules>" : "</structureObjectRuleGroup>";
  if (notations)
    markup += "<notationRuleList><notationRule><notationName allowedNotationFlag=\"1\">\x02</notationName><objectUse>" +
              kAtTheLimit + "</objectUse></notationRule><notationRule><notationName allowedNotationFlag=\"0\">cgm"
              "</notationName><objectUse>" + label + "</objectUse></notationRule></notationRuleList>";
  markup += earlier ? "</contextrules>" : "</contextRules>";
  if (sns)
    markup += "<snsRules><snsDescr><snsSystem><snsCode>\x02</snsCode><snsTitle>" + kAtTheLimit +
              "</snsTitle><snsSubSystem><snsCode>1</snsCode><snsTitle>" + label +
              "</snsTitle><snsSubSubSystem><snsCode>0</snsCode><snsTitle>\x01. Fuel</snsTitle></snsSubSubSystem>"
              "</snsSubSystem></snsSystem><snsSystem><snsCode>A1</snsCode><snsTitle>\x01. Propulsion, General"
              "</snsTitle></snsSystem></snsDescr></snsRules>";
  return markup;
}

// DocBook's action, a response to a user's event written inside a
// sentence: one placeholder there, whatever it holds (words, inline
// elements, probes that must get no marker), with attributes or without.
const std::vector<std::string> kDocBookActions = {
    "<action>starts a new document</action>",
    "<action moreinfo=\"none\">closes the \x02 and the valve</action>",
    "<action>\x02</action>",
    "<action><guibutton>\x02</guibutton></action>",
    "<action moreinfo=\"none\">pushes <guibutton>Save</guibutton> and \x04 the pump</action>",
    "<action role=\"x\"><keycap>Enter</keycap> \x02</action>",
};

// What a data module's fault isolation action holds, read as a paragraph
// is: sentences of the read and the verb probe; a sentence at the limit
// without its end (see kAtTheLimit), before the step's question; a
// reference before the inner verb probe; a long sentence with a reference
// inside it.
const std::string kIsolationActions[] = {
    "\x01. Stop the pump and turn the valve slowly. \x03 the cover.",
    std::string(1, kReadProbe) + ". " + kAtTheLimit,
    "\x01. Set the <circuitBreakerRef circuitBreakerNumber=\"CB1\"/> and \x07 the pump.",
    std::string(1, kReadProbe) + ". " + kLongSentenceProbe + ' ' + kFirstHalf + " <zoneRef zoneNumber=\"100\"/> " +
        kSecondHead + ' ' + kSecondTail,
};

// A data module's fault isolation: two steps, each an action and a
// question, and the procedure's end, an action; `first` and `second`
// choose what the actions hold.
std::string FaultIsolation(std::uint8_t first, std::uint8_t second) {
  constexpr std::size_t kCount = std::size(kIsolationActions);
  const std::string question = "<isolationStepQuestion>\x01. Is the valve open?</isolationStepQuestion>";
  auto answer = [](const char* yes, const char* no) {
    return std::string("<isolationStepAnswer><yesNoAnswer><yesAnswer nextActionRefId=\"") + yes +
           "\"/><noAnswer nextActionRefId=\"" + no + "\"/></yesNoAnswer></isolationStepAnswer>";
  };
  return "<isolationProcedure><isolationMainProcedure><isolationStep id=\"stp-0001\"><action>" +
         kIsolationActions[first % kCount] + "</action>" + question + answer("stp-0002", "end-0001") +
         "</isolationStep><isolationStep id=\"stp-0002\"><action id=\"act-0002\">" +
         kIsolationActions[second % kCount] + "</action>" + question + answer("end-0001", "end-0001") +
         "</isolationStep><isolationProcedureEnd id=\"end-0001\"><action>" +
         kIsolationActions[(first / kCount + second / kCount) % kCount] +
         "</action></isolationProcedureEnd></isolationMainProcedure></isolationProcedure>";
}

// One name, two uses, the document's root deciding (DocBook's, '|', a data
// module's; none in DITA): in DocBook, paragraphs of actions that `first`
// and `second` choose inside a long sentence, whose length probe before
// them must still get the finding (an action's tags end no sentence); in
// a sentence just within the limit, where the action's words read as
// words would make it too long; and opening sentences (see
// OpeningParagraph), first in a paragraph too. In a data module, the fault
// isolation above.
std::string ActionParagraphs(std::uint8_t first, std::uint8_t second) {
  const std::size_t n = kDocBookActions.size();
  const std::string &a = kDocBookActions[first % n], &b = kDocBookActions[second % n];
  const Container& c = kDocBookParagraph;
  return '|' + CutParagraph(c, Cut{a.c_str(), false}, Cut{b.c_str(), false}) + c.open + kReadProbe + ". " +
         kShortSentenceProbe + ' ' + kFirstHalf + ' ' + b + " and remove the valve slowly." + c.close +
         OpeningParagraph(c, Opening(first, kDocBookActions), Opening(second, kDocBookActions)) + '|' +
         FaultIsolation(first, second);
}

// What the SENTENCE LENGTH finding passes over, right after the markup
// that opens a sentence, to reach the writer's first word: a sign ("-",
// arrows, "/", "="), the rest of a word the markup began
// ("<codeph>x</codeph>s", "'s"), or a word between "&lt;" and "&gt;".
constexpr const char* kPassedOver[] = {
    " -", " &#8594;", " \xE2\x86\x92", " /", " =", " ->", " &#8658;", "s", "es", "'s", "&#8217;s", " &lt;file&gt;",
};
// Signs and pieces of words one after another there: a command's options,
// which the finding passes over to the writer's first word after them.
constexpr const char* kOptions[] = {" [-v]", " --fixed-password", " -F, --fixed", " -s, -t"};

// The placeholders that open a sentence, as `choice` chooses them from
// `marks`, then what the finding passes over, as `sign` chooses it (see
// kPassedOver): after one, after "The" and one, or between two, as a menu
// path writes it ("<uicontrol>File</uicontrol> &#8594;
// <uicontrol>Save</uicontrol>").
std::string SignedOpening(std::uint8_t choice, std::uint8_t sign, const std::vector<std::string>& marks) {
  const std::size_t n = marks.size(), k = choice % n;
  const std::string after = kPassedOver[sign % std::size(kPassedOver)];
  switch (choice / n % 3) {
    case 0: return marks[k] + after;
    case 1: return "The " + marks[k] + after;
    default: return marks[k] + after + ' ' + marks[(k + 1) % n];
  }
}

// Paragraphs of sentences that open with such placeholders and signs, in
// each family (DITA's, '|', DocBook's, '|', a data module's; see
// OpeningParagraph), `first` and `second` choosing them; of sentences
// too long whose first word after the placeholders has a finding of its
// own, the verb probe in small letters first in a paragraph, and the
// phrase probe after a sign; and of a sentence too long whose placeholders
// a command's options follow, the length probe the first word after them.
std::string SignedParagraphs(std::uint8_t first, std::uint8_t second) {
  const std::string tooLong = std::string(kFirstHalf) + kFirstHalfEnd, probe = std::string(1, kReadProbe) + ". ";
  auto family = [&](const Container& c, const std::vector<std::string>& marks) {
    const std::string verb = Opening(second, marks) + ' ' + kLongVerbProbe + ' ' + tooLong + '.',
                      phrase = probe + SignedOpening(first, second, marks) + ' ' + kLongPhraseProbe + ' ' + tooLong +
                               '.',
                      options = probe + Opening(first, marks) + kOptions[second % std::size(kOptions)] + ' ' +
                                kLongSentenceProbe + ' ' + tooLong + " and the pump.";
    return OpeningParagraph(c, SignedOpening(first, second, marks), SignedOpening(second, first, marks)) + c.open +
           verb + c.close + c.open + phrase + c.close + c.open + options + c.close;
  };
  return family(kDitaParagraph, kDitaPlaceholders) + '|' + family(kDocBookParagraph, kDocBookPlaceholders) + '|' +
         family(kDocBookParagraph, kS1000DPlaceholders);
}

// Brackets and quotation marks round the first of the writer's words
// after markup that opens a sentence ("<codeph>x</codeph> (verbose)"): the
// length finding passes the sign over, not the word glued to it.
constexpr const char* kRound[][2] = {
    {"(", ")"}, {"[", "]"}, {"\"", "\""}, {"&quot;", "&quot;"}, {"'", "'"},
    {"\xE2\x80\x9C", "\xE2\x80\x9D"}, {"&#8220;", "&#8221;"},
};
// Numbers and names that hold a digit, which the length finding passes
// over too, first in a plain sentence or one after another in a list.
constexpr const char* kDigitNames[] = {"HTML5", "10", "A320", "2.5", "MS21", "x86"};

// `count` of `items`, from the `from`th on, as a sentence lists them
// ("a, b and c").
template <typename Items>
std::string Listed(const Items& items, std::size_t from, std::size_t count) {
  std::string list;
  for (std::size_t j = 0; j < count; ++j)
    list += std::string(j == 0 ? "" : j + 1 == count ? " and " : ", ") + items[(from + j) % std::size(items)];
  return list;
}

// Paragraphs where the SENTENCE LENGTH finding must find the writer's
// first word, in each family (DITA's, '|', DocBook's, '|', a data
// module's), `first` and `second` choosing the placeholders (see Opening)
// and what follows them: a word in brackets or quotation marks, "It's"
// (first in a paragraph too), a command's options before the words, each
// in a sentence too long and in one within the limit; sentences too long
// without a word of the writer's, a list of placeholders (the first one
// holding the length probe, which must get no marker, as code) and a list
// of names with digits; and plain sentences that open with "In order to"
// or with a name holding a digit, too long and within the limit.
std::string WrittenParagraphs(std::uint8_t first, std::uint8_t second) {
  const std::string tooLong = std::string(kFirstHalf) + kFirstHalfEnd, probe = std::string(1, kReadProbe) + ". ";
  auto round = [](std::uint8_t choice, char length) {
    const auto& r = kRound[choice % std::size(kRound)];
    return r[0] + std::string(1, length) + r[1];
  };
  auto family = [&](const Container& c, const std::vector<std::string>& marks, const std::string& holder) {
    const std::string a = Opening(first, marks), b = Opening(second, marks), open = c.open, close = c.close;
    const std::string lead = kDigitNames[first % std::size(kDigitNames)],
                      other = kDigitNames[second % std::size(kDigitNames)];
    return open + probe + a + ' ' + round(second, kLongSentenceProbe) + ' ' + tooLong + ". " + b + ' ' +
           round(first, kShortSentenceProbe) + ' ' + kSecondHead + '.' + close +
           open + b + ' ' + kLongItsProbe + ' ' + tooLong + '.' + close +
           open + probe + a + ' ' + kShortItsProbe + ' ' + kSecondHead + '.' + close +
           open + probe + b + kOptions[first % std::size(kOptions)] + ' ' + kLongSentenceProbe + ' ' + tooLong + ". " +
           a + kOptions[second % std::size(kOptions)] + ' ' + kShortSentenceProbe + ' ' + kSecondHead + '.' + close +
           open + probe + holder + ", " + Listed(marks, first, 24) + '.' + close +
           open + probe + Listed(kDigitNames, second, 25) + ". " + kShortSentenceProbe + " the valve." + close +
           open + probe + kLongPhraseFirstProbe + " stop " + tooLong + ". " + kShortPhraseFirstProbe + " stop " +
           kSecondHead + '.' + close +
           open + probe + kLongItsProbe + ' ' + tooLong + ". " + kShortItsProbe + ' ' + kSecondHead + '.' + close +
           open + probe + lead + ' ' + kLongSentenceProbe + ' ' + tooLong + ". " + other + ' ' + kShortSentenceProbe +
           ' ' + kSecondHead + '.' + close;
  };
  const std::string length(1, kShortSentenceProbe);
  return family(kDitaParagraph, kDitaPlaceholders, "<codeph>" + length + "</codeph>") + '|' +
         family(kDocBookParagraph, kDocBookPlaceholders, "<literal>" + length + "</literal>") + '|' +
         family(kDocBookParagraph, kS1000DPlaceholders,
                "<externalPubRef><externalPubRefIdent><externalPubCode>" + length +
                    "</externalPubCode></externalPubRefIdent></externalPubRef>");
}

// Places in the document that a property needs, written as bytes no piece
// holds and taken out of the document (see Document): a record's field
// value; a sentence, from its first word (where the words its first words
// are compared by end) to just after its full stop; a title; a block
// that is checked alone too, from before its start tag (kBlockStart, then
// a letter: the document it opens, see FirstInDocument) to after its end
// tag, kBlockId standing for its id.
constexpr char kFieldStart = '\x13', kFieldEnd = '\x14';
constexpr char kSentenceStart = '\x15', kOpeningEnd = '\x16', kSentenceEnd = '\x17';
constexpr char kTitleStart = '\x18', kTitleEnd = '\x19';
constexpr char kBlockStart = '\x1A', kBlockEnd = '\x1B', kBlockId = '\x7F';

// The first words of sentences that FirstWordParagraphs writes too long
// and within the limit: a number and its unit, "The" before a word or
// phrase with a finding of its own, a verb that wants an article after it,
// contractions (straight and curly; "It's" as its probes, see
// kLongItsProbe), a hyphenated word after a name holding a digit or a
// number. No piece writes them, and none holds a probe's text.
constexpr const char* kFirstWords[] = {
    "10 mm bolts stop", "25 kg weights stop", "The kind of problem stops", "The previous command stops",
    "The note that", "The various problems stop", "The final command stops", "The additional weight stops",
    "Remove pump and install", "Won't stop", "That's", "There's", "Let's stop", "I'm at", "They'll stop",
    "\x0E", "Don't stop", "The HTML5 plug-in stops", "10 valve-seat plates stop", "The A320 pre-set stops",
    "Won\xE2\x80\x99t stop", "They\xE2\x80\x99ll stop", "That\xE2\x80\x99s",
};

// A sentence of the first words `k` chooses, too long or within the limit,
// between its places (see kSentenceStart). Both tails open with the same
// words, up to the comma and past it, so that the rules read the first
// words alike in both; the long one is too long after any first words (the
// length probe's sentence at the limit is one word and kFirstHalf with its
// end), the short one within the limit after any.
std::string FirstWordSentence(std::size_t k, bool tooLong) {
  std::string opening = kFirstWords[k % std::size(kFirstWords)];
  if (!tooLong) std::replace(opening.begin(), opening.end(), kLongItsProbe, kShortItsProbe);
  const std::string tail = tooLong ? std::string(kFirstHalf) + kFirstHalfEnd + " and the pump and the cover."
                                   : std::string("the valve and the pump, then turn the cover slowly.");
  return kSentenceStart + opening + kOpeningEnd + ' ' + tail + kSentenceEnd;
}

// Paragraphs of such sentences in each family (DITA's, '|', DocBook's, '|',
// a data module's): the first words `first` chooses too long and within the
// limit, each first in a paragraph; those `second` chooses the same in one
// paragraph. A long sentence and its short twin always stand one after the
// other.
std::string FirstWordParagraphs(std::uint8_t first, std::uint8_t second) {
  const std::string probe = std::string(1, kReadProbe) + ". ";
  auto family = [&](const Container& c) {
    const std::string open = c.open, close = c.close;
    return open + probe + FirstWordSentence(first, true) + close + open + probe + FirstWordSentence(first, false) +
           close + open + probe + FirstWordSentence(second, true) + ' ' + FirstWordSentence(second, false) + close;
  };
  return family(kDitaParagraph) + '|' + family(kDocBookParagraph) + '|' + family(kDocBookParagraph);
}

// Inline elements that "!" follows, in each family, as a writer ends a
// sentence on a file name or a button: DITA's code, interface controls,
// bold text, file paths and commands; DocBook's file names, commands,
// literals, emphasis and user input; S1000D's emphasis and verbatim text.
const std::vector<std::string> kExclaimedDita = {"<codeph>setup</codeph>", "<uicontrol>Save</uicontrol>",
                                                 "<b>valve</b>", "<filepath>php.exe</filepath>",
                                                 "<cmdname>glorp</cmdname>"};
const std::vector<std::string> kExclaimedDocBook = {"<filename>setup</filename>", "<command>glorp</command>",
                                                    "<literal>stop</literal>", "<emphasis>valve</emphasis>",
                                                    "<userinput>stop</userinput>"};
const std::vector<std::string> kExclaimedS1000D = {"<emphasis>valve</emphasis>",
                                                   "<verbatimText>php.exe</verbatimText>"};

// Paragraphs where "!" right after an element's end ends a sentence, in
// each family, the elements chosen by `choice`: the verb probe after it
// opens its sentence (number 00); two sentences of the length probe within
// the limit each, one too long if the "!" ended none.
std::string ExclaimedParagraphs(std::uint8_t choice) {
  const std::string probe = std::string(1, kReadProbe) + ". ";
  auto family = [&](const Container& c, const std::vector<std::string>& elements) {
    const std::size_t n = elements.size();
    const std::string &e = elements[choice % n], &f = elements[choice / n % n], open = c.open, close = c.close;
    return open + probe + "Stop the " + e + "! " + kFirstVerbProbe + " the pump." + close + open + probe +
           kShortSentenceProbe + ' ' + kFirstHalf + ' ' + f + "! " + kShortSentenceProbe + ' ' + kSecondHead + '.' +
           close;
  };
  return family(kDitaParagraph, kExclaimedDita) + '|' + family(kDocBookParagraph, kExclaimedDocBook) + '|' +
         family(kDocBookParagraph, kExclaimedS1000D);
}

// A record's field value, between its places.
std::string Field(const std::string& value) { return kFieldStart + value + kFieldEnd; }

// S1000D wiring data, in a data module only: one, 5, 12 or 30 wires, as
// `choice` chooses, each a run of fields (its type, gauge, colour, length
// and maker), whose values are no writer's words.
std::string WiringData(std::uint8_t choice) {
  static constexpr const char* kTypes[] = {"AP", "MIL-W-22759/16", "RG58"};
  static constexpr const char* kGauges[] = {"22", "20", "AWG 24"};
  static constexpr const char* kColors[] = {"red", "WH", "blue/white", "Red"};
  static constexpr const char* kLengths[] = {"1200", "12.5 m", "0.5 in."};
  static constexpr const char* kMakers[] = {"Acme Cables", "Wires Inc.", "Acme"};
  static constexpr int kCounts[] = {1, 5, 12, 30};
  std::string markup = "||<wiringData><wireAlpha>";
  for (int k = 0; k < kCounts[choice % 4]; ++k) {
    const std::size_t at = static_cast<std::size_t>(k) + choice / 4;
    const std::string id = std::to_string(1001 + k).substr(1);
    markup += "<wire id=\"wire-" + id + "\"><wireType>" + Field(kTypes[at % 3]) + "</wireType><wireGauge>" +
              Field(kGauges[at % 3]) + "</wireGauge><wireColor>" + Field(kColors[at % 4]) + "</wireColor><length>" +
              Field(kLengths[at % 3]) + "</length><enterpriseName>" + Field(kMakers[at % 3]) +
              "</enterpriseName></wire>";
  }
  return markup + "</wireAlpha></wiringData>";
}

// S1000D wiring data of equipment records: one, 5, 12 or 30 pieces of
// electrical equipment, as `choice` chooses, every third with an
// alternative beside it, each a run of fields (its part number,
// installation location, connection list class and maker), whose values
// are no writer's words, though some are dictionary words or look like a
// name ("Seat post", "Steering", "Electronic").
std::string EquipmentData(std::uint8_t choice) {
  static constexpr const char* kParts[] = {"M2045", "AB1234", "2045A", "P1"};
  static constexpr const char* kLocations[] = {"Seat post", "Steering column", "Rear panel", "Cover of the pump"};
  static constexpr const char* kClasses[] = {"Steering", "Electronic", "Power", "Valve"};
  static constexpr const char* kMakers[] = {"Electronic", "Acme Electric", "Glorp Inc."};
  static constexpr int kCounts[] = {1, 5, 12, 30};
  auto equipment = [](std::size_t at, const std::string& id) {
    return "<electricalEquip id=\"eq-" + id + "\"><partNumber>" + Field(kParts[at % 4]) +
           "</partNumber><installationLocation>" + Field(kLocations[at % 4]) +
           "</installationLocation><connectionListClass>" + Field(kClasses[at % 4]) +
           "</connectionListClass><enterpriseName>" + Field(kMakers[at % 3]) + "</enterpriseName></electricalEquip>";
  };
  std::string markup = "<wiringData><electricalEquipGroup>";
  for (int k = 0; k < kCounts[choice % 4]; ++k) {
    const std::size_t at = static_cast<std::size_t>(k) + choice / 4;
    const std::string id = std::to_string(1001 + k).substr(1);
    markup += at % 3 == 1 ? "<electricalEquipAlts>" + equipment(at, id) + equipment(at + 1, id + "b") +
                                "</electricalEquipAlts>"
                          : equipment(at, id);
  }
  return markup + "</electricalEquipGroup></wiringData>";
}

// A DocBook root's or block's information, as `meta` chooses it (see
// Layout::Metadata): an author with a contribution, a copyright and a date
// (bit 3); a revision history of none, one, three or eight revisions (bits
// 0 and 1), each a revision number, a date and author initials, which are a
// record's fields, and a remark without a full stop, as most write it, or
// with one (bit 5), the values starting where bits 6 and 7 say; DocBook 5's
// markup or 4's (bit 2). Where `prose` says, each remark is the verb probe
// that opens a sentence (its number 00: each is a sentence of its own),
// every other revision's a description of a paragraph, and a legal notice
// of two such paragraphs follows. In a manual page's refentryinfo the
// author's names and contribution, the copyright and the date are fields
// too.
std::string InfoParts(int meta, bool prose, bool fields) {
  static constexpr int kRevisions[] = {0, 1, 3, 8};
  static constexpr const char* kNumbers[] = {"1.2", "0.9", "2.0.1", "r104"};
  static constexpr const char* kDates[] = {"04 April 2021", "01 May 2019", "2019-05-01", "May 2019"};
  static constexpr const char* kInitials[] = {"FPL", "esr", "AS", "tg"};
  static constexpr const char* kRemarks[] = {"Added the pump section", "First release", "Utilize the new valve",
                                             "Fixed the typos"};
  static constexpr const char* kProse[] = {"\x12 the pump section", "\x12 the new valve", "\x12 the tool",
                                           "\x12 the cover and the unit"};
  auto field = [fields](const std::string& value) { return fields ? Field(value) : value; };
  std::string parts;
  if (meta & 8)
    parts += std::string("<author>") +
             (meta & 4 ? "<personname><firstname>" + field("Anna") + "</firstname><surname>" + field("Smith") +
                             "</surname></personname>"
                       : "<firstname>" + field("Anna") + "</firstname><surname>" + field("Smith") + "</surname>") +
             "<contrib>" + field("Wrote the pump tool") + "</contrib></author><copyright><year>" + field("2021") +
             "</year><holder>" + field("Acme Pumps") + "</holder></copyright><date>" + field("04 April 2021") +
             "</date>";
  if (const int revisions = kRevisions[meta & 3]; revisions > 0) {
    parts += "<revhistory>";
    for (int k = 0; k < revisions; ++k) {
      const std::size_t at = static_cast<std::size_t>(k + (meta >> 6));
      const std::string remark = std::string(prose ? kProse[at % 4] : kRemarks[at % 4]) + (meta & 0x20 ? "." : "");
      parts += "<revision><revnumber>" + Field(kNumbers[at % 4]) + "</revnumber><date>" + Field(kDates[(at + 1) % 4]) +
               "</date><authorinitials>" + Field(kInitials[at % 4]) + "</authorinitials>" +
               (prose && k % 2 == 1 ? "<revdescription><para>" + remark + "</para></revdescription>"
                                    : "<revremark>" + remark + "</revremark>") +
               "</revision>";
    }
    parts += "</revhistory>";
  }
  if (prose)
    parts += std::string("<legalnotice><para>") + kFirstVerbProbe + " the valve</para><para>" + kFirstVerbProbe +
             " the pump and the unit.</para></legalnotice>";
  return parts;
}

// The document as the input shapes it, or as a comparison needs it: the
// list that opens its data module's content or its map left out (or the
// metadata before a DocBook root's text), or its data module alone, its
// root; or with the block before (or after) each block between others
// (see NeighbourBlocks, RecordBlocks) a plain one.
enum class DocumentVariant { kAsShaped, kWithoutList, kAlone, kPlainBefore, kPlainAfter };

// What stands for a block the variant makes plain, in the block's element.
constexpr const char kPlain[] = "Close the valve.";

// `text` in the element `name`, a block that is checked alone too, whose id
// (`id`: "id" or "xml:id") the document gives it; it opens a document of its
// own as `first` says (see FirstInDocument; '-': none).
std::string Checked(char first, const std::string& name, const std::string& text, const char* id = "id") {
  return std::string(1, kBlockStart) + first + "<" + name + " " + id + "=\"" + kBlockId + "\">" + text + "</" + name +
         ">" + kBlockEnd;
}

// The first sentences of blocks that "!" ends, in each family: after a
// word ("Stop!", "Warning!"), after an inline element round a word (bold
// and underlined text too, which then opens the block) or round a
// placeholder.
const std::vector<std::string> kStopsDita = {"Stop!",          "Warning!",          "Caution!",
                                             "<b>Stop</b>!",   "<u>Warning</u>!",   "<i>Caution</i>!",
                                             "<ph>Go</ph>!",   "<uicontrol>Save</uicontrol>!"};
const std::vector<std::string> kStopsDocBook = {"Stop!", "Warning!", "Go!", "<emphasis>Stop</emphasis>!",
                                                "<emphasis role=\"bold\">Caution</emphasis>!", "<phrase>Go</phrase>!",
                                                "<command>glorp</command>!"};
const std::vector<std::string> kStopsS1000D = {"Stop!", "Caution!", "<emphasis>Stop</emphasis>!",
                                               "<emphasis emphasisType=\"em02\">Warning</emphasis>!",
                                               "<verbatimText>setup</verbatimText>!"};

// A paragraph and a title in each family (DITA's, '|', DocBook's, '|', a
// data module's) whose first sentence "!" ends, as `choice` chooses it for
// each: a sentence too long (the length probe must get its finding, the
// word before "!" none) and one within the limit follow it. Each is
// checked alone too, and opens a document of its own (see
// FirstInDocument): the first sentence of what is checked, it must be
// marked as it is among others. The title stands in a figure (DITA's) or a
// section (DocBook's, a levelled paragraph), before a paragraph.
std::string ExclaimedFirstBlocks(std::uint8_t choice) {
  const std::string sentences = std::string(" ") + kLongSentenceProbe + ' ' + kFirstHalf + kFirstHalfEnd +
                                " and the pump and the cover. " + kShortSentenceProbe + ' ' + kSecondHead + '.';
  auto stop = [&](const std::vector<std::string>& stops, bool title) {
    const std::size_t n = stops.size();
    return stops[(title ? choice / n : choice) % n] + sentences;
  };
  const std::string after = std::string("<para>") + kReadProbe + ". Stop the pump.</para>";
  return Checked('d', "p", stop(kStopsDita, false)) + "<fig>" + Checked('t', "title", stop(kStopsDita, true)) +
         "<image href=\"a.png\" placement=\"break\"/></fig>|" +
         Checked('b', "para", stop(kStopsDocBook, false), "xml:id") + "<section>" +
         Checked('c', "title", stop(kStopsDocBook, true), "xml:id") + after + "</section>|" +
         Checked('s', "para", stop(kStopsS1000D, false)) + "<levelledPara>" +
         Checked('u', "title", stop(kStopsS1000D, true)) + after + "</levelledPara>";
}

// Blocks of one type side by side: paragraphs, list items, a table row's
// cells; each block's element, with what goes round it (a DocBook list
// item's paragraph, a data module's cell's).
struct Side {
  const char* open;       // before the first block
  const char* close;      // after the last
  const char* itemOpen;   // round each block's element
  const char* itemClose;
  const char* element;
};
constexpr Side kDitaSides[] = {
    {"", "", "", "", "p"},
    {"<ul>", "</ul>", "", "", "li"},
    {"<table><tgroup cols=\"3\"><tbody><row>", "</row></tbody></tgroup></table>", "", "", "entry"},
};
constexpr Side kDocBookSides[] = {
    {"", "", "", "", "para"},
    {"<itemizedlist>", "</itemizedlist>", "<listitem>", "</listitem>", "para"},
    {"<informaltable><tgroup cols=\"3\"><tbody><row>", "</row></tbody></tgroup></informaltable>", "", "", "entry"},
};
constexpr Side kS1000DSides[] = {
    {"", "", "", "", "para"},
    {"<randomList>", "</randomList>", "<listItem>", "</listItem>", "para"},
    {"<table><tgroup cols=\"3\"><tbody><row>", "</row></tbody></tgroup></table>", "<entry>", "</entry>", "para"},
};

// The block before the one in the middle: its last sentence ends with "?",
// "!" or ":", after a word or an inline element, or a blank and "?"; the
// sentence after that mark, the next block's first, is counted from the
// block's end all the same. Per family (DITA's, DocBook's, a data
// module's).
const std::vector<std::string> kBeforeBlocks[] = {
    {"\x01. Is the valve open?", "\x01. Stop the pump!", "\x01. Set the valve:", "\x01. Stop the <b>pump</b>!",
     "\x01. Is the <i>valve</i> open?", "\x01. Is the pump on ?"},
    {"\x01. Is the valve open?", "\x01. Stop the pump!", "\x01. Set the valve:",
     "\x01. Stop the <emphasis>pump</emphasis>!", "\x01. Is the <literal>valve</literal> open?",
     "\x01. Is the pump on ?"},
    {"\x01. Is the valve open?", "\x01. Stop the pump!", "\x01. Set the valve:",
     "\x01. Stop the <emphasis>pump</emphasis>!", "\x01. Is the <verbatimText>valve</verbatimText> open?",
     "\x01. Is the pump on ?"},
};
// The first sentence of the block in the middle, whose findings hang on
// its length as the check counts it (a verb that wants an article, see
// kFirstWords), or that opens with bold or underlined text (DITA's).
const std::vector<std::string> kMiddleOpenings[] = {
    {"Turn valve to the unit.", "Remove pump and install the unit.", "Set the pump and turn valve slowly.",
     "Turn the valve.", "<b>Turn</b> valve to the unit.", "<u>Glorp</u> the valve and the pump."},
    {"Turn valve to the unit.", "Remove pump and install the unit.", "Set the pump and turn valve slowly.",
     "Turn the valve.", "<emphasis>Turn</emphasis> valve to the unit."},
    {"Turn valve to the unit.", "Remove pump and install the unit.", "Set the pump and turn valve slowly.",
     "Turn the valve."},
};
// The words that end the block in the middle without a full stop, as a
// heading or a cell holds them, and the first words of the block after,
// which the rules read with a word before them: a noun of a control
// ("Key", "Control", "Button"...) after a capitalised word the dictionaries
// do not hold, a particle after a verb ("sets" before "Down"); or a block
// that ends with its full stop before one opening with such a noun.
constexpr const char* kJoins[][2] = {
    {" Stop Glorp", "Control the valve."}, {" Stop Glorp", "Key the pump."},   {" Map Glorp", "Button of the unit."},
    {" Stop Frobs", "Switch the valve."},  {" Stop Glorp", "Mode of the pump."}, {" Stop Glorp", "Position the valve."},
    {" The pump sets", "Down the valve."},  {"", "Key the valve."},
};

// Three blocks of one type side by side in each family (DITA's, '|',
// DocBook's, '|', a data module's), `first` choosing the type and the one
// before, `second` the middle one's first sentence and its end with the
// one after (see kJoins). The middle one is checked alone too, and its
// markers must not change where the block before or after it is plain
// (`variant`).
std::string NeighbourBlocks(std::uint8_t first, std::uint8_t second, DocumentVariant variant) {
  auto family = [&](int f, const Side& side, const char* id) {
    const std::vector<std::string> &befores = kBeforeBlocks[f], &middles = kMiddleOpenings[f];
    const auto& join = kJoins[second / middles.size() % std::size(kJoins)];
    auto item = [&](const std::string& text) {
      return std::string(side.itemOpen) + "<" + side.element + ">" + text + "</" + side.element + ">" + side.itemClose;
    };
    const std::string before = variant == DocumentVariant::kPlainBefore ? kPlain : befores[first / 3 % befores.size()],
                      after = variant == DocumentVariant::kPlainAfter ? kPlain : join[1];
    return side.open + item(before) + side.itemOpen +
           Checked('-', side.element, middles[second % middles.size()] + join[0], id) + side.itemClose + item(after) +
           side.close;
  };
  return family(0, kDitaSides[first % 3], "id") + '|' + family(1, kDocBookSides[first % 3], "xml:id") + '|' +
         family(2, kS1000DSides[first % 3], "id");
}

// Records before a title, no word of its sentence: in DocBook, DocBook
// 4's information of a procedure, a table or an example (blockinfo: an
// author and a revision history as `choice` chooses them, see InfoParts, or
// a date); in a data module, wiring data of equipment records (see
// EquipmentData) before a levelled paragraph. The title opens with the verb
// probe (number 00), is checked alone too, and must be marked as it is
// where the records are left out (a plain paragraph stands for the wiring
// data; `variant`); a paragraph follows it.
std::string RecordBlocks(std::uint8_t choice, DocumentVariant variant) {
  static constexpr const char* kBlocks[][2] = {
      {"<procedure>", "</procedure>"}, {"<table>", "</table>"}, {"<example>", "</example>"}};
  const std::string title = std::string(1, kFirstVerbProbe) + " the valve",
                    text = variant == DocumentVariant::kPlainAfter ? kPlain
                                                                   : std::string(1, kReadProbe) + ". Stop the pump.";
  const int block = ((choice >> 2 & 1) | (choice >> 3 & 2)) % 3;
  const int meta = choice & ~0x14;
  const std::string info = InfoParts(meta, false, false);
  const std::string after = block == 0   ? "<step><para>" + text + "</para></step>"
                            : block == 1 ? "<tgroup cols=\"1\"><tbody><row><entry>" + text +
                                               "</entry></row></tbody></tgroup>"
                                         : "<para>" + text + "</para>";
  const auto& [open, close] = kBlocks[block];
  const std::string blockInfo =
      variant == DocumentVariant::kPlainBefore
          ? ""
          : "<blockinfo>" + (info.empty() ? "<date>" + Field("04 April 2021") + "</date>" : info) + "</blockinfo>";
  const std::string wiring = variant == DocumentVariant::kPlainBefore ? std::string("<para>") + kPlain + "</para>"
                                                                      : EquipmentData(choice);
  return '|' + std::string(open) + blockInfo + Checked('-', "title", title, "xml:id") + after + close + '|' + wiring +
         "<levelledPara>" + Checked('-', "title", title) + "<para>" + text + "</para></levelledPara>";
}

enum class Encoding { kUtf8, kLatin1, kAscii };

// A DITA topic read from its root; a concept or a reference whose nested
// topics hold their own title, short description, prolog and body; a
// DocBook book with its info, chapters and appendices, its info holding
// more than two hundred elements in the last kind. Then the documents read
// whole from their root, front matter and all: roots the document-type
// table does not know (a DocBook chapter, section, appendix or reference
// entry; a DITA map and glossary entry), and roots it knows without the
// body it looks for (a concept of a title and a short description, a book
// of prefaces and appendices without a chapter). Last, roots that hold text
// right after their start tag (a paragraph, a chapter) or nothing at all
// (an index), whose stamp is their last element, and a concept whose body
// holds an empty paragraph, the words in its title and short description:
// a body without a sentence end. And an S1000D data module, whose
// identification and status the check does not read, its content's
// levelled paragraphs nesting as a root's sections do. Last, a DITA map or
// bookmap of many short titles, navigation titles and link texts (see
// Layout::TitleEntries).
enum class Root {
  kTopic, kConcept, kReference, kBook, kLongBook,
  kChapter, kSection, kAppendix, kRefEntry, kMap, kGlossEntry, kBareConcept, kBareBook,
  kTextPara, kTextChapter, kEmptyIndex, kEmptyBodyConcept, kDataModule, kTitleMap,
};

struct Block {
  PieceKind kind = PieceKind::kParagraph;  // kParagraph, the title of a kSection or kTopic, or a kBlock's markup
  std::string text;
};

// What a data module's content holds (see Layout): levelled paragraphs
// describing, a fault isolation's steps, faults reported with their
// descriptions, or a procedure's steps.
enum class ModuleKind { kDescription, kFaultIsolation, kFaultReport, kProcedure };
// Where a data module stands: as the root, or in a publication module's
// entry, whole as s1kd-flatten puts it there, or in the entry's dmContent.
enum class Wrapper { kNone, kPmEntry, kDmContent };

struct Shape {
  std::size_t bytes = 2;           // the bytes that choose the shape, the pieces after them
  Encoding encoding = Encoding::kUtf8;
  const char* declared = nullptr;  // the declaration's encoding name
  bool titleFromInput = false;     // the root's title: the first block
  Root root = Root::kTopic;
  int copies = 1;                  // how many times the body's blocks come
  int paragraphs = 0;              // else: how many blocks the body holds
  bool bodyAside = false;          // a root without its body names it in a comment or instruction
  std::string bodyOpening;         // placeholders that open each DITA body (see Layout::OpenBody), or none
  // A data module's content that opens with refs, or a map whose key
  // definitions come first: how many references or definitions (-1: no
  // such list), which comes first, and the sentence right after them (see
  // Layout::Listing).
  int listed = -1;
  std::uint8_t listChoice = 0;
  int opening = 0;
  ModuleKind module = ModuleKind::kDescription;
  Wrapper wrapper = Wrapper::kNone;
  // The data module stands in a publication module as the input shapes it:
  // its identification and status then hold words (in the module alone
  // too, which the comparison builds), not probes.
  bool wrappedAsRead = false;
  // A map of short titles (Root::kTitleMap): a bookmap or a map, with the
  // map's own topicmeta (a bookmap's bookmeta) or not; its entries' titles
  // (navigation titles, link texts, both, or a link text in an entry of
  // its own inside); how many entries; where the titles' table starts.
  bool bookmap = false;
  bool mapMeta = false;
  int titleForm = 0;
  int entries = 0;
  std::uint8_t titleChoice = 0;
  // A DocBook root read whole whose metadata stands before its text
  // (authors, a revision history; see Layout::Metadata): the byte that
  // chooses it, or -1; left out in the comparison without it.
  int meta = -1;
  bool metaLeftOut = false;
  bool metaProse = false;  // its remarks and a legal notice hold prose (see InfoParts)
};

// The first two bytes: the encoding, the title and the root (byte 0: a
// topic unless bit 5 is set, then bits 3 and 4 choose; or, with bit 5
// clear and one of bits 6 and 7 set, bits 3, 4 and 7 choose a root read
// whole; or, with bit 5 clear and both set, bits 2 to 4 choose a topic, a
// root of text or of nothing, or a map of titles, without a title of the
// input; with bits 5 to 7 clear, bits 3 and 4 at 2 choose a data module),
// and how often the paragraphs come (byte 1: one to eight times, or a body
// of a hundred to 131 paragraphs; from 128 to 223, each DITA body opens with
// placeholders that bits 3 to 6 choose, one or a list of them; a data
// module's content opens with refs instead, what it holds and where it
// stands chosen by bits 3 to 6, and a map's key definitions come first).
// Such a data module or map reads a third byte: how many references or
// definitions (bits 0 and 1: none, one, three or 25), the sentence after
// them (bits 2 and 3, see Layout::Listing) and which comes first (bits 4
// to 7). So does a DocBook chapter, section, appendix or reference entry
// with byte 1 from 128 to 223: its metadata (see Layout::Metadata), with
// prose where bit 3 of byte 1 is set (see InfoParts). A map
// of short titles (bits 2 to 4 of byte 0 at 6 with bits 6 and 7 set) reads
// byte 1 as its form (bit 0 a bookmap, bit 1 the map's own topicmeta, bits
// 2 and 3 the entries' titles, bits 4 to 7 25 entries and as many more)
// and byte 2 as where its titles start, its paragraphs coming once.
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
  if (data[0] & 0x20) {
    constexpr Root kRoots[] = {Root::kConcept, Root::kReference, Root::kBook, Root::kLongBook};
    s.root = kRoots[(data[0] >> 3) & 3];
  } else if ((data[0] & 0xC0) == 0x40 || (data[0] & 0xC0) == 0x80) {
    constexpr Root kWhole[] = {Root::kChapter, Root::kSection,    Root::kAppendix,    Root::kRefEntry,
                               Root::kMap,     Root::kGlossEntry, Root::kBareConcept, Root::kBareBook};
    s.root = kWhole[((data[0] >> 3) & 3) | (data[0] & 0x80 ? 4 : 0)];
  } else if ((data[0] & 0xC0) == 0xC0) {
    constexpr Root kBare[] = {Root::kTopic,      Root::kTextPara,     Root::kTextChapter, Root::kEmptyIndex,
                              Root::kEmptyBodyConcept, Root::kBareConcept, Root::kTitleMap, Root::kBareBook};
    s.root = kBare[(data[0] >> 2) & 7];
    s.bodyAside = s.root == Root::kBareConcept || s.root == Root::kBareBook;
    if (s.root != Root::kTopic) s.titleFromInput = false;
  } else if (((data[0] >> 3) & 3) == 2) {
    s.root = Root::kDataModule;
  }
  if (data[1] < 224)
    s.copies = 1 + data[1] % 8;
  else
    s.paragraphs = 100 + data[1] % 32;
  if (data[1] >= 128 && data[1] < 224) {
    const std::size_t n = kDitaPlaceholders.size(), choice = (data[1] >> 3) & 15;
    s.bodyOpening = Opening(static_cast<std::uint8_t>(choice % n + (choice / n % 2 ? 2 * n : 0)), kDitaPlaceholders);
    if (s.root == Root::kDataModule || s.root == Root::kMap) {
      constexpr int kCounts[] = {0, 1, 3, 25};
      const std::uint8_t third = size > 2 ? data[2] : 0;
      s.bytes = 3;
      s.module = static_cast<ModuleKind>(choice % 4);
      s.wrapper = s.root == Root::kDataModule ? static_cast<Wrapper>(choice / 4 % 3) : Wrapper::kNone;
      s.listed = kCounts[third % 4];
      s.opening = third / 4 % 4;
      s.listChoice = static_cast<std::uint8_t>(third / 16);
    }
    s.wrappedAsRead = s.wrapper != Wrapper::kNone;
    if (s.root == Root::kChapter || s.root == Root::kSection || s.root == Root::kAppendix ||
        s.root == Root::kRefEntry) {
      s.bytes = 3;
      s.meta = size > 2 ? data[2] : 0;
      s.metaProse = (data[1] >> 3) & 1;
    }
  }
  if (s.root == Root::kTitleMap) {
    s.copies = 1;
    s.paragraphs = 0;
    s.bodyOpening.clear();
    s.bookmap = data[1] & 1;
    s.mapMeta = data[1] & 2;
    s.titleForm = data[1] >> 2 & 3;
    s.entries = 25 + (data[1] >> 4);
    s.bytes = 3;
    s.titleChoice = size > 2 ? data[2] : 0;
  }
  return s;
}

// Just after the markup that begins at text[at] ('<'), where XML ends it:
// a CDATA section at "]]>", a comment at "-->", an instruction at "?>", a
// tag at the first '>' outside a quoted value; npos where it does not end.
std::size_t MarkupEnd(std::string_view text, std::size_t at) {
  const std::string_view rest = text.substr(at);
  std::string_view end;
  if (rest.starts_with(kCdata)) end = kCdataEnd;
  else if (rest.starts_with("<!--")) end = "-->";
  else if (rest.starts_with("<?")) end = "?>";
  if (!end.empty()) {
    const std::size_t found = text.find(end, at + 2);
    return found == std::string_view::npos ? found : found + end.size();
  }
  char quote = 0;
  for (std::size_t i = at + 1; i < text.size(); ++i) {
    if (quote) {
      if (text[i] == quote) quote = 0;
    } else if (text[i] == '"' || text[i] == '\'') {
      quote = text[i];
    } else if (text[i] == '>') {
      return i + 1;
    }
  }
  return std::string_view::npos;
}

// Where markup in `word` stands no deeper than the word itself, so that
// markup may go round what lies on either side: false inside a tag, a
// reference, a CDATA section, an element or a character's UTF-8 bytes.
std::vector<bool> OpenPlaces(std::string_view word) {
  std::vector<bool> open(word.size() + 1, false);
  int depth = 0;
  for (std::size_t i = 0; i <= word.size();) {
    open[i] = depth == 0 && (i == word.size() || (static_cast<unsigned char>(word[i]) & 0xC0) != 0x80);
    if (i == word.size()) break;
    if (word[i] == '<') {
      const std::size_t end = MarkupEnd(word, i);
      if (end == std::string_view::npos) return {};
      const char kind = word[i + 1];
      if (kind == '/') --depth;
      else if (kind != '?' && kind != '!' && word[end - 2] != '/') ++depth;
      if (depth < 0) return {};
      i = end;
    } else if (word[i] == '>') {
      return {};  // the end of markup that began in another word
    } else if (word[i] == '&') {
      const std::size_t end = word.find(';', i);
      i = end == std::string_view::npos ? i + 1 : end + 1;
    } else {
      ++i;
    }
  }
  if (depth != 0) return {};
  return open;
}

// Puts the markup of `wrap` round (or beside) a word, or part of one, of
// `words`. Leaves them as they are where it cannot go: a CDATA section
// round markup, a word whose markup does not close within it.
void ApplyWrap(const Wrap& wrap, std::vector<std::string>& words) {
  if (words.empty()) return;
  const bool cdata = std::string_view(wrap.open) == kCdata;
  if (wrap.target == Target::kAll) {
    std::string all;
    for (const std::string& w : words) all += (all.empty() ? "" : " ") + w;
    for (const std::string& w : words)
      if (OpenPlaces(w).empty() || (cdata && w.find('<') != std::string::npos)) return;
    words.assign(1, wrap.open + all + wrap.close);
    return;
  }
  const std::size_t k = wrap.target == Target::kFirst ? 0 : wrap.target == Target::kLast ? words.size() - 1
                                                                                           : words.size() / 2;
  std::string& word = words[k];
  const std::vector<bool> open = OpenPlaces(word);
  if (open.empty()) return;
  if (wrap.part == Part::kBefore) {
    word = wrap.open + word;
    return;
  }
  if (wrap.part == Part::kAfter) {
    word += wrap.open;
    return;
  }
  if (wrap.part == Part::kJoin) {
    if (words.size() < 2) return;
    const std::size_t first = k + 1 < words.size() ? k : k - 1;
    words[first] += wrap.open + words[first + 1];
    words.erase(words.begin() + static_cast<std::ptrdiff_t>(first) + 1);
    return;
  }
  // The part: after the last hyphen that stands open, else at the open
  // place nearest the middle; the whole word where there is none.
  std::size_t from = 0, to = word.size();
  if (wrap.part != Part::kWhole) {
    std::size_t cut = 0;
    for (std::size_t i = 1; i < word.size(); ++i)
      if (open[i] && word[i - 1] == '-') cut = i;
    const std::size_t middle = word.size() / 2;
    auto distance = [middle](std::size_t i) { return i > middle ? i - middle : middle - i; };
    for (std::size_t i = 1; i < word.size() && !(cut != 0 && word[cut - 1] == '-'); ++i)
      if (open[i] && (cut == 0 || distance(i) < distance(cut))) cut = i;
    if (cut != 0) (wrap.part == Part::kHead ? to : from) = cut;
  }
  const std::string inner = word.substr(from, to - from);
  if (cdata && inner.find('<') != std::string::npos) return;
  word = word.substr(0, from) + wrap.open + inner + wrap.close + word.substr(to);
}

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  for (std::size_t at = 0; at <= text.size();) {
    std::size_t blank = text.find(' ', at);
    if (blank == std::string_view::npos) blank = text.size();
    words.emplace_back(text.substr(at, blank - at));
    at = blank + 1;
  }
  return words;
}

// The markup of a block piece, whose parts the bytes after data[i] may
// choose (`i` moves past them), as the document's variant has it.
std::string BlockMarkup(const Piece& piece, const std::uint8_t* data, std::size_t size, std::size_t& i,
                        DocumentVariant variant) {
  std::uint8_t choice[2] = {};
  const int bytes = piece.kind == PieceKind::kBlock ? 0
                    : piece.kind == PieceKind::kCut || piece.kind == PieceKind::kRules ||
                            piece.kind == PieceKind::kExclaimed || piece.kind == PieceKind::kWiring ||
                            piece.kind == PieceKind::kExclaimedFirst || piece.kind == PieceKind::kRecords
                        ? 1
                        : 2;
  for (int k = 0; k < bytes; ++k) choice[k] = ++i < size ? data[i] : 0;
  switch (piece.kind) {
    case PieceKind::kCut: return CutParagraphs(choice[0]);
    case PieceKind::kProse: return ProseElements(choice[0], choice[1]);
    case PieceKind::kReferences: return ReferenceParagraphs(choice[0], choice[1]);
    case PieceKind::kOpenings: return OpeningParagraphs(choice[0], choice[1]);
    case PieceKind::kRules: return BusinessRules(choice[0]);
    case PieceKind::kActions: return ActionParagraphs(choice[0], choice[1]);
    case PieceKind::kSigned: return SignedParagraphs(choice[0], choice[1]);
    case PieceKind::kWritten: return WrittenParagraphs(choice[0], choice[1]);
    case PieceKind::kFirstWords: return FirstWordParagraphs(choice[0], choice[1]);
    case PieceKind::kExclaimed: return ExclaimedParagraphs(choice[0]);
    case PieceKind::kWiring: return WiringData(choice[0]);
    case PieceKind::kExclaimedFirst: return ExclaimedFirstBlocks(choice[0]);
    case PieceKind::kNeighbours: return NeighbourBlocks(choice[0], choice[1], variant);
    case PieceKind::kRecords: return RecordBlocks(choice[0], variant);
    default: return piece.text;
  }
}

// The blocks the pieces make (at most 200 pieces), as the document's
// variant has them; a block ends after `blockPieces` pieces.
std::vector<Block> BuildBlocks(const std::uint8_t* data, std::size_t size, std::size_t blockPieces,
                               DocumentVariant variant) {
  std::vector<Block> blocks(1);
  PieceKind lastKind = PieceKind::kParagraph;
  std::size_t inBlock = 0;
  std::vector<Wrap> wraps;  // for the next word piece
  for (std::size_t i = 0; i < size && i < 200; ++i) {
    // A byte from 192 up glues a word (one of the first 64 pieces) to the
    // word before it. One from kPieceCount up to 191 is an escape: the next
    // byte chooses a shape, whose words an odd escape glues to the word
    // before them.
    const bool escape = data[i] >= kPieceCount && data[i] < 192;
    const bool glue = escape ? (data[i] - kPieceCount) % 2 == 1 : data[i] >= 192;
    const Piece* shape = !escape ? &kPieces[(glue ? data[i] - 192u : data[i]) % kPieceCount]
                         : ++i < size ? &kShapes[data[i] % kShapeCount]
                                      : &kShapes[0];
    if (shape->kind == PieceKind::kMore) shape = &kMoreShapes[++i < size ? data[i] % kMoreShapeCount : 0];
    const Piece& piece = *shape;
    if (piece.kind >= PieceKind::kBlock) {
      // The paragraph ends, the block element stands, the next paragraph begins.
      blocks.push_back({PieceKind::kBlock, BlockMarkup(piece, data, size, i, variant)});
      blocks.push_back({PieceKind::kParagraph, ""});
      lastKind = PieceKind::kParagraph;
      inBlock = 0;
      wraps.clear();
      continue;
    }
    const bool ends = piece.kind == PieceKind::kParagraph || piece.kind == PieceKind::kSection ||
                      piece.kind == PieceKind::kTopic;
    if (ends || inBlock == blockPieces) {
      blocks.push_back({ends ? piece.kind : PieceKind::kParagraph, ""});
      lastKind = PieceKind::kParagraph;
      inBlock = 0;
      wraps.clear();
      if (ends) continue;
    }
    ++inBlock;
    if (piece.kind == PieceKind::kWrap) {
      if (wraps.size() < 3) wraps.push_back(piece.wrap);
      continue;
    }
    std::string text = piece.text;
    if (piece.kind == PieceKind::kWord || piece.kind == PieceKind::kCorrected) {
      std::vector<std::string> words = SplitWords(text);
      // No markup goes into markup that holds a blank ("<!-- c -->"), nor
      // round a probe the check reads, whose marker must stand round it alone.
      bool whole = text.find(kReadProbe) == std::string::npos && text.find(kReadVerbProbe) == std::string::npos;
      for (const std::string& w : words) whole = whole && !OpenPlaces(w).empty();
      for (const Wrap& w : wraps)
        if (whole) ApplyWrap(w, words);
      wraps.clear();
      text.clear();
      for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    }
    std::string& block = blocks.back().text;
    // Punctuation is glued to what stands before it; a word now and then
    // too ("the;valve", "abc&prod;glorp"); whatever follows an opening
    // touches it, but for a probe the check reads, which stays a word.
    const bool probeFirst = text[0] == kReadProbe || text[0] == kReadVerbProbe;
    const bool glued = piece.kind == PieceKind::kPunct || piece.kind == PieceKind::kJoining ||
                       (!probeFirst && (lastKind == PieceKind::kOpening || lastKind == PieceKind::kJoining)) ||
                       (piece.kind == PieceKind::kWord && lastKind == PieceKind::kWord && glue);
    if (!block.empty() && !glued) block += ' ';
    block += text;
    lastKind = piece.kind;
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

// Text that begins with the probe, which the check reads (`read`) or not;
// where it does not, neither does it read the probes the text holds.
std::string Probed(const std::string& text, bool read = true) {
  std::string probed = std::string(1, read ? kReadProbe : kUnreadProbe) + ". " + text;
  if (!read)
    for (char& c : probed) c = c == kReadProbe ? kUnreadProbe : c == kReadVerbProbe ? kUnreadVerbProbe : c;
  return probed;
}

// The root's name, as the document type names it.
const char* RootName(Root root) {
  switch (root) {
    case Root::kTopic: return "topic";
    case Root::kConcept:
    case Root::kBareConcept:
    case Root::kEmptyBodyConcept: return "concept";
    case Root::kTextPara: return "para";
    case Root::kTextChapter: return "chapter";
    case Root::kEmptyIndex: return "index";
    case Root::kReference: return "reference";
    case Root::kChapter: return "chapter";
    case Root::kSection: return "section";
    case Root::kAppendix: return "appendix";
    case Root::kRefEntry: return "refentry";
    case Root::kMap: return "map";
    case Root::kGlossEntry: return "glossentry";
    case Root::kDataModule: return "dmodule";
    case Root::kTitleMap: return "map";
    default: return "book";
  }
}

// Text that ends its sentence, for an element whose end ends none (a map's
// navigation title, a glossary term, a reference entry's name, a short
// description of many blocks): the probe after it opens a sentence, which
// the words before it would else share.
std::string Sentence(std::string text) {
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

// Places that a comparison of two checks needs, written as bytes no piece
// holds and taken out of the document (see Document::anchors): right after
// the list that opens a data module's content or a map, or the metadata
// before a DocBook root's text (or where it would stand); where a data
// module's content begins and ends (a DocBook root's text with metadata
// ends there too), and where the data module begins.
constexpr char kAfterListAnchor = '\x1C', kContentAnchor = '\x1D', kContentEndAnchor = '\x1E',
               kModuleAnchor = '\x1F';

// The short titles of a map of titles (see Layout::TitleEntries), as real
// maps write them, without a full stop: plain words, a verb and a phrase
// the rules replace, a verb that wants an article, a unit, "max", a
// contraction, "The" before a phrase, and one too long. Eleven, so that
// any step through them reaches each.
constexpr const char* kMapTitles[] = {
    "Features overview", "Smart navigation", "Utilize the pump", "Remove valve from the pump",
    "Prior to the test", "10 MM bolts", "Max pressure", "Don't stop the pump", "The kind of problem",
    "Turn on the valve",
    ("Remove the valve and the pump, then turn the cover slowly to the tool and set the plate and the bolt to the gap "
     "and remove the unit and the valve and the pump"),
};

// Where a title of such a map stands, for the document of it alone (see
// Layout::TitleAlone): a map's title, navigation title or link text in its
// own topicmeta; a topic reference's navigation title or link text; a
// bookmap's main title, a chapter's navigation title or link text.
enum class TitleKind {
  kMapTitle, kMapNavtitle, kMapLinktext, kNavtitle, kLinktext, kBookTitle, kChapterNavtitle, kChapterLinktext,
};
// The sentence right after that list (see Layout::Listing).
constexpr int kNoOpening = 0, kAtLimitOpening = 1, kTwinOpening = 2;

constexpr const char kDocBookRoot[] = " xmlns=\"http://docbook.org/ns/docbook\" version=\"5.0\">";

// Lays the blocks out in the document's root: paragraphs, section titles
// and nested topics (chapters and appendices in a book). In a root read
// whole, a section title opens a section beside the one open and a topic's
// title one inside it (a map's topic heads and topic references, whose
// paragraphs are topic references); a glossary entry's first block is its
// definition, the others notes and synonyms; a concept without a body holds
// its blocks in its short description; a book without a chapter has a
// preface and appendices; a data module's sections are levelled
// paragraphs or a procedure's steps, or faults reported, each titled by
// its description, and in a fault isolation each section and paragraph is
// a step's action, before the step's question. Every fourth paragraph of
// a DITA body stands in one of the elements read as paragraphs are, in
// turn (see kDitaProse).
class Layout {
 public:
  // From `shape`: the root; whether a root without its body names the
  // body's start tag where it starts nothing, in a comment (a concept) or
  // an instruction (a book); the placeholders that open each DITA body, if
  // any; what a data module's content holds, and where the module stands;
  // the list that opens a data module's content or a map (see Listing).
  Layout(const Shape& shape, const std::string& title)
      : root_(shape.root), bodyOpening_(shape.bodyOpening), shape_(shape) {
    const Root root = shape.root;
    const bool bodyAside = shape.bodyAside;
    switch (root) {
      case Root::kTopic:
        out_ = "<topic id=\"t\"><title>" + Probed(title) + "</title>";
        OpenBody("body");
        break;
      case Root::kConcept:
      case Root::kReference:
        out_ = root == Root::kConcept ? "<concept id=\"c\">" : "<reference id=\"r\">";
        FrontMatter(title);
        OpenBody(root == Root::kConcept ? "conbody" : "refbody");
        break;
      case Root::kBook:
      case Root::kLongBook:
        out_ = "<book xmlns=\"http://docbook.org/ns/docbook\" version=\"5.0\"><info><title>" + Probed(title, false) +
               "</title><author><personname>" + Probed("Writer", false) + "</personname></author><abstract><para>" +
               Probed("The pump.", false) + "</para></abstract>";
        if (root == Root::kLongBook) {
          out_ += "<keywordset>";
          for (int k = 0; k < 210; ++k) out_ += "<keyword>" + Probed("valve", false) + "</keyword>";
          out_ += "</keywordset>";
        }
        out_ += "</info><chapter xml:id=\"ch0\"><title>" + Probed("Fuzz") + "</title>";
        break;
      case Root::kChapter:
      case Root::kSection:
      case Root::kAppendix: {
        // With metadata: DocBook 5's in the info after the title, or
        // DocBook 4's own element (chapterinfo) before it.
        const std::string name = RootName(root), titled = "<title>" + Probed(title) + "</title>";
        if (shape.meta < 0)
          out_ = "<" + name + kDocBookRoot + titled;
        else if (shape.meta & 4)
          out_ = "<" + name + kDocBookRoot + "<info>" + titled + Metadata("") + "</info>" + kAfterListAnchor;
        else
          out_ = "<" + name + ">" + Metadata(name + "info") + kAfterListAnchor + titled;
        break;
      }
      case Root::kRefEntry:
        if (shape.meta < 0) {
          // The entry's name is a name, one placeholder: its probe is unread.
          out_ = std::string("<refentry") + kDocBookRoot + "<refnamediv><refname>" + Sentence(Probed(title, false)) +
                 "</refname><refpurpose>" + Probed("The pump.") + "</refpurpose></refnamediv>";
        } else {
          // A manual page as written: its metadata (DocBook 4's refentryinfo
          // or 5's info), the entry's title and section or not, its name and
          // its purpose without a full stop.
          const bool five = shape.meta & 4;
          out_ = std::string("<refentry") + (five ? kDocBookRoot : ">") + Metadata(five ? "info" : "refentryinfo") +
                 kAfterListAnchor +
                 (shape.meta & 0x10 ? "<refmeta><refentrytitle>glorp</refentrytitle><manvolnum>8</manvolnum></refmeta>"
                                    : "") +
                 "<refnamediv><refname>glorp</refname><refpurpose>Utilize the valve</refpurpose></refnamediv>";
        }
        OpenPart(PieceKind::kSection, "<refsection>", "</refsection>", "<title>" + Probed("Fuzz") + "</title>");
        break;
      case Root::kTitleMap:
        out_ = TitleEntries();
        break;
      case Root::kMap:
        out_ = "<map id=\"m\"><title>" + Probed(title) + "</title>" + Listing();
        break;
      case Root::kGlossEntry:
        out_ = "<glossentry id=\"g\"><glossterm>" + Sentence(Probed(title)) + "</glossterm>";
        break;
      case Root::kBareConcept:
        out_ = "<concept id=\"c\"><title>" + Probed(title) + "</title>" +
               (bodyAside ? "<!--<conbody><p>" + Probed("Utilize the pump.", false) + "</p></conbody>-->" : "") +
               "<shortdesc>";
        break;
      case Root::kBareBook:
        out_ = std::string("<book") + kDocBookRoot + "<info><title>" + Probed(title) +
               "</title><abstract><para>" + Probed("The pump.") + "</para></abstract></info>" +
               (bodyAside ? "<?old <chapter><para>" + Probed("Utilize the pump.", false) + "</para></chapter>?>" : "") +
               "<preface><title>" +
               Probed("Fuzz") + "</title>";
        part_ = "preface";
        break;
      case Root::kTextPara:
      case Root::kTextChapter:
        out_ = std::string("<") + RootName(root) + ">";
        break;
      case Root::kEmptyIndex:
        out_ = "<index/>";
        break;
      case Root::kEmptyBodyConcept:
        out_ = "<concept id=\"c\"><title>" + Probed(title, false) + "</title><shortdesc>";
        break;
      case Root::kDataModule: {
        out_ = kModuleAnchor + DataModuleStart(shape.wrappedAsRead ? "Cooling fan unit" : title, shape.wrappedAsRead) +
               "<content>" + kContentAnchor + Listing();
        const std::string first = ListingSentence(true) + Probed(title);
        switch (shape.module) {
          case ModuleKind::kDescription:
            out_ += "<description>";
            OpenPart(PieceKind::kSection, "<levelledPara>", "</levelledPara>", "<title>" + first + "</title>");
            break;
          case ModuleKind::kProcedure:
            // The preliminary requirements are not read.
            out_ += "<procedure><preliminaryRqmts><reqCondGroup><reqCondNoRef><reqCond>\x02 valve</reqCond>"
                    "</reqCondNoRef></reqCondGroup></preliminaryRqmts><mainProcedure>";
            OpenPart(PieceKind::kSection, "<proceduralStep>", "</proceduralStep>", "<title>" + first + "</title>");
            break;
          case ModuleKind::kFaultReport:
            out_ += "<faultReporting>";
            OpenPart(PieceKind::kSection, Fault(), "</fault>", FaultDescription(first));
            break;
          case ModuleKind::kFaultIsolation:
            out_ += "<faultIsolation><faultIsolationProcedure>" + FaultDescription(first) +
                    "<isolationProcedure><isolationMainProcedure>";
            break;
        }
        break;
      }
    }
  }

  void Add(const Block& b) {
    if (b.kind == PieceKind::kBlock) {
      AddBlockElement(b.text);
    } else if (Whole()) {
      AddWhole(b);
    } else if (b.kind == PieceKind::kTopic) {
      NewTopic(b.text);
    } else if (b.kind == PieceKind::kSection) {
      CloseSection();
      out_ += "<section><title>" + Probed(b.text) + "</title>";
      section_ = true;
    } else if (!Book()) {
      const Container& c = ++paragraphs_ % 4 == 0 ? kDitaProse[paragraphs_ / 4 % std::size(kDitaProse)]
                                                  : kDitaParagraph;
      out_ += c.open + Probed(b.text) + c.close;
    } else {
      DocBookParagraph(b.text);
    }
  }

  std::string Finish() {
    if (Whole()) {
      FinishWhole();
    } else if (Book()) {
      CloseSection();
      out_ += std::string("</") + (appendix_ ? "appendix" : "chapter") + "></book>";
    } else {
      CloseBody();
      while (!topics_.empty()) {
        out_ += "</" + topics_.back() + ">";
        topics_.pop_back();
      }
      out_ += root_ == Root::kTopic ? "</topic>" : root_ == Root::kConcept ? "</concept>" : "</reference>";
    }
    return out_;
  }

 private:
  bool Book() const { return root_ == Root::kBook || root_ == Root::kLongBook; }
  bool Whole() const { return root_ >= Root::kChapter; }

  // A block element between paragraphs, in the markup of the root's family
  // (`markup`: DITA's, '|', DocBook's, and where a data module's is its
  // own, '|' and that); the other roots hold none.
  void AddBlockElement(const std::string& markup) {
    const std::size_t bar = markup.find('|'), second = markup.find('|', bar + 1);
    if (root_ == Root::kDataModule)
      out_ += markup.substr((second == std::string::npos ? bar : second) + 1);
    else if (Book() || root_ == Root::kChapter || root_ == Root::kSection || root_ == Root::kAppendix ||
             root_ == Root::kRefEntry || root_ == Root::kBareBook)
      out_ += markup.substr(bar + 1, second - bar - 1);
    else if (!Whole())
      out_ += markup.substr(0, bar);
  }

  // Every third paragraph an item of a list (S1000D's in a data module).
  void DocBookParagraph(const std::string& text) {
    const bool s1000d = root_ == Root::kDataModule;
    const std::string item = s1000d ? "<listItem><para>" : "<listitem><simpara>",
                      end = s1000d ? "</para></listItem>" : "</simpara></listitem>";
    if (++paragraphs_ % 3 == 0)
      out_ += (s1000d ? "<randomList>" : "<itemizedlist spacing=\"compact\">") + item + Probed(text) + end + item +
              Probed("The valve.") + end + (s1000d ? "</randomList>" : "</itemizedlist>");
    else
      out_ += "<para>" + Probed(text) + "</para>";
  }

  // In a root read whole: a section beside the one open, or (for a topic's
  // title) inside it, up to three deep.
  void OpenPart(PieceKind kind, const std::string& open, const std::string& close, const std::string& titled) {
    if ((kind != PieceKind::kTopic || parts_.size() >= 3) && !parts_.empty()) {
      out_ += parts_.back();
      parts_.pop_back();
    }
    out_ += open + titled;
    parts_.push_back(close);
  }

  void CloseParts() {
    for (; !parts_.empty(); parts_.pop_back()) out_ += parts_.back();
  }

  static std::string NavTitle(const std::string& text) {
    return "<topicmeta><navtitle>" + Sentence(Probed(text)) + "</navtitle></topicmeta>";
  }

  void AddWhole(const Block& b) {
    const bool paragraph = b.kind == PieceKind::kParagraph;
    switch (root_) {
      case Root::kTitleMap:
        if (shape_.bookmap) {
          BookmapEntry(b);
          break;
        }
        [[fallthrough]];
      case Root::kMap:
        if (paragraph)
          out_ += "<topicref href=\"t" + std::to_string(++paragraphs_) + ".dita\">" + NavTitle(b.text) +
                  "</topicref>";
        else if (b.kind == PieceKind::kSection)
          OpenPart(b.kind, "<topichead>", "</topichead>", NavTitle(b.text));
        else
          OpenPart(b.kind, "<topicref href=\"n" + std::to_string(++topicCount_) + ".dita\">", "</topicref>",
                   NavTitle(b.text));
        break;
      case Root::kGlossEntry:
        if (!glossBody_) {
          out_ += "<glossdef>" + Sentence(Probed(b.text)) + "</glossdef><glossBody>";
          glossBody_ = true;
        } else if (paragraph) {
          out_ += "<note>" + Probed(b.text) + "</note>";
        } else {
          out_ += "<glossAlt><glossSynonym>" + Sentence(Probed(b.text)) + "</glossSynonym></glossAlt>";
        }
        break;
      case Root::kBareConcept:
        if (paragraphs_++ > 0) out_ += ' ';
        out_ += Sentence(Probed(b.text));
        break;
      // Text right in the root, whose last sentence has no end; nothing in
      // an index; the words a concept's empty body does not hold.
      case Root::kTextPara:
      case Root::kTextChapter:
      case Root::kEmptyBodyConcept:
        if (!pending_.empty()) out_ += Sentence(pending_) + ' ';
        pending_ = Probed(b.text, root_ != Root::kEmptyBodyConcept);
        break;
      case Root::kEmptyIndex:
        break;
      default:
        if (root_ == Root::kDataModule && shape_.module == ModuleKind::kFaultIsolation) {
          // A section's title, then a sentence at the limit that the action's end must end.
          IsolationStep(paragraph ? Probed(b.text) : Sentence(Probed(b.text)) + ' ' + Probed(kAtTheLimit));
        } else if (root_ == Root::kDataModule && shape_.module == ModuleKind::kFaultReport && !paragraph) {
          OpenPart(PieceKind::kSection, Fault(), "</fault>", FaultDescription(Probed(b.text)));
        } else if (paragraph) {
          DocBookParagraph(b.text);
        } else if (root_ == Root::kBareBook && b.kind == PieceKind::kTopic) {
          CloseParts();
          out_ += "</" + part_ + "><appendix><title>" + Probed(b.text) + "</title>";
          part_ = "appendix";
        } else {
          const std::string part = root_ == Root::kRefEntry ? "refsection"
                                   : root_ != Root::kDataModule ? "section"
                                   : shape_.module == ModuleKind::kProcedure ? "proceduralStep"
                                                                             : "levelledPara";
          OpenPart(b.kind, "<" + part + ">", "</" + part + ">", "<title>" + Probed(b.text) + "</title>");
        }
        break;
    }
  }

  void FinishWhole() {
    CloseParts();
    switch (root_) {
      case Root::kMap:
        if (shape_.opening == kTwinOpening) out_ += MapEntry(Sentence(Probed(ListingSentence(false))));
        out_ += "</map>";
        break;
      case Root::kTitleMap: out_ += shape_.bookmap ? "</bookmap>" : "</map>"; break;
      case Root::kGlossEntry: out_ += glossBody_ ? "</glossBody></glossentry>" : "</glossentry>"; break;
      case Root::kBareConcept: out_ += "</shortdesc></concept>"; break;
      case Root::kBareBook: out_ += "</" + part_ + "></book>"; break;
      case Root::kEmptyIndex: break;
      case Root::kEmptyBodyConcept: out_ += pending_ + "</shortdesc><conbody><p/></conbody></concept>"; break;
      case Root::kTextPara:
      case Root::kTextChapter: out_ += pending_ + "</" + RootName(root_) + ">"; break;
      case Root::kDataModule:
        switch (shape_.module) {
          case ModuleKind::kDescription: out_ += "</description>"; break;
          case ModuleKind::kProcedure: out_ += "</mainProcedure></procedure>"; break;
          case ModuleKind::kFaultReport: out_ += "</faultReporting>"; break;
          case ModuleKind::kFaultIsolation:
            out_ += "<isolationProcedureEnd id=\"end-0001\"><action>\x01. Stop the pump.</action>"
                    "</isolationProcedureEnd></isolationMainProcedure></isolationProcedure>"
                    "</faultIsolationProcedure></faultIsolation>";
            break;
        }
        if (shape_.opening == kTwinOpening) out_ += "<para>" + Probed(ListingSentence(false)) + "</para>";
        out_ += kContentEndAnchor + std::string("</content></dmodule>");
        break;
      default:
        if (shape_.meta >= 0) out_ += kContentEndAnchor;
        out_ += std::string("</") + RootName(root_) + ">";
        break;
    }
  }

  // The list that opens a data module's content (refs of dmRef, pmRef and
  // externalPubRef references; none: an empty one) or comes first in a map
  // (key definitions of keywords; none: one that defines a file), or
  // nothing; then the anchor after it, where it stands or would stand, and
  // in a map the entry whose navigation title holds the sentence after it
  // (see ListingSentence). Its references and definitions hold probes that
  // must get no marker.
  std::string Listing() const {
    static const std::string kKeyDefinitions[] = {
        "<keydef keys=\"prod\"><topicmeta><keywords><keyword>\x02 pump</keyword></keywords></topicmeta></keydef>",
        "<keydef keys=\"tool\" processing-role=\"resource-only\"><topicmeta><keywords><keyword>\x02</keyword>"
        "<keyword>Glorp</keyword></keywords></topicmeta></keydef>",
        "<keydef keys=\"site\" href=\"https://example.org\" scope=\"external\" format=\"html\"><topicmeta>"
        "<keywords><keyword>\x02 site</keyword></keywords></topicmeta></keydef>",
    };
    const bool map = root_ == Root::kMap;
    std::string list;
    if (shape_.listed == 0) list = map ? "<keydef keys=\"img\" href=\"a.png\" format=\"png\"/>" : "<refs/>";
    for (int k = 0; k < shape_.listed; ++k) {
      const std::size_t at = shape_.listChoice + static_cast<std::size_t>(k);
      list += map ? kKeyDefinitions[at % std::size(kKeyDefinitions)] : kReferences[at % 6];
    }
    if (shape_.listed > 0 && !map) list = "<refs>" + list + "</refs>";
    const std::string sentence = ListingSentence(true);
    // A probe the check does not read stands first, so that no other
    // sentence lies between the probe before the sentence and its own.
    return (sentence.empty() ? "" : "<!-- \x02 -->") + list + kAfterListAnchor +
           (map && !sentence.empty() ? MapEntry(sentence) : "");
  }

  // The sentence right after that list that the shape chooses, with a blank
  // after it (`first`), or its twin: none (the probe of the first title,
  // description or navigation title opens the text after the list); one
  // just within the limit, which one word more makes too long; one that
  // opens with a placeholder, too long, whose twin closes the content or
  // the map (a paragraph or an entry of its own, first in it), or within the
  // limit. In a data module it opens the first title or description, whose
  // start ends no sentence, as a paragraph's does.
  std::string ListingSentence(bool first) const {
    if (first && shape_.opening == kNoOpening) return {};
    if (first && shape_.opening == kAtLimitOpening) return kAtTheLimit + ". ";
    const std::vector<std::string>& marks = root_ == Root::kMap ? kDitaPlaceholders : kS1000DPlaceholders;
    const std::string& mark = marks[shape_.listChoice % marks.size()];
    return shape_.opening == kTwinOpening
               ? mark + ' ' + kTwinLengthProbe + ' ' + kFirstHalf + kFirstHalfEnd + (first ? ". " : ".")
               : mark + ' ' + kShortSentenceProbe + ' ' + kFirstHalf + ". ";
  }

  static std::string MapEntry(const std::string& sentence) {
    return "<topicref href=\"o.dita\"><topicmeta><navtitle>" + sentence + "</navtitle></topicmeta></topicref>";
  }

  // A fault reported, and its description (whose end ends no sentence).
  std::string Fault() { return "<fault faultCode=\"ZQ-" + std::to_string(++faults_) + "\">"; }
  static std::string FaultDescription(const std::string& text) {
    return "<faultDescr><descr>" + Sentence(text) + "</descr></faultDescr>";
  }

  // A fault isolation step whose action holds `text`, which its end ends.
  void IsolationStep(const std::string& text) {
    out_ += "<isolationStep id=\"stp-" + std::to_string(++steps_) + "\"><action>" + text +
            "</action><isolationStepQuestion>\x01. Is the valve open?</isolationStepQuestion><isolationStepAnswer>"
            "<yesNoAnswer><yesAnswer nextActionRefId=\"end-0001\"/><noAnswer nextActionRefId=\"end-0001\"/>"
            "</yesNoAnswer></isolationStepAnswer></isolationStep>";
  }

  // A title, short description and prolog, which the check does not read.
  void FrontMatter(const std::string& title) {
    out_ += "<title>" + Probed(title, false) + "</title><shortdesc>" + Probed("The pump.", false) +
            "</shortdesc><prolog><author>" + Probed("Writer", false) + "</author><metadata><keywords><indexterm>" +
            Probed("valve", false) + "</indexterm></keywords></metadata></prolog>";
  }

  // A body whose text opens with placeholders (a concept's or a
  // reference's is the first of the text the check reads) opens with a
  // sentence too long only as they count as its words, and ends with it
  // again (see kTwinLengthProbe).
  void OpenBody(const std::string& name) {
    body_ = name;
    out_ += "<" + name + ">";
    // A reference's body holds sections.
    if (name == "refbody") out_ += "<section>";
    section_ = name == "refbody";
    if (!bodyOpening_.empty()) out_ += "<p>" + OpeningSentence() + "</p>";
  }

  std::string OpeningSentence() const {
    return bodyOpening_ + ' ' + kTwinLengthProbe + ' ' + kFirstHalf + kFirstHalfEnd + '.';
  }

  void CloseSection() {
    if (section_) out_ += "</section>";
    section_ = false;
  }

  // A topic's related links follow its body; in a concept or a reference
  // they are not read.
  void CloseBody() {
    if (!body_.empty() && !bodyOpening_.empty()) out_ += "<p>" + Probed(OpeningSentence()) + "</p>";
    CloseSection();
    if (!body_.empty()) {
      out_ += "</" + body_ + ">";
      if (root_ != Root::kTopic)
        out_ += "<related-links><link href=\"x.dita\"><linktext>" + Probed("valve", false) +
                "</linktext></link></related-links>";
    }
    body_.clear();
  }

  // Every third topic in a book is an appendix, the others chapters. In
  // DITA, every third topic nests in the one before, the others in the
  // root; they are concepts, references and topics in turn. A topic's
  // nested topics are read whole, with their titles; other roots read
  // their nested topics' bodies only.
  void NewTopic(const std::string& title) {
    ++topicCount_;
    if (Book()) {
      CloseSection();
      out_ += std::string("</") + (appendix_ ? "appendix" : "chapter") + ">";
      appendix_ = topicCount_ % 3 == 0;
      out_ += std::string("<") + (appendix_ ? "appendix" : "chapter") + " xml:id=\"ch" +
              std::to_string(topicCount_) + "\"><title>" + Probed(title) + "</title>";
      return;
    }
    CloseBody();
    const std::size_t depth = topicCount_ % 3 == 2 && topics_.size() < 3 ? topics_.size() + 1 : 1;
    while (topics_.size() >= depth) {
      out_ += "</" + topics_.back() + ">";
      topics_.pop_back();
    }
    static constexpr const char* kNames[] = {"concept", "reference", "topic"};
    static constexpr const char* kBodies[] = {"conbody", "refbody", "body"};
    const std::size_t kind = topicCount_ % 3;
    topics_.push_back(kNames[kind]);
    out_ += std::string("<") + kNames[kind] + " id=\"n" + std::to_string(topicCount_) + "\">";
    if (root_ == Root::kTopic)
      out_ += "<title>" + Probed(title) + "</title>";
    else
      FrontMatter(title);
    OpenBody(kBodies[kind]);
  }

  // A data module's start tag and what stands before its content: the
  // Dublin Core description, the identification (its technical name
  // `techName`) and the status, with a copyright paragraph too long and a
  // reason for update that holds a verb the rules replace; their text is
  // words where `words` (a module in a publication module, and alone in
  // the comparison), else each opens with a probe that must get no marker.
  static std::string DataModuleStart(const std::string& techName, bool words) {
    auto ident = [words](const std::string& text) { return words ? text : Probed(text, false); };
    const std::string infoName = "Description of how it is made";
    return "<dmodule xmlns:dc=\"http://www.purl.org/dc/elements/1.1/\" "
           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"http://www.s1000d.org/S1000D_4-1/xml_schema_flat/descript.xsd\">"
           "<rdf:Description><dc:title>" + ident(techName + " - " + infoName) + "</dc:title><dc:creator>" +
           ident("Acme") + "</dc:creator><dc:date>2024-01-01</dc:date><dc:format>" + ident("text/xml") +
           "</dc:format><dc:identifier>ZQ-A-D00-00-00-00A-520A-A_001-00_EN-US</dc:identifier><dc:language>" +
           ident("en-US") + "</dc:language><dc:rights>01</dc:rights></rdf:Description>"
           "<identAndStatusSection><dmAddress><dmIdent>" + kDmCode +
           "<language languageIsoCode=\"en\" countryIsoCode=\"US\"/><issueInfo issueNumber=\"001\" "
           "inWork=\"00\"/></dmIdent><dmAddressItems><issueDate year=\"2024\" month=\"01\" "
           "day=\"01\"/><dmTitle><techName>" + ident(techName) + "</techName><infoName>" + ident(infoName) +
           "</infoName></dmTitle></dmAddressItems></dmAddress><dmStatus issueType=\"new\"><security "
           "securityClassification=\"01\"/><dataRestrictions><restrictionInfo><copyright><copyrightPara>" +
           ident("This material is provided \"As is\" and neither the maker nor any person who has contributed to "
                 "the making of it can be held liable for the merchantability of it in any way at all.") +
           "</copyrightPara></copyright></restrictionInfo></dataRestrictions><responsiblePartnerCompany>"
           "<enterpriseName>" + ident("Acme") + "</enterpriseName></responsiblePartnerCompany><applic><displayText>"
           "<simplePara>" + ident("All") + "</simplePara></displayText></applic><qualityAssurance><unverified/>"
           "</qualityAssurance><reasonForUpdate id=\"rfu-0001\" updateReasonType=\"urt02\"><simplePara>" +
           ident("Utilize the new pump") + "</simplePara></reasonForUpdate></dmStatus></identAndStatusSection>";
  }

  // Metadata before a DocBook root's text, as the shape's third byte
  // chooses (see InfoParts), with prose where the shape says; inside
  // `container` where one is named; nothing in the comparison without it.
  std::string Metadata(const std::string& container) const {
    if (shape_.metaLeftOut) return {};
    const std::string parts = InfoParts(shape_.meta, shape_.metaProse, container == "refentryinfo");
    return container.empty() ? parts : "<" + container + ">" + parts + "</" + container + ">";
  }

  // A map's title or a bookmap's main title, the map's own topicmeta (a
  // navigation title, a link text and keywords) or a bookmap's bookmeta (an
  // author and keywords) where the shape asks, then its entries (topic
  // references, a bookmap's chapters), each titled by a navigation title, a
  // link text, both, or a navigation title with an entry inside it that
  // has a link text, as the shape chooses; the titles from kMapTitles, from
  // where the shape says on, in steps it says. Each title stands between
  // its places (see kTitleStart), and the document of it alone is kept for
  // the comparison (see TitleAlone).
  std::string TitleEntries() {
    constexpr std::size_t kCount = std::size(kMapTitles);
    const bool book = shape_.bookmap;
    const std::size_t step = 1 + shape_.titleChoice / kCount % (kCount - 1);
    std::size_t next = shape_.titleChoice;
    auto title = [&](TitleKind kind) {
      const std::string text = kMapTitles[next % kCount];
      next += step;
      titlesAlone_.push_back(TitleAlone(kind, text));
      return kTitleStart + text + kTitleEnd;
    };
    std::string out = book ? "<bookmap id=\"b\"><booktitle><mainbooktitle>" + title(TitleKind::kBookTitle) +
                                 "</mainbooktitle></booktitle>"
                           : "<map id=\"m\"><title>" + title(TitleKind::kMapTitle) + "</title>";
    if (shape_.mapMeta && book)
      out += "<bookmeta><author>Anna Smith</author><keywords><keyword>\x02 pump</keyword></keywords></bookmeta>";
    else if (shape_.mapMeta)
      out += "<topicmeta><navtitle>" + title(TitleKind::kMapNavtitle) + "</navtitle><linktext>" +
             title(TitleKind::kMapLinktext) + "</linktext><keywords><keyword>\x02 pump</keyword></keywords></topicmeta>";
    const std::string element = book ? "chapter" : "topicref";
    const TitleKind navtitle = book ? TitleKind::kChapterNavtitle : TitleKind::kNavtitle,
                    linktext = book ? TitleKind::kChapterLinktext : TitleKind::kLinktext;
    for (int k = 0; k < shape_.entries; ++k) {
      out += "<" + element + " href=\"e" + std::to_string(k) + ".dita\"><topicmeta>";
      switch (shape_.titleForm) {
        case 0: out += "<navtitle>" + title(navtitle) + "</navtitle></topicmeta>"; break;
        case 1: out += "<linktext>" + title(linktext) + "</linktext></topicmeta>"; break;
        case 2:
          out += "<navtitle>" + title(navtitle) + "</navtitle><linktext>" + title(linktext) + "</linktext></topicmeta>";
          break;
        default:
          out += "<navtitle>" + title(navtitle) + "</navtitle></topicmeta><topicref href=\"f" + std::to_string(k) +
                 ".dita\"><topicmeta><linktext>" + title(TitleKind::kLinktext) + "</linktext></topicmeta></topicref>";
          break;
      }
      out += "</" + element + ">";
    }
    return out;
  }

  // A document of the title `text` alone where the kind says, between its
  // places: what the title gets there, it gets among others.
  static std::string TitleAlone(TitleKind kind, const std::string& text) {
    const std::string t = kTitleStart + text + kTitleEnd;
    const std::string map = "<?xml version=\"1.0\"?>\n<!DOCTYPE map PUBLIC \"-//OASIS//DTD DITA Map//EN\" "
                            "\"map.dtd\">\n<map id=\"m\">",
                      bookmap = "<?xml version=\"1.0\"?>\n<!DOCTYPE bookmap PUBLIC \"-//OASIS//DTD DITA BookMap//EN\" "
                                "\"bookmap.dtd\">\n<bookmap id=\"b\">";
    switch (kind) {
      case TitleKind::kMapTitle: return map + "<title>" + t + "</title></map>\n";
      case TitleKind::kMapNavtitle: return map + "<topicmeta><navtitle>" + t + "</navtitle></topicmeta></map>\n";
      case TitleKind::kMapLinktext: return map + "<topicmeta><linktext>" + t + "</linktext></topicmeta></map>\n";
      case TitleKind::kNavtitle:
        return map + "<topicref href=\"a.dita\"><topicmeta><navtitle>" + t + "</navtitle></topicmeta></topicref></map>\n";
      case TitleKind::kLinktext:
        return map + "<topicref href=\"a.dita\"><topicmeta><linktext>" + t + "</linktext></topicmeta></topicref></map>\n";
      case TitleKind::kBookTitle:
        return bookmap + "<booktitle><mainbooktitle>" + t + "</mainbooktitle></booktitle></bookmap>\n";
      case TitleKind::kChapterNavtitle:
        return bookmap + "<chapter href=\"a.dita\"><topicmeta><navtitle>" + t + "</navtitle></topicmeta></chapter></bookmap>\n";
      case TitleKind::kChapterLinktext:
        return bookmap + "<chapter href=\"a.dita\"><topicmeta><linktext>" + t + "</linktext></topicmeta></chapter></bookmap>\n";
    }
    return {};
  }

  // A block of a bookmap of titles: a paragraph an entry with its
  // navigation title (a chapter, or a topic reference inside the chapter
  // open), a section title a chapter, a topic's title an entry inside the
  // one open.
  void BookmapEntry(const Block& b) {
    const std::string href = " href=\"b" + std::to_string(++paragraphs_) + ".dita\">";
    if (b.kind == PieceKind::kParagraph) {
      const std::string element = parts_.empty() ? "chapter" : "topicref";
      out_ += "<" + element + href + NavTitle(b.text) + "</" + element + ">";
    } else if (b.kind == PieceKind::kSection || parts_.empty()) {
      CloseParts();
      OpenPart(PieceKind::kSection, "<chapter" + href, "</chapter>", NavTitle(b.text));
    } else {
      OpenPart(PieceKind::kTopic, "<topicref" + href, "</topicref>", NavTitle(b.text));
    }
  }

 public:
  // The documents of the titles alone, in the order they stand.
  const std::vector<std::string>& TitlesAlone() const { return titlesAlone_; }

 private:
  Root root_;
  std::string bodyOpening_;          // the placeholders that open each DITA body, if any
  std::string out_;
  std::string body_;                 // the body open now, if any
  bool section_ = false;             // a section is open in it
  bool appendix_ = false;            // the book's last part is an appendix
  int topicCount_ = 0;
  int paragraphs_ = 0;
  std::vector<std::string> topics_;  // the nested topics open now
  std::vector<std::string> parts_;   // in a root read whole: the end tags of the sections open now
  std::string part_;                 // a book without a chapter: its last part, a preface or an appendix
  bool glossBody_ = false;           // a glossary entry's definition is written, its body open
  std::string pending_;              // a root of text: its last sentence, written without its end
  const Shape& shape_;               // what the document holds, and where
  int faults_ = 0;                   // a data module's faults reported
  int steps_ = 0;                    // a data module's fault isolation steps
  std::vector<std::string> titlesAlone_;  // a map of titles: each title's document alone (see TitleAlone)
};

// The declarations of the typesetting entities `body` refers to (the
// shapes write fractions, signs and dashes by name too).
std::string TypesetEntities(const std::string& body) {
  static constexpr const char* kEntities[][2] = {
      {"frac14", "&#188;"}, {"frac12", "&#189;"}, {"frac34", "&#190;"},
      {"ndash", "&#8211;"}, {"times", "&#215;"},  {"plusmn", "&#177;"},
  };
  std::string declarations;
  for (const auto& [name, text] : kEntities)
    if (body.find(std::string("&") + name + ";") != std::string::npos)
      declarations += std::string("<!ENTITY ") + name + " \"" + text + "\">";
  return declarations;
}

// The names the shapes write as references that the tokenizer's table does
// not know; the declared ones are declared where `body` refers to them, the
// others are left to a DTD the document does not name or have.
struct NamedEntity {
  const char* name;
  const char* text;  // nullptr: not declared
};
constexpr NamedEntity kEntityNames[] = {
    {"masq-gw", "masquerading gateway"}, {"booth.conf", "booth.conf"}, {"linux_qdisc", "qdisc"},
    {"param-rate", "rate"}, {"db:x", "x"}, {"eth0", "eth0"}, {"Pump-X2", "Pump X2"},
    {"linux-qdisc", nullptr}, {"nfs.mount", nullptr}, {"sys_v2", nullptr}, {"db:y", nullptr},
    {"x86-64.ko", nullptr}, {"_tmp", nullptr}, {"Masq.GW", nullptr},
    // a dictionary word joined by '-' to another: a plain one, one the rules replace, one no dictionary holds
    {"pump-valve", "pump valve"}, {"valve-shut", "valve shut"}, {"tool-utilize", nullptr}, {"unit-glorp", nullptr},
};

std::string NameEntities(const std::string& body) {
  std::string declarations;
  for (const auto& [name, text] : kEntityNames)
    if (text && body.find(std::string("&") + name + ";") != std::string::npos)
      declarations += std::string("<!ENTITY ") + name + " \"" + text + "\">";
  return declarations;
}

// A document that `block`, an element checked alone too (see Checked),
// opens as `kind` says, between the places kBlockStart and kBlockEnd: a
// DITA concept's body ('d'; its title is not read) or a topic's title
// ('t'), a DocBook chapter's first paragraph ('b') or its title ('c'), a
// data module's levelled paragraph's first paragraph ('s') or its title
// ('u'), a plain paragraph after a title; empty for any other kind.
std::string FirstInDocument(char kind, const std::string& block) {
  const std::string marked = kBlockStart + block + kBlockEnd;
  const std::string head = "<?xml version=\"1.0\"?>\n<!DOCTYPE ";
  const std::string module = "dmodule>\n<dmodule><content><description><levelledPara>",
                    moduleEnd = "</levelledPara></description></content></dmodule>\n";
  const std::string plainPara = std::string("<para>") + kPlain + "</para>";
  switch (kind) {
    case 'd':
      return head + "concept PUBLIC \"-//OASIS//DTD DITA Concept//EN\" \"concept.dtd\">\n<concept id=\"c\"><title>"
             "Pump</title><conbody>" + marked + "</conbody></concept>\n";
    case 't': return head + "topic>\n<topic id=\"t\">" + marked + "<body><p>" + kPlain + "</p></body></topic>\n";
    case 'b': return head + "chapter>\n<chapter" + kDocBookRoot + marked + "</chapter>\n";
    case 'c': return head + "chapter>\n<chapter" + kDocBookRoot + marked + plainPara + "</chapter>\n";
    case 's': return head + module + marked + moduleEnd;
    case 'u': return head + module + marked + plainPara + moduleEnd;
    default: return {};
  }
}

struct Document {
  std::string xml;
  std::vector<ProbeWord> probes;  // in document order
  Shape shape;
  // Where kAfterListAnchor, kContentAnchor, kContentEndAnchor and
  // kModuleAnchor stood in `xml`; npos where they did not.
  std::size_t anchors[4] = {std::string::npos, std::string::npos, std::string::npos, std::string::npos};
  // Where the places of record fields (start, end), of sentences whose
  // first words are compared (start, end of the first words, end; a long
  // one and its short twin one after the other) and of titles (start, end)
  // stood in `xml`, in order.
  std::vector<std::size_t> fields, sentences, titles;
  std::vector<std::string> titlesAlone;  // each title's document alone (see Layout::TitleAlone)
  // Where each block that is checked alone too (see Checked) stood in
  // `xml` (start, end), in order; its id; the document it opens, between
  // the places kBlockStart and kBlockEnd (see FirstInDocument), or none.
  std::vector<std::size_t> blocks;
  std::vector<std::string> blockIds, blocksFirst;
};

// A publication module whose entry holds `module`, a data module, whole or
// in its dmContent.
std::string InPublicationModule(const std::string& module, Wrapper wrapper) {
  const std::string held = wrapper == Wrapper::kDmContent ? "<dmContent>" + module + "</dmContent>" : module;
  return "<pm><identAndStatusSection><pmAddress><pmIdent><pmCode modelIdentCode=\"ZQ\" pmIssuer=\"12345\" "
         "pmNumber=\"00001\" pmVolume=\"00\"/><language languageIsoCode=\"en\" countryIsoCode=\"US\"/><issueInfo "
         "issueNumber=\"001\" inWork=\"00\"/></pmIdent><pmAddressItems><issueDate year=\"2024\" month=\"01\" "
         "day=\"01\"/><pmTitle>Fuel pump manual.</pmTitle></pmAddressItems></pmAddress><pmStatus issueType=\"new\">"
         "<security securityClassification=\"01\"/><responsiblePartnerCompany><enterpriseName>Acme</enterpriseName>"
         "</responsiblePartnerCompany><qualityAssurance><unverified/></qualityAssurance></pmStatus>"
         "</identAndStatusSection><content><pmEntry><pmEntryTitle>Fuel pump.</pmEntryTitle>" + held +
         "</pmEntry></content></pm>";
}

Document BuildDocument(const std::uint8_t* data, std::size_t size,
                       DocumentVariant variant = DocumentVariant::kAsShaped) {
  Shape shape = ReadShape(data, size);
  if (variant == DocumentVariant::kWithoutList) shape.listed = -1, shape.metaLeftOut = true;
  if (variant == DocumentVariant::kAlone) shape.wrapper = Wrapper::kNone;
  const std::size_t pieces = size >= shape.bytes ? size - shape.bytes : 0;
  // The paragraphs of a long body are short, so that each input runs fast.
  std::vector<Block> blocks =
      BuildBlocks(data + (size - pieces), pieces, shape.paragraphs ? 12 : std::size_t(-1), variant);
  std::string title = "Fuzz";
  if (shape.titleFromInput) {
    title = blocks.front().text;
    blocks.erase(blocks.begin());
  }
  const std::size_t total = shape.paragraphs ? static_cast<std::size_t>(shape.paragraphs)
                                             : blocks.size() * static_cast<std::size_t>(shape.copies);
  Layout layout(shape, title);
  for (std::size_t k = 0; k < total && !blocks.empty(); ++k) {
    // Each round of the blocks starts one block further on: the same words
    // stand in many paragraphs, next to other ones.
    const std::size_t round = k / blocks.size();
    layout.Add(blocks[(k + round) % blocks.size()]);
  }
  // DITA's document types come with their public identifiers, as editors
  // write them (the DTD is not at hand).
  const Root root = shape.root;
  const bool bookmap = root == Root::kTitleMap && shape.bookmap;
  const char* externalId = bookmap ? " PUBLIC \"-//OASIS//DTD DITA BookMap//EN\" \"bookmap.dtd\""
                           : root == Root::kMap || root == Root::kTitleMap ? " PUBLIC \"-//OASIS//DTD DITA Map//EN\" \"map.dtd\""
                           : root == Root::kGlossEntry ? " PUBLIC \"-//OASIS//DTD DITA Glossary//EN\" \"glossary.dtd\""
                           : root == Root::kBareConcept || root == Root::kEmptyBodyConcept
                               ? " PUBLIC \"-//OASIS//DTD DITA Concept//EN\" \"concept.dtd\""
                               : "";
  std::string declaration = "<?xml version=\"1.0\"";
  if (shape.declared) declaration += std::string(" encoding=\"") + shape.declared + "\"";
  const bool wrapped = shape.wrapper != Wrapper::kNone;
  const std::string body = wrapped ? InPublicationModule(layout.Finish(), shape.wrapper) : layout.Finish();
  Document doc;
  doc.shape = shape;
  doc.titlesAlone = layout.TitlesAlone();
  doc.xml = declaration + "?>\n<!DOCTYPE " + (wrapped ? "pm" : bookmap ? "bookmap" : RootName(root)) + externalId +
            " [<!ENTITY prod \"Fuel Pump\"><!ENTITY lowbar \"_\"><!ENTITY iuml \"&#xEF;\">"
            "<!ENTITY eacute \"&#xE9;\"><!ENTITY reg \"&#174;\">" +
            TypesetEntities(body) + NameEntities(body) + "]>\n" + body + "\n";
  std::string xml;
  // Where the text up to here ends once in the document's encoding; the
  // anchors stand between characters.
  std::size_t encoded = 0, encodedUpTo = 0;
  auto place = [&]() {
    encoded += Encode(xml.substr(encodedUpTo), shape.encoding).size();
    encodedUpTo = xml.size();
    return encoded;
  };
  std::size_t blockFrom = 0;  // where the block open now begins in `xml`
  char opens = '-';           // the document it opens
  for (std::size_t i = 0; i < doc.xml.size(); ++i) {
    const char c = doc.xml[i];
    if (const ProbeWord* probe = ProbeFor(c)) {
      doc.probes.push_back(*probe);
      for (std::size_t at = xml.find(probe->text); probe->shared && at != std::string::npos;
           at = xml.find(probe->text, at + probe->text.size()))
        ++doc.probes.back().copiesBefore;
      xml += probe->text;
    } else if (c == kAfterListAnchor || c == kContentAnchor || c == kContentEndAnchor || c == kModuleAnchor) {
      doc.anchors[c - kAfterListAnchor] = place();
    } else if (c == kFieldStart || c == kFieldEnd) {
      doc.fields.push_back(place());
    } else if (c == kSentenceStart || c == kOpeningEnd || c == kSentenceEnd) {
      doc.sentences.push_back(place());
    } else if (c == kTitleStart || c == kTitleEnd) {
      doc.titles.push_back(place());
    } else if (c == kBlockStart) {
      doc.blocks.push_back(place());
      opens = i + 1 < doc.xml.size() ? doc.xml[++i] : '-';
      blockFrom = xml.size();
    } else if (c == kBlockId) {
      doc.blockIds.push_back("blk" + std::to_string(doc.blockIds.size() + 1));
      xml += doc.blockIds.back();
    } else if (c == kBlockEnd) {
      doc.blocks.push_back(place());
      doc.blocksFirst.push_back(FirstInDocument(opens, xml.substr(blockFrom)));
    } else {
      xml += c;
    }
  }
  doc.xml = Encode(xml, shape.encoding);
  return doc;
}

// Whether `text` stands at marked[at], the instructions of markers inside
// it passed over.
bool StandsPastMarkers(std::string_view marked, std::size_t at, std::string_view text) {
  for (std::size_t n = 0; n < text.size();) {
    const std::string_view rest = marked.substr(std::min(at, marked.size()));
    if (n > 0 && (rest.starts_with("<?Pub _touchup") || rest.starts_with("<?Pub /_touchup?>"))) {
      at = marked.find("?>", at);
      if (at == std::string_view::npos) return false;
      at += 2;
    } else if (!rest.empty() && rest[0] == text[n]) {
      ++at, ++n;
    } else {
      return false;
    }
  }
  return true;
}

// Empty when every probe the check reads has a marker of its own, of its
// finding's category (NOT IN DICTIONARY, or the verb's replacement), no
// other probe stands in a marker, and no marker stands between the probes
// beside one whose sentence must not hold its category (SENTENCE LENGTH,
// within the limit), the twin probes' markers carry one number and those
// of probes that share their advice ("It's") one advice; else what is
// wrong. A copy of "In order to" that a piece wrote is passed over.
std::string ProbeProblem(const std::string& marked, const std::vector<ProbeWord>& probes) {
  constexpr std::string_view kOpen = "<?Pub _touchup", kClose = "<?Pub /_touchup?>";
  std::size_t k = 0;
  int depth = 0;
  std::size_t openAt = std::string::npos, openEnd = std::string::npos;  // the last marker's opening
  std::string category, number, advice, written;  // its category, number, advice in small letters and as written
  std::vector<std::pair<std::size_t, std::string>> openings;  // each marker's opening and category
  std::vector<std::pair<std::size_t, std::size_t>> spans;     // each probe's, from its own marker to its end
  std::string twinNumber;  // the number of the first twin probe's marker
  std::optional<std::string> sameAdvice;  // the advice of the first marker of a probe whose advice all share
  std::size_t copies = 0;  // the copies of the shared probe text passed
  for (std::size_t i = 0; i < marked.size();) {
    const std::string_view rest = std::string_view(marked).substr(i);
    if (rest.starts_with(kOpen)) {
      const std::size_t end = marked.find("?>", i);
      if (end == std::string::npos) return "a marker does not end";
      // Kesta="CCNNadvice": the category, the finding's number, the advice.
      const std::size_t value = marked.find("Kesta=\"", i);
      const std::string kesta = value < end ? marked.substr(value + 7, marked.find('"', value + 7) - value - 7) : "";
      category = kesta.substr(0, 2);
      number = kesta.substr(std::min<std::size_t>(2, kesta.size()), 2);
      advice = written = kesta.size() > 4 ? kesta.substr(4) : "";
      for (char& c : advice) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      openings.emplace_back(i, category);
      ++depth;
      openAt = i;
      i = openEnd = end + 2;
    } else if (rest.starts_with(kClose)) {
      --depth;
      i += kClose.size();
    } else if (const bool copy = StandsPastMarkers(marked, i, kPhraseFirstProbe);
               copy || rest.starts_with(kProbe) || rest.starts_with(kVerbProbe) || rest.starts_with(kLengthProbe) ||
               rest.starts_with(kInnerVerbProbe) || rest.starts_with(kPhraseProbe) || rest.starts_with(kItsProbe)) {
      if (copy && !(k < probes.size() && probes[k].shared && probes[k].copiesBefore == copies)) {
        ++copies, ++i;  // a piece's copy
        continue;
      }
      if (copy) ++copies;
      const std::string which = "probe " + std::to_string(k + 1) + " of " + std::to_string(probes.size());
      if (k == probes.size()) return "more probes than were put in";
      const ProbeWord& probe = probes[k];
      if (copy && !rest.starts_with(probe.text))
        return which + " (\"" + std::string(probe.text) + "\") is cut by a marker: " + marked.substr(i, 80);
      if (!rest.starts_with(probe.text)) return which + " is not the word put in";
      const std::string& given = probe.asWritten ? written : advice;
      const bool own = openEnd == i && rest.substr(probe.text.size()).starts_with(kClose) &&
                       (probe.category.empty() || category == probe.category) &&
                       (probe.advice.empty() ||
                        (probe.prefix ? given.starts_with(probe.advice) : given == probe.advice)) &&
                       (probe.number.empty() || number == probe.number) &&
                       (probe.least.empty() || (number.size() == 2 && number >= probe.least));
      if (probe.read && !own)
        return which + " (\"" + std::string(probe.text) + "\"), which the check reads, has no marker of its own" +
               (openEnd == i ? " (its marker: " + category + number + written + ")" : "");
      if (!probe.read && depth > 0)
        return which + " (\"" + std::string(probe.text) + "\"), which must get no marker, is marked";
      if (probe.sameAdvice && !sameAdvice) sameAdvice = written;
      if (probe.sameAdvice && written != *sameAdvice)
        return which + " (\"" + std::string(probe.text) + "\") carries the advice " + written + ", one before it " +
               *sameAdvice;
      if (probe.twin && twinNumber.empty()) twinNumber = number;
      if (probe.twin && number != twinNumber)
        return which + " (\"" + std::string(probe.text) + "\") carries the number " + number + ", its twin before it " +
               twinNumber;
      spans.emplace_back(openEnd == i ? openAt : i, i + probe.text.size());
      ++k;
      i += probe.text.size();
    } else {
      ++i;
    }
  }
  if (k != probes.size()) return "fewer probes than were put in";
  for (std::size_t n = 0; n < probes.size(); ++n) {
    if (probes[n].noneInSentence.empty()) continue;
    const std::size_t from = n == 0 ? 0 : spans[n - 1].second, to = n + 1 == k ? marked.size() : spans[n + 1].first;
    for (const auto& [at, c] : openings)
      if (at >= from && at < to && c == probes[n].noneInSentence)
        return "probe " + std::to_string(n + 1) + " of " + std::to_string(k) + " (\"" + std::string(probes[n].text) +
               "\") has a marker of category " + c + " in its sentence: " + marked.substr(at, 80);
  }
  return {};
}

// --- Well-formed XML ---

// Empty when libxml2 reads `xml` as well-formed (no network, no external
// DTD), else its first error. A document type declaration without an
// external subset gets one named, so that a reference to an entity the
// document does not declare is one its DTD may declare, as in a document
// whose DTD is not at hand: every document is read so, the one built and
// the ones the check and the close give back.
std::string NotWellFormed(const std::string& xml) {
  std::string read = xml;
  if (const std::size_t doctype = read.find("<!DOCTYPE "); doctype != std::string::npos) {
    const std::size_t end = read.find_first_of(" [>", doctype + 10);
    if (end != std::string::npos && read.compare(end, 2, " [") == 0) read.insert(end, " SYSTEM \"fuzz.dtd\"");
  }
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  if (!ctxt) return "no parser context";
  xmlDocPtr doc = xmlCtxtReadMemory(ctxt, read.data(), static_cast<int>(read.size()), "fuzz.xml", nullptr,
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

// The property that failed comes first, and last with the first line of
// the detail: the smoke run shows the end of the output, and the document
// and the marked text before it may be long.
[[noreturn]] void Fail(const char* what, const std::string& xml, const std::string& detail) {
  const std::string first = detail.substr(0, detail.find('\n'));
  std::fprintf(stderr, "%s\n--- document:\n%s\n--- detail:\n%s\n--- failed: %s: %s\n", what, xml.c_str(),
               detail.c_str(), what, first.c_str());
  Folder().Remove();
  std::abort();
}

// --- The score ---

// What a score showed and left.
struct Scored {
  std::string problems;  // a failed call, lost searches, boxes, a stamp missing or too many
  std::string words;     // the words the editor counted, from the first status line
  std::string level;     // the stamp up to its date ('#'); empty without one
  int praises = 0;       // the sigma report's boxes for a document without findings
  std::string stamped;   // the document after the score
  std::string removed;   // the document after RemoveKestaPi
};

// Scores `xml`, loaded into the editor, `times` times over, answering the
// question with `answer`; then takes the stamp out with RemoveKestaPi.
Scored Score(editor::Editor& doc, const std::string& xml, int answer, int times) {
  Scored s;
  std::string error;
  if (!doc.LoadText(xml, "fuzz.xml", &error, Folder().path + "/fuzz.xml")) {
    s.problems = "the document does not load: " + error + "\n";
    return s;
  }
  for (int run = 0; run < times; ++run) {
    Watch watch(answer);
    SetInteraction(&watch);
    RunKesta* object = new RunKesta();
    const HRESULT result = object->SixsigmaRead();
    object->Release();
    SetInteraction(nullptr);
    for (const std::string& p : watch.problems) s.problems += p + "\n";
    if (result != S_OK) s.problems += "SixsigmaRead returned " + std::to_string(result) + "\n";
    if (watch.words.empty()) s.problems += "no status line counts the words\n";
    if (watch.praises > 0 && watch.rating != "EXCELLENT")
      s.problems += "the report rates the document " + watch.rating + " and praises it\n";
    // Each run gives the same verdict.
    if (run > 0 && (watch.words != s.words || watch.praises != s.praises))
      s.problems += "scored again: " + watch.words + ", " + std::to_string(watch.praises) + " praise; first " +
                    s.words + ", " + std::to_string(s.praises) + " praise\n";
    s.words = watch.words;
    s.praises = watch.praises;
  }
  s.stamped = doc.SaveText();
  constexpr std::string_view kStamp = "<?KESSTA ";
  if (const std::size_t at = s.stamped.find(kStamp); at != std::string::npos) {
    const std::size_t end = s.stamped.find("?>", at);
    if (end == std::string::npos) {
      s.problems += "the stamp does not end\n";
      return s;
    }
    s.level = s.stamped.substr(at, s.stamped.find('#', at) - at);
    if (s.stamped.find(kStamp, end) != std::string::npos) s.problems += "more than one stamp\n";
  }
  // Only the sigma report of a document without findings, which praises it, writes none.
  const bool praised = answer == kSigma && s.praises > 0;
  if (s.level.empty() != praised) s.problems += praised ? "a stamp beside the praise\n" : "no stamp\n";
  Watch watch;
  SetInteraction(&watch);
  RunKesta* object = new RunKesta();
  if (object->RemoveKestaPi() != S_OK) s.problems += "RemoveKestaPi failed\n";
  object->Release();
  SetInteraction(nullptr);
  s.removed = doc.SaveText();
  return s;
}

// --- A suggestion over a reference, through the menu ---

// Answers a finding's menu with its first suggestion, and keeps its text
// and the status lines.
class MenuWatch : public Watch {
 public:
  int PopupMenu(const Menu& menu, ScreenPoint) override {
    if (menu.items.size() <= kMenuPosSuggestions) return 0;
    const MenuItem& suggestions = menu.items[kMenuPosSuggestions];
    if (suggestions.grayed || suggestions.sub.items.empty()) return 0;
    suggestion = suggestions.sub.items.front().text;
    return static_cast<int>(suggestions.sub.items.front().id);
  }
  void StatusLine(const std::string& text) override {
    Watch::StatusLine(text);
    lines.push_back(text);
  }
  std::string suggestion;
  std::vector<std::string> lines;
};

// What is wrong with a choice the menu refused (a suggestion it did not
// put in, words it did not delete): the document must be as it was, and a
// status line must say why.
std::string RefusalProblems(const std::string& which, const MenuWatch& watch, const std::string& before,
                            const std::string& after) {
  std::string problems;
  if (after != before)
    problems += which + "refused, yet the document changed\n" + FirstDifference(before, after) + "\n";
  if (watch.lines.empty() || !watch.lines.back().starts_with("KESta Message: The "))
    problems += which + "refused, and no status line says why\n";
  return problems;
}

// Whether markup text holds a reference to an entity by its name.
bool HoldsNamedReference(std::string_view text) {
  for (std::size_t at = text.find('&'); at != std::string_view::npos; at = text.find('&', at + 1))
    if (ReferenceLength(text.substr(at)) > 0 && text[at + 1] != '#') return true;
  return false;
}

// The file text a suggestion puts in where it can be told without the
// document's encoding: the suggestion as markup (a reference as written),
// ASCII only; empty where it cannot.
std::string InsertedMarkup(const std::string& inserted) {
  bool reference = false;
  for (std::size_t at = inserted.find('&'); at != std::string::npos; at = inserted.find('&', at + 1))
    reference = reference || ReferenceLength(std::string_view(inserted).substr(at)) > 0;
  std::string markup;
  if (reference) {
    markup = CorrectionMarkup(inserted);
  } else {
    for (char c : inserted) markup += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  }
  for (char c : markup)
    if (static_cast<unsigned char>(c) >= 0x80) return {};
  if (markup.find("&#") != std::string::npos) return {};
  return markup;
}

// Takes, through ShowMe and its menu, the first suggestion of each marker
// (up to three) whose words or advice hold a reference to an entity by its
// name, each on a fresh copy of the marked document. Empty when each went in
// where its marker stood, its references as written, or left the document
// as it was with a status line that says why and an answer that is not
// S_OK; else what went wrong.
std::string TakeSuggestionsOverReferences(editor::Editor& doc, const std::string& marked) {
  constexpr std::string_view kOpen = "<?Pub _touchup", kClose = "<?Pub /_touchup?>";
  std::string error;
  if (!doc.LoadText(marked, "fuzz.xml", &error, Folder().path + "/fuzz.xml"))
    return "the marked document does not load";
  // The markers in document order, as the host shows them.
  std::vector<std::string> ids;
  std::string id;
  doc.Evaluate("oid_first()", &id);
  for (int steps = 0; steps < 100000 && !id.empty() && id != editor::kNullId; ++steps) {
    std::string name;
    doc.Evaluate("oid_name('" + id + "')", &name);
    if (name == "_touchup") ids.push_back(id);
    doc.Evaluate("oid_forward('" + id + "')", &id);
  }
  std::string problems;
  int taken = 0;
  std::size_t at = 0;  // the marker's opening in the marked text
  for (std::size_t k = 0; k < ids.size() && taken < 3; ++k, at += kOpen.size()) {
    at = marked.find(kOpen, at);
    if (at == std::string::npos) return "fewer markers in the text than in the editor";
    const std::size_t open = marked.find("?>", at) + 2, close = marked.find(kClose, at);
    if (open < 2 || close == std::string::npos || close < open) return "a marker does not end";
    std::string kesta;
    doc.Evaluate("oid_attr('" + ids[k] + "',\"Kesta\")", &kesta);
    if (!HoldsNamedReference(std::string_view(marked).substr(open, close - open)) && !HoldsNamedReference(kesta))
      continue;
    if (!doc.LoadText(marked, "fuzz.xml", &error, Folder().path + "/fuzz.xml") || !doc.PlaceCaretIn(ids[k]))
      return "the marker " + ids[k] + " cannot be reached";
    MenuWatch watch;
    SetInteraction(&watch);
    RunKesta* object = new RunKesta();
    const HRESULT result = object->ShowMe();
    object->Release();
    SetInteraction(nullptr);
    if (watch.suggestion.empty() || watch.suggestion[0] == '(') continue;  // no suggestion to take
    ++taken;
    const std::string after = doc.SaveText();
    const std::string which = "the suggestion \"" + watch.suggestion + "\" of marker " + ids[k] + ": ";
    for (const std::string& p : watch.problems) problems += which + p + "\n";
    const std::string inserted = SuggestionToPutIn(watch.suggestion);
    if (result == S_OK) {
      // In a CDATA section the text goes in as characters of the section.
      const std::string markup = marked.find(kCdata) == std::string::npos ? InsertedMarkup(inserted) : "";
      const std::string expected = marked.substr(0, at) + markup + marked.substr(close + kClose.size());
      if (after == marked)
        problems += which + "S_OK, but the document is as it was\n";
      else if (!markup.empty() && after != expected)
        problems += which + "not put in as written\n" + FirstDifference(expected, after) + "\n";
    } else {
      problems += RefusalProblems(which, watch, marked, after);
    }
  }
  return problems;
}

// --- Markup inside a marker's words, and "One Message" on a repeated word ---

// A marker of the marked text: its id in the editor, where its opening
// begins, where its words begin and end, and its Kesta value.
struct MarkerAt {
  std::string id;
  std::size_t at = 0, open = 0, close = 0;
  std::string kesta;
};

// The markers of `marked`, loaded into the editor, in document order; empty
// after a message in `problem`.
std::vector<MarkerAt> MarkersOf(editor::Editor& doc, const std::string& marked, std::string* problem) {
  constexpr std::string_view kOpen = "<?Pub _touchup", kClose = "<?Pub /_touchup?>";
  std::string error;
  if (!doc.LoadText(marked, "fuzz.xml", &error, Folder().path + "/fuzz.xml")) {
    *problem = "the marked document does not load";
    return {};
  }
  std::vector<MarkerAt> markers;
  std::string id;
  doc.Evaluate("oid_first()", &id);
  for (int steps = 0; steps < 100000 && !id.empty() && id != editor::kNullId; ++steps) {
    std::string name;
    doc.Evaluate("oid_name('" + id + "')", &name);
    if (name == "_touchup") markers.push_back(MarkerAt{.id = id});
    doc.Evaluate("oid_forward('" + id + "')", &id);
  }
  std::size_t at = 0;
  for (MarkerAt& m : markers) {
    at = marked.find(kOpen, at);
    m.open = at == std::string::npos ? std::string::npos : marked.find("?>", at);
    m.close = at == std::string::npos ? std::string::npos : marked.find(kClose, at);
    if (m.open == std::string::npos || m.close == std::string::npos || m.close < m.open + 2) {
      *problem = "a marker does not end, or the text holds fewer markers than the editor";
      return {};
    }
    m.at = at;
    m.open += 2;
    at = m.close + kClose.size();
    doc.Evaluate("oid_attr('" + m.id + "',\"Kesta\")", &m.kesta);
  }
  return markers;
}

// Words as the check marks them, ASCII letters and blanks only, so that the
// file's bytes are the characters the menu searches for.
bool PlainAsciiWords(std::string_view words) {
  if (words.empty()) return false;
  for (char c : words)
    if (!std::isalpha(static_cast<unsigned char>(c)) && c != ' ' && c != '-' && c != '\'') return false;
  return true;
}

// Opens ShowMe's menu on the marker `id` of `text`, answering with `watch`.
HRESULT ShowMenuOn(editor::Editor& doc, const std::string& text, const std::string& id, Watch& watch) {
  std::string error;
  if (!doc.LoadText(text, "fuzz.xml", &error, Folder().path + "/fuzz.xml") || !doc.PlaceCaretIn(id)) return E_FAIL;
  SetInteraction(&watch);
  RunKesta* object = new RunKesta();
  const HRESULT result = object->ShowMe();
  object->Release();
  SetInteraction(nullptr);
  return result;
}

// As a writer might edit a marked document: the second part of a marker's
// words (of up to three markers with advice) put into a <b> element,
// then its first suggestion taken through ShowMe and its menu. Empty when
// each suggestion went in over all of the words, or left the document as it
// was with a status line that says why and an answer that is not S_OK;
// else what went wrong.
std::string TakeSuggestionsOverEditedWords(editor::Editor& doc, const std::string& marked,
                                           const std::vector<MarkerAt>& markers) {
  constexpr std::string_view kClose = "<?Pub /_touchup?>";
  std::string problems;
  int tried = 0;
  for (const MarkerAt& m : markers) {
    if (tried >= 3) break;
    const std::string words = marked.substr(m.open, m.close - m.open);
    const std::string_view advice = std::string_view(m.kesta).substr(std::min<std::size_t>(4, m.kesta.size()));
    if (words.size() < 2 || !PlainAsciiWords(words) || advice.empty() || advice == "NONE" || advice[0] == '(')
      continue;
    ++tried;
    const std::size_t half = words.size() / 2;
    const std::string edited = marked.substr(0, m.open) + words.substr(0, half) + "<b>" + words.substr(half) +
                               "</b>" + marked.substr(m.close);
    MenuWatch watch;
    const HRESULT result = ShowMenuOn(doc, edited, m.id, watch);
    if (result == E_FAIL) return "the marker " + m.id + " cannot be reached in the edited document";
    if (watch.suggestion.empty() || watch.suggestion[0] == '(') continue;  // no suggestion to take
    const std::string after = doc.SaveText();
    const std::string which = "the suggestion \"" + watch.suggestion + "\" over the edited marker " + m.id + " (" +
                              words.substr(0, half) + "<b>" + words.substr(half) + "</b>): ";
    for (const std::string& p : watch.problems) problems += which + p + "\n";
    if (result == S_OK) {
      // Over all of the words: the marker and the <b> element are gone, and
      // the suggestion stands where they stood (as written, where that can
      // be told without the document's encoding).
      const std::string markup = InsertedMarkup(SuggestionToPutIn(watch.suggestion));
      const std::string before = marked.substr(0, m.at), rest = marked.substr(m.close + kClose.size());
      const std::string expected = before + markup + rest;
      const bool whole = markup.empty() ? after.size() >= before.size() + rest.size() && after.starts_with(before) &&
                                              after.ends_with(rest) &&
                                              after.find('<', before.size()) >= after.size() - rest.size()
                                        : after == expected;
      if (!whole)
        problems += which + "S_OK, but not put in over all of the words\n" + FirstDifference(expected, after) + "\n";
    } else {
      problems += RefusalProblems(which, watch, edited, after);
    }
  }
  return problems;
}

// Answers a finding's menu with one of its items ("One Message", "Close
// . . ."), and keeps the status lines.
class ItemWatch : public MenuWatch {
 public:
  explicit ItemWatch(unsigned item) : item_(item) {}
  int PopupMenu(const Menu&, ScreenPoint) override { return static_cast<int>(item_); }

 private:
  unsigned item_;
};

// "One Message" on the DELETE markers of a repeated word (up to three),
// each on a fresh copy of the marked document: a marker that holds the
// word twice ("the the") keeps its first copy, one that holds it once
// before the next copy ("to to") goes with the blank after it. Empty when
// the document keeps one copy each time and the rest as it was; else what
// went wrong.
std::string RemoveRepeatedWords(editor::Editor& doc, const std::string& marked, const std::vector<MarkerAt>& markers) {
  constexpr std::string_view kClose = "<?Pub /_touchup?>", kBlanks = " \t\r\n";
  std::string problems;
  int taken = 0;
  for (const MarkerAt& m : markers) {
    if (taken >= 3) break;
    const std::string words = marked.substr(m.open, m.close - m.open);
    if (!m.kesta.starts_with("04") || !PlainAsciiWords(words)) continue;
    const std::size_t closeEnd = m.close + kClose.size();
    std::string expected;
    if (const std::optional<Repetition> twice = RepeatedWord(words)) {
      expected = marked.substr(0, m.at) + twice->first + marked.substr(closeEnd);
    } else {
      const std::size_t next = std::min(marked.find_first_not_of(kBlanks, closeEnd), marked.size());
      const std::string_view after = std::string_view(marked).substr(next);
      const bool copy = next > closeEnd && after.size() >= words.size() &&
                        EqualsNoCase(after.substr(0, words.size()), words) &&
                        (after.size() == words.size() || !std::isalnum(static_cast<unsigned char>(after[words.size()])));
      if (!copy) continue;
      expected = marked.substr(0, m.at) + marked.substr(next);
    }
    ++taken;
    ItemWatch watch(ID_KESTA_ONE_MESSAGE);
    const HRESULT result = ShowMenuOn(doc, marked, m.id, watch);
    const std::string after = doc.SaveText();
    const std::string which = "\"One Message\" on the marker " + m.id + " (" + words + "): ";
    for (const std::string& p : watch.problems) problems += which + p + "\n";
    if (result != S_OK) problems += which + "answered " + std::to_string(result) + "\n";
    if (after != expected) problems += which + "not one copy kept\n" + FirstDifference(expected, after) + "\n";
  }
  return problems;
}

// As a writer might edit a marked document, then take a marker away
// through its menu: all of the marker's words put into a <b> element, or
// their second part ("<b>Utilize</b>", "Uti<b>lize</b>"), then "One
// Message" or "Close . . ." answered on it; on up to two DELETE markers and
// two others, each on a fresh copy of the marked document. `variant`
// chooses the marker to start from (the first ones are mostly probes in a
// title), and the edit and the item for the first marker of each kind,
// the next variant for the second. Empty when the marker's two
// instructions went and all else stayed, the writer's element and the
// words too; or, for "One Message" on a DELETE finding, whose words no
// search can take whole across the markup, when nothing went, the marker
// too, a status line said why and the answer was not S_OK; else what went
// wrong.
std::string TakeEditedMarkersAway(editor::Editor& doc, const std::string& marked, const std::vector<MarkerAt>& markers,
                                  std::size_t variant) {
  constexpr std::string_view kClose = "<?Pub /_touchup?>";
  std::string problems;
  std::size_t deletes = 0, others = 0;
  for (std::size_t k = 0; k < markers.size(); ++k) {
    const MarkerAt& m = markers[(k + variant / 4) % markers.size()];
    const std::string words = marked.substr(m.open, m.close - m.open);
    const bool deleting = m.kesta.starts_with("04");
    std::size_t& taken = deleting ? deletes : others;
    if (taken >= 2 || words.size() < 2 || !PlainAsciiWords(words)) continue;
    const std::size_t chosen = variant + taken++;
    const bool oneMessage = chosen / 2 % 2 == 0;
    const std::size_t half = chosen % 2 == 0 ? 0 : words.size() / 2;
    const std::string edited = words.substr(0, half) + "<b>" + words.substr(half) + "</b>";
    const std::string text = marked.substr(0, m.open) + edited + marked.substr(m.close);
    ItemWatch watch(oneMessage ? ID_KESTA_ONE_MESSAGE : ID_KESTA_CLOSE);
    const HRESULT result = ShowMenuOn(doc, text, m.id, watch);
    if (result == E_FAIL) return "the marker " + m.id + " cannot be reached in the edited document";
    const std::string after = doc.SaveText();
    const std::string which = std::string(oneMessage ? "\"One Message\"" : "\"Close\"") + " on the edited marker " +
                              m.id + " (" + m.kesta + ": " + edited + "): ";
    for (const std::string& p : watch.problems) problems += which + p + "\n";
    if (deleting && oneMessage) {
      if (result == S_OK) problems += which + "answered S_OK, but nothing may be deleted\n";
      problems += RefusalProblems(which, watch, text, after);
    } else {
      const std::string expected = marked.substr(0, m.at) + edited + marked.substr(m.close + kClose.size());
      if (result != S_OK) problems += which + "answered " + std::to_string(result) + "\n";
      if (after != expected)
        problems += which + "not the marker alone taken away\n" + FirstDifference(expected, after) + "\n";
    }
  }
  return problems;
}

// As a writer might edit a marked document, then take a marker away
// through its menu: the marker's words deleted, its two instructions left
// side by side, with nothing or white space between, then "One Message" or
// "Close . . ." answered on it; on up to two markers whose words hold no
// markup, a DELETE marker first where there is one, each on a fresh copy
// of the marked document. `variant` chooses the markers, what stays
// between the instructions and the item. Empty when the marker's two
// instructions alone went, all else staying, and the answer was S_OK; else
// what went wrong.
std::string TakeMarkersOfDeletedWordsAway(editor::Editor& doc, const std::string& marked,
                                          const std::vector<MarkerAt>& markers, std::size_t variant) {
  constexpr std::string_view kClose = "<?Pub /_touchup?>", kBlanks = " \t\r\n";
  // Nothing, most often, or white space.
  constexpr const char* kLeft[] = {"", " ", "", "\n  "};
  std::vector<const MarkerAt*> chosen;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t k = 0; k < markers.size() && chosen.size() < 2; ++k) {
      const MarkerAt& m = markers[(k + variant / 8) % markers.size()];
      const std::string_view words = std::string_view(marked).substr(m.open, m.close - m.open);
      if ((pass == 0 && (!chosen.empty() || !m.kesta.starts_with("04"))) ||
          std::find(chosen.begin(), chosen.end(), &m) != chosen.end() || words.find('<') != std::string_view::npos ||
          words.find_first_not_of(kBlanks) == std::string_view::npos)
        continue;
      chosen.push_back(&m);
    }
  }
  std::string problems;
  for (std::size_t n = 0; n < chosen.size(); ++n) {
    const MarkerAt& m = *chosen[n];
    const std::string left = kLeft[(variant + n) % std::size(kLeft)];
    const bool oneMessage = (variant / 4 + n) % 2 == 0;
    const std::string text = marked.substr(0, m.open) + left + marked.substr(m.close);
    ItemWatch watch(oneMessage ? ID_KESTA_ONE_MESSAGE : ID_KESTA_CLOSE);
    const HRESULT result = ShowMenuOn(doc, text, m.id, watch);
    if (result == E_FAIL) return "the marker " + m.id + " cannot be reached in the edited document";
    const std::string after = doc.SaveText();
    const std::string which = std::string(oneMessage ? "\"One Message\"" : "\"Close\"") + " on the marker " + m.id +
                              " (" + m.kesta + ") whose words (" + marked.substr(m.open, m.close - m.open) +
                              ") were deleted: ";
    for (const std::string& p : watch.problems) problems += which + p + "\n";
    if (result != S_OK) problems += which + "answered " + std::to_string(result) + "\n";
    const std::string expected = marked.substr(0, m.at) + left + marked.substr(m.close + kClose.size());
    if (after != expected)
      problems += which + "not the marker alone taken away\n" + FirstDifference(expected, after) + "\n";
  }
  return problems;
}

// --- The same markers in two checks ---

// Checks `xml` again on `doc`, for a comparison: the marked text; the lost
// searches go to `problems`.
std::string CheckAgain(editor::Editor& doc, const std::string& xml, std::string* problems) {
  std::string error;
  if (!doc.LoadText(xml, "fuzz.xml", &error, "/fuzz/fuzz.xml")) {
    *problems += "the document does not load: " + error + "\n";
    return {};
  }
  Watch watch;
  SetInteraction(&watch);
  RunKesta* object = new RunKesta();
  object->ProcessKesta();
  const std::string marked = doc.SaveText();
  object->CloseKesta();
  object->Release();
  SetInteraction(nullptr);
  for (const std::string& p : watch.problems) *problems += p + "\n";
  return marked;
}

// Takes the ends and starts of CDATA sections that stand side by side
// ("]]><![CDATA[") out of `text`, as the marking splits a section round a
// marker inside it, and moves each of `offsets` with the text.
void JoinSections(std::string& text, const std::vector<std::size_t*>& offsets) {
  constexpr std::string_view kSeam = "]]><![CDATA[";
  for (std::size_t at = text.find(kSeam); at != std::string::npos; at = text.find(kSeam, at)) {
    text.erase(at, kSeam.size());
    for (std::size_t* o : offsets)
      if (*o != std::string::npos && *o > at) *o = *o >= at + kSeam.size() ? *o - kSeam.size() : at;
  }
}

// The markers of `marked`, each instruction with the words it holds, and
// where each opens in the text without the markers' instructions, which
// goes to `unmarked`.
std::vector<std::pair<std::size_t, std::string>> MarkersOfText(std::string_view marked, std::string* unmarked) {
  constexpr std::string_view kOpen = "<?Pub _touchup", kClose = "<?Pub /_touchup?>";
  std::vector<std::pair<std::size_t, std::string>> markers;
  for (std::size_t i = 0; i < marked.size();) {
    const std::string_view rest = marked.substr(i);
    if (rest.starts_with(kClose)) {
      i += kClose.size();
    } else if (rest.starts_with(kOpen)) {
      const std::size_t end = std::min(marked.find("?>", i), marked.size()), close = marked.find(kClose, end);
      markers.emplace_back(unmarked->size(), marked.substr(i, close - i));
      i = end + 2;
    } else {
      *unmarked += marked[i++];
    }
  }
  return markers;
}

// The markers of `marked` (of `xml`) that open from `from` up to `to`, the
// offsets in `xml`, in order; empty, with `problem`, where the text
// without the markers is not `xml`.
std::vector<std::string> MarkersIn(const std::string& marked, std::string xml, std::size_t from, std::size_t to,
                                   std::string* problem) {
  std::string unmarked;
  auto markers = MarkersOfText(marked, &unmarked);
  std::vector<std::size_t*> places;
  for (auto& m : markers) places.push_back(&m.first);
  JoinSections(unmarked, places);
  JoinSections(xml, {&from, &to});
  // The offsets hold where the check changed no character.
  if (unmarked != xml) *problem = "a marked text is not its document with markers\n" + FirstDifference(xml, unmarked);
  std::vector<std::string> in;
  for (const auto& [at, text] : markers)
    if (at >= from && at < to) in.push_back(text);
  return in;
}

// Empty when the markers of `marked` (of `xml`) from `from` up to `to` are
// those of `otherMarked` (of `otherXml`) from `otherFrom` up to `otherTo`,
// the offsets in the documents; else the first that differ.
std::string SameMarkers(const std::string& marked, const std::string& xml, std::size_t from, std::size_t to,
                        const std::string& otherMarked, const std::string& otherXml, std::size_t otherFrom,
                        std::size_t otherTo) {
  std::string problem;
  const std::vector<std::string> markers = MarkersIn(marked, xml, from, to, &problem),
                                 others = MarkersIn(otherMarked, otherXml, otherFrom, otherTo, &problem);
  if (!problem.empty()) return problem;
  for (std::size_t k = 0; k < std::max(markers.size(), others.size()); ++k)
    if (k >= markers.size() || k >= others.size() || markers[k] != others[k])
      return "marker " + std::to_string(k + 1) + ": " + (k < markers.size() ? markers[k] : "(none)") +
             "\n  compared: " + (k < others.size() ? others[k] : "(none)");
  return {};
}

// --- First words, record fields and titles ---

// A marker: where its words begin in the document, its Kesta value, its
// words.
struct Mark {
  std::size_t at = 0;
  std::size_t index = 0;  // its place among the document's markers
  std::string kesta, words;
  std::string Category() const { return kesta.substr(0, 2); }
  std::string Advice() const { return kesta.size() > 4 ? kesta.substr(4) : ""; }
  std::string Shown() const { return kesta + " over \"" + words + "\""; }
};

// The markers of `marked` (of `xml`), with where their words begin in
// `xml`, which goes to `text` with the ends and starts of CDATA sections
// that stand side by side taken out (see JoinSections), `places` moved
// with it; empty, with `problem`, where the marked text without the
// markers' instructions is not `xml`.
std::vector<Mark> MarksOf(const std::string& marked, const std::string& xml, const std::vector<std::size_t*>& places,
                          std::string* text, std::string* problem) {
  std::string unmarked;
  auto markers = MarkersOfText(marked, &unmarked);
  std::vector<std::size_t*> at;
  for (auto& m : markers) at.push_back(&m.first);
  JoinSections(unmarked, at);
  *text = xml;
  JoinSections(*text, places);
  if (unmarked != *text) {
    *problem = "a marked text is not its document with markers\n" + FirstDifference(*text, unmarked);
    return {};
  }
  std::vector<Mark> marks;
  for (const auto& [offset, instruction] : markers) {
    Mark m{.at = offset, .index = marks.size()};
    const std::size_t value = instruction.find("Kesta=\""), end = instruction.find("?>");
    if (value != std::string::npos && value < end)
      m.kesta = instruction.substr(value + 7, instruction.find('"', value + 7) - value - 7);
    if (end != std::string::npos) m.words = instruction.substr(end + 2);
    marks.push_back(std::move(m));
  }
  return marks;
}

// MarksOf for a copy of a document's places, each moved in it.
std::vector<Mark> MarksOf(const std::string& marked, const std::string& xml, std::vector<std::size_t>& places,
                          std::string* text, std::string* problem) {
  std::vector<std::size_t*> moved;
  for (std::size_t& p : places) moved.push_back(&p);
  return MarksOf(marked, xml, moved, text, problem);
}

// The markers whose words begin from `from` up to `to`.
std::vector<const Mark*> MarksFrom(const std::vector<Mark>& marks, std::size_t from, std::size_t to) {
  std::vector<const Mark*> in;
  for (const Mark& m : marks)
    if (m.at >= from && m.at < to) in.push_back(&m);
  return in;
}

// What the menu puts in for a marker's first suggestion; empty where it
// offers none (no advice, or a hint in parentheses).
std::string FirstSuggestion(const Mark& m) {
  const std::vector<std::string> suggestions = SplitSuggestions(m.Advice());
  if (m.Advice() == "NONE" || suggestions.empty() || suggestions.front().starts_with("(")) return {};
  return SuggestionToPutIn(suggestions.front());
}

// A byte that belongs to a word: a letter, a digit, a hyphen, an apostrophe,
// a reference's '&' and the bytes of a character outside ASCII (a curly
// apostrophe).
bool InWord(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '\'' || c == '&' ||
         static_cast<unsigned char>(c) >= 0x80;
}

// A property of the first words of long sentences that failed, and why.
struct Failed {
  const char* property = nullptr;
  std::string detail;
};

// Each long sentence FirstWordParagraphs writes and its short twin (see
// Document::sentences): the long one holds one SENTENCE LENGTH marker, its
// number over the limit, over whole words, the short one none; taking the
// first suggestion of a marker on the long one's first words gives what
// taking one on the short one's gives (the same words, the same
// suggestion); every marker of the short one's first words stands on the
// long one's with its words and advice, its category and number too, but
// where it is the length finding's; and the long one's first words hold no
// other marker than the short one's, but the length finding's. Which
// failed first, with the sentences and their markers; no property where
// none failed.
Failed FirstWordsProblem(const std::string& marked, const Document& doc) {
  if (doc.sentences.empty()) return {};
  std::vector<std::size_t> places = doc.sentences;
  std::string text, problem;
  const std::vector<Mark> marks = MarksOf(marked, doc.xml, places, &text, &problem);
  if (!problem.empty()) return {"the marked text cannot be read", problem};
  for (std::size_t k = 0; k + 6 <= places.size(); k += 6) {
    const std::size_t longAt = places[k], opening = places[k + 1] - longAt, shortAt = places[k + 3];
    const std::vector<const Mark*> inLong = MarksFrom(marks, longAt, places[k + 2]),
                                   inShort = MarksFrom(marks, shortAt, places[k + 5]);
    auto shown = [&](std::size_t from, std::size_t to, const std::vector<const Mark*>& in) {
      std::string all = "\"" + text.substr(from, to - from) + "\":";
      for (const Mark* m : in) all += " " + m->Shown() + " at " + std::to_string(m->at - from) + ";";
      return all;
    };
    const std::string both = "\n  long:  " + shown(longAt, places[k + 2], inLong) + "\n  short: " +
                             shown(shortAt, places[k + 5], inShort);
    // The markers of each that begin on its first words.
    auto first = [opening](const std::vector<const Mark*>& in, std::size_t from) {
      std::vector<const Mark*> on;
      for (const Mark* m : in)
        if (m->at - from < opening) on.push_back(m);
      return on;
    };
    const std::vector<const Mark*> longFirst = first(inLong, longAt), shortFirst = first(inShort, shortAt);
    auto same = [&](const Mark& l, const Mark& s) {
      return l.at - longAt == s.at - shortAt && l.words == s.words;
    };

    std::vector<const Mark*> lengths;
    for (const Mark* m : inLong)
      if (m->Category() == "28") lengths.push_back(m);
    if (lengths.size() != 1)
      return {"a sentence too long has no SENTENCE LENGTH marker, or more than one",
              std::to_string(lengths.size()) + " of them" + both};
    const Mark& length = *lengths.front();
    if (length.kesta.size() < 4 || length.kesta.substr(2, 2) < "22")
      return {"a SENTENCE LENGTH marker's number is within the limit", length.Shown() + both};
    const std::size_t end = length.at + length.words.size();
    if (length.words.empty() || (length.at > 0 && InWord(text[length.at - 1])) ||
        (end < text.size() && InWord(text[end])))
      return {"a SENTENCE LENGTH marker holds a piece of a word", length.Shown() + both};
    for (const Mark* m : inShort)
      if (m->Category() == "28") return {"a sentence within the limit has a SENTENCE LENGTH marker", m->Shown() + both};

    for (const Mark* l : longFirst) {
      const std::string taken = FirstSuggestion(*l);
      if (taken.empty()) continue;
      bool given = false;
      for (const Mark* s : shortFirst) given = given || (same(*l, *s) && FirstSuggestion(*s) == taken);
      if (!given) {
        const std::size_t from = l->at - longAt;
        const std::string sentence = text.substr(longAt, places[k + 2] - longAt);
        return {"a marker's first suggestion replaces other words in a long sentence than in a short one",
                l->Shown() + ": taking \"" + taken + "\" gives \"" + sentence.substr(0, from) + taken +
                    sentence.substr(std::min(sentence.size(), from + l->words.size())) + "\"" + both};
      }
    }
    for (const Mark* s : shortFirst) {
      bool kept = false;
      for (const Mark* l : longFirst)
        kept = kept || (same(*l, *s) && l->Advice() == s->Advice() && (l->kesta == s->kesta || l->Category() == "28"));
      if (!kept) return {"a long sentence lost a finding its first words get in a short one", s->Shown() + both};
    }
    for (const Mark* l : longFirst) {
      if (l->Category() == "28") continue;
      bool found = false;
      for (const Mark* s : shortFirst) found = found || (same(*l, *s) && l->kesta == s->kesta);
      if (!found)
        return {"a long sentence's first words hold a marker that a short one's do not", l->Shown() + both};
    }
  }
  return {};
}

// Takes, through ShowMe and its menu, the first suggestion of up to two
// markers on the first words of the long sentences FirstWordParagraphs
// writes, each on a fresh copy of the marked document (`markers` are its
// markers in the editor): empty when the menu's first suggestion is the
// advice's first and went in over all of the marker's words and nothing
// else, or was refused with the document as it was and a status line that
// says why; else what went wrong.
std::string TakeFirstWordSuggestions(editor::Editor& doc, const std::string& marked, const Document& d,
                                     const std::vector<MarkerAt>& markers) {
  constexpr std::string_view kClose = "<?Pub /_touchup?>";
  if (d.sentences.empty()) return {};
  std::vector<std::size_t> places = d.sentences;
  std::string text, problems;
  const std::vector<Mark> marks = MarksOf(marked, d.xml, places, &text, &problems);
  if (!problems.empty()) return problems;
  int taken = 0;
  for (std::size_t k = 0; k + 6 <= places.size() && taken < 2; k += 6) {
    for (const Mark* l : MarksFrom(marks, places[k], places[k + 1])) {
      const std::string first = FirstSuggestion(*l);
      if (first.empty() || taken >= 2) continue;
      if (l->index >= markers.size() || markers[l->index].kesta != l->kesta)
        return "the editor's markers are not the text's: " + l->Shown();
      const MarkerAt& m = markers[l->index];
      ++taken;
      MenuWatch watch;
      const HRESULT result = ShowMenuOn(doc, marked, m.id, watch);
      if (result == E_FAIL) return "the marker " + m.id + " cannot be reached";
      const std::string after = doc.SaveText();
      const std::string which = "the first suggestion of " + l->Shown() + ": ";
      for (const std::string& p : watch.problems) problems += which + p + "\n";
      if (SuggestionToPutIn(watch.suggestion) != first)
        problems += which + "the menu offers \"" + watch.suggestion + "\" first\n";
      if (result == S_OK) {
        const std::string markup = InsertedMarkup(first);
        const std::string expected = marked.substr(0, m.at) + markup + marked.substr(m.close + kClose.size());
        if (!markup.empty() && after != expected)
          problems += which + "not put in over the marker's words alone\n" + FirstDifference(expected, after) + "\n";
      } else {
        problems += RefusalProblems(which, watch, marked, after);
      }
    }
  }
  return problems;
}

// Empty when no marker's words reach into a record's field value (see
// Document::fields); else the first that does.
std::string FieldProblem(const std::string& marked, const Document& doc) {
  if (doc.fields.empty()) return {};
  std::vector<std::size_t> places = doc.fields;
  std::string text, problem;
  const std::vector<Mark> marks = MarksOf(marked, doc.xml, places, &text, &problem);
  if (!problem.empty()) return problem;
  for (const Mark& m : marks)
    for (std::size_t k = 0; k + 2 <= places.size(); k += 2)
      if (m.at < places[k + 1] && m.at + std::max<std::size_t>(m.words.size(), 1) > places[k])
        return "the field value \"" + text.substr(places[k], places[k + 1] - places[k]) + "\" holds " + m.Shown();
  return {};
}

// The markers whose words begin from `from` up to `to`, each as its place
// from `from`, its Kesta value and its words.
std::vector<std::string> MarksWithin(const std::vector<Mark>& marks, std::size_t from, std::size_t to) {
  std::vector<std::string> shown;
  for (const Mark* m : MarksFrom(marks, from, to))
    shown.push_back("at " + std::to_string(m->at - from) + ": " + m->Shown());
  return shown;
}

// Markers as a failure lists them, one a line.
std::string ShownList(const std::vector<std::string>& all) {
  std::string joined;
  for (const std::string& m : all) joined += "\n    " + m;
  return joined.empty() ? std::string("\n    (none)") : joined;
}

// The markers that the part of `alone`, a document with one part between
// the places `start` and `end` (a title, see Layout::TitleAlone; a block,
// see FirstInDocument), gets (see MarksWithin); the same document gives
// the same every time, so it is checked once. Lost searches and a marked
// text that is not its document go to `problem`.
const std::vector<std::string>& MarksAlone(editor::Editor& doc, const std::string& alone, char start, char end,
                                           std::string* problem) {
  static std::map<std::string, std::vector<std::string>> known;
  if (auto found = known.find(alone); found != known.end()) return found->second;
  std::string xml;
  std::size_t from = std::string::npos, to = std::string::npos;
  for (char c : alone) {
    if (c == start) from = xml.size();
    else if (c == end) to = xml.size();
    else xml += c;
  }
  std::string lost, text;
  const std::string marked = CheckAgain(doc, xml, &lost);
  const std::vector<Mark> marks = MarksOf(marked, xml, {&from, &to}, &text, problem);
  if (!lost.empty()) *problem += lost + marked;
  if (!problem->empty()) {
    static const std::vector<std::string> kNone;
    return kNone;
  }
  return known[alone] = MarksWithin(marks, from, to);
}

// A document alone from its root on, without its places.
std::string Source(const std::string& alone) {
  std::string source;
  for (char c : alone.substr(alone.find('\n', alone.find("<!DOCTYPE")) + 1))
    if (c != kTitleStart && c != kTitleEnd && c != kBlockStart && c != kBlockEnd && c != '\n') source += c;
  return source;
}

// Empty when each title of a map of titles (see Layout::TitleEntries) gets
// the markers it gets alone (place, category, number, advice, words);
// else the first that does not, with both.
std::string TitleProblem(editor::Editor& doc, const std::string& marked, const Document& d) {
  if (d.titles.empty()) return {};
  std::vector<std::size_t> places = d.titles;
  std::string text, problem;
  const std::vector<Mark> marks = MarksOf(marked, d.xml, places, &text, &problem);
  if (!problem.empty()) return problem;
  for (std::size_t k = 0; k + 2 <= places.size() && k / 2 < d.titlesAlone.size(); k += 2) {
    const std::vector<std::string> got = MarksWithin(marks, places[k], places[k + 1]);
    const std::vector<std::string>& alone = MarksAlone(doc, d.titlesAlone[k / 2], kTitleStart, kTitleEnd, &problem);
    if (!problem.empty()) return "the title alone: " + problem;
    if (got != alone)
      return "title " + std::to_string(k / 2 + 1) + " of " + std::to_string(places.size() / 2) + ", \"" +
             text.substr(places[k], places[k + 1] - places[k]) + "\"; in the map:" + ShownList(got) + "\n  alone (" +
             Source(d.titlesAlone[k / 2]) + "):" + ShownList(alone);
  }
  return {};
}

// --- Blocks alone, first in a document and between plain ones ---

// `xml` checked through SelectElement with the caret in the element `id`,
// as "kesta check FILE --element ID" checks it: the marked text; lost
// searches and boxes go to `problems`.
std::string CheckElement(editor::Editor& doc, const std::string& xml, const std::string& id, std::string* problems) {
  std::string error;
  if (!doc.LoadText(xml, "fuzz.xml", &error, "/fuzz/fuzz.xml")) {
    *problems += "the document does not load: " + error + "\n";
    return {};
  }
  if (!doc.PlaceCaretIn(id)) {
    *problems += "no element " + id + "\n";
    return {};
  }
  Watch watch;
  SetInteraction(&watch);
  RunKesta* object = new RunKesta();
  const HRESULT result = object->SelectElement();
  const std::string marked = doc.SaveText();
  object->CloseKesta();
  object->Release();
  SetInteraction(nullptr);
  for (const std::string& p : watch.problems) *problems += p + "\n";
  if (result != S_OK) *problems += "SelectElement answered " + std::to_string(result) + "\n";
  return marked;
}

// Empty when each of up to four blocks checked alone too (see Checked),
// spread over the document, gets through SelectElement, the caret in it,
// exactly the markers the whole check gives inside it (place, category,
// number, advice, words), and none outside it; else the first that does
// not, with both.
std::string BlockAloneProblem(editor::Editor& doc, const std::string& marked, const Document& d) {
  const std::size_t n = d.blockIds.size();
  if (n == 0) return {};
  std::vector<std::size_t> places = d.blocks;
  std::string text, problem;
  const std::vector<Mark> whole = MarksOf(marked, d.xml, places, &text, &problem);
  if (!problem.empty()) return problem;
  for (std::size_t j = 0, last = n; j < 4; ++j) {
    const std::size_t k = j * n / 4;
    if (k == last) continue;
    last = k;
    const std::string& id = d.blockIds[k];
    std::string lost;
    const std::string alone = CheckElement(doc, d.xml, id, &lost);
    if (!lost.empty()) return "block " + id + " alone: " + lost + alone;
    std::vector<std::size_t> at = d.blocks;
    std::string aloneText;
    const std::vector<Mark> marks = MarksOf(alone, d.xml, at, &aloneText, &problem);
    if (!problem.empty()) return "block " + id + " alone: " + problem;
    const std::vector<std::string> got = MarksWithin(marks, at[2 * k], at[2 * k + 1]),
                                   expected = MarksWithin(whole, places[2 * k], places[2 * k + 1]);
    const std::string which = "block " + std::to_string(k + 1) + " of " + std::to_string(n) + " (" + id + ", \"" +
                              text.substr(places[2 * k], places[2 * k + 1] - places[2 * k]) + "\")";
    for (const Mark& m : marks)
      if (m.at < at[2 * k] || m.at >= at[2 * k + 1])
        return which + ": checked alone, a marker stands outside it: " + m.Shown() + " at " + std::to_string(m.at);
    if (got != expected) return which + "; in the whole check:" + ShownList(expected) + "\n  alone:" + ShownList(got);
  }
  return {};
}

// Empty when each block that opens a document of its own (see
// FirstInDocument) gets there the markers it gets in the whole check
// (place, category, number, advice, words); else the first that does not,
// with both.
std::string FirstBlockProblem(editor::Editor& doc, const std::string& marked, const Document& d) {
  if (d.blocks.empty()) return {};
  std::vector<std::size_t> places = d.blocks;
  std::string text, problem;
  const std::vector<Mark> whole = MarksOf(marked, d.xml, places, &text, &problem);
  if (!problem.empty()) return problem;
  for (std::size_t k = 0; k < d.blocksFirst.size(); ++k) {
    if (d.blocksFirst[k].empty()) continue;
    const std::vector<std::string>& first = MarksAlone(doc, d.blocksFirst[k], kBlockStart, kBlockEnd, &problem);
    if (!problem.empty()) return "the block first in a document: " + problem;
    const std::vector<std::string> got = MarksWithin(whole, places[2 * k], places[2 * k + 1]);
    if (got != first)
      return "block " + std::to_string(k + 1) + " of " + std::to_string(d.blocksFirst.size()) + " (" +
             d.blockIds[k] + "); in the whole check:" + ShownList(got) + "\n  first in " + Source(d.blocksFirst[k]) +
             ":" + ShownList(first);
  }
  return {};
}

// Empty when each block checked alone too (see Checked) gets in
// `otherMarked`, the check of `other` (the document with the block before
// or after some of them plain), the markers it gets in `marked`, the
// check of `d` (place, category, number, advice, words); else the first
// that does not, with both.
std::string SameBlockMarks(const std::string& marked, const Document& d, const std::string& otherMarked,
                           const Document& other) {
  std::vector<std::size_t> places = d.blocks, otherPlaces = other.blocks;
  std::string text, otherText, problem;
  const std::vector<Mark> marks = MarksOf(marked, d.xml, places, &text, &problem),
                          otherMarks = MarksOf(otherMarked, other.xml, otherPlaces, &otherText, &problem);
  if (!problem.empty()) return problem;
  if (places.size() != otherPlaces.size()) return "the variant holds other blocks";
  for (std::size_t k = 0; k + 2 <= places.size(); k += 2) {
    const std::vector<std::string> got = MarksWithin(marks, places[k], places[k + 1]),
                                   then = MarksWithin(otherMarks, otherPlaces[k], otherPlaces[k + 1]);
    if (got != then) {
      auto around = [](const std::string& all, std::size_t from, std::size_t to) {
        const std::size_t before = from > 200 ? from - 200 : 0;
        return all.substr(before, std::min(all.size(), to + 200) - before);
      };
      return "block " + std::to_string(k / 2 + 1) + " of " + std::to_string(places.size() / 2) + " (" +
             d.blockIds[k / 2] + ", \"" + text.substr(places[k], places[k + 1] - places[k]) + "\"):" + ShownList(got) +
             "\n  with a plain block beside it:" + ShownList(then) + "\n  among: " +
             around(text, places[k], places[k + 1]) + "\n  plain: " +
             around(otherText, otherPlaces[k], otherPlaces[k + 1]);
    }
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = SetUpOnce();
  if (!ready) {
    std::fprintf(stderr, "cannot set up the custom folder\n");
    Folder().Remove();
    std::abort();
  }
  const Document document = BuildDocument(data, size);
  const std::string& xml = document.xml;
  static const bool print = std::getenv("CHECK_CLOSE_FUZZ_PRINT") != nullptr;
  if (print) {
    std::fputs(xml.c_str(), stdout);
    std::fflush(stdout);  // before a failure aborts the process
  }
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
  // A field's marker stands in the sentence of a probe beside the record
  // too: the field comes first.
  if (std::string e = FieldProblem(marked, document); !e.empty())
    Fail("a record's field value is marked", xml, e + "\n" + marked);
  if (std::string e = ProbeProblem(marked, document.probes); !e.empty())
    Fail("a probe word is not marked as it should be", xml, e + "\n" + marked);
  if (const Failed f = FirstWordsProblem(marked, document); f.property) Fail(f.property, xml, f.detail + "\n" + marked);
  if (std::string e = TitleProblem(doc, marked, document); !e.empty())
    Fail("a title is marked otherwise than alone", xml, e + "\n" + marked);
  if (std::string e = BlockAloneProblem(doc, marked, document); !e.empty())
    Fail("a block checked alone is marked otherwise than in the whole check", xml, e + "\n" + marked);
  if (std::string e = FirstBlockProblem(doc, marked, document); !e.empty())
    Fail("a block first in a document of its own is marked otherwise than among others", xml, e + "\n" + marked);

  if (std::string e = TakeSuggestionsOverReferences(doc, marked); !e.empty())
    Fail("a suggestion over a reference was lost", xml, e + "\n" + marked);
  std::string markerProblem;
  const std::vector<MarkerAt> markers = MarkersOf(doc, marked, &markerProblem);
  if (!markerProblem.empty()) Fail("the markers cannot be read back", xml, markerProblem + "\n" + marked);
  if (std::string e = TakeSuggestionsOverEditedWords(doc, marked, markers); !e.empty())
    Fail("a suggestion over words the writer put markup into went in partly", xml, e + "\n" + marked);
  if (std::string e = TakeFirstWordSuggestions(doc, marked, document, markers); !e.empty())
    Fail("a suggestion on a long sentence's first words does not change exactly the words its marker holds", xml,
         e + "\n" + marked);
  if (std::string e = RemoveRepeatedWords(doc, marked, markers); !e.empty())
    Fail("\"One Message\" on a repeated word kept no copy, or more", xml, e + "\n" + marked);
  if (std::string e = TakeEditedMarkersAway(doc, marked, markers, size); !e.empty())
    Fail("a marker over words the writer put markup into was not taken away alone", xml, e + "\n" + marked);
  if (std::string e = TakeMarkersOfDeletedWordsAway(doc, marked, markers, size); !e.empty())
    Fail("a marker whose words the writer deleted was not taken away alone", xml, e + "\n" + marked);

  // The score of the document unchecked and checked: the score takes the
  // markers out, so both count the same words and reach the same level, and
  // each leaves the document as it was but for the stamp, which
  // RemoveKestaPi takes out; the checked one is scored twice, and holds one
  // stamp. A document the check finds nothing in is six sigma: the sigma
  // report praises it, the traffic light is green. An input of even length
  // is scored with the traffic light, an odd one with the sigma report:
  // both would take a third more time again.
  const bool clean = watch.praises > 0;
  const int answer = size % 2 == 0 ? kTraffic : kSigma;
  const char* report = answer == kSigma ? "sigma report" : "traffic light";
  const Scored unchecked = Score(doc, xml, answer, 1);
  const Scored checked = Score(doc, marked, answer, 2);
  for (const Scored* s : {&unchecked, &checked}) {
    const std::string which = std::string(s == &checked ? "the checked" : "the unchecked") + " document, " + report;
    if (!s->problems.empty()) Fail("the score failed", xml, which + ": " + s->problems + s->stamped);
    // (An empty root holds the stamp between two tags, and is empty again
    // without it.)
    if (s->removed != before)
      Fail("the score changed more than its stamp, or RemoveKestaPi did not take it out", xml,
           which + "\n" + FirstDifference(before, s->removed) + "\n--- scored:\n" + s->stamped);
    const bool sixSigma = answer == kSigma ? s->praises > 0 : s->level == "<?KESSTA Traffic Light=GREEN";
    if (clean ? !sixSigma : answer == kSigma && sixSigma)
      Fail("the score's verdict is not the check's", xml,
           which + (clean ? ": the check found nothing, the score " : ": the check found something, the score ") +
               (s->level.empty() ? "praised it" : s->level) + "\n" + marked);
  }
  if (checked.words != unchecked.words || checked.level != unchecked.level || checked.praises != unchecked.praises)
    Fail("the checked document scores otherwise than the unchecked one", xml,
         std::string(report) + ": checked " + checked.words + ", " + checked.level + ", " +
             std::to_string(checked.praises) + " praise; unchecked " + unchecked.words + ", " + unchecked.level + ", " +
             std::to_string(unchecked.praises) + " praise\n" + marked);

  // The list that opens a data module's content or a map stands in no
  // sentence: what follows it is marked as it is without the list. A data
  // module in a publication module is marked inside its content as it is
  // alone.
  const std::size_t* anchors = document.anchors;
  if (document.shape.listed >= 0 || document.shape.meta >= 0) {
    const Document without = BuildDocument(data, size, DocumentVariant::kWithoutList);
    std::string lost;
    const std::string other = CheckAgain(doc, without.xml, &lost);
    if (std::string e = SameMarkers(marked, xml, anchors[0], anchors[2], other, without.xml, without.anchors[0],
                                    without.anchors[2]);
        !e.empty())
      Fail(document.shape.meta >= 0
               ? "the text after metadata (authors, a revision history) is marked otherwise than without it"
               : "the text after a list of references or key definitions is marked otherwise than without the list",
           xml, e + "\n" + lost + marked + "\n--- without it:\n" + other);
  }
  if (document.shape.wrapper != Wrapper::kNone) {
    const Document alone = BuildDocument(data, size, DocumentVariant::kAlone);
    std::string lost;
    const std::string other = CheckAgain(doc, alone.xml, &lost);
    if (std::string e = SameMarkers(marked, xml, anchors[3], anchors[2], other, alone.xml, alone.anchors[3],
                                    alone.anchors[2]);
        !e.empty())
      Fail("a data module in a publication module is marked otherwise than alone", xml,
           e + "\n" + lost + marked + "\n--- alone:\n" + other);
  }
  // A block between others is marked as it is with the one before, or the
  // one after, plain: the rules read no word of another block.
  for (const DocumentVariant variant : {DocumentVariant::kPlainBefore, DocumentVariant::kPlainAfter}) {
    const Document plain = BuildDocument(data, size, variant);
    if (plain.xml == xml) continue;
    std::string lost;
    const std::string other = CheckAgain(doc, plain.xml, &lost);
    if (!lost.empty()) Fail("a search was lost", plain.xml, lost + other);
    if (std::string e = SameBlockMarks(marked, document, other, plain); !e.empty())
      Fail(variant == DocumentVariant::kPlainBefore ? "a block is marked otherwise after a plain block"
                                                    : "a block is marked otherwise before a plain block",
           xml, e + "\n" + marked + "\n--- with plain blocks:\n" + other);
  }
  return 0;
}
