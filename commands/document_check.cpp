// The check of the whole document: old stamp and markers out, body read,
// every engine pass, one marker per finding, the count on the status line.
#include <string>

#include "commands/check_state.h"
#include "commands/command_work.h"
#include "commands/document_passes.h"
#include "commands/findings_view.h"
#include "commands/tracking_restore.h"
#include "engine/word_rec.h"
#include "platform/bounded_text.h"
#include "platform/interaction.h"
#include "resources/string_table.h"

HRESULT ProcessKestaWork(HostChannel& host, CommandCalls& self) {
  Cursor.WalkOid.clear();
  host.Execute("set saverenames=off");
  host.Execute("td -partial _touchup");

  BoundedText<256> name(host.Evaluate("doc_name()"));
  if (name.empty() || name.startsWith("*scratch")) {
    ShowMessageBox("WARNING! Select a file.", "KESta Text Selection", MB_ICONINFORMATION);
    return S_FALSE;
  }
  TrackingRestore restore(host);

  if (!Check.editTitleSet) {
    self.ChangeEditWinTitle();
    Check.editTitleSet = true;
  }
  host.Execute("goto_oid(oid_first())");
  self.RemoveKestaPi();
  host.Execute(StatusCommand("KESta removed old Quality marker."));

  if (self.FindKesta() == S_OK) {
    // Finding a marker removes nothing; the line follows the removal.
    self.RemoveAllMarkers();
    if (Check.markersRemoved > 0) SendStatus(host, "All old messages removed.");
    host.Execute("goto_oid(oid_first())");
    host.Execute(Format("goto_oid('%s');", Cursor.CurrentOid.c_str()));
  }
  Check.documentPath = host.Evaluate("doc_path()");

  HRESULT start = self.GetDocStart();
  if (start == KESTA_E_BODY_UNREAD) return S_FALSE;  // its message was shown
  if (start != S_OK) {
    ShowMessageBox(std::string("Wrong Tag Selection\nor KESta can not find a Start tag.\nContact ") +
                       kSupportAddress,
                   "KESta File Format", MB_ICONERROR);
    return S_FALSE;
  }
  host.Execute(Format("goto_oid('%s');", Cursor.CurrentOid.c_str()));
  BoundedText<16> caret(host.Evaluate("oid_caret()"));

  int count = RunDocumentPasses();

  if (count == 0) {
    ShowMessageBox("Excellent:  Six sigma no errors.", "KESta Quality", MB_ICONINFORMATION);
  } else {
    if (Check.trackChangesWasOn == 1) host.Execute("set changetracking=off");
    host.Execute(Format("goto_oid('%s');", caret.c_str()));
    Check.markedCount = 0;
    self.MarkingEngine();
    // The status counts the findings that are in the document now.
    if (FindingCount() > 0) ClearFindings();
    int marked = Check.markedCount;
    host.Execute(Format("goto_oid('%s');", caret.c_str()));
    BoundedText<80> status;
    status.format("mes \"KESta Messages=(%d): F2-View  F6=Show Next\"", marked);
    host.Execute(status.str());
  }
  host.Execute(Format("goto_oid('%s');", caret.c_str()));
  return S_OK;
}
