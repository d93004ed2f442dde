#pragma once
// The spreadsheet report of the six-sigma dialog: one line per message
// category with its count, tab-separated, padded with zero bytes to 1024.
#include <string>

// The bytes of "Kesta_6Sigma_Report.xls" from Quality.messageClassCounters:
// exactly 38 lines, categories 1 to 38 (codes 301 to 338) in order, counts of
// 0 included. Category 0 (WRONG VERB) is shown in the dialog only. The lines
// fit in the block whatever the counts.
std::string SigmaReportBytes();
