// The check of a part of the document: the selected text, the element at the
// caret, or one cell or all cells of a table. The text goes through the same
// engine passes as the document check, and the findings become markers
// inside the element under check.
#include <optional>
#include <string>
#include <string_view>

#include "commands/body_text.h"
#include "commands/check_state.h"
#include "commands/doc_types.h"
#include "commands/finding_work.h"
#include "commands/tracking_restore.h"
#include "engine/tag_tables.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"

namespace {
constexpr std::size_t kBoundedCommand = 79;  // 80-character buffer, bound 78
// Selections this short lead to the element at the caret instead.
constexpr std::size_t kShortSelection = 12;
// A table cell with less text than this is checked with its parent.
constexpr std::size_t kShortCell = 24;
constexpr std::string_view kPlainEnd = " @@END";

using Oid = BoundedText<16>;
using Name = BoundedText<32>;

enum class TextRead {
  Read,         // ElementText holds the text under check, sentinel last
  NothingRead,  // this call read no text
  Cancelled,    // the writer cancelled the table question
  TooLong,      // the text does not fit the check's buffer
  Unconverted,  // the host's text could not be converted
};

// The element the marking of this check stays inside, for the marking's
// call only.
class MarkScope {
 public:
  explicit MarkScope(std::string_view element) { Check.markScope.assign(element); }
  ~MarkScope() { Check.markScope.clear(); }
  MarkScope(const MarkScope&) = delete;
  MarkScope& operator=(const MarkScope&) = delete;
};

void StoreCurrentOid(std::string_view id) {
  // An id that does not fit would send the caret elsewhere.
  if (!Cursor.CurrentOid.assign(id)) throw _com_error(DISP_E_OVERFLOW, "element id too long");
}

Name NameOf(HostChannel& host, std::string_view oid) {
  return Name(host.Evaluate(FitCommand(kBoundedCommand, Format("oid_name('%.*s')",
                                                              static_cast<int>(oid.size()), oid.data()))));
}

std::string WithOid(const char* pattern, const char* oid) {
  return FitCommand(kBoundedCommand, Format(pattern, oid));
}

// Inline elements are checked with the element around them.
bool IsInlineElement(const Name& name) {
  if (name == "xref") return true;
  for (const char* prefix : {"_touchup", "callout", "em", "label", "pub", "trademark", "ul"})
    if (name.startsWith(prefix)) return true;
  return false;
}

bool CellClimbs(const Name& name, std::size_t textLength) {
  if (name == "_touchup" || name == "callout") return true;
  for (const char* prefix : {"emph", "pub", "prod", "xref"})
    if (name.startsWith(prefix)) return true;
  return textLength < kShortCell;
}

// The selection with its sentinel into ElementText; false, with nothing
// stored, when the whole does not fit.
bool StoreText(std::string_view selection, std::string_view end) {
  std::string text = WithSentinel(selection);
  if (end != kTextEnd) text.replace(text.size() - kTextEnd.size(), kTextEnd.size(), end);
  if (text.size() > Check.elementText.kMaxLength) return false;
  Check.elementText.clear();
  Check.elementText.assign(text);
  return true;
}

// Markers of an earlier check, as the host shows them: elements named
// "_touchup" in the selection's markup.
bool HoldsMarkers(std::string_view text) {
  for (std::size_t at = text.find("_touchup"); at != std::string_view::npos;
       at = text.find("_touchup", at + 1)) {
    if (at >= 2 && text.substr(at - 2, 2) == "</") return true;
    std::size_t before = at;
    while (before > 0 && (text[before - 1] == ' ' || text[before - 1] == '\n' || text[before - 1] == '\t'))
      --before;
    if (before < at && before >= 5 && text.substr(before - 5, 5) == "<?Pub") return true;
  }
  return false;
}

// Whether the element `oid` stands in a data module: it is one, or one
// holds it (a publication module holds the modules it publishes). The
// climb ends at the root, above which no element has a name, and stops
// short of a host that would lead it round for ever.
bool StandsInDataModule(HostChannel& host, std::string_view oid) {
  constexpr int kDeepestNesting = 256;
  BoundedText<80> at(oid);
  for (int level = 0; level < kDeepestNesting; ++level) {
    const Name name = NameOf(host, at.view());
    if (name.empty()) return false;
    if (IsDataModule(name.view())) return true;
    const BoundedText<80> parent(host.Evaluate(WithOid("oid_parent('%s')", at.c_str())));
    if (parent == at) return false;
    at = parent;
  }
  return false;
}

// The selection as the document check reads the body: a character the code
// page cannot hold ("&#324;") is the substitute the check takes as a letter
// of its word, not a '?' that would end the sentence there.
std::optional<std::string> SelectionText(HostChannel& host) { return host.EvaluateConverted("$selection"); }

// Text without a leading tag is checked as one paragraph.
bool WrapAsParagraph() {
  if (Check.elementText.first() == '<') return true;
  std::string wrapped = "<para>" + Check.elementText.str() + "</para> @@END";
  if (wrapped.size() > Check.elementText.kMaxLength) return false;
  Check.elementText.assign(wrapped);
  return true;
}

// Old markers leave the element before it is checked; the removal reads the
// element's text afresh. False when that reading failed: the text is then
// empty.
bool RemoveOldMarkers(HostChannel& host, CommandCalls& self, bool thenGoto) {
  if (!HoldsMarkers(Check.elementText.view())) return true;
  self.RemoveMarks();
  if (thenGoto) host.Execute(WithOid("clm; goto_oid('%s');", Cursor.CurrentOid.c_str()));
  return !Check.elementText.empty();
}

// The text after the removal still ends with its sentinel, or it was cut.
bool TextComplete() { return Check.elementText.endsWith("@@END"); }

TextRead ReadSelection(HostChannel& host, CommandCalls& self, const std::string& selection) {
  StoreCurrentOid(host.Evaluate("oid_caret()"));
  if (!StoreText(selection, kTextEnd)) return TextRead::TooLong;
  if (!RemoveOldMarkers(host, self, true)) return TextRead::Unconverted;
  if (!TextComplete() || !WrapAsParagraph()) return TextRead::TooLong;
  return TextRead::Read;
}

TextRead ReadElement(HostChannel& host, CommandCalls& self) {
  StoreCurrentOid(host.Evaluate("oid_caret()"));
  Name name = NameOf(host, Cursor.CurrentOid.view());
  if (IsInlineElement(name)) {
    StoreCurrentOid(host.Evaluate(WithOid("oid_parent('%s')", Cursor.CurrentOid.c_str())));
    NameOf(host, Cursor.CurrentOid.view());
  }
  host.Execute(WithOid("goto_oid('%s')", Cursor.CurrentOid.c_str()));
  host.Execute(WithOid("select_element('%s')", Cursor.CurrentOid.c_str()));
  const std::optional<std::string> selection = SelectionText(host);
  if (!selection) return TextRead::Unconverted;
  if (!StoreText(*selection, kTextEnd)) return TextRead::TooLong;
  if (!RemoveOldMarkers(host, self, true)) return TextRead::Unconverted;
  return TextComplete() ? TextRead::Read : TextRead::TooLong;
}

TextRead ReadOneCell(HostChannel& host, CommandCalls& self) {
  host.Execute("car edit 0,2");
  StoreCurrentOid(host.Evaluate("oid_caret()"));
  const char* oid = Cursor.CurrentOid.c_str();
  host.Execute(WithOid("select_element('%s');", oid));
  host.Evaluate(WithOid("oid_select('%s')", oid));
  std::optional<std::string> selection = SelectionText(host);
  if (!selection) return TextRead::Unconverted;
  if (!StoreText(*selection, kTextEnd)) return TextRead::TooLong;
  Name name = NameOf(host, Cursor.CurrentOid.view());
  if (CellClimbs(name, Check.elementText.length())) {
    StoreCurrentOid(host.Evaluate(WithOid("oid_parent('%s')", Cursor.CurrentOid.c_str())));
    oid = Cursor.CurrentOid.c_str();
    NameOf(host, Cursor.CurrentOid.view());
    host.Execute(WithOid("goto_oid('%s')", oid));
    host.Execute(WithOid("oid_select('%s',0,0,1); clm;", oid));
    host.Execute(WithOid("select_element('%s')", oid));
    selection = SelectionText(host);
    if (!selection) return TextRead::Unconverted;
    if (!StoreText(*selection, kPlainEnd)) return TextRead::TooLong;
  }
  if (!RemoveOldMarkers(host, self, false)) return TextRead::Unconverted;
  host.Execute(WithOid("goto_oid('%s');", Cursor.CurrentOid.c_str()));
  if (!TextComplete() || !WrapAsParagraph()) return TextRead::TooLong;
  return TextRead::Read;
}

TextRead ReadAllCells(HostChannel& host, CommandCalls& self) {
  host.Execute("find -b -t -m -select /<tgroup>/;");
  const std::optional<std::string> selection = SelectionText(host);
  StoreCurrentOid(host.Evaluate("oid_caret()"));
  NameOf(host, Cursor.CurrentOid.view());
  if (!selection) return TextRead::Unconverted;
  if (!StoreText(*selection, kTextEnd)) return TextRead::TooLong;
  if (!RemoveOldMarkers(host, self, true)) return TextRead::Unconverted;
  if (!TextComplete() || !WrapAsParagraph()) return TextRead::TooLong;
  return TextRead::Read;
}

bool IsTableAnswer(const BoundedText<16>& mouse) {
  return mouse.startsWith("tabl.") || mouse == "row" || mouse == "entry" || mouse == "column";
}

// Steps 6 to 8: what the mouse points at decides which text is checked.
TextRead ReadTextUnderCheck(HostChannel& host, CommandCalls& self) {
  BoundedText<16> mouse(host.Evaluate("mouse_at(0x001)"));
  if (mouse == "tag" || mouse == "text") {
    const std::optional<std::string> selection = SelectionText(host);
    if (!selection) return TextRead::Unconverted;
    if (selection->size() > kShortSelection) return ReadSelection(host, self, *selection);
    return ReadElement(host, self);
  }
  if (IsTableAnswer(mouse)) {
    std::string answer =
        host.Evaluate("response(\"Select ONE cell (at cursor) or ALL cells.\", '&ONE', '&ALL', '&Cancel')");
    switch (std::atoi(answer.c_str())) {
      case 1:
        return ReadOneCell(host, self);
      case 2:
        return ReadAllCells(host, self);
      case 3:
        return TextRead::Cancelled;
      default:
        return TextRead::NothingRead;
    }
  }
  return TextRead::NothingRead;
}
}  // namespace

