// The quality score of the whole document. The question comes first and the
// refusals next, so that a Cancel or a refused document leaves the document
// as it was; only then are the old stamp and markers taken out, the body
// checked with the passes of the document check, the findings counted, the
// report shown and the new stamp written.
#include <cstdlib>
#include <string>

#include "commands/check_state.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "platform/bounded_text.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/interaction.h"
#include "quality/finding_counts.h"
#include "quality/quality_commands.h"
#include "quality/quality_level.h"
#include "quality/quality_stats.h"
#include "quality/sigbox.h"
#include "resources/string_table.h"
#include "rules/engine_passes.h"

namespace {
enum Answer { kSigma = 1, kTraffic = 2 };

int WordCount(HostChannel& host) { return std::atoi(host.Evaluate("doc_word_count(0,0)").c_str()); }

void GoToCurrent(HostChannel& host) { host.Execute(Format("goto_oid('%s');", Cursor.CurrentOid.c_str())); }

// Reads the body into a fresh word list; false after the refusal's box.
bool ReadBody(CommandCalls& self, HRESULT* result) {
  HRESULT start = self.GetDocStart();
  if (start == KESTA_E_BODY_UNREAD) {  // its own message was shown
    *result = S_FALSE;
    return false;
  }
  if (start != S_OK) {
    ShowMessageBox(std::string("KESta can not find the internal Start tag.\nContact ") + kSupportAddress +
                       " to adjust table.",
                   "KESta Selection", MB_ICONERROR);
    *result = S_FALSE;
    return false;
  }
  if (Cursor.StartTag.startsWith("<techinfo")) {
    ShowMessageBox("WARNING! KESta can not process <Techinfomap> files", "Text Selection", MB_ICONINFORMATION);
    *result = S_OK;
    return false;
  }
  return true;
}

// A document that cannot be scored: the box says why; false.
bool Refused(HostChannel& host, HRESULT* result) {
  BoundedText<256> name(host.Evaluate("doc_name()"));
  if (name.empty() || name.startsWith("*scratch")) {
    ShowMessageBox("KESta(56) This document the wrong type for QA, damaged or empty.", "Wrong Document",
                   MB_ICONERROR);
    *result = S_FALSE;
    return true;
  }
  Check.documentPath = host.Evaluate("doc_path()");
  if (!FileWritable(Check.documentPath.str())) {
    ShowMessageBox(std::string("WARNING: This file does not have WRITE permission. \nChange to FULL CONTROL or "
                               "\nContact ") +
                       kSupportAddress + ".",
                   "KESta File Format", MB_ICONERROR);
    // Refused, not scored: the caller must not take it for a score.
    *result = S_FALSE;
    return true;
  }
  return false;
}

void Score(int wordCount) {
  FindingCounts counts = CountFindings(WordList.head);
  Quality.errorCount = counts.errors;
  Quality.docWordCount = wordCount;
  Quality.reportWordCount = wordCount;
  Quality.averageSentenceLength = AverageSentenceLength(wordCount, counts.sentences);
  float score = QualityScore(Quality.errorCount, wordCount, Quality.averageSentenceLength);
  Quality.qualityLevel = QualityLevelOf(score);
}
}  // namespace

HRESULT SixsigmaReadWork(HostChannel& host, CommandCalls& self, const std::function<HRESULT()>& trafficLight) {
  Quality.trafficReportFile.clear();
  Quality.qualityPiText.clear();
  host.Execute("set saverenames=off");
  if (!Check.editTitleSet) {
    self.ChangeEditWinTitle();
    Check.editTitleSet = true;
  }
  const int firstCount = WordCount(host);
  host.Execute(StatusCommand(Format("WAIT: KESta processes %d words", firstCount)));

  host.Execute("goto_oid(oid_first())");
  Cursor.CurrentOid.clear();
  Cursor.CurrentOid = host.Evaluate("oid_caret()");
  GoToCurrent(host);
  Check.documentPath = host.Evaluate("doc_path()");
  const int answer = std::atoi(
      host.Evaluate("response(\"Select Sigma for full report, or Traffic Light.\", '&Sigma', '&Traffic', '&Cancel')")
          .c_str());
  if (answer != kSigma && answer != kTraffic) return S_OK;  // Cancel: nothing changes
  const std::string dateStamp = QualityDateStamp(CurrentLocalTime(), Settings.app.wordListCode.str());

  HRESULT refusal = S_OK;
  if (Refused(host, &refusal)) return refusal;
  // The start tag is looked for before anything is removed: a document the
  // check cannot read keeps its stamp and markers.
  if (!ReadBody(self, &refusal)) return refusal;

  host.Execute("goto_oid(oid_first())");
  self.RemoveKestaPi();
  host.Execute("goto_oid(oid_first())");
  if (self.FindKesta() == S_OK) self.RemoveAllMarkers();
  // Read again: the body read above still held the old markers.
  if (!ReadBody(self, &refusal)) return refusal;
  GoToCurrent(host);

  Quality.reportWordCount = 0;
  Quality.errorCount = 0;
  RunRulePasses(CheckScope::Document);
  int wordCount = firstCount;
  if (wordCount == 0) wordCount = WordCount(host);
  Score(wordCount);

  if (answer == kSigma) {
    Quality.qualityPiText = SigmaPiText(Quality.qualityLevel);
    CSigbox sigbox;
    sigbox.DoModal();
    if (Quality.errorCount == 0) {
      ShowMessageBox("Congratulations you have a six sigma document", "KESta QA Results", MB_ICONERROR);
      return S_OK;
    }
  } else {
    Quality.trafficColour = TrafficColourOf(Quality.qualityLevel);
    trafficLight();
    Quality.qualityPiText = TrafficPiText(Quality.trafficColour);
  }

  FreeWordList(WordList.head);
  WordList.Forget();
  host.Execute("clm; goto_oid(oid_first())");
  host.Execute(Format("insert_pi('%s%s',0,0)", Quality.qualityPiText.c_str(), dateStamp.c_str()));
  if (!Cursor.StartTagFound) {
    // The body was read from an element, not from a start tag the document
    // holds (a root the table does not know, a body element missing): the
    // caret goes back there.
    host.Execute(Format("goto_oid('%s'); clm;", Cursor.CurrentOid.c_str()));
    return S_OK;
  }
  // The search runs back from the document's start round to its body: it
  // needs the wrap that removing the old markers turned off.
  host.Execute("set wrapscan=on");
  host.Execute(Format("find -b -m -t -select /%s/; clm;", Cursor.StartTag.c_str()));
  return S_OK;
}
