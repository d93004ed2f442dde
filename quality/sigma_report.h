#pragma once
// The spreadsheet report of the six-sigma dialog: one line per message
// category with its count, tab-separated, padded with zero bytes to 1024.
#include <string>

// The bytes of "Kesta_6Sigma_Report.xls" from Quality.messageClassCounters:
// every category the dialog counts (codes 300 to 338), counts of 0 included.
// The 39 lines fit in the block whatever the counts.
std::string SigmaReportBytes();
