#include "quality/sigma_report.h"

#include "engine/message_codes.h"
#include "quality/quality_stats.h"

namespace {
constexpr std::size_t kBlockSize = 1024;
}

std::string SigmaReportBytes() {
  std::string text;
  // Readers take the lines by position: category 1 is the first line.
  for (int category = 1; category <= Msg::Last - Msg::First; ++category) {
    text += MessageClassNames[category];
    text += '\t';
    text += std::to_string(Quality.messageClassCounters[category][0]);
    text += "\r\n";
  }
  text.resize(kBlockSize, '\0');
  return text;
}
