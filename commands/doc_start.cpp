// Finds where the checkable body of the document begins, reads it and
// builds a fresh word list from it.
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "commands/body_run.h"
#include "commands/body_text.h"
#include "commands/command_work.h"
#include "commands/check_state.h"
#include "commands/doc_types.h"
#include "commands/text_places.h"
#include "engine/tag_tables.h"
#include "engine/tokenizer.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"

namespace {
using Oid = BoundedText<16>;
using Name = BoundedText<32>;

// How many elements after the caret's element the body start may lie.
constexpr int kWalkLimit = 201;

void BuildWordList(std::string& text, std::size_t offset, std::span<const TextStretch> passOver = {}) {
  Check.checkedTextLead = 0;
  FreeWordList(WordList.head);
  WordList.Forget();
  TokenizeText(text.data(), static_cast<int>(offset), 1, passOver);
}

// Walks forward from the walk cursor to the element named as the body
// start; true when it was found (the cursor then stays on the element
// before it).
bool WalkToStartTag(HostChannel& host) {
  for (int count = 0;;) {
    Oid next(host.Evaluate(Format("oid_forward('%s')", Cursor.WalkOid.c_str())));
    Name name(host.Evaluate(Format("oid_name('%s')", next.c_str())));
    if (name == Cursor.StartTagName) {
      Cursor.CurrentOid = next.view();
      host.Execute(Format("goto_oid('%s')", next.c_str()));
      Cursor.StartTag.format("<%s>", name.c_str());
      Cursor.StartTagCopy = Cursor.StartTag;
      return true;
    }
    if (std::atoi(host.Evaluate(Format("oid_valid('%s')", next.c_str())).c_str()) != 1) return false;
    Cursor.WalkOid = next.view();
    if (++count > kWalkLimit) return false;
  }
}

// Reads the selection with the sentinel appended; no value when the
// conversion fails.
std::optional<std::string> ReadSelection(HostChannel& host) {
  return host.EvaluateConverted("$selection");
}

// Selects the element `oid` and reads its text. No value when it cannot be
// read: `*result` then tells so, after the box that says why.
std::optional<std::string> ReadElement(HostChannel& host, const char* oid, HRESULT* result) {
  BoundedText<78> select;
  select.format("oid_select('%s')", oid);
  host.Execute(select.str());
  std::optional<std::string> selection = ReadSelection(host);
  if (!selection) {
    AfxMessageBox("KESta(46) Error: In File conversion", MB_OK);
    *result = KESTA_E_BODY_UNREAD;
    return std::nullopt;
  }
  try {
    host.Execute("clm;");
  } catch (const _com_error& e) {
    BoundedText<80> msg;
    msg.format("KESta(47) Error: %s", e.ErrorMessage().c_str());
    AfxMessageBox(msg.str(), MB_OK);
    *result = KESTA_E_BODY_UNREAD;
    return std::nullopt;
  }
  return selection;
}

// The body in an element's text, from the body's start tag on.
void ReadBodyFrom(const std::string& selection) {
  std::size_t k = BodyStartOffset(selection, Cursor.StartTag.view());
  Cursor.StartTagFound = FindStartTag(selection, Cursor.StartTag.view()) != std::string::npos;
  std::string text = BodyFrom(selection, k, Cursor.StartTagName.view());
  BuildWordList(text, k);
  // The marking starts where the selection does: the text before the
  // body's start tag lies between.
  Check.checkedTextLead = TextPlaces(std::string_view(selection).substr(0, k)).Size();
}

// Every body in the root's text, as one run from the first body's start
// tag on; false when the first body is not in it. `fromRoot`: the marking
// starts at the root, not at the first body, so what stands before that
// body lies between.
bool ReadBodies(const std::string& rootText, LaterBodies rule, bool fromRoot) {
  std::optional<BodyRun> run = FindBodyRun(rootText, Cursor.StartTagName.view(), rule);
  if (!run) return false;
  std::vector<TextStretch> passOver;
  std::size_t begin = 0;
  std::string text = BodyRunText(rootText, *run, Cursor.StartTagName.view(), &passOver, &begin);
  BuildWordList(text, 0, passOver);
  if (fromRoot) Check.checkedTextLead = TextPlaces(std::string_view(rootText).substr(0, begin)).Size();
  return true;
}
}  // namespace

