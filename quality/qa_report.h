#pragma once
// The texts of the traffic-light dialogs and their report files.
#include <string>

// The level text a traffic dialog shows, for colour 1 GREEN, 2 AMBER,
// 3 RED, 4 BLUE, from Quality's counts.
std::string TrafficLevelText(int colour);

// "Kesta_QA_Report.txt" of the amber, red and blue dialogs, in full.
std::string QaReportText(int colour);

// The green dialog's report.
std::string GreenReportText();

// The path with a line feed after each separator ('\' or '/') that stands
// at the 32nd character or later of its line (the 31st on later lines).
std::string FoldPath(const std::string& path);

// Fills the date, author and today lines of Quality from the clock and
// the settings.
void FormatReportLines();
