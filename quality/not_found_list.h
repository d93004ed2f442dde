#pragma once
// The words of a check that no dictionary holds, with the words beside
// them, as the lines of the not-found report.
#include <string>
#include <vector>

#include "engine/word_rec.h"

struct NotFoundRow {
  std::string left;   // each field 25 characters: at most 24, blank-padded
  std::string word;
  std::string right;
};

// Walks the list to the sentinel and appends to NotFoundList.entries (which
// it empties first) one line "Ref(N)  LEFT\tWORD\tRIGHT\r\n" per word of at
// least 3 characters that no dictionary holds, each word once whatever its
// case; returns the rows in the same order.
std::vector<NotFoundRow> CollectNotFoundWords(const WordRec* head);

// The report: its header line, then every line of the list.
std::string NotFoundReportText(const std::vector<std::string>& entries);