HRESULT GetDocStartWork(HostChannel& host) {
  Cursor.WalkOid = host.Evaluate("oid_first()");
  {
    BoundedText<80> go;
    go.format("goto_oid('%s')", Cursor.WalkOid.c_str());
    host.Execute(go.str());
  }
  Oid caret(host.Evaluate("oid_caret()"));
  Cursor.CurrentOid = caret.view();
  Cursor.WalkOid = caret.view();
  BoundedText<78> nameCommand;
  nameCommand.format("oid_name('%s')", caret.c_str());
  Name root(host.Evaluate(nameCommand.str()));
  DocumentKind.dataModule = IsDataModule(root.view());

  // A root the table does not know is read whole from the caret's element,
  // whatever document was checked before.
  const DocTypeEntry* row = FindDocType(root.view());
  Cursor.StartTag = row ? row->startTag : "";
  Cursor.StartTagName.clear();
  if (row) {
    std::string_view tag = row->startTag;
    Cursor.StartTagName = tag.substr(1, tag.size() - 2);
  }
  bool rootIsBody = row && Cursor.StartTagName == root;
  const bool found = row && !rootIsBody && WalkToStartTag(host);
  Cursor.StartTagFound = rootIsBody || found;

  if (UsesTagTableRoad(root.view())) {
    // These documents are read whole from their root, whose tag ("<cmm",
    // "<task") becomes the start tag; the element the walk stopped at would
    // be one element of the document, not its body.
    const Oid read = caret;
    host.Execute(Format("oid_select('%s')", read.c_str()));
    Cursor.CurrentOid = read.view();
    std::optional<std::string> selection = ReadSelection(host);
    if (!selection) {
      ShowMessageBox("Error: In File conversion", "KESta(56) Text Conversion", MB_ICONERROR);
      return KESTA_E_BODY_UNREAD;
    }
    std::string text = WithSentinel(*selection);
    try {
      host.Execute("clm;");
    } catch (const _com_error& e) {
      BoundedText<80> msg;
      msg.format("File conversion Error: %s", e.ErrorMessage().c_str());
      ShowMessageBox(msg.str(), "KESta(47) Text Conversion", MB_ICONERROR);
      return KESTA_E_BODY_UNREAD;
    }
    Cursor.CurrentOid = read.view();
    if (root.first() == 'c') {
      Cursor.StartTag = "<cmm";
      Cursor.StartTagCopy = "<pgblk>";
    } else {
      Cursor.StartTag = "<task";
      Cursor.StartTagCopy = "<task>";
    }
    BuildWordList(text, 0);
    Cursor.StartTagFound = true;
    return S_OK;
  }

  // The root is read: the bodies after the first are read with it, as one
  // run of the document's text. Where the walk did not reach the first body
  // (it lies too far on), it is looked for in the root's text all the same,
  // so that the front matter before it stays unread. A body the root's text
  // does not show by its name is read alone; a document without one is read
  // from the caret's element.
  HRESULT result = S_OK;
  bool read = false;
  std::optional<std::string> rootText;
  if (row && !rootIsBody) {
    rootText = ReadElement(host, caret.c_str(), &result);
    read = !rootText || ReadBodies(*rootText, row->laterBodies, !found);
    if (rootText && read) Cursor.StartTagFound = true;
  }
  if (!read) {
    if (!rootText || Cursor.CurrentOid != caret) rootText = ReadElement(host, Cursor.CurrentOid.c_str(), &result);
    if (rootText) ReadBodyFrom(*rootText);
  }
  BoundedText<80> back;
  back.format("clm; goto_oid('%s')", Cursor.CurrentOid.c_str());
  host.Execute(back.str());
  return result;
}
