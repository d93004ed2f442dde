#include "quality/qa_report.h"

#include "commands/check_state.h"
#include "module/app_settings.h"
#include "platform/bounded_text.h"
#include "platform/clock.h"
#include "quality/quality_stats.h"
#include "resources/string_table.h"

namespace {
constexpr const char* kGreenText =
    "GREEN LIGHT (Excellent):\r\nThis document is near or at Six Sigma quality. Concise and easy-to-read and "
    "translate.";

std::string WithCounts(const char* format) {
  BoundedText<256> text;
  text.format(format, Quality.errorCount, Quality.reportWordCount, Quality.averageSentenceLength);
  return text.str();
}
}  // namespace

std::string TrafficLevelText(int colour) {
  switch (colour) {
    case 1: return kGreenText;
    case 2:
      return WithCounts(
          "AMBER LIGHT (Average):\r\nKESta found %d errors in %d words. Average sentence length: %d words.  "
          "Edit for grammar and vocabulary.");
    case 3:
      return WithCounts(
          "RED LIGHT (Fair):\r\nKESta found %d errors in %d words. Average sentence length: %d words.  "
          "Correct for grammar and vocabulary.");
    case 4:
      return WithCounts(
          "BLUE LIGHT (Very Good):\r\nKESta found %d errors in %d words.\r\nAverage sentence length: %d words.  "
          "Edit for vocabulary.");
    default: return {};
  }
}

std::string QaReportText(int colour) {
  const char* head = colour == 2   ? "AMBER LIGHT (Average):\r\n"
                     : colour == 3 ? "RED LIGHT (Fail):\r\n"
                                   : "BLUE (QDX) LIGHT (Average):\r\n";
  std::string level = head + WithCounts("KESta found %d errors in %d words.\r\nAverage sentence length: %d words.");
  // Every field whole, however long: the report has no fixed size.
  return std::string("<<<  KESta QA Report Summary >>>\r\n") + Check.documentPath.str() + "\r\n" +
         Quality.reportDateLine.str() + "\r\n" + level + "\r\nWriter " + Settings.app.userName.str() + " at " +
         Settings.app.writerSite.str() + "\r\n" + "\r\nGot a question - Ask " + kSupportAddress;
}

std::string FoldPath(const std::string& path) {
  std::string out;
  std::size_t column = 0;
  std::size_t fold = 32;
  for (char c : path) {
    out += c;
    ++column;
    if ((c == '\\' || c == '/') && column >= fold) {
      out += '\n';
      column = 0;
      fold = 31;
    }
  }
  return out;
}

std::string GreenReportText() {
  return std::string("<<< KESta - QA Traffic Light Report >>>\r\n") + kGreenText +
         "\r\nFile Path Name: \r\n(Print locally)" + FoldPath(Check.documentPath.str()) + "\r\n" + "\r\n" +
         Quality.reportAuthorLine.str() + "\r\n" + Quality.reportTodayLine.str();
}

void FormatReportLines() {
  LocalTime today = CurrentLocalTime();
  Quality.reportTodayLine.format(" Today: %d:%d:%d", today.day, today.month, today.year);
  LocalTime now = CurrentLocalTime();
  BoundedText<48> date;
  date.format("Date: %d:%d:%d  Time: %d:%d ", now.day, now.month, now.year, now.hour, now.minute);
  Quality.reportDateLine = date.view();
  Quality.reportAuthorLine.format("By: %s", Settings.app.userCodeLabel.c_str());
}