HRESULT SelectElementWork(HostChannel& host, CommandCalls& self, const SelectionPasses& passes) {
  for (const char* option : {"set pendingdelete=off", "set extendselect=off", "set caretcolor=red",
                             "set spellinteractive=on", "set tagscan=off", "td -partial _touchup",
                             "set saverenames=off"})
    host.Execute(option);
  Check.documentPath.clear();
  Check.documentPath.assign(host.Evaluate("doc_path()"));

  TrackingRestore restore(host, "KESta Message:  Track Changes is set ON.");
  Check.trackChangesWasOn = 0;
  BoundedText<16> tracking(std::string_view(host.Evaluate("change_tracking_find(oid_first(),1,0x4)")).substr(0, 15));
  if (!tracking.startsWith("(-1,0,0)")) {
    Check.trackChangesWasOn = 1;
    host.Execute("set changetracking=off");
    SendStatus(host, "KESta Message:  Detected Track Changes ON.");
  }
  SendStatus(host, "KESta keys: F4-Check Element  F2-View  F6-Next KESta");

  switch (ReadTextUnderCheck(host, self)) {
    case TextRead::Read:
      break;
    case TextRead::Cancelled:
      return S_OK;
    case TextRead::NothingRead:
      SendStatus(host, "KESta Message:  Nothing checked. Put the caret in the text to check.");
      return S_OK;
    case TextRead::TooLong:
      SendStatus(host, "KESta Message:  Text too long to check. Select a shorter part.");
      return S_OK;
    case TextRead::Unconverted:
      // As the document check says it.
      AfxMessageBox("KESta(46) Error: In File conversion", MB_OK);
      return S_FALSE;
  }

  // Whether a data module holds the text decides what a name that two
  // document types share means.
  DocumentKind.dataModule = StandsInDataModule(host, Cursor.CurrentOid.view());
  int findings = passes();
  if (findings < 0) {
    SendStatus(host, "KESta Message:  Nothing checked. Put the caret in the text to check.");
    return S_OK;
  }
  const char* oid = Cursor.CurrentOid.c_str();
  if (findings > 0) {
    host.Execute(WithOid("clm; goto_oid('%s');", oid));
    {
      // Markers go only inside the element under check.
      MarkScope scope(Cursor.CurrentOid.view());
      self.MarkingEngine();
    }
    host.Execute(WithOid("goto_oid('%s'); clm;", oid));
  } else {
    SendStatus(host, "Excellent: NO KESta Messages.                ");
    host.Execute(WithOid("goto_oid('%s'); clm;", oid));
  }
  return S_OK;
}
